// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include "server/ServerSchema.h"
#include "server/ServerUrl.h"

namespace colorcard {

// The throwaway PostgreSQL server of the tests (tools/pg-test-server.sh,
// named by COLORCARD_TEST_SERVER): one database per test program, created
// afresh with the schema, and logins for the roles. available() is false when
// no server runs; tests then skip, unless COLORCARD_REQUIRE_SERVER says a
// missing server is a failure.
class TestServer {
public:
    explicit TestServer(const QString& database)
        : socketDir_(qEnvironmentVariable("COLORCARD_TEST_SERVER")), database_(database) {}
    ~TestServer() {
        for (const QString& name : connections_)
            QSqlDatabase::removeDatabase(name);
    }

    bool available() const {
        return !socketDir_.isEmpty() &&
               QFile::exists(socketDir_ + QStringLiteral("/.s.PGSQL.5432"));
    }
    static bool required() { return !qEnvironmentVariableIsEmpty("COLORCARD_REQUIRE_SERVER"); }

    ServerUrl url(const QString& user = QStringLiteral("postgres")) const {
        ServerUrl url;
        url.host = socketDir_;
        url.user = user;
        url.database = database_;
        return url;
    }
    QString address(const QString& user = QStringLiteral("postgres")) const {
        return url(user).withoutPassword();
    }

    // Drops and creates the database, migrates it, and makes the logins:
    // "supervisor" and "operator" with their group roles. Empty on success.
    QString create() {
        QSqlDatabase admin = open(QStringLiteral("postgres"), QStringLiteral("postgres"));
        if (!admin.isOpen())
            return admin.lastError().text();
        QString error = exec(admin, QStringLiteral("DROP DATABASE IF EXISTS %1").arg(database_));
        if (error.isEmpty())
            error = exec(admin, QStringLiteral("CREATE DATABASE %1").arg(database_));
        if (!error.isEmpty())
            return error;
        // Roles belong to the whole server: another test program may have made them.
        for (const char* login : {"supervisor", "operator"})
            exec(admin, QStringLiteral("CREATE ROLE %1 LOGIN").arg(QLatin1String(login)));
        QSqlDatabase db = open();
        if (!db.isOpen())
            return db.lastError().text();
        // The group roles belong to the whole server: a test program creating
        // its database at the same moment may make them first. Once more then.
        ServerSchema::Result migrated = ServerSchema::migrate(db);
        if (!migrated.ok)
            migrated = ServerSchema::migrate(db);
        if (!migrated.ok)
            return migrated.error;
        error = exec(db, QStringLiteral("GRANT colorcard_supervisor TO supervisor"));
        if (error.isEmpty())
            error = exec(db, QStringLiteral("GRANT colorcard_operator TO operator"));
        return error;
    }

    // Empties the tables between tests (as the owner: the audit trail too).
    QString clear() {
        QSqlDatabase db = open();
        return exec(db, QStringLiteral("TRUNCATE colorcard.libraries, colorcard.colours, "
                                       "colorcard.tolerances, colorcard.comparisons, "
                                       "colorcard.lots, colorcard.library_backups, "
                                       "colorcard.audit_log RESTART IDENTITY CASCADE"));
    }

    // A connection of its own, open (check isOpen()).
    QSqlDatabase open(const QString& user = QStringLiteral("postgres"),
                      const QString& database = QString()) {
        ServerUrl address = url(user);
        if (!database.isEmpty())
            address.database = database;
        const QString name = QStringLiteral("test-server-%1").arg(connections_.size());
        connections_ << name;
        QSqlDatabase db = address.addDatabase(name, QStringLiteral("bench-") + user);
        db.open();
        return db;
    }

    static QString exec(QSqlDatabase& db, const QString& sql) {
        QSqlQuery query(db);
        return query.exec(sql) ? QString() : query.lastError().text();
    }
    static QVariant scalar(QSqlDatabase& db, const QString& sql) {
        QSqlQuery query(db);
        return query.exec(sql) && query.next() ? query.value(0) : QVariant();
    }

private:
    QString socketDir_;
    QString database_;
    QStringList connections_;
};

}  // namespace colorcard
