// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>
#include <QVector>

#include "colour/ColourDifference.h"

namespace colorcard {

// The closed curve on the a*b* plane, at the standard's L*, where the
// formula's ΔE from the standard equals the limit: a circle for ΔE*ab, the
// formula's own (not elliptic) shape for the others. Points are absolute
// (a*, b*), counter-clockwise from the +a* direction, steps equal in angle
// around the standard.
QVector<QPointF> toleranceContour(const Lab& standard, const DifferenceMethod& method, double limit,
                                  int points = 180);

// The distance from the standard, along the a*b* direction at angle
// (radians), at which ΔE reaches the limit; ΔL* = 0.
double contourRadius(const Lab& standard, const DifferenceMethod& method, double limit,
                     double angle);

// The lightness steps (down, up; down ≤ 0 ≤ up) at which ΔE reaches the limit
// with a* and b* held: the ΔL* limits the formula implies.
struct AxisLimits {
    double lower = 0;
    double upper = 0;
};
AxisLimits lightnessLimits(const Lab& standard, const DifferenceMethod& method, double limit);

// The default warning level: this share of the limit.
inline constexpr double kDefaultWarningShare = 0.8;

}  // namespace colorcard
