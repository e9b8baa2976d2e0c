// SPDX-License-Identifier: MIT
#include "workflow/LibraryService.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <limits>

#include "store/TextSafety.h"
#include "texts/BackupTexts.h"
#include "texts/ChangeTexts.h"
#include "texts/GuidanceTexts.h"
#include "texts/LibraryTexts.h"
#include "texts/StoreTexts.h"
#include "workflow/Limits.h"
#include "workflow/StoreErrorTexts.h"

namespace colorcard {

namespace {

// Value texts of a colour.
constexpr int kValueCount = 19;

QString number(int value) {
    return QString::number(value);
}

// The first few names, in the language's list style.
QString nameList(const QStringList& names, const Messenger& messenger) {
    constexpr int kShown = 5;
    const QString separator =
        messenger.language().isChinese() ? QStringLiteral("\u3001") : QStringLiteral(", ");
    QString list = names.mid(0, kShown).join(separator);
    if (names.size() > kShown)
        list += separator + QStringLiteral("\u2026");
    return list;
}

// Nineteen value texts: those given, the rest empty.
QStringList allValues(const QStringList& values) {
    QStringList padded = values.mid(0, kValueCount);
    while (padded.size() < kValueCount)
        padded << QString(QLatin1String(""));
    return padded;
}

// Libraries and colours as the store holds them now.
struct StoreTotals {
    int libraries = 0;
    qint64 colours = 0;
};

StoreTotals totalsOf(const QVector<Library>& records) {
    StoreTotals totals;
    totals.libraries = records.size();
    for (const Library& record : records)
        totals.colours += qMax(0, record.count.toInt());
    return totals;
}

// As lookAlikeRow compares: spaces at the ends and doubled ones unseen.
bool looksAlike(const Library& record, const QString& name, const QString& description) {
    return record.name.simplified() == name.simplified() &&
           record.description.simplified() == description.simplified();
}

}  // namespace

LibraryService::LibraryService(Messenger& messenger, LibraryRepository& repository, QObject* parent)
    : QObject(parent),
      messenger_(messenger),
      repository_(repository),
      local_(repository.localStore()),
      maxLibraries_(Limits::MeterLibraries) {}

LibraryService::LibraryService(Messenger& messenger, const QString& directory, QObject* parent)
    : LibraryService(messenger, new LocalStore(directory), parent) {}

LibraryService::LibraryService(Messenger& messenger, LocalStore* owned, QObject* parent)
    : QObject(parent),
      messenger_(messenger),
      ownStore_(owned),
      repository_(owned->repository()),
      local_(owned),
      maxLibraries_(Limits::MeterLibraries) {}

LibraryService::~LibraryService() = default;

StoreResult LibraryService::outcome(bool ok, StoreError step) const {
    if (ok)
        return {};
    StoreResult result = repository_.lastResult();
    if (result.ok())
        result.error = step;
    return result;
}

bool LibraryService::reported(StoreResult result) const {
    if (!result && !local_ && failureTeller_ &&
        repository_.failure() != LibraryRepository::Failure::None) {
        failureTeller_(repository_.failure(), repository_.error());
        return false;
    }
    if (!result) {
        const QString path = local_ ? QDir::toNativeSeparators(local_->databasePath()) : QString();
        const StoreMessage message = storeFailureMessage(result, path, messenger_.language());
        messenger_.tip(message.text, message.arguments);
    }
    return result.ok();
}

bool LibraryService::begin() {
    return reported(outcome(repository_.begin(), StoreError::Begin));
}

bool LibraryService::undone(StoreResult result) {
    repository_.rollback();
    reported(result);
    return false;
}

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
        reported(opened);
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
        reported(reopened);
        return;
    }
    messenger_.tip(StoreText::DamagedRestored, {QDir::toNativeSeparators(kept)});
}

bool LibraryService::storeChangedElsewhere() {
    if (!databaseOpen_ || repository_.inTransaction())
        return false;
    return repository_.checkForChanges();
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
        appendEntry(entry);
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
        reported(StoreResult{StoreError::QueryLibraries});
    return records.value_or(QVector<Library>());
}

