// SPDX-License-Identifier: MIT
#include <QtTest>

#include "checksum/Crc16.h"
#include "exchange/CheckCodes.h"

using namespace colorcard;

namespace {
quint16 crcOf(const QByteArray& bytes) {
    return crc16(bytes, bytes.size());
}
}  // namespace

class CheckCodesTest : public QObject {
    Q_OBJECT
private slots:
    void dataCodeBytesPerValue() {
        // 52.31 -> 0x6F 0x14, -0.01 -> 0xFF 0xFF, 12.346 rounds to 1235 (0xD3 0x04).
        QCOMPARE(dataCheckCode({QStringLiteral("52.31")}), crcOf(QByteArray::fromHex("6F14")));
        QCOMPARE(dataCheckCode({-0.01}), crcOf(QByteArray::fromHex("FFFF")));
        QCOMPARE(dataCheckCode({QStringLiteral("12.346")}), crcOf(QByteArray::fromHex("D304")));
        QCOMPARE(dataCheckCode({QStringLiteral("-12.34")}), crcOf(QByteArray::fromHex("2EFB")));
        // Text that is not a number counts as 0.
        QCOMPARE(dataCheckCode({QStringLiteral("abc"), QVariant()}),
                 crcOf(QByteArray::fromHex("00000000")));
    }

    void dataCodeSeesEveryHundredth() {
        const QVariantList base{50.23, -10.0, 3.5, 20.0, 1.25, -7.0};
        const quint16 code = dataCheckCode(base);
        for (int i = 0; i < base.size(); ++i) {
            QVariantList changed = base;
            changed[i] = changed[i].toDouble() + 0.01;
            QVERIFY2(dataCheckCode(changed) != code, qPrintable(QString::number(i)));
        }
        // Texts and numbers of the same values agree.
        QVariantList texts;
        for (const QVariant& v : base)
            texts << QString::number(v.toDouble(), 'f', 2);
        QCOMPARE(dataCheckCode(texts), code);
    }

    void infoCodeOfAsciiRecord() {
        QByteArray expected("Reds");
        expected.append(QByteArray(12, '\0'));
        expected.append("spring");
        expected.append(QByteArray(10, '\0'));
        expected.append(QByteArray::fromHex("0A003412"));
        QCOMPARE(infoCheckCode("Reds", "spring", 10, 0x1234), crcOf(expected));
    }

    void infoCodeOfChineseNameDropsTheTail() {
        const QString name = QStringLiteral("红色橙色黄色");  // 6 characters, 18 UTF-8 bytes
        QByteArray expected = name.toUtf8();
        expected.append(QByteArray(18, '\0'));
        QCOMPARE(expected.size(), 36);
        QCOMPARE(infoCheckCode(name, QString(), 7, 0x1111), crcOf(expected));
        // Count and data check code fall outside the 36 bytes.
        QCOMPARE(infoCheckCode(name, QString(), 9, 0x2222), crcOf(expected));
    }
};

QTEST_GUILESS_MAIN(CheckCodesTest)
#include "tst_checkcodes.moc"
