// SPDX-License-Identifier: MIT
// Changing meters and replacing data wholesale through the window with the
// simulated meter: the instrument change keeps the bench's QC data and the
// lock never moves silently; a restored backup stays the attached meter's
// data; writing the meter asks first; merges say what they would change;
// and the small things met on the way (file dialogs, messages, focus).

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include "store/QualityStore.h"
#include "tests/e2e/MeterContents.h"
#include "tests/support/SimWindow.h"
#include "texts/BackupTexts.h"
#include "texts/ChangeTexts.h"
#include "ui_FirstPage.h"
#include "workspace/ColorDataTable.h"
#include "workspace/WidgetPrompt.h"

using namespace colorcard;

namespace {

const QString kExported = QStringLiteral("导出仪器色卡数据成功！");

QString zh(const BilingualText& text, const QStringList& arguments = {}) {
    return Messenger::filled(text.in(Language::chinese()), arguments);
}

int colourCount(const QVector<SimLibrary>& libraries) {
    int colours = 0;
    for (const SimLibrary& library : libraries)
        colours += library.colours.size();
    return colours;
}

// Another instrument of a listed model, holding one library of its own.
const QVector<SimLibrary> kTheirs{
    {QStringLiteral("Other"), QStringLiteral("theirs"), {{QStringLiteral("X1"), 5000, 10, -10}}}};

void plugInAnotherMeter(SimWindow& sim) {
    sim.backend.unplug();
    QTRY_VERIFY(!sim.window->link());
    SimIdentity other;
    other.instrumentId = 20250917;
    other.meterNumber = 2302;
    sim.backend.meter().setIdentity(other);
    sim.backend.meter().loadLibraries(kTheirs);
    sim.backend.plug();
}

}  // namespace

class MeterSwapTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The instrument change keeps the QC history, takes the removed
    // libraries' tolerances only after the backup, unlocks with a message and
    // offers Cancel, which keeps everything and lets go of the new meter.
    // The backup is labelled by the old meter and the cause; restored, it
    // becomes the new meter's data and is not removed again at the next start.
    void instrumentChangeKeepsTheBench_data() {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("no") << false;
        QTest::newRow("cancel") << true;
    }
    void instrumentChangeKeepsTheBench() {
        QFETCH(bool, cancel);
        SimWindow sim;
        const QVector<SimLibrary> ours = SimMeter::sampleLibraries();
        sim.backend.meter().loadLibraries(ours);
        sim.start();
        QTRY_VERIFY(sim.window->link());
        FirstPage* page = sim.page();
        Ui::FirstPage* ui = page->ui();
        ui->comboBox_colorCardName->setCurrentIndex(1);
        ui->pushButton_lock->click();
        const QString lockedId = page->library().library(1).id;
        const QString lockedName = page->library().library(1).name;
        QualityStore quality(page->store().connectionName());
        QVERIFY(quality.setTolerance(lockedId, Tolerance{DifferenceMethod::cie76(), 2.5}));
        QualityStore::HistoryEntry judged;
        judged.libraryId = lockedId;
        judged.libraryName = lockedName;
        judged.colourName = QStringLiteral("Grey 50");
        judged.tolerance = Tolerance{DifferenceMethod::cie76(), 2.5};
        QVERIFY(quality.addHistory(judged));
        const QStringList before = describe(page->store());
        sim.prompt.clear();

        if (cancel)
            sim.prompt.cancelAnswers.enqueue(Prompt::Answer::Cancel);
        else
            sim.prompt.answers.enqueue(false);
        plugInAnotherMeter(sim);
        QTRY_COMPARE(sim.prompt.messages().size(), cancel ? 1 : 2);
        QCOMPARE(sim.prompt.questions().size(), 1);
        const ScriptedPrompt::Event* asked = sim.prompt.lastQuestion();
        QVERIFY(asked->withCancel);
        QVERIFY(asked->text.startsWith(QStringLiteral("检测到新仪器会清空所有数据")));
        QVERIFY(asked->text.endsWith(zh(ChangeText::InstrumentChangeChoices)));
        QCOMPARE(quality.history()->size(), 1);
        if (cancel) {
            QCOMPARE(sim.prompt.messages(), QStringList{zh(ChangeText::InstrumentChangeCancelled)});
            QTRY_VERIFY(!sim.window->link());
            QCOMPARE(describe(page->store()), before);
            QCOMPARE(page->libraryRowCount(), ours.size());
            QVERIFY(page->libraryLocked());
            QCOMPARE(ui->comboBox_colorCardName->currentIndex(), 1);
            QCOMPARE(quality.tolerance(lockedId)->limit, 2.5);
            QVERIFY(page->session().localStore().backups().list().isEmpty());
            return;
        }
        QCOMPARE(sim.prompt.messages(),
                 (QStringList{zh(ChangeText::LockReleased, {lockedName}), kExported}));
        QCOMPARE(describe(page->store()), describe(kTheirs));
        QVERIFY(!page->libraryLocked());
        QVERIFY(ui->pushButton_lock->isVisibleTo(page));
        QCOMPARE(*quality.tolerance(lockedId), Tolerance{});

        // The copy holds the old meter's libraries and the tolerance.
        const QList<BackupEntry> backups = page->session().localStore().backups().list();
        QCOMPARE(backups.size(), 1);
        QCOMPARE(backups[0].meterNumber, QStringLiteral("2301"));
        QCOMPARE(backups[0].cause, QString::fromLatin1(BackupCause::InstrumentChange));

        sim.prompt.clear();
        sim.prompt.choices.enqueue(0);
        sim.prompt.answers << true << true;
        page->findChild<QPushButton*>("pushButton_restoreBackup")->click();
        const ScriptedPrompt::Event* list = sim.prompt.lastChoice();
        QCOMPARE(list->columns.last(), zh(ChangeText::ColumnCause));
        QCOMPARE(list->rows[0].mid(1), (QStringList{"2301", QString::number(ours.size()),
                                                    QString::number(colourCount(ours)),
                                                    zh(ChangeText::CauseInstrumentChange)}));
        QCOMPARE(sim.prompt.questions().size(), 2);
        QVERIFY(sim.prompt.events[1].noByDefault);
        QCOMPARE(sim.prompt.questions()[1], zh(ChangeText::AdoptRestored, {"2301", "2302"}));
        QCOMPARE(describe(page->store()), before);
        QCOMPARE(quality.tolerance(lockedId)->limit, 2.5);
        QCOMPARE(quality.history()->size(), 1);
        const QList<BackupEntry> after = page->session().localStore().backups().list();
        QCOMPARE(after[0].cause, QString::fromLatin1(BackupCause::Restore));
        QCOMPARE(after[0].meterNumber, QStringLiteral("2302"));

        // The next start with the new meter attached keeps the restored data
        // and adds the meter's own library to it.
        delete sim.window.data();
        sim.prompt.clear();
        MainWindow restarted(sim.setup());
        QTRY_VERIFY(restarted.link());
        QTRY_COMPARE(sim.prompt.messages(), QStringList{kExported});
        QCOMPARE(sim.prompt.questions(), QStringList());
        QCOMPARE(describe(restarted.page()->store()), before + describe(kTheirs));
    }

    // Writing the meter asks first, naming both sides, with No as default,
    // and says what it wrote.
    void writeAsksFirstAndCounts() {
        SimWindow sim;
        const QVector<SimLibrary> ours = SimMeter::sampleLibraries();
        sim.backend.meter().loadLibraries(ours);
        sim.start();
        QTRY_VERIFY(sim.window->link());
        sim.backend.meter().loadLibraries(kTheirs);
        sim.prompt.clear();
        const QStringList question{
            zh(ChangeText::ConfirmWrite,
               {QString::number(ours.size()), QString::number(colourCount(ours)), "1", "1"})};

        sim.prompt.answers.enqueue(false);
        sim.page()->ui()->pushButton_writeToMeter->click();
        QCOMPARE(sim.prompt.questions(), question);
        QVERIFY(sim.prompt.lastQuestion()->noByDefault);
        QCOMPARE(sim.prompt.messages(), QStringList());
        QCOMPARE(describe(sim.backend.meter().libraries()), describe(kTheirs));

        sim.prompt.clear();
        sim.prompt.answers.enqueue(true);
        sim.page()->ui()->pushButton_writeToMeter->click();
        QCOMPARE(sim.prompt.questions(), question);
        QCOMPARE(sim.prompt.messages(),
                 QStringList{QStringLiteral("写入色卡到仪器成功！\n\n") +
                             zh(ChangeText::WrittenCounts, {QString::number(ours.size()),
                                                            QString::number(colourCount(ours))})});
        QCOMPARE(describe(sim.backend.meter().libraries()), describe(ours));
    }

    // A merge question says what Yes would change; a library whose incoming
    // copy lacks colours is said to, not passed off as unchanged; the
    // automatic export that changes nothing says so in the status line.
    void mergeSaysWhatChanges() {
        SimWindow sim;
        QVector<SimLibrary> meter = SimMeter::sampleLibraries();
        sim.backend.meter().loadLibraries(meter);
        sim.start();
        QTRY_VERIFY(sim.window->link());
        QTRY_COMPARE(sim.prompt.messages(), QStringList{kExported});

        delete sim.window.data();
        sim.prompt.clear();
        MainWindow restarted(sim.setup());
        QTRY_VERIFY(restarted.link());
        QTRY_COMPARE(sim.prompt.statuses(), QStringList{zh(ChangeText::FirstExportUnchanged)});
        QCOMPARE(sim.prompt.messages(), QStringList());
        // The real prompt puts it into the window's top row.
        WidgetPrompt().status(restarted.page(), QStringLiteral("remark"));
        auto* status = restarted.findChild<QLabel*>("label_status");
        QVERIFY(status);
        QCOMPARE(status->text(), QStringLiteral("remark"));

        meter[0].colours[0].L += 100;
        meter[0].colours.append({QStringLiteral("New"), 4000, 1, 2});
        const QString dropped = meter[1].colours.takeLast().name;
        sim.backend.meter().loadLibraries(meter);
        sim.prompt.clear();
        sim.prompt.seriesAnswers.enqueue(Prompt::SeriesAnswer::No);
        restarted.page()->ui()->pushButton_exportMeterData->click();
        QCOMPARE(sim.prompt.seriesQuestions(),
                 QStringList{
                     QStringLiteral("色卡库名称：%1，色卡库描述：%2，已经存在，是否覆盖旧的色卡库？"
                                    "\n\n")
                         .arg(meter[0].name, meter[0].description) +
                     zh(ChangeText::MergeAdds, {"1", "New"}) + '\n' +
                     zh(ChangeText::MergeChanges, {"1", meter[0].colours[0].name})});
        QVERIFY(sim.prompt.lastQuestion()->noByDefault);
        QCOMPARE(sim.prompt.messages().value(0), zh(ChangeText::MergeOnlyLacking, {meter[1].name}));
        QVERIFY(describe(restarted.page()->store()).join('\n').contains("  " + dropped + " "));
    }

    // File dialogs open in the documents folder, then where the last file
    // was; the save names its file; the name field's error matches its
    // label; after measuring the name field has the focus; delete-all says a
    // backup is taken and defaults to No; what a crash left in the backups
    // folder is tidied at the start.
    void smallThings() {
        SimWindow sim;
        const QDir backups(sim.data.filePath(QStringLiteral("backups")));
        QVERIFY(QDir().mkpath(backups.path()));
        for (int i = 0; i < DatabaseBackup::kKept + 2; ++i)
            QFile(backups.filePath(QStringLiteral("backup-20260101-0000%1-000Z-2301.db")
                                       .arg(i, 2, 10, QLatin1Char('0'))))
                .open(QIODevice::WriteOnly);
        QFile partial(backups.filePath("backup-20260102-000000-000Z-2301.db.part"));
        QVERIFY(partial.open(QIODevice::WriteOnly));
        QVERIFY(partial.setFileTime(QDateTime::currentDateTime().addSecs(-120),
                                    QFileDevice::FileModificationTime));
        partial.close();
        sim.backend.meter().loadLibraries(SimMeter::sampleLibraries());
        sim.start();
        QTRY_VERIFY(sim.window->link());
        QCOMPARE(backups.entryList(QDir::Files).size(), DatabaseBackup::kKept);
        FirstPage* page = sim.page();
        Ui::FirstPage* ui = page->ui();

        QTemporaryDir elsewhere;
        const QString saved = elsewhere.filePath(QStringLiteral("libraries.xls"));
        sim.prompt.clear();
        sim.prompt.fileNames.enqueue(saved);
        ui->pushButton_saveToExcel->click();
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(QFileInfo(sim.prompt.events[0].text).absolutePath(),
                 QDir().exists(documents) ? documents : QDir::homePath());
        QCOMPARE(sim.prompt.messages(),
                 QStringList{QStringLiteral("保存文件成功！\n\n") +
                             zh(ChangeText::SavedFile, {QDir::toNativeSeparators(saved)})});
        sim.prompt.clear();
        ui->pushButton_importFromExcel->click();
        QCOMPARE(sim.prompt.events[0].text, elsewhere.path());

        sim.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(sim.window));
        // Locked by keyboard (Space is Measure's key, Return the button's),
        // a name typed and Return measure it into the library.
        QWindow* keyboard = sim.window->windowHandle();
        ui->pushButton_lock->setFocus(Qt::TabFocusReason);
        QTest::keyClick(keyboard, Qt::Key_Return);
        QVERIFY(page->libraryLocked());
        QVERIFY(ui->lineEdit_colorDataName->hasFocus());
        int rows = page->colorDataTable()->rowCount();
        for (Qt::Key key : {Qt::Key_K, Qt::Key_2, Qt::Key_Return})
            QTest::keyClick(keyboard, key);
        QCOMPARE(page->colorDataTable()->rowCount(), rows + 1);
        sim.prompt.clear();
        ui->pushButton_measure->setFocus(Qt::TabFocusReason);
        ui->pushButton_measure->click();
        QCOMPARE(sim.prompt.messages(), QStringList{QStringLiteral("色卡编号不能为空！")});
        QVERIFY(ui->lineEdit_colorDataName->hasFocus());
        rows = page->colorDataTable()->rowCount();
        QTest::keyClicks(ui->lineEdit_colorDataName, QStringLiteral("K1"));
        ui->pushButton_measure->setFocus(Qt::TabFocusReason);
        ui->pushButton_measure->click();
        QCOMPARE(page->colorDataTable()->rowCount(), rows + 1);
        QVERIFY(ui->lineEdit_colorDataName->hasFocus());
        QCOMPARE(ui->lineEdit_colorDataName->text(), QString());

        sim.prompt.clear();
        ui->pushButton_deleteAllData->click();
        QCOMPARE(sim.prompt.questions().size(), 1);
        QVERIFY(sim.prompt.questions()[0].endsWith(zh(ChangeText::BackupFirstNote)));
        QVERIFY(sim.prompt.lastQuestion()->noByDefault);
        QVERIFY(page->libraryRowCount() > 0);
    }
};

QTEST_MAIN(MeterSwapTest)
#include "tst_meterswap.moc"
