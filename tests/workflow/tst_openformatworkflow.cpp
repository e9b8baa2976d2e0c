// SPDX-License-Identifier: MIT
// The open formats' workflows without a window: which type a chosen file
// is, and the store's limits an import is checked against before anything
// changes. (The settings are checked through the command line's files.)

#include <QtTest>

#include "formats/CsvFormat.h"
#include "tests/support/LibraryFixture.h"
#include "texts/LibraryFileTexts.h"
#include "workflow/LibraryFiles.h"
#include "workflow/OpenFormatExport.h"
#include "workflow/OpenFormatImport.h"

using namespace colorcard;

class OpenFormatWorkflowTest : public QObject {
    Q_OBJECT
private slots:
    void fileType_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("written");
        const QStringList zh = OpenFormats::dialogFilters(Language::chinese());
        const QStringList en = OpenFormats::dialogFilters(Language::english());
        const QString xls = LibraryFiles::workbookFilter();
        QTest::newRow("workbook suffix over a csv filter")
            << "a.XLS" << zh[0] << int(OpenFormat::Unknown) << "a.XLS";
        QTest::newRow("csv suffix over the workbook filter")
            << "a.csv" << xls << int(OpenFormat::Csv) << "a.csv";
        QTest::newRow("it8 suffix") << "a.it8" << xls << int(OpenFormat::Cgats) << "a.it8";
        QTest::newRow("no suffix, Chinese cxf filter")
            << "dir.v2/a" << zh[2] << int(OpenFormat::Cxf) << "dir.v2/a.cxf";
        QTest::newRow("no suffix, English cgats filter")
            << "a" << en[1] << int(OpenFormat::Cgats) << "a.txt";
        QTest::newRow("unknown suffix, csv filter")
            << "a.b" << en[0] << int(OpenFormat::Csv) << "a.b.csv";
        QTest::newRow("unknown suffix, workbook filter")
            << "a.b" << xls << int(OpenFormat::Unknown) << "a.b";
        QTest::newRow("cgats suffix under the cxf filter")
            << "a.cgats" << en[2] << int(OpenFormat::Cgats) << "a.cgats";
    }
    void fileType() {
        QFETCH(QString, file);
        QFETCH(QString, filter);
        QFETCH(int, type);
        QFETCH(QString, written);
        const OpenFormat format = LibraryFiles::typeOf(file, filter);
        QCOMPARE(int(format), type);
        QCOMPARE(LibraryFiles::withSuffix(file, format), written);
    }

    // The colour limit counts what the merge would add: names the library
    // holds and names met twice in the file add nothing.
    void colourLimit_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("imported");
        QTest::newRow("held names and a repeated one, up to the limit")
            << QStringList{"c1", "c2", "new1", "new2", "new1"} << true;
        QTest::newRow("one new name beyond it")
            << QStringList{"c1", "new1", "new2", "new3"} << false;
    }
    void colourLimit() {
        QFETCH(QStringList, names);
        QFETCH(bool, imported);
        LibraryFixture f;
        QList<QStringList> colours;
        for (int i = 1; i <= 19998; ++i)
            colours << QStringList{QStringLiteral("c%1").arg(i), "1.00", "2.00", "3.00"};
        f.addLibrary("Full", "held", colours);
        QByteArray csv = "Library,Description,Name,LabL,Laba,Labb\n";
        for (const QString& name : names)
            csv += "Full,held," + name.toUtf8() + ",5,6,7\n";
        QTemporaryDir dir;
        QFile file(dir.filePath("in.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(csv);
        file.close();
        f.prompt.seriesAnswers << Prompt::SeriesAnswer::Yes;

        const bool done = OpenFormatImport(f.merge()).run(file.fileName(), OpenFormat::Csv);
        QCOMPARE(done, imported);
        QCOMPARE(f.service().totalColorCount(), imported ? 20000 : 19998);
        QCOMPARE(f.prompt.messages(),
                 QStringList{imported ? "Import file success!"
                                      : "At most 20000 color datas can be kept: 19998 are stored "
                                        "and the file brings 3 new ones, nothing was imported!"});
        QCOMPARE(f.prompt.seriesQuestions().size(), imported ? 1 : 0);
    }

    // The CSV export goes a library at a time; its bytes are a worked
    // example: formula guard (not on plain numbers), quotes, UTF-8, the mark.
    void csvExportBytes_data() {
        QTest::addColumn<bool>("onlyPlain");
        QTest::addColumn<bool>("mark");
        QTest::newRow("every library") << false << false;
        QTest::newRow("every library, byte order mark") << false << true;
        QTest::newRow("one library") << true << false;
    }
    void csvExportBytes() {
        QFETCH(bool, onlyPlain);
        QFETCH(bool, mark);
        LibraryFixture f;
        const auto colour = [](const QString& name, int base) {
            QStringList c{name};
            for (int v = 0; v < 19; ++v)
                c << QString::number(base + v);
            return c;
        };
        const auto values = [](int base) {
            QByteArray row;
            for (int v = 0; v < 19; ++v)
                row += ',' + QByteArray::number(base + v);
            return row + "\r\n";
        };
        f.addLibrary("=SUM(A1)", "a,b",
                     {colour(QString::fromUtf8("颜色 1"), 10), colour("@x", -3)});
        f.addLibrary("Empty", "none");
        const QString plain = f.addLibrary("Plain", "", {colour("say \"hi\"", 0)});
        // Stored values no measurement writes go out as any text would.
        QStringList odd{"odd",
                        " 5",
                        "-x",
                        "+1",
                        "'=x",
                        "1,5",
                        "-123456789012345678901.5",
                        "\tx",
                        "x\"y",
                        QString(),
                        QString::fromUtf8("é")};
        for (int v = odd.size(); v < 20; ++v)
            odd << QString::number(v);
        f.addLibrary("Odd", "", {odd});
        FormatWriteOptions options;
        options.byteOrderMark = mark;
        QTemporaryDir dir;
        const QString file = dir.filePath("out.csv");
        QVERIFY(OpenFormatExport(f.service(), options)
                    .exportLibraries(file, OpenFormat::Csv,
                                     onlyPlain ? QStringList{plain} : QStringList()));

        QByteArray expected = mark ? "\xEF\xBB\xBF" : "";
        expected += CsvFormat::header().join(',').toUtf8() + "\r\n";
        if (!onlyPlain)
            expected += "'=SUM(A1),\"a,b\"," + QString::fromUtf8("颜色 1").toUtf8() + values(10) +
                        "'=SUM(A1),\"a,b\",'@x" + values(-3);
        expected += "Plain,,\"say \"\"hi\"\"\"" + values(0);
        if (!onlyPlain)
            expected +=
                "Odd,,odd,\" 5\",'-x,+1,''=x,\"1,5\",-123456789012345678901.5,'\tx,"
                "\"x\"\"y\",," +
                QString::fromUtf8("é").toUtf8() + ",11,12,13,14,15,16,17,18,19\r\n";
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), expected);
    }

    // Libraries without a colour make no file.
    void nothingToExport() {
        LibraryFixture f;
        f.addLibrary("Empty", "none");
        QTemporaryDir dir;
        const QString file = dir.filePath("out.csv");
        QVERIFY(!OpenFormatExport(f.service(), FormatWriteOptions())
                     .exportLibraries(file, OpenFormat::Csv));
        QCOMPARE(f.prompt.messages(), QStringList{"There are no color data to export!"});
        QVERIFY(!QFile::exists(file));
    }
};

QTEST_GUILESS_MAIN(OpenFormatWorkflowTest)
#include "tst_openformatworkflow.moc"
