// SPDX-License-Identifier: MIT
#include "workspace/OperatorWidget.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>

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
    // The form texts as the forms had them, each in its form's context.
    const char* const context = use_ == Use::Library ? kLibraryContext : kColourContext;
    const auto tr = [context](const char* text) {
        return QCoreApplication::translate(context, text);
    };
    delete_->setText(tr("删除"));
    if (use_ == Use::Library) {
        delete_->setToolTip(tr("删除此色卡库及其全部颜色（会先询问）。\n锁定的色卡库不能删除。"));
        second_->setText(tr("修改"));
        second_->setToolTip(tr("修改此色卡库的名称和描述。"));
    } else {
        delete_->setToolTip(tr("删除此颜色（会先询问）。"));
        second_->setText(tr("重测"));
        second_->setToolTip(
            tr("用仪器的新测量值替换此颜色的数值（会先询问）。\n需要：已连接仪器、已锁定色卡库。"));
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
