// SPDX-License-Identifier: MIT
#include <QtTest>

#include "checksum/Crc16.h"
#include "exchange/CheckCodes.h"
#include "protocol/StdCardMessages.h"
#include "tests/workflow/TransferFixture.h"

using namespace colorcard;

using D = TransferFixture::Disturbance;
Q_DECLARE_METATYPE(TransferFixture::Disturbance)

namespace {

const QString kWritingLabel = QStringLiteral("Writing meter data, please wait");
const QString kSuccess = QStringLiteral("Successfully written the color card to the instrument!");

QList<ColourTexts> colourTexts(const QString& prefix, int n) {
    QList<ColourTexts> colours;
    for (const SimColour& c : simColours(prefix, n))
        colours << ColourTexts{c.name, FrameMeterDriver::hundredthsText(c.L),
                               FrameMeterDriver::hundredthsText(c.a),
                               FrameMeterDriver::hundredthsText(c.b)};
    return colours;
}

QByteArray words(std::initializer_list<int> values) {
    QByteArray bytes;
    for (int v : values) {
        bytes.append(char(v & 0xFF));
        bytes.append(char((v >> 8) & 0xFF));
    }
    return bytes;
}

// 46 libraries with 20000 colours in total, some named in Chinese.
void fillFullStore(TransferFixture& f) {
    f.service().setMaxLibraries(46);
    int made = 0;
    for (int i = 0; i < 46; ++i) {
        const int n = 20000 / 46 + (i < 20000 % 46 ? 1 : 0);
        QList<ColourTexts> colours;
        for (const SimColour& c : simColours(
                 i % 5 == 0 ? QStringLiteral("色%1号").arg(i) : QStringLiteral("Colour%1-").arg(i),
                 n, i))
            colours << ColourTexts{c.name, FrameMeterDriver::hundredthsText(c.L),
                                   FrameMeterDriver::hundredthsText(c.a),
                                   FrameMeterDriver::hundredthsText(c.b)};
        made += n;
        f.addLibrary(
            i % 5 == 0 ? QStringLiteral("库%1").arg(i) : QStringLiteral("Library %1").arg(i),
            QStringLiteral("Set %1").arg(i), colours);
    }
    QCOMPARE(made, 20000);
}

}  // namespace

class MeterWriteTest : public QObject {
    Q_OBJECT

private slots:
    void valuesAreCutToHundredths() {
        QCOMPARE(FrameMeterDriver::streamHundredths("12.345"), 1234);
        QCOMPARE(FrameMeterDriver::streamHundredths("-0.5"), -50);
        QCOMPARE(FrameMeterDriver::streamHundredths("7"), 700);
        QCOMPARE(FrameMeterDriver::streamHundredths("-0.05"), -5);
        QCOMPARE(FrameMeterDriver::streamHundredths("52.31"), 5231);
        QCOMPARE(FrameMeterDriver::streamHundredths("-12.349"), -1234);
        QCOMPARE(FrameMeterDriver::streamHundredths("3."), 300);
        QCOMPARE(FrameMeterDriver::streamHundredths("dark"), 0);
        QCOMPARE(FrameMeterDriver::streamHundredths(""), 0);
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("counts");  // one library per entry, "" for none
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        QTest::newRow("empty store")
            << QStringList() << "The color card library is empty, unable to download!"
            << "色卡库数据为空，无法下载!";
        QTest::newRow("all counts 0")
            << QStringList{"0", "0"} << "Please add color cards first, then download again!"
            << "请先添加色卡，再重新下载!";
        QTest::newRow("first empty library named")
            << QStringList{"2", "0", "0"}
            << "The quantity of color card Second one is 0. Please delete the color card and "
               "download again!"
            << "色卡Second one数量为0，请删除色卡后重新下载!";
    }
    void refusals() {
        QFETCH(QStringList, counts);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        const QStringList names{"First", "  Second \t one ", "Third"};
        for (bool inChinese : {false, true}) {
            TransferFixture f;
            for (int i = 0; i < counts.size(); ++i)
                f.addLibrary(names[i], "", colourTexts("c", counts[i].toInt()));
            f.messenger.setLanguage(inChinese ? Language::chinese() : Language::english());
            QVERIFY(!f.writeMeter());
            // The message shows the name simplified.
            QCOMPARE(f.prompt.messages(), QStringList{inChinese ? chinese : english});
            QVERIFY(f.meter().receivedFrames().isEmpty());
        }
    }

