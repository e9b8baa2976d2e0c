// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace colorcard {

// The compound file container through libgsf, in a module of its own that is
// loaded on the first workbook: libgsf and what it pulls in (GIO, libxml2)
// would otherwise be loaded at every start of the program.
struct GsfCompoundFileFunctions {
    // Raised whenever the functions below change.
    int version;
    // As CompoundFileReader::readStream.
    bool (*readStream)(const QByteArray& file, const QStringList& names, QByteArray* data);
    // As CompoundFileWriter::build.
    QByteArray (*build)(const std::vector<std::pair<QString, QByteArray>>& streams);
};

inline constexpr int kGsfCompoundFileVersion = 1;
inline constexpr char kGsfCompoundFileEntry[] = "colorcard_gsf_compound_file";

extern "C" const GsfCompoundFileFunctions* colorcard_gsf_compound_file();

}  // namespace colorcard
