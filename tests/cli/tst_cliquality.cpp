// SPDX-License-Identifier: MIT
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "store/ColorCardStore.h"
#include "store/QualityStore.h"
#include "tests/support/SampleLibraries.h"

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
};

QTEST_GUILESS_MAIN(CliQualityTest)
#include "tst_cliquality.moc"
