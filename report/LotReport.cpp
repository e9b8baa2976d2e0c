// SPDX-License-Identifier: MIT
#include "report/LotReport.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

#include "report/ComparisonReport.h"
#include "report/QualityTrend.h"
#include "report/RunChart.h"
#include "store/IndexSettingsStore.h"
#include "texts/QcTexts.h"
#include "texts/ReportTexts.h"

namespace colorcard {

namespace {

QString number(double value, int decimals = 2) {
    const QString text = QString::number(value, 'f', decimals);
    return text.startsWith(QLatin1Char('-')) && text.toDouble() == 0 ? text.mid(1) : text;
}

QColor verdictColour(Verdict verdict) {
    switch (verdict) {
        case Verdict::Pass:
            return QColor(0x1E, 0x84, 0x49);
        case Verdict::Warn:
            return QColor(0xB0, 0x6A, 0x00);
        case Verdict::Fail:
            break;
    }
    return QColor(0xC0, 0x39, 0x2B);
}

}  // namespace

std::optional<LotReportData> loadLotReport(const QString& connectionName, const Lot& lot,
                                           QString& error, const TrendStandard& trendOf) {
    QualityStore store(connectionName);
    IndexSettingsStore settings(connectionName);
    return loadLotReport(store, settings, lot, error, trendOf);
}

std::optional<LotReportData> loadLotReport(QualityRecords& store, IndexSettingsStore& settings,
                                           const Lot& lot, QString& error,
                                           const TrendStandard& trendOf) {
    HistoryFilter filter;
    filter.lotId = lot.id;
    const auto newestFirst = store.history(filter);
    if (!newestFirst) {
        error = store.error();
        return std::nullopt;
    }
    LotReportData data;
    data.lot = lot;
    for (auto it = newestFirst->crbegin(); it != newestFirst->crend(); ++it)
        data.oldestFirst << *it;
    if (data.oldestFirst.isEmpty())
        return data;
    const QVector<TrendStandard> standards = trendStandards(data.oldestFirst);
    data.standardCount = standards.size();
    const QualityStore::HistoryEntry& newest = data.oldestFirst.constLast();
    data.trendStandard =
        *std::find_if(standards.cbegin(), standards.cend(),
                      [&newest](const TrendStandard& s) { return s.sameAs(newest); });
    for (const TrendStandard& standard : standards)
        if (standard == trendOf)
            data.trendStandard = standard;
    const auto model =
        store.toleranceModel(data.trendStandard.libraryId, data.trendStandard.colourId);
    if (!model) {
        error = store.error();
        return std::nullopt;
    }
    data.model = *model;
    const auto indexSettings = settings.settings(data.trendStandard.libraryId);
    if (!indexSettings) {
        error = settings.error();
        return std::nullopt;
    }
    data.steps = indexSettings->steps(model->tolerance.limit);
    return data;
}

VerdictCounts countVerdicts(const QVector<QualityStore::HistoryEntry>& entries) {
    VerdictCounts counts;
    for (const QualityStore::HistoryEntry& e : entries) {
        switch (e.judged()) {
            case Verdict::Pass:
                ++counts.pass;
                break;
            case Verdict::Warn:
                ++counts.warn;
                break;
            case Verdict::Fail:
                ++counts.fail;
                break;
        }
    }
    return counts;
}

bool paintLotReport(QPagedPaintDevice& device, QPainter& p, const LotReportData& report,
                    const Language& language) {
    const QRectF page(QPointF(0, 0),
                      device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    const QFont base = p.font();
    const double line = QFontMetricsF(base).height() * 1.3;
    double y = page.top();
    auto text = [&](const QString& s) {
        p.drawText(QRectF(page.left(), y, page.width(), line), Qt::AlignLeft | Qt::AlignVCenter, s);
        y += line;
    };
    QFont title = base;
    title.setPointSizeF(base.pointSizeF() * 1.6);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRectF(page.left(), y, page.width(), line * 2), Qt::AlignLeft | Qt::AlignVCenter,
               ReportText::LotReportTitle.in(language).arg(report.lot.name));
    y += line * 2.2;
    p.setFont(base);
    p.setPen(Qt::black);
    text(ReportText::LotStarted.in(language).arg(
        report.lot.created.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
    if (!report.lot.operatorName.isEmpty())
        text(ReportText::LotOperator.in(language).arg(report.lot.operatorName));
    if (!report.lot.note.isEmpty())
        text(ReportText::LotNote.in(language).arg(report.lot.note));
    const VerdictCounts counts = countVerdicts(report.oldestFirst);
    QFont bold = base;
    bold.setBold(true);
    p.setFont(bold);
    text(ReportText::LotCounts.in(language).arg(
        QString::number(report.oldestFirst.size()), QString::number(counts.pass),
        QString::number(counts.warn), QString::number(counts.fail)));
    p.setFont(base);
    QRectF used;
    if (!report.oldestFirst.isEmpty()) {
        // Every sample may have been judged alike; the last one's line says how.
        p.drawText(QRectF(page.left(), y, page.width(), line * 3), Qt::TextWordWrap,
                   judgedAgainstLine(report.oldestFirst.constLast(), language), &used);
        y += used.height() + line * 0.5;
    }

    // One standard's trend: the limits of another standard do not hold its samples.
    if (report.standardCount > 1) {
        p.drawText(QRectF(page.left(), y, page.width(), line * 3), Qt::TextWordWrap,
                   ReportText::TrendOfStandard.in(language).arg(
                       QStringLiteral("%1 / %2").arg(report.trendStandard.libraryName,
                                                     report.trendStandard.colourName),
                       QString::number(report.standardCount)),
                   &used);
        y += used.height() + line * 0.5;
    }
    const QVector<AxisTrend> axes =
        lotTrend(entriesOf(report.oldestFirst, report.trendStandard), report.model);
    const double chartsHeight = std::min(page.height() * 0.45, page.bottom() - y - line * 6);
    paintTrendCharts(p, QRectF(page.left(), y, page.width(), chartsHeight), axes, language);
    y += chartsHeight + line;
    p.drawText(QRectF(page.left(), y, page.width(), line * 2), Qt::TextWordWrap,
               ReportText::TrendSigma.in(language));
    y += line * 1.5;

    QVector<ShadePair> pairs;
    for (const QualityStore::HistoryEntry& e : report.oldestFirst)
        pairs << ShadePair{e.standard, e.sample};
    const ShadeSorting sorting = shadeSort(pairs, report.steps);
    p.setFont(bold);
    text(ReportText::LotShadeGroups.in(language));
    p.setFont(base);
    // Lines filled group by group: a group never breaks over two lines (the
    // Chinese count word would go to the next one alone).
    const QString separator = QStringLiteral("    ");
    const QFontMetricsF groupMetrics(base);
    QStringList lines{QString()};
    for (const ShadeGroup& group : sorting.groups) {
        const QString entry =
            ReportText::LotShadeGroup.in(language).arg(group.code.text()).arg(group.count());
        const QString longer = lines.last().isEmpty() ? entry : lines.last() + separator + entry;
        if (lines.last().isEmpty() || groupMetrics.horizontalAdvance(longer) <= page.width())
            lines.last() = longer;
        else
            lines << entry;
    }
    for (const QString& groupLine : lines)
        text(groupLine);

    // The table of samples, oldest first, on the pages after.
    const QStringList headers = {ReportText::LotColumnNumber.in(language),
                                 QcText::ColumnTime.in(language),
                                 QcText::ColumnStandard.in(language),
                                 QStringLiteral("ΔL*"),
                                 QStringLiteral("Δa*"),
                                 QStringLiteral("Δb*"),
                                 QStringLiteral("ΔE"),
                                 QcText::ColumnResult.in(language),
                                 QStringLiteral("555")};
    const double widths[] = {0.07, 0.17, 0.26, 0.08, 0.08, 0.08, 0.08, 0.1, 0.08};
    int row = 0;
    while (row < report.oldestFirst.size()) {
        if (!device.newPage())
            return false;
        y = page.top();
        p.setFont(bold);
        p.setPen(Qt::black);
        double x = page.left();
        for (int c = 0; c < headers.size(); ++c) {
            p.drawText(QRectF(x, y, page.width() * widths[c], line),
                       Qt::AlignLeft | Qt::AlignVCenter, headers[c]);
            x += page.width() * widths[c];
        }
        y += line;
        p.drawLine(QPointF(page.left(), y), QPointF(page.right(), y));
        p.setFont(base);
        for (; row < report.oldestFirst.size() && y + line <= page.bottom(); ++row) {
            const QualityStore::HistoryEntry& e = report.oldestFirst[row];
            const LabDifferences d = labDifferences(e.standard, e.sample);
            const QStringList cells = {
                QString::number(e.id),
                e.time.toLocalTime().toString(QStringLiteral("MM-dd HH:mm:ss")),
                e.colourName,
                number(d.dL),
                number(d.da),
                number(d.db),
                number(e.deltaE),
                verdictText(e, language),
                sorting.codes[row].text()};
            x = page.left();
            for (int c = 0; c < cells.size(); ++c) {
                p.setPen(c == 7 ? verdictColour(e.judged()) : QColor(Qt::black));
                const QRectF cell(x, y, page.width() * widths[c] - line * 0.2, line);
                p.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                           QFontMetricsF(base).elidedText(cells[c], Qt::ElideRight, cell.width()));
                x += page.width() * widths[c];
            }
            y += line;
        }
    }
    return true;
}

bool writeLotReport(const QString& path, const LotReportData& report, const Language& language) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
        pdf.setResolution(300);
        pdf.setTitle(ReportText::LotReportTitle.in(language).arg(report.lot.name));
        pdf.setCreator(QStringLiteral("ColorCard"));
        QPainter painter;
        if (!painter.begin(&pdf))
            return false;
        painter.setFont(reportFont(kLotReportPointSize));
        const bool painted = paintLotReport(pdf, painter, report, language);
        painter.end();
        if (!painted)
            return false;
    }
    return file.commit();
}

}  // namespace colorcard
