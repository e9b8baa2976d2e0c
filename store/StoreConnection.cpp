// SPDX-License-Identifier: MIT
#include "store/StoreConnection.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "store/sqlite/SqliteStatements.h"

namespace colorcard {

namespace {
QAtomicInt counter;
}

StoreConnection::StoreConnection()
    : name_(QStringLiteral("StoreConnection_%1").arg(counter.fetchAndAddRelaxed(1))) {}

StoreConnection::~StoreConnection() {
    close();
}

bool StoreConnection::open(const QString& path, Mode mode, int busyTimeoutMs) {
    close();
    error_.clear();
    const QFileInfo file(path);
    if (mode == Mode::ReadOnly && !file.isFile()) {
        error_ = QStringLiteral("no database at %1").arg(path);
        return false;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs);
        if (mode == Mode::ReadOnly)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        db.setConnectOptions(options);
        if (!db.open()) {
            error_ = QStringLiteral("cannot open %1: %2").arg(path, db.lastError().text());
            close();
            return false;
        }
        // SQLite opens anything lazily; the first read shows whether it is a database.
        QSqlQuery probe(db);
        if (!probe.exec(SqliteStatements::catalogueProbe())) {
            error_ = QStringLiteral("%1 is not a readable database: %2")
                         .arg(path, probe.lastError().text());
            probe.finish();
            db.close();
        }
    }
    if (!error_.isEmpty()) {
        close();
        return false;
    }
    return true;
}

void StoreConnection::close() {
    if (!QSqlDatabase::contains(name_))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

bool StoreConnection::isOpen() const {
    return QSqlDatabase::contains(name_) && QSqlDatabase::database(name_, false).isOpen();
}

}  // namespace colorcard
