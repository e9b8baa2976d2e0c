// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include "formats/FormatOptions.h"
#include "formats/OpenFormats.h"

namespace colorcard {

class LibraryService;

// Writes libraries of the store into a CSV, CGATS.17 or CxF3 file, the values
// exactly as stored. Reads the store, changes nothing in it; the file is
// written whole or not at all.
class OpenFormatExport {
public:
    OpenFormatExport(LibraryService& library, const FormatWriteOptions& options);

    // The window's export once the file is chosen: with a library selected
    // among several it asks whether only that one goes (No: all of them),
    // and an existing file is replaced only after the question.
    bool run(const QString& fileName, OpenFormat format);
    // Writes the libraries of these identifiers in the store's order, every
    // library when none is given; shows the outcome. False after a message.
    bool exportLibraries(const QString& fileName, OpenFormat format,
                         const QStringList& libraryIds = {});

private:
    LibraryService& library;
    FormatWriteOptions options;
};

}  // namespace colorcard
