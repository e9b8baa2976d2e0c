// SPDX-License-Identifier: MIT
#include "workspace/ColorDataOperatorWidget.h"

#include <QEvent>

#include "ui_ColorDataOperatorWidget.h"

ColorDataOperatorWidget::ColorDataOperatorWidget(QWidget* parent)
    : QWidget(parent), ui_(new Ui::ColorDataOperatorWidget) {
    ui_->setupUi(this);
}

ColorDataOperatorWidget::~ColorDataOperatorWidget() {
    delete ui_;
}

void ColorDataOperatorWidget::on_pushButton_delete_clicked() {
    emit signal_delete();
}

void ColorDataOperatorWidget::on_pushButton_reMeasure_clicked() {
    emit signal_reMeasure();
}

void ColorDataOperatorWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        ui_->retranslateUi(this);
    QWidget::changeEvent(event);
}
