// SPDX-License-Identifier: MIT
// Saves a full store (46 libraries, 20000 colours, every value filled) to an
// exchange workbook and imports it into an empty store and once more into
// the filled one (every colour already there). Prints the times.
//
//   bench_exchange [COPY.xls]   also keeps a copy of the saved workbook, to
//                               open it in a spreadsheet program

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <cstdio>

#include "prompt/Messenger.h"
#include "workflow/LibraryMerge.h"
#include "workflow/LibraryService.h"
#include "workflow/SpreadsheetImport.h"
#include "workflow/SpreadsheetSave.h"

using namespace colorcard;

namespace {

constexpr int kLibraries = 46;
constexpr int kColours = 20000;

// Answers Yes, gives one file name, shows nothing.
class QuietPrompt : public Prompt {
public:
    QString fileName;
    QStringList messages;

    void information(QWidget*, const QString&, const QString& text) override { messages << text; }
    bool question(QWidget*, const QString&, const QString&) override { return true; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return fileName;
    }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return fileName;
    }
    std::unique_ptr<ProgressReporter> progress(QWidget*, const QString&, const QString&, int,
                                               int) override {
        struct Silent : ProgressReporter {
            void setValue(int) override {}
            void hide() override {}
        };
        return std::make_unique<Silent>();
    }
};

struct Workspace {
    QuietPrompt prompt;
    Messenger messenger{&prompt};
    LocalStore local;
    LibraryService library{messenger, local.repository()};
    LibraryMerge merge{library};

    explicit Workspace(const QString& directory) : local(directory) {
        messenger.setLanguage(Language::english());
        library.setMeterNumber(QStringLiteral("12345678"));
        library.setMaxLibraries(kLibraries);
        library.open();
    }
    ColorCardStore& store() { return local.store(); }
};

QString fixed(int value, int divisor, int decimals) {
    return QString::number(double(value) / divisor, 'f', decimals);
}

void fill(Workspace& w) {
    int colour = 0;
    for (int k = 0; k < kLibraries; ++k) {
        const int count = kColours / kLibraries + (k < kColours % kLibraries ? 1 : 0);
        const QString id = w.store().makeLibraryId(k + 1);
        w.store().createColorDataTable(id);
        w.store().insertLibrary(id, w.library.meterNumber(), QStringLiteral("色卡库 %1").arg(k + 1),
                                QStringLiteral("Spring collection %1").arg(k + 1),
                                QString::number(count));
        QList<QStringList> columns;
        for (int c = 0; c < 20; ++c)
            columns << QStringList();
        for (int i = 0; i < count; ++i, ++colour) {
            const int s = colour * 7919;
            columns[0] << (colour % 2 ? QStringLiteral("颜色 %1") : QStringLiteral("Colour %1"))
                              .arg(colour + 1);
            columns[1] << fixed(s % 10000, 100, 2);
            columns[2] << fixed((s / 3) % 25600 - 12800, 100, 2);
            columns[3] << fixed((s / 7) % 25600 - 12800, 100, 2);
            for (int v = 4; v <= 8; ++v)
                columns[v] << fixed((s / v) % 10000, 100, 2);
            columns[9] << fixed((s / 9) % 3600, 10, 1);
            columns[10] << fixed(s % 10000, 100, 2);
            columns[11] << fixed((s / 11) % 10000, 10000, 4);
            columns[12] << fixed((s / 12) % 10000, 10000, 4);
            for (int v = 13; v < 20; ++v)
                columns[v] << QString::number((s / v) % 256);
        }
        w.store().insertColorDataBatch(id, w.store().makeColorIds(id, 1, count), columns);
    }
    w.library.showStoredLibraries(w.store().selectLibraries());
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    const QString templates = QStringLiteral(COLORCARD_BIN_DIR);
    const QString copy = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    QTemporaryDir dir;
    QTemporaryDir sourceDir;
    QTemporaryDir targetDir;
    const QString file = dir.filePath(QStringLiteral("full.xls"));

    QElapsedTimer timer;
    Workspace source(sourceDir.path());
    timer.start();
    fill(source);
    std::printf("store: %d libraries, %d colours, filled in %lld ms\n", kLibraries, kColours,
                static_cast<long long>(timer.elapsed()));

    source.prompt.fileName = file;
    timer.restart();
    const bool saved = SpreadsheetSave(source.library, templates).saveToSpreadsheet();
    const qint64 saveMs = timer.elapsed();
    if (!saved) {
        std::printf("save failed: %s\n", qPrintable(source.prompt.messages.join(" / ")));
        return 1;
    }
    std::printf("save: %lld ms (file %lld bytes)\n", static_cast<long long>(saveMs),
                static_cast<long long>(QFileInfo(file).size()));

    if (!copy.isEmpty() && !QFile::copy(file, copy))
        std::printf("cannot copy the workbook to %s\n", qPrintable(copy));

    Workspace target(targetDir.path());
    target.prompt.fileName = file;
    timer.restart();
    SpreadsheetImport(target.merge).importFromSpreadsheet();
    const qint64 importMs = timer.elapsed();
    int total = 0;
    for (const Library& record : target.store().selectLibraries())
        total += record.count.toInt();
    std::printf("import into an empty store: %lld ms (%d colours, %s)\n",
                static_cast<long long>(importMs), total,
                qPrintable(target.prompt.messages.join(" / ")));
    if (total != kColours)
        return 1;

    target.prompt.messages.clear();
    timer.restart();
    SpreadsheetImport(target.merge).importFromSpreadsheet();
    std::printf("import again, every colour already there: %lld ms (%s)\n",
                static_cast<long long>(timer.elapsed()),
                qPrintable(target.prompt.messages.join(" / ")));
    return 0;
}
