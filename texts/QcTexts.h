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

// Columns of the history's CSV export.
inline constexpr BilingualText ColumnTime{"Time", "时间"};
inline constexpr BilingualText ColumnMeter{"Meter number", "仪器编号"};
inline constexpr BilingualText ColumnLibrary{"Library", "色卡库"};
inline constexpr BilingualText ColumnStandard{"Standard", "标准色"};
inline constexpr BilingualText ColumnStandardL{"Standard L*", "标准 L*"};
inline constexpr BilingualText ColumnStandardA{"Standard a*", "标准 a*"};
inline constexpr BilingualText ColumnStandardB{"Standard b*", "标准 b*"};
inline constexpr BilingualText ColumnSampleL{"Sample L*", "样品 L*"};
inline constexpr BilingualText ColumnSampleA{"Sample a*", "样品 a*"};
inline constexpr BilingualText ColumnSampleB{"Sample b*", "样品 b*"};
inline constexpr BilingualText ColumnReadings{"Readings", "测量次数"};
inline constexpr BilingualText ColumnDeviationL{"SD L*", "L* 标准差"};
inline constexpr BilingualText ColumnDeviationA{"SD a*", "a* 标准差"};
inline constexpr BilingualText ColumnDeviationB{"SD b*", "b* 标准差"};
inline constexpr BilingualText ColumnDeltaE{"ΔE", "ΔE"};
inline constexpr BilingualText ColumnFormula{"Formula", "公式"};
inline constexpr BilingualText ColumnLimit{"Limit", "容差"};
inline constexpr BilingualText ColumnResult{"Result", "结果"};

}  // namespace QcText
