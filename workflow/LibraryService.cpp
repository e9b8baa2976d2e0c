#include "LibraryService.h"

#include <QHash>
#include <QSet>
#include <limits>

#include "BackupTexts.h"
#include "GuidanceTexts.h"
#include "LibraryTexts.h"
#include "Limits.h"
#include "QualityStore.h"
#include "StoreErrorTexts.h"

namespace {

// Library record: id, colorcardid, meterno, colorcardname, colorcarddesc, colorcardcount.
enum RecordColumn { IdValue = 1, NameValue = 3, DescriptionValue, CountValue };
constexpr int kRecordSize = 6;

// Value texts of a colour.
constexpr int kValueCount = 19;

QString number(int value) {
    return QString::number(value);
}

// Nineteen value texts: those given, the rest empty.
QStringList allValues(const QStringList& values) {
    QStringList padded = values.mid(0, kValueCount);
    while (padded.size() < kValueCount)
        padded << QString(QLatin1String(""));
    return padded;
}

}  // namespace

LibraryService::LibraryService(Messenger& messenger, const QString& directory, QObject* parent)
    : QObject(parent),
      messenger_(messenger),
      store_(directory),
      backup_(store_.databasePath(), store_.connectionName()),
      maxLibraries_(Limits::MeterLibraries) {}

bool LibraryService::reported(StoreResult result) const {
    if (!result)
        messenger_.tip(storeErrorText(result.error));
    return result.ok();
}

bool LibraryService::undone(StoreResult result) {
    store_.rollbackTransaction();
    reported(result);
    return false;
}

bool LibraryService::open() {
    databaseOpen_ = reported(store_.openDatabase());
    return databaseOpen_;
}

int LibraryService::rowOf(const LibraryKey& key) const {
    for (int row = 0; row < libraries_.size(); ++row)
        if (libraries_[row].key() == key)
            return row;
    return -1;
}

int LibraryService::lookAlikeRow(const QString& name, const QString& description) const {
    // The table centres its texts, so spaces at either end or doubled ones
    // cannot be seen: such keys would be two rows that look the same.
    const QString shownName = name.simplified();
    const QString shownDescription = description.simplified();
    for (int row = 0; row < libraries_.size(); ++row)
        if (libraries_[row].name.simplified() == shownName &&
            libraries_[row].description.simplified() == shownDescription)
            return row;
    return -1;
}

QList<LibraryRecord> LibraryService::storedLibraries() {
    const QList<LibraryRecord> records = store_.selectLibraries();
    if (store_.lastError() != StoreError::None)
        reported(StoreResult{store_.lastError()});
    return records;
}

QList<ColorDataRecord> LibraryService::storedColours(const QString& libraryId) {
    const QList<ColorDataRecord> colours = store_.selectColorData(libraryId);
    if (store_.lastError() != StoreError::None)
        reported(StoreResult{store_.lastError()});
    return colours;
}

QVector<ColorDataRow> LibraryService::storedColourRows(const QString& libraryId, bool identifiers) {
    const QVector<ColorDataRow> colours = store_.selectColorRows(libraryId, identifiers);
    if (store_.lastError() != StoreError::None)
        reported(StoreResult{store_.lastError()});
    return colours;
}

int LibraryService::totalColorCount() {
    qint64 total = 0;
    for (const LibraryRecord& record : storedLibraries())
        total += record.value(CountValue).toString().toInt();
    return int(qBound<qint64>(0, total, std::numeric_limits<int>::max()));
}

void LibraryService::selectLibrary(int row) {
    if (row >= libraries_.size())
        return;
    current_ = row;
    if (row < 0)
        return;
    // The colours of the current library are what the page works on.
    readColours(row);
    std::unique_ptr<ProgressReporter> progress =
        messenger_.progress(LibraryText::UpdatingPage, 0, libraries_[row].colours.size());
    // Cancel is not consulted: every row is filled.
    emit coloursReset(progress.get());
    progress->hide();
}

