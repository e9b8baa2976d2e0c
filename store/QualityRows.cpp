// SPDX-License-Identifier: MIT
#include "store/QualityRows.h"

#include <QSqlQuery>

namespace colorcard::qualityrows {

QVariantList methodValues(const DifferenceMethod& method) {
    return {method.code(), method.l, method.c, method.kL, method.kC, method.kH};
}

QVariant optionalValue(const std::optional<double>& value) {
    return value ? QVariant(*value) : QVariant();
}

std::optional<double> optionalFrom(const QVariant& value) {
    return value.isNull() ? std::nullopt : std::optional<double>(value.toDouble());
}

std::optional<Verdict> verdictFromCode(const QString& code) {
    if (code == QLatin1String("pass"))
        return Verdict::Pass;
    if (code == QLatin1String("warn"))
        return Verdict::Warn;
    if (code == QLatin1String("fail"))
        return Verdict::Fail;
    return std::nullopt;
}

QVariantList extrasValues(const ToleranceModel& m) {
    return {optionalValue(m.warning),         optionalValue(m.lightness.below),
            optionalValue(m.lightness.above), optionalValue(m.chroma.below),
            optionalValue(m.chroma.above),    optionalValue(m.hue.below),
            optionalValue(m.hue.above)};
}

void readExtras(ToleranceModel& m, const QSqlQuery& q, int first) {
    m.warning = optionalFrom(q.value(first));
    AxisBounds* axes[] = {&m.lightness, &m.chroma, &m.hue};
    for (int i = 0; i < 3; ++i) {
        axes[i]->below = optionalFrom(q.value(first + 1 + 2 * i));
        axes[i]->above = optionalFrom(q.value(first + 2 + 2 * i));
    }
}

}  // namespace colorcard::qualityrows
