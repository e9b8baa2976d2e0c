// SPDX-License-Identifier: MIT
#include "formats/ColorLibrary.h"

#include <cmath>
#include <cstdlib>

namespace colorcard {

namespace ColorColumns {

namespace {

constexpr double kSigned = 327.68;    // signed 16 bits of hundredths
constexpr double kUnsigned = 655.35;  // unsigned 16 bits of hundredths

const Rule kRules[ValueCount] = {{"LabL", 2, -kSigned, kSigned - 0.01},
                                 {"Laba", 2, -kSigned, kSigned - 0.01},
                                 {"Labb", 2, -kSigned, kSigned - 0.01},
                                 {"LuvL", 2, -kSigned, kSigned - 0.01},
                                 {"Luvu", 2, -kSigned, kSigned - 0.01},
                                 {"Luvv", 2, -kSigned, kSigned - 0.01},
                                 {"LChL", 2, 0, kUnsigned},
                                 {"LChC", 2, 0, kUnsigned},
                                 {"LChh", 1, 0, 6553.5},
                                 {"YxyY", 2, 0, kUnsigned},
                                 {"Yxyx", 4, 0, 6.5535},
                                 {"Yxyy", 4, 0, 6.5535},
                                 {"CMYKC", 0, 0, 255},
                                 {"CMYKM", 0, 0, 255},
                                 {"CMYKY", 0, 0, 255},
                                 {"CMYKK", 0, 0, 255},
                                 {"RGBR", 0, 0, 255},
                                 {"RGBG", 0, 0, 255},
                                 {"RGBB", 0, 0, 255}};

}  // namespace

const Rule& rule(int column) {
    return kRules[column];
}

QStringList headers() {
    QStringList list;
    for (const Rule& r : kRules)
        list << QString::fromLatin1(r.header);
    return list;
}

QString format(int column, double value) {
    // Digit by digit, the way of every value a measurement or a conversion
    // writes, where the value is clearly not halfway between two texts (the
    // product's error is far below the margin); near a tie the toolkit's
    // exact rounding decides.
    static const double kScale[] = {1, 10, 100, 1000, 10000};
    const int decimals = kRules[column].decimals;
    const double scaled = value * kScale[decimals];
    const double whole = std::nearbyint(scaled);
    if (std::fabs(scaled) < 1e9 && std::fabs(scaled - whole) < 0.5 - 1e-6) {
        long long units = std::llabs(static_cast<long long>(whole));
        char digits[24];
        char* at = digits + sizeof digits;
        for (int d = 0; d < decimals; ++d, units /= 10)
            *--at = char('0' + units % 10);
        if (decimals > 0)
            *--at = '.';
        do {
            *--at = char('0' + units % 10);
            units /= 10;
        } while (units > 0);
        // A value that rounds to zero is written without a sign, as the meter's would be.
        if (whole < 0)
            *--at = '-';
        const int size = int(digits + sizeof digits - at);
        const QString* shared = sharedSmallNumber(at, size);
        return shared ? *shared : QString::fromLatin1(at, size);
    }
    QString text = QString::number(value, 'f', decimals);
    // A value that rounds to zero is written without a sign, as the meter's would be.
    if (text.startsWith(QLatin1Char('-')) && text.mid(1).toDouble() == 0.0)
        text.remove(0, 1);
    return text;
}

bool isPlainNumber(const QString& text) {
    const QChar* c = text.constData();
    const QChar* end = c + text.size();
    if (c < end && *c == QLatin1Char('-'))
        ++c;
    const auto digits = [&c, end] {
        const QChar* first = c;
        while (c < end && c->unicode() >= '0' && c->unicode() <= '9')
            ++c;
        return c > first;
    };
    if (!digits())
        return false;
    if (c < end && *c == QLatin1Char('.')) {
        ++c;
        if (!digits())
            return false;
    }
    return c == end;
}

}  // namespace ColorColumns

namespace ColorLibraryStore {

FormatLibrary fromStored(const Library& library, const QVector<Colour>& colours) {
    FormatLibrary result;
    result.name = library.name;
    result.description = library.description;
    result.colors.reserve(colours.size());
    for (const Colour& colour : colours)
        result.colors.append(FormatColor{colour.name, colour.values()});
    return result;
}

FormatLibraries read(ColorCardStore& store) {
    FormatLibraries libraries;
    for (const Library& library : store.selectLibraries())
        libraries.append(fromStored(library, store.selectColours(library.id, false)));
    return libraries;
}

QList<QStringList> batchColumns(const FormatLibrary& library) {
    QList<QStringList> columns;
    for (int c = 0; c <= ColorColumns::ValueCount; ++c) {
        QStringList column;
        column.reserve(library.colors.size());
        for (const FormatColor& color : library.colors)
            column << (c == 0 ? color.name : color.values.value(c - 1));
        columns << column;
    }
    return columns;
}

}  // namespace ColorLibraryStore

}  // namespace colorcard
