// SPDX-License-Identifier: MIT
#include "workflow/MeasurementAverage.h"

#include <cmath>

#include "colour/Tolerance.h"
#include "workflow/ColorValueTexts.h"

namespace colorcard {

namespace {

constexpr double kPi = 3.14159265358979323846;
// The hue angle, in tenths of a degree.
constexpr int kHueValue = 8;

}  // namespace

MeasuredColour averageMeasurements(const QVector<MeasuredColour>& readings) {
    MeasuredColour mean;
    if (readings.isEmpty())
        return mean;
    if (readings.size() == 1) {
        mean = readings.first();
        mean.readings = 1;
        mean.deviation = Lab{};
        return mean;
    }
    for (const MeasuredColour& reading : readings)
        if (reading.values.size() != ColorValueTexts::ValueCount)
            return mean;

    const double n = readings.size();
    QVector<Lab> labs;
    mean.values.resize(ColorValueTexts::ValueCount);
    for (int i = 0; i < ColorValueTexts::ValueCount; ++i) {
        double value = 0;
        if (i == kHueValue) {
            double sine = 0, cosine = 0;
            for (const MeasuredColour& reading : readings) {
                const double angle = reading.values[i] / 10.0 * kPi / 180.0;
                sine += std::sin(angle);
                cosine += std::cos(angle);
            }
            double degrees = std::atan2(sine, cosine) * 180.0 / kPi;
            if (degrees < 0)
                degrees += 360.0;
            value = degrees * 10.0;
            // 359.96° rounds to 3600 tenths, which the meter writes as 0.
            if (std::lround(value) >= 3600)
                value = 0;
        } else {
            for (const MeasuredColour& reading : readings)
                value += reading.values[i];
            value /= n;
        }
        mean.values[i] = int(std::lround(value));
    }
    for (const MeasuredColour& reading : readings)
        labs << reading.lab();
    mean.texts = ColorValueTexts::fromMeasurement(mean.values);
    mean.readings = readings.size();
    mean.deviation = averageReadings(labs).deviation;
    return mean;
}

}  // namespace colorcard
