// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

#include "model/Colour.h"
#include "store/StoreResult.h"

namespace colorcard {

// The SQLite store of libraries and colours ("database.db"). Every operation
// reports success or its typed failure and never shows anything; queries
// return what they found and leave their outcome in lastError().
class ColorCardStore {
public:
    explicit ColorCardStore(const QString& directory);
    ~ColorCardStore();

    // The application directory of a build tree when writable, otherwise the
    // per-user data directory (DataFiles::databaseDirectory()).
    static QString defaultDirectory();

    QString databasePath() const;
    // Uses this file instead of "database.db" in the directory (before openDatabase).
    void setDatabasePath(const QString& path);
    // The store's own connection name (each store has one), for direct queries.
    QString connectionName() const;
    bool isOpen() const;
    // Time stamps of new identifiers come from here (tests fix it).
    void setClock(std::function<QDateTime()> clock);
    // What that clock says now.
    QDateTime clockTime() const;

    // How long a statement waits for a lock another connection holds before
    // it fails with StoreCause::Busy (before openDatabase; 5000 ms unless set).
    void setBusyTimeout(int milliseconds);
    StoreResult openDatabase();
    // Closes the connection (the file stays); openDatabase opens it again.
    void closeDatabase();
    StoreResult createLibraryTable();
    StoreResult createColorDataTable(const QString& libraryId);
    StoreResult insertLibrary(const QString& libraryId, const QString& meterNumber,
                              const QString& name, const QString& description,
                              const QString& count);
    // values: the nineteen value texts in column order.
    StoreResult insertColorData(const QString& libraryId, const QString& colorId,
                                const QString& name, const QStringList& values);
    // columns: 20 parallel lists, names then the nineteen value columns. All
    // rows or none: a row that fails undoes the batch's own transaction, or
    // leaves the caller's transaction to be rolled back.
    StoreResult insertColorDataBatch(const QString& libraryId, const QStringList& colorIds,
                                     const QList<QStringList>& columns);
    StoreResult insertColorDataBatchLab(const QString& libraryId, const QStringList& colorIds,
                                        const QStringList& names, const QStringList& L,
                                        const QStringList& a, const QStringList& b);
    // Groups every statement up to commitTransaction into one write
    // transaction (BEGIN IMMEDIATE: the write lock is taken at once, waiting
    // up to the busy time-out for another writer), so that whatever is read
    // after it cannot be changed by another process before the commit; the
    // batch inserts join it instead of opening their own. Not nested: fails
    // (StoreError::Begin) when one is open or the database is not, with
    // StoreCause::Busy when another process kept the lock.
    StoreResult beginTransaction();
    bool inTransaction() const;
    // Commits; on failure rolls back and reports StoreError::Commit.
    StoreResult commitTransaction();
    // Undoes everything since beginTransaction.
    void rollbackTransaction();
    StoreResult updateLibraryName(const QString& name, const QString& description,
                                  const QString& libraryId);
    StoreResult updateLibraryCount(const QString& count, const QString& libraryId);
    // Sets the library's stored count to the number of rows of its table, in
    // one statement (never from a count read earlier).
    StoreResult recountLibrary(const QString& libraryId);
    // PRAGMA data_version: changes whenever another connection (another
    // process included) commits to the file; -1 when it cannot be read.
    qint64 dataVersion();
    // Stamps every library with this meter (restored data made the attached meter's).
    StoreResult updateMeterNumberOfAll(const QString& meterNumber);
    StoreResult updateColorDataName(const QString& libraryId, const QString& name,
                                    const QString& colorId);
    StoreResult updateColorData(const QString& libraryId, const QStringList& values,
                                const QString& colorId);
    // "" when the colour is not there or the query failed (see lastError()).
    QString selectColorDataName(const QString& libraryId, const QString& colorId);
    // The libraries without their colours, in stored order.
    QVector<Library> selectLibraries();
    // The library of that identifier, or the first (lowest id) of that name
    // and description; a null library when there is none or the query failed.
    Library selectLibrary(const QString& libraryId);
    Library selectLibraryByKey(const QString& name, const QString& description);
    // The library's colours, read once front to back; without identifiers
    // (row id 0, id null) when only names and values are wanted.
    QVector<Colour> selectColours(const QString& libraryId, bool identifiers = true);
    StoreResult dropColorDataTable(const QString& libraryId);
    StoreResult deleteLibrary(const QString& libraryId);
    StoreResult deleteColorData(const QString& libraryId, const QString& colorId);
    StoreResult deleteDatabaseFile();

    // The outcome of the last operation, queries included, and its cause.
    StoreError lastError() const;
    StoreCause lastCause() const;
    StoreResult lastResult() const { return StoreResult{lastError(), lastCause()}; }

    // "ColorCard<number><yyMMddhhmmss>", taking the next free number when that
    // identifier is already a library or a table.
    QString makeLibraryId(int number);
    // count identifiers "ColorData<n><yyMMddhhmmss>" from firstNumber on, each
    // unique in the library's table and among themselves.
    QStringList makeColorIds(const QString& libraryId, int firstNumber, int count);

private:
    struct Impl;
    Impl* d;
};

}  // namespace colorcard
