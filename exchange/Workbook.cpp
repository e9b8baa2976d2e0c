#include "Workbook.h"

Worksheet& Workbook::addSheet(const QString& name) {
    sheets.emplace_back(name);
    return sheets.back();
}

void Workbook::removeSheet(int index) {
    if (index >= 0 && index < sheetCount())
        sheets.erase(sheets.begin() + index);
}
