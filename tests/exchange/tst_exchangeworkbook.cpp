// SPDX-License-Identifier: MIT
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

#include "exchange/CheckCodes.h"
#include "exchange/ExchangeWorkbook.h"
#include "tests/workflow/ExchangeFixture.h"

using namespace colorcard;

namespace {

QVector<Colour> records(const QList<SheetColour>& list) {
    QVector<Colour> result;
    for (const SheetColour& c : list) {
        Colour record = Colour::fromValues(c.name, c.values);
        record.rowId = 1;
        record.id = QStringLiteral("ColorData1");
        result << record;
    }
    return result;
}

Library library(const QString& name, const QString& description, const QString& count,
                const QVector<Colour>& colours = {}) {
    Library record;
    record.rowId = 1;
    record.id = QStringLiteral("ColorCard1");
    record.meterNumber = QStringLiteral("1");
    record.name = name;
    record.description = description;
    record.count = count;
    record.colours = colours;
    return record;
}

bool isText(const QVariant& v) {
    return v.userType() == QMetaType::QString;
}
bool isNumber(const QVariant& v) {
    return v.userType() == QMetaType::Int || v.userType() == QMetaType::Double;
}

// The workbook as python3-xlrd, a reader independent of ours, sees it.
QJsonArray readWithXlrd(const QString& file) {
    QString python =
        QStandardPaths::findExecutable(QStringLiteral("python3"), {QStringLiteral("/usr/bin")});
    if (python.isEmpty())
        python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    QProcess process;
    process.start(python, {QStringLiteral(XLS_INTEROP_SCRIPT), QStringLiteral("read"), file});
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        qWarning("%s", process.readAllStandardError().constData());
        return {};
    }
    return QJsonDocument::fromJson(process.readAllStandardOutput()).array();
}

}  // namespace

class ExchangeWorkbookTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { quietEngineTraces(); }

    void librarySheetLayout() {
        const QList<SheetColour> reds = colours(3, 1);
        const QVector<Library> libraries{library("Reds", "spring", "3", records(reds)),
                                         library("Claims", "five", "5"),
                                         library(QStringLiteral("绿色"), "", "0")};
        const QList<QVariantList> rows = ExchangeWorkbook::librarySheet("12345678", libraries);

        QCOMPARE(rows.size(), 48 + 1 + 3);
        QCOMPARE(rows[0].size(), 5);  // the block is five columns wide
        QCOMPARE(rows[0][0], QVariant(QStringLiteral("12345678")));
        for (int c = 1; c < 5; ++c)
            QVERIFY(!rows[0][c].isValid());
        QVERIFY(isNumber(rows[1][0]));
        QCOMPARE(rows[1][0].toInt(), 3);
        QVERIFY(isNumber(rows[1][1]));
        QCOMPARE(rows[1][1].toInt(), int(countCheckCode(3)));

        QVariantList lab;
        for (const SheetColour& c : reds)
            lab << c.values[0] << c.values[1] << c.values[2];
        const quint16 data = dataCheckCode(lab);
        QCOMPARE(rows[2], (QVariantList{"Reds", "spring", "3", int(data),
                                        int(infoCheckCode("Reds", "spring", 3, data))}));
        QVERIFY(isText(rows[2][2]));
        // A library that claims colours but has none gets no check codes.
        QCOMPARE(rows[3], (QVariantList{"Claims", "five", "5"}));
        QCOMPARE(rows[4], (QVariantList{QStringLiteral("绿色"), "", "0"}));
        for (int r = 5; r < 48; ++r)
            for (const QVariant& cell : rows[r])
                QVERIFY(!cell.isValid());
        QCOMPARE(rows[48], (QVariantList{"name", "L", "a", "b"}));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(rows[49 + i], (QVariantList{reds[i].name, reds[i].values[0], reds[i].values[1],
                                                 reds[i].values[2]}));

        // No meter: A1 is an empty text, still a used cell.
        const QList<QVariantList> none = ExchangeWorkbook::librarySheet(QString(), {});
        QVERIFY(isText(none[0][0]));
        QCOMPARE(none[0][0].toString(), QString());
        QCOMPARE(none.size(), 49);
    }

    void fullLibraryAreaHasNoPadding() {
        QVector<Library> libraries;
        for (int k = 0; k < 46; ++k)
            libraries << library(QStringLiteral("L%1").arg(k), "d", "1", records(colours(1, k)));
        const QList<QVariantList> rows = ExchangeWorkbook::librarySheet("1", libraries);
        QCOMPARE(rows.size(), 48 + 1 + 46);
        QCOMPARE(rows[47][0], QVariant("L45"));
        QCOMPARE(rows[48][0], QVariant("name"));
        QCOMPARE(rows[49][0], QVariant("C-1"));
    }

    void dataSheetLayout() {
        const QList<SheetColour> list = colours(2, 4);
        const QList<QVariantList> rows = ExchangeWorkbook::dataSheet(records(list));
        QCOMPARE(rows.size(), 3);
        QVariantList header;
        for (const char* h :
             {"Name", "LabL", "Laba", "Labb",  "LuvL",  "Luvu",  "Luvv",  "LChL", "LChC", "LChh",
              "YxyY", "Yxyx", "Yxyy", "CMYKC", "CMYKM", "CMYKY", "CMYKK", "RGBR", "RGBG", "RGBB"})
            header << QString::fromLatin1(h);
        QCOMPARE(rows[0], header);
        QVariantList second{list[1].name};
        for (const QString& v : list[1].values)
            second << v;
        QCOMPARE(rows[2], second);
        for (const QVariant& cell : rows[2])
            QVERIFY(isText(cell));
        QCOMPARE(ExchangeWorkbook::dataSheet({}).size(), 1);
    }

    void valueTextsOfCells() {
        // Name; L*, a*, b* fixed with two decimals, empty giving 0.00.
        QVariantList row{12.0, 52.3, QStringLiteral("-1.005"), QVariant(),
                         // L*u*v*, L, C, h, Y, x, y as numbers
                         50.0, -3.256, QStringLiteral("abc"), QString(""), 7.5, 237.46, 20.0,
                         0.31274, QStringLiteral("0.3127"),
                         // CMYK C as a number; M, Y, K, RGB keep their cell text
                         12.0, QStringLiteral("05"), 3.0, QVariant(), 255.0, QStringLiteral(" x "),
                         0.5};
        const QStringList texts = ExchangeWorkbook::colorTexts(row);
        QCOMPARE(texts, (QStringList{"12", "52.30", "-1.00", "0.00",  "50.00",  "-3.26",  "0.00",
                                     "",   "7.50",  "237.5", "20.00", "0.3127", "0.3127", "12",
                                     "05", "3",     "",      "255",   " x ",    "0.5"}));
        QCOMPARE(ExchangeWorkbook::colorKey(texts), QStringLiteral("12:52.30:-1.00:0.00"));
        // Missing cells of a short row count as empty.
        QCOMPARE(ExchangeWorkbook::colorTexts({QStringLiteral("n"), 1.0}).mid(0, 5),
                 (QStringList{"n", "1.00", "0.00", "0.00", ""}));

        QCOMPARE(ExchangeWorkbook::cellText(45.0), QStringLiteral("45"));
        QCOMPARE(ExchangeWorkbook::cellText(52.31), QStringLiteral("52.31"));
        QCOMPARE(ExchangeWorkbook::cellInt(QStringLiteral("17")), 17);
        QCOMPARE(ExchangeWorkbook::cellInt(3.0), 3);
        QCOMPARE(ExchangeWorkbook::cellInt(1e12), -1);
        QCOMPARE(ExchangeWorkbook::cellUInt(45057.0), 45057u);
    }

    void independentReaderSeesTheLayout() {
        ExchangeFixture f;
        const QList<SheetColour> reds{{QStringLiteral("红 1"), measuredValues(3)},
                                      {"R-2", measuredValues(4)}};
        f.addLibrary(QStringLiteral("红色"), "spring", reds);
        f.addLibrary("Empty", "none");
        f.answer({true});
        QTemporaryDir out;
        const QString file = out.filePath("layout.xls");
        QVERIFY(f.save(file));

        const QJsonArray sheets = readWithXlrd(file);
        QCOMPARE(sheets.size(), 3);
        const QJsonArray rows = sheets[0].toObject()["rows"].toArray();
        const auto cell = [&](int r, int c) {
            const QJsonArray row = rows[r].toArray();
            return c < row.size() ? row[c].toArray() : QJsonArray{"empty", ""};
        };
        QCOMPARE(cell(0, 0), (QJsonArray{"text", "12345678"}));
        QCOMPARE(cell(1, 0), (QJsonArray{"number", 2}));
        QCOMPARE(cell(1, 1), (QJsonArray{"number", int(countCheckCode(2))}));
        QCOMPARE(cell(2, 0), (QJsonArray{"text", QStringLiteral("红色")}));
        QCOMPARE(cell(2, 2), (QJsonArray{"text", "2"}));
        QCOMPARE(cell(2, 3)[0].toString(), QStringLiteral("number"));
        QCOMPARE(cell(2, 4)[0].toString(), QStringLiteral("number"));
        QVariantList lab;
        for (const SheetColour& c : reds)
            lab << c.values[0] << c.values[1] << c.values[2];
        QCOMPARE(cell(2, 3)[1].toInt(), int(dataCheckCode(lab)));
        QCOMPARE(cell(3, 0), (QJsonArray{"text", "Empty"}));
        QCOMPARE(cell(3, 2), (QJsonArray{"text", "0"}));
        QCOMPARE(cell(3, 3)[0].toString(), QStringLiteral("empty"));
        QCOMPARE(cell(3, 4)[0].toString(), QStringLiteral("empty"));
        for (int r = 4; r < 48; ++r)
            for (int c = 0; c < 5; ++c)
                QCOMPARE(cell(r, c)[0].toString(), QStringLiteral("empty"));
        // Row 49 the header, the colours from row 50, values as texts.
        QCOMPARE(cell(48, 0), (QJsonArray{"text", "name"}));
        QCOMPARE(cell(48, 3), (QJsonArray{"text", "b"}));
        QCOMPARE(cell(49, 0), (QJsonArray{"text", QStringLiteral("红 1")}));
        QCOMPARE(cell(49, 1), (QJsonArray{"text", reds[0].values[0]}));
        QCOMPARE(cell(50, 3), (QJsonArray{"text", reds[1].values[2]}));
        QCOMPARE(rows.size(), 51);

        const QJsonArray data = sheets[1].toObject()["rows"].toArray();
        QCOMPARE(data.size(), 3);
        QCOMPARE(data[0].toArray()[19], (QJsonValue(QJsonArray{"text", "RGBB"})));
        QCOMPARE(data[2].toArray()[12], (QJsonValue(QJsonArray{"text", reds[1].values[11]})));
        const QJsonArray empty = sheets[2].toObject()["rows"].toArray();
        QCOMPARE(empty.size(), 1);
        QCOMPARE(empty[0].toArray()[0], (QJsonValue(QJsonArray{"text", "Name"})));
    }
};

QTEST_GUILESS_MAIN(ExchangeWorkbookTest)
#include "tst_exchangeworkbook.moc"
