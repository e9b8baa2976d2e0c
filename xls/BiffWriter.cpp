// SPDX-License-Identifier: MIT
#include "xls/BiffWriter.h"

#include <QHash>
#include <QString>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "xls/Workbook.h"

namespace colorcard {

namespace {

// Record identifiers.
constexpr quint16 kBof = 0x0809;
constexpr quint16 kEof = 0x000A;
constexpr quint16 kCodepage = 0x0042;
constexpr quint16 kWindow1 = 0x003D;
constexpr quint16 kDateMode = 0x0022;
constexpr quint16 kFont = 0x0031;
constexpr quint16 kXf = 0x00E0;
constexpr quint16 kStyle = 0x0293;
constexpr quint16 kBoundSheet = 0x0085;
constexpr quint16 kCountry = 0x008C;
constexpr quint16 kSst = 0x00FC;
constexpr quint16 kContinue = 0x003C;
constexpr quint16 kExtSst = 0x00FF;
constexpr quint16 kDefColWidth = 0x0055;
constexpr quint16 kColInfo = 0x007D;
constexpr quint16 kDimensions = 0x0200;
constexpr quint16 kNumber = 0x0203;
constexpr quint16 kRk = 0x027E;
constexpr quint16 kLabelSst = 0x00FD;
constexpr quint16 kBlank = 0x0201;
constexpr quint16 kWindow2 = 0x023E;

// Largest record body; longer data continues in CONTINUE records.
constexpr int kMaxRecordData = 8224;
// The cell XF every cell uses: the default "General" cell format.
constexpr quint16 kCellXf = 15;
// FreeXL completes a string split across string table records from the one
// next record alone, so no string may span more than two: a string that
// would is started in a record of its own. (Worksheet keeps texts short
// enough for two records.)
// Default column width in characters.
constexpr int kDefaultColumnChars = 8;
// Workbook streams below the container's small-stream threshold are padded:
// some spreadsheet programs do not look for the workbook in the mini stream.
constexpr int kMinStreamSize = 4096;

class Bytes {
public:
    explicit Bytes(QByteArray& target) : out(target) {}
    void u8(int v) { out.append(static_cast<char>(v & 0xFF)); }
    void u16(int v) {
        u8(v);
        u8(v >> 8);
    }
    void u32(quint32 v) {
        u16(static_cast<int>(v & 0xFFFF));
        u16(static_cast<int>(v >> 16));
    }
    void f64(double v) {
        quint64 bits;
        std::memcpy(&bits, &v, sizeof bits);
        u32(static_cast<quint32>(bits & 0xFFFFFFFFu));
        u32(static_cast<quint32>(bits >> 32));
    }

private:
    QByteArray& out;
};

void putU16(QByteArray& out, int at, int v) {
    out[at] = static_cast<char>(v & 0xFF);
    out[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void putU32(QByteArray& out, int at, quint32 v) {
    putU16(out, at, static_cast<int>(v & 0xFFFF));
    putU16(out, at + 2, static_cast<int>(v >> 16));
}

void record(QByteArray& out, quint16 id, const QByteArray& data) {
    Bytes b(out);
    b.u16(id);
    b.u16(data.size());
    out.append(data);
}

bool fitsLatin1(const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() > 0xFF)
            return false;
    }
    return true;
}

// Characters of a text as the format stores them: one byte each when every
// character is Latin-1, else UTF-16LE.
void appendCharacters(QByteArray& out, const QChar* chars, int count, bool wide) {
    if (!wide) {
        for (int i = 0; i < count; ++i)
            out.append(static_cast<char>(chars[i].unicode()));
        return;
    }
    for (int i = 0; i < count; ++i) {
        const ushort u = chars[i].unicode();
        out.append(static_cast<char>(u & 0xFF));
        out.append(static_cast<char>(u >> 8));
    }
}

// A short unicode string: 8-bit length, option flags, characters.
void appendShortString(QByteArray& out, const QString& text) {
    const bool wide = !fitsLatin1(text);
    out.append(static_cast<char>(text.size()));
    out.append(static_cast<char>(wide ? 1 : 0));
    appendCharacters(out, text.constData(), text.size(), wide);
}

QByteArray bof(int type) {
    QByteArray data;
    Bytes b(data);
    b.u16(0x0600);  // BIFF8
    b.u16(type);
    b.u16(0x0DBB);  // build
    b.u16(0x07CC);  // year
    b.u32(0x00000000);
    b.u32(0x00000006);
    return data;
}

QByteArray font() {
    QByteArray data;
    Bytes b(data);
    b.u16(200);     // 10 pt in twips
    b.u16(0);       // no italic, strike-out
    b.u16(0x7FFF);  // automatic colour
    b.u16(400);     // normal weight
    b.u16(0);       // no super/subscript
    b.u8(0);        // no underline
    b.u8(2);        // swiss family
    b.u8(0);        // character set
    b.u8(0);
    appendShortString(data, QStringLiteral("Arial"));
    return data;
}

QByteArray xf(int fontIndex, int formatIndex, bool style, int usedAttributes) {
    QByteArray data;
    Bytes b(data);
    b.u16(fontIndex);
    b.u16(formatIndex);
    // Locked; style XFs have the style flag and no parent, cell XFs the
    // "Normal" style XF 0 as parent.
    b.u16(style ? 0xFFF5 : 0x0001);
    b.u8(0x20);  // general horizontal, bottom vertical alignment
    b.u8(0);     // no rotation
    b.u8(0);     // no indent, shrink, direction
    b.u8(usedAttributes);
    b.u32(0);       // no borders
    b.u32(0);       // border colours, no diagonal
    b.u16(0x20C0);  // default pattern colours
    return data;
}

QByteArray builtInStyle(int xfIndex, int styleId) {
    QByteArray data;
    Bytes b(data);
    b.u16(0x8000 | xfIndex);
    b.u8(styleId);
    b.u8(0xFF);
    return data;
}

// The RK form of a number, when one represents it exactly: a 30-bit integer
// or a double whose low 34 bits are zero. The hundredfold forms are left out
// because readers differ in how they divide by 100.
bool encodeRk(double value, quint32* rk) {
    if (value >= -536870912.0 && value <= 536870911.0 && value == std::floor(value) &&
        !(value == 0.0 && std::signbit(value))) {
        *rk = (static_cast<quint32>(static_cast<qint32>(value)) << 2) | 0x2;
        return true;
    }
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    if ((bits & 0x3FFFFFFFFull) == 0) {
        *rk = static_cast<quint32>(bits >> 32);
        return true;
    }
    return false;
}

// The shared string table: each distinct text once, in order of first use.
class StringTable {
public:
    int indexOf(const QString& text) {
        ++references;
        auto it = indexes.constFind(text);
        if (it != indexes.constEnd())
            return it.value();
        const int index = strings.size();
        indexes.insert(text, index);
        strings.append(text);
        return index;
    }

