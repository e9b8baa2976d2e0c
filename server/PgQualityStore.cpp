// SPDX-License-Identifier: MIT
#include "server/PgQualityStore.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include "store/QualityRows.h"

namespace colorcard {

using namespace qualityrows;

namespace {

// A null string would bind as NULL; the key columns hold texts.
QVariant text(const QString& value) {
    return value.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(value);
}

// The formula from its code and parameters at column first on; a NULL
// parameter keeps the default, an unknown code reads as the default formula.
DifferenceMethod methodAt(const QSqlQuery& query, int first) {
    DifferenceMethod method;
    method.formula = DifferenceMethod::formulaFromCode(query.value(first).toString())
                         .value_or(DeltaEFormula::Ciede2000);
    double* const parameters[] = {&method.l, &method.c, &method.kL, &method.kC, &method.kH};
    for (int i = 0; i < 5; ++i)
        if (!query.value(first + 1 + i).isNull())
            *parameters[i] = query.value(first + 1 + i).toDouble();
    return method;
}

const char* const kExtras = "warning, dl_below, dl_above, dc_below, dc_above, dh_below, dh_above";

QVariant stamp(const QDateTime& time) {
    return time.toUTC().toMSecsSinceEpoch();
}

QDateTime timeAt(const QVariant& milliseconds) {
    return QDateTime::fromMSecsSinceEpoch(milliseconds.toLongLong(), Qt::UTC);
}

}  // namespace

PgQualityStore::PgQualityStore(const QSqlDatabase& database)
    : database_(database), clock_([] { return QDateTime::currentDateTimeUtc(); }) {}

void PgQualityStore::setClock(std::function<QDateTime()> clock) {
    clock_ = std::move(clock);
}

bool PgQualityStore::fail(const QString& what, const QString& detail) {
    error_ = what + QStringLiteral(": ") + detail;
    return false;
}

bool PgQualityStore::run(QSqlQuery& query, const QString& what, const QString& statement,
                         const QVariantList& values) {
    error_.clear();
    if (!database_.isOpen())
        return fail(what, QStringLiteral("not connected"));
    query.setForwardOnly(true);
    bool ok = query.prepare(statement);
    if (ok) {
        for (const QVariant& value : values)
            query.addBindValue(value);
        ok = query.exec();
    }
    return ok || fail(what, query.lastError().text());
}

std::optional<Tolerance> PgQualityStore::tolerance(const QString& libraryId) {
    QSqlQuery query(database_);
    if (!run(query, QStringLiteral("cannot read the tolerance"),
             QStringLiteral("SELECT t.formula, t.cmc_l, t.cmc_c, t.k_l, t.k_c, t.k_h, "
                            "t.tolerance_limit FROM colorcard.tolerances t JOIN "
                            "colorcard.libraries l ON l.id = t.library_id WHERE l.library_key = ?"),
             {text(libraryId)}))
        return std::nullopt;
    if (!query.next())
        return Tolerance{};
    const Tolerance result{methodAt(query, 0), query.value(6).toDouble()};
    // A row someone else wrote badly must not judge samples.
    return result.valid() ? result : Tolerance{};
}

bool PgQualityStore::setTolerance(const QString& libraryId, const Tolerance& tolerance) {
    const QString what = QStringLiteral("cannot keep the tolerance");
    if (!tolerance.valid())
        return fail(what,
                    QStringLiteral("the formula's parameters and the limit must be positive"));
    QSqlQuery query(database_);
    if (!run(query, what,
             QStringLiteral(
                 "INSERT INTO colorcard.tolerances (library_id, formula, cmc_l, cmc_c, k_l, k_c, "
                 "k_h, tolerance_limit) SELECT id, ?, ?, ?, ?, ?, ?, ? FROM colorcard.libraries "
                 "WHERE library_key = ? ON CONFLICT (library_id) DO UPDATE SET formula = "
                 "EXCLUDED.formula, cmc_l = EXCLUDED.cmc_l, cmc_c = EXCLUDED.cmc_c, k_l = "
                 "EXCLUDED.k_l, k_c = EXCLUDED.k_c, k_h = EXCLUDED.k_h, tolerance_limit = "
                 "EXCLUDED.tolerance_limit"),
             methodValues(tolerance.method) + QVariantList{tolerance.limit, text(libraryId)}))
        return false;
    if (query.numRowsAffected() == 0)
        return fail(what, QStringLiteral("no library %1 on the server").arg(libraryId));
    return true;
}

std::optional<ToleranceModel> PgQualityStore::toleranceModel(const QString& libraryId,
                                                             const QString& colourId) {
    const QString what = QStringLiteral("cannot read the tolerance");
    QSqlQuery query(database_);
    if (!colourId.isEmpty()) {
        if (!run(query, what,
                 QStringLiteral("SELECT formula, cmc_l, cmc_c, k_l, k_c, k_h, tolerance_limit, "
                                "%1 FROM colorcard.tolerance_models WHERE library_key = ? AND "
                                "colour_key = ?")
                     .arg(QLatin1String(kExtras)),
                 {text(libraryId), text(colourId)}))
            return std::nullopt;
        if (query.next() && !query.value(0).isNull()) {
            ToleranceModel m;
            m.tolerance = Tolerance{methodAt(query, 0), query.value(6).toDouble()};
            readExtras(m, query, 7);
            if (m.valid())
                return m;
        }
    }
    const std::optional<Tolerance> base = tolerance(libraryId);
    if (!base)
        return std::nullopt;
    ToleranceModel m;
    m.tolerance = *base;
    if (!run(query, what,
             QStringLiteral("SELECT %1 FROM colorcard.tolerance_models WHERE library_key = ? AND "
                            "colour_key = ''")
                 .arg(QLatin1String(kExtras)),
             {text(libraryId)}))
        return std::nullopt;
    if (query.next())
        readExtras(m, query, 0);
    // A limit lowered under the warning level leaves the plain tolerance.
    return m.valid() ? m : ToleranceModel{*base, {}, {}, {}, {}};
}

std::optional<bool> PgQualityStore::hasToleranceOverride(const QString& libraryId,
                                                         const QString& colourId) {
    QSqlQuery query(database_);
    if (!run(query, QStringLiteral("cannot read the tolerance"),
             QStringLiteral("SELECT 1 FROM colorcard.tolerance_models WHERE library_key = ? AND "
                            "colour_key = ? AND colour_key <> ''"),
             {text(libraryId), text(colourId)}))
        return std::nullopt;
    return query.next();
}

bool PgQualityStore::setToleranceModel(const QString& libraryId, const QString& colourId,
                                       const ToleranceModel& model) {
    const QString what = QStringLiteral("cannot keep the tolerance");
    if (!model.valid())
        return fail(what, QStringLiteral("the limits must be positive, the warning level at most "
                                         "the limit"));
    // The library's formula and limit are its tolerance; the row beside it
    // keeps the rest. Both land together.
    const bool ownTransaction = colourId.isEmpty() && database_.transaction();
    if (colourId.isEmpty() && !setTolerance(libraryId, model.tolerance)) {
        if (ownTransaction)
            database_.rollback();
        return false;
    }
    const QVariantList method =
        colourId.isEmpty()
            ? QVariantList{QVariant(), QVariant(), QVariant(), QVariant(),
                           QVariant(), QVariant(), QVariant()}
            : methodValues(model.tolerance.method) + QVariantList{model.tolerance.limit};
    QSqlQuery query(database_);
    const bool ok = run(
        query, what,
        QStringLiteral(
            "INSERT INTO colorcard.tolerance_models (library_key, colour_key, formula, cmc_l, "
            "cmc_c, k_l, k_c, k_h, tolerance_limit, %1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
            "?, ?, ?, ?, ?) ON CONFLICT (library_key, colour_key) DO UPDATE SET formula = "
            "EXCLUDED.formula, cmc_l = EXCLUDED.cmc_l, cmc_c = EXCLUDED.cmc_c, k_l = "
            "EXCLUDED.k_l, k_c = EXCLUDED.k_c, k_h = EXCLUDED.k_h, tolerance_limit = "
            "EXCLUDED.tolerance_limit, warning = EXCLUDED.warning, dl_below = EXCLUDED.dl_below, "
            "dl_above = EXCLUDED.dl_above, dc_below = EXCLUDED.dc_below, dc_above = "
            "EXCLUDED.dc_above, dh_below = EXCLUDED.dh_below, dh_above = EXCLUDED.dh_above")
            .arg(QLatin1String(kExtras)),
        QVariantList{text(libraryId), text(colourId)} + method + extrasValues(model));
    if (!ownTransaction)
        return ok;
    if (ok && database_.commit())
        return true;
    const QString why = ok ? database_.lastError().text() : error_;
    database_.rollback();
    return fail(what, why);
}

bool PgQualityStore::removeToleranceOverride(const QString& libraryId, const QString& colourId) {
    QSqlQuery query(database_);
    return run(query, QStringLiteral("cannot remove the tolerance"),
               QStringLiteral("DELETE FROM colorcard.tolerance_models WHERE library_key = ? AND "
                              "colour_key = ? AND colour_key <> ''"),
               {text(libraryId), text(colourId)});
}

bool PgQualityStore::addLot(Lot& lot) {
    lot.name = lot.name.trimmed();
    if (lot.name.isEmpty())
        return fail(QStringLiteral("cannot start the lot"), QStringLiteral("it has no name"));
    const QDateTime now = clock_().toUTC();
    QSqlQuery query(database_);
    if (!run(query, QStringLiteral("cannot start the lot %1").arg(lot.name),
             QStringLiteral("INSERT INTO colorcard.lots (name, note, operator_name, created_at) "
                            "VALUES (?, ?, ?, to_timestamp(?::bigint / 1000.0)) RETURNING id"),
             {text(lot.name), text(lot.note), text(lot.operatorName), stamp(now)}))
        return false;
    if (!query.next())
        return fail(QStringLiteral("cannot start the lot %1").arg(lot.name),
                    QStringLiteral("no row"));
    lot.id = query.value(0).toLongLong();
    lot.created = now;
    return true;
}

std::optional<QVector<Lot>> PgQualityStore::lots() {
    QSqlQuery query(database_);
    if (!run(query, QStringLiteral("cannot read the lots"),
             QStringLiteral("SELECT id, name, note, operator_name, "
                            "(extract(epoch FROM created_at) * 1000)::bigint FROM colorcard.lots "
                            "ORDER BY id DESC")))
        return std::nullopt;
    QVector<Lot> result;
    while (query.next())
        result << Lot{query.value(0).toLongLong(), query.value(1).toString(),
                      query.value(2).toString(), query.value(3).toString(), timeAt(query.value(4))};
    return result;
}

bool PgQualityStore::addHistory(HistoryEntry& entry) {
    const QString what = QStringLiteral("cannot keep the measurement");
    const QDateTime now = clock_().toUTC();
    const DifferenceMethod& m = entry.tolerance.method;
    const bool known = entry.toleranceKnown;
    const auto ifKnown = [known](const QVariant& value) { return known ? value : QVariant(); };
    QSqlQuery query(database_);
    if (!run(query, what,
             QStringLiteral(
                 "INSERT INTO colorcard.comparisons (lot_id, measured_at, meter_number, "
                 "library_key, library_name, colour_key, colour_name, std_l, std_a, std_b, l, a, "
                 "b, readings, sd_l, sd_a, sd_b, delta_e, formula, cmc_l, cmc_c, k_l, k_c, k_h, "
                 "tolerance_limit, pass, verdict, warning) VALUES (?, to_timestamp(?::bigint / "
                 "1000.0), ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                 "?, ?, ?) RETURNING id"),
             {entry.lotId > 0 ? QVariant(entry.lotId) : QVariant(),
              stamp(now),
              text(entry.meterNumber),
              text(entry.libraryId),
              text(entry.libraryName),
              text(entry.colourId),
              text(entry.colourName),
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
              entry.deltaE,
              ifKnown(m.code()),
              ifKnown(m.l),
              ifKnown(m.c),
              ifKnown(m.kL),
              ifKnown(m.kC),
              ifKnown(m.kH),
              ifKnown(entry.tolerance.limit),
              entry.pass,
              entry.verdict ? QVariant(verdictCode(*entry.verdict)) : QVariant(),
              optionalValue(entry.warningLevel)}))
        return false;
    if (!query.next())
        return fail(what, QStringLiteral("no row"));
    entry.id = query.value(0).toLongLong();
    entry.time = now;
    return true;
}

std::optional<QVector<HistoryEntry>> PgQualityStore::history(const HistoryFilter& filter) {
    QStringList where;
    QVariantList values;
    if (filter.lotId > 0) {
        where << QStringLiteral("c.lot_id = ?");
        values << filter.lotId;
    }
    if (!filter.libraryId.isEmpty()) {
        where << QStringLiteral("c.library_key = ?");
        values << text(filter.libraryId);
        if (!filter.colourId.isEmpty()) {
            where << QStringLiteral("c.colour_key = ?");
            values << text(filter.colourId);
        }
    }
    if (filter.from.isValid()) {
        where << QStringLiteral("c.measured_at >= to_timestamp(?::bigint / 1000.0)");
        values << stamp(filter.from);
    }
    if (filter.to.isValid()) {
        where << QStringLiteral("c.measured_at <= to_timestamp(?::bigint / 1000.0)");
        values << stamp(filter.to);
    }
    QSqlQuery query(database_);
    if (!run(query, QStringLiteral("cannot read the history"),
             QStringLiteral(
                 "SELECT c.id, (extract(epoch FROM c.measured_at) * 1000)::bigint, "
                 "c.meter_number, c.library_key, c.library_name, c.colour_key, c.colour_name, "
                 "c.std_l, c.std_a, c.std_b, c.l, c.a, c.b, c.readings, c.sd_l, c.sd_a, c.sd_b, "
                 "c.delta_e, c.formula, c.cmc_l, c.cmc_c, c.k_l, c.k_c, c.k_h, "
                 "c.tolerance_limit, c.pass, l.id, l.name, c.verdict, c.warning FROM "
                 "colorcard.comparisons c LEFT JOIN colorcard.lots l ON l.id = c.lot_id %1 "
                 "ORDER BY c.id DESC %2")
                 .arg(where.isEmpty()
                          ? QString()
                          : QStringLiteral("WHERE ") + where.join(QStringLiteral(" AND ")),
                      filter.limit < 0 ? QString() : QStringLiteral("LIMIT %1").arg(filter.limit)),
             values))
        return std::nullopt;
    QVector<HistoryEntry> entries;
    while (query.next()) {
        const auto v = [&query](int i) { return query.value(i); };
        HistoryEntry e;
        e.id = v(0).toLongLong();
        e.time = timeAt(v(1));
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
        e.toleranceKnown = !v(18).isNull() && !v(24).isNull();
        if (e.toleranceKnown)
            e.tolerance = Tolerance{methodAt(query, 18), v(24).toDouble()};
        e.pass = v(25).toBool();
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

std::optional<PassRate> PgQualityStore::passRate(const QString& libraryId) {
    QSqlQuery query(database_);
    if (!run(query, QStringLiteral("cannot read the history"),
             QStringLiteral("SELECT count(*), count(*) FILTER (WHERE pass) FROM "
                            "colorcard.comparisons%1")
                 .arg(libraryId.isEmpty() ? QString() : QStringLiteral(" WHERE library_key = ?")),
             libraryId.isEmpty() ? QVariantList() : QVariantList{text(libraryId)}))
        return std::nullopt;
    if (!query.next()) {
        fail(QStringLiteral("cannot read the history"), QStringLiteral("no row"));
        return std::nullopt;
    }
    return PassRate{query.value(1).toInt(), query.value(0).toInt()};
}

}  // namespace colorcard
