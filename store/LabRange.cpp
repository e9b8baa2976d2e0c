// SPDX-License-Identifier: MIT
#include "store/LabRange.h"

#include <cmath>

namespace colorcard {

namespace LabRange {

namespace {

// "nan", "inf" and texts that are no number at all fail here or on the bounds.
bool number(const QString& text, double* value) {
    bool ok = false;
    *value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(*value);
}

}  // namespace

bool validLightness(double L) {
    // Written so that NaN compares false.
    return L >= kLightnessMin && L <= kLightnessMax;
}

bool validChromatic(double aOrB) {
    return aOrB >= -kChromaticLimit && aOrB <= kChromaticLimit;
}

bool valid(double L, double a, double b) {
    return validLightness(L) && validChromatic(a) && validChromatic(b);
}

bool validLightnessText(const QString& L) {
    double value;
    return number(L, &value) && validLightness(value);
}

bool validChromaticText(const QString& aOrB) {
    double value;
    return number(aOrB, &value) && validChromatic(value);
}

bool validText(const QString& L, const QString& a, const QString& b) {
    return validLightnessText(L) && validChromaticText(a) && validChromaticText(b);
}

}  // namespace LabRange

}  // namespace colorcard
