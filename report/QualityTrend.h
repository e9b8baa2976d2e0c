// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QVector>

#include "report/ControlChart.h"
#include "store/QualityStore.h"

namespace colorcard {

// The control chart of one axis of a standard's comparisons.
struct AxisTrend {
    QString name;  // "ΔL*", "Δa*", "Δb*", "ΔE"
    QVector<double> values;
    std::optional<double> lowerLimit;
    std::optional<double> upperLimit;
    ControlChart chart;
};

// ΔL*, Δa*, Δb* and ΔE of the entries (oldest first) against the
// standard. ΔE is computed again by the tolerance given (the one in force),
// so one formula judges the whole series. The tolerance limits per axis
// are where the formula reaches its limit along that axis alone (at the
// standard's L* for a* and b*); ΔE has its limit as the upper one only.
QVector<AxisTrend> qualityTrend(const QVector<QualityStore::HistoryEntry>& oldestFirst,
                                const Lab& standard, const Tolerance& tolerance);

// Of a lot, whose samples may have standards of their own: each entry's
// differences are taken from its own standard, ΔE by the model's formula;
// the tolerance limits are those at the last entry's standard, and the
// model's ΔL* limits where it sets them.
QVector<AxisTrend> lotTrend(const QVector<QualityStore::HistoryEntry>& oldestFirst,
                            const ToleranceModel& model);

// A standard comparisons were judged against.
struct TrendStandard {
    QString libraryId;
    QString colourId;
    QString libraryName;
    QString colourName;
    int count = 0;  // its comparisons
    bool sameAs(const QualityStore::HistoryEntry& entry) const {
        return entry.libraryId == libraryId && entry.colourId == colourId;
    }
    bool operator==(const TrendStandard& other) const {
        return libraryId == other.libraryId && colourId == other.colourId;
    }
};

// The standards of the entries in the order they were first used.
QVector<TrendStandard> trendStandards(const QVector<QualityStore::HistoryEntry>& oldestFirst);
// The entries judged against the standard; all of them when it names none.
QVector<QualityStore::HistoryEntry> entriesOf(
    const QVector<QualityStore::HistoryEntry>& oldestFirst, const TrendStandard& standard);

}  // namespace colorcard
