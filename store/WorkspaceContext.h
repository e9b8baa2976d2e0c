#pragma once

class ColorCardStore;
class LibraryView;
class Messenger;
struct WorkspaceState;

// What a page action needs, handed to procedures that live below the widgets.
struct WorkspaceContext {
    WorkspaceState& state;
    LibraryView& view;
    ColorCardStore& store;
    Messenger& messenger;
};
