#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>

class Messenger;

// id, colorcardid, meterno, colorcardname, colorcarddesc, colorcardcount.
using LibraryRecord = QVariantList;
// id, colordataid, colordataname, then the nineteen value texts.
using ColorDataRecord = QVariantList;

// The SQLite store of libraries and colours ("database.db"). Every operation
// reports its own failure through the messenger and callers carry on.
class ColorCardStore {
public:
    ColorCardStore(Messenger& messenger, const QString& directory);
    ~ColorCardStore();

    // The application directory of a build tree when writable, otherwise the
    // per-user data directory (DataFiles::databaseDirectory()).
    static QString defaultDirectory();

    QString databasePath() const;
    // The store's own connection name (each store has one), for direct queries.
    QString connectionName() const;
    bool isOpen() const;
    // Time stamps of new identifiers come from here (tests fix it).
    void setClock(std::function<QDateTime()> clock);

    bool openDatabase();
    bool createLibraryTable();
    void createColorDataTable(const QString& libraryId);
    void insertLibrary(const QString& libraryId, const QString& meterNumber, const QString& name,
                       const QString& description, const QString& count);
    // values: the nineteen value texts in column order.
    void insertColorData(const QString& libraryId, const QString& colorId, const QString& name,
                         const QStringList& values);
    // columns: 20 parallel lists, names then the nineteen value columns.
    void insertColorDataBatch(const QString& libraryId, const QStringList& colorIds,
                              const QList<QStringList>& columns);
    void insertColorDataBatchLab(const QString& libraryId, const QStringList& colorIds,
                                 const QStringList& names, const QStringList& L,
                                 const QStringList& a, const QStringList& b);
    // Groups every statement up to commitTransaction into one transaction (a
    // whole library at once); the batch inserts join it instead of opening
    // their own. Not nested: false when one is open or the database is not.
    bool beginTransaction();
    // Commits; a failure is reported like a failed batch and rolled back.
    void commitTransaction();
    void updateLibraryName(const QString& name, const QString& description,
                           const QString& libraryId);
    void updateLibraryCount(const QString& count, const QString& libraryId);
    void updateColorDataName(const QString& libraryId, const QString& name, const QString& colorId);
    void updateColorData(const QString& libraryId, const QStringList& values,
                         const QString& colorId);
    QString selectColorDataName(const QString& libraryId, const QString& colorId);
    QList<LibraryRecord> selectLibraries();
    QList<ColorDataRecord> selectColorData(const QString& libraryId);
    void dropColorDataTable(const QString& libraryId);
    void deleteLibrary(const QString& libraryId);
    void deleteColorData(const QString& libraryId, const QString& colorId);
    void deleteDatabaseFile();

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
