// SPDX-License-Identifier: MIT
#include <QtTest>

#include "../link/ScriptedHidBackend.h"
#include "checksum/Crc16.h"
#include "link/CLinkerUSB.h"
#include "protocol/FrameBytes.h"
#include "protocol/FrameLayer.h"

using namespace colorcard;

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
    CLinker* current = &link;
    FrameLayer frames{[this] { return current; }};
    Rig() {
        QLoggingCategory::setFilterRules(QStringLiteral("colorcard.link.debug=false"));
        backend.addMeter();
        link.open(0x2047, 0x0301);
    }
};

// A memory read of 38 bytes as the colour card messages send it (header and
// its CRC), and a reply that echoes its address and length.
QByteArray readRequest(quint32 address) {
    QByteArray request = FrameBytes::longHeader(0x40, address, 38);
    FrameBytes::appendWord(request, crc16(request, request.size()));
    return request;
}
QByteArray readReply(quint32 address, char fill = 'x') {
    QByteArray reply = FrameBytes::longHeader(0x40, address, 38) + QByteArray(38, fill);
    FrameBytes::appendWord(reply, crc16(reply, reply.size()));
    return reply;
}

// What the scripted meter does to one exchange.
enum class Meter {
    Echo,
    EchoAndExtra,
    NoEcho,
    WrongCrc,
    Short,
    Silent,
    FailWrite,
    Twice,
    TwiceLater
};

// A read at address answered as told; *reply receives what was taken as the reply.
int exchange(Rig& rig, quint32 address, Meter meter, QByteArray* reply = nullptr,
             const QByteArray& before = QByteArray()) {
    const QByteArray right = readReply(address);
    QByteArray bytes = before + right;
    if (meter == Meter::EchoAndExtra || meter == Meter::Twice)
        bytes += meter == Meter::Twice ? right : QByteArray::fromHex("0102");
    if (meter == Meter::NoEcho)
        bytes = withCrc(QByteArray("AB40000000000000" + QByteArray(38, 'x').toHex()));
    if (meter == Meter::WrongCrc || meter == Meter::Short)
        bytes = meter == Meter::Short ? right.left(20) : right.left(46) + "!!";
    rig.backend.writesBeforeFailure = meter == Meter::FailWrite ? 0 : -1;
    rig.backend.onWrite = [&](const QByteArray&) {
        if (meter != Meter::Silent)
            rig.backend.queueBytes(bytes);
        if (meter == Meter::TwiceLater)
            rig.backend.queueBytes(right, rig.backend.now + 5);
    };
    QByteArray request = readRequest(address);
    const int sent = rig.frames.sendFrame(request, 1000);
    rig.backend.onWrite = nullptr;
    QByteArray buffer;
    const int result = sent < 12 ? -1 : rig.frames.receiveFrame(buffer, 6000, 48, true);
    if (reply)
        *reply = buffer;
    return result;
}

}  // namespace

