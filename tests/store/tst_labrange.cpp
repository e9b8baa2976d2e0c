// SPDX-License-Identifier: MIT
#include <QtTest>
#include <limits>

#include "store/LabRange.h"

using namespace colorcard;

class LabRangeTest : public QObject {
    Q_OBJECT
private slots:
    void texts_data() {
        QTest::addColumn<QString>("L");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("valid");
        const struct {
            const char* name;
            const char* L;
            const char* a;
            const char* b;
            bool valid;
        } rows[] = {
            {"ordinary colour", "52.31", "-12.05", "33.90", true},
            {"bounds inclusive", "-10", "-200", "200", true},
            {"upper lightness", "150.00", "0", "0", true},
            {"spaces and exponent", " 1e1 ", "0.0", "-0", true},
            {"nan", "nan", "0", "0", false},
            {"inf in a", "50", "inf", "0", false},
            {"minus inf in b", "50", "0", "-inf", false},
            {"letters", "abc", "0", "0", false},
            {"empty", "", "0", "0", false},
            {"number then text", "50x", "0", "0", false},
            {"overflowing check code", "30000000", "0", "0", false},
            {"far negative", "50", "-25000000", "0", false},
            {"just below lightness", "-10.01", "0", "0", false},
            {"just above lightness", "150.01", "0", "0", false},
            {"just outside a", "50", "200.01", "0", false},
            {"just outside b", "50", "0", "-200.01", false},
            {"meter's extreme word", "327.67", "-327.68", "0", false},
        };
        for (const auto& r : rows)
            QTest::newRow(r.name) << QString(r.L) << QString(r.a) << QString(r.b) << r.valid;
    }
    void texts() {
        QFETCH(QString, L);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, valid);
        QCOMPARE(LabRange::validText(L, a, b), valid);
        // The numeric rule agrees wherever the texts are numbers.
        bool okL, okA, okB;
        const double l = L.toDouble(&okL), av = a.toDouble(&okA), bv = b.toDouble(&okB);
        if (okL && okA && okB)
            QCOMPARE(LabRange::valid(l, av, bv), valid);
    }

    void nonFiniteNumbers() {
        for (const double v :
             {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
              -std::numeric_limits<double>::infinity()}) {
            QVERIFY(!LabRange::validLightness(v));
            QVERIFY(!LabRange::validChromatic(v));
        }
    }
};

QTEST_GUILESS_MAIN(LabRangeTest)
#include "tst_labrange.moc"