    void payloadLayout() {
        TransferFixture f;
        f.service().setMeterNumber("2301");
        f.addLibrary("A", "first", {{"Red", "52.31", "-0.01", "0.00"}, {"Blue", "1", "2", "3"}});
        f.addLibrary("B", "", {{"Ink", "-12.34", "0.05", "100.00"}});
        const QList<QVariantList> payload = MeterWrite(f.service(), f.frames).buildMeterPayload();
        QCOMPARE(payload.size(), 49 + 3);
        QCOMPARE(payload[0], (QVariantList{"2301", "", "", "", ""}));
        QCOMPARE(payload[1], (QVariantList{2, int(countCheckCode(2))}));
        const int dataA = dataCheckCode({"52.31", "-0.01", "0.00", "1", "2", "3"});
        QCOMPARE(payload[2], (QVariantList{"A", "first", "2", dataA,
                                           int(infoCheckCode("A", "first", 2, dataA))}));
        const int dataB = dataCheckCode({"-12.34", "0.05", "100.00"});
        QCOMPARE(payload[3].mid(0, 4), (QVariantList{"B", "", "1", dataB}));
        for (int r = 4; r < 48; ++r) {
            QCOMPARE(payload[r].size(), 5);
            QVERIFY(!payload[r][0].isValid());
        }
        QCOMPARE(payload[48], (QVariantList{"name", "L", "a", "b"}));
        QCOMPARE(payload[49], (QVariantList{"Red", "52.31", "-0.01", "0.00"}));
        QCOMPARE(payload[51], (QVariantList{"Ink", "-12.34", "0.05", "100.00"}));
    }

    void meterNumberMismatch() {
        TransferFixture f;
        f.service().setMeterNumber("2301");
        f.addLibrary("A", "", colourTexts("c", 2));
        MeterWrite write(f.service(), f.frames);
        const QList<QVariantList> payload = write.buildMeterPayload();
        f.service().setMeterNumber("2302");
        QVERIFY(!write.writePayload(payload));
        QCOMPARE(f.prompt.messages(), QStringList{"Write content mismatch, unable to write!"});
        QVERIFY(f.meter().receivedFrames().isEmpty());
        f.messenger.setLanguage(Language::chinese());
        QVERIFY(!write.writePayload(payload));
        QCOMPARE(f.prompt.messages().last(), QString("写入内容不匹配，无法写入!"));
    }

    void tenColoursInTwoPackagesAndTheEmptyPacket() {
        TransferFixture f;
        f.addLibrary("Lib", "Desc", colourTexts("c", 10));
        QVERIFY(f.writeMeter());

        QCOMPARE(f.requests(0x70), (QList<Request>{{0x70, 0x2F00, 4, {}}, {0x70, 0x2000, 38, {}}}));
        QCOMPARE(f.requests(0x74),
                 (QList<Request>{
                     {0x74, 0x40000, 256, {}}, {0x74, 0x40100, 4, {}}, {0x74, 0x40104, 0, {}}}));
        const auto* progress = f.progress(kWritingLabel);
        QCOMPARE(progress->maximum, 2);
        QCOMPARE(progress->values, (QList<int>{0, 1, 2}));
        QVERIFY(progress->hidden);
        QCOMPARE(f.prompt.messages(), QStringList{kSuccess});
        QCOMPARE(f.meter().lastTransferErrors(), QStringList());
        COMPARE_LIBRARIES(asStored(f.meter().libraries()), f.stored());
        // The transfer ends by reading away whatever follows the acknowledgement.
        QCOMPARE(f.link.replyReads.last().timeoutMs, 1000);
        QCOMPARE(f.link.replyReads.last().expectedLength, 1024);
    }

