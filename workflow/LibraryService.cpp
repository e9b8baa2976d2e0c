// SPDX-License-Identifier: MIT
#include "workflow/LibraryService.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <limits>
#include <utility>

#include "texts/BackupTexts.h"
#include "texts/ChangeTexts.h"
#include "texts/LibraryTexts.h"
#include "texts/StoreTexts.h"
#include "workflow/Limits.h"

namespace colorcard {

LibraryService::LibraryService(Messenger& messenger, LibraryRepository& repository, QObject* parent)
    : QObject(parent),
      messenger_(messenger),
      repository_(repository),
      steps_(messenger, repository, &failureTeller_),
      local_(repository.localStore()),
      maxLibraries_(Limits::MeterLibraries) {
    // A server tells another bench's commit as it arrives (LISTEN/NOTIFY);
    // the list reads it at its next look, between user actions.
    if (!local_)
        connect(&repository_, &LibraryRepository::changedElsewhere, this,
                [this] { changeHeard_ = true; });
}

LibraryService::~LibraryService() = default;

bool LibraryService::open(bool deferDamaged) {
    damagedAtOpen_ = false;
    // A server's connection was opened (and its schema brought up to date)
    // before the service was given it.
    if (!local_) {
        databaseOpen_ = true;
        repository_.checkForChanges();
        return true;
    }
    ColorCardStore& store = local_->store();
    const StoreResult opened = store.openDatabase();
    databaseOpen_ = opened.ok();
    damagedAtOpen_ = false;
    if (!databaseOpen_ && opened.cause == StoreCause::Damaged) {
        // Nothing more is read from it: one message, not one per step.
        store.closeDatabase();
        damagedAtOpen_ = true;
        if (!deferDamaged)
            offerDamagedStoreRestore();
    } else {
        steps_.reported(opened);
    }
    // Commits from here on are what another process changed.
    if (databaseOpen_)
        repository_.checkForChanges();
    // What a crash left in the backups folder goes at the next start.
    if (!backupsTidied_) {
        backupsTidied_ = true;
        local_->backups().tidy();
    }
    return databaseOpen_;
}

void LibraryService::offerDamagedStoreRestore() {
    if (!damagedAtOpen_)
        return;
    damagedAtOpen_ = false;
    offerRestoreOfDamagedStore();
    if (!databaseOpen_)
        return;
    repository_.checkForChanges();
    if (!list_.isEmpty())
        reloadFromStore();
}

void LibraryService::offerRestoreOfDamagedStore() {
    // Only a store file is found damaged at its opening.
    ColorCardStore& store = local_->store();
    DatabaseBackup& backups = local_->backups();
    const QString path = store.databasePath();
    const QString shownPath = QDir::toNativeSeparators(path);
    const BackupEntry* newest = nullptr;
    const QList<BackupEntry> entries = backups.list();
    for (const BackupEntry& entry : entries)
        if (entry.readable()) {
            newest = &entry;
            break;
        }
    if (!newest) {
        messenger_.tip(StoreText::DamagedNoBackup, {shownPath});
        return;
    }
    if (!messenger_.ask(StoreText::DamagedAtStart,
                        {shownPath, newest->taken.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))}))
        return;
    // The damaged file (and a journal that belongs to it, never to the copy)
    // is kept under another name.
    const QString kept = path + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    const QString journal = path + QStringLiteral("-journal");
    if (!QFile::rename(path, kept)) {
        messenger_.tip(StoreText::DamagedRestoreFailed);
        return;
    }
    if (QFileInfo::exists(journal))
        QFile::rename(journal, kept + QStringLiteral("-journal"));
    const BackupStatus status = backups.restore(newest->path, meterNumber_);
    if (status != BackupStatus::Ok) {
        QFile::remove(path);
        QFile::rename(kept, path);
        if (QFileInfo::exists(kept + QStringLiteral("-journal")))
            QFile::rename(kept + QStringLiteral("-journal"), journal);
        messenger_.tip(StoreText::DamagedRestoreFailed);
        return;
    }
    const StoreResult reopened = store.openDatabase();
    databaseOpen_ = reopened.ok();
    if (!databaseOpen_) {
        steps_.reported(reopened);
        return;
    }
    messenger_.tip(StoreText::DamagedRestored, {QDir::toNativeSeparators(kept)});
}

