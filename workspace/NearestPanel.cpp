// SPDX-License-Identifier: MIT
#include "workspace/NearestPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>

#include "workflow/LibraryService.h"
#include "workflow/QualityController.h"
#include "workspace/QualityPageText.h"

namespace colorcard {

namespace {

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

}  // namespace

NearestPanel::NearestPanel(QualityController& controller, QWidget* parent)
    : QGroupBox(parent), controller_(controller) {
    setObjectName(QStringLiteral("groupBox_qcNearest"));
    methods_ = {DifferenceMethod::ciede2000(), DifferenceMethod::cmc(2, 1),
                DifferenceMethod::cmc(1, 1),   DifferenceMethod::cie94(false),
                DifferenceMethod::cie94(true), DifferenceMethod::cie76()};
    auto* layout = new QGridLayout(this);
    formulaLabel_ = new QLabel(this);
    formula_ = new QComboBox(this);
    formula_->setObjectName(QStringLiteral("comboBox_nearestFormula"));
    table_ = new QTableWidget(0, 3, this);
    table_->setObjectName(QStringLiteral("tableWidget_nearest"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->setVisible(false);
    // Whole names: the columns fit their texts and the table scrolls.
    table_->horizontalHeader()->setStretchLastSection(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    hint_ = new QLabel(this);
    layout->addWidget(formulaLabel_, 0, 0);
    layout->addWidget(formula_, 0, 1);
    layout->setColumnStretch(1, 1);
    layout->addWidget(table_, 1, 0, 1, 2);
    layout->addWidget(hint_, 2, 0, 1, 2);

    connect(formula_, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
        if (index >= 0 && index < methods_.size())
            controller_.setNearestMethod(methods_[index]);
    });
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        const QVector<NearestResult>& found = controller_.lastNearest();
        if (row < 0 || row >= found.size())
            return;
        // The sample on show is judged against the new standard.
        controller_.judgeAgainst(found[row].libraryId, found[row].colourId);
    });
    connect(&controller_, &QualityController::nearestFound, this, &NearestPanel::showNearest);
}

void NearestPanel::retranslate() {
    const Language language = controller_.library().messenger().language();
    setTitle(QualityPageText::tr("Nearest standards"));
    formulaLabel_->setText(QualityPageText::tr("Formula:"));
    table_->setHorizontalHeaderLabels(
        {QualityPageText::tr("Library"), QualityPageText::tr("Standard"), QStringLiteral("ΔE")});
    hint_->setText(QualityPageText::tr("Double-click a row to make it the standard"));
    const QSignalBlocker blocker(formula_);
    const int index = qMax(0, formula_->currentIndex());
    formula_->clear();
    for (const DifferenceMethod& method : methods_)
        formula_->addItem(formulaLabel(method, language));
    formula_->setCurrentIndex(index);
    showNearest();
}

void NearestPanel::showNearest() {
    const QVector<NearestResult>& found = controller_.lastNearest();
    table_->setRowCount(found.size());
    for (int row = 0; row < found.size(); ++row) {
        table_->setItem(row, 0, cell(found[row].libraryName));
        table_->setItem(row, 1, cell(found[row].colourName));
        table_->setItem(row, 2, cell(QualityPageStyle::fixed(found[row].deltaE)));
    }
}

}  // namespace colorcard
