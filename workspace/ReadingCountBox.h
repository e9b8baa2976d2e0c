// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <optional>

#include "workflow/MeterController.h"

class QLabel;
class QSpinBox;

namespace colorcard {

// How many readings a measurement averages, chosen beside a measure button,
// with the standard deviations of L*, a*, b* of the last averaged
// measurement. The count is the meter controller's count of measurements
// into a library (the quality-control page keeps its own).
class ReadingCountBox : public QWidget {
    Q_OBJECT
public:
    ReadingCountBox(MeterController& meter, QWidget* parent = nullptr);

    // A box placed just below anchor, which keeps its place in the box
    // layout that holds it (null when no layout of the anchor's parent holds it).
    static ReadingCountBox* placeBelow(QWidget* anchor, MeterController& meter);

    QSpinBox* spinBox() const { return count_; }
    QLabel* deviationLabel() const { return deviation_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void showDeviation(const MeasuredColour& measurement);

    QLabel* label_;
    QSpinBox* count_;
    QLabel* deviation_;
    MeterController& meter_;
    std::optional<MeasuredColour> last_;
};

}  // namespace colorcard
