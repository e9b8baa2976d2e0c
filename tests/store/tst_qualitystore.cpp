// SPDX-License-Identifier: MIT
#include <QBuffer>
#include <QCryptographicHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "store/ColorCardStore.h"
#include "store/LibraryReader.h"
#include "store/QualityStore.h"
#include "store/StoreConnection.h"
#include "tests/support/SampleLibraries.h"

using namespace colorcard;

Q_DECLARE_METATYPE(Tolerance)
Q_DECLARE_METATYPE(HistoryFilter)

namespace {

const QString kReds = QStringLiteral("ColorCard1260513100000");
const QString kBlues = QStringLiteral("ColorCard2260513100000");

// The window's store with the sample libraries, and the quality tables on
// its connection.
struct Fixture {
    QTemporaryDir dir;
    ColorCardStore store{dir.path()};
    std::unique_ptr<QualityStore> quality;

    Fixture() {
        store.openDatabase();
        addSampleLibraries(store);
        quality = std::make_unique<QualityStore>(store.connectionName());
        quality->setClock([] { return QDateTime(QDate(2026, 5, 13), QTime(8, 30, 0), Qt::UTC); });
    }
    QString path() const { return store.databasePath(); }
    QStringList schema() {
        QSqlQuery q(QSqlDatabase::database(store.connectionName(), false));
        q.exec(QStringLiteral("SELECT name || ': ' || sql FROM sqlite_master ORDER BY name"));
        QStringList result;
        while (q.next())
            result << q.value(0).toString();
        return result;
    }
    QByteArray fileHash() const {
        QFile file(path());
        file.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }
};

QualityStore::HistoryEntry entry(const QString& library, const QString& colour, double deltaE,
                                 bool pass) {
    QualityStore::HistoryEntry e;
    e.meterNumber = QStringLiteral("CM-1");
    e.libraryId = library;
    e.libraryName = library == kReds ? QStringLiteral("Reds") : QStringLiteral("Blues");
    e.colourId = colour;
    e.colourName = colour;
    e.standard = Lab{45, 60, 40};
    e.sample = Lab{45.5, 59.25, 40.125};
    e.readings = 3;
    e.deviation = Lab{0.1, 0.2, 0.05};
    e.deltaE = deltaE;
    e.tolerance = Tolerance{DifferenceMethod::cmc(2, 1), 1.5};
    e.pass = pass;
    return e;
}

}  // namespace

class QualityStoreTest : public QObject {
    Q_OBJECT
private slots:
    // Reading the quality tables of a store that has none changes nothing;
    // the first write adds the new tables and leaves the others as they were.
    void existingStoreStaysAsItWas() {
        Fixture f;
        const QStringList before = f.schema();
        const QByteArray hash = f.fileHash();
        QCOMPARE(f.quality->tolerance(kReds), std::optional<Tolerance>(Tolerance{}));
        QCOMPARE(f.quality->history()->size(), 0);
        QCOMPARE(f.quality->passRate()->total, 0);
        QVERIFY(f.quality->removeTolerance(kReds));
        QVERIFY(f.quality->clearHistory());
        QCOMPARE(f.schema(), before);
        QCOMPARE(f.fileHash(), hash);

        QVERIFY(f.quality->setTolerance(kReds, Tolerance{DifferenceMethod::cie76(), 2}));
        auto third = entry(kReds, QStringLiteral("c"), 0.5, true);
        QVERIFY(f.quality->addHistory(third));
        QStringList after = f.schema();
        QCOMPARE(after.filter(QStringLiteral("ColorCard")),
                 before.filter(QStringLiteral("ColorCard")));
        QCOMPARE(after.filter(QRegularExpression(QStringLiteral("^Qc"))).size(), 2);
    }

