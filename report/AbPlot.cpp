// SPDX-License-Identifier: MIT
#include "report/AbPlot.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "report/ToleranceContour.h"
#include "texts/ReportTexts.h"

namespace colorcard {

namespace {

const QColor kLimitColour(0xC0, 0x39, 0x2B);
const QColor kWarningColour(0xE6, 0x9F, 0x00);
const QColor kAxisColour(0x70, 0x70, 0x70);

// A round scale end at or above value, a little above it at most.
double niceCeiling(double value) {
    if (!(value > 0))
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double step : {1.0, 1.5, 2.0, 3.0, 4.0, 5.0, 6.0, 8.0, 10.0})
        if (step * power >= value)
            return step * power;
    return 10 * power;
}

QString signedNumber(double value, int decimals = 2) {
    const QString text = QString::number(std::abs(value), 'f', decimals);
    return (value < 0 && text.toDouble() != 0 ? QStringLiteral("−") : QStringLiteral("+")) + text;
}

// Maps coordinates (x right, y up, ±range around the centre) into a square.
struct Frame {
    QRectF rect;
    double range = 1;
    QPointF map(double x, double y) const {
        return {rect.center().x() + x / range * rect.width() / 2,
                rect.center().y() - y / range * rect.height() / 2};
    }
};

QPainterPath closedPath(const QVector<QPointF>& points, const Frame& frame, const QPointF& origin) {
    QPainterPath path;
    for (int i = 0; i < points.size(); ++i) {
        const QPointF p = frame.map(points[i].x() - origin.x(), points[i].y() - origin.y());
        i ? path.lineTo(p) : path.moveTo(p);
    }
    path.closeSubpath();
    return path;
}

void drawMarker(QPainter& p, const QPointF& at, double size, const QColor& fill, bool diamond) {
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(fill);
    if (diamond) {
        const QPointF corners[] = {at + QPointF(0, -size), at + QPointF(size, 0),
                                   at + QPointF(0, size), at + QPointF(-size, 0)};
        p.drawPolygon(corners, 4);
    } else {
        p.drawEllipse(at, size * 0.8, size * 0.8);
    }
    p.setBrush(Qt::NoBrush);
}

void drawAxes(QPainter& p, const Frame& f, const QString& right, const QString& left,
              const QString& top, const QString& bottom) {
    p.setPen(QPen(kAxisColour, 0));
    p.drawRect(f.rect);
    p.drawLine(f.map(-f.range, 0), f.map(f.range, 0));
    p.drawLine(f.map(0, -f.range), f.map(0, f.range));
    // Labels shrink with a small frame rather than run into each other.
    p.save();
    QFont font = p.font();
    const double widest = std::max(QFontMetricsF(font).horizontalAdvance(right + "  " + left),
                                   QFontMetricsF(font).horizontalAdvance(top) * 2);
    if (widest > f.rect.width() * 0.9 && font.pointSizeF() > 0)
        font.setPointSizeF(std::max(4.0, font.pointSizeF() * f.rect.width() * 0.9 / widest));
    p.setFont(font);
    const QFontMetricsF m(font);
    const double pad = m.height() * 0.2;
    p.setPen(Qt::black);
    const QRectF r = f.rect.adjusted(pad, pad, -pad, -pad);
    // Just above the horizontal axis, which would strike through them.
    const QRectF aboveAxis(r.left(), r.top(), r.width(), f.rect.center().y() - pad - r.top());
    p.drawText(aboveAxis, Qt::AlignRight | Qt::AlignBottom, right);
    p.drawText(aboveAxis, Qt::AlignLeft | Qt::AlignBottom, left);
    // Beside the vertical axis, not across it.
    const QRectF besideAxis(f.rect.center().x() + pad, r.top(), r.right() - f.rect.center().x(),
                            r.height());
    p.drawText(besideAxis, Qt::AlignLeft | Qt::AlignTop, top);
    p.drawText(besideAxis, Qt::AlignLeft | Qt::AlignBottom, bottom);
    p.restore();
}

}  // namespace

