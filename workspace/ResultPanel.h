// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>
#include <QVector>

#include "colour/Tolerance.h"

class QLabel;
class QPushButton;

namespace colorcard {

class AbPlotView;
class QualityController;

// The comparison on show: standard and sample swatches with their values,
// PASS, WARN or FAIL with what judged it, the differences, the direction in
// words, the library's index of the sample, the a*b* plot and the report.
class ResultPanel : public QGroupBox {
    Q_OBJECT
public:
    ResultPanel(QualityController& controller, QWidget* parent = nullptr);
    void retranslate();
    // The library chosen on the page: its index describes a sample measured
    // without a standard.
    void setLibraryShown(const QString& libraryId) { libraryShown_ = libraryId; }
    // The standard's swatch and values; a result judged against another
    // standard gives way.
    void showStandard();
    // The controller's last result, or nothing before the first sample.
    void showResult();
    void clearResult();
    // The last sample's result is on show (not cleared since).
    bool resultShown() const { return resultShown_; }
    // The plot of the comparison on show, else of the standard alone judged
    // by the model as edited.
    void showPlot(const ToleranceModel& edited);

private:
    void showSampleIndex();

    QualityController& controller_;
    QString libraryShown_;
    bool resultShown_ = false;
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
    QLabel* sampleIndex_ = nullptr;
    AbPlotView* plot_ = nullptr;
    QPushButton* saveReport_ = nullptr;
    QPushButton* printReport_ = nullptr;
};

}  // namespace colorcard
