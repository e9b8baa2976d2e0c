// SPDX-License-Identifier: MIT
#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <functional>

#include "link/CLinker.h"

class QCommandLineParser;
class QSettings;
class QTextStream;

namespace colorcard {

class DeviceEventSource;
class MainWindow;
class Prompt;
class SingleApplication;

// The start-up of the program, shared by every executable that is this
// program (the real one and the one with a simulated meter).
class AppStartup {
public:
    struct Options {
        // Opens the meter link; empty: the window never gets a link.
        LinkOpener linkOpener;
        // Makes the hot-plug source once the application object exists; the
        // start-up owns it. Empty: no hot-plug detection.
        std::function<DeviceEventSource*()> deviceEvents;
        // Every message box; null: the toolkit's dialogs.
        Prompt* prompt = nullptr;
        // Which instances exclude each other; empty: every process of this
        // executable run by the same user.
        QString instanceId;
        QString styleSheetPath = QStringLiteral(":/qss/psblue.css");
        // Where the page keeps its data; empty: the application directory.
        QString dataDirectory;
        // Called with the shown window just before the event loop runs.
        std::function<void(SingleApplication&, MainWindow&)> started;
        // Options of this executable beyond the common ones, and what to do
        // with the parsed command line before the application object exists;
        // it may change these options (instance, data, settings), which are
        // read after it.
        QList<QCommandLineOption> extraOptions;
        std::function<void(const QCommandLineParser&)> parsed;
        // The remembered settings; empty: the desktop's usual place
        // (~/.config/ColorCard/ColorCard.conf).
        QString settingsFile;
    };

    // Runs the program and returns the process exit code: 0 when another
    // instance runs (after signalling it) or after --help and --version, 1 on
    // a bad command line, else the event loop's result.
    static int run(int& argc, char** argv, const Options& options);

    // Window geometry and language from settings; a language given on the
    // command line wins over the remembered one. Chinese when neither says.
    static void restoreSettings(MainWindow& window, QSettings& settings,
                                const QString& commandLineLanguage = QString());
    static void saveSettings(const MainWindow& window, QSettings& settings);

    // Proves that an installation is complete: the window shows, the template
    // workbooks and the device settings file are found, and both translations
    // load. Writes one line per file to out; 0 when all is well, else 1.
    static int checkData(MainWindow& window, QTextStream& out);

    // The store the window works on: the command line's --database, else
    // COLORCARD_DATABASE, else the settings' [Store] Location (never with a
    // password); empty: the default SQLite file.
    static QString storeLocation(const QString& commandLine, QSettings* settings);

    // The application font, in points: it grows with the desktop's font scale.
    static void applyFont();
    // Application style sheet and the palette taken from its first rule;
    // false (and nothing changed) when the file cannot be read.
    static bool applyStyleSheet(const QString& path);
    // The main window's title.
    static QString windowTitle();
    // Registers the embedded style sheet and images; safe to call repeatedly.
    static void initResources();
    // What a second start sends to the running instance.
    static QString activationMessage();
};

}  // namespace colorcard