    void wholePackagesEndWithAFinalFullOne() {
        TransferFixture f;
        // 128 colours: 3328 bytes, 13 × 256. The buffer never exceeds 256 at
        // the end, so the last 256 bytes go after the loops.
        f.addLibrary("A", "", colourTexts("a", 100));
        f.addLibrary("B", "", colourTexts("b", 28));
        QVERIFY(f.writeMeter());
        const QList<Request> data = f.requests(0x74);
        QCOMPARE(data.size(), 14);
        for (int p = 0; p < 13; ++p)
            QCOMPARE(data[p], (Request{0x74, quint32(0x40000 + 256 * p), 256, {}}));
        QCOMPARE(data[13], (Request{0x74, 0x40D00, 0, {}}));
        QCOMPARE(f.progress(kWritingLabel)->values.mid(10), (QList<int>{10, 11, 12, 13}));
        QCOMPARE(f.meter().lastTransferErrors(), QStringList());
    }

    void recordAndStreamBytes() {
        TransferFixture f;
        f.addLibrary("Lib", "", {{"Red", "12.345", "-0.5", "7"}});
        QVERIFY(f.writeMeter());
        const QList<Request> records = f.requests(0x70);
        QCOMPARE(records[0].data, words({1, countCheckCode(1)}));
        const QByteArray values = words({1234, -50, 700});
        const quint16 dataCheck = crc16(values, values.size());
        const QByteArray info = QByteArray("Lib").leftJustified(16, '\0') + QByteArray(16, '\0') +
                                words({1, dataCheck});
        QCOMPARE(records[1].data, info + words({crc16(info, 36)}));
        QCOMPARE(f.requests(0x74)[0].data, QByteArray("Red").leftJustified(20, '\0') + values);
        // The meter checks the stream against the record's data check code.
        QCOMPARE(f.meter().lastTransferErrors(), QStringList());
    }

    void namesSimplifiedAndCutToTheirFields() {
        TransferFixture f;
        // Extra white space, and UTF-8 longer than the fields: 7 Chinese
        // characters are 21 bytes, the name field holds 5 of them and the
        // colour name field 6.
        f.addLibrary(
            "  Spring \t Set ", " 颜色卡片库名称 ",
            {{"红橙黄绿青蓝紫", "1.00", "2.00", "3.00"}, {" x  y ", "4.00", "5.00", "6.00"}});
        QVERIFY(f.writeMeter());
        QCOMPARE(f.meter().lastTransferErrors(), QStringList());
        const QVector<SimLibrary> meter = f.meter().libraries();
        QCOMPARE(meter[0].name, QString("Spring Set"));
        QCOMPARE(meter[0].description, QString("颜色卡片库"));
        QCOMPARE(meter[0].colours[0].name, QString("红橙黄绿青蓝"));
        QCOMPARE(meter[0].colours[1].name, QString("x y"));
        QCOMPARE(meter[0].colours[1].L, qint16(400));
        QCOMPARE(f.requests(0x70)[1].data.size(), 38);
    }

    void checkCodesDescribeTheBytesSent() {
        TransferFixture f;
        // A third decimal: the stream carries 12.34, and so does the check code.
        f.addLibrary("Cut", "", {{"c", "12.346", "0", "0"}});
        // Values whose bytes have a check code of 0: the record is still written.
        const QByteArray head = words({1000, 2000});
        const qint16 last = qint16(crc16(head, head.size()));
        QVERIFY(crc16(head + words({last}), 6) == 0);
        f.addLibrary("Zero", "", {{"z", "10.00", "20.00", FrameMeterDriver::hundredthsText(last)}});
        QVERIFY(f.writeMeter());
        QCOMPARE(f.meter().lastTransferErrors(), QStringList());
        QCOMPARE(f.requests(0x70).size(), 3);
        QCOMPARE(f.meter().libraries()[1].name, QString("Zero"));
        QCOMPARE(f.meter().libraries()[0].colours[0].L, qint16(1234));
    }

