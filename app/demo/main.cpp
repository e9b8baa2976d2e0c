#include <QDir>
#include <QFileInfo>

#include "AppStartup.h"
#include "DemoPanel.h"
#include "MainWindow.h"
#include "SimEventSource.h"
#include "SimHidBackend.h"
#include "SingleApplication.h"
#include "UsbLinkOpener.h"

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
    options.started = [&backend](SingleApplication&, MainWindow& window) {
        auto* panel = new DemoPanel(backend, &window);
        panel->move(window.geometry().topRight() + QPoint(20, 0));
        panel->show();
    };
    return AppStartup::run(argc, argv, options);
}
