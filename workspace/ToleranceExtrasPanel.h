// SPDX-License-Identifier: MIT
#pragma once

#include <QVector>
#include <QWidget>

#include "model/Quality.h"
#include "texts/Language.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;

namespace colorcard {

// The part of a tolerance beyond formula and limit: the warning level, the
// limits on ΔL*, ΔC*, ΔH* (each side on its own) and whether the standard
// has a tolerance of its own. Zero in a box means "not set".
class ToleranceExtrasPanel : public QWidget {
    Q_OBJECT
public:
    explicit ToleranceExtrasPanel(QWidget* parent = nullptr);

    void setLanguage(const Language& language);
    // Shows the model's warning level and axis limits without signals.
    void showModel(const ToleranceModel& model);
    void setOwnTolerance(bool own, bool standardChosen);
    bool ownTolerance() const;
    // The warning level and axis limits as edited, into the model.
    void applyTo(ToleranceModel& model) const;

signals:
    void edited();
    void ownToleranceToggled(bool own);

private:
    QLabel* warningLabel_ = nullptr;
    QDoubleSpinBox* warning_ = nullptr;
    QLabel* axesLabel_ = nullptr;
    // ΔL* −, ΔL* +, ΔC* −, ΔC* +, ΔH* −, ΔH* +.
    QVector<QDoubleSpinBox*> axes_;
    QCheckBox* own_ = nullptr;
};

}  // namespace colorcard
