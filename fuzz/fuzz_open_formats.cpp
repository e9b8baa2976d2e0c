// SPDX-License-Identifier: MIT
// The open formats end to end: the input's first byte picks CSV, CGATS or
// CxF3, the rest is the file. What imports (read and every import check) is
// written in the same format and read back: the libraries must come back the
// same, or the writer must refuse them as a whole.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>

#include "formats/OpenFormats.h"
#include "fuzz/FuzzFile.h"

using namespace colorcard;

namespace {

const OpenFormat kFormats[] = {OpenFormat::Csv, OpenFormat::Cgats, OpenFormat::Cxf};
QString inputDir, outputDir;

// One name in both directories: a library without a name is named after the file.
QString fileIn(const QString& dir, OpenFormat format) {
    return dir + QStringLiteral("/lib.") + OpenFormats::suffix(format);
}

bool same(const FormatLibraries& a, const FormatLibraries& b) {
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name || a[i].description != b[i].description ||
            a[i].colors.size() != b[i].colors.size())
            return false;
        for (int c = 0; c < a[i].colors.size(); ++c)
            if (a[i].colors[c].name != b[i].colors[c].name ||
                a[i].colors[c].values != b[i].colors[c].values)
                return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Never destroyed: its post routines would run after the stores' globals are gone.
    static QCoreApplication* app = new QCoreApplication(*argc, *argv);
    (void)app;
    inputDir = fuzzFilePath("-formats-in");
    outputDir = fuzzFilePath("-formats-out");
    QDir().mkpath(inputDir);
    QDir().mkpath(outputDir);
    std::atexit([] {
        QDir(inputDir).removeRecursively();
        QDir(outputDir).removeRecursively();
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const quint8* data, size_t size) {
    if (size == 0)
        return 0;
    const OpenFormat format = kFormats[data[0] % 3];
    const QString input = fileIn(inputDir, format);
    if (!writeFuzzFile(input, data + 1, size - 1))
        return 0;
    FormatLibraries imported;
    if (OpenFormats::import(input, format, ImportLimits(), imported))
        return 0;

    FormatWriteOptions options;
    options.created = QDateTime::fromSecsSinceEpoch(0, Qt::UTC);
    const QString output = fileIn(outputDir, format);
    if (const FormatError error = OpenFormats::write(output, format, imported, options)) {
        if (error.kind == FormatError::Unwritable)
            return 0;
        std::fprintf(stderr, "imported libraries could not be written: %s\n",
                     qPrintable(error.message(Language::english())));
        std::abort();
    }
    FormatLibraries reread;
    if (const FormatError error = OpenFormats::import(output, format, ImportLimits(), reread)) {
        std::fprintf(stderr, "a written file does not import: %s\n",
                     qPrintable(error.message(Language::english())));
        std::abort();
    }
    if (!same(imported, reread)) {
        std::fprintf(stderr, "a written file imports other libraries than were written\n");
        std::abort();
    }
    return 0;
}
