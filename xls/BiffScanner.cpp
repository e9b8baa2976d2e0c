// SPDX-License-Identifier: MIT
#include "xls/BiffScanner.h"

namespace colorcard {

namespace {

constexpr quint16 kBof = 0x0809;
constexpr quint16 kEof = 0x000A;
constexpr quint16 kFilePass = 0x002F;
constexpr quint16 kBoundSheet = 0x0085;
constexpr quint16 kColInfo = 0x007D;
constexpr quint16 kBlank = 0x0201;
constexpr quint16 kMulBlank = 0x00BE;
constexpr quint16 kLabel = 0x0204;
constexpr quint16 kFormat = 0x041E;
constexpr quint16 kSst = 0x00FC;
constexpr quint16 kDimensions = 0x0200;
constexpr int kMaxRows = 65536;
constexpr quint16 kContinue = 0x003C;
// FreeXL gives up on larger string tables.
constexpr quint32 kMaxStrings = 1024 * 1024;
constexpr int kMaxColumns = 256;

quint16 u16At(const QByteArray& data, int at) {
    return static_cast<quint16>(static_cast<uchar>(data[at]) |
                                (static_cast<uchar>(data[at + 1]) << 8));
}

quint32 u32At(const QByteArray& data, int at) {
    return u16At(data, at) | (static_cast<quint32>(u16At(data, at + 2)) << 16);
}

struct Record {
    quint16 id = 0;
    int dataAt = 0;
    int length = 0;
};

// The record at pos, or false when its header or body runs past the end.
bool recordAt(const QByteArray& stream, int pos, Record* record) {
    if (pos < 0 || pos > stream.size() - 4)
        return false;
    record->id = u16At(stream, pos);
    record->length = u16At(stream, pos + 2);
    record->dataAt = pos + 4;
    return record->length <= stream.size() - record->dataAt;
}

bool isWorkbookBof(const QByteArray& stream, const Record& record, int type) {
    if (record.id != kBof || record.length < 4)
        return false;
    const quint16 version = u16At(stream, record.dataAt);
    return (version == 0x0600 || version == 0x0500) && u16At(stream, record.dataAt + 2) == type;
}

// Whether a BIFF8 unicode string whose character count has already been
// read, with its option flags at 'at', lies inside the record. FreeXL reads
// such strings without looking at the record's length.
bool stringFits(const QByteArray& stream, const Record& record, int at, int characters) {
    const int end = record.dataAt + record.length;
    if (at >= end)
        return false;
    const uchar flags = static_cast<uchar>(stream[at]);
    const int header = 1 + ((flags & 0x08) ? 2 : 0) + ((flags & 0x04) ? 4 : 0);
    const qint64 bytes = qint64(characters) * ((flags & 0x01) ? 2 : 1);
    return at + header + bytes <= end;
}

// Walks the shared string table the way FreeXL does and refuses what it
// would read past a record: FreeXL completes a string split across records
// from the next record alone, and reads 16-bit characters unchecked.
// parts: the SST record followed by its CONTINUE records.
bool stringTableReadable(const QByteArray& stream, const std::vector<Record>& parts) {
    if (parts.empty() || parts[0].length < 8)
        return false;
    const quint32 count = u32At(stream, parts[0].dataAt + 4);
    if (count > kMaxStrings)
        return false;
    size_t part = 0;
    qint64 p = 8;  // offset inside the current part
    qint64 skip = 0;
    for (quint32 i = 0; i < count; ++i) {
        if (p >= parts[part].length) {
            if (++part == parts.size())
                return true;  // fewer strings than announced: the rest stay unset
            p = 0;
        }
        p += skip;
        skip = 0;
        const int base = parts[part].dataAt;
        qint64 length = parts[part].length;
        if (p + 3 > length)
            return false;
        const int characters = u16At(stream, base + static_cast<int>(p));
        const uchar flags = static_cast<uchar>(stream[base + static_cast<int>(p) + 2]);
        const int header = 3 + ((flags & 0x08) ? 2 : 0) + ((flags & 0x04) ? 4 : 0);
        if (characters == 0 || p + header > length)
            return false;
        qint64 extra = 0;
        if (flags & 0x08)
            extra += 4 * qint64(u16At(stream, base + static_cast<int>(p) + 3));
        if (flags & 0x04)
            extra += u32At(stream, base + static_cast<int>(p) + 3 + ((flags & 0x08) ? 2 : 0));
        p += header;
        const bool wide = flags & 0x01;
        const qint64 bytes = qint64(characters) * (wide ? 2 : 1);
        const qint64 available = length - p;
        if (bytes <= available) {
            p += bytes + extra;
            if (p > length)
                skip = p - length;
            continue;
        }
        if (wide && available % 2 != 0)
            return false;
        const qint64 rest = characters - (wide ? available / 2 : available);
        if (++part == parts.size())
            return false;
        length = parts[part].length;
        if (length < 1)
            return false;
        const bool restWide = static_cast<uchar>(stream[parts[part].dataAt]) & 0x01;
        p = 1 + rest * (restWide ? 2 : 1) + extra;
        if (p > length)
            return false;
    }
    return true;
}

// FreeXL reads the stream from start to end, whatever the sheet list says,
// and trusts lengths inside records: refuse records it would read past their
// end, and sheet dimensions that it would apply to cells it has not
// allocated (a second DIMENSIONS record in one sheet, or one in the globals).
bool recordsReadable(const QByteArray& stream, bool biff8) {
    Record record;
    int pos = 0;
    int depth = 0;
    int substreams = 0;
    int dimensions = 0;
    int stringTables = 0;
    while (pos <= stream.size() - 4) {
        if (!recordAt(stream, pos, &record))
            return false;
        pos = record.dataAt + record.length;
        // FreeXL's own end marker, which is also how the padding reads.
        if (record.id == 0 && record.length == 0)
            break;
        const int at = record.dataAt;
        switch (record.id) {
            case kBof:
                if (depth++ == 0) {
                    ++substreams;
                    dimensions = 0;
                }
                break;
            case kEof:
                if (depth > 0)
                    --depth;
                break;
            case kDimensions: {
                if (substreams < 2 || ++dimensions > 1)
                    return false;
                if (record.length < (biff8 ? 14 : 10))
                    return false;
                const quint32 firstRow = biff8 ? u32At(stream, at) : u16At(stream, at);
                const quint32 endRow = biff8 ? u32At(stream, at + 4) : u16At(stream, at + 2);
                const int columnsAt = at + (biff8 ? 8 : 4);
                const int firstColumn = u16At(stream, columnsAt);
                const int endColumn = u16At(stream, columnsAt + 2);
                if (firstRow > endRow || endRow > quint32(kMaxRows) || firstColumn > endColumn ||
                    endColumn > kMaxColumns)
                    return false;
                break;
            }
            case kLabel: {
                if (record.length < 8)
                    return false;
                const int characters = u16At(stream, at + 6);
                if (biff8 ? !stringFits(stream, record, at + 8, characters)
                          : 8 + characters > record.length)
                    return false;
                break;
            }
            case kFormat:
                if (biff8 && (record.length < 5 ||
                              !stringFits(stream, record, at + 4, u16At(stream, at + 2))))
                    return false;
                break;
            case kSst:
                // A workbook has one string table, in its globals; FreeXL
                // reads another one over the first (a fuzzed file crashed it).
                if (++stringTables > 1 || substreams != 1)
                    return false;
                break;
            case kBoundSheet:
                if (record.length < 8 || (biff8 && !stringFits(stream, record, at + 7,
                                                               static_cast<uchar>(stream[at + 6]))))
                    return false;
                break;
            default:
                break;
        }
    }
    return true;
}

// Collects the column widths and blank cells of one sheet substream; false
// when it is not one or ends before its EOF.
bool scanSheet(const QByteArray& stream, int pos, SheetLayout* layout) {
    Record record;
    if (!recordAt(stream, pos, &record) || record.id != kBof)
        return false;
    int depth = 0;
    while (recordAt(stream, pos, &record)) {
        pos = record.dataAt + record.length;
        if (record.id == kBof) {
            ++depth;
        } else if (record.id == kEof) {
            if (--depth == 0)
                return true;
        } else if (record.id == kColInfo && depth == 1 && record.length >= 6) {
            const int first = u16At(stream, record.dataAt);
            const int last = u16At(stream, record.dataAt + 2);
            const int width = u16At(stream, record.dataAt + 4);
            for (int c = first; c <= last && c < kMaxColumns; ++c)
                layout->columnWidths.insert(c, width);
        } else if (record.id == kBlank && depth == 1 && record.length >= 6) {
            layout->blanks.emplace_back(u16At(stream, record.dataAt),
                                        u16At(stream, record.dataAt + 2));
        } else if (record.id == kMulBlank && depth == 1 && record.length >= 8) {
            // Row, first column, one XF per cell, last column.
            const int row = u16At(stream, record.dataAt);
            const int first = u16At(stream, record.dataAt + 2);
            const int last = u16At(stream, record.dataAt + record.length - 2);
            const int cells = (record.length - 6) / 2;
            for (int c = first; c <= last && c - first < cells && c < kMaxColumns; ++c)
                layout->blanks.emplace_back(row, c);
        }
    }
    return false;
}

}  // namespace

BiffScanner::Result BiffScanner::scan(const QByteArray& stream, std::vector<SheetLayout>* sheets) {
    sheets->clear();
    Record record;
    int pos = 0;
    if (!recordAt(stream, pos, &record) || !isWorkbookBof(stream, record, 0x0005))
        return Result::NotWorkbook;

    const bool biff8 = u16At(stream, record.dataAt) == 0x0600;
    std::vector<quint32> sheetPositions;
    std::vector<Record> stringTable;
    quint16 previous = 0;
    bool ended = false;
    while (!ended && recordAt(stream, pos, &record)) {
        pos = record.dataAt + record.length;
        switch (record.id) {
            case kFilePass:
                return Result::Encrypted;
            case kBoundSheet:
                sheetPositions.push_back(u32At(stream, record.dataAt));
                break;
            case kSst:
                if (!stringTable.empty())
                    return Result::NotWorkbook;
                stringTable.push_back(record);
                break;
            case kContinue:
                if (previous == kSst)
                    stringTable.push_back(record);
                break;
            case kEof:
                ended = true;
                break;
            default:
                break;
        }
        if (record.id != kContinue)
            previous = record.id;
    }
    if (!ended || sheetPositions.empty() || !recordsReadable(stream, biff8))
        return Result::NotWorkbook;
    if (!stringTable.empty() && biff8 && !stringTableReadable(stream, stringTable))
        return Result::NotWorkbook;

    for (const quint32 position : sheetPositions) {
        SheetLayout layout;
        if (position >= static_cast<quint32>(stream.size()) ||
            !scanSheet(stream, static_cast<int>(position), &layout))
            return Result::NotWorkbook;
        sheets->push_back(std::move(layout));
    }
    return Result::Ok;
}

}  // namespace colorcard