void paintAbPlot(QPainter& p, const QRectF& area, const AbPlotData& d, const Language& language) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(p.font());
    const double gap = metrics.height() * 0.5;
    const double barWidth = std::max(area.width() * 0.22, metrics.height() * 2.5);
    // A tall area (a page) stacks the zoom under the plane; a wide one (the
    // window) puts them side by side, the zoom the larger.
    const double room = area.width() - barWidth - gap;
    const bool sideBySide = area.width() > area.height() * 1.2;
    const double side = std::max(10.0, sideBySide ? std::min(room * 0.45, area.height())
                                                  : std::min(room, (area.height() - gap) * 0.62));
    const double zoomSide = std::max(10.0, sideBySide ? std::min(room - side - gap, area.height())
                                                      : std::min(side, area.height() - side - gap));
    const QPointF zoomAt =
        sideBySide ? QPointF(area.left() + side + gap, area.top())
                   : QPointF(area.left() + (side - zoomSide) / 2, area.top() + side + gap);

    const Tolerance& t = d.tolerance;
    const bool hasTolerance = t.valid();
    const double warning = t.limit * d.warningShare;
    QVector<QPointF> limitContour, warningContour;
    if (hasTolerance) {
        limitContour = toleranceContour(d.standard, t.method, t.limit, 144);
        warningContour = toleranceContour(d.standard, t.method, warning, 144);
    }
    const LabDifferences diff = d.sample ? labDifferences(d.standard, *d.sample) : LabDifferences{};

    // The a*b* plane around the origin, wide enough for both colours.
    double extent = std::max({std::abs(d.standard.a), std::abs(d.standard.b), 20.0});
    if (d.sample)
        extent = std::max({extent, std::abs(d.sample->a), std::abs(d.sample->b)});
    Frame plane{QRectF(area.topLeft(), QSizeF(side, side)), niceCeiling(extent * 1.15)};
    drawAxes(p, plane, "a* " + ReportText::HueRed.in(language), ReportText::HueGreen.in(language),
             "b* " + ReportText::HueYellow.in(language), ReportText::HueBlue.in(language));
    p.setPen(QPen(kLimitColour, 0));
    p.drawPath(closedPath(limitContour, plane, {}));
    const double markerSize = metrics.height() * 0.3;
    drawMarker(p, plane.map(d.standard.a, d.standard.b), markerSize, d.standardColour, false);
    if (d.sample)
        drawMarker(p, plane.map(d.sample->a, d.sample->b), markerSize, d.sampleColour, true);

    // The zoom: Δa*, Δb* around the standard, the tolerance always in view.
    double zoomExtent = 0;
    for (const QPointF& c : limitContour)
        zoomExtent =
            std::max({zoomExtent, std::abs(c.x() - d.standard.a), std::abs(c.y() - d.standard.b)});
    zoomExtent =
        std::max({zoomExtent * 1.2, std::abs(diff.da) * 1.15, std::abs(diff.db) * 1.15, 0.1});
    Frame zoom{QRectF(zoomAt, QSizeF(zoomSide, zoomSide)), niceCeiling(zoomExtent)};
    drawAxes(p, zoom, QStringLiteral("Δa*"), QString(), QStringLiteral("Δb*"), QString());
    p.setPen(Qt::black);
    p.drawText(zoom.rect.adjusted(gap / 2, 0, 0, -gap / 2), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("±%1").arg(zoom.range));
    const QPointF origin(d.standard.a, d.standard.b);
    p.setPen(QPen(kWarningColour, 0, Qt::DashLine));
    p.drawPath(closedPath(warningContour, zoom, origin));
    p.setPen(QPen(kLimitColour, std::max(1.0, metrics.height() * 0.08)));
    p.drawPath(closedPath(limitContour, zoom, origin));
    drawMarker(p, zoom.map(0, 0), markerSize, d.standardColour, false);
    if (d.sample) {
        if (d.readings > 1) {
            p.setPen(QPen(Qt::black, 0));
            p.drawLine(zoom.map(diff.da - d.deviation.a, diff.db),
                       zoom.map(diff.da + d.deviation.a, diff.db));
            p.drawLine(zoom.map(diff.da, diff.db - d.deviation.b),
                       zoom.map(diff.da, diff.db + d.deviation.b));
        }
        drawMarker(p, zoom.map(diff.da, diff.db), markerSize, d.sampleColour, true);
    }

    // The L* bar: ΔL* on a scale keeping its limits in view.
    const QRectF barArea(area.right() - barWidth, area.top(), barWidth, area.height());
    const AxisLimits lightness =
        hasTolerance ? lightnessLimits(d.standard, t.method, t.limit) : AxisLimits{};
    const AxisLimits lightnessWarning =
        hasTolerance ? lightnessLimits(d.standard, t.method, warning) : AxisLimits{};
    const double barExtent = niceCeiling(std::max(
        {std::abs(lightness.lower) * 1.2, lightness.upper * 1.2, std::abs(diff.dL) * 1.15, 0.1}));
    p.setPen(Qt::black);
    const QRectF header(barArea.left(), barArea.top(), barArea.width(), metrics.height() * 2.2);
    const QString lightnessText = QStringLiteral("L* %1").arg(d.standard.L, 0, 'f', 2);
    const QString deltaText =
        d.sample ? QStringLiteral("ΔL* ") + signedNumber(diff.dL) : QStringLiteral("ΔL*");
    p.save();
    // A narrow bar gets smaller figures rather than cut ones.
    QFont headerFont = p.font();
    const double headerWidth =
        std::max(metrics.horizontalAdvance(lightnessText), metrics.horizontalAdvance(deltaText));
    if (headerWidth > barArea.width() && headerFont.pointSizeF() > 0)
        headerFont.setPointSizeF(
            std::max(4.0, headerFont.pointSizeF() * barArea.width() / headerWidth));
    p.setFont(headerFont);
    p.drawText(header, Qt::AlignHCenter | Qt::AlignTop, lightnessText);
    p.drawText(header, Qt::AlignHCenter | Qt::AlignBottom, deltaText);
    p.restore();
    const double barW = std::min(barArea.width() * 0.45, metrics.height() * 1.6);
    const QRectF bar(barArea.center().x() - barW / 2, header.bottom() + gap, barW,
                     barArea.bottom() - header.bottom() - 2 * gap - metrics.height());
    auto barY = [&](double dL) { return bar.center().y() - dL / barExtent * bar.height() / 2; };
    QLinearGradient shade(bar.topLeft(), bar.bottomLeft());
    shade.setColorAt(0, QColor(250, 250, 250));
    shade.setColorAt(1, QColor(60, 60, 60));
    p.fillRect(bar, shade);
    p.setPen(QPen(kAxisColour, 0));
    p.drawRect(bar);
    p.drawLine(QPointF(bar.left(), barY(0)), QPointF(bar.right(), barY(0)));
    if (hasTolerance) {
        p.setPen(QPen(kLimitColour, std::max(1.0, metrics.height() * 0.08)));
        for (double y : {lightness.lower, lightness.upper})
            p.drawLine(QPointF(bar.left() - gap / 2, barY(y)),
                       QPointF(bar.right() + gap / 2, barY(y)));
        p.setPen(QPen(kWarningColour, 0, Qt::DashLine));
        for (double y : {lightnessWarning.lower, lightnessWarning.upper})
            p.drawLine(QPointF(bar.left(), barY(y)), QPointF(bar.right(), barY(y)));
    }
    if (d.sample)
        drawMarker(p, QPointF(bar.center().x(), barY(diff.dL)), markerSize, d.sampleColour, true);
    p.setPen(Qt::black);
    p.drawText(QRectF(barArea.left(), bar.bottom() + gap / 2, barArea.width(), metrics.height()),
               Qt::AlignHCenter, QStringLiteral("±%1").arg(barExtent));
    p.restore();
}

}  // namespace colorcard
