// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include "formats/ColorLibrary.h"
#include "formats/FormatError.h"
#include "formats/FormatOptions.h"
#include "store/LibraryRepository.h"

namespace colorcard {

// Comma-separated values after RFC 4180 in UTF-8: the header
// Library,Description,Name,LabL,...,RGBB and one row per colour with its
// texts as stored. Reading needs only Name, LabL, Laba and Labb, in any order
// (names as written, letter case included; Yxyy2 is taken for Yxyy); other columns are optional and
// unknown ones ignored.
namespace CsvFormat {

QStringList header();
QByteArray write(const FormatLibraries& libraries, const FormatWriteOptions& options);
// The same bytes a library at a time, so that a long export need not hold
// every library at once: start() opens the file (mark, header), each
// appendLibrary() adds its rows.
void start(QByteArray& out, const FormatWriteOptions& options);
void appendLibrary(QByteArray& out, const FormatLibrary& library);
// A library's rows straight from the store's texts: lead() once per library,
// then appendColour() for each of its colours.
QByteArray lead(const Library& library);
void appendColour(QByteArray& out, const QByteArray& lead, const StoredColourTexts& colour);
// Rows are grouped into libraries by library name and description, in the
// order of their first row; without those columns (or with an empty cell) the
// library is named defaultLibrary and has no description.
FormatError read(const QByteArray& bytes, const QString& file, const QString& defaultLibrary,
                 FormatLibraries& libraries);

}  // namespace CsvFormat

}  // namespace colorcard
