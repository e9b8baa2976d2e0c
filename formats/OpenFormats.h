// SPDX-License-Identifier: MIT
#pragma once

#include "formats/ColorLibrary.h"
#include "formats/FormatError.h"
#include "formats/FormatOptions.h"
#include "formats/ImportCheck.h"

namespace colorcard {

enum class OpenFormat { Unknown, Csv, Cgats, Cxf };

// Files of the open formats: which format a file is, reading with every
// check, writing whole files.
namespace OpenFormats {

// Larger files are refused before they are read.
inline constexpr qint64 kMaxFileSize = 256ll * 1024 * 1024;
// An import of line-based files (CSV, CGATS.17) reads at most this many
// lines beyond one per colour the limits allow (headers, keywords, blank
// lines), and each line at most kMaxLineBytes long on average: a larger
// file is refused by its size before it is read, a file of more lines as
// soon as reading passes them.
inline constexpr int kExtraLines = 1000;
inline constexpr qint64 kMaxLineBytes = 4096;
// The largest file an import with these limits reads (by size).
qint64 maxImportSize(OpenFormat format, const ImportLimits& limits);

// By suffix: .csv; .txt, .cgats, .it8 (CGATS.17); .cxf (CxF3). Any case.
OpenFormat forFile(const QString& path);
// "csv", "cgats", "cxf".
OpenFormat fromName(const QString& name);
QString name(OpenFormat format);
// The suffix written files get: "csv", "txt", "cxf".
QString suffix(OpenFormat format);

// The file dialog filter of each format in either language, CSV, CGATS, CxF3.
QStringList dialogFilters(const Language& language);
// The format a filter of dialogFilters stands for; Unknown for any other.
OpenFormat forFilter(const QString& filter);

// Reads the file as it is, no checks on its values.
FormatError read(const QString& path, OpenFormat format, FormatLibraries& libraries);
// Reads the file and runs every import check (ImportCheck::prepare); on
// success the libraries hold the texts to store.
FormatError import(const QString& path, OpenFormat format, const ImportLimits& limits,
                   FormatLibraries& libraries);
// The bytes into the file at path, whole or not at all.
FormatError save(const QString& path, const QByteArray& bytes);
// Writes the whole file, or nothing when anything fails.
FormatError write(const QString& path, OpenFormat format, const FormatLibraries& libraries,
                  const FormatWriteOptions& options = FormatWriteOptions());

}  // namespace OpenFormats

}  // namespace colorcard
