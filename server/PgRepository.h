// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QVariantList>
#include <functional>

#include "store/LibraryRepository.h"

namespace colorcard {

// The repository on the schema "colorcard" of a PostgreSQL server, through
// an open connection of the QPSQL driver the caller owns (already migrated:
// ServerSchema::migrate). Every library row carries a version the server
// raises on each change; other connections' commits arrive as notices
// (LISTEN colorcard) and are passed on as changed() while an event loop runs.
class PgRepository : public LibraryRepository {
    Q_OBJECT

public:
    explicit PgRepository(const QSqlDatabase& database, QObject* parent = nullptr);

    // The time stamps of new history entries come from here (tests fix it).
    void setClock(std::function<QDateTime()> clock) override;

    std::optional<QVector<Library>> libraries() override;
    std::optional<Library> library(const QString& libraryId) override;
    std::optional<Library> libraryByKey(const QString& name, const QString& description) override;
    std::optional<QVector<Colour>> colours(const QString& libraryId,
                                           bool identifiers = true) override;
    std::optional<Tolerance> tolerance(const QString& libraryId) override;
    std::optional<QVector<HistoryEntry>> history(int limit = -1,
                                                 const QString& libraryId = {}) override;

    bool begin() override;
    bool commit() override;
    void rollback() override;
    bool inTransaction() const override { return inTransaction_; }
    QString newLibraryId(int number) override;
    QStringList newColourIds(const QString& libraryId, int firstNumber, int count) override;
    bool addLibrary(Library& library) override;
    bool addColours(const QString& libraryId, QVector<Colour>& colours) override;
    bool addLabColours(const QString& libraryId, QVector<Colour>& colours) override;
    bool recount(const QString& libraryId) override;
    bool replaceColourValues(const QString& libraryId, const QString& colourId,
                             const QStringList& values) override;
    bool renameColour(const QString& libraryId, const QString& colourId,
                      const QString& name) override;
    bool removeColour(const QString& libraryId, const QString& colourId) override;
    bool stampMeterNumber(const QString& meterNumber) override;
    bool removeAllLibraries() override;
    bool expectVersion(const QString& libraryId, int version) override;
    bool renameLibrary(const QString& libraryId, const QString& name,
                       const QString& description) override;
    bool removeLibrary(const QString& libraryId) override;
    bool setTolerance(const QString& libraryId, const Tolerance& tolerance) override;
    bool addHistory(HistoryEntry& entry) override;

    QString error() const override { return error_; }
    Failure failure() const override { return failure_; }
    bool checkForChanges() override;

    // Whether the connected login may change the standards (libraries,
    // colours, tolerances): a member of colorcard_supervisor.
    bool maySupervise();
    // The failure the server's error stands for (permission, connection, ...).
    static Failure failureOf(const QSqlError& error);

private:
    // Runs a statement with bound values; query keeps its rows.
    bool run(QSqlQuery& query, const QString& statement, const QVariantList& values = {});
    bool run(const QString& statement, const QVariantList& values = {});
    bool fail(const QString& what, const QString& detail, Failure failure = Failure::Other);
    bool failQuery(const QString& what, const QSqlError& error);
    // Records the step a failure is told as (lastResult); returns ok.
    bool told(StoreError step, bool ok);
    // A write to one colour of a library; false (Stale) when it is not there.
    bool changeColour(StoreError step, const QString& statement, const QVariantList& values);
    // What the libraries, the audit trail and the history look like now.
    QString changeToken();
    // Ends the transaction a write opened for itself (alone): committed when
    // ok, rolled back keeping the error otherwise.
    bool finish(bool alone, bool ok);
    // A write outside begin/commit is its own commit.
    void wrote();
    void noticed(const QString& name, int source);

    QSqlDatabase database_;
    QString error_;
    Failure failure_ = Failure::None;
    QString seenToken_;
    bool inTransaction_ = false;
    std::function<QDateTime()> clock_;
};

}  // namespace colorcard
