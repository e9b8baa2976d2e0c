// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class SimHidBackend;

// The demo's stand-in for a hand on the meter: plug and unplug it, choose the
// colour it measures, and swap in another instrument.
class DemoPanel : public QWidget {
    Q_OBJECT
public:
    explicit DemoPanel(SimHidBackend& backend, QWidget* parent = nullptr);

    // Puts colour under the meter: its next measurement, and the swatch.
    void showColour(const QColor& colour);

private:
    void chooseColour();
    void setPlugged(bool plugged);
    void swapInstrument(bool other);

    SimHidBackend& backend_;
    QCheckBox* plugged_;
    QLabel* swatch_;
};
