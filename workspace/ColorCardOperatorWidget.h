// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace Ui {
class ColorCardOperatorWidget;
}

// The Delete and Modify buttons of one library table row. The page finds the
// row from the widget's place in the table, so the signals carry nothing.
class ColorCardOperatorWidget : public QWidget {
    Q_OBJECT
public:
    explicit ColorCardOperatorWidget(QWidget* parent = nullptr);
    ~ColorCardOperatorWidget() override;

signals:
    void signal_delete();
    void signal_modify();

public slots:
    void on_pushButton_delete_clicked();
    void on_pushButton_modify_clicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    Ui::ColorCardOperatorWidget* ui_;
};
