// SPDX-License-Identifier: MIT
// colorcard-cli export and import, run as a separate process on stores of
// their own: every format there and back, the errors and their status, the
// answers for libraries that exist, and a store another process is writing.

#include <QCryptographicHash>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include "store/ColorCardStore.h"
#include "store/TextSafety.h"
#include "tests/formats/FormatFixture.h"
#include "tests/support/LibraryFixture.h"

using namespace colorcard;

namespace {

const QString kMeter = QStringLiteral("12345678");

struct Run {
    int status = -1;
    QString err;
    QString out;
};

// A directory holding the stores and files, the settings of the command
// line kept in it too.
struct Fixture {
    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.filePath(name); }
    bool write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    // A store of these libraries, all of the meter kMeter.
    QString store(const QString& name, const FormatLibraries& libraries) {
        ColorCardStore store(dir.path());
        store.setDatabasePath(path(name));
        store.openDatabase();
        int number = 1;
        for (const FormatLibrary& library : libraries) {
            const QString id = store.makeLibraryId(number++);
            store.createColorDataTable(id);
            store.insertLibrary(id, kMeter, library.name, library.description,
                                QString::number(library.colors.size()));
            store.insertColorDataBatch(id, store.makeColorIds(id, 1, library.colors.size()),
                                       ColorLibraryStore::batchColumns(library));
        }
        return path(name);
    }
    FormatLibraries read(const QString& name) {
        ColorCardStore store(dir.path());
        store.setDatabasePath(path(name));
        store.openDatabase();
        return ColorLibraryStore::read(store);
    }
    QByteArray hash(const QString& name) const {
        QFile file(path(name));
        file.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }
    void start(QProcess& process, QStringList arguments, const QString& lang) {
        arguments.replaceInStrings(QStringLiteral("%D/"), dir.path() + QLatin1Char('/'));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("LC_ALL"));
        env.remove(QStringLiteral("LC_MESSAGES"));
        env.insert(QStringLiteral("LANG"), lang);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(COLORCARD_CLI), arguments);
    }
    static Run finish(QProcess& process) {
        if (!process.waitForFinished(60000))
            return {};
        return Run{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                   QString::fromUtf8(process.readAllStandardError()),
                   QString::fromUtf8(process.readAllStandardOutput())};
    }
    Run run(const QStringList& arguments, const QString& lang = QStringLiteral("C")) {
        QProcess process;
        start(process, arguments, lang);
        return finish(process);
    }
};

// Names in several scripts and values to the edge of the L*a*b* range.
FormatLibraries sample() {
    FormatLibraries libraries = mixedLibraries(false);
    libraries[0].colors[5].values[ColorColumns::Labb] = QStringLiteral("-200.00");
    return libraries;
}

QStringList names(const FormatLibraries& libraries) {
    QStringList list;
    for (const FormatLibrary& library : libraries)
        list << library.name;
    return list;
}

}  // namespace