    void tolerancesRoundTrip_data() {
        QTest::addColumn<Tolerance>("tolerance");
        QTest::newRow("cmc 1:1") << Tolerance{DifferenceMethod::cmc(1, 1), 1.5};
        QTest::newRow("cmc 2:1 commercial") << Tolerance{DifferenceMethod::cmc(2, 1), 0.8};
        QTest::newRow("00 textiles") << Tolerance{DifferenceMethod::ciede2000(2, 1, 1), 1.0};
        QTest::newRow("94 textiles") << Tolerance{DifferenceMethod::cie94(true), 2.25};
        QTest::newRow("76") << Tolerance{DifferenceMethod::cie76(), 3};
    }
    void tolerancesRoundTrip() {
        QFETCH(Tolerance, tolerance);
        Fixture f;
        QVERIFY2(f.quality->setTolerance(kReds, tolerance), qPrintable(f.quality->error()));
        QCOMPARE(f.quality->tolerance(kReds), std::optional<Tolerance>(tolerance));
        // Per library: the other keeps the default.
        QCOMPARE(f.quality->tolerance(kBlues), std::optional<Tolerance>(Tolerance{}));
        // A second store on the same file sees it.
        StoreConnection other;
        QVERIFY(other.open(f.path(), StoreConnection::Mode::ReadOnly));
        QCOMPARE(QualityStore(other.connectionName()).tolerance(kReds),
                 std::optional<Tolerance>(tolerance));
        QVERIFY(f.quality->removeTolerance(kReds));
        QCOMPARE(f.quality->tolerance(kReds), std::optional<Tolerance>(Tolerance{}));
    }

    void badTolerancesAreRefused() {
        Fixture f;
        const Tolerance kept{DifferenceMethod::cie76(), 2};
        QVERIFY(f.quality->setTolerance(kReds, kept));
        QVERIFY(!f.quality->setTolerance(kReds, Tolerance{DifferenceMethod::cie76(), 0}));
        QVERIFY(!f.quality->error().isEmpty());
        QVERIFY(!f.quality->setTolerance(kReds, Tolerance{DifferenceMethod::cmc(-2, 1), 1}));
        QCOMPARE(f.quality->tolerance(kReds), std::optional<Tolerance>(kept));
        // A row written badly by hand judges by the default, not by limit 0.
        QSqlQuery(QSqlDatabase::database(f.store.connectionName(), false))
            .exec(QStringLiteral("UPDATE QcTolerance SET tolerancelimit = 0"));
        QCOMPARE(f.quality->tolerance(kReds), std::optional<Tolerance>(Tolerance{}));
    }

    void historyAndPassRate() {
        Fixture f;
        const struct {
            QString library;
            double deltaE;
            bool pass;
        } rows[] = {
            {kReds, 0.4, true}, {kReds, 1.9, false}, {kBlues, 0.7, true}, {kReds, 0.2, true}};
        int n = 0;
        for (const auto& row : rows) {
            auto e = entry(row.library, QStringLiteral("colour %1").arg(++n), row.deltaE, row.pass);
            QVERIFY(f.quality->addHistory(e));
            QCOMPARE(e.id, qint64(n));
            QCOMPARE(e.time, QDateTime(QDate(2026, 5, 13), QTime(8, 30, 0), Qt::UTC));
        }
        const auto all = f.quality->history();
        QCOMPARE(all->size(), 4);
        QCOMPARE(all->first().colourName, QStringLiteral("colour 4"));  // newest first
        const auto& e = all->last();
        QCOMPARE(e.libraryName, QStringLiteral("Reds"));
        QCOMPARE(e.sample.b, 40.125);
        QCOMPARE(e.readings, 3);
        QCOMPARE(e.deviation.a, 0.2);
        QCOMPARE(e.tolerance, (Tolerance{DifferenceMethod::cmc(2, 1), 1.5}));
        QCOMPARE(e.time, QDateTime(QDate(2026, 5, 13), QTime(8, 30, 0), Qt::UTC));
        QCOMPARE(f.quality->history(2)->size(), 2);
        QCOMPARE(f.quality->history(-1, kBlues)->size(), 1);
        QCOMPARE(f.quality->passRate()->passed, 3);
        QCOMPARE(f.quality->passRate()->rate(), 0.75);
        QCOMPARE(f.quality->passRate(kReds)->total, 3);
        QCOMPARE(f.quality->passRate(kReds)->passed, 2);
        QCOMPARE(f.quality->passRate(QStringLiteral("none"))->rate(), 0.0);
        QVERIFY(f.quality->clearHistory());
        QCOMPARE(f.quality->passRate()->total, 0);
    }

