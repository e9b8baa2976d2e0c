// SPDX-License-Identifier: MIT
#include "formats/CgatsFormat.h"

#include <lcms2.h>

#include <QRegularExpression>
#include <algorithm>
#include <cstring>
#include <memory>

#include "compat/QtCompat.h"
#include "formats/LibraryGrouper.h"

namespace colorcard {

namespace CgatsFormat {

namespace {

const QString kFormatName = QStringLiteral("CGATS.17");
const char kLibraryName[] = "LIBRARY_NAME";
const char kLibraryDescription[] = "LIBRARY_DESCRIPTION";
// Stands for an empty quoted text while Little CMS reads the file: this
// version of it reads "" as the text read before. No written name holds it.
const char kEmptyText = '\x01';

struct Field {
    const char* name;
    int column;
};

// Value fields in the order they are written, grouped by colour space.
const QVector<QVector<Field>> kGroups = {
    {{"LAB_L", ColorColumns::LabL}, {"LAB_A", ColorColumns::Laba}, {"LAB_B", ColorColumns::Labb}},
    {{"LAB_C", ColorColumns::LChC}, {"LAB_H", ColorColumns::LChh}},
    {{"XYY_CAPY", ColorColumns::YxyY},
     {"XYY_X", ColorColumns::Yxyx},
     {"XYY_Y", ColorColumns::Yxyy}},
    {{"CMYK_C", ColorColumns::CmykC},
     {"CMYK_M", ColorColumns::CmykM},
     {"CMYK_Y", ColorColumns::CmykY},
     {"CMYK_K", ColorColumns::CmykK}},
    {{"RGB_R", ColorColumns::RgbR}, {"RGB_G", ColorColumns::RgbG}, {"RGB_B", ColorColumns::RgbB}},
    {{"LUV_L", ColorColumns::LuvL}, {"LUV_U", ColorColumns::Luvu}, {"LUV_V", ColorColumns::Luvv}},
};
// Names outside the standard's list, declared with KEYWORD.
const char* const kDeclared[] = {kLibraryName, kLibraryDescription, "LUV_L", "LUV_U", "LUV_V"};

// Collects the first error Little CMS reports through its context.
struct ErrorLog {
    QString message;
};

void logError(cmsContext context, cmsUInt32Number, const char* text) {
    auto* log = static_cast<ErrorLog*>(cmsGetContextUserData(context));
    if (log && log->message.isEmpty())
        log->message = QString::fromUtf8(text);
}

struct Context {
    ErrorLog log;
    cmsContext context;
    Context() : context(cmsCreateContext(nullptr, &log)) {
        cmsSetLogErrorHandlerTHR(context, logError);
    }
    ~Context() { cmsDeleteContext(context); }
};

struct HandleFree {
    void operator()(void* handle) const { cmsIT8Free(handle); }
};
using Handle = std::unique_ptr<void, HandleFree>;

bool writable(const QString& text) {
    for (const QChar c : text)
        if (c == QLatin1Char('"') || c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    return true;
}

// Little CMS quotes a data text only when it holds a space; every other
// name is quoted here, so names in any script read back as texts.
QByteArray dataText(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return text.contains(QLatin1Char(' ')) ? bytes : '"' + bytes + '"';
}

bool groupHeld(const FormatLibrary& library, const QVector<Field>& group) {
    for (const FormatColor& color : library.colors)
        for (const Field& field : group)
            if (!ColorColumns::isPlainNumber(color.values.value(field.column)))
                return false;
    return true;
}

FormatError unwritable(const QString& text) {
    FormatError error = FormatError::make(FormatError::Unwritable);
    error.text = text;
    error.format = kFormatName;
    return error;
}

// A number with an exponent: [+-] digits[.digits] or .digits, then e or E,
// [+-] and digits.
bool hasExponent(const char* c, const char* end) {
    const auto digits = [&c, end] {
        const char* first = c;
        while (c < end && *c >= '0' && *c <= '9')
            ++c;
        return c > first;
    };
    if (c < end && (*c == '+' || *c == '-'))
        ++c;
    bool mantissa = digits();
    if (c < end && *c == '.') {
        ++c;
        mantissa = digits() || mantissa;
    }
    if (!mantissa || c == end || (*c != 'e' && *c != 'E'))
        return false;
    ++c;
    if (c < end && (*c == '+' || *c == '-'))
        ++c;
    return digits() && c == end;
}

// A number Little CMS would store as the same text: [-]digits, then
// optionally a point and digits not ending in zero, ten digits at most, no
// leading zero, not below 0.0001 and not -0. Little CMS prints every number
// it reads again (the larger part of its load); quoted, such a cell is taken
// as it stands, and reads as the same text.
bool keepsItsText(const char* c, const char* end) {
    const bool negative = c < end && *c == '-';
    if (negative)
        ++c;
    const char* const whole = c;
    while (c < end && *c >= '0' && *c <= '9')
        ++c;
    const long wholeDigits = c - whole;
    if (wholeDigits == 0 || (wholeDigits > 1 && *whole == '0'))
        return false;
    if (c == end)
        return wholeDigits <= 9 && !(negative && *whole == '0');
    if (*c != '.')
        return false;
    const char* const fraction = ++c;
    while (c < end && *c >= '0' && *c <= '9')
        ++c;
    const long fractionDigits = c - fraction;
    if (c != end || fractionDigits == 0 || end[-1] == '0' || wholeDigits + fractionDigits > 10)
        return false;
    // Below 0.0001 it would come back with an exponent.
    return *whole != '0' || fractionDigits < 4 || std::strncmp(fraction, "0000", 4) != 0;
}

// Rewrites what this version of Little CMS misreads: numbers with an
// exponent become plain decimals, an empty quoted text becomes kEmptyText.
// Numbers in the data that keep their text are quoted (keepsItsText). A
// file needing none of that comes back shared, not copied.
QByteArray normalised(const QByteArray& bytes) {
    const char* const data = bytes.constData();
    // Written through a cursor: QByteArray::append costs more than the bytes
    // of a cell. The buffer grows as needed and is cut to length at the end.
    QByteArray out;
    int length = 0;
    const auto put = [&out, &length](const char* from, int count) {
        if (length + count > out.size())
            out.resize(qMax(length + count, out.size() + out.size() / 2 + 64));
        std::memcpy(out.data() + length, from, size_t(count));
        length += count;
    };
    // Bytes before this are in out already; the rest are copied on the next rewrite.
    int copied = 0;
    // Copies what lies before from; the caller puts what stands for [from, to).
    const auto rewrite = [&](int from, int to) {
        if (copied == 0)
            out.resize(bytes.size() + bytes.size() / 8 + 64);
        put(data + copied, from - copied);
        copied = to;
    };
    const int size = bytes.size();
    // What ends a token: a zero byte, white space, a quote or a comment.
    bool separator[256] = {};
    for (const unsigned char c : {'\0', ' ', '\t', '\r', '\n', '"', '\'', '#'})
        separator[c] = true;
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    bool inData = false;
    int i = 0;
    while (i < size) {
        const char c = data[i];
        if (c == '#') {
            const int end = bytes.indexOf('\n', i);
            i = end < 0 ? size : end;
        } else if (c == '"' || c == '\'') {
            const char* const close =
                static_cast<const char*>(std::memchr(data + i + 1, c, size_t(size - i - 1)));
            const int end = close ? int(close - data) : -1;
            const char* const newline =
                end < 0
                    ? nullptr
                    : static_cast<const char*>(std::memchr(data + i + 1, '\n', size_t(end - i)));
            if (end < 0 || newline) {
                ++i;  // left for the parser to refuse
            } else if (end == i + 1) {
                rewrite(i, end + 1);
                const char empty[] = {c, kEmptyText, c};
                put(empty, 3);
                i = end + 1;
            } else {
                i = end + 1;
            }
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
        } else {
            // A token runs to the next separator; a zero byte is a token of its own.
            int end = i + 1;
            while (end < size && !separator[static_cast<unsigned char>(data[end])])
                ++end;
            // Keywords are read in any letter case.
            const auto is = [&](const char* keyword) {
                return qstrnicmp(data + i, end - i, keyword, -1) == 0;
            };
            if (hasExponent(data + i, data + end)) {
                rewrite(i, end);
                const QByteArray plain =
                    QByteArray::number(QByteArray(data + i, end - i).toDouble(), 'f', 8);
                put(plain.constData(), plain.size());
            } else if (inData && (end == size || isSpace(data[end])) &&
                       keepsItsText(data + i, data + end)) {
                rewrite(i, end);
                put("\"", 1);
                put(data + i, end - i);
                put("\"", 1);
            } else if (is("BEGIN_DATA"))
                inData = true;
            else if (is("END_DATA"))
                inData = false;
            i = end;
        }
    }
    if (copied == 0)
        return bytes;
    put(data + copied, size - copied);
    out.truncate(length);
    return out;
}

// Strict UTF-8: ASCII bytes are never part of a longer sequence, so only the
// runs of other bytes are decoded, each run apart.
bool isUtf8(const QByteArray& bytes) {
    QByteArray runs;
    const char* const data = bytes.constData();
    const int size = bytes.size();
    for (int i = 0; i < size;) {
        if (static_cast<unsigned char>(data[i]) < 0x80) {
            ++i;
            continue;
        }
        int end = i + 1;
        while (end < size && static_cast<unsigned char>(data[end]) >= 0x80)
            ++end;
        runs.append(data + i, end - i).append('\n');
        i = end;
    }
    return runs.isEmpty() || !QtCompat::decodeStrictly(runs, "UTF-8").isNull();
}

QString readText(const char* text) {
    if (!text || (text[0] == kEmptyText && text[1] == 0))
        return QString();
    return QString::fromUtf8(text);
}

// A value cell: mostly a plain number, which is ASCII.
QString numberText(const char* text) {
    if (!text)
        return QString();
    const char* end = text;
    bool ascii = true;
    for (; *end; ++end)
        ascii = ascii && static_cast<unsigned char>(*end) < 0x80;
    if (!ascii || (end - text == 1 && text[0] == kEmptyText))
        return readText(text);
    if (const QString* shared = ColorColumns::sharedSmallNumber(text, int(end - text)))
        return *shared;
    return QString::fromLatin1(text, int(end - text));
}

FormatError parseError(const QString& message, const QString& file) {
    FormatError error = FormatError::make(FormatError::Malformed, file);
    error.format = kFormatName;
    static const QRegularExpression lineAt(QStringLiteral("Line (\\d+), (.*)$"));
    const QRegularExpressionMatch match = lineAt.match(message);
    error.line = match.hasMatch() ? match.captured(1).toInt() : 0;
    error.detail = match.hasMatch() ? match.captured(2) : message;
    return error;
}

}  // namespace

FormatError write(const FormatLibraries& libraries, const FormatWriteOptions& options,
                  QByteArray& bytes) {
    Context context;
    Handle it8(cmsIT8Alloc(context.context));
    if (!it8)
        return FormatError::make(FormatError::CannotWrite);
    void* h = it8.get();
    cmsIT8SetSheetType(h, "CGATS.17");
    const QByteArray originator = options.creator.toUtf8();
    const QByteArray created = options.created.toString(Qt::ISODate).toUtf8();

    int table = 0;
    for (const FormatLibrary& library : libraries) {
        if (library.colors.isEmpty())
            continue;
        if (!writable(library.name))
            return unwritable(library.name);
        if (!writable(library.description))
            return unwritable(library.description);
        if (table > 0)
            cmsIT8SetTable(h, cmsUInt32Number(table));
        ++table;

        const QString descriptor = library.description.isEmpty()
                                       ? library.name
                                       : library.name + QStringLiteral(" - ") + library.description;
        cmsIT8SetPropertyStr(h, "ORIGINATOR", originator.constData());
        cmsIT8SetPropertyStr(h, "CREATED", created.constData());
        cmsIT8SetPropertyStr(h, "DESCRIPTOR", descriptor.toUtf8().constData());
        cmsIT8SetPropertyStr(h, kLibraryName, library.name.toUtf8().constData());
        if (!library.description.isEmpty())
            cmsIT8SetPropertyStr(h, kLibraryDescription, library.description.toUtf8().constData());

        QVector<Field> fields;
        for (int g = 0; g < kGroups.size(); ++g) {
            if (g == 0 || groupHeld(library, kGroups[g]))
                fields += kGroups[g];
        }
        cmsIT8SetPropertyDbl(h, "NUMBER_OF_FIELDS", fields.size() + 2);
        cmsIT8SetPropertyDbl(h, "NUMBER_OF_SETS", library.colors.size());
        cmsIT8SetDataFormat(h, 0, "SAMPLE_ID");
        cmsIT8SetDataFormat(h, 1, "SAMPLE_NAME");
        for (int f = 0; f < fields.size(); ++f)
            cmsIT8SetDataFormat(h, f + 2, fields[f].name);

        for (int row = 0; row < library.colors.size(); ++row) {
            const FormatColor& color = library.colors.at(row);
            if (!writable(color.name))
                return unwritable(color.name);
            cmsIT8SetDataRowCol(h, row, 0, QByteArray::number(row + 1).constData());
            cmsIT8SetDataRowCol(h, row, 1, dataText(color.name).constData());
            for (int f = 0; f < fields.size(); ++f) {
                const QString value = color.values.value(fields[f].column);
                if (!ColorColumns::isPlainNumber(value)) {
                    FormatError error = FormatError::make(FormatError::NotANumber);
                    error.library = library.name;
                    error.color = color.name;
                    error.field = QString::fromLatin1(fields[f].name);
                    error.text = value;
                    return error;
                }
                cmsIT8SetDataRowCol(h, row, f + 2, value.toLatin1().constData());
            }
        }
    }
    if (table == 0) {
        // A file without libraries still says who wrote it and when.
        cmsIT8SetPropertyStr(h, "ORIGINATOR", originator.constData());
        cmsIT8SetPropertyStr(h, "CREATED", created.constData());
    }

    cmsUInt32Number size = 0;
    if (!cmsIT8SaveToMem(h, nullptr, &size) || size == 0)
        return FormatError::make(FormatError::CannotWrite);
    QByteArray saved(int(size), '\0');
    if (!cmsIT8SaveToMem(h, saved.data(), &size))
        return FormatError::make(FormatError::CannotWrite);
    saved.truncate(saved.indexOf('\0') < 0 ? saved.size() : saved.indexOf('\0'));

    // Little CMS keeps one KEYWORD property only; the declarations follow the
    // sheet type line, before every use.
    QByteArray declarations;
    for (const char* name : kDeclared)
        declarations += QByteArray("KEYWORD\t\"") + name + "\"\n";
    const int firstLineEnd = saved.indexOf('\n');
    saved.insert(firstLineEnd < 0 ? saved.size() : firstLineEnd + 1, declarations);
    bytes = saved;
    return FormatError();
}

FormatError read(const QByteArray& bytes, const QString& file, const QString& defaultLibrary,
                 FormatLibraries& libraries) {
    if (!isUtf8(bytes))
        return FormatError::make(FormatError::NotUtf8, file);

    Context context;
    const QByteArray text = normalised(bytes);
    // Little CMS asserts on an empty buffer instead of refusing it.
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    if (std::all_of(text.cbegin(), text.cend(), blank))
        return FormatError::make(FormatError::NoColors, file);
    Handle it8(cmsIT8LoadFromMem(context.context, text.constData(), cmsUInt32Number(text.size())));
    // Some faults are logged while a handle still comes back: the file is refused all the same.
    if (!it8 || !context.log.message.isEmpty())
        return parseError(context.log.message, file);
    void* h = it8.get();

    QHash<QString, int> columnOf;
    for (const QVector<Field>& group : kGroups)
        for (const Field& field : group)
            columnOf.insert(QString::fromLatin1(field.name), field.column);

    QStringList nullValues;
    nullValues.reserve(ColorColumns::ValueCount);
    for (int v = 0; v < ColorColumns::ValueCount; ++v)
        nullValues << QString();
    LibraryGrouper grouper(libraries);
    const int tables = int(cmsIT8TableCount(h));
    for (int t = 0; t < tables; ++t) {
        cmsIT8SetTable(h, cmsUInt32Number(t));
        const int sets = int(cmsIT8GetPropertyDbl(h, "NUMBER_OF_SETS"));
        if (sets <= 0)
            continue;
        char** names = nullptr;
        const int fieldCount = cmsIT8EnumDataFormat(h, &names);
        QVector<int> columns(fieldCount, -1);
        int nameField = -1, locationField = -1, idField = -1;
        for (int f = 0; f < fieldCount; ++f) {
            const QString name = QString::fromLatin1(names[f]).toUpper();
            columns[f] = columnOf.value(name, -1);
            if (name == QLatin1String("SAMPLE_NAME"))
                nameField = f;
            else if (name == QLatin1String("SAMPLE_LOC"))
                locationField = f;
            else if (name == QLatin1String("SAMPLE_ID"))
                idField = f;
        }
        QStringList missing;
        for (int column = ColorColumns::LabL; column <= ColorColumns::Labb; ++column)
            if (!columns.contains(column))
                missing << QString::fromLatin1(kGroups[0][column].name);
        if (!missing.isEmpty()) {
            FormatError error = FormatError::make(FormatError::MissingLabFields, file);
            error.detail = missing.join(QStringLiteral(", "));
            return error;
        }

        const QString name = cmsIT8GetProperty(h, kLibraryName)
                                 ? readText(cmsIT8GetProperty(h, kLibraryName))
                                 : defaultLibrary;
        const QString description = readText(cmsIT8GetProperty(h, kLibraryDescription));
        FormatLibrary& library = libraries[grouper.indexOf(name, description)];
        library.colors.reserve(library.colors.size() + sets);
        for (int row = 0; row < sets; ++row) {
            FormatColor color;
            color.row = row + 1;
            const int labelField = nameField >= 0       ? nameField
                                   : locationField >= 0 ? locationField
                                                        : idField;
            if (labelField >= 0)
                color.name = readText(cmsIT8GetDataRowCol(h, row, labelField));
            // Each value cell becomes one text, in column order; the rest stay null.
            color.values = nullValues;
            for (int f = 0; f < fieldCount; ++f)
                if (columns[f] >= 0)
                    color.values[columns[f]] = numberText(cmsIT8GetDataRowCol(h, row, f));
            library.colors.append(std::move(color));
        }
    }
    return FormatError();
}

}  // namespace CgatsFormat

}  // namespace colorcard
