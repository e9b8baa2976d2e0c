// SPDX-License-Identifier: MIT
#include <QProcess>
#include <QtTest>
#include <cmath>

#include "report/ToleranceContour.h"

using namespace colorcard;

Q_DECLARE_METATYPE(Lab)
Q_DECLARE_METATYPE(DifferenceMethod)

namespace {

// The reference module's formula for the method: (name, extra arguments).
QString referenceCall(const DifferenceMethod& m) {
    switch (m.formula) {
        case DeltaEFormula::Cie76:
            return QStringLiteral("de76(r, s)");
        case DeltaEFormula::Cie94:
            return QStringLiteral("de94(r, s)");
        case DeltaEFormula::Cie94Textiles:
            return QStringLiteral("de94(r, s, True)");
        case DeltaEFormula::Cmc:
            return QStringLiteral("cmc(r, s, %1, %2)").arg(m.l).arg(m.c);
        case DeltaEFormula::Ciede2000:
            return QStringLiteral("de00(r, s, %1, %2, %3)").arg(m.kL).arg(m.kC).arg(m.kH);
    }
    return {};
}

}  // namespace

class ToleranceContourTest : public QObject {
    Q_OBJECT
private slots:
    void contourLiesOnTheLimit_data() {
        QTest::addColumn<Lab>("standard");
        QTest::addColumn<DifferenceMethod>("method");
        QTest::addColumn<double>("limit");
        const Lab standards[] = {{50, 0, 0}, {62, 38, 21}, {35, -20, -45}, {85, 3, 70}};
        const struct {
            const char* name;
            DifferenceMethod method;
        } methods[] = {{"76", DifferenceMethod::cie76()},
                       {"94", DifferenceMethod::cie94()},
                       {"94t", DifferenceMethod::cie94(true)},
                       {"cmc 2:1", DifferenceMethod::cmc(2, 1)},
                       {"cmc 1:1", DifferenceMethod::cmc(1, 1)},
                       {"00", DifferenceMethod::ciede2000()},
                       {"00 2:1:1", DifferenceMethod::ciede2000(2, 1, 1)}};
        for (const auto& m : methods)
            for (const Lab& s : standards)
                for (double limit : {0.5, 1.0, 3.0})
                    QTest::addRow("%s L%g a%g b%g limit %g", m.name, s.L, s.a, s.b, limit)
                        << s << m.method << limit;
    }
    // By the program's own formulas, every contour point and the ΔL* limits.
    void contourLiesOnTheLimit() {
        QFETCH(Lab, standard);
        QFETCH(DifferenceMethod, method);
        QFETCH(double, limit);
        const QVector<QPointF> contour = toleranceContour(standard, method, limit, 72);
        QCOMPARE(contour.size(), 72);
        for (const QPointF& p : contour) {
            const double dE = deltaE(standard, Lab{standard.L, p.x(), p.y()}, method);
            QVERIFY2(std::abs(dE - limit) < 1e-3, qPrintable(QString::number(dE)));
        }
        const AxisLimits lightness = lightnessLimits(standard, method, limit);
        QVERIFY(lightness.lower < 0 && lightness.upper > 0);
        for (double dL : {lightness.lower, lightness.upper})
            QVERIFY(
                std::abs(deltaE(standard, Lab{standard.L + dL, standard.a, standard.b}, method) -
                         limit) < 1e-3);
        if (method.formula == DeltaEFormula::Cie76)
            for (const QPointF& p : contour)
                QVERIFY(std::abs(std::hypot(p.x() - standard.a, p.y() - standard.b) - limit) <
                        1e-6);
    }

    // A few points of each formula's contour by the independent reference
    // implementation (plain Python, itself checked on the CIEDE2000 pairs).
    void contourAgreesWithTheReference() {
        const Lab standard{62, 38, 21};
        const double limit = 1.5;
        QString script = QStringLiteral(
                             "import sys\nsys.path.insert(0, '%1')\n"
                             "from delta_e_reference import *\n")
                             .arg(QStringLiteral(COLORCARD_REFERENCE_DIR));
        QVector<DifferenceMethod> methods{
            DifferenceMethod::cie76(),     DifferenceMethod::cie94(),
            DifferenceMethod::cie94(true), DifferenceMethod::cmc(2, 1),
            DifferenceMethod::ciede2000(), DifferenceMethod::ciede2000(1, 2, 1)};
        int expected = 0;
        for (const DifferenceMethod& m : methods)
            for (const QPointF& p : toleranceContour(standard, m, limit, 7)) {
                script += QStringLiteral("r = (%1, %2, %3); s = (%1, %4, %5)\nprint(%6)\n")
                              .arg(standard.L)
                              .arg(standard.a)
                              .arg(standard.b)
                              .arg(p.x(), 0, 'g', 17)
                              .arg(p.y(), 0, 'g', 17)
                              .arg(referenceCall(m));
                ++expected;
            }
        QProcess python;
        python.start(QStringLiteral(COLORCARD_PYTHON), {QStringLiteral("-c"), script});
        QVERIFY(python.waitForFinished(60000));
        QCOMPARE(python.exitCode(), 0);
        const QStringList values =
            QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(values.size(), expected);
        for (const QString& v : values)
            QVERIFY2(std::abs(v.toDouble() - limit) < 1e-3, qPrintable(v));
    }
};

QTEST_GUILESS_MAIN(ToleranceContourTest)
#include "tst_tolerancecontour.moc"
