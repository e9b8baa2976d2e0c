// SPDX-License-Identifier: MIT
#include "app/AppStartup.h"

#include <QColor>
#include <QCommandLineParser>
#include <QFile>
#include <QFont>
#include <QPalette>
#include <QSettings>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "ColorCardVersion.h"
#include "app/AppInit.h"
#include "app/MainWindow.h"
#include "app/SingleApplication.h"
#include "compat/QtCompat.h"
#include "link/DeviceEventSource.h"
#include "server/StoreLocation.h"
#include "store/DataFiles.h"
#include "texts/TextCatalogue.h"
#include "workspace/FirstPage.h"
#include "workspace/WidgetPrompt.h"

// Q_INIT_RESOURCE declares its function in the enclosing namespace.
static void colorcardInitResource_colorcard() {
    Q_INIT_RESOURCE(colorcard);
}

namespace colorcard {

namespace {

const char* const kGeometryKey = "window/geometry";
const char* const kLanguageKey = "window/language";
const char* const kLastFolderKey = "files/lastFolder";

// The languages a translation is built in or installed for, Chinese (the
// language the program starts in) first.
QStringList offeredLanguages() {
    QStringList codes = TextCatalogue::languages();
    if (codes.removeAll(Language().code()))
        codes.prepend(Language().code());
    return codes;
}

bool isLanguage(const QString& code) {
    return !code.isEmpty() && offeredLanguages().contains(code);
}

// "zh or en", "zh, en or fr".
QString alternatives(QStringList codes) {
    const QString last = codes.takeLast();
    return codes.isEmpty() ? last
                           : codes.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

}  // namespace

QString AppStartup::storeLocation(const QString& commandLine, QSettings* settings) {
    if (!commandLine.isEmpty())
        return commandLine;
    const QString environment = qEnvironmentVariable("COLORCARD_DATABASE");
    if (!environment.isEmpty())
        return environment;
    // The settings hold an address without a password (libpq's ~/.pgpass
    // supplies it); a check reads no settings and uses the default file.
    return settings ? StoreLocation::forSettings(
                          settings->value(QStringLiteral("Store/Location")).toString())
                    : QString();
}

int AppStartup::run(int& argc, char** argv, const Options& options) {
    // Names of the settings file; the database keeps its own fixed place.
    QCoreApplication::setOrganizationName(QStringLiteral("ColorCard"));
    QCoreApplication::setApplicationName(QStringLiteral("ColorCard"));
    QCoreApplication::setApplicationVersion(QStringLiteral(COLORCARD_VERSION));
    // Sizes follow the screen's scale and pixmaps come in its resolution;
    // both only take effect when set before the application object exists.
    QtCompat::enableHighDpi();
    // A desktop at 1.5 gets 1.5, not 2.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Colour card libraries for the handheld colorimeter."));
    // Qt's own single-dash options (-platform, -reverse) stay whole words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption language(
        QStringLiteral("language"),
        QStringLiteral("Interface language, zh (Chinese) or en (English); wins over the "
                       "language chosen last time."),
        offeredLanguages().join(QLatin1Char('|')));
    const QCommandLineOption checkDataOption(
        QStringLiteral("check-data"),
        QStringLiteral("Show the window, check that the template workbooks, the translations "
                       "and the device settings file are found, print where, and exit: 0 when "
                       "all are found, 1 otherwise."));
    const QCommandLineOption database(
        QStringLiteral("database"),
        QStringLiteral("The store: a SQLite file or postgresql://user@host:port/database; wins "
                       "over COLORCARD_DATABASE and the settings' [Store] Location."),
        QStringLiteral("PATH|URL"));
    parser.addOption(language);
    parser.addOption(checkDataOption);
    parser.addOption(database);
    for (const QCommandLineOption& option : options.extraOptions)
        parser.addOption(option);

