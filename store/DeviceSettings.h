// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

namespace colorcard {

// Reads the "meterno" INI file: rows MeterNo, Model, UIIndex, IsTarvik, Version,
// FlushEveryExchange for sections Device1, Device2, ... up to the first gap.
// FlushEveryExchange (not 0: the model wants the full flush read before every
// request) is optional and read as 0 when missing; older builds, which read
// only the first five keys, skip it.
QList<QVariantList> readDeviceSettings(const QString& filePath);

}  // namespace colorcard
