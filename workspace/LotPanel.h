// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "texts/Language.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace colorcard {

class QualityController;

// Which lot the next comparisons go to: one chosen from the list, or a new
// one started with its name, operator and note.
class LotPanel : public QWidget {
    Q_OBJECT
public:
    explicit LotPanel(QualityController& controller, QWidget* parent = nullptr);

    void setLanguage(const Language& language);
    // The lots again, the current one chosen.
    void refresh();

private:
    void start();

    QualityController& controller_;
    QLabel* label_ = nullptr;
    QComboBox* lots_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* operator_ = nullptr;
    QLineEdit* note_ = nullptr;
    QPushButton* start_ = nullptr;
};

}  // namespace colorcard