    // Help and version need no display, so they are answered before the
    // application object (which needs one) exists.
    parser.parse(argumentList(argc, argv));
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // The help text names the program from the application's arguments.
        QCoreApplication core(argc, argv);
        if (parser.isSet(QStringLiteral("help-all")))
            parser.process(core);  // prints the toolkit's options too, and exits
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("colorcard %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    }

    // Known options have their values even where the toolkit's own ones
    // are not understood yet.
    if (options.parsed)
        options.parsed(parser);

    SingleApplication app(argc, argv, options.instanceId);
    // Desktops match the window to its launcher and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("local.colorcard.ColorCard"));
    // Again without the toolkit's own options, which the application took.
    if (!parser.parse(app.arguments())) {
        print(stderr, parser.errorText() + QStringLiteral("\nTry --help.\n"));
        return 1;
    }
    // Languages installed beside the program count as much as those built in.
    for (const QString& directory : DataFiles::searchDirectories())
        TextCatalogue::addDirectory(directory);
    const QString chosenLanguage = parser.value(language);
    if (parser.isSet(language) && !isLanguage(chosenLanguage)) {
        print(stderr, QStringLiteral("Unknown language \"%1\": choose %2.\n")
                          .arg(chosenLanguage, alternatives(offeredLanguages())));
        return 1;
    }
    const bool checking = parser.isSet(checkDataOption);
    initResources();

    WidgetPrompt widgetPrompt;
    Prompt* prompt = options.prompt ? options.prompt : &widgetPrompt;
    // A check runs beside a running instance and leaves it alone.
    if (!checking && app.isRunning()) {
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
    applyFont();
    AppInit::instance()->start();

    std::unique_ptr<DeviceEventSource> deviceEvents(options.deviceEvents ? options.deviceEvents()
                                                                         : nullptr);
    // A check depends on nothing remembered and remembers nothing.
    std::unique_ptr<QSettings> settings;
    if (!checking)
        settings = options.settingsFile.isEmpty()
                       ? std::make_unique<QSettings>()
                       : std::make_unique<QSettings>(options.settingsFile, QSettings::IniFormat);
    MainWindow::Setup setup;
    setup.prompt = options.prompt;
    setup.linkOpener = options.linkOpener;
    setup.deviceEvents = deviceEvents.get();
    setup.dataDirectory = options.dataDirectory;
    setup.location = storeLocation(parser.value(database), settings.get());
    MainWindow::configure(setup);

    MainWindow* window = MainWindow::instance();
    window->setWindowTitle(windowTitle());
    if (!checking) {
        restoreSettings(*window, *settings, chosenLanguage);
    } else if (!chosenLanguage.isEmpty()) {
        window->setLanguage(chosenLanguage);
    }
    app.setActivationWindow(window, true);
    window->show();
    QObject::connect(&app, &SingleApplication::messageReceived, window,
                     &MainWindow::handleAppMessage);
    if (options.started)
        options.started(app, *window);

    if (checking) {
        int result = 1;
        // Once the window's own start-up (the meter lookup) has run.
        QTimer::singleShot(200, &app, [&] {
            QTextStream out(stdout);
            result = AppStartup::checkData(*window, out);
            app.quit();
        });
        app.exec();
        return result;
    }
    const int result = app.exec();
    saveSettings(*window, *settings);
    return result;
}

void AppStartup::restoreSettings(MainWindow& window, QSettings& settings,
                                 const QString& commandLineLanguage) {
    window.restoreGeometry(settings.value(QLatin1String(kGeometryKey)).toByteArray());
    const QString remembered = settings.value(QLatin1String(kLanguageKey)).toString();
    const QString language = isLanguage(commandLineLanguage) ? commandLineLanguage
                             : isLanguage(remembered)        ? remembered
                                                             : QStringLiteral("zh");
    if (language != window.language())
        window.setLanguage(language);
    window.page()->messenger().setLastDirectory(
        settings.value(QLatin1String(kLastFolderKey)).toString());
}

void AppStartup::saveSettings(const MainWindow& window, QSettings& settings) {
    settings.setValue(QLatin1String(kGeometryKey), window.saveGeometry());
    settings.setValue(QLatin1String(kLanguageKey), window.language());
    if (!window.page()->messenger().lastDirectory().isEmpty())
        settings.setValue(QLatin1String(kLastFolderKey),
                          window.page()->messenger().lastDirectory());
    settings.sync();
}

int AppStartup::checkData(MainWindow& window, QTextStream& out) {
    bool complete = window.isVisible();
    out << (complete ? "window shown" : "window not shown") << '\n';
    for (const char* name : {"ColorCard_1.xls", "ColorCard_2.xls", "meterno"}) {
        const QString path = DataFiles::locate(QString::fromLatin1(name));
        complete = complete && !path.isEmpty();
        out << (path.isEmpty() ? QStringLiteral("missing %1").arg(QLatin1String(name))
                               : QStringLiteral("found %1").arg(path))
            << '\n';
    }
    const QString shown = window.language();
    for (const QString& language : {QStringLiteral("en"), QStringLiteral("zh")}) {
        const bool loaded = window.setLanguage(language);
        complete = complete && loaded;
        out << (loaded ? QStringLiteral("loaded %1").arg(window.translationFile(language))
                       : QStringLiteral("missing translation %1").arg(language))
            << '\n';
    }
    window.setLanguage(shown);
    out << (complete ? "complete" : "incomplete") << '\n';
    out.flush();
    return complete ? 0 : 1;
}

void AppStartup::applyFont() {
    // Where that family is not installed, Latin and Chinese text alike come
    // from the installed CJK font rather than a mix of two faces.
    QFont::insertSubstitutions(
        QStringLiteral("Microsoft Yahei"),
        {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    QApplication::setFont(QFont(QStringLiteral("Microsoft Yahei"), 12));
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
    colorcardInitResource_colorcard();
}

QString AppStartup::activationMessage() {
    return QStringLiteral("active!!!!!");
}

}  // namespace colorcard
