// SPDX-License-Identifier: MIT
#include <QtTest>

#include "protocol/StdCardMessages.h"
#include "tests/support/ScriptedFrames.h"

using namespace colorcard;

namespace {

QByteArray hex(const QByteArray& h) {
    return QByteArray::fromHex(h);
}

// Information record fields after the header: a 16-character name without a
// zero byte, an empty description, 20000 colours, two check codes.
const QByteArray InfoFields =
    " 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50"
    " 00 44 45 53 43 00 00 00 00 00 00 00 00 00 00 00"
    " 20 4E 34 12 78 56";

}  // namespace

class StdCardReadTest : public QObject, ScriptedFrames {
    Q_OBJECT
    StdCardMessages messages{frames};

private slots:
    void init() {
        linker.reset();
        frames.restart();
    }

    void totalExchange() {
        linker.replies << ScriptedLinker::sealed("AB 40 00 2F 00 00 04 00 2E 00 00 D0");
        int total = -1;
        QCOMPARE(int(messages.readStdCardTotal(total)), 1);
        QCOMPARE(total, 46);
        QCOMPARE(linker.lastWritten(), hex("AB 40 00 2F 00 00 04 00 9D 02 00 00"));
        QCOMPARE(linker.writes[0].timeoutMs, 1000);
        QCOMPARE(linker.replyReads().size(), 1);
        QCOMPARE(linker.replyReads()[0].timeoutMs, 6000);
        QCOMPARE(linker.replyReads()[0].expectedLength, 14);
    }

    void totalReplies_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("total");
        QTest::newRow("byte 2 alone")
            << ScriptedLinker::sealed("AB 40 00 2F 00 00 09 00 FF FF 00 00") << 1 << 65535;
        QTest::newRow("byte 6 alone")
            << ScriptedLinker::sealed("AB 40 01 2F 00 00 04 00 02 01 00 00") << 1 << 258;
        QTest::newRow("neither") << ScriptedLinker::sealed("AB 40 01 2F 00 00 09 00 02 00 00 D0")
                                 << -3 << -1;
        QTest::newRow("wrong crc, wrong header")
            << hex("AB 40 01 2F 00 00 09 00 02 00 00 D0 00 00") << -2 << -1;
        QTest::newRow("silence") << QByteArray() << -2 << -1;
    }
    void totalReplies() {
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        QFETCH(int, total);
        linker.replies << reply;
        int read = -1;
        QCOMPARE(int(messages.readStdCardTotal(read)), result);
        QCOMPARE(read, total);
    }

    void infoExchange() {
        linker.replies << ScriptedLinker::sealed("AB 40 30 20 00 00 26 00" + InfoFields);
        QString name, description;
        int count = -1;
        // Only the low 16 bits of the address go out.
        QCOMPARE(int(messages.readStdCardInfo(0x12030, name, description, count)), 1);
        QCOMPARE(linker.lastWritten(), hex("AB 40 30 20 00 00 26 00 D4 53 00 00"));
        QCOMPARE(linker.replyReads()[0].expectedLength, 48);
        QCOMPARE(linker.replyReads()[0].timeoutMs, 6000);
        QCOMPARE(name, QStringLiteral("ABCDEFGHIJKLMNOP"));
        QVERIFY(description.isEmpty());
        QCOMPARE(count, 20000);
    }

    void infoReplies_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::newRow("byte 6 alone")
            << ScriptedLinker::sealed("AB C0 30 20 00 00 26 00" + InfoFields) << 1;
        QTest::newRow("byte 1 alone")
            << ScriptedLinker::sealed("AB 40 30 20 00 00 27 00" + InfoFields) << 1;
        QTest::newRow("neither") << ScriptedLinker::sealed("AB C0 00 20 00 00 27 00" + InfoFields)
                                 << -3;
        QTest::newRow("wrong crc, wrong header")
            << hex("AB C0 00 20 00 00 27 00" + InfoFields + " 00 00") << -2;
        QTest::newRow("short") << ScriptedLinker::sealed("AB 40 30 20 00 00 26 00 41 42") << -2;
    }
    void infoReplies() {
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        linker.replies << reply;
        QString name = "kept";
        QString description;
        int count = -1;
        QCOMPARE(int(messages.readStdCardInfo(0x2030, name, description, count)), result);
        QCOMPARE(name, result == 1 ? QStringLiteral("ABCDEFGHIJKLMNOP") : QStringLiteral("kept"));
    }

    void infoNames_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("utf-8") << hex("E8 89 B2 E5 8D A1 00 00 00 00 00 00 00 00 00 00")
                               << QStringLiteral("色卡");
        QTest::newRow("gb2312") << hex("B1 EA D7 BC C9 AB BF A8 00 00 00 00 00 00 00 00")
                                << QStringLiteral("标准色卡");
        QTest::newRow("ascii after zero is ignored")
            << hex("41 42 00 43 44 00 00 00 00 00 00 00 00 00 00 00") << QStringLiteral("AB");
    }
    void infoNames() {
        QFETCH(QByteArray, field);
        QFETCH(QString, text);
        linker.replies << ScriptedLinker::sealed("AB 40 00 20 00 00 26 00" + field.toHex() +
                                                 field.toHex() + "01 00 00 00 00 00");
        QString name, description;
        int count = 0;
        QCOMPARE(int(messages.readStdCardInfo(0x2000, name, description, count)), 1);
        QCOMPARE(name, text);
        QCOMPARE(description, text);
        QCOMPARE(count, 1);
    }

    void dataExchange() {
        linker.replies << ScriptedLinker::sealed("AB 40 00 01 04 00 04 00 10 27 18 FC");
        QByteArray data;
        QCOMPARE(int(messages.readStdCardData(0x40100, 4, data)), 1);
        QCOMPARE(linker.lastWritten(), hex("AB 40 00 01 04 00 04 00 74 34 00 00"));
        QCOMPARE(linker.replyReads()[0].expectedLength, 14);
        QCOMPARE(data, hex("10 27 18 FC"));
    }

    void dataFailures() {
        QByteArray data = "kept";
        linker.replies << ScriptedLinker::sealed("AB 40 00 01 04 00 04 00 10 27 18");
        QCOMPARE(int(messages.readStdCardData(0x40100, 4, data)), -2);
        linker.replies << hex("AB 40 00 01 04 00 04 00 10 27 18 FC 00 00");
        QCOMPARE(int(messages.readStdCardData(0x40100, 4, data)), -2);
        linker.writeResults << 9;  // fewer than the 10 bytes handed over
        QCOMPARE(int(messages.readStdCardData(0x40100, 4, data)), -1);
        QCOMPARE(data, QByteArray("kept"));
    }

    void closedLink() {
        linker.open = false;
        int total = 0;
        QString name, description;
        QByteArray data;
        QCOMPARE(int(messages.readStdCardTotal(total)), -1);
        QCOMPARE(int(messages.readStdCardInfo(0x2000, name, description, total)), -1);
        QCOMPARE(int(messages.readStdCardData(0x40000, 256, data)), -1);
        QVERIFY(linker.writes.isEmpty());
    }

    void colourNames() {
        QCOMPARE(StdCardMessages::decodeColorName(hex("E8 93 9D E8 89 B2 00 41 41 41")),
                 QStringLiteral("蓝色"));
        // Twenty bytes without a zero: the next stream entry is not part of it.
        QCOMPARE(StdCardMessages::decodeColorName(QByteArray(20, 'x') + "yy"),
                 QString(20, QLatin1Char('x')));
        QVERIFY(StdCardMessages::decodeColorName(hex("00 41")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(StdCardReadTest)
#include "tst_stdcardread.moc"
