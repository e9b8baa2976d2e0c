// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QButtonGroup;
class QPushButton;

namespace colorcard {

// The two pages of the window, one button each: the libraries and quality control.
class PageSwitcher : public QWidget {
    Q_OBJECT
public:
    enum Page { Libraries = 0, Quality = 1 };

    explicit PageSwitcher(QWidget* parent = nullptr);

    QPushButton* button(Page page) const;
    // Checks the page's button and reports it.
    void choose(Page page);

signals:
    void pageChosen(int page);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QButtonGroup* group_;
};

}  // namespace colorcard
