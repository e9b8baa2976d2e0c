// SPDX-License-Identifier: MIT
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include "store/ColorCardStore.h"
#include "store/StoreConnection.h"
#include "store/sqlite/SqliteRepository.h"
#include "tests/support/SampleLibraries.h"

namespace {

const QString kReds = QStringLiteral("ColorCard1260513100000");

// The window's store with the sample libraries, and a second connection to
// its file as the command line would hold it.
struct Fixture {
    QTemporaryDir dir;
    ColorCardStore store{dir.path()};
    StoreConnection other;

    Fixture() {
        store.openDatabase();
        addSampleLibraries(store);
        other.open(store.databasePath(), StoreConnection::Mode::ReadWrite);
    }
    QSqlDatabase window() const { return QSqlDatabase::database(store.connectionName(), false); }
    QSqlDatabase cli() const { return QSqlDatabase::database(other.connectionName(), false); }
    // The schema text SQLite keeps for a table.
    QString schemaOf(const QString& table) {
        QSqlQuery q(window());
        q.prepare(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = ?"));
        q.addBindValue(table);
        return q.exec() && q.next() ? q.value(0).toString() : QString();
    }
};

Colour colour(const QString& id, const QString& name, const QString& L) {
    QStringList values{L, QStringLiteral("-1.50"), QStringLiteral("3")};
    while (values.size() < ColorColumns::ValueCount)
        values << QString();
    Colour c = Colour::fromValues(name, values);
    c.id = id;
    return c;
}

}  // namespace

class RepositoryTest : public QObject {
    Q_OBJECT

private slots:
    // changed() comes once per commit that changed the file: at once on the
    // committing repository, and on the other at its next look.
    void changeNotification_data() {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<bool>("commit");
        QTest::addColumn<int>("writerSignals");
        QTest::addColumn<int>("readerSignals");
        QTest::newRow("committed by the window") << "window" << true << 1 << 1;
        QTest::newRow("committed by the command line") << "cli" << true << 1 << 1;
        QTest::newRow("rolled back") << "window" << false << 0 << 0;
        QTest::newRow("nothing written") << "" << false << 0 << 0;
    }
    void changeNotification() {
        QFETCH(QString, writer);
        QFETCH(bool, commit);
        QFETCH(int, writerSignals);
        QFETCH(int, readerSignals);
        Fixture f;
        SqliteRepository windowSide(f.window());
        SqliteRepository cliSide(f.cli());
        SqliteRepository& writing = writer == QLatin1String("cli") ? cliSide : windowSide;
        SqliteRepository& reading = writer == QLatin1String("cli") ? windowSide : cliSide;
        QSignalSpy wrote(&writing, &LibraryRepository::changed);
        QSignalSpy read(&reading, &LibraryRepository::changed);
        if (!writer.isEmpty()) {
            QVERIFY2(writing.begin(), qPrintable(writing.error()));
            QVector<Colour> added{colour(QStringLiteral("ColorData9"), QStringLiteral("new"),
                                         QStringLiteral("12.00"))};
            QVERIFY2(writing.addColours(kReds, added), qPrintable(writing.error()));
            if (commit)
                QVERIFY2(writing.commit(), qPrintable(writing.error()));
            else
                writing.rollback();
        }
        QCOMPARE(reading.checkForChanges(), readerSignals > 0);
        QCOMPARE(writing.checkForChanges(), false);  // its own commit was told already
        QCOMPARE(wrote.count(), writerSignals);
        QCOMPARE(read.count(), readerSignals);
        // A second look finds nothing new.
        QVERIFY(!reading.checkForChanges());
        QCOMPARE(read.count(), readerSignals);
        QCOMPARE(reading.colours(kReds)->size(), commit ? 4 : 3);
    }

    // A library written through the repository is what the store would have
    // written: the same schema text, the texts as given, the count recounted.
    void addedLibraryMatchesTheStore() {
        Fixture f;
        SqliteRepository repository(f.cli());
        Library library;
        library.id = QStringLiteral("ColorCard3260513100000");
        library.meterNumber = QStringLiteral("CM-1");
        library.name = QStringLiteral("Greens");
        library.description = QStringLiteral("");
        library.colours = {colour(QStringLiteral("ColorData1"), QStringLiteral("Leaf"), "40.10"),
                           colour(QStringLiteral("ColorData2"), QStringLiteral("叶"), "")};
        QVERIFY(repository.begin());
        QVERIFY2(repository.addLibrary(library), qPrintable(repository.error()));
        QVERIFY(repository.commit());
        QVERIFY(library.rowId > 0);
        QVERIFY(library.colours[1].rowId > library.colours[0].rowId);

        QString expected = f.schemaOf(kReds);
        expected.replace(kReds, library.id);
        QCOMPARE(f.schemaOf(library.id), expected);
        const Library stored = f.store.selectLibrary(library.id);
        QCOMPARE(stored.count, QStringLiteral("2"));
        QCOMPARE(stored.name, library.name);
        const QVector<Colour> colours = f.store.selectColours(library.id);
        QCOMPARE(colours.size(), 2);
        for (int i = 0; i < colours.size(); ++i)
            QCOMPARE(colours[i], library.colours[i]);
        QVERIFY(!colours[1].number(ColorColumns::LabL));
        QCOMPARE(*colours[0].number(ColorColumns::Laba), -1.5);

        // Removed with its tolerance; a library that is not there reads as not stored.
        QVERIFY(repository.setTolerance(library.id, Tolerance{DifferenceMethod::cie76(), 2.0}));
        QVERIFY(repository.begin());
        QVERIFY(repository.removeLibrary(library.id));
        QVERIFY(repository.commit());
        QVERIFY(!repository.library(library.id)->isStored());
        QCOMPARE(*repository.tolerance(library.id), Tolerance{});
        QVERIFY(!repository.colours(library.id));
        QVERIFY(repository.error().contains(library.id));
    }
};

QTEST_GUILESS_MAIN(RepositoryTest)
#include "tst_repository.moc"
