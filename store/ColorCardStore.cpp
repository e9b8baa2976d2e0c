// SPDX-License-Identifier: MIT
#include "store/ColorCardStore.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include "store/DataFiles.h"
#include "store/sqlite/SqliteRepository.h"
#include "store/sqlite/SqliteRows.h"
#include "store/sqlite/SqliteStatements.h"

namespace colorcard {

// Every statement and every failure is traced here; enable with
// QT_LOGGING_RULES="colorcard.store.debug=true".
Q_LOGGING_CATEGORY(lcStore, "colorcard.store", QtInfoMsg)

namespace {

using namespace SqliteRows;

const char* const kDatabaseFileName = "database.db";
const char* const kIdTimeFormat = "yyMMddhhmmss";

// The nineteen value columns of a colour table, in column order.
const QStringList kValueColumns = {
    QStringLiteral("LabL"),  QStringLiteral("Laba"),  QStringLiteral("Labb"),
    QStringLiteral("LuvL"),  QStringLiteral("Luvu"),  QStringLiteral("Luvv"),
    QStringLiteral("LChL"),  QStringLiteral("LChC"),  QStringLiteral("LChh"),
    QStringLiteral("YxyY"),  QStringLiteral("Yxyx"),  QStringLiteral("Yxyy2"),
    QStringLiteral("CMYKC"), QStringLiteral("CMYKM"), QStringLiteral("CMYKY"),
    QStringLiteral("CMYKK"), QStringLiteral("RGBR"),  QStringLiteral("RGBG"),
    QStringLiteral("RGBB")};

QString placeholders(int count) {
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(QStringLiteral(", "));
}

QString insertColorDataStatement(const QString& libraryId) {
    return QStringLiteral("INSERT INTO %1 (colordataid, colordataname, %2) VALUES (%3)")
        .arg(quoted(libraryId), kValueColumns.join(QStringLiteral(", ")),
             placeholders(2 + kValueColumns.size()));
}

QString insertLabStatement(const QString& libraryId) {
    return QStringLiteral(
               "INSERT INTO %1 (colordataid, colordataname, LabL, Laba, Labb) VALUES (?, ?, ?, ?, "
               "?)")
        .arg(quoted(libraryId));
}

QAtomicInt connectionCounter;

}  // namespace

struct ColorCardStore::Impl {
    QString directory;
    // A file of another name than database.db, when one was given.
    QString path;
    QString connection;
    std::function<QDateTime()> clock;
    int busyTimeoutMs = 5000;
    // An outer transaction begun by beginTransaction is open.
    bool inTransaction = false;
    StoreError lastError = StoreError::None;
    // Why the last failing statement failed (None for other reasons).
    StoreCause failureCause = StoreCause::None;
    StoreCause lastCause = StoreCause::None;

    explicit Impl(const QString& dir)
        : directory(dir),
          connection(
              QStringLiteral("ColorCardStore_%1").arg(connectionCounter.fetchAndAddRelaxed(1))),
          clock([] { return QDateTime::currentDateTime(); }) {}

    QSqlDatabase database() const { return QSqlDatabase::database(connection, false); }

    QString filePath() const {
        return path.isEmpty() ? directory + QLatin1Char('/') + QLatin1String(kDatabaseFileName)
                              : path;
    }

    // The cause the user can act on, from SQLite's result code.
    StoreCause causeOf(const QSqlError& error) const {
        return SqliteRepository::causeOf(error, filePath());
    }

    void failed(const QSqlError& error) {
        failureCause = causeOf(error);
        qCDebug(lcStore) << "failed:" << error.nativeErrorCode() << error.text();
    }

    // Prepares, binds and runs one statement; traces it and its failure.
    bool exec(QSqlQuery& query, const QString& statement, const QVariantList& values = {}) {
        qCDebug(lcStore) << "exec:" << statement << values;
        failureCause = StoreCause::None;
        // The toolkit warns on every statement prepared on a closed connection.
        if (!database().isOpen()) {
            qCDebug(lcStore) << "failed: database not open";
            return false;
        }
        bool ok = query.prepare(statement);
        if (ok) {
            for (const QVariant& value : values)
                query.addBindValue(value);
            ok = query.exec();
        }
        if (!ok)
            failed(query.lastError());
        return ok;
    }