    // The library's model keeps its formula and limit in QcTolerance; a
    // standard's own model overrides all of it until removed.
    void toleranceModels() {
        Fixture f;
        ToleranceModel library{Tolerance{DifferenceMethod::cmc(2, 1), 1.5}, 1.0, {}, {}, {}};
        library.lightness = AxisBounds{0.5, 1.25};
        library.hue.above = 0.4;
        QVERIFY2(f.quality->setToleranceModel(kReds, QString(), library),
                 qPrintable(f.quality->error()));
        QCOMPARE(*f.quality->tolerance(kReds), library.tolerance);
        QVERIFY(*f.quality->toleranceModel(kReds) == library);
        QVERIFY(*f.quality->toleranceModel(kReds, QStringLiteral("c1")) == library);
        QCOMPARE(*f.quality->hasToleranceOverride(kReds, QStringLiteral("c1")), false);

        ToleranceModel own{Tolerance{DifferenceMethod::cie76(), 3}, {}, {}, {}, {}};
        own.chroma.below = 0.75;
        QVERIFY(f.quality->setToleranceModel(kReds, QStringLiteral("c1"), own));
        QVERIFY(*f.quality->toleranceModel(kReds, QStringLiteral("c1")) == own);
        QVERIFY(*f.quality->toleranceModel(kReds, QStringLiteral("c2")) == library);
        QCOMPARE(*f.quality->tolerance(kReds), library.tolerance);  // untouched
        QCOMPARE(*f.quality->hasToleranceOverride(kReds, QStringLiteral("c1")), true);

        // The formula and limit written as before keep the warning and axes.
        const Tolerance wider{DifferenceMethod::ciede2000(), 2};
        QVERIFY(f.quality->setTolerance(kReds, wider));
        ToleranceModel expected = library;
        expected.tolerance = wider;
        QVERIFY(*f.quality->toleranceModel(kReds) == expected);
        // A limit lowered under the warning level by such a write drops the extras.
        QVERIFY(f.quality->setTolerance(kReds, Tolerance{DifferenceMethod::ciede2000(), 0.5}));
        QVERIFY(*f.quality->toleranceModel(kReds) ==
                (ToleranceModel{Tolerance{DifferenceMethod::ciede2000(), 0.5}, {}, {}, {}, {}}));

        QVERIFY(f.quality->removeToleranceOverride(kReds, QStringLiteral("c1")));
        QCOMPARE(*f.quality->hasToleranceOverride(kReds, QStringLiteral("c1")), false);
        QVERIFY(f.quality->setToleranceModel(kReds, QStringLiteral("c1"), own));
        QVERIFY(f.quality->removeTolerance(kReds));
        QVERIFY(*f.quality->toleranceModel(kReds, QStringLiteral("c1")) == ToleranceModel{});

        ToleranceModel bad = library;
        bad.warning = 2;  // over the limit
        QVERIFY(!f.quality->setToleranceModel(kReds, QString(), bad));
        QVERIFY(!f.quality->error().isEmpty());
    }

    void lotsAreNamedOnce() {
        Fixture f;
        QCOMPARE(f.quality->lots()->size(), 0);
        QVERIFY(!f.quality->findLot(QStringLiteral("A")));
        QVERIFY(f.quality->error().isEmpty());
        Lot a{0, QStringLiteral(" A "), QStringLiteral("first run"), QStringLiteral("Li"), {}};
        QVERIFY(f.quality->addLot(a));
        QCOMPARE(a.name, QStringLiteral("A"));
        QCOMPARE(a.created, QDateTime(QDate(2026, 5, 13), QTime(8, 30, 0), Qt::UTC));
        Lot again{0, QStringLiteral("A"), {}, {}, {}};
        QVERIFY(!f.quality->addLot(again));
        Lot unnamed{0, QStringLiteral("  "), {}, {}, {}};
        QVERIFY(!f.quality->addLot(unnamed));
        const auto found = f.quality->findLot(QStringLiteral("A"));
        QVERIFY(found);
        QCOMPARE(found->id, a.id);
        QCOMPARE(found->note, QStringLiteral("first run"));
        QCOMPARE(found->operatorName, QStringLiteral("Li"));
    }

