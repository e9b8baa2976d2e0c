// SPDX-License-Identifier: MIT
#include "FormatError.h"

#include <QFileInfo>
#include <QVector>
#include <initializer_list>

#include "FormatTexts.h"
#include "TextSafety.h"

namespace {

QString number(double value) {
    return QString::number(value, 'g', 10);
}

// Fills %1, %2, ... in one pass, so a name holding "%2" stays as it is;
// what came from a file shows its control characters as escapes.
QString fill(const BilingualText& text, bool chinese, std::initializer_list<QString> args) {
    const QString pattern = text.in(chinese);
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

QString FormatError::message(bool chinese) const {
    const QString name = QFileInfo(file).fileName();
    const QString n = QString::number(count), most = QString::number(limit);
    switch (kind) {
        case None:
            return QString();
        case CannotOpen:
            return fill(FormatText::CannotOpen, chinese, {name});
        case CannotWrite:
            return fill(FormatText::CannotWrite, chinese, {name});
        case TooLarge:
            return fill(FormatText::TooLarge, chinese, {name, QString::number(limit >> 20)});
        case TooManyLines:
            return fill(FormatText::TooManyLines, chinese,
                        {name, most, QString::number(line), QString::number(count)});
        case NotUtf8:
            return fill(FormatText::NotUtf8, chinese, {name});
        case UnknownType:
            return fill(FormatText::UnknownType, chinese, {name});
        case Malformed:
            if (line <= 0)
                return fill(FormatText::MalformedContent, chinese, {name, format, detail});
            return fill(FormatText::Malformed, chinese,
                        {name, format, QString::number(line), detail});
        case CsvUnterminatedQuote:
            return fill(FormatText::CsvUnterminatedQuote, chinese, {name, QString::number(line)});
        case CsvFieldCount:
            return fill(FormatText::CsvFieldCount, chinese, {name, QString::number(line), n, most});
        case MissingLabFields:
            return fill(FormatText::MissingLabFields, chinese, {name, detail});
        case MissingLabValues:
            return fill(FormatText::MissingLabValues, chinese, {color, library});
        case NotANumber:
            return fill(FormatText::NotANumber, chinese, {field, color, library, text});
        case OutOfRange:
            return fill(FormatText::OutOfRange, chinese,
                        {field, color, library, text, number(minimum), number(maximum)});
        case EmptyColorName:
            return fill(FormatText::EmptyColorName, chinese, {n, library});
        case EmptyLibraryName:
            return fill(FormatText::EmptyLibraryName, chinese, {name});
        case LibraryNameTooLong:
            return fill(FormatText::LibraryNameTooLong, chinese, {library, n, most});
        case DescriptionTooLong:
            return fill(FormatText::DescriptionTooLong, chinese, {text, library, n, most});
        case ColorNameTooLong:
            return fill(FormatText::ColorNameTooLong, chinese, {color, library, n, most});
        case TooManyLibraries:
            return fill(FormatText::TooManyLibraries, chinese, {n, most});
        case TooManyColors:
            return fill(FormatText::TooManyColors, chinese, {n, most});
        case NoColors:
            return fill(FormatText::NoColors, chinese, {name});
        case Unwritable:
            return fill(FormatText::Unwritable, chinese, {text, format});
        case UnsafeName:
            return fill(FormatText::UnsafeName, chinese, {n, name});
    }
    return QString();
}