    bool exec(const QString& statement, const QVariantList& values = {}) {
        QSqlQuery query(database());
        return exec(query, statement, values);
    }

    void closeConnection() {
        inTransaction = false;
        if (!QSqlDatabase::contains(connection))
            return;
        {
            QSqlDatabase db = database();
            db.close();
        }
        QSqlDatabase::removeDatabase(connection);
    }

    StoreResult result(StoreError error) {
        lastError = error;
        lastCause = error == StoreError::None ? StoreCause::None : failureCause;
        return StoreResult{error, lastCause};
    }
    StoreResult result(bool ok, StoreError error) { return result(ok ? StoreError::None : error); }

    // Runs the batch statement once per row in one transaction, all rows or
    // none: the first row that fails ends the batch.
    StoreResult insertBatch(const QString& statement, const QStringList& colorIds,
                            const QList<QStringList>& columns, int columnCount) {
        QSqlDatabase db = database();
        failureCause = StoreCause::None;
        const bool ownTransaction = !inTransaction;
        if (ownTransaction && db.isOpen() && !db.transaction()) {
            // Never a batch without its transaction.
            failed(db.lastError());
            return result(StoreError::InsertColor);
        }
        bool allRows = db.isOpen();
        {
            QSqlQuery query(db);
            const bool prepared = db.isOpen() && query.prepare(statement);
            if (db.isOpen() && !prepared)
                failed(query.lastError());
            qCDebug(lcStore) << "batch:" << statement << colorIds.size() << "rows";
            for (int i = 0; i < colorIds.size(); ++i) {
                bool complete = prepared;
                QVariantList values{text(colorIds[i])};
                for (int c = 0; c < columnCount && complete; ++c) {
                    if (c >= columns.size() || i >= columns[c].size())
                        complete = false;
                    else
                        values << text(columns[c][i]);
                }
                if (!complete) {
                    qCDebug(lcStore) << "batch row" << i << "failed: missing values";
                    allRows = false;
                    break;
                }
                for (int v = 0; v < values.size(); ++v)
                    query.bindValue(v, values[v]);
                if (!query.exec()) {
                    qCDebug(lcStore) << "batch row" << i << "failed";
                    failed(query.lastError());
                    allRows = false;
                    break;
                }
            }
        }
        if (ownTransaction) {
            if (allRows && db.commit())
                return result(StoreError::None);
            if (allRows)
                failed(db.lastError());
            qCDebug(lcStore) << "batch undone";
            db.rollback();
            return result(StoreError::InsertColor);
        }
        return result(allRows, StoreError::InsertColor);
    }
};

ColorCardStore::ColorCardStore(const QString& directory) : d(new Impl(directory)) {}

ColorCardStore::~ColorCardStore() {
    d->closeConnection();
    delete d;
}

QString ColorCardStore::defaultDirectory() {
    return DataFiles::databaseDirectory();
}

QString ColorCardStore::databasePath() const {
    if (!d->path.isEmpty())
        return d->path;
    return d->directory + QLatin1Char('/') + QLatin1String(kDatabaseFileName);
}

QString ColorCardStore::connectionName() const {
    return d->connection;
}

bool ColorCardStore::isOpen() const {
    return QSqlDatabase::contains(d->connection) && d->database().isOpen();
}

void ColorCardStore::setDatabasePath(const QString& path) {
    d->path = path;
}

void ColorCardStore::setClock(std::function<QDateTime()> clock) {
    d->clock = std::move(clock);
}

QDateTime ColorCardStore::clockTime() const {
    return d->clock();
}

StoreResult ColorCardStore::openDatabase() {
    // Re-adding replaces a registration left by an earlier open.
    d->closeConnection();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), d->connection);
        db.setDatabaseName(databasePath());
        // The command line may use the store while the window has it open:
        // a lock the other holds is waited for rather than failing at once.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(d->busyTimeoutMs));
        if (!db.open()) {
            qCDebug(lcStore) << "open failed:" << databasePath();
            d->failed(db.lastError());
            return d->result(StoreError::OpenDatabase);
        }
    }
    QSqlQuery query(d->database());
    if (!d->exec(query, SqliteStatements::libraryTableName()))
        return d->result(StoreError::QueryLibraryTable);
    if (query.next()) {
        query.finish();
        // The library list itself must be readable: a damaged page shows here,
        // once, rather than in every later step.
        if (!d->exec(query, QStringLiteral("SELECT count(*), sum(length(colorcardid)) FROM "
                                           "ColorCard")))
            return d->result(StoreError::QueryLibraries);
        return d->result(StoreError::None);
    }
    query.finish();
    return createLibraryTable();
}

