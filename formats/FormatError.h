// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "texts/Language.h"

namespace colorcard {

// Why a file could not be read, checked or written. Every refusal of the open
// formats is one of these; message() says it in either language.
struct FormatError {
    enum Kind {
        None,
        CannotOpen,
        CannotWrite,
        TooLarge,
        TooManyLines,  // line: where reading stopped, limit: the lines an import may have
        NotUtf8,
        UnknownType,
        Malformed,             // format: parser's own reason in detail, at line
        CsvUnterminatedQuote,  // at line
        CsvFieldCount,         // at line: count fields, limit header fields
        MissingLabFields,      // detail: the missing fields
        MissingLabValues,      // color in library
        NotANumber,            // field of color in library: text
        OutOfRange,            // field of color in library: text, minimum, maximum
        EmptyColorName,        // count: the colour's position (1-based) in library
        EmptyLibraryName,
        LibraryNameTooLong,  // library: count bytes, limit
        DescriptionTooLong,  // text of library: count bytes, limit
        ColorNameTooLong,    // color in library: count bytes, limit
        TooManyLibraries,    // count, limit
        TooManyColors,       // count, limit
        NoColors,
        Unwritable,  // text, format
        UnsafeName,  // count: the row of the file; a name or description with a control
                     // character or a direction mark (TextSafety)
    };

    Kind kind = None;
    QString file;
    QString format;  // "CSV", "CGATS.17", "CxF3"
    QString library;
    QString color;
    QString field;
    QString text;
    QString detail;
    int line = 0;
    qint64 count = 0;
    qint64 limit = 0;
    double minimum = 0;
    double maximum = 0;

    explicit operator bool() const { return kind != None; }
    QString message(const Language& language) const;

    static FormatError make(Kind kind, const QString& file = QString());
};

}  // namespace colorcard
