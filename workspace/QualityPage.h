// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <functional>

#include "workflow/QualityController.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace colorcard {

class HistoryPanel;
class LotPanel;
class NearestPanel;
class ResultPanel;
class StandardPanel;
class TolerancePanel;

// The quality-control page beside the library page: a standard chosen from
// any library (StandardPanel), the tolerance of its library
// (TolerancePanel), a sample measured with the meter in a lot and judged
// against it (ResultPanel), the standards nearest the sample (NearestPanel)
// and the history with its pass rate (HistoryPanel). The page composes them
// and passes on what one shows to the others; the work is the quality
// controller's.
class QualityPage : public QWidget {
    Q_OBJECT
public:
    // The controller is the session's and outlives the page.
    explicit QualityPage(QualityController& controller, QWidget* parent = nullptr);

    QualityController& controller() { return controller_; }
    // Asked before a tolerance is saved: false (after its message) keeps it
    // unsaved, as for a login that may not change the standards.
    void setStandardsGate(std::function<bool()> gate);
    // Shows the catalogue texts (verdict, directions, formula names) in the
    // program's language; the form texts follow the translator.
    void setLanguage(const Language& language);

protected:
    void changeEvent(QEvent* event) override;

private:
    void build();
    void retranslate();
    // Another library is shown: its tolerance is edited.
    void libraryShown();
    void showStandard();
    // The a*b* plot of the comparison on show, else of the standard alone.
    void showPlot();
    // The tolerance as edited judges the history's column and the plot.
    void toleranceEdited();

    QualityController& controller_;
    StandardPanel* standard_ = nullptr;
    TolerancePanel* tolerance_ = nullptr;
    ResultPanel* result_ = nullptr;
    NearestPanel* nearest_ = nullptr;
    HistoryPanel* history_ = nullptr;

    QGroupBox* measureBox_ = nullptr;
    LotPanel* lotPanel_ = nullptr;
    QLabel* readingsLabel_ = nullptr;
    QSpinBox* readings_ = nullptr;
    QPushButton* measure_ = nullptr;
};

}  // namespace colorcard
