// SPDX-License-Identifier: MIT
// Whiteness, tint and yellowness from L*a*b*, and 555 shade codes. The
// expected values were worked by hand from the published formulas (CIE 15
// whiteness and tint, ASTM E313 and D1925 with the E308 white points).

#include <QtTest>
#include <cmath>

#include "colour/ColourIndices.h"
#include "colour/ShadeSort.h"

using namespace colorcard;

Q_DECLARE_METATYPE(ColourIndex)
Q_DECLARE_METATYPE(IndexValue::Status)

class ColourIndicesTest : public QObject {
    Q_OBJECT
private slots:
    void indices_data() {
        QTest::addColumn<double>("L");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<QString>("conditions");
        QTest::addColumn<ColourIndex>("index");
        QTest::addColumn<IndexValue::Status>("status");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("inRange");
        const auto computed = IndexValue::Status::Computed;
        const auto W = ColourIndex::CieWhiteness;
        const auto T = ColourIndex::CieTint;
        const auto E313 = ColourIndex::E313Yellowness;
        const auto D1925 = ColourIndex::D1925Yellowness;
        // The perfect white under its own white point.
        QTest::newRow("white W10")
            << 100.0 << 0.0 << 0.0 << "D65/10" << W << computed << 100.0 << true;
        QTest::newRow("white T2") << 100.0 << 0.0 << 0.0 << "D65/2" << T << computed << 0.0 << true;
        QTest::newRow("white under C: out of range")
            << 100.0 << 0.0 << 0.0 << "C/2" << W << computed << 100.0 << false;
        // E313's coefficients make the perfect white neutral; D1925's did not quite.
        QTest::newRow("white E313 D65/10")
            << 100.0 << 0.0 << 0.0 << "D65/10" << E313 << computed << -0.0006 << true;
        QTest::newRow("white D1925 C/2")
            << 100.0 << 0.0 << 0.0 << "C/2" << D1925 << computed << 0.2088 << true;
        // A yellowish white (95, −1, 8).
        QTest::newRow("yellowish E313 D65/10")
            << 95.0 << -1.0 << 8.0 << "D65/10" << E313 << computed << 14.0619 << true;
        QTest::newRow("yellowish E313 D65/2")
            << 95.0 << -1.0 << 8.0 << "D65/2" << E313 << computed << 14.0668 << true;
        QTest::newRow("yellowish E313 C/10")
            << 95.0 << -1.0 << 8.0 << "C/10" << E313 << computed << 14.2716 << true;
        QTest::newRow("yellowish E313 C/2")
            << 95.0 << -1.0 << 8.0 << "C/2" << E313 << computed << 14.2731 << true;
        QTest::newRow("yellowish D1925 C/2")
            << 95.0 << -1.0 << 8.0 << "C/2" << D1925 << computed << 14.4920 << true;
        QTest::newRow("yellowish W10")
            << 95.0 << -1.0 << 8.0 << "D65/10" << W << computed << 51.2135 << true;
        // The tint constant differs between the observers (900 and 1000).
        QTest::newRow("bluish T10")
            << 96.0 << 1.0 << -4.0 << "D65/10" << T << computed << -0.1084 << true;
        QTest::newRow("bluish T2")
            << 96.0 << 1.0 << -4.0 << "D65/2" << T << computed << 0.4801 << true;
        // The range marks: the value is still given.
        QTest::newRow("W below 40")
            << 90.0 << 0.0 << 15.0 << "D65/10" << W << computed << 5.0874 << false;
        QTest::newRow("W above 5Y - 280")
            << 92.0 << 4.0 << -12.0 << "D65/10" << W << computed << 135.8850 << false;
        QTest::newRow("T above 2")
            << 95.0 << -6.0 << 0.0 << "D65/10" << T << computed << 9.8232 << false;
        QTest::newRow("W of a sample whose T is out")
            << 95.0 << -6.0 << 0.0 << "D65/10" << W << computed << 87.4560 << false;
        // No value.
        QTest::newRow("D1925 under D65/10") << 95.0 << -1.0 << 8.0 << "D65/10" << D1925
                                            << IndexValue::Status::NotForConditions << 0.0 << true;
        QTest::newRow("E313 under D50/10") << 95.0 << -1.0 << 8.0 << "D50/10" << E313
                                           << IndexValue::Status::NotForConditions << 0.0 << true;
        QTest::newRow("no white point of F11") << 95.0 << -1.0 << 8.0 << "F11/10" << W
                                               << IndexValue::Status::NoWhitePoint << 0.0 << true;
        QTest::newRow("black") << 0.0 << 0.0 << 0.0 << "D65/10" << E313
                               << IndexValue::Status::Undefined << 0.0 << true;
    }
    void indices() {
        QFETCH(double, L);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(QString, conditions);
        QFETCH(ColourIndex, index);
        QFETCH(IndexValue::Status, status);
        QFETCH(double, value);
        QFETCH(bool, inRange);
        const auto parsed = MeasuringConditions::parse(conditions);
        QVERIFY(parsed);
        const IndexValue result = colourIndex(index, Lab{L, a, b}, *parsed);
        QCOMPARE(result.status, status);
        if (status != IndexValue::Status::Computed)
            return;
        QVERIFY2(std::abs(result.value - value) < 5e-4, qPrintable(QString::number(result.value)));
        QCOMPARE(result.inRange, inRange);
    }

