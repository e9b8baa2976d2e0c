// SPDX-License-Identifier: MIT
#include <QtTest>

#include "protocol/MeasureMessages.h"
#include "tests/support/ScriptedFrames.h"

using namespace colorcard;

namespace {

// Payload bytes 8..61: L*a*b* 10000 -1000 -100; L*u*v* 10000 -10 5;
// LCh 10000 32768 900; Yxy 65535 3133 3418; CMYK 10 20 30 255; RGB 255 127 0;
// 23 unused bytes.
const QByteArray Payload =
    " 10 27 18 FC 9C FF  10 27 F6 FF 05 00  10 27 00 80 84 03  FF FF 3D 0C 5A 0D"
    " 0A 14 1E FF  FF 7F 00"
    " 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00";

}  // namespace

class MeasureMessagesTest : public QObject, ScriptedFrames {
    Q_OBJECT
    MeasureMessages messages{frames};

private slots:
    void init() {
        linker.reset();
        frames.restart();
    }

    void measurement() {
        linker.replies << ScriptedLinker::sealed("AB 44 00 00 00 00 36 00" + Payload);
        QVector<int> values;
        QCOMPARE(int(messages.readMeasureData(values)), 1);
        QCOMPARE(linker.lastWritten(), QByteArray::fromHex("AB 44 00 00 00 00 36 00 18 64"));
        QCOMPARE(linker.writes[0].timeoutMs, 1000);
        QCOMPARE(linker.replyReads().size(), 1);
        QCOMPARE(linker.replyReads()[0].timeoutMs, 6000);
        QCOMPARE(linker.replyReads()[0].expectedLength, 64);
        const QVector<int> expected{10000, -1000, -100, 10000, -10, 5,   10000, 32768, 900, 65535,
                                    3133,  3418,  10,   20,    30,  255, 255,   127,   0};
        QCOMPARE(values, expected);
    }

    void replyForms_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::newRow("byte 2 set")
            << ScriptedLinker::sealed("AB 44 01 00 00 00 36 00" + Payload) << 1;
        QTest::newRow("byte 5 set")
            << ScriptedLinker::sealed("AB 44 00 00 00 01 36 00" + Payload) << 1;
        QTest::newRow("bytes 2 and 5 set")
            << ScriptedLinker::sealed("AB 44 01 00 00 01 36 00" + Payload) << -3;
        QTest::newRow("wrong crc")
            << QByteArray::fromHex("AB 44 01 00 00 01 36 00" + Payload + " 00 00") << -2;
        QTest::newRow("short") << ScriptedLinker::sealed("AB 44 00 00 00 00 36 00 10 27") << -2;
        QTest::newRow("silence") << QByteArray() << -2;
    }
    void replyForms() {
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        linker.replies << reply;
        QVector<int> values{42};
        QCOMPARE(int(messages.readMeasureData(values)), result);
        QCOMPARE(values.size(), result == 1 ? 19 : 1);
    }

    void requestNotWritten() {
        QVector<int> values;
        linker.writeResults << -1;
        QCOMPARE(int(messages.readMeasureData(values)), -1);
        linker.open = false;
        QCOMPARE(int(messages.readMeasureData(values)), -1);
        QVERIFY(linker.replyReads().isEmpty());
        QVERIFY(values.isEmpty());
    }
};

QTEST_GUILESS_MAIN(MeasureMessagesTest)
#include "tst_measuremessages.moc"
