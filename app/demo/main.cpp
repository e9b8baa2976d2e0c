// SPDX-License-Identifier: MIT
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>

#include "app/AppStartup.h"
#include "app/MainWindow.h"
#include "app/SingleApplication.h"
#include "app/demo/DemoPanel.h"
#include "app/demo/Screenshots.h"
#include "link/UsbLinkOpener.h"
#include "sim/SimEventSource.h"
#include "sim/SimHidBackend.h"

using namespace colorcard;

namespace {

QString demoDataDirectory() {
    const QString beside =
        QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget().section('/', 0, -2) +
        QStringLiteral("/demo-data");
    if (QDir().mkpath(beside) && QFileInfo(beside).isWritable())
        return beside;
    const QString home = QDir::homePath() + QStringLiteral("/.local/share/ColorCard/demo-data");
    QDir().mkpath(home);
    return home;
}

// Right of the window when the screen has room for it there; otherwise at
// the right edge of the screen, low enough to leave the window's top row (the
// link LED and the language buttons) uncovered.
QPoint panelPosition(const QRect& window, const QSize& panel, const QRect& screen) {
    const int gap = 20;
    const int topRow = 60;
    int x = window.right() + 1 + gap;
    int y = window.top();
    if (x + panel.width() > screen.right() + 1) {
        x = screen.right() + 1 - panel.width() - gap;
        y = window.top() + topRow;
    }
    x = qBound(screen.left(), x, qMax(screen.left(), screen.right() + 1 - panel.width()));
    y = qBound(screen.top(), y, qMax(screen.top(), screen.bottom() + 1 - panel.height()));
    return {x, y};
}

}  // namespace

// The program with a simulated meter attached: how to try it without a meter.
int main(int argc, char** argv) {
    SimHidBackend backend;
    backend.meter().loadLibraries(SimMeter::sampleLibraries());
    backend.meter().setMeasurement(SimMeter::measurementFromRgb(200, 60, 40));

    AppStartup::Options options;
    options.linkOpener = makeUsbLinkOpener(backend);
    options.deviceEvents = [&backend] { return new SimEventSource(backend); };
    // Its own database, so trying the demo never touches real data.
    options.dataDirectory = demoDataDirectory();

    const QCommandLineOption screenshots(
        QStringLiteral("screenshots"),
        QStringLiteral("Start afresh, measure a colour, save pictures of the window in both "
                       "languages and of this panel into <directory>, and exit."),
        QStringLiteral("directory"));
    options.extraOptions << screenshots;
    QString screenshotDirectory;
    // Pictures start from an empty database and the default window, and
    // leave the remembered settings alone.
    QTemporaryDir fresh;
    options.parsed = [&](const QCommandLineParser& parser) {
        screenshotDirectory = parser.value(screenshots);
        if (screenshotDirectory.isEmpty())
            return;
        options.dataDirectory = fresh.path();
        options.settingsFile = fresh.filePath(QStringLiteral("settings.ini"));
        options.instanceId =
            QStringLiteral("colorcard-demo-screenshots-%1").arg(QCoreApplication::applicationPid());
    };
    options.started = [&](SingleApplication&, MainWindow& window) {
        auto* panel =
            new DemoPanel(backend, &window, [&window] { return Language(window.language()); });
        panel->adjustSize();
        panel->move(panelPosition(window.frameGeometry(), panel->frameGeometry().size(),
                                  QGuiApplication::primaryScreen()->availableGeometry()));
        panel->show();
        if (!screenshotDirectory.isEmpty())
            takeScreenshots(screenshotDirectory, window, *panel);
    };
    return AppStartup::run(argc, argv, options);
}
