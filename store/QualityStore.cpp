// SPDX-License-Identifier: MIT
#include "store/QualityStore.h"

#include <QIODevice>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include "store/QualityRows.h"
#include "store/sqlite/SqliteStatements.h"

namespace colorcard {

using namespace qualityrows;

namespace {

const QString kCreateTolerance = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS QcTolerance (colorcardid TEXT PRIMARY KEY NOT NULL, formula TEXT "
    "NOT NULL, cmcl REAL, cmcc REAL, kl REAL, kc REAL, kh REAL, tolerancelimit REAL NOT NULL)");

// Beside QcTolerance, whose rows stay the library's formula and limit: the
// library's warning level and axis limits (colordataid empty), and whole
// models of standards judged otherwise than their library.
const QString kCreateToleranceModel = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS QcToleranceModel (colorcardid TEXT NOT NULL, colordataid TEXT NOT "
    "NULL, formula TEXT, cmcl REAL, cmcc REAL, kl REAL, kc REAL, kh REAL, tolerancelimit REAL, "
    "warning REAL, dlbelow REAL, dlabove REAL, dcbelow REAL, dcabove REAL, dhbelow REAL, dhabove "
    "REAL, PRIMARY KEY (colorcardid, colordataid))");
const QString kCreateLot = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS QcLot (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT NOT NULL "
    "UNIQUE, note TEXT, operator TEXT, createdat TEXT NOT NULL)");
const QString kCreateHistoryLot = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS QcHistoryLot (historyid INTEGER PRIMARY KEY NOT NULL, lotid "
    "INTEGER NOT NULL)");
const QString kCreateHistoryVerdict = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS QcHistoryVerdict (historyid INTEGER PRIMARY KEY NOT NULL, verdict "
    "TEXT NOT NULL, warning REAL)");

const QString kHistoryColumns = QStringLiteral(
    "id, measuredat, meterno, colorcardid, colorcardname, colordataid, colordataname, stdL, stda, "
    "stdb, L, a, b, readings, sdL, sda, sdb, deltae, formula, cmcl, cmcc, kl, kc, kh, "
    "tolerancelimit, pass");

// The formula from its stored code and parameters; an unknown code reads as
// the default formula.
DifferenceMethod methodFrom(const QString& code, const QVariant& l, const QVariant& c,
                            const QVariant& kL, const QVariant& kC, const QVariant& kH) {
    DifferenceMethod method;
    method.formula = DifferenceMethod::formulaFromCode(code).value_or(DeltaEFormula::Ciede2000);
    method.l = l.isNull() ? 2 : l.toDouble();
    method.c = c.isNull() ? 1 : c.toDouble();
    method.kL = kL.isNull() ? 1 : kL.toDouble();
    method.kC = kC.isNull() ? 1 : kC.toDouble();
    method.kH = kH.isNull() ? 1 : kH.toDouble();
    return method;
}

const QStringList kModelExtras = {QStringLiteral("warning"), QStringLiteral("dlbelow"),
                                  QStringLiteral("dlabove"), QStringLiteral("dcbelow"),
                                  QStringLiteral("dcabove"), QStringLiteral("dhbelow"),
                                  QStringLiteral("dhabove")};

}  // namespace

QualityStore::QualityStore(const QString& connectionName)
    : connection_(connectionName), clock_([] { return QDateTime::currentDateTimeUtc(); }) {}

void QualityStore::setClock(std::function<QDateTime()> clock) {
    clock_ = std::move(clock);
}

bool QualityStore::fail(const QString& what, const QString& detail) {
    error_ = what + QStringLiteral(": ") + detail;
    return false;
}

bool QualityStore::tableExists(const QString& name) {
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(SqliteStatements::tableExists());
    query.addBindValue(name);
    if (!query.exec())
        return fail(QStringLiteral("cannot read the store"), query.lastError().text());
    return query.next();
}

bool QualityStore::ensureTables() {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.isOpen())
        return fail(QStringLiteral("cannot write"), QStringLiteral("the store is not open"));
    QSqlQuery query(db);
    for (const QString& statement : {kCreateTolerance, SqliteStatements::createHistoryTable()}) {
        if (!query.exec(statement))
            return fail(QStringLiteral("cannot create the quality tables"),
                        query.lastError().text());
    }
    return true;
}

bool QualityStore::ensureTable(const QString& statement) {
    if (!ensureTables())
        return false;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (!query.exec(statement))
        return fail(QStringLiteral("cannot create the quality tables"), query.lastError().text());
    return true;
}

