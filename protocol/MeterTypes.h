// SPDX-License-Identifier: MIT
#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVector>

#include "colour/ColourDifference.h"

namespace colorcard {

// A measurement as the meter sent it and as it is shown and stored.
struct MeasuredColour {
    // The nineteen integers of the meter; R, G and B are the last three.
    QVector<int> values;
    // The nineteen value texts (ColorValueTexts).
    QStringList texts;
    // How many readings the values are the mean of, and the standard
    // deviations of their L*, a*, b* (0 for a single reading).
    int readings = 1;
    Lab deviation;

    // L*, a*, b* of the values.
    Lab lab() const {
        return {values.value(0) / 100.0, values.value(1) / 100.0, values.value(2) / 100.0};
    }
    int red() const { return values.value(16); }
    int green() const { return values.value(17); }
    int blue() const { return values.value(18); }
};
}  // namespace colorcard
Q_DECLARE_METATYPE(colorcard::MeasuredColour)
namespace colorcard {

// What identification found out about the attached meter.
struct MeterIdentity {
    enum class CompanyLabels { Unchanged, Hidden, Shown };

    // The model's name, "Unknown" for a meter the settings do not list, ""
    // once the meter is gone.
    QString model;
    CompanyLabels companyLabels = CompanyLabels::Unchanged;
};
}  // namespace colorcard
Q_DECLARE_METATYPE(colorcard::MeterIdentity)