bool LibraryService::storeChangedElsewhere() {
    if (!databaseOpen_ || repository_.inTransaction())
        return false;
    const bool changed = repository_.checkForChanges();
    return std::exchange(changeHeard_, false) || changed;
}

bool LibraryService::refreshIfChangedElsewhere() {
    if (!storeChangedElsewhere())
        return false;
    reloadFromStore();
    return true;
}

void LibraryService::reloadFromStore() {
    if (!databaseOpen_ || repository_.inTransaction())
        return;
    changeHeard_ = false;
    const QString currentId =
        current_ >= 0 && current_ < list_.size() ? list_.entry(current_).id : QString();
    const std::optional<QVector<Library>> records = repository_.libraries();
    // A store that cannot be read now keeps the list as it was.
    if (!records)
        return;
    QList<LibraryEntry> entries;
    for (const Library& record : *records)
        entries << entryOf(record);
    const bool wasLocked = locked_;
    current_ = -1;
    list_.clear();
    emit librariesCleared();
    for (const LibraryEntry& entry : entries)
        showAdded(entry);
    int row = -1;
    for (int r = 0; r < list_.size() && !currentId.isEmpty(); ++r)
        if (list_.entry(r).id == currentId)
            row = r;
    if (row < 0 && wasLocked) {
        locked_ = false;
        emit lockReleased();
    }
    if (row >= 0) {
        current_ = row;
        emit libraryReselected(row);
    }
}

int LibraryService::rowOf(const LibraryKey& key) const {
    for (int row = 0; row < list_.size(); ++row)
        if (list_.entry(row).key() == key)
            return row;
    return -1;
}

int LibraryService::lookAlikeRow(const QString& name, const QString& description) const {
    // The table centres its texts, so spaces at either end or doubled ones
    // cannot be seen: such keys would be two rows that look the same.
    const QString shownName = name.simplified();
    const QString shownDescription = description.simplified();
    for (int row = 0; row < list_.size(); ++row)
        if (list_.entry(row).name.simplified() == shownName &&
            list_.entry(row).description.simplified() == shownDescription)
            return row;
    return -1;
}

QVector<Library> LibraryService::storedLibraries() {
    // A store that could not be opened was told once, when it was opened.
    readFailed_ = false;
    if (!databaseOpen_)
        return {};
    const std::optional<QVector<Library>> records = repository_.libraries();
    readFailed_ = !records;
    if (!records)
        steps_.reported(StoreResult{StoreError::QueryLibraries});
    return records.value_or(QVector<Library>());
}

QVector<Colour> LibraryService::storedColours(const QString& libraryId, bool identifiers) {
    const std::optional<QVector<Colour>> colours = repository_.colours(libraryId, identifiers);
    readFailed_ = !colours;
    if (!colours)
        steps_.reported(StoreResult{StoreError::QueryColors});
    return colours.value_or(QVector<Colour>());
}

bool LibraryService::storedColourTexts(const QString& libraryId,
                                       const std::function<void(const StoredColourTexts&)>& row) {
    readFailed_ = !repository_.colourTexts(libraryId, row);
    if (readFailed_)
        steps_.reported(StoreResult{StoreError::QueryColors});
    return !readFailed_;
}

int LibraryService::totalColorCount() {
    qint64 total = 0;
    for (const Library& record : storedLibraries())
        total += record.count.toInt();
    return int(std::clamp<qint64>(total, 0, std::numeric_limits<int>::max()));
}

void LibraryService::selectLibrary(int row) {
    if (row >= list_.size())
        return;
    current_ = row;
    if (row < 0)
        return;
    // The colours of the current library are what the page works on.
    readColours(row);
    std::unique_ptr<ProgressReporter> progress =
        messenger_.progress(LibraryText::UpdatingPage, 0, list_.entry(row).colours.size());
    // Cancel is not consulted: every row is filled.
    emit coloursReset(progress.get());
    progress->hide();
}

