// SPDX-License-Identifier: MIT
// The QC records on a server keep what the bench's file keeps (tolerances
// with their models, lots, comparisons with lot and verdict), the benches of
// a lab share one history, and the server's roles hold.
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "server/PgQualityStore.h"
#include "server/PgRepository.h"
#include "store/ColorCardStore.h"
#include "store/QualityStore.h"
#include "store/RepositoryCopy.h"
#include "store/sqlite/SqliteRepository.h"
#include "tests/support/SampleLibraries.h"
#include "tests/support/TestServer.h"

using namespace colorcard;

namespace {

const QString kReds = QStringLiteral("ColorCard1260513100000");
const QString kRed = QStringLiteral("ColorData1260513100000");
const QDateTime kMorning(QDate(2026, 5, 13), QTime(8, 30, 0), Qt::UTC);

HistoryEntry comparison(qint64 lotId, double deltaE, std::optional<Verdict> verdict) {
    HistoryEntry e;
    e.meterNumber = QStringLiteral("CM-1");
    e.libraryId = kReds;
    e.libraryName = QStringLiteral("Reds");
    e.colourId = kRed;
    e.colourName = QStringLiteral("Red, warm");
    e.standard = Lab{45, 60, 40};
    e.sample = Lab{45.5, 59.25, 40.125};
    e.readings = 3;
    e.deviation = Lab{0.1, 0.2, 0.05};
    e.deltaE = deltaE;
    e.tolerance = Tolerance{DifferenceMethod::cmc(2, 1), 1.5};
    e.pass = deltaE <= 1.5;
    e.verdict = verdict;
    e.warningLevel = verdict ? std::optional<double>(1.2) : std::nullopt;
    e.lotId = lotId;
    return e;
}

QString described(const std::optional<ToleranceModel>& m) {
    if (!m)
        return QStringLiteral("unreadable");
    const auto bound = [](const std::optional<double>& v) {
        return v ? QString::number(*v) : QStringLiteral("-");
    };
    return QStringLiteral("%1 %2 w%3 L%4/%5 C%6/%7 H%8/%9")
        .arg(m->tolerance.method.code(), QString::number(m->tolerance.limit), bound(m->warning),
             bound(m->lightness.below), bound(m->lightness.above), bound(m->chroma.below),
             bound(m->chroma.above), bound(m->hue.below), bound(m->hue.above));
}

// One script of QC work: what it read back at each step, in words.
QStringList work(QualityRecords& records, QByteArray* csv) {
    QStringList seen;
    records.setClock([] { return kMorning; });
    seen << described(records.toleranceModel(kReds));
    const Tolerance cmc{DifferenceMethod::cmc(2, 1), 1.5};
    seen << QString::number(records.setTolerance(kReds, cmc));
    seen << QString::number(*records.tolerance(kReds) == cmc);
    ToleranceModel library{cmc, 1.2, {0.5, 0.8}, {}, {std::nullopt, 0.7}};
    seen << QString::number(records.setToleranceModel(kReds, QString(), library));
    seen << described(records.toleranceModel(kReds))
         << described(records.toleranceModel(kReds, kRed));
    ToleranceModel own{Tolerance{DifferenceMethod::cie76(), 2.5}, {}, {}, {1.0, 1.0}, {}};
    seen << QString::number(records.setToleranceModel(kReds, kRed, own));
    seen << QString::number(records.hasToleranceOverride(kReds, kRed).value_or(false))
         << described(records.toleranceModel(kReds, kRed));
    seen << QString::number(records.removeToleranceOverride(kReds, kRed))
         << described(records.toleranceModel(kReds, kRed));
    // A bad model is refused before the store sees it.
    seen << QString::number(
        records.setToleranceModel(kReds, kRed, ToleranceModel{cmc, 9.0, {}, {}, {}}));

    Lot first{0, QStringLiteral(" Batch 7 "), QStringLiteral("night"), QStringLiteral("Li"), {}};
    seen << QString::number(records.addLot(first)) << first.name
         << first.created.toString(Qt::ISODate);
    Lot again{0, QStringLiteral("Batch 7"), {}, {}, {}};
    seen << QStringLiteral("again %1").arg(records.addLot(again));
    Lot second{0, QStringLiteral("Batch 8"), {}, {}, {}};
    records.addLot(second);
    QStringList lots;
    for (const Lot& lot : records.lots().value_or(QVector<Lot>()))
        lots << lot.name + QLatin1Char('/') + lot.note + QLatin1Char('/') + lot.operatorName;
    seen << lots.join(QLatin1Char(','));
    seen << QString::number(records.findLot(QStringLiteral("Batch 8"))->id == second.id);

    HistoryEntry warned = comparison(first.id, 1.3, Verdict::Warn);
    HistoryEntry failed = comparison(first.id, 2.0, Verdict::Fail);
    HistoryEntry loose = comparison(0, 0.4, std::nullopt);
    for (HistoryEntry* e : {&warned, &failed, &loose})
        seen << QString::number(records.addHistory(*e) && e->id > 0 && e->time == kMorning);
    HistoryFilter ofLot;
    ofLot.lotId = first.id;
    for (const HistoryEntry& e : records.history(ofLot).value_or(QVector<HistoryEntry>()))
        seen << QStringLiteral("%1 %2 %3 %4 %5")
                    .arg(e.lotName, verdictCode(e.judged()), QString::number(e.deltaE),
                         e.warningLevel ? QString::number(*e.warningLevel) : QStringLiteral("-"),
                         e.time.toString(Qt::ISODate));
    seen << QString::number(records.history(1)->size());
    const PassRate rate = records.passRate(kReds).value_or(PassRate{});
    seen << QStringLiteral("%1/%2").arg(rate.passed).arg(rate.total);
    *csv = QualityRecords::historyCsv(*records.history(), Language::english());
    return seen;
}

}  // namespace

