// SPDX-License-Identifier: MIT
#pragma once

#include <QVector>

#include "colour/ColourDifference.h"

Comparison compare(const Lab& standard, const Lab& sample, const Tolerance& tolerance);

// The mean of n readings of one sample with the standard deviation of each
// coordinate (the sample standard deviation, n − 1 in the denominator; 0 for
// a single reading).
struct AveragedReading {
    Lab mean;
    Lab deviation;
    int count = 0;
};

// The number of readings averaged for one sample.
inline constexpr int kMinReadings = 1;
inline constexpr int kMaxReadings = 10;

// No readings give count 0 and zeros.
AveragedReading averageReadings(const QVector<Lab>& readings);
