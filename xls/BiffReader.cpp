// SPDX-License-Identifier: MIT
#include "xls/BiffReader.h"

#include <QDate>
#include <QtEndian>
#include <cmath>
#include <cstring>
#include <vector>

#include "compat/QtCompat.h"
#include "xls/Workbook.h"

namespace colorcard {

namespace {

constexpr quint16 kBof = 0x0809;
constexpr quint16 kEof = 0x000A;
constexpr quint16 kBoundSheet = 0x0085;
constexpr quint16 kSst = 0x00FC;
constexpr quint16 kContinue = 0x003C;
constexpr quint16 kCodePage = 0x0042;
constexpr quint16 kDateMode = 0x0022;
constexpr quint16 kFormat = 0x041E;
constexpr quint16 kXf = 0x00E0;
constexpr quint16 kDimensions = 0x0200;
constexpr quint16 kNumber = 0x0203;
constexpr quint16 kRk = 0x027E;
constexpr quint16 kMulRk = 0x00BD;
constexpr quint16 kLabelSst = 0x00FD;
constexpr quint16 kLabel = 0x0204;
constexpr quint16 kRString = 0x00D6;
constexpr quint16 kBoolErr = 0x0205;
constexpr quint16 kFormula = 0x0006;
constexpr quint16 kString = 0x0207;

// One record's body: every read checks it against the body's length.
class Body {
public:
    Body() = default;
    Body(const char* data, int length) : data(data), length(length) {}

    int size() const { return length; }
    bool has(qint64 at, qint64 bytes) const {
        return at >= 0 && bytes >= 0 && at + bytes <= length;
    }
    quint8 u8(int at) const { return has(at, 1) ? quint8(data[at]) : 0; }
    quint16 u16(int at) const { return has(at, 2) ? qFromLittleEndian<quint16>(data + at) : 0; }
    quint32 u32(int at) const { return has(at, 4) ? qFromLittleEndian<quint32>(data + at) : 0; }
    double f64(int at) const {
        double value = 0;
        if (has(at, 8)) {
            const quint64 bits = qFromLittleEndian<quint64>(data + at);
            std::memcpy(&value, &bits, sizeof value);
        }
        return value;
    }
    const char* at(int offset) const { return data + offset; }

private:
    const char* data = nullptr;
    int length = 0;
};

struct Record {
    quint16 id = 0;
    Body body;
};

class Records {
public:
    explicit Records(const QByteArray& stream, int pos = 0) : stream(stream), pos(pos) {}
    bool next(Record* record) {
        if (pos < 0 || pos > stream.size() - 4)
            return false;
        record->id = qFromLittleEndian<quint16>(stream.constData() + pos);
        const int length = qFromLittleEndian<quint16>(stream.constData() + pos + 2);
        if (length > stream.size() - pos - 4)
            return false;
        record->body = Body(stream.constData() + pos + 4, length);
        pos += 4 + length;
        return true;
    }
    // The record that follows, without moving past it.
    bool peek(Record* record) const { return Records(stream, pos).next(record); }

private:
    const QByteArray& stream;
    int pos;
};

QString latin1(const char* data, int size) {
    return QString::fromLatin1(data, size);
}

QString utf16(const char* data, int characters) {
    QString text(characters, Qt::Uninitialized);
    for (int i = 0; i < characters; ++i)
        text[i] = QChar(qFromLittleEndian<quint16>(data + 2 * i));
    return text;
}

struct Globals {
    bool biff8 = true;
    bool date1904 = false;
    QByteArray codePage;  // of the 8-bit texts of BIFF5; Latin-1 when none is named
    std::vector<quint16> xfFormats;
    // format index -> kind, for the formats the workbook defines
    std::vector<std::pair<quint16, int>> formats;
    std::vector<QString> strings;
    struct Sheet {
        quint32 position;
        QString name;
    };
    std::vector<Sheet> sheets;

