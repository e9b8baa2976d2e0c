// SPDX-License-Identifier: MIT
// Backups through the window with the simulated meter: deleting everything
// leaves a copy, and "Restore backup" lists it and brings every library back,
// in both languages.

#include <QFile>
#include <QLoggingCategory>
#include <QPushButton>
#include <QtTest>

#include "app/MainWindow.h"
#include "tests/e2e/MeterContents.h"
#include "tests/support/SimWindow.h"
#include "ui_FirstPage.h"
#include "workspace/ColorDataTable.h"
#include "workspace/FirstPage.h"

using namespace colorcard;

class BackupWindowTest : public QObject {
    Q_OBJECT
private slots:
    void deleteAllThenRestore() {
        SimWindow sim;
        sim.backend.meter().loadLibraries(meterLibraries());
        QPointer<MainWindow> window = sim.start();
        QTRY_VERIFY(window->link());
        FirstPage* page = window->page();
        Ui::FirstPage* ui = page->ui();
        QCOMPARE(sim.prompt.messages(), QStringList{"导出仪器色卡数据成功！"});
        const QStringList stored = describe(page->store());
        const int libraries = page->libraryRowCount();
        int colours = 0;
        for (const SimLibrary& library : meterLibraries())
            colours += library.colours.size();
        sim.prompt.clear();

        // In the row of the bulk actions, left of them.
        auto* restore = page->findChild<QPushButton*>("pushButton_restoreBackup");
        QVERIFY(restore && restore->isVisible());
        QCOMPARE(restore->text(), QStringLiteral("恢复备份"));
        QCOMPARE(restore->parentWidget(), ui->widget_buttons);
        QCOMPARE(restore->y(), ui->pushButton_deleteAllData->y());
        QVERIFY(restore->geometry().right() < ui->pushButton_deleteAllData->x());

        restore->click();
        QCOMPARE(sim.prompt.messages(), QStringList{"还没有备份！"});
        sim.prompt.clear();

        sim.prompt.answers.enqueue(true);
        ui->pushButton_deleteAllData->click();
        QCOMPARE(page->libraryRowCount(), 0);
        QVERIFY(describe(page->store()).isEmpty());
        sim.prompt.clear();

        sim.prompt.choices.enqueue(0);
        sim.prompt.answers.enqueue(true);
        restore->click();
        const ScriptedPrompt::Event* choice = sim.prompt.lastChoice();
        QVERIFY(choice);
        QCOMPARE(choice->title, QStringLiteral("恢复备份"));
        QCOMPARE(choice->columns,
                 (QStringList{"备份时间", "仪器", "色卡库数", "色卡数", "备份原因"}));
        QCOMPARE(choice->rows.size(), 1);
        QCOMPARE(choice->rows[0].mid(1), (QStringList{"2301", QString::number(libraries),
                                                      QString::number(colours), "删除所有数据"}));
        QCOMPARE(choice->parent, static_cast<QWidget*>(page));
        QCOMPARE(sim.prompt.questions().size(), 1);
        QVERIFY(sim.prompt.questions()[0].startsWith("确定恢复 " + choice->rows[0][0]));
        QCOMPARE(sim.prompt.messages(), QStringList{"恢复备份成功！"});
        QCOMPARE(sim.prompt.unscripted, 0);
        QCOMPARE(describe(page->store()), stored);
        QCOMPARE(page->libraryRowCount(), libraries);
        QCOMPARE(ui->comboBox_colorCardName->count(), libraries);
        QCOMPARE(ui->comboBox_colorCardName->currentIndex(), 0);
        QCOMPARE(page->colorDataTable()->rowCount(), page->libraryCell(0, 3).toInt());
        sim.prompt.clear();

        // In English the list holds the restore's own copy of the emptied
        // store too; cancelled, nothing changes.
        if (!QFile::exists(QStringLiteral(COLORCARD_BIN_DIR "/ColorCard_en.qm")))
            QSKIP("no English translation built");
        window->findChild<QPushButton*>("pushButton_languageEn")->click();
        QCOMPARE(restore->text(), QStringLiteral("Restore backup"));
        restore->click();
        choice = sim.prompt.lastChoice();
        QCOMPARE(choice->title, QStringLiteral("Restore backup"));
        QCOMPARE(choice->columns,
                 (QStringList{"Backup time", "Meter", "Libraries", "Colors", "Taken before"}));
        QCOMPARE(choice->rows.size(), 2);
        QCOMPARE(choice->rows[0].mid(1), (QStringList{"2301", "0", "0", "Restore"}));
        QCOMPARE(choice->text, QStringLiteral("Restore"));
        QCOMPARE(choice->cancelText, QStringLiteral("Cancel"));
        QCOMPARE(sim.prompt.questions(), QStringList());
        QCOMPARE(sim.prompt.messages(), QStringList());
        QCOMPARE(describe(page->store()), stored);
    }
};

QTEST_MAIN(BackupWindowTest)
#include "tst_backupwindow.moc"
