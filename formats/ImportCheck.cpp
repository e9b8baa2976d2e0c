// SPDX-License-Identifier: MIT
#include "formats/ImportCheck.h"

#include <algorithm>
#include <cmath>

#include "formats/ColorDerivation.h"
#include "store/TextSafety.h"

namespace colorcard {

namespace ImportCheck {

namespace {

FormatError colorError(FormatError::Kind kind, const FormatLibrary& library,
                       const FormatColor& color, int column, const QString& text) {
    FormatError error = FormatError::make(kind);
    error.library = library.name;
    error.color = color.name;
    error.field = QString::fromLatin1(ColorColumns::rule(column).header);
    error.text = text;
    error.minimum = ColorColumns::rule(column).minimum;
    error.maximum = ColorColumns::rule(column).maximum;
    return error;
}

// Names and descriptions are shown and sent to the meter: none may hold a
// control character (a NUL included) or a direction mark. The message names
// the row rather than the text.
FormatError checkUnsafe(const FormatLibrary& library, const QString& file) {
    const bool libraryUnsafe =
        TextSafety::hasUnsafe(library.name) || TextSafety::hasUnsafe(library.description);
    for (const FormatColor& color : library.colors) {
        if (libraryUnsafe || TextSafety::hasUnsafe(color.name)) {
            FormatError error = FormatError::make(FormatError::UnsafeName, file);
            error.count = color.row;
            return error;
        }
    }
    return FormatError();
}

// The length of text in UTF-8, without writing it out (a name per colour).
int utf8Size(const QString& text) {
    int size = 0;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (c.isSurrogate())
            return text.toUtf8().size();
        size += u < 0x80 ? 1 : u < 0x800 ? 2 : 3;
    }
    return size;
}

FormatError checkNames(const FormatLibrary& library, const QString& file,
                       const ImportLimits& limits) {
    FormatError error = checkUnsafe(library, file);
    if (error)
        return error;
    if (library.name.isEmpty()) {
        error = FormatError::make(FormatError::EmptyLibraryName, file);
    } else if (library.name.toUtf8().size() > limits.libraryNameBytes) {
        error = FormatError::make(FormatError::LibraryNameTooLong, file);
        error.count = library.name.toUtf8().size();
        error.limit = limits.libraryNameBytes;
    } else if (library.description.toUtf8().size() > limits.descriptionBytes) {
        error = FormatError::make(FormatError::DescriptionTooLong, file);
        error.text = library.description;
        error.count = library.description.toUtf8().size();
        error.limit = limits.descriptionBytes;
    }
    error.library = library.name;
    for (int i = 0; !error && i < library.colors.size(); ++i) {
        const QString& name = library.colors.at(i).name;
        if (name.isEmpty()) {
            error = FormatError::make(FormatError::EmptyColorName, file);
            error.count = i + 1;
        } else if (utf8Size(name) > limits.colorNameBytes) {
            error = FormatError::make(FormatError::ColorNameTooLong, file);
            error.color = name;
            error.count = name.toUtf8().size();
            error.limit = limits.colorNameBytes;
        }
        error.library = library.name;
    }
    return error;
}

// "-12.50" for two decimals: the text a measurement would store, kept as it
// is; value is its number then (digits over a power of ten, as exact as
// reading the text would be).
bool inStoredForm(const QString& text, int decimals, double& value) {
    const QChar* c = text.constData();
    const QChar* end = c + text.size();
    const bool negative = c < end && *c == QLatin1Char('-');
    if (negative)
        ++c;
    const QChar* digits = c;
    bool nonZero = false;
    qint64 number = 0;
    static const double kPowers[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    if (decimals < 0 || decimals >= int(sizeof kPowers / sizeof kPowers[0]))
        return false;
    while (c < end && c->unicode() >= '0' && c->unicode() <= '9') {
        // Longer than the fields' values need (and than number can hold).
        if (c - digits == 9)
            return false;
        nonZero = nonZero || *c != QLatin1Char('0');
        number = number * 10 + (c->unicode() - '0');
        ++c;
    }
    const int whole = int(c - digits);
    // A leading zero or no digit: read as any other number.
    if (whole == 0 || (whole > 1 && *digits == QLatin1Char('0')))
        return false;
    if (decimals > 0) {
        if (c == end || *c != QLatin1Char('.'))
            return false;
        ++c;
        for (int i = 0; i < decimals; ++i, ++c) {
            if (c == end || c->unicode() < '0' || c->unicode() > '9')
                return false;
            nonZero = nonZero || *c != QLatin1Char('0');
            number = number * 10 + (c->unicode() - '0');
        }
    }
    if (c != end || (!nonZero && negative))
        return false;
    value = (negative ? -double(number) : double(number)) / kPowers[decimals];
    return true;
}

// The stored text of a derived value, kept within its meter field.
QString derivedText(const std::array<double, 19>& derived, int column) {
    const ColorColumns::Rule& rule = ColorColumns::rule(column);
    QString text = ColorColumns::format(
        column, std::clamp(derived[size_t(column)], rule.minimum, rule.maximum));
    if (column == ColorColumns::LChh && text == QLatin1String("360.0"))
        text = QStringLiteral("0.0");
    return text;
}

// The values of one colour in stored form, missing ones derived.
FormatError prepareColor(const FormatLibrary& library, FormatColor& color) {
    QStringList& values = color.values;
    while (values.size() < ColorColumns::ValueCount)
        values << QString();
    if (values.size() > ColorColumns::ValueCount)
        values.erase(values.begin() + ColorColumns::ValueCount, values.end());

    bool missing = false;
    double lab[3] = {0, 0, 0};
    for (int column = 0; column < ColorColumns::ValueCount; ++column) {
        const QString text = values.at(column).trimmed();
        if (text.isEmpty()) {
            if (column <= ColorColumns::Labb) {
                FormatError error =
                    colorError(FormatError::MissingLabValues, library, color, column, text);
                return error;
            }
            if (!values.at(column).isNull())
                values[column] = QString();
            missing = true;
            continue;
        }
        const ColorColumns::Rule& rule = ColorColumns::rule(column);
        double rounded = 0;
        if (inStoredForm(text, rule.decimals, rounded)) {
            // Kept as it is: a text already in that form is not written again.
            if (text.size() != values.at(column).size())
                values[column] = text;
        } else {
            bool ok = false;
            const double value = text.toDouble(&ok);
            if (!ok || !std::isfinite(value))
                return colorError(FormatError::NotANumber, library, color, column, text);
            values[column] = ColorColumns::format(column, value);
            rounded = values.at(column).toDouble();
        }
        if (rounded < rule.minimum - 1e-9 || rounded > rule.maximum + 1e-9)
            return colorError(FormatError::OutOfRange, library, color, column, text);
        if (column <= ColorColumns::Labb)
            lab[column] = rounded;
    }
    if (missing) {
        // Only the values the file lacks are derived and written. The L of
        // L*u*v* and of LCh is L* itself: a file lacking only those (CGATS has
        // no field for LCh's L) needs no conversion.
        bool convert = false;
        for (int column = 0; column < ColorColumns::ValueCount && !convert; ++column)
            convert = values.at(column).isEmpty() && column != ColorColumns::LuvL &&
                      column != ColorColumns::LChL;
        std::array<double, 19> derived{};
        if (convert)
            derived = ColorDerivation::fromLab(lab[0], lab[1], lab[2]);
        derived[size_t(ColorColumns::LuvL)] = derived[size_t(ColorColumns::LChL)] = lab[0];
        for (int column = 0; column < ColorColumns::ValueCount; ++column)
            if (values.at(column).isEmpty())
                values[column] = derivedText(derived, column);
    }
    return FormatError();
}

}  // namespace

QStringList derivedTexts(double L, double a, double b) {
    const auto derived = ColorDerivation::fromLab(L, a, b);
    QStringList texts;
    texts.reserve(ColorColumns::ValueCount);
    for (int column = 0; column < ColorColumns::ValueCount; ++column)
        texts << derivedText(derived, column);
    return texts;
}

FormatError prepare(FormatLibraries& libraries, const QString& file, const ImportLimits& limits) {
    qint64 colors = 0;
    for (const FormatLibrary& library : libraries)
        colors += library.colors.size();
    if (libraries.size() > limits.maxLibraries) {
        FormatError error = FormatError::make(FormatError::TooManyLibraries, file);
        error.count = libraries.size();
        error.limit = limits.maxLibraries;
        return error;
    }
    if (colors > limits.maxColors) {
        FormatError error = FormatError::make(FormatError::TooManyColors, file);
        error.count = colors;
        error.limit = limits.maxColors;
        return error;
    }
    if (colors == 0)
        return FormatError::make(FormatError::NoColors, file);

    for (FormatLibrary& library : libraries) {
        FormatError error = checkNames(library, file, limits);
        for (int i = 0; !error && i < library.colors.size(); ++i)
            error = prepareColor(library, library.colors[i]);
        if (error) {
            error.file = file;
            return error;
        }
    }
    return FormatError();
}

}  // namespace ImportCheck

}  // namespace colorcard
