// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

namespace colorcard {

// Check code of a library total record, in the exchange workbook and in the
// meter alike: CRC-16/MODBUS of the count's two little-endian bytes.
quint16 countCheckCode(int count);

}  // namespace colorcard
