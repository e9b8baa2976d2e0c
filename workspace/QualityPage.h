// SPDX-License-Identifier: MIT
#pragma once

#include <QVector>
#include <QWidget>
#include <functional>

#include "workflow/QualityController.h"

class AbPlotView;
class HistoryFilterBar;
class LotPanel;
class LotView;
class QTabWidget;
class ToleranceExtrasPanel;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

// The quality-control page beside the library page: a standard chosen from
// any library, a sample measured with the meter and judged against it (two
// swatches, the differences, PASS or FAIL, the direction in words), the
// tolerance of the chosen library, the standards nearest the sample and the
// history with its pass rate. The work is the quality controller's.
class QualityPage : public QWidget {
    Q_OBJECT
public:
    // How many results the history table lists.
    static constexpr int kHistoryRows = 20;

    // The controller is the session's and outlives the page.
    explicit QualityPage(QualityController& controller, QWidget* parent = nullptr);

    QualityController& controller() { return controller_; }
    // Asked before a tolerance is saved: false (after its message) keeps it
    // unsaved, as for a login that may not change the standards.
    void setStandardsGate(std::function<bool()> gate) { standardsGate_ = std::move(gate); }
    // Shows the catalogue texts (verdict, directions, formula names) in the
    // program's language; the form texts follow the translator.
    void setLanguage(const Language& language);

protected:
    void changeEvent(QEvent* event) override;

private:
    void build();
    void retranslate();
    Language language() const;

    void fillLibraries();
    void fillColours();
    void libraryChosen();
    void colourChosen(int index);
    void showStandard();
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
    void showResult();
    void clearResult();
    void showNearest();
    void nearestChosen(int row);
    void showHistory();
    // The run charts and shade groups of the comparisons the filter chooses.
    void showLotView();
    // The a*b* plot of the comparison on show, else of the standard alone.
    void showPlot();
    void fillFormulaCombos();
    QString libraryIdShown() const;
    // The library's whiteness, tint or yellowness index and its 555 shade
    // steps: one row under the tolerance, a line in the result, a column of
    // the history shown while any row has a value.
    void buildIndexRow();
    void retranslateIndex();
    void loadIndexSettings();
    void saveIndexSettings();
    void showSampleIndex();
    void showHistoryIndices(const QVector<QualityStore::HistoryEntry>& entries);

    QualityController& controller_;
    // The nearest-standard formulas offered, in combo box order.
    QVector<DifferenceMethod> nearestMethods_;
    // The library whose tolerance the editor shows.
    QString toleranceLibrary_;
    // The last sample's result is on show (not cleared since).
    bool resultShown_ = false;

    QGroupBox* standardBox_ = nullptr;
    QLabel* libraryLabel_ = nullptr;
    QComboBox* libraryCombo_ = nullptr;
    QLabel* colourLabel_ = nullptr;
    QComboBox* colourCombo_ = nullptr;

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
    std::function<bool()> standardsGate_;
    QLabel* toleranceState_ = nullptr;
    ToleranceExtrasPanel* extras_ = nullptr;
    LotPanel* lotPanel_ = nullptr;
    HistoryFilterBar* historyFilter_ = nullptr;
    QTabWidget* historyTabs_ = nullptr;
    LotView* lotView_ = nullptr;

    QGroupBox* measureBox_ = nullptr;
    QLabel* readingsLabel_ = nullptr;
    QSpinBox* readings_ = nullptr;
    QPushButton* measure_ = nullptr;

    QGroupBox* resultBox_ = nullptr;
    QLabel* standardCaption_ = nullptr;
    QLabel* standardSwatch_ = nullptr;
    QLabel* standardValues_ = nullptr;
    QLabel* sampleCaption_ = nullptr;
    QLabel* sampleSwatch_ = nullptr;
    QLabel* sampleValues_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* verdictDetail_ = nullptr;
    QLabel* rejudgedNote_ = nullptr;
    QVector<QLabel*> differenceNames_;
    QVector<QLabel*> differences_;
    QLabel* directions_ = nullptr;
    QLabel* deviation_ = nullptr;
    AbPlotView* plot_ = nullptr;
    QPushButton* saveReport_ = nullptr;

    QGroupBox* nearestBox_ = nullptr;
    QLabel* nearestFormulaLabel_ = nullptr;
    QComboBox* nearestFormula_ = nullptr;
    QTableWidget* nearest_ = nullptr;
    QLabel* nearestHint_ = nullptr;

    QGroupBox* historyBox_ = nullptr;
    QTableWidget* history_ = nullptr;
    QCheckBox* rejudge_ = nullptr;
    QLabel* passRate_ = nullptr;
    QPushButton* export_ = nullptr;

    QLabel* indexLabel_ = nullptr;
    QComboBox* indexCombo_ = nullptr;
    QLabel* indexConditions_ = nullptr;
    QLabel* stepsLabel_ = nullptr;
    QVector<QDoubleSpinBox*> steps_;  // ΔL*, ΔC*, ΔH*; 0 follows the ΔE limit
    QLabel* sampleIndex_ = nullptr;
};
