// SPDX-License-Identifier: MIT
#include "workspace/HistoryPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

#include "texts/IndexTexts.h"
#include "texts/QcTexts.h"
#include "workflow/LibraryService.h"
#include "workflow/QualityController.h"
#include "workflow/QualityHistoryModel.h"
#include "workspace/HistoryFilterBar.h"
#include "workspace/LotView.h"
#include "workspace/QualityPageText.h"

namespace colorcard {

HistoryPanel::HistoryPanel(QualityController& controller, QWidget* parent)
    : QGroupBox(parent), controller_(controller) {
    setObjectName(QStringLiteral("groupBox_qcHistory"));
    model_ = new QualityHistoryModel(controller, this);
    auto* layout = new QGridLayout(this);
    // Time, verdict, ΔE, the tolerance judged by, on request the verdict by
    // the tolerance in force now, the standard, the longest, and the index
    // shown before it while any row has a value.
    table_ = new QTableView;
    table_->setObjectName(QStringLiteral("tableWidget_history"));
    table_->setModel(model_);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->setVisible(false);
    // Every column fits its texts, the standard's too (the table scrolls).
    table_->horizontalHeader()->setStretchLastSection(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->moveSection(QualityHistoryModel::Index,
                                            QualityHistoryModel::Standard);
    table_->setColumnHidden(QualityHistoryModel::Rejudged, true);
    table_->setColumnHidden(QualityHistoryModel::Index, true);
    rejudge_ = new QCheckBox(this);
    rejudge_->setObjectName(QStringLiteral("checkBox_rejudgeHistory"));
    passRate_ = QualityPageStyle::named(new QLabel(this), "label_passRate");
    export_ = new QPushButton(this);
    export_->setObjectName(QStringLiteral("pushButton_exportHistory"));
    filter_ = new HistoryFilterBar(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabWidget_history"));
    tabs_->addTab(table_, QString());
    lotView_ = new LotView(tabs_);
    tabs_->addTab(lotView_, QString());
    layout->addWidget(filter_, 0, 0, 1, 2);
    layout->addWidget(tabs_, 1, 0, 1, 2);
    layout->addWidget(rejudge_, 2, 0, 1, 2);
    layout->addWidget(passRate_, 3, 0);
    layout->addWidget(export_, 3, 1, Qt::AlignRight);

    connect(tabs_, &QTabWidget::currentChanged, this, &HistoryPanel::showLotView);
    connect(lotView_, &LotView::saveReportRequested, this,
            [this] { controller_.saveLotReport(filter_->lotId(), lotView_->trendStandard()); });
    connect(lotView_, &LotView::printReportRequested, this,
            [this] { controller_.printLotReport(filter_->lotId(), lotView_->trendStandard()); });
    connect(lotView_, &LotView::trendStandardChosen, this, &HistoryPanel::showLotView);
    connect(filter_, &HistoryFilterBar::changed, this, &HistoryPanel::showHistory);
    connect(rejudge_, &QCheckBox::toggled, this, &HistoryPanel::showHistory);
    connect(export_, &QPushButton::clicked, &controller_, &QualityController::exportHistory);
    const auto lotsChanged = [this] { filter_->setLots(controller_.lots()); };
    connect(&controller_, &QualityController::lotsChanged, this, lotsChanged);
    connect(&controller_, &QualityController::currentLotChanged, this, lotsChanged);
    connect(&controller_, &QualityController::historyChanged, this, &HistoryPanel::showHistory);
    connect(&controller_, &QualityController::indexSettingsChanged, this,
            &HistoryPanel::showHistory);
}

bool HistoryPanel::rejudging() const {
    return rejudge_->isChecked();
}

void HistoryPanel::retranslate() {
    const Language language = controller_.library().messenger().language();
    setTitle(QualityPageText::tr("History"));
    model_->setTitles({QualityPageText::tr("Time"), QualityPageText::tr("Result"),
                       QStringLiteral("ΔE"), QcText::HistoryJudgedBy.in(language),
                       QcText::HistoryRejudged.in(language), QualityPageText::tr("Standard"),
                       IndexText::IndexColumn.in(language)});
    rejudge_->setText(QcText::HistoryRejudge.in(language));
    export_->setText(QualityPageText::tr("Export CSV"));
    filter_->setLanguage(language);
    lotView_->setLanguage(language);
    tabs_->setTabText(0, QcText::HistoryTab.in(language));
    tabs_->setTabText(1, QcText::LotViewTab.in(language));
    filter_->setLots(controller_.lots());
    showHistory();
}

void HistoryPanel::showHistory() {
    const std::optional<QualityStandard>& standard = controller_.standard();
    model_->setRejudge(rejudge_->isChecked());
    model_->setFilter(filter_->filter(standard ? standard->libraryId : QString(),
                                      standard ? standard->colourId : QString(), kHistoryRows));
    table_->setColumnHidden(QualityHistoryModel::Rejudged, !rejudge_->isChecked());
    table_->setColumnHidden(QualityHistoryModel::Index, !model_->anyIndex());
    // Rows as tall as their texts in the font in use (the rows are few).
    table_->resizeRowsToContents();
    showLotView();
    const QualityStore::PassRate rate = controller_.passRate();
    passRate_->setText(rate.total ? QualityPageText::tr("Pass rate: %1% (%2/%3)")
                                        .arg(QString::number(rate.rate() * 100, 'f', 1))
                                        .arg(rate.passed)
                                        .arg(rate.total)
                                  : QualityPageText::tr("Pass rate: — (no results yet)"));
    export_->setEnabled(rate.total > 0);
}

void HistoryPanel::showLotView() {
    // Drawn only while on show: a long history takes a moment.
    if (tabs_->currentWidget() != lotView_)
        return;
    const QVector<QualityStore::HistoryEntry>& oldestFirst = model_->allOldestFirst();
    TrendStandard newest;
    if (!oldestFirst.isEmpty())
        newest = TrendStandard{
            oldestFirst.constLast().libraryId, oldestFirst.constLast().colourId, {}, {}, 0};
    lotView_->setStandards(trendStandards(oldestFirst), newest);
    const QVector<QualityStore::HistoryEntry> ofStandard =
        entriesOf(oldestFirst, lotView_->trendStandard());
    ShadeSteps steps;
    QVector<AxisTrend> trend;
    if (!ofStandard.isEmpty()) {
        const QualityStore::HistoryEntry& last = ofStandard.constLast();
        const ToleranceModel model =
            controller_.toleranceModel(last.libraryId, last.colourId).value_or(ToleranceModel{});
        steps = controller_.indexSettings(last.libraryId).steps(model.tolerance.limit);
        trend = lotTrend(ofStandard, model);
    }
    lotView_->showComparisons(oldestFirst, trend, steps, filter_->lotId() > 0);
}

}  // namespace colorcard
