// SPDX-License-Identifier: MIT
#include "workflow/BackupRestore.h"

#include "texts/BackupTexts.h"
#include "texts/ChangeTexts.h"
#include "workflow/LibraryService.h"

namespace colorcard {

namespace {

QString timeText(const QDateTime& taken) {
    return taken.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

const BilingualText& causeText(const QString& cause) {
    static const QList<QPair<const char*, const BilingualText*>> causes{
        {BackupCause::DeleteAll, &ChangeText::CauseDeleteAll},
        {BackupCause::DeleteLibrary, &ChangeText::CauseDeleteLibrary},
        {BackupCause::InstrumentChange, &ChangeText::CauseInstrumentChange},
        {BackupCause::Import, &ChangeText::CauseImport},
        {BackupCause::MeterExport, &ChangeText::CauseMeterExport},
        {BackupCause::Restore, &ChangeText::CauseRestore},
    };
    for (const auto& known : causes)
        if (cause == QLatin1String(known.first))
            return *known.second;
    return ChangeText::CauseUnknown;
}

}  // namespace

BackupRestore::BackupRestore(LibraryService& library, DatabaseBackup& backups)
    : library_(library), backups_(backups) {}

QStringList BackupRestore::describe(const BackupEntry& entry, const Messenger& messenger) {
    const QString cause = messenger.text(causeText(entry.cause));
    if (!entry.readable())
        return {timeText(entry.taken), entry.meterNumber, messenger.text(BackupText::Unreadable),
                messenger.text(BackupText::Unreadable), cause};
    return {timeText(entry.taken), entry.meterNumber, QString::number(entry.libraries),
            QString::number(entry.colours), cause};
}

bool BackupRestore::run() {
    const Messenger& messenger = library_.messenger();
    const QList<BackupEntry> entries = backups_.list();
    if (entries.isEmpty()) {
        messenger.tip(BackupText::NoBackups);
        return false;
    }
    QList<QStringList> rows;
    for (const BackupEntry& entry : entries)
        rows << describe(entry, messenger);
    const int chosen = messenger.choose(
        BackupText::RestoreAction,
        {BackupText::ColumnTime, BackupText::ColumnMeter, BackupText::ColumnLibraries,
         BackupText::ColumnColours, ChangeText::ColumnCause},
        rows, BackupText::RestoreButton);
    if (chosen < 0 || chosen >= entries.size())
        return false;
    const BackupEntry& entry = entries[chosen];
    if (!messenger.askRisky(BackupText::AskRestore, {timeText(entry.taken)}))
        return false;

    const BackupStatus status = backups_.restore(entry.path, library_.dataMeterNumber());
    if (status == BackupStatus::NotABackup) {
        messenger.tip(BackupText::NotABackup);
        return false;
    }
    if (status != BackupStatus::Ok) {
        messenger.tip(BackupText::RestoreFailed);
        return false;
    }
    // Data of another meter would be taken for an instrument change the
    // next time the attached meter is identified, and removed again.
    const QString attached = library_.meterNumber();
    const QString owner = library_.dataMeterNumber();
    if (!attached.isEmpty() && owner != attached &&
        messenger.ask(ChangeText::AdoptRestored, {owner, attached}))
        library_.adoptForAttachedMeter();
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

}  // namespace colorcard
