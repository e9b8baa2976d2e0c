// SPDX-License-Identifier: MIT
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/MainWindow.h"
#include "tests/support/SimWindow.h"
#include "ui_FirstPage.h"
#include "workspace/ColorCardDialog.h"
#include "workspace/ColorDataTable.h"
#include "workspace/FirstPage.h"
#include "workspace/OperatorWidget.h"

using namespace colorcard;

namespace {

// Fills in and saves every library dialog the page opens.
void answerLibraryDialogs(FirstPage* page, const QString& name, const QString& description) {
    page->setDialogRunner([name, description](ColorCardDialog& dialog) {
        dialog.findChild<QLineEdit*>("lineEdit_colorCardName")->setText(name);
        dialog.findChild<QLineEdit*>("lineEdit_colorCardDesc")->setText(description);
        dialog.findChild<QPushButton*>("pushButton_save")->click();
        return dialog.result() == QDialog::Accepted;
    });
}

QPushButton* rowButton(FirstPage* page, int row, const char* name) {
    OperatorWidget* buttons = page->colorDataTable()->buttons(row);
    return buttons ? buttons->findChild<QPushButton*>(name) : nullptr;
}

// "name:L:a:b" per colour table row.
QStringList colourRows(FirstPage* page) {
    ColorDataTable* table = page->colorDataTable();
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r)
        rows << QStringList{table->name(r), table->text(r, 2), table->text(r, 3), table->text(r, 4)}
                    .join(':');
    return rows;
}

}  // namespace

// The program as the demo runs it: the window over the simulated meter, the
// data in a directory of its own, the example device settings.
class MeasureSessionTest : public QObject {
    Q_OBJECT
private slots:
    void measureRenameReMeasureDeleteAndRestart() {
        SimWindow sim;
        QPointer<MainWindow> window = sim.start();
        QTRY_VERIFY(window->link());
        FirstPage* page = window->page();
        Ui::FirstPage* ui = page->ui();
        QCOMPARE(ui->lineEdit_meterModel->text(), QString("CM-200 Colorimeter"));
        QCOMPARE(page->library().maxLibraries(), 46);
        // The first attachment in a run exports the meter's (empty) memory.
        QCOMPARE(sim.prompt.messages(), QStringList{"导出仪器色卡数据成功！"});
        sim.prompt.clear();

        answerLibraryDialogs(page, "spring", "2026");
        ui->pushButton_newColorCardLibrary->click();
        QCOMPARE(ui->comboBox_colorCardName->currentText(), QString("spring"));
        ui->pushButton_lock->click();

        const struct {
            const char* name;
            int r, g, b;
        } colours[] = {{"red", 200, 30, 30}, {"green", 30, 180, 60}, {"blue", 20, 40, 210}};
        for (const auto& colour : colours) {
            sim.backend.meter().setMeasurement(
                SimMeter::measurementFromRgb(colour.r, colour.g, colour.b));
            QTest::keyClicks(ui->lineEdit_colorDataName, colour.name);
            ui->pushButton_measure->click();
            QCOMPARE(ui->lineEdit_colorDataName->text(), QString());
        }
        QCOMPARE(ui->tableWidget_colorData->rowCount(), 3);
        QCOMPARE(page->libraryCell(0, 3), QString("3"));
        const SimMeasurement blue = SimMeter::measurementFromRgb(20, 40, 210);
        QCOMPARE(ui->label_colorCardResult->styleSheet(),
                 QString("background-color: rgb(%1, %2, %3);")
                     .arg(blue[16])
                     .arg(blue[17])
                     .arg(blue[18]));

        // Rename red, re-measure green as a yellow, delete blue.
        QLineEdit* editor = page->colorDataTable()->nameEditor(0);
        editor->selectAll();
        QTest::keyClicks(editor, "crimson");
        QTest::keyClick(editor, Qt::Key_Return);
        const QStringList beforeReMeasure = colourRows(page);
        sim.backend.meter().setMeasurement(SimMeter::measurementFromRgb(230, 220, 40));
        sim.prompt.answers << true << true;
        rowButton(page, 1, "pushButton_reMeasure")->click();
        rowButton(page, 2, "pushButton_delete")->click();
        QCOMPARE(sim.prompt.questions().size(), 2);

        const QStringList shown = colourRows(page);
        QCOMPARE(shown.size(), 2);
        QVERIFY(shown[0].startsWith("crimson:"));
        QVERIFY(shown[1].startsWith("green:"));
        QVERIFY(shown[1] != beforeReMeasure[1]);
        QCOMPARE(shown[1].section(':', 1, 1), ui->lineEdit_L->text());
        QCOMPARE(page->libraryCell(0, 3), QString("2"));
        QCOMPARE(sim.prompt.messages(), QStringList());
        const QString libraryId = page->libraryCell(0, 0);

        // Restart: the window goes, a new one opens on the same data.
        delete window.data();
        QVERIFY(!window);
        sim.prompt.clear();
        MainWindow restarted(sim.setup());
        QTRY_VERIFY(restarted.link());
        FirstPage* again = restarted.page();
        QCOMPARE(again->ui()->lineEdit_meterModel->text(), QString("CM-200 Colorimeter"));
        QCOMPARE(again->libraryRowCount(), 1);
        QCOMPARE(again->libraryCell(0, 0), libraryId);
        QCOMPARE(again->libraryCell(0, 1), QString("spring"));
        QCOMPARE(again->libraryCell(0, 3), QString("2"));
        QCOMPARE(colourRows(again), shown);
        QCOMPARE(again->library().library(0).colours.size(), shown.size());
        // A new run exports the instrument again; its empty memory adds nothing.
        QCOMPARE(sim.prompt.messages(), QStringList{"导出仪器色卡数据成功！"});

        // The stored values of the re-measured colour are the yellow's, in full.
        const QVector<Colour> records = again->store().selectColours(libraryId);
        QCOMPARE(records.size(), 2);
        QCOMPARE(records[1].name, QString("green"));
        const SimMeasurement yellow = SimMeter::measurementFromRgb(230, 220, 40);
        QCOMPARE(records[1].rgbR, QString::number(yellow[16]));
        QCOMPARE(records[1].lchh,
                 QString::number(yellow[8] / 10) + "." + QString::number(yellow[8] % 10));
        for (const Library& library : again->store().selectLibraries())
            QCOMPARE(library.meterNumber, QString("2301"));
    }
};

QTEST_MAIN(MeasureSessionTest)
#include "tst_measuresession.moc"