    // Six comparisons over three days in two lots and two libraries.
    void historyFilters_data() {
        QTest::addColumn<HistoryFilter>("filter");
        QTest::addColumn<QVector<qint64>>("ids");  // newest first
        const auto day = [](int d, int hour) {
            return QDateTime(QDate(2026, 5, d), QTime(hour, 0), Qt::UTC);
        };
        HistoryFilter all;
        QTest::newRow("everything") << all << QVector<qint64>{6, 5, 4, 3, 2, 1};
        HistoryFilter lotA;
        lotA.lotId = 1;
        QTest::newRow("lot A") << lotA << QVector<qint64>{3, 2, 1};
        HistoryFilter lotB = lotA;
        lotB.lotId = 2;
        QTest::newRow("lot B") << lotB << QVector<qint64>{5, 4};
        HistoryFilter blues;
        blues.libraryId = kBlues;
        QTest::newRow("a library") << blues << QVector<qint64>{5, 2};
        HistoryFilter standard;
        standard.libraryId = kReds;
        standard.colourId = QStringLiteral("r1");
        QTest::newRow("a standard") << standard << QVector<qint64>{6, 4, 1};
        HistoryFilter standardInB = standard;
        standardInB.lotId = 2;
        QTest::newRow("a standard in lot B") << standardInB << QVector<qint64>{4};
        HistoryFilter middleDay;
        middleDay.from = day(14, 0);
        middleDay.to = day(14, 23);
        QTest::newRow("one day") << middleDay << QVector<qint64>{4, 3};
        HistoryFilter fromDay = middleDay;
        fromDay.to = {};
        fromDay.limit = 2;
        QTest::newRow("from a day, at most two") << fromDay << QVector<qint64>{6, 5};
        HistoryFilter noLot;
        noLot.lotId = 99;
        QTest::newRow("no such lot") << noLot << QVector<qint64>{};
    }
    void historyFilters() {
        QFETCH(HistoryFilter, filter);
        QFETCH(QVector<qint64>, ids);
        Fixture f;
        QDateTime now(QDate(2026, 5, 13), QTime(9, 0), Qt::UTC);
        f.quality->setClock([&now] { return now; });
        Lot a{0, QStringLiteral("A"), {}, {}, {}};
        Lot b{0, QStringLiteral("B"), {}, {}, {}};
        QVERIFY(f.quality->addLot(a));
        QVERIFY(f.quality->addLot(b));
        const struct {
            int day;
            qint64 lot;
            QString library;
            const char* colour;
        } rows[] = {{13, a.id, kReds, "r1"}, {13, a.id, kBlues, "b1"}, {14, a.id, kReds, "r2"},
                    {14, b.id, kReds, "r1"}, {15, b.id, kBlues, "b1"}, {15, 0, kReds, "r1"}};
        for (const auto& row : rows) {
            now = QDateTime(QDate(2026, 5, row.day), QTime(10, 0), Qt::UTC);
            auto e = entry(row.library, QString::fromLatin1(row.colour), 0.5, true);
            e.lotId = row.lot;
            QVERIFY(f.quality->addHistory(e));
        }
        const auto found = f.quality->history(filter);
        QVERIFY2(found, qPrintable(f.quality->error()));
        QVector<qint64> actual;
        for (const auto& e : *found) {
            actual << e.id;
            QCOMPARE(e.lotName, e.id == 6   ? QString()
                                : e.id <= 3 ? QStringLiteral("A")
                                            : QStringLiteral("B"));
        }
        QCOMPARE(actual, ids);
    }

    // WARN is kept beside the row; rows without it are judged by their pass.
    void verdictsKept() {
        Fixture f;
        auto warned = entry(kReds, QStringLiteral("r1"), 1.3, true);
        warned.verdict = Verdict::Warn;
        warned.warningLevel = 1.2;
        auto failed = entry(kReds, QStringLiteral("r1"), 1.9, false);
        auto passed = entry(kReds, QStringLiteral("r1"), 0.2, true);
        for (auto* e : {&warned, &failed, &passed})
            QVERIFY(f.quality->addHistory(*e));
        const auto all = *f.quality->history();
        QCOMPARE(all[2].judged(), Verdict::Warn);
        QCOMPARE(all[2].warningLevel, std::optional<double>(1.2));
        QCOMPARE(all[1].judged(), Verdict::Fail);
        QCOMPARE(all[0].judged(), Verdict::Pass);
        QBuffer csv;
        csv.open(QIODevice::WriteOnly);
        QVERIFY(f.quality->writeHistoryCsv(csv, Language::english()));
        const QStringList lines = QString::fromUtf8(csv.data()).split(QStringLiteral("\r\n"));
        QVERIFY(lines[1].endsWith(QStringLiteral(",WARN")));
        QVERIFY(lines[2].endsWith(QStringLiteral(",FAIL")));
        QVERIFY(lines[3].endsWith(QStringLiteral(",PASS")));
        QVERIFY(f.quality->clearHistory());
        QCOMPARE(f.quality->history()->size(), 0);
    }

