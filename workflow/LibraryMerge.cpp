// SPDX-License-Identifier: MIT
#include "workflow/LibraryMerge.h"

#include <QSet>
#include <algorithm>
#include <limits>

#include "texts/ChangeTexts.h"
#include "texts/LibraryTexts.h"
#include "workflow/LibraryService.h"
#include "workflow/Limits.h"

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
    return {int(records.size()), colourTotal(records)};
}

}  // namespace

LibraryMerge::LibraryMerge(LibraryService& library)
    : library_(library),
      messenger_(library.messenger()),
      repository_(library.repository()),
      steps_(library.messenger(), library.repository(), &library.failureTeller()) {}

bool LibraryMerge::fitsLibraryLimit(const QList<LibraryKey>& incoming, ProgressReporter* progress) {
    QSet<LibraryKey> added;
    for (const LibraryKey& key : incoming)
        if (library_.rowOf(key) < 0)
            added.insert(key);
    const int rows = library_.libraryCount();
    const int maxLibraries = library_.maxLibraries();
    if (rows + added.size() <= maxLibraries)
        return true;
    if (progress)
        progress->hide();
    messenger_.tip(LibraryText::ImportTooManyLibraries, {number(maxLibraries), number(rows)});
    return false;
}

bool LibraryMerge::overwriteAgreed(const IncomingLibrary& incoming, int position,
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

int LibraryMerge::mergeAll(const QList<IncomingLibrary>& incoming,
                           const std::function<void(int place, bool changed)>& done,
                           const char* cause) {
    LibraryService::BackupScope backupScope(library_, cause);
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

LibraryMerge::MergeOutcome LibraryMerge::mergeLibrary(const IncomingLibrary& incoming, int position,
                                                      MergeSeries* series) {
    MergeSeries plain;
    plain.plainQuestions = true;
    QList<MergeOutcome> outcomes;
    if (mergeTogether({incoming}, position, series ? series : &plain, {}, &outcomes) < 0)
        return MergeOutcome::Stopped;
    return outcomes.value(0, MergeOutcome::Stopped);
}

int LibraryMerge::mergeTogether(const QList<IncomingLibrary>& incoming, int firstPosition,
                                MergeSeries* series,
                                const std::function<void(int place, bool changed)>& done,
                                QList<MergeOutcome>* outcomes) {
    LibraryService::BackupScope backupScope(library_);
    // The whole file (or the whole meter) in one transaction: a kill, a full
    // disk or a failure part-way leaves every library as it was. Every
    // decision is taken inside it, from the store as it is then.
    for (;;) {
        if (!steps_.begin())
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
                library_.refreshIfChangedElsewhere();
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
            if (!library_.backUpBeforeChange())
                return -1;
            continue;
        }
        StoreResult committed = steps_.outcome(repository_.commit(), StoreError::Commit);
        if (!committed) {
            // A failed commit has always been told as a failed insert.
            mergeCounts_ = countsBefore;
            committed.error = StoreError::InsertColor;
            steps_.reported(committed);
            return -1;
        }
        if (!library_.refreshIfChangedElsewhere())
            library_.showMerged(mergedIds);
        if (outcomes)
            *outcomes = results;
        return changed;
    }
}

LibraryMerge::MergeOutcome LibraryMerge::mergeInTransaction(const IncomingLibrary& incoming,
                                                            int position, MergeSeries* series,
                                                            QString* mergedId) {
    const auto stopped = [this](StoreError step) {
        steps_.reported(steps_.outcome(false, step));
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
    if (!exists && totals.libraries >= library_.maxLibraries()) {
        messenger_.tip(LibraryText::ImportTooManyLibraries,
                       {number(library_.maxLibraries()), number(totals.libraries)});
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
    if (exists && library_.backupPending())
        return MergeOutcome::NeedsBackup;

    const QString id = exists ? stored.id : repository_.newLibraryId(totals.libraries + 1);
    StoreResult result;
    if (!exists) {
        Library library;
        library.id = id;
        library.meterNumber = library_.meterNumber();
        library.name = incoming.name;
        library.description = incoming.description;
        result = steps_.outcome(repository_.addLibrary(library), StoreError::InsertLibrary);
    }
    for (auto it = replaced.cbegin(); result && it != replaced.cend(); ++it)
        result = steps_.outcome(
            repository_.replaceColourValues(id, held[it.key()].id, allValues(it->values)),
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
        result = steps_.outcome(everyValue ? repository_.addColours(id, colours)
                                           : repository_.addLabColours(id, colours),
                                StoreError::InsertColor);
    }
    // The count is the colours held, counted in the statement that sets it.
    if (result)
        result = steps_.outcome(repository_.recount(id), StoreError::UpdateCount);
    if (!result) {
        steps_.reported(result);
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
