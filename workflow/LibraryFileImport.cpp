// SPDX-License-Identifier: MIT
#include "workflow/LibraryFileImport.h"

#include "texts/ExchangeTexts.h"
#include "workflow/LibraryFiles.h"
#include "workflow/LibraryMerge.h"
#include "workflow/LibraryService.h"
#include "workflow/OpenFormatImport.h"

namespace colorcard {

LibraryFileImport::LibraryFileImport(LibraryMerge& merger) : merger(merger), import(merger) {}

bool LibraryFileImport::run() {
    Messenger& messenger = merger.library().messenger();
    QString filter;
    const QString fileName =
        messenger.openFileName(ExchangeText::SelectFileCaption, QStringLiteral("./"),
                               LibraryFiles::dialogFilters(messenger.language()), &filter);
    if (fileName.isEmpty())
        return false;
    const OpenFormat format = LibraryFiles::typeOf(fileName, filter);
    if (format == OpenFormat::Unknown)
        return import.read(fileName) && import.merge();
    return OpenFormatImport(merger).run(fileName, format);
}

}  // namespace colorcard
