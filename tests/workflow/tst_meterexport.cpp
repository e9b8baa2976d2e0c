// SPDX-License-Identifier: MIT
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtEndian>
#include <QtTest>

#include "checksum/Crc16.h"
#include "tests/workflow/TransferFixture.h"

using namespace colorcard;

using D = TransferFixture::Disturbance;
Q_DECLARE_METATYPE(TransferFixture::Disturbance)

namespace {

const QString kExportingLabel = QStringLiteral("Exporting meter data, please wait");
const QString kWritingLabel = QStringLiteral("Writing to database, please wait");
const QString kSuccess = QStringLiteral("Export the color card data success!");
const QString kNothingChanged = QStringLiteral(
    "Nothing was changed: every color card library of the meter is already in the database or "
    "was kept as it was.");
using Answer = Prompt::SeriesAnswer;

QString overwriteQuestion(const QString& name, const QString& description) {
    return QStringLiteral(
               "Color card library name: %1, color card library description: %2, "
               "already exists, do you want to overwrite the old color card library?")
        .arg(name, description);
}

QList<Request> dataReads(const TransferFixture& f) {
    QList<Request> reads;
    for (const Request& r : f.requests(0x40))
        if (r.address >= 0x40000)
            reads << r;
    return reads;
}

}  // namespace

class MeterExportTest : public QObject {
    Q_OBJECT

private slots:
    void streamValuesAsStoredTexts() {
        QCOMPARE(FrameMeterDriver::hundredthsText(qint16(0xFFFB)), QString("-0.05"));  // FB FF
        QCOMPARE(FrameMeterDriver::hundredthsText(-1234), QString("-12.34"));
        QCOMPARE(FrameMeterDriver::hundredthsText(5), QString("0.05"));
        QCOMPARE(FrameMeterDriver::hundredthsText(0), QString("0.00"));
        QCOMPARE(FrameMeterDriver::hundredthsText(-100), QString("-1.00"));
        QCOMPARE(FrameMeterDriver::hundredthsText(32767), QString("327.67"));
        QCOMPARE(FrameMeterDriver::hundredthsText(-32768), QString("-327.68"));
        for (int v = -32768; v <= 32767; ++v) {  // every value against printf's digits
            const QString expected =
                QString::asprintf("%s%d.%02d", v < 0 ? "-" : "", qAbs(v) / 100, qAbs(v) % 100);
            if (FrameMeterDriver::hundredthsText(qint16(v)) != expected)
                QFAIL(qPrintable(QString::number(v)));
        }

        // Names first, then the triples; a name fills its field or ends at a zero byte.
        QByteArray stream =
            QByteArray("Red").leftJustified(20, '\0') + QByteArray("TwentyCharactersLong") +
            QByteArray::fromHex("FBFF0100D2FB") + QByteArray::fromHex("000010270080");
        const QVector<MeterColour> colours = FrameMeterDriver::decodeStream(stream, 2);
        QCOMPARE(colours.size(), 2);
        QCOMPARE(colours[0].name, QString("Red"));
        QCOMPARE(colours[1].name, QString("TwentyCharactersLong"));
        QCOMPARE((QStringList{colours[0].L, colours[0].a, colours[0].b}),
                 (QStringList{"-0.05", "0.01", "-10.70"}));
        QCOMPARE((QStringList{colours[1].L, colours[1].a, colours[1].b}),
                 (QStringList{"0.00", "100.00", "-327.68"}));
    }

    void emptyMeterIsASuccess_data() {
        QTest::addColumn<bool>("chinese");
        QTest::newRow("English") << false;
        QTest::newRow("Chinese") << true;
    }
    void emptyMeterIsASuccess() {
        QFETCH(bool, chinese);
        TransferFixture f;
        f.messenger.setLanguage(chinese ? Language::chinese() : Language::english());
        f.meter().loadLibraries({});
        QVERIFY(f.exportMeter());

        // Only the total was read; both dialogs ran from 0 to 0.
        QCOMPARE(f.requests(0x40).size(), 1);
        QCOMPARE(f.requests(0x40)[0], (Request{0x40, 0x2F00, 4, {}}));
        const QString cancel = chinese ? "取消" : "Cancel";
        const auto* reading = f.progress(chinese ? "正在导出仪器数据，请等待..." : kExportingLabel);
        const auto* writing = f.progress(chinese ? "正在写入数据库，请等待..." : kWritingLabel);
        QVERIFY(reading && writing);
        for (const auto* dialog : {reading, writing}) {
            QCOMPARE(dialog->minimum, 0);
            QCOMPARE(dialog->maximum, 0);
            QCOMPARE(dialog->cancelText, cancel);
            QVERIFY(dialog->hidden);
            QCOMPARE(dialog->parent, f.messenger.parent());
        }
        QCOMPARE(f.prompt.messages(),
                 QStringList{chinese ? QStringLiteral("导出仪器色卡数据成功！") : kSuccess});
        QCOMPARE(f.prompt.events.last().title, chinese ? QString("提示") : QString("Tip"));
        QVERIFY(f.stored().isEmpty());
        QCOMPARE(f.service().libraryCount(), 0);
    }