std::optional<ToleranceModel> QualityStore::toleranceModel(const QString& libraryId,
                                                           const QString& colourId) {
    error_.clear();
    const bool hasModels = tableExists(QStringLiteral("QcToleranceModel"));
    if (!error_.isEmpty())
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (hasModels && !colourId.isEmpty()) {
        query.prepare(QStringLiteral("SELECT formula, cmcl, cmcc, kl, kc, kh, tolerancelimit, %1 "
                                     "FROM QcToleranceModel WHERE colorcardid = ? AND "
                                     "colordataid = ?")
                          .arg(kModelExtras.join(QStringLiteral(", "))));
        query.addBindValue(libraryId);
        query.addBindValue(colourId);
        if (!query.exec()) {
            fail(QStringLiteral("cannot read the tolerance"), query.lastError().text());
            return std::nullopt;
        }
        if (query.next()) {
            ToleranceModel m;
            m.tolerance =
                Tolerance{methodFrom(query.value(0).toString(), query.value(1), query.value(2),
                                     query.value(3), query.value(4), query.value(5)),
                          query.value(6).toDouble()};
            readExtras(m, query, 7);
            // A row someone else wrote badly must not judge samples.
            if (m.valid())
                return m;
        }
    }
    const std::optional<Tolerance> base = tolerance(libraryId);
    if (!base)
        return std::nullopt;
    ToleranceModel m;
    m.tolerance = *base;
    if (!hasModels)
        return m;
    query.prepare(QStringLiteral("SELECT %1 FROM QcToleranceModel WHERE colorcardid = ? AND "
                                 "colordataid = ''")
                      .arg(kModelExtras.join(QStringLiteral(", "))));
    query.addBindValue(libraryId);
    if (!query.exec()) {
        fail(QStringLiteral("cannot read the tolerance"), query.lastError().text());
        return std::nullopt;
    }
    if (query.next())
        readExtras(m, query, 0);
    // The limit may have been lowered under a warning level by an older program.
    if (!m.valid())
        return ToleranceModel{*base, {}, {}, {}, {}};
    return m;
}

std::optional<bool> QualityStore::hasToleranceOverride(const QString& libraryId,
                                                       const QString& colourId) {
    error_.clear();
    if (!tableExists(QStringLiteral("QcToleranceModel")))
        return error_.isEmpty() ? std::optional<bool>(false) : std::nullopt;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(
        QStringLiteral("SELECT 1 FROM QcToleranceModel WHERE colorcardid = ? AND colordataid = ?"));
    query.addBindValue(libraryId);
    query.addBindValue(colourId);
    if (!query.exec()) {
        fail(QStringLiteral("cannot read the tolerance"), query.lastError().text());
        return std::nullopt;
    }
    return query.next();
}

bool QualityStore::setToleranceModel(const QString& libraryId, const QString& colourId,
                                     const ToleranceModel& model) {
    error_.clear();
    if (!model.valid())
        return fail(QStringLiteral("cannot keep the tolerance"),
                    QStringLiteral("the limits must be positive, the warning level at most the "
                                   "limit"));
    if (colourId.isEmpty() && !setTolerance(libraryId, model.tolerance))
        return false;
    if (!ensureTable(kCreateToleranceModel))
        return false;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(SqliteStatements::replaceRow(
        QStringLiteral("QcToleranceModel"),
        QStringList{QStringLiteral("colorcardid"), QStringLiteral("colordataid"),
                    QStringLiteral("formula"), QStringLiteral("cmcl"), QStringLiteral("cmcc"),
                    QStringLiteral("kl"), QStringLiteral("kc"), QStringLiteral("kh"),
                    QStringLiteral("tolerancelimit")} +
            kModelExtras));
    query.addBindValue(libraryId);
    // Empty, not NULL, for the library's own row.
    query.addBindValue(colourId.isEmpty() ? QStringLiteral("") : colourId);
    // The library's formula and limit live in QcTolerance only.
    const QVariantList method =
        colourId.isEmpty()
            ? QVariantList{QVariant(), QVariant(), QVariant(), QVariant(),
                           QVariant(), QVariant(), QVariant()}
            : methodValues(model.tolerance.method) + QVariantList{model.tolerance.limit};
    for (const QVariant& value : method + extrasValues(model))
        query.addBindValue(value);
    if (!query.exec())
        return fail(QStringLiteral("cannot keep the tolerance"), query.lastError().text());
    return true;
}

