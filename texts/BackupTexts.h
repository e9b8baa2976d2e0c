// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

// Copies of the database taken before destructive changes, and restoring one.
namespace BackupText {
inline constexpr BilingualText RestoreAction{"Restore backup", "恢复备份"};
// The button of the list that restores the copy chosen.
inline constexpr BilingualText RestoreButton{"Restore", "恢复"};
inline constexpr BilingualText ColumnTime{"Backup time", "备份时间"};
inline constexpr BilingualText ColumnMeter{"Meter", "仪器"};
inline constexpr BilingualText ColumnLibraries{"Libraries", "色卡库数"};
inline constexpr BilingualText ColumnColours{"Colors", "色卡数"};
inline constexpr BilingualText Unreadable{"(unreadable)", "（无法读取）"};
inline constexpr BilingualText NoBackups{"There is no backup yet!", "还没有备份！"};
// %1: the time the copy was taken.
inline constexpr BilingualText AskRestore{
    "Restore the backup of %1? The current data is backed up first.",
    "确定恢复 %1 的备份吗？当前数据会先备份。"};
inline constexpr BilingualText RestoreSuccess{"Restore backup success!", "恢复备份成功！"};
inline constexpr BilingualText RestoreFailed{"Restore backup fail! Nothing was changed.",
                                             "恢复备份失败！数据未作任何修改。"};
inline constexpr BilingualText NotABackup{"The backup file is damaged and cannot be restored!",
                                          "备份文件已损坏，无法恢复！"};
// Shown instead of a destructive change when its copy could not be taken.
inline constexpr BilingualText BackupFailed{"Backup of the database fail! Nothing was changed.",
                                            "数据库备份失败！数据未作任何修改。"};
}  // namespace BackupText
