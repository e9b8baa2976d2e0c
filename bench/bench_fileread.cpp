// Reading an open-format file as an import does before it changes anything
// (parse, checks, values brought into stored form), as a whole process; the
// type comes from the suffix. Prints the colours read and, on stderr, the
// milliseconds of the parse alone and of the whole read.
//
//   bench_fileread FILE

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "CgatsFormat.h"
#include "CsvFormat.h"
#include "ImportCheck.h"
#include "OpenFormats.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_fileread FILE\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const OpenFormat format = OpenFormats::forFile(path);
    QElapsedTimer whole;
    whole.start();
    qint64 parseNs = -1;
    if (format == OpenFormat::Csv || format == OpenFormat::Cgats) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        const QByteArray bytes = file.readAll();
        QElapsedTimer parse;
        parse.start();
        FormatLibraries parsed;
        const FormatError error =
            format == OpenFormat::Csv
                ? CsvFormat::read(bytes, path, QFileInfo(path).completeBaseName(), parsed)
                : CgatsFormat::read(bytes, path, QFileInfo(path).completeBaseName(), parsed);
        parseNs = parse.nsecsElapsed();
        if (error)
            return 1;
        whole.restart();
    }
    FormatLibraries libraries;
    const FormatError error = OpenFormats::import(path, format, ImportLimits(), libraries);
    const qint64 wholeNs = whole.nsecsElapsed();
    if (error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message(false)));
        return 1;
    }
    qint64 colours = 0;
    for (const FormatLibrary& library : libraries)
        colours += library.colors.size();
    std::printf("%lld\n", colours);
    std::fprintf(stderr, "parse %.3f ms, read %.3f ms\n", parseNs / 1e6, wholeNs / 1e6);
    return 0;
}
