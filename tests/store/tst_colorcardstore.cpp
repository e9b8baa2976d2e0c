#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "ColorCardStore.h"
#include "Messenger.h"
#include "ScriptedPrompt.h"

namespace {

const QString kStamp = QStringLiteral("261206184231");
const QString kLibrary = QStringLiteral("ColorCard1") + kStamp;

QDateTime fixedTime() {
    return QDateTime(QDate(2026, 12, 6), QTime(18, 42, 31));
}

// One store in its own temporary directory, with a scripted prompt.
struct Fixture {
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    Messenger messenger{&prompt};
    std::unique_ptr<ColorCardStore> store;

    explicit Fixture(const QString& directory = QString()) {
        store = std::make_unique<ColorCardStore>(messenger,
                                                 directory.isEmpty() ? dir.path() : directory);
        store->setClock(fixedTime);
    }
    QSqlQuery query(const QString& statement) {
        QSqlQuery q(QSqlDatabase::database(store->connectionName(), false));
        if (!q.exec(statement))
            qWarning() << "test statement failed:" << statement;
        return q;
    }
    QString schemaOf(const QString& table) {
        QSqlQuery q(QSqlDatabase::database(store->connectionName(), false));
        q.prepare(
            QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = ?"));
        q.addBindValue(table);
        q.exec();
        return q.next() ? q.value(0).toString() : QString();
    }
};

QStringList values19(const QString& prefix) {
    QStringList values;
    for (int i = 0; i < 19; ++i)
        values << prefix + QString::number(i);
    return values;
}

QStringList* capturedTraces = nullptr;
QtMessageHandler previousHandler = nullptr;

void captureStoreTraces(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (capturedTraces && context.category && QByteArray(context.category) == "colorcard.store")
        capturedTraces->append(text);
    else if (previousHandler)
        previousHandler(type, context, text);
}

}  // namespace

class ColorCardStoreTest : public QObject {
    Q_OBJECT
private slots:
    void newDatabaseHasTheSpecifiedSchema() {
        Fixture f;
        QVERIFY(!QFile::exists(f.store->databasePath()));
        QVERIFY(f.store->openDatabase());
        QVERIFY(QFile::exists(f.dir.filePath("database.db")));
        QCOMPARE(f.store->databasePath(), f.dir.filePath("database.db"));
        QVERIFY(f.store->isOpen());

        const QString library = QStringLiteral(
            "CREATE TABLE IF NOT EXISTS ColorCard (id INTEGER PRIMARY KEY AUTOINCREMENT, "
            "colorcardid TEXT NOT NULL, meterno TEXT, colorcardname TEXT, colorcarddesc TEXT, "
            "colorcardcount TEXT)");
        const QString colors = QStringLiteral(
            "CREATE TABLE IF NOT EXISTS %1 (id INTEGER PRIMARY KEY AUTOINCREMENT, colordataid TEXT "
            "NOT NULL, colordataname TEXT, LabL TEXT, Laba TEXT, Labb TEXT, LuvL TEXT, Luvu TEXT, "
            "Luvv TEXT, LChL TEXT, LChC TEXT, LChh TEXT, YxyY TEXT, Yxyx TEXT, Yxyy2 TEXT, CMYKC "
            "TEXT, CMYKM TEXT, CMYKY TEXT, CMYKK TEXT, RGBR TEXT, RGBG TEXT, RGBB TEXT)");
        // SQLite keeps the statement text without "IF NOT EXISTS"; the colour
        // table's name is a quoted identifier.
        const auto stored = [](QString statement) {
            return statement.replace(QStringLiteral("CREATE TABLE IF NOT EXISTS "),
                                     QStringLiteral("CREATE TABLE "));
        };
        QCOMPARE(f.schemaOf("ColorCard"), stored(library));
        f.store->createColorDataTable(kLibrary);
        QCOMPARE(f.schemaOf(kLibrary), stored(colors.arg('"' + kLibrary + '"')));
        QCOMPARE(f.prompt.events.size(), 0);
        QVERIFY(f.store->selectLibraries().isEmpty());
    }

