// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <functional>

#include "store/LibraryRepository.h"
#include "store/StoreResult.h"

struct sqlite3_stmt;

namespace colorcard {

// The repository on an SQLite file through an open connection of the
// toolkit, which the caller owns (the window's store or a StoreConnection).
// Keeps the tables exactly as the store has always written them.
class SqliteRepository : public LibraryRepository {
    Q_OBJECT

public:
    explicit SqliteRepository(const QSqlDatabase& database, QObject* parent = nullptr);
    // On the connection of the window's store file, looked up by its name at
    // each use: the store opens it anew after a restore or a recreation.
    explicit SqliteRepository(LocalStore& local, QObject* parent = nullptr);

    // Why SQLite refused a statement, when the user can act on the reason;
    // filePath: the database file (a file that cannot be opened is read-only
    // when it or its folder cannot be written).
    static StoreCause causeOf(const QSqlError& error, const QString& filePath);

    // The time stamps of new history entries come from here (tests fix it).
    void setClock(std::function<QDateTime()> clock) override;

    std::optional<QVector<Library>> libraries() override;
    std::optional<Library> library(const QString& libraryId) override;
    std::optional<Library> libraryByKey(const QString& name, const QString& description) override;
    bool colourTexts(const QString& libraryId,
                     const std::function<void(const StoredColourTexts&)>& row) override;
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
    bool renameLibrary(const QString& libraryId, const QString& name,
                       const QString& description) override;
    bool removeLibrary(const QString& libraryId) override;
    bool setTolerance(const QString& libraryId, const Tolerance& tolerance) override;
    bool addHistory(HistoryEntry& entry) override;

    QString error() const override { return error_; }
    // The toolkit's error of the last failed read of libraries, for its cause.
    QSqlError sqlError() const { return sqlError_; }
    bool checkForChanges() override;
    LocalStore* localStore() override { return local_; }
    // Whether removing a library whose colour table is gone fails (the
    // window has always told it) or removes what is left (the command line).
    void setTableRequired(bool required) { tableRequired_ = required; }

    // PRAGMA data_version: changes whenever another connection commits to
    // the file; -1 when it cannot be read.
    qint64 dataVersion();

private:
    QSqlDatabase database() const { return QSqlDatabase::database(connection_, false); }
    // step: what the failure is told as (lastResult).
    bool run(const QString& statement, const QVariantList& values, StoreError step);
    bool run(QSqlQuery& query, const QString& statement, const QVariantList& values,
             StoreError step);
    bool fail(const QString& what, const QString& detail);
    bool failed(StoreError step, const QSqlError& error);
    // Colours of which the first columns values are given.
    bool insertColours(const QString& libraryId, QVector<Colour>& colours, int columns);
    // Steps through the library's colours (row id and identifier first when
    // asked), each row to row; false with the error set when they cannot be read.
    bool readColours(const QString& libraryId, bool identifiers,
                     const std::function<void(sqlite3_stmt*)>& row);
    // one: a library removed on its own (its index settings go with it).
    bool removeLibraryRows(const QString& libraryId, bool one);

    QString connection_;
    LocalStore* local_ = nullptr;
    bool inTransaction_ = false;
    bool tableRequired_ = false;
    QString error_;
    QSqlError sqlError_;
    qint64 seenVersion_ = -1;
    std::function<QDateTime()> clock_;
};

}  // namespace colorcard
