// SPDX-License-Identifier: MIT
#include "report/RunChart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "texts/ReportTexts.h"

namespace colorcard {

namespace {

const QColor kLineColour(0x2C, 0x5A, 0xA0);
const QColor kControlColour(0x55, 0x55, 0x55);
const QColor kLimitColour(0xC0, 0x39, 0x2B);
const QColor kOutsideColour(0xE6, 0x55, 0x00);

QString number(double value, int decimals = 2) {
    const QString text = QString::number(value, 'f', decimals);
    return text.startsWith(QLatin1Char('-')) && text.toDouble() == 0 ? text.mid(1) : text;
}

// What a polyline dense in x covers: per pixel column from left, the span
// from the lowest to the highest y of its points and of the steps leaving
// and entering it, at least a pixel high.
QVector<QRect> columnSpans(const QPolygonF& points, double left, int columns) {
    QVector<double> top(columns, std::numeric_limits<double>::max());
    QVector<double> bottom(columns, std::numeric_limits<double>::lowest());
    const auto column = [&](double x) { return std::clamp(int(x - left), 0, columns - 1); };
    for (int i = 0; i < points.size(); ++i) {
        const int c = column(points[i].x());
        top[c] = std::min(top[c], points[i].y());
        bottom[c] = std::max(bottom[c], points[i].y());
        // The steps to the next point and from the previous one cross this
        // column too (a column may hold one point only, the last one).
        for (int j : {i - 1, i + 1})
            if (j >= 0 && j < points.size()) {
                top[c] = std::min(top[c], points[j].y());
                bottom[c] = std::max(bottom[c], points[j].y());
            }
    }
    // Whole pixels: the painter fills those without computing coverage.
    QVector<QRect> spans;
    spans.reserve(columns);
    const int x = int(std::floor(left));
    for (int c = 0; c < columns; ++c)
        if (top[c] <= bottom[c]) {
            const int y = int(std::floor(top[c]));
            spans << QRect(x + c, y, 1, std::max(1, int(std::ceil(bottom[c])) - y));
        }
    return spans;
}

}  // namespace

QString capabilityText(const AxisTrend& axis, const Language& language) {
    const ControlChart& c = axis.chart;
    if (c.count < kMinCapabilityCount)
        return ReportText::TooFewForCapability.in(language).arg(kMinCapabilityCount).arg(c.count);
    const QString dash = QStringLiteral("–");
    return QStringLiteral("Cp %1   Cpk %2")
        .arg(c.cp ? number(*c.cp) : dash, c.cpk ? number(*c.cpk) : dash);
}

QVector<double> spreadLabels(const QVector<double>& centres, double spacing, double lowest) {
    QVector<int> order(centres.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return centres[a] < centres[b]; });
    QVector<double> placed = centres;
    // Down from the top, then up from the bottom when the last ran past it.
    for (int i = 1; i < order.size(); ++i)
        placed[order[i]] = std::max(placed[order[i]], placed[order[i - 1]] + spacing);
    if (!order.isEmpty())
        placed[order.last()] = std::min(placed[order.last()], lowest);
    for (int i = order.size() - 2; i >= 0; --i)
        placed[order[i]] = std::min(placed[order[i]], placed[order[i + 1]] - spacing);
    return placed;
}

