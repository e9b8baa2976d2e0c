// SPDX-License-Identifier: MIT
#include "workflow/OpenFormatImport.h"

#include <QSet>

#include "store/LabRange.h"
#include "texts/ExchangeTexts.h"
#include "texts/GuidanceTexts.h"
#include "texts/LibraryFileTexts.h"
#include "workflow/LibraryMerge.h"
#include "workflow/LibraryService.h"
#include "workflow/Limits.h"

namespace colorcard {

OpenFormatImport::OpenFormatImport(LibraryMerge& merger)
    : merger(merger), library(merger.library()) {}

OpenFormatImport::~OpenFormatImport() = default;

void OpenFormatImport::hideProgress() {
    if (progress)
        progress->hide();
}

bool OpenFormatImport::run(const QString& fileName, OpenFormat format) {
    return read(fileName, format) && merge();
}

bool OpenFormatImport::read(const QString& fileName, OpenFormat format) {
    Messenger& messenger = library.messenger();
    libraries_.clear();
    // Reading is the long part; the dialog counts the libraries merged after it.
    progress = messenger.progress(LibraryFileText::Importing, 0, 0);
    ImportLimits limits;
    limits.maxLibraries = library.maxLibraries();
    limits.maxColors = Limits::MaxColors;
    FormatLibraries read;
    const FormatError error = OpenFormats::import(fileName, format, limits, read);
    if (error) {
        hideProgress();
        messenger.tip(LibraryFileText::Composed, {error.message(messenger.language())});
        return false;
    }

    // The range the workbook and the meter are held to as well, so that
    // whatever comes in can be saved to a workbook and read back.
    for (const FormatLibrary& source : read)
        for (const FormatColor& color : source.colors)
            if (!LabRange::validText(color.values.value(0), color.values.value(1),
                                     color.values.value(2))) {
                hideProgress();
                messenger.tip(
                    LibraryFileText::LabOutOfRange,
                    {color.values.mid(0, 3).join(QStringLiteral(", ")), color.name, source.name});
                return false;
            }

    QList<LibraryKey> keys;
    for (const FormatLibrary& source : read) {
        IncomingLibrary incoming;
        incoming.name = source.name;
        incoming.description = source.description;
        incoming.colours.reserve(source.colors.size());
        for (const FormatColor& color : source.colors)
            incoming.colours << IncomingColour{color.name, color.values};
        keys << incoming.key();
        libraries_ << incoming;
    }
    if (!merger.fitsLibraryLimit(keys, progress.get())) {
        libraries_.clear();
        return false;
    }
    const int stored = library.totalColorCount();
    const int added = addedColours();
    if (stored + qint64(added) > Limits::MaxColors) {
        hideProgress();
        messenger.tip(
            LibraryFileText::TooManyColors,
            {QString::number(Limits::MaxColors), QString::number(stored), QString::number(added)});
        libraries_.clear();
        return false;
    }
    hideProgress();
    progress = messenger.progress(LibraryFileText::Importing, 0, libraries_.size());
    progress->setValue(0);
    return true;
}

int OpenFormatImport::addedColours() const {
    // As the merge counts: a name the library holds adds nothing, nor does a
    // name met before in the same library.
    QHash<LibraryKey, QSet<QString>> names;
    int added = 0;
    for (const IncomingLibrary& incoming : libraries_) {
        auto known = names.find(incoming.key());
        if (known == names.end()) {
            known = names.insert(incoming.key(), {});
            const int row = library.rowOf(incoming.key());
            if (row >= 0)
                for (const ColourEntry& colour : library.library(row).colours)
                    known->insert(colour.name);
        }
        for (const IncomingColour& colour : incoming.colours)
            if (!known->contains(colour.name)) {
                known->insert(colour.name);
                ++added;
            }
    }
    return added;
}

bool OpenFormatImport::merge() {
    const int merged = merger.mergeAll(libraries_, [this](int place, bool) {
        if (progress)
            progress->setValue(place);
    });
    hideProgress();
    if (merged >= 0)
        library.messenger().tip(merged == 0 && !libraries_.isEmpty()
                                    ? GuidanceText::ImportChangedNothing
                                    : ExchangeText::Imported);
    library.reselectLibrary();
    return merged >= 0;
}

}  // namespace colorcard
