// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QPagedPaintDevice>
#include <QRectF>
#include <QString>

#include "report/AbPlot.h"
#include "store/QualityStore.h"

class QPainter;

namespace colorcard {

// The measuring condition the meter's L*a*b* are in; files declare the same
// by default.
inline constexpr const char* kMeasuringCondition = "D65/10°";

QColor labSwatch(const Lab& lab);
// The plot's data for a recorded comparison.
AbPlotData plotData(const QualityStore::HistoryEntry& entry);
// "PASS" / "FAIL" of the entry in the language.
QString verdictText(const QualityStore::HistoryEntry& entry, const Language& language);
// "Judged against: ΔE00, limit 1.00, warning level 0.80, D65/10°, readings averaged: 3".
QString judgedAgainstLine(const QualityStore::HistoryEntry& entry, const Language& language);

// One page: title, date and time, meter, standard and sample with their
// swatches and values, every Δ, the verdict, the judged-against line and
// the plot, painted into page (device units) with the painter as set up.
void paintComparisonReport(QPainter& painter, const QRectF& page,
                           const QualityStore::HistoryEntry& entry, const Language& language);
// The same page on a PDF writer or a printer the painter is begun on, in
// the report's font.
bool paintComparisonReport(QPagedPaintDevice& device, QPainter& painter,
                           const QualityStore::HistoryEntry& entry, const Language& language);
// The reports' typeface (it holds the Chinese texts) at this size.
QFont reportFont(double pointSize);
// An A4 PDF of that page; false when the file cannot be written.
bool writeComparisonReport(const QString& path, const QualityStore::HistoryEntry& entry,
                           const Language& language);

}  // namespace colorcard
