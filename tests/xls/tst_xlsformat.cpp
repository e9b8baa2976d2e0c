// SPDX-License-Identifier: MIT
#include <QtTest>
#include <cstring>
#include <vector>

#include "xls/BiffScanner.h"
#include "xls/BiffWriter.h"
#include "xls/Workbook.h"

using namespace colorcard;

// Checks the records of written workbook streams against the format's
// rules, independently of any reader.
namespace {

struct Record {
    int id;
    int at;  // stream position of the header
    QByteArray data;
};

int u16(const QByteArray& d, int at) {
    return static_cast<uchar>(d[at]) | (static_cast<uchar>(d[at + 1]) << 8);
}

quint32 u32(const QByteArray& d, int at) {
    return quint32(u16(d, at)) | (quint32(u16(d, at + 2)) << 16);
}

// Records from pos up to and including the first EOF.
std::vector<Record> substream(const QByteArray& stream, int pos) {
    std::vector<Record> records;
    while (pos + 4 <= stream.size()) {
        const int id = u16(stream, pos);
        const int length = u16(stream, pos + 2);
        records.push_back({id, pos, stream.mid(pos + 4, length)});
        pos += 4 + length;
        if (id == 0x000A)
            break;
    }
    return records;
}

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

class XlsFormatTest : public QObject {
    Q_OBJECT

private slots:
    void globalsAndSheetSubstreams() {
        Workbook workbook;
        workbook.addSheet(QStringLiteral("Libraries")).setCell(0, 0, 1);
        Worksheet& data = workbook.addSheet(text("数据"));
        data.setCell(4, 2, text("x"));
        data.setColumnWidth(0, 24 * 256);
        data.setColumnWidth(1, 10 * 256);
        data.setColumnWidth(2, 10 * 256);
        workbook.addSheet(QStringLiteral("Empty"));
        const QByteArray stream = BiffWriter::workbookStream(workbook);
        QVERIFY(stream.size() >= 4096);  // kept out of the container's mini stream

        const std::vector<Record> globals = substream(stream, 0);
        QCOMPARE(globals.front().id, 0x0809);
        QCOMPARE(u16(globals.front().data, 0), 0x0600);
        QCOMPARE(u16(globals.front().data, 2), 0x0005);
        QCOMPARE(globals.back().id, 0x000A);
        int fonts = 0, xfs = 0, styles = 0;
        std::vector<Record> sheets;
        for (const Record& r : globals) {
            fonts += r.id == 0x0031;
            xfs += r.id == 0x00E0;
            styles += r.id == 0x0293;
            if (r.id == 0x0042)
                QCOMPARE(u16(r.data, 0), 1200);
            if (r.id == 0x0085)
                sheets.push_back(r);
        }
        QCOMPARE(fonts, 4);
        QCOMPARE(xfs, 21);
        QCOMPARE(styles, 6);
        QCOMPARE(int(sheets.size()), 3);

        // Sheet names: 16-bit when not Latin-1.
        const QByteArray& named = sheets[1].data;
        QCOMPARE(static_cast<uchar>(named[6]), uchar(2));
        QCOMPARE(static_cast<uchar>(named[7]), uchar(1));
        QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t*>(named.constData() + 8), 2),
                 text("数据"));

