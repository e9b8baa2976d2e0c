// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QVariantList>
#include <QtGlobal>

#include "checksum/CountCheckCode.h"

namespace colorcard {

// The three check codes that protect library records in exchange workbooks
// and in the meter, all CRC-16/MODBUS over defined byte strings. The count's
// (countCheckCode) lives with the CRC, as writing to the meter needs it too.

// values: L*, a*, b* of every colour in order, as texts or numbers.
quint16 dataCheckCode(const QVariantList& values);
quint16 infoCheckCode(const QString& name, const QString& description, int colorCount,
                      int dataCheck);

}  // namespace colorcard
