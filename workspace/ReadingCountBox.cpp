// SPDX-License-Identifier: MIT
#include "workspace/ReadingCountBox.h"

#include <QBoxLayout>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

#include "colour/Tolerance.h"
#include "texts/QcTexts.h"
#include "workflow/LibraryService.h"
#include "workflow/MeterController.h"

namespace colorcard {

namespace {

// The box layout directly holding widget, searched from layout down.
QBoxLayout* boxHolding(QLayout* layout, QWidget* widget) {
    if (!layout)
        return nullptr;
    auto* box = qobject_cast<QBoxLayout*>(layout);
    if (box && box->indexOf(widget) >= 0)
        return box;
    for (int i = 0; i < layout->count(); ++i)
        if (QBoxLayout* inner = boxHolding(layout->itemAt(i)->layout(), widget))
            return inner;
    return nullptr;
}

}  // namespace

ReadingCountBox::ReadingCountBox(MeterController& meter, QWidget* parent)
    : QWidget(parent),
      label_(new QLabel(this)),
      count_(new QSpinBox(this)),
      deviation_(new QLabel(this)),
      meter_(meter) {
    setObjectName(QStringLiteral("readingCountBox"));
    count_->setObjectName(QStringLiteral("spinBox_readings"));
    deviation_->setObjectName(QStringLiteral("label_readingDeviation"));
    count_->setRange(kMinReadings, kMaxReadings);
    count_->setValue(meter.readingCount());
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(6);
    layout->setVerticalSpacing(2);
    layout->addWidget(label_, 0, 0);
    layout->addWidget(count_, 0, 1);
    layout->setColumnStretch(2, 1);
    layout->addWidget(deviation_, 1, 0, 1, 3);
    // The line is kept while empty, so the page does not move when it fills.
    deviation_->setMinimumHeight(deviation_->fontMetrics().height());

    connect(count_, QOverload<int>::of(&QSpinBox::valueChanged), &meter,
            &MeterController::setReadingCount);
    connect(&meter, &MeterController::readingCountChanged, count_, &QSpinBox::setValue);
    connect(&meter, &MeterController::measured, this, &ReadingCountBox::showDeviation);
    retranslate();
}

ReadingCountBox* ReadingCountBox::placeBelow(QWidget* anchor, MeterController& meter) {
    if (!anchor || !anchor->parentWidget())
        return nullptr;
    QBoxLayout* box = boxHolding(anchor->parentWidget()->layout(), anchor);
    if (!box)
        return nullptr;
    // The anchor and the box share its place, one above the other, so the
    // row grows no wider.
    const int place = box->indexOf(anchor);
    const Qt::Alignment alignment = box->itemAt(place)->alignment();
    box->removeWidget(anchor);
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    column->addWidget(anchor, 0, alignment);
    auto* readings = new ReadingCountBox(meter, anchor->parentWidget());
    column->addWidget(readings);
    box->insertLayout(place, column);
    return readings;
}

void ReadingCountBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ReadingCountBox::retranslate() {
    label_->setText(tr("Readings:"));
    count_->setToolTip(tr("How many readings are averaged (1–10)"));
    if (last_)
        showDeviation(*last_);
}

void ReadingCountBox::showDeviation(const MeasuredColour& measurement) {
    last_ = measurement;
    if (measurement.readings <= 1) {
        deviation_->clear();
        return;
    }
    const Language language = meter_.library().messenger().language();
    deviation_->setText(QcText::ReadingDeviation.in(language).arg(
        QString::number(measurement.readings), QString::number(measurement.deviation.L, 'f', 2),
        QString::number(measurement.deviation.a, 'f', 2),
        QString::number(measurement.deviation.b, 'f', 2)));
}

}  // namespace colorcard
