// SPDX-License-Identifier: MIT
#pragma once

namespace colorcard {

// The step of the store that failed; each has the message the user is shown
// for it (the workflows choose and show it, the store shows nothing).
enum class StoreError {
    None,
    OpenDatabase,
    QueryLibraryTable,
    CreateLibraryTable,
    CreateColorTable,
    InsertLibrary,
    InsertColor,
    RenameLibrary,
    UpdateCount,
    RenameColor,
    UpdateColor,
    QueryColorName,
    QueryLibraries,
    QueryColors,
    DropColorTable,
    DeleteLibrary,
    DeleteColor,
    DeleteDatabaseFile,
    // The statements ran but the transaction holding them was not committed.
    Commit,
    // The write transaction could not be started (see the cause).
    Begin,
};

// Why the store refused a step, when the reason is one the user can act on.
enum class StoreCause {
    None,
    // Another connection held the write lock past the busy time-out.
    Busy,
    // The disk (or the database's page limit) is full.
    DiskFull,
    // The database file or its folder cannot be written.
    ReadOnly,
    // "database disk image is malformed", or not a database at all.
    Damaged,
};

// Success, or the step that failed.
struct StoreResult {
    StoreError error = StoreError::None;
    StoreCause cause = StoreCause::None;

    bool ok() const { return error == StoreError::None; }
    explicit operator bool() const { return ok(); }
};

}  // namespace colorcard