QVector<Colour> LibraryService::storedColours(const QString& libraryId, bool identifiers) {
    const std::optional<QVector<Colour>> colours = repository_.colours(libraryId, identifiers);
    readFailed_ = !colours;
    if (!colours)
        reported(StoreResult{StoreError::QueryColors});
    return colours.value_or(QVector<Colour>());
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

void LibraryService::appendEntry(const LibraryEntry& entry) {
    list_.append(entry);
    emit libraryAppended(list_.size() - 1);
}

void LibraryService::showStoredLibraries(const QVector<Library>& records) {
    // Only into an empty list: the libraries already shown stay as they are.
    if (!list_.isEmpty())
        return;
    for (const Library& record : records)
        appendEntry(entryOf(record));
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
    reported(local_->store().deleteDatabaseFile());
    open();
    clear();
}

bool LibraryService::removeAllLibraries() {
    storedLibraries();
    if (readFailed_)
        return false;
    // Not told when it cannot begin: the statements then run one by one.
    repository_.begin();
    StoreResult result = outcome(repository_.removeAllLibraries(), StoreError::DeleteLibrary);
    if (result)
        result = outcome(repository_.commit(), StoreError::Commit);
    if (!result)
        return undone(result);
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
    return reported(outcome(repository_.stampMeterNumber(meterNumber_), StoreError::RenameLibrary));
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

// --- libraries ------------------------------------------------------------

bool LibraryService::canAddLibrary() const {
    if (list_.size() < maxLibraries_)
        return true;
    messenger_.tip(LibraryText::TooManyLibraries, {number(maxLibraries_)});
    return false;
}

bool LibraryService::acceptLibraryEntry(const QString& name, const QString& description) const {
    const BilingualText* refusal = nullptr;
    if (name.isEmpty())
        refusal = &LibraryText::EnterName;
    else if (description.isEmpty())
        refusal = &LibraryText::EnterDescription;
    else if (TextSafety::hasUnsafe(name) || TextSafety::hasUnsafe(description))
        refusal = &LibraryText::UnsafeName;
    else if (name.length() + description.length() > Limits::LibraryTextLength)
        refusal = &LibraryText::NameTooLong;
    else if (lookAlikeRow(name, description) >= 0)
        refusal = &LibraryText::SameLibraryExists;
    if (refusal)
        messenger_.tip(*refusal);
    return !refusal;
}

bool LibraryService::createLibrary(const QString& name, const QString& description) {
    if (!begin())
        return false;
    // Whether it exists, the limit and the next identifier, as the store is
    // now: another process may have added libraries since the list was read.
    const std::optional<QVector<Library>> stored = repository_.libraries();
    if (!stored)
        return undone(outcome(false, StoreError::QueryLibraries));
    const QVector<Library>& records = *stored;
    const BilingualText* refusal = nullptr;
    for (const Library& record : records)
        if (looksAlike(record, name, description))
            refusal = &LibraryText::SameLibraryExists;
    if (!refusal && records.size() >= maxLibraries_)
        refusal = &LibraryText::TooManyLibraries;
    if (refusal) {
        repository_.rollback();
        if (refusal == &LibraryText::TooManyLibraries)
            messenger_.tip(*refusal, {number(maxLibraries_)});
        else
            messenger_.tip(*refusal);
        refreshIfChangedElsewhere();
        return false;
    }
    Library library;
    library.id = repository_.newLibraryId(records.size() + 1);
    library.meterNumber = meterNumber_;
    library.name = name;
    library.description = description;
    LibraryEntry entry{library.id, name, description, QStringLiteral("0"), {}};
    StoreResult result = outcome(repository_.addLibrary(library), StoreError::InsertLibrary);
    if (result)
        result = outcome(repository_.commit(), StoreError::Commit);
    if (!result)
        return undone(result);
    if (!refreshIfChangedElsewhere())
        appendEntry(entry);
    return true;
}

bool LibraryService::renameLibrary(int row, const QString& name, const QString& description) {
    if (row < 0 || row >= list_.size())
        return false;
    if (!reported(outcome(repository_.renameLibrary(list_.entry(row).id, name, description),
                          StoreError::RenameLibrary)))
        return false;
    LibraryEntry& renamed = list_.editable(row);
    renamed.name = name;
    renamed.description = description;
    list_.changed(row);
    emit libraryChanged(row);
    return true;
}

bool LibraryService::confirmDeleteLibrary() const {
    return messenger_.askRisky(LibraryText::ConfirmDeleteLibrary);
}

bool LibraryService::deleteLibrary(int row) {
    if (row < 0 || row >= list_.size())
        return false;
    if (row == current_ && locked_) {
        messenger_.tip(LibraryText::LibraryLocked);
        return false;
    }
    if (!backUpBeforeChange(BackupCause::DeleteLibrary))
        return false;
    const QString id = list_.entry(row).id;
    if (!begin())
        return false;
    // The library's tolerance and index settings go with it, in the same transaction.
    StoreResult result = outcome(repository_.removeLibrary(id), StoreError::DeleteLibrary);
    if (result)
        result = outcome(repository_.commit(), StoreError::Commit);
    if (!result)
        return undone(result);
    // The current row first: the views follow the removal at once and may
    // choose another library meanwhile.
    if (row < current_)
        --current_;
    else if (row == current_)
        current_ = -1;
    list_.removeAt(row);
    emit libraryRemoved(row);
    return true;
}

// --- colours of the current library ---------------------------------------

int LibraryService::colourRowOf(const QString& colourId) const {
    if (current_ < 0 || current_ >= list_.size())
        return -1;
    const QList<ColourEntry>& colours = list_.entry(current_).colours;
    for (int row = 0; row < colours.size(); ++row)
        if (colours[row].id == colourId)
            return row;
    return -1;
}

bool LibraryService::isColourRow(int colourRow) const {
    return current_ >= 0 && current_ < list_.size() && colourRow >= 0 &&
           colourRow < list_.entry(current_).colours.size();
}

bool LibraryService::colourNameTaken(const QString& name) const {
    if (current_ < 0 || current_ >= list_.size())
        return false;
    for (const ColourEntry& colour : list_.entry(current_).colours)
        if (colour.name == name)
            return true;
    return false;
}

bool LibraryService::acceptNewColour(const QString& name) {
    if (name.isEmpty()) {
        // Named as the field is labelled.
        messenger_.tip(ChangeText::ColorNumberEmpty);
        return false;
    }
    if (TextSafety::hasUnsafe(name)) {
        messenger_.tip(LibraryText::UnsafeName);
        return false;
    }
    if (current_ < 0) {
        messenger_.tip(LibraryText::CreateAndSelectLibrary);
        return false;
    }
    if (colourNameTaken(name)) {
        messenger_.tip(LibraryText::SameColorName);
        return false;
    }
    if (totalColorCount() >= Limits::MaxColors) {
        messenger_.tip(LibraryText::TooManyColors, {number(Limits::MaxColors)});
        return false;
    }
    return true;
}

bool LibraryService::addColour(const QString& name, const QStringList& values) {
    if (current_ < 0 || current_ >= list_.size())
        return false;
    const QString libraryId = list_.entry(current_).id;
    if (!begin())
        return false;
    // The name, the limit and the next identifier as the store is now.
    const std::optional<QVector<Colour>> held = repository_.colours(libraryId, false);
    if (!held)
        return undone(outcome(false, StoreError::QueryColors));
    const std::optional<QVector<Library>> records = repository_.libraries();
    if (!records)
        return undone(outcome(false, StoreError::QueryLibraries));
    bool taken = false;
    for (const Colour& colour : *held)
        taken = taken || colour.name == name;
    const bool full = totalsOf(*records).colours >= Limits::MaxColors;
    if (taken || full) {
        repository_.rollback();
        if (taken)
            messenger_.tip(LibraryText::SameColorName);
        else
            messenger_.tip(LibraryText::TooManyColors, {number(Limits::MaxColors)});
        refreshIfChangedElsewhere();
        return false;
    }
    // The next number after the colours held, skipping one already taken in
    // this second (after a deletion the count repeats an earlier number).
    const QString id = repository_.newColourIds(libraryId, held->size() + 1, 1).value(0);
    QVector<Colour> added{Colour::fromValues(name, values)};
    added[0].id = id;
    // Sets the count to the colours held, counted in the statement that sets it.
    StoreResult result = outcome(repository_.addColours(libraryId, added), StoreError::InsertColor);
    if (result)
        result = outcome(repository_.commit(), StoreError::Commit);
    if (!result)
        return undone(result);
    const QString count = repository_.library(libraryId).value_or(Library()).count;
    if (refreshIfChangedElsewhere())
        return true;
    LibraryEntry& library = list_.editable(current_);
    library.count = count;
    library.colours << ColourEntry{id, name, values.value(0), values.value(1), values.value(2)};
    list_.changed(current_);
    emit libraryChanged(current_);
    emit colourAppended(library.colours.size() - 1);
    return true;
}

bool LibraryService::replaceColourValues(int colourRow, const QStringList& values) {
    if (!isColourRow(colourRow))
        return false;
    LibraryEntry& library = list_.editable(current_);
    ColourEntry& colour = library.colours[colourRow];
    if (!reported(outcome(repository_.replaceColourValues(library.id, colour.id, values),
                          StoreError::UpdateColor)))
        return false;
    colour.L = values.value(0);
    colour.a = values.value(1);
    colour.b = values.value(2);
    emit colourChanged(colourRow);
    return true;
}

bool LibraryService::renameColour(int colourRow, const QString& name) {
    if (!isColourRow(colourRow))
        return false;
    LibraryEntry& library = list_.editable(current_);
    ColourEntry& colour = library.colours[colourRow];
    if (name == colour.name)
        return true;
    if (TextSafety::hasUnsafe(name)) {
        emit colourChanged(colourRow);
        messenger_.tip(LibraryText::UnsafeName);
        return false;
    }
    if (colourNameTaken(name)) {
        // The row shows its name again before the message.
        emit colourChanged(colourRow);
        messenger_.tip(LibraryText::SameColorName);
        return false;
    }
    if (!reported(outcome(repository_.renameColour(library.id, colour.id, name),
                          StoreError::RenameColor))) {
        emit colourChanged(colourRow);
        return false;
    }
    colour.name = name;
    emit colourChanged(colourRow);
    return true;
}

bool LibraryService::deleteColour(int colourRow) {
    if (!isColourRow(colourRow))
        return false;
    const QString libraryId = list_.entry(current_).id;
    if (!begin())
        return false;
    StoreResult result =
        outcome(repository_.removeColour(libraryId, list_.entry(current_).colours[colourRow].id),
                StoreError::DeleteColor);
    // The count is the colours held, counted in the statement that sets it.
    if (result)
        result = outcome(repository_.recount(libraryId), StoreError::UpdateCount);
    if (result)
        result = outcome(repository_.commit(), StoreError::Commit);
    if (!result)
        return undone(result);
    const QString count = repository_.library(libraryId).value_or(Library()).count;
    if (refreshIfChangedElsewhere())
        return true;
    LibraryEntry& library = list_.editable(current_);
    library.count = count;
    library.colours.removeAt(colourRow);
    list_.changed(current_);
    emit libraryChanged(current_);
    emit colourRemoved(colourRow);
    return true;
}

bool LibraryService::confirmDeleteColour(int colourRow) const {
    return isColourRow(colourRow) &&
           messenger_.askRisky(GuidanceText::ConfirmDeleteColour,
                               {list_.entry(current_).colours[colourRow].name});
}

bool LibraryService::confirmRemeasure(int colourRow) const {
    return isColourRow(colourRow) &&
           messenger_.askRisky(GuidanceText::ConfirmRemeasure,
                               {list_.entry(current_).colours[colourRow].name});
}

// --- the merge ------------------------------------------------------------

bool LibraryService::fitsLibraryLimit(const QList<LibraryKey>& incoming,
                                      ProgressReporter* progress) {
    QSet<LibraryKey> added;
    for (const LibraryKey& key : incoming)
        if (rowOf(key) < 0)
            added.insert(key);
    const int rows = list_.size();
    if (rows + added.size() <= maxLibraries_)
        return true;
    if (progress)
        progress->hide();
    messenger_.tip(LibraryText::ImportTooManyLibraries, {number(maxLibraries_), number(rows)});
    return false;
}

bool LibraryService::overwriteAgreed(const IncomingLibrary& incoming, int position,
                                     MergeSeries* series, const QString& changes) const {
    using Overwrite = MergeSeries::Overwrite;
    const QString question = messenger_.paragraphs(
        {messenger_.text(LibraryText::ConfirmOverwrite, {incoming.name, incoming.description}),
         changes});
    if (!series)
        return messenger_.askRiskyComposed(question);
    // Asked before the transaction began again (after the backup).
    const auto answer = series->answered.constFind(position);
    if (answer != series->answered.constEnd())
        return *answer;
    bool agreed = false;
    if (series->plainQuestions) {
        agreed = messenger_.askRiskyComposed(question);
    } else if (series->overwrite != Overwrite::Ask) {
        agreed = series->overwrite == Overwrite::Always;
    } else {
        switch (messenger_.askSeriesRiskyComposed(question)) {
            case Prompt::SeriesAnswer::YesToAll:
                series->overwrite = Overwrite::Always;
                agreed = true;
                break;
            case Prompt::SeriesAnswer::NoToAll:
                series->overwrite = Overwrite::Never;
                break;
            case Prompt::SeriesAnswer::Yes:
                agreed = true;
                break;
            case Prompt::SeriesAnswer::No:
                break;
        }
    }
    series->answered.insert(position, agreed);
    return agreed;
}

int LibraryService::mergeAll(const QList<IncomingLibrary>& incoming,
                             const std::function<void(int place, bool changed)>& done,
                             const char* cause) {
    BackupScope backupScope(*this, cause);
    MergeSeries series;
    mergeCounts_ = MergeCounts();
    lackingLibraries_.clear();
    const int changed = mergeTogether(incoming, 1, &series, done, nullptr);
    // Left alone, yet not the same as what arrived: said, never passed off
    // as "nothing changed". (A merge begun again after its backup meets them twice.)
    lackingLibraries_.removeDuplicates();
    if (changed >= 0 && !lackingLibraries_.isEmpty())
        messenger_.tip(ChangeText::MergeOnlyLacking, {nameList(lackingLibraries_, messenger_)});
    return changed;
}

LibraryService::MergeOutcome LibraryService::mergeLibrary(const IncomingLibrary& incoming,
                                                          int position, MergeSeries* series) {
    MergeSeries plain;
    plain.plainQuestions = true;
    QList<MergeOutcome> outcomes;
    if (mergeTogether({incoming}, position, series ? series : &plain, {}, &outcomes) < 0)
        return MergeOutcome::Stopped;
    return outcomes.value(0, MergeOutcome::Stopped);
}

int LibraryService::mergeTogether(const QList<IncomingLibrary>& incoming, int firstPosition,
                                  MergeSeries* series,
                                  const std::function<void(int place, bool changed)>& done,
                                  QList<MergeOutcome>* outcomes) {
    BackupScope backupScope(*this);
    // The whole file (or the whole meter) in one transaction: a kill, a full
    // disk or a failure part-way leaves every library as it was. Every
    // decision is taken inside it, from the store as it is then.
    for (;;) {
        if (!begin())
            return -1;
        // A pass begun again or undone counts nothing.
        const MergeCounts countsBefore = mergeCounts_;
        QList<MergeOutcome> results;
        QStringList mergedIds;
        int changed = 0;
        bool backupFirst = false;
        for (int k = 0; k < incoming.size(); ++k) {
            QString id;
            const MergeOutcome outcome =
                mergeInTransaction(incoming.at(k), firstPosition + k, series, &id);
            if (outcome == MergeOutcome::NeedsBackup) {
                backupFirst = true;
                break;
            }
            if (outcome == MergeOutcome::Stopped) {
                mergeCounts_ = countsBefore;
                repository_.rollback();
                refreshIfChangedElsewhere();
                return -1;
            }
            results << outcome;
            if (outcome == MergeOutcome::Merged) {
                ++changed;
                if (!mergedIds.contains(id))
                    mergedIds << id;
            }
            if (done)
                done(k + 1, outcome == MergeOutcome::Merged);
        }
        if (backupFirst) {
            // A copy is never taken of a transaction's half: nothing is
            // written yet, so the transaction begins again after the copy,
            // the answers given standing.
            mergeCounts_ = countsBefore;
            repository_.rollback();
            if (!backUpBeforeChange())
                return -1;
            continue;
        }
        StoreResult committed = outcome(repository_.commit(), StoreError::Commit);
        if (!committed) {
            // A failed commit has always been told as a failed insert.
            mergeCounts_ = countsBefore;
            committed.error = StoreError::InsertColor;
            reported(committed);
            return -1;
        }
        if (!refreshIfChangedElsewhere())
            showMerged(mergedIds);
        if (outcomes)
            *outcomes = results;
        return changed;
    }
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
            appendEntry(entry);
        } else {
            list_.replace(row, entry);
            emit libraryChanged(row);
        }
    }
}

