// SPDX-License-Identifier: MIT
#include <iconv.h>

#include <QtTest>

#include "protocol/MeterText.h"
#include "protocol/StdCardMessages.h"

using namespace colorcard;

namespace {

// GB2312 bytes as the C library's iconv reads them: a reader independent of
// Qt, the same under Qt 5 and Qt 6. Null when iconv rejects them.
QString iconvGb2312(const QByteArray& bytes) {
    static const iconv_t cd = iconv_open("UTF-8", "GB2312");
    if (cd == iconv_t(-1))
        return QString();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    QByteArray in = bytes;
    QByteArray out(4 * bytes.size() + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    size_t inLeft = size_t(in.size());
    size_t outLeft = size_t(out.size());
    const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != size_t(-1) && inLeft == 0;
    return ok ? QString::fromUtf8(out.constData(), int(outPtr - out.constData())) : QString();
}

}  // namespace

class MeterTextTest : public QObject {
    Q_OBJECT
private slots:
    void decodesFieldBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const QByteArray& hex, const QString& text) {
            QTest::newRow(name) << QByteArray::fromHex(hex) << text;
        };
        row("gb2312 that is also valid utf-8", "D7 BC C9 AB", QStringLiteral("准色"));
        row("gb2312 that is not utf-8", "B1 EA D7 BC C9 AB BF A8", QStringLiteral("标准色卡"));
        row("gb2312 with ascii", "41 31 D7 BC", QStringLiteral("A1准"));
        row("utf-8 ideographs", "E8 89 B2 E5 8D A1", QStringLiteral("色卡"));
        row("utf-8 full-width forms and punctuation",
            "EF BC A1 EF BC 91 E3 80 8A E7 BA A2 E3 80 8B", QStringLiteral("Ａ１《红》"));
        row("ascii", "52 65 64 20 30 31 2D 5F 3A", QStringLiteral("Red 01-_:"));
        // Outside the plausible set but impossible as GB2312: still UTF-8.
        row("utf-8 kana", "E3 82 AB E3 83 A9 E3 83 BC", QStringLiteral("カラー"));
        row("utf-8 sharp s", "57 65 69 C3 9F", QStringLiteral("Weiß"));
        row("empty", "", QString());
        // What GB2312 leaves unassigned or bytes valid in neither read as GBK,
        // GB2312's superset, as they always have.
        row("gb2312 unassigned row", "A2 A1", QStringLiteral("\u2170"));
        row("gbk beyond gb2312", "81 40 41", QStringLiteral("\u4E02A"));
        row("valid in neither", "41 80", QStringLiteral("A\u20AC"));
    }
    void decodesFieldBytes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeMeterLibraryText(bytes), text);
    }

    // What writeStdCardInfo sends for a name comes back as that name (cut to
    // the field at a character boundary).
    void namesThisProgramWritesReadBack_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("readBack");
        const QStringList same = {"Standard 01",
                                  "Lab_A-3:[x]",
                                  "ABCDEFGHIJKLMNOP",
                                  QStringLiteral("标准色卡"),
                                  QStringLiteral("准色"),
                                  QStringLiteral("红（一）"),
                                  QStringLiteral("Ｒｅｄ　１"),
                                  QStringLiteral("カラー")};
        for (const QString& name : same)
            QTest::newRow(qPrintable(name)) << name << name;
        QTest::newRow("cut") << QStringLiteral("一二三四五六") << QStringLiteral("一二三四五");
    }
    void namesThisProgramWritesReadBack() {
        QFETCH(QString, name);
        QFETCH(QString, readBack);
        const QByteArray field = StdCardMessages::fixedField(name, StdCardMessages::NameWidth);
        QCOMPARE(StdCardMessages::decodeLibraryText(field), readBack);
    }

    // Every two-character GB2312 name whose bytes also form UTF-8 (lead rows
    // C2..D7, trails A1..BF) reads as GB2312.
    void twoCharacterGb2312NamesReadAsGb2312() {
        QVERIFY(!iconvGb2312("\xD7\xBC").isNull());
        QList<QByteArray> characters;
        for (int lead = 0xC2; lead <= 0xD7; ++lead) {
            for (int trail = 0xA1; trail <= 0xBF; ++trail) {
                const char pair[] = {char(lead), char(trail)};
                characters << QByteArray(pair, 2);
            }
        }
        int checked = 0;
        for (const QByteArray& first : characters) {
            for (const QByteArray& second : characters) {
                const QByteArray bytes = first + second;
                const QString expected = iconvGb2312(bytes);
                if (expected.isNull())
                    continue;  // unassigned code points of row D7
                const QString text = decodeMeterLibraryText(bytes);
                if (text != expected)
                    QFAIL(qPrintable(bytes.toHex(' ') + " read as " + text));
                ++checked;
            }
        }
        QVERIFY(checked > 400000);
    }

    void plausibleNameText() {
        QVERIFY(isPlausibleNameText(QStringLiteral("Abc 1-_（色）、Ｚ")));
        for (const QString& text : {QStringLiteral("׼ɫ"), QStringLiteral("é"),
                                    QStringLiteral("カ"), QString(QChar(0xFFFD))})
            QVERIFY2(!isPlausibleNameText(text), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(MeterTextTest)
#include "tst_metertext.moc"
