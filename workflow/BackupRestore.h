// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

#include "store/DatabaseBackup.h"

namespace colorcard {

class LibraryService;
class Messenger;

// Restoring one of the copies of the database: the user chooses it from the
// list (time, meter number, libraries, colours) and confirms; the current
// content is itself backed up before it is replaced, and the lists then show
// the restored libraries.
class BackupRestore {
public:
    // backups: the copies of the store file the library list is read from.
    BackupRestore(LibraryService& library, DatabaseBackup& backups);

    // True when a copy was restored (the success message was shown).
    bool run();

    // A copy as the list shows it: time, meter number, libraries, colours.
    static QStringList describe(const BackupEntry& entry, const Messenger& messenger);

private:
    void showRestoredLibraries();

    LibraryService& library_;
    DatabaseBackup& backups_;
};

}  // namespace colorcard
