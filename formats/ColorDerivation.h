// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace colorcard {

// The nineteen values of a colour computed from its L*a*b*, for files that
// carry L*a*b* only. The stated conversion:
// - white point D65 (X 95.047, Y 100, Z 108.883), the one the meter's sRGB
//   values imply; CIE 1976 L*a*b* to XYZ, then L*u*v* and Yxy from XYZ
//   (x, y of black are the white point's 0.3127, 0.3290);
// - LCh: L*, C = hypot(a*, b*), h = atan2(b*, a*) in degrees, 0 to 360;
// - RGB: sRGB (IEC 61966-2-1 matrix and gamma companding), each channel
//   clipped to 0..1, then 0..255 rounded;
// - CMYK in percent from that RGB: K = 1 - max(R, G, B),
//   C = (1 - R - K) / (1 - K) (and M, Y alike), all 0 for black.
namespace ColorDerivation {

// In column order, unrounded apart from RGB (whole numbers) and CMYK, which
// is computed from the rounded RGB.
std::array<double, 19> fromLab(double L, double a, double b);

}  // namespace ColorDerivation

}  // namespace colorcard
