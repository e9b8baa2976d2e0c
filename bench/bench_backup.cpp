// SPDX-License-Identifier: MIT
// Backing up a full store: 46 libraries holding 20000 colours with all
// nineteen values, as measurements store them. Prints the database size and
// the time of each copy (taken through the store's open connection, as the
// program does before a destructive change), of listing the copies and of
// restoring one.
//
//   bench_backup [directory]   the database and its backups go there
//                              (default: a temporary directory)

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "store/ColorCardStore.h"
#include "store/DatabaseBackup.h"

using namespace colorcard;

namespace {

const int kLibraries = 46;
const int kColours = 20000;
const int kRuns = 10;

bool fill(ColorCardStore& store) {
    for (int l = 0; l < kLibraries; ++l) {
        const int count = kColours / kLibraries + (l < kColours % kLibraries ? 1 : 0);
        const QString id = store.makeLibraryId(l + 1);
        store.createColorDataTable(id);
        store.insertLibrary(id, QStringLiteral("2301"), QStringLiteral("Library %1").arg(l + 1),
                            QStringLiteral("bench"), QString::number(count));
        QList<QStringList> columns;
        for (int c = 0; c < 20; ++c)
            columns << QStringList();
        for (int i = 0; i < count; ++i) {
            columns[0] << QStringLiteral("Colour %1").arg(i + 1);
            for (int c = 1; c < 20; ++c)
                columns[c] << QString::number((i * 37 + c * 11) % 10000 / 100.0, 'f', 2);
        }
        if (!store.insertColorDataBatch(id, store.makeColorIds(id, 1, count), columns))
            return false;
    }
    return true;
}

double milliseconds(const QElapsedTimer& timer) {
    return timer.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString directory = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    ColorCardStore store(directory);
    if (!store.openDatabase()) {
        std::fprintf(stderr, "cannot open the database in %s\n", qPrintable(directory));
        return 1;
    }
    if (!fill(store)) {
        std::fprintf(stderr, "cannot fill the database\n");
        return 1;
    }
    DatabaseBackup backup(store.databasePath(), store.connectionName());
    std::printf("database: %d libraries, %d colours, %.1f MB\n", kLibraries, kColours,
                QFileInfo(store.databasePath()).size() / 1048576.0);

    QList<double> times;
    QString last;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        const BackupStatus status = backup.take(QStringLiteral("2301"), &last);
        times << milliseconds(timer);
        if (status != BackupStatus::Ok) {
            std::fprintf(stderr, "backup failed: %s\n", qPrintable(backup.lastError()));
            return 1;
        }
    }
    std::sort(times.begin(), times.end());
    std::printf("backup: min %.1f ms, median %.1f ms, max %.1f ms over %d runs\n", times.first(),
                times[times.size() / 2], times.last(), kRuns);

    QElapsedTimer timer;
    timer.start();
    const QList<BackupEntry> entries = backup.list();
    std::printf("list of %d copies: %.1f ms (newest: %d libraries, %d colours)\n",
                int(entries.size()), milliseconds(timer), entries.value(0).libraries,
                entries.value(0).colours);

    timer.restart();
    const BackupStatus restored = backup.restore(last, QStringLiteral("2301"));
    std::printf("restore (with its own backup first): %.1f ms%s\n", milliseconds(timer),
                restored == BackupStatus::Ok ? "" : " FAILED");
    return restored == BackupStatus::Ok ? 0 : 1;
}