void LibraryService::reselectLibrary() {
    if (list_.isEmpty())
        return;
    emit libraryReselected(current_ >= 0 && current_ < list_.size() ? current_ : 0);
}

LibraryEntry LibraryService::entryOf(const Library& record) const {
    LibraryEntry entry;
    entry.id = record.id;
    entry.name = record.name;
    entry.description = record.description;
    entry.count = record.count;
    // A library counted empty has no colours to read.
    entry.coloursRead = entry.count.toInt() <= 0;
    return entry;
}

void LibraryService::readColours(int row) {
    LibraryEntry& entry = list_.editable(row);
    if (entry.coloursRead)
        return;
    // Read once, also when the query fails (its message is shown once).
    entry.coloursRead = true;
    const QVector<Colour> colours = storedColours(entry.id);
    entry.colours.reserve(colours.size());
    for (const Colour& colour : colours)
        entry.colours << ColourEntry{colour.id, colour.name, colour.labL, colour.laba, colour.labb};
}

const QList<LibraryEntry>& LibraryService::libraries() {
    for (int row = 0; row < list_.size(); ++row)
        readColours(row);
    return list_.entries();
}

const LibraryEntry& LibraryService::library(int row) {
    readColours(row);
    return list_.entry(row);
}

void LibraryService::showAdded(const LibraryEntry& entry) {
    list_.append(entry);
    emit libraryAppended(list_.size() - 1);
}

void LibraryService::showStoredLibraries(const QVector<Library>& records) {
    // Only into an empty list: the libraries already shown stay as they are.
    if (!list_.isEmpty())
        return;
    for (const Library& record : records)
        showAdded(entryOf(record));
}

void LibraryService::clear() {
    const QString lockedName = locked_ && current_ >= 0 && current_ < list_.size()
                                   ? list_.entry(current_).name
                                   : QString();
    current_ = -1;
    list_.clear();
    emit librariesCleared();
    // A lock left standing would move to whichever library is chosen next,
    // and the next measurement would go there unnoticed.
    if (locked_) {
        locked_ = false;
        emit lockReleased();
        messenger_.tip(ChangeText::LockReleased, {lockedName});
    }
}

void LibraryService::clearAllData() {
    if (!local_) {
        // A server's store is shared: only its libraries go (removeAllLibraries).
        messenger_.tip(StoreText::NotOnServer);
        return;
    }
    steps_.reported(local_->store().deleteDatabaseFile());
    open();
    clear();
}

bool LibraryService::removeAllLibraries() {
    storedLibraries();
    if (readFailed_)
        return false;
    // Not told when it cannot begin: the statements then run one by one.
    repository_.begin();
    StoreResult result =
        steps_.outcome(repository_.removeAllLibraries(), StoreError::DeleteLibrary);
    if (result)
        result = steps_.outcome(repository_.commit(), StoreError::Commit);
    if (!result)
        return steps_.undone(result);
    clear();
    return true;
}

QString LibraryService::dataMeterNumber() {
    QHash<QString, int> stamps;
    QString most;
    const QVector<Library> records = repository_.libraries().value_or(QVector<Library>());
    for (const Library& record : records) {
        const QString meter = record.meterNumber;
        if (meter.isEmpty())
            continue;
        const int seen = ++stamps[meter];
        if (most.isEmpty() || seen > stamps.value(most))
            most = meter;
    }
    return most.isEmpty() ? meterNumber_ : most;
}

bool LibraryService::adoptForAttachedMeter() {
    return steps_.reported(
        steps_.outcome(repository_.stampMeterNumber(meterNumber_), StoreError::RenameLibrary));
}

bool LibraryService::deleteAllData() {
    if (!messenger_.askRiskyComposed(
            messenger_.paragraphs({messenger_.text(LibraryText::ConfirmDeleteAll),
                                   messenger_.text(ChangeText::BackupFirstNote)})) ||
        !backUpBeforeChange(BackupCause::DeleteAll))
        return false;
    clearAllData();
    return true;
}

