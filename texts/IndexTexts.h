// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

namespace colorcard {

// Texts of the whiteness, tint and yellowness indices and of 555 shade sorting.
namespace IndexText {

inline constexpr BilingualText NoIndex{"IndexText",
                                       QT_TRANSLATE_NOOP3("IndexText", "No index", "NoIndex")};
inline constexpr BilingualText CieWhiteness{
    "IndexText", QT_TRANSLATE_NOOP3("IndexText", "CIE whiteness W", "CieWhiteness")};
inline constexpr BilingualText CieTint{"IndexText",
                                       QT_TRANSLATE_NOOP3("IndexText", "CIE tint T", "CieTint")};
inline constexpr BilingualText E313Yellowness{
    "IndexText", QT_TRANSLATE_NOOP3("IndexText", "ASTM E313 yellowness YI", "E313Yellowness")};
inline constexpr BilingualText D1925Yellowness{
    "IndexText",
    QT_TRANSLATE_NOOP3("IndexText", "ASTM D1925 yellowness YI (withdrawn)", "D1925Yellowness")};

// Beside a value outside the formula's range of validity.
inline constexpr BilingualText OutOfRange{
    "IndexText", QT_TRANSLATE_NOOP3("IndexText", "outside the formula's range", "OutOfRange")};
// In place of a value. %1: the measuring conditions ("D65/10°").
inline constexpr BilingualText NoWhitePoint{
    "IndexText", QT_TRANSLATE_NOOP3("IndexText", "no white point known for %1", "NoWhitePoint")};
inline constexpr BilingualText NotForConditions{
    "IndexText", QT_TRANSLATE_NOOP3("IndexText", "not defined for %1", "NotForConditions")};
inline constexpr BilingualText Undefined{
    "IndexText", QT_TRANSLATE_NOOP3("IndexText", "not defined for this colour", "Undefined")};

// The quality page: the index and the shade steps of the chosen library.
inline constexpr BilingualText IndexLabel{"IndexText",
                                          QT_TRANSLATE_NOOP3("IndexText", "Index:", "IndexLabel")};
// %1: the measuring conditions.
inline constexpr BilingualText IndexConditions{
    "IndexText", QT_TRANSLATE_NOOP3("IndexText", "under %1", "IndexConditions")};
inline constexpr BilingualText ShadeStepsLabel{
    "IndexText", QT_TRANSLATE_NOOP3("IndexText", "555 steps:", "ShadeStepsLabel")};
// A shade step of 0 follows the tolerance.
inline constexpr BilingualText StepIsLimit{"IndexText",
                                           QT_TRANSLATE_NOOP3("IndexText", "limit", "StepIsLimit")};
inline constexpr BilingualText IndexColumn{"IndexText",
                                           QT_TRANSLATE_NOOP3("IndexText", "Index", "IndexColumn")};
inline constexpr BilingualText IndexSaveFailed{
    "IndexText", QT_TRANSLATE_NOOP3("IndexText", "Could not save the library's index settings: %1",
                                    "IndexSaveFailed")};
inline constexpr BilingualText IndexReadFailed{
    "IndexText", QT_TRANSLATE_NOOP3("IndexText", "Could not read the library's index settings: %1",
                                    "IndexReadFailed")};

// The command line.
inline constexpr BilingualText IndexSummary{
    "IndexText",
    QT_TRANSLATE_NOOP3("IndexText", "Whiteness, tint or yellowness index of an L*a*b* colour.",
                       "IndexSummary")};
inline constexpr BilingualText IndexOption{
    "IndexText",
    QT_TRANSLATE_NOOP3("IndexText",
                       "The index: cie-whiteness, cie-tint, e313-yellowness or d1925-yellowness.",
                       "IndexOption")};
inline constexpr BilingualText ConditionsOption{
    "IndexText",
    QT_TRANSLATE_NOOP3(
        "IndexText",
        "Illuminant/observer of the L*a*b*, such as D65/10 (default: the settings, D65/10).",
        "ConditionsOption")};
inline constexpr BilingualText JsonValueOption{
    "IndexText", QT_TRANSLATE_NOOP3("IndexText", "Prints the result as JSON.", "JsonValueOption")};
inline constexpr BilingualText NoIndexChosen{
    "IndexText",
    QT_TRANSLATE_NOOP3(
        "IndexText",
        "--index is required (cie-whiteness, cie-tint, e313-yellowness or d1925-yellowness)",
        "NoIndexChosen")};
inline constexpr BilingualText UnknownIndex{
    "IndexText",
    QT_TRANSLATE_NOOP3(
        "IndexText",
        "unknown index %1 (cie-whiteness, cie-tint, e313-yellowness or d1925-yellowness)",
        "UnknownIndex")};
inline constexpr BilingualText BadConditions{
    "IndexText",
    QT_TRANSLATE_NOOP3("IndexText",
                       "--conditions must be ILLUMINANT/OBSERVER such as D65/10 or C/2, not %1",
                       "BadConditions")};

inline constexpr BilingualText ShadeSortSummary{
    "IndexText",
    QT_TRANSLATE_NOOP3("IndexText",
                       "555 shade codes and groups of the samples compared with a standard.",
                       "ShadeSortSummary")};
inline constexpr BilingualText StandardOption{
    "IndexText",
    QT_TRANSLATE_NOOP3("IndexText", "The standard: LIBRARY/COLOUR, each an identifier or a name.",
                       "StandardOption")};
inline constexpr BilingualText NoStandardChosen{
    "IndexText",
    QT_TRANSLATE_NOOP3("IndexText", "--standard LIBRARY/COLOUR is required", "NoStandardChosen")};
// %1: what was given.
inline constexpr BilingualText NoStandard{
    "IndexText", QT_TRANSLATE_NOOP3("IndexText", "no standard %1 (LIBRARY/COLOUR)", "NoStandard")};
// %1: the colour name, %2: how many.
inline constexpr BilingualText AmbiguousColour{
    "IndexText", QT_TRANSLATE_NOOP3("IndexText", "%2 colours are named %1; give the identifier",
                                    "AmbiguousColour")};

}  // namespace IndexText

}  // namespace colorcard
