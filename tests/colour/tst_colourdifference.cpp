// SPDX-License-Identifier: MIT
#include <QFile>
#include <QtTest>
#include <cmath>

#include "colour/ColourDifference.h"

using namespace colorcard;

Q_DECLARE_METATYPE(Lab)
Q_DECLARE_METATYPE(DifferenceMethod)

namespace {

Lab lab(double L, double a, double b) {
    return Lab{L, a, b};
}

}  // namespace

class ColourDifferenceTest : public QObject {
    Q_OBJECT
private slots:
    // Sharma, Wu and Dalal (2005), all 34 pairs in both orders.
    void ciede2000Pairs() {
        QFile file(QStringLiteral(COLORCARD_TEST_DATA "/ciede2000-pairs.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        int pairs = 0;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')) ||
                line.startsWith(QLatin1String("pair")))
                continue;
            const QStringList f = line.split(QLatin1Char(','));
            QCOMPARE(f.size(), 8);
            const Lab first = lab(f[1].toDouble(), f[2].toDouble(), f[3].toDouble());
            const Lab second = lab(f[4].toDouble(), f[5].toDouble(), f[6].toDouble());
            const double expected = f[7].toDouble();
            const auto where = qPrintable(QStringLiteral("pair ") + f[0]);
            QVERIFY2(std::abs(deltaE00(first, second) - expected) <= 1e-4, where);
            QVERIFY2(std::abs(deltaE00(second, first) - expected) <= 1e-4, where);
            QVERIFY2(
                std::abs(deltaE(first, second, DifferenceMethod::ciede2000()) - expected) <= 1e-4,
                where);
            ++pairs;
        }
        QCOMPARE(pairs, 34);
    }

    // Worked examples of the published formulas, the intermediate terms
    // computed by hand and shown beside each row:
    //  CIE94: CIE 116-1995, SC = 1 + K1·C*1, SH = 1 + K2·C*1 (C*1 of the reference).
    //  CMC(l:c): Clarke, McDonald and Rigg, J. Soc. Dyers Colour. 100 (1984)
    //    128-132, as in ISO 105-J03: SL = 0.040975·L1/(1 + 0.01765·L1), 0.511
    //    below L1 16; SC = 0.0638·C1/(1 + 0.0131·C1) + 0.638;
    //    F = √(C1⁴/(C1⁴ + 1900)); T = 0.56 + |0.2·cos(h1 + 168°)| for
    //    164° ≤ h1 ≤ 345°, else 0.36 + |0.4·cos(h1 + 35°)|; SH = SC·(F·T + 1 − F).
    //  CIEDE2000 factors: at L̄ 50 SL is 1, so a pure lightness step of 2 (49 to 51) is
    //    2/kL; with ΔC' or ΔH' zero the cross term vanishes and kC, kH divide.
    void workedExamples_data() {
        QTest::addColumn<Lab>("reference");
        QTest::addColumn<Lab>("sample");
        QTest::addColumn<DifferenceMethod>("method");
        QTest::addColumn<double>("expected");
        // ΔL 2, ΔC 5, ΔH 0; C1 5: SC 1.225, √(2² + (5/1.225)²).
        QTest::newRow("94 chroma and lightness")
            << lab(50, 3, 4) << lab(52, 6, 8) << DifferenceMethod::cie94() << 4.545297;
        // kL 2, SC 1.24: √(1² + (5/1.24)²).
        QTest::newRow("94t chroma and lightness")
            << lab(50, 3, 4) << lab(52, 6, 8) << DifferenceMethod::cie94(true) << 4.154408;
        // Reversed, C1 is 10: SC 1.45, √(2² + (5/1.45)²).
        QTest::newRow("94 reversed")
            << lab(52, 6, 8) << lab(50, 3, 4) << DifferenceMethod::cie94() << 3.986302;
        // Pure hue: ΔH √200, SH 1.15 (graphic arts) and 1.14 (textiles).
        QTest::newRow("94 hue") << lab(50, 10, 0) << lab(50, 0, 10) << DifferenceMethod::cie94()
                                << 12.297509;
        QTest::newRow("94t hue") << lab(50, 10, 0) << lab(50, 0, 10)
                                 << DifferenceMethod::cie94(true) << 12.405382;
        // ΔL 3, ΔC −4.432736, ΔH 0.592326; C1 36.055513: SC 2.622498 / 2.730665.
        QTest::newRow("94 all three")
            << lab(40, -20, 30) << lab(43, -18, 26) << DifferenceMethod::cie94() << 3.464794;
        QTest::newRow("94t all three")
            << lab(40, -20, 30) << lab(43, -18, 26) << DifferenceMethod::cie94(true) << 2.245018;
        // Neutral reference: SL 1.088313, SC = SH = 0.638; ΔL 2, ΔC 5, ΔH 0.
        QTest::newRow("cmc 2:1 neutral")
            << lab(50, 0, 0) << lab(52, 3, 4) << DifferenceMethod::cmc(2, 1) << 7.890672;
        QTest::newRow("cmc 1:1 neutral")
            << lab(50, 0, 0) << lab(52, 3, 4) << DifferenceMethod::cmc(1, 1) << 8.049570;
        // Dark yellow, h1 90°: SL 0.511, SC 1.649094, F 0.994115, T 0.589431,
        // SH 0.976011; ΔL 2, ΔC 5.179357, ΔH 2.678482.
        QTest::newRow("cmc 2:1 dark")
            << lab(10, 0, 20) << lab(12, 3, 25) << DifferenceMethod::cmc(2, 1) << 4.607070;
        QTest::newRow("cmc 1:1 dark")
            << lab(10, 0, 20) << lab(12, 3, 25) << DifferenceMethod::cmc(1, 1) << 5.719617;
        // Blue-green, h1 213.6901°: SL 1.194026, SC 2.200385, F 0.999438,
        // T 0.745839, SH 1.641448; ΔL −2, ΔC −0.700174, ΔH 7.036317.
        QTest::newRow("cmc 2:1 in the 164-345 band")
            << lab(60, -30, -20) << lab(58, -25, -25) << DifferenceMethod::cmc(2, 1) << 4.379276;
        QTest::newRow("cmc 1:1 in the 164-345 band")
            << lab(60, -30, -20) << lab(58, -25, -25) << DifferenceMethod::cmc(1, 1) << 4.613274;
        // The standard is the reference: swapped, the weights are the sample's.
        QTest::newRow("cmc 2:1 reversed")
            << lab(52, 3, 4) << lab(50, 0, 0) << DifferenceMethod::cmc(2, 1) << 5.409368;
        // Two colours of L* 0: SL 0.511, SC = SH = 0.638·(1+…) from C1 √50;
        // ΔC 0, ΔH √200, so only the hue term counts (not 0).
        QTest::newRow("cmc both black")
            << lab(0, 5, 5) << lab(0, -5, -5) << DifferenceMethod::cmc(2, 1) << 23.611872;
        QTest::newRow("76") << lab(50, 3, 4) << lab(52, 6, 8) << DifferenceMethod::cie76()
                            << std::sqrt(29.0);
        QTest::newRow("00 kL 2 lightness")
            << lab(49, 0, 0) << lab(51, 0, 0) << DifferenceMethod::ciede2000(2, 1, 1) << 1.0;
        QTest::newRow("00 kL 1 lightness")
            << lab(49, 0, 0) << lab(51, 0, 0) << DifferenceMethod::ciede2000() << 2.0;
    }
    void workedExamples() {
        QFETCH(Lab, reference);
        QFETCH(Lab, sample);
        QFETCH(DifferenceMethod, method);
        QFETCH(double, expected);
        const double got = deltaE(reference, sample, method);
        QVERIFY2(std::abs(got - expected) <= 1e-5, qPrintable(QString::number(got, 'f', 6)));
    }