void ColorCardStore::setBusyTimeout(int milliseconds) {
    d->busyTimeoutMs = qMax(0, milliseconds);
}

void ColorCardStore::closeDatabase() {
    d->closeConnection();
}

StoreResult ColorCardStore::createLibraryTable() {
    return d->result(d->exec(SqliteStatements::createLibraryTable()),
                     StoreError::CreateLibraryTable);
}

StoreResult ColorCardStore::createColorDataTable(const QString& libraryId) {
    QStringList columns;
    for (const QString& column : kValueColumns)
        columns << column + QStringLiteral(" TEXT");
    const QString statement =
        SqliteStatements::createColourTable(quoted(libraryId), columns.join(QStringLiteral(", ")));
    return d->result(d->exec(statement), StoreError::CreateColorTable);
}

StoreResult ColorCardStore::insertLibrary(const QString& libraryId, const QString& meterNumber,
                                          const QString& name, const QString& description,
                                          const QString& count) {
    return d->result(
        d->exec(QStringLiteral("INSERT INTO ColorCard (colorcardid, meterno, colorcardname, "
                               "colorcarddesc, colorcardcount) VALUES (?, ?, ?, ?, ?)"),
                {text(libraryId), text(meterNumber), text(name), text(description), text(count)}),
        StoreError::InsertLibrary);
}

StoreResult ColorCardStore::insertColorData(const QString& libraryId, const QString& colorId,
                                            const QString& name, const QStringList& values) {
    QVariantList bound{text(colorId), text(name)};
    for (const QString& value : values)
        bound << text(value);
    // A wrong number of values fails on the parameter count, like a bad row.
    return d->result(d->exec(insertColorDataStatement(libraryId), bound), StoreError::InsertColor);
}

StoreResult ColorCardStore::insertColorDataBatch(const QString& libraryId,
                                                 const QStringList& colorIds,
                                                 const QList<QStringList>& columns) {
    return d->insertBatch(insertColorDataStatement(libraryId), colorIds, columns,
                          1 + kValueColumns.size());
}

StoreResult ColorCardStore::insertColorDataBatchLab(const QString& libraryId,
                                                    const QStringList& colorIds,
                                                    const QStringList& names, const QStringList& L,
                                                    const QStringList& a, const QStringList& b) {
    return d->insertBatch(insertLabStatement(libraryId), colorIds, {names, L, a, b}, 4);
}

StoreResult ColorCardStore::beginTransaction() {
    d->failureCause = StoreCause::None;
    if (d->inTransaction)
        return d->result(StoreError::Begin);
    // IMMEDIATE takes the write lock at once (waiting out another writer),
    // so a transaction never fails half way for a lock another process holds,
    // and what it reads stays as read until it commits.
    QSqlDatabase db = d->database();
    d->inTransaction = db.isOpen() && d->exec(QStringLiteral("BEGIN IMMEDIATE"));
    return d->result(d->inTransaction, StoreError::Begin);
}

bool ColorCardStore::inTransaction() const {
    return d->inTransaction;
}

