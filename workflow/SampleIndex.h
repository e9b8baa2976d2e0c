// SPDX-License-Identifier: MIT
#pragma once

#include <QSettings>
#include <QString>

#include "colour/ColourIndices.h"
#include "texts/Language.h"

namespace colorcard {

// The whiteness, tint or yellowness index of a sample as the user reads it,
// under the measuring conditions of the settings.
namespace SampleIndex {

// The conditions the meter's L*a*b* are given under: the illuminant and
// observer of the open-format settings, D65/10° where they are missing.
MeasuringConditions conditions(const QSettings& settings);
MeasuringConditions conditions();

// "81.25", "81.25 (outside the formula's range)" ("81.25 *" when brief), or
// why there is no value ("not defined for D65/10°", "—" when brief); empty
// for no index.
QString valueText(ColourIndex index, const IndexValue& value, const MeasuringConditions& conditions,
                  const Language& language, bool brief = false);
// The index's name (its symbol when brief), then its value text: "CIE
// whiteness W 81.25", "W 81.25 *", "ASTM D1925 … (withdrawn): not defined
// for D65/10°"; empty for no index.
QString describe(ColourIndex index, const Lab& lab, const MeasuringConditions& conditions,
                 const Language& language, bool brief = false);

}  // namespace SampleIndex

}  // namespace colorcard
