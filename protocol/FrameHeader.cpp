// SPDX-License-Identifier: MIT
#include "protocol/FrameHeader.h"

#include "protocol/FrameBytes.h"

namespace colorcard {

namespace {

constexpr quint8 KeyInformation = 0x20;
constexpr quint8 ReadMemory = 0x40;
constexpr quint8 MeasureData = 0x44;
constexpr quint8 WriteRecord = 0x70;
constexpr quint8 WriteData = 0x74;
constexpr int ShortHeader = 6;
constexpr int LongHeader = 8;
constexpr int CrcSize = 2;

}  // namespace

FrameHeader FrameHeader::of(const QByteArray& frame) {
    FrameHeader header;
    if (FrameBytes::byteAt(frame, 0) != FrameBytes::StartByte)
        return header;
    const quint8 function = FrameBytes::byteAt(frame, 1);
    switch (function) {
        case KeyInformation:
            if (frame.size() < ShortHeader)
                return header;
            header.address = FrameBytes::wordAt(frame, 2);
            header.length = FrameBytes::wordAt(frame, 4);
            break;
        case ReadMemory:
        case MeasureData:
        case WriteRecord:
        case WriteData:
            if (frame.size() < LongHeader)
                return header;
            header.address = FrameBytes::longAt(frame, 2);
            header.length = FrameBytes::wordAt(frame, 6);
            break;
        default:
            return header;
    }
    header.known = true;
    header.function = function;
    return header;
}

int FrameHeader::replyLength() const {
    if (!known)
        return 0;
    switch (function) {
        case KeyInformation:
            return ShortHeader + length + CrcSize;
        case WriteRecord:
        case WriteData:
            return LongHeader + CrcSize;
        default:
            return LongHeader + length + CrcSize;
    }
}

}  // namespace colorcard
