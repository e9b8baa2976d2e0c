// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

namespace colorcard {

// The demo's panel that stands in for a hand on the simulated meter.
namespace DemoText {
inline constexpr BilingualText PanelTitle{
    "DemoText", QT_TRANSLATE_NOOP3("DemoText", "Simulated meter", "PanelTitle")};
inline constexpr BilingualText Plugged{
    "DemoText", QT_TRANSLATE_NOOP3("DemoText", "Meter plugged in", "Plugged")};
inline constexpr BilingualText AnotherInstrument{
    "DemoText", QT_TRANSLATE_NOOP3("DemoText", "Another instrument", "AnotherInstrument")};
inline constexpr BilingualText ChooseColour{
    "DemoText", QT_TRANSLATE_NOOP3("DemoText", "Colour under the meter...", "ChooseColour")};
inline constexpr BilingualText ColourCaption{
    "DemoText", QT_TRANSLATE_NOOP3("DemoText", "Colour under the meter", "ColourCaption")};
}  // namespace DemoText

}  // namespace colorcard
