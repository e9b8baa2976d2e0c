// SPDX-License-Identifier: MIT
#include "workspace/OperatorWidget.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>

namespace colorcard {

namespace {

// The translation contexts stay those of the two forms this widget replaced.
const char* const kLibraryContext = "ColorCardOperatorWidget";
const char* const kColourContext = "ColorDataOperatorWidget";

OperatorWidget* ofUse(QObject* sender, OperatorWidget::Use use) {
    auto* widget = qobject_cast<OperatorWidget*>(sender);
    return widget && widget->use() == use ? widget : nullptr;
}

}  // namespace

OperatorWidget::OperatorWidget(Use use, QWidget* parent) : QWidget(parent), use_(use) {
    const bool library = use == Use::Library;
    setObjectName(QLatin1String(library ? kLibraryContext : kColourContext));
    resize(160, 23);
    auto* layout = new QHBoxLayout(this);
    layout->setObjectName(library ? QStringLiteral("horizontalLayout_colorCardOperatorWidget")
                                  : QStringLiteral("horizontalLayout_colorDataOperatorWidget"));
    layout->setSpacing(10);
    layout->setContentsMargins(0, 0, 0, 0);
    delete_ = new QPushButton(this);
    delete_->setObjectName(QStringLiteral("pushButton_delete"));
    layout->addWidget(delete_);
    second_ = new QPushButton(this);
    second_->setObjectName(library ? QStringLiteral("pushButton_modify")
                                   : QStringLiteral("pushButton_reMeasure"));
    layout->addWidget(second_);
    connect(delete_, &QPushButton::clicked, this, &OperatorWidget::signal_delete);
    connect(second_, &QPushButton::clicked, this,
            library ? &OperatorWidget::signal_modify : &OperatorWidget::signal_reMeasure);
    retranslate();
}

void OperatorWidget::retranslate() {
    // The texts keep the translation contexts of the two forms this widget replaced.
    if (use_ == Use::Library) {
        delete_->setText(QCoreApplication::translate("ColorCardOperatorWidget", "Delete"));
        delete_->setToolTip(QCoreApplication::translate(
            "ColorCardOperatorWidget",
            "Delete this library and all its colors (asks first).\nA locked library cannot be "
            "deleted."));
        second_->setText(QCoreApplication::translate("ColorCardOperatorWidget", "Modify"));
        second_->setToolTip(QCoreApplication::translate(
            "ColorCardOperatorWidget", "Change this library's name and description."));
    } else {
        delete_->setText(QCoreApplication::translate("ColorDataOperatorWidget", "Delete"));
        delete_->setToolTip(QCoreApplication::translate("ColorDataOperatorWidget",
                                                        "Delete this color (asks first)."));
        second_->setText(QCoreApplication::translate("ColorDataOperatorWidget", "Re-measure"));
        second_->setToolTip(QCoreApplication::translate(
            "ColorDataOperatorWidget",
            "Replace this color's values with a new measurement (asks first).\nNeeds a connected "
            "meter and a locked library."));
    }
}

void OperatorWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

OperatorWidget* libraryButtons(QObject* sender) {
    return ofUse(sender, OperatorWidget::Use::Library);
}

OperatorWidget* colourButtons(QObject* sender) {
    return ofUse(sender, OperatorWidget::Use::Colour);
}

}  // namespace colorcard
