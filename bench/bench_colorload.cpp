// SPDX-License-Identifier: MIT
// Selecting a library of 1000 and of 10000 colours on the page, shown
// offscreen with the program's style sheet and the real progress dialog.
// Each size runs in a child process of its own so that its peak memory is
// its own. Prints, per size: the time from the selection until the table is
// filled and painted, how many rows have their widgets, the memory the
// table took and the peak of the process.
//
//   bench_colorload           the page as it is
//   bench_colorload --eager   every row gets its widgets, as if each row had
//                             been given them when it was filled (10000 rows
//                             take minutes this way)

#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cstdio>

#include "app/AppStartup.h"
#include "ui_FirstPage.h"
#include "workspace/ColorDataTable.h"
#include "workspace/FirstPage.h"
#include "workspace/WidgetPrompt.h"

using namespace colorcard;

namespace {

long peakKilobytes() {
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

long residentKilobytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// One library of count colours with all nineteen values, as a measurement stores them.
void storeLibrary(FirstPage& page, const QString& id, const QString& name, int count) {
    ColorCardStore& store = page.store();
    store.createColorDataTable(id);
    store.insertLibrary(id, QString(), name, QStringLiteral("bench"), QString::number(count));
    QStringList ids;
    QList<QStringList> columns;
    for (int c = 0; c < 20; ++c)
        columns << QStringList();
    for (int i = 0; i < count; ++i) {
        ids << QStringLiteral("ColorData%1261206184231").arg(i + 1);
        columns[0] << QStringLiteral("Colour %1").arg(i + 1);
        for (int c = 1; c < 20; ++c)
            columns[c] << QString::number((i * 37 + c * 11) % 10000 / 100.0, 'f', 2);
    }
    store.insertColorDataBatch(id, ids, columns);
}

int runChild(int count, bool eager) {
    QTemporaryDir dir;
    WidgetPrompt prompt;
    Session::Setup setup;
    setup.prompt = &prompt;
    setup.frames = nullptr;
    setup.dataDirectory = dir.path();
    setup.settingsFile = dir.filePath(QStringLiteral("meterno"));
    Session session(setup);
    FirstPage page(session);
    page.resize(1261, 638);
    page.show();
    settle();

    storeLibrary(page, QStringLiteral("ColorCard1261206184231"), QStringLiteral("small"), 0);
    storeLibrary(page, QStringLiteral("ColorCard2261206184231"), QStringLiteral("big"), count);
    page.library().showStoredLibraries(page.store().selectLibraries());
    settle();

    QTableWidget* table = page.ui()->tableWidget_colorData;
    QElapsedTimer timer;
    timer.start();
    const int read = page.store().selectColours(QStringLiteral("ColorCard2261206184231")).size();
    const qint64 readMs = timer.elapsed();

    const long before = residentKilobytes();
    timer.restart();
    page.ui()->comboBox_colorCardName->setCurrentIndex(1);
    if (eager) {
        for (int row = 0; row < table->rowCount(); ++row)
            page.colorDataTable()->buttons(row);
    }
    settle();
    const qint64 loadMs = timer.elapsed();
    const long after = residentKilobytes();

    timer.restart();
    table->scrollToBottom();
    settle();
    const qint64 scrollMs = timer.elapsed();

    std::printf(
        "%6d colours%s: selection to painted table %5lld ms (reading the store alone "
        "%4lld ms), scroll to the end %4lld ms, rows with widgets %5d of %5d, memory taken "
        "%6.1f MB, process peak %6.1f MB\n",
        count, eager ? " (eager)" : "", static_cast<long long>(loadMs),
        static_cast<long long>(readMs), static_cast<long long>(scrollMs),
        page.colorDataTable()->rowsWithWidgets(), table->rowCount(), (after - before) / 1024.0,
        peakKilobytes() / 1024.0);
    return table->rowCount() == count && read == count ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    const bool eager = args.contains(QStringLiteral("--eager"));
    const int child = args.indexOf(QStringLiteral("--child"));
    if (child >= 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        AppStartup::initResources();
        AppStartup::applyStyleSheet(QStringLiteral(":/qss/psblue.css"));
        return runChild(args.value(child + 1).toInt(), eager);
    }

    int failures = 0;
    for (int count : {1000, 10000}) {
        QStringList childArgs{QStringLiteral("--child"), QString::number(count)};
        if (eager)
            childArgs << QStringLiteral("--eager");
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(QString::fromLocal8Bit(argv[0]), childArgs);
        if (!process.waitForFinished(-1) || process.exitCode() != 0)
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}