    void secondOpenFindsTheTableAndDoesNotCreateIt() {
        Fixture f;
        QStringList traces;
        capturedTraces = &traces;
        previousHandler = qInstallMessageHandler(captureStoreTraces);
        QLoggingCategory::setFilterRules(QStringLiteral("colorcard.store.debug=true"));
        const bool first = f.store->openDatabase();
        const QStringList firstTraces = traces;
        traces.clear();
        f.store->insertLibrary(kLibrary, "1", "n", "d", "0");
        const bool second = f.store->openDatabase();
        QLoggingCategory::setFilterRules(QString());
        qInstallMessageHandler(previousHandler);
        capturedTraces = nullptr;

        QVERIFY(first);
        QVERIFY(second);
        QVERIFY(firstTraces.join('\n').contains("CREATE TABLE IF NOT EXISTS ColorCard"));
        QVERIFY(traces.join('\n').contains("sqlite_master"));
        QVERIFY2(!traces.join('\n').contains("CREATE"), qPrintable(traces.join('\n')));
        QCOMPARE(f.store->selectLibraries().size(), 1);
        QCOMPARE(f.prompt.events.size(), 0);
    }

    void openDatabaseFailures() {
        for (const bool chinese : {false, true}) {
            // A directory that does not exist cannot hold the file.
            Fixture missing(QDir::tempPath() + "/no-such-dir-colorcard/sub");
            missing.messenger.setChinese(chinese);
            QVERIFY(!missing.store->openDatabase());
            QCOMPARE(missing.prompt.messages(),
                     QStringList{chinese ? "数据库打开失败！" : "Open database fail!"});
            QCOMPARE(missing.prompt.events[0].title, chinese ? "提示" : "Tip");

            // A file that is not a database opens but cannot be queried.
            Fixture junk;
            junk.messenger.setChinese(chinese);
            QFile file(junk.dir.filePath("database.db"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(4096, 'x'));
            file.close();
            QVERIFY(!junk.store->openDatabase());
            QCOMPARE(junk.prompt.messages(),
                     QStringList{chinese ? "查询色卡库表失败！"
                                         : "Query color card library table fail!"});

            // An index holding the name makes the CREATE fail: reported by
            // createLibraryTable and once more by openDatabase.
            Fixture clash;
            clash.messenger.setChinese(chinese);
            QVERIFY(clash.store->openDatabase());
            clash.query("DROP TABLE ColorCard");
            clash.query("CREATE TABLE other (id INTEGER)");
            clash.query("CREATE INDEX ColorCard ON other (id)");
            QVERIFY(!clash.store->openDatabase());
            const QString create =
                chinese ? "创建色卡库表失败！" : "Create color card library table fail!";
            QCOMPARE(clash.prompt.messages(), (QStringList{create, create}));
        }
    }

    void operationFailureMessages_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<bool>("unopenable");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        const struct {
            const char* operation;
            const char* english;
            const char* chinese;
            bool needsUnopenable;  // succeeds on a database that merely lacks tables
        } rows[] = {
            {"createLibraryTable", "Create color card library table fail!", "创建色卡库表失败！",
             true},
            {"createColorDataTable", "Create color card data table fail!", "创建色卡数据表失败！",
             true},
            {"insertLibrary", "Insert color card library fail!", "插入色卡库失败！", false},
            {"insertColorData", "Insert color card data fail!", "插入色卡数据失败！", false},
            {"insertColorDataBatch", "Insert color card data fail!", "插入色卡数据失败！", false},
            {"insertColorDataBatchLab", "Insert color card data fail!", "插入色卡数据失败！",
             false},
            {"updateLibraryName", "Modify color card library name fail!", "修改色卡库名称失败！",
             false},
            {"updateLibraryCount", "Update color card library count fail!", "更新色卡库数量失败！",
             false},
            {"updateColorDataName", "Modify color card name fail!", "修改色卡名称失败！", false},
            {"updateColorData", "Update color card data fail!", "更新色卡数据失败！", false},
            {"selectColorDataName", "Query color card name fail！", "查询色卡名称失败！", false},
            {"selectLibraries", "Query color card library fail！", "查询色卡库失败！", false},
            {"selectColorData", "Query color card data fail！", "查询色卡数据失败！", false},
            {"dropColorDataTable", "Delete color card data table fail！", "删除色卡数据表失败！",
             false},
            {"deleteLibrary", "Delete color card library fail！", "删除色卡库失败！", false},
            {"deleteColorData", "Delete color card fail！", "删除色卡失败！", false},
        };
        for (const auto& row : rows) {
            for (const bool unopenable : {false, true}) {
                if (row.needsUnopenable && !unopenable)
                    continue;
                QTest::addRow("%s/%s", row.operation, unopenable ? "unopenable" : "missing table")
                    << QString(row.operation) << unopenable << QString::fromUtf8(row.english)
                    << QString::fromUtf8(row.chinese);
            }
        }
    }

