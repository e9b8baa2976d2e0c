// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

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
// Within the limit but over the warning level.
inline constexpr BilingualText Warn{"WARN", "警告"};

// Lots of samples measured together.
inline constexpr BilingualText LotReadFailed{"Cannot read the lots: %1", "无法读取批次：%1"};
inline constexpr BilingualText LotSaveFailed{"Cannot start the lot: %1", "无法新建批次：%1"};
inline constexpr BilingualText LotNameMissing{"Please enter a name for the lot.",
                                              "请输入批次名称。"};
inline constexpr BilingualText LotNameTaken{"A lot named %1 already exists.",
                                            "已有名为 %1 的批次。"};

// The tolerance beyond formula and limit.
inline constexpr BilingualText WarningLevelLabel{"Warn ΔE >", "警告 ΔE >"};
inline constexpr BilingualText WarningLevelDefault{"80 %", "80 %"};
inline constexpr BilingualText WarningLevelTip{
    "A sample within the limit but over this ΔE is judged WARN (80 % of the limit when not set)",
    "样品在容差内但 ΔE 超过此值时判为警告（未设置时为容差的 80 %）"};
inline constexpr BilingualText AxisLimitsLabel{"Axis limits:", "分量容差："};
inline constexpr BilingualText AxisNoLimit{"none", "无"};
inline constexpr BilingualText AxisLimitTip{
    "How far the sample may lie below (−) or above (+) the standard on this axis; over it fails",
    "样品在此分量上低于（−）或高于（+）标准色的允许范围；超出即不合格"};
inline constexpr BilingualText OwnTolerance{"Own tolerance for this standard", "此标准色单独容差"};

// Choosing or starting a lot on the page.
inline constexpr BilingualText LotLabel{"Lot:", "批次："};
inline constexpr BilingualText LotNamePlaceholder{"New lot name", "新批次名称"};
inline constexpr BilingualText LotOperatorPlaceholder{"Operator", "操作员"};
inline constexpr BilingualText LotNotePlaceholder{"Note", "备注"};
inline constexpr BilingualText StartLot{"Start lot", "新建批次"};
inline constexpr BilingualText LotNoneChosen{
    "Comparisons go to this lot; without one they go to the day's lot",
    "比较结果记入此批次；未选择时记入当天的批次"};

// Filtering the history on the page.
inline constexpr BilingualText FilterAllLots{"All lots", "全部批次"};
inline constexpr BilingualText FilterThisStandard{"This standard only", "仅当前标准色"};
inline constexpr BilingualText FilterDates{"Dates:", "日期："};
inline constexpr BilingualText HistoryLotColumn{"Lot", "批次"};

// The lot view beside the history.
inline constexpr BilingualText HistoryTab{"List", "列表"};
inline constexpr BilingualText LotViewTab{"Trend and shade groups", "趋势与色光分组"};
inline constexpr BilingualText SaveLotReport{"Save lot report…", "保存批次报告…"};
inline constexpr BilingualText SaveLotReportTip{"Choose one lot in the filter above first",
                                                "请先在上方筛选中选择一个批次"};
inline constexpr BilingualText ShadeGroupCount{"Samples", "样品数"};
inline constexpr BilingualText ShadeGroupSamples{"Comparison numbers", "比较编号"};

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
inline constexpr BilingualText ColumnDeltaL{"ΔL*", "ΔL*"};
inline constexpr BilingualText ColumnDeltaA{"Δa*", "Δa*"};
inline constexpr BilingualText ColumnDeltaB{"Δb*", "Δb*"};
inline constexpr BilingualText ColumnDeltaE{"ΔE", "ΔE"};
inline constexpr BilingualText ColumnFormula{"Formula", "公式"};
inline constexpr BilingualText ColumnLimit{"Limit", "容差"};
inline constexpr BilingualText ColumnResult{"Result", "结果"};

// A history entry recorded without its formula and limit.
inline constexpr BilingualText ToleranceUnknown{"unknown", "未知"};

// The history on the page: the tolerance each entry was judged by, and on
// request its verdict by the tolerance in force now (the recorded one kept).
inline constexpr BilingualText HistoryJudgedBy{"Judged by", "判定容差"};
inline constexpr BilingualText HistoryRejudge{"Re-judge by current tolerance",
                                              "按现行容差重新判定"};
inline constexpr BilingualText HistoryRejudged{"Now (current tolerance)", "按现行容差"};

// The tolerance editor: an edited tolerance judges at once; Save keeps it
// as the library's tolerance.
inline constexpr BilingualText ToleranceUnsaved{"In use, not saved", "已用于判定，尚未保存"};
inline constexpr BilingualText ToleranceSaved{"Saved", "已保存"};
// The result on show was judged again after the tolerance changed; the
// history keeps the verdict recorded at measuring.
inline constexpr BilingualText ResultRejudged{
    "Judged again by the tolerance shown; the history keeps the recorded verdict.",
    "已按当前显示的容差重新判定；历史记录保留原判定。"};

// The standard deviations of the last averaged measurement, below the
// readings count. %1: how many readings, %2..%4: L*, a*, b*.
inline constexpr BilingualText ReadingDeviation{"SD of %1 readings: L* %2  a* %3  b* %4",
                                                "%1 次读数的标准差：L* %2  a* %3  b* %4"};

// Averaged readings: asked before every reading after the first.
// %1: the reading about to be taken, %2: how many are averaged.
inline constexpr BilingualText NextReading{
    "Reading %1 of %2: measure the sample again with the meter, then choose Yes to read it (No "
    "stops without a result).",
    "第%1次读数（共%2次）：请用仪器再次测量样品，然后选择“是”读取（选择“否”将停止，不产生结果）。"};

// Comparing a sample with its standard.
inline constexpr BilingualText StandardGone{
    "The chosen standard is no longer in its library. Please choose a standard again.",
    "所选标准色已不在其色卡库中，请重新选择标准色。"};
// %1: what the store reported.
inline constexpr BilingualText ToleranceReadFailed{"Could not read the library's tolerance: %1",
                                                   "读取色卡库容差失败：%1"};
inline constexpr BilingualText ToleranceInvalid{
    "The tolerance limit and the formula's parameters must be positive numbers.",
    "容差和公式参数必须为正数。"};
inline constexpr BilingualText ToleranceSaveFailed{"Could not save the tolerance: %1",
                                                   "保存容差失败：%1"};
inline constexpr BilingualText HistoryWriteFailed{
    "The sample was compared, but the result could not be kept in the history: %1",
    "样品已比较，但结果无法保存到历史记录：%1"};
inline constexpr BilingualText HistoryReadFailed{"Could not read the history: %1",
                                                 "读取历史记录失败：%1"};

// Exporting the history.
inline constexpr BilingualText ExportCaption{"Export History", "导出历史记录"};
inline constexpr BilingualText ExportEmpty{"There are no results to export yet.",
                                           "暂无可导出的结果。"};
// %1: the file chosen.
inline constexpr BilingualText ExportReplace{"%1 already exists. Do you want to replace it?",
                                             "%1 已存在，是否替换？"};
inline constexpr BilingualText ExportFailed{"Could not export the history: %1",
                                            "导出历史记录失败：%1"};
// %1: how many results, %2: the file.
inline constexpr BilingualText Exported{"%1 results exported to %2.", "已导出%1条结果到 %2。"};

}  // namespace QcText
