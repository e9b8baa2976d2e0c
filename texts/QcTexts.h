// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

namespace colorcard {

// Texts of colour quality control: comparing a sample with its standard.
namespace QcText {

// How a sample differs from its standard, one word per axis.
inline constexpr BilingualText Lighter{"QcText",
                                       QT_TRANSLATE_NOOP3("QcText", "lighter", "Lighter")};
inline constexpr BilingualText Darker{"QcText", QT_TRANSLATE_NOOP3("QcText", "darker", "Darker")};
inline constexpr BilingualText Redder{"QcText", QT_TRANSLATE_NOOP3("QcText", "redder", "Redder")};
inline constexpr BilingualText Greener{"QcText",
                                       QT_TRANSLATE_NOOP3("QcText", "greener", "Greener")};
inline constexpr BilingualText Yellower{"QcText",
                                        QT_TRANSLATE_NOOP3("QcText", "yellower", "Yellower")};
inline constexpr BilingualText Bluer{"QcText", QT_TRANSLATE_NOOP3("QcText", "bluer", "Bluer")};
inline constexpr BilingualText MoreSaturated{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "more saturated", "MoreSaturated")};
inline constexpr BilingualText LessSaturated{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "less saturated", "LessSaturated")};

// Formula names; CMC and ΔE00 append their parameters.
inline constexpr BilingualText FormulaCie76{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "ΔE*ab (1976)", "FormulaCie76")};
inline constexpr BilingualText FormulaCie94{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "ΔE94 (graphic arts)", "FormulaCie94")};
inline constexpr BilingualText FormulaCie94Textiles{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "ΔE94 (textiles)", "FormulaCie94Textiles")};
inline constexpr BilingualText FormulaCmc{"QcText",
                                          QT_TRANSLATE_NOOP3("QcText", "ΔE CMC", "FormulaCmc")};
inline constexpr BilingualText FormulaCiede2000{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "ΔE00", "FormulaCiede2000")};

inline constexpr BilingualText Pass{"QcText", QT_TRANSLATE_NOOP3("QcText", "PASS", "Pass")};
inline constexpr BilingualText Fail{"QcText", QT_TRANSLATE_NOOP3("QcText", "FAIL", "Fail")};
// Within the limit but over the warning level.
inline constexpr BilingualText Warn{"QcText", QT_TRANSLATE_NOOP3("QcText", "WARN", "Warn")};