    void operationFailureMessages() {
        QFETCH(QString, operation);
        QFETCH(bool, unopenable);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        const QMap<QString, std::function<void(ColorCardStore&)>> run = {
            {"createLibraryTable", [](ColorCardStore& s) { QVERIFY(!s.createLibraryTable()); }},
            {"createColorDataTable", [](ColorCardStore& s) { s.createColorDataTable(kLibrary); }},
            {"insertLibrary",
             [](ColorCardStore& s) { s.insertLibrary(kLibrary, "", "n", "d", "0"); }},
            {"insertColorData",
             [](ColorCardStore& s) { s.insertColorData(kLibrary, "c", "n", values19("v")); }},
            {"insertColorDataBatch",
             [](ColorCardStore& s) {
                 QList<QStringList> columns;
                 for (int i = 0; i < 20; ++i)
                     columns << QStringList{"x", "y"};
                 s.insertColorDataBatch(kLibrary, {"c1", "c2"}, columns);
             }},
            {"insertColorDataBatchLab",
             [](ColorCardStore& s) {
                 s.insertColorDataBatchLab(kLibrary, {"c1", "c2"}, {"a", "b"}, {"1", "2"},
                                           {"3", "4"}, {"5", "6"});
             }},
            {"updateLibraryName",
             [](ColorCardStore& s) { s.updateLibraryName("n", "d", kLibrary); }},
            {"updateLibraryCount", [](ColorCardStore& s) { s.updateLibraryCount("3", kLibrary); }},
            {"updateColorDataName",
             [](ColorCardStore& s) { s.updateColorDataName(kLibrary, "n", "c"); }},
            {"updateColorData",
             [](ColorCardStore& s) { s.updateColorData(kLibrary, values19("v"), "c"); }},
            {"selectColorDataName",
             [](ColorCardStore& s) { QCOMPARE(s.selectColorDataName(kLibrary, "c"), QString()); }},
            {"selectLibraries", [](ColorCardStore& s) { QVERIFY(s.selectLibraries().isEmpty()); }},
            {"selectColorData",
             [](ColorCardStore& s) { QVERIFY(s.selectColorData(kLibrary).isEmpty()); }},
            {"dropColorDataTable", [](ColorCardStore& s) { s.dropColorDataTable(kLibrary); }},
            {"deleteLibrary", [](ColorCardStore& s) { s.deleteLibrary(kLibrary); }},
            {"deleteColorData", [](ColorCardStore& s) { s.deleteColorData(kLibrary, "c"); }},
        };
        QVERIFY(run.contains(operation));
        for (const bool inChinese : {false, true}) {
            Fixture f(unopenable ? QDir::tempPath() + "/no-such-dir-colorcard/sub" : QString());
            f.store->openDatabase();
            if (!unopenable) {
                QVERIFY(f.store->isOpen());
                f.query("DROP TABLE ColorCard");
            }
            f.prompt.clear();
            f.messenger.setChinese(inChinese);
            run[operation](*f.store);
            QCOMPARE(f.prompt.messages(), QStringList{inChinese ? chinese : english});
            QCOMPARE(f.prompt.events[0].title, inChinese ? "提示" : "Tip");
        }
    }

