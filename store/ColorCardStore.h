#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>
#include <functional>

// id, colorcardid, meterno, colorcardname, colorcarddesc, colorcardcount.
using LibraryRecord = QVariantList;
// id, colordataid, colordataname, then the nineteen value texts.
using ColorDataRecord = QVariantList;

// A stored colour read in one piece: what a ColorDataRecord holds, typed.
struct ColorDataRow {
    int id = 0;
    QString colorId;
    QString name;
    // The nineteen value texts in column order.
    QStringList values;
};
Q_DECLARE_TYPEINFO(ColorDataRow, Q_MOVABLE_TYPE);

// The step of the store that failed; each has the message the user is shown
// for it (the workflows choose and show it, the store shows nothing).
enum class StoreError {
    None,
    OpenDatabase,
    QueryLibraryTable,
    CreateLibraryTable,
    CreateColorTable,
    InsertLibrary,
    InsertColor,
    RenameLibrary,
    UpdateCount,
    RenameColor,
    UpdateColor,
    QueryColorName,
    QueryLibraries,
    QueryColors,
    DropColorTable,
    DeleteLibrary,
    DeleteColor,
    DeleteDatabaseFile,
    // The statements ran but the transaction holding them was not committed.
    Commit,
};

// Success, or the step that failed.
struct StoreResult {
    StoreError error = StoreError::None;

    bool ok() const { return error == StoreError::None; }
    explicit operator bool() const { return ok(); }
};

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

    StoreResult openDatabase();
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
    // Groups every statement up to commitTransaction into one transaction (a
    // whole library at once); the batch inserts join it instead of opening
    // their own. Not nested: false when one is open or the database is not.
    bool beginTransaction();
    // Commits; on failure rolls back and reports StoreError::Commit.
    StoreResult commitTransaction();
    // Undoes everything since beginTransaction.
    void rollbackTransaction();
    StoreResult updateLibraryName(const QString& name, const QString& description,
                                  const QString& libraryId);
    StoreResult updateLibraryCount(const QString& count, const QString& libraryId);
    StoreResult updateColorDataName(const QString& libraryId, const QString& name,
                                    const QString& colorId);
    StoreResult updateColorData(const QString& libraryId, const QStringList& values,
                                const QString& colorId);
    // "" when the colour is not there or the query failed (see lastError()).
    QString selectColorDataName(const QString& libraryId, const QString& colorId);
    QList<LibraryRecord> selectLibraries();
    QList<ColorDataRecord> selectColorData(const QString& libraryId);
    // The same colours as typed rows, read once front to back; without
    // identifiers (id 0, colorId null) when only names and values are wanted.
    QVector<ColorDataRow> selectColorRows(const QString& libraryId, bool identifiers = true);
    StoreResult dropColorDataTable(const QString& libraryId);
    StoreResult deleteLibrary(const QString& libraryId);
    StoreResult deleteColorData(const QString& libraryId, const QString& colorId);
    StoreResult deleteDatabaseFile();

    // The outcome of the last operation, queries included.
    StoreError lastError() const;

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