void LibraryService::reselectLibrary() {
    if (libraries_.isEmpty())
        return;
    emit libraryReselected(current_ >= 0 && current_ < libraries_.size() ? current_ : 0);
}

LibraryEntry LibraryService::entryOf(const LibraryRecord& record) const {
    LibraryEntry entry;
    entry.id = record.value(IdValue).toString();
    entry.name = record.value(NameValue).toString();
    entry.description = record.value(DescriptionValue).toString();
    entry.count = record.value(CountValue).toString();
    // A library counted empty has no colours to read.
    entry.coloursRead = entry.count.toInt() <= 0;
    return entry;
}

void LibraryService::readColours(int row) {
    LibraryEntry& entry = libraries_[row];
    if (entry.coloursRead)
        return;
    // Read once, also when the query fails (its message is shown once).
    entry.coloursRead = true;
    const QVector<ColorDataRow> colours = storedColourRows(entry.id);
    entry.colours.reserve(colours.size());
    for (const ColorDataRow& colour : colours)
        entry.colours << ColourEntry{colour.colorId, colour.name, colour.values.value(0),
                                     colour.values.value(1), colour.values.value(2)};
}

const QList<LibraryEntry>& LibraryService::libraries() {
    for (int row = 0; row < libraries_.size(); ++row)
        readColours(row);
    return libraries_;
}

const LibraryEntry& LibraryService::library(int row) {
    readColours(row);
    return libraries_.at(row);
}

void LibraryService::appendEntry(const LibraryEntry& entry) {
    libraries_.append(entry);
    emit libraryAppended(libraries_.size() - 1);
}

void LibraryService::showStoredLibraries(const QList<LibraryRecord>& records) {
    // Only into an empty list: the libraries already shown stay as they are.
    if (!libraries_.isEmpty())
        return;
    for (const LibraryRecord& record : records)
        if (record.size() >= kRecordSize)
            appendEntry(entryOf(record));
}

void LibraryService::clear() {
    libraries_.clear();
    current_ = -1;
    emit librariesCleared();
}

void LibraryService::clearAllData() {
    reported(store_.deleteDatabaseFile());
    open();
    clear();
}

bool LibraryService::deleteAllData() {
    if (!messenger_.ask(LibraryText::ConfirmDeleteAll) || !backUpBeforeChange())
        return false;
    clearAllData();
    return true;
}

bool LibraryService::backUpBeforeChange() {
    if (backupScopes_ > 0 && scopeBackedUp_)
        return true;
    const BackupStatus status = backup_.take(meterNumber_);
    if (status != BackupStatus::Ok && status != BackupStatus::NoDatabase) {
        messenger_.tip(BackupText::BackupFailed);
        return false;
    }
    scopeBackedUp_ = backupScopes_ > 0;
    return true;
}

LibraryService::BackupScope::BackupScope(LibraryService& service) : service_(service) {
    if (service_.backupScopes_++ == 0)
        service_.scopeBackedUp_ = false;
}

LibraryService::BackupScope::~BackupScope() {
    if (--service_.backupScopes_ == 0)
        service_.scopeBackedUp_ = false;
}

// --- libraries ------------------------------------------------------------

bool LibraryService::canAddLibrary() const {
    if (libraries_.size() < maxLibraries_)
        return true;
    messenger_.tip(LibraryText::TooManyLibraries, {number(maxLibraries_)});
    return false;
}

bool LibraryService::acceptLibraryEntry(QWidget* dialog, const QString& name,
                                        const QString& description) const {
    const BilingualText* refusal = nullptr;
    if (name.isEmpty())
        refusal = &LibraryText::EnterName;
    else if (description.isEmpty())
        refusal = &LibraryText::EnterDescription;
    else if (name.length() + description.length() > Limits::LibraryTextLength)
        refusal = &LibraryText::NameTooLong;
    else if (lookAlikeRow(name, description) >= 0)
        refusal = &LibraryText::SameLibraryExists;
    if (refusal)
        messenger_.tip(dialog, *refusal);
    return !refusal;
}

