// SPDX-License-Identifier: MIT
#include <QtTest>
#include <cmath>

#include "report/ControlChart.h"

using namespace colorcard;

namespace {
bool near(double x, double y) {
    return std::abs(x - y) < 1e-5;
}
}  // namespace

class ControlChartTest : public QObject {
    Q_OBJECT
private slots:
    // Worked by hand: twelve ΔL* values, the eleventh a jump.
    //   mean 4.8 / 12 = 0.4; moving ranges sum to 4.3, MR̄ = 4.3 / 11 = 0.390909
    //   limits 0.4 ± 2.66 × 0.390909 = -0.639818 … 1.439818, so 1.6 is outside
    //   sigma = MR̄ / 1.128 = 0.346551; against ±1.5:
    //   Cp = 3 / (6 × 0.346551) = 1.442790, Cpk = (1.5 − 0.4) / (3 × 0.346551) = 1.058046
    //   sample sd = sqrt(1.70 / 11) = 0.393123
    void individualsAndMovingRange() {
        const QVector<double> values{0.2, 0.4, 0.1, 0.3, 0.5, 0.2, 0.3, 0.4, 0.2, 0.3, 1.6, 0.3};
        const ControlChart c = controlChart(values, -1.5, 1.5);
        QCOMPARE(c.count, 12);
        QVERIFY(near(c.mean, 0.4));
        QVERIFY(near(c.standardDeviation, 0.393123));
        QVERIFY(near(c.meanMovingRange, 0.390909));
        QVERIFY(near(c.sigma, 0.346551));
        QVERIFY(near(c.lowerControlLimit, -0.639818));
        QVERIFY(near(c.upperControlLimit, 1.439818));
        QCOMPARE(c.outside, QVector<int>{10});
        QVERIFY(c.cp && near(*c.cp, 1.442790));
        QVERIFY(c.cpk && near(*c.cpk, 1.058046));

        // ΔE has an upper limit only: Cpk from it, no Cp.
        const ControlChart oneSided = controlChart(values, std::nullopt, 2.0);
        QVERIFY(!oneSided.cp);
        QVERIFY(oneSided.cpk && near(*oneSided.cpk, 1.6 / (3 * 0.346551)));
    }

    void capabilityNeedsTenReadingsAndSpread() {
        const QVector<double> nine{0.2, 0.4, 0.1, 0.3, 0.5, 0.2, 0.3, 0.4, 0.2};
        const ControlChart few = controlChart(nine, -1, 1);
        QVERIFY(!few.cp && !few.cpk);
        QVERIFY(few.meanMovingRange > 0);
        const ControlChart flat = controlChart(QVector<double>(12, 0.5), -1, 1);
        QVERIFY(!flat.cp && !flat.cpk);
        QVERIFY(flat.outside.isEmpty());
        QCOMPARE(controlChart({}, -1, 1).count, 0);
    }
};

QTEST_GUILESS_MAIN(ControlChartTest)
#include "tst_controlchart.moc"
