// SPDX-License-Identifier: MIT
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace colorcard {

// The schema "colorcard" on a server and its ordered migrations. Every
// connection runs migrate() first: migrations not yet applied run in order,
// each recorded in schema_version, all in one transaction under an advisory
// lock, so that two benches connecting at once apply each migration once.
// Creating the schema and the group roles needs a role allowed to create
// them (colorcard-cli server init); later connections only find it current.
class ServerSchema {
public:
    struct Result {
        bool ok = false;
        int versionBefore = 0;
        int versionAfter = 0;
        // The server's words when it refused (permission, unreachable, ...).
        QString error;
    };

    static QStringList migrationNames();
    static int latestVersion();
    // Applies what is missing; with the schema current it changes nothing.
    static Result migrate(QSqlDatabase& db);
    // The version recorded on the server; 0 without the schema, -1 on error.
    static int currentVersion(QSqlDatabase& db);
};

}  // namespace colorcard
