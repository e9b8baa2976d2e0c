// SPDX-License-Identifier: MIT
#include "formats/CsvFormat.h"

#include <algorithm>
#include <deque>

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

// Stored UTF-8 that needs neither guard nor quotes is copied as it is: plain
// ASCII that no spreadsheet takes for a formula (a minus only before a plain
// number). Anything else goes the way of text, as it was read before.
void appendField(QByteArray& out, const char* data, int size) {
    bool plain = size == 0 || (data[0] != ' ' && data[size - 1] != ' ');
    if (plain && size > 0) {
        switch (data[0]) {
            case '=':
            case '@':
            case '\t':
            case '+':
            case '\'':
                plain = false;
                break;
            case '-':
                plain = size <= 20 && ColorColumns::isPlainNumber(QString::fromLatin1(data, size));
                break;
            default:
                break;
        }
    }
    for (int i = 0; plain && i < size; ++i) {
        const unsigned char c = static_cast<unsigned char>(data[i]);
        plain = c < 0x80 && c != ',' && c != '"' && c != '\n' && c != '\r';
    }
    if (plain && size > 0)
        out.append(data, size);
    else if (plain)
        return;
    else
        appendField(out, QString::fromUtf8(data, size));
}

void appendRow(QByteArray& out, const QStringList& fields) {
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        appendField(out, fields.at(i));
    }
    out += "\r\n";
}

// A field as read: a run of the file's text, or of a copy where the field is
// not one run (a doubled quote, or text after the closing quote).
struct Span {
    const QChar* data = nullptr;
    int size = 0;
};

// Splits the text into records one at a time, its fields as spans, so that
// only the cells an import keeps become strings of their own. A field
// opening with a quote runs to the closing one ("" inside stands for one
// quote) and goes on unquoted after it; a quote anywhere else is a character
// of the field.
class Records {
public:
    explicit Records(const QString& text) : data_(text.constData()), size_(text.size()) {}

    // The next record and the line it starts on; false after the last one,
    // or at a quote that is never closed (badLine() then names its record's line).
    bool next(QVector<Span>& fields, int& line) {
        fields.clear();
        copies_.clear();
        line = line_;
        for (;;) {
            Span span{data_ + i_, 0};
            QString* copy = nullptr;
            const auto add = [&](const QChar* from, int n) {
                if (copy) {
                    copy->append(from, n);
                } else if (span.data + span.size == from || span.size == 0) {
                    span = Span{span.size == 0 ? from : span.data, span.size + n};
                } else {
                    copies_.emplace_back(span.data, span.size);
                    copy = &copies_.back();
                    copy->append(from, n);
                }
            };
            bool started = false;
            if (i_ < size_ && data_[i_].unicode() == '"') {
                started = true;
                ++i_;
                for (;;) {
                    int close = i_;
                    while (close < size_ && data_[close].unicode() != '"')
                        line_ += data_[close++].unicode() == '\n';
                    if (close >= size_) {
                        badLine_ = line;
                        return false;
                    }
                    add(data_ + i_, close - i_);
                    i_ = close + 1;
                    if (i_ < size_ && data_[i_].unicode() == '"') {
                        add(data_ + close, 1);
                        ++i_;
                        continue;
                    }
                    break;
                }
            }
            int run = i_;
            while (run < size_ && !isEnd(data_[run].unicode()))
                ++run;
            if (run > i_) {
                add(data_ + i_, run - i_);
                started = true;
            }
            i_ = run;
            const Span field = copy ? Span{copy->constData(), int(copy->size())} : span;
            if (i_ >= size_) {
                if (!started && fields.isEmpty())
                    return false;
                fields.append(field);
                return true;
            }
            fields.append(field);
            if (data_[i_].unicode() == ',') {
                ++i_;
                continue;
            }
            if (data_[i_].unicode() == '\r' && i_ + 1 < size_ && data_[i_ + 1].unicode() == '\n')
                ++i_;
            ++i_;
            ++line_;
            return true;
        }
    }

    int badLine() const { return badLine_; }

private:
    static bool isEnd(ushort u) { return u == ',' || u == '\r' || u == '\n'; }

