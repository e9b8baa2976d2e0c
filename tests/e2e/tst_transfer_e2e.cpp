// SPDX-License-Identifier: MIT
// The window with the simulated meter: the user presses "export meter data",
// then "write to meter", and the libraries travel from the meter into the
// store and back.

#include <QLoggingCategory>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/MainWindow.h"
#include "link/UsbLinkOpener.h"
#include "sim/SimHidBackend.h"
#include "tests/e2e/MeterContents.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TestPacing.h"
#include "workspace/FirstPage.h"

using namespace colorcard;

class TransferEndToEnd : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    ScriptedPrompt prompt_;
    SimHidBackend backend_;
    std::unique_ptr<MainWindow> window_;

    FirstPage& page() { return *window_->page(); }
    void press(const char* button) {
        auto* pushButton = page().findChild<QPushButton*>(QLatin1String(button));
        QVERIFY(pushButton);
        pushButton->click();
    }

private slots:
    void initTestCase() {
        QLoggingCategory::setFilterRules(QStringLiteral("colorcard.link.debug=false"));
        backend_.meter().loadLibraries(meterLibraries());
        MainWindow::Setup setup;
        setup.prompt = &prompt_;
        setup.linkOpener = makeUsbLinkOpener(backend_);
        setup.dataDirectory = dir_.path();
        window_ = std::make_unique<MainWindow>(setup);
        window_->frameLayer()->setConfiguredPacing(testPacing());
        QVERIFY(window_->OpenUSB(0));
        // Whatever the connection did on its own, start from an empty store.
        page().library().clearAllData();
        window_->on_pushButton_languageEn_clicked();
        prompt_.clear();
    }

    void exportFillsTheStoreAndThePage() {
        press("pushButton_exportMeterData");
        QCOMPARE(prompt_.messages(), QStringList{"Export the color card data success!"});
        QCOMPARE(describe(page().store()), describe(meterLibraries()));
        auto* table = page().findChild<QTableWidget*>(QStringLiteral("tableWidget_colorCard"));
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(table->item(3, 1)->text(), QString("国标色卡"));
        QCOMPARE(table->item(3, 3)->text(), QString("2"));
    }

    void writeBringsThemBackIntoAnEmptyMeter() {
        backend_.meter().loadLibraries({});
        prompt_.clear();
        prompt_.answers.enqueue(true);
        press("pushButton_writeToMeter");
        QCOMPARE(prompt_.firstParagraphs(),
                 QStringList{"Successfully written the color card to the instrument!"});
        QCOMPARE(backend_.meter().lastTransferErrors(), QStringList());
        QCOMPARE(describe(backend_.meter().libraries()), describe(meterLibraries()));
    }

    void unplugDuringTheWriteIsReported() {
        window_->on_pushButton_languageZh_clicked();
        backend_.meter().faults().unplugAfterDataPackages = 1;
        prompt_.clear();
        prompt_.answers.enqueue(true);
        press("pushButton_writeToMeter");
        QCOMPARE(prompt_.firstParagraphs(), QStringList{"写2包标准色卡数据写端口失败！"});
        QCOMPARE(prompt_.events.last().title, QString("提示"));
    }
};

QTEST_MAIN(TransferEndToEnd)
#include "tst_transfer_e2e.moc"
