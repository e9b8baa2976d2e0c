// SPDX-License-Identifier: MIT
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "store/ColorCardStore.h"

using namespace colorcard;

namespace {

const QString kStamp = QStringLiteral("261206184231");
const QString kLibrary = QStringLiteral("ColorCard1") + kStamp;

QDateTime fixedTime() {
    return QDateTime(QDate(2026, 12, 6), QTime(18, 42, 31));
}

// One store in its own temporary directory.
struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<ColorCardStore> store;

    explicit Fixture(const QString& directory = QString()) {
        store = std::make_unique<ColorCardStore>(directory.isEmpty() ? dir.path() : directory);
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
        QVERIFY(f.store->lastError() == StoreError::None);
        QVERIFY(f.store->selectLibraries().isEmpty());
    }

    void secondOpenFindsTheTableAndDoesNotCreateIt() {
        Fixture f;
        QStringList traces;
        capturedTraces = &traces;
        previousHandler = qInstallMessageHandler(captureStoreTraces);
        QLoggingCategory::setFilterRules(QStringLiteral("colorcard.store.debug=true"));
        const bool first = f.store->openDatabase().ok();
        const QStringList firstTraces = traces;
        traces.clear();
        f.store->insertLibrary(kLibrary, "1", "n", "d", "0");
        const bool second = f.store->openDatabase().ok();
        QLoggingCategory::setFilterRules(QString());
        qInstallMessageHandler(previousHandler);
        capturedTraces = nullptr;

        QVERIFY(first);
        QVERIFY(second);
        QVERIFY(firstTraces.join('\n').contains("CREATE TABLE IF NOT EXISTS ColorCard"));
        QVERIFY(traces.join('\n').contains("sqlite_master"));
        QVERIFY2(!traces.join('\n').contains("CREATE"), qPrintable(traces.join('\n')));
        QCOMPARE(f.store->selectLibraries().size(), 1);
        QVERIFY(f.store->lastError() == StoreError::None);
    }

    void openDatabaseFailures() {
        // A directory that does not exist cannot hold the file.
        Fixture missing(QDir::tempPath() + "/no-such-dir-colorcard/sub");
        QVERIFY(missing.store->openDatabase().error == StoreError::OpenDatabase);

        // A file that is not a database opens but cannot be queried.
        Fixture junk;
        QFile file(junk.dir.filePath("database.db"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        QVERIFY(junk.store->openDatabase().error == StoreError::QueryLibraryTable);

        // An index holding the name makes the CREATE fail.
        Fixture clash;
        QVERIFY(clash.store->openDatabase());
        clash.query("DROP TABLE ColorCard");
        clash.query("CREATE TABLE other (id INTEGER)");
        clash.query("CREATE INDEX ColorCard ON other (id)");
        QVERIFY(clash.store->openDatabase().error == StoreError::CreateLibraryTable);
        QVERIFY(clash.store->lastError() == StoreError::CreateLibraryTable);
    }

    void operationFailures_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<bool>("unopenable");
        QTest::addColumn<int>("error");
        using E = StoreError;
        const struct {
            const char* operation;
            StoreError error;
            bool needsUnopenable;  // succeeds on a database that merely lacks tables
        } rows[] = {
            {"createLibraryTable", E::CreateLibraryTable, true},
            {"createColorDataTable", E::CreateColorTable, true},
            {"insertLibrary", E::InsertLibrary, false},
            {"insertColorData", E::InsertColor, false},
            {"insertColorDataBatch", E::InsertColor, false},
            {"insertColorDataBatchLab", E::InsertColor, false},
            {"updateLibraryName", E::RenameLibrary, false},
            {"updateLibraryCount", E::UpdateCount, false},
            {"updateColorDataName", E::RenameColor, false},
            {"updateColorData", E::UpdateColor, false},
            {"selectColorDataName", E::QueryColorName, false},
            {"selectLibraries", E::QueryLibraries, false},
            {"selectColours", E::QueryColors, false},
            {"dropColorDataTable", E::DropColorTable, false},
            {"deleteLibrary", E::DeleteLibrary, false},
            {"deleteColorData", E::DeleteColor, false},
        };
        for (const auto& row : rows) {
            for (const bool unopenable : {false, true}) {
                if (row.needsUnopenable && !unopenable)
                    continue;
                QTest::addRow("%s/%s", row.operation, unopenable ? "unopenable" : "missing table")
                    << QString(row.operation) << unopenable << int(row.error);
            }
        }
    }

    void operationFailures() {
        QFETCH(QString, operation);
        QFETCH(bool, unopenable);
        QFETCH(int, error);
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
            {"selectColours",
             [](ColorCardStore& s) { QVERIFY(s.selectColours(kLibrary).isEmpty()); }},
            {"dropColorDataTable", [](ColorCardStore& s) { s.dropColorDataTable(kLibrary); }},
            {"deleteLibrary", [](ColorCardStore& s) { s.deleteLibrary(kLibrary); }},
            {"deleteColorData", [](ColorCardStore& s) { s.deleteColorData(kLibrary, "c"); }},
        };
        QVERIFY(run.contains(operation));
        Fixture f(unopenable ? QDir::tempPath() + "/no-such-dir-colorcard/sub" : QString());
        f.store->openDatabase();
        if (!unopenable) {
            QVERIFY(f.store->isOpen());
            f.query("DROP TABLE ColorCard");
        }
        run[operation](*f.store);
        QCOMPARE(int(f.store->lastError()), error);
    }

