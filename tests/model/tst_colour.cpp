// SPDX-License-Identifier: MIT
#include <QtTest>

#include "model/Colour.h"
#include "model/Quality.h"

using namespace colorcard;

class TestColour : public QObject {
    Q_OBJECT

private slots:
    void textAndNumber_data();
    void textAndNumber();
    void valuesRoundTrip();
    void sharedSmallNumbers();
    void toleranceValidity_data();
    void toleranceValidity();
};

void TestColour::textAndNumber_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("number");
    QTest::newRow("L* plain") << int(ColorColumns::LabL) << "52.5" << true << 52.5;
    QTest::newRow("a* negative") << int(ColorColumns::Laba) << "-12.34" << true << -12.34;
    QTest::newRow("Yxy y leading zero") << int(ColorColumns::Yxyy) << "0.3127" << true << 0.3127;
    QTest::newRow("RGB B integer") << int(ColorColumns::RgbB) << "255" << true << 255.0;
    QTest::newRow("empty") << int(ColorColumns::CmykK) << "" << false << 0.0;
    QTest::newRow("not a number") << int(ColorColumns::LChh) << "abc" << false << 0.0;
    QTest::newRow("infinite") << int(ColorColumns::Luvu) << "inf" << false << 0.0;
    QTest::newRow("trailing zeros kept") << int(ColorColumns::Labb) << "3.100" << true << 3.1;
}

// The text comes back exactly as set (files and the store stay byte for
// byte), the number is read from it, and each column reaches its own field.
void TestColour::textAndNumber() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, number);
    const auto column = ColorColumns::Column(field);
    Colour colour;
    colour.text(column) = text;
    QCOMPARE(colour.text(column), text);
    QCOMPARE(colour.values().at(field), text);
    for (int other = 0; other < ColorColumns::ValueCount; ++other)
        if (other != field)
            QVERIFY(colour.values().at(other).isEmpty());
    const std::optional<double> read = colour.number(column);
    QCOMPARE(read.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*read, number);
}

// Only a text that is exactly a whole number's plain text may be shared:
// any other would come back changed ("007" as "7").
void TestColour::sharedSmallNumbers() {
    const QStringList shared{"0", "7", "10", "99", "255"};
    const QStringList own{"", "007", "01", "256", "-1", "1.0", " 1", "1 ", "+1", "1000", "٣"};
    for (const QStringList* texts : {&shared, &own}) {
        for (const QString& text : *texts) {
            const QByteArray utf8 = text.toUtf8();
            const QString* fromBytes =
                ColorColumns::sharedSmallNumber(utf8.constData(), utf8.size());
            const QString* fromText =
                ColorColumns::sharedSmallNumber(text.constData(), text.size());
            QCOMPARE(fromBytes, fromText);
            QVERIFY2(texts == &shared ? fromText && *fromText == text : !fromText,
                     qPrintable(text));
        }
    }
}

void TestColour::valuesRoundTrip() {
    QStringList values;
    for (int i = 0; i < ColorColumns::ValueCount; ++i)
        values << QString::number(i * 1.5, 'f', 2);
    const Colour colour = Colour::fromValues(QStringLiteral("C1"), values);
    QCOMPARE(colour.values(), values);
    QCOMPARE(colour.labL, QStringLiteral("0.00"));
    QCOMPARE(colour.yxyY, QStringLiteral("13.50"));
    QCOMPARE(colour.rgbB, QStringLiteral("27.00"));
    QVERIFY(colour.hasLab());
    QVERIFY(colour.sameValues(colour));

    // L*a*b* only: the rest is empty, and one changed text is a difference.
    Colour lab = Colour::fromValues(QStringLiteral("C2"), values.mid(0, 3));
    QCOMPARE(lab.values().size(), ColorColumns::ValueCount);
    QCOMPARE(lab.values().mid(0, 3), values.mid(0, 3));
    QVERIFY(lab.rgbR.isEmpty());
    QVERIFY(!lab.sameValues(colour));
    lab.setValues(values);
    QVERIFY(lab.sameValues(colour));
    lab.labb = QStringLiteral("3.0");
    QVERIFY(!lab.sameValues(colour));
    lab.laba.clear();
    QVERIFY(!lab.hasLab());
}

void TestColour::toleranceValidity_data() {
    QTest::addColumn<int>("formula");
    QTest::addColumn<double>("parameter");
    QTest::addColumn<double>("limit");
    QTest::addColumn<bool>("valid");
    QTest::newRow("default") << int(DeltaEFormula::Ciede2000) << 1.0 << 1.0 << true;
    QTest::newRow("zero limit") << int(DeltaEFormula::Ciede2000) << 1.0 << 0.0 << false;
    QTest::newRow("infinite limit") << int(DeltaEFormula::Cie76) << 1.0 << qInf() << false;
    QTest::newRow("cmc zero weight") << int(DeltaEFormula::Cmc) << 0.0 << 2.0 << false;
    QTest::newRow("ΔE00 negative factor") << int(DeltaEFormula::Ciede2000) << -1.0 << 2.0 << false;
    QTest::newRow("ΔE76 ignores factors") << int(DeltaEFormula::Cie76) << -1.0 << 2.0 << true;
}

void TestColour::toleranceValidity() {
    QFETCH(int, formula);
    QFETCH(double, parameter);
    QFETCH(double, limit);
    QFETCH(bool, valid);
    Tolerance tolerance;
    tolerance.method.formula = DeltaEFormula(formula);
    tolerance.method.l = tolerance.method.kL = parameter;
    tolerance.limit = limit;
    QCOMPARE(tolerance.valid(), valid);
    // The code names the formula alone and reads back to it.
    QCOMPARE(DifferenceMethod::formulaFromCode(tolerance.method.code()), DeltaEFormula(formula));
}

QTEST_GUILESS_MAIN(TestColour)
#include "tst_colour.moc"
