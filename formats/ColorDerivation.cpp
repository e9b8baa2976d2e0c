// SPDX-License-Identifier: MIT
#include "formats/ColorDerivation.h"

#include <algorithm>
#include <cmath>

namespace colorcard {

namespace ColorDerivation {

namespace {

constexpr double kXn = 95.047, kYn = 100.0, kZn = 108.883;
constexpr double kPi = 3.14159265358979323846;

double inverseF(double t) {
    constexpr double d = 6.0 / 29.0;
    return t > d ? t * t * t : 3.0 * d * d * (t - 4.0 / 29.0);
}

double compand(double linear) {
    const double c =
        linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
    return std::clamp(c, 0.0, 1.0);
}

}  // namespace

std::array<double, 19> fromLab(double L, double a, double b) {
    const double fy = (L + 16.0) / 116.0;
    const double X = kXn * inverseF(fy + a / 500.0);
    const double Y = kYn * inverseF(fy);
    const double Z = kZn * inverseF(fy - b / 200.0);

    const double whiteDenominator = kXn + 15.0 * kYn + 3.0 * kZn;
    const double un = 4.0 * kXn / whiteDenominator, vn = 9.0 * kYn / whiteDenominator;
    const double denominator = X + 15.0 * Y + 3.0 * Z;
    const double up = denominator > 0 ? 4.0 * X / denominator : un;
    const double vp = denominator > 0 ? 9.0 * Y / denominator : vn;

    double h = std::atan2(b, a) * 180.0 / kPi;
    if (h < 0)
        h += 360.0;

    const double sum = X + Y + Z;
    const double x = sum > 0 ? X / sum : 0.3127, y = sum > 0 ? Y / sum : 0.3290;

    const double xs = X / 100.0, ys = Y / 100.0, zs = Z / 100.0;
    const double rgb[3] = {std::round(255.0 * compand(3.2406 * xs - 1.5372 * ys - 0.4986 * zs)),
                           std::round(255.0 * compand(-0.9689 * xs + 1.8758 * ys + 0.0415 * zs)),
                           std::round(255.0 * compand(0.0557 * xs - 0.2040 * ys + 1.0570 * zs))};
    const double K = 1.0 - std::max({rgb[0], rgb[1], rgb[2]}) / 255.0;
    const auto ink = [K](double channel) {
        return K >= 1.0 ? 0.0 : 100.0 * (1.0 - channel / 255.0 - K) / (1.0 - K);
    };

    return {L,
            a,
            b,
            L,
            13.0 * L * (up - un),
            13.0 * L * (vp - vn),
            L,
            std::hypot(a, b),
            h,
            Y,
            x,
            y,
            ink(rgb[0]),
            ink(rgb[1]),
            ink(rgb[2]),
            100.0 * K,
            rgb[0],
            rgb[1],
            rgb[2]};
}

}  // namespace ColorDerivation

}  // namespace colorcard
