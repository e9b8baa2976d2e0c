// SPDX-License-Identifier: MIT
#include "workspace/LotView.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "report/LotReport.h"
#include "report/RunChart.h"
#include "texts/QcTexts.h"
#include "texts/ReportTexts.h"

TrendView::TrendView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("widget_trend"));
    setMinimumSize(260, 220);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TrendView::setTrend(const QVector<AxisTrend>& axes, const Language& language) {
    axes_ = axes;
    language_ = language;
    update();
}

QSize TrendView::sizeHint() const {
    return {420, 300};
}

void TrendView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    if (!axes_.isEmpty())
        paintTrendCharts(painter, QRectF(rect()).adjusted(4, 4, -4, -4), axes_, language_);
}

LotView::LotView(QWidget* parent) : QWidget(parent) {
    // It shares the history's column: the charts narrow rather than widen the page.
    setMinimumWidth(240);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    counts_ = new QLabel(this);
    counts_->setObjectName(QStringLiteral("label_lotCounts"));
    trend_ = new TrendView(this);
    groups_ = new QTableWidget(0, 3, this);
    groups_->setObjectName(QStringLiteral("tableWidget_shadeGroups"));
    groups_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    groups_->verticalHeader()->setVisible(false);
    groups_->horizontalHeader()->setStretchLastSection(true);
    groups_->setMaximumHeight(120);
    saveReport_ = new QPushButton(this);
    saveReport_->setObjectName(QStringLiteral("pushButton_saveLotReport"));
    column->addWidget(counts_);
    column->addWidget(trend_, 1);
    column->addWidget(groups_);
    column->addWidget(saveReport_, 0, Qt::AlignRight);
    connect(saveReport_, &QPushButton::clicked, this, &LotView::saveReportRequested);
}

void LotView::setLanguage(const Language& language) {
    language_ = language;
    saveReport_->setText(QcText::SaveLotReport.in(language));
    saveReport_->setToolTip(QcText::SaveLotReportTip.in(language));
    groups_->setHorizontalHeaderLabels({QStringLiteral("555"), QcText::ShadeGroupCount.in(language),
                                        QcText::ShadeGroupSamples.in(language)});
    trend_->setTrend(trend_->axes(), language);
}

void LotView::showComparisons(const QVector<QualityStore::HistoryEntry>& oldestFirst,
                              const QVector<AxisTrend>& axes, const ShadeSteps& steps,
                              bool lotChosen) {
    const VerdictCounts counts = countVerdicts(oldestFirst);
    counts_->setText(ReportText::LotCounts.in(language_).arg(
        QString::number(oldestFirst.size()), QString::number(counts.pass),
        QString::number(counts.warn), QString::number(counts.fail)));
    trend_->setTrend(axes, language_);
    QVector<ShadePair> pairs;
    for (const QualityStore::HistoryEntry& e : oldestFirst)
        pairs << ShadePair{e.standard, e.sample};
    const ShadeSorting sorting = shadeSort(pairs, steps);
    groups_->setRowCount(sorting.groups.size());
    for (int row = 0; row < sorting.groups.size(); ++row) {
        const ShadeGroup& group = sorting.groups[row];
        QStringList ids;
        for (int member : group.members)
            ids << QString::number(oldestFirst[member].id);
        groups_->setItem(row, 0, new QTableWidgetItem(group.code.text()));
        groups_->setItem(row, 1, new QTableWidgetItem(QString::number(group.count())));
        groups_->setItem(row, 2, new QTableWidgetItem(ids.join(QStringLiteral(", "))));
    }
    saveReport_->setEnabled(lotChosen && !oldestFirst.isEmpty());
}
