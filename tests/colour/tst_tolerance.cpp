// SPDX-License-Identifier: MIT
#include <QtTest>
#include <cmath>

#include "colour/NearestStandards.h"
#include "colour/Tolerance.h"

using namespace colorcard;

Q_DECLARE_METATYPE(Lab)
Q_DECLARE_METATYPE(Tolerance)
Q_DECLARE_METATYPE(ToleranceModel)
Q_DECLARE_METATYPE(Verdict)

namespace {

Lab lab(double L, double a, double b) {
    return Lab{L, a, b};
}

Tolerance tolerance(const DifferenceMethod& method, double limit) {
    return Tolerance{method, limit};
}

bool near(double x, double y) {
    return std::abs(x - y) < 1e-9;
}

Standard standard(const QString& name, const Lab& value) {
    return Standard{QStringLiteral("ColorCard1"), QStringLiteral("Library"), name, name, value};
}

QStringList names(const StandardIndex& index, const QVector<NearestMatch>& matches) {
    QStringList result;
    for (const NearestMatch& m : matches)
        result << index.standards()[m.index].colourName;
    return result;
}

}  // namespace

class ToleranceTest : public QObject {
    Q_OBJECT
private slots:
    void defaultIsDeltaE00OfOne() {
        const Tolerance t;
        QCOMPARE(t.method.formula, DeltaEFormula::Ciede2000);
        QCOMPARE(t.limit, 1.0);
        QVERIFY(t.valid());
    }

    // A lightness step of 2 at L̄ 50 is ΔE00 2, ΔE*ab 2, CMC(2:1) about 0.92.
    void passOrFail_data() {
        QTest::addColumn<Lab>("sample");
        QTest::addColumn<Tolerance>("tolerance");
        QTest::addColumn<bool>("pass");
        // The limit itself passes.
        QTest::newRow("00 at the limit")
            << lab(51, 0, 0) << tolerance({}, deltaE00(lab(49, 0, 0), lab(51, 0, 0))) << true;
        QTest::newRow("00 just over") << lab(51.001, 0, 0) << tolerance({}, 2.0) << false;
        QTest::newRow("00 default limit") << lab(51, 0, 0) << Tolerance{} << false;
        QTest::newRow("cmc 2:1 passes what 00 fails")
            << lab(51, 0, 0) << tolerance(DifferenceMethod::cmc(2, 1), 1.0) << true;
        QTest::newRow("cmc 1:1 does not")
            << lab(51, 0, 0) << tolerance(DifferenceMethod::cmc(1, 1), 1.0) << false;
        QTest::newRow("76 wide limit")
            << lab(51, 0, 0) << tolerance(DifferenceMethod::cie76(), 2.5) << true;
    }
    void passOrFail() {
        QFETCH(Lab, sample);
        QFETCH(Tolerance, tolerance);
        QFETCH(bool, pass);
        const Comparison c = compare(lab(49, 0, 0), sample, tolerance);
        QCOMPARE(c.pass, pass);
        QVERIFY(near(c.deltaE, deltaE(lab(49, 0, 0), sample, tolerance.method)));
        QVERIFY(near(c.differences.dL, sample.L - 49));
        QCOMPARE(c.directions, QVector<Direction>{Direction::Lighter});
    }

    void invalidTolerances_data() {
        QTest::addColumn<Tolerance>("tolerance");
        QTest::newRow("zero limit") << tolerance({}, 0);
        QTest::newRow("negative limit") << tolerance({}, -1);
        QTest::newRow("limit not a number") << tolerance({}, qQNaN());
        QTest::newRow("cmc l 0") << tolerance(DifferenceMethod::cmc(0, 1), 1);
        QTest::newRow("00 kH infinite") << tolerance(DifferenceMethod::ciede2000(1, 1, qInf()), 1);
    }
    void invalidTolerances() {
        QFETCH(Tolerance, tolerance);
        QVERIFY(!tolerance.valid());
    }

