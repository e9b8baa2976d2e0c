// SPDX-License-Identifier: MIT
#include "model/Quality.h"

#include <cmath>

namespace colorcard {

QString DifferenceMethod::code() const {
    switch (formula) {
        case DeltaEFormula::Cie76:
            return QStringLiteral("76");
        case DeltaEFormula::Cie94:
            return QStringLiteral("94");
        case DeltaEFormula::Cie94Textiles:
            return QStringLiteral("94t");
        case DeltaEFormula::Cmc:
            return QStringLiteral("cmc");
        case DeltaEFormula::Ciede2000:
            break;
    }
    return QStringLiteral("00");
}

std::optional<DeltaEFormula> DifferenceMethod::formulaFromCode(const QString& code) {
    const QString c = code.trimmed().toLower();
    if (c == QLatin1String("76"))
        return DeltaEFormula::Cie76;
    if (c == QLatin1String("94"))
        return DeltaEFormula::Cie94;
    if (c == QLatin1String("94t"))
        return DeltaEFormula::Cie94Textiles;
    if (c == QLatin1String("cmc"))
        return DeltaEFormula::Cmc;
    if (c == QLatin1String("00"))
        return DeltaEFormula::Ciede2000;
    return std::nullopt;
}

bool DifferenceMethod::valid() const {
    const auto positive = [](double x) { return std::isfinite(x) && x > 0; };
    switch (formula) {
        case DeltaEFormula::Cmc:
            return positive(l) && positive(c);
        case DeltaEFormula::Ciede2000:
            return positive(kL) && positive(kC) && positive(kH);
        default:
            return true;
    }
}

bool DifferenceMethod::operator==(const DifferenceMethod& other) const {
    if (formula != other.formula)
        return false;
    if (formula == DeltaEFormula::Cmc)
        return l == other.l && c == other.c;
    if (formula == DeltaEFormula::Ciede2000)
        return kL == other.kL && kC == other.kC && kH == other.kH;
    return true;
}

bool Tolerance::valid() const {
    return method.valid() && std::isfinite(limit) && limit > 0;
}

namespace {

bool positiveOrAbsent(const std::optional<double>& value) {
    return !value || (std::isfinite(*value) && *value > 0);
}

}  // namespace

bool AxisBounds::valid() const {
    return positiveOrAbsent(below) && positiveOrAbsent(above);
}

bool ToleranceModel::valid() const {
    return tolerance.valid() && positiveOrAbsent(warning) &&
           (!warning || *warning <= tolerance.limit) && lightness.valid() && chroma.valid() &&
           hue.valid();
}

}  // namespace colorcard
