// SPDX-License-Identifier: MIT
#include "workspace/ToleranceExtrasPanel.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "texts/QcTexts.h"

namespace colorcard {

namespace {

QDoubleSpinBox* limitBox(QWidget* parent, const QString& name) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setDecimals(2);
    box->setRange(0, 100);
    box->setSingleStep(0.1);
    return box;
}

std::optional<double> setOrNot(const QDoubleSpinBox* box) {
    return box->value() > 0 ? std::optional<double>(box->value()) : std::nullopt;
}

}  // namespace

ToleranceExtrasPanel::ToleranceExtrasPanel(QWidget* parent) : QWidget(parent) {
    // Two short rows: the page shares its width with the history.
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(4);
    auto* first = new QHBoxLayout;
    auto* second = new QHBoxLayout;
    first->setSpacing(6);
    second->setSpacing(4);
    rows->addLayout(first);
    rows->addLayout(second);
    warningLabel_ = new QLabel(this);
    warning_ = limitBox(this, QStringLiteral("doubleSpinBox_warningLevel"));
    own_ = new QCheckBox(this);
    own_->setObjectName(QStringLiteral("checkBox_ownTolerance"));
    first->addWidget(warningLabel_);
    first->addWidget(warning_);
    first->addStretch(1);
    axesLabel_ = new QLabel(this);
    second->addWidget(axesLabel_);
    const char* const names[] = {"dLBelow", "dLAbove", "dCBelow", "dCAbove", "dHBelow", "dHAbove"};
    const char* const axes[] = {"ΔL*", "ΔC*", "ΔH*"};
    // ΔH* on a row of its own keeps the panel as narrow as the rows above.
    auto* third = new QHBoxLayout;
    third->setSpacing(4);
    rows->addLayout(third);
    for (int i = 0; i < 6; ++i) {
        if (i == 4) {
            second->addStretch(1);
            second = third;
        }
        if (i % 2 == 0)
            second->addWidget(new QLabel(QString::fromUtf8(axes[i / 2]), this));
        QDoubleSpinBox* box =
            limitBox(this, QStringLiteral("doubleSpinBox_") + QLatin1String(names[i]));
        // The side in the box itself; "none" replaces it while not set.
        box->setPrefix(i % 2 ? QStringLiteral("+") : QString::fromUtf8("−"));
        second->addWidget(box);
        axes_ << box;
        connect(box, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
                &ToleranceExtrasPanel::edited);
    }
    // The short ΔH* row has room for the long check box.
    second->addStretch(1);
    second->addWidget(own_);
    connect(warning_, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &ToleranceExtrasPanel::edited);
    connect(own_, &QCheckBox::toggled, this, &ToleranceExtrasPanel::ownToleranceToggled);
}

void ToleranceExtrasPanel::setLanguage(const Language& language) {
    warningLabel_->setText(QcText::WarningLevelLabel.in(language));
    warning_->setSpecialValueText(QcText::WarningLevelDefault.in(language));
    warning_->setToolTip(QcText::WarningLevelTip.in(language));
    axesLabel_->setText(QcText::AxisLimitsLabel.in(language));
    for (QDoubleSpinBox* box : axes_) {
        box->setSpecialValueText(QcText::AxisNoLimit.in(language));
        box->setToolTip(QcText::AxisLimitTip.in(language));
    }
    own_->setText(QcText::OwnTolerance.in(language));
}

void ToleranceExtrasPanel::showModel(const ToleranceModel& model) {
    const QSignalBlocker blocker(this);
    const QSignalBlocker warningBlocker(warning_);
    warning_->setValue(model.warning.value_or(0));
    const std::optional<double> values[] = {model.lightness.below, model.lightness.above,
                                            model.chroma.below,    model.chroma.above,
                                            model.hue.below,       model.hue.above};
    for (int i = 0; i < axes_.size(); ++i) {
        const QSignalBlocker axisBlocker(axes_[i]);
        axes_[i]->setValue(values[i].value_or(0));
    }
}

void ToleranceExtrasPanel::setOwnTolerance(bool own, bool standardChosen) {
    const QSignalBlocker blocker(own_);
    own_->setChecked(own && standardChosen);
    own_->setEnabled(standardChosen);
}

bool ToleranceExtrasPanel::ownTolerance() const {
    return own_->isChecked();
}

void ToleranceExtrasPanel::applyTo(ToleranceModel& model) const {
    model.warning = setOrNot(warning_);
    AxisBounds* bounds[] = {&model.lightness, &model.chroma, &model.hue};
    for (int i = 0; i < 3; ++i) {
        bounds[i]->below = setOrNot(axes_[2 * i]);
        bounds[i]->above = setOrNot(axes_[2 * i + 1]);
    }
}

}  // namespace colorcard
