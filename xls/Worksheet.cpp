// SPDX-License-Identifier: MIT
#include "xls/Worksheet.h"

#include <algorithm>
#include <cmath>

namespace colorcard {

namespace {

// Default column width in characters, and the widest one fitting gives.
constexpr int kDefaultColumnChars = 8;
constexpr int kMaxFittedChars = 60;

bool fitsLatin1(const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() > 0xFF)
            return false;
    }
    return true;
}

QString storableText(const QString& text) {
    if (text.size() <= Worksheet::kMaxText)
        return text;
    const int limit = fitsLatin1(text) ? Worksheet::kMaxLatin1Text : Worksheet::kMaxText;
    if (text.size() <= limit)
        return text;
    QString cut = text.left(limit);
    if (cut.at(cut.size() - 1).isHighSurrogate())
        cut.chop(1);
    return cut;
}

// Width of a cell's content in characters, wide (CJK) ones counting double.
int displayWidth(const QVariant& value) {
    if (value.userType() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', 15).size();
    const QString text = value.toString();
    int width = 0;
    for (const QChar ch : text)
        width += ch.unicode() >= 0x1100 ? 2 : 1;
    return width;
}

}  // namespace

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
        case QMetaType::QByteArray:
        case QMetaType::QChar: {
            const QString text = value.toString();
            if (text.isNull())
                return QVariant(QString(QLatin1String("")));
            if (text.size() > kMaxText)
                return QVariant(storableText(text));
            return value.userType() == QMetaType::QString ? value : QVariant(text);
        }
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

void Worksheet::fitColumnWidths() {
    std::vector<int> content(kMaxColumns, 0);
    for (const std::vector<QVariant>& cells : rows) {
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            if (cells[c].isValid() && !widths.contains(c))
                content[c] = std::max(content[c], std::min(displayWidth(cells[c]), 255));
        }
    }
    for (int c = 0; c < kMaxColumns; ++c) {
        if (content[c] > kDefaultColumnChars)
            widths.insert(c, (std::min(content[c], kMaxFittedChars) + 2) * 256);
    }
}

}  // namespace colorcard