    void averages_data() {
        QTest::addColumn<QVector<Lab>>("readings");
        QTest::addColumn<Lab>("mean");
        QTest::addColumn<Lab>("deviation");
        QTest::newRow("none") << QVector<Lab>{} << lab(0, 0, 0) << lab(0, 0, 0);
        QTest::newRow("one") << QVector<Lab>{lab(50, -3, 7)} << lab(50, -3, 7) << lab(0, 0, 0);
        // L 49, 50, 51: mean 50, s = 1; a 2, 2, 2: s = 0; b −1, 1, 3: mean 1, s = 2.
        QTest::newRow("three") << QVector<Lab>{lab(49, 2, -1), lab(50, 2, 1), lab(51, 2, 3)}
                               << lab(50, 2, 1) << lab(1, 0, 2);
        // 0…9: mean 4.5, Σ(x−x̄)² = 82.5, s = √(82.5/9).
        QVector<Lab> ten;
        for (int i = 0; i < 10; ++i)
            ten << lab(i, -i, 2 * i);
        const double s = std::sqrt(82.5 / 9);
        QTest::newRow("ten") << ten << lab(4.5, -4.5, 9) << lab(s, s, 2 * s);
    }
    void averages() {
        QFETCH(QVector<Lab>, readings);
        QFETCH(Lab, mean);
        QFETCH(Lab, deviation);
        const AveragedReading r = averageReadings(readings);
        QCOMPARE(r.count, readings.size());
        QVERIFY(near(r.mean.L, mean.L) && near(r.mean.a, mean.a) && near(r.mean.b, mean.b));
        QVERIFY(near(r.deviation.L, deviation.L) && near(r.deviation.a, deviation.a) &&
                near(r.deviation.b, deviation.b));
    }

