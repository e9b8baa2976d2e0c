// SPDX-License-Identifier: MIT
#pragma once

#include <QVector>
#include <optional>

namespace colorcard {

// Individuals and moving-range (XmR) figures of one series of values in
// order of measurement. The process sigma is estimated from the mean moving
// range, MR̄ / d2 with d2 = 1.128 for ranges of two, as the control limits
// (centre ± 2.66 MR̄ = centre ± 3 sigma) assume.
struct ControlChart {
    int count = 0;
    double mean = 0;
    double standardDeviation = 0;  // the sample's own (n − 1), for the summary
    double meanMovingRange = 0;
    double sigma = 0;  // MR̄ / 1.128
    double lowerControlLimit = 0;
    double upperControlLimit = 0;
    // Indices of the values outside the control limits.
    QVector<int> outside;
    // Capability against the tolerance limits; only from kMinCapabilityCount
    // values on and with a sigma above zero. Cp needs both limits.
    std::optional<double> cp;
    std::optional<double> cpk;
};

inline constexpr int kMinCapabilityCount = 10;
inline constexpr double kMovingRangeD2 = 1.128;
inline constexpr double kMovingRangeLimitFactor = 2.66;

// lower / upper: the tolerance limits of the series; an absent one is not
// a limit (ΔE has only an upper one).
ControlChart controlChart(const QVector<double>& values, std::optional<double> lower,
                          std::optional<double> upper);

}  // namespace colorcard
