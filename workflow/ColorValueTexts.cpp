// SPDX-License-Identifier: MIT
#include "workflow/ColorValueTexts.h"

#include <cstdlib>

namespace colorcard {

namespace {

// Decimals of each value: 2 for the hundredths, 1 for h, 4 for x and y,
// 0 for the whole numbers of CMYK and RGB.
constexpr int kDecimals[ColorValueTexts::ValueCount] = {2, 2, 2, 2, 2, 2, 2, 2, 1, 2,
                                                        4, 4, 0, 0, 0, 0, 0, 0, 0};

}  // namespace

QString ColorValueTexts::fixed(int value, int decimals) {
    if (decimals <= 0)
        return QString::number(value);
    // Integer arithmetic, so no value ever picks up a binary rounding error.
    qint64 divisor = 1;
    for (int i = 0; i < decimals; ++i)
        divisor *= 10;
    const qint64 magnitude = std::llabs(qint64(value));
    const QString whole = QString::number(magnitude / divisor);
    const QString fraction =
        QStringLiteral("%1").arg(magnitude % divisor, decimals, 10, QLatin1Char('0'));
    return (value < 0 ? QStringLiteral("-") : QString()) + whole + QLatin1Char('.') + fraction;
}

QStringList ColorValueTexts::fromMeasurement(const QVector<int>& values) {
    QStringList texts;
    if (values.size() != ValueCount)
        return texts;
    texts.reserve(ValueCount);
    for (int i = 0; i < ValueCount; ++i)
        texts << fixed(values[i], kDecimals[i]);
    return texts;
}

}  // namespace colorcard
