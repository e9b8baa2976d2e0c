// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRectF>
#include <optional>

#include "colour/Tolerance.h"
#include "report/ToleranceContour.h"
#include "texts/Language.h"

class QPainter;

namespace colorcard {

// What the a*b* plot shows: the standard, the sample with the spread of its
// readings, and the tolerance as contours at the standard's L*.
struct AbPlotData {
    Lab standard;
    std::optional<Lab> sample;
    // Standard deviations of the averaged readings (the readings themselves
    // are not kept), drawn as bars around the sample.
    Lab deviation;
    int readings = 1;
    Tolerance tolerance;
    double warningShare = kDefaultWarningShare;
    // Swatch colours of the markers; grey when unknown.
    QColor standardColour = Qt::lightGray;
    QColor sampleColour = Qt::darkGray;
};

// Paints the plot into area: the a*b* plane with its axes, hue directions,
// the standard, the sample and the contours; beside it an L* bar with ΔL*
// and its limits; under it a Δa*/Δb* zoom around the standard keeping the
// tolerance in view. The same code paints a widget, a PDF page or a printer
// page; the painter's font sets the scale of the words.
void paintAbPlot(QPainter& painter, const QRectF& area, const AbPlotData& data,
                 const Language& language);

}  // namespace colorcard
