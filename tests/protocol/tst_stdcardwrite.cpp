// SPDX-License-Identifier: MIT
#include <QtTest>

#include "checksum/Crc16.h"
#include "protocol/StdCardMessages.h"
#include "tests/support/ScriptedFrames.h"

using namespace colorcard;

namespace {

QByteArray hex(const QByteArray& h) {
    return QByteArray::fromHex(h);
}

const QByteArray InfoAck = "AB 70 00 20 00 00 26 00";

}  // namespace

class StdCardWriteTest : public QObject, ScriptedFrames {
    Q_OBJECT
    StdCardMessages messages{frames};

private slots:
    void init() {
        linker.reset();
        frames.restart();
    }

    void totalExchange() {
        linker.replies << ScriptedLinker::sealed("AB 70 00 2F 00 00 04 00");
        QCOMPARE(int(messages.writeStdCardTotal(2, 0xD000)), 1);
        QCOMPARE(linker.lastWritten(), hex("AB 70 00 2F 00 00 04 00 02 00 00 D0 71 48"));
        QCOMPARE(linker.writes[0].timeoutMs, 1000);
        QCOMPARE(linker.replyReads().size(), 1);
        QCOMPARE(linker.replyReads()[0].timeoutMs, 6000);
        QCOMPARE(linker.replyReads()[0].expectedLength, 10);
    }

    void totalAcknowledgements_data() {
        QTest::addColumn<QByteArray>("ack");
        QTest::addColumn<int>("result");
        QTest::newRow("byte 2 alone") << ScriptedLinker::sealed("AB 70 00 2F 00 00 05 00") << 1;
        QTest::newRow("byte 6 alone") << ScriptedLinker::sealed("AB F0 01 2F 00 00 04 00") << 1;
        QTest::newRow("neither") << ScriptedLinker::sealed("AB F0 01 2F 00 00 05 00") << -3;
        QTest::newRow("wrong crc") << hex("AB F0 01 2F 00 00 05 00 00 00") << -2;
        QTest::newRow("silence") << QByteArray() << -2;
    }
    void totalAcknowledgements() {
        QFETCH(QByteArray, ack);
        QFETCH(int, result);
        linker.replies << ack;
        QCOMPARE(int(messages.writeStdCardTotal(2, 0xD000)), result);
    }

    void mismatchingCheckCodesSendNothing() {
        QCOMPARE(int(messages.writeStdCardTotal(2, 0xD001)), -4);
        QCOMPARE(int(messages.writeStdCardInfo(0x2000, "Library_01", "", 10, 0x1234, 0xDE78)), -4);
        QVERIFY(linker.writes.isEmpty());
        QVERIFY(linker.reads.isEmpty());
    }

    void infoExchange() {
        linker.replies << ScriptedLinker::sealed(InfoAck);
        QCOMPARE(int(messages.writeStdCardInfo(0x2000, "Library_01", "", 10, 0x1234, 0xDE77)), 1);
        QCOMPARE(linker.lastWritten(), hex("AB 70 00 20 00 00 26 00"
                                           " 4C 69 62 72 61 72 79 5F 30 31 00 00 00 00 00 00"
                                           " 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
                                           " 0A 00 34 12 77 DE F2 16"));
        QCOMPARE(linker.writes[0].timeoutMs, 1000);
        QCOMPARE(linker.replyReads()[0].expectedLength, 10);
        QCOMPARE(StdCardMessages::infoRecordCheckCode("Library_01", "", 10, 0x1234),
                 quint16(0xDE77));
    }

    void infoAcknowledgements_data() {
        QTest::addColumn<QByteArray>("ack");
        QTest::addColumn<int>("result");
        QTest::newRow("byte 2 alone") << ScriptedLinker::sealed("AB 70 00 20 00 00 00 00") << 1;
        QTest::newRow("byte 6 alone") << ScriptedLinker::sealed("AB 70 30 20 00 00 26 00") << 1;
        QTest::newRow("neither") << ScriptedLinker::sealed("AB 70 30 20 00 00 00 00") << -3;
        QTest::newRow("wrong crc") << hex(InfoAck + " 00 00") << -2;
    }
    void infoAcknowledgements() {
        QFETCH(QByteArray, ack);
        QFETCH(int, result);
        linker.replies << ack;
        QCOMPARE(int(messages.writeStdCardInfo(0x2030, "Library_01", "", 10, 0x1234, 0xDE77)),
                 result);
        QCOMPARE(linker.lastWritten().mid(2, 2), hex("30 20"));
    }

    // Names longer than their field must not move the bytes behind them.
    void longChineseNamesKeepTheRecordInPlace() {
        const QString name = QStringLiteral("标准色卡库名称");  // 21 bytes in UTF-8
        const QString description = QStringLiteral("色卡");
        const quint16 check = StdCardMessages::infoRecordCheckCode(name, description, 3, 0xBEEF);
        linker.replies << ScriptedLinker::sealed(InfoAck);
        QCOMPARE(int(messages.writeStdCardInfo(0x2000, name, description, 3, 0xBEEF, check)), 1);

        const QByteArray frame = linker.lastWritten();
        QCOMPARE(frame.size(), 48);
        QCOMPARE(frame.mid(8, 36), hex("E6 A0 87 E5 87 86 E8 89 B2 E5 8D A1 E5 BA 93 00"
                                       " E8 89 B2 E5 8D A1 00 00 00 00 00 00 00 00 00 00"
                                       " 03 00 EF BE"));
        // The code sent is the one of the bytes sent.
        const quint16 sent = quint8(frame[44]) | (quint8(frame[45]) << 8);
        QCOMPARE(sent, crc16(frame.mid(8, 36), 36));
    }