Q_DECLARE_METATYPE(Meter)

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

    void flushWaitsOnlyAfterAnUncleanExchange_data() {
        QTest::addColumn<Meter>("previous");
        QTest::addColumn<bool>("fullFlush");
        QTest::addColumn<int>("stale");  // replies to other requests dropped
        QTest::newRow("echoing reply") << Meter::Echo << false << 0;
        QTest::newRow("extra bytes after the reply") << Meter::EchoAndExtra << true << 0;
        // Once the meter has echoed, a reply without the echo belongs to another request.
        QTest::newRow("reply without the echo") << Meter::NoEcho << true << 1;
        QTest::newRow("CRC mismatch") << Meter::WrongCrc << true << 0;
        QTest::newRow("short reply") << Meter::Short << true << 0;
        QTest::newRow("time-out") << Meter::Silent << true << 0;
        QTest::newRow("failed write") << Meter::FailWrite << true << 0;
        QTest::newRow("second copy already queued") << Meter::Twice << true << 0;
        QTest::newRow("second copy after the next request") << Meter::TwiceLater << false << 1;
    }
    void flushWaitsOnlyAfterAnUncleanExchange() {
        QFETCH(Meter, previous);
        QFETCH(bool, fullFlush);
        QFETCH(int, stale);
        Rig rig;
        // Nothing is known of what came before the first request on a link.
        QCOMPARE(exchange(rig, 0x2000, Meter::Echo), 48);
        QCOMPARE(rig.frames.statistics().fullFlushes, 1);
        exchange(rig, 0x2030, previous);

        const qint64 before = rig.backend.now;
        QByteArray reply;
        QCOMPARE(exchange(rig, 0x2060, Meter::Echo, &reply), 48);
        QCOMPARE(reply, readReply(0x2060));
        QCOMPARE(rig.frames.statistics().fullFlushes, fullFlush ? 2 : 1);
        QCOMPARE(rig.frames.statistics().staleReplies, stale);
        if (!fullFlush && stale == 0)
            QCOMPARE(rig.backend.now, before);  // the request left at once
        // Nothing of the disturbed exchange is left for a later reply either.
        QCOMPARE(exchange(rig, 0x2090, Meter::Echo, &reply), 48);
        QCOMPARE(reply, readReply(0x2090));
    }

    void replyForAnotherAddressJustBeforeTheRightOne_data() {
        QTest::addColumn<bool>("echoSeen");
        QTest::addColumn<int>("staleBytes");  // of the reply for the other address
        QTest::newRow("whole, meter has echoed") << true << 48;
        QTest::newRow("cut short, meter has echoed") << true << 30;
        QTest::newRow("whole, nothing echoed yet") << false << 48;
    }
    void replyForAnotherAddressJustBeforeTheRightOne() {
        QFETCH(bool, echoSeen);
        QFETCH(int, staleBytes);
        Rig rig;
        if (echoSeen)
            QCOMPARE(exchange(rig, 0x2000, Meter::Echo), 48);
        const QByteArray stale = readReply(0x40000, '\0').left(staleBytes);
        QByteArray reply;
        QCOMPARE(exchange(rig, 0x2030, Meter::Echo, &reply, stale), 48);
        // Without an echo to go by, the first whole reply is taken as before.
        QCOMPARE(reply, echoSeen ? readReply(0x2030) : stale);
        QCOMPARE(rig.frames.statistics().staleReplies, echoSeen ? 1 : 0);
    }

    void staleRepliesNeverOutlastTheTimeOut() {
        Rig rig;
        QCOMPARE(exchange(rig, 0x2000, Meter::Echo), 48);
        for (int i = 0; i < 3; ++i)
            rig.backend.queueBytes(readReply(0x2400 + i), rig.backend.now + 100 + 2000 * i);
        const qint64 start = rig.backend.now;
        QCOMPARE(exchange(rig, 0x2030, Meter::Silent), 0);
        QVERIFY(rig.backend.now - start >= 6000);
        QVERIFY(rig.backend.now - start <= 6050);
        QCOMPARE(rig.frames.statistics().staleReplies, 3);
    }

    void refusalOfAnEchoingMeterReachesTheCaller() {
        Rig rig;
        // The empty packet echoed once; its refusal (F4 01) echoes nothing.
        const QByteArray refusal = withCrc("ABF4010000000000");
        for (const quint32 address : {0x40104, 0x40200}) {
            QByteArray header = FrameBytes::longHeader(0x74, address, 0);
            const QByteArray ack = address == 0x40104 ? withCrc(header.toHex()) : refusal;
            rig.backend.onWrite = [&](const QByteArray&) { rig.backend.queueBytes(ack); };
            rig.frames.sendFrame(header, 1000);
            QByteArray buffer;
            QCOMPARE(rig.frames.receiveFrame(buffer, 6000, 10, false), 10);
            QCOMPARE(buffer, ack);
        }
    }

    void pacingFromTheConfigurationFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("everyExchange");
        QTest::newRow("no file") << QByteArray() << false;
        QTest::newRow("true") << QByteArray("[Link]\nFlushEveryExchange=true\n") << true;
        QTest::newRow("false") << QByteArray("[Link]\nFlushEveryExchange=false\n") << false;
    }
    void pacingFromTheConfigurationFile() {
        QFETCH(QByteArray, content);
        QFETCH(bool, everyExchange);
        QTemporaryDir dir;
        const QString path = dir.filePath("ColorCard.ini");
        QFile file(path);
        if (!content.isEmpty() && file.open(QIODevice::WriteOnly))
            file.write(content);
        file.close();
        QCOMPARE(FrameLayer::configuredPacing(path) == FrameLayer::Pacing::FlushEveryExchange,
                 everyExchange);
    }
};

QTEST_GUILESS_MAIN(FrameLayerTest)
#include "tst_framelayer.moc"
