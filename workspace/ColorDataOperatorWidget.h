// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace Ui {
class ColorDataOperatorWidget;
}

// The Delete and Re-measure buttons of one colour table row. The page finds
// the row from the widget's place in the table, so the signals carry nothing.
class ColorDataOperatorWidget : public QWidget {
    Q_OBJECT
public:
    explicit ColorDataOperatorWidget(QWidget* parent = nullptr);
    ~ColorDataOperatorWidget() override;

signals:
    void signal_delete();
    void signal_reMeasure();

public slots:
    void on_pushButton_delete_clicked();
    void on_pushButton_reMeasure_clicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    Ui::ColorDataOperatorWidget* ui_;
};