class PgQualityStoreTest : public QObject {
    Q_OBJECT

    TestServer server_{QStringLiteral("colorcard_quality_test")};
    bool serverReady_ = false;
    QTemporaryDir dir_;
    std::unique_ptr<ColorCardStore> file_;

    // The sample libraries on the server (tolerances belong to a library there).
    QString serverWithSamples() {
        QString error = server_.clear();
        SqliteRepository samples(QSqlDatabase::database(file_->connectionName(), false));
        PgRepository target(server_.open());
        const RepositoryCopy::Result copied = RepositoryCopy::copy(samples, target);
        return error.isEmpty() && !copied.ok ? copied.error : error;
    }

private slots:
    void initTestCase() {
        if (!server_.available()) {
            QVERIFY2(!TestServer::required(),
                     "no test server, and COLORCARD_REQUIRE_SERVER is set");
            return;
        }
        QCOMPARE(server_.create(), QString());
        serverReady_ = true;
        file_ = std::make_unique<ColorCardStore>(dir_.path());
        QVERIFY(file_->openDatabase().ok());
        addSampleLibraries(*file_);
    }
    void init() {
        if (!serverReady_)
            QSKIP("no PostgreSQL server for the tests");
        QCOMPARE(serverWithSamples(), QString());
    }

    // The same work on the bench's file and on the server reads back the
    // same, down to the exported history's bytes.
    void sameAsTheFile() {
        // A file of its own: the samples' file is what init() copies to the server.
        QTemporaryDir dir;
        ColorCardStore store(dir.path());
        QVERIFY(store.openDatabase().ok());
        QualityStore file(store.connectionName());
        QByteArray fileCsv, serverCsv;
        const QStringList onFile = work(file, &fileCsv);
        PgQualityStore server(server_.open(QStringLiteral("supervisor")));
        const QStringList onServer = work(server, &serverCsv);
        QCOMPARE(onServer, onFile);
        QCOMPARE(QString::fromUtf8(serverCsv).split(QStringLiteral("\r\n")),
                 QString::fromUtf8(fileCsv).split(QStringLiteral("\r\n")));
        // What the file read is what was meant (not two engines agreeing on a fault).
        QCOMPARE(onFile.mid(0, 6), (QStringList{"00 1 w- L-/- C-/- H-/-", "1", "1", "1",
                                                "cmc 1.5 w1.2 L0.5/0.8 C-/- H-/0.7",
                                                "cmc 1.5 w1.2 L0.5/0.8 C-/- H-/0.7"}));
        QCOMPARE(onFile.mid(6, 6), (QStringList{"1", "1", "76 2.5 w- L-/- C1/1 H-/-", "1",
                                                "cmc 1.5 w1.2 L0.5/0.8 C-/- H-/0.7", "0"}));
        QCOMPARE(onFile.mid(12, 5), (QStringList{"1", "Batch 7", "2026-05-13T08:30:00Z", "again 0",
                                                 "Batch 8//,Batch 7/night/Li"}));
        QCOMPARE(onFile.mid(18),
                 (QStringList{"1", "1", "1", "Batch 7 fail 2 1.2 2026-05-13T08:30:00Z",
                              "Batch 7 warn 1.3 1.2 2026-05-13T08:30:00Z", "1", "2/3"}));
    }

