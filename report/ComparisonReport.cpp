// SPDX-License-Identifier: MIT
#include "report/ComparisonReport.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "formats/ColorDerivation.h"
#include "report/ToleranceContour.h"
#include "texts/QcTexts.h"
#include "texts/ReportTexts.h"

namespace colorcard {

namespace {

QString number(double value, int decimals = 2) {
    const QString text = QString::number(value, 'f', decimals);
    return text.startsWith(QLatin1Char('-')) && text.toDouble() == 0 ? text.mid(1) : text;
}

QString labText(const Lab& lab) {
    return QStringLiteral("L* %1   a* %2   b* %3").arg(number(lab.L), number(lab.a), number(lab.b));
}

}  // namespace

QColor labSwatch(const Lab& lab) {
    const auto values = ColorDerivation::fromLab(lab.L, lab.a, lab.b);
    return QColor(int(values[16]), int(values[17]), int(values[18]));
}

AbPlotData plotData(const QualityStore::HistoryEntry& entry) {
    AbPlotData data;
    data.standard = entry.standard;
    data.sample = entry.sample;
    data.deviation = entry.deviation;
    data.readings = entry.readings;
    data.tolerance = entry.toleranceKnown ? entry.tolerance : Tolerance{{}, 0};
    data.warningShare = entry.warningLevel && entry.tolerance.limit > 0
                            ? *entry.warningLevel / entry.tolerance.limit
                            : kDefaultWarningShare;
    data.standardColour = labSwatch(entry.standard);
    data.sampleColour = labSwatch(entry.sample);
    return data;
}

QString verdictText(const QualityStore::HistoryEntry& entry, const Language& language) {
    return verdictWord(entry.judged(), language);
}

QString judgedAgainstLine(const QualityStore::HistoryEntry& entry, const Language& language) {
    if (!entry.toleranceKnown)
        return ReportText::JudgedAgainstUnknown.in(language).arg(entry.readings);
    const Tolerance& t = entry.tolerance;
    return ReportText::JudgedAgainst.in(language).arg(
        formulaLabel(t.method, language), number(t.limit),
        number(entry.warningLevel.value_or(t.limit * kDefaultWarningShare)),
        QString::fromUtf8(kMeasuringCondition), QString::number(entry.readings));
}

void paintComparisonReport(QPainter& p, const QRectF& page, const QualityStore::HistoryEntry& e,
                           const Language& language) {
    p.save();
    QFont base = p.font();
    const double line = QFontMetricsF(base).height() * 1.35;
    double y = page.top();
    auto text = [&](const QString& s, double x = -1) {
        p.drawText(QPointF(x < 0 ? page.left() : x, y + line * 0.75), s);
        y += line;
    };

    QFont title = base;
    title.setPointSizeF(base.pointSizeF() * 1.8);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRectF(page.left(), y, page.width(), line * 2), Qt::AlignLeft | Qt::AlignVCenter,
               ReportText::ReportTitle.in(language));
    y += line * 2.2;
    p.setFont(base);
    text(ReportText::ReportTime.in(language).arg(
        e.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
    text(e.meterNumber.isEmpty() ? ReportText::ReportMeterUnknown.in(language)
                                 : ReportText::ReportMeter.in(language).arg(e.meterNumber));
    text(ReportText::ReportStandard.in(language).arg(e.libraryName, e.colourName));
    y += line * 0.4;

    // Swatches with their values.
    const double swatch = line * 3;
    const struct {
        BilingualText caption;
        Lab lab;
    } colours[] = {{QcText::ColumnStandard, e.standard}, {ReportText::Sample, e.sample}};
    for (const auto& c : colours) {
        p.fillRect(QRectF(page.left(), y, swatch * 1.6, swatch), labSwatch(c.lab));
        p.setPen(Qt::black);
        p.drawRect(QRectF(page.left(), y, swatch * 1.6, swatch));
        const double x = page.left() + swatch * 1.6 + line;
        const double top = y;
        y += line * 0.5;
        text(c.caption.in(language), x);
        text(labText(c.lab), x);
        y = top + swatch + line * 0.4;
    }

    const LabDifferences d = labDifferences(e.standard, e.sample);
    text(QStringLiteral("ΔL* %1   Δa* %2   Δb* %3   ΔC* %4   ΔH* %5   ΔE %6")
             .arg(number(d.dL), number(d.da), number(d.db), number(d.dC), number(d.dH),
                  number(e.deltaE)));
    QFont verdict = base;
    verdict.setBold(true);
    verdict.setPointSizeF(base.pointSizeF() * 1.4);
    p.setFont(verdict);
    p.setPen(e.judged() == Verdict::Pass   ? QColor(0x1E, 0x84, 0x49)
             : e.judged() == Verdict::Warn ? QColor(0xB0, 0x6A, 0x00)
                                           : QColor(0xC0, 0x39, 0x2B));
    p.drawText(QRectF(page.left(), y, page.width(), line * 1.6), Qt::AlignLeft | Qt::AlignVCenter,
               ReportText::ReportVerdict.in(language).arg(verdictText(e, language)));
    y += line * 1.8;
    p.setFont(base);
    p.setPen(Qt::black);
    const QRectF judged(page.left(), y, page.width(), line * 3);
    QRectF used;
    p.drawText(judged, Qt::TextWordWrap, judgedAgainstLine(e, language), &used);
    y += used.height() + line;

    const double plotHeight = std::min(page.bottom() - y, page.width() * 1.25);
    paintAbPlot(p, QRectF(page.left(), y, std::min(page.width(), plotHeight * 0.65), plotHeight),
                plotData(e), language);
    p.restore();
}

QFont reportFont(double pointSize) {
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPointSizeF(pointSize);
    return font;
}

bool paintComparisonReport(QPagedPaintDevice& device, QPainter& painter,
                           const QualityStore::HistoryEntry& entry, const Language& language) {
    painter.setFont(reportFont(10));
    paintComparisonReport(
        painter,
        QRectF(QPointF(0, 0), device.pageLayout().paintRectPixels(device.logicalDpiX()).size()),
        entry, language);
    return true;
}

bool writeComparisonReport(const QString& path, const QualityStore::HistoryEntry& entry,
                           const Language& language) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
        pdf.setResolution(300);
        pdf.setTitle(ReportText::ReportTitle.in(language));
        pdf.setCreator(QStringLiteral("ColorCard"));
        QPainter painter;
        if (!painter.begin(&pdf))
            return false;
        paintComparisonReport(pdf, painter, entry, language);
        painter.end();
    }
    return file.commit();
}

}  // namespace colorcard
