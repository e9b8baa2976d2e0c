// SPDX-License-Identifier: MIT
#include "formats/FormatError.h"

#include <QFileInfo>
#include <QVector>
#include <initializer_list>

#include "store/TextSafety.h"
#include "texts/FormatTexts.h"

namespace colorcard {

namespace {

QString number(double value) {
    return QString::number(value, 'g', 10);
}

// Fills %1, %2, ... in one pass, so a name holding "%2" stays as it is;
// what came from a file shows its control characters as escapes.
QString fill(const BilingualText& text, const Language& language,
             std::initializer_list<QString> args) {
    const QString pattern = text.in(language);
    const QVector<QString> values(args);
    QString result;
    result.reserve(pattern.size() + 64);
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('%') && i + 1 < pattern.size() && pattern.at(i + 1).isDigit()) {
            const int index = pattern.at(i + 1).digitValue() - 1;
            if (index >= 0 && index < values.size()) {
                result += TextSafety::visible(values.at(index));
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

}  // namespace

FormatError FormatError::make(Kind kind, const QString& file) {
    FormatError error;
    error.kind = kind;
    error.file = file;
    return error;
}

QString FormatError::message(const Language& language) const {
    const QString name = QFileInfo(file).fileName();
    const QString n = QString::number(count), most = QString::number(limit);
    switch (kind) {
        case None:
            return QString();
        case CannotOpen:
            return fill(FormatText::CannotOpen, language, {name});
        case CannotWrite:
            return fill(FormatText::CannotWrite, language, {name});
        case TooLarge:
            return fill(FormatText::TooLarge, language, {name, QString::number(limit >> 20)});
        case TooManyLines:
            return fill(FormatText::TooManyLines, language,
                        {name, most, QString::number(line), QString::number(count)});
        case NotUtf8:
            return fill(FormatText::NotUtf8, language, {name});
        case UnknownType:
            return fill(FormatText::UnknownType, language, {name});
        case Malformed:
            if (line <= 0)
                return fill(FormatText::MalformedContent, language, {name, format, detail});
            return fill(FormatText::Malformed, language,
                        {name, format, QString::number(line), detail});
        case CsvUnterminatedQuote:
            return fill(FormatText::CsvUnterminatedQuote, language, {name, QString::number(line)});
        case CsvFieldCount:
            return fill(FormatText::CsvFieldCount, language,
                        {name, QString::number(line), n, most});
        case MissingLabFields:
            return fill(FormatText::MissingLabFields, language, {name, detail});
        case MissingLabValues:
            return fill(FormatText::MissingLabValues, language, {color, library});
        case NotANumber:
            return fill(FormatText::NotANumber, language, {field, color, library, text});
        case OutOfRange:
            return fill(FormatText::OutOfRange, language,
                        {field, color, library, text, number(minimum), number(maximum)});
        case EmptyColorName:
            return fill(FormatText::EmptyColorName, language, {n, library});
        case EmptyLibraryName:
            return fill(FormatText::EmptyLibraryName, language, {name});
        case LibraryNameTooLong:
            return fill(FormatText::LibraryNameTooLong, language, {library, n, most});
        case DescriptionTooLong:
            return fill(FormatText::DescriptionTooLong, language, {text, library, n, most});
        case ColorNameTooLong:
            return fill(FormatText::ColorNameTooLong, language, {color, library, n, most});
        case TooManyLibraries:
            return fill(FormatText::TooManyLibraries, language, {n, most});
        case TooManyColors:
            return fill(FormatText::TooManyColors, language, {n, most});
        case NoColors:
            return fill(FormatText::NoColors, language, {name});
        case Unwritable:
            return fill(FormatText::Unwritable, language, {text, format});
        case UnsafeName:
            return fill(FormatText::UnsafeName, language, {n, name});
    }
    return QString();
}

}  // namespace colorcard
