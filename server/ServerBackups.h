// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QString>
#include <QVector>
#include <optional>

#include "store/LibraryRepository.h"

namespace colorcard {

// A copy of a library, its colours and its tolerance, which the server took
// before removing or replacing it (the last 20 of each library are kept).
struct LibraryBackup {
    qint64 id = 0;
    QString libraryId;
    QString name;
    QString description;
    QDateTime takenAt;  // UTC
    QString takenBy;
    QString cause;
    int colours = 0;

    QJsonObject toJson() const;
};

namespace ServerBackups {

// Newest first; of one library when libraryId is not empty, at most limit.
// nullopt with error set when the server does not answer.
std::optional<QVector<LibraryBackup>> list(QSqlDatabase& db, const QString& libraryId,
                                           QString* error, int limit = 20);

struct Restored {
    bool ok = false;
    LibraryBackup backup;
    QString error;
    // Denied for a role without the right, Stale when there is no such backup.
    LibraryRepository::Failure failure = LibraryRepository::Failure::None;
};
// Brings the library back as the backup holds it, in one transaction: a
// library stored under its ID now is backed up ("restore") and replaced.
Restored restore(QSqlDatabase& db, qint64 backupId);

}  // namespace ServerBackups

}  // namespace colorcard
