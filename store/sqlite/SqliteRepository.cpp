// SPDX-License-Identifier: MIT
#include "store/sqlite/SqliteRepository.h"

#include <sqlite3.h>

#include <QFileInfo>
#include <QSet>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "store/ColorCardStore.h"
#include "store/IndexSettingsStore.h"
#include "store/LocalStore.h"
#include "store/QualityStore.h"
#include "store/sqlite/SqliteRows.h"
#include "store/sqlite/SqliteStatements.h"

namespace colorcard {

namespace {

using namespace SqliteRows;

// The nineteen value columns of a colour table, in column order.
const QStringList kValueColumns = {
    QStringLiteral("LabL"),  QStringLiteral("Laba"),  QStringLiteral("Labb"),
    QStringLiteral("LuvL"),  QStringLiteral("Luvu"),  QStringLiteral("Luvv"),
    QStringLiteral("LChL"),  QStringLiteral("LChC"),  QStringLiteral("LChh"),
    QStringLiteral("YxyY"),  QStringLiteral("Yxyx"),  QStringLiteral("Yxyy2"),
    QStringLiteral("CMYKC"), QStringLiteral("CMYKM"), QStringLiteral("CMYKY"),
    QStringLiteral("CMYKK"), QStringLiteral("RGBR"),  QStringLiteral("RGBG"),
    QStringLiteral("RGBB")};

// The SQLite connection behind an open connection of the toolkit's driver.
sqlite3* handleOf(const QSqlDatabase& db) {
    if (!db.isOpen() || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

// A column of a colour table as text. The columns are declared TEXT, so
// SQLite keeps every value in them as text (a number given is stored as its
// text): only NULL, a null string, and the rare blob (read as UTF-8, as the
// toolkit's driver reads it) are left.
QString columnText(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    if (!text)
        return QString();
    const int size = sqlite3_column_bytes(statement, column);
    if (const QString* shared = ColorColumns::sharedSmallNumber(text, size))
        return *shared;
    return QString::fromUtf8(text, size);
}

const char* const kIdTimeFormat = "yyMMddhhmmss";

}  // namespace

SqliteRepository::SqliteRepository(const QSqlDatabase& database, QObject* parent)
    : LibraryRepository(parent),
      connection_(database.connectionName()),
      clock_([] { return QDateTime::currentDateTimeUtc(); }) {
    seenVersion_ = dataVersion();
}

SqliteRepository::SqliteRepository(LocalStore& local, QObject* parent)
    : LibraryRepository(parent),
      connection_(local.store().connectionName()),
      local_(&local),
      clock_([] { return QDateTime::currentDateTimeUtc(); }) {
    seenVersion_ = dataVersion();
}

StoreCause SqliteRepository::causeOf(const QSqlError& error, const QString& filePath) {
    bool numeric = false;
    const int code = error.nativeErrorCode().toInt(&numeric) & 0xff;
    const QString text = error.text().toLower();
    if (numeric) {
        switch (code) {
            case SQLITE_BUSY:
            case SQLITE_LOCKED:
                return StoreCause::Busy;
            case SQLITE_FULL:
                return StoreCause::DiskFull;
            case SQLITE_READONLY:
                return StoreCause::ReadOnly;
            case SQLITE_CORRUPT:
            case SQLITE_NOTADB:
                return StoreCause::Damaged;
            case SQLITE_CANTOPEN: {  // the file, or the journal beside it
                const QFileInfo file(filePath);
                const QFileInfo folder(file.absolutePath());
                if ((file.exists() && !file.isWritable()) || !folder.isWritable())
                    return StoreCause::ReadOnly;
                break;
            }
            default:
                break;
        }
    }
    if (text.contains(QLatin1String("malformed")) || text.contains(QLatin1String("not a database")))
        return StoreCause::Damaged;
    if (text.contains(QLatin1String("disk is full")))
        return StoreCause::DiskFull;
    if (text.contains(QLatin1String("readonly")) || text.contains(QLatin1String("read-only")))
        return StoreCause::ReadOnly;
    if (text.contains(QLatin1String("locked")))
        return StoreCause::Busy;
    return StoreCause::None;
}

void SqliteRepository::setClock(std::function<QDateTime()> clock) {
    clock_ = std::move(clock);
}

bool SqliteRepository::fail(const QString& what, const QString& detail) {
    error_ = what + QStringLiteral(": ") + detail;
    return false;
}

bool SqliteRepository::failed(StoreError step, const QSqlError& error) {
    sqlError_ = error;
    result_ = StoreResult{step, causeOf(error, database().databaseName())};
    return false;
}

bool SqliteRepository::run(QSqlQuery& query, const QString& statement, const QVariantList& values,
                           StoreError step) {
    if (!database().isOpen()) {
        result_ = StoreResult{step, StoreCause::None};
        return fail(QStringLiteral("cannot use the store"), QStringLiteral("it is not open"));
    }
    bool ok = query.prepare(statement);
    if (ok) {
        for (const QVariant& value : values)
            query.addBindValue(value);
        ok = query.exec();
    }
    if (ok)
        return true;
    failed(step, query.lastError());
    return fail(statement.section(QLatin1Char(' '), 0, 1), query.lastError().text());
}

bool SqliteRepository::run(const QString& statement, const QVariantList& values, StoreError step) {
    QSqlQuery query(database());
    return run(query, statement, values, step);
}

std::optional<QVector<Library>> SqliteRepository::libraries() {
    error_.clear();
    result_ = {};
    const QSqlDatabase database = this->database();
    QSqlQuery query(database);
    if (!database.isOpen() || !query.exec(selectLibrary() + QStringLiteral(" ORDER BY id"))) {
        failed(StoreError::QueryLibraries, query.lastError());
        fail(QStringLiteral("cannot read the libraries"), query.lastError().text());
        return std::nullopt;
    }
    QVector<Library> result;
    while (query.next())
        result << libraryAt(query);
    return result;
}

std::optional<Library> SqliteRepository::library(const QString& libraryId) {
    error_.clear();
    result_ = {};
    const QSqlDatabase database = this->database();
    QSqlQuery query(database);
    if (!database.isOpen() ||
        !query.prepare(selectLibrary() +
                       QStringLiteral(" WHERE colorcardid = ? ORDER BY id LIMIT 1"))) {
        result_ = StoreResult{StoreError::QueryLibraries, StoreCause::None};
        fail(QStringLiteral("cannot read the library"), query.lastError().text());
        return std::nullopt;
    }
    query.addBindValue(text(libraryId));
    if (!query.exec()) {
        failed(StoreError::QueryLibraries, query.lastError());
        fail(QStringLiteral("cannot read the library"), query.lastError().text());
        return std::nullopt;
    }
    return query.next() ? libraryAt(query) : Library();
}

std::optional<Library> SqliteRepository::libraryByKey(const QString& name,
                                                      const QString& description) {
    error_.clear();
    result_ = {};
    QSqlQuery query(database());
    if (!run(query,
             selectLibrary() + QStringLiteral(" WHERE colorcardname = ? AND colorcarddesc = ? "
                                              "ORDER BY id LIMIT 1"),
             {text(name), text(description)}, StoreError::QueryLibraries))
        return std::nullopt;
    return query.next() ? libraryAt(query) : Library();
}

// Each row of the library's colours once, straight from SQLite: the
// toolkit's query would turn every cell into a variant first.
bool SqliteRepository::readColours(const QString& libraryId, bool identifiers,
                                   const std::function<void(sqlite3_stmt*)>& row) {
    error_.clear();
    // A colour table that cannot be read is told by its step alone.
    result_ = {};
    const StoreResult unread{StoreError::QueryColors, StoreCause::None};
    sqlite3* db = handleOf(database());
    sqlite3_stmt* statement = nullptr;
    const QByteArray sql = QStringLiteral("SELECT %1colordataname, %2 FROM %3 ORDER BY id")
                               .arg(identifiers ? QStringLiteral("id, colordataid, ") : QString(),
                                    kValueColumns.join(QStringLiteral(", ")), quoted(libraryId))
                               .toUtf8();
    if (!db ||
        sqlite3_prepare_v2(db, sql.constData(), sql.size(), &statement, nullptr) != SQLITE_OK) {
        fail(QStringLiteral("cannot read the colours of %1").arg(libraryId),
             db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("the store is not open"));
        sqlite3_finalize(statement);
        result_ = unread;
        return false;
    }
    int step;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW)
        row(statement);
    sqlite3_finalize(statement);
    if (step != SQLITE_DONE) {
        fail(QStringLiteral("cannot read the colours of %1").arg(libraryId),
             QString::fromUtf8(sqlite3_errmsg(db)));
        result_ = unread;
        return false;
    }
    return true;
}

std::optional<QVector<Colour>> SqliteRepository::colours(const QString& libraryId,
                                                         bool identifiers) {
    QVector<Colour> rows;
    const int first = identifiers ? 2 : 0;
    if (!readColours(libraryId, identifiers, [&](sqlite3_stmt* statement) {
            rows.append(Colour());
            Colour& row = rows.last();
            if (identifiers) {
                row.rowId = sqlite3_column_int(statement, 0);
                row.id = columnText(statement, 1);
            }
            row.name = columnText(statement, first);
            for (int i = 0; i < ColorColumns::ValueCount; ++i)
                row.text(ColorColumns::Column(i)) = columnText(statement, first + 1 + i);
        }))
        return std::nullopt;
    return rows;
}

bool SqliteRepository::colourTexts(const QString& libraryId,
                                   const std::function<void(const StoredColourTexts&)>& row) {
    StoredColourTexts texts;
    return readColours(libraryId, false, [&](sqlite3_stmt* statement) {
        for (int i = 0; i < StoredColourTexts::Count; ++i) {
            // The text first: it may convert the value, and then the size is its text's.
            texts.data[i] = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
            texts.size[i] = sqlite3_column_bytes(statement, i);
        }
        row(texts);
    });
}

std::optional<Tolerance> SqliteRepository::tolerance(const QString& libraryId) {
    QualityStore quality(connection_);
    const auto result = quality.tolerance(libraryId);
    error_ = quality.error();
    return result;
}

std::optional<QVector<HistoryEntry>> SqliteRepository::history(int limit,
                                                               const QString& libraryId) {
    QualityStore quality(connection_);
    const auto result = quality.history(limit, libraryId);
    error_ = quality.error();
    return result;
}

bool SqliteRepository::begin() {
    error_.clear();
    result_ = {};
    // Not nested: the outer transaction's statements would land with this one.
    if (inTransaction_) {
        result_ = StoreResult{StoreError::Begin, StoreCause::None};
        return fail(QStringLiteral("cannot begin"), QStringLiteral("a transaction is open"));
    }
    // The write lock at once (waiting out another writer up to the busy
    // time-out): what is read inside cannot change before the commit.
    inTransaction_ = run(QStringLiteral("BEGIN IMMEDIATE"), {}, StoreError::Begin);
    return inTransaction_;
}

bool SqliteRepository::commit() {
    error_.clear();
    result_ = {};
    if (!inTransaction_)
        return true;
    inTransaction_ = false;
    if (!run(QStringLiteral("COMMIT"), {}, StoreError::Commit)) {
        const QString why = error_;
        const StoreResult result = result_;
        run(QStringLiteral("ROLLBACK"), {}, StoreError::Commit);
        error_ = why;
        result_ = result;
        return false;
    }
    // This connection's own commits leave data_version alone, so the version
    // seen stays: what another connection committed before this transaction
    // began is still told at the next look.
    emit changed();
    return true;
}

void SqliteRepository::rollback() {
    if (!inTransaction_)
        return;
    inTransaction_ = false;
    const QString why = error_;
    const StoreResult result = result_;
    run(QStringLiteral("ROLLBACK"), {}, StoreError::Commit);
    // What failed before is what the caller tells.
    error_ = why;
    result_ = result;
}

QString SqliteRepository::newLibraryId(int number) {
    const QString stamp = (local_ ? local_->store().clockTime() : clock_().toLocalTime())
                              .toString(QLatin1String(kIdTimeFormat));
    // Taken when it names a library row or any table (table names ignore case).
    const auto taken = [this](const QString& id) {
        QSqlQuery query(database());
        if (query.prepare(QStringLiteral("SELECT 1 FROM ColorCard WHERE colorcardid = ?"))) {
            query.addBindValue(id);
            if (query.exec() && query.next())
                return true;
        }
        query.finish();
        if (!query.prepare(SqliteStatements::nameTaken()))
            return false;
        query.addBindValue(id);
        return query.exec() && query.next();
    };
    for (int n = number;; ++n) {
        const QString id = QStringLiteral("ColorCard%1").arg(n) + stamp;
        if (!taken(id))
            return id;
    }
}

QStringList SqliteRepository::newColourIds(const QString& libraryId, int firstNumber, int count) {
    const QString stamp = (local_ ? local_->store().clockTime() : clock_().toLocalTime())
                              .toString(QLatin1String(kIdTimeFormat));
    QSet<QString> existing;
    {
        QSqlQuery query(database());
        if (query.exec(QStringLiteral("SELECT colordataid FROM %1").arg(quoted(libraryId))))
            while (query.next())
                existing.insert(query.value(0).toString());
    }
    QStringList ids;
    for (int n = firstNumber; ids.size() < count; ++n) {
        const QString id = QStringLiteral("ColorData%1").arg(n) + stamp;
        if (!existing.contains(id))
            ids << id;
    }
    return ids;
}

bool SqliteRepository::addLibrary(Library& library) {
    error_.clear();
    QStringList columns;
    for (const QString& column : kValueColumns)
        columns << column + QStringLiteral(" TEXT");
    result_ = {};
    if (!run(SqliteStatements::createLibraryTable(), {}, StoreError::CreateLibraryTable) ||
        !run(SqliteStatements::createColourTable(quoted(library.id),
                                                 columns.join(QStringLiteral(", "))),
             {}, StoreError::CreateColorTable) ||
        !run(QStringLiteral("INSERT INTO ColorCard (colorcardid, meterno, colorcardname, "
                            "colorcarddesc, colorcardcount) VALUES (?, ?, ?, ?, ?)"),
             {text(library.id), text(library.meterNumber), text(library.name),
              text(library.description), text(QStringLiteral("0"))},
             StoreError::InsertLibrary))
        return false;
    const auto stored = this->library(library.id);
    if (!stored)
        return false;
    library.rowId = stored->rowId;
    if (!addColours(library.id, library.colours))
        return false;
    library.count = QString::number(library.colours.size());
    return true;
}

bool SqliteRepository::addColours(const QString& libraryId, QVector<Colour>& colours) {
    return insertColours(libraryId, colours, kValueColumns.size()) && recount(libraryId);
}

bool SqliteRepository::addLabColours(const QString& libraryId, QVector<Colour>& colours) {
    return insertColours(libraryId, colours, 3);
}

bool SqliteRepository::insertColours(const QString& libraryId, QVector<Colour>& colours,
                                     int columns) {
    error_.clear();
    result_ = {};
    const QStringList valueColumns = kValueColumns.mid(0, columns);
    const QString statement =
        QStringLiteral("INSERT INTO %1 (colordataid, colordataname, %2) VALUES (?, ?%3)")
            .arg(quoted(libraryId), valueColumns.join(QStringLiteral(", ")),
                 QStringLiteral(", ?").repeated(valueColumns.size()));
    if (colours.isEmpty())
        return true;
    // Prepared once for every row, and bound and stepped straight in SQLite:
    // the toolkit's query cost as much again as SQLite's own insert.
    sqlite3* db = handleOf(database());
    if (!db) {
        result_ = StoreResult{StoreError::InsertColor, StoreCause::None};
        return fail(QStringLiteral("cannot use the store"), QStringLiteral("it is not open"));
    }
    const auto refused = [&](const QString& what) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(db));
        failed(StoreError::InsertColor,
               QSqlError(QStringLiteral("Unable to execute statement"), message,
                         QSqlError::StatementError, QString::number(sqlite3_errcode(db))));
        return fail(what, message);
    };
    const QByteArray sql = statement.toUtf8();
    sqlite3_stmt* insert = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), sql.size(), &insert, nullptr) != SQLITE_OK) {
        sqlite3_finalize(insert);
        return refused(QStringLiteral("INSERT INTO"));
    }
    // A null text is stored as the empty text, never as NULL.
    const auto bind = [insert](int position, const QString& value) {
        const QByteArray utf8 = value.toUtf8();
        return sqlite3_bind_text(insert, position, utf8.isNull() ? "" : utf8.constData(),
                                 utf8.size(), SQLITE_TRANSIENT) == SQLITE_OK;
    };
    for (Colour& colour : colours) {
        bool bound = bind(1, colour.id) && bind(2, colour.name);
        for (int c = 0; bound && c < columns; ++c)
            bound = bind(3 + c, colour.text(ColorColumns::Column(c)));
        if (!bound || sqlite3_step(insert) != SQLITE_DONE) {
            // The step's own error, before finalizing can report another.
            const bool ok = refused(QStringLiteral("INSERT INTO"));
            sqlite3_finalize(insert);
            return ok;
        }
        colour.rowId = int(sqlite3_last_insert_rowid(db));
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    return true;
}

