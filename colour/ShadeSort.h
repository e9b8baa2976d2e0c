// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QVector>

#include "colour/ColourDifference.h"

namespace colorcard {

// 555 shade sorting: samples of one standard get a three-digit code, one
// digit each for ΔL*, ΔC* and ΔH* (sample minus standard), 5 meaning within
// half a step of the standard; samples of one code may be used together.

// The step of each digit, in ΔE*ab units along its axis.
struct ShadeSteps {
    double L = 1;
    double C = 1;
    double H = 1;

    // Every step positive and finite.
    bool valid() const;
    static ShadeSteps uniform(double step) { return {step, step, step}; }
    bool operator==(const ShadeSteps& other) const {
        return L == other.L && C == other.C && H == other.H;
    }
};

struct ShadeCode {
    int L = 5;
    int C = 5;
    int H = 5;

    // "555".
    QString text() const;
    bool operator==(const ShadeCode& other) const {
        return L == other.L && C == other.C && H == other.H;
    }
    bool operator!=(const ShadeCode& other) const { return !(*this == other); }
};

// 5 + round(delta / step), halves away from zero, clamped to 1…9.
int shadeDigit(double delta, double step);
// ΔH* is signed like the hue-angle difference.
ShadeCode shadeCode(const Lab& standard, const Lab& sample, const ShadeSteps& steps);

// A sample against its standard (each sample may carry the standard it was
// compared with).
struct ShadePair {
    Lab standard;
    Lab sample;
};

struct ShadeGroup {
    ShadeCode code;
    QVector<int> members;  // indices of the samples, in their order
    int count() const { return members.size(); }
};

struct ShadeSorting {
    QVector<ShadeCode> codes;  // one per sample, in the samples' order
    QVector<int> groupOf;      // the index into groups of each sample
    // Darkest first (by the lightness digit, then chroma, then hue).
    QVector<ShadeGroup> groups;
};

ShadeSorting shadeSort(const QVector<ShadePair>& samples, const ShadeSteps& steps);

}  // namespace colorcard
