// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

namespace colorcard {

// What the user is told when the database refuses a step.
namespace StoreText {
inline constexpr BilingualText OpenDatabaseFailed{
    "StoreText", QT_TRANSLATE_NOOP3("StoreText", "Open database fail!", "OpenDatabaseFailed")};
inline constexpr BilingualText QueryLibraryTableFailed{
    "StoreText", QT_TRANSLATE_NOOP3("StoreText", "Query color card library table fail!",
                                    "QueryLibraryTableFailed")};
inline constexpr BilingualText CreateLibraryTableFailed{
    "StoreText", QT_TRANSLATE_NOOP3("StoreText", "Create color card library table fail!",
                                    "CreateLibraryTableFailed")};
inline constexpr BilingualText CreateColorTableFailed{
    "StoreText", QT_TRANSLATE_NOOP3("StoreText", "Create color card data table fail!",
                                    "CreateColorTableFailed")};
inline constexpr BilingualText InsertLibraryFailed{
    "StoreText",
    QT_TRANSLATE_NOOP3("StoreText", "Insert color card library fail!", "InsertLibraryFailed")};
inline constexpr BilingualText InsertColorFailed{
    "StoreText",
    QT_TRANSLATE_NOOP3("StoreText", "Insert color card data fail!", "InsertColorFailed")};
inline constexpr BilingualText RenameLibraryFailed{
    "StoreText",
    QT_TRANSLATE_NOOP3("StoreText", "Modify color card library name fail!", "RenameLibraryFailed")};
inline constexpr BilingualText UpdateCountFailed{
    "StoreText",
    QT_TRANSLATE_NOOP3("StoreText", "Update color card library count fail!", "UpdateCountFailed")};
inline constexpr BilingualText RenameColorFailed{
    "StoreText",
    QT_TRANSLATE_NOOP3("StoreText", "Modify color card name fail!", "RenameColorFailed")};
inline constexpr BilingualText UpdateColorFailed{
    "StoreText",
    QT_TRANSLATE_NOOP3("StoreText", "Update color card data fail!", "UpdateColorFailed")};
inline constexpr BilingualText QueryColorNameFailed{
    "StoreText",
    QT_TRANSLATE_NOOP3("StoreText", "Query color card name fail！", "QueryColorNameFailed")};
inline constexpr BilingualText QueryLibrariesFailed{
    "StoreText",
    QT_TRANSLATE_NOOP3("StoreText", "Query color card library fail！", "QueryLibrariesFailed")};
inline constexpr BilingualText QueryColorsFailed{
    "StoreText",
    QT_TRANSLATE_NOOP3("StoreText", "Query color card data fail！", "QueryColorsFailed")};
inline constexpr BilingualText DropColorTableFailed{
    "StoreText",
    QT_TRANSLATE_NOOP3("StoreText", "Delete color card data table fail！", "DropColorTableFailed")};
inline constexpr BilingualText DeleteLibraryFailed{
    "StoreText",
    QT_TRANSLATE_NOOP3("StoreText", "Delete color card library fail！", "DeleteLibraryFailed")};
inline constexpr BilingualText DeleteColorFailed{
    "StoreText", QT_TRANSLATE_NOOP3("StoreText", "Delete color card fail！", "DeleteColorFailed")};
inline constexpr BilingualText DeleteDatabaseFileFailed{
    "StoreText",
    QT_TRANSLATE_NOOP3("StoreText", "Delete database file fail！", "DeleteDatabaseFileFailed")};
// A change whose steps all ran but could not be made lasting: nothing of it stays.
inline constexpr BilingualText CommitFailed{
    "StoreText",
    QT_TRANSLATE_NOOP3("StoreText",
                       "The change could not be saved to the database, nothing was changed!",
                       "CommitFailed")};
inline constexpr BilingualText BeginFailed{
    "StoreText",
    QT_TRANSLATE_NOOP3("StoreText", "Could not start a change of the database!", "BeginFailed")};
// Why a step failed, after the step's own text (%1); nothing of the change stays.
inline constexpr BilingualText Busy{
    "StoreText",
    QT_TRANSLATE_NOOP3("StoreText",
                       "The database is busy: another program (the window or colorcard-cli) is "
                       "changing it. Nothing was changed; try again in a moment.",
                       "Busy")};
inline constexpr BilingualText DiskFull{
    "StoreText", QT_TRANSLATE_NOOP3("StoreText",
                                    "%1 The disk holding the database is full (%2): free some "
                                    "space and try again. Nothing was changed.",
                                    "DiskFull")};
inline constexpr BilingualText ReadOnly{
    "StoreText", QT_TRANSLATE_NOOP3("StoreText",
                                    "%1 The database file or its folder is read-only (%2): it "
                                    "cannot be changed. Nothing was changed.",
                                    "ReadOnly")};
inline constexpr BilingualText Damaged{
    "StoreText", QT_TRANSLATE_NOOP3("StoreText",
                                    "%1 The database file is damaged (database disk image is "
                                    "malformed): %2. Restore a backup (Restore backup).",
                                    "Damaged")};
// At start-up, once: the store cannot be read. %1 the file, %2 the newest backup's time.
inline constexpr BilingualText DamagedAtStart{
    "StoreText",
    QT_TRANSLATE_NOOP3(
        "StoreText",
        "The database %1 is damaged (database disk image is malformed) and cannot be "
        "read.\n\nRestore the newest backup, taken %2? The damaged file is kept beside it.",
        "DamagedAtStart")};
inline constexpr BilingualText DamagedNoBackup{
    "StoreText",
    QT_TRANSLATE_NOOP3(
        "StoreText",
        "The database %1 is damaged (database disk image is malformed) and cannot be read, and "
        "there is no backup to restore. Move the file away to start with an empty database.",
        "DamagedNoBackup")};
inline constexpr BilingualText DamagedRestored{
    "StoreText",
    QT_TRANSLATE_NOOP3("StoreText",
                       "The newest backup was restored; the damaged database was kept as %1.",
                       "DamagedRestored")};
inline constexpr BilingualText DamagedRestoreFailed{
    "StoreText",
    QT_TRANSLATE_NOOP3("StoreText",
                       "The backup could not be restored; the damaged database is left as it was.",
                       "DamagedRestoreFailed")};
inline constexpr BilingualText NotOnServer{
    "StoreText",
    QT_TRANSLATE_NOOP3("StoreText", "This works on a database file only, not on a server.",
                       "NotOnServer")};
}  // namespace StoreText

}  // namespace colorcard
