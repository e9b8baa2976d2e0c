#include <QtTest>

#include "../link/ScriptedHidBackend.h"
#include "CLinkerUSB.h"
#include "FrameLayer.h"

namespace {

QByteArray withCrc(const char* hex) {
    QByteArray frame = QByteArray::fromHex(hex);
    quint16 crc = 0xFFFF;
    for (char byte : frame) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
    }
    return frame.append(char(crc & 0xFF)).append(char(crc >> 8));
}

// The frame layer over a real USB link on a scripted meter.
struct Rig {
    ScriptedHidBackend backend;
    CLinkerUSB link{backend};
    FrameLayer frames{[this] { return &link; }};
    Rig() {
        QLoggingCategory::setFilterRules(QStringLiteral("colorcard.link.debug=false"));
        backend.addMeter();
        link.open(0x2047, 0x0301);
    }
};

}  // namespace

class FrameLayerTest : public QObject {
    Q_OBJECT
private slots:
    void sendFrameAppendsCrcAndWritesWholeFrame_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("onLink");
        QTest::newRow("key information")
            << QByteArray::fromHex("AB2005001200") << QByteArray::fromHex("AB2005001200946B");
        QTest::newRow("production information") << QByteArray::fromHex("AB40000000001400")
                                                << QByteArray::fromHex("AB400000000014004504");
        QTest::newRow("measure data") << QByteArray::fromHex("AB44000000003600")
                                      << QByteArray::fromHex("AB440000000036001864");
        QTest::newRow("total read with its own CRC")
            << QByteArray::fromHex("AB40002F000004009D02")
            << QByteArray::fromHex("AB40002F000004009D020000");
    }
    void sendFrameAppendsCrcAndWritesWholeFrame() {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, onLink);
        Rig rig;
        QCOMPARE(rig.frames.sendFrame(body, 1000), onLink.size());
        QCOMPARE(body, onLink);
        QCOMPARE(rig.backend.writtenPayload(), onLink);
    }

    void withoutOpenLinkNothingIsSentOrChanged() {
        FrameLayer none([] { return static_cast<CLinker*>(nullptr); });
        QByteArray frame = QByteArray::fromHex("AB2005001200");
        QCOMPARE(none.sendFrame(frame, 1000), -1);
        QCOMPARE(frame, QByteArray::fromHex("AB2005001200"));
        QByteArray buffer;
        QCOMPARE(none.receiveFrame(buffer, 1000, 26, true), -1);
        QVERIFY(!none.linkOpen());

        Rig rig;
        rig.link.close();
        QCOMPARE(rig.frames.sendFrame(frame, 1000), -1);
        QCOMPARE(frame, QByteArray::fromHex("AB2005001200"));
        QVERIFY(rig.backend.written.isEmpty());
    }

    void replyCrcIsCheckedOnlyWhenAsked() {
        const QByteArray good = withCrc("AB40002F0000040002000140");
        QByteArray bad = good;
        bad[13] = char(bad[13] ^ 0x01);

        Rig rig;
        QByteArray buffer;
        rig.backend.queueBytes(good);
        QCOMPARE(rig.frames.receiveFrame(buffer, 6000, 14, true), 14);
        QCOMPARE(buffer, good);

        buffer.clear();
        rig.backend.queueBytes(bad);
        QCOMPARE(rig.frames.receiveFrame(buffer, 6000, 14, true), -1);
        QCOMPARE(buffer, bad);

        buffer.clear();
        rig.backend.queueBytes(bad);
        QCOMPARE(rig.frames.receiveFrame(buffer, 6000, 14, false), 14);

        // Too short to hold a CRC: refused, not read before the buffer.
        buffer.clear();
        rig.backend.queueBytes(good);
        QCOMPARE(rig.frames.receiveFrame(buffer, 6000, 1, true), -1);
    }

    void crcPositionFollowsExpectedLength() {
        // Stale bytes make the link hand over more than the reply; the extra
        // bytes neither move the CRC nor fail the check.
        Rig rig;
        const QByteArray ack = withCrc("AB70002F00000400");
        rig.backend.queueReport(QByteArray::fromHex("0012") + ack + QByteArray::fromHex("0102"));
        QByteArray buffer;
        QCOMPARE(rig.frames.receiveFrame(buffer, 6000, 10, true), 12);
        QCOMPARE(buffer, ack + QByteArray::fromHex("0102"));
    }

    void bytesLeftFromEarlierExchangeAreNeverTheNextReply() {
        Rig rig;
        const QByteArray late = withCrc("AB440000000036" + QByteArray(110, '1'));
        const QByteArray reply = withCrc(
            "AB200500120"
            "0A500E8070601010000000001000000000100");
        QCOMPARE(reply.size(), 26);
        // The late reply of an earlier request is waiting when the next one goes out.
        rig.backend.queueBytes(late.left(30));
        rig.backend.onWrite = [&](const QByteArray&) { rig.backend.queueBytes(reply); };

        QByteArray frame = QByteArray::fromHex("AB2005001200");
        QCOMPARE(rig.frames.sendFrame(frame, 1000), 8);
        QByteArray buffer;
        QCOMPARE(rig.frames.receiveFrame(buffer, 1000, 26, true), 26);
        QCOMPARE(buffer, reply);
    }

    void replyThatEndsShortIsNotReceived() {
        const QByteArray reply = withCrc("AB40000000001400010000E8070601");
        for (const bool check : {true, false}) {
            Rig rig;
            QByteArray buffer;
            rig.backend.queueBytes(reply.left(12));
            QCOMPARE(rig.frames.receiveFrame(buffer, 6000, 30, check), 0);
            QCOMPARE(buffer, reply.left(12));
        }
        // Pieces still coming when the time-out passes: the read reports a
        // positive count, the frame layer still nothing.
        Rig rig;
        for (int t = 0; t <= 1100; t += 60)
            rig.backend.queueReport(QByteArray::fromHex("AB"), 0x3F, t);
        QByteArray buffer;
        QCOMPARE(rig.frames.receiveFrame(buffer, 1000, 64, true), 0);
        QVERIFY(!buffer.isEmpty());
    }
};

QTEST_GUILESS_MAIN(FrameLayerTest)
#include "tst_framelayer.moc"