    // Appends SST, its CONTINUE records and EXTSST at the end of the stream.
    void write(QByteArray& out) const {
        std::vector<QByteArray> bodies(1);
        bodies[0].reserve(kMaxRecordData);
        {
            Bytes b(bodies[0]);
            b.u32(static_cast<quint32>(references));
            b.u32(static_cast<quint32>(strings.size()));
        }
        const int perBucket = std::max(8, int((strings.size() + 127) / 128));
        struct Start {
            int body;
            int offset;
        };
        std::vector<Start> bucketStarts;
        for (int i = 0; i < strings.size(); ++i) {
            const QString& text = strings[i];
            const bool wide = !fitsLatin1(text);
            const int charBytes = wide ? 2 : 1;
            const int count = text.size();
            // The count and flags never split, and at least one character
            // follows them in the same record.
            const int header = 3 + (count > 0 ? charBytes : 0);
            const int roomHere = (kMaxRecordData - bodies.back().size() - 3) / charBytes;
            if (bodies.back().size() + header > kMaxRecordData ||
                count > roomHere + (kMaxRecordData - 1) / charBytes)
                bodies.emplace_back();
            if (i % perBucket == 0)
                bucketStarts.push_back(
                    {static_cast<int>(bodies.size()) - 1, static_cast<int>(bodies.back().size())});
            {
                Bytes b(bodies.back());
                b.u16(count);
                b.u8(wide ? 1 : 0);
            }
            int done = 0;
            while (done < count) {
                int room = (kMaxRecordData - bodies.back().size()) / charBytes;
                if (room == 0) {
                    // A continued string repeats its option flags first.
                    bodies.emplace_back();
                    bodies.back().append(static_cast<char>(wide ? 1 : 0));
                    room = (kMaxRecordData - 1) / charBytes;
                }
                const int take = std::min(room, count - done);
                appendCharacters(bodies.back(), text.constData() + done, take, wide);
                done += take;
            }
        }

        std::vector<quint32> bodyPositions;
        for (size_t i = 0; i < bodies.size(); ++i) {
            bodyPositions.push_back(static_cast<quint32>(out.size()));
            record(out, i == 0 ? kSst : kContinue, bodies[i]);
        }

        QByteArray ext;
        Bytes b(ext);
        b.u16(perBucket);
        for (const Start& start : bucketStarts) {
            b.u32(bodyPositions[start.body] + 4 + static_cast<quint32>(start.offset));
            b.u16(4 + start.offset);
            b.u16(0);
        }
        record(out, kExtSst, ext);
    }

private:
    QHash<QString, int> indexes;
    QStringList strings;
    qint64 references = 0;
};

QByteArray sheetStream(const Worksheet& sheet, bool selected, StringTable& sst) {
    QByteArray cells;
    Bytes b(cells);
    int firstRow = -1, lastRow = -1, firstColumn = Worksheet::kMaxColumns, lastColumn = -1;

    for (int r = 0; r < sheet.storedRowCount(); ++r) {
        const std::vector<QVariant>& row = sheet.storedRow(r);
        for (int c = 0; c < static_cast<int>(row.size()); ++c) {
            const QVariant& value = row[c];
            if (!value.isValid())
                continue;
            if (firstRow < 0)
                firstRow = r;
            lastRow = r;
            firstColumn = std::min(firstColumn, c);
            lastColumn = std::max(lastColumn, c);
            if (value.userType() == QMetaType::Double) {
                const double number = value.toDouble();
                quint32 rk;
                if (encodeRk(number, &rk)) {
                    b.u16(kRk);
                    b.u16(10);
                    b.u16(r);
                    b.u16(c);
                    b.u16(kCellXf);
                    b.u32(rk);
                } else {
                    b.u16(kNumber);
                    b.u16(14);
                    b.u16(r);
                    b.u16(c);
                    b.u16(kCellXf);
                    b.f64(number);
                }
            } else {
                const QString text = value.toString();
                if (text.isEmpty()) {
                    // FreeXL refuses workbooks with an empty string in the
                    // string table or an empty LABEL, so an empty text is
                    // a blank cell: still a cell, which the used range counts.
                    b.u16(kBlank);
                    b.u16(6);
                    b.u16(r);
                    b.u16(c);
                    b.u16(kCellXf);
                } else {
                    b.u16(kLabelSst);
                    b.u16(10);
                    b.u16(r);
                    b.u16(c);
                    b.u16(kCellXf);
                    b.u32(static_cast<quint32>(sst.indexOf(text)));
                }
            }
        }
    }

    QByteArray out;
    const QMap<int, int>& widths = sheet.columnWidths();
    out.reserve(cells.size() + 512 + widths.size() * 16);
    record(out, kBof, bof(0x0010));
    {
        QByteArray data;
        Bytes(data).u16(kDefaultColumnChars);
        record(out, kDefColWidth, data);
    }
    for (auto it = widths.constBegin(); it != widths.constEnd();) {
        // One record for each run of adjacent columns of equal width.
        const int first = it.key();
        const int width = it.value();
        int last = first;
        ++it;
        while (it != widths.constEnd() && it.key() == last + 1 && it.value() == width) {
            last = it.key();
            ++it;
        }
        QByteArray data;
        Bytes d(data);
        d.u16(first);
        d.u16(last);
        d.u16(width);
        d.u16(kCellXf);
        d.u16(0);
        d.u16(0);
        record(out, kColInfo, data);
    }
    {
        QByteArray data;
        Bytes d(data);
        if (firstRow < 0) {
            d.u32(0);
            d.u32(0);
            d.u16(0);
            d.u16(0);
        } else {
            d.u32(static_cast<quint32>(firstRow));
            d.u32(static_cast<quint32>(lastRow + 1));
            d.u16(firstColumn);
            d.u16(lastColumn + 1);
        }
        d.u16(0);
        record(out, kDimensions, data);
    }
    out.append(cells);
    {
        QByteArray data;
        Bytes d(data);
        // Gridlines, headings, zero values, automatic grid colour, outline
        // symbols; the first sheet is the selected and shown one.
        d.u16(selected ? 0x06B6 : 0x00B6);
        d.u16(0);
        d.u16(0);
        d.u16(0x40);
        d.u16(0);
        d.u16(0);
        d.u16(0);
        d.u32(0);
        record(out, kWindow2, data);
    }
    record(out, kEof, QByteArray());
    return out;
}

}  // namespace

QByteArray BiffWriter::workbookStream(const Workbook& workbook) {
    StringTable sst;
    std::vector<QByteArray> sheets;
    sheets.reserve(workbook.sheetCount());
    for (int i = 0; i < workbook.sheetCount(); ++i)
        sheets.push_back(sheetStream(workbook.sheet(i), i == 0, sst));

    QByteArray out;
    record(out, kBof, bof(0x0005));
    {
        QByteArray data;
        Bytes(data).u16(1200);  // UTF-16
        record(out, kCodepage, data);
    }
    {
        QByteArray data;
        Bytes b(data);
        b.u16(0x01E0);
        b.u16(0x005A);
        b.u16(0x3FCF);
        b.u16(0x2A4E);
        b.u16(0x0038);  // horizontal and vertical scroll bars, sheet tabs
        b.u16(0);       // active sheet
        b.u16(0);       // first visible tab
        b.u16(1);       // selected sheets
        b.u16(0x0258);  // tab bar width
        record(out, kWindow1, data);
    }
    {
        QByteArray data;
        Bytes(data).u16(0);  // dates count from 1900
        record(out, kDateMode, data);
    }
    // Font 4 is never written by convention, so four records make the
    // indexes 0 to 3 that the XFs below use.
    for (int i = 0; i < 4; ++i)
        record(out, kFont, font());
    // The 16 style XFs (Normal and the outline levels), the default cell
    // XF 15, then the style XFs of Comma, Comma [0], Currency, Currency [0]
    // and Percent.
    record(out, kXf, xf(0, 0, true, 0x00));
    for (int i = 1; i <= 14; ++i)
        record(out, kXf, xf(i <= 2 ? 1 : (i <= 4 ? 2 : 0), 0, true, 0xF4));
    record(out, kXf, xf(0, 0, false, 0x00));
    const int styleFormats[] = {0x2B, 0x29, 0x2C, 0x2A, 0x09};
    for (const int format : styleFormats)
        record(out, kXf, xf(1, format, true, 0xF8));
    record(out, kStyle, builtInStyle(0, 0));  // Normal
    record(out, kStyle, builtInStyle(16, 3));
    record(out, kStyle, builtInStyle(17, 6));
    record(out, kStyle, builtInStyle(18, 4));
    record(out, kStyle, builtInStyle(19, 7));
    record(out, kStyle, builtInStyle(20, 5));

    std::vector<int> offsetFields;
    for (int i = 0; i < workbook.sheetCount(); ++i) {
        const QString& name = workbook.sheet(i).name();
        QByteArray data;
        Bytes b(data);
        b.u32(0);  // stream position of the sheet's BOF, filled in below
        b.u16(0);  // visible worksheet
        appendShortString(data, name);
        offsetFields.push_back(out.size() + 4);
        record(out, kBoundSheet, data);
    }
    {
        QByteArray data;
        Bytes b(data);
        b.u16(1);
        b.u16(1);
        record(out, kCountry, data);
    }
    sst.write(out);
    record(out, kEof, QByteArray());

    qint64 total = out.size();
    for (const QByteArray& sheet : sheets)
        total += sheet.size();
    out.reserve(static_cast<int>(std::max<qint64>(total, kMinStreamSize)));
    for (size_t i = 0; i < sheets.size(); ++i) {
        putU32(out, offsetFields[i], static_cast<quint32>(out.size()));
        out.append(sheets[i]);
    }
    if (out.size() < kMinStreamSize)
        out.append(QByteArray(kMinStreamSize - out.size(), '\0'));
    return out;
}

}  // namespace colorcard
