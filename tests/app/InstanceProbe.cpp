// SPDX-License-Identifier: MIT
// The program's start-up as a test process.
//   InstanceProbe first <id> <data directory>: runs as the first instance
//     with its settings in <data directory>/settings.conf, prints "title ...",
//     "language ..." and "ready" once its window shows, and on the first
//     message prints what it received and the window's state, then quits.
//   InstanceProbe second <id>: starts while another instance runs and prints
//     every prompt it would have shown; the exit code is the start-up's.
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "app/AppStartup.h"
#include "app/MainWindow.h"
#include "app/SingleApplication.h"
#include "tests/support/ScriptedPrompt.h"

using namespace colorcard;

namespace {

void say(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

CLinker* noMeter(quint16, quint16, bool*) {
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    const QString mode = QString::fromLocal8Bit(argv[1]);
    ScriptedPrompt prompt;
    AppStartup::Options options;
    options.instanceId = QString::fromLocal8Bit(argv[2]);
    options.prompt = &prompt;
    options.linkOpener = noMeter;

    if (mode == QLatin1String("first")) {
        if (argc < 4)
            return 2;
        options.dataDirectory = QString::fromLocal8Bit(argv[3]);
        // Remembered beside the data, never in the user's own settings.
        options.settingsFile = options.dataDirectory + QStringLiteral("/settings.conf");
        options.started = [](SingleApplication& app, MainWindow& window) {
            QObject::connect(&app, &SingleApplication::messageReceived, &app,
                             [&app, &window](const QString& message) {
                                 say(QStringLiteral("received ") + message);
                                 // Activation reaches the window through the
                                 // platform's event queue.
                                 QElapsedTimer clock;
                                 clock.start();
                                 while (!window.isActiveWindow() && clock.elapsed() < 5000) {
                                     QCoreApplication::processEvents();
                                     QThread::msleep(5);
                                 }
                                 say(QStringLiteral("minimized=%1 visible=%2 active=%3")
                                         .arg(window.isMinimized())
                                         .arg(window.isVisible())
                                         .arg(window.isActiveWindow()));
                                 QTimer::singleShot(0, &app, &QCoreApplication::quit);
                             });
            // Out of the way, behind another window: the message must bring
            // it back.
            window.showMinimized();
            auto* other = new QWidget;
            other->setAttribute(Qt::WA_DeleteOnClose);
            other->show();
            other->activateWindow();
            say(QStringLiteral("title ") + window.windowTitle());
            say(QStringLiteral("language ") + window.language());
            say(QStringLiteral("ready"));
        };
        return AppStartup::run(argc, argv, options);
    }

    QTemporaryDir settings;
    options.settingsFile = settings.filePath(QStringLiteral("settings.conf"));
    options.started = [](SingleApplication& app, MainWindow&) {
        say(QStringLiteral("started as the first instance"));
        app.exit(3);
    };
    const int result = AppStartup::run(argc, argv, options);
    for (const ScriptedPrompt::Event& event : prompt.events) {
        say(QStringLiteral("prompt kind=%1 parent=%2")
                .arg(static_cast<int>(event.kind))
                .arg(event.parent != nullptr));
        say(QStringLiteral("title ") + event.title);
        say(QStringLiteral("text ") + event.text);
    }
    return result;
}
