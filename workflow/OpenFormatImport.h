// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <memory>

#include "formats/OpenFormats.h"
#include "prompt/Prompt.h"
#include "workflow/LibraryTypes.h"

namespace colorcard {

class LibraryMerge;
class LibraryService;

// Imports a CSV, CGATS.17 or CxF3 file: the whole file is read and checked
// first (its structure, the L*a*b* fields, every value, the name lengths the
// meter holds, the library limit of the meter and the colour limit of the
// store, counting what the file adds to what is stored), and only then are
// its libraries merged, one by one, through the one merge with its question
// for a library that exists. A refused file changes nothing.
class OpenFormatImport {
public:
    explicit OpenFormatImport(LibraryMerge& merger);
    ~OpenFormatImport();

    // read, then merge.
    bool run(const QString& fileName, OpenFormat format);
    // Reads and checks; false after the message, nothing changed.
    bool read(const QString& fileName, OpenFormat format);
    // The libraries read, in the file's order, values in the stored form.
    const QList<IncomingLibrary>& libraries() const { return libraries_; }
    // Merges the libraries read; shows the outcome.
    bool merge();

private:
    // The colours the merge would add: names that are new to their library.
    int addedColours() const;
    void hideProgress();

    LibraryMerge& merger;
    LibraryService& library;
    QList<IncomingLibrary> libraries_;
    std::unique_ptr<ProgressReporter> progress;
};

}  // namespace colorcard
