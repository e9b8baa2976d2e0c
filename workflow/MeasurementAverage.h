// SPDX-License-Identifier: MIT
#pragma once

#include <QVector>

#include "protocol/MeterTypes.h"

namespace colorcard {

// One measurement from several readings of the same sample: each of the
// nineteen values is the mean of the readings, rounded to the meter's unit,
// except the hue angle, whose mean is taken on the circle (the mean of 359°
// and 1° is 0°, not 180°). The texts follow the mean values; readings and the
// standard deviations of L*, a*, b* are filled in. A single reading comes
// back as it is. No readings, or several of which one has not nineteen
// values, give an empty measurement.
MeasuredColour averageMeasurements(const QVector<MeasuredColour>& readings);

}  // namespace colorcard
