// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace colorcard {

// The texts a measurement is shown and stored as: the nineteen integers of
// the meter (L*, a*, b*; L*, u*, v*; L, C, h; Y, x, y; C, M, Y, K; R, G, B)
// in their units, hundredths and so on, written out in fixed notation.
class ColorValueTexts {
public:
    static constexpr int ValueCount = 19;

    // Nineteen texts in the same order; empty when values has not nineteen entries.
    static QStringList fromMeasurement(const QVector<int>& values);
    // value / 10^decimals with exactly that many decimals, "-" when negative.
    static QString fixed(int value, int decimals);
};

}  // namespace colorcard
