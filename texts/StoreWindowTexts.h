// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

namespace colorcard {

// Texts of the window on a chosen store: where it is, the server being away,
// the login's role, the audit trail and the server's backups.
namespace StoreWindowText {

// The status line naming the store.
inline constexpr BilingualText OnFile{"StoreWindowText",
                                      QT_TRANSLATE_NOOP3("StoreWindowText", "Store: %1", "OnFile")};
inline constexpr BilingualText OnServer{
    "StoreWindowText", QT_TRANSLATE_NOOP3("StoreWindowText", "Store: server %1 (%2)", "OnServer")};
inline constexpr BilingualText OnServerOffline{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText", "Store: server %1 (offline)", "OnServerOffline")};
inline constexpr BilingualText RoleSupervisor{
    "StoreWindowText", QT_TRANSLATE_NOOP3("StoreWindowText", "supervisor role", "RoleSupervisor")};
inline constexpr BilingualText RoleOperator{
    "StoreWindowText", QT_TRANSLATE_NOOP3("StoreWindowText", "operator role", "RoleOperator")};

// The server cannot be reached.
inline constexpr BilingualText Connecting{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText", "Connecting to the server…", "Connecting")};
inline constexpr BilingualText Unreachable{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText",
                       "The server %1 cannot be reached: %2\n\nRetry, or Cancel to work offline "
                       "(nothing can be changed until the server is back)?",
                       "Unreachable")};
// Offline, the button beside the status line that tries the server again.
inline constexpr BilingualText Reconnect{
    "StoreWindowText", QT_TRANSLATE_NOOP3("StoreWindowText", "Reconnect", "Reconnect")};
inline constexpr BilingualText ReconnectTip{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3(
        "StoreWindowText",
        "Try the server again now; offline, the window also tries it every few seconds.",
        "ReconnectTip")};
// The server asks for a password.
inline constexpr BilingualText PasswordTitle{
    "StoreWindowText", QT_TRANSLATE_NOOP3("StoreWindowText", "Server password", "PasswordTitle")};
inline constexpr BilingualText PasswordAsk{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText",
                       "The server %1 asks for a password: %2\n\nEnter the password of this login:",
                       "PasswordAsk")};
inline constexpr BilingualText RememberPassword{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText", "Remember in the keyring", "RememberPassword")};
inline constexpr BilingualText PasswordNotKept{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3(
        "StoreWindowText",
        "The password could not be kept in the keyring; it will be asked for next time.",
        "PasswordNotKept")};
inline constexpr BilingualText Offline{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText",
                       "The window is offline: the server %1 could not be reached. Nothing was "
                       "changed; start the program again once the server is back.",
                       "Offline")};

// The login's role.
inline constexpr BilingualText OperatorMayNot{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText",
                       "Your role on the server is operator: you may measure samples, compare and "
                       "keep lots, and read and write the meter, but not change libraries, colors, "
                       "tolerances or backups. Ask a supervisor.",
                       "OperatorMayNot")};

// The audit trail in the window.
inline constexpr BilingualText HistoryAction{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText", "History of changes", "HistoryAction")};
inline constexpr BilingualText HistoryTip{
    "StoreWindowText", QT_TRANSLATE_NOOP3("StoreWindowText",
                                          "Who changed the current library, when, at which bench, "
                                          "and what changed (kept on the server).",
                                          "HistoryTip")};
inline constexpr BilingualText HistoryNeedsServer{
    "StoreWindowText", QT_TRANSLATE_NOOP3("StoreWindowText",
                                          "The history of changes is kept on a server only: start "
                                          "the program with --database postgresql://… to see it.",
                                          "HistoryNeedsServer")};
inline constexpr BilingualText ChooseLibraryFirst{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText", "Choose a library first.", "ChooseLibraryFirst")};
inline constexpr BilingualText HistoryEmpty{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText", "The server holds no changes of the library %1.",
                       "HistoryEmpty")};
inline constexpr BilingualText HistoryUnreadable{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText", "Cannot read the history of changes: %1",
                       "HistoryUnreadable")};
inline constexpr BilingualText ColumnWho{"StoreWindowText",
                                         QT_TRANSLATE_NOOP3("StoreWindowText", "Who", "ColumnWho")};
inline constexpr BilingualText ColumnBench{
    "StoreWindowText", QT_TRANSLATE_NOOP3("StoreWindowText", "Bench", "ColumnBench")};
inline constexpr BilingualText ColumnChange{
    "StoreWindowText", QT_TRANSLATE_NOOP3("StoreWindowText", "Change (old → new)", "ColumnChange")};
inline constexpr BilingualText CloseButton{
    "StoreWindowText", QT_TRANSLATE_NOOP3("StoreWindowText", "Close", "CloseButton")};
// What a row of the history did.
inline constexpr BilingualText LibraryAdded{
    "StoreWindowText", QT_TRANSLATE_NOOP3("StoreWindowText", "Library added", "LibraryAdded")};
inline constexpr BilingualText LibraryChanged{
    "StoreWindowText", QT_TRANSLATE_NOOP3("StoreWindowText", "Library changed", "LibraryChanged")};
inline constexpr BilingualText LibraryRemoved{
    "StoreWindowText", QT_TRANSLATE_NOOP3("StoreWindowText", "Library removed", "LibraryRemoved")};
inline constexpr BilingualText ColourAdded{
    "StoreWindowText", QT_TRANSLATE_NOOP3("StoreWindowText", "Color added", "ColourAdded")};
inline constexpr BilingualText ColourChanged{
    "StoreWindowText", QT_TRANSLATE_NOOP3("StoreWindowText", "Color changed", "ColourChanged")};
inline constexpr BilingualText ColourRemoved{
    "StoreWindowText", QT_TRANSLATE_NOOP3("StoreWindowText", "Color removed", "ColourRemoved")};
inline constexpr BilingualText ToleranceSet{
    "StoreWindowText", QT_TRANSLATE_NOOP3("StoreWindowText", "Tolerance set", "ToleranceSet")};
inline constexpr BilingualText ToleranceChanged{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText", "Tolerance changed", "ToleranceChanged")};
inline constexpr BilingualText ToleranceRemoved{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText", "Tolerance removed", "ToleranceRemoved")};
inline constexpr BilingualText ServerRefused{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText", "The server refused the change: %1", "ServerRefused")};

// The server's backups of libraries.
inline constexpr BilingualText BackupsTitle{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText", "Backups of libraries on the server", "BackupsTitle")};
inline constexpr BilingualText ColumnTakenBy{
    "StoreWindowText", QT_TRANSLATE_NOOP3("StoreWindowText", "Taken by", "ColumnTakenBy")};
inline constexpr BilingualText NoServerBackups{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText", "The server holds no backups of libraries.",
                       "NoServerBackups")};
inline constexpr BilingualText AskServerRestore{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText",
                       "Restore the library %1 as it was backed up at %2? A library stored under "
                       "it now is backed up first and replaced.",
                       "AskServerRestore")};
inline constexpr BilingualText ServerRestored{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText",
                       "Restored the library %1 (%2 colors) from the server's backup %3.",
                       "ServerRestored")};
inline constexpr BilingualText ServerRestoreFailed{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText",
                       "The backup could not be restored; nothing was changed. %1",
                       "ServerRestoreFailed")};
inline constexpr BilingualText NoSuchBackup{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText", "The server holds no backup %1.", "NoSuchBackup")};

// colorcard-cli backups / restore.
inline constexpr BilingualText BackupsSummary{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3(
        "StoreWindowText",
        "Lists the server's backups of libraries, newest first (the last 20 of each library).",
        "BackupsSummary")};
inline constexpr BilingualText BackupsLibraryOption{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText", "Only the backups of this library (its ID).",
                       "BackupsLibraryOption")};
inline constexpr BilingualText RestoreSummary{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3(
        "StoreWindowText",
        "Restores a library from one of the server's backups (ID as backups lists it).",
        "RestoreSummary")};
inline constexpr BilingualText BackupIdArgument{
    "StoreWindowText",
    QT_TRANSLATE_NOOP3("StoreWindowText", "The backup's ID.", "BackupIdArgument")};

}  // namespace StoreWindowText

}  // namespace colorcard
