// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QVector>
#include <optional>

#include "model/Quality.h"
#include "texts/BilingualText.h"

namespace colorcard {

// The formula's name as the page and the reports show it: "ΔE00",
// "ΔE CMC(2:1)", "ΔE94 (textiles)"…, the ΔE00 factors shown where they
// differ from 1:1:1.
QString formulaLabel(const DifferenceMethod& method, const Language& language);

// The difference of a sample from its reference. Every formula except ΔE76
// and ΔE00 weights by the reference, so the order matters.
double deltaE(const Lab& reference, const Lab& sample, const DifferenceMethod& method);
double deltaE76(const Lab& reference, const Lab& sample);
double deltaE94(const Lab& reference, const Lab& sample, bool textiles);
double deltaECmc(const Lab& reference, const Lab& sample, double l, double c);
double deltaE00(const Lab& reference, const Lab& sample, double kL = 1, double kC = 1,
                double kH = 1);

double chroma(const Lab& lab);
// Hue angle in degrees, 0 ≤ h < 360 (0 for a neutral colour).
double hueAngle(const Lab& lab);

LabDifferences labDifferences(const Lab& reference, const Lab& sample);

// Axes that differ by less than threshold get no word: such differences are
// within a meter's repeatability.
QVector<Direction> directions(const LabDifferences& differences, double threshold = 0.1);
BilingualText directionText(Direction direction);
// The words joined for display ("lighter, redder" / "偏亮、偏红").
QString describeDirections(const QVector<Direction>& directions, const Language& language);

}  // namespace colorcard
