// SPDX-License-Identifier: MIT
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "colour/Tolerance.h"
#include "store/ColorCardStore.h"
#include "store/QualityStore.h"
#include "tests/support/SampleLibraries.h"

using namespace colorcard;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run run(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(COLORCARD_CLI), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return Run{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
               QString::fromUtf8(process.readAllStandardOutput()),
               QString::fromUtf8(process.readAllStandardError())};
}

// Twelve comparisons of Reds/Navy-like standard with ΔL* from the control
// chart's worked example, and one of another standard.
struct Fixture {
    QTemporaryDir dir;
    ColorCardStore store{dir.path()};

    Fixture() {
        store.openDatabase();
        QualityStore quality(store.connectionName());
        // The trend judges by the library's tolerance in force.
        quality.setTolerance(QStringLiteral("ColorCard2260513100000"),
                             Tolerance{DifferenceMethod::cie76(), 1.5});
        const double dLs[] = {0.2, 0.4, 0.1, 0.3, 0.5, 0.2, 0.3, 0.4, 0.2, 0.3, 1.6, 0.3};
        int minute = 0;
        quality.setClock([&] { return QDateTime(QDate(2026, 5, 1), QTime(9, minute++), Qt::UTC); });
        for (double dL : dLs)
            add(quality, QStringLiteral("Navy"), Lab{25, 10, -45}, Lab{25 + dL, 10.5, -45});
        add(quality, QStringLiteral("Sky"), Lab{70, -10, -30}, Lab{70, -10, -28});
    }
    void add(QualityStore& quality, const QString& colour, const Lab& standard, const Lab& sample) {
        QualityStore::HistoryEntry e;
        e.meterNumber = QStringLiteral("M-0042");
        e.libraryId = QStringLiteral("ColorCard2260513100000");
        e.libraryName = QStringLiteral("Blues");
        e.colourId = colour;
        e.colourName = colour;
        e.standard = standard;
        e.sample = sample;
        e.tolerance = Tolerance{DifferenceMethod::cie76(), 1.5};
        e.deltaE = deltaE76(standard, sample);
        e.pass = e.deltaE <= 1.5;
        QVERIFY(quality.addHistory(e));
    }
    QString path() const { return store.databasePath(); }
};

// The sample libraries, Blues judged by ΔE*ab ≤ 1.5 warning over 1.0 with
// ΔL* no lower than −0.3, and lot "Run 7" holding the twelve ΔL* of the
// control chart's worked example against Navy.
struct LotFixture {
    QTemporaryDir dir;
    ColorCardStore store{dir.path()};

    LotFixture() {
        store.openDatabase();
        addSampleLibraries(store);
        QualityStore quality(store.connectionName());
        ToleranceModel model{Tolerance{DifferenceMethod::cie76(), 1.5}, 1.0, {}, {}, {}};
        model.lightness.below = 0.3;
        QVERIFY(quality.setToleranceModel(QStringLiteral("ColorCard2260513100000"), {}, model));
        Lot lot{
            0, QStringLiteral("Run 7"), QStringLiteral("dye house 2"), QStringLiteral("Li"), {}};
        QVERIFY(quality.addLot(lot));
        const double dLs[] = {0.2, 0.4, 0.1, 0.3, 0.5, 0.2, 0.3, 0.4, 0.2, 0.3, 1.6, 0.3};
        for (double dL : dLs) {
            QualityStore::HistoryEntry e;
            e.libraryId = QStringLiteral("ColorCard2260513100000");
            e.libraryName = QStringLiteral("Blues");
            e.colourId = QStringLiteral("ColorData1260513100001");
            e.colourName = QStringLiteral("Navy");
            e.standard = Lab{25, 10, -45};
            e.sample = Lab{25 + dL, 10, -45};
            const Comparison c = compare(e.standard, e.sample, model);
            e.tolerance = model.tolerance;
            e.deltaE = c.deltaE;
            e.pass = c.pass;
            e.verdict = c.verdict;
            e.warningLevel = c.warningLevel;
            e.lotId = lot.id;
            QVERIFY(quality.addHistory(e));
        }
    }
    QString path() const { return store.databasePath(); }
};

QJsonArray jsonArray(const Run& r) {
    return QJsonDocument::fromJson(r.out.toUtf8()).array();
}

}  // namespace

