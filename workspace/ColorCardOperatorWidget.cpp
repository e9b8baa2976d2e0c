// SPDX-License-Identifier: MIT
#include "workspace/ColorCardOperatorWidget.h"

#include <QEvent>

#include "ui_ColorCardOperatorWidget.h"

ColorCardOperatorWidget::ColorCardOperatorWidget(QWidget* parent)
    : QWidget(parent), ui_(new Ui::ColorCardOperatorWidget) {
    ui_->setupUi(this);
}

ColorCardOperatorWidget::~ColorCardOperatorWidget() {
    delete ui_;
}

void ColorCardOperatorWidget::on_pushButton_delete_clicked() {
    emit signal_delete();
}

void ColorCardOperatorWidget::on_pushButton_modify_clicked() {
    emit signal_modify();
}

void ColorCardOperatorWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        ui_->retranslateUi(this);
    QWidget::changeEvent(event);
}
