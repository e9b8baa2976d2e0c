// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>
#include <QVector>
#include <functional>

#include "colour/Tolerance.h"
#include "texts/Language.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace colorcard {

class QualityController;
class ToleranceExtrasPanel;

// The tolerance of the library shown: formula, its parameters and limit,
// warning level and axis limits, the library's or one standard's own; an
// edit judges at once and says whether it is saved. Under it the library's
// index and its 555 shade steps.
class TolerancePanel : public QGroupBox {
    Q_OBJECT
public:
    TolerancePanel(QualityController& controller, QWidget* parent = nullptr);
    void retranslate();
    // The library chosen on the page; the same library again keeps its edits.
    void showLibrary(const QString& libraryId, const QString& libraryName);
    // The model as edited, saved or not.
    ToleranceModel editorModel() const;
    // The editor follows a standard with a tolerance of its own.
    void standardToleranceFollows();
    // A tolerance saved or removed is loaded again when it is the shown
    // library's.
    void toleranceChanged(const QString& libraryId);
    // Asked before a tolerance is saved: false (after its message) keeps it
    // unsaved, as for a login that may not change the standards.
    void setStandardsGate(std::function<bool()> gate) { standardsGate_ = std::move(gate); }

signals:
    // The model in force changed by an edit.
    void edited();

private:
    Language language() const;
    void loadTolerance();
    void showToleranceTitle();
    void showToleranceParameters();
    Tolerance editorTolerance() const;
    // The standard whose own tolerance the editor shows; empty for the library's.
    QString editedColour() const;
    void ownToleranceToggled(bool own);
    // The tolerance as edited judges at once; says whether it is saved.
    void toleranceEdited();
    void showToleranceState();
    void saveTolerance();
    void fillFormulaCombo();
    void buildIndexRow();
    void retranslateIndex();
    void loadIndexSettings();
    void saveIndexSettings();

    QualityController& controller_;
    // The library shown on the page, and the one whose tolerance is edited.
    QString shownLibrary_;
    QString shownName_;
    QString toleranceLibrary_;

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
    std::function<bool()> standardsGate_;
    QLabel* toleranceState_ = nullptr;
    ToleranceExtrasPanel* extras_ = nullptr;

    QLabel* indexLabel_ = nullptr;
    QComboBox* indexCombo_ = nullptr;
    QLabel* indexConditions_ = nullptr;
    QLabel* stepsLabel_ = nullptr;
    QVector<QDoubleSpinBox*> steps_;  // ΔL*, ΔC*, ΔH*; 0 follows the ΔE limit
};

}  // namespace colorcard
