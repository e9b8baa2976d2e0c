// SPDX-License-Identifier: MIT
#pragma once

#include <QVector>

#include "ColourDifference.h"

// How far a sample may be from its standard: a formula with its parameters
// and a limit on its ΔE.
struct Tolerance {
    DifferenceMethod method;
    double limit = 1.0;

    // A sample passes when its ΔE is at most the limit.
    bool passes(double difference) const { return difference <= limit; }
    // A valid formula and a positive, finite limit.
    bool valid() const;
    bool operator==(const Tolerance& other) const {
        return method == other.method && limit == other.limit;
    }
    bool operator!=(const Tolerance& other) const { return !(*this == other); }
};

// A sample judged against its standard.
struct Comparison {
    Lab standard;
    Lab sample;
    Tolerance tolerance;
    LabDifferences differences;
    double deltaE = 0;  // by the tolerance's formula
    bool pass = false;
    QVector<Direction> directions;
};

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
