// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

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

}  // namespace ServerText
