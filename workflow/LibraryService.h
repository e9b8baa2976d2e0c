// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "prompt/Messenger.h"
#include "store/ColorCardStore.h"
#include "store/DatabaseBackup.h"
#include "store/LibraryRepository.h"
#include "store/LocalStore.h"
#include "workflow/LibraryListModel.h"
#include "workflow/LibraryTypes.h"

namespace colorcard {

// The libraries and colours of the store as the page lists them, and every
// change to them: the store is changed first and the list (with its signals)
// only after the store reported success, so a failure leaves both as they
// were and shows the store's message. The limits are kept here, and so is
// the one merge of incoming libraries that the spreadsheet import and the
// meter export share.
class LibraryService : public QObject {
    Q_OBJECT
public:
    enum class MergeOutcome {
        Merged,
        // The library existed and holds every incoming colour with its
        // values already: nothing was asked and nothing written.
        Unchanged,
        // The library existed and the user chose not to overwrite it.
        Skipped,
        // The colour limit, a failed backup or a failed store step ended the
        // merge (message shown).
        Stopped,
        // Internal: an existing library is to be overwritten before the
        // action's backup was taken (the transaction is begun again after it).
        NeedsBackup,
    };
    // What merges did. A library is added, replaced (an existing one that
    // changed) or kept (an existing one left as it was: unchanged or
    // skipped); every colour name of an incoming library is added, replaced
    // (held with other values) or kept (held with the same values, or in a
    // kept library). A stopped library counts nowhere.
    struct MergeCounts {
        int librariesAdded = 0;
        int librariesReplaced = 0;
        int librariesKept = 0;
        int coloursAdded = 0;
        int coloursReplaced = 0;
        int coloursKept = 0;
    };
    // The libraries of one import or export: their overwrite questions offer
    // Yes to all and No to all, and such an answer stands for the rest.
    struct MergeSeries {
        enum class Overwrite { Ask, Always, Never };
        Overwrite overwrite = Overwrite::Ask;
        // Plain Yes/No questions (one library merged on its own).
        bool plainQuestions = false;
        // Each library's answer by its place, kept when the transaction starts again.
        QHash<int, bool> answered;
    };

    // Works on the repository the caller owns (a file's: its localStore()
    // is opened, backed up and recreated here; a server's: opened already).
    LibraryService(Messenger& messenger, LibraryRepository& repository, QObject* parent = nullptr);
    // On a store file of its own; directory: where "database.db" lives.
    LibraryService(Messenger& messenger, const QString& directory, QObject* parent = nullptr);
    ~LibraryService() override;

    Messenger& messenger() const { return messenger_; }
    // On a server: how a failed step is told, with the server's own words
    // (StoreService::tellFailure); the store's step message otherwise.
    using FailureTeller = std::function<void(LibraryRepository::Failure, const QString& detail)>;
    void setFailureTeller(FailureTeller teller) { failureTeller_ = std::move(teller); }
    LibraryRepository& repository() { return repository_; }
    // The store file; only on a store kept in a local file.
    ColorCardStore& store() { return local_->store(); }

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

    // The copies of the database in the backups folder beside it; only on a
    // store kept in a local file.
    DatabaseBackup& backups() { return local_->backups(); }
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

    // Libraries. False after a message.
    bool canAddLibrary() const;
    // The checks of the library dialog; a refusal is told through the
    // messenger (its parent: the dialog, see Messenger::ParentScope).
    bool acceptLibraryEntry(const QString& name, const QString& description) const;
    bool createLibrary(const QString& name, const QString& description);
    bool renameLibrary(int row, const QString& name, const QString& description);
    bool confirmDeleteLibrary() const;
    bool deleteLibrary(int row);

    // Colours of the current library. False after a message.
    int colourRowOf(const QString& colourId) const;
    // A measurement may be stored under this name: one is given, a library
    // is current, the name is not taken there and the colour limit is not reached.
    bool acceptNewColour(const QString& name);
    // Stores a measured colour (nineteen value texts) in the current library.
    bool addColour(const QString& name, const QStringList& values);
    bool replaceColourValues(int colourRow, const QStringList& values);
    // The name the row shows afterwards is the colour's name in the list.
    bool renameColour(int colourRow, const QString& name);
    bool deleteColour(int colourRow);
    // Asks before a colour of the current library is deleted or measured
    // again (neither can be taken back); true only for Yes.
    bool confirmDeleteColour(int colourRow) const;
    bool confirmRemeasure(int colourRow) const;

