// SPDX-License-Identifier: MIT
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "store/ColorCardStore.h"
#include "tests/support/SampleLibraries.h"

using namespace colorcard;

namespace {

const QString kReds = QStringLiteral("ColorCard1260513100000");

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// A store written by the window's own code, and the command line run on it
// as a separate process (English unless the locale says otherwise).
struct Fixture {
    QTemporaryDir dir;
    ColorCardStore store{dir.path()};

    Fixture() {
        store.openDatabase();
        addSampleLibraries(store);
    }
    QString path() const { return store.databasePath(); }

    Run run(QStringList arguments, const QString& lang = QStringLiteral("C")) {
        arguments.replaceInStrings(QStringLiteral("%DB"), path());
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("LC_ALL"));
        env.remove(QStringLiteral("LC_MESSAGES"));
        env.insert(QStringLiteral("LANG"), lang);
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(COLORCARD_CLI), arguments);
        if (!process.waitForFinished(60000))
            return {};
        return Run{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                   QString::fromUtf8(process.readAllStandardOutput()),
                   QString::fromUtf8(process.readAllStandardError())};
    }
    QByteArray fileHash() const {
        QFile file(path());
        file.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }
};

}  // namespace

class CliTest : public QObject {
    Q_OBJECT
private slots:
    // Output and status of every subcommand on the sample store; the whole
    // stdout is compared, and stderr stays empty on success.
    void subcommands_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::newRow("libraries") << QStringList{"libraries", "--database", "%DB"}
                                   << "ColorCard1260513100000\tReds\t3\tReds description\n"
                                      "ColorCard2260513100000\tBlues\t2\tBlues description\n";
        QTest::newRow("database before the command")
            << QStringList{"--database=%DB", "libraries"}
            << "ColorCard1260513100000\tReds\t3\tReds description\n"
               "ColorCard2260513100000\tBlues\t2\tBlues description\n";
        QTest::newRow("colours by name")
            << QStringList{"colours", "Blues", "--database", "%DB"}
            << "ColorData1260513100001\tNavy\t25.00\t10.00\t-45.00\n"
               "ColorData2260513100001\tSky \"light\"\t70.00\t-10.00\t-30.00\n";
        QTest::newRow("colours by identifier")
            << QStringList{"colours", "--database", "%DB", kReds}
            << "ColorData1260513100000\tRed, warm\t45.00\t60.00\t40.00\n"
               "ColorData2260513100000\t红色\t50.00\t55.00\t30.00\n"
               "ColorData3260513100000\tunmeasured\t\t\t\n";
        // Reference first: the sample order of CMC and CIE94 matters.
        QTest::newRow("delta-e 76")
            << QStringList{"delta-e", "--formula", "76", "50", "3", "4", "52", "6", "8"}
            << "5.3852\n";
        QTest::newRow("delta-e cmc")
            << QStringList{"delta-e", "--formula", "cmc", "50", "0", "0", "52", "3", "4"}
            << "7.8907\n";
        QTest::newRow("delta-e cmc reversed")
            << QStringList{"delta-e", "--formula", "cmc", "52", "3", "4", "50", "0", "0"}
            << "5.4094\n";
        QTest::newRow("delta-e cmc 1:1")
            << QStringList{"delta-e", "--formula", "cmc", "--l", "1", "--c", "1",
                           "50",      "0",         "0",   "52",  "3", "4"}
            << "8.0496\n";
        QTest::newRow("delta-e 94t")
            << QStringList{"delta-e", "--formula", "94t", "50", "3", "4", "52", "6", "8"}
            << "4.1544\n";
        // Sharma pair 17, negative numbers without "--".
        QTest::newRow("delta-e 00 default")
            << QStringList{"delta-e", "50", "2.5", "0", "73", "25", "-18"} << "27.1492\n";
        QTest::newRow("delta-e same colour")
            << QStringList{"delta-e", "--formula", "94", "50", "-0.0", "0", "50", "0", "0"}
            << "0.0000\n";
        // Sample (46, 59, 39): ΔE00 to "Red, warm" then to 红色 (from the
        // independent implementation in tests/colour/delta_e_reference.py).
        QTest::newRow("nearest") << QStringList{"nearest", "--database", "%DB", "--count",
                                                "2",       "46",         "59",  "39"}
                                 << "1.0211\tReds\tRed, warm\t45.00\t60.00\t40.00\n"
                                    "5.4359\tReds\t红色\t50.00\t55.00\t30.00\n";
        QTest::newRow("nearest by 76")
            << QStringList{"nearest", "--database", "%DB", "--formula", "76",
                           "--count", "1",          "68",  "-9",        "-29"}
            << "2.4495\tBlues\tSky \"light\"\t70.00\t-10.00\t-30.00\n";
    }
    void subcommands() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        Fixture f;
        const Run r = f.run(arguments);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.out, expected);
        QCOMPARE(r.status, 0);
    }

    void jsonLists() {
        Fixture f;
        const auto json = [&f](const QStringList& arguments) {
            const Run r = f.run(arguments);
            QJsonParseError error;
            const QJsonDocument document = QJsonDocument::fromJson(r.out.toUtf8(), &error);
            return r.status == 0 && error.error == QJsonParseError::NoError ? document.array()
                                                                            : QJsonArray();
        };
        const QJsonArray libraries = json({"libraries", "--json", "--database", f.path()});
        QCOMPARE(libraries.size(), 2);
        QCOMPARE(libraries[1].toObject()[QStringLiteral("name")].toString(),
                 QStringLiteral("Blues"));
        QCOMPARE(libraries[1].toObject()[QStringLiteral("count")].toDouble(), 2.0);
        QCOMPARE(libraries[0].toObject()[QStringLiteral("meterNumber")].toString(),
                 QStringLiteral("CM-1"));

        const QJsonArray colours = json({"colours", "Reds", "--json", "--database", f.path()});
        QCOMPARE(colours.size(), 3);
        QCOMPARE(colours[1].toObject()[QStringLiteral("name")].toString(), QStringLiteral("红色"));
        QCOMPARE(colours[0].toObject()[QStringLiteral("lab")].toArray(),
                 (QJsonArray{45.0, 60.0, 40.0}));
        QCOMPARE(colours[0].toObject()[QStringLiteral("cmyk")].toArray().size(), 4);
        QVERIFY(colours[2].toObject()[QStringLiteral("lab")].toArray()[0].isNull());

        const QJsonArray nearest =
            json({"nearest", "--json", "--database", f.path(), "46", "59", "39"});
        QCOMPARE(nearest.size(), 4);  // every measured standard, fewer than five
        const QJsonObject first = nearest[0].toObject();
        QCOMPARE(first[QStringLiteral("deltaE")].toDouble(), 1.0211);
        QCOMPARE(first[QStringLiteral("colour")].toString(), QStringLiteral("Red, warm"));
        QCOMPARE(first[QStringLiteral("libraryId")].toString(), kReds);
        QCOMPARE(first[QStringLiteral("colourId")].toString(),
                 QStringLiteral("ColorData1260513100000"));
    }

    // One line on stderr, nothing on stdout, and the status.
    void errors_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("no command") << QStringList{} << 2 << "no command given";
        QTest::newRow("unknown command")
            << QStringList{"export-all"} << 2 << "unknown command export-all";
        QTest::newRow("unknown option") << QStringList{"libraries", "--database", "%DB", "--xml"}
                                        << 2 << "libraries: Unknown option 'xml'";
        QTest::newRow("no library")
            << QStringList{"colours", "Greens", "--database", "%DB"} << 1 << "no library Greens";
        QTest::newRow("colours without library")
            << QStringList{"colours", "--database", "%DB"} << 2 << "colours expects LIBRARY";
        QTest::newRow("too few numbers") << QStringList{"delta-e", "1", "2", "3", "4", "5"} << 2
                                         << "delta-e expects L1 a1 b1 L2 a2 b2";
        QTest::newRow("not a number")
            << QStringList{"delta-e", "1", "2", "3", "4", "5", "six"} << 2 << "six is not a number";
        QTest::newRow("infinite") << QStringList{"delta-e", "1", "2", "3", "4", "5", "inf"} << 2
                                  << "inf is not a number";
        QTest::newRow("unknown formula")
            << QStringList{"delta-e", "--formula", "2000", "1", "2", "3", "4", "5", "6"} << 2
            << "unknown formula 2000";
        QTest::newRow("cmc weight zero")
            << QStringList{"delta-e", "--formula", "cmc", "--l", "0", "1", "2", "3", "4", "5", "6"}
            << 2 << "--l must be a positive number";
        QTest::newRow("cmc weight negative")
            << QStringList{"delta-e", "--formula", "cmc", "--c", "-1", "1", "2", "3", "4", "5", "6"}
            << 2 << "--c must be a positive number";
        QTest::newRow("weight of another formula")
            << QStringList{"delta-e", "--formula", "00", "--l", "1", "1", "2", "3", "4", "5", "6"}
            << 2 << "--l does not apply to formula 00";
        QTest::newRow("count zero")
            << QStringList{"nearest", "--database", "%DB", "--count", "0", "1", "2", "3"} << 2
            << "--count must be a whole number";
        QTest::newRow("missing database")
            << QStringList{"libraries", "--database", "%DB.missing"} << 1 << "no database at";
    }
    void errors() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        Fixture f;
        const Run r = f.run(arguments);
        QCOMPARE(r.status, status);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.startsWith(QStringLiteral("colorcard-cli: ")) && r.err.contains(message),
                 qPrintable(r.err));
        QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
        QVERIFY(!QFile::exists(f.path() + QStringLiteral(".missing")));
    }

    void notADatabase() {
        QTemporaryDir dir;
        QFile junk(dir.filePath(QStringLiteral("junk.db")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(2048, '\x7f'));
        junk.close();
        Fixture f;
        const Run r = f.run({"libraries", "--database", junk.fileName()});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(QStringLiteral("cannot read the database")), qPrintable(r.err));
    }

    void helpOfEveryCommand_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("usage");
        QTest::newRow("program") << QStringList{"--help"}
                                 << "Usage: colorcard-cli <command> [options] ...";
        QTest::newRow("libraries")
            << QStringList{"libraries", "--help"} << "Usage: colorcard-cli libraries [options]";
        QTest::newRow("colours") << QStringList{"colours", "-h"}
                                 << "Usage: colorcard-cli colours [options] LIBRARY";
        QTest::newRow("delta-e") << QStringList{"delta-e", "--help"}
                                 << "Usage: colorcard-cli delta-e [options] L1 a1 b1 L2 a2 b2";
        QTest::newRow("nearest") << QStringList{"nearest", "--help"}
                                 << "Usage: colorcard-cli nearest [options] L a b";
    }
    void helpOfEveryCommand() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, usage);
        Fixture f;
        const Run r = f.run(arguments);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out.section(QLatin1Char('\n'), 0, 0), usage);
        QVERIFY(r.out.contains(QStringLiteral("--database")) ||
                arguments.first() == QLatin1String("--help"));
        // In Chinese where the locale is.
        const Run zh = f.run(arguments, QStringLiteral("zh_CN.UTF-8"));
        QCOMPARE(zh.status, 0);
        QVERIFY2(zh.out.contains(QStringLiteral("色")), qPrintable(zh.out));
    }

    void chineseErrors() {
        Fixture f;
        const Run r =
            f.run({"colours", "绿色", "--database", f.path()}, QStringLiteral("zh_CN.UTF-8"));
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, QStringLiteral("colorcard-cli: 没有色卡库 绿色\n"));
    }

    // The window's store stays as it was under every read command, even while
    // the window is in the middle of writing: the command line sees the
    // committed libraries, not the half-written one.
    void readsBesideTheWindow() {
        Fixture f;
        const QByteArray before = f.fileHash();
        for (const QStringList& arguments :
             {QStringList{"libraries"}, QStringList{"colours", "Reds", "--json"},
              QStringList{"nearest", "50", "0", "0"}})
            QCOMPARE(f.run(arguments + QStringList{"--database", f.path()}).status, 0);
        QCOMPARE(f.fileHash(), before);

        QVERIFY(f.store.beginTransaction());
        addSampleLibrary(f.store, QStringLiteral("ColorCard3260513100000"),
                         QStringLiteral("Greens"),
                         {{"ColorData1260513100002", "Lime", "80.00", "-40.00", "60.00"}});
        const Run during = f.run({"libraries", "--database", f.path()});
        QCOMPARE(during.status, 0);
        QVERIFY(!during.out.contains(QStringLiteral("Greens")));
        f.store.commitTransaction();
        QVERIFY(
            f.run({"libraries", "--database", f.path()}).out.contains(QStringLiteral("Greens")));
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
