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
