// SPDX-License-Identifier: MIT
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "server/PgRepository.h"
#include "store/ColorCardStore.h"
#include "store/RepositoryCopy.h"
#include "store/StoreConnection.h"
#include "store/sqlite/SqliteRepository.h"
#include "tests/support/SampleLibraries.h"
#include "tests/support/TestServer.h"

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

const QString kSqlite = QStringLiteral("sqlite");
const QString kServer = QStringLiteral("postgresql");

// The window's and the command line's repositories on one store of either
// engine, both holding the sample libraries (copied onto the server).
struct Sides {
    Fixture files;
    std::unique_ptr<LibraryRepository> window;
    std::unique_ptr<LibraryRepository> cli;
    QString error;

    Sides(const QString& engine, TestServer& server) {
        if (engine == kSqlite) {
            window = std::make_unique<SqliteRepository>(files.window());
            cli = std::make_unique<SqliteRepository>(files.cli());
            return;
        }
        error = server.clear();
        SqliteRepository samples(files.cli());
        window = std::make_unique<PgRepository>(server.open());
        cli = std::make_unique<PgRepository>(server.open());
        const RepositoryCopy::Result copied = RepositoryCopy::copy(samples, *cli);
        if (error.isEmpty() && !copied.ok)
            error = copied.error;
        // The copy is not what the tests watch.
        window->checkForChanges();
        cli->checkForChanges();
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

    TestServer server_{QStringLiteral("colorcard_repository_test")};
    bool serverReady_ = false;

    // A row per engine; the server's skip without a test server.
    static void engineRows(const QString& label, const std::function<void(QTestData&)>& values) {
        for (const QString& engine : {kSqlite, kServer})
            values(QTest::newRow(qPrintable(engine + QStringLiteral(": ") + label)) << engine);
    }
    bool skipWithoutServer(const QString& engine) { return engine == kServer && !serverReady_; }

private slots:
    void initTestCase() {
        if (!server_.available()) {
            QVERIFY2(!TestServer::required(),
                     "no test server, and COLORCARD_REQUIRE_SERVER is set");
            qInfo("no PostgreSQL test server: the server's rows skip");
            return;
        }
        const QString error = server_.create();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        serverReady_ = true;
    }

    // changed() comes once per commit that changed the file: at once on the
    // committing repository, and on the other at its next look.
    void changeNotification_data() {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("writer");
        QTest::addColumn<bool>("commit");
        QTest::addColumn<int>("writerSignals");
        QTest::addColumn<int>("readerSignals");
        engineRows("committed by the window",
                   [](QTestData& row) { row << QStringLiteral("window") << true << 1 << 1; });
        engineRows("committed by the command line",
                   [](QTestData& row) { row << QStringLiteral("cli") << true << 1 << 1; });
        engineRows("rolled back",
                   [](QTestData& row) { row << QStringLiteral("window") << false << 0 << 0; });
        engineRows("nothing written", [](QTestData& row) { row << QString() << false << 0 << 0; });
    }
    void changeNotification() {
        QFETCH(QString, engine);
        QFETCH(QString, writer);
        QFETCH(bool, commit);
        QFETCH(int, writerSignals);
        QFETCH(int, readerSignals);
        if (skipWithoutServer(engine))
            QSKIP("no PostgreSQL test server");
        Sides f(engine, server_);
        QVERIFY2(f.error.isEmpty(), qPrintable(f.error));
        LibraryRepository& windowSide = *f.window;
        LibraryRepository& cliSide = *f.cli;
        LibraryRepository& writing = writer == QLatin1String("cli") ? cliSide : windowSide;
        LibraryRepository& reading = writer == QLatin1String("cli") ? windowSide : cliSide;
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

    // What is written through either engine reads back as written: texts as
    // given, the count recounted, the tolerance and the history entry whole.
    void roundTrip_data() {
        QTest::addColumn<QString>("engine");
        engineRows("library, tolerance, history", [](QTestData&) {});
    }
    void roundTrip() {
        QFETCH(QString, engine);
        if (skipWithoutServer(engine))
            QSKIP("no PostgreSQL test server");
        Sides f(engine, server_);
        QVERIFY2(f.error.isEmpty(), qPrintable(f.error));
        LibraryRepository& repository = *f.cli;
        Library library;
        library.id = QStringLiteral("ColorCard3260513100000");
        library.meterNumber = QStringLiteral("CM-1");
        library.name = QStringLiteral("Greens");
        library.description = QStringLiteral("春季");
        // Quotes and backslashes are texts like any other, on either engine.
        library.colours = {colour(QStringLiteral("ColorData1"), QStringLiteral("Leaf"), "40.10"),
                           colour(QStringLiteral("ColorData2"), QStringLiteral("叶"), ""),
                           colour(QStringLiteral("ColorData3"), QStringLiteral("O'Neil \\' \\n"),
                                  QStringLiteral("\\\\''"))};
        QVERIFY(repository.begin());
        QVERIFY2(repository.addLibrary(library), qPrintable(repository.error()));
        QVERIFY2(repository.commit(), qPrintable(repository.error()));
        const Library stored = *f.window->library(library.id);
        QCOMPARE(stored.rowId, library.rowId);
        QCOMPARE(stored.version, library.version);
        QCOMPARE(stored.count, QStringLiteral("3"));
        QCOMPARE(stored.description, library.description);
        QCOMPARE(*f.window->colours(library.id), library.colours);
        QCOMPARE(f.window->libraries()->size(), 3);

        const Tolerance tolerance{DifferenceMethod::cmc(2, 1), 1.5};
        QVERIFY2(repository.setTolerance(library.id, tolerance), qPrintable(repository.error()));
        QCOMPARE(*f.window->tolerance(library.id), tolerance);

        HistoryEntry entry;
        entry.meterNumber = QStringLiteral("CM-1");
        entry.libraryId = library.id;
        entry.libraryName = library.name;
        entry.colourId = QStringLiteral("ColorData1");
        entry.colourName = QStringLiteral("Leaf");
        entry.standard = Lab{40.1, -1.5, 3};
        entry.sample = Lab{41, -1, 2.5};
        entry.readings = 3;
        entry.deviation = Lab{0.1, 0.2, 0.3};
        entry.deltaE = 1.2;
        entry.tolerance = tolerance;
        entry.pass = true;
        const QDateTime when = QDateTime(QDate(2026, 5, 13), QTime(10, 0, 1, 250), Qt::UTC);
        repository.setClock([when] { return when; });
        QVERIFY2(repository.addHistory(entry), qPrintable(repository.error()));
        const QVector<HistoryEntry> history = *f.window->history(-1, library.id);
        QCOMPARE(history.size(), 1);
        QCOMPARE(history[0].id, entry.id);
        QCOMPARE(history[0].time, when);
        QCOMPARE(history[0].colourName, entry.colourName);
        QCOMPARE(history[0].sample.b, 2.5);
        QCOMPARE(history[0].deviation.a, 0.2);
        QCOMPARE(history[0].readings, 3);
        QCOMPARE(history[0].tolerance, tolerance);
        QVERIFY(history[0].toleranceKnown && history[0].pass);

        QVERIFY(repository.renameLibrary(library.id, QStringLiteral("Greens 2"), QString()));
        QCOMPARE(f.window->library(library.id)->name, QStringLiteral("Greens 2"));
        QVERIFY(repository.begin());
        QVERIFY(repository.removeLibrary(library.id));
        QVERIFY(repository.commit());
        QVERIFY(!f.window->library(library.id)->isStored());
        QCOMPARE(*f.window->tolerance(library.id), Tolerance{});
        QVERIFY(!f.window->colours(library.id));
        QVERIFY(f.window->error().contains(library.id));
        // The history keeps what was judged, the library gone or not.
        QCOMPARE(f.window->history(-1, library.id)->size(), 1);
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
