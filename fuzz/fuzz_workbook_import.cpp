// SPDX-License-Identifier: MIT
// Reading an exchange workbook the way the import does: the whole workbook
// read and verified (meter number, shape, check codes, limits), then, when it
// passes, imported into a store. Questions are answered from the input's last
// byte, so both answers to "overwrite?" are reached.

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <cstdlib>

#include "fuzz/FuzzFile.h"
#include "fuzz/FuzzWorkspace.h"
#include "workflow/SpreadsheetImport.h"

using namespace colorcard;

namespace {

FuzzWorkspace* world = nullptr;
QString path;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Never destroyed: its post routines would run after the stores' globals are gone.
    static QCoreApplication* app = new QCoreApplication(*argc, *argv);
    (void)app;
    static FuzzWorkspace instance(fuzzFilePath("-store-XXXXXX"));
    world = &instance;
    path = fuzzFilePath("-import.xls");
    std::atexit([] { QFile::remove(path); });
    if (!world->library.databaseOpen()) {
        std::fprintf(stderr, "cannot open the store in %s\n", qPrintable(world->dir.path()));
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const quint8* data, size_t size) {
    FuzzWorkspace& w = *world;
    if (!writeFuzzFile(path, data, size))
        return 0;
    w.prompt.clear();
    w.prompt.answers.clear();
    w.prompt.fileNames.clear();
    w.prompt.fileNames.enqueue(path);
    const int answers = size > 0 ? data[size - 1] : 0;
    for (int bit = 0; bit < 8; ++bit)
        w.prompt.answers.enqueue((answers >> bit) & 1);

    SpreadsheetImport(w.merge).importFromSpreadsheet();

    // The import only reads the workbook.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) ||
        file.readAll() != QByteArray(reinterpret_cast<const char*>(data), int(size))) {
        std::fprintf(stderr, "the import changed the workbook file\n");
        std::abort();
    }
    w.reset();
    return 0;
}
