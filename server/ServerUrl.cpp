// SPDX-License-Identifier: MIT
#include "server/ServerUrl.h"

#include <QUrl>
#include <QUrlQuery>

namespace colorcard {

namespace {

// The libpq keywords an address may carry; anything else is refused rather
// than handed on (the driver would fail with a less clear message).
const char* const kKnownOptions[] = {"sslmode",          "connect_timeout", "host",
                                     "application_name", "sslrootcert",     "sslcert",
                                     "sslkey",           "service",         "target_session_attrs"};

bool knownOption(const QString& key) {
    for (const char* known : kKnownOptions)
        if (key == QLatin1String(known))
            return true;
    return false;
}

}  // namespace

bool ServerUrl::looksLikeServer(const QString& text) {
    return text.startsWith(QLatin1String("postgresql://")) ||
           text.startsWith(QLatin1String("postgres://"));
}

std::optional<ServerUrl> ServerUrl::parse(const QString& text) {
    if (!looksLikeServer(text))
        return std::nullopt;
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    ServerUrl result;
    result.user = url.userName();
    result.password = url.password();
    result.host = url.host();
    result.port = url.port(5432);
    result.database = url.path().mid(1);
    if (result.database.contains(QLatin1Char('/')) || result.port <= 0)
        return std::nullopt;
    const QUrlQuery query(url);
    for (const auto& item : query.queryItems(QUrl::FullyDecoded)) {
        if (!knownOption(item.first))
            return std::nullopt;
        if (item.first == QLatin1String("host"))
            result.host = item.second;
        else
            result.options << item;
    }
    if (result.database.isEmpty())
        result.database = result.user;
    return result;
}

QString ServerUrl::withoutPassword() const {
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    url.setUserName(user);
    const bool socket = host.startsWith(QLatin1Char('/'));
    if (!socket)
        url.setHost(host);
    if (port != 5432)
        url.setPort(port);
    url.setPath(QLatin1Char('/') + database);
    QUrlQuery query;
    if (socket)
        query.addQueryItem(QStringLiteral("host"), host);
    for (const auto& item : options)
        query.addQueryItem(item.first, item.second);
    url.setQuery(query);
    // An empty host keeps the authority's slashes ("postgresql://user@/db").
    QString text = url.toString(QUrl::FullyEncoded);
    if (socket && !text.startsWith(QLatin1String("postgresql://")))
        text.replace(0, int(qstrlen("postgresql:")), QStringLiteral("postgresql://"));
    return text;
}

QString ServerUrl::display() const {
    return QStringLiteral("%1@%2:%3/%4")
        .arg(user, host.isEmpty() ? QStringLiteral("localhost") : host)
        .arg(port)
        .arg(database);
}

QSqlDatabase ServerUrl::addDatabase(const QString& connectionName, const QString& benchName) const {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    db.setHostName(host);
    db.setPort(port);
    db.setDatabaseName(database);
    db.setUserName(user);
    if (!password.isEmpty())
        db.setPassword(password);
    QStringList connect;
    bool timeout = false;
    bool application = false;
    for (const auto& item : options) {
        connect << item.first + QLatin1Char('=') + item.second;
        timeout = timeout || item.first == QLatin1String("connect_timeout");
        application = application || item.first == QLatin1String("application_name");
    }
    if (!timeout)
        connect << QStringLiteral("connect_timeout=5");
    // The audit trail and the comparisons name the bench a change came from.
    // (letters, digits, '.', '-' and '_' only: the driver joins the options
    // with spaces, so a space would split one).
    if (!application && !benchName.isEmpty()) {
        QString name = benchName;
        for (QChar& c : name)
            if (!c.isLetterOrNumber() && c != QLatin1Char('.') && c != QLatin1Char('-'))
                c = QLatin1Char('_');
        connect << QStringLiteral("application_name=") + name;
    }
    db.setConnectOptions(connect.join(QLatin1Char(';')));
    return db;
}

}  // namespace colorcard
