// SPDX-License-Identifier: MIT
#include "workspace/PageSwitcher.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>

namespace colorcard {

PageSwitcher::PageSwitcher(QWidget* parent) : QWidget(parent), group_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("pageSwitcher"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    const char* const names[] = {"pushButton_librariesPage", "pushButton_qualityPage"};
    for (int page = Libraries; page <= Quality; ++page) {
        auto* button = new QPushButton(this);
        button->setObjectName(QLatin1String(names[page]));
        button->setCheckable(true);
        // Like the language buttons: the pages' own buttons keep the focus.
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumWidth(120);
        group_->addButton(button, page);
        layout->addWidget(button);
    }
    group_->button(Libraries)->setChecked(true);
    connect(group_, &QButtonGroup::idClicked, this, &PageSwitcher::pageChosen);
    retranslate();
}

QPushButton* PageSwitcher::button(Page page) const {
    return qobject_cast<QPushButton*>(group_->button(page));
}

void PageSwitcher::choose(Page page) {
    group_->button(page)->setChecked(true);
    emit pageChosen(page);
}

void PageSwitcher::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void PageSwitcher::retranslate() {
    button(Libraries)->setText(tr("Libraries"));
    button(Quality)->setText(tr("Quality control"));
}

}  // namespace colorcard
