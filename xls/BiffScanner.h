// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QMap>
#include <utility>
#include <vector>

namespace colorcard {

// What the scan collects of one sheet.
struct SheetLayout {
    // column -> width in 1/256 characters
    QMap<int, int> columnWidths;
    // (row, column) of blank cells: cells without a value that still exist.
    std::vector<std::pair<int, int>> blanks;
};

// Walks the records of a BIFF5/BIFF8 workbook stream before FreeXL sees it:
// refuses streams that are cut short, malformed or encrypted, and collects
// what FreeXL does not report (the column widths of each sheet).
class BiffScanner {
public:
    enum class Result { Ok, NotWorkbook, Encrypted };

    // sheets receives one layout per sheet of the workbook's sheet list.
    static Result scan(const QByteArray& stream, std::vector<SheetLayout>* sheets);
};

}  // namespace colorcard
