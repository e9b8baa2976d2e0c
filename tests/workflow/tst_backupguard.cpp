// SPDX-License-Identifier: MIT
// Every change that removes or replaces stored data is preceded by one copy
// of the database; without a copy it does not happen. Copies are restored
// from a list through the prompt.

#include <QFile>

#include "tests/workflow/ExchangeFixture.h"
#include "tests/workflow/TransferFixture.h"
#include "workflow/BackupRestore.h"
#include "workflow/MeterController.h"

using namespace colorcard;

namespace {

const QString kBackupFailed = QStringLiteral("Backup of the database fail! Nothing was changed.");
const QString kRestored = QStringLiteral("Restore backup success!");
const QString kTime = QStringLiteral("2026-12-06 18:42:31");

enum class Action {
    DeleteAll,
    DeleteAllDeclined,
    DeleteLibrary,
    InstrumentChange,
    ImportOverwriting,
    ImportAddingOnly,
    ExportOverwriting,
    ExportAddingOnly,
};

// Two libraries of meter 2301 ("Reds" with 3 colours, "Blues" with 2), the
// simulated meter, and the copies stamped with the fixed time.
struct GuardFixture : TransferFixture {
    QTemporaryDir books;

    GuardFixture() {
        service().setMeterNumber(QStringLiteral("2301"));
        localStore().backups().setClock(fixedTime);
        for (const auto& library : {qMakePair(QStringLiteral("Reds"), colours(3, 1)),
                                    qMakePair(QStringLiteral("Blues"), colours(2, 9))}) {
            QList<QStringList> rows;
            for (const SheetColour& colour : library.second)
                rows << (QStringList{colour.name} + colour.values);
            LibraryFixture::addLibrary(library.first, QStringLiteral("d"), rows);
        }
    }

    // The copies, newest first: "meter|libraries|colours".
    QStringList backups() {
        QStringList list;
        for (const BackupEntry& e : localStore().backups().list())
            list << QStringLiteral("%1|%2|%3").arg(e.meterNumber).arg(e.libraries).arg(e.colours);
        return list;
    }
    // Store and list together, to tell that nothing changed.
    QStringList state() {
        QStringList lines = keys() + probe->rows;
        for (const StoredLibrary& library : stored())
            for (const ColourTexts& colour : library.colours)
                lines << library.name + '/' + colour.join(':');
        return lines;
    }

    // A workbook of meter 2301 with these libraries (description "d").
    QString workbook(const QList<QPair<QString, QList<SheetColour>>>& libraries) {
        ExchangeFixture source(QStringLiteral("2301"));
        for (const auto& library : libraries)
            source.addLibrary(library.first, QStringLiteral("d"), library.second);
        const QString file = books.filePath(QStringLiteral("book.xls"));
        QFile::remove(file);
        return source.save(file) ? file : QString();
    }
    bool importWorkbook(const QString& file) {
        prompt.fileNames.enqueue(file);
        return SpreadsheetImport(merge()).importFromSpreadsheet();
    }

    void run(Action action) {
        switch (action) {
            case Action::DeleteAll:
            case Action::DeleteAllDeclined:
                answer({action == Action::DeleteAll});
                service().deleteAllData();
                break;
            case Action::DeleteLibrary:
                edits().deleteLibrary(0);
                break;
            case Action::InstrumentChange: {
                MeterController controller(edits(), merge(), &frames, QString(),
                                           QStringLiteral(COLORCARD_BIN_DIR));
                answer({false});  // no save
                controller.handleInstrumentChange();
                break;
            }
            case Action::ImportOverwriting:
                prompt.seriesAnswers << Prompt::SeriesAnswer::Yes << Prompt::SeriesAnswer::Yes;
                importWorkbook(workbook({{"Reds", colours(3, 20)}, {"Blues", colours(1, 30)}}));
                break;
            case Action::ImportAddingOnly:
                importWorkbook(workbook({{"Greens", colours(2, 40)}}));
                break;
            case Action::ExportOverwriting:
                prompt.seriesAnswers << Prompt::SeriesAnswer::Yes << Prompt::SeriesAnswer::Yes;
                meter().loadLibraries(
                    {{"Reds", "d", simColours("C-", 2)}, {"Blues", "d", simColours("C-", 1, 3)}});
                exportMeter();
                break;
            case Action::ExportAddingOnly:
                meter().loadLibraries({{"Greens", "d", simColours("g", 2)}});
                exportMeter();
                break;
        }
    }
};

}  // namespace

Q_DECLARE_METATYPE(Action)

class BackupGuardTest : public QObject {
    Q_OBJECT

    static void actions(bool withUnguarded) {
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("changes");  // removes or replaces stored data
        QTest::newRow("delete all") << Action::DeleteAll << true;
        QTest::newRow("delete a library") << Action::DeleteLibrary << true;
        QTest::newRow("instrument change") << Action::InstrumentChange << true;
        QTest::newRow("import overwriting") << Action::ImportOverwriting << true;
        QTest::newRow("export overwriting") << Action::ExportOverwriting << true;
        if (!withUnguarded)
            return;
        QTest::newRow("delete all declined") << Action::DeleteAllDeclined << false;
        QTest::newRow("import adding only") << Action::ImportAddingOnly << false;
        QTest::newRow("export adding only") << Action::ExportAddingOnly << false;
    }

private slots:
    void initTestCase() { quietEngineTraces(); }

