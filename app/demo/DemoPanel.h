// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <functional>

#include "texts/Language.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace colorcard {

class SimHidBackend;

// The demo's stand-in for a hand on the meter: plug and unplug it, choose the
// colour it measures, and swap in another instrument.
class DemoPanel : public QWidget {
    Q_OBJECT
public:
    // language: the language the window shows now (asked at every language change).
    explicit DemoPanel(
        SimHidBackend& backend, QWidget* parent = nullptr,
        std::function<Language()> language = [] { return Language::english(); });

    // Puts colour under the meter: its next measurement, and the swatch.
    void showColour(const QColor& colour);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void chooseColour();
    void setPlugged(bool plugged);
    void swapInstrument(bool other);

    SimHidBackend& backend_;
    std::function<Language()> language_;
    QCheckBox* plugged_;
    QCheckBox* other_;
    QPushButton* colour_;
    QLabel* swatch_;
};

}  // namespace colorcard
