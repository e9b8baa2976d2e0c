// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "store/ColorCardStore.h"
#include "store/DatabaseBackup.h"
#include "store/sqlite/SqliteRepository.h"

namespace colorcard {

// The store kept in one local file ("database.db" in a directory): what only
// a file has (opening and recreating it, its copies in the backups folder
// beside it, PRAGMA data_version), and the repository on it.
class LocalStore {
public:
    explicit LocalStore(const QString& directory);
    LocalStore(const LocalStore&) = delete;
    LocalStore& operator=(const LocalStore&) = delete;

    ColorCardStore& store() { return store_; }
    const ColorCardStore& store() const { return store_; }
    DatabaseBackup& backups() { return backups_; }
    SqliteRepository& repository() { return repository_; }
    QString databasePath() const { return store_.databasePath(); }

private:
    ColorCardStore store_;
    DatabaseBackup backups_;
    SqliteRepository repository_;
};

}  // namespace colorcard