    // The library limit for libraries arriving together: false (message
    // shown, after hiding the given progress dialog) when the new ones among
    // them would exceed it.
    bool fitsLibraryLimit(const QList<LibraryKey>& incoming, ProgressReporter* progress = nullptr);
    // Merges one incoming library: an existing one is overwritten only after
    // the question, which is not asked when the merge would change nothing;
    // a colour whose name is new is added, one whose name is held with other
    // values has its values replaced, one held with the same values is left
    // alone, so no library ever holds two colours of one name.
    // position: the library's place among those arriving, from 1 (for the
    // limit message). series: null asks a plain Yes/No question.
    MergeOutcome mergeLibrary(const IncomingLibrary& incoming, int position,
                              MergeSeries* series = nullptr);
    // Merges libraries arriving together: one backup before the first
    // overwrite, the answers "to all" shared. done(place, changed) runs after
    // each library, place from 1. Returns how many changed, or -1 when the
    // merge stopped (message shown).
    // cause: what the backup taken before the first overwrite is named by.
    // Libraries left alone although the incoming copy lacks some of their
    // colours are named in a message after the merge.
    int mergeAll(const QList<IncomingLibrary>& incoming,
                 const std::function<void(int place, bool changed)>& done,
                 const char* cause = BackupCause::Import);
    // The counts of the last mergeAll, or of the merges since it.
    const MergeCounts& mergeCounts() const { return mergeCounts_; }

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
    LibraryService(Messenger& messenger, LocalStore* owned, QObject* parent);
    // Success, or the repository's failed step (step when it named none).
    StoreResult outcome(bool ok, StoreError step) const;
    // Shows the message of a failed step; true on success.
    bool reported(StoreResult result) const;
    // Rolls back and shows the failure; always false.
    bool undone(StoreResult result);
    LibraryEntry entryOf(const Library& record) const;
    // Reads the colours of a listed library that has not had them read.
    void readColours(int row);
    void appendEntry(const LibraryEntry& entry);
    bool isColourRow(int colourRow) const;
    bool colourNameTaken(const QString& name) const;
    // The overwrite question of an existing library, or the standing answer.
    bool overwriteAgreed(const IncomingLibrary& incoming, int position, MergeSeries* series,
                         const QString& changes) const;
    // One library merged inside the open transaction, every decision taken
    // from the store as it is now; mergedId: the library written.
    MergeOutcome mergeInTransaction(const IncomingLibrary& incoming, int position,
                                    MergeSeries* series, QString* mergedId);
    // Libraries merged in one transaction (begun again after the backup);
    // -1 when stopped (message shown). outcomes: one per library.
    int mergeTogether(const QList<IncomingLibrary>& incoming, int firstPosition,
                      MergeSeries* series, const std::function<void(int place, bool changed)>& done,
                      QList<MergeOutcome>* outcomes);
    // Starts the write transaction; false (message shown) when it cannot.
    bool begin();
    // The stored library as the list shows it (colours read from the store).
    void showMerged(const QStringList& ids);
    // The damaged store at start-up: the one question and the restore.
    void offerRestoreOfDamagedStore();
    bool backupPending() const { return !(backupScopes_ > 0 && scopeBackedUp_); }

    Messenger& messenger_;
    // The store file made for this service alone (the directory constructor).
    std::unique_ptr<LocalStore> ownStore_;
    LibraryRepository& repository_;
    // Null on a server.
    LocalStore* local_;
    int backupScopes_ = 0;
    bool scopeBackedUp_ = false;
    const char* scopeCause_ = nullptr;
    // Names of libraries a merge left alone though the incoming copy lacks
    // some of their colours.
    QStringList lackingLibraries_;
    LibraryListModel list_;
    QString meterNumber_;
    int maxLibraries_;
    bool databaseOpen_ = false;
    bool readFailed_ = false;
    bool damagedAtOpen_ = false;
    bool backupsTidied_ = false;
    MergeCounts mergeCounts_;
    int current_ = -1;
    bool locked_ = false;
    FailureTeller failureTeller_;
};

}  // namespace colorcard
