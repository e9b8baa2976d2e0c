// SPDX-License-Identifier: MIT
// Reading an open-format file as an import does before it changes anything
// (parse, checks, values brought into stored form), as a whole process; the
// type comes from the suffix. Prints the colours read. With --parse only
// the file's own reader runs (CSV or CGATS, no checks), and the
// milliseconds it took go to stderr.
//
//   bench_fileread [--parse] FILE

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "formats/CgatsFormat.h"
#include "formats/CsvFormat.h"
#include "formats/ImportCheck.h"
#include "formats/OpenFormats.h"

using namespace colorcard;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const bool parseOnly = argc == 3 && qstrcmp(argv[1], "--parse") == 0;
    if (argc != 2 && !parseOnly) {
        std::fprintf(stderr, "usage: bench_fileread [--parse] FILE\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[argc - 1]);
    const OpenFormat format = OpenFormats::forFile(path);
    FormatLibraries libraries;
    if (parseOnly) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) ||
            (format != OpenFormat::Csv && format != OpenFormat::Cgats))
            return 1;
        const QByteArray bytes = file.readAll();
        QElapsedTimer parse;
        parse.start();
        const FormatError error =
            format == OpenFormat::Csv
                ? CsvFormat::read(bytes, path, QFileInfo(path).completeBaseName(), libraries)
                : CgatsFormat::read(bytes, path, QFileInfo(path).completeBaseName(), libraries);
        const qint64 parseNs = parse.nsecsElapsed();
        if (error)
            return 1;
        std::fprintf(stderr, "parse %.3f ms\n", parseNs / 1e6);
    } else {
        const FormatError error = OpenFormats::import(path, format, ImportLimits(), libraries);
        if (error) {
            std::fprintf(stderr, "%s\n", qPrintable(error.message(Language::english())));
            return 1;
        }
    }
    qint64 colours = 0;
    for (const FormatLibrary& library : libraries)
        colours += library.colors.size();
    std::printf("%lld\n", colours);
    return 0;
}