    // Sample (50, 26, 0): A (50, 30, 0) is ΔE*ab 4 away in chroma, B (50, 26, 3)
    // 3 away in hue. CMC forgives chroma of a saturated standard more than hue,
    // so the formula changes which one is nearer.
    void nearestDependsOnTheFormula() {
        StandardIndex index;
        index.add(standard(QStringLiteral("far"), lab(80, -40, 40)));
        index.add(standard(QStringLiteral("A"), lab(50, 30, 0)));
        index.add(standard(QStringLiteral("B"), lab(50, 26, 3)));
        const Lab sample = lab(50, 26, 0);
        QCOMPARE(names(index, index.nearest(sample, DifferenceMethod::cie76(), 2)),
                 (QStringList{QStringLiteral("B"), QStringLiteral("A")}));
        const auto byCmc = index.nearest(sample, DifferenceMethod::cmc(2, 1), 5);
        QCOMPARE(names(index, byCmc),
                 (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("far")}));
        QVERIFY(near(byCmc[0].deltaE, deltaECmc(lab(50, 30, 0), sample, 2, 1)));
    }

    void nearestCountsAndTies() {
        StandardIndex index;
        QVERIFY(index.nearest(lab(50, 0, 0), {}, 5).isEmpty());
        // Four standards at the same distance, one closer.
        for (const char* name : {"t1", "t2", "t3", "t4"})
            index.add(standard(QString::fromLatin1(name), lab(52, 0, 0)));
        index.add(standard(QStringLiteral("closest"), lab(50.5, 0, 0)));
        QCOMPARE(
            names(index, index.nearest(lab(50, 0, 0), DifferenceMethod::cie76(), 3)),
            (QStringList{QStringLiteral("closest"), QStringLiteral("t1"), QStringLiteral("t2")}));
        QCOMPARE(index.nearest(lab(50, 0, 0), {}, 0).size(), 0);
        QCOMPARE(index.nearest(lab(50, 0, 0), {}, -1).size(), 0);
        QCOMPARE(index.nearest(lab(50, 0, 0), {}, 99).size(), 5);
    }

    // On many random standards the five found are the five smallest of all.
    void nearestAgreesWithAFullSort() {
        QRandomGenerator random(7);
        StandardIndex index;
        for (int i = 0; i < 2000; ++i)
            index.add(
                standard(QString::number(i), lab(random.bounded(100.0), random.bounded(200.0) - 100,
                                                 random.bounded(200.0) - 100)));
        for (const DifferenceMethod& method :
             {DifferenceMethod::ciede2000(), DifferenceMethod::cmc(2, 1),
              DifferenceMethod::cie94()}) {
            const Lab sample = lab(random.bounded(100.0), random.bounded(100.0) - 50, 10);
            QVector<double> all;
            for (const Standard& s : index.standards())
                all << deltaE(s.lab, sample, method);
            std::sort(all.begin(), all.end());
            const auto found = index.nearest(sample, method, 5);
            QCOMPARE(found.size(), 5);
            for (int i = 0; i < 5; ++i)
                QCOMPARE(found[i].deltaE, all[i]);
        }
    }

    // ΔE*ab ≤ 2 around a red of chroma 30 at hue 0: ΔL*, ΔC* and ΔH* are
    // the sample's steps along L*, a* and b*.
    void verdicts_data() {
        QTest::addColumn<ToleranceModel>("model");
        QTest::addColumn<Lab>("sample");
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<int>("axisOver");  // ΔL* 0, ΔC* 1, ΔH* 2; -1 none
        const Tolerance t{DifferenceMethod::cie76(), 2.0};
        const ToleranceModel plain{t, {}, {}, {}, {}};
        ToleranceModel warnAt15 = plain;
        warnAt15.warning = 1.5;
        ToleranceModel lightness = plain;
        lightness.lightness = AxisBounds{0.5, 1.5};
        ToleranceModel chroma = plain;
        chroma.chroma.above = 0.3;
        ToleranceModel hue = plain;
        hue.hue.below = 0.2;
        QTest::newRow("well inside") << plain << lab(51, 30, 0) << Verdict::Pass << -1;
        QTest::newRow("default warning is 80 % of the limit")
            << plain << lab(51.7, 30, 0) << Verdict::Warn << -1;
        QTest::newRow("at the warning level passes")
            << warnAt15 << lab(51.5, 30, 0) << Verdict::Pass << -1;
        QTest::newRow("just over the warning level")
            << warnAt15 << lab(51.5001, 30, 0) << Verdict::Warn << -1;
        QTest::newRow("at the limit warns") << plain << lab(52, 30, 0) << Verdict::Warn << -1;
        QTest::newRow("over the limit") << plain << lab(52.001, 30, 0) << Verdict::Fail << -1;
        QTest::newRow("darker than the lower ΔL* bound")
            << lightness << lab(49.4, 30, 0) << Verdict::Fail << 0;
        QTest::newRow("at the lower ΔL* bound")
            << lightness << lab(49.5, 30, 0) << Verdict::Pass << -1;
        QTest::newRow("lighter within the wider upper bound")
            << lightness << lab(51.2, 30, 0) << Verdict::Pass << -1;
        QTest::newRow("lighter past the upper bound, ΔE within the limit")
            << lightness << lab(51.6, 30, 0) << Verdict::Fail << 0;
        QTest::newRow("more chroma than allowed")
            << chroma << lab(50, 30.5, 0) << Verdict::Fail << 1;
        QTest::newRow("less chroma has no bound")
            << chroma << lab(50, 29.5, 0) << Verdict::Pass << -1;
        QTest::newRow("hue turned the bounded way")
            << hue << lab(50, 30, -0.5) << Verdict::Fail << 2;
        QTest::newRow("hue turned the free way") << hue << lab(50, 30, 0.5) << Verdict::Pass << -1;
    }
    void verdicts() {
        QFETCH(ToleranceModel, model);
        QFETCH(Lab, sample);
        QFETCH(Verdict, verdict);
        QFETCH(int, axisOver);
        QVERIFY(model.valid());
        const Comparison c = compare(lab(50, 30, 0), sample, model);
        QCOMPARE(c.verdict, verdict);
        QCOMPARE(c.pass, verdict != Verdict::Fail);
        for (int axis = 0; axis < 3; ++axis)
            QCOMPARE(c.axisOver[axis], axis == axisOver);
    }

    void invalidModels_data() {
        QTest::addColumn<ToleranceModel>("model");
        const ToleranceModel plain{Tolerance{DifferenceMethod::cie76(), 2.0}, {}, {}, {}, {}};
        ToleranceModel m = plain;
        m.warning = 2.5;
        QTest::newRow("warning above the limit") << m;
        m = plain;
        m.warning = 0;
        QTest::newRow("zero warning") << m;
        m = plain;
        m.chroma.below = -1;
        QTest::newRow("negative axis bound") << m;
        m = plain;
        m.hue.above = qInf();
        QTest::newRow("infinite axis bound") << m;
        m = plain;
        m.tolerance.limit = 0;
        QTest::newRow("invalid tolerance") << m;
    }
    void invalidModels() {
        QFETCH(ToleranceModel, model);
        QVERIFY(!model.valid());
    }
};

QTEST_GUILESS_MAIN(ToleranceTest)
#include "tst_tolerance.moc"
