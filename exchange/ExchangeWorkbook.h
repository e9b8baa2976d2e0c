// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include "store/ColorCardStore.h"

namespace colorcard {

// The exchange workbook: worksheet 1 lists the libraries with their check
// codes and, below row 49, the name, L, a and b of every colour; worksheet
// k + 1 holds every value of the colours of library k. Rows are built in
// memory, each sheet to be written with one block write.
class ExchangeWorkbook {
public:
    // Rows 3 to 48 of the library sheet are the library area.
    static constexpr int kLibraryAreaRows = 48;
    // Columns of a data sheet: the name and the nineteen values.
    static constexpr int kDataColumns = 20;
    // Beyond this the data check code's byte string would exceed its limit.
    static constexpr int kMaxColorsPerLibrary = 10000;

    // "Name", "LabL", ..., "RGBB".
    static QStringList dataHeader();

    // The libraries with their colours, as the store returned them.
    // Texts stay texts; the library count and the two check codes are
    // numbers; a library without colours gets empty D and E.
    static QList<QVariantList> librarySheet(const QString& meterNumber,
                                            const QVector<Library>& libraries);
    // The header, then one row of twenty texts per colour.
    static QList<QVariantList> dataSheet(const QVector<Colour>& colors);
    // L*, a*, b* of every colour, for the data check code.
    static QVariantList labValues(const QVector<Colour>& colors);

    // Cells as they come back from a workbook: numbers, texts or invalid.
    // Text of a cell; a number as with precision 15 ("45", "52.31").
    static QString cellText(const QVariant& cell);
    // Number of a number cell or of a text that reads as one, else 0.
    static double cellNumber(const QVariant& cell);
    static int cellInt(const QVariant& cell);
    static uint cellUInt(const QVariant& cell);
    // The colour count of a library row: a number cell holding an integer or
    // a text of an integer (surrounding spaces allowed). False for anything
    // else ("", "3.0", "abc", 2.5), which no count may be read from.
    static bool cellCount(const QVariant& cell, int* count);
    // A cell that holds nothing: invalid, or a text of spaces only.
    static bool cellEmpty(const QVariant& cell);
    // L*, a*, b* of a data sheet row are each empty (read as 0) or a finite
    // number inside LabRange, as a number cell or a numeric text.
    static bool labCellsValid(const QVariantList& row);

    // The twenty texts to store for one data sheet row (missing cells count
    // as empty). Name and CMYK M, Y, K, RGB keep their cell text; L*, a*, b*
    // are fixed with two decimals (as the check code and the colour key see
    // them, an empty cell giving "0.00"). The other values keep a numeric
    // text as written, so h, x and y keep their precision and values that
    // were never measured stay empty; a number cell gets the decimals a
    // measurement gives that value, a text that is no number "0.00".
    static QStringList colorTexts(const QVariantList& row);
    // "name:L:a:b" of the texts colorTexts gave.
    static QString colorKey(const QStringList& texts);
};

}  // namespace colorcard
