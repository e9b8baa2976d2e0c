// SPDX-License-Identifier: MIT
#include "protocol/ProductionInformation.h"

#include "protocol/FrameBytes.h"

namespace colorcard {

ProductionInformation ProductionInformation::fromReply(const QByteArray& reply) {
    ProductionInformation info;
    info.type = FrameBytes::byteAt(reply, 8);
    info.unused = FrameBytes::byteAt(reply, 9);
    info.year = FrameBytes::wordAt(reply, 10);
    info.month = FrameBytes::byteAt(reply, 12);
    info.day = FrameBytes::byteAt(reply, 13);
    info.instrumentId = FrameBytes::longAt(reply, 14);
    info.meterNumber = FrameBytes::longAt(reply, 18);
    info.value = FrameBytes::wordAt(reply, 22);
    info.byte24 = FrameBytes::byteAt(reply, 24);
    info.byte25 = FrameBytes::byteAt(reply, 25);
    return info;
}

}  // namespace colorcard
