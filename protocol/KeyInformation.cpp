// SPDX-License-Identifier: MIT
#include "protocol/KeyInformation.h"

#include "protocol/FrameBytes.h"

namespace colorcard {

KeyInformation KeyInformation::fromReply(const QByteArray& reply) {
    KeyInformation info;
    info.marker = FrameBytes::byteAt(reply, 6);
    info.unused = FrameBytes::byteAt(reply, 7);
    info.year = FrameBytes::wordAt(reply, 8);
    info.month = FrameBytes::byteAt(reply, 10);
    info.day = FrameBytes::byteAt(reply, 11);
    info.instrumentId = FrameBytes::longAt(reply, 12);
    info.meterNumber = FrameBytes::longAt(reply, 16);
    info.value = FrameBytes::wordAt(reply, 20);
    info.firmwareVersion = FrameBytes::wordAt(reply, 22);
    return info;
}

}  // namespace colorcard
