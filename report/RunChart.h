// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>
#include <QVector>

#include "report/QualityTrend.h"
#include "texts/Language.h"

class QPainter;

namespace colorcard {

// One axis in order of measurement: the values joined, the centre line, the
// control limits dashed, the tolerance limits in red, the points outside the
// control limits marked; above it the axis, its count and Cp/Cpk (or why
// there are none). The same code paints a widget, a PDF page and a printer.
void paintRunChart(QPainter& painter, const QRectF& area, const AxisTrend& axis,
                   const Language& language);
// ΔE, ΔL*, Δa*, Δb* (as qualityTrend gives them) in a two-by-two grid.
void paintTrendCharts(QPainter& painter, const QRectF& area, const QVector<AxisTrend>& axes,
                      const Language& language);
// Where the labels of levels at centres (y, down the page) go: in the same
// order, each at least spacing from the next and none below lowest; a label
// moves only when a neighbour is too close. Returned in the order given.
QVector<double> spreadLabels(const QVector<double>& centres, double spacing, double lowest);
// "Cp 1.33  Cpk 1.02", "Cp –  Cpk 0.95", or the count still needed.
QString capabilityText(const AxisTrend& axis, const Language& language);

}  // namespace colorcard