    // Two benches record into one lot, turn by turn on their own connections:
    // every comparison is kept, each with its bench and login.
    void twoBenchesOneLot() {
        PgQualityStore first(server_.open(QStringLiteral("operator")));
        PgQualityStore second(server_.open(QStringLiteral("supervisor")));
        Lot lot{0, QStringLiteral("Shared"), {}, {}, {}};
        QVERIFY2(first.addLot(lot), qPrintable(first.error()));
        const std::optional<Lot> found = second.findLot(QStringLiteral("Shared"));
        QVERIFY(found && found->id == lot.id);
        const int each = 25;
        for (int n = 0; n < each; ++n) {
            HistoryEntry a = comparison(lot.id, 0.01 * n, Verdict::Pass);
            HistoryEntry b = comparison(found->id, 1.0 + 0.01 * n, Verdict::Pass);
            QVERIFY2(first.addHistory(a), qPrintable(first.error()));
            QVERIFY2(second.addHistory(b), qPrintable(second.error()));
        }
        HistoryFilter filter;
        filter.lotId = lot.id;
        QCOMPARE(first.history(filter)->size(), 2 * each);
        QCOMPARE(second.history(filter)->size(), 2 * each);
        QCOMPARE(second.passRate()->total, 2 * each);
        QSqlDatabase db = server_.open();
        QCOMPARE(TestServer::scalar(
                     db, QStringLiteral("SELECT string_agg(recorded_by || ':' || n, ',' "
                                        "ORDER BY recorded_by) FROM (SELECT recorded_by, "
                                        "count(*) AS n FROM colorcard.comparisons GROUP BY "
                                        "recorded_by) s"))
                     .toString(),
                 QStringLiteral("operator:25,supervisor:25"));
    }

    // An operator records lots and comparisons but the server keeps the
    // tolerances from it, and says so.
    void operatorKeepsToTheRecords() {
        PgQualityStore bench(server_.open(QStringLiteral("operator")));
        const Tolerance cie76{DifferenceMethod::cie76(), 2};
        QVERIFY(!bench.setTolerance(kReds, cie76));
        QVERIFY2(bench.error().contains(QStringLiteral("permission denied")),
                 qPrintable(bench.error()));
        QVERIFY(!bench.setToleranceModel(kReds, kRed, ToleranceModel{cie76, {}, {}, {}, {}}));
        QVERIFY2(bench.error().contains(QStringLiteral("permission denied")),
                 qPrintable(bench.error()));
        QCOMPARE(*bench.tolerance(kReds), Tolerance{});
        Lot lot{0, QStringLiteral("Night shift"), {}, {}, {}};
        QVERIFY2(bench.addLot(lot), qPrintable(bench.error()));
        HistoryEntry e = comparison(lot.id, 0.5, Verdict::Pass);
        QVERIFY2(bench.addHistory(e), qPrintable(bench.error()));
        // A tolerance for a library the server does not hold is refused too.
        PgQualityStore supervisor(server_.open(QStringLiteral("supervisor")));
        QVERIFY(!supervisor.setTolerance(QStringLiteral("ColorCard9"), cie76));
        QVERIFY(!supervisor.error().isEmpty());
    }
};

QTEST_GUILESS_MAIN(PgQualityStoreTest)
#include "tst_pgqualitystore.moc"
