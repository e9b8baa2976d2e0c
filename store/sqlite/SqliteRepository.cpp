// SPDX-License-Identifier: MIT
#include "store/sqlite/SqliteRepository.h"

#include <sqlite3.h>

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "store/QualityStore.h"
#include "store/sqlite/SqliteRows.h"
#include "store/sqlite/SqliteStatements.h"

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

const QString& smallNumber(int value) {
    static const QVector<QString> texts = [] {
        QVector<QString> all;
        for (int n = 0; n <= 255; ++n)
            all << QString::number(n);
        return all;
    }();
    return texts.at(value);
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
    // CMYK and RGB are whole numbers to 255: one shared text each.
    if (size > 0 && size <= 3 && (size == 1 || text[0] != '0')) {
        int value = 0;
        for (int i = 0; i < size && value >= 0; ++i)
            value = text[i] >= '0' && text[i] <= '9' ? value * 10 + (text[i] - '0') : -1;
        if (value >= 0 && value <= 255)
            return smallNumber(value);
    }
    return QString::fromUtf8(text, size);
}

}  // namespace

SqliteRepository::SqliteRepository(const QSqlDatabase& database, QObject* parent)
    : LibraryRepository(parent),
      database_(database),
      clock_([] { return QDateTime::currentDateTimeUtc(); }) {
    seenVersion_ = dataVersion();
}

void SqliteRepository::setClock(std::function<QDateTime()> clock) {
    clock_ = std::move(clock);
}

bool SqliteRepository::fail(const QString& what, const QString& detail) {
    error_ = what + QStringLiteral(": ") + detail;
    return false;
}

bool SqliteRepository::run(const QString& statement, const QVariantList& values) {
    if (!database_.isOpen())
        return fail(QStringLiteral("cannot use the store"), QStringLiteral("it is not open"));
    QSqlQuery query(database_);
    bool ok = query.prepare(statement);
    if (ok) {
        for (const QVariant& value : values)
            query.addBindValue(value);
        ok = query.exec();
    }
    return ok || fail(statement.section(QLatin1Char(' '), 0, 1), query.lastError().text());
}

std::optional<QVector<Library>> SqliteRepository::libraries() {
    error_.clear();
    QSqlQuery query(database_);
    if (!database_.isOpen() || !query.exec(selectLibrary() + QStringLiteral(" ORDER BY id"))) {
        sqlError_ = query.lastError();
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
    QSqlQuery query(database_);
    if (!database_.isOpen() ||
        !query.prepare(selectLibrary() +
                       QStringLiteral(" WHERE colorcardid = ? ORDER BY id LIMIT 1"))) {
        fail(QStringLiteral("cannot read the library"), query.lastError().text());
        return std::nullopt;
    }
    query.addBindValue(text(libraryId));
    if (!query.exec()) {
        sqlError_ = query.lastError();
        fail(QStringLiteral("cannot read the library"), query.lastError().text());
        return std::nullopt;
    }
    return query.next() ? libraryAt(query) : Library();
}

std::optional<QVector<Colour>> SqliteRepository::colours(const QString& libraryId,
                                                         bool identifiers) {
    error_.clear();
    // Straight from SQLite, each row read once into its texts: the toolkit's
    // query would turn every cell into a variant first.
    sqlite3* db = handleOf(database_);
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
        return std::nullopt;
    }
    QVector<Colour> rows;
    const int first = identifiers ? 2 : 0;
    int step;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        rows.append(Colour());
        Colour& row = rows.last();
        if (identifiers) {
            row.rowId = sqlite3_column_int(statement, 0);
            row.id = columnText(statement, 1);
        }
        row.name = columnText(statement, first);
        for (int i = 0; i < ColorColumns::ValueCount; ++i)
            row.text(ColorColumns::Column(i)) = columnText(statement, first + 1 + i);
    }
    sqlite3_finalize(statement);
    if (step != SQLITE_DONE) {
        fail(QStringLiteral("cannot read the colours of %1").arg(libraryId),
             QString::fromUtf8(sqlite3_errmsg(db)));
        return std::nullopt;
    }
    return rows;
}

std::optional<Tolerance> SqliteRepository::tolerance(const QString& libraryId) {
    QualityStore quality(database_.connectionName());
    const auto result = quality.tolerance(libraryId);
    error_ = quality.error();
    return result;
}

