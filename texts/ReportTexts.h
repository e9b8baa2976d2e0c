// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

// Texts of the quality plots, trends and reports.
namespace ReportText {

// The a*b* plot: hue directions at the ends of the axes.
inline constexpr BilingualText HueRed{"red", "红"};
inline constexpr BilingualText HueGreen{"green", "绿"};
inline constexpr BilingualText HueYellow{"yellow", "黄"};
inline constexpr BilingualText HueBlue{"blue", "蓝"};
inline constexpr BilingualText Sample{"Sample", "样品"};

// The command line.
inline constexpr BilingualText HistorySummary{"List the recorded comparisons (oldest first).",
                                              "列出已记录的比较（按时间先后）。"};
inline constexpr BilingualText TrendSummary{
    "Control limits and capability of a standard's comparisons.",
    "某标准色比较记录的控制限与过程能力。"};
inline constexpr BilingualText ReportSummary{"Write the PDF report of one comparison.",
                                             "输出一次比较的 PDF 报告。"};
inline constexpr BilingualText StandardOption{"Only comparisons with this standard.",
                                              "只列出与此标准色的比较。"};
inline constexpr BilingualText CsvOption{"Prints the list as CSV.", "以 CSV 输出列表。"};
inline constexpr BilingualText SampleOption{"The comparison's number (default: the last).",
                                            "比较的编号（默认：最后一次）。"};
inline constexpr BilingualText LanguageOption{"Language of the report: zh or en (default en).",
                                              "报告语言：zh 或 en（默认 en）。"};
inline constexpr BilingualText ReportArgument{"The PDF file to write.", "要写入的 PDF 文件。"};
inline constexpr BilingualText BadStandard{"--standard must be LIBRARY/COLOUR",
                                           "--standard 必须是 色卡库/颜色"};
inline constexpr BilingualText JsonOrCsv{"give --json or --csv, not both",
                                         "--json 与 --csv 只能选一个"};
inline constexpr BilingualText NoComparisons{"no comparisons recorded for %1", "%1 没有比较记录"};
inline constexpr BilingualText NoComparison{"no comparison %1", "没有比较 %1"};
inline constexpr BilingualText NoHistory{"no comparisons recorded", "没有比较记录"};
inline constexpr BilingualText BadLanguage{"--language must be zh or en",
                                           "--language 必须是 zh 或 en"};
inline constexpr BilingualText CannotWrite{"cannot write %1", "无法写入 %1"};

// Lots on the command line.
inline constexpr BilingualText LotsSummary{
    "List the lots with their counts of PASS, WARN and FAIL.",
    "列出批次及其合格、警告、不合格数。"};
inline constexpr BilingualText CompareSummary{
    "Judge L* a* b* against a standard and record the comparison in a lot.",
    "将 L* a* b* 与标准色比较并把结果记入批次。"};
inline constexpr BilingualText LotOption{"Only comparisons of this lot.", "只列出此批次的比较。"};
inline constexpr BilingualText CompareLotOption{"The lot to record in (started when new).",
                                                "记入的批次（不存在时新建）。"};
inline constexpr BilingualText CompareStandardOption{"The standard, LIBRARY/COLOUR.",
                                                     "标准色：色卡库/颜色。"};
inline constexpr BilingualText NoSuchLot{"no lot named %1", "没有名为 %1 的批次"};
inline constexpr BilingualText LotRequired{"--lot NAME is required", "必须给出 --lot 批次名"};
inline constexpr BilingualText StandardOrLotRequired{
    "give --standard LIBRARY/COLOUR or --lot NAME",
    "请给出 --standard 色卡库/颜色 或 --lot 批次名"};
inline constexpr BilingualText LotsColumns{
    "lot\tcreated\toperator\tcomparisons\tpass\twarn\tfail\tnote",
    "批次\t创建时间\t操作员\t比较次数\t合格\t警告\t不合格\t备注"};
inline constexpr BilingualText CompareRecorded{"comparison %1 in lot %2: %3, %4 %5",
                                               "比较 %1（批次 %2）：%3，%4 %5"};
inline constexpr BilingualText StandardWithoutLab{"%1 has no L*a*b* values", "%1 没有 L*a*b* 数值"};

// The report of a lot.
inline constexpr BilingualText LotReportTitle{"Lot report: %1", "批次报告：%1"};
inline constexpr BilingualText LotStarted{"Started: %1", "创建时间：%1"};
inline constexpr BilingualText LotOperator{"Operator: %1", "操作员：%1"};
inline constexpr BilingualText LotNote{"Note: %1", "备注：%1"};
inline constexpr BilingualText LotCounts{"%1 samples: PASS %2   WARN %3   FAIL %4",
                                         "%1 个样品：合格 %2   警告 %3   不合格 %4"};
inline constexpr BilingualText LotShadeGroups{"Shade groups (555)", "色光分组（555）"};
inline constexpr BilingualText LotShadeGroup{"%1: %2", "%1：%2 个"};
inline constexpr BilingualText LotColumnNumber{"No.", "编号"};

// The run charts.
inline constexpr BilingualText ChartCentre{"mean", "均值"};
inline constexpr BilingualText ChartUcl{"UCL", "上控制限"};
inline constexpr BilingualText ChartLcl{"LCL", "下控制限"};
inline constexpr BilingualText ChartLimit{"limit", "容差"};

// Trend figures.
inline constexpr BilingualText TrendHeading{"%1: %2 comparisons, judged by %3 ≤ %4",
                                            "%1：%2 次比较，按 %3 ≤ %4 判定"};
inline constexpr BilingualText TrendColumns{
    "axis\tmean\tsd\tLCL\tUCL\toutside\tlower limit\tupper limit\tCp\tCpk",
    "轴\t均值\t标准差\t下控制限\t上控制限\t超限\t下容差\t上容差\tCp\tCpk"};
inline constexpr BilingualText TrendSigma{
    "Control limits: mean ± 2.66 × mean moving range; sigma = mean moving range / 1.128.",
    "控制限：均值 ± 2.66 × 平均移动极差；σ = 平均移动极差 / 1.128。"};
inline constexpr BilingualText TooFewForCapability{
    "Cp and Cpk need at least %1 comparisons (%2 so far).",
    "Cp 与 Cpk 至少需要 %1 次比较（目前 %2 次）。"};

// The report of one comparison.
inline constexpr BilingualText ReportTitle{"Colour quality report", "颜色质量报告"};
inline constexpr BilingualText ReportTime{"Date and time: %1", "日期时间：%1"};
inline constexpr BilingualText ReportMeter{"Meter: %1", "仪器：%1"};
inline constexpr BilingualText ReportMeterUnknown{"Meter: not recorded", "仪器：未记录"};
inline constexpr BilingualText ReportStandard{"Standard: %1 / %2", "标准色：%1 / %2"};
inline constexpr BilingualText ReportVerdict{"Verdict: %1", "判定：%1"};
inline constexpr BilingualText JudgedAgainst{
    "Judged against: %1, limit %2, warning level %3, %4, readings averaged: %5",
    "判定依据：%1，容差 %2，警告级 %3，%4，平均测量次数：%5"};
inline constexpr BilingualText JudgedAgainstUnknown{
    "Judged against: not recorded, readings averaged: %1", "判定依据：未记录，平均测量次数：%1"};
inline constexpr BilingualText SaveReport{"Save report…", "保存报告…"};
inline constexpr BilingualText SaveReportTitle{"Save the report", "保存报告"};
inline constexpr BilingualText PdfFilter{"PDF files (*.pdf)", "PDF 文件 (*.pdf)"};
inline constexpr BilingualText NothingToReport{
    "Measure a sample against a standard first; the report is of that comparison.",
    "请先对照标准色测量样品；报告针对该次比较。"};
inline constexpr BilingualText ReportSaved{"The report was saved to %1.", "报告已保存到 %1。"};
inline constexpr BilingualText ReportFailed{"The report could not be written to %1.",
                                            "报告无法写入 %1。"};

}  // namespace ReportText