LibraryService::MergeOutcome LibraryService::mergeInTransaction(const IncomingLibrary& incoming,
                                                                int position, MergeSeries* series,
                                                                QString* mergedId) {
    const auto stopped = [this](StoreError step) {
        reported(outcome(false, step));
        return MergeOutcome::Stopped;
    };
    // The library as the store holds it now (earlier libraries of this
    // transaction included), not as the list was read.
    const std::optional<Library> found =
        repository_.libraryByKey(incoming.name, incoming.description);
    if (!found)
        return stopped(StoreError::QueryLibraries);
    const Library& stored = *found;
    const bool exists = stored.isStored();
    QList<ColourEntry> held;
    if (exists) {
        const std::optional<QVector<Colour>> colours = repository_.colours(stored.id);
        if (!colours)
            return stopped(StoreError::QueryColors);
        held.reserve(colours->size());
        for (const Colour& colour : *colours)
            held << ColourEntry{colour.id, colour.name, colour.labL, colour.laba, colour.labb};
    }

    // What the library holds, then every incoming colour in order: a new
    // name is added, a held one takes the incoming values unless they are
    // the same (a later colour of one name wins over an earlier one).
    QHash<QString, int> byName;
    for (int i = 0; i < held.size(); ++i)
        if (!byName.contains(held[i].name))
            byName.insert(held[i].name, i);
    QList<IncomingColour> added;
    QList<int> addedPlaces;
    QHash<int, IncomingColour> replaced;
    for (int place = 0; place < incoming.colours.size(); ++place) {
        const IncomingColour& colour = incoming.colours[place];
        const auto at = byName.constFind(colour.name);
        if (at == byName.constEnd()) {
            byName.insert(colour.name, held.size() + added.size());
            added << colour;
            addedPlaces << place;
        } else if (*at >= held.size()) {
            added[*at - held.size()] = colour;
        } else if (!held[*at].sameValues(colour.values.value(0), colour.values.value(1),
                                         colour.values.value(2))) {
            replaced.insert(*at, colour);
        } else {
            replaced.remove(*at);
        }
    }
    // Colours of the library that the incoming copy does not hold: the merge
    // keeps them, and says so.
    QSet<QString> incomingNames;
    for (const IncomingColour& colour : incoming.colours)
        incomingNames.insert(colour.name);
    QStringList lacking;
    for (const ColourEntry& colour : held)
        if (!incomingNames.contains(colour.name))
            lacking << colour.name;
    // Held colours the incoming library names: those not replaced are kept.
    QSet<int> named;
    for (const IncomingColour& colour : incoming.colours)
        if (byName.value(colour.name) < held.size())
            named.insert(byName.value(colour.name));
    const auto kept = [&](MergeOutcome outcome) {
        ++mergeCounts_.librariesKept;
        mergeCounts_.coloursKept += named.size() + added.size();
        return outcome;
    };
    // Only a library that would change is worth a question.
    if (exists && added.isEmpty() && replaced.isEmpty()) {
        if (!lacking.isEmpty())
            lackingLibraries_ << incoming.name;
        return kept(MergeOutcome::Unchanged);
    }
    if (exists) {
        QStringList addedNames, changedNames;
        for (const IncomingColour& colour : added)
            addedNames << colour.name;
        QList<int> changedRows = replaced.keys();
        std::sort(changedRows.begin(), changedRows.end());
        for (int changedRow : changedRows)
            changedNames << held[changedRow].name;
        QStringList changes;
        if (!addedNames.isEmpty())
            changes << messenger_.text(ChangeText::MergeAdds, {number(addedNames.size()),
                                                               nameList(addedNames, messenger_)});
        if (!changedNames.isEmpty())
            changes << messenger_.text(
                ChangeText::MergeChanges,
                {number(changedNames.size()), nameList(changedNames, messenger_)});
        if (!lacking.isEmpty())
            changes << messenger_.text(ChangeText::MergeKeeps,
                                       {number(lacking.size()), nameList(lacking, messenger_)});
        if (!overwriteAgreed(incoming, position, series, changes.join(QLatin1Char('\n'))))
            return kept(MergeOutcome::Skipped);
    }

    const std::optional<QVector<Library>> records = repository_.libraries();
    if (!records)
        return stopped(StoreError::QueryLibraries);
    const StoreTotals totals = totalsOf(*records);
    if (!exists && totals.libraries >= maxLibraries_) {
        messenger_.tip(LibraryText::ImportTooManyLibraries,
                       {number(maxLibraries_), number(totals.libraries)});
        return MergeOutcome::Stopped;
    }
    const int storedColours = int(qMin<qint64>(totals.colours, std::numeric_limits<int>::max()));
    if (totals.colours + added.size() > Limits::MaxColors) {
        messenger_.tip(LibraryText::ImportTooManyColors,
                       {number(Limits::MaxColors), number(storedColours), number(added.size()),
                        number(position)});
        return MergeOutcome::Stopped;
    }

    // A stored library is about to change: the action's backup comes first.
    if (exists && backupPending())
        return MergeOutcome::NeedsBackup;

    const QString id = exists ? stored.id : repository_.newLibraryId(totals.libraries + 1);
    StoreResult result;
    if (!exists) {
        Library library;
        library.id = id;
        library.meterNumber = meterNumber_;
        library.name = incoming.name;
        library.description = incoming.description;
        result = outcome(repository_.addLibrary(library), StoreError::InsertLibrary);
    }
    for (auto it = replaced.cbegin(); result && it != replaced.cend(); ++it)
        result =
            outcome(repository_.replaceColourValues(id, held[it.key()].id, allValues(it->values)),
                    StoreError::UpdateColor);
    if (result && !added.isEmpty()) {
        QStringList ids;
        if (incoming.idsByPlace) {
            const QStringList byPlace = repository_.newColourIds(id, 0, incoming.colours.size());
            for (int place : addedPlaces)
                ids << byPlace.value(place);
        } else {
            ids = repository_.newColourIds(id, 1, added.size());
        }
        bool everyValue = true;
        for (const IncomingColour& colour : added)
            everyValue = everyValue && colour.values.size() >= kValueCount;
        // Every value of every colour, or L*, a* and b* alone.
        QVector<Colour> colours;
        colours.reserve(added.size());
        for (int k = 0; k < added.size(); ++k) {
            colours << Colour::fromValues(added[k].name,
                                          added[k].values.mid(0, everyValue ? kValueCount : 3));
            colours.last().id = ids.value(k);
        }
        result = outcome(everyValue ? repository_.addColours(id, colours)
                                    : repository_.addLabColours(id, colours),
                         StoreError::InsertColor);
    }
    // The count is the colours held, counted in the statement that sets it.
    if (result)
        result = outcome(repository_.recount(id), StoreError::UpdateCount);
    if (!result) {
        reported(result);
        return MergeOutcome::Stopped;
    }
    *mergedId = id;
    ++(exists ? mergeCounts_.librariesReplaced : mergeCounts_.librariesAdded);
    mergeCounts_.coloursAdded += added.size();
    mergeCounts_.coloursReplaced += replaced.size();
    mergeCounts_.coloursKept += named.size() - replaced.size();
    return MergeOutcome::Merged;
}

}  // namespace colorcard
