// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>
#include <functional>
#include <optional>

#include "colour/Tolerance.h"
#include "model/Quality.h"
#include "texts/Language.h"

namespace colorcard {

// Which comparisons a history read returns.
struct HistoryFilter {
    qint64 lotId = 0;   // 0: of every lot and of none
    QString libraryId;  // empty: of every library
    QString colourId;   // with libraryId: of one standard
    QDateTime from;     // invalid: from the first
    QDateTime to;       // invalid: to the last (inclusive)
    int limit = -1;     // newest first, at most this many; all when < 0
};

// Where the QC page keeps tolerances, lots and compared samples: the bench's
// file (QualityStore) or a lab's server, whose benches then share one
// history. Shows nothing: failures come back as results with error() set.
class QualityRecords {
public:
    virtual ~QualityRecords() = default;

    // The time stamps of new lots and history entries come from here.
    virtual void setClock(std::function<QDateTime()> clock) = 0;

    // The library's own tolerance, or the default (ΔE00 ≤ 1.0) when it has
    // none; nullopt when the store cannot be read.
    virtual std::optional<Tolerance> tolerance(const QString& libraryId) = 0;
    virtual bool setTolerance(const QString& libraryId, const Tolerance& tolerance) = 0;
    // The model judging a standard: its own when it has one (colourId not
    // empty), else the library's formula and limit with its warning level
    // and axis limits.
    virtual std::optional<ToleranceModel> toleranceModel(const QString& libraryId,
                                                         const QString& colourId = {}) = 0;
    // Whether the standard has a model of its own; nullopt when unreadable.
    virtual std::optional<bool> hasToleranceOverride(const QString& libraryId,
                                                     const QString& colourId) = 0;
    // colourId empty: the library's model; else the standard's own.
    virtual bool setToleranceModel(const QString& libraryId, const QString& colourId,
                                   const ToleranceModel& model) = 0;
    // The standard is judged by its library's model again.
    virtual bool removeToleranceOverride(const QString& libraryId, const QString& colourId) = 0;

    // Starts a lot, stamped now: lot.id and lot.created are set. Names are
    // unique (trimmed, not empty).
    virtual bool addLot(Lot& lot) = 0;
    // Newest first.
    virtual std::optional<QVector<Lot>> lots() = 0;
    // nullopt with error() empty when there is no lot of that name.
    std::optional<Lot> findLot(const QString& name);

    // Adds the entry with its lot and verdict, its time stamped now;
    // entry.id and entry.time are set.
    virtual bool addHistory(HistoryEntry& entry) = 0;
    virtual std::optional<QVector<HistoryEntry>> history(const HistoryFilter& filter) = 0;
    // Newest first; at most limit entries (all when limit < 0), of one
    // library when libraryId is not empty.
    std::optional<QVector<HistoryEntry>> history(int limit = -1, const QString& libraryId = {});
    virtual std::optional<PassRate> passRate(const QString& libraryId = {}) = 0;

    // The whole history, oldest first, as CSV (RFC 4180: UTF-8 with a
    // byte-order mark for spreadsheet programs, CRLF, quoted where needed)
    // with a header row in the chosen language; ΔL*, Δa*, Δb* are sample
    // minus standard.
    static QByteArray historyCsv(const QVector<HistoryEntry>& newestFirst,
                                 const Language& language);
    // Into a file, replacing it only when everything was written.
    bool exportHistoryCsv(const QString& path, const Language& language);

    virtual QString error() const = 0;

protected:
    // Records why the last call failed; always false.
    virtual bool fail(const QString& what, const QString& detail) = 0;
};

}  // namespace colorcard