    void recordsReadBackTextsWithQuotes() {
        Fixture f;
        QVERIFY(f.store->openDatabase());
        const QString name = "O'Brien \"red\"";
        const QString id = "Odd'\"Table";
        f.store->createColorDataTable(id);
        f.store->insertLibrary(id, "", name, "it's", "0");
        f.store->insertLibrary(kLibrary, "12345", "b", "c", "7");

        QList<LibraryRecord> libraries = f.store->selectLibraries();
        QCOMPARE(libraries.size(), 2);
        QCOMPARE(libraries[0].size(), 6);
        QCOMPARE(libraries[0][0].userType(), int(QMetaType::Int));
        QCOMPARE(libraries[0][0].toInt(), 1);
        QCOMPARE(libraries[0].mid(1), (QVariantList{id, "", name, "it's", "0"}));
        QCOMPARE(libraries[1][5].userType(), int(QMetaType::QString));
        QCOMPARE(libraries[1][2].toString(), QString("12345"));
        // Empty texts are stored as texts, not as NULL.
        QSqlQuery type = f.query("SELECT typeof(meterno) FROM ColorCard WHERE id = 1");
        QVERIFY(type.next());
        QCOMPARE(type.value(0).toString(), QString("text"));
        type.finish();

        f.store->updateLibraryName("new'name", "new\"desc", id);
        f.store->updateLibraryCount("2", id);
        libraries = f.store->selectLibraries();
        QCOMPARE(libraries[0].mid(3), (QVariantList{"new'name", "new\"desc", "2"}));
        QCOMPARE(libraries[1].mid(3), (QVariantList{"b", "c", "7"}));

        const QStringList values = values19("v");
        f.store->insertColorData(id, "ColorData1", "it's blue", values);
        f.store->insertColorData(id, "ColorData2", "green", values19("w"));
        QList<ColorDataRecord> colors = f.store->selectColorData(id);
        QCOMPARE(colors.size(), 2);
        QCOMPARE(colors[0].size(), 22);
        QCOMPARE(colors[0][0].userType(), int(QMetaType::Int));
        QCOMPARE(colors[0][1].toString(), QString("ColorData1"));
        QCOMPARE(colors[0][2].toString(), QString("it's blue"));
        for (int i = 0; i < 19; ++i)
            QCOMPARE(colors[0][3 + i].toString(), values[i]);
        // LuvL and LChL are separate columns.
        QSqlQuery columns = f.query("SELECT LuvL, LChL, Yxyy2, RGBB FROM \"Odd'\"\"Table\"");
        QVERIFY(columns.next());
        QCOMPARE(columns.value(0).toString(), QString("v3"));
        QCOMPARE(columns.value(1).toString(), QString("v6"));
        QCOMPARE(columns.value(2).toString(), QString("v11"));
        QCOMPARE(columns.value(3).toString(), QString("v18"));
        columns.finish();

        QCOMPARE(f.store->selectColorDataName(id, "ColorData1"), QString("it's blue"));
        QCOMPARE(f.store->selectColorDataName(id, "ColorData9"), QString(""));
        f.store->updateColorDataName(id, "x'y", "ColorData1");
        f.store->updateColorData(id, values19("u"), "ColorData1");
        colors = f.store->selectColorData(id);
        QCOMPARE(colors[0][2].toString(), QString("x'y"));
        QCOMPARE(colors[0][21].toString(), QString("u18"));
        QCOMPARE(colors[1][21].toString(), QString("w18"));

        f.store->deleteColorData(id, "ColorData1");
        QCOMPARE(f.store->selectColorData(id).size(), 1);
        f.store->dropColorDataTable(id);
        f.store->deleteLibrary(id);
        QCOMPARE(f.store->selectLibraries().size(), 1);
        QCOMPARE(f.prompt.messages(), QStringList());
        // Without its table the colours cannot be read.
        QVERIFY(f.store->selectColorData(id).isEmpty());
        QCOMPARE(f.prompt.messages(), QStringList{"查询色卡数据失败！"});
    }

    void batchInsertsCommitTheGoodRows() {
        Fixture f;
        QVERIFY(f.store->openDatabase());
        f.store->createColorDataTable(kLibrary);

        QList<QStringList> columns;
        columns << QStringList{"red", "green", "blue"};
        for (int c = 0; c < 19; ++c)
            columns << QStringList{"r" + QString::number(c), "g" + QString::number(c),
                                   "b" + QString::number(c)};
        columns[5].removeLast();  // the third row lacks a value
        f.store->insertColorDataBatch(kLibrary, {"c1", "c2", "c3"}, columns);
        QList<ColorDataRecord> rows = f.store->selectColorData(kLibrary);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1][2].toString(), QString("green"));
        QCOMPARE(rows[1][21].toString(), QString("g18"));
        // The missing row is reported once, not silently lost.
        QCOMPARE(f.prompt.messages(), QStringList{"插入色卡数据失败！"});

