// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>
#include <functional>
#include <optional>

#include "colour/Tolerance.h"
#include "texts/Language.h"

class QIODevice;

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

// Tolerances per library and the history of compared samples, in tables of
// their own beside the libraries (QcTolerance, QcHistory), on a connection
// opened by someone else: the window's store or a StoreConnection. The
// tables are created on the first write, so reading never changes a store.
// Shows nothing: failures come back as results with error() set.
class QualityStore {
public:
    // The plain records live in the model; the old names stay usable.
    using HistoryEntry = colorcard::HistoryEntry;
    using PassRate = colorcard::PassRate;

    explicit QualityStore(const QString& connectionName);

    // The time stamps of new history entries come from here (tests fix it).
    void setClock(std::function<QDateTime()> clock);

    // The library's own tolerance, or the default (ΔE00 ≤ 1.0) when it has
    // none; nullopt when the store cannot be read.
    std::optional<Tolerance> tolerance(const QString& libraryId);
    bool setTolerance(const QString& libraryId, const Tolerance& tolerance);
    // Back to the default; also for a deleted library.
    bool removeTolerance(const QString& libraryId);

    // The model judging a standard: its own when it has one (colourId not
    // empty), else the library's: formula and limit from the library's
    // tolerance, warning level and axis limits beside it (QcToleranceModel).
    std::optional<ToleranceModel> toleranceModel(const QString& libraryId,
                                                 const QString& colourId = {});
    // Whether the standard has a model of its own; nullopt when unreadable.
    std::optional<bool> hasToleranceOverride(const QString& libraryId, const QString& colourId);
    // colourId empty: the library's model, its formula and limit kept as
    // setTolerance keeps them; else the standard's own.
    bool setToleranceModel(const QString& libraryId, const QString& colourId,
                           const ToleranceModel& model);
    // The standard is judged by its library's model again.
    bool removeToleranceOverride(const QString& libraryId, const QString& colourId);

    // Starts a lot, stamped now: lot.id and lot.created are set. Names are
    // unique (trimmed, not empty).
    bool addLot(Lot& lot);
    // Newest first.
    std::optional<QVector<Lot>> lots();
    // nullopt with error() empty when there is no lot of that name.
    std::optional<Lot> findLot(const QString& name);

    // Adds the entry, its time stamped now; entry.id and entry.time are set.
    // Its lot and its verdict (when WARN may differ from pass) are kept
    // beside it (QcHistoryLot, QcHistoryVerdict).
    bool addHistory(HistoryEntry& entry);
    std::optional<QVector<HistoryEntry>> history(const HistoryFilter& filter);
    // Newest first; at most limit entries (all when limit < 0), of one
    // library when libraryId is not empty.
    std::optional<QVector<HistoryEntry>> history(int limit = -1, const QString& libraryId = {});
    std::optional<PassRate> passRate(const QString& libraryId = {});
    bool clearHistory();

    // The whole history, oldest first, as CSV (RFC 4180: UTF-8 with a
    // byte-order mark for spreadsheet programs, CRLF, quoted where needed)
    // with a header row in the chosen language; ΔL*, Δa*, Δb* are sample
    // minus standard.
    bool writeHistoryCsv(QIODevice& out, const Language& language);
    // Into a file, replacing it only when everything was written.
    bool exportHistoryCsv(const QString& path, const Language& language);

    QString error() const { return error_; }

private:
    bool ensureTables();
    bool ensureTable(const QString& statement);
    bool tableExists(const QString& name);
    bool fail(const QString& what, const QString& detail);

    QString connection_;
    QString error_;
    std::function<QDateTime()> clock_;
};

}  // namespace colorcard
