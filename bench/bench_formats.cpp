// SPDX-License-Identifier: MIT
// Export and import time of each open format for 46 libraries holding 20000
// colours together (Chinese names, every value held).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

#include "formats/ImportCheck.h"
#include "formats/OpenFormats.h"

using namespace colorcard;

namespace {

FormatLibraries fullLibraries() {
    FormatLibraries libraries;
    int seed = 0;
    for (int k = 0; k < 46; ++k) {
        FormatLibrary library{
            QStringLiteral("色卡库 %1").arg(k + 1), QStringLiteral("Library %1").arg(k + 1), {}};
        const int count = 20000 / 46 + (k < 20000 % 46 ? 1 : 0);
        for (int c = 0; c < count; ++c, ++seed) {
            const double L = (seed * 37 % 10001) / 100.0;
            const double a = (seed * 53 % 25601 - 12800) / 100.0;
            const double b = (seed * 71 % 25601 - 12800) / 100.0;
            library.colors.append(FormatColor{QStringLiteral("颜色%1").arg(seed),
                                              ImportCheck::derivedTexts(L, a, b)});
        }
        libraries.append(library);
    }
    return libraries;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    dir.setAutoRemove(qEnvironmentVariableIsEmpty("BENCH_KEEP"));
    if (!dir.autoRemove())
        std::printf("files kept in %s\n", qPrintable(dir.path()));
    const FormatLibraries libraries = fullLibraries();
    std::printf("%-9s %10s %10s %12s\n", "format", "export ms", "import ms", "file bytes");
    bool failed = false;
    for (OpenFormat format : {OpenFormat::Csv, OpenFormat::Cgats, OpenFormat::Cxf}) {
        const QString path = dir.filePath("full." + OpenFormats::suffix(format));
        QElapsedTimer timer;
        timer.start();
        const FormatError written = OpenFormats::write(path, format, libraries);
        const qint64 exportMs = timer.elapsed();
        timer.restart();
        FormatLibraries back;
        const FormatError read = OpenFormats::import(path, format, ImportLimits(), back);
        const qint64 importMs = timer.elapsed();
        qint64 colors = 0;
        for (const FormatLibrary& library : back)
            colors += library.colors.size();
        if (written || read || back.size() != 46 || colors != 20000) {
            std::printf("%s failed: %s\n", qPrintable(OpenFormats::name(format)),
                        qPrintable((written ? written : read).message(Language::english())));
            failed = true;
            continue;
        }
        std::printf("%-9s %10lld %10lld %12lld\n", qPrintable(OpenFormats::name(format)), exportMs,
                    importMs, QFileInfo(path).size());
    }
    return failed ? 1 : 0;
}