class CliQualityTest : public QObject {
    Q_OBJECT
private slots:
    void historyOfOneStandard() {
        Fixture f;
        Run r = run({"history", "--database", f.path(), "--standard", "Blues/Sky", "--json"});
        QCOMPARE(r.status, 0);
        const QJsonArray rows = QJsonDocument::fromJson(r.out.toUtf8()).array();
        QCOMPARE(rows.size(), 1);
        const QJsonObject sky = rows[0].toObject();
        QCOMPARE(sky["db"].toDouble(), 2.0);
        QCOMPARE(sky["dE"].toDouble(), 2.0);
        QCOMPARE(sky["verdict"].toString(), QStringLiteral("fail"));
        // ΔC*: chroma from 31.6228 to 29.7321 (Sky is bluish, b* toward 0).
        QVERIFY(std::abs(sky["dC"].toDouble() - (std::hypot(10, 28) - std::hypot(10, 30))) < 1e-4);

        r = run({"history", "--database", f.path(), "--csv"});
        QCOMPARE(r.status, 0);
        const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 14);  // header and every comparison, oldest first
        QVERIFY(lines[1].endsWith(",PASS"));
        QVERIFY(lines[11].contains(",1.6000,") && lines[11].endsWith(",FAIL"));
        QCOMPARE(run({"history", "--database", f.path(), "--standard", "Blues"}).status, 2);
    }

    // The figures of the worked example in ControlChartTest, through the store.
    void trendOfOneStandard() {
        Fixture f;
        const Run r = run({"trend", "--database", f.path(), "--standard", "Blues/Navy", "--json"});
        QCOMPARE(r.status, 0);
        const QJsonObject result = QJsonDocument::fromJson(r.out.toUtf8()).object();
        const QJsonObject dL = result["axes"].toArray()[0].toObject();
        QCOMPARE(dL["axis"].toString(), QStringLiteral("ΔL*"));
        QCOMPARE(dL["count"].toInt(), 12);
        QCOMPARE(dL["mean"].toDouble(), 0.4);
        QCOMPARE(dL["ucl"].toDouble(), 1.4398);
        QCOMPARE(dL["outside"].toArray().size(), 1);
        // ΔE*ab ≤ 1.5 gives ΔL* limits of ±1.5.
        QCOMPARE(dL["cp"].toDouble(), 1.4428);
        QCOMPARE(dL["cpk"].toDouble(), 1.058);
        const QJsonObject da = result["axes"].toArray()[1].toObject();
        QVERIFY(da["cp"].isNull());  // no spread: no capability

        const Run few = run({"trend", "--database", f.path(), "--standard", "Blues/Sky"});
        QCOMPARE(few.status, 0);
        QVERIFY(few.out.contains("at least 10 comparisons (1 so far)"));
        QCOMPARE(run({"trend", "--database", f.path(), "--standard", "Blues/None"}).status, 1);
    }

    void reportOfAComparison() {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        Fixture f;
        for (const QString& language : {QStringLiteral("en"), QStringLiteral("zh")}) {
            const QString pdf = f.dir.filePath(language + ".pdf");
            const Run r = run({"report", "--database", f.path(), "--language", language, pdf});
            QCOMPARE(r.status, 0);
            QProcess text;
            text.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
            QVERIFY(text.waitForFinished(60000));
            const QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
            const bool en = language == QLatin1String("en");
            // The last comparison: Sky, ΔE 2.00, failed.
            QVERIFY2(page.contains(en ? "Verdict: FAIL" : "判定：不合格"), qPrintable(page));
            QVERIFY(page.contains("ΔE 2.00"));
            QVERIFY2(page.contains(en ? "Judged against: ΔE*ab (1976), limit 1.50, warning level "
                                        "1.20, D65/10°, readings averaged: 1"
                                      : "判定依据：ΔE*ab (1976)，容差 1.50，警告级 1.20，D65/10°，"
                                        "平均测量次数：1"),
                     qPrintable(page));
            QVERIFY(page.contains("M-0042"));
        }
        const QString first = f.dir.filePath("first.pdf");
        QCOMPARE(run({"report", "--database", f.path(), "--sample", "1", first}).status, 0);
        QCOMPARE(run({"report", "--database", f.path(), "--sample", "99", first}).status, 1);
    }

    // compare judges as the page does and records into the lot it names.
    void compareIntoALot_data() {
        QTest::addColumn<QStringList>("lab");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<double>("deltaE");
        QTest::newRow("inside the warning") << QStringList{"25.5", "10", "-45"} << "pass" << 0.5;
        QTest::newRow("over the warning") << QStringList{"26.2", "10", "-45"} << "warn" << 1.2;
        QTest::newRow("darker than the ΔL* limit")
            << QStringList{"24.6", "10", "-45"} << "fail" << 0.4;
        QTest::newRow("over the limit") << QStringList{"25", "12", "-45"} << "fail" << 2.0;
    }
    void compareIntoALot() {
        QFETCH(QStringList, lab);
        QFETCH(QString, verdict);
        QFETCH(double, deltaE);
        LotFixture f;
        const Run r = run(QStringList{"compare", "--database", f.path(), "--lot", "New lot",
                                      "--standard", "Blues/Navy", "--json"} +
                          lab);
        QCOMPARE(r.status, 0);
        const QJsonObject result = QJsonDocument::fromJson(r.out.toUtf8()).object();
        QCOMPARE(result["verdict"].toString(), verdict);
        QCOMPARE(result["dE"].toDouble(), deltaE);
        QCOMPARE(result["warning"].toDouble(), 1.0);
        // Kept in the history with its verdict, in the lot started for it.
        const QJsonArray rows =
            jsonArray(run({"history", "--database", f.path(), "--lot", "New lot", "--json"}));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].toObject()["verdict"].toString(), verdict);
        QCOMPARE(rows[0].toObject()["lot"].toString(), QStringLiteral("New lot"));
    }

    void lotsAndTheirCounts() {
        LotFixture f;
        for (const char* L : {"26.2", "24.6"})
            QCOMPARE(run({"compare", "--database", f.path(), "--lot", "Run 8", "--standard",
                          "Blues/Navy", L, "10", "-45"})
                         .status,
                     0);
        const QJsonArray lots = jsonArray(run({"lots", "--database", f.path(), "--json"}));
        QCOMPARE(lots.size(), 2);
        const QJsonObject first = lots[0].toObject();
        QCOMPARE(first["name"].toString(), QStringLiteral("Run 7"));
        QCOMPARE(first["operator"].toString(), QStringLiteral("Li"));
        QCOMPARE(first["comparisons"].toInt(), 12);
        // Only 1.6 is over the limit; 1.6 and none other over the warning.
        QCOMPARE(first["fail"].toInt(), 1);
        const QJsonObject second = lots[1].toObject();
        QCOMPARE(second["pass"].toInt(), 0);
        QCOMPARE(second["warn"].toInt(), 1);
        QCOMPARE(second["fail"].toInt(), 1);
        const Run text = run({"lots", "--database", f.path()});
        QCOMPARE(text.status, 0);
        QVERIFY(text.out.contains("Run 8	"));

        QCOMPARE(
            jsonArray(run({"history", "--database", f.path(), "--lot", "Run 8", "--json"})).size(),
            2);
        const Run csv = run({"history", "--database", f.path(), "--lot", "Run 8", "--csv"});
        QVERIFY(csv.out.split('\n')[1].contains(",Run 8,Blues,Navy,1.2000,"));
        QVERIFY(csv.out.split('\n')[1].endsWith(",WARN"));
        QCOMPARE(run({"history", "--database", f.path(), "--lot", "Run 9"}).status, 1);
        QCOMPARE(run({"compare", "--database", f.path(), "--standard", "Blues/Navy", "1", "2", "3"})
                     .status,
                 2);
    }

    // The lot's figures are those of the worked example: each sample
    // against its own standard gives the standard's own trend.
    void trendOfALot() {
        LotFixture f;
        const Run r = run({"trend", "--database", f.path(), "--lot", "Run 7", "--json"});
        QCOMPARE(r.status, 0);
        const QJsonObject result = QJsonDocument::fromJson(r.out.toUtf8()).object();
        const QJsonObject dL = result["axes"].toArray()[0].toObject();
        QCOMPARE(dL["count"].toInt(), 12);
        QCOMPARE(dL["mean"].toDouble(), 0.4);
        QCOMPARE(dL["lcl"].toDouble(), -0.6398);
        QCOMPARE(dL["ucl"].toDouble(), 1.4398);
        QCOMPARE(dL["sigma"].toDouble(), 0.3466);
        // The model's ΔL* limit −0.3 replaces the formula's −1.5 below.
        QCOMPARE(dL["lowerLimit"].toDouble(), -0.3);
        QCOMPARE(dL["upperLimit"].toDouble(), 1.5);
        QCOMPARE(dL["cp"].toDouble(), 0.8657);   // 1.8 / (6 × 0.34655)
        QCOMPARE(dL["cpk"].toDouble(), 0.6733);  // (0.4 + 0.3) / (3 × 0.34655)
        const QJsonObject dE = result["axes"].toArray()[3].toObject();
        QCOMPARE(dE["upperLimit"].toDouble(), 1.5);

        LotFixture few;
        QCOMPARE(run({"compare", "--database", few.path(), "--lot", "Small", "--standard",
                      "Blues/Navy", "25.5", "10", "-45"})
                     .status,
                 0);
        const Run small = run({"trend", "--database", few.path(), "--lot", "Small"});
        QCOMPARE(small.status, 0);
        QVERIFY(small.out.contains("at least 10 comparisons (1 so far)"));
        QCOMPARE(run({"trend", "--database", few.path()}).status, 2);
    }

    void shadeSortOfALot() {
        LotFixture f;
        const Run r = run({"shade-sort", "--database", f.path(), "--lot", "Run 7", "--json"});
        QCOMPARE(r.status, 0);
        const QJsonObject result = QJsonDocument::fromJson(r.out.toUtf8()).object();
        // Steps of the limit, 1.5: ΔL* 1.6 rounds to one step up, the others to none.
        const QJsonArray groups = result["groups"].toArray();
        QCOMPARE(groups.size(), 2);
        QCOMPARE(groups[0].toObject()["code"].toString(), QStringLiteral("555"));
        QCOMPARE(groups[0].toObject()["count"].toInt(), 11);
        QCOMPARE(groups[1].toObject()["code"].toString(), QStringLiteral("655"));
        QCOMPARE(result["samples"].toArray()[10].toObject()["group"].toInt(), 2);
    }

    void reportOfALot() {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        LotFixture f;
        for (const QString& language : {QStringLiteral("en"), QStringLiteral("zh")}) {
            const QString pdf = f.dir.filePath(language + ".pdf");
            QCOMPARE(run({"report", "--database", f.path(), "--lot", "Run 7", "--language",
                          language, pdf})
                         .status,
                     0);
            QProcess text;
            text.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
            QVERIFY(text.waitForFinished(60000));
            const QString pages = QString::fromUtf8(text.readAllStandardOutput()).simplified();
            const bool en = language == QLatin1String("en");
            QVERIFY2(pages.contains(en ? "Lot report: Run 7" : "批次报告：Run 7"),
                     qPrintable(pages));
            QVERIFY(pages.contains(en ? "12 samples: PASS 11 WARN 0 FAIL 1"
                                      : "12 个样品：合格 11 警告 0 不合格 1"));
            QVERIFY(
                pages.contains(en ? "Judged against: ΔE*ab (1976), limit 1.50, warning level 1.00"
                                  : "判定依据：ΔE*ab (1976)，容差 1.50，警告级 1.00"));
            QVERIFY(pages.contains(en ? "Cp 0.87 Cpk 0.67" : "Cp 0.87 Cpk 0.67"));
            // The table: comparison 11, ΔL* 1.60, failed, code 655.
            QVERIFY2(pages.contains(en ? "1.60 0.00 0.00 1.60 FAIL 655"
                                       : "1.60 0.00 0.00 1.60 不合格 655"),
                     qPrintable(pages));
        }
        const QString one = f.dir.filePath("one.pdf");
        QCOMPARE(
            run({"report", "--database", f.path(), "--lot", "Run 7", "--sample", "3", one}).status,
            0);
        QCOMPARE(run({"report", "--database", f.path(), "--lot", "Run 0", one}).status, 1);
    }
};

QTEST_GUILESS_MAIN(CliQualityTest)
#include "tst_cliquality.moc"