std::optional<QVector<HistoryEntry>> SqliteRepository::history(int limit,
                                                               const QString& libraryId) {
    QualityStore quality(database_.connectionName());
    const auto result = quality.history(limit, libraryId);
    error_ = quality.error();
    return result;
}

bool SqliteRepository::begin() {
    error_.clear();
    // The write lock at once: what is read inside cannot change before the commit.
    return run(QStringLiteral("BEGIN IMMEDIATE"));
}

bool SqliteRepository::commit() {
    error_.clear();
    if (!run(QStringLiteral("COMMIT"))) {
        const QString why = error_;
        rollback();
        error_ = why;
        return false;
    }
    // This connection's own commits leave data_version alone: say so here.
    seenVersion_ = dataVersion();
    emit changed();
    return true;
}

void SqliteRepository::rollback() {
    run(QStringLiteral("ROLLBACK"));
}

bool SqliteRepository::addLibrary(Library& library) {
    error_.clear();
    QStringList columns;
    for (const QString& column : kValueColumns)
        columns << column + QStringLiteral(" TEXT");
    if (!run(SqliteStatements::createLibraryTable()) ||
        !run(SqliteStatements::createColourTable(quoted(library.id),
                                                 columns.join(QStringLiteral(", ")))) ||
        !run(QStringLiteral("INSERT INTO ColorCard (colorcardid, meterno, colorcardname, "
                            "colorcarddesc, colorcardcount) VALUES (?, ?, ?, ?, ?)"),
             {text(library.id), text(library.meterNumber), text(library.name),
              text(library.description), text(QStringLiteral("0"))}))
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
    error_.clear();
    const QString statement =
        QStringLiteral("INSERT INTO %1 (colordataid, colordataname, %2) VALUES (?, ?%3)")
            .arg(quoted(libraryId), kValueColumns.join(QStringLiteral(", ")),
                 QStringLiteral(", ?").repeated(kValueColumns.size()));
    for (Colour& colour : colours) {
        QVariantList values{text(colour.id), text(colour.name)};
        for (const QString& value : colour.values())
            values << text(value);
        if (!run(statement, values))
            return false;
        QSqlQuery last(database_);
        if (last.exec(QStringLiteral("SELECT last_insert_rowid()")) && last.next())
            colour.rowId = last.value(0).toInt();
    }
    return run(QStringLiteral("UPDATE ColorCard SET colorcardcount = (SELECT count(*) FROM %1) "
                              "WHERE colorcardid = ?")
                   .arg(quoted(libraryId)),
               {text(libraryId)});
}

bool SqliteRepository::renameLibrary(const QString& libraryId, const QString& name,
                                     const QString& description) {
    error_.clear();
    return run(
        QStringLiteral(
            "UPDATE ColorCard SET colorcardname = ?, colorcarddesc = ? WHERE colorcardid = ?"),
        {text(name), text(description), text(libraryId)});
}

bool SqliteRepository::removeLibrary(const QString& libraryId) {
    error_.clear();
    if (!run(QStringLiteral("DROP TABLE IF EXISTS %1").arg(quoted(libraryId))) ||
        !run(QStringLiteral("DELETE FROM ColorCard WHERE colorcardid = ?"), {text(libraryId)}))
        return false;
    QualityStore quality(database_.connectionName());
    if (!quality.removeTolerance(libraryId))
        return fail(QStringLiteral("cannot remove the tolerance"), quality.error());
    return true;
}

bool SqliteRepository::setTolerance(const QString& libraryId, const Tolerance& tolerance) {
    QualityStore quality(database_.connectionName());
    const bool ok = quality.setTolerance(libraryId, tolerance);
    error_ = quality.error();
    return ok;
}

bool SqliteRepository::addHistory(HistoryEntry& entry) {
    QualityStore quality(database_.connectionName());
    quality.setClock(clock_);
    const bool ok = quality.addHistory(entry);
    error_ = quality.error();
    return ok;
}

qint64 SqliteRepository::dataVersion() {
    QSqlQuery query(database_);
    if (!database_.isOpen() || !query.exec(QStringLiteral("PRAGMA data_version")) || !query.next())
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
