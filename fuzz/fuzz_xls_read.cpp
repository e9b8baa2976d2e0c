// SPDX-License-Identifier: MIT
// Opening and reading any file as an .xls workbook through the spreadsheet
// engine: every worksheet selected and read whole.

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <cstdlib>

#include "fuzz/FuzzFile.h"
#include "xls/ExcelEngine.h"

using namespace colorcard;

namespace {

QString path;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    path = fuzzFilePath(".xls");
    std::atexit([] { QFile::remove(path); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const quint8* data, size_t size) {
    if (!writeFuzzFile(path, data, size))
        return 0;
    {
        ExcelEngine engine(path);
        if (engine.open(1)) {
            const int sheets = engine.sheetCount();
            for (int sheet = 1; sheet <= sheets && sheet <= 64; ++sheet) {
                if (!engine.selectSheet(sheet))
                    std::abort();  // every listed sheet can be selected
                engine.readAll();
            }
            engine.close();
        }
    }
    // Reading never writes: the file holds the input still.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) ||
        file.readAll() != QByteArray(reinterpret_cast<const char*>(data), int(size))) {
        std::fprintf(stderr, "reading the workbook changed its file\n");
        std::abort();
    }
    return 0;
}
