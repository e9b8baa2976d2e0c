#pragma once

#include "BilingualText.h"

// Texts of colour quality control: comparing a sample with its standard.
namespace QcText {

// How a sample differs from its standard, one word per axis.
inline constexpr BilingualText Lighter{"lighter", "偏亮"};
inline constexpr BilingualText Darker{"darker", "偏暗"};
inline constexpr BilingualText Redder{"redder", "偏红"};
inline constexpr BilingualText Greener{"greener", "偏绿"};
inline constexpr BilingualText Yellower{"yellower", "偏黄"};
inline constexpr BilingualText Bluer{"bluer", "偏蓝"};
inline constexpr BilingualText MoreSaturated{"more saturated", "饱和度偏高"};
inline constexpr BilingualText LessSaturated{"less saturated", "饱和度偏低"};

// Formula names; CMC and ΔE00 append their parameters.
inline constexpr BilingualText FormulaCie76{"ΔE*ab (1976)", "ΔE*ab (1976)"};
inline constexpr BilingualText FormulaCie94{"ΔE94 (graphic arts)", "ΔE94（印刷）"};
inline constexpr BilingualText FormulaCie94Textiles{"ΔE94 (textiles)", "ΔE94（纺织）"};
inline constexpr BilingualText FormulaCmc{"ΔE CMC", "ΔE CMC"};
inline constexpr BilingualText FormulaCiede2000{"ΔE00", "ΔE00"};

inline constexpr BilingualText Pass{"PASS", "合格"};
inline constexpr BilingualText Fail{"FAIL", "不合格"};

}  // namespace QcText
