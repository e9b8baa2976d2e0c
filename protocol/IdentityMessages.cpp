// SPDX-License-Identifier: MIT
#include "protocol/IdentityMessages.h"

#include "checksum/Crc16.h"
#include "protocol/FrameBytes.h"
#include "protocol/FrameLayer.h"

namespace colorcard {

namespace {

constexpr int WriteTimeoutMs = 1000;
constexpr int KeyReplyTimeoutMs = 1000;
constexpr int ProductionReplyTimeoutMs = 6000;
constexpr int ShortestFrame = 8;

// An error reply is shorter than the expected one, so only its first bytes
// are there to look at.
bool isErrorReply(const QByteArray& reply, quint8 function, quint8 code) {
    return reply.size() >= 3 && FrameBytes::byteAt(reply, 1) == function &&
           FrameBytes::byteAt(reply, 2) == code;
}

}  // namespace

IdentityMessages::IdentityMessages(FrameLayer& frames) : frames_(frames) {}

MeterResult IdentityMessages::readKeyInformation(KeyInformation& info) {
    QByteArray request = FrameBytes::shortHeader(0x20, 5, 18);
    if (frames_.sendFrame(request, WriteTimeoutMs) < ShortestFrame)
        return MeterResult::NotWritten;

    QByteArray reply;
    const int received =
        frames_.receiveFrame(reply, KeyReplyTimeoutMs, KeyInformation::ReplyLength, true);
    if (received <= 0)
        return isErrorReply(reply, 0xA0, 4) ? MeterResult::Unsupported : MeterResult::NoReply;
    if (FrameBytes::byteAt(reply, 2) != 5 && FrameBytes::byteAt(reply, 6) != 0xA5)
        return MeterResult::BadReply;
    // The frame layer has verified this CRC already; kept so the record is
    // never filled from a corrupted reply whatever the frame layer does.
    if (crc16(reply, 24) != FrameBytes::wordAt(reply, 24))
        return MeterResult::CheckMismatch;
    info = KeyInformation::fromReply(reply);
    return MeterResult::Ok;
}

MeterResult IdentityMessages::readProductionInformation(ProductionInformation& info) {
    QByteArray request = FrameBytes::longHeader(0x40, 0, 20);
    if (frames_.sendFrame(request, WriteTimeoutMs) < ShortestFrame)
        return MeterResult::NotWritten;

    QByteArray reply;
    const int received = frames_.receiveFrame(reply, ProductionReplyTimeoutMs,
                                              ProductionInformation::ReplyLength, true);
    if (received < 1)
        return isErrorReply(reply, 0xC7, 8) ? MeterResult::Unsupported : MeterResult::NoReply;
    if (FrameBytes::byteAt(reply, 2) != 0 && FrameBytes::byteAt(reply, 6) != 20)
        return MeterResult::BadReply;
    if (crc16(reply.constData() + 8, 18) != FrameBytes::wordAt(reply, 26))
        return MeterResult::CheckMismatch;
    info = ProductionInformation::fromReply(reply);
    return MeterResult::Ok;
}

}  // namespace colorcard
