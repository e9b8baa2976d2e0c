// SPDX-License-Identifier: MIT
#include <lcms2.h>

#include "sim/SimMeter.h"
#include "tests/formats/FormatFixture.h"

using namespace colorcard;

// Files written by hand after each format's published structure import as
// their authors meant; every refusal happens before anything is returned and
// says what is wrong in both languages.
class FormatImportTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            qWarning() << "cannot write" << path;
        return path;
    }

    static QByteArray csvRows(int libraries, int colorsEach, const QString& stem = "L") {
        QByteArray bytes = "Library,Name,LabL,Laba,Labb\n";
        for (int k = 0; k < libraries; ++k)
            for (int c = 0; c < colorsEach; ++c)
                bytes += (stem + QString::number(k)).toUtf8() + ",c" + QByteArray::number(c) +
                         ",50,1,2\n";
        return bytes;
    }

    static QByteArray cgats(const QByteArray& fields, const QByteArray& rows) {
        const int count = fields.split('\t').size();
        return "CGATS.17\nORIGINATOR \"hand\"\nNUMBER_OF_FIELDS " + QByteArray::number(count) +
               "\nBEGIN_DATA_FORMAT\n" + fields + "\nEND_DATA_FORMAT\nNUMBER_OF_SETS " +
               QByteArray::number(rows.count('\n')) + "\nBEGIN_DATA\n" + rows + "END_DATA\n";
    }

    static QByteArray cxf(const QByteArray& objects) {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<CxF xmlns=\"http://colorexchangeformat.com/CxF3-core\"><Resources>"
               "<ObjectCollection>" +
               objects + "</ObjectCollection></Resources></CxF>";
    }

    static QByteArray labObject(const QByteArray& name, const QByteArray& lab) {
        return "<Object ObjectType=\"Standard\" Name=\"" + name + "\" Id=\"" + name +
               "\"><ColorValues><ColorCIELab Color"
               "Specification=\"x\">" +
               lab + "</ColorCIELab></ColorValues></Object>";
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void refused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("english");  // checked when given
        QTest::addColumn<QString>("chinese");

        const auto row = [](const char* tag, const char* name, const QByteArray& bytes,
                            FormatError::Kind kind, const QString& english = QString(),
                            const QString& chinese = QString()) {
            QTest::newRow(tag) << QString(name) << bytes << int(kind) << english << chinese;
        };
        row("csv without Labb", "a.csv", "Name,LabL,Laba\nx,1,2\n", FormatError::MissingLabFields,
            "The file a.csv lacks the L*a*b* fields Labb: every color needs L*, a* and b*!",
            "文件a.csv缺少L*a*b*字段Labb：每个颜色都需要L*、a*和b*！");
        row("csv lower-case header", "a.csv", "name,labl,laba,labb\nx,1,2,3\n",
            FormatError::MissingLabFields);
        row("csv unclosed quote", "a.csv", "Name,LabL,Laba,Labb\n\"x,1,2,3\n",
            FormatError::CsvUnterminatedQuote);
        // A quote never closed makes every later line unreliable: it is the
        // error even after a short row, and on a header without L*a*b*.
        row("csv unclosed quote after a short row", "a.csv",
            "Name,LabL,Laba,Labb\ny,1\n\"x,1,2,3\n", FormatError::CsvUnterminatedQuote);
        row("csv unclosed quote in the header", "a.csv", "Name,\"LabL\n",
            FormatError::CsvUnterminatedQuote);
        row("csv short row", "a.csv", "Name,LabL,Laba,Labb\nx,1,2,3\ny,1,2\n",
            FormatError::CsvFieldCount,
            "The file a.csv is not a valid CSV file: line 3 has 3 fields, the header has 4!",
            "文件a.csv不是有效的CSV文件：第3行有3个字段，表头有4个！");
        // Lines are counted across quoted line breaks and lone CRs.
        row("csv short row after a quoted line break", "a.csv",
            "Name,LabL,Laba,Labb\n\"x\r\ny\",1,2,3\nz,1,2\n", FormatError::CsvFieldCount,
            "The file a.csv is not a valid CSV file: line 4 has 3 fields, the header has 4!",
            "文件a.csv不是有效的CSV文件：第4行有3个字段，表头有4个！");
        row("csv short row, CR line ends", "a.csv", "Name,LabL,Laba,Labb\rx,1,2,3\r\ry\r",
            FormatError::CsvFieldCount,
            "The file a.csv is not a valid CSV file: line 4 has 1 fields, the header has 4!",
            "文件a.csv不是有效的CSV文件：第4行有1个字段，表头有4个！");
        row("csv not utf-8", "a.csv", "Name,LabL,Laba,Labb\n\xba\xec,1,2,3\n",
            FormatError::NotUtf8);
        row("csv only header", "a.csv", "Name,LabL,Laba,Labb\n", FormatError::NoColors);
        row("csv empty L*", "a.csv", "Name,LabL,Laba,Labb\nx,,2,3\n",
            FormatError::MissingLabValues);
        row("csv text for a*", "a.csv", "Name,LabL,Laba,Labb\nx,1,red,3\n", FormatError::NotANumber,
            "The Laba value of the color \"x\" in the library \"a\" is \"red\", which is not a "
            "number!",
            "色卡库“a”中颜色“x”的Laba值“red”不是数字！");
        row("csv infinite b*", "a.csv", "Name,LabL,Laba,Labb\nx,1,2,inf\n",
            FormatError::NotANumber);
        row("csv nan RGB", "a.csv", "Name,LabL,Laba,Labb,RGBR\nx,1,2,3,nan\n",
            FormatError::NotANumber);
        row("csv L* beyond the meter", "a.csv", "Name,LabL,Laba,Labb\nx,1000,2,3\n",
            FormatError::OutOfRange,
            "The LabL value of the color \"x\" in the library \"a\" is 1000, outside -327.68 to "
            "327.67!",
            "色卡库“a”中颜色“x”的LabL值1000超出了-327.68至327.67的范围！");
        row("csv a* just beyond", "a.csv", "Name,LabL,Laba,Labb\nx,1,-327.69,3\n",
            FormatError::OutOfRange);
        row("csv negative RGB", "a.csv", "Name,LabL,Laba,Labb,RGBG\nx,1,2,3,-1\n",
            FormatError::OutOfRange);
        row("csv no colour name", "a.csv", "Name,LabL,Laba,Labb\nok,1,2,3\n,1,2,3\n",
            FormatError::EmptyColorName, "Color 2 of the library \"a\" has no name!",
            "色卡库“a”中的第2个颜色没有名称！");
        row("csv colour name 21 bytes", "a.csv",
            "Name,LabL,Laba,Labb\n123456789012345678901,1,2,3\n", FormatError::ColorNameTooLong);
        row("csv chinese colour name 21 bytes", "a.csv",
            "Name,LabL,Laba,Labb\n红橙黄绿青蓝紫,1,2,3\n", FormatError::ColorNameTooLong,
            "The color name \"红橙黄绿青蓝紫\" in the library \"a\" is 21 bytes long; the meter "
            "holds at most 20 bytes (a Chinese character takes 3)!",
            "色卡库“a”中的颜色名称“红橙黄绿青蓝紫”长21字节，仪器最多容纳20字节（一个汉字占3字节）"
            "！");
        row("csv library name 18 bytes", "a.csv",
            "Library,Name,LabL,Laba,Labb\n春夏秋冬四季,x,1,2,3\n", FormatError::LibraryNameTooLong,
            "The library name \"春夏秋冬四季\" is 18 bytes long; the meter holds at most 16 bytes "
            "(a Chinese character takes 3)!",
            "色卡库名称“春夏秋冬四季”长18字节，仪器最多容纳16字节（一个汉字占3字节）！");
        row("csv file name as library name", "a-very-long-file-name.csv",
            "Name,LabL,Laba,Labb\nx,1,2,3\n", FormatError::LibraryNameTooLong);
        row("csv description 17 bytes", "a.csv",
            "Library,Description,Name,LabL,Laba,Labb\nL,12345678901234567,x,1,2,3\n",
            FormatError::DescriptionTooLong);
        row("csv escape in a colour name", "a.csv",
            "Name,LabL,Laba,Labb\nok,1,2,3\n\"two\nlines\",1,2,3\nx\x1b[31m,1,2,3\n",
            FormatError::UnsafeName,
            "Row 3 of the file a.csv holds a name or description with a control character or a "
            "text direction mark, which cannot be kept!",
            "文件a.csv第3行的名称或描述含有控制字符或文字方向标记，无法保存！");
        row("csv NUL in a colour name", "a.csv",
            QByteArray("Name,LabL,Laba,Labb\nx\0y,1,2,3\n", 30), FormatError::UnsafeName);
        row("csv direction override in a library name", "a.csv",
            "Library,Name,LabL,Laba,Labb\nab\xe2\x80\xae,x,1,2,3\n", FormatError::UnsafeName);
        row("csv 47 libraries", "a.csv", csvRows(47, 1), FormatError::TooManyLibraries,
            "The file holds 47 color card libraries; at most 46 can be kept!",
            "文件包含47本色卡库，最多只能保存46本！");
        row("csv 20001 colours", "a.csv", csvRows(1, 20001), FormatError::TooManyColors,
            "The file holds 20001 colors; at most 20000 can be kept!",
            "文件包含20001条色卡数据，最多只能保存20000条！");

        row("cgats without LAB_B", "a.txt", cgats("SAMPLE_ID\tLAB_L\tLAB_A", "1\t1\t2\n"),
            FormatError::MissingLabFields);
        row("cgats set count wrong", "a.txt",
            cgats("SAMPLE_ID\tLAB_L\tLAB_A\tLAB_B", "1\t1\t2\t3\n").replace("SETS 1", "SETS 2"),
            FormatError::Malformed);
        row("cgats unquoted chinese", "a.txt",
            cgats("SAMPLE_ID\tSAMPLE_NAME\tLAB_L\tLAB_A\tLAB_B", "1\t红\t1\t2\t3\n"),
            FormatError::Malformed);
        row("cgats text for L*", "a.txt",
            cgats("SAMPLE_ID\tLAB_L\tLAB_A\tLAB_B", "1\t\"dark\"\t2\t3\n"),
            FormatError::NotANumber);
        row("cgats b* beyond", "a.txt", cgats("SAMPLE_ID\tLAB_L\tLAB_A\tLAB_B", "1\t1\t2\t4e3\n"),
            FormatError::OutOfRange);
        row("cgats not text", "a.txt", QByteArray("\x00\x01\x02", 3), FormatError::Malformed);
        row("cgats empty", "a.txt", "", FormatError::NoColors);
        row("cgats name with an escape", "a.txt",
            cgats("SAMPLE_ID\tSAMPLE_NAME\tLAB_L\tLAB_A\tLAB_B",
                  "1\t\"ok\"\t1\t2\t3\n2\t\"a\x1b"
                  "b\"\t1\t2\t3\n"),
            FormatError::UnsafeName);
        row("cgats blank", "a.txt", "\n \n", FormatError::NoColors);

        row("cxf not xml", "a.cxf", "<CxF", FormatError::Malformed);
        row("cxf another root", "a.cxf", "<?xml version=\"1.0\"?><Other/>", FormatError::Malformed);
        row("cxf root outside the namespace", "a.cxf", "<?xml version=\"1.0\"?><CxF/>",
            FormatError::Malformed);
        row("cxf object without lab", "a.cxf",
            cxf("<Object ObjectType=\"Standard\" Name=\"spectral\" Id=\"s\"><ColorValues>"
                "<ReflectanceSpectrum Color"
                "Specification=\"x\">0.1 0.2</ReflectanceSpectrum>"
                "</ColorValues></Object>"),
            FormatError::MissingLabValues,
            "The color \"spectral\" of the library \"a\" has no L*a*b* values!",
            "色卡库“a”中的颜色“spectral”没有L*a*b*值！");
        row("cxf tab in a name", "a.cxf", cxf(labObject("x&#9;y", "<L>1</L><A>2</A><B>3</B>")),
            FormatError::UnsafeName);
        row("cxf lab without B", "a.cxf", cxf(labObject("x", "<L>1</L><A>2</A>")),
            FormatError::MissingLabValues);
        row("cxf unknown library member", "a.cxf",
            QByteArray(cxf(labObject("x", "<L>1</L><A>2</A><B>3</B>")))
                .replace("</Resources>",
                         "</Resources><CustomResources><l:Libraries "
                         "xmlns:l=\"urn:colorcard:cxf3-libraries\"><l:Library Name=\"n\">"
                         "<l:Object Ref=\"nowhere\"/></l:Library></l:Libraries>"
                         "</CustomResources>"),
            FormatError::Malformed);
        row("cxf libraries nested 50000 deep", "a.cxf",
            QByteArray(cxf(labObject("x", "<L>1</L><A>2</A><B>3</B>")))
                .replace("</Resources>",
                         "</Resources><CustomResources><l:Libraries "
                         "xmlns:l=\"urn:colorcard:cxf3-libraries\">" +
                             QByteArray("<l:Libraries>").repeated(50000) +
                             "<l:Library Name=\"n\"><l:Object Ref=\"nowhere\"/></l:Library>" +
                             QByteArray("</l:Libraries>").repeated(50000) +
                             "</l:Libraries></CustomResources>"),
            FormatError::Malformed);
        row("unknown suffix", "a.xyz", "Name,LabL,Laba,Labb\nx,1,2,3\n", FormatError::UnknownType);
    }

    void refused() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        const QString path = file(name, bytes);
        FormatLibraries libraries;
        const FormatError error =
            OpenFormats::import(path, OpenFormats::forFile(path), ImportLimits(), libraries);
        QCOMPARE(int(error.kind), kind);
        QVERIFY(libraries.isEmpty());
        if (!english.isEmpty()) {
            QCOMPARE(error.message(Language::english()), english);
            QCOMPARE(error.message(Language::chinese()), chinese);
        }
        QVERIFY(!error.message(Language::english()).isEmpty() &&
                !error.message(Language::chinese()).isEmpty());
    }

    void formatOfAFile() {
        const QList<QPair<QString, OpenFormat>> cases = {
            {"a.csv", OpenFormat::Csv},     {"B.CSV", OpenFormat::Csv},
            {"c.txt", OpenFormat::Cgats},   {"d.it8", OpenFormat::Cgats},
            {"e.cgats", OpenFormat::Cgats}, {"f.tar.cxf", OpenFormat::Cxf},
            {"g.xls", OpenFormat::Unknown}, {"csv", OpenFormat::Unknown}};
        for (const auto& c : cases)
            QVERIFY2(OpenFormats::forFile(c.first) == c.second, qPrintable(c.first));
        // Each dialog filter leads back to its format, in both languages.
        for (const Language& language : {Language::english(), Language::chinese()}) {
            const QStringList filters = OpenFormats::dialogFilters(language);
            QCOMPARE(filters.size(), 3);
            for (const QString& filter : filters) {
                const QString pattern = filter.section('(', 1).section(' ', 0, 0).remove(')');
                QCOMPARE(OpenFormats::forFilter(filter),
                         OpenFormats::forFile("x" + pattern.mid(1)));
            }
        }
        QCOMPARE(OpenFormats::forFilter("Excel (*.xls)"), OpenFormat::Unknown);
    }

    void namesAtTheMeterLimitsAreTaken() {
        const QString path = file("limits.csv",
                                  "Library,Description,Name,LabL,Laba,Labb\n"
                                  "春夏秋冬四,1234567890123456,12345678901234567890,1,2,3\n"
                                  "春夏秋冬四,1234567890123456,红橙黄绿青蓝,4,5,6\n");
        FormatLibraries libraries;
        QVERIFY(!OpenFormats::import(path, OpenFormat::Csv, ImportLimits(), libraries));
        QCOMPARE(libraries.size(), 1);
        QCOMPARE(libraries[0].name, QStringLiteral("春夏秋冬四"));
        QCOMPARE(libraries[0].colors[1].name, QStringLiteral("红橙黄绿青蓝"));
    }

    void csvByHand() {
        // Columns in another order, a byte-order mark, CRLF and LF, quoted
        // separators and line breaks, unknown columns, no Library column.
        const QString path = file("Hand made.csv",
                                  "\xEF\xBB\xBFLabb,Note,Name,Laba,LabL,RGBR,Yxyy2\r\n"
                                  "3.456,\"a,\r\nb\",\"two, lines\",-2,50,12,0.31\r\n"
                                  "-0.001,,\"say \"\"hi\"\"\",1e1,7.5,,\n");
        FormatLibraries libraries;
        const FormatError error =
            OpenFormats::import(path, OpenFormat::Csv, ImportLimits(), libraries);
        QVERIFY2(!error, qPrintable(error.message(Language::english())));
        QCOMPARE(libraries.size(), 1);
        QCOMPARE(libraries[0].name, QStringLiteral("Hand made"));
        QCOMPARE(libraries[0].description, QString());
        const FormatColor& first = libraries[0].colors[0];
        QCOMPARE(first.name, QStringLiteral("two, lines"));
        QCOMPARE(first.values.mid(0, 3), (QStringList{"50.00", "-2.00", "3.46"}));
        QCOMPARE(first.values[ColorColumns::RgbR], QStringLiteral("12"));
        QCOMPARE(first.values[ColorColumns::Yxyy], QStringLiteral("0.3100"));
        const FormatColor& second = libraries[0].colors[1];
        QCOMPARE(second.name, QStringLiteral("say \"hi\""));
        QCOMPARE(second.values.mid(0, 3), (QStringList{"7.50", "10.00", "0.00"}));
        // Missing values are the ones of that L*a*b*.
        QCOMPARE(second.values, ImportCheck::derivedTexts(7.5, 10, 0));

        // A field goes on after its closing quote; a doubled quote joins two
        // runs; CR alone ends a line, a blank one is passed over.
        const QString runs =
            file("runs.csv", "Name,LabL,Laba,Labb\r\r\"a\"\"b\"c,1,2,\"3\"\rd,4,5,6");
        FormatLibraries read;
        QVERIFY(!OpenFormats::import(runs, OpenFormat::Csv, ImportLimits(), read));
        QCOMPARE(read[0].colors.size(), 2);
        QCOMPARE(read[0].colors[0].name, QStringLiteral("a\"bc"));
        QCOMPARE(read[0].colors[0].values.mid(0, 3), (QStringList{"1.00", "2.00", "3.00"}));
        QCOMPARE(read[0].colors[1].row, 4);
    }

    void cgatsByHand() {
        // Comments, exponents, an empty quoted text, two tables of which one
        // names its library; colours named by SAMPLE_ID where SAMPLE_NAME lacks.
        const QByteArray bytes =
            "CGATS.17\n# measured by hand\nORIGINATOR \"someone\"\nKEYWORD \"LIBRARY_NAME\"\n"
            "KEYWORD \"LIBRARY_DESCRIPTION\"\nLIBRARY_NAME \"绿色\"\nLIBRARY_DESCRIPTION \"\"\n"
            "NUMBER_OF_FIELDS 6\nBEGIN_DATA_FORMAT\nSAMPLE_ID SAMPLE_NAME LAB_L LAB_A LAB_B "
            "RGB_R\nEND_DATA_FORMAT\nNUMBER_OF_SETS 2\nBEGIN_DATA\n"
            "A1 \"草 绿\" 5.5E1 -1.25e+1 3 10\n"
            "A2 \"\" 60 0 0 20  # no name\n"
            "END_DATA\n"
            "NUMBER_OF_FIELDS 4\nBEGIN_DATA_FORMAT\nSAMPLE_ID LAB_L LAB_A LAB_B\n"
            "END_DATA_FORMAT\nNUMBER_OF_SETS 1\nBEGIN_DATA\nP1 1 2 3\nEND_DATA\n";
        FormatLibraries read;
        QVERIFY(!OpenFormats::read(file("hand.txt", bytes), OpenFormat::Cgats, read));
        QCOMPARE(read.size(), 2);
        QCOMPARE(read[0].name, QStringLiteral("绿色"));
        QCOMPARE(read[0].description, QString());
        QCOMPARE(read[0].colors[0].name, QStringLiteral("草 绿"));
        QCOMPARE(read[0].colors[1].name, QString());
        QCOMPARE(read[1].name, QStringLiteral("hand"));
        QCOMPARE(read[1].colors[0].name, QStringLiteral("P1"));

        FormatLibraries imported = read;
        imported[0].colors[1].name = QStringLiteral("named");
        QVERIFY(!ImportCheck::prepare(imported, "hand.txt"));
        QCOMPARE(imported[0].colors[0].values.mid(0, 3), (QStringList{"55.00", "-12.50", "3.00"}));
        QCOMPARE(imported[0].colors[0].values[ColorColumns::RgbR], QStringLiteral("10"));
        QCOMPARE(imported[1].colors[0].values.mid(0, 3), (QStringList{"1.00", "2.00", "3.00"}));
    }

    // Number cells come back as Little CMS itself reads them, whether the
    // reader takes them as texts or lets Little CMS print them again: as a
    // colour's name and as a value.
    void cgatsNumberCellsAsLittleCmsReadsThem_data() {
        QTest::addColumn<QByteArray>("cell");
        for (const char* cell : {"12.5", "12.50", "128", "0", "-0", "-0.5", "007", "0.0001",
                                 "0.00001", "0.12345", "1234567.891", "123456789", "1234567890",
                                 "2147483648", "99.999999999", ".5", "5.", "-12"})
            QTest::newRow(cell) << QByteArray(cell);
    }

    void cgatsNumberCellsAsLittleCmsReadsThem() {
        QFETCH(QByteArray, cell);
        const QByteArray bytes = cgats("SAMPLE_ID\tSAMPLE_NAME\tLAB_L\tLAB_A\tLAB_B",
                                       "1 " + cell + " " + cell + " 0 0\n");
        cmsHANDLE it8 =
            cmsIT8LoadFromMem(nullptr, bytes.constData(), cmsUInt32Number(bytes.size()));
        QVERIFY(it8);
        const QString expected = QString::fromUtf8(cmsIT8GetDataRowCol(it8, 0, 1));
        cmsIT8Free(it8);

        FormatLibraries read;
        QVERIFY(!OpenFormats::read(file("cells.txt", bytes), OpenFormat::Cgats, read));
        QCOMPARE(read.size(), 1);
        QCOMPARE(read[0].colors.size(), 1);
        QCOMPARE(read[0].colors[0].name, expected);
        QCOMPARE(read[0].colors[0].values[ColorColumns::LabL], expected);
    }

    void cxfByHand() {
        // A default namespace, children in another order, a second Lab of
        // other conditions (the first counts), no library resources.
        const QByteArray bytes =
            cxf("<Object ObjectType=\"Standard\" Name=\"天蓝\" Id=\"o1\"><ColorValues>"
                "<ColorCIELab Color"
                "Specification=\"a\"><B>-30.5</B><L>70</L><A>-10</A>"
                "</ColorCIELab><ColorCIELab Color"
                "Specification=\"b\"><L>1</L><A>1</A><B>1</B>"
                "</ColorCIELab><ColorSRGB Color"
                "Specification=\"a\"><R>90</R><G>180</G><B>230</B>"
                "</ColorSRGB></ColorValues></Object>" +
                labObject("two", "<L>20</L><A>0</A><B>0</B>"));
        FormatLibraries libraries;
        const FormatError error =
            OpenFormats::import(file("sky.cxf", bytes), OpenFormat::Cxf, ImportLimits(), libraries);
        QVERIFY2(!error, qPrintable(error.message(Language::english())));
        QCOMPARE(libraries.size(), 1);
        QCOMPARE(libraries[0].name, QStringLiteral("sky"));
        QCOMPARE(libraries[0].colors.size(), 2);
        QCOMPARE(libraries[0].colors[0].name, QStringLiteral("天蓝"));
        QCOMPARE(libraries[0].colors[0].values.mid(0, 3),
                 (QStringList{"70.00", "-10.00", "-30.50"}));
        QCOMPARE(libraries[0].colors[0].values.mid(ColorColumns::RgbR),
                 (QStringList{"90", "180", "230"}));
    }

    // The derived values are the ones the simulated meter reports for the
    // same colour, to the last stored digit (L*a*b* comes rounded).
    void derivationMatchesTheMeter() {
        const double tolerance[ColorColumns::ValueCount] = {
            0, 0, 0, 0.02, 0.05, 0.05, 0, 0.02, 0.2, 0.02, 0.0002, 0.0002, 1, 1, 1, 1, 1, 1, 1};
        const int scale[ColorColumns::ValueCount] = {
            100, 100, 100, 100, 100, 100, 100, 100, 10, 100, 10000, 10000, 1, 1, 1, 1, 1, 1, 1};
        int checked = 0;
        for (int r = 0; r <= 255; r += 51)
            for (int g = 0; g <= 255; g += 51)
                for (int b = 0; b <= 255; b += 51) {
                    const SimMeasurement m = SimMeter::measurementFromRgb(r, g, b);
                    const QStringList derived =
                        ImportCheck::derivedTexts(m[0] / 100.0, m[1] / 100.0, m[2] / 100.0);
                    for (int v = 0; v < ColorColumns::ValueCount; ++v) {
                        double difference =
                            std::abs(derived[v].toDouble() - m[v] / double(scale[v]));
                        // The hue of a grey is no more than the meter's rounding residue.
                        if (v == ColorColumns::LChh && m[ColorColumns::LChC] < 50)
                            continue;
                        if (v == ColorColumns::LChh)
                            difference = std::min(difference, 360 - difference);
                        if (difference > tolerance[v] + 1e-9)
                            QFAIL(qPrintable(QString("rgb(%1,%2,%3) %4: %5, meter %6")
                                                 .arg(r)
                                                 .arg(g)
                                                 .arg(b)
                                                 .arg(ColorColumns::rule(v).header, derived[v])
                                                 .arg(m[v] / double(scale[v]))));
                    }
                    ++checked;
                }
        QCOMPARE(checked, 216);
    }
};

QTEST_GUILESS_MAIN(FormatImportTest)
#include "tst_formatimport.moc"
