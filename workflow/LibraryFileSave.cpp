// SPDX-License-Identifier: MIT
#include "workflow/LibraryFileSave.h"

#include "texts/ExchangeTexts.h"
#include "workflow/LibraryFiles.h"
#include "workflow/LibraryService.h"
#include "workflow/OpenFormatExport.h"

namespace colorcard {

LibraryFileSave::LibraryFileSave(LibraryService& library, const QString& templateDirectory,
                                 const FormatWriteOptions& options)
    : library(library), save(library, templateDirectory), options(options) {}

bool LibraryFileSave::run() {
    // The workbook's questions come before the dialog, as they always have.
    if (!save.prepare())
        return false;
    Messenger& messenger = library.messenger();
    QString filter;
    const QString chosen =
        messenger.saveFileName(ExchangeText::SaveFileCaption, save.proposedName(),
                               LibraryFiles::dialogFilters(messenger.language()), &filter);
    if (chosen.isEmpty())
        return false;
    const OpenFormat format = LibraryFiles::typeOf(chosen, filter);
    if (format == OpenFormat::Unknown)
        return save.writeTo(SpreadsheetSave::withXlsSuffix(chosen));
    return OpenFormatExport(library, options).run(LibraryFiles::withSuffix(chosen, format), format);
}

}  // namespace colorcard
