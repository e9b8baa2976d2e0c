#pragma once

#include <QVector>

class FrameLayer;

// The current measurement of the meter: nineteen integers in the order L*,
// a*, b*; L*, u*, v*; L, C, h; Y, x, y; C, M, Y, K; R, G, B, in the units the
// meter sends them (hundredths and so on).
class MeasureMessages {
public:
    static constexpr int ValueCount = 19;

    explicit MeasureMessages(FrameLayer& frames);

    // 1, or -1 request not written, -2 no valid reply, -3 reply of the wrong
    // form. values is written only on success.
    int readMeasureData(QVector<int>& values);

private:
    FrameLayer& frames_;
};
