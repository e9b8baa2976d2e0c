// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>

#include "prompt/Prompt.h"
#include "workflow/LibraryTypes.h"
#include "xls/WorkbookFile.h"

namespace colorcard {

class LibraryMerge;
class LibraryService;

// Imports an exchange workbook of the connected meter: the whole workbook
// is read and verified (meter number, shape, check codes, library limit)
// before the first change; then its libraries are merged together in one
// transaction (LibraryMerge::mergeAll): all of them, or none when a limit
// or a store step stops the merge.
class SpreadsheetImport {
public:
    using FileOpener = std::function<std::unique_ptr<WorkbookFile>(const QString& fileName)>;

    explicit SpreadsheetImport(LibraryMerge& merger);

    // True when every library of the chosen workbook was merged, found
    // unchanged or skipped by the user (the success message, or that nothing
    // was changed, was shown).
    bool importFromSpreadsheet();

    // The steps after the file dialog. Reads and verifies the whole
    // workbook; false (with its message shown) refuses it, nothing changed.
    bool read(const QString& fileName);
    // The libraries read, in the workbook's order.
    const QList<IncomingLibrary>& libraries() const { return libraries_; }
    // Merges the libraries read, library by library; shows the outcome.
    bool merge();

    void setFileOpener(FileOpener opener);

private:
    // Reads and verifies; false (with its message shown) refuses the workbook.
    bool readWorkbook(const QString& fileName, QList<IncomingLibrary>* libraries);
    void hideProgress();

    LibraryMerge& merger;
    LibraryService& library;
    FileOpener openFile;
    std::unique_ptr<ProgressReporter> progress;
    QList<IncomingLibrary> libraries_;
};

}  // namespace colorcard
