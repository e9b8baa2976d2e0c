// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

namespace colorcard {

// Texts of the quality plots, trends and reports.
namespace ReportText {

// The a*b* plot: hue directions at the ends of the axes.
inline constexpr BilingualText HueRed{"ReportText",
                                      QT_TRANSLATE_NOOP3("ReportText", "red", "HueRed")};
inline constexpr BilingualText HueGreen{"ReportText",
                                        QT_TRANSLATE_NOOP3("ReportText", "green", "HueGreen")};
inline constexpr BilingualText HueYellow{"ReportText",
                                         QT_TRANSLATE_NOOP3("ReportText", "yellow", "HueYellow")};
inline constexpr BilingualText HueBlue{"ReportText",
                                       QT_TRANSLATE_NOOP3("ReportText", "blue", "HueBlue")};
inline constexpr BilingualText Sample{"ReportText",
                                      QT_TRANSLATE_NOOP3("ReportText", "Sample", "Sample")};

// The command line.
inline constexpr BilingualText HistorySummary{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "List the recorded comparisons (oldest first).",
                                     "HistorySummary")};
inline constexpr BilingualText TrendSummary{
    "ReportText",
    QT_TRANSLATE_NOOP3("ReportText", "Control limits and capability of a standard's comparisons.",
                       "TrendSummary")};
inline constexpr BilingualText ReportSummary{
    "ReportText",
    QT_TRANSLATE_NOOP3("ReportText", "Write the PDF report of one comparison.", "ReportSummary")};
inline constexpr BilingualText StandardOption{
    "ReportText",
    QT_TRANSLATE_NOOP3("ReportText", "Only comparisons with this standard.", "StandardOption")};
inline constexpr BilingualText CsvOption{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "Prints the list as CSV.", "CsvOption")};
inline constexpr BilingualText SampleOption{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "The comparison's number (default: the last).",
                                     "SampleOption")};
inline constexpr BilingualText LanguageOption{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "Language of the report: zh or en (default en).",
                                     "LanguageOption")};
inline constexpr BilingualText ReportArgument{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "The PDF file to write.", "ReportArgument")};
inline constexpr BilingualText BadStandard{
    "ReportText",
    QT_TRANSLATE_NOOP3("ReportText", "--standard must be LIBRARY/COLOUR", "BadStandard")};
inline constexpr BilingualText JsonOrCsv{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "give --json or --csv, not both", "JsonOrCsv")};
inline constexpr BilingualText NoComparisons{
    "ReportText",
    QT_TRANSLATE_NOOP3("ReportText", "no comparisons recorded for %1", "NoComparisons")};
inline constexpr BilingualText NoComparison{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "no comparison %1", "NoComparison")};
inline constexpr BilingualText NoHistory{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "no comparisons recorded", "NoHistory")};
inline constexpr BilingualText BadLanguage{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "--language must be zh or en", "BadLanguage")};
inline constexpr BilingualText CannotWrite{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "cannot write %1", "CannotWrite")};

// Lots on the command line.
inline constexpr BilingualText LotsSummary{
    "ReportText",
    QT_TRANSLATE_NOOP3("ReportText", "List the lots with their counts of PASS, WARN and FAIL.",
                       "LotsSummary")};
inline constexpr BilingualText CompareSummary{
    "ReportText",
    QT_TRANSLATE_NOOP3("ReportText",
                       "Judge L* a* b* against a standard and record the comparison in a lot.",
                       "CompareSummary")};
inline constexpr BilingualText LotOption{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "Only comparisons of this lot.", "LotOption")};
inline constexpr BilingualText CompareLotOption{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "The lot to record in (started when new).",
                                     "CompareLotOption")};
inline constexpr BilingualText CompareStandardOption{
    "ReportText",
    QT_TRANSLATE_NOOP3("ReportText", "The standard, LIBRARY/COLOUR.", "CompareStandardOption")};
inline constexpr BilingualText NoSuchLot{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "no lot named %1", "NoSuchLot")};
inline constexpr BilingualText LotRequired{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "--lot NAME is required", "LotRequired")};
inline constexpr BilingualText StandardOrLotRequired{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "give --standard LIBRARY/COLOUR or --lot NAME",
                                     "StandardOrLotRequired")};
inline constexpr BilingualText LotsColumns{
    "ReportText",
    QT_TRANSLATE_NOOP3("ReportText", "lot\tcreated\toperator\tcomparisons\tpass\twarn\tfail\tnote",
                       "LotsColumns")};
inline constexpr BilingualText CompareRecorded{
    "ReportText",
    QT_TRANSLATE_NOOP3("ReportText", "comparison %1 in lot %2: %3, %4 %5", "CompareRecorded")};
inline constexpr BilingualText StandardWithoutLab{
    "ReportText",
    QT_TRANSLATE_NOOP3("ReportText", "%1 has no L*a*b* values", "StandardWithoutLab")};

// The report of a lot.
inline constexpr BilingualText LotReportTitle{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "Lot report: %1", "LotReportTitle")};
inline constexpr BilingualText LotStarted{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "Started: %1", "LotStarted")};
inline constexpr BilingualText LotOperator{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "Operator: %1", "LotOperator")};
inline constexpr BilingualText LotNote{"ReportText",
                                       QT_TRANSLATE_NOOP3("ReportText", "Note: %1", "LotNote")};
