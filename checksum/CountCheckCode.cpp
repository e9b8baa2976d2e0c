// SPDX-License-Identifier: MIT
#include "checksum/CountCheckCode.h"

#include "checksum/Crc16.h"

namespace colorcard {

quint16 countCheckCode(int count) {
    const char bytes[2] = {static_cast<char>(count & 0xFF), static_cast<char>((count >> 8) & 0xFF)};
    return crc16(bytes, 2);
}

}  // namespace colorcard