    // The exact bytes: the UTF-8 byte-order mark, header in the chosen language, oldest row first,
    // quoted where a field holds a comma or a quote, CRLF after every row.
    void historyCsv_data() {
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray row1 =
            "CM-1,Reds,\"Red, warm\",45.0000,60.0000,40.0000,45.5000,59.2500,40.1250,3,0.1000,"
            "0.2000,0.0500,0.5000,-0.7500,0.1250,0.6000,ΔE CMC(2:1),1.5000,";
        const QByteArray row2 =
            "CM-1,Blues,\"Sky \"\"light\"\"\",45.0000,60.0000,40.0000,45.5000,59.2500,40.1250,3,"
            "0.1000,0.2000,0.0500,0.5000,-0.7500,0.1250,2.1000,ΔE CMC(2:1),1.5000,";
        const QByteArray time = QDateTime(QDate(2026, 5, 13), QTime(8, 30, 0), Qt::UTC)
                                    .toLocalTime()
                                    .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                                    .toUtf8() +
                                ",";
        QTest::newRow("english")
            << false
            << QByteArray(
                   "\xEF\xBB\xBFTime,Meter number,Library,Standard,Standard L*,Standard "
                   "a*,Standard "
                   "b*,Sample L*,Sample a*,Sample b*,Readings,SD L*,SD a*,SD b*,ΔL*,Δa*,Δb*,ΔE,"
                   "Formula,Limit,Result\r\n") +
                   time + row1 + "PASS\r\n" + time + row2 + "FAIL\r\n";
        QTest::newRow("chinese") << true
                                 << QByteArray(
                                        "\xEF\xBB\xBF时间,仪器编号,色卡库,标准色,标准 L*,标准 "
                                        "a*,标准 b*,样品 L*,样品 a*,"
                                        "样品 b*,测量次数,L* 标准差,a* 标准差,b* "
                                        "标准差,ΔL*,Δa*,Δb*,ΔE,公式,容差,结果\r\n") +
                                        time + row1 + "合格\r\n" + time + row2 + "不合格\r\n";
    }
    void historyCsv() {
        QFETCH(bool, chinese);
        QFETCH(QByteArray, expected);
        Fixture f;
        auto first = entry(kReds, QStringLiteral("Red, warm"), 0.6, true);
        auto second = entry(kBlues, QStringLiteral("Sky \"light\""), 2.1, false);
        QVERIFY(f.quality->addHistory(first));
        QVERIFY(f.quality->addHistory(second));
        const QString path = f.dir.filePath(QStringLiteral("history.csv"));
        QVERIFY(
            f.quality->exportHistoryCsv(path, chinese ? Language::chinese() : Language::english()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), expected);
        // A folder that is not there: refused, with the reason.
        QVERIFY(!f.quality->exportHistoryCsv(f.dir.filePath(QStringLiteral("no/such.csv")),
                                             Language::english()));
        QVERIFY(f.quality->error().contains(QStringLiteral("no/such.csv")));
    }

    // Names a spreadsheet would take for formulas get a leading apostrophe;
    // negative numbers stay numbers.
    void historyCsvGuardsFormulas() {
        Fixture f;
        for (const char* name : {"=HYPERLINK(\"x\")", "@SUM(A1)", "+cmd", "-12.5"}) {
            auto e = entry(kReds, QString::fromUtf8(name), 0.6, true);
            QVERIFY(f.quality->addHistory(e));
        }
        QBuffer out;
        QVERIFY(out.open(QIODevice::WriteOnly));
        QVERIFY(f.quality->writeHistoryCsv(out, Language::english()));
        const QByteArray csv = out.data();
        QVERIFY(csv.contains(",\"'=HYPERLINK(\"\"x\"\")\","));
        QVERIFY(csv.contains(",'@SUM(A1),"));
        QVERIFY(csv.contains(",'+cmd,"));
        QVERIFY(csv.contains(",-12.5,"));
    }

