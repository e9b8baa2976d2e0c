// SPDX-License-Identifier: MIT
#include "store/IndexSettingsStore.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <cmath>

#include "store/sqlite/SqliteStatements.h"

namespace colorcard {

namespace {

const QString kTable = QStringLiteral("QcIndexSettings");
const QString kCreate = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS QcIndexSettings (colorcardid TEXT PRIMARY KEY NOT NULL, "
    "colourindex TEXT NOT NULL, stepl REAL, stepc REAL, steph REAL)");

std::optional<double> stepFrom(const QVariant& value) {
    if (value.isNull())
        return std::nullopt;
    bool ok = false;
    const double step = value.toDouble(&ok);
    // A step someone else wrote badly falls back to the limit.
    if (!ok || !std::isfinite(step) || step <= 0)
        return std::nullopt;
    return step;
}

QVariant stepValue(const std::optional<double>& step) {
    return step ? QVariant(*step) : QVariant();  // NULL when unset
}

}  // namespace

bool LibraryIndexSettings::valid() const {
    for (const std::optional<double>& step : {stepL, stepC, stepH})
        if (step && (!std::isfinite(*step) || *step <= 0))
            return false;
    return true;
}

IndexSettingsStore::IndexSettingsStore(const QString& connectionName)
    : connection_(connectionName) {}

bool IndexSettingsStore::fail(const QString& what, const QString& detail) {
    error_ = what + QStringLiteral(": ") + detail;
    return false;
}

bool IndexSettingsStore::tableExists() {
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(SqliteStatements::tableExists());
    query.addBindValue(kTable);
    if (!query.exec())
        return fail(QStringLiteral("cannot read the store"), query.lastError().text());
    return query.next();
}

std::optional<LibraryIndexSettings> IndexSettingsStore::settings(const QString& libraryId) {
    error_.clear();
    if (!tableExists())
        return error_.isEmpty() ? std::optional<LibraryIndexSettings>(LibraryIndexSettings{})
                                : std::nullopt;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral(
        "SELECT colourindex, stepl, stepc, steph FROM QcIndexSettings WHERE colorcardid = ?"));
    query.addBindValue(libraryId);
    if (!query.exec()) {
        fail(QStringLiteral("cannot read the index settings"), query.lastError().text());
        return std::nullopt;
    }
    LibraryIndexSettings result;
    if (!query.next())
        return result;
    result.index = indexFromCode(query.value(0).toString()).value_or(ColourIndex::None);
    result.stepL = stepFrom(query.value(1));
    result.stepC = stepFrom(query.value(2));
    result.stepH = stepFrom(query.value(3));
    return result;
}

bool IndexSettingsStore::setSettings(const QString& libraryId,
                                     const LibraryIndexSettings& settings) {
    error_.clear();
    if (!settings.valid())
        return fail(QStringLiteral("cannot keep the index settings"),
                    QStringLiteral("the shade steps must be positive"));
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.isOpen())
        return fail(QStringLiteral("cannot write"), QStringLiteral("the store is not open"));
    QSqlQuery query(db);
    if (!query.exec(kCreate))
        return fail(QStringLiteral("cannot create the index settings table"),
                    query.lastError().text());
    query.prepare(SqliteStatements::replaceRow(
        QStringLiteral("QcIndexSettings"),
        {QStringLiteral("colorcardid"), QStringLiteral("colourindex"), QStringLiteral("stepl"),
         QStringLiteral("stepc"), QStringLiteral("steph")}));
    query.addBindValue(libraryId);
    query.addBindValue(indexCode(settings.index));
    query.addBindValue(stepValue(settings.stepL));
    query.addBindValue(stepValue(settings.stepC));
    query.addBindValue(stepValue(settings.stepH));
    if (!query.exec())
        return fail(QStringLiteral("cannot keep the index settings"), query.lastError().text());
    return true;
}

bool IndexSettingsStore::removeSettings(const QString& libraryId) {
    error_.clear();
    if (!tableExists())
        return error_.isEmpty();
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("DELETE FROM QcIndexSettings WHERE colorcardid = ?"));
    query.addBindValue(libraryId);
    if (!query.exec())
        return fail(QStringLiteral("cannot remove the index settings"), query.lastError().text());
    return true;
}

}  // namespace colorcard