void paintRunChart(QPainter& p, const QRectF& area, const AxisTrend& axis,
                   const Language& language) {
    p.save();
    const QFontMetricsF metrics(p.font());
    const double line = metrics.height();
    const ControlChart& c = axis.chart;
    p.setPen(Qt::black);
    p.drawText(QRectF(area.left(), area.top(), area.width(), line),
               Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("%1  n=%2  x̄ %3  s %4")
                   .arg(axis.name, QString::number(c.count), number(c.mean, 3),
                        number(c.standardDeviation, 3)));
    p.drawText(QRectF(area.left(), area.top() + line, area.width(), line),
               Qt::AlignLeft | Qt::AlignVCenter, capabilityText(axis, language));
    const double labelWidth = metrics.horizontalAdvance(QStringLiteral("-00.00 "));
    const QRectF plot(area.left() + labelWidth, area.top() + line * 2.3,
                      std::max(1.0, area.width() - labelWidth * 2),
                      std::max(1.0, area.height() - line * 2.8));
    p.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 0));
    p.drawRect(plot);
    if (axis.values.isEmpty()) {
        p.restore();
        return;
    }

    // The range holds the values, the control limits and the tolerance limits.
    double low = *std::min_element(axis.values.cbegin(), axis.values.cend());
    double high = *std::max_element(axis.values.cbegin(), axis.values.cend());
    low = std::min({low, c.lowerControlLimit});
    high = std::max({high, c.upperControlLimit});
    for (const std::optional<double>& limit : {axis.lowerLimit, axis.upperLimit})
        if (limit) {
            low = std::min(low, *limit);
            high = std::max(high, *limit);
        }
    if (!(high > low)) {
        low -= 1;
        high += 1;
    }
    const double margin = (high - low) * 0.06;
    low -= margin;
    high += margin;
    const int n = axis.values.size();
    const auto x = [&](int i) {
        return n < 2 ? plot.center().x() : plot.left() + plot.width() * i / double(n - 1);
    };
    const auto y = [&](double v) {
        return plot.bottom() - plot.height() * (v - low) / (high - low);
    };

    struct Level {
        double value;
        QPen pen;
        QString label;
        double labelY;
    };
    QVector<Level> levels;
    const QPen control(kControlColour, 0, Qt::DashLine);
    levels.push_back({c.mean, QPen(kControlColour, 0), ReportText::ChartCentre.in(language), 0});
    if (n > 1) {
        levels.push_back({c.upperControlLimit, control, ReportText::ChartUcl.in(language), 0});
        levels.push_back({c.lowerControlLimit, control, ReportText::ChartLcl.in(language), 0});
    }
    const QPen limit(kLimitColour, std::max(1.0, line * 0.08));
    if (axis.upperLimit)
        levels.push_back({*axis.upperLimit, limit, ReportText::ChartLimit.in(language), 0});
    if (axis.lowerLimit)
        levels.push_back({*axis.lowerLimit, limit, ReportText::ChartLimit.in(language), 0});
    // Lines at their values; labels pushed apart, a line of text each, so
    // close levels (a limit near the mean) stay readable.
    for (Level& l : levels) {
        p.setPen(l.pen);
        p.drawLine(QPointF(plot.left(), y(l.value)), QPointF(plot.right(), y(l.value)));
        l.labelY = y(l.value);
    }
    QVector<double> centres;
    for (const Level& l : levels)
        centres << l.labelY;
    const QVector<double> spread = spreadLabels(centres, line, plot.bottom() + line * 0.4);
    for (int i = 0; i < levels.size(); ++i)
        levels[i].labelY = spread[i];
    for (const Level& l : levels) {
        p.setPen(l.pen.color());
        p.drawText(QRectF(plot.right() + line * 0.2, l.labelY - line / 2, labelWidth, line),
                   Qt::AlignLeft | Qt::AlignVCenter, l.label);
        p.drawText(QRectF(area.left(), l.labelY - line / 2, labelWidth - line * 0.2, line),
                   Qt::AlignRight | Qt::AlignVCenter, number(l.value));
    }

    QPolygonF points;
    points.reserve(n);
    for (int i = 0; i < n; ++i)
        points << QPointF(x(i), y(axis.values[i]));
    // Stroking a long antialiased wide line is slow; a dense series reads as well thin.
    const bool dense = n > 200;
    p.setRenderHint(QPainter::Antialiasing, !dense);
    if (n > 2 * plot.width()) {
        // More points than pixel columns: the line covers, in each column,
        // the span from its lowest to its highest point (and the steps into
        // the next). Filled span by span it looks the same and costs a pass
        // over the columns instead of a stroke of every step.
        p.setPen(Qt::NoPen);
        p.setBrush(kLineColour);
        p.drawRects(columnSpans(points, plot.left(), int(std::ceil(plot.width()))));
    } else {
        p.setPen(QPen(kLineColour, dense ? 0 : std::max(1.0, line * 0.06)));
        p.drawPolyline(points);
    }
    // Markers only while they stay apart; points outside always.
    const double marker = std::max(2.0, line * 0.18);
    p.setBrush(kLineColour);
    p.setPen(Qt::NoPen);
    if (plot.width() / n > marker * 2.5)
        for (const QPointF& point : points)
            p.drawEllipse(point, marker, marker);
    p.setBrush(kOutsideColour);
    p.setPen(QPen(Qt::black, 0));
    for (int i : c.outside)
        p.drawEllipse(points[i], marker * 1.6, marker * 1.6);
    p.restore();
}

void paintTrendCharts(QPainter& p, const QRectF& area, const QVector<AxisTrend>& axes,
                      const Language& language) {
    // ΔE first: it decides the verdict.
    QVector<const AxisTrend*> order;
    for (const AxisTrend& axis : axes)
        if (axis.name == QStringLiteral("ΔE"))
            order << &axis;
    for (const AxisTrend& axis : axes)
        if (axis.name != QStringLiteral("ΔE"))
            order << &axis;
    const double gap = QFontMetricsF(p.font()).height();
    const double w = (area.width() - gap) / 2;
    const double h = (area.height() - gap) / 2;
    for (int i = 0; i < order.size() && i < 4; ++i)
        paintRunChart(
            p, QRectF(area.left() + (i % 2) * (w + gap), area.top() + (i / 2) * (h + gap), w, h),
            *order[i], language);
}

}  // namespace colorcard
