// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

// Texts of the whiteness, tint and yellowness indices and of 555 shade sorting.
namespace IndexText {

inline constexpr BilingualText NoIndex{"No index", "不显示指数"};
inline constexpr BilingualText CieWhiteness{"CIE whiteness W", "CIE 白度 W"};
inline constexpr BilingualText CieTint{"CIE tint T", "CIE 淡色调指数 T"};
inline constexpr BilingualText E313Yellowness{"ASTM E313 yellowness YI", "ASTM E313 黄度指数 YI"};
inline constexpr BilingualText D1925Yellowness{"ASTM D1925 yellowness YI (withdrawn)",
                                               "ASTM D1925 黄度指数 YI（已废止）"};

// Beside a value outside the formula's range of validity.
inline constexpr BilingualText OutOfRange{"outside the formula's range", "超出公式适用范围"};
// In place of a value. %1: the measuring conditions ("D65/10°").
inline constexpr BilingualText NoWhitePoint{"no white point known for %1", "未知 %1 的白点"};
inline constexpr BilingualText NotForConditions{"not defined for %1", "不适用于 %1"};
inline constexpr BilingualText Undefined{"not defined for this colour", "不适用于该颜色"};

// The quality page: the index and the shade steps of the chosen library.
inline constexpr BilingualText IndexLabel{"Index:", "指数："};
// %1: the measuring conditions.
inline constexpr BilingualText IndexConditions{"under %1", "条件 %1"};
inline constexpr BilingualText ShadeStepsLabel{"555 steps:", "555 分档步长："};
// A shade step of 0 follows the tolerance.
inline constexpr BilingualText StepIsLimit{"limit", "同容差"};
inline constexpr BilingualText IndexColumn{"Index", "指数"};
inline constexpr BilingualText IndexSaveFailed{"Could not save the library's index settings: %1",
                                               "保存色卡库的指数设置失败：%1"};
inline constexpr BilingualText IndexReadFailed{"Could not read the library's index settings: %1",
                                               "读取色卡库的指数设置失败：%1"};

// The command line.
inline constexpr BilingualText IndexSummary{
    "Whiteness, tint or yellowness index of an L*a*b* colour.",
    "计算 L*a*b* 颜色的白度、淡色调或黄度指数。"};
inline constexpr BilingualText IndexOption{
    "The index: cie-whiteness, cie-tint, e313-yellowness or d1925-yellowness.",
    "指数：cie-whiteness、cie-tint、e313-yellowness 或 d1925-yellowness。"};
inline constexpr BilingualText ConditionsOption{
    "Illuminant/observer of the L*a*b*, such as D65/10 (default: the settings, D65/10).",
    "L*a*b* 的光源/观察者，如 D65/10（默认：设置中的条件，D65/10）。"};
inline constexpr BilingualText JsonValueOption{"Prints the result as JSON.", "以 JSON 输出结果。"};
inline constexpr BilingualText NoIndexChosen{
    "--index is required (cie-whiteness, cie-tint, e313-yellowness or d1925-yellowness)",
    "必须指定 --index（cie-whiteness、cie-tint、e313-yellowness 或 d1925-yellowness）"};
inline constexpr BilingualText UnknownIndex{
    "unknown index %1 (cie-whiteness, cie-tint, e313-yellowness or d1925-yellowness)",
    "未知指数 %1（cie-whiteness、cie-tint、e313-yellowness 或 d1925-yellowness）"};
inline constexpr BilingualText BadConditions{
    "--conditions must be ILLUMINANT/OBSERVER such as D65/10 or C/2, not %1",
    "--conditions 必须为“光源/观察者”，如 D65/10 或 C/2，而不是 %1"};

inline constexpr BilingualText ShadeSortSummary{
    "555 shade codes and groups of the samples compared with a standard.",
    "与某标准色比较过的样品的 555 色差代码及分组。"};
inline constexpr BilingualText StandardOption{
    "The standard: LIBRARY/COLOUR, each an identifier or a name.",
    "标准色：色卡库/颜色，均可为 ID 或名称。"};
inline constexpr BilingualText NoStandardChosen{"--standard LIBRARY/COLOUR is required",
                                                "必须指定 --standard 色卡库/颜色"};
// %1: what was given.
inline constexpr BilingualText NoStandard{"no standard %1 (LIBRARY/COLOUR)",
                                          "没有标准色 %1（色卡库/颜色）"};
// %1: the colour name, %2: how many.
inline constexpr BilingualText AmbiguousColour{"%2 colours are named %1; give the identifier",
                                               "有 %2 个颜色名为 %1；请使用 ID"};

}  // namespace IndexText
