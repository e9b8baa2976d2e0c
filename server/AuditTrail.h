// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QString>
#include <QVector>
#include <optional>

namespace colorcard {

// The server's record of every change to a library, colour or tolerance
// (written by its triggers; nobody can change it afterwards).
struct AuditEntry {
    qint64 id = 0;
    QDateTime time;  // UTC
    QString user;
    QString bench;
    QString table;   // libraries, colours, tolerances
    QString action;  // insert, update, delete
    QString libraryId;
    QJsonObject oldValues;
    QJsonObject newValues;

    // What changed, briefly: "name: Reds → Red", or the row's name.
    QString summary() const;
    QJsonObject toJson() const;
};

namespace AuditTrail {

// Oldest first; of one library when libraryId is not empty. nullopt with
// error set when the server does not answer.
std::optional<QVector<AuditEntry>> read(QSqlDatabase& db, const QString& libraryId, QString* error);

}  // namespace AuditTrail

}  // namespace colorcard
