// SPDX-License-Identifier: MIT
#pragma once

#include <QVector>
#include <QWidget>

#include "workflow/QualityController.h"

class HistoryPanel;
class LotPanel;
class NearestPanel;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class ResultPanel;
class StandardPanel;
class ToleranceExtrasPanel;

// The quality-control page beside the library page: a standard chosen from
// any library (StandardPanel), the tolerance of its library, a sample
// measured with the meter and judged against it (ResultPanel), the standards
// nearest the sample (NearestPanel) and the history with its pass rate
// (HistoryPanel). The page composes them and edits the tolerance; the work
// is the quality controller's.
class QualityPage : public QWidget {
    Q_OBJECT
public:
    // The controller is the session's and outlives the page.
    explicit QualityPage(QualityController& controller, QWidget* parent = nullptr);

    QualityController& controller() { return controller_; }
    // Shows the catalogue texts (verdict, directions, formula names) in the
    // program's language; the form texts follow the translator.
    void setLanguage(const Language& language);

protected:
    void changeEvent(QEvent* event) override;

private:
    void build();
    void retranslate();
    Language language() const;

    // Another library is shown: its tolerance is edited.
    void libraryShown();
    void showStandard();
    // The a*b* plot of the comparison on show, else of the standard alone.
    void showPlot();
    void loadTolerance();
    void showToleranceTitle();
    void showToleranceParameters();
    Tolerance editorTolerance() const;
    ToleranceModel editorModel() const;
    // The standard whose own tolerance the editor shows; empty for the library's.
    QString editedColour() const;
    // The editor follows a standard with a tolerance of its own.
    void standardToleranceFollows();
    void ownToleranceToggled(bool own);
    // The tolerance as edited judges at once; says whether it is saved.
    void toleranceEdited();
    void showToleranceState();
    void saveTolerance();
    void fillFormulaCombo();
    // The library's whiteness, tint or yellowness index and its 555 shade
    // steps: one row under the tolerance (the result and the history show
    // the values).
    void buildIndexRow();
    void retranslateIndex();
    void loadIndexSettings();
    void saveIndexSettings();

    QualityController& controller_;
    // The library whose tolerance the editor shows.
    QString toleranceLibrary_;

    StandardPanel* standard_ = nullptr;
    ResultPanel* result_ = nullptr;
    NearestPanel* nearest_ = nullptr;
    HistoryPanel* history_ = nullptr;

    QGroupBox* toleranceBox_ = nullptr;
    QLabel* formulaLabel_ = nullptr;
    QComboBox* formulaCombo_ = nullptr;
    QLabel* cmcLLabel_ = nullptr;
    QDoubleSpinBox* cmcL_ = nullptr;
    QLabel* cmcCLabel_ = nullptr;
    QDoubleSpinBox* cmcC_ = nullptr;
    QLabel* kLLabel_ = nullptr;
    QDoubleSpinBox* kL_ = nullptr;
    QLabel* kCLabel_ = nullptr;
    QDoubleSpinBox* kC_ = nullptr;
    QLabel* kHLabel_ = nullptr;
    QDoubleSpinBox* kH_ = nullptr;
    QLabel* limitLabel_ = nullptr;
    QDoubleSpinBox* limit_ = nullptr;
    QPushButton* saveTolerance_ = nullptr;
    QLabel* toleranceState_ = nullptr;
    ToleranceExtrasPanel* extras_ = nullptr;

    QGroupBox* measureBox_ = nullptr;
    LotPanel* lotPanel_ = nullptr;
    QLabel* readingsLabel_ = nullptr;
    QSpinBox* readings_ = nullptr;
    QPushButton* measure_ = nullptr;

    QLabel* indexLabel_ = nullptr;
    QComboBox* indexCombo_ = nullptr;
    QLabel* indexConditions_ = nullptr;
    QLabel* stepsLabel_ = nullptr;
    QVector<QDoubleSpinBox*> steps_;  // ΔL*, ΔC*, ΔH*; 0 follows the ΔE limit
};
