// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QString>

namespace colorcard {

// What a written file says about itself, and the CSV and CxF3 settings.
struct FormatWriteOptions {
    QString creator = QStringLiteral("ColorCard");
    QDateTime created = QDateTime::currentDateTime();
    // A UTF-8 byte-order mark first, so spreadsheet programs read Chinese names.
    bool byteOrderMark = false;
    // The CxF3 measuring conditions the L*a*b* values are given under.
    QString illuminant = QStringLiteral("D65");
    QString observer = QStringLiteral("10_Degree");
};

}  // namespace colorcard
