// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

// What the user is told when the database refuses a step.
namespace StoreText {
inline constexpr BilingualText OpenDatabaseFailed{"Open database fail!", "数据库打开失败！"};
inline constexpr BilingualText QueryLibraryTableFailed{"Query color card library table fail!",
                                                       "查询色卡库表失败！"};
inline constexpr BilingualText CreateLibraryTableFailed{"Create color card library table fail!",
                                                        "创建色卡库表失败！"};
inline constexpr BilingualText CreateColorTableFailed{"Create color card data table fail!",
                                                      "创建色卡数据表失败！"};
inline constexpr BilingualText InsertLibraryFailed{"Insert color card library fail!",
                                                   "插入色卡库失败！"};
inline constexpr BilingualText InsertColorFailed{"Insert color card data fail!",
                                                 "插入色卡数据失败！"};
inline constexpr BilingualText RenameLibraryFailed{"Modify color card library name fail!",
                                                   "修改色卡库名称失败！"};
inline constexpr BilingualText UpdateCountFailed{"Update color card library count fail!",
                                                 "更新色卡库数量失败！"};
inline constexpr BilingualText RenameColorFailed{"Modify color card name fail!",
                                                 "修改色卡名称失败！"};
inline constexpr BilingualText UpdateColorFailed{"Update color card data fail!",
                                                 "更新色卡数据失败！"};
inline constexpr BilingualText QueryColorNameFailed{"Query color card name fail！",
                                                    "查询色卡名称失败！"};
inline constexpr BilingualText QueryLibrariesFailed{"Query color card library fail！",
                                                    "查询色卡库失败！"};
inline constexpr BilingualText QueryColorsFailed{"Query color card data fail！",
                                                 "查询色卡数据失败！"};
inline constexpr BilingualText DropColorTableFailed{"Delete color card data table fail！",
                                                    "删除色卡数据表失败！"};
inline constexpr BilingualText DeleteLibraryFailed{"Delete color card library fail！",
                                                   "删除色卡库失败！"};
inline constexpr BilingualText DeleteColorFailed{"Delete color card fail！", "删除色卡失败！"};
inline constexpr BilingualText DeleteDatabaseFileFailed{"Delete database file fail！",
                                                        "删除数据库文件失败！"};
// A change whose steps all ran but could not be made lasting: nothing of it stays.
inline constexpr BilingualText CommitFailed{
    "The change could not be saved to the database, nothing was changed!",
    "无法将更改保存到数据库，未做任何更改！"};
inline constexpr BilingualText BeginFailed{"Could not start a change of the database!",
                                           "无法开始修改数据库！"};
// Why a step failed, after the step's own text (%1); nothing of the change stays.
inline constexpr BilingualText Busy{
    "The database is busy: another program (the window or colorcard-cli) is changing it. "
    "Nothing was changed; try again in a moment.",
    "数据库正忙：另一个程序（窗口或 colorcard-cli）正在修改它。未做任何更改，请稍后再试。"};
inline constexpr BilingualText DiskFull{
    "%1 The disk holding the database is full (%2): free some space and try again. Nothing was "
    "changed.",
    "%1 数据库所在的磁盘已满（%2）：请释放空间后重试。未做任何更改。"};
inline constexpr BilingualText ReadOnly{
    "%1 The database file or its folder is read-only (%2): it cannot be changed. Nothing was "
    "changed.",
    "%1 数据库文件或其所在文件夹为只读（%2），无法修改。未做任何更改。"};
inline constexpr BilingualText Damaged{
    "%1 The database file is damaged (database disk image is malformed): %2. Restore a backup "
    "(Restore backup).",
    "%1 数据库文件已损坏（database disk image is malformed）：%2。请恢复备份（恢复备份）。"};
// At start-up, once: the store cannot be read. %1 the file, %2 the newest backup's time.
inline constexpr BilingualText DamagedAtStart{
    "The database %1 is damaged (database disk image is malformed) and cannot be read.\n\nRestore "
    "the newest backup, taken %2? The damaged file is kept beside it.",
    "数据库 %1 已损坏（database disk image is malformed），无法读取。\n\n是否恢复最新的备份（%2 "
    "备份）？损坏的文件会保留在它旁边。"};
inline constexpr BilingualText DamagedNoBackup{
    "The database %1 is damaged (database disk image is malformed) and cannot be read, and there "
    "is no backup to restore. Move the file away to start with an empty database.",
    "数据库 %1 已损坏（database disk image is malformed），无法读取，且没有可恢复的备份。请移走该"
    "文件，以空数据库开始。"};
inline constexpr BilingualText DamagedRestored{
    "The newest backup was restored; the damaged database was kept as %1.",
    "已恢复最新的备份；损坏的数据库已保留为 %1。"};
inline constexpr BilingualText DamagedRestoreFailed{
    "The backup could not be restored; the damaged database is left as it was.",
    "无法恢复备份；损坏的数据库保持原样。"};
}  // namespace StoreText
