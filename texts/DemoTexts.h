// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

// The demo's panel that stands in for a hand on the simulated meter.
namespace DemoText {
inline constexpr BilingualText PanelTitle{"Simulated meter", "模拟仪器"};
inline constexpr BilingualText Plugged{"Meter plugged in", "仪器已插入"};
inline constexpr BilingualText AnotherInstrument{"Another instrument", "换用另一台仪器"};
inline constexpr BilingualText ChooseColour{"Colour under the meter...", "选择仪器下的颜色..."};
inline constexpr BilingualText ColourCaption{"Colour under the meter", "仪器下的颜色"};
}  // namespace DemoText
