// SPDX-License-Identifier: MIT
#include "colour/ShadeSort.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace colorcard {

namespace {

constexpr int kLowest = 1;
constexpr int kHighest = 9;
constexpr int kCentre = 5;

// Steps of a millionth: a difference of half a step in decimals (0.15 of
// 0.3) is not pushed below the half by binary fractions.
constexpr double kQuantum = 1e6;

}  // namespace

bool ShadeSteps::valid() const {
    for (double step : {L, C, H})
        if (!std::isfinite(step) || step <= 0)
            return false;
    return true;
}

QString ShadeCode::text() const {
    return QStringLiteral("%1%2%3").arg(L).arg(C).arg(H);
}

int shadeDigit(double delta, double step) {
    if (!std::isfinite(delta) || !std::isfinite(step) || step <= 0)
        return kCentre;
    const double steps = std::round(delta / step * kQuantum) / kQuantum;
    // std::round takes halves away from zero; the clamp comes before the
    // conversion so a huge difference cannot overflow an int.
    const double digit = kCentre + std::round(steps);
    return int(std::clamp(digit, double(kLowest), double(kHighest)));
}

ShadeCode shadeCode(const Lab& standard, const Lab& sample, const ShadeSteps& steps) {
    const LabDifferences d = labDifferences(standard, sample);
    return {shadeDigit(d.dL, steps.L), shadeDigit(d.dC, steps.C), shadeDigit(d.dH, steps.H)};
}

ShadeSorting shadeSort(const QVector<ShadePair>& samples, const ShadeSteps& steps) {
    ShadeSorting result;
    for (const ShadePair& pair : samples)
        result.codes << shadeCode(pair.standard, pair.sample, steps);
    for (int i = 0; i < result.codes.size(); ++i) {
        const auto found =
            std::find_if(result.groups.begin(), result.groups.end(),
                         [&](const ShadeGroup& group) { return group.code == result.codes[i]; });
        if (found != result.groups.end())
            found->members << i;
        else
            result.groups << ShadeGroup{result.codes[i], {i}};
    }
    std::sort(result.groups.begin(), result.groups.end(),
              [](const ShadeGroup& a, const ShadeGroup& b) {
                  return std::make_tuple(a.code.L, a.code.C, a.code.H) <
                         std::make_tuple(b.code.L, b.code.C, b.code.H);
              });
    result.groupOf.fill(0, result.codes.size());
    for (int g = 0; g < result.groups.size(); ++g)
        for (int member : result.groups[g].members)
            result.groupOf[member] = g;
    return result;
}

}  // namespace colorcard
