// SPDX-License-Identifier: MIT
#include "exchange/ExchangeWorkbook.h"

#include <cmath>
#include <limits>

#include "exchange/CheckCodes.h"
#include "store/LabRange.h"

namespace colorcard {

namespace {

bool isNumber(const QVariant& cell) {
    return cell.userType() == QMetaType::Double || cell.userType() == QMetaType::Int ||
           cell.userType() == QMetaType::LongLong || cell.userType() == QMetaType::UInt;
}

// Decimals a measurement gives the value of a data sheet column (4 to 13);
// -1 for CMYK C, an integer kept as its cell text.
int measuredDecimals(int column) {
    switch (column) {
        case 9:  // LChh
            return 1;
        case 11:  // Yxyx
        case 12:  // Yxyy
            return 4;
        case 13:  // CMYKC
            return -1;
        default:
            return 2;
    }
}

QString fixed(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

}  // namespace

QStringList ExchangeWorkbook::dataHeader() {
    return {QStringLiteral("Name"),  QStringLiteral("LabL"),  QStringLiteral("Laba"),
            QStringLiteral("Labb"),  QStringLiteral("LuvL"),  QStringLiteral("Luvu"),
            QStringLiteral("Luvv"),  QStringLiteral("LChL"),  QStringLiteral("LChC"),
            QStringLiteral("LChh"),  QStringLiteral("YxyY"),  QStringLiteral("Yxyx"),
            QStringLiteral("Yxyy"),  QStringLiteral("CMYKC"), QStringLiteral("CMYKM"),
            QStringLiteral("CMYKY"), QStringLiteral("CMYKK"), QStringLiteral("RGBR"),
            QStringLiteral("RGBG"),  QStringLiteral("RGBB")};
}

QList<QVariantList> ExchangeWorkbook::librarySheet(const QString& meterNumber,
                                                   const QVector<Library>& libraries) {
    QList<QVariantList> rows;
    int colorRows = 0;
    for (const Library& library : libraries)
        colorRows += library.colours.size();
    rows.reserve(qMax(kLibraryAreaRows, libraries.size() + 2) + 1 + colorRows);

    // The first row sets the block's width: five columns. A1 stays a used
    // cell even without a meter number, so the sheet is read back from A1.
    rows.append({QString(meterNumber.isNull() ? QStringLiteral("") : meterNumber), QVariant(),
                 QVariant(), QVariant(), QVariant()});
    const int count = libraries.size();
    rows.append({count, int(countCheckCode(count))});
    for (int k = 0; k < count; ++k) {
        const Library& library = libraries.at(k);
        const QString& name = library.name;
        const QString& description = library.description;
        const QString& storedCount = library.count;
        QVariantList row{name, description, storedCount};
        if (!library.colours.isEmpty()) {
            const quint16 data = dataCheckCode(labValues(library.colours));
            row << int(data) << int(infoCheckCode(name, description, storedCount.toInt(), data));
        }
        rows.append(row);
    }
    while (rows.size() < kLibraryAreaRows)
        rows.append({QVariant(), QVariant(), QVariant(), QVariant(), QVariant()});
    rows.append(
        {QStringLiteral("name"), QStringLiteral("L"), QStringLiteral("a"), QStringLiteral("b")});
    for (const Library& library : libraries) {
        for (const Colour& color : library.colours)
            rows.append({color.name, color.labL, color.laba, color.labb});
    }
    return rows;
}

QList<QVariantList> ExchangeWorkbook::dataSheet(const QVector<Colour>& colors) {
    QList<QVariantList> rows;
    rows.reserve(colors.size() + 1);
    QVariantList header;
    for (const QString& text : dataHeader())
        header << text;
    rows.append(header);
    for (const Colour& color : colors) {
        QVariantList row;
        row.reserve(kDataColumns);
        row << color.name;
        for (int v = 0; v < ColorColumns::ValueCount; ++v)
            row << color.text(ColorColumns::Column(v));
        rows.append(row);
    }
    return rows;
}

QVariantList ExchangeWorkbook::labValues(const QVector<Colour>& colors) {
    QVariantList values;
    values.reserve(colors.size() * 3);
    for (const Colour& color : colors)
        values << color.labL << color.laba << color.labb;
    return values;
}

QString ExchangeWorkbook::cellText(const QVariant& cell) {
    if (!cell.isValid())
        return QString();
    if (isNumber(cell))
        return QString::number(cell.toDouble(), 'g', 15);
    return cell.toString();
}

double ExchangeWorkbook::cellNumber(const QVariant& cell) {
    if (!cell.isValid())
        return 0.0;
    if (isNumber(cell))
        return cell.toDouble();
    bool ok = false;
    const double value = cell.toString().toDouble(&ok);
    return ok ? value : 0.0;
}

int ExchangeWorkbook::cellInt(const QVariant& cell) {
    if (!cell.isValid())
        return 0;
    if (isNumber(cell)) {
        // Out of range reads as -1, which no count accepts.
        const double value = std::round(cell.toDouble());
        return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max()
                   ? int(value)
                   : -1;
    }
    return cell.toString().trimmed().toInt();
}

uint ExchangeWorkbook::cellUInt(const QVariant& cell) {
    if (!cell.isValid())
        return 0;
    if (isNumber(cell)) {
        const double value = std::round(cell.toDouble());
        return value >= 0 && value <= std::numeric_limits<uint>::max() ? uint(value) : uint(-1);
    }
    return cell.toString().trimmed().toUInt();
}

bool ExchangeWorkbook::cellCount(const QVariant& cell, int* count) {
    if (!cell.isValid())
        return false;
    if (isNumber(cell)) {
        const double value = cell.toDouble();
        if (!(value >= std::numeric_limits<int>::min() &&
              value <= std::numeric_limits<int>::max()) ||
            value != std::floor(value))
            return false;
        *count = int(value);
        return true;
    }
    bool ok = false;
    const int value = cell.toString().trimmed().toInt(&ok);
    if (ok)
        *count = value;
    return ok;
}

bool ExchangeWorkbook::cellEmpty(const QVariant& cell) {
    return !cell.isValid() || (!isNumber(cell) && cell.toString().trimmed().isEmpty());
}

bool ExchangeWorkbook::labCellsValid(const QVariantList& row) {
    for (int column = 1; column <= 3; ++column) {
        const QVariant cell = row.value(column);
        if (cellEmpty(cell))
            continue;
        const bool lightness = column == 1;
        if (isNumber(cell)) {
            const double value = cell.toDouble();
            if (!(lightness ? LabRange::validLightness(value) : LabRange::validChromatic(value)))
                return false;
        } else {
            const QString text = cell.toString();
            if (!(lightness ? LabRange::validLightnessText(text)
                            : LabRange::validChromaticText(text)))
                return false;
        }
    }
    return true;
}

QStringList ExchangeWorkbook::colorTexts(const QVariantList& row) {
    QStringList texts;
    texts.reserve(kDataColumns);
    texts << cellText(row.value(0));
    for (int column = 1; column < kDataColumns; ++column) {
        const QVariant cell = row.value(column);
        if (column <= 3) {
            texts << fixed(cellNumber(cell), 2);
        } else if (column <= 13) {
            const int decimals = measuredDecimals(column);
            if (!cell.isValid()) {
                texts << QString();
            } else if (isNumber(cell)) {
                texts << (decimals < 0 ? cellText(cell) : fixed(cell.toDouble(), decimals));
            } else {
                const QString text = cell.toString().trimmed();
                bool ok = false;
                text.toDouble(&ok);
                texts << (text.isEmpty() || ok ? text : QStringLiteral("0.00"));
            }
        } else {
            texts << cellText(cell);
        }
    }
    return texts;
}

QString ExchangeWorkbook::colorKey(const QStringList& texts) {
    return texts.mid(0, 4).join(QLatin1Char(':'));
}

}  // namespace colorcard
