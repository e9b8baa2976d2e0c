// SPDX-License-Identifier: MIT
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

#include "formats/FormatOptions.h"

namespace colorcard {

// The user's settings of the open formats, kept with the program's other
// settings: the CxF3 measuring conditions (illuminant and observer the
// L*a*b* values are given under) and whether CSV files start with a UTF-8
// byte-order mark (so spreadsheet programs read Chinese names).
namespace FormatSettings {

// The keys, in the group "OpenFormats".
inline constexpr const char* IlluminantKey = "OpenFormats/CxfIlluminant";
inline constexpr const char* ObserverKey = "OpenFormats/CxfObserver";
inline constexpr const char* ByteOrderMarkKey = "OpenFormats/CsvByteOrderMark";

// The illuminants a CxF3 TristimulusSpec names.
QStringList illuminants();
// "D50" for "d50"; empty when it is none of illuminants().
QString illuminant(const QString& text);
// "10_Degree" for "10", "10_Degree" or "10°"; likewise 2; empty otherwise.
QString observer(const QString& text);

// The settings of the program and of the command line (organisation and
// application "ColorCard").
QSettings* userSettings();
// The options the settings give, D65, 10_Degree and a byte-order mark where
// a setting is missing or holds no valid value.
FormatWriteOptions load(const QSettings& settings);
FormatWriteOptions load();

}  // namespace FormatSettings

}  // namespace colorcard
