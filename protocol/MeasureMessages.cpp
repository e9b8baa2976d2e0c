// SPDX-License-Identifier: MIT
#include "protocol/MeasureMessages.h"

#include "protocol/FrameBytes.h"
#include "protocol/FrameLayer.h"

namespace colorcard {

namespace {

constexpr int WriteTimeoutMs = 1000;
constexpr int ReplyTimeoutMs = 6000;
constexpr int ReplyLength = 64;
constexpr int ShortestFrame = 8;

}  // namespace

MeasureMessages::MeasureMessages(FrameLayer& frames) : frames_(frames) {}

MeterResult MeasureMessages::readMeasureData(QVector<int>& values) {
    QByteArray request = FrameBytes::longHeader(0x44, 0, 54);
    if (frames_.sendFrame(request, WriteTimeoutMs) < ShortestFrame)
        return MeterResult::NotWritten;

    QByteArray reply;
    if (frames_.receiveFrame(reply, ReplyTimeoutMs, ReplyLength, true) < 1)
        return MeterResult::NoReply;
    if (FrameBytes::byteAt(reply, 2) != 0 && FrameBytes::byteAt(reply, 5) != 0)
        return MeterResult::BadReply;

    QVector<int> decoded;
    decoded.reserve(ValueCount);
    for (int offset = 8; offset < 20; offset += 2)  // L*a*b*, L*u*v*
        decoded.append(FrameBytes::signedWordAt(reply, offset));
    for (int offset = 20; offset < 32; offset += 2)  // LCh, Yxy
        decoded.append(FrameBytes::wordAt(reply, offset));
    for (int offset = 32; offset < 39; ++offset)  // CMYK, RGB
        decoded.append(FrameBytes::byteAt(reply, offset));
    values = decoded;
    return MeterResult::Ok;
}

}  // namespace colorcard
