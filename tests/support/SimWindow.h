// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>
#include <QLoggingCategory>
#include <QPointer>
#include <QTemporaryDir>

#include "app/MainWindow.h"
#include "link/UsbLinkOpener.h"
#include "sim/SimEventSource.h"
#include "sim/SimHidBackend.h"
#include "tests/support/MemoryPasswordKeeper.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TestPacing.h"
#include "workspace/FirstPage.h"

namespace colorcard {

// The program as the demo runs it: the one window over the simulated meter,
// with plug and unplug events, its data and the example device settings in a
// directory of its own, every prompt scripted. The window is built by
// start(), after the test has loaded the meter.
struct SimWindow {
    QTemporaryDir data;
    SimHidBackend backend;
    SimEventSource events{backend};
    ScriptedPrompt prompt;
    // Server passwords asked to be remembered; never the desktop's keyring.
    MemoryPasswordKeeper keyring;
    QPointer<MainWindow> window;
    // Where languages other than those built are found (a test's own translation).
    QStringList extraTranslationDirectories;
    // The store (a file or a postgresql:// address); empty: "database.db" in data.
    QString location;

    SimWindow() { QLoggingCategory::setFilterRules(QStringLiteral("colorcard.link.debug=false")); }
    ~SimWindow() { delete window.data(); }

    // The setup the window is built on: translations from the build, the
    // device settings of the source tree.
    MainWindow::Setup setup() {
        QFile::copy(QStringLiteral(COLORCARD_SOURCE_DIR "/resources/meterno"),
                    data.filePath(QStringLiteral("meterno")));
        MainWindow::Setup s;
        s.prompt = &prompt;
        s.linkOpener = makeUsbLinkOpener(backend);
        s.deviceEvents = &events;
        s.dataDirectory = data.path();
        s.location = location;
        s.passwordKeeper = &keyring;
        s.settingsFile = data.filePath(QStringLiteral("meterno"));
        s.translationDirectories =
            QStringList{QStringLiteral(COLORCARD_BIN_DIR)} + extraTranslationDirectories;
        return s;
    }
    // The process's one window (MainWindow::instance()), shown.
    MainWindow* start() {
        MainWindow::configure(setup());
        window = MainWindow::instance();
        // The link is opened once the event loop runs, with the tests' pacing.
        window->frameLayer()->setConfiguredPacing(testPacing());
        window->show();
        return window;
    }
    FirstPage* page() const { return window->page(); }
};

}  // namespace colorcard