bool SqliteRepository::recount(const QString& libraryId) {
    error_.clear();
    result_ = {};
    // The count is the table's rows, counted in the statement that sets it.
    return run(QStringLiteral("UPDATE ColorCard SET colorcardcount = (SELECT count(*) FROM %1) "
                              "WHERE colorcardid = ?")
                   .arg(quoted(libraryId)),
               {text(libraryId)}, StoreError::UpdateCount);
}

bool SqliteRepository::replaceColourValues(const QString& libraryId, const QString& colourId,
                                           const QStringList& values) {
    error_.clear();
    result_ = {};
    QStringList assignments;
    for (const QString& column : kValueColumns)
        assignments << column + QStringLiteral(" = ?");
    QVariantList bound;
    for (const QString& value : values)
        bound << text(value);
    bound << text(colourId);
    return run(QStringLiteral("UPDATE %1 SET %2 WHERE colordataid = ?")
                   .arg(quoted(libraryId), assignments.join(QStringLiteral(", "))),
               bound, StoreError::UpdateColor);
}

bool SqliteRepository::renameColour(const QString& libraryId, const QString& colourId,
                                    const QString& name) {
    error_.clear();
    result_ = {};
    return run(QStringLiteral("UPDATE %1 SET colordataname = ? WHERE colordataid = ?")
                   .arg(quoted(libraryId)),
               {text(name), text(colourId)}, StoreError::RenameColor);
}