bool QualityStore::removeToleranceOverride(const QString& libraryId, const QString& colourId) {
    error_.clear();
    if (!tableExists(QStringLiteral("QcToleranceModel")))
        return error_.isEmpty();
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(
        QStringLiteral("DELETE FROM QcToleranceModel WHERE colorcardid = ? AND colordataid = ?"));
    query.addBindValue(libraryId);
    query.addBindValue(colourId);
    if (!query.exec())
        return fail(QStringLiteral("cannot remove the tolerance"), query.lastError().text());
    return true;
}

bool QualityStore::addLot(Lot& lot) {
    error_.clear();
    lot.name = lot.name.trimmed();
    if (lot.name.isEmpty())
        return fail(QStringLiteral("cannot start the lot"), QStringLiteral("it has no name"));
    if (!ensureTable(kCreateLot))
        return false;
    const QDateTime now = clock_().toUTC();
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral(
        "INSERT INTO QcLot (id, name, note, operator, createdat) VALUES (NULL, ?, ?, ?, ?)"));
    for (const QVariant& value :
         {QVariant(lot.name), QVariant(lot.note), QVariant(lot.operatorName),
          QVariant(now.toString(Qt::ISODateWithMs))})
        query.addBindValue(value);
    if (!query.exec())
        return fail(QStringLiteral("cannot start the lot %1").arg(lot.name),
                    query.lastError().text());
    lot.id = query.lastInsertId().toLongLong();
    lot.created = now;
    return true;
}

std::optional<QVector<Lot>> QualityStore::lots() {
    error_.clear();
    QVector<Lot> result;
    if (!tableExists(QStringLiteral("QcLot")))
        return error_.isEmpty() ? std::optional<QVector<Lot>>(result) : std::nullopt;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (!query.exec(QStringLiteral(
            "SELECT id, name, note, operator, createdat FROM QcLot ORDER BY id DESC"))) {
        fail(QStringLiteral("cannot read the lots"), query.lastError().text());
        return std::nullopt;
    }
    while (query.next())
        result << Lot{query.value(0).toLongLong(), query.value(1).toString(),
                      query.value(2).toString(), query.value(3).toString(),
                      QDateTime::fromString(query.value(4).toString(), Qt::ISODateWithMs).toUTC()};
    return result;
}

std::optional<Tolerance> QualityStore::tolerance(const QString& libraryId) {
    error_.clear();
    if (!tableExists(QStringLiteral("QcTolerance")))
        return error_.isEmpty() ? std::optional<Tolerance>(Tolerance{}) : std::nullopt;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(
        QStringLiteral("SELECT formula, cmcl, cmcc, kl, kc, kh, tolerancelimit FROM "
                       "QcTolerance WHERE colorcardid = ?"));
    query.addBindValue(libraryId);
    if (!query.exec()) {
        fail(QStringLiteral("cannot read the tolerance"), query.lastError().text());
        return std::nullopt;
    }
    if (!query.next())
        return Tolerance{};
    Tolerance result{methodFrom(query.value(0).toString(), query.value(1), query.value(2),
                                query.value(3), query.value(4), query.value(5)),
                     query.value(6).toDouble()};
    // A row someone else wrote badly must not judge samples.
    return result.valid() ? result : Tolerance{};
}

bool QualityStore::setTolerance(const QString& libraryId, const Tolerance& tolerance) {
    error_.clear();
    if (!tolerance.valid())
        return fail(QStringLiteral("cannot keep the tolerance"),
                    QStringLiteral("the formula's parameters and the limit must be positive"));
    if (!ensureTables())
        return false;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(SqliteStatements::replaceRow(
        QStringLiteral("QcTolerance"),
        {QStringLiteral("colorcardid"), QStringLiteral("formula"), QStringLiteral("cmcl"),
         QStringLiteral("cmcc"), QStringLiteral("kl"), QStringLiteral("kc"), QStringLiteral("kh"),
         QStringLiteral("tolerancelimit")}));
    query.addBindValue(libraryId);
    for (const QVariant& value : methodValues(tolerance.method))
        query.addBindValue(value);
    query.addBindValue(tolerance.limit);
    if (!query.exec())
        return fail(QStringLiteral("cannot keep the tolerance"), query.lastError().text());
    return true;
}