    void recordsReadBackTextsWithQuotes() {
        Fixture f;
        QVERIFY(f.store->openDatabase());
        const QString name = "O'Brien \"red\"";
        const QString id = "Odd'\"Table";
        f.store->createColorDataTable(id);
        f.store->insertLibrary(id, "", name, "it's", "0");
        f.store->insertLibrary(kLibrary, "12345", "b", "c", "7");

        const auto fields = [](const Library& l) {
            return QStringList{l.id, l.meterNumber, l.name, l.description, l.count};
        };
        QVector<Library> libraries = f.store->selectLibraries();
        QCOMPARE(libraries.size(), 2);
        QCOMPARE(libraries[0].rowId, 1);
        QCOMPARE(fields(libraries[0]), (QStringList{id, "", name, "it's", "0"}));
        QCOMPARE(libraries[1].count, QString("7"));
        QCOMPARE(libraries[1].meterNumber, QString("12345"));
        // Empty texts are stored as texts, not as NULL.
        QSqlQuery type = f.query("SELECT typeof(meterno) FROM ColorCard WHERE id = 1");
        QVERIFY(type.next());
        QCOMPARE(type.value(0).toString(), QString("text"));
        type.finish();

        f.store->updateLibraryName("new'name", "new\"desc", id);
        f.store->updateLibraryCount("2", id);
        libraries = f.store->selectLibraries();
        QCOMPARE(fields(libraries[0]).mid(2), (QStringList{"new'name", "new\"desc", "2"}));
        QCOMPARE(fields(libraries[1]).mid(2), (QStringList{"b", "c", "7"}));

        const QStringList values = values19("v");
        f.store->insertColorData(id, "ColorData1", "it's blue", values);
        f.store->insertColorData(id, "ColorData2", "green", values19("w"));
        QVector<Colour> colors = f.store->selectColours(id);
        QCOMPARE(colors.size(), 2);
        QCOMPARE(colors[0].rowId, 1);
        QCOMPARE(colors[0].id, QString("ColorData1"));
        QCOMPARE(colors[0].name, QString("it's blue"));
        QCOMPARE(colors[0].values(), values);
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
        colors = f.store->selectColours(id);
        QCOMPARE(colors[0].name, QString("x'y"));
        QCOMPARE(colors[0].rgbB, QString("u18"));
        QCOMPARE(colors[1].rgbB, QString("w18"));

        f.store->deleteColorData(id, "ColorData1");
        QCOMPARE(f.store->selectColours(id).size(), 1);
        f.store->dropColorDataTable(id);
        f.store->deleteLibrary(id);
        QCOMPARE(f.store->selectLibraries().size(), 1);
        QVERIFY(f.store->lastError() == StoreError::None);
        // Without its table the colours cannot be read.
        QVERIFY(f.store->selectColours(id).isEmpty());
        QVERIFY(f.store->lastError() == StoreError::QueryColors);
    }

