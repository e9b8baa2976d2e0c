// SPDX-License-Identifier: MIT
// The whole journey of a user through the window with the simulated meter:
// attach (the meter's libraries come in on their own), make a library and
// measure into it, save to a workbook, delete everything, import the
// workbook, write to the meter, replug it and export again. Every message
// is asserted in order; nothing may be lost or doubled on the way.

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/MainWindow.h"
#include "tests/e2e/MeterContents.h"
#include "tests/support/SimWindow.h"
#include "texts/ChangeTexts.h"
#include "ui_FirstPage.h"
#include "workspace/ColorCardDialog.h"
#include "workspace/ColorDataTable.h"
#include "workspace/FirstPage.h"

using namespace colorcard;

namespace {

// Every library with its name, description, meter number and count, then
// every colour with its name and the nineteen stored value texts.
QStringList storeContents(ColorCardStore& store) {
    QStringList lines;
    for (const Library& library : store.selectLibraries()) {
        lines << QStringList{library.name, library.description, library.meterNumber, library.count}
                     .join('|');
        for (const Colour& colour : store.selectColours(library.id))
            lines << QStringLiteral("  ") + (QStringList{colour.name} + colour.values()).join('|');
    }
    return lines;
}

// What the page shows: per library row its name, description and count, then
// the colour table of that library ("name L a b" per row).
QStringList pageContents(FirstPage* page) {
    QStringList lines;
    for (int row = 0; row < page->libraryRowCount(); ++row) {
        lines << QStringList{page->libraryCell(row, 1), page->libraryCell(row, 2),
                             page->libraryCell(row, 3)}
                     .join('|');
        page->ui()->comboBox_colorCardName->setCurrentIndex(row);
        ColorDataTable* table = page->colorDataTable();
        for (int r = 0; r < table->rowCount(); ++r)
            lines << QStringLiteral("  ") + QStringList{table->name(r), table->text(r, 2),
                                                        table->text(r, 3), table->text(r, 4)}
                                                .join(' ');
    }
    return lines;
}

}  // namespace

class JourneyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QLoggingCategory::setFilterRules(QStringLiteral("colorcard.link.debug=false"));
    }

    void measureSaveDeleteImportWriteReplugExport() {
        const QString templates = QCoreApplication::applicationDirPath();
        QVERIFY2(QFile::exists(templates + "/ColorCard_2.xls"), qPrintable(templates));

        SimWindow sim;
        sim.backend.meter().loadLibraries(meterLibraries());
        QPointer<MainWindow> window = sim.start();
        QTRY_VERIFY(window->link());
        FirstPage* page = window->page();
        Ui::FirstPage* ui = page->ui();

        // Attach: the meter's sample libraries are exported on their own.
        QCOMPARE(sim.prompt.messages(), QStringList{"导出仪器色卡数据成功！"});
        QCOMPARE(sim.prompt.questions(), QStringList());
        QCOMPARE(describe(page->store()), describe(meterLibraries()));
        const int sampleCount = meterLibraries().size();
        QCOMPARE(page->libraryRowCount(), sampleCount);
        sim.prompt.clear();

        // A library of its own, locked, two colours measured into it.
        page->setDialogRunner([](ColorCardDialog& dialog) {
            dialog.findChild<QLineEdit*>("lineEdit_colorCardName")->setText("Spring");
            dialog.findChild<QLineEdit*>("lineEdit_colorCardDesc")->setText("Samples 2026");
            dialog.findChild<QPushButton*>("pushButton_save")->click();
            return dialog.result() == QDialog::Accepted;
        });
        ui->pushButton_newColorCardLibrary->click();
        QCOMPARE(page->libraryRowCount(), sampleCount + 1);
        QCOMPARE(ui->comboBox_colorCardName->itemText(sampleCount), QString("Spring"));
        ui->comboBox_colorCardName->setCurrentIndex(sampleCount);
        QCOMPARE(page->colorDataTable()->rowCount(), 0);
        ui->pushButton_lock->click();
        QVERIFY(page->libraryLocked());
        sim.backend.meter().setMeasurement(SimMeter::measurementFromRgb(180, 70, 50));
        QTest::keyClicks(ui->lineEdit_colorDataName, "Brick red");
        ui->pushButton_measure->click();
        sim.backend.meter().setMeasurement(SimMeter::measurementFromRgb(120, 180, 230));
        QTest::keyClicks(ui->lineEdit_colorDataName, "Sky blue");
        ui->pushButton_measure->click();
        QCOMPARE(page->colorDataTable()->rowCount(), 2);
        QCOMPARE(page->libraryCell(sampleCount, 3), QString("2"));
        ui->pushButton_unlock->click();
        QCOMPARE(sim.prompt.messages(), QStringList());

        const QStringList stored = storeContents(page->store());
        const QStringList shown = pageContents(page);
        QCOMPARE(shown.size(), stored.size());

        // Save into the temporary directory, from the real template.
        sim.prompt.clear();
        const QString workbook = sim.data.filePath("journey.xls");
        sim.prompt.fileNames.enqueue(workbook);
        QVERIFY(ui->pushButton_saveToExcel->isEnabled());
        ui->pushButton_saveToExcel->click();
        QCOMPARE(sim.prompt.firstParagraphs(), QStringList{"保存文件成功！"});
        QCOMPARE(sim.prompt.events.first().kind, ScriptedPrompt::Kind::SaveFile);
        QCOMPARE(sim.prompt.events.first().title, QString("保存文件"));
        QVERIFY(QFileInfo(sim.prompt.events.first().text).fileName().startsWith("Stdcolor"));
        QVERIFY(QFileInfo(workbook).size() > 0);
        sim.prompt.clear();

        // Delete all data.
        sim.prompt.answers.enqueue(true);
        ui->pushButton_deleteAllData->click();
        QCOMPARE(sim.prompt.questions(),
                 QStringList{"删除所有色卡数据，会清空数据库和清空所有数据，是否确认删除？\n\n" +
                             ChangeText::BackupFirstNote.in(Language::chinese())});
        QCOMPARE(sim.prompt.messages(), QStringList());
        QCOMPARE(page->libraryRowCount(), 0);
        QCOMPARE(ui->comboBox_colorCardName->count(), 0);
        QCOMPARE(page->colorDataTable()->rowCount(), 0);
        QCOMPARE(page->store().selectLibraries().size(), 0);
        sim.prompt.clear();

        // Import it back: every library and colour, every stored value.
        sim.prompt.fileNames.enqueue(workbook);
        ui->pushButton_importFromExcel->click();
        QCOMPARE(sim.prompt.messages(), QStringList{"导入文件成功！"});
        QCOMPARE(sim.prompt.questions(), QStringList());
        QCOMPARE(sim.prompt.unscripted, 0);
        QCOMPARE(storeContents(page->store()), stored);
        QCOMPARE(pageContents(page), shown);
        sim.prompt.clear();

        // In English from here on, when the translations are there.
        const bool english = QFile::exists(QStringLiteral(COLORCARD_BIN_DIR "/ColorCard_en.qm"));
        if (english)
            window->findChild<QPushButton*>("pushButton_languageEn")->click();
        QCOMPARE(page->language().isChinese(), !english);
        const auto text = [english](const char* en, const char* zh) {
            return QString::fromUtf8(english ? en : zh);
        };

        // Write to the meter, which then holds exactly the store.
        sim.prompt.answers.enqueue(true);
        ui->pushButton_writeToMeter->click();
        QCOMPARE(sim.prompt.questions().size(), 1);
        QCOMPARE(sim.prompt.firstParagraphs(),
                 QStringList{text("Successfully written the color card to the instrument!",
                                  "写入色卡到仪器成功！")});
        QCOMPARE(sim.prompt.events.last().title, text("Tip", "提示"));
        QCOMPARE(sim.backend.meter().lastTransferErrors(), QStringList());
        QCOMPARE(describe(sim.backend.meter().libraries()), describe(page->store()));
        sim.prompt.clear();

        // Unplug and replug the same meter: no second automatic export.
        sim.backend.unplug();
        QTRY_VERIFY(!window->link());
        QCOMPARE(ui->lineEdit_meterModel->text(), QString());
        sim.backend.plug();
        QTRY_VERIFY(window->link());
        QTRY_COMPARE(ui->lineEdit_meterModel->text(), QString("CM-200 Colorimeter"));
        QCOMPARE(sim.prompt.events.size(), 0);
        QCOMPARE(storeContents(page->store()), stored);

        // Export: every library is stored as the meter holds it, so nothing
        // is asked and nothing changes, and the message says so.
        ui->pushButton_exportMeterData->click();
        QCOMPARE(sim.prompt.questions(), QStringList());
        QCOMPARE(sim.prompt.seriesQuestions(), QStringList());
        QCOMPARE(sim.prompt.messages(),
                 QStringList{text("Nothing was changed: every color card library of the meter is "
                                  "already in the database or was kept as it was.",
                                  "未做任何更改：仪器中的色卡库已全部存在于数据库中，"
                                  "或已按您的选择保留原样。")});
        QCOMPARE(sim.prompt.unscripted, 0);
        QCOMPARE(storeContents(page->store()), stored);
        QCOMPARE(pageContents(page), shown);
    }
};

QTEST_MAIN(JourneyTest)
#include "tst_journey.moc"
