// SPDX-License-Identifier: MIT
#include "workflow/LibraryEdits.h"

#include "store/TextSafety.h"
#include "texts/ChangeTexts.h"
#include "texts/GuidanceTexts.h"
#include "texts/LibraryTexts.h"
#include "workflow/LibraryService.h"
#include "workflow/Limits.h"

namespace colorcard {

namespace {

QString number(int value) {
    return QString::number(value);
}

// As lookAlikeRow compares: spaces at the ends and doubled ones unseen.
bool looksAlike(const Library& record, const QString& name, const QString& description) {
    return record.name.simplified() == name.simplified() &&
           record.description.simplified() == description.simplified();
}

}  // namespace

LibraryEdits::LibraryEdits(LibraryService& library)
    : library_(library),
      messenger_(library.messenger()),
      repository_(library.repository()),
      steps_(library.messenger(), library.repository(), &library.failureTeller()) {}

// --- libraries ------------------------------------------------------------

bool LibraryEdits::canAddLibrary() const {
    if (library_.libraryCount() < library_.maxLibraries())
        return true;
    messenger_.tip(LibraryText::TooManyLibraries, {number(library_.maxLibraries())});
    return false;
}

bool LibraryEdits::acceptLibraryEntry(const QString& name, const QString& description) const {
    const BilingualText* refusal = nullptr;
    if (name.isEmpty())
        refusal = &LibraryText::EnterName;
    else if (description.isEmpty())
        refusal = &LibraryText::EnterDescription;
    else if (TextSafety::hasUnsafe(name) || TextSafety::hasUnsafe(description))
        refusal = &LibraryText::UnsafeName;
    else if (name.length() + description.length() > Limits::LibraryTextLength)
        refusal = &LibraryText::NameTooLong;
    else if (library_.lookAlikeRow(name, description) >= 0)
        refusal = &LibraryText::SameLibraryExists;
    if (refusal)
        messenger_.tip(*refusal);
    return !refusal;
}

bool LibraryEdits::createLibrary(const QString& name, const QString& description) {
    if (!steps_.begin())
        return false;
    // Whether it exists, the limit and the next identifier, as the store is
    // now: another process may have added libraries since the list was read.
    const std::optional<QVector<Library>> stored = repository_.libraries();
    if (!stored)
        return steps_.undone(steps_.outcome(false, StoreError::QueryLibraries));
    const QVector<Library>& records = *stored;
    const BilingualText* refusal = nullptr;
    for (const Library& record : records)
        if (looksAlike(record, name, description))
            refusal = &LibraryText::SameLibraryExists;
    if (!refusal && records.size() >= library_.maxLibraries())
        refusal = &LibraryText::TooManyLibraries;
    if (refusal) {
        repository_.rollback();
        if (refusal == &LibraryText::TooManyLibraries)
            messenger_.tip(*refusal, {number(library_.maxLibraries())});
        else
            messenger_.tip(*refusal);
        library_.refreshIfChangedElsewhere();
        return false;
    }
    Library library;
    library.id = repository_.newLibraryId(records.size() + 1);
    library.meterNumber = library_.meterNumber();
    library.name = name;
    library.description = description;
    LibraryEntry entry{library.id, name, description, QStringLiteral("0"), {}};
    StoreResult result = steps_.outcome(repository_.addLibrary(library), StoreError::InsertLibrary);
    if (result)
        result = steps_.outcome(repository_.commit(), StoreError::Commit);
    if (!result)
        return steps_.undone(result);
    if (!library_.refreshIfChangedElsewhere())
        library_.showAdded(entry);
    return true;
}

bool LibraryEdits::renameLibrary(int row, const QString& name, const QString& description) {
    if (row < 0 || row >= library_.libraryCount())
        return false;
    if (!steps_.reported(steps_.outcome(
            repository_.renameLibrary(library_.listedLibrary(row).id, name, description),
            StoreError::RenameLibrary)))
        return false;
    library_.showRenamed(row, name, description);
    return true;
}

bool LibraryEdits::confirmDeleteLibrary() const {
    return messenger_.askRisky(LibraryText::ConfirmDeleteLibrary);
}

bool LibraryEdits::deleteLibrary(int row) {
    if (row < 0 || row >= library_.libraryCount())
        return false;
    if (row == library_.currentRow() && library_.locked()) {
        messenger_.tip(LibraryText::LibraryLocked);
        return false;
    }
    if (!library_.backUpBeforeChange(BackupCause::DeleteLibrary))
        return false;
    const QString id = library_.listedLibrary(row).id;
    if (!steps_.begin())
        return false;
    // The library's tolerance and index settings go with it, in the same transaction.
    StoreResult result = steps_.outcome(repository_.removeLibrary(id), StoreError::DeleteLibrary);
    if (result)
        result = steps_.outcome(repository_.commit(), StoreError::Commit);
    if (!result)
        return steps_.undone(result);
    library_.showRemoved(row);
    return true;
}

// --- colours of the current library ---------------------------------------

bool LibraryEdits::isColourRow(int colourRow) const {
    const int current = library_.currentRow();
    return current >= 0 && current < library_.libraryCount() && colourRow >= 0 &&
           colourRow < library_.listedLibrary(current).colours.size();
}

bool LibraryEdits::colourNameTaken(const QString& name) const {
    const int current = library_.currentRow();
    if (current < 0 || current >= library_.libraryCount())
        return false;
    for (const ColourEntry& colour : library_.listedLibrary(current).colours)
        if (colour.name == name)
            return true;
    return false;
}

bool LibraryEdits::acceptNewColour(const QString& name) {
    if (name.isEmpty()) {
        // Named as the field is labelled.
        messenger_.tip(ChangeText::ColorNumberEmpty);
        return false;
    }
    if (TextSafety::hasUnsafe(name)) {
        messenger_.tip(LibraryText::UnsafeName);
        return false;
    }
    if (library_.currentRow() < 0) {
        messenger_.tip(LibraryText::CreateAndSelectLibrary);
        return false;
    }
    if (colourNameTaken(name)) {
        messenger_.tip(LibraryText::SameColorName);
        return false;
    }
    if (library_.totalColorCount() >= Limits::MaxColors) {
        messenger_.tip(LibraryText::TooManyColors, {number(Limits::MaxColors)});
        return false;
    }
    return true;
}

bool LibraryEdits::addColour(const QString& name, const QStringList& values) {
    const int current = library_.currentRow();
    if (current < 0 || current >= library_.libraryCount())
        return false;
    const QString libraryId = library_.listedLibrary(current).id;
    if (!steps_.begin())
        return false;
    // The name, the limit and the next identifier as the store is now.
    const std::optional<QVector<Colour>> held = repository_.colours(libraryId, false);
    if (!held)
        return steps_.undone(steps_.outcome(false, StoreError::QueryColors));
    const std::optional<QVector<Library>> records = repository_.libraries();
    if (!records)
        return steps_.undone(steps_.outcome(false, StoreError::QueryLibraries));
    bool taken = false;
    for (const Colour& colour : *held)
        taken = taken || colour.name == name;
    const bool full = colourTotal(*records) >= Limits::MaxColors;
    if (taken || full) {
        repository_.rollback();
        if (taken)
            messenger_.tip(LibraryText::SameColorName);
        else
            messenger_.tip(LibraryText::TooManyColors, {number(Limits::MaxColors)});
        library_.refreshIfChangedElsewhere();
        return false;
    }
    // The next number after the colours held, skipping one already taken in
    // this second (after a deletion the count repeats an earlier number).
    const QString id = repository_.newColourIds(libraryId, held->size() + 1, 1).value(0);
    QVector<Colour> added{Colour::fromValues(name, values)};
    added[0].id = id;
    // Sets the count to the colours held, counted in the statement that sets it.
    StoreResult result =
        steps_.outcome(repository_.addColours(libraryId, added), StoreError::InsertColor);
    if (result)
        result = steps_.outcome(repository_.commit(), StoreError::Commit);
    if (!result)
        return steps_.undone(result);
    const QString count = repository_.library(libraryId).value_or(Library()).count;
    if (library_.refreshIfChangedElsewhere())
        return true;
    library_.showColourAdded(
        ColourEntry{id, name, values.value(0), values.value(1), values.value(2)}, count);
    return true;
}

bool LibraryEdits::replaceColourValues(int colourRow, const QStringList& values) {
    if (!isColourRow(colourRow))
        return false;
    const QString libraryId = currentId();
    if (!steps_.reported(steps_.outcome(
            repository_.replaceColourValues(libraryId, colourAt(colourRow).id, values),
            StoreError::UpdateColor)))
        return false;
    library_.showColourValues(colourRow, values);
    return true;
}

bool LibraryEdits::renameColour(int colourRow, const QString& name) {
    if (!isColourRow(colourRow))
        return false;
    const ColourEntry& colour = colourAt(colourRow);
    if (name == colour.name)
        return true;
    if (TextSafety::hasUnsafe(name)) {
        library_.showColour(colourRow);
        messenger_.tip(LibraryText::UnsafeName);
        return false;
    }
    if (colourNameTaken(name)) {
        // The row shows its name again before the message.
        library_.showColour(colourRow);
        messenger_.tip(LibraryText::SameColorName);
        return false;
    }
    if (!steps_.reported(steps_.outcome(repository_.renameColour(currentId(), colour.id, name),
                                        StoreError::RenameColor))) {
        library_.showColour(colourRow);
        return false;
    }
    library_.showColourName(colourRow, name);
    return true;
}

bool LibraryEdits::deleteColour(int colourRow) {
    if (!isColourRow(colourRow))
        return false;
    const QString libraryId = currentId();
    if (!steps_.begin())
        return false;
    StoreResult result = steps_.outcome(repository_.removeColour(libraryId, colourAt(colourRow).id),
                                        StoreError::DeleteColor);
    // The count is the colours held, counted in the statement that sets it.
    if (result)
        result = steps_.outcome(repository_.recount(libraryId), StoreError::UpdateCount);
    if (result)
        result = steps_.outcome(repository_.commit(), StoreError::Commit);
    if (!result)
        return steps_.undone(result);
    const QString count = repository_.library(libraryId).value_or(Library()).count;
    if (library_.refreshIfChangedElsewhere())
        return true;
    library_.showColourRemoved(colourRow, count);
    return true;
}

bool LibraryEdits::confirmDeleteColour(int colourRow) const {
    return isColourRow(colourRow) &&
           messenger_.askRisky(GuidanceText::ConfirmDeleteColour, {colourAt(colourRow).name});
}

bool LibraryEdits::confirmRemeasure(int colourRow) const {
    return isColourRow(colourRow) &&
           messenger_.askRisky(GuidanceText::ConfirmRemeasure, {colourAt(colourRow).name});
}

QString LibraryEdits::currentId() const {
    return library_.listedLibrary(library_.currentRow()).id;
}

const ColourEntry& LibraryEdits::colourAt(int colourRow) const {
    return library_.listedLibrary(library_.currentRow()).colours[colourRow];
}

}  // namespace colorcard
