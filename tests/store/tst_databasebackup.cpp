// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "store/ColorCardStore.h"
#include "store/DatabaseBackup.h"

using namespace colorcard;

namespace {

const QDateTime kStart(QDate(2026, 12, 6), QTime(18, 42, 31, 250));

// A store in a temporary directory holding libraries of the given sizes,
// and a backup engine on it whose clock advances one second per copy.
struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<ColorCardStore> store;
    std::unique_ptr<DatabaseBackup> backup;
    QDateTime now = kStart;
    // Every step of filling the store succeeded.
    bool stored = true;

    explicit Fixture(const QList<int>& sizes = {3, 0, 5}, bool throughConnection = true) {
        store = std::make_unique<ColorCardStore>(dir.path());
        stored = store->openDatabase().ok();
        for (int i = 0; i < sizes.size(); ++i)
            addLibrary(i + 1, sizes[i]);
        backup = std::make_unique<DatabaseBackup>(
            store->databasePath(), throughConnection ? store->connectionName() : QString());
        backup->setClock([this] {
            const QDateTime t = now;
            now = now.addSecs(1);
            return t;
        });
    }

    QString addLibrary(int number, int colours) {
        // A quote in the identifier checks that table names survive as such.
        const QString id = QStringLiteral("ColorCard%1\"q").arg(number);
        stored &= store->createColorDataTable(id).ok();
        stored &= store
                      ->insertLibrary(id, "2301", QStringLiteral("库%1").arg(number), "desc",
                                      QString::number(colours))
                      .ok();
        for (int c = 0; c < colours; ++c) {
            QStringList values;
            for (int v = 0; v < 19; ++v)
                values << QString::number(number * 100 + c + v / 100.0, 'f', 2);
            stored &= store
                          ->insertColorData(id, QStringLiteral("ColorData%1").arg(c),
                                            QStringLiteral("色%1").arg(c), values)
                          .ok();
        }
        return id;
    }

    QString take(const QString& meter = "2301") {
        QString path;
        const BackupStatus status = backup->take(meter, &path);
        if (status != BackupStatus::Ok)
            qWarning() << "backup failed:" << int(status) << backup->lastError();
        return path;
    }
};

// Every table's definition and rows, as text, through its own connection.
QStringList dump(const QString& connection) {
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QStringList lines;
    QSqlQuery tables(db);
    tables.exec("SELECT name, sql FROM sqlite_master ORDER BY name");
    while (tables.next()) {
        lines << tables.value(1).toString();
        QSqlQuery rows(db);
        QString name = tables.value(0).toString();
        rows.exec(QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid")
                      .arg(name.replace('"', QStringLiteral("\"\""))));
        while (rows.next()) {
            QStringList cells;
            for (int c = 0; c < rows.record().count(); ++c)
                cells << rows.value(c).toString();
            lines << cells.join('|');
        }
    }
    return lines;
}

QStringList dumpFile(const QString& path) {
    QStringList lines;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "dumpFile");
        db.setDatabaseName(path);
        db.setConnectOptions("QSQLITE_OPEN_READONLY");
        if (db.open())
            lines = dump("dumpFile");
        db.close();
    }
    QSqlDatabase::removeDatabase("dumpFile");
    return lines;
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

}  // namespace

class DatabaseBackupTest : public QObject {
    Q_OBJECT
private slots:
    void copyHoldsExactlyTheStoredContent_data() {
        QTest::addColumn<bool>("throughConnection");
        QTest::newRow("store's open connection") << true;
        QTest::newRow("database file only") << false;
    }
    void copyHoldsExactlyTheStoredContent() {
        QFETCH(bool, throughConnection);
        Fixture f({3, 0, 5}, throughConnection);
        QVERIFY(f.stored);
        const QStringList source = dump(f.store->connectionName());
        QVERIFY(source.size() > 10);

        const QString path = f.take("2301");
        QVERIFY(!path.isEmpty());
        QCOMPARE(QFileInfo(path).dir().absolutePath(), QDir(f.dir.filePath("backups")).path());
        QCOMPARE(dumpFile(path), source);
        // Nothing but the copy is left in the folder, and the store carries on.
        QCOMPARE(QDir(f.backup->directory()).entryList(QDir::Files).size(), 1);
        f.addLibrary(9, 1);
        QVERIFY(f.stored);
        QCOMPARE(f.store->selectLibraries().size(), 4);
    }

