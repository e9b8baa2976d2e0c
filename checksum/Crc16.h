// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace colorcard {

// CRC-16/MODBUS of the first count bytes: init 0xFFFF, reflected poly 0xA001.
quint16 crc16(const QByteArray& bytes, int count);
quint16 crc16(const char* bytes, int count);

}  // namespace colorcard
