// SPDX-License-Identifier: MIT
#include "checksum/Crc16.h"

quint16 crc16(const char* bytes, int count) {
    quint16 crc = 0xFFFF;
    for (int i = 0; i < count; ++i) {
        crc ^= static_cast<quint8>(bytes[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
    }
    return crc;
}

quint16 crc16(const QByteArray& bytes, int count) {
    return crc16(bytes.constData(), qBound(0, count, bytes.size()));
}
