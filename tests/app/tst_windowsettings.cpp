// SPDX-License-Identifier: MIT
// What the program remembers between runs: the window's geometry and the
// language, read back from a settings file as the next start would.

#include <QGroupBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/AppStartup.h"
#include "app/MainWindow.h"
#include "tests/support/ScriptedPrompt.h"
#include "workspace/FirstPage.h"

using namespace colorcard;

class WindowSettingsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> makeWindow() {
        MainWindow::Setup setup;
        setup.prompt = &prompt_;
        setup.dataDirectory = data_.path();
        setup.translationDirectories = QStringList{QStringLiteral(COLORCARD_BIN_DIR)};
        return std::make_unique<MainWindow>(setup);
    }

    QString meterGroupTitle(MainWindow& window) {
        return window.findChild<QGroupBox*>("groupBox_meterInformation")->title();
    }

    ScriptedPrompt prompt_;
    QTemporaryDir data_;
    QTemporaryDir settingsDirectory_;

private slots:
    void geometryAndLanguageComeBack() {
        const QString path = settingsDirectory_.filePath("round-trip.conf");
        const QRect placed(40, 50, 1500, 820);
        {
            QSettings settings(path, QSettings::IniFormat);
            auto window = makeWindow();
            // Nothing remembered yet: the form's size, Chinese.
            AppStartup::restoreSettings(*window, settings);
            QCOMPARE(window->size(), QSize(1333, 712));
            QCOMPARE(window->language(), QStringLiteral("zh"));
            window->show();
            window->setGeometry(placed);
            window->findChild<QPushButton*>("pushButton_languageEn")->click();
            QCOMPARE(window->language(), QStringLiteral("en"));
            AppStartup::saveSettings(*window, settings);
        }
        // The next start reads the file afresh.
        QSettings settings(path, QSettings::IniFormat);
        auto window = makeWindow();
        QCOMPARE(meterGroupTitle(*window), QStringLiteral("仪器信息"));
        AppStartup::restoreSettings(*window, settings);
        QCOMPARE(window->language(), QStringLiteral("en"));
        QVERIFY(!window->page()->messenger().language().isChinese());
        // The page follows the language change event.
        QTRY_COMPARE(meterGroupTitle(*window), QStringLiteral("Meter information"));
        window->show();
        QCOMPARE(window->geometry(), placed);
    }

    void languageChoice_data() {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("shown");
        QTest::newRow("nothing remembered") << ""
                                            << ""
                                            << "zh";
        QTest::newRow("English remembered") << "en"
                                            << ""
                                            << "en";
        QTest::newRow("command line wins") << "en"
                                           << "zh"
                                           << "zh";
        QTest::newRow("command line English") << "zh"
                                              << "en"
                                              << "en";
        QTest::newRow("unknown language remembered") << "fr"
                                                     << ""
                                                     << "zh";
    }

    void languageChoice() {
        QFETCH(QString, remembered);
        QFETCH(QString, commandLine);
        QFETCH(QString, shown);
        QSettings settings(settingsDirectory_.filePath(QTest::currentDataTag()),
                           QSettings::IniFormat);
        if (!remembered.isEmpty())
            settings.setValue("window/language", remembered);
        auto window = makeWindow();
        AppStartup::restoreSettings(*window, settings, commandLine);
        QCOMPARE(window->language(), shown);
        QCOMPARE(window->page()->messenger().language().code(), shown);
        // Saving keeps what is shown, not what the command line said once.
        AppStartup::saveSettings(*window, settings);
        QCOMPARE(settings.value("window/language").toString(), shown);
    }
};

QTEST_MAIN(WindowSettingsTest)
#include "tst_windowsettings.moc"
