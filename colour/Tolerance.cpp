// SPDX-License-Identifier: MIT
#include "colour/Tolerance.h"

#include <cmath>

Comparison compare(const Lab& standard, const Lab& sample, const Tolerance& tolerance) {
    Comparison result;
    result.standard = standard;
    result.sample = sample;
    result.tolerance = tolerance;
    result.differences = labDifferences(standard, sample);
    result.deltaE = deltaE(standard, sample, tolerance.method);
    result.pass = tolerance.passes(result.deltaE);
    result.directions = directions(result.differences);
    return result;
}

AveragedReading averageReadings(const QVector<Lab>& readings) {
    AveragedReading result;
    result.count = readings.size();
    if (readings.isEmpty())
        return result;
    for (const Lab& r : readings) {
        result.mean.L += r.L;
        result.mean.a += r.a;
        result.mean.b += r.b;
    }
    const double n = readings.size();
    result.mean.L /= n;
    result.mean.a /= n;
    result.mean.b /= n;
    if (readings.size() < 2)
        return result;
    Lab sum;
    for (const Lab& r : readings) {
        sum.L += (r.L - result.mean.L) * (r.L - result.mean.L);
        sum.a += (r.a - result.mean.a) * (r.a - result.mean.a);
        sum.b += (r.b - result.mean.b) * (r.b - result.mean.b);
    }
    result.deviation =
        Lab{std::sqrt(sum.L / (n - 1)), std::sqrt(sum.a / (n - 1)), std::sqrt(sum.b / (n - 1))};
    return result;
}