class CliFilesTest : public QObject {
    Q_OBJECT
private slots:
    // Store, file, fresh store: every name and carried value comes back.
    void roundTrip_data() {
        QTest::addColumn<QStringList>("exportOptions");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("format");  // OpenFormat; Unknown: the workbook
        QTest::newRow("csv") << QStringList{"--format", "csv"} << "out.data"
                             << int(OpenFormat::Csv);
        QTest::newRow("cgats by suffix") << QStringList{} << "out.it8" << int(OpenFormat::Cgats);
        QTest::newRow("cxf") << QStringList{"--format", "cxf"} << "out.cxf" << int(OpenFormat::Cxf);
        QTest::newRow("xls by suffix") << QStringList{} << "out.xls" << int(OpenFormat::Unknown);
    }
    void roundTrip() {
        QFETCH(QStringList, exportOptions);
        QFETCH(QString, file);
        QFETCH(int, format);
        Fixture f;
        // Every value held, so that the workbook (which reads an empty cell
        // as 0.00) gives back every text too.
        const FormatLibraries source = prepared(sample());
        f.store("source.db", source);
        const QString written = f.path(file);
        Run r = f.run(QStringList{"export", "--database", "%D/source.db", written} + exportOptions);
        QCOMPARE(r.err, QString("colorcard-cli: Save file success!\n"));
        QCOMPARE(r.status, 0);
        int colours = 0;
        for (const FormatLibrary& library : source)
            colours += library.colors.size();
        QCOMPARE(r.out, QString("wrote %1: %2 libraries, %3 colours\n")
                            .arg(written)
                            .arg(source.size())
                            .arg(colours));
        // The import takes the type from --format when the suffix does not tell.
        r = f.run(QStringList{"import", "--database", "%D/fresh.db", written} + exportOptions);
        QCOMPARE(r.err, QString("colorcard-cli: Import file success!\n"));
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QString("libraries: %1 added, 0 replaced, 0 kept\n"
                                "colours: %2 added, 0 replaced, 0 kept\n")
                            .arg(source.size())
                            .arg(colours));
        const OpenFormat type = OpenFormat(format);
        // The open formats bring what they carry, the rest is derived again.
        QVERIFY(sameLibraries(f.read("fresh.db"), source,
                              type == OpenFormat::Unknown ? allColumns() : carriedColumns(type)));
        // A workbook brings its meter into an empty store.
        ColorCardStore fresh(f.dir.path());
        fresh.setDatabasePath(f.path("fresh.db"));
        fresh.openDatabase();
        QCOMPARE(fresh.selectLibraries().value(0).meterNumber,
                 type == OpenFormat::Unknown ? kMeter : QString());
    }

    // --library picks one library by name or identifier; the settings and
    // their overrides reach the file.
    void exportChoices_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QStringList>("libraries");
        QTest::addColumn<QByteArray>("contains");
        QTest::newRow("one library by name, a byte-order mark by default")
            << QStringList{"--library", "Plain", "out.csv"} << QString() << QStringList{"Plain"}
            << QByteArray("\xEF\xBB\xBFLibrary,");
        QTest::newRow("one library by identifier, without a mark")
            << QStringList{"--library", "%ID", "--no-bom", "out.csv"} << QString()
            << QStringList{"红色系列"} << QByteArray("Library,Description,Name");
        QTest::newRow("illuminant of the settings, observer of the option")
            << QStringList{"--observer", "2", "out.cxf"}
            << "[OpenFormats]\nCxfIlluminant=d50\nCxfObserver=10\n"
            << QStringList{"红色系列", "Plain", "Meter"}
            << QByteArray("<cc:Illuminant>D50</cc:Illuminant>\n     <cc:Observer>2_Degree<");
        QTest::newRow("an invalid setting falls back to D65")
            << QStringList{"out.cxf"} << "[OpenFormats]\nCxfIlluminant=D99\n"
            << QStringList{"红色系列", "Plain", "Meter"}
            << QByteArray("<cc:Illuminant>D65</cc:Illuminant>\n     <cc:Observer>10_Degree<");
    }
    void exportChoices() {
        QFETCH(QStringList, options);
        QFETCH(QString, settings);
        QFETCH(QStringList, libraries);
        QFETCH(QByteArray, contains);
        Fixture f;
        f.store("source.db", sample());
        QVERIFY(QDir(f.dir.path()).mkpath("ColorCard"));
        QVERIFY(f.write("ColorCard/ColorCard.conf", settings.toUtf8()));
        ColorCardStore store(f.dir.path());
        store.setDatabasePath(f.path("source.db"));
        store.openDatabase();
        options.replaceInStrings("%ID", store.selectLibraries().value(0).id);
        options.last() = f.path(options.last());
        const Run r = f.run(QStringList{"export", "--database", "%D/source.db"} + options);
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.startsWith(
                     QString("wrote %1: %2 libraries, ").arg(options.last()).arg(libraries.size())),
                 qPrintable(r.out));
        QFile file(options.last());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(bytes.contains(contains), bytes.left(1200).constData());
        FormatLibraries read;
        QVERIFY(!OpenFormats::read(options.last(), OpenFormats::forFile(options.last()), read));
        QCOMPARE(names(read), libraries);
    }

    // One line on stderr and the status; the store is never changed.
    void errors_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("export without a store")
            << QStringList{"export", "--database", "%D/none.db", "%D/x.csv"} << 1
            << "no database at";
        QTest::newRow("export over a file") << QStringList{"export", "%D/exists.csv"} << 1
                                            << "%D/exists.csv exists; --overwrite replaces it";
        QTest::newRow("unknown format") << QStringList{"export", "--format", "pdf", "%D/x.pdf"} << 2
                                        << "unknown format pdf (csv, cgats, cxf or xls)";
        QTest::newRow("suffix tells nothing")
            << QStringList{"import", "%D/x.dat"} << 2
            << "cannot tell the format of %D/x.dat from its suffix; give --format";
        QTest::newRow("the workbook holds every library")
            << QStringList{"export", "--library", "Plain", "%D/x.xls"} << 2
            << "--library does not apply to format xls";
        QTest::newRow("observer of a csv") << QStringList{"export", "--observer", "2", "%D/x.csv"}
                                           << 2 << "--observer does not apply to format csv";
        QTest::newRow("no such library")
            << QStringList{"export", "--library", "Nope", "%D/x.csv"} << 1 << "no library Nope";
        QTest::newRow("bad observer") << QStringList{"export", "--observer", "5", "%D/x.cxf"} << 2
                                      << "--observer must be 2 or 10";
        QTest::newRow("refused file") << QStringList{"import", "%D/bad.csv"} << 1
                                      << "The file bad.csv lacks the L*a*b* fields Labb";
        QTest::newRow("libraries that exist, no answer")
            << QStringList{"import", "%D/exists.csv"} << 1
            << "already in the store: 红色系列 (春季新品), Plain, Meter (a:b); --overwrite merges "
               "into them, --skip-existing leaves them";
        QTest::newRow("both answers")
            << QStringList{"import", "--overwrite", "--skip-existing", "%D/exists.csv"} << 2
            << "--overwrite and --skip-existing exclude each other";
        QTest::newRow("another meter's workbook")
            << QStringList{"import", "--meter", "999", "%D/exists.xls"} << 1
            << "Import file error!";
        QTest::newRow("library limit of the meter")
            << QStringList{"import", "--max-libraries", "9", "%D/many.csv"} << 1
            << "At most 9 color cards, and already 3 color cards, importing has exceeded the "
               "limit!";
        QTest::newRow("in Chinese") << QStringList{"import", "--lang-zh", "%D/bad.csv"} << 1
                                    << "文件bad.csv缺少L*a*b*字段Labb";
        QTest::newRow("a workbook that crashed FreeXL")
            << QStringList{"import", "%D/hostile.xls"} << 1 << "Read Excel file error!";
        QTest::newRow("terminal escape in a name")
            << QStringList{"import", "%D/escape.csv"} << 1
            << "Row 2 of the file escape.csv holds a name or description with a control "
               "character or a text direction mark, which cannot be kept!";
    }
    void errors() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        Fixture f;
        f.store("source.db", sample());
        QVERIFY(f.run({"export", "--database", "%D/source.db", "%D/exists.csv"}).status == 0);
        QVERIFY(f.run({"export", "--database", "%D/source.db", "%D/exists.xls"}).status == 0);
        QVERIFY(f.write("bad.csv", "Name,LabL,Laba\nx,1,2\n"));
        QVERIFY(f.write("escape.csv", "Name,LabL,Laba,Labb\n\x1b]0;x\x07\x1b[2J,1,2,3\n"));
        QFile hostile(QStringLiteral(FUZZ_CORPUS_DIR "/xls_read/crash-freexl-sst-oob.xls"));
        QVERIFY(hostile.open(QIODevice::ReadOnly) && f.write("hostile.xls", hostile.readAll()));
        QVERIFY(f.write("many.csv",
                        "Library,Name,LabL,Laba,Labb\nL1,c,1,2,3\nL2,c,1,2,3\n"
                        "L3,c,1,2,3\nL4,c,1,2,3\nL5,c,1,2,3\nL6,c,1,2,3\nL7,c,1,2,3\n"));
        const QByteArray before = f.hash("source.db");
        const QString lang = arguments.removeAll("--lang-zh") ? "zh_CN.UTF-8" : "C";
        if (!arguments.contains("--database"))
            arguments << "--database"
                      << "%D/source.db";
        const Run r = f.run(arguments, lang);
        QCOMPARE(r.status, status);
        message.replace("%D/", f.dir.path() + '/');
        QVERIFY2(r.err.startsWith("colorcard-cli: " + message) && r.err.count('\n') == 1,
                 qPrintable(r.err));
        QVERIFY(!r.err.contains(QChar(0x1b)));
        QCOMPARE(f.hash("source.db"), before);
        QVERIFY(!QFile::exists(f.path("x.csv")) && !QFile::exists(f.path("x.xls")));
        // Nothing was done, so nothing is reported as done.
        QCOMPARE(r.out, QString());
    }

    // Names stored by another program with control characters and direction
    // overrides are listed with escapes, never raw.
    void listingsShowNoRawControlCharacters() {
        Fixture f;
        FormatLibraries libraries(1);
        libraries[0].name = QString::fromUtf8("Red\x1b[31m");
        libraries[0].description = QString::fromUtf8(
            "\xe2\x80\xae"
            "cba");
        libraries[0].colors << storedColor(QString::fromUtf8("c\xc2\x9b"
                                                             "1m"),
                                           1);
        f.store("odd.db", libraries);
        for (const QStringList& command :
             {QStringList{"libraries"}, QStringList{"libraries", "--json"},
              QStringList{"colours", "Red\x1b[31m"},
              QStringList{"colours", "--json", "Red\x1b[31m"}}) {
            const Run r = f.run(command + QStringList{"--database", "%D/odd.db"});
            QCOMPARE(r.status, 0);
            for (const QChar c : r.out)
                QVERIFY2(c == '\n' || c == '\t' || !TextSafety::isUnsafe(c),
                         qPrintable(command.join(' ')));
            QVERIFY2(r.out.contains(QRegularExpression(R"(\\(x[0-9A-F]{2}|u[0-9a-fA-F]{4}))")),
                     qPrintable(r.out));
        }
    }

    // The answers for libraries that exist: skipped, or merged (a colour of
    // a held name takes the file's values, a new name is added), and what
    // each import says it did.
    void existingLibraries() {
        Fixture f;
        FormatLibraries libraries = sample();
        f.store("source.db", libraries);
        QVERIFY(f.write("changed.csv",
                        "Library,Description,Name,LabL,Laba,Labb\n"
                        "Plain,,Color300,10,20,30\nPlain,,new one,40,50,60\n"
                        "Fresh,,only,1,2,3\n"));
        const QStringList held = f.read("source.db").value(1).colors.first().values;
        Run r =
            f.run({"import", "--skip-existing", "--database", "%D/source.db", "%D/changed.csv"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QString("libraries: 1 added, 0 replaced, 1 kept\n"
                                "colours: 1 added, 0 replaced, 2 kept\n"));
        QCOMPARE(f.read("source.db").value(1).colors.first().values, held);
        r = f.run(
            {"import", "--overwrite", "--json", "--database", "%D/source.db", "%D/changed.csv"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QString("{\"colours\":{\"added\":1,\"kept\":1,\"replaced\":1},"
                                "\"libraries\":{\"added\":0,\"kept\":1,\"replaced\":1}}\n"));
        // Once more: nothing to change, in Chinese.
        r = f.run({"import", "--overwrite", "--database", "%D/source.db", "%D/changed.csv"},
                  "zh_CN.UTF-8");
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QString("色卡库：新增 0，替换 0，保留 2\n颜色：新增 0，替换 0，保留 3\n"));
        const FormatLibrary plain = f.read("source.db").value(1);
        QCOMPARE(plain.colors.size(), libraries[1].colors.size() + 1);
        QCOMPARE(plain.colors.first().values.mid(0, 3), (QStringList{"10.00", "20.00", "30.00"}));
        QCOMPARE(plain.colors.last().name, QString("new one"));
    }

    // The window holds the store's write lock: the import waits for it
    // instead of failing, then commits its own libraries beside the window's.
    void waitsForAnotherWriter() {
        Fixture f;
        f.store("source.db", {});
        QVERIFY(f.write("in.csv", "Library,Name,LabL,Laba,Labb\nIncoming,c,1,2,3\n"));
        ColorCardStore window(f.dir.path());
        window.setDatabasePath(f.path("source.db"));
        QVERIFY(window.openDatabase());
        QVERIFY(window.beginTransaction());
        QVERIFY(window.insertLibrary("W1", kMeter, "Window", "", "0"));
        QProcess process;
        f.start(process, {"import", "--database", "%D/source.db", "%D/in.csv"}, "C");
        QTest::qWait(1500);
        QCOMPARE(process.state(), QProcess::Running);
        QVERIFY(window.commitTransaction());
        const Run r = Fixture::finish(process);
        QCOMPARE(r.err, QString("colorcard-cli: Import file success!\n"));
        QCOMPARE(r.status, 0);
        QCOMPARE(names(f.read("source.db")), (QStringList{"Window", "Incoming"}));
    }

    // Two imports started at once, both creating the same library: each
    // decides inside its write transaction, so there is one library of that
    // name, its stored count is its rows, and every colour of both is there.
    void twoImportsAtOnceMakeOneLibrary() {
        for (int round = 0; round < 4; ++round) {
            Fixture f;
            f.store("store.db", {});
            QByteArray first = "Library,Name,LabL,Laba,Labb\n";
            QByteArray second = first;
            for (int i = 0; i < 60; ++i) {
                first += "Same,a" + QByteArray::number(i) + ",50,1,2\n";
                second += "Same,b" + QByteArray::number(i) + ",50,1,2\n";
            }
            // Ten names in both, with other values in the second file.
            for (int i = 0; i < 10; ++i)
                second += "Same,a" + QByteArray::number(i) + ",60,3,4\n";
            QVERIFY(f.write("first.csv", first));
            QVERIFY(f.write("second.csv", second));
            QProcess one, two;
            f.start(one, {"import", "--overwrite", "--database", "%D/store.db", "%D/first.csv"},
                    "C");
            f.start(two, {"import", "--overwrite", "--database", "%D/store.db", "%D/second.csv"},
                    "C");
            const Run a = Fixture::finish(one);
            const Run b = Fixture::finish(two);
            QCOMPARE(a.status, 0);
            QCOMPARE(b.status, 0);
            ColorCardStore store(f.dir.path());
            store.setDatabasePath(f.path("store.db"));
            QVERIFY(store.openDatabase());
            const QVector<Library> records = store.selectLibraries();
            QCOMPARE(records.size(), 1);
            const QVector<Colour> rows = store.selectColours(records[0].id);
            QCOMPARE(rows.size(), 120);
            QCOMPARE(records[0].count, QString("120"));
            QSet<QString> colourNames;
            for (const Colour& row : rows)
                colourNames.insert(row.name);
            QCOMPARE(colourNames.size(), 120);
        }
    }

    // The window's library service notices what the command line committed
    // and lists it; the window's own later change is counted from the rows.
    void windowSeesWhatTheCliChanged() {
        LibraryFixture window;
        window.addLibrary("Reds", "d", {QStringList{"r1", "1.00", "2.00", "3.00"}});
        window.service().selectLibrary(0);
        window.service().setLocked(true);
        Fixture f;
        QVERIFY(f.write("in.csv",
                        "Library,Description,Name,LabL,Laba,Labb\nIncoming,,c,1,2,3\n"
                        "Reds,d,r2,4,5,6\n"));
        const Run r = f.run(
            {"import", "--overwrite", "--database", window.store().databasePath(), "%D/in.csv"});
        QCOMPARE(r.err, QString("colorcard-cli: Import file success!\n"));
        QVERIFY(window.service().refreshIfChangedElsewhere());
        QCOMPARE(window.keys(), (QStringList{"Reds:d", "Incoming:"}));
        QCOMPARE(window.colourKeys("Reds", "d").size(), 2);
        QCOMPARE(window.service().currentRow(), 0);
        QVERIFY(window.service().locked());
        QStringList values{"7.00", "8.00", "9.00"};
        while (values.size() < 19)
            values << "0";
        QVERIFY(window.edits().addColour("r3", values));
        QCOMPARE(window.service().library(0).count, QString("3"));
        QCOMPARE(window.store().selectLibrary(window.service().library(0).id).count, QString("3"));
    }

    // A store another process keeps busy past the wait: the import says so
    // and changes nothing.
    void busyStoreIsToldAfterTheWait() {
        Fixture f;
        f.store("source.db", {});
        QVERIFY(f.write("in.csv", "Library,Name,LabL,Laba,Labb\nIncoming,c,1,2,3\n"));
        ColorCardStore window(f.dir.path());
        window.setDatabasePath(f.path("source.db"));
        QVERIFY(window.openDatabase());
        QVERIFY(window.beginTransaction());
        const Run r = f.run({"import", "--database", "%D/source.db", "%D/in.csv"});
        window.rollbackTransaction();
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains("The database is busy"), qPrintable(r.err));
        QCOMPARE(f.read("source.db").size(), 0);
    }

    // A file of more lines than the colour limit needs is refused as soon as
    // reading passes them, saying the bound; one larger than the size bound
    // before it is read.
    void oversizedFileIsRefusedEarly() {
        Fixture f;
        f.store("source.db", {});
        QByteArray lines = "Library,Name,LabL,Laba,Labb\n";
        for (int i = 0; i < 21500; ++i)
            lines += "L,n" + QByteArray::number(i) + ",1,2,3\n";
        QVERIFY(f.write("many.csv", lines));
        Run r = f.run({"import", "--database", "%D/source.db", "%D/many.csv"});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains("has more than 21000 lines"), qPrintable(r.err));
        QFile big(f.path("big.csv"));
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(200ll * 1024 * 1024));
        big.close();
        r = f.run({"import", "--database", "%D/source.db", "%D/big.csv"});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains("is larger than 82 MB"), qPrintable(r.err));
        QCOMPARE(f.read("source.db").size(), 0);
    }

    // A kill part-way through an import leaves every library as it was or
    // the whole file imported, never some of its libraries.
    void killedImportLeavesAllOrNothing() {
        Fixture f;
        QByteArray csv = "Library,Name,LabL,Laba,Labb\n";
        for (int library = 0; library < 46; ++library)
            for (int colour = 0; colour < 400; ++colour)
                csv += "L" + QByteArray::number(library) + ",c" + QByteArray::number(colour) +
                       ",50,1,2\n";
        QVERIFY(f.write("in.csv", csv));
        for (const int delay : {200, 700, 1000, 1500}) {
            const QString name = QStringLiteral("store%1.db").arg(delay);
            f.store(name, {});
            QProcess process;
            f.start(process,
                    {"import", "--max-libraries", "46", "--database", "%D/" + name, "%D/in.csv"},
                    "C");
            QVERIFY(process.waitForStarted());
            QTest::qWait(delay);
            process.kill();
            process.waitForFinished();
            ColorCardStore store(f.dir.path());
            store.setDatabasePath(f.path(name));
            QVERIFY(store.openDatabase());
            const QVector<Library> records = store.selectLibraries();
            QVERIFY2(records.size() == 0 || records.size() == 46,
                     qPrintable(QString::number(records.size())));
            for (const Library& record : records) {
                QCOMPARE(store.selectColours(record.id).size(), 400);
                QCOMPARE(record.count, QString("400"));
            }
        }
    }
};

QTEST_GUILESS_MAIN(CliFilesTest)
#include "tst_clifiles.moc"
