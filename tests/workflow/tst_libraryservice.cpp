#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include "LibraryFixture.h"

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

QString joined(const QVariantList& row) {
    QStringList texts;
    for (const QVariant& v : row.mid(1))
        texts << v.toString();
    return texts.join('|');
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
        QStringList lines = probe->rows;
        for (const LibraryEntry& e : service().libraries())
            lines << e.id + '=' + colourKeys(e.name, e.description).join(',');
        for (const LibraryRecord& r : store().selectLibraries())
            lines << joined(r);
        // The colour tables of the listed libraries, whatever the library table says.
        for (const LibraryEntry& e : service().libraries())
            for (const ColorDataRecord& c : store().selectColorData(e.id))
                lines << joined(c);
        return lines;
    }
};

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
        QTest::newRow("create") << "create"
                                << "ColorCard"
                                << "Insert color card library fail!";
        QTest::newRow("rename library") << "rename"
                                        << "ColorCard"
                                        << "Modify color card library name fail!";
        QTest::newRow("delete library") << "delete"
                                        << "colours"
                                        << "Delete color card data table fail！";
        QTest::newRow("add colour") << "add"
                                    << "colours"
                                    << "Insert color card data fail!";
        QTest::newRow("add colour, count") << "add"
                                           << "ColorCard"
                                           << "Update color card library count fail!";
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
                               << "Insert color card data fail!";
    }
    void failedStepChangesNothing() {
        QFETCH(QString, action);
        QFETCH(QString, broken);
        QFETCH(QString, message);
        TwoLibraries f;
        LibraryService& s = f.service();
        const QString reds = s.library(0).id;
        QVERIFY(dropTable(f, broken == "colours" ? reds : broken));
        const QStringList before = f.state();
        f.answer({true});
        bool done = false;
        if (action == "create")
            done = s.createLibrary("Greens", "d");
        else if (action == "rename")
            done = s.renameLibrary(0, "Pinks", "d");
        else if (action == "delete")
            done = s.deleteLibrary(0);
        else if (action == "add")
            done = s.addColour("r3", values(4));
        else if (action == "replace")
            done = s.replaceColourValues(1, values(5));
        else if (action == "renameColour")
            done = s.renameColour(1, "r9");
        else if (action == "deleteColour")
            done = s.deleteColour(0);
        else
            done = s.mergeLibrary({"Reds", "d", {{"r3", values(6)}}}, 1) ==
                   LibraryService::MergeOutcome::Merged;
        QVERIFY(!done);
        QCOMPARE(f.prompt.messages(), QStringList{message});
        QCOMPARE(f.state(), before);
        QVERIFY(!tableExists(f, "ColorCard3" + kStamp));
    }

    void successfulStepsKeepTheViewInStep() {
        TwoLibraries f;
        LibraryService& s = f.service();
        QVERIFY(s.createLibrary("Greens", "d"));
        QVERIFY(s.renameLibrary(2, "Limes", "e"));
        QVERIFY(s.addColour("r3", values(4)));
        QVERIFY(s.replaceColourValues(0, values(5)));
        QVERIFY(s.renameColour(1, "r9"));
        QVERIFY(s.deleteColour(0));
        QVERIFY(s.deleteLibrary(1));
        QCOMPARE(f.prompt.messages(), QStringList());
        QCOMPARE(f.probe->rows, f.probe->expected());
        QCOMPARE(f.probe->rows, (QStringList{"Reds|d|2", "Limes|e|0"}));
        QCOMPARE(f.colourKeys("Reds", "d"),
                 (QStringList{"r9:200.00:201.00:202.00", "r3:400.00:401.00:402.00"}));
        // The list is what the store holds, as a restart shows it.
        const QStringList shown = f.state();
        f.relist();
        QCOMPARE(f.state(), shown);
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
        f.addLibrary("a:b", "c");
        QCOMPARE(s.rowOf({"a:b", "c"}), 0);
        QCOMPARE(s.rowOf({"a", "b:c"}), -1);
        QVERIFY(s.acceptLibraryEntry(nullptr, "a", "b:c"));
        QVERIFY(!s.acceptLibraryEntry(nullptr, "a:b", "c"));
        // Name and description: 18 characters together at most.
        QVERIFY(s.acceptLibraryEntry(nullptr, "abcdefghi", "123456789"));
        QVERIFY(!s.acceptLibraryEntry(nullptr, "abcdefghij", "123456789"));
        QCOMPARE(f.prompt.messages(),
                 (QStringList{"The same name and description already exist, please modify the "
                              "name or description!",
                              "Color card library name and color card library description "
                              "length at most 18 characters!"}));

        // The colour limit counts every stored colour; 19999 leaves room for one.
        f.prompt.clear();
        f.addLibrary("big", "d", {}, "19999");
        s.selectLibrary(0);
        QVERIFY(s.acceptNewColour("x"));
        f.store().updateLibraryCount("20000", s.library(1).id);
        QVERIFY(!s.acceptNewColour("x"));
        QCOMPARE(f.prompt.messages(), QStringList{"At most 20000 color datas!"});

        s.setMaxLibraries(2);
        QVERIFY(!s.canAddLibrary());
        s.setMaxLibraries(3);
        QVERIFY(s.canAddLibrary());
        QVERIFY(s.fitsLibraryLimit({{"a", "b:c"}, {"a:b", "c"}, {"a", "b:c"}}));
        QVERIFY(!s.fitsLibraryLimit({{"n1", ""}, {"n2", ""}}));
    }
};

QTEST_GUILESS_MAIN(LibraryServiceTest)
#include "tst_libraryservice.moc"
