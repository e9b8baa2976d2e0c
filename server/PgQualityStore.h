// SPDX-License-Identifier: MIT
#pragma once

#include <QSqlDatabase>
#include <QVariantList>

#include "store/QualityRecords.h"

class QSqlQuery;

namespace colorcard {

// The QC records of a lab on its server (schema "colorcard", migrated): the
// libraries' tolerances and models, the lots and every bench's comparisons
// in one history, through an open connection the caller owns. The server's
// own refusal (a role without the right) comes back in error().
class PgQualityStore : public QualityRecords {
public:
    explicit PgQualityStore(const QSqlDatabase& database);

    void setClock(std::function<QDateTime()> clock) override;

    std::optional<Tolerance> tolerance(const QString& libraryId) override;
    bool setTolerance(const QString& libraryId, const Tolerance& tolerance) override;
    std::optional<ToleranceModel> toleranceModel(const QString& libraryId,
                                                 const QString& colourId = {}) override;
    std::optional<bool> hasToleranceOverride(const QString& libraryId,
                                             const QString& colourId) override;
    bool setToleranceModel(const QString& libraryId, const QString& colourId,
                           const ToleranceModel& model) override;
    bool removeToleranceOverride(const QString& libraryId, const QString& colourId) override;

    bool addLot(Lot& lot) override;
    std::optional<QVector<Lot>> lots() override;

    bool addHistory(HistoryEntry& entry) override;
    using QualityRecords::history;
    std::optional<QVector<HistoryEntry>> history(const HistoryFilter& filter) override;
    std::optional<PassRate> passRate(const QString& libraryId = {}) override;

    QString error() const override { return error_; }

private:
    bool fail(const QString& what, const QString& detail) override;
    // Runs a statement with bound values; query keeps its rows. what: the
    // failure's words when it fails.
    bool run(QSqlQuery& query, const QString& what, const QString& statement,
             const QVariantList& values = {});

    QSqlDatabase database_;
    QString error_;
    std::function<QDateTime()> clock_;
};

}  // namespace colorcard
