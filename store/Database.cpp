// SPDX-License-Identifier: MIT
#include "store/Database.h"

#include <QAtomicInt>
#include <QSqlError>

namespace colorcard {

namespace {

QString nextName() {
    static QAtomicInt counter;
    return QStringLiteral("colorcard-database-%1").arg(counter.fetchAndAddRelaxed(1) + 1);
}

}  // namespace

Database::Database(const QSqlDatabase& connection, Engine engine, const QString& display)
    : name_(connection.connectionName()), engine_(engine), display_(display) {}

Database::~Database() {
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

QSqlDatabase Database::addSqlite(const QString& path) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nextName());
    db.setDatabaseName(path);
    return db;
}

bool Database::open() {
    QSqlDatabase db = connection();
    if (db.isOpen())
        return true;
    if (db.open()) {
        error_.clear();
        return true;
    }
    error_ = db.lastError().text();
    return false;
}

bool Database::isOpen() const {
    return connection().isOpen();
}

QSqlDatabase Database::connection() const {
    return QSqlDatabase::database(name_, false);
}

}  // namespace colorcard