    QString bytes(const char* data, int size) const {
        return codePage.isEmpty() ? latin1(data, size)
                                  : QtCompat::decode(QByteArray(data, size), codePage.constData());
    }
};

// What a number formatted with a format shows.
enum Kind { kPlain = 0, kDate = 1, kTime = 2, kDateTime = 3 };

int builtInKind(quint16 format) {
    if (format >= 14 && format <= 17)
        return kDate;
    if ((format >= 18 && format <= 21) || (format >= 45 && format <= 47))
        return kTime;
    return format == 22 ? kDateTime : kPlain;
}

// A format string's kind from its date and time letters outside quotes,
// brackets and escapes.
int formatKind(const QString& format) {
    bool date = false, time = false, quoted = false, bracket = false;
    for (int i = 0; i < format.size(); ++i) {
        const QChar c = format[i].toLower();
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == QLatin1Char('\\') || c == QLatin1Char('_') || c == QLatin1Char('*'))
            ++i;
        else if (c == QLatin1Char('['))
            bracket = true;
        else if (c == QLatin1Char(']'))
            bracket = false;
        else if (bracket)
            continue;
        else if (c == QLatin1Char('d') || c == QLatin1Char('y'))
            date = true;
        else if (c == QLatin1Char('h') || c == QLatin1Char('s'))
            time = true;
    }
    return (date ? kDate : kPlain) | (time ? kTime : kPlain);
}

int kindOfXf(const Globals& globals, quint16 xf) {
    if (xf >= globals.xfFormats.size())
        return kPlain;
    const quint16 format = globals.xfFormats[xf];
    for (const auto& defined : globals.formats) {
        if (defined.first == format)
            return defined.second;
    }
    return builtInKind(format);
}

QVariant numberCell(const Globals& globals, quint16 xf, double value) {
    const int kind = kindOfXf(globals, xf);
    if (kind == kPlain || !std::isfinite(value) || value < 0 || value > 2958465.0)
        return value;
    double days = std::floor(value);
    qint64 seconds = qRound64((value - days) * 86400.0);
    if (seconds >= 86400) {
        days += 1;
        seconds -= 86400;
    }
    const QTime time = QTime(0, 0).addSecs(int(seconds));
    // Serial 60 is the 29 February 1900 that never was.
    const QDate epoch = globals.date1904 ? QDate(1904, 1, 1)
                                         : (days < 60 ? QDate(1899, 12, 31) : QDate(1899, 12, 30));
    const QDate date = epoch.addDays(qint64(days));
    const QString isoTime = time.toString(QStringLiteral("HH:mm:ss"));
    const QString isoDate = date.toString(QStringLiteral("yyyy-MM-dd"));
    if (kind == kDate)
        return isoDate;
    if (kind == kTime)
        return isoTime;
    return isoDate + QLatin1Char(' ') + isoTime;
}

double rkValue(quint32 rk) {
    double value;
    if (rk & 0x02) {
        value = double(qint32(rk) >> 2);
    } else {
        const quint64 bits = quint64(rk & 0xFFFFFFFC) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return (rk & 0x01) ? value / 100 : value;
}

// A BIFF8 unicode string inside one record: characters counted by a
// countBytes-wide field at 'at', then the option flags. BIFF5 keeps a
// count and 8-bit text. False when it does not fit the record.
bool recordString(const Globals& globals, const Body& body, int at, int countBytes, QString* text,
                  int* end = nullptr) {
    if (!body.has(at, countBytes))
        return false;
    const int characters = countBytes == 1 ? body.u8(at) : body.u16(at);
    at += countBytes;
    if (!globals.biff8) {
        if (!body.has(at, characters))
            return false;
        *text = globals.bytes(body.at(at), characters);
        if (end)
            *end = at + characters;
        return true;
    }
    if (!body.has(at, 1))
        return false;
    const quint8 flags = body.u8(at);
    const int runs = (flags & 0x08) ? body.u16(at + 1) : 0;
    at += 1 + ((flags & 0x08) ? 2 : 0);
    const qint64 extra = (flags & 0x04) ? body.u32(at) : 0;
    at += (flags & 0x04) ? 4 : 0;
    const bool wide = flags & 0x01;
    if (!body.has(at, qint64(characters) * (wide ? 2 : 1)))
        return false;
    *text = wide ? utf16(body.at(at), characters) : latin1(body.at(at), characters);
    if (end)
        *end = int(qMin<qint64>(
            body.size(), at + qint64(characters) * (wide ? 2 : 1) + 4 * qint64(runs) + extra));
    return true;
}

// Reads the shared string table from the SST record and its CONTINUE
// records: a string's characters may go on in the next record, which then
// starts with the flags of the rest.
class StringTableReader {
public:
    explicit StringTableReader(const std::vector<Body>& parts) : parts(parts) {}

    bool read(std::vector<QString>* strings) {
        if (parts.empty() || parts[0].size() < 8)
            return false;
        const quint32 count = parts[0].u32(4);
        offset = 8;
        // Each string takes at least three bytes, which bounds the count.
        qint64 total = 0;
        for (const Body& body : parts)
            total += body.size();
        strings->reserve(size_t(qMin<qint64>(count, total / 3)));
        for (quint32 i = 0; i < count; ++i) {
            if (!available() && part + 1 == parts.size())
                return true;  // fewer strings than announced
            QString text;
            if (!readString(&text))
                return false;
            strings->push_back(std::move(text));
        }
        return true;
    }

private:
    // Bytes left in the current part, moving on to the next part when none are.
    qint64 available() {
        while (offset >= parts[part].size() && part + 1 < parts.size()) {
            ++part;
            offset = 0;
        }
        return parts[part].size() - offset;
    }
    bool take(int bytes, quint32* value) {
        if (available() < bytes)
            return false;
        const Body& body = parts[part];
        *value = bytes == 1   ? body.u8(int(offset))
                 : bytes == 2 ? body.u16(int(offset))
                              : body.u32(int(offset));
        offset += bytes;
        return true;
    }
    bool skip(qint64 bytes) {
        while (bytes > 0) {
            const qint64 here = available();
            if (here <= 0)
                return false;
            const qint64 step = qMin(here, bytes);
            offset += step;
            bytes -= step;
        }
        return true;
    }
    bool readString(QString* text) {
        quint32 characters = 0, flags = 0, runs = 0, extra = 0;
        if (!take(2, &characters) || !take(1, &flags))
            return false;
        if ((flags & 0x08) && !take(2, &runs))
            return false;
        if ((flags & 0x04) && !take(4, &extra))
            return false;
        text->reserve(int(characters));
        bool wide = flags & 0x01;
        quint32 left = characters;
        while (left > 0) {
            qint64 here = parts[part].size() - offset;
            if (here <= 0) {
                // The characters go on in the next record, after its own flags.
                if (part + 1 >= parts.size() || parts[part + 1].size() < 1)
                    return false;
                ++part;
                offset = 1;
                wide = parts[part].u8(0) & 0x01;
                here = parts[part].size() - 1;
            }
            const quint32 fit = quint32(qMin<qint64>(left, wide ? here / 2 : here));
            if (fit == 0)
                return false;
            const char* data = parts[part].at(int(offset));
            text->append(wide ? utf16(data, int(fit)) : latin1(data, int(fit)));
            offset += qint64(fit) * (wide ? 2 : 1);
            left -= fit;
        }
        return skip(4 * qint64(runs) + extra) || (available() == 0 && part + 1 == parts.size());
    }

    const std::vector<Body>& parts;
    size_t part = 0;
    qint64 offset = 0;
};

bool readGlobals(const QByteArray& stream, Globals* globals) {
    Records records(stream);
    Record record;
    if (!records.next(&record) || record.id != kBof || record.body.size() < 4)
        return false;
    const quint16 version = record.body.u16(0);
    if ((version != 0x0600 && version != 0x0500) || record.body.u16(2) != 0x0005)
        return false;
    globals->biff8 = version == 0x0600;
    std::vector<Body> stringTable;
    quint16 previous = 0;
    while (records.next(&record)) {
        const Body& body = record.body;
        switch (record.id) {
            case kEof:
                if (!stringTable.empty() && !StringTableReader(stringTable).read(&globals->strings))
                    return false;
                return !globals->sheets.empty();
            case kCodePage:
                if (!globals->biff8 && body.size() >= 2 && body.u16(0) != 1200)
                    globals->codePage = "CP" + QByteArray::number(body.u16(0));
                break;
            case kDateMode:
                globals->date1904 = body.u16(0) == 1;
                break;
            case kXf:
                if (body.size() >= 4)
                    globals->xfFormats.push_back(body.u16(2));
                break;
            case kFormat: {
                QString text;
                if (!recordString(*globals, body, 2, globals->biff8 ? 2 : 1, &text))
                    return false;
                globals->formats.emplace_back(body.u16(0), formatKind(text));
                break;
            }
            case kBoundSheet: {
                QString name;
                if (body.size() < 7 || !recordString(*globals, body, 6, 1, &name))
                    return false;
                globals->sheets.push_back({body.u32(0), name});
                break;
            }
            case kSst:
                if (!stringTable.empty())
                    return false;
                stringTable.push_back(body);
                break;
            case kContinue:
                if (previous == kSst)
                    stringTable.push_back(body);
                break;
            default:
                break;
        }
        if (record.id != kContinue)
            previous = record.id;
    }
    return false;
}

class SheetReader {
public:
    SheetReader(const Globals& globals, Worksheet* sheet) : globals(globals), sheet(sheet) {}

    bool read(const QByteArray& stream, quint32 position) {
        if (position >= quint32(stream.size()))
            return false;
        Records records(stream, int(position));
        Record record;
        if (!records.next(&record) || record.id != kBof)
            return false;
        int depth = 1;
        while (records.next(&record)) {
            if (record.id == kBof) {
                ++depth;
            } else if (record.id == kEof) {
                if (--depth == 0)
                    return true;
            } else if (depth == 1 && !cell(record, records)) {
                return false;
            }
        }
        return false;
    }

private:
    void set(int row, int column, const QVariant& value) {
        if (quint32(row) < rows && quint32(column) < columns)
            sheet->setCell(row, column, value);
    }
    void setNumber(const Body& body, double value) {
        set(body.u16(0), body.u16(2), numberCell(globals, body.u16(4), value));
    }

    bool cell(const Record& record, Records& records) {
        const Body& body = record.body;
        switch (record.id) {
            case kDimensions:
                if (globals.biff8 ? body.size() < 12 : body.size() < 8)
                    return false;
                rows = globals.biff8 ? body.u32(4) : body.u16(2);
                columns = body.u16(globals.biff8 ? 10 : 6);
                return true;
            case kNumber:
                if (body.size() < 14)
                    return false;
                setNumber(body, body.f64(6));
                return true;
            case kRk:
                if (body.size() < 10)
                    return false;
                setNumber(body, rkValue(body.u32(6)));
                return true;
            case kMulRk: {
                if (body.size() < 6)
                    return false;
                const int row = body.u16(0);
                const int first = body.u16(2);
                const int cells = (body.size() - 6) / 6;
                for (int i = 0; i < cells; ++i)
                    set(row, first + i,
                        numberCell(globals, body.u16(4 + 6 * i), rkValue(body.u32(6 + 6 * i))));
                return true;
            }
            case kBoolErr:
                if (body.size() < 8)
                    return false;
                if (body.u8(7) == 0)
                    setNumber(body, body.u8(6));
                return true;
            case kLabelSst: {
                if (body.size() < 10)
                    return false;
                const quint32 index = body.u32(6);
                if (index >= globals.strings.size())
                    return false;
                set(body.u16(0), body.u16(2), globals.strings[index]);
                return true;
            }
            case kLabel:
            case kRString: {
                QString text;
                if (!recordString(globals, body, 6, 2, &text))
                    return false;
                set(body.u16(0), body.u16(2), text);
                return true;
            }
            case kFormula:
                return formula(body, records);
            default:
                return true;
        }
    }

    // The value a formula had when the file was saved.
    bool formula(const Body& body, Records& records) {
        if (body.size() < 14)
            return false;
        if (body.u16(12) != 0xFFFF) {
            setNumber(body, body.f64(6));
            return true;
        }
        const quint8 type = body.u8(6);
        if (type == 1) {
            setNumber(body, body.u8(8));
        } else if (type == 0) {
            // A text result follows in a STRING record.
            Record next;
            if (records.peek(&next) && next.id == kString) {
                records.next(&next);
                QString text;
                if (!recordString(globals, next.body, 0, 2, &text))
                    return false;
                set(body.u16(0), body.u16(2), text);
            }
        }
        return true;
    }

    const Globals& globals;
    Worksheet* sheet;
    quint32 rows = 0;
    quint32 columns = 0;
};

}  // namespace

bool BiffReader::read(const QByteArray& stream, Workbook* workbook) {
    Globals globals;
    if (!readGlobals(stream, &globals))
        return false;
    Workbook loaded;
    for (const Globals::Sheet& entry : globals.sheets) {
        Worksheet& sheet = loaded.addSheet(entry.name);
        if (!SheetReader(globals, &sheet).read(stream, entry.position))
            return false;
    }
    *workbook = std::move(loaded);
    return true;
}

}  // namespace colorcard
