// SPDX-License-Identifier: MIT
#include "store/LocalStore.h"

namespace colorcard {

LocalStore::LocalStore(const QString& directory)
    : store_(directory),
      backups_(store_.databasePath(), store_.connectionName()),
      repository_(*this) {
    repository_.setTableRequired(true);
}

}  // namespace colorcard
