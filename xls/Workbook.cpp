// SPDX-License-Identifier: MIT
#include "xls/Workbook.h"

namespace colorcard {

namespace {
constexpr int kMaxSheetName = 31;
}

Worksheet& Workbook::addSheet(const QString& requested) {
    QString name = requested;
    for (QChar& ch : name) {
        if (QStringLiteral(":\\/?*[]").contains(ch) || ch.unicode() < 0x20)
            ch = QLatin1Char('_');
    }
    name = name.left(kMaxSheetName);
    if (name.startsWith(QLatin1Char('\'')))
        name[0] = QLatin1Char('_');
    if (name.endsWith(QLatin1Char('\'')))
        name[name.size() - 1] = QLatin1Char('_');
    if (name.trimmed().isEmpty())
        name = QStringLiteral("Sheet%1").arg(sheetCount() + 1);
    QString unique = name;
    for (int n = 2; hasSheet(unique); ++n) {
        const QString suffix = QStringLiteral(" (%1)").arg(n);
        unique = name.left(kMaxSheetName - suffix.size()) + suffix;
    }
    sheets.emplace_back(unique);
    return sheets.back();
}

void Workbook::removeSheet(int index) {
    if (index >= 0 && index < sheetCount())
        sheets.erase(sheets.begin() + index);
}

bool Workbook::hasSheet(const QString& name) const {
    for (const Worksheet& sheet : sheets) {
        if (sheet.name().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

}  // namespace colorcard