    void chineseNamesReadBackUnchanged() {
        const QString name = QStringLiteral("色卡一");
        const QString description = QStringLiteral("标准");
        linker.replies << ScriptedLinker::sealed(InfoAck);
        QCOMPARE(int(messages.writeStdCardInfo(
                     0x2000, name, description, 7, 0,
                     StdCardMessages::infoRecordCheckCode(name, description, 7, 0))),
                 1);
        const QByteArray record = linker.lastWritten().mid(8, 38);
        linker.replies << ScriptedLinker::sealed("AB 40 00 20 00 00 26 00" + record.toHex());
        QString readName, readDescription;
        int count = 0;
        QCOMPARE(int(messages.readStdCardInfo(0x2000, readName, readDescription, count)), 1);
        QCOMPARE(readName, name);
        QCOMPARE(readDescription, description);
        QCOMPARE(count, 7);
    }

    void fixedFields_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii padded") << "Red" << 5 << hex("52 65 64 00 00");
        QTest::newRow("ascii cut") << "Crimson" << 4 << hex("43 72 69 6D");
        QTest::newRow("colour name cut before a character")
            << QStringLiteral("颜色名称测试样本") << 20
            << hex("E9 A2 9C E8 89 B2 E5 90 8D E7 A7 B0 E6 B5 8B E8 AF 95 00 00");
        QTest::newRow("four-byte character")
            << QStringLiteral("ab\U0001F600") << 5 << hex("61 62 00 00 00");
        QTest::newRow("exact fit") << QStringLiteral("色卡") << 6 << hex("E8 89 B2 E5 8D A1");
    }
    void fixedFields() {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QByteArray, bytes);
        QCOMPARE(StdCardMessages::fixedField(text, width), bytes);
    }

    void dataPackage() {
        QByteArray data(300, '\x5A');
        QCOMPARE(int(messages.writeStdCardData(0x40000, data, 256)), 1);
        const QByteArray frame = linker.lastWritten();
        QCOMPARE(frame.size(), 266);
        QCOMPARE(frame.left(8), hex("AB 74 00 00 04 00 00 01"));
        QCOMPARE(frame.mid(8, 256), data.left(256));
        QCOMPARE(crc16(frame, frame.size()), quint16(0));
        QVERIFY(linker.replyReads().isEmpty());
    }

    void dataPackageFailures() {
        linker.writeResults << 263;  // fewer than the 264 bytes handed over
        QCOMPARE(int(messages.writeStdCardData(0x40000, QByteArray(256, 'x'), 256)), -1);
        // Never more bytes than the caller has.
        QCOMPARE(int(messages.writeStdCardData(0x40000, QByteArray(4, 'x'), 5)), -1);
        QCOMPARE(linker.writes.size(), 1);
    }

    void emptyPacket_data() {
        QTest::addColumn<QByteArray>("ack");
        QTest::addColumn<int>("result");
        QTest::newRow("acknowledged") << ScriptedLinker::sealed("AB 74 04 01 04 00 00 00") << 1;
        QTest::newRow("wrong crc is not checked") << hex("AB 74 04 01 04 00 00 00 00 00") << 1;
        QTest::newRow("error F4 01") << ScriptedLinker::sealed("AB F4 01 00 00 00 00 00") << -3;
        QTest::newRow("byte 6 not 0") << ScriptedLinker::sealed("AB 74 04 01 04 00 01 00") << -3;
        QTest::newRow("silence") << QByteArray() << -2;
    }
    void emptyPacket() {
        QFETCH(QByteArray, ack);
        QFETCH(int, result);
        linker.replies << ack;
        QCOMPARE(int(messages.writeStdCardData(0x40104, QByteArray(), 0)), result);
        QCOMPARE(linker.lastWritten(), hex("AB 74 04 01 04 00 00 00 02 B3"));
        QCOMPARE(linker.replyReads().size(), 1);
        QCOMPARE(linker.replyReads()[0].timeoutMs, 6000);
        QCOMPARE(linker.replyReads()[0].expectedLength, 10);
    }

    void closedLink() {
        linker.open = false;
        QCOMPARE(int(messages.writeStdCardTotal(2, 0xD000)), -1);
        QCOMPARE(int(messages.writeStdCardInfo(0x2000, "Library_01", "", 10, 0x1234, 0xDE77)), -1);
        QCOMPARE(int(messages.writeStdCardData(0x40104, QByteArray(), 0)), -1);
        QVERIFY(linker.writes.isEmpty());
        QVERIFY(linker.replyReads().isEmpty());
    }
};

QTEST_GUILESS_MAIN(StdCardWriteTest)
#include "tst_stdcardwrite.moc"