        for (size_t i = 0; i < sheets.size(); ++i) {
            const std::vector<Record> sheet = substream(stream, int(u32(sheets[i].data, 0)));
            QCOMPARE(sheet.front().id, 0x0809);
            QCOMPARE(u16(sheet.front().data, 2), 0x0010);
            QCOMPARE(sheet.back().id, 0x000A);
            std::vector<int> order;
            for (const Record& r : sheet)
                order.push_back(r.id);
            // Column widths come before the dimensions, the window last.
            const auto dims = std::find(order.begin(), order.end(), 0x0200);
            QVERIFY(dims != order.end());
            QVERIFY(std::find(dims, order.end(), 0x007D) == order.end());
            QCOMPARE(order[order.size() - 2], 0x023E);
            if (i == 1) {
                const Record& d = sheet[dims - order.begin()];
                QCOMPARE(u32(d.data, 0), quint32(4));  // first row
                QCOMPARE(u32(d.data, 4), quint32(5));  // last row + 1
                QCOMPARE(u16(d.data, 8), 2);
                QCOMPARE(u16(d.data, 10), 3);
                // A1 24 wide, B:C one record of 10.
                std::vector<QByteArray> colinfo;
                for (const Record& r : sheet) {
                    if (r.id == 0x007D)
                        colinfo.push_back(r.data);
                }
                QCOMPARE(int(colinfo.size()), 2);
                QCOMPARE(u16(colinfo[0], 4), 24 * 256);
                QCOMPARE(u16(colinfo[1], 0), 1);
                QCOMPARE(u16(colinfo[1], 2), 2);
                QCOMPARE(u16(colinfo[1], 4), 10 * 256);
            }
            // Only the first sheet is selected.
            QCOMPARE(bool(u16(sheet[sheet.size() - 2].data, 0) & 0x0200), i == 0);
        }
    }

    void numbersAsRkOrNumber() {
        Workbook workbook;
        Worksheet& sheet = workbook.addSheet(QStringLiteral("N"));
        const double values[] = {0, -7, 536870911, 536870913, 3.25, 52.31, -0.0};
        const int expectedIds[] = {0x027E, 0x027E, 0x027E, 0x0203, 0x027E, 0x0203, 0x027E};
        for (int i = 0; i < 7; ++i)
            sheet.setCell(i, 0, values[i]);
        const QByteArray stream = BiffWriter::workbookStream(workbook);
        quint32 bof = 0;
        for (const Record& r : substream(stream, 0)) {
            if (r.id == 0x0085)
                bof = u32(r.data, 0);
        }
        int row = 0;
        for (const Record& r : substream(stream, int(bof))) {
            if (r.id != 0x027E && r.id != 0x0203)
                continue;
            QCOMPARE(r.id, expectedIds[row]);
            QCOMPARE(u16(r.data, 0), row);
            double decoded;
            if (r.id == 0x0203) {
                quint64 bits = u32(r.data, 6) | (quint64(u32(r.data, 10)) << 32);
                std::memcpy(&decoded, &bits, 8);
            } else {
                const quint32 rk = u32(r.data, 6);
                QVERIFY(!(rk & 1));  // never the hundredfold form
                if (rk & 2) {
                    decoded = double(qint32(rk) >> 2);
                } else {
                    const quint64 bits = quint64(rk & 0xFFFFFFFCu) << 32;
                    std::memcpy(&decoded, &bits, 8);
                }
            }
            QCOMPARE(decoded, values[row]);
            QCOMPARE(std::signbit(decoded), std::signbit(values[row]));
            ++row;
        }
        QCOMPARE(row, 7);
    }

    void stringTableWithContinueRecords() {
        // Lengths chosen so that splits fall inside 8-bit and 16-bit strings
        // at odd and even offsets, and long strings force fresh records.
        QStringList strings;
        for (int i = 0; i < 400; ++i)
            strings << QStringLiteral("name %1 ").arg(i).repeated(1 + i % 9);
        for (int i = 0; i < 300; ++i)
            strings << text("颜色%1").arg(i).repeated(1 + i % 11);
        strings << QString(16444, QLatin1Char('L')) << text("长").repeated(8221)
                << QString(9000, QLatin1Char('m')) << text("é").repeated(5000);
        Workbook workbook;
        Worksheet& sheet = workbook.addSheet(QStringLiteral("S"));
        for (int i = 0; i < strings.size(); ++i) {
            sheet.setCell(i, 0, strings[i]);
            sheet.setCell(i, 1, strings[i]);  // referenced twice, stored once
        }
        const QByteArray stream = BiffWriter::workbookStream(workbook);

        std::vector<Record> parts;
        int extsst = -1;
        const std::vector<Record> globals = substream(stream, 0);
        for (size_t i = 0; i < globals.size(); ++i) {
            if (globals[i].id == 0x00FC) {
                parts.push_back(globals[i]);
                for (size_t j = i + 1; j < globals.size() && globals[j].id == 0x003C; ++j)
                    parts.push_back(globals[j]);
            }
            if (globals[i].id == 0x00FF)
                extsst = int(i);
        }
        QVERIFY(parts.size() > 5);
        for (const Record& p : parts)
            QVERIFY(p.data.size() <= 8224);
        QCOMPARE(u32(parts[0].data, 0), quint32(2 * strings.size()));
        QCOMPARE(u32(parts[0].data, 4), quint32(strings.size()));

        // Decode as the format describes: a string split across records
        // continues after a repeated option-flags byte.
        size_t part = 0;
        int pos = 8;
        std::vector<std::pair<int, int>> starts;  // stream position, offset in record
        for (int i = 0; i < strings.size(); ++i) {
            if (pos == parts[part].data.size()) {
                ++part;
                pos = 0;
            }
            const QByteArray* d = &parts[part].data;
            QVERIFY2(pos + 3 <= d->size(), "string header split");
            starts.emplace_back(parts[part].at + 4 + pos, pos + 4);
            const int count = u16(*d, pos);
            bool wide = (*d)[pos + 2] & 1;
            QCOMPARE(int((*d)[pos + 2] & ~1), 0);
            pos += 3;
            QString decoded;
            int spannedRecords = 1;
            while (decoded.size() < count) {
                if (pos == d->size()) {
                    ++part;
                    QVERIFY(part < parts.size());
                    QCOMPARE(parts[part].id, 0x003C);
                    d = &parts[part].data;
                    wide = (*d)[0] & 1;
                    pos = 1;
                    ++spannedRecords;
                }
                if (wide) {
                    QVERIFY(pos + 2 <= d->size());
                    decoded.append(QChar(ushort(u16(*d, pos))));
                    pos += 2;
                } else {
                    decoded.append(QChar(ushort(static_cast<uchar>((*d)[pos]))));
                    pos += 1;
                }
            }
            QCOMPARE(decoded, strings[i]);
            QVERIFY2(spannedRecords <= 2, qPrintable(QString::number(i)));
        }
        QCOMPARE(part, parts.size() - 1);
        QCOMPARE(pos, parts.back().data.size());

        // EXTSST: one entry per bucket, each pointing at its first string.
        QVERIFY(extsst >= 0);
        const QByteArray& ext = globals[extsst].data;
        const int perBucket = u16(ext, 0);
        QVERIFY(perBucket >= 8);
        const int buckets = (strings.size() + perBucket - 1) / perBucket;
        QCOMPARE(ext.size(), 2 + 8 * buckets);
        for (int b = 0; b < buckets; ++b) {
            QCOMPARE(int(u32(ext, 2 + 8 * b)), starts[b * perBucket].first);
            QCOMPARE(u16(ext, 6 + 8 * b), starts[b * perBucket].second);
        }
    }

    void scannerRefusesWhatFreexlWouldMisread() {
        Workbook workbook;
        Worksheet& sheet = workbook.addSheet(QStringLiteral("S"));
        sheet.setCell(0, 0, text("长").repeated(6000));
        sheet.setCell(1, 0, QString(""));
        sheet.setColumnWidth(3, 3000);
        QByteArray stream = BiffWriter::workbookStream(workbook);
        std::vector<SheetLayout> layouts;
        QCOMPARE(BiffScanner::scan(stream, &layouts), BiffScanner::Result::Ok);
        QCOMPARE(int(layouts.size()), 1);
        QCOMPARE(layouts[0].columnWidths.value(3), 3000);
        QCOMPARE(int(layouts[0].blanks.size()), 1);
        QCOMPARE(layouts[0].blanks[0], std::make_pair(1, 0));

        // The split string claims more characters than the next record holds.
        int sst = -1;
        for (const Record& r : substream(stream, 0)) {
            if (r.id == 0x00FC)
                sst = r.at;
        }
        QVERIFY(sst > 0);
        QByteArray longer = stream;
        longer[sst + 4 + 8] = char(0xFF);
        longer[sst + 4 + 9] = char(0x3F);
        QCOMPARE(BiffScanner::scan(longer, &layouts), BiffScanner::Result::NotWorkbook);
        // An encrypted workbook.
        QByteArray encrypted = stream;
        const QByteArray filePass = QByteArray::fromHex("2f00 0600 0000 0000 0000");
        encrypted.insert(20, filePass);  // after BOF; offsets are not needed to refuse
        QCOMPARE(BiffScanner::scan(encrypted, &layouts), BiffScanner::Result::Encrypted);
        // Cut before the sheet's end.
        QVERIFY(stream.endsWith(QByteArray::fromHex("0a000000")));
        QCOMPARE(BiffScanner::scan(stream.left(stream.size() - 4), &layouts),
                 BiffScanner::Result::NotWorkbook);
        QCOMPARE(BiffScanner::scan(QByteArray(), &layouts), BiffScanner::Result::NotWorkbook);
    }
};

QTEST_GUILESS_MAIN(XlsFormatTest)
#include "tst_xlsformat.moc"
