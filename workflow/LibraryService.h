// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "prompt/Messenger.h"
#include "store/ColorCardStore.h"
#include "store/DatabaseBackup.h"
#include "store/LibraryRepository.h"
#include "store/LocalStore.h"
#include "workflow/LibraryListModel.h"
#include "workflow/LibraryTypes.h"
#include "workflow/StoreSteps.h"

namespace colorcard {

// The libraries of the store as the page lists them: the list, the library
// the page has chosen and its lock, the colours read when first needed, and
// the store's opening and bulk clearing. Changes to single libraries and
// colours are LibraryEdits', the merge of incoming libraries LibraryMerge's;
// both bring the list up to date through the show* calls below only after
// the store reported success. The backups before a change are taken here,
// so that the edits and the merge of one action share one.
class LibraryService : public QObject {
    Q_OBJECT
public:
    // Works on the repository the caller owns (a file's: its localStore()
    // is opened, backed up and recreated here; a server's: opened already).
    LibraryService(Messenger& messenger, LibraryRepository& repository, QObject* parent = nullptr);
    ~LibraryService() override;

    Messenger& messenger() const { return messenger_; }
    // On a server: how a failed step is told, with the server's own words
    // (StoreService::tellFailure); the store's step message otherwise.
    void setFailureTeller(StoreSteps::FailureTeller teller) { failureTeller_ = std::move(teller); }
    const StoreSteps::FailureTeller& failureTeller() const { return failureTeller_; }
    LibraryRepository& repository() { return repository_; }

    // Opens the store (a failure is shown); the list starts empty. A store
    // that cannot be read (damaged) is told once, naming the file, with the
    // offer to restore the newest backup (the damaged file is kept beside).
    // deferDamaged: the question waits for offerDamagedStoreRestore (the
    // window asks once its language is set, after start-up).
    bool open(bool deferDamaged = false);
    bool databaseOpen() const { return databaseOpen_; }
    // The store was found damaged by the last open and nothing was asked yet.
    bool damagedAtOpen() const { return damagedAtOpen_; }
    // Asks about the damaged store (once), restores on Yes and lists the
    // restored libraries.
    void offerDamagedStoreRestore();

    // Another process (colorcard-cli, a second window) may change the store:
    // true when one committed since the last look (PRAGMA data_version).
    bool storeChangedElsewhere();
    // Lists the store again when another process changed it, keeping the
    // current library (by identifier) and its lock; a locked library that
    // is gone is unlocked (lockReleased). Nothing while a transaction is
    // open. True when the list was read again.
    bool refreshIfChangedElsewhere();
    // Lists every stored library again, keeping the current one and its lock.
    void reloadFromStore();

    // The meter the libraries belong to: new libraries are stamped with its
    // number and it decides how many libraries there may be.
    QString meterNumber() const { return meterNumber_; }
    void setMeterNumber(const QString& number) { meterNumber_ = number; }
    int maxLibraries() const { return maxLibraries_; }
    void setMaxLibraries(int maximum) { maxLibraries_ = maximum; }

    // Every listed library with its colours (those not read yet are read now).
    const QList<LibraryEntry>& libraries();
    int libraryCount() const { return list_.size(); }
    // A listed library with its colours (read now when they were not yet).
    const LibraryEntry& library(int row);
    // A listed library as the list shows it: identifier, name, description
    // and count; its colours may not have been read.
    const LibraryEntry& listedLibrary(int row) const { return list_.entry(row); }
    // The listed libraries as a table model, for views to bind to.
    const LibraryListModel& list() const { return list_; }
    // -1 when no library has that key.
    int rowOf(const LibraryKey& key) const;
    // A library whose name and description read the same as these once
    // spaces at the ends are dropped and runs of spaces count as one; -1: none.
    int lookAlikeRow(const QString& name, const QString& description) const;
    // Sum of the stored colour counts of every library in the store.
    int totalColorCount();

    // The library the page has chosen (-1: none) and whether it is locked.
    int currentRow() const { return current_; }
    bool locked() const { return locked_; }
    void setLocked(bool locked) { locked_ = locked; }
    // Makes a library current; its colours are shown with a progress dialog.
    void selectLibrary(int row);
    // After bulk changes: asks the page to select the current library again
    // (its colours may have changed), or the first one when none is current.
    // A locked library stays locked.
    void reselectLibrary();

