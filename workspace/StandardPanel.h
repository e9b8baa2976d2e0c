// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

class QComboBox;
class QLabel;

namespace colorcard {

class QualityController;

// The standard: a library, then one of its colours (typing part of a name
// finds it). The lists follow the libraries and a standard chosen elsewhere.
class StandardPanel : public QGroupBox {
    Q_OBJECT
public:
    StandardPanel(QualityController& controller, QWidget* parent = nullptr);
    void retranslate();
    QString libraryId() const;
    QString libraryName() const;
    // The library listed again, its colours too.
    void fillLibraries();
    // The lists follow a standard chosen elsewhere (the nearest list).
    void followStandard();

signals:
    // Another library is shown, or the list was filled again.
    void libraryShown();

private:
    void libraryChosen();
    void fillColours();

    QualityController& controller_;
    QLabel* libraryLabel_ = nullptr;
    QComboBox* library_ = nullptr;
    QLabel* colourLabel_ = nullptr;
    QComboBox* colour_ = nullptr;
};

}  // namespace colorcard
