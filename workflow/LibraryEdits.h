// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include "prompt/Messenger.h"
#include "store/LibraryRepository.h"
#include "workflow/LibraryTypes.h"
#include "workflow/StoreSteps.h"

namespace colorcard {

class LibraryService;

// The user's changes to single libraries and to the colours of the current
// one, with their questions and the checks of their dialogs. The store is
// changed first and the list only after it reported success, so a failure
// leaves both as they were and shows the store's message.
class LibraryEdits {
public:
    explicit LibraryEdits(LibraryService& library);
    LibraryEdits(const LibraryEdits&) = delete;
    LibraryEdits& operator=(const LibraryEdits&) = delete;

    LibraryService& library() const { return library_; }

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

private:
    bool isColourRow(int colourRow) const;
    bool colourNameTaken(const QString& name) const;
    // The current library's identifier and one of its listed colours.
    QString currentId() const;
    const ColourEntry& colourAt(int colourRow) const;

    LibraryService& library_;
    Messenger& messenger_;
    LibraryRepository& repository_;
    StoreSteps steps_;
};

}  // namespace colorcard
