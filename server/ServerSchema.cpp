// SPDX-License-Identifier: MIT
#include "server/ServerSchema.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

// Q_INIT_RESOURCE declares its function in the enclosing namespace.
static void colorcardInitResource_migrations() {
    Q_INIT_RESOURCE(migrations);
}

namespace colorcard {

// The migrations are resources of this static library: the linker keeps them
// only when something asks for them by name.
static void loadMigrations() {
    colorcardInitResource_migrations();
}

namespace {

const char* const kMigrationDir = ":/server/migrations";

QString readMigration(const QString& name) {
    ServerSchema::migrationNames();  // loads the resources
    QFile file(QLatin1String(kMigrationDir) + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// "003_audit.sql" is version 3.
int versionOf(const QString& name) {
    return name.section(QLatin1Char('_'), 0, 0).toInt();
}

bool run(QSqlDatabase& db, const QString& statement, QString* error) {
    QSqlQuery query(db);
    if (query.exec(statement))
        return true;
    *error = query.lastError().text();
    return false;
}

}  // namespace

QStringList ServerSchema::migrationNames() {
    static const bool loaded = (loadMigrations(), true);
    Q_UNUSED(loaded);
    QStringList names = QDir(QLatin1String(kMigrationDir))
                            .entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    return names;
}

int ServerSchema::latestVersion() {
    const QStringList names = migrationNames();
    return names.isEmpty() ? 0 : versionOf(names.last());
}

int ServerSchema::currentVersion(QSqlDatabase& db) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT to_regclass('colorcard.schema_version') IS NOT NULL")) ||
        !query.next())
        return -1;
    if (!query.value(0).toBool())
        return 0;
    if (!query.exec(
            QStringLiteral("SELECT COALESCE(max(version), 0) FROM colorcard.schema_version")) ||
        !query.next())
        return -1;
    return query.value(0).toInt();
}

ServerSchema::Result ServerSchema::migrate(QSqlDatabase& db) {
    Result result;
    const int before = currentVersion(db);
    if (before < 0) {
        result.error = db.lastError().text();
        return result;
    }
    result.versionBefore = result.versionAfter = before;
    // Nothing to do is the common case and needs no rights beyond reading.
    if (before >= latestVersion()) {
        result.ok = true;
        return result;
    }
    if (!db.transaction()) {
        result.error = db.lastError().text();
        return result;
    }
    QString error;
    const bool ok = [&] {
        // One migrating connection at a time; the others wait here and find
        // the work done.
        if (!run(db, QStringLiteral("SELECT pg_advisory_xact_lock(hashtext('colorcard.migrate'))"),
                 &error) ||
            !run(db, QStringLiteral("CREATE SCHEMA IF NOT EXISTS colorcard"), &error) ||
            !run(db, QStringLiteral("SET LOCAL search_path = colorcard"), &error) ||
            !run(db,
                 QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (version integer "
                                "PRIMARY KEY, name text NOT NULL, applied_at timestamptz NOT NULL "
                                "DEFAULT now())"),
                 &error))
            return false;
        const int current = currentVersion(db);
        if (current < 0) {
            error = db.lastError().text();
            return false;
        }
        result.versionBefore = current;
        for (const QString& name : migrationNames()) {
            const int version = versionOf(name);
            if (version <= current)
                continue;
            const QString sql = readMigration(name);
            if (sql.isEmpty()) {
                error = QStringLiteral("migration %1 is missing").arg(name);
                return false;
            }
            if (!run(db, sql, &error))
                return false;
            QSqlQuery record(db);
            record.prepare(
                QStringLiteral("INSERT INTO schema_version (version, name) VALUES (?, ?)"));
            record.addBindValue(version);
            record.addBindValue(name);
            if (!record.exec()) {
                error = record.lastError().text();
                return false;
            }
            result.versionAfter = version;
        }
        return true;
    }();
    if (!ok || !db.commit()) {
        if (ok)
            error = db.lastError().text();
        db.rollback();
        result.error = error;
        result.versionAfter = result.versionBefore;
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace colorcard
