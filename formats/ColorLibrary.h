// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include "model/Colour.h"
#include "store/ColorCardStore.h"

namespace colorcard {

// One colour as the open formats carry it: its name and the nineteen value
// texts in the store's column order (L*a*b*, L*u*v*, LCh, Yxy, CMYK, RGB).
// An empty text is a value the colour does not hold.
struct FormatColor {
    QString name;
    QStringList values;
    int row = 0;  // where the file holds it, for messages: its line, data row or object
};

struct FormatLibrary {
    QString name;
    QString description;
    QVector<FormatColor> colors;
};

using FormatLibraries = QVector<FormatLibrary>;

// The value columns: their names in files, how a measurement writes them and
// the range of the meter's field that holds them.
namespace ColorColumns {

struct Rule {
    const char* header;  // as in the exchange workbook's data sheets
    int decimals;        // as a measurement stores the value
    double minimum;      // the meter's field: signed or unsigned 16 bits of
    double maximum;      // hundredths, tenths, ten-thousandths, or 8 bits
};

const Rule& rule(int column);
// "LabL", "Laba", ..., "RGBB".
QStringList headers();
// value with the column's decimals, as a measurement would store it.
QString format(int column, double value);
// The text as a plain decimal number ("-12.5", "3"): what the files carry.
bool isPlainNumber(const QString& text);

}  // namespace ColorColumns

namespace ColorLibraryStore {

// Every library of the store with its colours, in the store's order.
FormatLibraries read(ColorCardStore& store);
// One library of the store.
FormatLibrary fromStored(const Library& library, const QVector<Colour>& colours);
// The twenty parallel columns insertColorDataBatch takes: names, then values.
QList<QStringList> batchColumns(const FormatLibrary& library);

}  // namespace ColorLibraryStore

}  // namespace colorcard
