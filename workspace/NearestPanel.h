// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>
#include <QVector>

#include "colour/ColourDifference.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace colorcard {

class QualityController;

// The standards of every library nearest the last sample, by the formula
// chosen; a double click makes one the standard and judges the sample by it.
class NearestPanel : public QGroupBox {
    Q_OBJECT
public:
    NearestPanel(QualityController& controller, QWidget* parent = nullptr);
    void retranslate();
    void showNearest();

private:
    QualityController& controller_;
    // The formulas offered, in combo box order.
    QVector<DifferenceMethod> methods_;
    QLabel* formulaLabel_ = nullptr;
    QComboBox* formula_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* hint_ = nullptr;
};

}  // namespace colorcard
