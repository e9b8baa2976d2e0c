#include "AppStartup.h"

#include <QColor>
#include <QFile>
#include <QFont>
#include <QPalette>
#include <memory>

#include "AppInit.h"
#include "ColorCardVersion.h"
#include "DeviceEventSource.h"
#include "MainWindow.h"
#include "SingleApplication.h"
#include "WidgetPrompt.h"

int AppStartup::run(int& argc, char** argv, const Options& options) {
    SingleApplication app(argc, argv, options.instanceId);
    QCoreApplication::setApplicationName(QStringLiteral("ColorCard"));
    initResources();

    WidgetPrompt widgetPrompt;
    Prompt* prompt = options.prompt ? options.prompt : &widgetPrompt;
    if (app.isRunning()) {
        // The running instance comes forward whether or not it answers in time.
        app.sendMessage(activationMessage(), 5000);
        prompt->information(nullptr, QStringLiteral("Warn"),
                            QStringLiteral("Device already opened!"));
        return 0;
    }

    // The locale codec stays as the system has it (UTF-8): changing it would
    // corrupt non-ASCII file names. Texts from the meter are decoded as GB2312
    // explicitly where they are read.
    applyStyleSheet(options.styleSheetPath);
    // Where that family is not installed, Latin and Chinese text alike come
    // from the installed CJK font rather than a mix of two faces.
    QFont::insertSubstitutions(
        QStringLiteral("Microsoft Yahei"),
        {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    QApplication::setFont(QFont(QStringLiteral("Microsoft Yahei"), 12));
    AppInit::instance()->start();

    std::unique_ptr<DeviceEventSource> deviceEvents(options.deviceEvents ? options.deviceEvents()
                                                                         : nullptr);
    MainWindow::Setup setup;
    setup.prompt = options.prompt;
    setup.linkOpener = options.linkOpener;
    setup.deviceEvents = deviceEvents.get();
    setup.dataDirectory = options.dataDirectory;
    MainWindow::configure(setup);

    MainWindow* window = MainWindow::instance();
    app.setActivationWindow(window, true);
    window->setWindowTitle(windowTitle());
    window->show();
    QObject::connect(&app, &SingleApplication::messageReceived, window,
                     &MainWindow::handleAppMessage);
    if (options.started)
        options.started(app, *window);
    return app.exec();
}

bool AppStartup::applyStyleSheet(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString sheet = QString::fromLatin1(file.readAll());
    file.close();
    // The first rule, "QPalette{background:#RRGGBB;}", carries the palette
    // colour at a fixed position. A sheet edited out of that shape keeps the
    // default palette rather than getting one built from an invalid colour.
    const QColor background(sheet.mid(20, 7));
    if (background.isValid())
        QApplication::setPalette(QPalette(background));
    qApp->setStyleSheet(sheet);
    return true;
}

QString AppStartup::windowTitle() {
    return QStringLiteral("ColorCard V" COLORCARD_VERSION);
}

void AppStartup::initResources() {
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    // The resources live in a static library, whose registration object the
    // linker would otherwise drop.
    Q_INIT_RESOURCE(colorcard);
}

QString AppStartup::activationMessage() {
    return QStringLiteral("active!!!!!");
}
