#include "Worksheet.h"

#include <algorithm>
#include <cmath>

Worksheet::Worksheet(const QString& name) : sheetName(name) {}

QVariant Worksheet::cell(int row, int column) const {
    if (row < 0 || column < 0 || row >= storedRowCount())
        return QVariant();
    const std::vector<QVariant>& cells = rows[row];
    if (column >= static_cast<int>(cells.size()))
        return QVariant();
    return cells[column];
}

QVariant Worksheet::normalized(const QVariant& value) {
    switch (static_cast<QMetaType::Type>(value.userType())) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Double:
        case QMetaType::Float:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::Bool: {
            const double number = value.toDouble();
            // The format has no way to store infinities or NaN.
            if (!std::isfinite(number))
                return QVariant();
            return QVariant(number);
        }
        case QMetaType::QString:
            return value.toString().isNull() ? QVariant(QString(QLatin1String(""))) : value;
        case QMetaType::QByteArray:
        case QMetaType::QChar:
            return QVariant(value.toString());
        default:
            return QVariant();
    }
}

void Worksheet::setCell(int row, int column, const QVariant& value) {
    if (row < 0 || column < 0 || row >= kMaxRows || column >= kMaxColumns)
        return;
    QVariant stored = normalized(value);
    if (!stored.isValid()) {
        if (row < storedRowCount() && column < static_cast<int>(rows[row].size()))
            rows[row][column] = QVariant();
        return;
    }
    if (row >= storedRowCount())
        rows.resize(row + 1);
    std::vector<QVariant>& cells = rows[row];
    if (column >= static_cast<int>(cells.size()))
        cells.resize(column + 1);
    cells[column] = std::move(stored);
}

CellRange Worksheet::usedRange() const {
    int firstRow = -1;
    int lastRow = -1;
    int firstColumn = kMaxColumns;
    int lastColumn = -1;
    for (int r = 0; r < storedRowCount(); ++r) {
        const std::vector<QVariant>& cells = rows[r];
        int first = -1;
        int last = -1;
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            if (cells[c].isValid()) {
                if (first < 0)
                    first = c;
                last = c;
            }
        }
        if (first < 0)
            continue;
        if (firstRow < 0)
            firstRow = r;
        lastRow = r;
        firstColumn = std::min(firstColumn, first);
        lastColumn = std::max(lastColumn, last);
    }
    CellRange range;
    if (firstRow < 0)
        return range;
    range.firstRow = firstRow;
    range.firstColumn = firstColumn;
    range.rowCount = lastRow - firstRow + 1;
    range.columnCount = lastColumn - firstColumn + 1;
    return range;
}

void Worksheet::setColumnWidth(int column, int width) {
    if (column < 0 || column >= kMaxColumns)
        return;
    if (width <= 0)
        widths.remove(column);
    else
        widths.insert(column, std::min(width, kMaxColumnWidth));
}
