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

// Copying a bench's file onto the server.
inline constexpr BilingualText MigrateSummary{
    "Copies a SQLite store onto a PostgreSQL server (--from FILE.db --to URL).",
    "将 SQLite 数据库复制到 PostgreSQL 服务器（--from 文件.db --to 地址）。"};
inline constexpr BilingualText FromOption{"The SQLite store to copy from.",
                                          "要复制的 SQLite 数据库。"};
inline constexpr BilingualText ToOption{"The server to copy to: postgresql://user@host/database.",
                                        "复制到的服务器：postgresql://用户@主机/数据库。"};
inline constexpr BilingualText MigrateNeedsBoth{
    "Name the file with --from FILE.db and the server with --to postgresql://…",
    "请用 --from 文件.db 指定文件，用 --to postgresql://… 指定服务器"};
inline constexpr BilingualText MigrateCopied{
    "Copied to %1: %2 libraries, %3 colors, %4 tolerances, %5 history entries.",
    "已复制到 %1：%2 个色卡库，%3 个颜色，%4 个容差，%5 条历史记录。"};
inline constexpr BilingualText MigrateVerified{
    "Verified on both sides: the file holds %1 libraries, %2 colors, %3 tolerances, %4 history "
    "entries, and the server holds every one of them.",
    "两边均已核对：文件中有 %1 个色卡库，%2 个颜色，%3 个容差，%4 条历史记录，服务器上全部都有。"};
inline constexpr BilingualText MigrateMismatch{
    "Not all was found on the server: the file holds %1 libraries, %2 colors, %3 tolerances, %4 "
    "history entries; the server has %5, %6, %7, %8 of them.",
    "服务器上并非全部都有：文件中有 %1 个色卡库，%2 个颜色，%3 个容差，%4 条历史记录；服务器上有 "
    "%5、%6、%7、%8 个。"};
inline constexpr BilingualText MigrateFailed{"Nothing was copied to %1: %2",
                                             "未复制任何内容到 %1：%2"};

// The server's answers the user can act on.
inline constexpr BilingualText PermissionDenied{
    "The server refused: your role may not make this change (ask a supervisor). %1",
    "服务器拒绝：您的角色无权进行此修改（请联系主管）。%1"};
inline constexpr BilingualText ServerUnreachable{
    "The server %1 cannot be reached; nothing was changed. Check the network and try again.",
    "无法连接服务器 %1；未作任何修改。请检查网络后重试。"};
inline constexpr BilingualText StaleEdit{
    "Another bench changed library %1 first; nothing of yours was saved. The library has been "
    "reloaded: make the change again.",
    "另一台工作站已先修改色卡库 %1；您的修改未保存。色卡库已重新载入，请再修改一次。"};
inline constexpr BilingualText FileOnly{
    "colorcard-cli %1 reads a SQLite file only; on a server use libraries, audit or migrate.",
    "colorcard-cli %1 只能读取 SQLite 文件；在服务器上请使用 libraries、audit 或 migrate。"};

// The audit trail.
inline constexpr BilingualText AuditSummary{
    "Prints the server's audit trail of changes to libraries, colors and tolerances.",
    "打印服务器上色卡库、颜色和容差的修改记录。"};
inline constexpr BilingualText LibraryOption{"Only the changes of this library (its ID).",
                                             "只显示此色卡库（ID）的修改。"};
inline constexpr BilingualText JsonOption{"Print JSON instead of lines.", "以 JSON 格式输出。"};
inline constexpr BilingualText NeedsServer{
    "This needs the store on a server: --database postgresql://… (or COLORCARD_DATABASE)",
    "此命令需要服务器上的数据库：--database postgresql://…（或 COLORCARD_DATABASE）"};
inline constexpr BilingualText AuditUnreadable{"Cannot read the audit trail on %1: %2",
                                               "无法读取 %1 上的修改记录：%2"};

}  // namespace ServerText
