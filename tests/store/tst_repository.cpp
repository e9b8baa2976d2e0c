// SPDX-License-Identifier: MIT
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
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

using namespace colorcard;

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
        // The same colours as the texts the CSV export takes, NULL as no text.
        QVector<Colour> fromTexts;
        QVERIFY(f.window->colourTexts(library.id, [&](const StoredColourTexts& texts) {
            QStringList values;
            for (int i = 1; i < StoredColourTexts::Count; ++i)
                values << (texts.data[i] ? QString::fromUtf8(texts.data[i], texts.size[i])
                                         : QString());
            fromTexts << Colour::fromValues(QString::fromUtf8(texts.data[0], texts.size[0]),
                                            values);
        }));
        QCOMPARE(fromTexts, *f.window->colours(library.id, false));
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
        QVERIFY(!f.window->colourTexts(library.id, [](const StoredColourTexts&) {}));
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

    // The library workflows' edits on either engine: what is read back is
    // what was written, the count follows the colours held.
    void libraryEdits_data() {
        QTest::addColumn<QString>("engine");
        engineRows("edits", [](QTestData&) {});
    }
    void libraryEdits() {
        QFETCH(QString, engine);
        if (skipWithoutServer(engine))
            QSKIP("no test server");
        Sides sides(engine, server_);
        QVERIFY2(sides.error.isEmpty(), qPrintable(sides.error));
        LibraryRepository& repo = *sides.window;
        // New identifiers carry the time to the second.
        repo.setClock([] { return QDateTime(QDate(2026, 5, 13), QTime(10, 0), Qt::UTC); });

        QVERIFY(repo.begin());
        QVERIFY(repo.inTransaction());
        Library library;
        library.id = repo.newLibraryId(1);
        QVERIFY(!repo.library(library.id)->isStored());
        library.name = QStringLiteral("Greens");
        library.description = QStringLiteral("绿");
        const QStringList ids = repo.newColourIds(library.id, 1, 3);
        QCOMPARE(QSet<QString>(ids.begin(), ids.end()).size(), 3);
        library.colours = {colour(ids[0], QStringLiteral("Leaf"), "40.10"),
                           colour(ids[1], QStringLiteral("Moss"), "30"),
                           colour(ids[2], QStringLiteral("Lime"), "80")};
        QVERIFY2(repo.addLibrary(library), qPrintable(repo.error()));
        QVERIFY(repo.commit());
        QVERIFY(!repo.inTransaction());

        QStringList values{QStringLiteral("41.5")};
        while (values.size() < ColorColumns::ValueCount)
            values << QStringLiteral("1");
        QVERIFY(repo.begin());
        QVERIFY2(repo.replaceColourValues(library.id, ids[0], values), qPrintable(repo.error()));
        QVERIFY2(repo.renameColour(library.id, ids[1], QStringLiteral("苔")),
                 qPrintable(repo.error()));
        QVERIFY2(repo.removeColour(library.id, ids[2]), qPrintable(repo.error()));
        QVector<Colour> labOnly = {
            colour(QStringLiteral("ColorDataX"), QStringLiteral("Fern"), "55")};
        QVERIFY2(repo.addLabColours(library.id, labOnly), qPrintable(repo.error()));
        QVERIFY2(repo.recount(library.id), qPrintable(repo.error()));
        QVERIFY(repo.commit());

        const QVector<Colour> held = *repo.colours(library.id);
        QStringList names;
        for (const Colour& c : held)
            names << c.name;
        QCOMPARE(names, (QStringList{QStringLiteral("Leaf"), QStringLiteral("苔"),
                                     QStringLiteral("Fern")}));
        QCOMPARE(held[0].values(), values);
        QCOMPARE(held[1].text(ColorColumns::LabL), QStringLiteral("30"));
        QCOMPARE(held[2].text(ColorColumns::Laba), QStringLiteral("-1.50"));
        QCOMPARE(repo.library(library.id)->count, QStringLiteral("3"));
        // Free numbers only: the removed colour's number comes back.
        const QStringList next = repo.newColourIds(library.id, 1, 2);
        for (const Colour& c : held)
            QVERIFY(!next.contains(c.id));
        QVERIFY(next.contains(ids[2]));

        QCOMPARE(repo.libraryByKey(QStringLiteral("Greens"), QStringLiteral("绿"))->id, library.id);
        QVERIFY(!repo.libraryByKey(QStringLiteral("Greens"), QString())->isStored());
        QCOMPARE(repo.libraryByKey(QStringLiteral("Reds"), QStringLiteral("Reds description"))->id,
                 kReds);
        QVERIFY(repo.newLibraryId(1) != library.id);

        QVERIFY2(repo.stampMeterNumber(QStringLiteral("M-9")), qPrintable(repo.error()));
        const QVector<Library> stamped = repo.libraries().value_or(QVector<Library>());
        QCOMPARE(stamped.size(), 3);
        for (const Library& l : stamped)
            QCOMPARE(l.meterNumber, QStringLiteral("M-9"));

        QVERIFY(repo.begin());
        QVERIFY2(repo.removeAllLibraries(), qPrintable(repo.error()));
        QVERIFY(repo.commit());
        QVERIFY(repo.libraries()->isEmpty());
        QVERIFY(!repo.colours(library.id));
        QCOMPARE(repo.lastResult().error, StoreError::QueryColors);
    }

    // Edits through the repository leave the file exactly as the store's own
    // statements do: every row and every value's storage class.
    void editsWriteWhatTheStoreWrote() {
        Fixture byStore, byRepository;
        SqliteRepository repo(byRepository.cli());
        ColorCardStore& store = byStore.store;
        const QString navy = QStringLiteral("ColorData1260513100001");
        const QString sky = QStringLiteral("ColorData2260513100001");
        const QString blues = QStringLiteral("ColorCard2260513100000");
        QStringList values{QStringLiteral("2"), QString()};
        while (values.size() < ColorColumns::ValueCount)
            values << QStringLiteral("2");

        QVERIFY(store.updateColorData(blues, values, navy).ok());
        QVERIFY(store.updateColorDataName(blues, QStringLiteral("海军"), sky).ok());
        QVERIFY(store
                    .insertColorDataBatchLab(blues, {QStringLiteral("ColorDataL")},
                                             {QStringLiteral("Ice")}, {QStringLiteral("90")},
                                             {QString()}, {QStringLiteral("-4")})
                    .ok());
        QVERIFY(store.deleteColorData(kReds, QStringLiteral("ColorData2260513100000")).ok());
        QVERIFY(store.recountLibrary(kReds).ok());
        QVERIFY(store.recountLibrary(blues).ok());
        QVERIFY(store.updateMeterNumberOfAll(QStringLiteral("M-2")).ok());

        QVERIFY(repo.replaceColourValues(blues, navy, values));
        QVERIFY(repo.renameColour(blues, sky, QStringLiteral("海军")));
        Colour ice = colour(QStringLiteral("ColorDataL"), QStringLiteral("Ice"), "90");
        ice.text(ColorColumns::Laba) = QString();
        ice.text(ColorColumns::Labb) = QStringLiteral("-4");
        QVector<Colour> added{ice};
        QVERIFY(repo.addLabColours(blues, added));
        QVERIFY(repo.removeColour(kReds, QStringLiteral("ColorData2260513100000")));
        QVERIFY(repo.recount(kReds));
        QVERIFY(repo.recount(blues));
        QVERIFY(repo.stampMeterNumber(QStringLiteral("M-2")));

        const auto dump = [](const QSqlDatabase& db, const QString& table) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("SELECT * FROM \"%1\" ORDER BY id").arg(table));
            QStringList rows;
            while (q.next()) {
                QStringList cells;
                for (int c = 0; c < q.record().count(); ++c) {
                    cells << (q.value(c).isNull() ? QStringLiteral("NULL")
                                                  : q.value(c).toString() + QLatin1Char(':') +
                                                        QString::fromLatin1(q.value(c).typeName()));
                }
                rows << cells.join(QLatin1Char('|'));
            }
            return rows;
        };
        for (const QString& table : {QStringLiteral("ColorCard"), kReds, blues}) {
            const QStringList expected = dump(byStore.window(), table);
            QVERIFY(expected.size() >= 2);
            QCOMPARE(dump(byRepository.window(), table), expected);
        }
        // The stored count is a text, as the store always wrote it.
        QSqlQuery kind(byRepository.window());
        QVERIFY(kind.exec(QStringLiteral("SELECT DISTINCT typeof(colorcardcount) FROM ColorCard")));
        QVERIFY(kind.next());
        QCOMPARE(kind.value(0).toString(), QStringLiteral("text"));
        QVERIFY(!kind.next());
    }
};

QTEST_GUILESS_MAIN(RepositoryTest)
#include "tst_repository.moc"
