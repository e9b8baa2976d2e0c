#pragma once

#include <QString>
#include <functional>

#include "CLinker.h"

class DeviceEventSource;
class MainWindow;
class Prompt;
class SingleApplication;

// The start-up of the program, shared by every executable that is this
// program (the real one and the one with a simulated meter).
class AppStartup {
public:
    struct Options {
        // Opens the meter link; empty: the window never gets a link.
        LinkOpener linkOpener;
        // Makes the hot-plug source once the application object exists; the
        // start-up owns it. Empty: no hot-plug detection.
        std::function<DeviceEventSource*()> deviceEvents;
        // Every message box; null: the toolkit's dialogs.
        Prompt* prompt = nullptr;
        // Which instances exclude each other; empty: every process of this
        // executable run by the same user.
        QString instanceId;
        QString styleSheetPath = QStringLiteral(":/qss/psblue.css");
        // Where the page keeps its data; empty: the application directory.
        QString dataDirectory;
        // Called with the shown window just before the event loop runs.
        std::function<void(SingleApplication&, MainWindow&)> started;
    };

    // Runs the program and returns the process exit code: 0 when another
    // instance runs (after signalling it), else the event loop's result.
    static int run(int& argc, char** argv, const Options& options);

    // Application style sheet and the palette taken from its first rule;
    // false (and nothing changed) when the file cannot be read.
    static bool applyStyleSheet(const QString& path);
    // The main window's title.
    static QString windowTitle();
    // Registers the embedded style sheet and images; safe to call repeatedly.
    static void initResources();
    // What a second start sends to the running instance.
    static QString activationMessage();
};
