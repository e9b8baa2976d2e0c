// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

// What the program tells a user about their input and about actions whose
// outcome would otherwise be silent.
namespace GuidanceText {
// Typing: a character the field does not take, and a field that is full.
// %1: the characters refused.
inline constexpr BilingualText CharacterRefused{
    "\"%1\" cannot be typed here: only letters a-z and A-Z, digits, -, _ and spaces are "
    "accepted.",
    "此处不能输入“%1”：只能输入英文字母、数字、中线、下划线和空格。"};
inline constexpr BilingualText CharactersRefused{
    "Only letters a-z and A-Z, digits, -, _ and spaces are accepted here.",
    "此处只能输入英文字母、数字、中线、下划线和空格。"};
// %1: the most characters the field holds.
inline constexpr BilingualText FieldFull{"At most %1 characters can be typed here.",
                                         "此处最多输入%1个字符。"};
// %1: the most characters, name and description together.
inline constexpr BilingualText CombinedTooLong{
    "Name and description together have more than %1 characters: shorten one of them.",
    "名称和描述合计超过%1个字符，请缩短其中一个。"};

// A merge in which every library was already stored or kept as it was.
inline constexpr BilingualText ExportChangedNothing{
    "Nothing was changed: every color card library of the meter is already in the database or "
    "was kept as it was.",
    "未做任何更改：仪器中的色卡库已全部存在于数据库中，或已按您的选择保留原样。"};
inline constexpr BilingualText ImportChangedNothing{
    "Nothing was changed: every color card library of the file is already in the database or "
    "was kept as it was.",
    "未做任何更改：文件中的色卡库已全部存在于数据库中，或已按您的选择保留原样。"};

// Colour actions that cannot be taken back. %1: the colour's name.
inline constexpr BilingualText ConfirmDeleteColour{
    "Delete the color \"%1\"? Its measured values will be lost.",
    "删除色卡“%1”？其测量数据将被删除，是否确认删除？"};
inline constexpr BilingualText ConfirmRemeasure{
    "Measure the color \"%1\" again? Its stored values will be replaced by the new measurement.",
    "重新测量色卡“%1”？其已保存的数值将被新的测量值替换，是否继续？"};

// The tooltip of the button that brings a backup back (the form's buttons
// have theirs in the form).
inline constexpr BilingualText RestoreBackupTip{
    "Replace the current data with a backup taken before an earlier change.\nThe current data "
    "is backed up first.",
    "用之前某次更改前保存的备份替换当前数据。\n当前数据会先备份。"};
}  // namespace GuidanceText
