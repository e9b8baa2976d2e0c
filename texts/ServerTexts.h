// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

namespace colorcard {

// Texts of the shared store on a PostgreSQL server.
namespace ServerText {

inline constexpr BilingualText ServerSummary{
    "ServerText",
    QT_TRANSLATE_NOOP3("ServerText", "Sets up the shared store on a PostgreSQL server (init).",
                       "ServerSummary")};
inline constexpr BilingualText ServerActions{
    "ServerText", QT_TRANSLATE_NOOP3("ServerText",
                                     "init: creates the schema, or brings it up to date, and the "
                                     "roles colorcard_supervisor and colorcard_operator.",
                                     "ServerActions")};
inline constexpr BilingualText UrlOption{
    "ServerText",
    QT_TRANSLATE_NOOP3("ServerText", "The server: postgresql://user@host:port/database.",
                       "UrlOption")};
inline constexpr BilingualText NoUrl{
    "ServerText",
    QT_TRANSLATE_NOOP3("ServerText", "Name the server with --url postgresql://…", "NoUrl")};
inline constexpr BilingualText BadUrl{
    "ServerText", QT_TRANSLATE_NOOP3("ServerText", "Not a PostgreSQL address: %1", "BadUrl")};
inline constexpr BilingualText UnknownAction{
    "ServerText",
    QT_TRANSLATE_NOOP3("ServerText", "Unknown action: %1 (known: init)", "UnknownAction")};
inline constexpr BilingualText CannotConnect{
    "ServerText", QT_TRANSLATE_NOOP3("ServerText", "Cannot connect to %1: %2", "CannotConnect")};
inline constexpr BilingualText SchemaFailed{
    "ServerText",
    QT_TRANSLATE_NOOP3("ServerText", "The schema on %1 could not be set up: %2", "SchemaFailed")};
inline constexpr BilingualText SchemaReady{
    "ServerText", QT_TRANSLATE_NOOP3("ServerText",
                                     "Schema colorcard on %1: version %2 (was %3). Give each "
                                     "person one role, e.g. GRANT colorcard_operator TO alice;",
                                     "SchemaReady")};

// Copying a bench's file onto the server.
inline constexpr BilingualText MigrateSummary{
    "ServerText",
    QT_TRANSLATE_NOOP3("ServerText",
                       "Copies a SQLite store onto a PostgreSQL server (--from FILE.db --to URL).",
                       "MigrateSummary")};
inline constexpr BilingualText FromOption{
    "ServerText", QT_TRANSLATE_NOOP3("ServerText", "The SQLite store to copy from.", "FromOption")};
inline constexpr BilingualText ToOption{
    "ServerText",
    QT_TRANSLATE_NOOP3("ServerText", "The server to copy to: postgresql://user@host/database.",
                       "ToOption")};
inline constexpr BilingualText MigrateNeedsBoth{
    "ServerText",
    QT_TRANSLATE_NOOP3("ServerText",
                       "Name the file with --from FILE.db and the server with --to postgresql://…",
                       "MigrateNeedsBoth")};
inline constexpr BilingualText MigrateCopied{
    "ServerText",
    QT_TRANSLATE_NOOP3("ServerText",
                       "Copied to %1: %2 libraries, %3 colors, %4 tolerances, %5 history entries.",
                       "MigrateCopied")};
inline constexpr BilingualText MigrateVerified{
    "ServerText",
    QT_TRANSLATE_NOOP3("ServerText",
                       "Verified on both sides: the file holds %1 libraries, %2 colors, %3 "
                       "tolerances, %4 history entries, and the server holds every one of them.",
                       "MigrateVerified")};
inline constexpr BilingualText MigrateMismatch{
    "ServerText",
    QT_TRANSLATE_NOOP3("ServerText",
                       "Not all was found on the server: the file holds %1 libraries, %2 colors, "
                       "%3 tolerances, %4 history entries; the server has %5, %6, %7, %8 of them.",
                       "MigrateMismatch")};
inline constexpr BilingualText MigrateFailed{
    "ServerText",
    QT_TRANSLATE_NOOP3("ServerText", "Nothing was copied to %1: %2", "MigrateFailed")};

// The server's answers the user can act on.
inline constexpr BilingualText PermissionDenied{
    "ServerText",
    QT_TRANSLATE_NOOP3(
        "ServerText",
        "The server refused: your role may not make this change (ask a supervisor). %1",
        "PermissionDenied")};
inline constexpr BilingualText ServerUnreachable{
    "ServerText",
    QT_TRANSLATE_NOOP3(
        "ServerText",
        "The server %1 cannot be reached; nothing was changed. Check the network and try again.",
        "ServerUnreachable")};
inline constexpr BilingualText StaleEdit{
    "ServerText", QT_TRANSLATE_NOOP3("ServerText",
                                     "Another bench changed library %1 first; nothing of yours was "
                                     "saved. The library has been reloaded: make the change again.",
                                     "StaleEdit")};
inline constexpr BilingualText FileOnly{
    "ServerText",
    QT_TRANSLATE_NOOP3(
        "ServerText",
        "colorcard-cli %1 reads a SQLite file only; on a server use libraries, audit or migrate.",
        "FileOnly")};

// The audit trail.
inline constexpr BilingualText AuditSummary{
    "ServerText",
    QT_TRANSLATE_NOOP3(
        "ServerText",
        "Prints the server's audit trail of changes to libraries, colors and tolerances.",
        "AuditSummary")};
inline constexpr BilingualText LibraryOption{
    "ServerText", QT_TRANSLATE_NOOP3("ServerText", "Only the changes of this library (its ID).",
                                     "LibraryOption")};
inline constexpr BilingualText JsonOption{
    "ServerText", QT_TRANSLATE_NOOP3("ServerText", "Print JSON instead of lines.", "JsonOption")};
inline constexpr BilingualText NeedsServer{
    "ServerText",
    QT_TRANSLATE_NOOP3(
        "ServerText",
        "This needs the store on a server: --database postgresql://… (or COLORCARD_DATABASE)",
        "NeedsServer")};
inline constexpr BilingualText AuditUnreadable{
    "ServerText",
    QT_TRANSLATE_NOOP3("ServerText", "Cannot read the audit trail on %1: %2", "AuditUnreadable")};

}  // namespace ServerText

}  // namespace colorcard
