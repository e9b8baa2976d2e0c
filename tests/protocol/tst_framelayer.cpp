#include <QtTest>

#include "../link/ScriptedHidBackend.h"
#include "CLinkerUSB.h"
#include "Crc16.h"
#include "FrameBytes.h"
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
    CLinker* current = &link;
    FrameLayer frames{[this] { return current; }};
    Rig() {
        QLoggingCategory::setFilterRules(QStringLiteral("colorcard.link.debug=false"));
        backend.addMeter();
        link.open(0x2047, 0x0301);
    }
};

// A memory read as the colour card messages send it (header and its CRC) and
// a reply to it that echoes address and length.
QByteArray readRequest(quint32 address, quint16 length) {
    QByteArray request = FrameBytes::longHeader(0x40, address, length);
    FrameBytes::appendWord(request, crc16(request, request.size()));
    return request;
}
QByteArray readReply(quint32 address, quint16 length, char fill = 'x') {
    QByteArray reply = FrameBytes::longHeader(0x40, address, length) + QByteArray(length, fill);
    FrameBytes::appendWord(reply, crc16(reply, reply.size()));
    return reply;
}

// What the scripted meter does to one exchange.
enum class Meter {
    Echo,          // the reply repeats the request's address and length
    EchoAndExtra,  // two bytes more in the reply's report
    NoEcho,        // zeros where address and length were
    WrongCrc,      // the reply's CRC is wrong
    Short,         // only the first 20 bytes of the reply come
    Silent,        // no reply
    FailWrite,     // the request cannot be written
    DoubleAtOnce,  // the reply twice, back to back
    DoubleLater,   // the reply, and again 5 ms later
};

