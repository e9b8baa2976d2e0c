// SPDX-License-Identifier: MIT
#include "workspace/HistoryFilterBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "texts/QcTexts.h"

namespace colorcard {

HistoryFilterBar::HistoryFilterBar(QWidget* parent) : QWidget(parent) {
    // Narrow rows: the history shares the page's width with the nearest standards.
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(4);
    auto* row = new QHBoxLayout;
    auto* checkRow = new QHBoxLayout;
    auto* dateRow = new QHBoxLayout;
    row->setSpacing(6);
    checkRow->setSpacing(6);
    dateRow->setSpacing(6);
    rows->addLayout(row);
    rows->addLayout(checkRow);
    rows->addLayout(dateRow);
    lot_ = new QComboBox(this);
    lot_->setObjectName(QStringLiteral("comboBox_historyLot"));
    lot_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    lot_->setMinimumContentsLength(6);
    standard_ = new QCheckBox(this);
    standard_->setObjectName(QStringLiteral("checkBox_historyStandard"));
    dates_ = new QCheckBox(this);
    dates_->setObjectName(QStringLiteral("checkBox_historyDates"));
    from_ = new QDateEdit(QDate::currentDate().addDays(-30), this);
    from_->setObjectName(QStringLiteral("dateEdit_historyFrom"));
    to_ = new QDateEdit(QDate::currentDate(), this);
    to_->setObjectName(QStringLiteral("dateEdit_historyTo"));
    for (QDateEdit* edit : {from_, to_}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setEnabled(false);
        // The whole date stays readable beside the popup button.
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00")) +
                              edit->fontMetrics().height() * 2);
    }
    row->addWidget(lot_, 1);
    checkRow->addWidget(standard_);
    checkRow->addWidget(dates_);
    checkRow->addStretch(1);
    dateRow->addWidget(from_);
    dateRow->addWidget(to_);
    dateRow->addStretch(1);
    connect(lot_, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &HistoryFilterBar::changed);
    connect(standard_, &QCheckBox::toggled, this, &HistoryFilterBar::changed);
    connect(dates_, &QCheckBox::toggled, this, [this](bool on) {
        from_->setEnabled(on);
        to_->setEnabled(on);
        emit changed();
    });
    connect(from_, &QDateEdit::dateChanged, this, &HistoryFilterBar::changed);
    connect(to_, &QDateEdit::dateChanged, this, &HistoryFilterBar::changed);
}

void HistoryFilterBar::setLanguage(const Language& language) {
    language_ = language;
    standard_->setText(QcText::FilterThisStandard.in(language));
    dates_->setText(QcText::FilterDates.in(language));
    if (lot_->count())
        lot_->setItemText(0, QcText::FilterAllLots.in(language));
}

void HistoryFilterBar::setLots(const QVector<Lot>& lots) {
    const qint64 chosen = lotId();
    const QSignalBlocker blocker(lot_);
    lot_->clear();
    lot_->addItem(QcText::FilterAllLots.in(language_), qint64(0));
    for (const Lot& lot : lots)
        lot_->addItem(lot.name, lot.id);
    lot_->setCurrentIndex(qMax(0, lot_->findData(chosen)));
}

qint64 HistoryFilterBar::lotId() const {
    return lot_->currentIndex() > 0 ? lot_->currentData().toLongLong() : 0;
}

HistoryFilter HistoryFilterBar::filter(const QString& libraryId, const QString& colourId,
                                       int limit) const {
    HistoryFilter result;
    result.lotId = lotId();
    result.limit = limit;
    if (standard_->isChecked() && !libraryId.isEmpty()) {
        result.libraryId = libraryId;
        result.colourId = colourId;
    }
    if (dates_->isChecked()) {
        // Whole local days, the last one included.
        result.from = QDateTime(from_->date(), QTime(0, 0));
        result.to = QDateTime(to_->date(), QTime(23, 59, 59, 999));
    }
    return result;
}

}  // namespace colorcard