    void batchInsertsAllRowsOrNone() {
        Fixture f;
        QVERIFY(f.store->openDatabase());
        f.store->createColorDataTable(kLibrary);

        QList<QStringList> columns;
        columns << QStringList{"red", "green", "blue"};
        for (int c = 0; c < 19; ++c)
            columns << QStringList{"r" + QString::number(c), "g" + QString::number(c),
                                   "b" + QString::number(c)};
        columns[5].removeLast();  // the third row lacks a value
        // A row that cannot be stored undoes the rows before it.
        QVERIFY(f.store->insertColorDataBatch(kLibrary, {"c1", "c2", "c3"}, columns).error ==
                StoreError::InsertColor);
        QVector<Colour> rows = f.store->selectColours(kLibrary);
        QCOMPARE(rows.size(), 0);
        columns[5] << "b4";
        QVERIFY(f.store->insertColorDataBatch(kLibrary, {"c1", "c2", "c3"}, columns));
        rows = f.store->selectColours(kLibrary);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[1].name, QString("green"));
        QCOMPARE(rows[1].rgbB, QString("g18"));
        // Inside the caller's transaction a failed row leaves the rollback to the caller.
        QVERIFY(f.store->beginTransaction());
        QVERIFY(f.store->insertColorDataBatchLab(kLibrary, {"c6"}, {"x"}, {"1"}, {"2"}, {"3"}));
        QVERIFY(!f.store->insertColorDataBatchLab(kLibrary, {"c7"}, {"y"}, {}, {}, {}));
        f.store->rollbackTransaction();
        QCOMPARE(f.store->selectColours(kLibrary).size(), 3);
        QVERIFY(f.store->beginTransaction());
        QVERIFY(!f.store->beginTransaction());
        QVERIFY(f.store->insertColorDataBatchLab(kLibrary, {"c6"}, {"x"}, {"1"}, {"2"}, {"3"}));
        QVERIFY(f.store->commitTransaction());
        QCOMPARE(f.store->selectColours(kLibrary).size(), 4);
        f.store->deleteColorData(kLibrary, "c6");

        f.store->insertColorDataBatchLab(kLibrary, {"c4", "c5"}, {"it's", "x"}, {"1.00", "2.00"},
                                         {"-3.00", "4.00"}, {"5.00", "6.00"});
        f.store->insertColorDataBatch(kLibrary, {}, {});
        f.store->insertColorDataBatchLab(kLibrary, {}, {}, {}, {}, {});
        QVERIFY(f.store->lastError() == StoreError::None);
        rows = f.store->selectColours(kLibrary);
        QCOMPARE(rows.size(), 5);
        QCOMPARE((QStringList{rows[3].id, rows[3].name} + rows[3].values().mid(0, 3)),
                 (QStringList{"c4", "it's", "1.00", "-3.00", "5.00"}));
        QCOMPARE(rows[3].luvL, QString());
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
        QVERIFY(f.store->lastError() == StoreError::None);
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
        QVERIFY(f.store->lastError() == StoreError::None);
        QVERIFY(f.store->openDatabase());
        QVERIFY(QFile::exists(f.store->databasePath()));
        QVERIFY(f.store->selectLibraries().isEmpty());
        QVERIFY(f.store->lastError() == StoreError::None);

