// SPDX-License-Identifier: MIT
#include "workflow/LibraryFileImport.h"

#include "texts/ExchangeTexts.h"
#include "workflow/LibraryFiles.h"
#include "workflow/LibraryService.h"
#include "workflow/OpenFormatImport.h"

namespace colorcard {

LibraryFileImport::LibraryFileImport(LibraryService& library) : library(library), import(library) {}

bool LibraryFileImport::run() {
    Messenger& messenger = library.messenger();
    QString filter;
    const QString fileName =
        messenger.openFileName(ExchangeText::SelectFileCaption, QStringLiteral("./"),
                               LibraryFiles::dialogFilters(messenger.language()), &filter);
    if (fileName.isEmpty())
        return false;
    const OpenFormat format = LibraryFiles::typeOf(fileName, filter);
    if (format == OpenFormat::Unknown)
        return import.read(fileName) && import.merge();
    return OpenFormatImport(library).run(fileName, format);
}

}  // namespace colorcard
