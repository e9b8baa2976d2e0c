// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "prompt/Messenger.h"
#include "store/DatabaseBackup.h"
#include "store/LibraryRepository.h"
#include "workflow/LibraryTypes.h"
#include "workflow/StoreSteps.h"

namespace colorcard {

class LibraryService;

// The one merge of incoming libraries that the spreadsheet and open-format
// imports and the meter export share: the library limit, the overwrite
// questions, one transaction and one backup before the first overwrite;
// the list follows only after the commit.
class LibraryMerge {
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

    explicit LibraryMerge(LibraryService& library);
    LibraryMerge(const LibraryMerge&) = delete;
    LibraryMerge& operator=(const LibraryMerge&) = delete;

    // The list the merged libraries are shown in.
    LibraryService& library() const { return library_; }

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

private:
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

    LibraryService& library_;
    Messenger& messenger_;
    LibraryRepository& repository_;
    StoreSteps steps_;
    MergeCounts mergeCounts_;
    // Names of libraries a merge left alone though the incoming copy lacks
    // some of their colours.
    QStringList lackingLibraries_;
};

}  // namespace colorcard
