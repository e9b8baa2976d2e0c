// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

// Saving to and importing from the exchange workbook.
namespace ExchangeText {
inline constexpr BilingualText SaveFileCaption{"Save File", "保存文件"};
inline constexpr BilingualText SelectFileCaption{"Select File", "选择文件"};
// %1: the name of a library without colours.
inline constexpr BilingualText ConfirmSaveEmpty{
    "The number of records in color card library %1 is 0. Do you want to continue saving?",
    "色卡库%1的记录数量为0，是否继续保存？"};
inline constexpr BilingualText CreateFileFailed{"Create color card file fail!",
                                                "创建色卡文件失败！"};
inline constexpr BilingualText Saving{"Saving Excel data, please wait",
                                      "正在保存Excel数据，请等待..."};
inline constexpr BilingualText OpenLibrarySheetFailed{"Open color card library file fail!",
                                                      "打开色卡库文件失败！"};
inline constexpr BilingualText SaveLibrarySheetFailed{"Save color card library file fail!",
                                                      "保存色卡库文件失败！"};
inline constexpr BilingualText OpenDataSheetFailed{"Open color card data file fail!",
                                                   "打开色卡数据文件失败！"};
inline constexpr BilingualText SaveDataSheetFailed{"Save color card data file fail!",
                                                   "保存色卡数据文件失败！"};
inline constexpr BilingualText Saved{"Save file success!", "保存文件成功！"};
inline constexpr BilingualText CouldNotOpen{"Could not open file!", "无法打开文件！"};
inline constexpr BilingualText ReadError{"Read Excel file error!", "读取Excel文件出错！"};
inline constexpr BilingualText UnsafeName{
    "Row %1 of worksheet %2 holds a name or description with a control character or a text "
    "direction mark, which cannot be kept!",
    "第%2个工作表第%1行的名称或描述含有控制字符或文字方向标记，无法保存！"};
// Titled "Error": the workbook has fewer worksheets than libraries.
inline constexpr BilingualText SheetMissing{"Read Excel file error!", "读取Excel文件出错!"};
inline constexpr BilingualText CheckError{"Data check crc error!", "数据校验错误!"};
inline constexpr BilingualText OtherMeter{"Import file error!", "导入文件出错!"};
inline constexpr BilingualText Importing{"Importing Excel data, please wait",
                                         "正在导入Excel数据，请等待..."};
inline constexpr BilingualText Imported{"Import file success!", "导入文件成功！"};
}  // namespace ExchangeText