    // kC and kH divide their own term when the other one is zero.
    void ciede2000Factors_data() {
        QTest::addColumn<Lab>("reference");
        QTest::addColumn<Lab>("sample");
        QTest::addColumn<DifferenceMethod>("method");
        QTest::newRow("chroma only, kC 2")
            << lab(50, 10, 0) << lab(50, 20, 0) << DifferenceMethod::ciede2000(1, 2, 1);
        QTest::newRow("hue only, kH 2")
            << lab(50, 10, 5) << lab(50, 10, -5) << DifferenceMethod::ciede2000(1, 1, 2);
    }
    void ciede2000Factors() {
        QFETCH(Lab, reference);
        QFETCH(Lab, sample);
        QFETCH(DifferenceMethod, method);
        const double plain = deltaE00(reference, sample);
        QVERIFY(plain > 1);
        QVERIFY(std::abs(deltaE(reference, sample, method) - plain / 2) <= 1e-9);
    }

    void labDifferences_data() {
        QTest::addColumn<Lab>("reference");
        QTest::addColumn<Lab>("sample");
        QTest::addColumn<double>("dC");
        QTest::addColumn<double>("dH");
        QTest::addColumn<double>("dh");
        // 2·10·sin 45° = 14.142136.
        QTest::newRow("quarter turn")
            << lab(50, 10, 0) << lab(52, 0, 10) << 0.0 << 14.142136 << 90.0;
        QTest::newRow("quarter turn back")
            << lab(50, 0, 10) << lab(50, 10, 0) << 0.0 << -14.142136 << -90.0;
        // 350° to 10° is +20°, not −340°: 2·√(C1·C2)·sin 10°.
        QTest::newRow("across 0 degrees")
            << lab(50, 9.848078, -1.736482) << lab(50, 19.696155, 3.472964) << 10.0 << 4.911512
            << 20.0;
        QTest::newRow("across 0 degrees back")
            << lab(50, 9.848078, 1.736482) << lab(50, 9.848078, -1.736482) << 0.0 << -3.472964
            << -20.0;
        QTest::newRow("neutral reference") << lab(50, 0, 0) << lab(50, 3, 4) << 5.0 << 0.0 << 0.0;
        QTest::newRow("opposite hues") << lab(50, 10, 0) << lab(50, -10, 0) << 0.0 << 20.0 << 180.0;
    }
    void labDifferences() {
        QFETCH(Lab, reference);
        QFETCH(Lab, sample);
        QFETCH(double, dC);
        QFETCH(double, dH);
        QFETCH(double, dh);
        const LabDifferences d = ::labDifferences(reference, sample);
        QVERIFY2(std::abs(d.dC - dC) < 1e-5, qPrintable(QString::number(d.dC)));
        QVERIFY2(std::abs(d.dH - dH) < 1e-5, qPrintable(QString::number(d.dH)));
        QVERIFY2(std::abs(d.dh - dh) < 1e-5, qPrintable(QString::number(d.dh)));
        QCOMPARE(d.dL, sample.L - reference.L);
        // ΔE*ab² = ΔL*² + ΔC*² + ΔH*².
        QVERIFY(std::abs(d.dE * d.dE - (d.dL * d.dL + d.dC * d.dC + d.dH * d.dH)) < 1e-6);
    }

