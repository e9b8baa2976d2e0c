// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace colorcard {

// Function, address and length at the start of a request or reply: the long
// header (8 bytes) of functions 0x40, 0x44, 0x70 and 0x74, the short one
// (6 bytes, 16-bit address) of function 0x20. A reply that repeats these
// fields of its request is an echo of it.
struct FrameHeader {
    bool known = false;  // starts with 0xAB, a function of the protocol and its whole header
    quint8 function = 0;
    quint32 address = 0;
    quint16 length = 0;

    static FrameHeader of(const QByteArray& frame);
    // Length of the whole reply this header begins, CRC included: the data
    // follow the header of reads, identity and measure data; write
    // acknowledgements carry none. 0 when not known.
    int replyLength() const;

    bool operator==(const FrameHeader& other) const {
        return known == other.known && function == other.function && address == other.address &&
               length == other.length;
    }
    bool operator!=(const FrameHeader& other) const { return !(*this == other); }
};

}  // namespace colorcard