bool SqliteRepository::removeColour(const QString& libraryId, const QString& colourId) {
    error_.clear();
    result_ = {};
    return run(QStringLiteral("DELETE FROM %1 WHERE colordataid = ?").arg(quoted(libraryId)),
               {text(colourId)}, StoreError::DeleteColor);
}

bool SqliteRepository::stampMeterNumber(const QString& meterNumber) {
    error_.clear();
    result_ = {};
    return run(QStringLiteral("UPDATE ColorCard SET meterno = ?"), {text(meterNumber)},
               StoreError::RenameLibrary);
}

bool SqliteRepository::renameLibrary(const QString& libraryId, const QString& name,
                                     const QString& description) {
    error_.clear();
    result_ = {};
    return run(
        QStringLiteral(
            "UPDATE ColorCard SET colorcardname = ?, colorcarddesc = ? WHERE colorcardid = ?"),
        {text(name), text(description), text(libraryId)}, StoreError::RenameLibrary);
}

bool SqliteRepository::removeLibrary(const QString& libraryId) {
    error_.clear();
    result_ = {};
    return removeLibraryRows(libraryId, true);
}

bool SqliteRepository::removeLibraryRows(const QString& libraryId, bool one) {
    // Removing every library has always required each one's table.
    const QString drop = one && !tableRequired_ ? QStringLiteral("DROP TABLE IF EXISTS %1")
                                                : QStringLiteral("DROP TABLE %1");
    if (!run(drop.arg(quoted(libraryId)), {}, StoreError::DropColorTable) ||
        !run(QStringLiteral("DELETE FROM ColorCard WHERE colorcardid = ?"), {text(libraryId)},
             StoreError::DeleteLibrary))
        return false;
    // Its tolerance and index settings go with it.
    QualityStore quality(connection_);
    if (!quality.removeTolerance(libraryId)) {
        result_ = StoreResult{StoreError::DeleteLibrary, StoreCause::None};
        return fail(QStringLiteral("cannot remove the tolerance"), quality.error());
    }
    IndexSettingsStore settings(connection_);
    if (one && !settings.removeSettings(libraryId)) {
        result_ = StoreResult{StoreError::DeleteLibrary, StoreCause::None};
        return fail(QStringLiteral("cannot remove the index settings"), settings.error());
    }
    return true;
}

