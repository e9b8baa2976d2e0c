// SPDX-License-Identifier: MIT
#include "server/StoreLocation.h"

#include <QAtomicInt>
#include <QDir>
#include <QSqlError>

#include "server/PgRepository.h"
#include "server/ServerSchema.h"
#include "server/ServerUrl.h"
#include "store/sqlite/SqliteRepository.h"

namespace colorcard {

namespace {

QString nextServerName() {
    static int counter = 0;
    return QStringLiteral("colorcard-server-%1").arg(++counter);
}

}  // namespace

std::unique_ptr<Database> StoreLocation::database(const QString& location, const QString& benchName,
                                                  QString* error) {
    if (!ServerUrl::looksLikeServer(location))
        return std::make_unique<Database>(Database::addSqlite(location), Database::Engine::Sqlite,
                                          QDir::toNativeSeparators(location));
    const std::optional<ServerUrl> url = ServerUrl::parse(location);
    if (!url) {
        *error = location;
        return nullptr;
    }
    return std::make_unique<Database>(url->addDatabase(nextServerName(), benchName),
                                      Database::Engine::Postgres, url->display());
}

bool StoreLocation::open(Database& database, QString* error) {
    if (!database.open()) {
        *error = database.error();
        return false;
    }
    if (!database.isServer())
        return true;
    QSqlDatabase db = database.connection();
    const ServerSchema::Result schema = ServerSchema::migrate(db);
    if (!schema.ok)
        *error = schema.error;
    return schema.ok;
}

bool StoreLocation::reachable(const QString& location, QString* error) {
    return reachable(location, QString(), error);
}

bool StoreLocation::reachable(const QString& location, const QString& password, QString* error) {
    if (!ServerUrl::looksLikeServer(location))
        return true;
    std::optional<ServerUrl> url = ServerUrl::parse(location);
    if (!url) {
        *error = location;
        return false;
    }
    if (!password.isEmpty())
        url->password = password;
    static QAtomicInt probes;
    const QString name = QStringLiteral("colorcard-probe-%1").arg(probes.fetchAndAddRelaxed(1) + 1);
    bool answered = false;
    {
        QSqlDatabase db = url->addDatabase(name, QStringLiteral("colorcard-probe"));
        answered = db.open();
        if (!answered)
            *error = db.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return answered;
}

std::unique_ptr<LibraryRepository> StoreLocation::repository(Database& database) {
    if (database.isServer())
        return std::make_unique<PgRepository>(database.connection());
    return std::make_unique<SqliteRepository>(database.connection());
}

QString StoreLocation::forSettings(const QString& location) {
    const std::optional<ServerUrl> url = ServerUrl::parse(location);
    return url ? url->withoutPassword() : location;
}

}  // namespace colorcard