bool LibraryService::backUpBeforeChange(const char* cause) {
    if (backupScopes_ > 0 && scopeBackedUp_)
        return true;
    if (backupScopes_ > 0 && scopeCause_)
        cause = scopeCause_;
    // A server keeps its own copy of each library it removes.
    const BackupStatus status =
        local_ ? local_->backups().take(dataMeterNumber(), nullptr,
                                        QString::fromLatin1(cause ? cause : ""))
               : BackupStatus::Ok;
    // Another writer kept the store past the copy's wait: that is the reason.
    if (status == BackupStatus::Busy) {
        messenger_.tip(StoreText::Busy);
        return false;
    }
    if (status != BackupStatus::Ok && status != BackupStatus::NoDatabase) {
        messenger_.tip(BackupText::BackupFailed);
        return false;
    }
    scopeBackedUp_ = backupScopes_ > 0;
    return true;
}

LibraryService::BackupScope::BackupScope(LibraryService& service, const char* cause)
    : service_(service) {
    if (service_.backupScopes_++ == 0) {
        service_.scopeBackedUp_ = false;
        service_.scopeCause_ = cause;
    }
}

LibraryService::BackupScope::~BackupScope() {
    if (--service_.backupScopes_ == 0) {
        service_.scopeBackedUp_ = false;
        service_.scopeCause_ = nullptr;
    }
}

int LibraryService::colourRowOf(const QString& colourId) const {
    if (current_ < 0 || current_ >= list_.size())
        return -1;
    const QList<ColourEntry>& colours = list_.entry(current_).colours;
    for (int row = 0; row < colours.size(); ++row)
        if (colours[row].id == colourId)
            return row;
    return -1;
}

// --- the list after a change of the store ---------------------------------

void LibraryService::showRenamed(int row, const QString& name, const QString& description) {
    LibraryEntry& renamed = list_.editable(row);
    renamed.name = name;
    renamed.description = description;
    list_.changed(row);
    emit libraryChanged(row);
}

void LibraryService::showRemoved(int row) {
    if (row < current_)
        --current_;
    else if (row == current_)
        current_ = -1;
    list_.removeAt(row);
    emit libraryRemoved(row);
}

void LibraryService::showColourAdded(const ColourEntry& colour, const QString& count) {
    LibraryEntry& library = list_.editable(current_);
    library.count = count;
    library.colours << colour;
    list_.changed(current_);
    emit libraryChanged(current_);
    emit colourAppended(library.colours.size() - 1);
}

void LibraryService::showColourValues(int colourRow, const QStringList& values) {
    ColourEntry& colour = list_.editable(current_).colours[colourRow];
    colour.L = values.value(0);
    colour.a = values.value(1);
    colour.b = values.value(2);
    emit colourChanged(colourRow);
}

void LibraryService::showColourName(int colourRow, const QString& name) {
    list_.editable(current_).colours[colourRow].name = name;
    emit colourChanged(colourRow);
}

void LibraryService::showColour(int colourRow) {
    emit colourChanged(colourRow);
}

void LibraryService::showColourRemoved(int colourRow, const QString& count) {
    LibraryEntry& library = list_.editable(current_);
    library.count = count;
    library.colours.removeAt(colourRow);
    list_.changed(current_);
    emit libraryChanged(current_);
    emit colourRemoved(colourRow);
}

void LibraryService::showMerged(const QStringList& ids) {
    for (const QString& id : ids) {
        const Library record = repository_.library(id).value_or(Library());
        if (!record.isStored())
            continue;
        const LibraryEntry entry = entryOf(record);
        int row = -1;
        for (int r = 0; r < list_.size(); ++r)
            if (list_.entry(r).id == id)
                row = r;
        if (row < 0) {
            showAdded(entry);
        } else {
            list_.replace(row, entry);
            emit libraryChanged(row);
        }
    }
}

}  // namespace colorcard
