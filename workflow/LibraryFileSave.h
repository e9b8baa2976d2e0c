// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "formats/FormatOptions.h"
#include "workflow/SpreadsheetSave.h"

namespace colorcard {

class LibraryService;

// The Save button: one file dialog offering the exchange workbook (the
// default, saved exactly as SpreadsheetSave saves it) and the open formats
// (written by OpenFormatExport); the type comes from the file's suffix or,
// without a known one, from the filter chosen.
class LibraryFileSave {
public:
    LibraryFileSave(LibraryService& library, const QString& templateDirectory,
                    const FormatWriteOptions& options);

    // True when the chosen file was written completely.
    bool run();

private:
    LibraryService& library;
    SpreadsheetSave save;
    FormatWriteOptions options;
};

}  // namespace colorcard