inline constexpr BilingualText LotCounts{
    "ReportText",
    QT_TRANSLATE_NOOP3("ReportText", "%1 samples: PASS %2   WARN %3   FAIL %4", "LotCounts")};
inline constexpr BilingualText LotShadeGroups{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "Shade groups (555)", "LotShadeGroups")};
inline constexpr BilingualText LotShadeGroup{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "%1: %2", "LotShadeGroup")};
inline constexpr BilingualText LotColumnNumber{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "No.", "LotColumnNumber")};

// The run charts.
inline constexpr BilingualText ChartCentre{"ReportText",
                                           QT_TRANSLATE_NOOP3("ReportText", "mean", "ChartCentre")};
inline constexpr BilingualText ChartUcl{"ReportText",
                                        QT_TRANSLATE_NOOP3("ReportText", "UCL", "ChartUcl")};
inline constexpr BilingualText ChartLcl{"ReportText",
                                        QT_TRANSLATE_NOOP3("ReportText", "LCL", "ChartLcl")};
inline constexpr BilingualText ChartLimit{"ReportText",
                                          QT_TRANSLATE_NOOP3("ReportText", "limit", "ChartLimit")};

// Trend figures.
inline constexpr BilingualText TrendHeading{
    "ReportText",
    QT_TRANSLATE_NOOP3("ReportText", "%1: %2 comparisons, judged by %3 ≤ %4", "TrendHeading")};
inline constexpr BilingualText TrendColumns{
    "ReportText",
    QT_TRANSLATE_NOOP3("ReportText",
                       "axis\tmean\tsd\tLCL\tUCL\toutside\tlower limit\tupper limit\tCp\tCpk",
                       "TrendColumns")};
inline constexpr BilingualText TrendSigma{
    "ReportText",
    QT_TRANSLATE_NOOP3(
        "ReportText",
        "Control limits: mean ± 2.66 × mean moving range; sigma = mean moving range / 1.128.",
        "TrendSigma")};
inline constexpr BilingualText TooFewForCapability{
    "ReportText",
    QT_TRANSLATE_NOOP3("ReportText", "Cp and Cpk need at least %1 comparisons (%2 so far).",
                       "TooFewForCapability")};

// The report of one comparison.
inline constexpr BilingualText ReportTitle{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "Colour quality report", "ReportTitle")};
inline constexpr BilingualText ReportTime{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "Date and time: %1", "ReportTime")};
inline constexpr BilingualText ReportMeter{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "Meter: %1", "ReportMeter")};
inline constexpr BilingualText ReportMeterUnknown{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "Meter: not recorded", "ReportMeterUnknown")};
inline constexpr BilingualText ReportStandard{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "Standard: %1 / %2", "ReportStandard")};
inline constexpr BilingualText ReportVerdict{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "Verdict: %1", "ReportVerdict")};
inline constexpr BilingualText JudgedAgainst{
    "ReportText",
    QT_TRANSLATE_NOOP3("ReportText",
                       "Judged against: %1, limit %2, warning level %3, %4, readings averaged: %5",
                       "JudgedAgainst")};
inline constexpr BilingualText JudgedAgainstUnknown{
    "ReportText",
    QT_TRANSLATE_NOOP3("ReportText", "Judged against: not recorded, readings averaged: %1",
                       "JudgedAgainstUnknown")};
inline constexpr BilingualText SaveReport{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "Save report…", "SaveReport")};
inline constexpr BilingualText SaveReportTitle{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "Save the report", "SaveReportTitle")};
inline constexpr BilingualText PdfFilter{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "PDF files (*.pdf)", "PdfFilter")};
inline constexpr BilingualText NothingToReport{
    "ReportText",
    QT_TRANSLATE_NOOP3(
        "ReportText",
        "Measure a sample against a standard first; the report is of that comparison.",
        "NothingToReport")};
inline constexpr BilingualText ReportSaved{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "The report was saved to %1.", "ReportSaved")};
inline constexpr BilingualText ReportFailed{
    "ReportText",
    QT_TRANSLATE_NOOP3("ReportText", "The report could not be written to %1.", "ReportFailed")};

inline constexpr BilingualText PrintReport{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "Print report…", "PrintReport")};
inline constexpr BilingualText PrintReportTitle{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "Print the report", "PrintReportTitle")};
inline constexpr BilingualText PrintFailed{
    "ReportText",
    QT_TRANSLATE_NOOP3("ReportText", "The report could not be printed.", "PrintFailed")};
inline constexpr BilingualText TrendOfStandard{
    "ReportText",
    QT_TRANSLATE_NOOP3("ReportText", "Trend of %1; the lot has %2 standards.", "TrendOfStandard")};
inline constexpr BilingualText TrendStandard{
    "ReportText", QT_TRANSLATE_NOOP3("ReportText", "Trend of:", "TrendStandard")};

}  // namespace ReportText

}  // namespace colorcard
