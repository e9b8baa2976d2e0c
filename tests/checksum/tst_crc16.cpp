// SPDX-License-Identifier: MIT
#include <QtTest>

#include "checksum/CountCheckCode.h"
#include "checksum/Crc16.h"

using namespace colorcard;

class Crc16Test : public QObject {
    Q_OBJECT
private slots:
    void workedFrames_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("crc");
        QTest::newRow("key information")
            << QByteArray::fromHex("AB2005001200") << QByteArray::fromHex("946B");
        QTest::newRow("production information")
            << QByteArray::fromHex("AB40000000001400") << QByteArray::fromHex("4504");
        QTest::newRow("measure data")
            << QByteArray::fromHex("AB44000000003600") << QByteArray::fromHex("1864");
        QTest::newRow("std card total read")
            << QByteArray::fromHex("AB40002F00000400") << QByteArray::fromHex("9D02");
    }
    void workedFrames() {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, crc);
        const quint16 value = crc16(body, body.size());
        QCOMPARE(quint8(value & 0xFF), quint8(crc[0]));
        QCOMPARE(quint8(value >> 8), quint8(crc[1]));
    }
    void blockFollowedByItsCrcGivesZero() {
        QByteArray block = QByteArray::fromHex("AB40002F00000400");
        const quint16 value = crc16(block, block.size());
        block.append(char(value & 0xFF)).append(char(value >> 8));
        QCOMPARE(crc16(block, block.size()), quint16(0));
    }
    // The catalogue's check value of CRC-16/MODBUS, and every byte value at
    // every position of a frame against the polynomial applied bit by bit.
    void standardCheckAndEveryByte() {
        QCOMPARE(crc16(QByteArray("123456789"), 9), quint16(0x4B37));
        const auto bitwise = [](const QByteArray& bytes) {
            quint16 crc = 0xFFFF;
            for (const char byte : bytes) {
                crc ^= static_cast<quint8>(byte);
                for (int bit = 0; bit < 8; ++bit)
                    crc = (crc & 1) ? static_cast<quint16>((crc >> 1) ^ 0xA001) : crc >> 1;
            }
            return crc;
        };
        QByteArray frame = QByteArray::fromHex("AB40002F00000400");
        for (int at = 0; at < frame.size(); ++at)
            for (int value = 0; value < 256; ++value) {
                QByteArray changed = frame;
                changed[at] = static_cast<char>(value);
                QCOMPARE(crc16(changed, changed.size()), bitwise(changed));
            }
        QCOMPARE(crc16(frame, 0), quint16(0xFFFF));
    }
    void countCodes_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("code");
        QTest::newRow("three") << 3 << QByteArray::fromHex("0300") << 0x4001;
        QTest::newRow("zero") << 0 << QByteArray::fromHex("0000") << 0xB001;
        QTest::newRow("both bytes") << 0x0102 << QByteArray::fromHex("0201") << -1;
    }
    void countCodes() {
        QFETCH(int, count);
        QFETCH(QByteArray, bytes);
        QFETCH(int, code);
        QCOMPARE(countCheckCode(count), crc16(bytes, bytes.size()));
        if (code >= 0)
            QCOMPARE(countCheckCode(count), quint16(code));
    }
};

QTEST_GUILESS_MAIN(Crc16Test)
#include "tst_crc16.moc"
