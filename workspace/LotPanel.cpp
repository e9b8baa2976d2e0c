// SPDX-License-Identifier: MIT
#include "workspace/LotPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "texts/QcTexts.h"
#include "workflow/QualityController.h"

namespace colorcard {

LotPanel::LotPanel(QualityController& controller, QWidget* parent)
    : QWidget(parent), controller_(controller) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(6);
    label_ = new QLabel(this);
    lots_ = new QComboBox(this);
    lots_->setObjectName(QStringLiteral("comboBox_lot"));
    lots_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    lots_->setMinimumContentsLength(12);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("lineEdit_lotName"));
    operator_ = new QLineEdit(this);
    operator_->setObjectName(QStringLiteral("lineEdit_lotOperator"));
    note_ = new QLineEdit(this);
    note_->setObjectName(QStringLiteral("lineEdit_lotNote"));
    start_ = new QPushButton(this);
    start_->setObjectName(QStringLiteral("pushButton_startLot"));
    grid->addWidget(label_, 0, 0);
    grid->addWidget(lots_, 0, 1, 1, 3);
    grid->addWidget(name_, 1, 1);
    grid->addWidget(operator_, 1, 2);
    grid->addWidget(note_, 1, 3);
    grid->addWidget(start_, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    connect(lots_, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        if (index >= 0)
            controller_.chooseLot(lots_->itemData(index).toLongLong());
    });
    connect(start_, &QPushButton::clicked, this, &LotPanel::start);
    connect(name_, &QLineEdit::returnPressed, this, &LotPanel::start);
    connect(&controller_, &QualityController::lotsChanged, this, &LotPanel::refresh);
    connect(&controller_, &QualityController::currentLotChanged, this, &LotPanel::refresh);
}

void LotPanel::setLanguage(const Language& language) {
    label_->setText(QcText::LotLabel.in(language));
    name_->setPlaceholderText(QcText::LotNamePlaceholder.in(language));
    operator_->setPlaceholderText(QcText::LotOperatorPlaceholder.in(language));
    note_->setPlaceholderText(QcText::LotNotePlaceholder.in(language));
    start_->setText(QcText::StartLot.in(language));
    lots_->setToolTip(QcText::LotNoneChosen.in(language));
    refresh();
}

void LotPanel::refresh() {
    const QSignalBlocker blocker(lots_);
    lots_->clear();
    const std::optional<Lot>& current = controller_.currentLot();
    for (const Lot& lot : controller_.lots()) {
        const QString who =
            lot.operatorName.isEmpty() ? QString() : QStringLiteral(" · ") + lot.operatorName;
        lots_->addItem(lot.name + who, lot.id);
    }
    lots_->setCurrentIndex(current ? lots_->findData(current->id) : -1);
}

void LotPanel::start() {
    if (!controller_.startLot(name_->text(), note_->text(), operator_->text()))
        return;
    name_->clear();
    note_->clear();
    // The operator usually measures the next lot too.
}

}  // namespace colorcard