        // Something that cannot be removed as a file is reported.
        Fixture g;
        QVERIFY(QDir(g.dir.path()).mkpath("database.db/keep"));
        QVERIFY(g.store->deleteDatabaseFile().error == StoreError::DeleteDatabaseFile);
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
        QVERIFY(a.store->lastError() == StoreError::None);
        QVERIFY(b.store->lastError() == StoreError::None);
        const QString name = a.store->connectionName();
        a.store.reset();
        QVERIFY(!QSqlDatabase::contains(name));
    }

    void defaultDirectoryIsTheWritableApplicationDirectory() {
        QCOMPARE(ColorCardStore::defaultDirectory(), QCoreApplication::applicationDirPath());
    }

    // BEGIN IMMEDIATE: a second writer waits out the busy time-out, then the
    // start fails with the cause Busy and nothing runs without a transaction.
    void busyStoreIsToldAsBusy() {
        Fixture f;
        f.store->setBusyTimeout(200);
        QVERIFY(f.store->openDatabase());
        {
            QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "otherWriter");
            other.setDatabaseName(f.store->databasePath());
            QVERIFY(other.open());
            QSqlQuery lock(other);
            QVERIFY(lock.exec("BEGIN IMMEDIATE"));
            QElapsedTimer waited;
            waited.start();
            const StoreResult begun = f.store->beginTransaction();
            QVERIFY(waited.elapsed() >= 150);
            QVERIFY(begun.error == StoreError::Begin);
            QVERIFY(begun.cause == StoreCause::Busy);
            QVERIFY(!f.store->inTransaction());
            QVERIFY(lock.exec("COMMIT"));
            other.close();
        }
        QSqlDatabase::removeDatabase("otherWriter");
        QVERIFY(f.store->beginTransaction());
        QVERIFY(f.store->inTransaction());
        QVERIFY(f.store->commitTransaction());
    }

    // A full disk (here the database's page limit) is a cause of its own,
    // and the batch leaves no row behind.
    void fullDiskIsToldAsFull() {
        Fixture f;
        QVERIFY(f.store->openDatabase());
        QVERIFY(f.store->createColorDataTable(kLibrary));
        QVERIFY(f.store->insertLibrary(kLibrary, "", "Lib", "", "0"));
        QSqlQuery count = f.query("PRAGMA page_count");
        QVERIFY(count.next());
        f.query(QStringLiteral("PRAGMA max_page_count = %1").arg(count.value(0).toInt() + 2));
        QList<QStringList> columns;
        QStringList ids;
        for (int c = 0; c < 20; ++c)
            columns << QStringList();
        for (int i = 0; i < 2000; ++i) {
            ids << "c" + QString::number(i);
            columns[0] << "colour " + QString::number(i);
            for (int c = 1; c < 20; ++c)
                columns[c] << QString::number(i * 100 + c) + ".25";
        }
        const StoreResult result = f.store->insertColorDataBatch(kLibrary, ids, columns);
        QVERIFY(result.error == StoreError::InsertColor);
        QVERIFY(result.cause == StoreCause::DiskFull);
        QVERIFY(f.store->lastCause() == StoreCause::DiskFull);
        QCOMPARE(f.store->selectColours(kLibrary).size(), 0);
    }

    // Bytes that are not a database: the open says so (Damaged), once.
    void damagedFileIsToldAsDamaged() {
        Fixture f;
        QFile file(f.store->databasePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(8192, 'x'));
        file.close();
        const StoreResult opened = f.store->openDatabase();
        QVERIFY(!opened);
        QVERIFY(opened.cause == StoreCause::Damaged);
    }

    // A malformed page of the library table shows at the open already.
    void malformedLibraryTableShowsAtOpen() {
        Fixture f;
        QVERIFY(f.store->openDatabase());
        for (int i = 0; i < 400; ++i) {
            const QString id = "ColorCard" + QString::number(i) + kStamp;
            QVERIFY(f.store->insertLibrary(id, "2301", QString(40, 'n'), QString(40, 'd'), "0"));
        }
        f.store->closeDatabase();
        QFile file(f.store->databasePath());
        QVERIFY(file.open(QIODevice::ReadWrite));
        const qint64 size = file.size();
        QVERIFY(size > 4 * 4096);
        // Every page after the schema's: garbage.
        file.seek(2 * 4096);
        file.write(QByteArray(int(size - 2 * 4096), char(0x5a)));
        file.close();
        const StoreResult opened = f.store->openDatabase();
        QVERIFY(!opened);
        QVERIFY(opened.cause == StoreCause::Damaged);
    }

    // The count is the rows of the table, counted by the statement that sets it.
    void recountTakesTheRows() {
        Fixture f;
        QVERIFY(f.store->openDatabase());
        QVERIFY(f.store->createColorDataTable(kLibrary));
        QVERIFY(f.store->insertLibrary(kLibrary, "", "Lib", "", "7"));
        QVERIFY(f.store->insertColorDataBatchLab(kLibrary, {"c1", "c2"}, {"a", "b"}, {"1", "2"},
                                                 {"0", "0"}, {"0", "0"}));
        QVERIFY(f.store->recountLibrary(kLibrary));
        QCOMPARE(f.store->selectLibrary(kLibrary).count, QString("2"));
        QCOMPARE(f.store->selectLibraryByKey("Lib", "").id, kLibrary);
        QVERIFY(!f.store->selectLibraryByKey("Lib", "x").isStored());
    }

    // Commits of another connection change the data version; its own do not.
    void dataVersionSeesOtherWriters() {
        Fixture f;
        QVERIFY(f.store->openDatabase());
        const qint64 start = f.store->dataVersion();
        QVERIFY(start >= 0);
        QVERIFY(f.store->insertLibrary(kLibrary, "", "Lib", "", "0"));
        QCOMPARE(f.store->dataVersion(), start);
        {
            QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "otherVersion");
            other.setDatabaseName(f.store->databasePath());
            QVERIFY(other.open());
            QSqlQuery q(other);
            QVERIFY(q.exec("UPDATE ColorCard SET colorcardname = 'X'"));
            other.close();
        }
        QSqlDatabase::removeDatabase("otherVersion");
        QVERIFY(f.store->dataVersion() != start);
    }
};

QTEST_GUILESS_MAIN(ColorCardStoreTest)
#include "tst_colorcardstore.moc"
