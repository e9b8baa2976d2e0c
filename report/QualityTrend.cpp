// SPDX-License-Identifier: MIT
#include "report/QualityTrend.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "report/ToleranceContour.h"

namespace colorcard {

namespace {

// standardOf(entry): the standard that entry's differences are taken from.
template <typename StandardOf>
QVector<AxisTrend> trend(const QVector<QualityStore::HistoryEntry>& oldestFirst,
                         StandardOf standardOf, const Lab& standard, const Tolerance& tolerance,
                         const AxisBounds& lightnessBounds) {
    AxisTrend axes[4];
    const char* const names[] = {"ΔL*", "Δa*", "Δb*", "ΔE"};
    for (int i = 0; i < 4; ++i)
        axes[i].name = QString::fromUtf8(names[i]);
    for (const auto& entry : oldestFirst) {
        const Lab& own = standardOf(entry);
        const LabDifferences d = labDifferences(own, entry.sample);
        axes[0].values.append(d.dL);
        axes[1].values.append(d.da);
        axes[2].values.append(d.db);
        axes[3].values.append(deltaE(own, entry.sample, tolerance.method));
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
    if (lightnessBounds.below)
        axes[0].lowerLimit = -*lightnessBounds.below;
    if (lightnessBounds.above)
        axes[0].upperLimit = *lightnessBounds.above;
    for (AxisTrend& axis : axes)
        axis.chart = controlChart(axis.values, axis.lowerLimit, axis.upperLimit);
    return QVector<AxisTrend>(std::begin(axes), std::end(axes));
}

}  // namespace

QVector<AxisTrend> qualityTrend(const QVector<QualityStore::HistoryEntry>& oldestFirst,
                                const Lab& standard, const Tolerance& tolerance) {
    return trend(
        oldestFirst,
        [&standard](const QualityStore::HistoryEntry&) -> const Lab& { return standard; }, standard,
        tolerance, AxisBounds{});
}

QVector<AxisTrend> lotTrend(const QVector<QualityStore::HistoryEntry>& oldestFirst,
                            const ToleranceModel& model) {
    const Lab last = oldestFirst.isEmpty() ? Lab{50, 0, 0} : oldestFirst.constLast().standard;
    return trend(
        oldestFirst,
        [](const QualityStore::HistoryEntry& entry) -> const Lab& { return entry.standard; }, last,
        model.tolerance, model.lightness);
}

QVector<TrendStandard> trendStandards(const QVector<QualityStore::HistoryEntry>& oldestFirst) {
    QVector<TrendStandard> standards;
    for (const QualityStore::HistoryEntry& e : oldestFirst) {
        auto it = std::find_if(standards.begin(), standards.end(),
                               [&e](const TrendStandard& s) { return s.sameAs(e); });
        if (it == standards.end())
            standards << TrendStandard{e.libraryId, e.colourId, e.libraryName, e.colourName, 1};
        else
            ++it->count;
    }
    return standards;
}

QVector<QualityStore::HistoryEntry> entriesOf(
    const QVector<QualityStore::HistoryEntry>& oldestFirst, const TrendStandard& standard) {
    if (standard.libraryId.isEmpty() && standard.colourId.isEmpty())
        return oldestFirst;
    QVector<QualityStore::HistoryEntry> chosen;
    for (const QualityStore::HistoryEntry& e : oldestFirst)
        if (standard.sameAs(e))
            chosen << e;
    return chosen;
}

}  // namespace colorcard