bool QualityStore::removeTolerance(const QString& libraryId) {
    error_.clear();
    if (!tableExists(QStringLiteral("QcTolerance")))
        return error_.isEmpty();
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("DELETE FROM QcTolerance WHERE colorcardid = ?"));
    query.addBindValue(libraryId);
    if (!query.exec())
        return fail(QStringLiteral("cannot remove the tolerance"), query.lastError().text());
    if (!tableExists(QStringLiteral("QcToleranceModel")))
        return error_.isEmpty();
    query.prepare(QStringLiteral("DELETE FROM QcToleranceModel WHERE colorcardid = ?"));
    query.addBindValue(libraryId);
    if (!query.exec())
        return fail(QStringLiteral("cannot remove the tolerance"), query.lastError().text());
    return true;
}

bool QualityStore::addHistory(HistoryEntry& entry) {
    error_.clear();
    if (!ensureTables())
        return false;
    const QDateTime now = clock_().toUTC();
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("INSERT INTO QcHistory (%1) VALUES (NULL%2)")
                      .arg(kHistoryColumns, QStringLiteral(", ?").repeated(25)));
    const QVariantList values = QVariantList{now.toString(Qt::ISODateWithMs),
                                             entry.meterNumber,
                                             entry.libraryId,
                                             entry.libraryName,
                                             entry.colourId,
                                             entry.colourName,
                                             entry.standard.L,
                                             entry.standard.a,
                                             entry.standard.b,
                                             entry.sample.L,
                                             entry.sample.a,
                                             entry.sample.b,
                                             entry.readings,
                                             entry.deviation.L,
                                             entry.deviation.a,
                                             entry.deviation.b,
                                             entry.deltaE} +
                                methodValues(entry.tolerance.method) +
                                QVariantList{entry.tolerance.limit, entry.pass ? 1 : 0};
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        return fail(QStringLiteral("cannot keep the measurement"), query.lastError().text());
    entry.id = query.lastInsertId().toLongLong();
    entry.time = now;
    if (entry.lotId > 0) {
        if (!ensureTable(kCreateHistoryLot))
            return false;
        query.prepare(QStringLiteral("INSERT INTO QcHistoryLot (historyid, lotid) VALUES (?, ?)"));
        query.addBindValue(entry.id);
        query.addBindValue(entry.lotId);
        if (!query.exec())
            return fail(QStringLiteral("cannot keep the measurement"), query.lastError().text());
    }
    if (entry.verdict) {
        if (!ensureTable(kCreateHistoryVerdict))
            return false;
        query.prepare(QStringLiteral(
            "INSERT INTO QcHistoryVerdict (historyid, verdict, warning) VALUES (?, ?, ?)"));
        query.addBindValue(entry.id);
        query.addBindValue(verdictCode(*entry.verdict));
        query.addBindValue(optionalValue(entry.warningLevel));
        if (!query.exec())
            return fail(QStringLiteral("cannot keep the measurement"), query.lastError().text());
    }
    return true;
}

