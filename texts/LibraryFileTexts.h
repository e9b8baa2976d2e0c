// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

// Saving libraries to and importing them from files of every type the Save
// and Import buttons and the command line offer (the exchange workbook keeps
// its own texts in ExchangeTexts.h). Placeholders are filled in order.
namespace LibraryFileText {

// %1 the selected library's name, %2 how many libraries there are.
inline constexpr BilingualText ExportSelectedOnly{
    "Export only the selected color card library \"%1\"? Choose No to export all %2 libraries.",
    "是否只导出选中的色卡库“%1”？选择“否”导出全部%2本色卡库。"};
inline constexpr BilingualText ReplaceFile{"The file %1 already exists. Do you want to replace it?",
                                           "文件%1已经存在，是否替换？"};
inline constexpr BilingualText Exporting{"Exporting color card data, please wait",
                                         "正在导出色卡数据，请等待..."};
inline constexpr BilingualText Importing{"Importing color card data, please wait",
                                         "正在导入色卡数据，请等待..."};
inline constexpr BilingualText NothingToExport{"There are no color data to export!",
                                               "没有可导出的色卡数据！"};
// %1 the most colours, %2 the colours stored, %3 the new colours the file brings.
inline constexpr BilingualText TooManyColors{
    "At most %1 color datas can be kept: %2 are stored and the file brings %3 new ones, nothing "
    "was imported!",
    "最多录%1条色卡数据：已经存在%2条，文件带来%3条新数据，没有导入任何数据！"};
// %1 the L*, a*, b* texts, %2 the colour, %3 its library. The range is
// LabRange's, the one every way into the store keeps to.
inline constexpr BilingualText LabOutOfRange{
    "The L*a*b* values %1 of the color \"%2\" in the library \"%3\" lie outside L* -10 to 150, "
    "a* and b* -200 to 200; nothing was imported!",
    "色卡库“%3”中颜色“%2”的L*a*b*值%1超出范围（L* -10至150，a*、b* "
    "-200至200），没有导入任何数据！"};
// A message composed elsewhere in the user's language (a file's refusal).
inline constexpr BilingualText Composed{"%1", "%1"};

// The command line's export and import; errors follow "colorcard-cli: ".
inline constexpr BilingualText ExportSummary{
    "Write libraries to a CSV, CGATS.17, CxF3 or exchange workbook (.xls) file.",
    "将色卡库写入CSV、CGATS.17、CxF3或Excel交换文件（.xls）。"};
inline constexpr BilingualText ImportSummary{
    "Read libraries from a CSV, CGATS.17, CxF3 or exchange workbook (.xls) file.",
    "从CSV、CGATS.17、CxF3或Excel交换文件（.xls）读入色卡库。"};
inline constexpr BilingualText ExportFileArgument{"The file to write.", "要写入的文件。"};
inline constexpr BilingualText ImportFileArgument{"The file to read.", "要读取的文件。"};
inline constexpr BilingualText FormatOption{
    "File format: csv, cgats, cxf or xls (default: from the file's suffix).",
    "文件格式：csv、cgats、cxf 或 xls（默认：按文件后缀）。"};
inline constexpr BilingualText LibraryOption{
    "Only this library (identifier or name); default every library.",
    "只导出此色卡库（ID 或名称）；默认导出全部色卡库。"};
inline constexpr BilingualText ReplaceOption{"Replace FILE when it exists.",
                                             "FILE 已存在时替换它。"};
inline constexpr BilingualText OverwriteOption{
    "Merge into the libraries that exist already (the window's \"overwrite\" answer).",
    "合并到已存在的色卡库（即窗口中回答“覆盖”）。"};
inline constexpr BilingualText SkipExistingOption{
    "Leave the libraries that exist already as they are.", "已存在的色卡库保持不变。"};
inline constexpr BilingualText MeterOption{
    "Meter number of the libraries (default: that of the stored libraries).",
    "色卡库所属的仪器编号（默认：已存色卡库的仪器编号）。"};
inline constexpr BilingualText MaxLibrariesOption{
    "The meter's library limit, 9 or 46 (default 9, or 46 when more than 9 are stored).",
    "仪器的色卡库上限，9 或 46（默认 9；已存超过 9 本时为 46）。"};
inline constexpr BilingualText IlluminantOption{
    "CxF3 illuminant of the L*a*b* values (default: the setting, D65).",
    "CxF3 中 L*a*b* 值的光源（默认：设置值，D65）。"};
inline constexpr BilingualText ObserverOption{
    "CxF3 observer, 2 or 10 degrees (default: the setting, 10).",
    "CxF3 观察者角度，2 或 10 度（默认：设置值，10）。"};
inline constexpr BilingualText BomOption{"CSV with a UTF-8 byte-order mark.",
                                         "CSV 带 UTF-8 字节顺序标记。"};
inline constexpr BilingualText NoBomOption{"CSV without a byte-order mark.",
                                           "CSV 不带字节顺序标记。"};

inline constexpr BilingualText UnknownFormat{"unknown format %1 (csv, cgats, cxf or xls)",
                                             "未知格式 %1（csv、cgats、cxf 或 xls）"};
inline constexpr BilingualText FormatNotKnown{
    "cannot tell the format of %1 from its suffix; give --format",
    "无法从后缀判断 %1 的格式；请使用 --format"};
inline constexpr BilingualText FileExists{"%1 exists; --overwrite replaces it",
                                          "%1 已存在；使用 --overwrite 替换"};
inline constexpr BilingualText LibrariesExist{
    "already in the store: %1; --overwrite merges into them, --skip-existing leaves them",
    "数据库中已有：%1；--overwrite 合并，--skip-existing 保持不变"};
inline constexpr BilingualText ExclusiveOptions{"--%1 and --%2 exclude each other",
                                                "--%1 与 --%2 不能同时使用"};
inline constexpr BilingualText OptionNotForFormat{"--%1 does not apply to format %2",
                                                  "--%1 不适用于格式 %2"};
inline constexpr BilingualText BadMaxLibraries{"--max-libraries must be 9 or 46",
                                               "--max-libraries 必须是 9 或 46"};
inline constexpr BilingualText BadIlluminant{"unknown illuminant %1 (%2)", "未知光源 %1（%2）"};
inline constexpr BilingualText BadObserver{"--observer must be 2 or 10",
                                           "--observer 必须是 2 或 10"};
inline constexpr BilingualText QuestionRefused{
    "%1 (not answered: give --overwrite or --skip-existing)",
    "%1（未回答：请使用 --overwrite 或 --skip-existing）"};

// What the command line's import and export did, on stdout.
inline constexpr BilingualText ImportJsonOption{"Prints what was imported as JSON.",
                                                "以 JSON 输出导入结果。"};
inline constexpr BilingualText LibrariesMerged{"libraries: %1 added, %2 replaced, %3 kept",
                                               "色卡库：新增 %1，替换 %2，保留 %3"};
inline constexpr BilingualText ColoursMerged{"colours: %1 added, %2 replaced, %3 kept",
                                             "颜色：新增 %1，替换 %2，保留 %3"};
inline constexpr BilingualText FileWritten{"wrote %1: %2 libraries, %3 colours",
                                           "已写入 %1：%2 个色卡库，%3 个颜色"};

}  // namespace LibraryFileText
