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

// Tolerances per library and the history of compared samples, in tables of
// their own beside the libraries (QcTolerance, QcHistory), on a connection
// opened by someone else: the window's store or a StoreConnection. The
// tables are created on the first write, so reading never changes a store.
// Shows nothing: failures come back as results with error() set.
class QualityStore {
public:
    // The plain records live in the model; the old names stay usable.
    using HistoryEntry = ::HistoryEntry;
    using PassRate = ::PassRate;

    explicit QualityStore(const QString& connectionName);

    // The time stamps of new history entries come from here (tests fix it).
    void setClock(std::function<QDateTime()> clock);

    // The library's own tolerance, or the default (ΔE00 ≤ 1.0) when it has
    // none; nullopt when the store cannot be read.
    std::optional<Tolerance> tolerance(const QString& libraryId);
    bool setTolerance(const QString& libraryId, const Tolerance& tolerance);
    // Back to the default; also for a deleted library.
    bool removeTolerance(const QString& libraryId);

    // Adds the entry, its time stamped now; entry.id and entry.time are set.
    bool addHistory(HistoryEntry& entry);
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
    bool tableExists(const QString& name);
    bool fail(const QString& what, const QString& detail);

    QString connection_;
    QString error_;
    std::function<QDateTime()> clock_;
};
