// SPDX-License-Identifier: MIT
#include "checksum/Crc16.h"

#include <array>

namespace colorcard {

namespace {

// A byte at a time through a table of the eight shifts: every frame of a
// transfer is checked, bit by bit that was a noticeable share of its work.
constexpr std::array<quint16, 256> makeTable() {
    std::array<quint16, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        quint16 crc = static_cast<quint16>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<quint16>((crc >> 1) ^ 0xA001) : crc >> 1;
        table[static_cast<size_t>(byte)] = crc;
    }
    return table;
}

constexpr std::array<quint16, 256> kTable = makeTable();

}  // namespace

quint16 crc16(const char* bytes, int count) {
    quint16 crc = 0xFFFF;
    for (int i = 0; i < count; ++i)
        crc =
            static_cast<quint16>((crc >> 8) ^ kTable[(crc ^ static_cast<quint8>(bytes[i])) & 0xFF]);
    return crc;
}

quint16 crc16(const QByteArray& bytes, int count) {
    return crc16(bytes.constData(), qBound(0, count, bytes.size()));
}

}  // namespace colorcard
