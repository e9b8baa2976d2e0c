// SPDX-License-Identifier: MIT
#include "server/PgRepository.h"

#include <QHash>
#include <QSet>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QVariant>

namespace colorcard {

namespace {

// The nineteen value columns of the colours table, in the model's order.
const char* const kValueColumns =
    "lab_l, lab_a, lab_b, luv_l, luv_u, luv_v, lch_l, lch_c, lch_h, yxy_y, yxy_x, yxy_y2, "
    "cmyk_c, cmyk_m, cmyk_y, cmyk_k, rgb_r, rgb_g, rgb_b";

const char* const kIdTimeFormat = "yyMMddhhmmss";

// Rows of one INSERT: the server takes up to 65535 bound values a statement.
const int kRowsPerInsert = 500;

// A null string would bind as NULL; the columns hold texts, so bind "".
QVariant text(const QString& value) {
    return value.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(value);
}

QString selectLibrary() {
    return QStringLiteral(
        "SELECT l.id, l.library_key, l.meter_number, l.name, l.description, "
        "(SELECT count(*) FROM colorcard.colours c WHERE c.library_id = l.id), l.version "
        "FROM colorcard.libraries l");
}

Library libraryAt(const QSqlQuery& query) {
    Library library;
    library.rowId = query.value(0).toInt();
    library.id = query.value(1).toString();
    library.meterNumber = query.value(2).toString();
    library.name = query.value(3).toString();
    library.description = query.value(4).toString();
    library.count = query.value(5).toString();
    library.version = query.value(6).toInt();
    return library;
}

QVariant optionalNumber(bool known, double value) {
    return known ? QVariant(value) : QVariant();
}

// cmc_l, cmc_c, k_l, k_c, k_h from column first on; a NULL (a parameter the
// formula does not use) keeps the default.
void readParameters(const QSqlQuery& query, int first, DifferenceMethod& method) {
    double* const parameters[] = {&method.l, &method.c, &method.kL, &method.kC, &method.kH};
    for (int i = 0; i < 5; ++i)
        if (!query.value(first + i).isNull())
            *parameters[i] = query.value(first + i).toDouble();
}

}  // namespace

PgRepository::PgRepository(const QSqlDatabase& database, QObject* parent)
    : LibraryRepository(parent),
      database_(database),
      clock_([] { return QDateTime::currentDateTimeUtc(); }) {
    seenToken_ = changeToken();
    if (QSqlDriver* driver = database_.driver()) {
        driver->subscribeToNotification(QStringLiteral("colorcard"));
        using Notice =
            void (QSqlDriver::*)(const QString&, QSqlDriver::NotificationSource, const QVariant&);
        connect(driver, static_cast<Notice>(&QSqlDriver::notification), this,
                [this](const QString& name, QSqlDriver::NotificationSource source,
                       const QVariant&) { noticed(name, int(source)); });
    }
}

void PgRepository::setClock(std::function<QDateTime()> clock) {
    clock_ = std::move(clock);
}

LibraryRepository::Failure PgRepository::failureOf(const QSqlError& error) {
    const QString code = error.nativeErrorCode();
    if (code == QLatin1String("42501"))
        return Failure::Denied;
    // Class 08: connection exceptions; 57P: the server shutting down.
    if (code.startsWith(QLatin1String("08")) || code.startsWith(QLatin1String("57P")) ||
        error.type() == QSqlError::ConnectionError)
        return Failure::Unreachable;
    // A connection lost between statements comes back without a code.
    const QString text = error.text();
    if (code.isEmpty() && (text.contains(QLatin1String("connection"), Qt::CaseInsensitive) ||
                           text.contains(QLatin1String("server closed"), Qt::CaseInsensitive)))
        return Failure::Unreachable;
    return Failure::Other;
}

bool PgRepository::fail(const QString& what, const QString& detail, Failure failure) {
    error_ = what + QStringLiteral(": ") + detail;
    failure_ = failure;
    return false;
}

bool PgRepository::failQuery(const QString& what, const QSqlError& error) {
    return fail(what, error.text(), failureOf(error));
}

bool PgRepository::told(StoreError step, bool ok) {
    result_ = ok ? StoreResult{} : StoreResult{step, StoreCause::None};
    return ok;
}

bool PgRepository::run(QSqlQuery& query, const QString& statement, const QVariantList& values) {
    if (!database_.isOpen())
        return fail(QStringLiteral("cannot use the server"), QStringLiteral("not connected"),
                    Failure::Unreachable);
    query.setForwardOnly(true);
    bool ok = query.prepare(statement);
    if (ok) {
        for (const QVariant& value : values)
            query.addBindValue(value);
        ok = query.exec();
    }
    return ok || failQuery(statement.section(QLatin1Char(' '), 0, 2), query.lastError());
}

bool PgRepository::run(const QString& statement, const QVariantList& values) {
    QSqlQuery query(database_);
    return run(query, statement, values);
}

std::optional<QVector<Library>> PgRepository::libraries() {
    error_.clear();
    failure_ = Failure::None;
    QSqlQuery query(database_);
    result_ = {};
    if (!run(query, selectLibrary() + QStringLiteral(" ORDER BY l.id"))) {
        told(StoreError::QueryLibraries, false);
        error_.prepend(QStringLiteral("cannot read the libraries: "));
        return std::nullopt;
    }
    QVector<Library> result;
    while (query.next())
        result << libraryAt(query);
    return result;
}

std::optional<Library> PgRepository::library(const QString& libraryId) {
    error_.clear();
    failure_ = Failure::None;
    QSqlQuery query(database_);
    result_ = {};
    if (!run(query, selectLibrary() + QStringLiteral(" WHERE l.library_key = ?"),
             {text(libraryId)})) {
        told(StoreError::QueryLibraries, false);
        error_.prepend(QStringLiteral("cannot read the library: "));
        return std::nullopt;
    }
    return query.next() ? libraryAt(query) : Library();
}

std::optional<Library> PgRepository::libraryByKey(const QString& name, const QString& description) {
    error_.clear();
    failure_ = Failure::None;
    result_ = {};
    QSqlQuery query(database_);
    if (!run(query,
             selectLibrary() +
                 QStringLiteral(" WHERE l.name = ? AND l.description = ? ORDER BY l.id LIMIT 1"),
             {text(name), text(description)})) {
        told(StoreError::QueryLibraries, false);
        error_.prepend(QStringLiteral("cannot read the library: "));
        return std::nullopt;
    }
    return query.next() ? libraryAt(query) : Library();
}

std::optional<QVector<Colour>> PgRepository::colours(const QString& libraryId, bool identifiers) {
    error_.clear();
    failure_ = Failure::None;
    const auto stored = library(libraryId);
    if (!stored || !stored->isStored()) {
        if (stored)
            fail(QStringLiteral("cannot read the colours of %1").arg(libraryId),
                 QStringLiteral("no such library"));
        told(StoreError::QueryColors, false);
        return std::nullopt;
    }
    QSqlQuery query(database_);
    if (!run(query,
             QStringLiteral("SELECT id, colour_key, name, %1 FROM colorcard.colours WHERE "
                            "library_id = ? ORDER BY position, id")
                 .arg(QLatin1String(kValueColumns)),
             {stored->rowId})) {
        told(StoreError::QueryColors, false);
        error_.prepend(QStringLiteral("cannot read the colours of %1: ").arg(libraryId));
        return std::nullopt;
    }
    QVector<Colour> rows;
    while (query.next()) {
        Colour row;
        if (identifiers) {
            row.rowId = query.value(0).toInt();
            row.id = query.value(1).toString();
        }
        row.name = query.value(2).toString();
        for (int i = 0; i < ColorColumns::ValueCount; ++i)
            row.text(ColorColumns::Column(i)) = query.value(3 + i).toString();
        rows << row;
    }
    return rows;
}

std::optional<Tolerance> PgRepository::tolerance(const QString& libraryId) {
    error_.clear();
    failure_ = Failure::None;
    QSqlQuery query(database_);
    if (!run(query,
             QStringLiteral("SELECT t.formula, t.cmc_l, t.cmc_c, t.k_l, t.k_c, t.k_h, "
                            "t.tolerance_limit FROM colorcard.tolerances t JOIN "
                            "colorcard.libraries l ON l.id = t.library_id WHERE l.library_key = ?"),
             {text(libraryId)})) {
        error_.prepend(QStringLiteral("cannot read the tolerance: "));
        return std::nullopt;
    }
    if (!query.next())
        return Tolerance{};
    Tolerance tolerance;
    const auto formula = DifferenceMethod::formulaFromCode(query.value(0).toString());
    if (!formula) {
        fail(QStringLiteral("cannot read the tolerance"),
             QStringLiteral("unknown formula %1").arg(query.value(0).toString()));
        return std::nullopt;
    }
    tolerance.method.formula = *formula;
    readParameters(query, 1, tolerance.method);
    tolerance.limit = query.value(6).toDouble();
    return tolerance;
}

std::optional<QVector<HistoryEntry>> PgRepository::history(int limit, const QString& libraryId) {
    error_.clear();
    failure_ = Failure::None;
    QSqlQuery query(database_);
    QVariantList values;
    if (!libraryId.isEmpty())
        values << text(libraryId);
    if (!run(query,
             QStringLiteral(
                 "SELECT id, (extract(epoch FROM measured_at) * 1000)::bigint, meter_number, "
                 "library_key, library_name, colour_key, colour_name, std_l, std_a, std_b, l, a, "
                 "b, readings, sd_l, sd_a, sd_b, delta_e, formula, cmc_l, cmc_c, k_l, k_c, k_h, "
                 "tolerance_limit, pass FROM colorcard.comparisons %1 ORDER BY id DESC %2")
                 .arg(libraryId.isEmpty() ? QString() : QStringLiteral("WHERE library_key = ?"),
                      limit < 0 ? QString() : QStringLiteral("LIMIT %1").arg(limit)),
             values)) {
        error_.prepend(QStringLiteral("cannot read the history: "));
        return std::nullopt;
    }
    QVector<HistoryEntry> entries;
    while (query.next()) {
        const auto v = [&query](int i) { return query.value(i); };
        HistoryEntry e;
        e.id = v(0).toLongLong();
        e.time = QDateTime::fromMSecsSinceEpoch(v(1).toLongLong(), Qt::UTC);
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
        const auto formula = DifferenceMethod::formulaFromCode(v(18).toString());
        e.toleranceKnown = !v(18).isNull() && formula.has_value();
        if (e.toleranceKnown) {
            e.tolerance.method.formula = *formula;
            readParameters(query, 19, e.tolerance.method);
            e.tolerance.limit = v(24).toDouble();
        }
        e.pass = v(25).toBool();
        entries << e;
    }
    return entries;
}

bool PgRepository::begin() {
    error_.clear();
    failure_ = Failure::None;
    result_ = {};
    if (inTransaction_) {
        told(StoreError::Begin, false);
        return fail(QStringLiteral("cannot begin"), QStringLiteral("a transaction is open"));
    }
    if (!database_.isOpen() || !database_.transaction()) {
        told(StoreError::Begin, false);
        return failQuery(QStringLiteral("cannot begin"), database_.lastError());
    }
    inTransaction_ = true;
    return true;
}

bool PgRepository::commit() {
    error_.clear();
    failure_ = Failure::None;
    result_ = {};
    inTransaction_ = false;
    if (!database_.commit()) {
        told(StoreError::Commit, false);
        failQuery(QStringLiteral("cannot commit"), database_.lastError());
        const QString why = error_;
        const Failure failure = failure_;
        database_.rollback();
        error_ = why;
        failure_ = failure;
        return false;
    }
    seenToken_ = changeToken();
    emit changed();
    return true;
}

void PgRepository::rollback() {
    if (!inTransaction_)
        return;
    inTransaction_ = false;
    database_.rollback();
}

QString PgRepository::newLibraryId(int number) {
    const QString stamp = clock_().toLocalTime().toString(QLatin1String(kIdTimeFormat));
    // Keys compare without case, as the file's table names do: a library
    // copied between the two keeps its key.
    const auto taken = [this](const QString& id) {
        QSqlQuery query(database_);
        return run(query,
                   QStringLiteral(
                       "SELECT 1 FROM colorcard.libraries WHERE lower(library_key) = lower(?)"),
                   {id}) &&
               query.next();
    };
    for (int n = number;; ++n) {
        const QString id = QStringLiteral("ColorCard%1").arg(n) + stamp;
        if (!taken(id))
            return id;
    }
}

QStringList PgRepository::newColourIds(const QString& libraryId, int firstNumber, int count) {
    const QString stamp = clock_().toLocalTime().toString(QLatin1String(kIdTimeFormat));
    QSet<QString> existing;
    QSqlQuery query(database_);
    if (run(query,
            QStringLiteral("SELECT c.colour_key FROM colorcard.colours c JOIN "
                           "colorcard.libraries l ON l.id = c.library_id WHERE l.library_key = ?"),
            {text(libraryId)}))
        while (query.next())
            existing.insert(query.value(0).toString());
    QStringList ids;
    for (int n = firstNumber; ids.size() < count; ++n) {
        const QString id = QStringLiteral("ColorData%1").arg(n) + stamp;
        if (!existing.contains(id))
            ids << id;
    }
    return ids;
}

void PgRepository::wrote() {
    if (inTransaction_)
        return;
    seenToken_ = changeToken();
    emit changed();
}

bool PgRepository::addLibrary(Library& library) {
    error_.clear();
    failure_ = Failure::None;
    // The colours land with the library or not at all.
    const bool alone = !inTransaction_;
    if (alone && !begin())
        return false;
    const bool ok = [&] {
        QSqlQuery query(database_);
        if (!run(query,
                 QStringLiteral("INSERT INTO colorcard.libraries (library_key, meter_number, "
                                "name, description) VALUES (?, ?, ?, ?) RETURNING id"),
                 {text(library.id), text(library.meterNumber), text(library.name),
                  text(library.description)}))
            return false;
        if (!query.next())
            return fail(QStringLiteral("cannot add the library"), QStringLiteral("no row"));
        library.rowId = query.value(0).toInt();
        if (!addColours(library.id, library.colours))
            return false;
        // The colours' trigger raised the version: the one a later edit names.
        QSqlQuery version(database_);
        if (!run(version, QStringLiteral("SELECT version FROM colorcard.libraries WHERE id = ?"),
                 {library.rowId}) ||
            !version.next())
            return false;
        library.version = version.value(0).toInt();
        library.count = QString::number(library.colours.size());
        return true;
    }();
    told(StoreError::InsertLibrary, ok);
    return finish(alone, ok);
}

bool PgRepository::finish(bool alone, bool ok) {
    if (!alone)
        return ok;
    if (ok)
        return commit();
    const QString why = error_;
    const Failure failure = failure_;
    rollback();
    error_ = why;
    failure_ = failure;
    return false;
}

bool PgRepository::addColours(const QString& libraryId, QVector<Colour>& colours) {
    error_.clear();
    failure_ = Failure::None;
    const bool alone = !inTransaction_;
    if (alone && !begin())
        return false;
    const bool ok = [&] {
        // The library row stays locked to the commit: benches adding at
        // once take turns, and positions never collide.
        QSqlQuery lock(database_);
        if (!run(lock,
                 QStringLiteral("SELECT l.id, COALESCE((SELECT max(position) FROM "
                                "colorcard.colours c WHERE c.library_id = l.id), 0) FROM "
                                "colorcard.libraries l WHERE l.library_key = ? FOR UPDATE"),
                 {text(libraryId)}))
            return false;
        if (!lock.next())
            return fail(QStringLiteral("cannot add colours to %1").arg(libraryId),
                        QStringLiteral("no such library"), Failure::Stale);
        const qint64 rowId = lock.value(0).toLongLong();
        int position = lock.value(1).toInt();
        // The values go as literals: a statement of thousands of bound values
        // costs the driver far more than the server. E'' strings read the
        // same whatever standard_conforming_strings says.
        bool nul = false;
        const auto literal = [&nul](const QString& value) {
            QString inner = value;
            nul = nul || inner.contains(QChar(0));
            inner.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
            inner.replace(QLatin1Char('\''), QLatin1String("''"));
            return QLatin1String("E'") + inner + QLatin1Char('\'');
        };
        for (int first = 0; first < colours.size(); first += kRowsPerInsert) {
            const int count = std::min(kRowsPerInsert, int(colours.size()) - first);
            QString statement = QStringLiteral(
                                    "INSERT INTO colorcard.colours (library_id, "
                                    "colour_key, position, name, %1) VALUES ")
                                    .arg(QLatin1String(kValueColumns));
            QHash<int, int> indexOfPosition;
            for (int i = first; i < first + count; ++i) {
                const Colour& colour = colours.at(i);
                if (i > first)
                    statement += QLatin1Char(',');
                statement += QLatin1Char('(') + QString::number(rowId) + QLatin1Char(',') +
                             literal(colour.id) + QLatin1Char(',') + QString::number(++position) +
                             QLatin1Char(',') + literal(colour.name);
                for (int c = 0; c < ColorColumns::ValueCount; ++c)
                    statement += QLatin1Char(',') + literal(colour.text(ColorColumns::Column(c)));
                statement += QLatin1Char(')');
                indexOfPosition.insert(position, i);
            }
            statement += QStringLiteral(" RETURNING id, position");
            if (nul)
                return fail(QStringLiteral("cannot add colours to %1").arg(libraryId),
                            QStringLiteral("a text holds a NUL character"));
            QSqlQuery insert(database_);
            insert.setForwardOnly(true);
            if (!insert.exec(statement))
                return failQuery(QStringLiteral("INSERT INTO colorcard.colours"),
                                 insert.lastError());
            while (insert.next())
                colours[indexOfPosition.value(insert.value(1).toInt())].rowId =
                    insert.value(0).toInt();
        }
        return true;
    }();
    told(StoreError::InsertColor, ok);
    return finish(alone, ok);
}

bool PgRepository::addLabColours(const QString& libraryId, QVector<Colour>& colours) {
    // The values not given are empty texts already.
    return addColours(libraryId, colours);
}

bool PgRepository::recount(const QString& libraryId) {
    Q_UNUSED(libraryId);
    // The server keeps no count: every read counts the colours held.
    error_.clear();
    failure_ = Failure::None;
    result_ = {};
    return true;
}

bool PgRepository::changeColour(StoreError step, const QString& statement,
                                const QVariantList& values) {
    error_.clear();
    failure_ = Failure::None;
    QSqlQuery query(database_);
    if (!told(step, run(query, statement, values)))
        return false;
    if (query.numRowsAffected() == 0) {
        told(step, false);
        return fail(QStringLiteral("cannot change the colour"),
                    QStringLiteral("no such colour or library"), Failure::Stale);
    }
    wrote();
    return true;
}

bool PgRepository::replaceColourValues(const QString& libraryId, const QString& colourId,
                                       const QStringList& values) {
    QString assignments = QString::fromLatin1(kValueColumns);
    assignments.replace(QLatin1String(","), QLatin1String(" = ?,"));
    QVariantList bound;
    for (int c = 0; c < ColorColumns::ValueCount; ++c)
        bound << text(values.value(c));
    bound << text(libraryId) << text(colourId);
    return changeColour(StoreError::UpdateColor,
                        QStringLiteral("UPDATE colorcard.colours SET %1 = ? WHERE library_id = "
                                       "(SELECT id FROM colorcard.libraries WHERE library_key = "
                                       "?) AND colour_key = ?")
                            .arg(assignments),
                        bound);
}

bool PgRepository::renameColour(const QString& libraryId, const QString& colourId,
                                const QString& name) {
    return changeColour(StoreError::RenameColor,
                        QStringLiteral("UPDATE colorcard.colours SET name = ? WHERE library_id = "
                                       "(SELECT id FROM colorcard.libraries WHERE library_key = "
                                       "?) AND colour_key = ?"),
                        {text(name), text(libraryId), text(colourId)});
}

bool PgRepository::removeColour(const QString& libraryId, const QString& colourId) {
    return changeColour(StoreError::DeleteColor,
                        QStringLiteral("DELETE FROM colorcard.colours WHERE library_id = (SELECT "
                                       "id FROM colorcard.libraries WHERE library_key = ?) AND "
                                       "colour_key = ?"),
                        {text(libraryId), text(colourId)});
}

bool PgRepository::stampMeterNumber(const QString& meterNumber) {
    error_.clear();
    failure_ = Failure::None;
    // Libraries stamped already keep their version.
    if (!told(StoreError::RenameLibrary,
              run(QStringLiteral("UPDATE colorcard.libraries SET meter_number = ? WHERE "
                                 "meter_number <> ?"),
                  {text(meterNumber), text(meterNumber)})))
        return false;
    wrote();
    return true;
}

bool PgRepository::removeAllLibraries() {
    error_.clear();
    failure_ = Failure::None;
    const bool alone = !inTransaction_;
    if (alone && !begin())
        return false;
    // Each library is copied first, as when it is removed on its own.
    const bool ok =
        run(QStringLiteral(
            "INSERT INTO colorcard.library_backups (library_key, cause, library, colours) "
            "SELECT l.library_key, 'remove', to_jsonb(l), COALESCE((SELECT "
            "jsonb_agg(to_jsonb(c) ORDER BY c.position, c.id) FROM colorcard.colours c "
            "WHERE c.library_id = l.id), '[]'::jsonb) FROM colorcard.libraries l")) &&
        run(QStringLiteral("DELETE FROM colorcard.libraries"));
    told(StoreError::DeleteLibrary, ok);
    return finish(alone, ok);
}

bool PgRepository::expectVersion(const QString& libraryId, int version) {
    error_.clear();
    failure_ = Failure::None;
    QSqlQuery query(database_);
    if (!run(query,
             QStringLiteral(
                 "SELECT version FROM colorcard.libraries WHERE library_key = ? FOR UPDATE"),
             {text(libraryId)}))
        return false;
    if (!query.next())
        return fail(QStringLiteral("library %1 changed").arg(libraryId),
                    QStringLiteral("another bench removed it"), Failure::Stale);
    const int now = query.value(0).toInt();
    if (now != version)
        return fail(QStringLiteral("library %1 changed").arg(libraryId),
                    QStringLiteral("it is at version %1, the edit was made from version %2")
                        .arg(now)
                        .arg(version),
                    Failure::Stale);
    return true;
}

bool PgRepository::renameLibrary(const QString& libraryId, const QString& name,
                                 const QString& description) {
    error_.clear();
    failure_ = Failure::None;
    if (!told(StoreError::RenameLibrary,
              run(QStringLiteral("UPDATE colorcard.libraries SET name = ?, description = ? WHERE "
                                 "library_key = ?"),
                  {text(name), text(description), text(libraryId)})))
        return false;
    wrote();
    return true;
}

bool PgRepository::removeLibrary(const QString& libraryId) {
    error_.clear();
    failure_ = Failure::None;
    const bool alone = !inTransaction_;
    if (alone && !begin())
        return false;
    // A copy first (the server keeps the last twenty of each library), then
    // the library; its colours and tolerance go with it.
    const bool ok =
        run(QStringLiteral(
                "INSERT INTO colorcard.library_backups (library_key, cause, library, colours) "
                "SELECT l.library_key, 'remove', to_jsonb(l), COALESCE((SELECT "
                "jsonb_agg(to_jsonb(c) ORDER BY c.position, c.id) FROM colorcard.colours c "
                "WHERE c.library_id = l.id), '[]'::jsonb) FROM colorcard.libraries l WHERE "
                "l.library_key = ?"),
            {text(libraryId)}) &&
        run(QStringLiteral("DELETE FROM colorcard.libraries WHERE library_key = ?"),
            {text(libraryId)});
    told(StoreError::DeleteLibrary, ok);
    return finish(alone, ok);
}

bool PgRepository::setTolerance(const QString& libraryId, const Tolerance& tolerance) {
    error_.clear();
    failure_ = Failure::None;
    const DifferenceMethod& m = tolerance.method;
    const bool cmc = m.formula == DeltaEFormula::Cmc;
    const bool de2000 = m.formula == DeltaEFormula::Ciede2000;
    QSqlQuery query(database_);
    if (!run(query,
             QStringLiteral(
                 "INSERT INTO colorcard.tolerances (library_id, formula, cmc_l, cmc_c, k_l, k_c, "
                 "k_h, tolerance_limit) SELECT id, ?, ?, ?, ?, ?, ?, ? FROM colorcard.libraries "
                 "WHERE library_key = ? ON CONFLICT (library_id) DO UPDATE SET formula = "
                 "EXCLUDED.formula, cmc_l = EXCLUDED.cmc_l, cmc_c = EXCLUDED.cmc_c, k_l = "
                 "EXCLUDED.k_l, k_c = EXCLUDED.k_c, k_h = EXCLUDED.k_h, tolerance_limit = "
                 "EXCLUDED.tolerance_limit"),
             {m.code(), optionalNumber(cmc, m.l), optionalNumber(cmc, m.c),
              optionalNumber(de2000, m.kL), optionalNumber(de2000, m.kC),
              optionalNumber(de2000, m.kH), tolerance.limit, text(libraryId)}))
        return false;
    if (query.numRowsAffected() == 0)
        return fail(QStringLiteral("cannot set the tolerance of %1").arg(libraryId),
                    QStringLiteral("no such library"), Failure::Stale);
    wrote();
    return true;
}

bool PgRepository::addHistory(HistoryEntry& entry) {
    error_.clear();
    failure_ = Failure::None;
    const QDateTime now = clock_().toUTC();
    const DifferenceMethod& m = entry.tolerance.method;
    const bool known = entry.toleranceKnown;
    QSqlQuery query(database_);
    if (!run(query,
             QStringLiteral(
                 "INSERT INTO colorcard.comparisons (measured_at, meter_number, library_key, "
                 "library_name, colour_key, colour_name, std_l, std_a, std_b, l, a, b, readings, "
                 "sd_l, sd_a, sd_b, delta_e, formula, cmc_l, cmc_c, k_l, k_c, k_h, "
                 "tolerance_limit, pass) VALUES (to_timestamp(?::bigint / 1000.0), ?, ?, ?, ?, "
                 "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"),
             {now.toMSecsSinceEpoch(),
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
              known ? QVariant(m.code()) : QVariant(),
              optionalNumber(known, m.l),
              optionalNumber(known, m.c),
              optionalNumber(known, m.kL),
              optionalNumber(known, m.kC),
              optionalNumber(known, m.kH),
              optionalNumber(known, entry.tolerance.limit),
              entry.pass}) ||
        !query.next())
        return failure_ != Failure::None ||
               fail(QStringLiteral("cannot keep the measurement"), QStringLiteral("no row"));
    entry.id = query.value(0).toLongLong();
    entry.time = now;
    wrote();
    return true;
}

QString PgRepository::changeToken() {
    QSqlQuery query(database_);
    if (!database_.isOpen() ||
        !query.exec(QStringLiteral(
            "SELECT (SELECT COALESCE(max(id), 0) FROM colorcard.audit_log) || ':' || (SELECT "
            "count(*) || ':' || COALESCE(sum(version), 0) FROM colorcard.libraries) || ':' || "
            "(SELECT COALESCE(max(id), 0) FROM colorcard.comparisons) || ':' || (SELECT "
            "COALESCE(max(id), 0) FROM colorcard.lots)")) ||
        !query.next())
        return QString();
    return query.value(0).toString();
}

bool PgRepository::checkForChanges() {
    const QString token = changeToken();
    if (token.isEmpty() || token == seenToken_)
        return false;
    seenToken_ = token;
    emit changed();
    return true;
}

void PgRepository::noticed(const QString& name, int source) {
    // This connection's own commits were told at the commit.
    if (name == QLatin1String("colorcard") && source == int(QSqlDriver::OtherSource) &&
        !inTransaction_ && checkForChanges())
        emit changedElsewhere();
}

bool PgRepository::maySupervise() {
    QSqlQuery query(database_);
    return database_.isOpen() &&
           query.exec(QStringLiteral(
               "SELECT pg_has_role(current_user, 'colorcard_supervisor', 'USAGE')")) &&
           query.next() && query.value(0).toBool();
}

}  // namespace colorcard
