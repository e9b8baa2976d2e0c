// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>
#include <functional>
#include <optional>

#include "colour/Tolerance.h"
#include "store/QualityRecords.h"
#include "texts/Language.h"

class QIODevice;

namespace colorcard {

// Tolerances per library and the history of compared samples, in tables of
// their own beside the libraries (QcTolerance, QcHistory), on a connection
// opened by someone else: the window's store or a StoreConnection. The
// tables are created on the first write, so reading never changes a store.
// Shows nothing: failures come back as results with error() set.
class QualityStore : public QualityRecords {
public:
    // The plain records live in the model; the old names stay usable.
    using HistoryEntry = colorcard::HistoryEntry;
    using PassRate = colorcard::PassRate;

    explicit QualityStore(const QString& connectionName);

    // The time stamps of new history entries come from here (tests fix it).
    void setClock(std::function<QDateTime()> clock) override;

    // The library's own tolerance, or the default (ΔE00 ≤ 1.0) when it has
    // none; nullopt when the store cannot be read.
    std::optional<Tolerance> tolerance(const QString& libraryId) override;
    bool setTolerance(const QString& libraryId, const Tolerance& tolerance) override;
    // Back to the default; also for a deleted library.
    bool removeTolerance(const QString& libraryId);

    // The model judging a standard: its own when it has one (colourId not
    // empty), else the library's: formula and limit from the library's
    // tolerance, warning level and axis limits beside it (QcToleranceModel).
    std::optional<ToleranceModel> toleranceModel(const QString& libraryId,
                                                 const QString& colourId = {}) override;
    // Whether the standard has a model of its own; nullopt when unreadable.
    std::optional<bool> hasToleranceOverride(const QString& libraryId,
                                             const QString& colourId) override;
    // colourId empty: the library's model, its formula and limit kept as
    // setTolerance keeps them; else the standard's own.
    bool setToleranceModel(const QString& libraryId, const QString& colourId,
                           const ToleranceModel& model) override;
    // The standard is judged by its library's model again.
    bool removeToleranceOverride(const QString& libraryId, const QString& colourId) override;

    // Starts a lot, stamped now: lot.id and lot.created are set. Names are
    // unique (trimmed, not empty).
    bool addLot(Lot& lot) override;
    // Newest first.
    std::optional<QVector<Lot>> lots() override;

    // Adds the entry, its time stamped now; entry.id and entry.time are set.
    // Its lot and its verdict (when WARN may differ from pass) are kept
    // beside it (QcHistoryLot, QcHistoryVerdict).
    bool addHistory(HistoryEntry& entry) override;
    using QualityRecords::history;
    std::optional<QVector<HistoryEntry>> history(const HistoryFilter& filter) override;
    std::optional<PassRate> passRate(const QString& libraryId = {}) override;
    bool clearHistory();

    // The whole history, oldest first, as CSV (RFC 4180: UTF-8 with a
    // byte-order mark for spreadsheet programs, CRLF, quoted where needed)
    // with a header row in the chosen language; ΔL*, Δa*, Δb* are sample
    // minus standard.
    bool writeHistoryCsv(QIODevice& out, const Language& language);

    QString error() const override { return error_; }
    QString connectionName() const { return connection_; }

private:
    bool ensureTables();
    bool ensureTable(const QString& statement);
    bool tableExists(const QString& name);
    bool fail(const QString& what, const QString& detail) override;

    QString connection_;
    QString error_;
    std::function<QDateTime()> clock_;
};

}  // namespace colorcard
