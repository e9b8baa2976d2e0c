// SPDX-License-Identifier: MIT
#include "CsvFormat.h"

#include "CsvCell.h"
#include "LibraryGrouper.h"
#include "QtCompat.h"

namespace CsvFormat {

namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

void appendRow(QString& out, const QStringList& fields) {
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += QLatin1Char(',');
        out += CsvCell::field(fields.at(i));
    }
    out += QStringLiteral("\r\n");
}

// One record of the file: its fields and the line it starts on.
struct Record {
    QStringList fields;
    int line = 0;
};

// Splits the text into records; false with the line of an unclosed quote.
bool parse(const QString& text, QVector<Record>& records, int& badLine) {
    Record record;
    record.line = 1;
    QString field;
    int line = 1;
    bool quoted = false;
    bool fieldStarted = false;
    const int size = text.size();
    for (int i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < size && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == QLatin1Char(',')) {
            record.fields << field;
            field.clear();
            fieldStarted = false;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            record.fields << field;
            records.append(record);
            record = Record();
            record.line = ++line;
            field.clear();
            fieldStarted = false;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        badLine = record.line;
        return false;
    }
    if (fieldStarted || !record.fields.isEmpty()) {
        record.fields << field;
        records.append(record);
    }
    return true;
}

bool isBlank(const Record& record) {
    return record.fields.size() == 1 && record.fields.at(0).trimmed().isEmpty();
}

}  // namespace

QStringList header() {
    return QStringList{QStringLiteral("Library"), QStringLiteral("Description"),
                       QStringLiteral("Name")} +
           ColorColumns::headers();
}

QByteArray write(const FormatLibraries& libraries, const FormatWriteOptions& options) {
    QString out;
    appendRow(out, header());
    QStringList row;
    for (const FormatLibrary& library : libraries) {
        for (const FormatColor& color : library.colors) {
            row.clear();
            row << library.name << library.description << color.name;
            for (int v = 0; v < ColorColumns::ValueCount; ++v)
                row << color.values.value(v);
            appendRow(out, row);
        }
    }
    QByteArray bytes = out.toUtf8();
    if (options.byteOrderMark)
        bytes.prepend(kByteOrderMark);
    return bytes;
}

FormatError read(const QByteArray& bytes, const QString& file, const QString& defaultLibrary,
                 FormatLibraries& libraries) {
    QString text = QtCompat::decodeStrictly(bytes, "UTF-8");
    if (text.isNull())
        return FormatError::make(FormatError::NotUtf8, file);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    QVector<Record> records;
    int badLine = 0;
    if (!parse(text, records, badLine)) {
        FormatError error = FormatError::make(FormatError::CsvUnterminatedQuote, file);
        error.line = badLine;
        return error;
    }
    int first = 0;
    while (first < records.size() && isBlank(records.at(first)))
        ++first;

    // Column of each known name in the header, -1 when absent.
    const QStringList names = header();
    QVector<int> columnOf(names.size(), -1);
    QStringList headerFields = first < records.size() ? records.at(first).fields : QStringList();
    for (int f = 0; f < headerFields.size(); ++f) {
        QString name = headerFields.at(f).trimmed();
        // Letter case matters: YxyY and Yxyy are two columns.
        if (name == QLatin1String("Yxyy2"))
            name = QStringLiteral("Yxyy");
        const int k = names.indexOf(name);
        if (k >= 0 && columnOf[k] < 0)
            columnOf[k] = f;
    }
    QStringList missing;
    for (int k = 2; k <= 5; ++k)
        if (columnOf[k] < 0)
            missing << names.at(k);
    if (!missing.isEmpty()) {
        FormatError error = FormatError::make(FormatError::MissingLabFields, file);
        error.detail = missing.join(QStringLiteral(", "));
        return error;
    }

    LibraryGrouper grouper(libraries);
    for (int r = first + 1; r < records.size(); ++r) {
        const Record& record = records.at(r);
        if (isBlank(record))
            continue;
        if (record.fields.size() != headerFields.size()) {
            FormatError error = FormatError::make(FormatError::CsvFieldCount, file);
            error.line = record.line;
            error.count = record.fields.size();
            error.limit = headerFields.size();
            return error;
        }
        const auto cell = [&](int k) {
            return columnOf[k] < 0 ? QString() : CsvCell::unguarded(record.fields.at(columnOf[k]));
        };
        QString name = cell(0);
        if (name.isEmpty())
            name = defaultLibrary;
        const int library = grouper.indexOf(name, cell(1));
        FormatColor color;
        color.name = cell(2);
        color.row = record.line;
        color.values.reserve(ColorColumns::ValueCount);
        for (int v = 0; v < ColorColumns::ValueCount; ++v)
            color.values << cell(3 + v).trimmed();
        libraries[library].colors.append(color);
    }
    return FormatError();
}

}  // namespace CsvFormat