    void conditionsAndCodes() {
        QCOMPARE(MeasuringConditions::parse("d65/10°")->label(), QString("D65/10°"));
        QCOMPARE(MeasuringConditions::parse("C/2_Degree")->observer, 2);
        for (const char* bad : {"D65", "D65/5", "/10", "D65/10/2", ""})
            QVERIFY2(!MeasuringConditions::parse(bad), bad);
        for (ColourIndex index : colourIndices())
            QCOMPARE(indexFromCode(indexCode(index)), std::optional<ColourIndex>(index));
        QVERIFY(!indexFromCode("whiteness"));
    }

    // 5 + round(Δ / step), halves away from zero, clamped to 1…9.
    void shadeDigits_data() {
        QTest::addColumn<double>("delta");
        QTest::addColumn<double>("step");
        QTest::addColumn<int>("digit");
        QTest::newRow("zero") << 0.0 << 1.0 << 5;
        QTest::newRow("just under half") << 0.499 << 1.0 << 5;
        QTest::newRow("half rounds up") << 0.5 << 1.0 << 6;
        QTest::newRow("minus half rounds down") << -0.5 << 1.0 << 4;
        QTest::newRow("one and a half") << 1.5 << 1.0 << 7;
        QTest::newRow("half of a decimal step") << 0.15 << 0.3 << 6;
        QTest::newRow("minus half of a decimal step") << -0.35 << 0.7 << 4;
        QTest::newRow("four steps") << 4.0 << 1.0 << 9;
        QTest::newRow("clamped high") << 40.0 << 1.0 << 9;
        QTest::newRow("clamped low") << -4.5 << 1.0 << 1;
        QTest::newRow("huge") << 1e300 << 1e-300 << 9;
    }
    void shadeDigits() {
        QFETCH(double, delta);
        QFETCH(double, step);
        QFETCH(int, digit);
        QCOMPARE(shadeDigit(delta, step), digit);
    }

    void shadeCodesAndGroups() {
        const Lab standard{50, 0, 30};  // hue 90°
        // Half a step in L* from values as a meter reports them (binary
        // fractions of 50.15 − 50); ΔH* signed like the hue difference: the
        // sample turned towards green (hue above 90°) has a positive ΔH*.
        QCOMPARE(shadeCode({50, 0, 30}, {50.15, 0, 30}, {0.3, 1, 1}).text(), QString("655"));
        QCOMPARE(shadeCode(standard, {50, -2, 30}, ShadeSteps::uniform(1)).text(), QString("557"));
        QCOMPARE(shadeCode(standard, {50, 2, 30}, ShadeSteps::uniform(1)).text(), QString("553"));
        QCOMPARE(shadeCode(standard, {48, 0, 32}, ShadeSteps::uniform(1)).text(), QString("375"));

        const QVector<ShadePair> samples{{standard, {51, 0, 30}},
                                         {standard, {48, 0, 30}},
                                         {standard, {51.2, 0, 30}},
                                         {standard, {50, 0, 31}},
                                         {{50.5, 0, 30}, {48.5, 0, 30}}};
        const ShadeSorting sorting = shadeSort(samples, ShadeSteps::uniform(1));
        QStringList groups;
        for (const ShadeGroup& group : sorting.groups)
            groups << QStringLiteral("%1×%2").arg(group.code.text()).arg(group.count());
        // Darkest first; members of a group keep their order.
        QCOMPARE(groups, (QStringList{"355×2", "565×1", "655×2"}));
        QCOMPARE(sorting.groups[0].members, (QVector<int>{1, 4}));
        QCOMPARE(sorting.groupOf, (QVector<int>{2, 0, 2, 1, 0}));
    }
};

QTEST_APPLESS_MAIN(ColourIndicesTest)
#include "tst_colourindices.moc"
