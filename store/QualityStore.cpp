// SPDX-License-Identifier: MIT
#include "store/QualityStore.h"

#include <QIODevice>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include "store/CsvCell.h"
#include "store/sqlite/SqliteStatements.h"
#include "texts/QcTexts.h"

namespace {

const QString kCreateTolerance = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS QcTolerance (colorcardid TEXT PRIMARY KEY NOT NULL, formula TEXT "
    "NOT NULL, cmcl REAL, cmcc REAL, kl REAL, kc REAL, kh REAL, tolerancelimit REAL NOT NULL)");

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

QVariantList methodValues(const DifferenceMethod& method) {
    return {method.code(), method.l, method.c, method.kL, method.kC, method.kH};
}

QString csvField(const QString& value) {
    return CsvCell::field(value);
}

QString decimal(double value) {
    return QString::number(value, 'f', 4);
}

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
    return true;
}

std::optional<QVector<QualityStore::HistoryEntry>> QualityStore::history(int limit,
                                                                         const QString& libraryId) {
    error_.clear();
    QVector<HistoryEntry> entries;
    if (!tableExists(QStringLiteral("QcHistory"))) {
        if (!error_.isEmpty())
            return std::nullopt;
        return entries;
    }
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM QcHistory %2 ORDER BY id DESC LIMIT ?")
                      .arg(kHistoryColumns, libraryId.isEmpty()
                                                ? QString()
                                                : QStringLiteral("WHERE colorcardid = ?")));
    if (!libraryId.isEmpty())
        query.addBindValue(libraryId);
    query.addBindValue(limit < 0 ? -1 : limit);
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
    return true;
}

bool QualityStore::writeHistoryCsv(QIODevice& out, const Language& language) {
    const auto entries = history();
    if (!entries)
        return false;
    using namespace QcText;
    const BilingualText header[] = {
        ColumnTime,      ColumnMeter,      ColumnLibrary,    ColumnStandard,   ColumnStandardL,
        ColumnStandardA, ColumnStandardB,  ColumnSampleL,    ColumnSampleA,    ColumnSampleB,
        ColumnReadings,  ColumnDeviationL, ColumnDeviationA, ColumnDeviationB, ColumnDeltaL,
        ColumnDeltaA,    ColumnDeltaB,     ColumnDeltaE,     ColumnFormula,    ColumnLimit,
        ColumnResult};
    QStringList lines;
    QStringList fields;
    for (const BilingualText& text : header)
        fields << csvField(text.in(language));
    lines << fields.join(QLatin1Char(','));
    for (int i = entries->size() - 1; i >= 0; --i) {
        const HistoryEntry& e = entries->at(i);
        fields = QStringList{
            e.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
            e.meterNumber,
            e.libraryName,
            e.colourName,
            decimal(e.standard.L),
            decimal(e.standard.a),
            decimal(e.standard.b),
            decimal(e.sample.L),
            decimal(e.sample.a),
            decimal(e.sample.b),
            QString::number(e.readings),
            decimal(e.deviation.L),
            decimal(e.deviation.a),
            decimal(e.deviation.b),
            decimal(e.sample.L - e.standard.L),
            decimal(e.sample.a - e.standard.a),
            decimal(e.sample.b - e.standard.b),
            decimal(e.deltaE),
            e.toleranceKnown ? formulaLabel(e.tolerance.method, language)
                             : ToleranceUnknown.in(language),
            e.toleranceKnown ? decimal(e.tolerance.limit) : ToleranceUnknown.in(language),
            (e.pass ? Pass : Fail).in(language)};
        for (QString& field : fields)
            field = csvField(field);
        lines << fields.join(QLatin1Char(','));
    }
    // The byte-order mark tells spreadsheet programs the file is UTF-8.
    const QByteArray bytes =
        "\xEF\xBB\xBF" + (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
    if (out.write(bytes) != bytes.size())
        return fail(QStringLiteral("cannot write the CSV file"), out.errorString());
    return true;
}

bool QualityStore::exportHistoryCsv(const QString& path, const Language& language) {
    error_.clear();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1").arg(path), file.errorString());
    if (!writeHistoryCsv(file, language)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return fail(QStringLiteral("cannot write %1").arg(path), file.errorString());
    return true;
}
