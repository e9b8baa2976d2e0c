// SPDX-License-Identifier: MIT
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <algorithm>
#include <functional>

#include "report/RunChart.h"

using namespace colorcard;

namespace {

const QRgb kLine = qRgb(0x2C, 0x5A, 0xA0);

// Per pixel column of the image, how many pixels have the series' colour.
QVector<int> seriesHeights(const QImage& image) {
    QVector<int> heights(image.width(), 0);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (kLine & 0xFFFFFF))
                ++heights[x];
    }
    return heights;
}

}  // namespace

class RunChartTest : public QObject {
    Q_OBJECT
private slots:
    // Labels of close levels (a limit near the mean) are pushed apart, keep
    // their order and stay above the chart's foot; apart ones stay put.
    void labelsOfCloseLevelsKeepApart_data() {
        QTest::addColumn<QVector<double>>("centres");
        QTest::addColumn<double>("lowest");
        QTest::addColumn<QVector<double>>("expected");
        QTest::newRow("apart") << QVector<double>{10, 50, 90} << 200.0
                               << QVector<double>{10, 50, 90};
        QTest::newRow("two close") << QVector<double>{50, 52} << 200.0 << QVector<double>{50, 60};
        QTest::newRow("given bottom first")
            << QVector<double>{52, 50, 120} << 200.0 << QVector<double>{60, 50, 120};
        QTest::newRow("same value") << QVector<double>{40, 40} << 200.0 << QVector<double>{40, 50};
        QTest::newRow("crowded at the foot")
            << QVector<double>{95, 98, 99, 20} << 100.0 << QVector<double>{80, 90, 100, 20};
        QTest::newRow("pushed past the foot")
            << QVector<double>{10, 92, 95} << 100.0 << QVector<double>{10, 90, 100};
        QTest::newRow("none") << QVector<double>{} << 100.0 << QVector<double>{};
    }
    void labelsOfCloseLevelsKeepApart() {
        QFETCH(QVector<double>, centres);
        QFETCH(double, lowest);
        QFETCH(QVector<double>, expected);
        QCOMPARE(spreadLabels(centres, 10, lowest), expected);
    }

    // More samples than pixel columns: every column of the plot shows the
    // series, as tall as the values in it spread and no taller.
    void denseSeriesCoversEachColumn_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("alternating");
        QTest::addColumn<int>("lowest");   // px, in every column
        QTest::addColumn<int>("highest");  // px, in any column
        QTest::newRow("alternating 2000") << 2000 << true << 25 << 200;
        QTest::newRow("alternating 5000") << 5000 << true << 25 << 200;
        QTest::newRow("flat 2000") << 2000 << false << 1 << 3;
    }
    void denseSeriesCoversEachColumn() {
        QFETCH(int, count);
        QFETCH(bool, alternating);
        QFETCH(int, lowest);
        QFETCH(int, highest);
        AxisTrend axis;
        axis.name = QStringLiteral("ΔE");
        for (int i = 0; i < count; ++i)
            axis.values << (alternating ? (i % 2 ? 1.0 : 0.0) : 0.5);
        axis.chart = controlChart(axis.values, std::nullopt, std::nullopt);
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            paintRunChart(painter, QRectF(0, 0, 400, 300), axis, Language::english());
        }
        const QVector<int> heights = seriesHeights(image);
        const auto first = std::find_if(heights.cbegin(), heights.cend(), [](int h) { return h; });
        const auto last =
            std::find_if(heights.crbegin(), heights.crend(), [](int h) { return h; }).base();
        QVERIFY(first < last);
        // The plot spans most of the width, without a column left out.
        QVERIFY2(last - first > 250, qPrintable(QString::number(last - first)));
        for (auto it = first; it != last; ++it) {
            QVERIFY2(
                *it >= lowest && *it <= highest,
                qPrintable(QStringLiteral("column %1: %2 px").arg(it - heights.cbegin()).arg(*it)));
        }
    }
};

QTEST_MAIN(RunChartTest)
#include "tst_runchart.moc"