StoreResult ColorCardStore::commitTransaction() {
    if (!d->inTransaction)
        return d->result(StoreError::None);
    d->inTransaction = false;
    d->failureCause = StoreCause::None;
    QSqlDatabase db = d->database();
    if (!db.commit()) {
        d->failed(db.lastError());
        qCDebug(lcStore) << "commit failed";
        db.rollback();
        return d->result(StoreError::Commit);
    }
    return d->result(StoreError::None);
}

void ColorCardStore::rollbackTransaction() {
    if (!d->inTransaction)
        return;
    d->inTransaction = false;
    d->database().rollback();
}

StoreResult ColorCardStore::updateLibraryName(const QString& name, const QString& description,
                                              const QString& libraryId) {
    return d->result(
        d->exec(QStringLiteral("UPDATE ColorCard SET colorcardname = ?, colorcarddesc = ? WHERE "
                               "colorcardid = ?"),
                {text(name), text(description), text(libraryId)}),
        StoreError::RenameLibrary);
}

StoreResult ColorCardStore::updateLibraryCount(const QString& count, const QString& libraryId) {
    return d->result(
        d->exec(QStringLiteral("UPDATE ColorCard SET colorcardcount = ? WHERE colorcardid = ?"),
                {text(count), text(libraryId)}),
        StoreError::UpdateCount);
}

StoreResult ColorCardStore::recountLibrary(const QString& libraryId) {
    return d->result(d->exec(QStringLiteral("UPDATE ColorCard SET colorcardcount = (SELECT "
                                            "count(*) FROM %1) WHERE colorcardid = ?")
                                 .arg(quoted(libraryId)),
                             {text(libraryId)}),
                     StoreError::UpdateCount);
}

qint64 ColorCardStore::dataVersion() {
    // The window's polling for other writers asks what the repository would.
    return SqliteRepository(d->database()).dataVersion();
}

StoreResult ColorCardStore::updateMeterNumberOfAll(const QString& meterNumber) {
    return d->result(
        d->exec(QStringLiteral("UPDATE ColorCard SET meterno = ?"), {text(meterNumber)}),
        StoreError::RenameLibrary);
}

StoreResult ColorCardStore::updateColorDataName(const QString& libraryId, const QString& name,
                                                const QString& colorId) {
    return d->result(d->exec(QStringLiteral("UPDATE %1 SET colordataname = ? WHERE colordataid = ?")
                                 .arg(quoted(libraryId)),
                             {text(name), text(colorId)}),
                     StoreError::RenameColor);
}

StoreResult ColorCardStore::updateColorData(const QString& libraryId, const QStringList& values,
                                            const QString& colorId) {
    QStringList assignments;
    for (const QString& column : kValueColumns)
        assignments << column + QStringLiteral(" = ?");
    QVariantList bound;
    for (const QString& value : values)
        bound << text(value);
    bound << text(colorId);
    return d->result(d->exec(QStringLiteral("UPDATE %1 SET %2 WHERE colordataid = ?")
                                 .arg(quoted(libraryId), assignments.join(QStringLiteral(", "))),
                             bound),
                     StoreError::UpdateColor);
}

QString ColorCardStore::selectColorDataName(const QString& libraryId, const QString& colorId) {
    QSqlQuery query(d->database());
    if (!d->exec(query,
                 QStringLiteral("SELECT colordataname FROM %1 WHERE colordataId = ?")
                     .arg(quoted(libraryId)),
                 {text(colorId)})) {
        d->result(StoreError::QueryColorName);
        return QString(QLatin1String(""));
    }
    d->result(StoreError::None);
    if (query.next())
        return query.value(0).toString();
    return QString(QLatin1String(""));
}

// The window reads as the command line does: through the repository.
QVector<Library> ColorCardStore::selectLibraries() {
    SqliteRepository repository(d->database());
    const auto libraries = repository.libraries();
    if (!libraries)
        d->failed(repository.sqlError());
    d->result(libraries ? StoreError::None : StoreError::QueryLibraries);
    return libraries.value_or(QVector<Library>());
}

