#pragma once

#include <deque>

#include "Worksheet.h"

// A whole workbook held in memory: its worksheets in tab order.
class Workbook {
public:
    int sheetCount() const { return static_cast<int>(sheets.size()); }
    // 0-based.
    Worksheet& sheet(int index) { return sheets[index]; }
    const Worksheet& sheet(int index) const { return sheets[index]; }
    Worksheet& addSheet(const QString& name);
    void removeSheet(int index);

private:
    // A deque, so that references to added sheets stay valid as more are added.
    std::deque<Worksheet> sheets;
};