    void directionWords_data() {
        QTest::addColumn<Lab>("sample");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        // Reference (50, 10, 10) in every row.
        QTest::newRow("same") << lab(50, 10, 10) << QString() << QString();
        QTest::newRow("under the threshold") << lab(50.05, 9.95, 10.09) << QString() << QString();
        QTest::newRow("lighter, redder, yellower")
            << lab(52, 12, 11) << QStringLiteral("lighter, redder, yellower, more saturated")
            << QStringLiteral("偏亮、偏红、偏黄、饱和度偏高");
        QTest::newRow("darker, greener, bluer")
            << lab(48, 8, 9) << QStringLiteral("darker, greener, bluer, less saturated")
            << QStringLiteral("偏暗、偏绿、偏蓝、饱和度偏低");
        QTest::newRow("hue turn only")
            << lab(50, 11, 9) << QStringLiteral("redder, bluer") << QStringLiteral("偏红、偏蓝");
    }
    void directionWords() {
        QFETCH(Lab, sample);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        const auto words = directions(::labDifferences(lab(50, 10, 10), sample));
        QCOMPARE(describeDirections(words, Language::english()), english);
        QCOMPARE(describeDirections(words, Language::chinese()), chinese);
    }

    void formulaCodes_data() {
        QTest::addColumn<DifferenceMethod>("method");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("english");
        QTest::newRow("76") << DifferenceMethod::cie76() << "76"
                            << "ΔE*ab (1976)";
        QTest::newRow("94") << DifferenceMethod::cie94() << "94"
                            << "ΔE94 (graphic arts)";
        QTest::newRow("94t") << DifferenceMethod::cie94(true) << "94t"
                             << "ΔE94 (textiles)";
        QTest::newRow("cmc") << DifferenceMethod::cmc(2, 1) << "cmc"
                             << "ΔE CMC(2:1)";
        QTest::newRow("cmc 1.4:1") << DifferenceMethod::cmc(1.4, 1) << "cmc"
                                   << "ΔE CMC(1.4:1)";
        QTest::newRow("00") << DifferenceMethod::ciede2000() << "00"
                            << "ΔE00";
        QTest::newRow("00 textile") << DifferenceMethod::ciede2000(2, 1, 1) << "00"
                                    << "ΔE00 (2:1:1)";
    }
    void formulaCodes() {
        QFETCH(DifferenceMethod, method);
        QFETCH(QString, code);
        QFETCH(QString, english);
        QCOMPARE(method.code(), code);
        QCOMPARE(formulaLabel(method, Language::english()), english);
        QCOMPARE(DifferenceMethod::formulaFromCode(code.toUpper()), method.formula);
    }
    void rejectedParameters() {
        QVERIFY(!DifferenceMethod::formulaFromCode(QStringLiteral("2000")));
        QVERIFY(!DifferenceMethod::formulaFromCode(QString()));
        QVERIFY(!DifferenceMethod::cmc(0, 1).valid());
        QVERIFY(!DifferenceMethod::cmc(2, qInf()).valid());
        QVERIFY(!DifferenceMethod::ciede2000(1, -1, 1).valid());
        QVERIFY(DifferenceMethod::cmc(1, 1).valid());
        QVERIFY(DifferenceMethod::cmc(2, 1) != DifferenceMethod::cmc(1, 1));
        QVERIFY(DifferenceMethod::cie94() != DifferenceMethod::cie94(true));
    }
};

QTEST_GUILESS_MAIN(ColourDifferenceTest)
#include "tst_colourdifference.moc"