    void tenColoursInTwoPackages() {
        TransferFixture f;
        f.service().setMeterNumber("2301");
        f.meter().loadLibraries({{"Lib", "Desc", simColours("C", 10)}});
        QVERIFY(f.exportMeter());

        QCOMPARE(dataReads(f), (QList<Request>{{0x40, 0x40000, 256, {}}, {0x40, 0x40100, 4, {}}}));
        const auto* reading = f.progress(kExportingLabel);
        QCOMPARE(reading->maximum, 2);
        QCOMPARE(reading->values, (QList<int>{1, 2}));
        const auto* writing = f.progress(kWritingLabel);
        QCOMPARE(writing->maximum, 1);
        QCOMPARE(writing->values, (QList<int>{1}));
        QVERIFY(writing->hidden);

        COMPARE_LIBRARIES(f.stored(), asStored(f.meter().libraries()));
        QCOMPARE(f.stored()[0].meterNumber, QString("2301"));
        // The page shows the library with its count and knows its colour keys.
        QCOMPARE(f.service().libraryCount(), 1);
        QCOMPARE(f.service().library(0).id, "ColorCard1" + kStamp);
        QCOMPARE(f.service().library(0).count, QString("10"));
        QCOMPARE(f.keys(), QStringList{"Lib:Desc"});
        const ColourTexts first = f.stored()[0].colours[0];
        QCOMPARE(f.colourKeys("Lib", "Desc").size(), 10);
        QCOMPARE(f.colourKeys("Lib", "Desc")[0], first.join(':'));
        const QVector<Colour> records = f.store().selectColours("ColorCard1" + kStamp);
        QCOMPARE(records[0].id, "ColorData0" + kStamp);
        QCOMPARE(records[9].id, "ColorData9" + kStamp);
        QCOMPARE(f.prompt.messages(), QStringList{kSuccess});
    }

    void streamOfWholePackagesHasNoEmptyLastOne() {
        TransferFixture f;
        // 128 colours are 3328 bytes, exactly 13 packages of 256.
        f.meter().loadLibraries({{"A", "", simColours("a", 100)}, {"B", "", simColours("b", 28)}});
        QVERIFY(f.exportMeter());
        const QList<Request> reads = dataReads(f);
        QCOMPARE(reads.size(), 13);
        for (int p = 0; p < 13; ++p)
            QCOMPARE(reads[p], (Request{0x40, quint32(0x40000 + 256 * p), 256, {}}));
        COMPARE_LIBRARIES(f.stored(), asStored(f.meter().libraries()));
    }

