// SPDX-License-Identifier: MIT
// The program's start-up as a whole process: the same start as the
// installed program (real meter backend, hot-plug source), leaving as soon
// as the event loop has run once with the window shown. ref_empty_window is
// the toolkit's empty window measured the same way; bench_paths.py runs
// both in turn.
//
//   bench_startup [DATA_DIRECTORY]   the store in that directory (default:
//                                    a fresh empty one)

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>

#include "app/AppStartup.h"
#include "app/SingleApplication.h"
#include "link/HidapiBackend.h"
#include "link/UdevEventSource.h"
#include "link/UsbLinkOpener.h"

using namespace colorcard;

int main(int argc, char** argv) {
    QString directory = argc > 1 ? QString::fromLocal8Bit(argv[argc - 1]) : QString();
    if (argc > 1)
        --argc;
    QTemporaryDir fresh;
    HidapiBackend backend;
    AppStartup::Options options;
    options.linkOpener = makeUsbLinkOpener(backend);
    options.deviceEvents = [] { return new UdevEventSource; };
    options.dataDirectory = directory.isEmpty() ? fresh.path() : directory;
    options.settingsFile = fresh.filePath(QStringLiteral("bench.conf"));
    options.instanceId = QStringLiteral("bench_startup");
    options.started = [](SingleApplication& app, MainWindow&) {
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    };
    return AppStartup::run(argc, argv, options);
}