bool LibraryService::createLibrary(const QString& name, const QString& description) {
    LibraryEntry entry{
        store_.makeLibraryId(libraries_.size() + 1), name, description, QStringLiteral("0"), {}};
    store_.beginTransaction();
    StoreResult result = store_.createColorDataTable(entry.id);
    if (result)
        result = store_.insertLibrary(entry.id, meterNumber_, name, description, entry.count);
    if (result)
        result = store_.commitTransaction();
    if (!result)
        return undone(result);
    appendEntry(entry);
    return true;
}

bool LibraryService::renameLibrary(int row, const QString& name, const QString& description) {
    if (row < 0 || row >= libraries_.size())
        return false;
    if (!reported(store_.updateLibraryName(name, description, libraries_[row].id)))
        return false;
    libraries_[row].name = name;
    libraries_[row].description = description;
    emit libraryChanged(row);
    return true;
}

bool LibraryService::confirmDeleteLibrary() const {
    return messenger_.ask(LibraryText::ConfirmDeleteLibrary);
}

bool LibraryService::deleteLibrary(int row) {
    if (row < 0 || row >= libraries_.size())
        return false;
    if (row == current_ && locked_) {
        messenger_.tip(LibraryText::LibraryLocked);
        return false;
    }
    if (!backUpBeforeChange())
        return false;
    const QString id = libraries_[row].id;
    store_.beginTransaction();
    StoreResult result = store_.dropColorDataTable(id);
    if (result)
        result = store_.deleteLibrary(id);
    // The library's tolerance goes with it, in the same transaction.
    if (result && !QualityStore(store_.connectionName()).removeTolerance(id))
        result.error = StoreError::DeleteLibrary;
    if (result)
        result = store_.commitTransaction();
    if (!result)
        return undone(result);
    libraries_.removeAt(row);
    if (row < current_)
        --current_;
    else if (row == current_)
        current_ = -1;
    emit libraryRemoved(row);
    return true;
}

// --- colours of the current library ---------------------------------------

int LibraryService::colourRowOf(const QString& colourId) const {
    if (current_ < 0 || current_ >= libraries_.size())
        return -1;
    const QList<ColourEntry>& colours = libraries_[current_].colours;
    for (int row = 0; row < colours.size(); ++row)
        if (colours[row].id == colourId)
            return row;
    return -1;
}

bool LibraryService::isColourRow(int colourRow) const {
    return current_ >= 0 && current_ < libraries_.size() && colourRow >= 0 &&
           colourRow < libraries_[current_].colours.size();
}

bool LibraryService::colourNameTaken(const QString& name) const {
    if (current_ < 0 || current_ >= libraries_.size())
        return false;
    for (const ColourEntry& colour : libraries_[current_].colours)
        if (colour.name == name)
            return true;
    return false;
}