    const QChar* data_;
    int size_;
    int i_ = 0;
    int line_ = 1;
    int badLine_ = 0;
    std::deque<QString> copies_;  // a deque: adding one keeps the others where they are
};

QString textOf(const Span& span) {
    return QString(span.data, span.size);
}

// A value cell: CMYK and RGB share their few texts.
QString valueOf(const Span& span) {
    const QString* shared = ColorColumns::sharedSmallNumber(span.data, span.size);
    return shared ? *shared : textOf(span);
}

bool isSpace(const Span& span) {
    for (int i = 0; i < span.size; ++i)
        if (!span.data[i].isSpace())
            return false;
    return true;
}

bool isBlank(const QVector<Span>& fields) {
    return fields.size() == 1 && isSpace(fields.at(0));
}

bool equals(const QString& text, const Span& span) {
    return text.size() == span.size &&
           std::equal(span.data, span.data + span.size, text.constData());
}

// The cell without the guard CsvCell::field() added.
Span unguarded(const Span& span) {
    if (span.size == 0 || span.data[0].unicode() != '\'')
        return span;
    const QString text = textOf(span);
    return CsvCell::unguarded(text).size() == text.size() ? span
                                                          : Span{span.data + 1, span.size - 1};
}

Span trimmed(Span span) {
    while (span.size > 0 && span.data[0].isSpace()) {
        ++span.data;
        --span.size;
    }
    while (span.size > 0 && span.data[span.size - 1].isSpace())
        --span.size;
    return span;
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

QByteArray lead(const Library& library) {
    return leadOf(library.name, library.description);
}

void appendColour(QByteArray& out, const QByteArray& lead, const StoredColourTexts& colour) {
    out += lead;
    for (int i = 0; i < StoredColourTexts::Count; ++i) {
        if (i > 0)
            out += ',';
        appendField(out, colour.data[i], colour.size[i]);
    }
    out += "\r\n";
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

    // The whole file is split even after an error in a row, so that an
    // unclosed quote anywhere is the error reported, as it makes every later
    // line unreliable.
    Records records(text);
    QVector<Span> fields;
    int line = 0;
    const QStringList names = header();
    QVector<int> columnOf(names.size(), -1);
    int headerSize = -1;
    FormatError error;
    const auto checkHeader = [&](const QVector<Span>& headerFields) {
        headerSize = headerFields.size();
        for (int f = 0; f < headerFields.size(); ++f) {
            QString name = textOf(headerFields.at(f)).trimmed();
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
            error = FormatError::make(FormatError::MissingLabFields, file);
            error.detail = missing.join(QStringLiteral(", "));
        }
    };

    LibraryGrouper grouper(libraries);
    int last = -1;
    while (records.next(fields, line)) {
        if (error || isBlank(fields))
            continue;
        if (headerSize < 0) {
            checkHeader(fields);
            continue;
        }
        if (fields.size() != headerSize) {
            error = FormatError::make(FormatError::CsvFieldCount, file);
            error.line = line;
            error.count = fields.size();
            error.limit = headerSize;
            continue;
        }
        const auto cell = [&](int k) {
            return columnOf[k] < 0 ? Span() : unguarded(fields.at(columnOf[k]));
        };
        // Rows of one library mostly follow each other: their names are
        // compared where they stand.
        const Span name = cell(0);
        const Span description = cell(1);
        if (last < 0 || name.size == 0 || !equals(libraries.at(last).name, name) ||
            !equals(libraries.at(last).description, description))
            last = grouper.indexOf(name.size == 0 ? defaultLibrary : textOf(name),
                                   textOf(description));
        FormatColor color;
        color.name = textOf(cell(2));
        color.row = line;
        color.values.reserve(ColorColumns::ValueCount);
        for (int v = 0; v < ColorColumns::ValueCount; ++v)
            color.values << valueOf(trimmed(cell(3 + v)));
        libraries[last].colors.append(std::move(color));
    }
    if (records.badLine() > 0) {
        error = FormatError::make(FormatError::CsvUnterminatedQuote, file);
        error.line = records.badLine();
        return error;
    }
    if (headerSize < 0)
        checkHeader(QVector<Span>());
    return error;
}

}  // namespace CsvFormat

}  // namespace colorcard
