// SPDX-License-Identifier: MIT
#pragma once

#include <QVector>

#include "colour/ColourDifference.h"

namespace colorcard {

Comparison compare(const Lab& standard, const Lab& sample, const Tolerance& tolerance);
// FAIL when ΔE is over the limit or any axis over its own; else WARN when
// ΔE is over the warning level; else PASS. At a limit still passes.
Comparison compare(const Lab& standard, const Lab& sample, const ToleranceModel& model);
Verdict judge(const ToleranceModel& model, const LabDifferences& differences, double deltaE);
// "PASS", "WARN", "FAIL" in the language.
QString verdictWord(Verdict verdict, const Language& language);
// "pass", "warn", "fail": for files and scripts.
QString verdictCode(Verdict verdict);

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

}  // namespace colorcard