    void mergeReplacesColoursOfTheSameName() {
        TransferFixture f;
        const QVector<SimColour> colours = simColours("C", 4);
        f.meter().loadLibraries({{"Lib", "Desc", colours}});
        const QList<ColourTexts> meterTexts = asStored(f.meter().libraries())[0].colours;
        // The store holds the first two colours, and the third by name with
        // other values: overwriting gives it the meter's values, in its place.
        ColourTexts changed = meterTexts[2];
        changed[1] = "1.23";
        f.addLibrary("Lib", "Desc", {meterTexts[0], changed, meterTexts[1]});
        f.prompt.seriesAnswers << Answer::Yes;
        QVERIFY(f.exportMeter());

        QCOMPARE(f.prompt.seriesHeads(), QStringList{overwriteQuestion("Lib", "Desc")});
        QCOMPARE(f.prompt.questions(), QStringList());
        QCOMPARE(f.stored().size(), 1);
        QCOMPARE(f.stored()[0].colours,
                 (QList<ColourTexts>{meterTexts[0], meterTexts[2], meterTexts[1], meterTexts[3]}));
        QCOMPARE(f.stored()[0].count, QString("4"));
        QCOMPARE(f.service().library(0).count, QString("4"));
        QCOMPARE(f.colourKeys("Lib", "Desc")[1], meterTexts[2].join(':'));
        // Identifiers stay unique next to the ones the library had.
        QSet<QString> ids;
        for (const Colour& record : f.store().selectColours(f.service().library(0).id))
            ids.insert(record.id);
        QCOMPARE(ids.size(), 4);

        // A second export finds everything present: nothing is asked or changed.
        f.prompt.clear();
        QVERIFY(f.exportMeter());
        QCOMPARE(f.prompt.seriesHeads(), QStringList());
        QCOMPARE(f.prompt.messages(), QStringList{kNothingChanged});
        QCOMPARE(f.stored()[0].colours.size(), 4);
        QCOMPARE(f.stored()[0].count, QString("4"));
        QCOMPARE(f.service().libraryCount(), 1);

        // Declined, the library keeps its own values.
        TransferFixture g;
        g.meter().loadLibraries({{"Lib", "Desc", colours}});
        g.addLibrary("Lib", "Desc", {changed});
        g.prompt.seriesAnswers << Answer::No;
        QVERIFY(g.exportMeter());
        QCOMPARE(g.stored()[0].colours, QList<ColourTexts>{changed});
        QCOMPARE(g.prompt.messages(), QStringList{kNothingChanged});
    }

    void declinedLibraryKeepsTheStreamInStep() {
        TransferFixture f;
        f.meter().loadLibraries(
            {{"Old", "x", simColours("old", 3)}, {"New", "y", simColours("new", 2, 1)}});
        f.addLibrary("Old", "x", {});
        f.prompt.seriesAnswers << Answer::No;
        QVERIFY(f.exportMeter());

        const QList<StoredLibrary> expected = asStored(f.meter().libraries());
        const QList<StoredLibrary> stored = f.stored();
        QCOMPARE(stored.size(), 2);
        QVERIFY(stored[0].colours.isEmpty());
        QCOMPARE(stored[1].name, QString("New"));
        QCOMPARE(stored[1].colours, expected[1].colours);
        QCOMPARE(f.progress(kWritingLabel)->values, QList<int>{2});
        QCOMPARE(f.prompt.messages(), QStringList{kSuccess});
    }

    void libraryLimitRefusesBeforeAnyWrite_data() {
        QTest::addColumn<bool>("chinese");
        QTest::newRow("English") << false;
        QTest::newRow("Chinese") << true;
    }
    void libraryLimitRefusesBeforeAnyWrite() {
        QFETCH(bool, chinese);
        TransferFixture f;
        for (int i = 1; i <= 8; ++i)
            f.addLibrary(QStringLiteral("Lib%1").arg(i), "", {});
        // One known library, two new ones: 8 + 2 > 9.
        f.meter().loadLibraries(
            {{"Lib1", "", simColours("a", 2)}, {"N1", "", simColours("b", 2)}, {"N2", "", {}}});
        f.messenger.setLanguage(chinese ? Language::chinese() : Language::english());
        QVERIFY(!f.exportMeter());
        QCOMPARE(f.prompt.messages(),
                 QStringList{
                     chinese ? QStringLiteral("最多录9本色卡，已经存在8本色卡，本次导入已超过上限!")
                             : QStringLiteral("At most 9 color cards, and already 8 color "
                                              "cards, importing has exceeded the limit!")});
        QVERIFY(f.prompt.questions().isEmpty());
        QVERIFY(!f.progress(chinese ? "正在写入数据库，请等待..." : kWritingLabel));
        QCOMPARE(f.stored().size(), 8);
        QCOMPARE(f.service().libraryCount(), 8);

        // With a maximum of 46 the same export goes through.
        f.prompt.clear();
        f.messenger.setLanguage(Language::english());
        f.service().setMaxLibraries(46);
        f.prompt.seriesAnswers << Answer::Yes;
        QVERIFY(f.exportMeter());
        QCOMPARE(f.stored().size(), 10);
    }

