// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace colorcard {

// The L*a*b* values the program accepts from a workbook or the meter.
//
// L* is 0 to 100 for any surface relative to the white it is measured
// against; noise takes near-black a little below 0 and fluorescent or glossy
// samples above 100, hence -10 to 150. a* and b* of every real surface colour
// (the optimal colour limits under D50 and D65) stay within about +-170,
// hence +-200. Both bounds lie inside the meter's signed hundredths
// (+-327.67), so every accepted value can be written back to the meter, and
// far below where a check code's integer arithmetic overflows.
namespace LabRange {

inline constexpr double kLightnessMin = -10.0;
inline constexpr double kLightnessMax = 150.0;
inline constexpr double kChromaticLimit = 200.0;

// False for NaN and the infinities as well.
bool validLightness(double L);
bool validChromatic(double aOrB);
bool valid(double L, double a, double b);

// A value as a workbook cell or the store holds it: a decimal number
// (surrounding spaces allowed), inside the range of its component.
bool validLightnessText(const QString& L);
bool validChromaticText(const QString& aOrB);
bool validText(const QString& L, const QString& a, const QString& b);

}  // namespace LabRange

}  // namespace colorcard