// Lots of samples measured together.
inline constexpr BilingualText LotReadFailed{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Cannot read the lots: %1", "LotReadFailed")};
inline constexpr BilingualText LotSaveFailed{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Cannot start the lot: %1", "LotSaveFailed")};
inline constexpr BilingualText LotNameMissing{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Please enter a name for the lot.", "LotNameMissing")};
inline constexpr BilingualText LotNameTaken{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "A lot named %1 already exists.", "LotNameTaken")};

// The tolerance beyond formula and limit.
inline constexpr BilingualText WarningLevelLabel{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Warn ΔE >", "WarningLevelLabel")};
inline constexpr BilingualText WarningLevelDefault{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "80 %", "WarningLevelDefault")};
inline constexpr BilingualText WarningLevelTip{
    "QcText", QT_TRANSLATE_NOOP3("QcText",
                                 "A sample within the limit but over this ΔE is judged WARN (80 % "
                                 "of the limit when not set)",
                                 "WarningLevelTip")};
inline constexpr BilingualText AxisLimitsLabel{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Axis limits:", "AxisLimitsLabel")};
inline constexpr BilingualText AxisNoLimit{"QcText",
                                           QT_TRANSLATE_NOOP3("QcText", "none", "AxisNoLimit")};
inline constexpr BilingualText AxisLimitTip{
    "QcText", QT_TRANSLATE_NOOP3("QcText",
                                 "How far the sample may lie below (−) or above (+) the standard "
                                 "on this axis; over it fails",
                                 "AxisLimitTip")};
inline constexpr BilingualText OwnTolerance{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Own tolerance for this standard", "OwnTolerance")};

// Choosing or starting a lot on the page.
inline constexpr BilingualText LotLabel{"QcText", QT_TRANSLATE_NOOP3("QcText", "Lot:", "LotLabel")};
inline constexpr BilingualText LotNamePlaceholder{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "New lot name", "LotNamePlaceholder")};
inline constexpr BilingualText LotOperatorPlaceholder{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Operator", "LotOperatorPlaceholder")};
inline constexpr BilingualText LotNotePlaceholder{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Note", "LotNotePlaceholder")};
inline constexpr BilingualText StartLot{"QcText",
                                        QT_TRANSLATE_NOOP3("QcText", "Start lot", "StartLot")};
inline constexpr BilingualText LotNoneChosen{
    "QcText",
    QT_TRANSLATE_NOOP3("QcText", "Comparisons go to this lot; without one they go to the day's lot",
                       "LotNoneChosen")};

// Filtering the history on the page.
inline constexpr BilingualText FilterAllLots{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "All lots", "FilterAllLots")};
inline constexpr BilingualText FilterThisStandard{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "This standard only", "FilterThisStandard")};
inline constexpr BilingualText FilterDates{"QcText",
                                           QT_TRANSLATE_NOOP3("QcText", "Dates:", "FilterDates")};
inline constexpr BilingualText HistoryLotColumn{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Lot", "HistoryLotColumn")};

// The lot view beside the history.
inline constexpr BilingualText HistoryTab{"QcText",
                                          QT_TRANSLATE_NOOP3("QcText", "List", "HistoryTab")};
inline constexpr BilingualText LotViewTab{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Trend and shade groups", "LotViewTab")};
inline constexpr BilingualText SaveLotReport{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Save lot report…", "SaveLotReport")};
inline constexpr BilingualText SaveLotReportTip{
    "QcText",
    QT_TRANSLATE_NOOP3("QcText", "Choose one lot in the filter above first", "SaveLotReportTip")};
inline constexpr BilingualText ShadeGroupCount{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Samples", "ShadeGroupCount")};
inline constexpr BilingualText ShadeGroupSamples{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Comparison numbers", "ShadeGroupSamples")};

// Columns of the history's CSV export.
inline constexpr BilingualText ColumnTime{"QcText",
                                          QT_TRANSLATE_NOOP3("QcText", "Time", "ColumnTime")};
inline constexpr BilingualText ColumnMeter{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Meter number", "ColumnMeter")};
inline constexpr BilingualText ColumnLibrary{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Library", "ColumnLibrary")};
inline constexpr BilingualText ColumnStandard{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Standard", "ColumnStandard")};
inline constexpr BilingualText ColumnStandardL{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Standard L*", "ColumnStandardL")};
inline constexpr BilingualText ColumnStandardA{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Standard a*", "ColumnStandardA")};
inline constexpr BilingualText ColumnStandardB{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Standard b*", "ColumnStandardB")};
inline constexpr BilingualText ColumnSampleL{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Sample L*", "ColumnSampleL")};
inline constexpr BilingualText ColumnSampleA{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Sample a*", "ColumnSampleA")};
inline constexpr BilingualText ColumnSampleB{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Sample b*", "ColumnSampleB")};
inline constexpr BilingualText ColumnReadings{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Readings", "ColumnReadings")};
inline constexpr BilingualText ColumnDeviationL{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "SD L*", "ColumnDeviationL")};
inline constexpr BilingualText ColumnDeviationA{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "SD a*", "ColumnDeviationA")};
inline constexpr BilingualText ColumnDeviationB{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "SD b*", "ColumnDeviationB")};
inline constexpr BilingualText ColumnDeltaL{"QcText",
                                            QT_TRANSLATE_NOOP3("QcText", "ΔL*", "ColumnDeltaL")};
inline constexpr BilingualText ColumnDeltaA{"QcText",
                                            QT_TRANSLATE_NOOP3("QcText", "Δa*", "ColumnDeltaA")};
inline constexpr BilingualText ColumnDeltaB{"QcText",
                                            QT_TRANSLATE_NOOP3("QcText", "Δb*", "ColumnDeltaB")};
inline constexpr BilingualText ColumnDeltaE{"QcText",
                                            QT_TRANSLATE_NOOP3("QcText", "ΔE", "ColumnDeltaE")};
inline constexpr BilingualText ColumnFormula{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Formula", "ColumnFormula")};
inline constexpr BilingualText ColumnLimit{"QcText",
                                           QT_TRANSLATE_NOOP3("QcText", "Limit", "ColumnLimit")};
inline constexpr BilingualText ColumnResult{"QcText",
                                            QT_TRANSLATE_NOOP3("QcText", "Result", "ColumnResult")};

// A history entry recorded without its formula and limit.
inline constexpr BilingualText ToleranceUnknown{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "unknown", "ToleranceUnknown")};

// The history on the page: the tolerance each entry was judged by, and on
// request its verdict by the tolerance in force now (the recorded one kept).
inline constexpr BilingualText HistoryJudgedBy{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Judged by", "HistoryJudgedBy")};
inline constexpr BilingualText HistoryRejudge{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Re-judge by current tolerance", "HistoryRejudge")};
inline constexpr BilingualText HistoryRejudged{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Now (current tolerance)", "HistoryRejudged")};

// The tolerance editor: an edited tolerance judges at once; Save keeps it
// as the library's tolerance.
inline constexpr BilingualText ToleranceUnsaved{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "In use, not saved", "ToleranceUnsaved")};
inline constexpr BilingualText ToleranceSaved{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Saved", "ToleranceSaved")};
// The result on show was judged again after the tolerance changed; the
// history keeps the verdict recorded at measuring.
inline constexpr BilingualText ResultRejudged{
    "QcText",
    QT_TRANSLATE_NOOP3(
        "QcText", "Judged again by the tolerance shown; the history keeps the recorded verdict.",
        "ResultRejudged")};

// The standard deviations of the last averaged measurement, below the
// readings count. %1: how many readings, %2..%4: L*, a*, b*.
inline constexpr BilingualText ReadingDeviation{
    "QcText",
    QT_TRANSLATE_NOOP3("QcText", "SD of %1 readings: L* %2  a* %3  b* %4", "ReadingDeviation")};

// Averaged readings: asked before every reading after the first.
// %1: the reading about to be taken, %2: how many are averaged.
inline constexpr BilingualText NextReading{
    "QcText", QT_TRANSLATE_NOOP3("QcText",
                                 "Reading %1 of %2: measure the sample again with the meter, then "
                                 "choose Yes to read it (No stops without a result).",
                                 "NextReading")};

// Comparing a sample with its standard.
inline constexpr BilingualText StandardGone{
    "QcText",
    QT_TRANSLATE_NOOP3(
        "QcText",
        "The chosen standard is no longer in its library. Please choose a standard again.",
        "StandardGone")};
// %1: what the store reported.
inline constexpr BilingualText ToleranceReadFailed{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Could not read the library's tolerance: %1",
                                 "ToleranceReadFailed")};
inline constexpr BilingualText ToleranceInvalid{
    "QcText",
    QT_TRANSLATE_NOOP3("QcText",
                       "The tolerance limit and the formula's parameters must be positive numbers.",
                       "ToleranceInvalid")};
inline constexpr BilingualText ToleranceSaveFailed{
    "QcText",
    QT_TRANSLATE_NOOP3("QcText", "Could not save the tolerance: %1", "ToleranceSaveFailed")};
inline constexpr BilingualText HistoryWriteFailed{
    "QcText",
    QT_TRANSLATE_NOOP3(
        "QcText", "The sample was compared, but the result could not be kept in the history: %1",
        "HistoryWriteFailed")};
inline constexpr BilingualText HistoryReadFailed{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Could not read the history: %1", "HistoryReadFailed")};

// Exporting the history.
inline constexpr BilingualText ExportCaption{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Export History", "ExportCaption")};
inline constexpr BilingualText ExportEmpty{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "There are no results to export yet.", "ExportEmpty")};
// %1: the file chosen.
inline constexpr BilingualText ExportReplace{
    "QcText",
    QT_TRANSLATE_NOOP3("QcText", "%1 already exists. Do you want to replace it?", "ExportReplace")};
inline constexpr BilingualText ExportFailed{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "Could not export the history: %1", "ExportFailed")};
// %1: how many results, %2: the file.
inline constexpr BilingualText Exported{
    "QcText", QT_TRANSLATE_NOOP3("QcText", "%1 results exported to %2.", "Exported")};

}  // namespace QcText

}  // namespace colorcard
