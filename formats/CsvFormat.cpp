// SPDX-License-Identifier: MIT
#include "formats/CsvFormat.h"

#include "compat/QtCompat.h"
#include "formats/LibraryGrouper.h"
#include "store/CsvCell.h"

namespace colorcard {

namespace CsvFormat {

namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

// The field in UTF-8, guarded against formulas (CsvCell), quoted when it holds a comma, a quote, a
// line break or spaces at an end. Plain ASCII (numbers, most names) is copied byte by byte.
void appendField(QByteArray& out, const QString& text) {
    // A plain number (most fields) needs no guard and no quotes: no formula
    // starts with a digit or with a minus before a number. Short ones only,
    // so that the number is one the guard would read as well.
    if (text.size() <= 20 && ColorColumns::isPlainNumber(text)) {
        const int at = out.size();
        out.resize(at + text.size());
        char* to = out.data() + at;
        for (const QChar c : text)
            *to++ = char(c.unicode());
        return;
    }
    const QString field = CsvCell::guarded(text);
    const QChar* begin = field.constData();
    const QChar* end = begin + field.size();
    bool quote = begin != end && (begin->unicode() == ' ' || (end - 1)->unicode() == ' ');
    bool ascii = true;
    for (const QChar* c = begin; !quote && c != end; ++c) {
        const ushort u = c->unicode();
        quote = u == ',' || u == '"' || u == '\n' || u == '\r';
        ascii = ascii && u < 0x80;
    }
    if (quote) {
        out += '"';
        out += QString(field).replace(QLatin1Char('"'), QStringLiteral("\"\"")).toUtf8();
        out += '"';
    } else if (ascii) {
        const int at = out.size();
        out.resize(at + field.size());
        char* to = out.data() + at;
        for (const QChar* c = begin; c != end; ++c)
            *to++ = char(c->unicode());
    } else {
        out += field.toUtf8();
    }
}

void appendRow(QByteArray& out, const QStringList& fields) {
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        appendField(out, fields.at(i));
    }
    out += "\r\n";
}

// One record of the file: its fields and the line it starts on.
struct Record {
    QStringList fields;
    int line = 0;
};

// Splits the text into records; false with the line of an unclosed quote.
// A field opening with a quote runs to the closing one ("" inside stands for
// one quote) and goes on unquoted after it; a quote anywhere else is a
// character of the field. Runs of characters are taken whole.
bool parse(const QString& text, QVector<Record>& records, int& badLine) {
    const QChar* const data = text.constData();
    const int size = text.size();
    const auto isEnd = [](ushort u) { return u == ',' || u == '\r' || u == '\n'; };
    Record record;
    record.line = 1;
    int line = 1;
    int fieldCount = 0;
    int i = 0;
    for (;;) {
        QString field;
        bool started = false;
        for (;;) {
            if (i < size && !started && data[i].unicode() == '"') {
                started = true;
                ++i;
                for (;;) {
                    const int close = text.indexOf(QLatin1Char('"'), i);
                    if (close < 0) {
                        badLine = record.line;
                        return false;
                    }
                    for (int k = i; k < close; ++k)
                        line += data[k].unicode() == '\n';
                    field.append(data + i, close - i);
                    i = close + 1;
                    if (i < size && data[i].unicode() == '"') {
                        field.append(QLatin1Char('"'));
                        ++i;
                        continue;
                    }
                    break;
                }
                continue;
            }
            int run = i;
            while (run < size && !isEnd(data[run].unicode()))
                ++run;
            if (run > i) {
                if (field.isEmpty())
                    field = QString(data + i, run - i);
                else
                    field.append(data + i, run - i);
                started = true;
            }
            i = run;
            break;
        }
        if (i >= size) {
            if (started || !record.fields.isEmpty()) {
                record.fields << field;
                records.append(record);
            }
            return true;
        }
        record.fields << field;
        if (data[i].unicode() == ',') {
            ++i;
            continue;
        }
        if (data[i].unicode() == '\r' && i + 1 < size && data[i + 1].unicode() == '\n')
            ++i;
        ++i;
        fieldCount = qMax(fieldCount, record.fields.size());
        records.append(record);
        record = Record();
        record.fields.reserve(fieldCount);
        record.line = ++line;
    }
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

void start(QByteArray& out, const FormatWriteOptions& options) {
    if (options.byteOrderMark)
        out += kByteOrderMark;
    appendRow(out, header());
}

namespace {

// The library's two fields, which open every row of its colours.
QByteArray leadOf(const QString& name, const QString& description) {
    QByteArray lead;
    appendField(lead, name);
    lead += ',';
    appendField(lead, description);
    lead += ',';
    return lead;
}

// One colour's row; value(out, v) appends the field of value v.
template <typename Value>
void appendColour(QByteArray& out, const QByteArray& lead, const QString& name,
                  const Value& value) {
    out += lead;
    appendField(out, name);
    for (int v = 0; v < ColorColumns::ValueCount; ++v) {
        out += ',';
        value(out, v);
    }
    out += "\r\n";
}

}  // namespace

void appendLibrary(QByteArray& out, const FormatLibrary& library) {
    const QByteArray lead = leadOf(library.name, library.description);
    for (const FormatColor& color : library.colors)
        appendColour(out, lead, color.name, [&color](QByteArray& to, int v) {
            if (v < color.values.size())
                appendField(to, color.values.at(v));
        });
}

void appendLibrary(QByteArray& out, const Library& library, const QVector<Colour>& colours) {
    const QByteArray lead = leadOf(library.name, library.description);
    for (const Colour& colour : colours)
        appendColour(out, lead, colour.name, [&colour](QByteArray& to, int v) {
            appendField(to, colour.text(ColorColumns::Column(v)));
        });
}

QByteArray write(const FormatLibraries& libraries, const FormatWriteOptions& options) {
    qint64 colors = 0;
    for (const FormatLibrary& library : libraries)
        colors += library.colors.size();
    QByteArray out;
    // About what a row of names and nineteen values takes.
    out.reserve(int(qMin<qint64>(colors * 140 + 256, 1 << 28)));
    start(out, options);
    for (const FormatLibrary& library : libraries)
        appendLibrary(out, library);
    return out;
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

}  // namespace colorcard