    void failures_data() {
        QTest::addColumn<int>("function");
        QTest::addColumn<int>("address");
        QTest::addColumn<D>("disturbance");
        QTest::addColumn<int>("tamperedRow");  // payload row whose last check code is changed
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        QTest::addColumn<int>("dataPackages");  // data packages the meter saw

        QTest::newRow("total, check code") << 0 << 0 << D::None << 1
                                           << "写标准色卡总数,Write the total number of standard "
                                              "color cards, data error, unable to write!"
                                           << "写标准色卡总数,数据出错，无法写入！" << 0;
        QTest::newRow("total, wrong acknowledgement")
            << 0x70 << 0x2F00 << D::WrongHeader << -1
            << "There is an error in the message received for writing the total number of "
               "standard color cards!"
            << "写标准色卡总数接收到的报文有错误！" << 0;
        QTest::newRow("total, no acknowledgement")
            << 0x70 << 0x2F00 << D::Silent << -1
            << "No message was received regarding the total number of standard color cards "
               "written!"
            << "写标准色卡总数没有接收到报文！" << 0;
        QTest::newRow("total, not sent")
            << 0x70 << 0x2F00 << D::FailWrite << -1
            << "Failed to write the total number of standard color cards and ports!"
            << "写标准色卡总数写端口失败！" << 0;
        QTest::newRow("information, check code")
            << 0 << 0 << D::None << 3
            << "Writing standard color card information, data error, unable to write!"
            << "写标准色卡信息，数据出错，无法写入！" << 0;
        QTest::newRow("information, wrong acknowledgement")
            << 0x70 << 0x2030 << D::WrongHeader << -1
            << "The message received for writing standard color card information is incorrect!"
            << "写标准色卡信息接收到的报文有错误！" << 0;
        QTest::newRow("information, no acknowledgement")
            << 0x70 << 0x2000 << D::Silent << -1
            << "No message received for writing standard color card information!"
            << "写标准色卡信息没有接收到报文！" << 0;
        QTest::newRow("information, not sent")
            << 0x70 << 0x2060 << D::FailWrite << -1
            << "Writing standard color card information and port failed!"
            << "写标准色卡信息写端口失败！" << 0;
        QTest::newRow("first package not sent")
            << 0x74 << 0x40000 << D::FailWrite << -1
            << "Failed to write 1 package standard color card data to port!"
            << "写1包标准色卡数据写端口失败！" << 0;
        QTest::newRow("last package not sent")
            << 0x74 << 0x40100 << D::FailWrite << -1
            << "Failed to write 2 package standard color card data to port!"
            << "写2包标准色卡数据写端口失败！" << 1;
        QTest::newRow("empty packet refused") << 0 << 0 << D::LoseData << -1 << "Writing failed!"
                                              << "写入不成功！" << 1;
        QTest::newRow("empty packet, no acknowledgement")
            << 0x74 << 0x40186 << D::Silent << -1
            << "After writing an empty packet message, no message was received!"
            << "写空包报文后没有接收到报文！" << 2;
        QTest::newRow("empty packet not sent")
            << 0x74 << 0x40186 << D::FailWrite << -1 << "Failed to write empty packet message!"
            << "写空包报文不成功！" << 2;
    }
    void failures() {
        QFETCH(int, function);
        QFETCH(int, address);
        QFETCH(D, disturbance);
        QFETCH(int, tamperedRow);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        QFETCH(int, dataPackages);
        for (bool inChinese : {false, true}) {
            TransferFixture f;
            // 15 colours in three libraries: 390 bytes, a package of 256 and one of 134.
            for (const SimLibrary& library : SimMeter::sampleLibraries()) {
                QList<ColourTexts> colours;
                for (const SimColour& c : library.colours)
                    colours << ColourTexts{c.name, FrameMeterDriver::hundredthsText(c.L),
                                           FrameMeterDriver::hundredthsText(c.a),
                                           FrameMeterDriver::hundredthsText(c.b)};
                f.addLibrary(library.name, library.description, colours);
            }
            f.messenger.setLanguage(inChinese ? Language::chinese() : Language::english());
            f.disturb(quint8(function), address, disturbance);
            MeterWrite write(f.service(), f.frames);
            QList<QVariantList> payload = write.buildMeterPayload();
            if (tamperedRow >= 0)
                payload[tamperedRow].last() = payload[tamperedRow].last().toInt() ^ 1;
            QVERIFY(!write.writePayload(payload));
            QCOMPARE(f.prompt.messages(), QStringList{inChinese ? chinese : english});
            QCOMPARE(f.prompt.events.last().title, inChinese ? QString("提示") : QString("Tip"));
            int packages = 0;
            for (const Request& r : f.requests(0x74))
                packages += r.length > 0 ? 1 : 0;
            QCOMPARE(packages, dataPackages);
            // A record refused for its check code was never sent.
            if (tamperedRow == 1)
                QVERIFY(f.requests(0x70).isEmpty());
            if (tamperedRow == 3)
                QCOMPARE(f.requests(0x70).size(), 2);
            if (const auto* progress =
                    f.progress(inChinese ? "正在将数据写入仪器，请等待..." : kWritingLabel))
                QVERIFY(progress->hidden);
        }
    }

