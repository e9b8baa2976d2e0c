// SPDX-License-Identifier: MIT
#include "workflow/OpenFormatExport.h"

#include <QDir>
#include <QFileInfo>
#include <memory>

#include "formats/CsvFormat.h"
#include "texts/ChangeTexts.h"
#include "texts/ExchangeTexts.h"
#include "texts/LibraryFileTexts.h"
#include "workflow/LibraryService.h"

namespace colorcard {

OpenFormatExport::OpenFormatExport(LibraryService& library, const FormatWriteOptions& options)
    : library(library), options(options) {}

bool OpenFormatExport::run(const QString& fileName, OpenFormat format) {
    Messenger& messenger = library.messenger();
    QStringList ids;
    const int row = library.currentRow();
    if (row >= 0 && row < library.libraryCount() && library.libraryCount() > 1 &&
        messenger.ask(LibraryFileText::ExportSelectedOnly,
                      {library.listedLibrary(row).name, QString::number(library.libraryCount())}))
        ids << library.listedLibrary(row).id;
    if (QFileInfo::exists(fileName) &&
        !messenger.askRisky(LibraryFileText::ReplaceFile, {QDir::toNativeSeparators(fileName)}))
        return false;
    return exportLibraries(fileName, format, ids);
}

bool OpenFormatExport::exportLibraries(const QString& fileName, OpenFormat format,
                                       const QStringList& libraryIds) {
    Messenger& messenger = library.messenger();
    QVector<Library> records;
    for (const Library& record : library.storedLibraries())
        if (libraryIds.isEmpty() || libraryIds.contains(record.id))
            records << record;
    if (library.lastReadFailed())
        return false;

    std::unique_ptr<ProgressReporter> progress =
        messenger.progress(LibraryFileText::Exporting, 0, records.size() + 1);
    progress->setValue(0);
    // CSV rows go from the store's texts straight into the bytes, a colour
    // at a time: no library is held besides them.
    const bool csv = format == OpenFormat::Csv;
    QByteArray bytes;
    if (csv)
        CsvFormat::start(bytes, options);
    FormatLibraries libraries;
    qint64 colors = 0;
    for (int k = 0; k < records.size(); ++k) {
        if (csv) {
            const QByteArray lead = CsvFormat::lead(records[k]);
            if (!library.storedColourTexts(records[k].id, [&](const StoredColourTexts& colour) {
                    CsvFormat::appendColour(bytes, lead, colour);
                    ++colors;
                })) {
                progress->hide();
                return false;
            }
        } else {
            const QVector<Colour> stored = library.storedColours(records[k].id, false);
            if (library.lastReadFailed()) {
                progress->hide();
                return false;
            }
            libraries << ColorLibraryStore::fromStored(records[k], stored);
            colors += stored.size();
        }
        progress->setValue(k + 1);
    }
    if (colors == 0) {
        progress->hide();
        messenger.tip(LibraryFileText::NothingToExport);
        return false;
    }
    const FormatError error = csv ? OpenFormats::save(fileName, bytes)
                                  : OpenFormats::write(fileName, format, libraries, options);
    progress->hide();
    if (error) {
        messenger.tip(LibraryFileText::Composed, {error.message(messenger.language())});
        return false;
    }
    messenger.tipComposed(messenger.paragraphs(
        {messenger.text(ExchangeText::Saved),
         messenger.text(ChangeText::SavedFile, {QDir::toNativeSeparators(fileName)})}));
    return true;
}

}  // namespace colorcard
