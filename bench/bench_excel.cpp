// SPDX-License-Identifier: MIT
// Writes and reads back a workbook shaped like a full save: a library sheet
// of 20049 rows and 5 columns (48 library-area rows, the header, one row per
// colour) and 46 data sheets of 20 columns holding 20000 colours in total,
// every value a text as the save writes them. Prints the times and the peak
// memory of the process.

#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "xls/ExcelEngine.h"
#include "xls/Workbook.h"
#include "xls/XlsReader.h"
#include "xls/XlsWriter.h"

using namespace colorcard;

namespace {

constexpr int kLibraries = 46;
constexpr int kColours = 20000;

long peakKilobytes() {
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

QString value(int colour, int column) {
    return QString::number((colour * 37 + column * 11) % 10000 / 100.0, 'f', 2);
}

Workbook fullSave() {
    Workbook workbook;
    Worksheet& libraries = workbook.addSheet(QStringLiteral("Libraries"));
    libraries.setCell(0, 0, QStringLiteral("12345678"));
    libraries.setCell(1, 0, kLibraries);
    libraries.setCell(1, 1, 40001);
    int row = 48;
    const char* header[] = {"name", "L", "a", "b"};
    for (int c = 0; c < 4; ++c)
        libraries.setCell(row, c, QLatin1String(header[c]));
    ++row;
    int colour = 0;
    for (int k = 0; k < kLibraries; ++k) {
        const int count = kColours / kLibraries + (k < kColours % kLibraries ? 1 : 0);
        libraries.setCell(2 + k, 0, QStringLiteral("Library %1").arg(k + 1));
        libraries.setCell(2 + k, 1, QStringLiteral("Spring collection %1").arg(k + 1));
        libraries.setCell(2 + k, 2, QString::number(count));
        libraries.setCell(2 + k, 3, 12345);
        libraries.setCell(2 + k, 4, 54321);
        Worksheet& data = workbook.addSheet(QStringLiteral("Library %1").arg(k + 1));
        data.setCell(0, 0, QStringLiteral("Name"));
        for (int c = 1; c < 20; ++c)
            data.setCell(0, c, QStringLiteral("V%1").arg(c));
        for (int i = 0; i < count; ++i, ++colour) {
            const QString name = QStringLiteral("Colour %1").arg(colour + 1);
            data.setCell(1 + i, 0, name);
            for (int c = 1; c < 20; ++c)
                data.setCell(1 + i, c, value(colour, c));
            libraries.setCell(row, 0, name);
            for (int c = 1; c < 4; ++c)
                libraries.setCell(row, c, value(colour, c));
            ++row;
        }
    }
    return workbook;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.xls"));

    const Workbook workbook = fullSave();
    const long modelKb = peakKilobytes();
    std::printf("workbook: %d sheets, library sheet %d rows\n", workbook.sheetCount(),
                workbook.sheet(0).usedRange().rowCount);

    QElapsedTimer timer;
    timer.start();
    if (!XlsWriter::write(workbook, path)) {
        std::printf("write failed\n");
        return 1;
    }
    const qint64 writeMs = timer.elapsed();

    timer.restart();
    ExcelEngine engine(path);
    qint64 cells = 0;
    if (!engine.open(1)) {
        std::printf("read failed\n");
        return 1;
    }
    const int sheets = engine.sheetCount();
    // The whole workbook is loaded by open(); readAll() builds each table.
    for (int s = 1; s <= sheets; ++s) {
        if (s > 1 && !engine.open(s))
            return 1;
        for (const QVariantList& r : engine.readAll())
            cells += r.size();
        if (s == 1)
            std::printf("first open + readAll: %lld ms\n", static_cast<long long>(timer.elapsed()));
    }
    const qint64 engineMs = timer.elapsed();

    timer.restart();
    Workbook read;
    if (!XlsReader::read(path, &read))
        return 1;
    const qint64 readMs = timer.elapsed();

    std::printf("file: %lld bytes\n", static_cast<long long>(QFileInfo(path).size()));
    std::printf("write: %lld ms\n", static_cast<long long>(writeMs));
    std::printf("read (whole workbook): %lld ms\n", static_cast<long long>(readMs));
    std::printf("write + read: %lld ms\n", static_cast<long long>(writeMs + readMs));
    std::printf("engine: %d opens with readAll of every sheet (%lld cells): %lld ms\n", sheets,
                static_cast<long long>(cells), static_cast<long long>(engineMs));
    std::printf("peak memory: %ld kB (after building the model: %ld kB)\n", peakKilobytes(),
                modelKb);
    return 0;
}