    // The stored libraries (a failed query is shown).
    QVector<Library> storedLibraries();
    // Whether the last storedLibraries or storedColours failed (message shown).
    bool lastReadFailed() const { return readFailed_; }
    // The stored colours of a library, without identifiers when not wanted
    // (a failed query is shown).
    QVector<Colour> storedColours(const QString& libraryId, bool identifiers = true);
    // The same colours as the store's texts a row at a time (a failed query
    // is shown); false when they cannot be read.
    bool storedColourTexts(const QString& libraryId,
                           const std::function<void(const StoredColourTexts&)>& row);
    // Lists the stored libraries, only into an empty list; the colours of
    // each are read when first needed.
    void showStoredLibraries(const QVector<Library>& records);
    // Empties the list; the store keeps everything.
    void clear();
    // Deletes and recreates the database file, then empties the list. No
    // question and no backup: a caller removing the user's data takes one first.
    void clearAllData();
    // Removes every library with its colours and tolerance in one
    // transaction, then empties the list; the QC history and lots stay. No
    // question and no backup. False after a message (nothing removed).
    bool removeAllLibraries();
    // The meter whose libraries the store holds (the most common stamp), or
    // the attached one when the store holds none.
    QString dataMeterNumber();
    // Stamps every stored library with the attached meter. False after a message.
    bool adoptForAttachedMeter();
    // Asks, backs up, then clearAllData; true when the data was cleared.
    bool deleteAllData();

    // Copies the database before a change that removes or replaces stored
    // data, named by the time, the meter whose data it holds and the cause
    // (a BackupCause; within a BackupScope the scope's); within a BackupScope
    // only the first call takes a copy. False (message shown) when none
    // could be taken: the change must then not run. Without a database file
    // there is nothing to lose.
    bool backUpBeforeChange(const char* cause = nullptr);

    // One user action whose changes share one backup, taken before the
    // first change that needs it (an import or an export, library by library).
    class BackupScope {
    public:
        explicit BackupScope(LibraryService& service, const char* cause = BackupCause::Import);
        ~BackupScope();
        BackupScope(const BackupScope&) = delete;
        BackupScope& operator=(const BackupScope&) = delete;

    private:
        LibraryService& service_;
    };

    // The row of a colour of the current library; -1: none has that identifier.
    int colourRowOf(const QString& colourId) const;

    // Within a BackupScope: whether the action's backup is still to be taken.
    bool backupPending() const { return !(backupScopes_ > 0 && scopeBackedUp_); }

    // The list brought up to date after the store changed (see LibraryEdits,
    // LibraryMerge); each emits what a view needs.
    void showAdded(const LibraryEntry& entry);
    void showRenamed(int row, const QString& name, const QString& description);
    // The current row moves first: views follow the removal at once and may
    // choose another library meanwhile.
    void showRemoved(int row);
    // The stored libraries of these identifiers as the store holds them now
    // (read again, colours when first needed), appended when not listed.
    void showMerged(const QStringList& ids);
    // Colours of the current library; count: the library's stored count now.
    void showColourAdded(const ColourEntry& colour, const QString& count);
    void showColourValues(int colourRow, const QStringList& values);
    void showColourName(int colourRow, const QString& name);
    // The row shows the colour as listed again (after a refused rename).
    void showColour(int colourRow);
    void showColourRemoved(int colourRow, const QString& count);

signals:
    void libraryAppended(int row);
    // Name, description or count of a row changed.
    void libraryChanged(int row);
    void libraryRemoved(int row);
    void librariesCleared();
    // The current library's colours are to be shown again, reporting to progress.
    void coloursReset(ProgressReporter* progress);
    void colourAppended(int row);
    void colourChanged(int row);
    void colourRemoved(int row);
    void libraryReselected(int row);
    // The locked library went away (deleted here or by another process): the
    // page shows it unlocked.
    void lockReleased();

private:
    LibraryEntry entryOf(const Library& record) const;
    // Reads the colours of a listed library that has not had them read.
    void readColours(int row);
    // The damaged store at start-up: the one question and the restore.
    void offerRestoreOfDamagedStore();

    Messenger& messenger_;
    LibraryRepository& repository_;
    StoreSteps steps_;
    // Null on a server.
    LocalStore* local_;
    int backupScopes_ = 0;
    bool scopeBackedUp_ = false;
    const char* scopeCause_ = nullptr;
    LibraryListModel list_;
    QString meterNumber_;
    int maxLibraries_;
    bool databaseOpen_ = false;
    bool readFailed_ = false;
    bool damagedAtOpen_ = false;
    bool backupsTidied_ = false;
    int current_ = -1;
    bool locked_ = false;
    StoreSteps::FailureTeller failureTeller_;
    // A server told of a commit since the list last looked.
    bool changeHeard_ = false;
};

}  // namespace colorcard