        f.prompt.clear();
        f.store->insertColorDataBatchLab(kLibrary, {"c4", "c5"}, {"it's", "x"}, {"1.00", "2.00"},
                                         {"-3.00", "4.00"}, {"5.00", "6.00"});
        f.store->insertColorDataBatch(kLibrary, {}, {});
        f.store->insertColorDataBatchLab(kLibrary, {}, {}, {}, {}, {});
        QCOMPARE(f.prompt.events.size(), 0);
        rows = f.store->selectColorData(kLibrary);
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows[2].mid(1, 5), (QVariantList{"c4", "it's", "1.00", "-3.00", "5.00"}));
        QCOMPARE(rows[2][6].toString(), QString());
        // No transaction is left open.
        QSqlDatabase db = QSqlDatabase::database(f.store->connectionName());
        QVERIFY(db.transaction());
        QVERIFY(db.rollback());
    }

    void identifiersStayUniqueWithinOneSecond() {
        Fixture f;
        QVERIFY(f.store->openDatabase());
        QCOMPARE(f.store->makeLibraryId(1), kLibrary);
        QCOMPARE(f.store->makeLibraryId(3), "ColorCard3" + kStamp);

        // A library row or a table of that name both take the number.
        f.store->createColorDataTable(kLibrary);
        f.store->insertLibrary(kLibrary, "", "a", "b", "0");
        QCOMPARE(f.store->makeLibraryId(1), "ColorCard2" + kStamp);
        f.store->deleteLibrary(kLibrary);
        QCOMPARE(f.store->makeLibraryId(1), "ColorCard2" + kStamp);
        f.store->dropColorDataTable(kLibrary);
        f.store->insertLibrary(kLibrary, "", "a", "b", "0");
        f.store->insertLibrary("ColorCard2" + kStamp, "", "a", "c", "0");
        QCOMPARE(f.store->makeLibraryId(1), "ColorCard3" + kStamp);
        f.store->deleteLibrary(kLibrary);
        QCOMPARE(f.store->makeLibraryId(1), kLibrary);
        // A second later the plain number is free again.
        f.store->setClock([] { return fixedTime().addSecs(1); });
        QCOMPARE(f.store->makeLibraryId(2), "ColorCard2261206184232");
        f.store->setClock(fixedTime);

        f.store->createColorDataTable(kLibrary);
        QCOMPARE(f.store->makeColorIds(kLibrary, 1, 2),
                 (QStringList{"ColorData1" + kStamp, "ColorData2" + kStamp}));
        f.store->insertColorData(kLibrary, "ColorData2" + kStamp, "x", values19("v"));
        f.store->insertColorData(kLibrary, "ColorData4" + kStamp, "y", values19("v"));
        QCOMPARE(
            f.store->makeColorIds(kLibrary, 2, 3),
            (QStringList{"ColorData3" + kStamp, "ColorData5" + kStamp, "ColorData6" + kStamp}));
        QCOMPARE(f.store->makeColorIds(kLibrary, 1, 0), QStringList());
        QCOMPARE(f.prompt.events.size(), 0);
    }

    void deleteDatabaseFileRemovesAndOpenRecreates() {
        Fixture f;
        QVERIFY(f.store->openDatabase());
        f.store->insertLibrary(kLibrary, "", "a", "b", "0");
        f.store->deleteDatabaseFile();
        QVERIFY(!QFile::exists(f.store->databasePath()));
        QVERIFY(!f.store->isOpen());
        // Nothing to remove: nothing visible.
        f.store->deleteDatabaseFile();
        QCOMPARE(f.prompt.events.size(), 0);
        QVERIFY(f.store->openDatabase());
        QVERIFY(QFile::exists(f.store->databasePath()));
        QVERIFY(f.store->selectLibraries().isEmpty());
        QCOMPARE(f.prompt.events.size(), 0);

        // Something that cannot be removed as a file is reported.
        Fixture g;
        QVERIFY(QDir(g.dir.path()).mkpath("database.db/keep"));
        g.messenger.setChinese(false);
        g.store->deleteDatabaseFile();
        QCOMPARE(g.prompt.messages(), QStringList{"Delete database file fail！"});
        g.prompt.clear();
        g.messenger.setChinese(true);
        g.store->deleteDatabaseFile();
        QCOMPARE(g.prompt.messages(), QStringList{"删除数据库文件失败！"});
    }

    void storesAreIndependent() {
        Fixture a;
        Fixture b;
        QVERIFY(a.store->connectionName() != b.store->connectionName());
        QVERIFY(a.store->openDatabase());
        QVERIFY(b.store->openDatabase());
        a.store->insertLibrary(kLibrary, "", "a", "b", "0");
        a.store->deleteDatabaseFile();
        QVERIFY(QFile::exists(b.store->databasePath()));
        b.store->insertLibrary(kLibrary, "", "c", "d", "0");
        QCOMPARE(b.store->selectLibraries().size(), 1);
        QCOMPARE(a.prompt.events.size() + b.prompt.events.size(), 0);
        const QString name = a.store->connectionName();
        a.store.reset();
        QVERIFY(!QSqlDatabase::contains(name));
    }

    void defaultDirectoryIsTheWritableApplicationDirectory() {
        QCOMPARE(ColorCardStore::defaultDirectory(), QCoreApplication::applicationDirPath());
    }
};

QTEST_GUILESS_MAIN(ColorCardStoreTest)
#include "tst_colorcardstore.moc"
