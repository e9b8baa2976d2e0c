// SPDX-License-Identifier: MIT
#pragma once

#include <QVector>

#include "protocol/MeterResult.h"

namespace colorcard {

class FrameLayer;

// The current measurement of the meter: nineteen integers in the order L*,
// a*, b*; L*, u*, v*; L, C, h; Y, x, y; C, M, Y, K; R, G, B, in the units the
// meter sends them (hundredths and so on).
class MeasureMessages {
public:
    static constexpr int ValueCount = 19;

    explicit MeasureMessages(FrameLayer& frames);

    // Ok, NotWritten, NoReply (no valid reply) or BadReply (reply of the
    // wrong form). values is written only on success.
    MeterResult readMeasureData(QVector<int>& values);

private:
    FrameLayer& frames_;
};

}  // namespace colorcard
