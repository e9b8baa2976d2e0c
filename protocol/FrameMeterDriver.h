// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include "protocol/MeterDriver.h"

namespace colorcard {

class FrameLayer;

// The meter over the frame layer. Its standard colour card memory: the total
// record, one 48-byte information slot per library from InfoBaseAddress, and
// the colour stream from DataBaseAddress (all names, 20 bytes each, then all
// L*a*b* triples in the same order, signed hundredths), moved in packages of
// 256 bytes at consecutive addresses.
class FrameMeterDriver : public MeterDriver {
public:
    explicit FrameMeterDriver(FrameLayer& frames);

    bool linkOpen() const override;
    MeterOutcome identify(MeterInformation& information) override;
    MeterOutcome measure(MeasuredColour& reading) override;
    MeterOutcome readRecords(QVector<MeterLibraryRecord>& records,
                             const MeterLimits& limits = {}) override;
    MeterOutcome readLibraries(MeterLibraries& libraries, const MeterLimits& limits,
                               MeterProgress& progress) override;
    MeterOutcome writeLibraries(const MeterLibraries& libraries, MeterProgress& progress) override;

    // A stream value (hundredths) as stored: exactly two decimals, -5 -> "-0.05".
    static QString hundredthsText(qint16 value);
    // A value text as the stream carries it: hundredths with the decimals
    // beyond the second cut off, "12.345" -> 1234, "-0.5" -> -50, "7" -> 700;
    // 0 when the text is no number.
    static int streamHundredths(const QString& text);
    // The stream of colourTotal colours: all names (20 bytes each), then all
    // L*a*b* triples (6 bytes each), in the same order.
    static QVector<MeterColour> decodeStream(const QByteArray& stream, int colourTotal);

private:
    MeterOutcome readStream(int colourTotal, QByteArray& stream, MeterProgress& progress);
    MeterResult sendPackage(int packagesSent, const QByteArray& data, int length);

    FrameLayer& frames_;
};

}  // namespace colorcard
