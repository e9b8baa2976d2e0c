// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

// Texts of the command line program; errors are printed after "colorcard-cli: ".
namespace CliText {

inline constexpr BilingualText Description{
    "Reads the colour card libraries and computes colour differences.", "读取色卡库并计算色差。"};
inline constexpr BilingualText CommandsHeading{"Commands:", "命令："};
inline constexpr BilingualText CommandHelpHint{
    "Run \"colorcard-cli COMMAND --help\" for the options of a command. Exit status: 0 success, 1 "
    "failure, 2 wrong usage.",
    "运行 \"colorcard-cli 命令 --help\" 查看命令的选项。退出状态：0 成功，1 失败，2 用法错误。"};

inline constexpr BilingualText HelpOption{"Shows this help.", "显示本帮助。"};
inline constexpr BilingualText DatabaseOption{
    "The store to use (default: the program's own database.db).",
    "使用的数据库（默认：程序自己的 database.db）。"};
inline constexpr BilingualText JsonOption{"Prints the list as JSON.", "以 JSON 输出列表。"};
inline constexpr BilingualText FormulaOption{
    "Colour-difference formula: 76, 94 (graphic arts), 94t (textiles), cmc or 00 (default 00).",
    "色差公式：76、94（印刷）、94t（纺织）、cmc 或 00（默认 00）。"};
inline constexpr BilingualText LOption{"CMC lightness weight l (default 2).",
                                       "CMC 明度权重 l（默认 2）。"};
inline constexpr BilingualText COption{"CMC chroma weight c (default 1).",
                                       "CMC 彩度权重 c（默认 1）。"};
inline constexpr BilingualText KOptions{"CIEDE2000 factor (default 1).",
                                        "CIEDE2000 参数因子（默认 1）。"};
inline constexpr BilingualText CountOption{"How many standards to list (default 5).",
                                           "列出的标准色数量（默认 5）。"};

inline constexpr BilingualText LibrariesSummary{"List the libraries.", "列出色卡库。"};
inline constexpr BilingualText ColoursSummary{"List the colours of a library.",
                                              "列出色卡库中的颜色。"};
inline constexpr BilingualText ColoursLibraryArgument{"Identifier or name of the library.",
                                                      "色卡库的 ID 或名称。"};
inline constexpr BilingualText DeltaESummary{
    "Colour difference of a sample from its reference (reference first).",
    "样品相对标准色的色差（先写标准色）。"};
inline constexpr BilingualText DeltaEArguments{"L*a*b* of the reference, then of the sample.",
                                               "标准色的 L*a*b*，然后是样品的。"};
inline constexpr BilingualText NearestSummary{"The standards of all libraries nearest a colour.",
                                              "所有色卡库中与某颜色最接近的标准色。"};
inline constexpr BilingualText NearestArguments{"L*a*b* of the sample.", "样品的 L*a*b*。"};

inline constexpr BilingualText NoCommand{"no command given; see colorcard-cli --help",
                                         "未指定命令；请参阅 colorcard-cli --help"};
inline constexpr BilingualText UnknownCommand{"unknown command %1; see colorcard-cli --help",
                                              "未知命令 %1；请参阅 colorcard-cli --help"};
inline constexpr BilingualText ArgumentCount{"%1 expects %2; see colorcard-cli %1 --help",
                                             "%1 需要 %2；请参阅 colorcard-cli %1 --help"};
inline constexpr BilingualText NotANumber{"%1 is not a number", "%1 不是数字"};
inline constexpr BilingualText UnknownFormula{"unknown formula %1 (76, 94, 94t, cmc or 00)",
                                              "未知公式 %1（76、94、94t、cmc 或 00）"};
inline constexpr BilingualText BadParameter{"--%1 must be a positive number", "--%1 必须是正数"};
inline constexpr BilingualText ParameterNotForFormula{"--%1 does not apply to formula %2",
                                                      "--%1 不适用于公式 %2"};
inline constexpr BilingualText BadCount{"--count must be a whole number from 1 to 1000",
                                        "--count 必须是 1 到 1000 之间的整数"};
inline constexpr BilingualText NoDatabase{"no database at %1", "%1 处没有数据库"};
inline constexpr BilingualText StoreUnreadable{"cannot read the database %1: %2",
                                               "无法读取数据库 %1：%2"};
inline constexpr BilingualText NoLibrary{"no library %1", "没有色卡库 %1"};
inline constexpr BilingualText AmbiguousLibrary{"%2 libraries are named %1; give the identifier",
                                                "有 %2 个色卡库名为 %1；请使用 ID"};

}  // namespace CliText
