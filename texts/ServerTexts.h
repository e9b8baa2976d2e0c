// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

// Texts of the shared store on a PostgreSQL server.
namespace ServerText {

inline constexpr BilingualText ServerSummary{
    "Sets up the shared store on a PostgreSQL server (init).",
    "在 PostgreSQL 服务器上建立共享数据库（init）。"};
inline constexpr BilingualText ServerActions{
    "init: creates the schema, or brings it up to date, and the roles colorcard_supervisor and "
    "colorcard_operator.",
    "init：建立或更新数据库结构，以及角色 colorcard_supervisor 和 colorcard_operator。"};
inline constexpr BilingualText UrlOption{"The server: postgresql://user@host:port/database.",
                                         "服务器：postgresql://用户@主机:端口/数据库。"};
inline constexpr BilingualText NoUrl{"Name the server with --url postgresql://…",
                                     "请用 --url postgresql://… 指定服务器"};
inline constexpr BilingualText BadUrl{"Not a PostgreSQL address: %1", "不是 PostgreSQL 地址：%1"};
inline constexpr BilingualText UnknownAction{"Unknown action: %1 (known: init)",
                                             "未知操作：%1（可用：init）"};
inline constexpr BilingualText CannotConnect{"Cannot connect to %1: %2", "无法连接 %1：%2"};
inline constexpr BilingualText SchemaFailed{"The schema on %1 could not be set up: %2",
                                            "无法在 %1 上建立数据库结构：%2"};
inline constexpr BilingualText SchemaReady{
    "Schema colorcard on %1: version %2 (was %3). Give each person one role, e.g. GRANT "
    "colorcard_operator TO alice;",
    "%1 上的 colorcard 数据库结构：版本 %2（原为 %3）。请为每人授予一个角色，例如 GRANT "
    "colorcard_operator TO alice;"};

}  // namespace ServerText
