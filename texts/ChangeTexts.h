// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

// Changes that replace data wholesale (another meter, a restore, writing the
// meter, merging libraries) and the remarks that say what they did.
namespace ChangeText {
// Second paragraph of the instrument-change question.
inline constexpr BilingualText InstrumentChangeChoices{
    "Yes: save, then take the new meter's libraries. No: take them without saving. The current "
    "libraries are backed up either way; the QC history, lots and tolerances stay. Cancel: keep "
    "the current data and do not connect the new meter.",
    "是：先保存，再换用新仪器的色卡库；否：不保存直接换用。两种情况下当前色卡库都会先备份，质检记录"
    "、批次和"
    "容差保留。取消：保留当前数据，不连接新仪器。"};
inline constexpr BilingualText InstrumentChangeCancelled{
    "The new meter is not connected: the current data was kept. Unplug it, or plug it in again "
    "to change to it.",
    "未连接新仪器，当前数据已保留。请拔下新仪器，或重新插入以换用它。"};
// %1: the locked library's name.
inline constexpr BilingualText LockReleased{
    "The locked color card library \"%1\" is gone, so it was unlocked. Choose and lock a library "
    "before measuring.",
    "已锁定的色卡库“%1”已不存在，已解除锁定。测量前请重新选择并锁定色卡库。"};

// Backups: why a copy was taken (the list's column and its values).
inline constexpr BilingualText ColumnCause{"Taken before", "备份原因"};
inline constexpr BilingualText CauseDeleteAll{"Delete all", "删除所有数据"};
inline constexpr BilingualText CauseDeleteLibrary{"Deleting a library", "删除色卡库"};
inline constexpr BilingualText CauseInstrumentChange{"Instrument change", "更换仪器"};
inline constexpr BilingualText CauseImport{"Import", "导入"};
inline constexpr BilingualText CauseMeterExport{"Meter export", "导出仪器数据"};
inline constexpr BilingualText CauseRestore{"Restore", "恢复备份之前"};
inline constexpr BilingualText CauseUnknown{"(not recorded)", "（未记录）"};
// %1: the meter whose data the backup holds, %2: the attached meter.
inline constexpr BilingualText AdoptRestored{
    "The restored data belongs to meter %1. Make it the data of the attached meter %2? No keeps "
    "it as meter %1's data: it is replaced when meter %2 is identified again.",
    "恢复的数据属于仪器 %1。是否将其作为当前连接的仪器 %2 的数据？选择“否”则仍属于仪器 "
    "%1，下次识别到"
    "仪器 %2 时会被替换。"};

// Write to meter. %1/%2: libraries and colours of the program, %3/%4: of the meter.
inline constexpr BilingualText ConfirmWrite{
    "Replace the meter's libraries with the program's? The program has %1 libraries with %2 "
    "colors; the meter holds %3 libraries with %4 colors, which will be replaced.",
    "是否用本程序的色卡库替换仪器中的色卡库？本程序有 %1 个色卡库、%2 个颜色；仪器中现有 %3 "
    "个色卡库、%4 "
    "个颜色，将被替换。"};
// %1 libraries, %2 colours.
inline constexpr BilingualText WrittenCounts{"Written: %1 libraries with %2 colors.",
                                             "已写入 %1 个色卡库、%2 个颜色。"};
// The automatic export at a meter's first connection, in the status line.
inline constexpr BilingualText FirstExportUnchanged{
    "Meter libraries read: nothing new, the program already holds them.",
    "已读取仪器色卡库：没有新内容，本程序中已全部存在。"};

// The merge question's second paragraph: what Yes would change.
// %1: count, %2: the first names.
inline constexpr BilingualText MergeAdds{"%1 colors added: %2", "新增 %1 个颜色：%2"};
inline constexpr BilingualText MergeChanges{"%1 colors changed: %2", "修改 %1 个颜色：%2"};
inline constexpr BilingualText MergeKeeps{
    "%1 colors of the library are not in the incoming copy and stay in the library: %2",
    "色卡库中有 %1 个颜色不在导入的数据中，将保留在色卡库中：%2"};
// After a merge in which libraries differed only by colours the incoming copy lacks.
// %1: the libraries' names.
inline constexpr BilingualText MergeOnlyLacking{
    "These libraries were kept as they are, but the incoming copy lacks some of their colors: %1",
    "以下色卡库保持不变，但导入的数据缺少其中部分颜色：%1"};

// Files. %1: the file's full name.
inline constexpr BilingualText SavedFile{"Saved to %1", "已保存到 %1"};
// The colour name field is labelled 色卡编号 in Chinese.
inline constexpr BilingualText ColorNumberEmpty{"Color name can not be empty!",
                                                "色卡编号不能为空！"};
// Second paragraph of the delete-all question.
inline constexpr BilingualText BackupFirstNote{
    "A backup of the database is taken first; Restore backup brings it back.",
    "删除前会先备份数据库，可用“恢复备份”找回。"};
}  // namespace ChangeText