    void refusedWhileAChangeIsHalfDoneOrWithoutDatabase() {
        Fixture f;
        QVERIFY(f.store->beginTransaction());
        f.addLibrary(7, 2);
        QCOMPARE(f.backup->take("2301"), BackupStatus::Busy);
        f.store->commitTransaction();
        QCOMPARE(f.backup->list().size(), 0);

        QTemporaryDir empty;
        DatabaseBackup none(empty.filePath("database.db"));
        QCOMPARE(none.take("2301"), BackupStatus::NoDatabase);
        QVERIFY(!QFileInfo::exists(empty.filePath("backups")));
    }

    void listingReadsTimeMeterAndCountsNewestFirst() {
        Fixture f({3, 0, 5});
        const QString first = f.take("2301");
        f.addLibrary(4, 2);
        // Any text the meter reports survives the file name.
        const QString second = f.take("A/B 1:号");
        f.store->deleteLibrary("ColorCard1\"q");
        const QString third = f.take("");
        // Not copies: ignored, or listed as unreadable when named like one.
        writeFile(f.backup->directory() + "/notes.txt", "x");
        writeFile(f.backup->directory() + "/backup-20261206-184230-000Z-9.db",
                  QByteArray(2048, 'x'));

        const QList<BackupEntry> entries = f.backup->list();
        QCOMPARE(entries.size(), 4);
        const struct {
            QString path;
            QDateTime taken;
            QString meter;
            int libraries;
            int colours;
        } expected[] = {
            // Labelled by the meter whose libraries a copy holds, whatever
            // meter its name was given.
            {third, kStart.addSecs(2), "2301", 3, 7},
            {second, kStart.addSecs(1), "2301", 4, 10},
            {first, kStart, "2301", 3, 8},
            {f.backup->directory() + "/backup-20261206-184230-000Z-9.db",
             QDateTime(QDate(2026, 12, 6), QTime(18, 42, 30), Qt::UTC).toLocalTime(), "9", -1, -1},
        };
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(entries[i].path, expected[i].path);
            QCOMPARE(entries[i].taken, expected[i].taken);
            QCOMPARE(entries[i].meterNumber, expected[i].meter);
            QCOMPARE(entries[i].libraries, expected[i].libraries);
            QCOMPARE(entries[i].colours, expected[i].colours);
            QCOMPARE(entries[i].readable(), expected[i].libraries >= 0);
        }
    }

    void twoCopiesInOneMillisecondBothKept() {
        Fixture f;
        f.backup->setClock([] { return kStart; });
        const QString a = f.take(), b = f.take();
        QVERIFY(!a.isEmpty() && !b.isEmpty() && a != b);
        QCOMPARE(f.backup->list().size(), 2);
    }

    void keepsTheNewestTwenty() {
        Fixture f({1});
        QStringList taken;
        for (int i = 0; i < DatabaseBackup::kKept + 5; ++i)
            taken << f.take(QString::number(i));
        const QList<BackupEntry> entries = f.backup->list();
        QCOMPARE(entries.size(), DatabaseBackup::kKept);
        for (int i = 0; i < entries.size(); ++i)
            QCOMPARE(entries[i].path, taken[taken.size() - 1 - i]);
        for (int i = 0; i < 5; ++i)
            QVERIFY(!QFileInfo::exists(taken[i]));
    }

    void restoreRoundTripThroughTheOpenStore() {
        Fixture f({3, 0, 5});
        const QStringList before = dump(f.store->connectionName());
        const QString copy = f.take("2301");

        // What a destructive change does: one library gone, another added.
        f.store->dropColorDataTable("ColorCard3\"q");
        f.store->deleteLibrary("ColorCard3\"q");
        f.addLibrary(8, 4);
        const QStringList changed = dump(f.store->connectionName());

        QString safety;
        QCOMPARE(f.backup->restore(copy, "2302", &safety), BackupStatus::Ok);
        QCOMPARE(dump(f.store->connectionName()), before);
        QCOMPARE(dumpFile(safety), changed);
        QCOMPARE(f.backup->list().first().meterNumber, QString("2301"));
        QCOMPARE(f.backup->list().first().cause, QString("restore"));
        // The same store object goes on working on the restored data.
        QCOMPARE(f.store->selectLibraries().size(), 3);
        QCOMPARE(f.store->selectColours("ColorCard3\"q").size(), 5);
        f.addLibrary(9, 1);
        QVERIFY(f.stored);
        QCOMPARE(f.store->selectLibraries().size(), 4);
    }

    void restoreIntoAClosedOrMissingDatabase() {
        Fixture f({2});
        const QString copy = f.take();
        const QStringList before = dump(f.store->connectionName());
        f.store->deleteDatabaseFile();
        QVERIFY(!QFileInfo::exists(f.store->databasePath()));

        QCOMPARE(f.backup->restore(copy, "2301"), BackupStatus::Ok);
        QVERIFY(f.store->openDatabase().ok());
        QCOMPARE(dump(f.store->connectionName()), before);
    }

    void refusedRestoresChangeNothing() {
        Fixture f({2, 1});
        const QString copy = f.take();
        const QString junk = f.backup->directory() + "/backup-20200101-000000-000Z.db";
        writeFile(junk, QByteArray(4096, 'x'));
        const QString foreign = f.dir.filePath("foreign.db");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "foreign");
            db.setDatabaseName(foreign);
            QVERIFY(db.open());
            QSqlQuery(db).exec("CREATE TABLE other (x)");
            db.close();
        }
        QSqlDatabase::removeDatabase("foreign");
        f.addLibrary(5, 1);
        const QStringList current = dump(f.store->connectionName());
        const int copies = f.backup->list().size();

        const struct {
            const char* name;
            QString path;
            bool inTransaction;
            BackupStatus status;
        } cases[] = {
            {"missing file", f.dir.filePath("nope.db"), false, BackupStatus::NotABackup},
            {"not a database", junk, false, BackupStatus::NotABackup},
            {"no library table", foreign, false, BackupStatus::NotABackup},
            {"change half done", copy, true, BackupStatus::Busy},
        };
        for (const auto& c : cases) {
            if (c.inTransaction)
                QVERIFY(f.store->beginTransaction());
            QVERIFY2(f.backup->restore(c.path, "2301") == c.status, c.name);
            if (c.inTransaction)
                f.store->commitTransaction();
            QVERIFY2(dump(f.store->connectionName()) == current, c.name);
            QVERIFY2(f.backup->list().size() == copies, c.name);
        }
    }

    void restoringTheOldestCopyKeepsItThroughTheRetention() {
        Fixture f({1});
        const QString oldest = f.take();
        for (int i = 1; i < DatabaseBackup::kKept; ++i)
            f.take();
        QCOMPARE(f.backup->list().size(), DatabaseBackup::kKept);
        QCOMPARE(f.backup->restore(oldest, "2301"), BackupStatus::Ok);
        QVERIFY(QFileInfo::exists(oldest));
        // The next copy lets it go.
        f.take();
        QCOMPARE(f.backup->list().size(), DatabaseBackup::kKept);
        QVERIFY(!QFileInfo::exists(oldest));
    }
};

QTEST_GUILESS_MAIN(DatabaseBackupTest)
#include "tst_databasebackup.moc"