    // One copy per action, holding what was there before it, named by the meter.
    void destructiveActionsBackUpOnceFirst_data() { actions(true); }
    void destructiveActionsBackUpOnceFirst() {
        QFETCH(Action, action);
        QFETCH(bool, changes);
        GuardFixture f;
        QVERIFY(f.backups().isEmpty());
        f.run(action);
        QCOMPARE(f.prompt.unscripted, 0);
        QVERIFY(!f.prompt.messages().contains(kBackupFailed));
        QCOMPARE(f.backups(), changes ? QStringList{"2301|2|5"} : QStringList());
        const QList<BackupEntry> entries = f.localStore().backups().list();
        if (changes)
            QCOMPARE(entries[0].taken, fixedTime());
    }

    // Without a copy the change does not happen: the backups folder cannot
    // be made where a file of that name lies.
    void failedBackupChangesNothing_data() { actions(false); }
    void failedBackupChangesNothing() {
        QFETCH(Action, action);
        GuardFixture f;
        QFile blocker(f.dir.filePath("backups"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QStringList before = f.state();
        f.run(action);
        QCOMPARE(f.prompt.messages(), QStringList{kBackupFailed});
        QCOMPARE(f.state(), before);
        QCOMPARE(f.probe->rows, f.probe->expected());
        QCOMPARE(f.probe->modelRows, f.probe->expected());
    }

    void restoreListsAsksAndShowsTheRestoredLibraries() {
        GuardFixture f;
        const QStringList before = f.state();
        f.run(Action::DeleteAll);
        QVERIFY(f.stored().isEmpty());
        f.prompt.clear();
        f.prompt.choices << 0;
        f.answer({true});
        QVERIFY(BackupRestore(f.service(), f.localStore().backups()).run());

        const ScriptedPrompt::Event* choice = f.prompt.lastChoice();
        QVERIFY(choice);
        QCOMPARE(choice->title, QStringLiteral("Restore backup"));
        QCOMPARE(choice->columns,
                 (QStringList{"Backup time", "Meter", "Libraries", "Colors", "Taken before"}));
        QCOMPARE(choice->rows, (QList<QStringList>{{kTime, "2301", "2", "5", "Delete all"}}));
        QCOMPARE(choice->text, QStringLiteral("Restore"));
        QCOMPARE(choice->cancelText, QStringLiteral("Cancel"));
        QCOMPARE(f.prompt.questions(), QStringList{"Restore the backup of " + kTime +
                                                   "? The current data is backed up first."});
        QCOMPARE(f.prompt.messages(), QStringList{kRestored});
        QCOMPARE(f.state(), before);
        QCOMPARE(f.probe->reselections, 1);
        // The emptied store was itself copied before it was replaced.
        QCOMPARE(f.backups(), (QStringList{"2301|0|0", "2301|2|5"}));

        // The store keeps working on the restored data.
        QVERIFY(f.edits().deleteLibrary(1));
        QCOMPARE(f.stored().size(), 1);
    }

    void restoreRefusals_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("questions");
        QTest::newRow("no copies")
            << "none" << false << QStringList{"There is no backup yet!"} << 0;
        QTest::newRow("list cancelled") << "cancel" << false << QStringList() << 0;
        QTest::newRow("question declined") << "decline" << false << QStringList() << 1;
        QTest::newRow("damaged copy")
            << "damaged" << false
            << QStringList{"The backup file is damaged and cannot be restored!"} << 1;
        QTest::newRow("damaged copy, Chinese")
            << "damaged" << true << QStringList{"备份文件已损坏，无法恢复！"} << 1;
    }
    void restoreRefusals() {
        QFETCH(QString, setup);
        QFETCH(bool, chinese);
        QFETCH(QStringList, messages);
        QFETCH(int, questions);
        GuardFixture f;
        f.messenger.setLanguage(chinese ? Language::chinese() : Language::english());
        if (setup != "none")
            QVERIFY(f.service().backUpBeforeChange());
        const QList<BackupEntry> entries = f.localStore().backups().list();
        if (setup == "damaged") {
            QCOMPARE(entries.size(), 1);
            QFile copy(entries[0].path);
            QVERIFY(copy.open(QIODevice::WriteOnly | QIODevice::Truncate));
            copy.write(QByteArray(4096, 'x'));
            copy.close();
        }
        // Something to lose (deleting takes a copy too): the restore must not touch it.
        if (setup != "none")
            QVERIFY(f.edits().deleteLibrary(0));
        const QStringList before = f.state();
        const QStringList copies = f.backups();
        f.prompt.clear();
        // The damaged copy is the older one now.
        if (setup != "cancel" && setup != "none")
            f.prompt.choices << (setup == "damaged" ? 1 : 0);
        f.answer({setup != "decline"});
        QVERIFY(!BackupRestore(f.service(), f.localStore().backups()).run());
        QCOMPARE(f.prompt.messages(), messages);
        QCOMPARE(f.prompt.questions().size(), questions);
        QCOMPARE(f.state(), before);
        QCOMPARE(f.backups(), copies);
        if (setup == "damaged")
            QCOMPARE(f.prompt.lastChoice()->rows[1].value(2),
                     chinese ? QStringLiteral("（无法读取）") : QStringLiteral("(unreadable)"));
    }
};

QTEST_GUILESS_MAIN(BackupGuardTest)
#include "tst_backupguard.moc"
