// SPDX-License-Identifier: MIT
#include <QtTest>

#include "protocol/IdentityMessages.h"
#include "tests/support/ScriptedFrames.h"

using namespace colorcard;

namespace {

// Key information bytes 8..23: year 2024, May 20, instrument 0x12345678,
// meter number 123456, value 0x0102, firmware 5.
const QByteArray KeyFields = " E8 07 05 14 78 56 34 12 40 E2 01 00 02 01 05 00";
// Production information bytes 8..25 and their checksum 0x09F1.
const QByteArray ProductionFields = "01 00 E8 07 05 14 78 56 34 12 40 E2 01 00 00 00 00 00";

QByteArray hex(const QByteArray& h) {
    return QByteArray::fromHex(h);
}

}  // namespace

class IdentityMessagesTest : public QObject, ScriptedFrames {
    Q_OBJECT
    IdentityMessages messages{frames};

private slots:
    void init() {
        linker.reset();
        frames.restart();
    }

    void keyInformationExchange() {
        linker.replies << ScriptedLinker::sealed("AB 20 05 00 12 00 A5 00" + KeyFields);
        KeyInformation info;
        QCOMPARE(int(messages.readKeyInformation(info)), 1);
        QCOMPARE(linker.writes.size(), 1);
        QCOMPARE(linker.writes[0].data, hex("AB 20 05 00 12 00 94 6B"));
        QCOMPARE(linker.writes[0].timeoutMs, 1000);
        QCOMPARE(linker.reads.size(), 2);  // flush, then the reply
        QCOMPARE(linker.reads[0].timeoutMs, 0);
        QCOMPARE(linker.reads[1].timeoutMs, 1000);
        QCOMPARE(linker.reads[1].expectedLength, 26);

        QCOMPARE(info.marker, quint8(0xA5));
        QCOMPARE(info.year, quint16(2024));
        QCOMPARE(info.month, quint8(5));
        QCOMPARE(info.day, quint8(20));
        QCOMPARE(info.instrumentId, quint32(0x12345678));
        QCOMPARE(info.meterNumber, quint32(123456));
        QCOMPARE(info.value, quint16(0x0102));
        QCOMPARE(info.firmwareVersion, quint16(5));
    }

    void keyInformationReplies_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::newRow("address 5 alone")
            << ScriptedLinker::sealed("AB 20 05 00 12 00 00 00" + KeyFields) << 1;
        QTest::newRow("marker alone")
            << ScriptedLinker::sealed("AB 20 06 00 12 00 A5 00" + KeyFields) << 1;
        QTest::newRow("neither") << ScriptedLinker::sealed("AB 20 06 00 12 00 00 00" + KeyFields)
                                 << -3;
        QByteArray corrupted = ScriptedLinker::sealed("AB 20 05 00 12 00 A5 00" + KeyFields);
        corrupted[24] = char(corrupted[24] ^ 0x01);
        QTest::newRow("crc mismatch") << corrupted << -2;
        QTest::newRow("not supported") << ScriptedLinker::sealed("AB A0 04 00 00 00") << -5;
        QTest::newRow("other error reply") << ScriptedLinker::sealed("AB A0 03 00 00 00") << -2;
        QTest::newRow("silence") << QByteArray() << -2;
    }
    void keyInformationReplies() {
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        linker.replies << reply;
        KeyInformation info;
        info.meterNumber = 7;
        QCOMPARE(int(messages.readKeyInformation(info)), result);
        QCOMPARE(info.meterNumber, result == 1 ? quint32(123456) : quint32(7));
    }

    void requestsNotWritten() {
        linker.writeResults << -1 << -1;
        KeyInformation key;
        ProductionInformation production;
        QCOMPARE(int(messages.readKeyInformation(key)), -1);
        QCOMPARE(int(messages.readProductionInformation(production)), -1);
        QVERIFY(linker.replyReads().isEmpty());

        linker.open = false;
        linker.clearRecords();
        QCOMPARE(int(messages.readKeyInformation(key)), -1);
        QVERIFY(linker.writes.isEmpty());
    }

    void productionInformationExchange() {
        linker.replies << ScriptedLinker::sealed("AB 40 00 00 00 00 14 00 " + ProductionFields +
                                                 " F1 09");
        ProductionInformation info;
        QCOMPARE(int(messages.readProductionInformation(info)), 1);
        QCOMPARE(linker.lastWritten(), hex("AB 40 00 00 00 00 14 00 45 04"));
        QCOMPARE(linker.writes[0].timeoutMs, 1000);
        QCOMPARE(linker.replyReads().size(), 1);
        QCOMPARE(linker.replyReads()[0].timeoutMs, 6000);
        QCOMPARE(linker.replyReads()[0].expectedLength, 30);
        QCOMPARE(info.type, quint8(1));
        QCOMPARE(info.year, quint16(2024));
        QCOMPARE(info.day, quint8(20));
        QCOMPARE(info.instrumentId, quint32(0x12345678));
        QCOMPARE(info.meterNumber, quint32(123456));
    }

    void productionInformationReplies_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        const QByteArray& body = ProductionFields;
        QTest::newRow("length 20 alone")
            << ScriptedLinker::sealed("AB 40 01 00 00 00 14 00 " + body + " F1 09") << 1;
        QTest::newRow("address 0 alone")
            << ScriptedLinker::sealed("AB 40 00 00 00 00 15 00 " + body + " F1 09") << 1;
        QTest::newRow("neither") << ScriptedLinker::sealed("AB 40 01 00 00 00 15 00 " + body +
                                                           " F1 09")
                                 << -3;
        QTest::newRow("checksum") << ScriptedLinker::sealed("AB 40 00 00 00 00 14 00 " + body +
                                                            " F1 0A")
                                  << -4;
        QTest::newRow("frame crc") << hex("AB 40 00 00 00 00 14 00 " + body + " F1 09 00 00") << -2;
        QTest::newRow("error reply") << ScriptedLinker::sealed("AB C7 08 00 00 00 00 00") << -5;
        QTest::newRow("silence") << QByteArray() << -2;
    }
    void productionInformationReplies() {
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        linker.replies << reply;
        ProductionInformation info;
        QCOMPARE(int(messages.readProductionInformation(info)), result);
        QCOMPARE(info.meterNumber, result == 1 ? quint32(123456) : quint32(0));
    }
};

QTEST_GUILESS_MAIN(IdentityMessagesTest)
#include "tst_identitymessages.moc"
