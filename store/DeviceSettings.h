#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

// Reads the "meterno" INI file: rows MeterNo, Model, UIIndex, IsTarvik, Version
// for sections Device1, Device2, ... up to the first gap.
QList<QVariantList> readDeviceSettings(const QString& filePath);
