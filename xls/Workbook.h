// SPDX-License-Identifier: MIT
#pragma once

#include <deque>

#include "xls/Worksheet.h"

namespace colorcard {

// A whole workbook held in memory: its worksheets in tab order.
class Workbook {
public:
    int sheetCount() const { return static_cast<int>(sheets.size()); }
    // 0-based.
    Worksheet& sheet(int index) { return sheets[index]; }
    const Worksheet& sheet(int index) const { return sheets[index]; }
    // Adds a worksheet at the end. The name is made one the format accepts:
    // 1 to 31 characters without : \\ / ? * [ ], not beginning or ending with
    // an apostrophe, unique regardless of case.
    Worksheet& addSheet(const QString& name);
    void removeSheet(int index);
    // Whether a worksheet has that name, regardless of case.
    bool hasSheet(const QString& name) const;

private:
    // A deque, so that references to added sheets stay valid as more are added.
    std::deque<Worksheet> sheets;
};

}  // namespace colorcard
