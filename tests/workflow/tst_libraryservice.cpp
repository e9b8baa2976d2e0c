// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include "tests/support/LibraryFixture.h"

using namespace colorcard;

Q_DECLARE_METATYPE(QList<colorcard::IncomingLibrary>)

namespace {

QStringList values(int seed) {
    QStringList texts;
    for (int i = 0; i < 19; ++i)
        texts << QString::number(seed * 100 + i) + ".00";
    return texts;
}

bool dropTable(LibraryFixture& f, const QString& table) {
    QSqlQuery query(QSqlDatabase::database(f.store().connectionName()));
    return query.exec("DROP TABLE \"" + table + "\"");
}

// A row without its row id: what another connection could also tell apart.
QString joined(const Library& row) {
    return QStringList{row.id, row.meterNumber, row.name, row.description, row.count}.join('|');
}

QString joined(const Colour& row) {
    return (QStringList{row.id, row.name} + row.values()).join('|');
}

bool tableExists(LibraryFixture& f, const QString& table) {
    QSqlQuery query(QSqlDatabase::database(f.store().connectionName()));
    query.prepare("SELECT 1 FROM sqlite_master WHERE name = ?");
    query.addBindValue(table);
    return query.exec() && query.next();
}

// Library "Reds" (colours r1, r2) and "Blues" (b1), the first current.
struct TwoLibraries : LibraryFixture {
    TwoLibraries() {
        addLibrary("Reds", "d", {QStringList{"r1"} + values(1), QStringList{"r2"} + values(2)});
        addLibrary("Blues", "d", {QStringList{"b1"} + values(3)});
        service().selectLibrary(0);
        prompt.clear();
    }
    // Everything the store and the list hold, and what a view shows.
    QStringList state() {
        QStringList lines = probe->rows + probe->modelRows;
        for (const LibraryEntry& e : service().libraries())
            lines << e.id + '=' + colourKeys(e.name, e.description).join(',');
        for (const Library& r : store().selectLibraries())
            lines << joined(r);
        // The colour tables of the listed libraries, whatever the library table says.
        for (const LibraryEntry& e : service().libraries())
            for (const Colour& c : store().selectColours(e.id))
                lines << joined(c);
        return lines;
    }
};

// A second connection to the store's file, as another process would have
// (colorcard-cli beside the window): its commits are another writer's.
struct OtherWriter {
    ColorCardStore store;
    explicit OtherWriter(LibraryFixture& f) : store(f.dir.path()) {
        store.setDatabasePath(f.store().databasePath());
        store.setClock(fixedTime);
        store.openDatabase();
    }
    QString addLibrary(const QString& name, int number, const QStringList& colourNames) {
        const QString id = store.makeLibraryId(number);
        store.beginTransaction();
        store.createColorDataTable(id);
        store.insertLibrary(id, "2301", name, "d", QString::number(colourNames.size()));
        for (int i = 0; i < colourNames.size(); ++i)
            store.insertColorData(id, "ColorData" + QString::number(i + 1) + kStamp, colourNames[i],
                                  values(7));
        store.commitTransaction();
        return id;
    }
};

int rowsOf(LibraryFixture& f, const QString& table) {
    QSqlQuery query(QSqlDatabase::database(f.store().connectionName()));
    return query.exec("SELECT count(*) FROM \"" + table + "\"") && query.next()
               ? query.value(0).toInt()
               : -1;
}

}  // namespace

