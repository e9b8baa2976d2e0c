// SPDX-License-Identifier: MIT
#include "report/QualityTrend.h"

#include <cmath>
#include <iterator>

#include "report/ToleranceContour.h"

QVector<AxisTrend> qualityTrend(const QVector<QualityStore::HistoryEntry>& oldestFirst,
                                const Lab& standard, const Tolerance& tolerance) {
    AxisTrend axes[4];
    const char* const names[] = {"ΔL*", "Δa*", "Δb*", "ΔE"};
    for (int i = 0; i < 4; ++i)
        axes[i].name = QString::fromUtf8(names[i]);
    for (const auto& entry : oldestFirst) {
        const LabDifferences d = labDifferences(standard, entry.sample);
        axes[0].values.append(d.dL);
        axes[1].values.append(d.da);
        axes[2].values.append(d.db);
        axes[3].values.append(deltaE(standard, entry.sample, tolerance.method));
    }
    if (tolerance.valid()) {
        const AxisLimits lightness = lightnessLimits(standard, tolerance.method, tolerance.limit);
        axes[0].lowerLimit = lightness.lower;
        axes[0].upperLimit = lightness.upper;
        auto radius = [&](double angle) {
            return contourRadius(standard, tolerance.method, tolerance.limit, angle);
        };
        axes[1].lowerLimit = -radius(M_PI);
        axes[1].upperLimit = radius(0);
        axes[2].lowerLimit = -radius(1.5 * M_PI);
        axes[2].upperLimit = radius(0.5 * M_PI);
        axes[3].upperLimit = tolerance.limit;
    }
    for (AxisTrend& axis : axes)
        axis.chart = controlChart(axis.values, axis.lowerLimit, axis.upperLimit);
    return QVector<AxisTrend>(std::begin(axes), std::end(axes));
}
