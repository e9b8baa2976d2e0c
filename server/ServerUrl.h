// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace colorcard {

// A store on a PostgreSQL server, named the way libpq names it:
//   postgresql://user@host:port/dbname?sslmode=require&connect_timeout=5
// (also postgres://; a host may be a socket directory given as ?host=/path).
// A password in the address is used for the connection and never kept: the
// settings hold the address without it (withoutPassword()); libpq's
// ~/.pgpass and service files supply it otherwise.
struct ServerUrl {
    QString user;
    QString password;
    QString host;
    int port = 5432;
    QString database;
    // libpq keywords from the query (sslmode, connect_timeout, ...).
    QList<QPair<QString, QString>> options;

    // nullopt when the text is not a postgresql:// address (a SQLite path,
    // say) or names something libpq would not take.
    static std::optional<ServerUrl> parse(const QString& text);
    static bool looksLikeServer(const QString& text);

    QString withoutPassword() const;
    // What the window's status bar shows: user@host:port/database.
    QString display() const;
    // A connection of the QPSQL driver under this name, not yet open; the
    // server is given a few seconds (connect_timeout, unless the address sets
    // it) so that an unreachable server never freezes the window.
    QSqlDatabase addDatabase(const QString& connectionName, const QString& benchName) const;
};

}  // namespace colorcard