class LibraryServiceTest : public QObject {
    Q_OBJECT
private slots:
    // Every change reaches the list only after the store took it: a failing
    // step leaves store and list as they were and shows that step's message.
    void failedStepChangesNothing_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("broken");
        QTest::addColumn<QString>("message");
        // The decisions are read inside the transaction: a missing table
        // fails on that read.
        QTest::newRow("create") << "create"
                                << "ColorCard"
                                << "Query color card library fail！";
        QTest::newRow("rename library") << "rename"
                                        << "ColorCard"
                                        << "Modify color card library name fail!";
        QTest::newRow("delete library") << "delete"
                                        << "colours"
                                        << "Delete color card data table fail！";
        QTest::newRow("add colour") << "add"
                                    << "colours"
                                    << "Query color card data fail！";
        QTest::newRow("add colour, count") << "add"
                                           << "ColorCard"
                                           << "Query color card library fail！";
        QTest::newRow("replace values") << "replace"
                                        << "colours"
                                        << "Update color card data fail!";
        QTest::newRow("rename colour") << "renameColour"
                                       << "colours"
                                       << "Modify color card name fail!";
        QTest::newRow("delete colour") << "deleteColour"
                                       << "colours"
                                       << "Delete color card fail！";
        QTest::newRow("merge") << "merge"
                               << "colours"
                               << "Query color card data fail！";
    }
    void failedStepChangesNothing() {
        QFETCH(QString, action);
        QFETCH(QString, broken);
        QFETCH(QString, message);
        TwoLibraries f;
        LibraryService& s = f.service();
        LibraryEdits& e = f.edits();
        LibraryMerge& m = f.merge();
        const QString reds = s.library(0).id;
        QVERIFY(dropTable(f, broken == "colours" ? reds : broken));
        const QStringList before = f.state();
        f.answer({true});
        bool done = false;
        if (action == "create")
            done = e.createLibrary("Greens", "d");
        else if (action == "rename")
            done = e.renameLibrary(0, "Pinks", "d");
        else if (action == "delete")
            done = e.deleteLibrary(0);
        else if (action == "add")
            done = e.addColour("r3", values(4));
        else if (action == "replace")
            done = e.replaceColourValues(1, values(5));
        else if (action == "renameColour")
            done = e.renameColour(1, "r9");
        else if (action == "deleteColour")
            done = e.deleteColour(0);
        else
            done = m.mergeLibrary({"Reds", "d", {{"r3", values(6)}}}, 1) ==
                   LibraryMerge::MergeOutcome::Merged;
        QVERIFY(!done);
        QCOMPARE(f.prompt.messages(), QStringList{message});
        QCOMPARE(f.state(), before);
        QVERIFY(!tableExists(f, "ColorCard3" + kStamp));
    }

    void successfulStepsKeepTheViewInStep() {
        TwoLibraries f;
        LibraryEdits& e = f.edits();
        QVERIFY(e.createLibrary("Greens", "d"));
        QVERIFY(e.renameLibrary(2, "Limes", "e"));
        QVERIFY(e.addColour("r3", values(4)));
        QVERIFY(e.replaceColourValues(0, values(5)));
        QVERIFY(e.renameColour(1, "r9"));
        QVERIFY(e.deleteColour(0));
        QVERIFY(e.deleteLibrary(1));
        QCOMPARE(f.prompt.messages(), QStringList());
        QCOMPARE(f.probe->rows, f.probe->expected());
        QCOMPARE(f.probe->modelRows, f.probe->expected());
        QCOMPARE(f.probe->rows, (QStringList{"Reds|d|2", "Limes|e|0"}));
        QCOMPARE(f.colourKeys("Reds", "d"),
                 (QStringList{"r9:200.00:201.00:202.00", "r3:400.00:401.00:402.00"}));
        // The list is what the store holds, as a restart shows it.
        const QStringList shown = f.state();
        f.relist();
        QCOMPARE(f.state(), shown);
    }

    // The list model: one row per listed library, its four texts in the
    // display and edit roles, nothing outside them.
    void listModelShowsTheListedLibraries() {
        TwoLibraries f;
        const LibraryListModel& model = f.service().list();
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.columnCount(), 4);
        QCOMPARE(model.rowCount(model.index(0, 0)), 0);
        for (int row = 0; row < 2; ++row) {
            const LibraryEntry& e = f.service().listedLibrary(row);
            const QStringList cells{e.id, e.name, e.description, e.count};
            for (int column = 0; column < 4; ++column) {
                QCOMPARE(model.data(model.index(row, column)).toString(), cells[column]);
                QCOMPARE(model.data(model.index(row, column), Qt::EditRole).toString(),
                         cells[column]);
                QVERIFY(!model.data(model.index(row, column), Qt::DecorationRole).isValid());
            }
        }
        QCOMPARE(model.data(model.index(1, 1)).toString(), QString("Blues"));
        QCOMPARE(model.data(model.index(0, 3)).toString(), QString("2"));
        QVERIFY(!model.data(model.index(2, 0)).isValid());
        QCOMPARE(model.rowOfId(f.service().listedLibrary(1).id), 1);
        QCOMPARE(model.rowOfId("nothing"), -1);
    }

    // A view told of a removal at once may choose another library before the
    // service returns: the choice stands.
    void currentChosenDuringRemovalStands() {
        TwoLibraries f;
        LibraryService& s = f.service();
        LibraryEdits& e = f.edits();
        QObject::connect(&s.list(), &QAbstractItemModel::rowsRemoved, &s,
                         [&s] { s.selectLibrary(0); });
        QVERIFY(e.deleteLibrary(0));
        QCOMPARE(s.currentRow(), 0);
        QCOMPARE(s.listedLibrary(s.currentRow()).name, QString("Blues"));
    }

    // Listing reads the libraries only; the colours of one are read when
    // first needed (the current library's on selection), and only once.
    void coloursAreReadWhenFirstNeeded() {
        TwoLibraries f;
        LibraryService& s = f.service();
        f.relist();
        QVERIFY(dropTable(f, s.listedLibrary(1).id));
        s.selectLibrary(0);
        QCOMPARE(f.colourKeys("Reds", "d").size(), 2);
        QCOMPARE(f.prompt.messages(), QStringList());
        QVERIFY(s.library(1).colours.isEmpty());
        QVERIFY(s.libraries().at(1).colours.isEmpty());
        QCOMPARE(f.prompt.messages(), QStringList{"Query color card data fail！"});
    }

    void keysAndLimits() {
        LibraryFixture f;
        LibraryService& s = f.service();
        LibraryEdits& e = f.edits();
        LibraryMerge& m = f.merge();
        f.addLibrary("a:b", "c");
        QCOMPARE(s.rowOf({"a:b", "c"}), 0);
        QCOMPARE(s.rowOf({"a", "b:c"}), -1);
        QVERIFY(e.acceptLibraryEntry("a", "b:c"));
        QVERIFY(!e.acceptLibraryEntry("a:b", "c"));
        // Name and description: 18 characters together at most.
        QVERIFY(e.acceptLibraryEntry("abcdefghi", "123456789"));
        QVERIFY(!e.acceptLibraryEntry("abcdefghij", "123456789"));
        QCOMPARE(f.prompt.messages(),
                 (QStringList{"The same name and description already exist, please modify the "
                              "name or description!",
                              "Color card library name and color card library description "
                              "length at most 18 characters!"}));

        // The colour limit counts every stored colour; 19999 leaves room for one.
        f.prompt.clear();
        f.addLibrary("big", "d", {}, "19999");
        s.selectLibrary(0);
        QVERIFY(e.acceptNewColour("x"));
        f.store().updateLibraryCount("20000", s.library(1).id);
        QVERIFY(!e.acceptNewColour("x"));
        QCOMPARE(f.prompt.messages(), QStringList{"At most 20000 color datas!"});

        s.setMaxLibraries(2);
        QVERIFY(!e.canAddLibrary());
        s.setMaxLibraries(3);
        QVERIFY(e.canAddLibrary());
        QVERIFY(m.fitsLibraryLimit({{"a", "b:c"}, {"a:b", "c"}, {"a", "b:c"}}));
        QVERIFY(!m.fitsLibraryLimit({{"n1", ""}, {"n2", ""}}));
    }

    // Whether a library exists, whether it differs and its identifier are
    // decided inside the write transaction, from the store as it is then:
    // a library another process added since the list was read is merged
    // into, never created twice.
    void mergeDecidesFromTheStoreNotTheList() {
        TwoLibraries f;
        LibraryMerge& m = f.merge();
        OtherWriter other(f);
        other.addLibrary("Greens", 3, {"g1"});
        QVERIFY(!f.listed("Greens", "d"));
        f.prompt.seriesAnswers.enqueue(Prompt::SeriesAnswer::Yes);
        QList<IncomingColour> colours{{"g1", values(7)}, {"g2", values(8)}};
        QCOMPARE(m.mergeAll({IncomingLibrary{"Greens", "d", colours}}, {}), 1);
        QCOMPARE(f.prompt.seriesQuestions().size(), 1);
        int greens = 0;
        QString id;
        for (const Library& r : f.store().selectLibraries())
            if (r.name == "Greens") {
                ++greens;
                id = r.id;
                QCOMPARE(r.count, QString("2"));
            }
        QCOMPARE(greens, 1);
        QCOMPARE(rowsOf(f, id), 2);
        // The list shows what the other process added, once.
        QCOMPARE(f.keys(), (QStringList{"Reds:d", "Blues:d", "Greens:d"}));
        QCOMPARE(f.probe->rows, f.probe->expected());
        QCOMPARE(f.probe->modelRows, f.probe->expected());
    }

    // Counts come from the rows: colours another process added behind the
    // list's back are counted too.
    void countsFollowTheRows() {
        TwoLibraries f;
        LibraryService& s = f.service();
        LibraryEdits& e = f.edits();
        const QString reds = s.library(0).id;
        OtherWriter other(f);
        QVERIFY(other.store.insertColorData(reds, "ColorData9" + kStamp, "other", values(9)));
        QVERIFY(e.addColour("r3", values(4)));
        QCOMPARE(rowsOf(f, reds), 4);
        QCOMPARE(f.store().selectLibrary(reds).count, QString("4"));
        QCOMPARE(s.library(0).count, QString("4"));
        QVERIFY(e.deleteColour(0));
        QCOMPARE(f.store().selectLibrary(reds).count, QString("3"));
        // A name another process stored meanwhile is refused.
        QVERIFY(other.store.insertColorData(reds, "ColorData8" + kStamp, "late", values(9)));
        QVERIFY(!e.addColour("late", values(4)));
        QCOMPARE(
            f.prompt.messages().last(),
            QString("The same color card name already exist, please modify the color card name!"));
    }

    // What mergeAll counts: each library added, replaced or kept, each
    // incoming colour name added, replaced or kept; a pass begun again after
    // the backup counts once, and a stopped merge counts nothing.
    void mergeCountsEachDecision_data() {
        QTest::addColumn<QList<IncomingLibrary>>("incoming");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("maxLibraries");
        QTest::addColumn<int>("merged");
        // libraries added/replaced/kept, colours added/replaced/kept
        QTest::addColumn<QString>("counts");
        const IncomingLibrary greens{"Greens", "d", {{"g1", values(7)}, {"g2", values(8)}}};
        const IncomingLibrary sameReds{"Reds", "d", {{"r1", values(1)}, {"r2", values(2)}}};
        const IncomingLibrary newReds{
            "Reds", "d", {{"r1", values(1)}, {"r2", values(9)}, {"r3", values(4)}}};
        const IncomingLibrary sameBlues{"Blues", "d", {{"b1", values(3)}}};
        QTest::newRow("new library")
            << QList<IncomingLibrary>{greens} << QStringList() << 9 << 1 << "1/0/0 2/0/0";
        QTest::newRow("nothing new, no question")
            << QList<IncomingLibrary>{sameReds} << QStringList() << 9 << 0 << "0/0/1 0/0/2";
        QTest::newRow("overwrite agreed")
            << QList<IncomingLibrary>{newReds} << QStringList{"yes"} << 9 << 1 << "0/1/0 1/1/1";
        QTest::newRow("overwrite declined")
            << QList<IncomingLibrary>{newReds} << QStringList{"no"} << 9 << 0 << "0/0/1 0/0/3";
        QTest::newRow("together") << QList<IncomingLibrary>{greens, newReds, sameBlues}
                                  << QStringList{"yes"} << 9 << 2 << "1/1/1 3/1/2";
        QTest::newRow("stopped by the library limit") << QList<IncomingLibrary>{sameReds, greens}
                                                      << QStringList() << 2 << -1 << "0/0/0 0/0/0";
    }
    void mergeCountsEachDecision() {
        QFETCH(QList<IncomingLibrary>, incoming);
        QFETCH(QStringList, answers);
        QFETCH(int, maxLibraries);
        QFETCH(int, merged);
        QFETCH(QString, counts);
        TwoLibraries f;
        f.service().setMaxLibraries(maxLibraries);
        for (const QString& answer : answers)
            f.prompt.seriesAnswers.enqueue(answer == "yes" ? Prompt::SeriesAnswer::Yes
                                                           : Prompt::SeriesAnswer::No);
        QCOMPARE(f.merge().mergeAll(incoming, {}), merged);
        QCOMPARE(f.prompt.seriesQuestions().size(), answers.size());
        const LibraryMerge::MergeCounts& c = f.merge().mergeCounts();
        QCOMPARE(QString("%1/%2/%3 %4/%5/%6")
                     .arg(c.librariesAdded)
                     .arg(c.librariesReplaced)
                     .arg(c.librariesKept)
                     .arg(c.coloursAdded)
                     .arg(c.coloursReplaced)
                     .arg(c.coloursKept),
                 counts);
    }

    // Another writer holding the store past the busy time-out: one clear
    // message in the chosen language, nothing changed.
    void busyStoreSaysTryAgain_data() {
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("message");
        QTest::newRow("en") << false
                            << "The database is busy: another program (the window or "
                               "colorcard-cli) is changing it. Nothing was changed; try again "
                               "in a moment.";
        QTest::newRow("zh") << true
                            << "数据库正忙：另一个程序（窗口或 colorcard-cli）正在修改它。未做任何"
                               "更改，请稍后再试。";
    }
    void busyStoreSaysTryAgain() {
        QFETCH(bool, chinese);
        QFETCH(QString, message);
        TwoLibraries f;
        f.messenger.setLanguage(chinese ? Language::chinese() : Language::english());
        f.store().setBusyTimeout(100);
        QVERIFY(f.service().open());
        f.relist();
        const QStringList before = f.state();
        OtherWriter other(f);
        QVERIFY(other.store.beginTransaction());
        QVERIFY(!f.edits().createLibrary("Greens", "d"));
        QVERIFY(f.merge().mergeAll({IncomingLibrary{"Greens", "d", {{"g", values(1)}}}}, {}) < 0);
        QCOMPARE(f.prompt.messages(), (QStringList{message, message}));
        other.store.rollbackTransaction();
        QCOMPARE(f.state(), before);
    }

    // A file's libraries go in together or not at all: a full disk at the
    // second library leaves the first one unwritten too, and says why.
    void importIsAllOrNothing() {
        TwoLibraries f;
        LibraryMerge& m = f.merge();
        const QStringList before = f.state();
        QSqlQuery pages(QSqlDatabase::database(f.store().connectionName()));
        QVERIFY(pages.exec("PRAGMA page_count") && pages.next());
        const int limit = pages.value(0).toInt() + 6;
        pages.finish();
        QVERIFY(pages.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(limit)));
        QList<IncomingColour> many;
        for (int i = 0; i < 3000; ++i)
            many << IncomingColour{"c" + QString::number(i), values(i)};
        f.answer({true});
        f.prompt.seriesAnswers.enqueue(Prompt::SeriesAnswer::Yes);
        const int merged = m.mergeAll(
            {IncomingLibrary{"Greens", "d", {{"g1", values(1)}}},
             IncomingLibrary{"Reds", "d", {{"r1", values(9)}}}, IncomingLibrary{"Big", "d", many}},
            {});
        QCOMPARE(merged, -1);
        QCOMPARE(f.prompt.messages().size(), 1);
        QVERIFY2(f.prompt.messages().first().contains("The disk holding the database is full"),
                 qPrintable(f.prompt.messages().first()));
        QVERIFY(f.prompt.messages().first().startsWith("Insert color card data fail!"));
        QCOMPARE(f.state(), before);
        QVERIFY(!tableExists(f, "ColorCard3" + kStamp));
    }

    // The window notices what another process committed and lists the store
    // again, keeping the current library and its lock; a locked library
    // that is gone is unlocked.
    void reloadsWhatAnotherProcessChanged() {
        TwoLibraries f;
        LibraryService& s = f.service();
        s.selectLibrary(1);
        s.setLocked(true);
        int released = 0;
        QObject::connect(&s, &LibraryService::lockReleased, [&released] { ++released; });
        QVERIFY(!s.refreshIfChangedElsewhere());
        OtherWriter other(f);
        other.addLibrary("Greens", 3, {"g1", "g2"});
        QVERIFY(s.refreshIfChangedElsewhere());
        QCOMPARE(f.keys(), (QStringList{"Reds:d", "Blues:d", "Greens:d"}));
        QCOMPARE(f.probe->rows, f.probe->expected());
        QCOMPARE(f.probe->modelRows, f.probe->expected());
        QCOMPARE(f.colourKeys("Greens", "d").size(), 2);
        QCOMPARE(s.currentRow(), 1);
        QCOMPARE(f.probe->reselected, 1);
        QVERIFY(s.locked());
        QCOMPARE(released, 0);
        QVERIFY(!s.refreshIfChangedElsewhere());
        // The locked library removed elsewhere: unlocked, nothing current.
        const QString blues = s.library(1).id;
        QVERIFY(other.store.beginTransaction());
        QVERIFY(other.store.dropColorDataTable(blues));
        QVERIFY(other.store.deleteLibrary(blues));
        QVERIFY(other.store.commitTransaction());
        QVERIFY(s.refreshIfChangedElsewhere());
        QCOMPARE(f.keys(), (QStringList{"Reds:d", "Greens:d"}));
        QVERIFY(!s.locked());
        QCOMPARE(released, 1);
        QCOMPARE(f.prompt.messages(), QStringList());
    }

    // A damaged store at start-up: one question naming the file, offering
    // the newest backup; the damaged file is kept.
    void damagedStoreAtStartIsOneQuestion() {
        TwoLibraries f;
        QCOMPARE(f.localStore().backups().take("2301"), BackupStatus::Ok);
        const QString path = f.store().databasePath();
        f.store().closeDatabase();
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(16384, 'x'));
        file.close();
        f.prompt.clear();
        f.answer({true});
        f.reopen(f.dir.path(), "2301");
        QCOMPARE(f.prompt.questions().size(), 1);
        QVERIFY(f.prompt.questions().first().contains(QDir::toNativeSeparators(path)));
        QVERIFY(f.prompt.questions().first().contains("damaged"));
        QCOMPARE(f.prompt.messages().size(), 1);
        QVERIFY(f.prompt.messages().first().startsWith("The newest backup was restored"));
        QVERIFY(f.service().databaseOpen());
        QCOMPARE(f.store().selectLibraries().size(), 2);
        QStringList kept = QDir(f.dir.path()).entryList({"database.db.damaged-*"});
        QCOMPARE(kept.size(), 1);

        // Declined, or no backup at all: that one message, nothing after it.
        f.store().closeDatabase();
        QVERIFY(QFile::remove(path));
        QVERIFY(QFile::copy(QDir(f.dir.path()).filePath(kept.first()), path));
        QDir(f.localStore().backups().directory()).removeRecursively();
        f.prompt.clear();
        f.reopen(f.dir.path(), "2301");
        QCOMPARE(f.prompt.events.size(), 1);
        QVERIFY(f.prompt.messages().first().contains(QDir::toNativeSeparators(path)));
        QVERIFY(f.prompt.messages().first().contains("no backup"));
        QVERIFY(!f.service().databaseOpen());
        QVERIFY(f.service().storedLibraries().isEmpty());
        QCOMPARE(f.prompt.events.size(), 1);
    }

    // Names typed in the window: no control characters or direction marks.
    void controlCharactersRefused() {
        LibraryFixture f;
        LibraryService& s = f.service();
        LibraryEdits& e = f.edits();
        f.addLibrary("lib", "d", {{"c1", "1", "2", "3"}});
        s.selectLibrary(0);
        QVERIFY(!e.acceptLibraryEntry("a\x1b[2J", "d"));
        QVERIFY(!e.acceptLibraryEntry("a", QString::fromUtf8("\xe2\x80\xae"
                                                             "d")));
        QVERIFY(!e.acceptNewColour(QStringLiteral("x\ty")));
        QVERIFY(!e.renameColour(0, QStringLiteral("x").append(QChar(0))));
        QCOMPARE(f.prompt.messages(),
                 QVector<QString>(4,
                                  "A name or description cannot hold control characters "
                                  "or text direction marks!")
                     .toList());
        QCOMPARE(s.library(0).colours[0].name, QString("c1"));
    }
};

QTEST_GUILESS_MAIN(LibraryServiceTest)
#include "tst_libraryservice.moc"
