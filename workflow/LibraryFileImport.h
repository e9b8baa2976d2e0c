// SPDX-License-Identifier: MIT
#pragma once

#include "workflow/SpreadsheetImport.h"

namespace colorcard {

class LibraryMerge;

// The Import button: one file dialog offering the exchange workbook (the
// default, imported exactly as SpreadsheetImport imports it) and the open
// formats (OpenFormatImport); the type comes from the file's suffix or,
// without a known one, from the filter chosen.
class LibraryFileImport {
public:
    explicit LibraryFileImport(LibraryMerge& merger);

    // True when every library of the file was merged or skipped by the user.
    bool run();

private:
    LibraryMerge& merger;
    SpreadsheetImport import;
};

}  // namespace colorcard