    // A read-only connection beside the window's never writes.
    void readOnlyConnectionDoesNotWrite() {
        Fixture f;
        const QByteArray hash = f.fileHash();
        StoreConnection reader;
        QVERIFY2(reader.open(f.path(), StoreConnection::Mode::ReadOnly),
                 qPrintable(reader.error()));
        QualityStore quality(reader.connectionName());
        QVERIFY(!quality.setTolerance(kReds, Tolerance{}));
        QVERIFY(quality.error().contains(QStringLiteral("read")));
        auto e = entry(kReds, QStringLiteral("x"), 1, true);
        QVERIFY(!quality.addHistory(e));
        QCOMPARE(f.fileHash(), hash);
    }

    // While the window holds a write transaction, a second writer waits its
    // busy time, then gives up with a reason; the window's work is kept.
    void secondWriterWaitsForTheWindow() {
        Fixture f;
        QVERIFY(f.store.beginTransaction());
        QVERIFY(f.quality->setTolerance(kBlues, Tolerance{DifferenceMethod::cie76(), 4}));
        StoreConnection writer;
        QVERIFY(writer.open(f.path(), StoreConnection::Mode::ReadWrite, 100));
        QualityStore other(writer.connectionName());
        QVERIFY(!other.setTolerance(kReds, Tolerance{DifferenceMethod::cie76(), 2}));
        QVERIFY2(other.error().contains(QStringLiteral("locked")), qPrintable(other.error()));
        f.store.commitTransaction();
        QVERIFY2(other.setTolerance(kReds, Tolerance{DifferenceMethod::cie76(), 2}),
                 qPrintable(other.error()));
        QCOMPARE(f.quality->tolerance(kBlues)->limit, 4.0);
        QCOMPARE(f.quality->tolerance(kReds)->limit, 2.0);
    }

    void connectionFailures_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("create");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray() << false << "no database";
        QTest::newRow("not a database") << QByteArray(4096, 'x') << true << "not a readable";
    }
    void connectionFailures() {
        QFETCH(QByteArray, contents);
        QFETCH(bool, create);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("database.db"));
        if (create) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        StoreConnection connection;
        QVERIFY(!connection.open(path, StoreConnection::Mode::ReadOnly));
        QVERIFY2(connection.error().contains(reason), qPrintable(connection.error()));
        QVERIFY(!connection.isOpen());
        QCOMPARE(QFile::exists(path), create);
    }

    void readerSeesTheLibraries() {
        Fixture f;
        StoreConnection connection;
        QVERIFY(connection.open(f.path(), StoreConnection::Mode::ReadOnly));
        LibraryReader reader(connection.connectionName());
        const auto libraries = reader.libraries();
        QCOMPARE(libraries->size(), 2);
        QCOMPARE(libraries->at(1).name, QStringLiteral("Blues"));
        QCOMPARE(libraries->at(1).count, QStringLiteral("2"));
        // By identifier or by name.
        QCOMPARE(reader.colours(kReds)->size(), 3);
        const auto blues = reader.colours(QStringLiteral("Blues"));
        QCOMPARE(blues->at(1).name, QStringLiteral("Sky \"light\""));
        QCOMPARE(blues->at(1).values().mid(0, 4), (QStringList{"70.00", "-10.00", "-30.00", "0"}));
        QVERIFY(!reader.colours(QStringLiteral("Greens")));
        QVERIFY(reader.error().contains(QStringLiteral("Greens")));
        // The unmeasured colour is no standard.
        const auto standards = reader.standards();
        QCOMPARE(standards->size(), 4);
        QCOMPARE(standards->standards()[2].libraryName, QStringLiteral("Blues"));
        QCOMPARE(standards->standards()[2].lab.b, -45.0);
    }

    void ambiguousLibraryName() {
        Fixture f;
        addSampleLibrary(f.store, QStringLiteral("ColorCard3260513100000"), QStringLiteral("Reds"),
                         {});
        LibraryReader reader(f.store.connectionName());
        QVERIFY(!reader.colours(QStringLiteral("Reds")));
        QVERIFY(reader.error().contains(QStringLiteral("2 libraries")));
        QCOMPARE(reader.colours(QStringLiteral("ColorCard3260513100000"))->size(), 0);
    }
};

QTEST_GUILESS_MAIN(QualityStoreTest)
#include "tst_qualitystore.moc"