    // The whole export is one transaction: the library that exceeds the
    // limit stops it, and the libraries before it are not kept either.
    void colourLimitStopsTheWholeExport() {
        TransferFixture f;
        // A library whose stored count brings the store to 19995 colours.
        f.addLibrary("Big", "", {});
        f.setStoredCount(0, "19995");
        f.meter().loadLibraries({{"Fits", "", simColours("f", 3)},
                                 {"Exceeds", "", simColours("e", 3, 1)},
                                 {"Never", "", simColours("n", 1, 2)}});
        QVERIFY(!f.exportMeter());

        QCOMPARE(
            f.prompt.messages(),
            QStringList{"At most 20000 color datas, and already 19998 color datas, importing 3 "
                        "color datas has exceeded the limit, from 2 color card import fail!"});
        // Nothing of the export stays, in store or page.
        const QList<StoredLibrary> stored = f.stored();
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored[0].name, QString("Big"));
        QCOMPARE(f.keys(), QStringList{"Big:"});
        QVERIFY(!f.listed("Fits", ""));
        QVERIFY(!f.listed("Exceeds", ""));
        QCOMPARE(f.service().libraryCount(), 1);
        QCOMPARE(f.store().selectLibraries().size(), 1);
        QVERIFY(!f.store().inTransaction());
        QVERIFY(f.progress(kWritingLabel)->hidden);

