// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

// Messages of the open exchange formats (CSV, CGATS.17, CxF3): reading,
// checking and writing files. Placeholders are filled in order with %1, %2, ...
namespace FormatText {

inline constexpr BilingualText CannotOpen{"Could not open the file %1!", "无法打开文件%1！"};
inline constexpr BilingualText CannotWrite{"Could not write the file %1!", "无法写入文件%1！"};
inline constexpr BilingualText TooLarge{"The file %1 is larger than %2 MB and is not imported!",
                                        "文件%1超过%2 MB，不予导入！"};
// %2 lines at most (%4 colours and the lines around them); reading stopped at line %3.
inline constexpr BilingualText TooManyLines{
    "The file %1 has more than %2 lines, more than %4 colors need: reading stopped at line %3 "
    "and nothing is imported!",
    "文件%1超过%2行，超出%4个颜色所需：读取在第%3行停止，不予导入！"};
inline constexpr BilingualText NotUtf8{"The file %1 is not UTF-8 text!", "文件%1不是UTF-8文本！"};
inline constexpr BilingualText UnknownType{
    "The type of the file %1 is not known: choose a .csv, .txt (CGATS.17), .cxf or .xls file!",
    "无法识别文件%1的类型：请选择.csv、.txt（CGATS.17）、.cxf或.xls文件！"};
inline constexpr BilingualText Malformed{"The file %1 is not a valid %2 file (line %3: %4)!",
                                         "文件%1不是有效的%2文件（第%3行：%4）！"};
inline constexpr BilingualText MalformedContent{"The file %1 is not a valid %2 file (%3)!",
                                                "文件%1不是有效的%2文件（%3）！"};
inline constexpr BilingualText CsvUnterminatedQuote{
    "The file %1 is not a valid CSV file: the quoted field that starts on line %2 is not closed!",
    "文件%1不是有效的CSV文件：第%2行开始的引号字段没有结束！"};
inline constexpr BilingualText CsvFieldCount{
    "The file %1 is not a valid CSV file: line %2 has %3 fields, the header has %4!",
    "文件%1不是有效的CSV文件：第%2行有%3个字段，表头有%4个！"};
inline constexpr BilingualText MissingLabFields{
    "The file %1 lacks the L*a*b* fields %2: every color needs L*, a* and b*!",
    "文件%1缺少L*a*b*字段%2：每个颜色都需要L*、a*和b*！"};
inline constexpr BilingualText MissingLabValues{
    "The color \"%1\" of the library \"%2\" has no L*a*b* values!",
    "色卡库“%2”中的颜色“%1”没有L*a*b*值！"};
inline constexpr BilingualText NotANumber{
    "The %1 value of the color \"%2\" in the library \"%3\" is \"%4\", which is not a number!",
    "色卡库“%3”中颜色“%2”的%1值“%4”不是数字！"};
inline constexpr BilingualText OutOfRange{
    "The %1 value of the color \"%2\" in the library \"%3\" is %4, outside %5 to %6!",
    "色卡库“%3”中颜色“%2”的%1值%4超出了%5至%6的范围！"};
inline constexpr BilingualText EmptyColorName{"Color %1 of the library \"%2\" has no name!",
                                              "色卡库“%2”中的第%1个颜色没有名称！"};
inline constexpr BilingualText EmptyLibraryName{"A library in the file %1 has no name!",
                                                "文件%1中有一个色卡库没有名称！"};
inline constexpr BilingualText LibraryNameTooLong{
    "The library name \"%1\" is %2 bytes long; the meter holds at most %3 bytes (a Chinese "
    "character takes 3)!",
    "色卡库名称“%1”长%2字节，仪器最多容纳%3字节（一个汉字占3字节）！"};
inline constexpr BilingualText DescriptionTooLong{
    "The description \"%1\" of the library \"%2\" is %3 bytes long; the meter holds at most %4 "
    "bytes (a Chinese character takes 3)!",
    "色卡库“%2”的描述“%1”长%3字节，仪器最多容纳%4字节（一个汉字占3字节）！"};
inline constexpr BilingualText ColorNameTooLong{
    "The color name \"%1\" in the library \"%2\" is %3 bytes long; the meter holds at most %4 "
    "bytes (a Chinese character takes 3)!",
    "色卡库“%2”中的颜色名称“%1”长%3字节，仪器最多容纳%4字节（一个汉字占3字节）！"};
inline constexpr BilingualText TooManyLibraries{
    "The file holds %1 color card libraries; at most %2 can be kept!",
    "文件包含%1本色卡库，最多只能保存%2本！"};
inline constexpr BilingualText TooManyColors{"The file holds %1 colors; at most %2 can be kept!",
                                             "文件包含%1条色卡数据，最多只能保存%2条！"};
inline constexpr BilingualText NoColors{"The file %1 holds no colors!", "文件%1中没有色卡数据！"};
inline constexpr BilingualText UnsafeName{
    "Row %1 of the file %2 holds a name or description with a control character or a text "
    "direction mark, which cannot be kept!",
    "文件%2第%1行的名称或描述含有控制字符或文字方向标记，无法保存！"};
inline constexpr BilingualText Unwritable{
    "The name \"%1\" cannot be written as %2 text: double quotes, line breaks and control "
    "characters are not allowed there!",
    "名称“%1”无法写成%2文本：其中不允许双引号、换行和控制字符！"};

// File dialog filters of the open formats, beside the exchange workbook's "Excel (*.xls)".
inline constexpr BilingualText CsvFilter{"CSV table (*.csv)", "CSV表格 (*.csv)"};
inline constexpr BilingualText CgatsFilter{"CGATS.17 text (*.txt *.cgats *.it8)",
                                           "CGATS.17文本 (*.txt *.cgats *.it8)"};
inline constexpr BilingualText CxfFilter{"CxF3 color exchange (*.cxf)", "CxF3颜色交换文件 (*.cxf)"};

}  // namespace FormatText