bool LibraryService::acceptNewColour(const QString& name) {
    if (name.isEmpty()) {
        messenger_.tip(LibraryText::ColorNameEmpty);
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
    if (current_ < 0 || current_ >= libraries_.size())
        return false;
    LibraryEntry& library = libraries_[current_];
    // The next number after the colours listed, skipping one already taken in
    // this second (after a deletion the count repeats an earlier number).
    const QString id = store_.makeColorIds(library.id, library.colours.size() + 1, 1).value(0);
    const QString count = number(library.count.toInt() + 1);
    store_.beginTransaction();
    StoreResult result = store_.insertColorData(library.id, id, name, values);
    if (result)
        result = store_.updateLibraryCount(count, library.id);
    if (result)
        result = store_.commitTransaction();
    if (!result)
        return undone(result);
    library.count = count;
    library.colours << ColourEntry{id, name, values.value(0), values.value(1), values.value(2)};
    emit libraryChanged(current_);
    emit colourAppended(library.colours.size() - 1);
    return true;
}

bool LibraryService::replaceColourValues(int colourRow, const QStringList& values) {
    if (!isColourRow(colourRow))
        return false;
    LibraryEntry& library = libraries_[current_];
    ColourEntry& colour = library.colours[colourRow];
    if (!reported(store_.updateColorData(library.id, values, colour.id)))
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
    LibraryEntry& library = libraries_[current_];
    ColourEntry& colour = library.colours[colourRow];
    if (name == colour.name)
        return true;
    if (colourNameTaken(name)) {
        // The row shows its name again before the message.
        emit colourChanged(colourRow);
        messenger_.tip(LibraryText::SameColorName);
        return false;
    }
    if (!reported(store_.updateColorDataName(library.id, name, colour.id))) {
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
    LibraryEntry& library = libraries_[current_];
    // A count that was already 0 (a damaged record) does not go negative.
    const QString count = number(qMax(0, library.count.toInt() - 1));
    store_.beginTransaction();
    StoreResult result = store_.deleteColorData(library.id, library.colours[colourRow].id);
    if (result)
        result = store_.updateLibraryCount(count, library.id);
    if (result)
        result = store_.commitTransaction();
    if (!result)
        return undone(result);
    library.count = count;
    library.colours.removeAt(colourRow);
    emit libraryChanged(current_);
    emit colourRemoved(colourRow);
    return true;
}

bool LibraryService::confirmDeleteColour(int colourRow) const {
    return isColourRow(colourRow) && messenger_.ask(GuidanceText::ConfirmDeleteColour,
                                                    {libraries_[current_].colours[colourRow].name});
}

bool LibraryService::confirmRemeasure(int colourRow) const {
    return isColourRow(colourRow) && messenger_.ask(GuidanceText::ConfirmRemeasure,
                                                    {libraries_[current_].colours[colourRow].name});
}

// --- the merge ------------------------------------------------------------

bool LibraryService::fitsLibraryLimit(const QList<LibraryKey>& incoming,
                                      ProgressReporter* progress) {
    QSet<LibraryKey> added;
    for (const LibraryKey& key : incoming)
        if (rowOf(key) < 0)
            added.insert(key);
    const int rows = libraries_.size();
    if (rows + added.size() <= maxLibraries_)
        return true;
    if (progress)
        progress->hide();
    messenger_.tip(LibraryText::ImportTooManyLibraries, {number(maxLibraries_), number(rows)});
    return false;
}

bool LibraryService::overwriteAgreed(const IncomingLibrary& incoming, MergeSeries* series) const {
    using Overwrite = MergeSeries::Overwrite;
    const QStringList key{incoming.name, incoming.description};
    if (!series)
        return messenger_.ask(LibraryText::ConfirmOverwrite, key);
    if (series->overwrite != Overwrite::Ask)
        return series->overwrite == Overwrite::Always;
    switch (messenger_.askSeries(LibraryText::ConfirmOverwrite, key)) {
        case Prompt::SeriesAnswer::YesToAll:
            series->overwrite = Overwrite::Always;
            return true;
        case Prompt::SeriesAnswer::NoToAll:
            series->overwrite = Overwrite::Never;
            return false;
        case Prompt::SeriesAnswer::Yes:
            return true;
        case Prompt::SeriesAnswer::No:
            break;
    }
    return false;
}

int LibraryService::mergeAll(const QList<IncomingLibrary>& incoming,
                             const std::function<void(int place, bool changed)>& done) {
    BackupScope backupScope(*this);
    MergeSeries series;
    int changed = 0;
    for (int k = 0; k < incoming.size(); ++k) {
        const MergeOutcome outcome = mergeLibrary(incoming.at(k), k + 1, &series);
        if (outcome == MergeOutcome::Stopped)
            return -1;
        if (outcome == MergeOutcome::Merged)
            ++changed;
        if (done)
            done(k + 1, outcome == MergeOutcome::Merged);
    }
    return changed;
}

LibraryService::MergeOutcome LibraryService::mergeLibrary(const IncomingLibrary& incoming,
                                                          int position, MergeSeries* series) {
    const int row = rowOf(incoming.key());

    // What the library holds, then every incoming colour in order: a new
    // name is added, a held one takes the incoming values unless they are
    // the same (a later colour of one name wins over an earlier one).
    const QList<ColourEntry> held = row >= 0 ? library(row).colours : QList<ColourEntry>();
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
    // Only a library that would change is worth a question.
    if (row >= 0 && added.isEmpty() && replaced.isEmpty())
        return MergeOutcome::Unchanged;
    if (row >= 0 && !overwriteAgreed(incoming, series))
        return MergeOutcome::Skipped;

    const int stored = totalColorCount();
    if (stored + added.size() > Limits::MaxColors) {
        messenger_.tip(LibraryText::ImportTooManyColors, {number(Limits::MaxColors), number(stored),
                                                          number(added.size()), number(position)});
        return MergeOutcome::Stopped;
    }

    // A stored library is about to change: the action's backup comes first.
    if (row >= 0 && !backUpBeforeChange())
        return MergeOutcome::Stopped;

    // Everything this library changes in the store goes in one transaction.
    LibraryEntry entry = row >= 0 ? libraries_[row]
                                  : LibraryEntry{store_.makeLibraryId(libraries_.size() + 1),
                                                 incoming.name,
                                                 incoming.description,
                                                 QStringLiteral("0"),
                                                 {}};
    const QString count = number(entry.count.toInt() + added.size());
    store_.beginTransaction();
    StoreResult result;
    if (row < 0) {
        result = store_.createColorDataTable(entry.id);
        if (result)
            result =
                store_.insertLibrary(entry.id, meterNumber_, entry.name, entry.description, count);
    }
    for (auto it = replaced.cbegin(); result && it != replaced.cend(); ++it)
        result = store_.updateColorData(entry.id, allValues(it->values), held[it.key()].id);
    QStringList ids;
    if (incoming.idsByPlace) {
        const QStringList byPlace = store_.makeColorIds(entry.id, 0, incoming.colours.size());
        for (int place : addedPlaces)
            ids << byPlace.value(place);
    } else {
        ids = store_.makeColorIds(entry.id, 1, added.size());
    }
    if (result && !added.isEmpty()) {
        bool everyValue = true;
        for (const IncomingColour& colour : added)
            everyValue = everyValue && colour.values.size() >= kValueCount;
        QList<QStringList> columns;
        for (int c = 0; c <= (everyValue ? kValueCount : 3); ++c)
            columns << QStringList();
        for (const IncomingColour& colour : added) {
            columns[0] << colour.name;
            for (int c = 1; c < columns.size(); ++c)
                columns[c] << colour.values.value(c - 1);
        }
        result = everyValue ? store_.insertColorDataBatch(entry.id, ids, columns)
                            : store_.insertColorDataBatchLab(entry.id, ids, columns[0], columns[1],
                                                             columns[2], columns[3]);
        if (result && row >= 0)
            result = store_.updateLibraryCount(count, entry.id);
    }
    if (result) {
        result = store_.commitTransaction();
        // A failed commit has always been told as a failed insert.
        if (!result)
            result.error = StoreError::InsertColor;
    }
    if (!result) {
        undone(result);
        return MergeOutcome::Stopped;
    }

    for (auto it = replaced.cbegin(); it != replaced.cend(); ++it) {
        ColourEntry& colour = entry.colours[it.key()];
        colour.L = it->values.value(0);
        colour.a = it->values.value(1);
        colour.b = it->values.value(2);
    }
    for (int i = 0; i < added.size(); ++i)
        entry.colours << ColourEntry{ids.value(i), added[i].name, added[i].values.value(0),
                                     added[i].values.value(1), added[i].values.value(2)};
    entry.count = count;
    if (row < 0) {
        appendEntry(entry);
    } else {
        libraries_[row] = entry;
        emit libraryChanged(row);
    }
    return MergeOutcome::Merged;
}