Library ColorCardStore::selectLibrary(const QString& libraryId) {
    SqliteRepository repository(d->database());
    const auto library = repository.library(libraryId);
    if (!library)
        d->failed(repository.sqlError());
    d->result(library ? StoreError::None : StoreError::QueryLibraries);
    return library.value_or(Library());
}

Library ColorCardStore::selectLibraryByKey(const QString& name, const QString& description) {
    QSqlQuery query(d->database());
    if (!d->exec(query,
                 SqliteRows::selectLibrary() +
                     QStringLiteral(" WHERE colorcardname = ? AND colorcarddesc = ? "
                                    "ORDER BY id LIMIT 1"),
                 {text(name), text(description)})) {
        d->result(StoreError::QueryLibraries);
        return {};
    }
    d->result(StoreError::None);
    return query.next() ? SqliteRows::libraryAt(query) : Library();
}

QVector<Colour> ColorCardStore::selectColours(const QString& libraryId, bool identifiers) {
    SqliteRepository repository(d->database());
    const auto colours = repository.colours(libraryId, identifiers);
    if (!colours) {
        d->failureCause = StoreCause::None;
        qCDebug(lcStore) << "failed:" << repository.error();
    }
    d->result(colours ? StoreError::None : StoreError::QueryColors);
    return colours.value_or(QVector<Colour>());
}

StoreResult ColorCardStore::dropColorDataTable(const QString& libraryId) {
    return d->result(d->exec(QStringLiteral("DROP TABLE %1").arg(quoted(libraryId))),
                     StoreError::DropColorTable);
}

StoreResult ColorCardStore::deleteLibrary(const QString& libraryId) {
    return d->result(
        d->exec(QStringLiteral("DELETE FROM ColorCard WHERE colorcardid = ?"), {text(libraryId)}),
        StoreError::DeleteLibrary);
}

StoreResult ColorCardStore::deleteColorData(const QString& libraryId, const QString& colorId) {
    return d->result(
        d->exec(QStringLiteral("DELETE FROM %1 WHERE colordataid = ?").arg(quoted(libraryId)),
                {text(colorId)}),
        StoreError::DeleteColor);
}

StoreResult ColorCardStore::deleteDatabaseFile() {
    // The connection is removed, not only closed: openDatabase adds it again.
    d->closeConnection();
    const QString path = databasePath();
    if (!QFileInfo::exists(path) || QFile::remove(path))
        return d->result(StoreError::None);
    qCDebug(lcStore) << "cannot remove" << path;
    return d->result(StoreError::DeleteDatabaseFile);
}

StoreError ColorCardStore::lastError() const {
    return d->lastError;
}

StoreCause ColorCardStore::lastCause() const {
    return d->lastCause;
}

QString ColorCardStore::makeLibraryId(int number) {
    const QString stamp = d->clock().toString(QLatin1String(kIdTimeFormat));
    // Taken when it names a library row or any table (table names ignore case).
    const auto taken = [this](const QString& id) {
        QSqlQuery query(d->database());
        if (d->exec(query, QStringLiteral("SELECT 1 FROM ColorCard WHERE colorcardid = ?"), {id}) &&
            query.next())
            return true;
        query.finish();
        return d->exec(query, SqliteStatements::nameTaken(), {id}) && query.next();
    };
    QString id;
    for (int n = number;; ++n) {
        id = QStringLiteral("ColorCard%1").arg(n) + stamp;
        if (!taken(id))
            return id;
    }
}

QStringList ColorCardStore::makeColorIds(const QString& libraryId, int firstNumber, int count) {
    const QString stamp = d->clock().toString(QLatin1String(kIdTimeFormat));
    QSet<QString> existing;
    {
        QSqlQuery query(d->database());
        if (d->exec(query, QStringLiteral("SELECT colordataid FROM %1").arg(quoted(libraryId)))) {
            while (query.next())
                existing.insert(query.value(0).toString());
        }
    }
    QStringList ids;
    for (int n = firstNumber; ids.size() < count; ++n) {
        const QString id = QStringLiteral("ColorData%1").arg(n) + stamp;
        if (!existing.contains(id))
            ids << id;
    }
    return ids;
}

}  // namespace colorcard
