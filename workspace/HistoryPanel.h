// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;

namespace colorcard {

class HistoryFilterBar;
class LotView;
class QualityController;
class QualityHistoryModel;

// The QC history: filtered by lot, standard and dates, the latest
// comparisons in a table (judged again on request), the same comparisons
// seen together in the lot view, the pass rate and the CSV export.
class HistoryPanel : public QGroupBox {
    Q_OBJECT
public:
    // How many results the table lists.
    static constexpr int kHistoryRows = 20;

    HistoryPanel(QualityController& controller, QWidget* parent = nullptr);
    void retranslate();
    // Reads the history again, as filtered, for the standard chosen.
    void showHistory();
    // Whether the table judges again by the tolerance in force.
    bool rejudging() const;
    QualityHistoryModel& model() const { return *model_; }

private:
    // The run charts and shade groups of the comparisons the filter chooses.
    void showLotView();

    QualityController& controller_;
    QualityHistoryModel* model_ = nullptr;
    HistoryFilterBar* filter_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableView* table_ = nullptr;
    LotView* lotView_ = nullptr;
    QCheckBox* rejudge_ = nullptr;
    QLabel* passRate_ = nullptr;
    QPushButton* export_ = nullptr;
};

}  // namespace colorcard
