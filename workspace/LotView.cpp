// SPDX-License-Identifier: MIT
#include "workspace/LotView.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "report/LotReport.h"
#include "report/RunChart.h"
#include "texts/QcTexts.h"
#include "texts/ReportTexts.h"

namespace colorcard {

TrendView::TrendView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("widget_trend"));
    setMinimumSize(260, 220);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TrendView::setTrend(const QVector<AxisTrend>& axes, const Language& language) {
    axes_ = axes;
    language_ = language;
    cache_ = QPixmap();
    update();
}

QSize TrendView::sizeHint() const {
    return {420, 300};
}

void TrendView::resizeEvent(QResizeEvent* event) {
    cache_ = QPixmap();
    QWidget::resizeEvent(event);
}

void TrendView::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (cache_.isNull()) {
        cache_ = QPixmap(size() * ratio);
        cache_.setDevicePixelRatio(ratio);
        cache_.fill(palette().base().color());
        QPainter painter(&cache_);
        painter.setFont(font());
        if (!axes_.isEmpty())
            paintTrendCharts(painter, QRectF(rect()).adjusted(4, 4, -4, -4), axes_, language_);
    }
    QPainter(this).drawPixmap(0, 0, cache_);
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
    standardLabel_ = new QLabel(this);
    standard_ = new QComboBox(this);
    standard_->setObjectName(QStringLiteral("comboBox_trendStandard"));
    standard_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    standard_->setMinimumContentsLength(12);
    auto* standardRow = new QHBoxLayout;
    standardRow->addWidget(standardLabel_);
    standardRow->addWidget(standard_, 1);
    column->addWidget(counts_);
    column->addLayout(standardRow);
    standardLabel_->hide();
    standard_->hide();
    connect(standard_, QOverload<int>::of(&QComboBox::activated), this,
            &LotView::trendStandardChosen);
    column->addWidget(trend_, 1);
    column->addWidget(groups_);
    printReport_ = new QPushButton(this);
    printReport_->setObjectName(QStringLiteral("pushButton_printLotReport"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(printReport_);
    buttons->addWidget(saveReport_);
    column->addLayout(buttons);
    connect(saveReport_, &QPushButton::clicked, this, &LotView::saveReportRequested);
    connect(printReport_, &QPushButton::clicked, this, &LotView::printReportRequested);
}

void LotView::setLanguage(const Language& language) {
    language_ = language;
    saveReport_->setText(QcText::SaveLotReport.in(language));
    saveReport_->setToolTip(QcText::SaveLotReportTip.in(language));
    printReport_->setText(ReportText::PrintReport.in(language));
    standardLabel_->setText(ReportText::TrendStandard.in(language));
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
    printReport_->setEnabled(saveReport_->isEnabled());
}

void LotView::setStandards(const QVector<TrendStandard>& standards, const TrendStandard& newest) {
    const TrendStandard chosen = trendStandard();
    const bool keep = standards_.size() > 1 && standards.contains(chosen);
    standards_ = standards;
    const QSignalBlocker blocker(standard_);
    standard_->clear();
    for (const TrendStandard& s : standards)
        standard_->addItem(
            QStringLiteral("%1 / %2 (%3)").arg(s.libraryName, s.colourName).arg(s.count));
    standard_->setCurrentIndex(standards.indexOf(keep ? chosen : newest));
    standard_->setToolTip(standard_->currentText());
    standardLabel_->setVisible(standards.size() > 1);
    standard_->setVisible(standards.size() > 1);
}

TrendStandard LotView::trendStandard() const {
    const int index = standard_->currentIndex();
    return standards_.size() > 1 && index >= 0 && index < standards_.size() ? standards_[index]
                                                                            : TrendStandard{};
}

}  // namespace colorcard