// Sends a read of 38 bytes at address and waits for its reply; the scripted
// meter answers as told.
int exchange(Rig& rig, quint32 address, Meter meter, QByteArray* reply = nullptr) {
    const QByteArray right = readReply(address, 38);
    rig.backend.writesBeforeFailure = meter == Meter::FailWrite ? 0 : -1;
    rig.backend.onWrite = [&rig, right, meter](const QByteArray&) {
        QByteArray bytes = right;
        switch (meter) {
            case Meter::EchoAndExtra:
                bytes += QByteArray::fromHex("0102");
                break;
            case Meter::NoEcho:
                bytes = FrameBytes::longHeader(0x40, 0, 0) + right.mid(8, 38);
                FrameBytes::appendWord(bytes, crc16(bytes, bytes.size()));
                break;
            case Meter::WrongCrc:
                bytes[47] = char(bytes[47] ^ 0x55);
                break;
            case Meter::Short:
                bytes = right.left(20);
                break;
            case Meter::Silent:
                bytes.clear();
                break;
            case Meter::DoubleAtOnce:
                bytes += right;
                break;
            default:
                break;
        }
        if (!bytes.isEmpty())
            rig.backend.queueBytes(bytes);
        if (meter == Meter::DoubleLater)
            rig.backend.queueBytes(right, rig.backend.now + 5);
    };
    QByteArray request = readRequest(address, 38);
    const int sent = rig.frames.sendFrame(request, 1000);
    rig.backend.onWrite = nullptr;
    if (sent < 12)
        return -1;
    QByteArray buffer;
    const int result = rig.frames.receiveFrame(buffer, 6000, 48, true);
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
        QTest::newRow("echoing reply") << Meter::Echo << false;
        QTest::newRow("extra bytes after the reply") << Meter::EchoAndExtra << true;
        QTest::newRow("reply without the echo") << Meter::NoEcho << true;
        QTest::newRow("CRC mismatch") << Meter::WrongCrc << true;
        QTest::newRow("short reply") << Meter::Short << true;
        QTest::newRow("time-out") << Meter::Silent << true;
        QTest::newRow("failed write") << Meter::FailWrite << true;
        QTest::newRow("second copy already queued") << Meter::DoubleAtOnce << true;
    }
    void flushWaitsOnlyAfterAnUncleanExchange() {
        QFETCH(Meter, previous);
        QFETCH(bool, fullFlush);
        Rig rig;
        // Nothing is known of what came before the first request on a link.
        QCOMPARE(exchange(rig, 0x2000, Meter::Echo), 48);
        QCOMPARE(rig.frames.statistics().fullFlushes, 1);
        exchange(rig, 0x2030, previous);

        const int flushes = rig.frames.statistics().fullFlushes;
        const qint64 before = rig.backend.now;
        QByteArray reply;
        QCOMPARE(exchange(rig, 0x2060, Meter::Echo, &reply), 48);
        QCOMPARE(reply, readReply(0x2060, 38));
        QCOMPARE(rig.frames.statistics().fullFlushes - flushes, fullFlush ? 1 : 0);
        if (!fullFlush)
            QCOMPARE(rig.backend.now, before);  // the request left at once
        // Nothing of the disturbed exchange is left for a later reply either.
        QCOMPARE(exchange(rig, 0x2090, Meter::Echo, &reply), 48);
        QCOMPARE(reply, readReply(0x2090, 38));
        // Once the meter has echoed, a reply without the echo is one to
        // another request.
        QCOMPARE(rig.frames.statistics().staleReplies, previous == Meter::NoEcho ? 1 : 0);
    }

    void copyArrivingAfterTheNextRequestIsDroppedAsStale() {
        Rig rig;
        QCOMPARE(exchange(rig, 0x2000, Meter::Echo), 48);
        QCOMPARE(exchange(rig, 0x2030, Meter::DoubleLater), 48);
        QByteArray reply;
        QCOMPARE(exchange(rig, 0x2060, Meter::Echo, &reply), 48);
        QCOMPARE(reply, readReply(0x2060, 38));
        QCOMPARE(rig.frames.statistics().staleReplies, 1);
        // Having seen one, the next request waits for stale input in full.
        const int flushes = rig.frames.statistics().fullFlushes;
        QCOMPARE(exchange(rig, 0x2090, Meter::Echo), 48);
        QCOMPARE(rig.frames.statistics().fullFlushes, flushes + 1);
    }

    void meterThatNeverEchoesKeepsTheFullFlush() {
        Rig rig;
        for (const quint32 address : {0x2000, 0x2030, 0x2060}) {
            QByteArray reply;
            QCOMPARE(exchange(rig, address, Meter::NoEcho, &reply), 48);
            QCOMPARE(reply.mid(8), readReply(address, 38).mid(8, 38) + reply.right(2));
        }
        QCOMPARE(rig.frames.statistics().fullFlushes, 3);
        QCOMPARE(rig.frames.statistics().requests, 3);
    }

    void replyForAnotherAddressJustBeforeTheRightOne_data() {
        QTest::addColumn<bool>("echoSeen");
        QTest::newRow("meter has echoed") << true;
        QTest::newRow("nothing echoed yet") << false;
    }
    void replyForAnotherAddressJustBeforeTheRightOne() {
        QFETCH(bool, echoSeen);
        Rig rig;
        if (echoSeen)
            QCOMPARE(exchange(rig, 0x2000, Meter::Echo), 48);
        const QByteArray stale = readReply(0x40000, 38, '\0');
        const QByteArray right = readReply(0x2030, 38);
        rig.backend.onWrite = [&](const QByteArray&) {
            rig.backend.queueBytes(stale);
            rig.backend.queueBytes(right);
        };
        QByteArray request = readRequest(0x2030, 38);
        QCOMPARE(rig.frames.sendFrame(request, 1000), 12);
        QByteArray buffer;
        QCOMPARE(rig.frames.receiveFrame(buffer, 6000, 48, true), 48);
        // Without an echo to go by, the first whole reply is taken as before.
        QCOMPARE(buffer, echoSeen ? right : stale);
        QCOMPARE(rig.frames.statistics().staleReplies, echoSeen ? 1 : 0);
    }

    void staleRepliesNeverOutlastTheTimeOut() {
        Rig rig;
        QCOMPARE(exchange(rig, 0x2000, Meter::Echo), 48);
        // A stale reply cut short (its CRC cannot hold), then the right one:
        // the search goes on from the next start byte.
        const QByteArray right = readReply(0x2030, 38);
        rig.backend.onWrite = [&](const QByteArray&) {
            rig.backend.queueBytes(readReply(0x2400, 38).left(30) + right);
        };
        QByteArray request = readRequest(0x2030, 38);
        rig.frames.sendFrame(request, 1000);
        QByteArray buffer;
        QCOMPARE(rig.frames.receiveFrame(buffer, 6000, 48, true), 48);
        QCOMPARE(buffer, right);

        // Only stale replies come: nothing is received, within the time-out.
        rig.backend.onWrite = [&](const QByteArray&) {
            for (int i = 0; i < 3; ++i)
                rig.backend.queueBytes(readReply(0x2400 + i, 38), rig.backend.now + 2000 * i);
        };
        request = readRequest(0x2060, 38);
        rig.frames.sendFrame(request, 1000);
        const qint64 start = rig.backend.now;
        buffer.clear();
        QCOMPARE(rig.frames.receiveFrame(buffer, 6000, 48, true), 0);
        QVERIFY(rig.backend.now - start >= 6000);
        QVERIFY(rig.backend.now - start <= 6050);
        QVERIFY(buffer.isEmpty());
    }

    void errorRepliesAndGarbledHeadersReachTheCaller() {
        Rig rig;
        QCOMPARE(exchange(rig, 0x2000, Meter::Echo), 48);
        // Bytes 1 to 7 garbled, CRC made to match: no reply of the protocol,
        // so the message layer judges it, as before.
        QByteArray garbled = QByteArray::fromHex("ABEEEEEEEEEEEEEE") + QByteArray(38, 'g');
        FrameBytes::appendWord(garbled, crc16(garbled, garbled.size()));
        rig.backend.onWrite = [&](const QByteArray&) { rig.backend.queueBytes(garbled); };
        QByteArray request = readRequest(0x2030, 38);
        rig.frames.sendFrame(request, 1000);
        QByteArray buffer;
        QCOMPARE(rig.frames.receiveFrame(buffer, 6000, 48, true), 48);
        QCOMPARE(buffer, garbled);

        // The empty packet echoed once; its refusal (F4 01) still arrives.
        const QByteArray refusal = withCrc("ABF4010000000000");
        for (const quint32 address : {0x40104, 0x40200}) {
            QByteArray header = FrameBytes::longHeader(0x74, address, 0);
            const QByteArray ack = address == 0x40104 ? withCrc(header.toHex()) : refusal;
            rig.backend.onWrite = [&](const QByteArray&) { rig.backend.queueBytes(ack); };
            rig.frames.sendFrame(header, 1000);
            buffer.clear();
            QCOMPARE(rig.frames.receiveFrame(buffer, 6000, 10, false), 10);
            QCOMPARE(buffer, ack);
        }
        // Reading away what follows a finished write drops nothing.
        rig.backend.queueBytes(readReply(0x2400, 38));
        buffer.clear();
        QCOMPARE(rig.frames.receiveFrame(buffer, 1000, 1024, false), 0);
        QCOMPARE(buffer, readReply(0x2400, 38));
        QCOMPARE(rig.frames.statistics().staleReplies, 0);
    }

    void pacingOfModelAndConfiguration() {
        Rig rig;
        QCOMPARE(rig.frames.pacing(), FrameLayer::Pacing::Adaptive);
        rig.frames.setModelPacing(FrameLayer::Pacing::FlushEveryExchange);
        for (const quint32 address : {0x2000, 0x2030, 0x2060})
            QCOMPARE(exchange(rig, address, Meter::Echo), 48);
        QCOMPARE(rig.frames.statistics().fullFlushes, 3);

        // Another link is another attachment: the model's choice goes, the
        // configuration's stays.
        rig.frames.setConfiguredPacing(FrameLayer::Pacing::FlushEveryExchange);
        CLinkerUSB other(rig.backend);
        QCOMPARE(other.open(0x2047, 0x0301), 0);
        rig.current = &other;
        QCOMPARE(exchange(rig, 0x2000, Meter::Echo), 48);
        QCOMPARE(rig.frames.pacing(), FrameLayer::Pacing::FlushEveryExchange);
        rig.frames.setConfiguredPacing(FrameLayer::Pacing::Adaptive);
        QCOMPARE(rig.frames.pacing(), FrameLayer::Pacing::Adaptive);
        QCOMPARE(exchange(rig, 0x2030, Meter::Echo), 48);
        QCOMPARE(rig.frames.statistics().fullFlushes, 4);
    }

    void pacingFromTheConfigurationFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("everyExchange");
        QTest::newRow("no file") << QByteArray() << false;
        QTest::newRow("true") << QByteArray("[Link]\nFlushEveryExchange=true\n") << true;
        QTest::newRow("1") << QByteArray("[Link]\nFlushEveryExchange=1\n") << true;
        QTest::newRow("false") << QByteArray("[Link]\nFlushEveryExchange=false\n") << false;
        QTest::newRow("other group") << QByteArray("[Window]\nFlushEveryExchange=true\n") << false;
    }
    void pacingFromTheConfigurationFile() {
        QFETCH(QByteArray, content);
        QFETCH(bool, everyExchange);
        QTemporaryDir dir;
        const QString path = dir.filePath("ColorCard.ini");
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QCOMPARE(FrameLayer::configuredPacing(path), everyExchange
                                                         ? FrameLayer::Pacing::FlushEveryExchange
                                                         : FrameLayer::Pacing::Adaptive);
    }
};

QTEST_GUILESS_MAIN(FrameLayerTest)
#include "tst_framelayer.moc"