    void missingColourRowsStopBeforeAnythingIsSent() {
        TransferFixture f;
        f.addLibrary("A", "", colourTexts("c", 3));
        // The stored count announces more colours than the library holds.
        f.store().updateLibraryCount("4", f.service().library(0).id);
        QVERIFY(!f.writeMeter());
        QCOMPARE(f.prompt.messages(), QStringList{"Excel file error!"});
        QVERIFY(f.meter().receivedFrames().isEmpty());
    }

    void roundTripWithChineseNames() {
        TransferFixture f;
        f.addLibrary("标准色卡", "春季",
                     {{"朱红色", "52.31", "-0.01", "0.00"}, {"Ink", "7.00", "-0.50", "-12.34"}});
        f.addLibrary("Plain", "Second", colourTexts("p", 30));
        QVERIFY(f.writeMeter());
        QCOMPARE(f.meter().lastTransferErrors(), QStringList());

        QTemporaryDir other;
        f.reopen(other.path(), QString());
        QVERIFY(f.exportMeter());
        ColorCardStore written(f.dir.path());
        QVERIFY(written.openDatabase());
        COMPARE_LIBRARIES(f.stored(), TransferFixture::stored(written));
    }

    void roundTripOfAFullStore() {
        TransferFixture f;
        fillFullStore(f);
        const QList<StoredLibrary> original = f.stored();
        QVERIFY(f.writeMeter());
        QCOMPARE(f.prompt.messages(), QStringList{kSuccess});
        QCOMPARE(f.meter().lastTransferErrors(), QStringList());
        QCOMPARE(f.requests(0x74).size(), 520000 / 256 + 2);

        QTemporaryDir other;
        f.reopen(other.path(), QString());
        f.service().setMaxLibraries(46);
        f.prompt.clear();
        QVERIFY(f.exportMeter());
        QCOMPARE(f.prompt.messages(),
                 QStringList{QStringLiteral("Export the color card data success!")});
        COMPARE_LIBRARIES(f.stored(), original);
        QCOMPARE(f.service().libraryCount(), 46);
    }
};

QTEST_MAIN(MeterWriteTest)
#include "tst_meterwrite.moc"
