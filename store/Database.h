// SPDX-License-Identifier: MIT
#pragma once

#include <QSqlDatabase>
#include <QString>

namespace colorcard {

// One connection to a store, owned: its name stays inside, the connection is
// removed with the object. The store classes and the repositories are given
// this instead of a connection name to look up.
class Database {
public:
    enum class Engine { Sqlite, Postgres };

    // Takes over a connection made by the caller (QSqlDatabase::addDatabase
    // or ServerUrl::addDatabase), not yet open. display: what the user is
    // shown for it (the file's path, or user@host:port/database).
    Database(const QSqlDatabase& connection, Engine engine, const QString& display);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // A SQLite file under a connection name of its own.
    static QSqlDatabase addSqlite(const QString& path);

    // False with error() set when the store cannot be opened (a server:
    // within its connect time-out).
    bool open();
    bool isOpen() const;
    QString error() const { return error_; }

    QSqlDatabase connection() const;
    QString connectionName() const { return name_; }
    Engine engine() const { return engine_; }
    bool isServer() const { return engine_ == Engine::Postgres; }
    QString display() const { return display_; }

private:
    QString name_;
    Engine engine_;
    QString display_;
    QString error_;
};

}  // namespace colorcard