std::optional<QVector<QualityStore::HistoryEntry>> QualityStore::history(
    const HistoryFilter& filter) {
    error_.clear();
    QVector<HistoryEntry> entries;
    const bool hasHistory = tableExists(QStringLiteral("QcHistory"));
    // Stores written before lots and WARN have the history without them.
    const bool hasLots = hasHistory && tableExists(QStringLiteral("QcHistoryLot")) &&
                         tableExists(QStringLiteral("QcLot"));
    const bool hasVerdicts = hasHistory && tableExists(QStringLiteral("QcHistoryVerdict"));
    if (!error_.isEmpty())
        return std::nullopt;
    if (!hasHistory || (filter.lotId > 0 && !hasLots))
        return entries;
    QStringList columns;
    for (const QString& column : kHistoryColumns.split(QStringLiteral(", ")))
        columns << QStringLiteral("h.") + column;
    columns << (hasLots ? QStringLiteral("l.id, l.name") : QStringLiteral("NULL, NULL"));
    columns << (hasVerdicts ? QStringLiteral("v.verdict, v.warning")
                            : QStringLiteral("NULL, NULL"));
    QString from = QStringLiteral("QcHistory h");
    if (hasLots)
        from += QStringLiteral(
            " LEFT JOIN QcHistoryLot hl ON hl.historyid = h.id LEFT JOIN QcLot "
            "l ON l.id = hl.lotid");
    if (hasVerdicts)
        from += QStringLiteral(" LEFT JOIN QcHistoryVerdict v ON v.historyid = h.id");
    QStringList where;
    QVariantList values;
    if (filter.lotId > 0) {
        where << QStringLiteral("l.id = ?");
        values << filter.lotId;
    }
    if (!filter.libraryId.isEmpty()) {
        where << QStringLiteral("h.colorcardid = ?");
        values << filter.libraryId;
        if (!filter.colourId.isEmpty()) {
            where << QStringLiteral("h.colordataid = ?");
            values << filter.colourId;
        }
    }
    // The stamps are UTC in one format, so they sort as text.
    if (filter.from.isValid()) {
        where << QStringLiteral("h.measuredat >= ?");
        values << filter.from.toUTC().toString(Qt::ISODateWithMs);
    }
    if (filter.to.isValid()) {
        where << QStringLiteral("h.measuredat <= ?");
        values << filter.to.toUTC().toString(Qt::ISODateWithMs);
    }
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM %2 %3 ORDER BY h.id DESC LIMIT ?")
                      .arg(columns.join(QStringLiteral(", ")), from,
                           where.isEmpty()
                               ? QString()
                               : QStringLiteral("WHERE ") + where.join(QStringLiteral(" AND "))));
    for (const QVariant& value : values)
        query.addBindValue(value);
    query.addBindValue(filter.limit < 0 ? -1 : filter.limit);
    if (!query.exec()) {
        fail(QStringLiteral("cannot read the history"), query.lastError().text());
        return std::nullopt;
    }
    while (query.next()) {
        const auto v = [&query](int i) { return query.value(i); };
        HistoryEntry e;
        e.id = v(0).toLongLong();
        e.time = QDateTime::fromString(v(1).toString(), Qt::ISODateWithMs).toUTC();
        e.meterNumber = v(2).toString();
        e.libraryId = v(3).toString();
        e.libraryName = v(4).toString();
        e.colourId = v(5).toString();
        e.colourName = v(6).toString();
        e.standard = Lab{v(7).toDouble(), v(8).toDouble(), v(9).toDouble()};
        e.sample = Lab{v(10).toDouble(), v(11).toDouble(), v(12).toDouble()};
        e.readings = v(13).toInt();
        e.deviation = Lab{v(14).toDouble(), v(15).toDouble(), v(16).toDouble()};
        e.deltaE = v(17).toDouble();
        e.tolerance.method = methodFrom(v(18).toString(), v(19), v(20), v(21), v(22), v(23));
        e.tolerance.limit = v(24).toDouble();
        e.toleranceKnown = !v(18).isNull() && !v(24).isNull();
        e.pass = v(25).toInt() != 0;
        e.lotId = v(26).toLongLong();
        e.lotName = v(27).toString();
        e.verdict = verdictFromCode(v(28).toString());
        // A verdict that disagrees with the kept pass is not trusted.
        if (e.verdict && (*e.verdict != Verdict::Fail) != e.pass)
            e.verdict.reset();
        e.warningLevel = optionalFrom(v(29));
        entries << e;
    }
    return entries;
}

std::optional<QualityStore::PassRate> QualityStore::passRate(const QString& libraryId) {
    error_.clear();
    if (!tableExists(QStringLiteral("QcHistory"))) {
        if (!error_.isEmpty())
            return std::nullopt;
        return PassRate{};
    }
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(
        QStringLiteral("SELECT count(*), coalesce(sum(pass != 0), 0) FROM QcHistory%1")
            .arg(libraryId.isEmpty() ? QString() : QStringLiteral(" WHERE colorcardid = ?")));
    if (!libraryId.isEmpty())
        query.addBindValue(libraryId);
    if (!query.exec() || !query.next()) {
        fail(QStringLiteral("cannot read the history"), query.lastError().text());
        return std::nullopt;
    }
    return PassRate{query.value(1).toInt(), query.value(0).toInt()};
}

bool QualityStore::clearHistory() {
    error_.clear();
    if (!tableExists(QStringLiteral("QcHistory")))
        return error_.isEmpty();
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (!query.exec(QStringLiteral("DELETE FROM QcHistory")))
        return fail(QStringLiteral("cannot clear the history"), query.lastError().text());
    for (const QString& table :
         {QStringLiteral("QcHistoryLot"), QStringLiteral("QcHistoryVerdict")}) {
        if (!tableExists(table)) {
            if (!error_.isEmpty())
                return false;
            continue;
        }
        if (!query.exec(QStringLiteral("DELETE FROM ") + table))
            return fail(QStringLiteral("cannot clear the history"), query.lastError().text());
    }
    return true;
}

bool QualityStore::writeHistoryCsv(QIODevice& out, const Language& language) {
    const auto entries = history();
    if (!entries)
        return false;
    const QByteArray bytes = historyCsv(*entries, language);
    if (out.write(bytes) != bytes.size())
        return fail(QStringLiteral("cannot write the CSV file"), out.errorString());
    return true;
}

}  // namespace colorcard
