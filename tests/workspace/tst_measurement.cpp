// SPDX-License-Identifier: MIT
#include "tests/workspace/MeterFixture.h"

using namespace colorcard;

namespace {

const QString kNoLink[] = {"Please open connect first！", "请先打开连接！"};
const QString kNoLibrary[] = {"Please select color card library name！", "请先选择色卡库名称！"};
const QString kNotLocked[] = {"Please lock color card library name！", "请先锁定色卡库名称！"};
const QString kWriteFail[] = {"Read measure data write fail！", "读取测量数据写端口失败！"};
const QString kReceiveFail[] = {"Read measure data receive fail！",
                                "读取测量数据接收端口报文失败！"};
const QString kDataError[] = {"Read measure data receive data error!",
                              "读取测量数据接收的报文格式错误！"};
const QString kGrey = "background-color: rgb(220, 220, 220);";

}  // namespace

class MeasurementTest : public QObject {
    Q_OBJECT
private slots:
    void checksRunInOrderBeforeTheMeterIsAsked() {
        for (const int chinese : {0, 1}) {
            MeterPage m;
            FirstPage& page = m.page();
            page.setLanguage(chinese ? Language::chinese() : Language::english());
            QVector<int> values{1, 2, 3};
            // No link, no library, not locked: the link is named first.
            m.sim.close();
            QVERIFY(!readMeasurement(page, values));
            m.sim.open();
            QVERIFY(!readMeasurement(page, values));
            addLibrary(page, 1, "lib", {});
            QVERIFY(!readMeasurement(page, values));
            QCOMPARE(m.f.prompt.messages(),
                     (QStringList{kNoLink[chinese], kNoLibrary[chinese], kNotLocked[chinese]}));
            for (const ScriptedPrompt::Event& e : m.f.prompt.events) {
                if (e.kind != ScriptedPrompt::Kind::Information)
                    continue;
                QCOMPARE(e.title, QString(chinese ? "提示" : "Tip"));
                QCOMPARE(e.parent, static_cast<QWidget*>(&page));
            }
            QCOMPARE(m.sim.requests(), QStringList());
            QCOMPARE(values, (QVector<int>{1, 2, 3}));
            QCOMPARE(m.f.ui()->label_colorCardResult->styleSheet(), kGrey);

            page.on_pushButton_lock_clicked();
            m.f.prompt.clear();
            QVERIFY(readMeasurement(page, values));
            QCOMPARE(m.f.prompt.events.size(), 0);
            QCOMPARE(m.sim.requests(), QStringList{"ab 44 00 00 00 00 36 00"});
            QCOMPARE(values.size(), 19);
        }
    }

    void failuresLeaveValuesAndPreview_data() {
        QTest::addColumn<int>("writeResult");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("message");
        QByteArray wrongForm = measureReply(QVector<int>(19, 0));
        wrongForm[2] = 1;
        wrongForm[5] = 1;
        const quint16 crc = crc16(wrongForm, 62);
        wrongForm[62] = char(crc & 0xFF);
        wrongForm[63] = char(crc >> 8);
        QByteArray badCrc = measureReply(QVector<int>(19, 0));
        badCrc[63] = char(badCrc[63] ^ 0x55);
        QTest::newRow("not written") << 5 << QByteArray() << 0;
        QTest::newRow("silent") << -100 << QByteArray() << 1;
        QTest::newRow("wrong crc") << -100 << badCrc << 1;
        QTest::newRow("bytes 2 and 5 set") << -100 << wrongForm << 2;
    }
    void failuresLeaveValuesAndPreview() {
        QFETCH(int, writeResult);
        QFETCH(QByteArray, reply);
        QFETCH(int, message);
        for (const int chinese : {0, 1}) {
            ScriptedPage s;
            FirstPage& page = s.page();
            page.setLanguage(chinese ? Language::chinese() : Language::english());
            addLibrary(page, 1, "lib", {});
            page.on_pushButton_lock_clicked();
            if (writeResult != -100)
                s.linker.writeResults << writeResult;
            if (!reply.isEmpty())
                s.linker.replies << reply;
            QVector<int> values{7};
            QVERIFY(!readMeasurement(page, values));
            const QString* texts[] = {kWriteFail, kReceiveFail, kDataError};
            QCOMPARE(s.f.prompt.messages(), QStringList{texts[message][chinese]});
            QCOMPARE(values, QVector<int>{7});
            QCOMPARE(s.f.ui()->label_colorCardResult->styleSheet(), kGrey);
        }
    }

    void decodesTheReplyAndPaintsThePreview() {
        ScriptedPage s;
        FirstPage& page = s.page();
        addLibrary(page, 1, "lib", {});
        page.on_pushButton_lock_clicked();
        QVector<int> sent(19, 0);
        for (int i = 0; i < 19; ++i)
            sent[i] = i + 1;
        QByteArray reply = measureReply(sent);
        // L* 0x10 0x27 and a* 0x18 0xFC; h 0xFFFF is unsigned.
        reply[8] = char(0x10);
        reply[9] = char(0x27);
        reply[10] = char(0x18);
        reply[11] = char(0xFC);
        reply[24] = char(0xFF);
        reply[25] = char(0xFF);
        reply[36] = char(0xFF);
        reply[37] = char(0x7F);
        reply[38] = char(0x00);
        const quint16 crc = crc16(reply, 62);
        reply[62] = char(crc & 0xFF);
        reply[63] = char(crc >> 8);
        s.linker.replies << reply;

        QVector<int> values;
        QVERIFY(readMeasurement(page, values));
        QCOMPARE(values.size(), 19);
        QCOMPARE(values[0], 10000);
        QCOMPARE(values[1], -1000);
        QCOMPARE(values[2], 3);
        QCOMPARE(values[8], 65535);
        QCOMPARE(values[15], 16);
        QCOMPARE(values.mid(16), (QVector<int>{255, 127, 0}));
        QCOMPARE(s.f.ui()->label_colorCardResult->styleSheet(),
                 QString("background-color: rgb(255, 127, 0);"));
        const QByteArray request = QByteArray::fromHex("AB44000000003600");
        const quint16 requestCrc = crc16(request, request.size());
        QCOMPARE(s.linker.lastWritten(), request + char(requestCrc & 0xFF) + char(requestCrc >> 8));
        QCOMPARE(s.linker.replyReads().value(0).timeoutMs, 6000);
        QCOMPARE(s.linker.replyReads().value(0).expectedLength, 64);
    }
};

QTEST_MAIN(MeasurementTest)
#include "tst_measurement.moc"
