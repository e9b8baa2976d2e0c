// SPDX-License-Identifier: MIT
// The program as a process: its command line, and the --check-data start-up
// from the layouts it may be run in (an installed tree, files beside the
// executable, nothing at all), each in a throwaway home directory.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kProgram = QStringLiteral(COLORCARD_BIN_DIR "/colorcard");
const QStringList kDataFiles = {"ColorCard_1.xls", "ColorCard_2.xls", "ColorCard_en.qm",
                                "ColorCard_zh.qm", "meterno"};

struct Result {
    int code = -1;
    QString output;
};

Result runProgram(const QString& program, const QStringList& arguments, const QString& home,
                  const QString& loggingRules = QString()) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_LOGGING_RULES");
    if (!loggingRules.isEmpty())
        environment.insert("QT_LOGGING_RULES", loggingRules);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("HOME", home);
    environment.insert("XDG_DATA_HOME", home + "/data");
    environment.insert("XDG_CONFIG_HOME", home + "/config");
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {
        process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError())};
}

// Copies the program to bin (made executable) and the data files to data.
bool layOut(const QString& bin, const QString& data) {
    if (!QDir().mkpath(bin) || !QFile::copy(kProgram, bin + "/colorcard"))
        return false;
    if (data.isEmpty())
        return true;
    if (!QDir().mkpath(data))
        return false;
    for (const QString& name : kDataFiles)
        if (!QFile::copy(QStringLiteral(COLORCARD_BIN_DIR "/") + name, data + "/" + name))
            return false;
    return true;
}

}  // namespace

class InstalledLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("output");
        QTest::newRow("version") << QStringList{"--version"} << 0 << "colorcard 1.53\n";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--language <zh|en>";
        QTest::newRow("help names the check") << QStringList{"-h"} << 0 << "--check-data";
        QTest::newRow("unknown language")
            << QStringList{"--language", "fr"} << 1 << "Unknown language \"fr\": choose zh or en.";
        QTest::newRow("language without value") << QStringList{"--language"} << 1 << "--language";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 1 << "Unknown option 'bogus'.";
    }

    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, output);
        QTemporaryDir home;
        const Result result = runProgram(kProgram, arguments, home.path());
        QCOMPARE(result.code, code);
        QVERIFY2(result.output.contains(output), qPrintable(result.output));
        // Nothing of a window was started: no database anywhere.
        QVERIFY(!QFile::exists(home.filePath("data/ColorCard/database.db")));
    }

    void dataFilesAreFound_data() {
        QTest::addColumn<QString>("bin");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("database");
        QTest::newRow("installed tree") << "usr/bin"
                                        << "usr/share/colorcard"
                                        << "home/data/ColorCard";
        QTest::newRow("beside the executable") << "bin"
                                               << "bin"
                                               << "bin";
    }

    void dataFilesAreFound() {
        QFETCH(QString, bin);
        QFETCH(QString, data);
        QFETCH(QString, database);
        QTemporaryDir root;
        QVERIFY(layOut(root.filePath(bin), root.filePath(data)));
        QVERIFY(QDir().mkpath(root.filePath("home")));

        const Result result =
            runProgram(root.filePath(bin + "/colorcard"), {"--check-data", "--language", "en"},
                       root.filePath("home"));
        QVERIFY2(result.code == 0, qPrintable(result.output));
        const QString dataDirectory = QDir(root.filePath(data)).canonicalPath();
        for (const QString& line :
             QStringList{"window shown", "found " + dataDirectory + "/ColorCard_1.xls",
                         "found " + dataDirectory + "/ColorCard_2.xls",
                         "found " + dataDirectory + "/meterno",
                         "loaded " + dataDirectory + "/ColorCard_en.qm",
                         "loaded " + dataDirectory + "/ColorCard_zh.qm", "complete"})
            QVERIFY2(result.output.contains(line + "\n"), qPrintable(result.output));
        // An installed program keeps its database per user, never in bin/.
        QVERIFY(QFile::exists(root.filePath(database + "/database.db")));
        QCOMPARE(QFile::exists(root.filePath(bin + "/database.db")), bin == database);
        // A check remembers nothing.
        QVERIFY(!QDir(root.filePath("home/config")).exists());
        // The link's traces only when asked for (no meter here: the open fails).
        QVERIFY2(!result.output.contains("hidDevice"), qPrintable(result.output));
        const Result traced =
            runProgram(root.filePath(bin + "/colorcard"), {"--check-data", "--language", "en"},
                       root.filePath("home"), "colorcard.link.debug=true");
        QVERIFY2(traced.output.contains("hidDevice Open"), qPrintable(traced.output));
    }

    void missingDataFilesFailTheCheck() {
        if (QFile::exists(QStringLiteral(COLORCARD_INSTALLED_DATADIR "/ColorCard_1.xls")))
            QSKIP("an installation in " COLORCARD_INSTALLED_DATADIR " would supply the files");
        QTemporaryDir root;
        QVERIFY(layOut(root.filePath("bin"), QString()));
        const Result result =
            runProgram(root.filePath("bin/colorcard"), {"--check-data"}, root.path());
        QCOMPARE(result.code, 1);
        for (const char* line : {"window shown\n", "missing ColorCard_1.xls\n", "missing meterno\n",
                                 "missing translation en\n", "incomplete\n"})
            QVERIFY2(result.output.contains(QLatin1String(line)), qPrintable(result.output));
    }
};

QTEST_GUILESS_MAIN(InstalledLayoutTest)
#include "tst_installedlayout.moc"