bool SqliteRepository::removeAllLibraries() {
    error_.clear();
    result_ = {};
    const auto stored = libraries();
    if (!stored)
        return false;
    for (const Library& library : *stored)
        if (!removeLibraryRows(library.id, false))
            return false;
    return true;
}

bool SqliteRepository::setTolerance(const QString& libraryId, const Tolerance& tolerance) {
    QualityStore quality(connection_);
    const bool ok = quality.setTolerance(libraryId, tolerance);
    error_ = quality.error();
    return ok;
}

bool SqliteRepository::addHistory(HistoryEntry& entry) {
    QualityStore quality(connection_);
    quality.setClock(clock_);
    const bool ok = quality.addHistory(entry);
    error_ = quality.error();
    return ok;
}

qint64 SqliteRepository::dataVersion() {
    const QSqlDatabase database = this->database();
    QSqlQuery query(database);
    if (!database.isOpen() || !query.exec(QStringLiteral("PRAGMA data_version")) || !query.next())
        return -1;
    return query.value(0).toLongLong();
}

bool SqliteRepository::checkForChanges() {
    const qint64 version = dataVersion();
    if (version < 0 || version == seenVersion_)
        return false;
    seenVersion_ = version;
    emit changed();
    return true;
}

}  // namespace colorcard
