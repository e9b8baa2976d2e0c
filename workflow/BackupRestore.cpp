// SPDX-License-Identifier: MIT
#include "BackupRestore.h"

#include "BackupTexts.h"
#include "LibraryService.h"

namespace {

QString timeText(const QDateTime& taken) {
    return taken.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

}  // namespace

BackupRestore::BackupRestore(LibraryService& library) : library_(library) {}

QStringList BackupRestore::describe(const BackupEntry& entry, const Messenger& messenger) {
    if (!entry.readable())
        return {timeText(entry.taken), entry.meterNumber, messenger.text(BackupText::Unreadable),
                messenger.text(BackupText::Unreadable)};
    return {timeText(entry.taken), entry.meterNumber, QString::number(entry.libraries),
            QString::number(entry.colours)};
}

bool BackupRestore::run() {
    const Messenger& messenger = library_.messenger();
    const QList<BackupEntry> entries = library_.backups().list();
    if (entries.isEmpty()) {
        messenger.tip(BackupText::NoBackups);
        return false;
    }
    QList<QStringList> rows;
    for (const BackupEntry& entry : entries)
        rows << describe(entry, messenger);
    const int chosen = messenger.choose(BackupText::RestoreAction,
                                        {BackupText::ColumnTime, BackupText::ColumnMeter,
                                         BackupText::ColumnLibraries, BackupText::ColumnColours},
                                        rows, BackupText::RestoreButton);
    if (chosen < 0 || chosen >= entries.size())
        return false;
    const BackupEntry& entry = entries[chosen];
    if (!messenger.ask(BackupText::AskRestore, {timeText(entry.taken)}))
        return false;

    const BackupStatus status = library_.backups().restore(entry.path, library_.meterNumber());
    if (status == BackupStatus::NotABackup) {
        messenger.tip(BackupText::NotABackup);
        return false;
    }
    if (status != BackupStatus::Ok) {
        messenger.tip(BackupText::RestoreFailed);
        return false;
    }
    showRestoredLibraries();
    messenger.tip(BackupText::RestoreSuccess);
    library_.reselectLibrary();
    return true;
}

void BackupRestore::showRestoredLibraries() {
    // A store that could not be opened before works on the restored file now.
    if (!library_.databaseOpen())
        library_.open();
    library_.clear();
    library_.showStoredLibraries(library_.storedLibraries());
}
