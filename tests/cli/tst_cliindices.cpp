// SPDX-License-Identifier: MIT
// colorcard-cli index and shade-sort, run as a separate process: the values
// and marks, the measuring conditions of the settings, and the shade codes
// of a standard's recorded comparisons with the library's steps.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "store/ColorCardStore.h"
#include "store/IndexSettingsStore.h"
#include "store/QualityStore.h"
#include "tests/support/SampleLibraries.h"

using namespace colorcard;

namespace {

const QString kReds = QStringLiteral("ColorCard1260513100000");
const QString kWarm = QStringLiteral("ColorData1260513100000");

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// The sample libraries, the settings of the command line beside them (in
// UTC, so times print alike everywhere).
struct Fixture {
    QTemporaryDir dir;
    ColorCardStore store{dir.path()};

    Fixture() {
        store.openDatabase();
        addSampleLibraries(store);
    }
    void settings(const QByteArray& text) {
        QDir(dir.path()).mkpath(QStringLiteral("ColorCard"));
        QFile file(dir.filePath(QStringLiteral("ColorCard/ColorCard.conf")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    }
    // Sample L*a*b* compared with "Red, warm" (45, 60, 40), oldest first.
    void record(const QVector<Lab>& samples) {
        QualityStore quality(store.connectionName());
        int minute = 0;
        quality.setClock(
            [&minute] { return QDateTime(QDate(2026, 5, 13), QTime(8, minute++), Qt::UTC); });
        for (const Lab& sample : samples) {
            QualityStore::HistoryEntry e;
            e.libraryId = kReds;
            e.libraryName = QStringLiteral("Reds");
            e.colourId = kWarm;
            e.colourName = QStringLiteral("Red, warm");
            e.standard = Lab{45, 60, 40};
            e.sample = sample;
            QVERIFY(quality.addHistory(e));
        }
    }
    Run run(QStringList arguments) {
        arguments.replaceInStrings(QStringLiteral("%DB"), store.databasePath());
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("LC_ALL"));
        env.remove(QStringLiteral("LC_MESSAGES"));
        env.insert(QStringLiteral("LANG"), QStringLiteral("C"));
        env.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(COLORCARD_CLI), arguments);
        if (!process.waitForFinished(60000))
            return {};
        return Run{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                   QString::fromUtf8(process.readAllStandardOutput()),
                   QString::fromUtf8(process.readAllStandardError())};
    }
};

}  // namespace

class CliIndicesTest : public QObject {
    Q_OBJECT
private slots:
    // stdout (or the start of stderr) and the status; the settings hold C/2°
    // where the row says so.
    void index_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("settingsC2");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::newRow("white W")
            << QStringList{"--conditions", "D65/10", "--index", "cie-whiteness", "100", "0", "0"}
            << false << 0 << "100.00\n";
        QTest::newRow("settings by default, D65/10 without")
            << QStringList{"--index", "e313-yellowness", "95", "-1", "8"} << false << 0
            << "14.06\n";
        QTest::newRow("settings of C/2°")
            << QStringList{"--index", "d1925-yellowness", "95", "-1", "8"} << true << 0
            << "14.49\n";
        QTest::newRow("option over the settings")
            << QStringList{"--conditions", "D65/2", "--index", "e313-yellowness", "95", "-1", "8"}
            << true << 0 << "14.07\n";
        QTest::newRow("marked, not hidden") << QStringList{"--index", "cie-tint", "95", "-6", "0"}
                                            << false << 0 << "9.82\toutside the formula's range\n";
        QTest::newRow("withdrawn index outside C/2°")
            << QStringList{"--index", "d1925-yellowness", "95", "-1", "8"} << false << 1
            << "colorcard-cli: d1925-yellowness: not defined for D65/10°\n";
        QTest::newRow("no index") << QStringList{"95", "-1", "8"} << false << 2
                                  << "colorcard-cli: --index is required";
        QTest::newRow("bad conditions")
            << QStringList{"--conditions", "D65-10", "--index", "cie-tint", "95", "-1", "8"}
            << false << 2 << "colorcard-cli: --conditions must be ILLUMINANT/OBSERVER";
    }
    void index() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, settingsC2);
        QFETCH(int, status);
        QFETCH(QString, output);
        Fixture f;
        if (settingsC2)
            f.settings("[OpenFormats]\nCxfIlluminant=C\nCxfObserver=2\n");
        const Run r = f.run(QStringList{"index"} + arguments);
        QCOMPARE(r.status, status);
        if (status == 0) {
            QCOMPARE(r.out, output);
            QCOMPARE(r.err, QString());
        } else {
            QVERIFY2(r.err.startsWith(output), qPrintable(r.err));
            QCOMPARE(r.out, QString());
        }
    }

    void indexJson() {
        Fixture f;
        const Run r = f.run({"index", "--json", "--index", "cie-whiteness", "--conditions",
                             "D65/10", "90", "0", "15"});
        QCOMPARE(r.status, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
        QCOMPARE(o["value"].toDouble(), 5.0874);
        QCOMPARE(o["inRange"].toBool(true), false);
        QCOMPARE(o["illuminant"].toString(), QString("D65"));
        QCOMPARE(o["observer"].toInt(), 10);
    }

    // Default ΔE00 limit 1 for C* and H*, a lightness step of 0.5 set for
    // the library: codes, groups darkest first, oldest first within a group.
    void shadeSort() {
        Fixture f;
        LibraryIndexSettings steps;
        steps.stepL = 0.5;
        QVERIFY(IndexSettingsStore(f.store.connectionName()).setSettings(kReds, steps));
        f.record({{45.25, 60, 40}, {44, 60, 40}, {45, 60, 40}, {44.1, 60, 40}});
        const Run r = f.run({"shade-sort", "--database", "%DB", "--standard", "Reds/Red, warm"});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.out, QString("2\t2026-05-13 08:01:00\t355\t1\n"
                                "4\t2026-05-13 08:03:00\t355\t1\n"
                                "3\t2026-05-13 08:02:00\t555\t2\n"
                                "1\t2026-05-13 08:00:00\t655\t3\n"));

        const Run json =
            f.run({"shade-sort", "--json", "--database", "%DB", "--standard", kReds + "/" + kWarm});
        QCOMPARE(json.status, 0);
        const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
        QCOMPARE(o["steps"].toObject()["L"].toDouble(), 0.5);
        QCOMPARE(o["steps"].toObject()["H"].toDouble(), 1.0);
        QCOMPARE(o["samples"].toArray().size(), 4);
        QCOMPARE(o["samples"].toArray()[0].toObject()["code"].toString(), QString("655"));
        QCOMPARE(o["groups"].toArray()[0].toObject()["count"].toInt(), 2);
        QCOMPARE(o["groups"].toArray()[0].toObject()["code"].toString(), QString("355"));
    }

    void shadeSortErrors() {
        Fixture f;
        const Run none = f.run({"shade-sort", "--database", "%DB", "--standard", "Reds/红色"});
        QCOMPARE(none.status, 0);
        QCOMPARE(none.out, QString());
        const Run missing = f.run({"shade-sort", "--database", "%DB", "--standard", "Reds/Navy"});
        QCOMPARE(missing.status, 1);
        QCOMPARE(missing.err, QString("colorcard-cli: no standard Reds/Navy (LIBRARY/COLOUR)\n"));
        QCOMPARE(f.run({"shade-sort", "--database", "%DB"}).status, 2);
    }
};

QTEST_GUILESS_MAIN(CliIndicesTest)
#include "tst_cliindices.moc"