        // Chinese text of the same situation.
        f.prompt.clear();
        f.messenger.setLanguage(Language::chinese());
        QVERIFY(!f.exportMeter());
        QCOMPARE(f.prompt.seriesHeads(), QStringList());
        QCOMPARE(
            f.prompt.messages(),
            QStringList{"最多录20000条色卡数据，已经存在19998条色卡数据，本次导入3条已超过上限，"
                        "从第2本色卡开始导出失败!"});
    }

    void coloursAlreadyPresentDoNotCountAgainstTheLimit() {
        TransferFixture f;
        f.meter().loadLibraries({{"Lib", "", simColours("c", 5)}});
        QVERIFY(f.exportMeter());
        f.addLibrary("Filler", "", {});
        f.setStoredCount(1, "19995");
        // 20000 stored; exporting the same meter again adds nothing.
        f.prompt.clear();
        QVERIFY(f.exportMeter());
        QCOMPARE(f.prompt.messages(), QStringList{kNothingChanged});
        QCOMPARE(f.stored()[0].colours.size(), 5);
    }

    void readFailures_data() {
        QTest::addColumn<int>("address");
        QTest::addColumn<D>("disturbance");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");

        QTest::newRow("total, not sent")
            << 0x2F00 << D::FailWrite
            << "Failed to read the total number of standard color cards and ports!"
            << "读标准色卡总数写端口失败！";
        QTest::newRow("total, no reply")
            << 0x2F00 << D::Silent
            << "No message was received regarding the total number of standard color cards read!"
            << "读标准色卡总数没有接收到报文！";
        QTest::newRow("total, wrong reply") << 0x2F00 << D::WrongHeader
                                            << "There is an error in the message received for "
                                               "reading the total number of standard color cards!"
                                            << "读标准色卡总数接收到的报文有错误！";
        QTest::newRow("information, not sent")
            << 0x2030 << D::FailWrite << "Reading standard color card information and port failed!"
            << "读标准色卡信息写端口失败！";
        QTest::newRow("information, no reply")
            << 0x2030 << D::Silent
            << "No message received for reading standard color card information!"
            << "读标准色卡信息没有接收到报文！";
        QTest::newRow("information, wrong reply")
            << 0x2000 << D::WrongHeader
            << "The message received for reading standard color card information is incorrect!"
            << "读标准色卡信息接收到的报文有错误！";
        QTest::newRow("data, not sent")
            << 0x40100 << D::FailWrite << "Reading standard color card data and port failed!"
            << "读标准色卡数据写端口失败！";
        QTest::newRow("data, no reply")
            << 0x40000 << D::Silent << "No message received for reading standard color card data!"
            << "读标准色卡数据没有接收到报文！";
    }
    void readFailures() {
        QFETCH(int, address);
        QFETCH(D, disturbance);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        for (bool inChinese : {false, true}) {
            TransferFixture f;
            f.messenger.setLanguage(inChinese ? Language::chinese() : Language::english());
            f.meter().loadLibraries(SimMeter::sampleLibraries());  // 15 colours, 2 packages
            f.disturb(0x40, address, disturbance);
            QVERIFY(!f.exportMeter());
            QCOMPARE(f.prompt.messages(), QStringList{inChinese ? chinese : english});
            QCOMPARE(f.prompt.events.last().title, inChinese ? QString("提示") : QString("Tip"));
            // Store and page are as they were.
            QVERIFY(f.stored().isEmpty());
            QCOMPARE(f.service().libraryCount(), 0);
            QVERIFY(!f.progress(inChinese ? "正在写入数据库，请等待..." : kWritingLabel));
            const auto* reading =
                f.progress(inChinese ? "正在导出仪器数据，请等待..." : kExportingLabel);
            if (address >= 0x40000) {
                QVERIFY(reading->hidden);
                QCOMPARE(reading->values.size(), (address - 0x40000) / 256);
            } else {
                QVERIFY(!reading);
            }
        }
    }

    // The export writes each library in one transaction; what it relies on.
    void storeTransactionHoldsALibraryTogether() {
        TransferFixture f;
        ColorCardStore& store = f.store();
        const QString id = "ColorCard1" + kStamp;
        QVERIFY(store.beginTransaction());
        QVERIFY(!store.beginTransaction());
        store.createColorDataTable(id);
        store.insertLibrary(id, "", "Lib", "", "2");
        store.insertColorDataBatchLab(id, {"ColorData0" + kStamp, "ColorData1" + kStamp},
                                      {"a", "b"}, {"1.00", "2.00"}, {"0.00", "0.00"},
                                      {"0.00", "0.00"});
        const auto committedLibraries = [&store] {
            QSqlDatabase observer = QSqlDatabase::addDatabase("QSQLITE", "observer");
            observer.setDatabaseName(store.databasePath());
            int count = -1;
            if (observer.open()) {
                QSqlQuery query("SELECT COUNT(*) FROM ColorCard", observer);
                if (query.next())
                    count = query.value(0).toInt();
            }
            observer = QSqlDatabase();
            QSqlDatabase::removeDatabase("observer");
            return count;
        };
        QCOMPARE(committedLibraries(), 0);
        store.commitTransaction();
        QCOMPARE(committedLibraries(), 1);
        QCOMPARE(store.selectColours(id).size(), 2);
        QVERIFY(f.prompt.messages().isEmpty());
    }

    // A total above the library limit is a garbled reply: refused before
    // any record is read, in both languages.
    void totalAboveTheLimitIsRefusedAtOnce_data() {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("maximum");
        QTest::newRow("65535, at most 9") << 65535 << 9;
        QTest::newRow("47, at most 46") << 47 << 46;
        QTest::newRow("10, at most 9") << 10 << 9;
    }
    void totalAboveTheLimitIsRefusedAtOnce() {
        QFETCH(int, total);
        QFETCH(int, maximum);
        TransferFixture f;
        f.service().setMaxLibraries(maximum);
        f.addLibrary("Mine", "", {{"x", "1.00", "2.00", "3.00"}});
        f.meter().loadLibraries(SimMeter::sampleLibraries());
        QByteArray record(4, '\0');
        qToLittleEndian<quint16>(quint16(total), record.data());
        qToLittleEndian<quint16>(crc16(record, 2), record.data() + 2);
        f.meter().setMemory(SimMeter::kTotalAddress, record);
        const QList<StoredLibrary> before = f.stored();

        QVERIFY(!f.exportMeter());
        QCOMPARE(f.prompt.messages(), QStringList{QStringLiteral("At most %1 color cards, and "
                                                                 "already 1 color cards, importing "
                                                                 "has exceeded the limit!")
                                                      .arg(maximum)});
        QCOMPARE(f.requests(0x40), (QList<Request>{{0x40, 0x2F00, 4, {}}}));
        QVERIFY(!f.prompt.lastProgress());
        COMPARE_LIBRARIES(f.stored(), before);
    }
    void meterFilledToItsLimitIsRead() {
        TransferFixture f;
        QVector<SimLibrary> nine;
        for (int k = 0; k < 9; ++k)
            nine.append({QStringLiteral("L%1").arg(k), "", simColours("c", 1, k)});
        f.meter().loadLibraries(nine);
        QVERIFY(f.exportMeter());
        QCOMPARE(f.stored().size(), 9);
    }

    // Everything the meter's signed hundredths hold is taken from the meter,
    // up to its very edge; values outside the plausible range (L* -10..150,
    // a*, b* within 200) are kept and pointed out after the success.
    void labAcrossTheMeterRangeIsTaken_data() {
        QTest::addColumn<int>("L");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<bool>("plausible");
        QTest::newRow("L 150.01") << 15001 << 0 << 0 << false;
        QTest::newRow("L -10.01") << -1001 << 0 << 0 << false;
        QTest::newRow("a 200.01") << 5000 << 20001 << 0 << false;
        QTest::newRow("a -327.68, b 327.67") << 5000 << -32768 << 32767 << false;
        QTest::newRow("on the bounds") << 15000 << -20000 << 20000 << true;
        QTest::newRow("L -10.00") << -1000 << 0 << 0 << true;
    }
    void labAcrossTheMeterRangeIsTaken() {
        QFETCH(int, L);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(bool, plausible);
        TransferFixture f;
        f.addLibrary("Lib", "Desc", {{"kept", "1.00", "2.00", "3.00"}});
        QVector<SimColour> colours = simColours("c", 3);
        colours[1] = {"odd", qint16(L), qint16(a), qint16(b)};
        f.meter().loadLibraries({{"New", "", simColours("n", 2)}, {"Lib", "Desc", colours}});
        f.prompt.seriesAnswers << Answer::Yes;

        QVERIFY(f.exportMeter());
        QCOMPARE(f.stored().size(), 2);
        QCOMPARE(f.stored()[0].colours[2],
                 (ColourTexts{"odd", FrameMeterDriver::hundredthsText(qint16(L)),
                              FrameMeterDriver::hundredthsText(qint16(a)),
                              FrameMeterDriver::hundredthsText(qint16(b))}));
        QStringList expected{kSuccess};
        if (!plausible)
            expected << "1 exported colors have L*a*b* values outside L* -10 to 150, a* and b* "
                        "-200 to 200, the first \"odd\" in the library \"Lib\": they were kept as "
                        "the meter holds them, please check them!";
        QCOMPARE(f.prompt.messages(), expected);
    }

    // A colour count in an information record (its check code valid) beyond
    // what the program keeps, in one library or in all: refused before any
    // colour is read, nothing stored.
    void absurdColourCountIsRefusedBeforeReading_data() {
        QTest::addColumn<int>("count");
        QTest::newRow("19866 beside 200") << 19866;
        QTest::newRow("20001") << 20001;
        QTest::newRow("65535") << 65535;
    }
    void absurdColourCountIsRefusedBeforeReading() {
        QFETCH(int, count);
        TransferFixture f;
        f.addLibrary("Mine", "", {{"x", "1.00", "2.00", "3.00"}});
        f.meter().loadLibraries(
            {{"Big", "", simColours("b", 3)}, {"More", "", simColours("m", 200)}});
        QByteArray record = f.meter().infoRecord(0);
        QCOMPARE(record.size(), SimMeter::kInfoSize);
        record[32] = char(count & 0xFF);
        record[33] = char(count >> 8);
        const quint16 check = crc16(record, 36);
        record[36] = char(check & 0xFF);
        record[37] = char(check >> 8);
        f.meter().setMemory(SimMeter::kInfoAddress, record);
        const QList<StoredLibrary> before = f.stored();

        QVERIFY(!f.exportMeter());
        QCOMPARE(f.prompt.messages(), QStringList{"At most 20000 color datas!"});
        QVERIFY(dataReads(f).isEmpty());
        COMPARE_LIBRARIES(f.stored(), before);
    }

    void chineseNamesComeBackUnchanged() {
        TransferFixture f;
        f.meter().loadLibraries(
            {{"标准色卡", "春季系列", {{"朱红色", 5231, -1, 0}, {"Blue 2", -5, 0, 1}}}});
        QVERIFY(f.exportMeter());
        COMPARE_LIBRARIES(f.stored(), asStored(f.meter().libraries()));
        QCOMPARE(f.stored()[0].colours[0], (ColourTexts{"朱红色", "52.31", "-0.01", "0.00"}));
        QCOMPARE(f.stored()[0].colours[1], (ColourTexts{"Blue 2", "-0.05", "0.00", "0.01"}));
        QCOMPARE(f.keys(), QStringList{"标准色卡:春季系列"});
    }
};

QTEST_MAIN(MeterExportTest)
#include "tst_meterexport.moc"
