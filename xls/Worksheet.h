// SPDX-License-Identifier: MIT
#pragma once

#include <QMap>
#include <QString>
#include <QVariant>
#include <vector>

namespace colorcard {

// The block of cells that hold something: 0-based first row and column, and
// the number of rows and columns up to the last filled cell. An empty sheet
// has zero counts.
struct CellRange {
    int firstRow = 0;
    int firstColumn = 0;
    int rowCount = 0;
    int columnCount = 0;

    bool isEmpty() const { return rowCount == 0 || columnCount == 0; }
};

// One worksheet of a workbook held in memory: a name, cells that are empty,
// numbers (double) or texts (QString), and explicit column widths.
class Worksheet {
public:
    // The limits of the .xls format.
    static constexpr int kMaxRows = 65536;
    static constexpr int kMaxColumns = 256;
    // Widths are in 1/256 of the width of the digit zero, as the file keeps them.
    static constexpr int kMaxColumnWidth = 255 * 256;
    // The longest text a cell keeps: what the format's shared string table
    // can hold in two records, since FreeXL reads no string over more.
    static constexpr int kMaxLatin1Text = 16444;
    static constexpr int kMaxText = 8221;

    // The name should be a valid sheet name (see Workbook::addSheet).
    explicit Worksheet(const QString& name = QString());

    const QString& name() const { return sheetName; }

    // 0-based; an invalid QVariant for an empty cell.
    QVariant cell(int row, int column) const;
    // Numbers become double cells, strings text cells (also the empty string,
    // which still counts as a used cell; too long texts are cut), anything
    // else clears the cell. Cells outside the format's limits are ignored.
    void setCell(int row, int column, const QVariant& value);

    CellRange usedRange() const;

    // The rows as stored, for writers that walk every cell: row r holds the
    // cells of columns 0 to size()-1, some of them possibly empty.
    int storedRowCount() const { return static_cast<int>(rows.size()); }
    const std::vector<QVariant>& storedRow(int row) const { return rows[row]; }

    // 0 when the column has no width of its own.
    int columnWidth(int column) const { return widths.value(column, 0); }
    void setColumnWidth(int column, int width);
    const QMap<int, int>& columnWidths() const { return widths; }
    // Gives columns without a width of their own that hold content wider
    // than the default column a width that shows it.
    void fitColumnWidths();

    // The value as a cell holds it, or an invalid QVariant for "empty".
    static QVariant normalized(const QVariant& value);

private:
    QString sheetName;
    std::vector<std::vector<QVariant>> rows;
    QMap<int, int> widths;
};

}  // namespace colorcard
