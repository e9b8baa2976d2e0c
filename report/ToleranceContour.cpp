// SPDX-License-Identifier: MIT
#include "report/ToleranceContour.h"

#include <cmath>

namespace colorcard {

namespace {

// ΔE along a ray grows with the distance for every formula the program has,
// so the limit is bracketed by doubling and then found by bisection. 60
// halvings take any bracket below 1e-12 of its width.
template <typename Step>
double solve(double limit, Step deltaEAt) {
    double low = 0;
    double high = limit > 0 ? limit : 1;
    for (int i = 0; i < 60 && deltaEAt(high) < limit; ++i) {
        low = high;
        high *= 2;
    }
    for (int i = 0; i < 60; ++i) {
        const double middle = (low + high) / 2;
        (deltaEAt(middle) < limit ? low : high) = middle;
    }
    return (low + high) / 2;
}

}  // namespace

double contourRadius(const Lab& standard, const DifferenceMethod& method, double limit,
                     double angle) {
    const double ca = std::cos(angle), sa = std::sin(angle);
    return solve(limit, [&](double r) {
        return deltaE(standard, Lab{standard.L, standard.a + r * ca, standard.b + r * sa}, method);
    });
}

QVector<QPointF> toleranceContour(const Lab& standard, const DifferenceMethod& method, double limit,
                                  int points) {
    QVector<QPointF> contour;
    if (points < 3 || !(limit > 0))
        return contour;
    contour.reserve(points);
    for (int i = 0; i < points; ++i) {
        const double angle = 2 * M_PI * i / points;
        const double r = contourRadius(standard, method, limit, angle);
        contour.append(QPointF(standard.a + r * std::cos(angle), standard.b + r * std::sin(angle)));
    }
    return contour;
}

AxisLimits lightnessLimits(const Lab& standard, const DifferenceMethod& method, double limit) {
    auto along = [&](double sign) {
        return sign * solve(limit, [&](double r) {
                   return deltaE(standard, Lab{standard.L + sign * r, standard.a, standard.b},
                                 method);
               });
    };
    return {along(-1), along(1)};
}

}  // namespace colorcard
