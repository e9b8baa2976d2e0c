// SPDX-License-Identifier: MIT
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <cstring>

#include "tests/xls/XlsTestFiles.h"
#include "xls/BiffWriter.h"
#include "xls/CompoundFileWriter.h"
#include "xls/ExcelEngine.h"
#include "xls/Workbook.h"
#include "xls/XlsReader.h"
#include "xls/XlsWriter.h"

using namespace colorcard;

using XlsTestFiles::bytesOf;
using XlsTestFiles::writeBytes;

// Damaged and foreign files make open() return false and never crash
// (this test also runs under AddressSanitizer).
class XlsCorruptTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QByteArray valid;
    int fileNumber = 0;

    // open(1) of a file holding these bytes.
    bool opens(const QByteArray& bytes) {
        const QString file = dir.filePath(QStringLiteral("f%1.xls").arg(++fileNumber));
        if (!writeBytes(file, bytes))
            return true;  // reported as a failure by the caller
        ExcelEngine engine(file);
        const bool opened = engine.open(1);
        if (opened)
            engine.readAll();
        engine.close();
        // Nothing was changed, so nothing may be written back.
        if (bytesOf(file) != bytes)
            return true;
        QFile::remove(file);
        return opened;
    }

    static QByteArray randomBytes(QRandomGenerator& random, int size) {
        QByteArray bytes(size, '\0');
        for (char& b : bytes)
            b = static_cast<char>(random.bounded(256));
        return bytes;
    }

    static QByteArray container(const QString& stream, const QByteArray& data) {
        CompoundFileWriter writer;
        writer.addStream(stream, data);
        return writer.build();
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        // Big enough for a FAT of several sectors, with a string table
        // continued over several records.
        Workbook workbook;
        for (int s = 0; s < 3; ++s) {
            Worksheet& sheet = workbook.addSheet(QStringLiteral("S%1").arg(s));
            for (int r = 0; r < 400; ++r) {
                sheet.setCell(r, 0, QStringLiteral("colour %1 %2").arg(s).arg(r));
                sheet.setCell(r, 1, QString::fromUtf8("红色%1").arg(r));
                sheet.setCell(r, 2, r * 0.25);
            }
        }
        const QString file = dir.filePath(QStringLiteral("valid.xls"));
        QVERIFY(XlsWriter::write(workbook, file));
        valid = bytesOf(file);
        QVERIFY(valid.size() > 20000);
        QVERIFY(opens(valid));
    }

    void emptyAndForeignFiles() {
        QVERIFY(!opens(QByteArray()));
        QVERIFY(!opens(QByteArray("name;L;a;b\nred;52.31;1;2\n")));
        QVERIFY(!opens(QByteArray("PK\x03\x04", 4) + QByteArray(600, 'x')));  // a zip
        QVERIFY(!opens(valid.left(8)));                                       // signature only
        // Containers without a workbook, or with something else in it.
        QVERIFY(!opens(container(QStringLiteral("WordDocument"), QByteArray(5000, 'w'))));
        QVERIFY(!opens(container(QStringLiteral("Workbook"), QByteArray(5000, '\0'))));
        QVERIFY(!opens(container(QStringLiteral("Workbook"), QByteArray(5000, 'x'))));
    }

    void missingFolder() {
        ExcelEngine engine(dir.filePath(QStringLiteral("no/such/folder/book.xls")));
        QVERIFY(!engine.open(1));
        QCOMPARE(engine.sheetCount(), 0);
    }

    void encryptedWorkbook() {
        // The same workbook opens without and is refused with a FILEPASS
        // record after its BOF, as encrypted workbooks have it.
        Workbook workbook;
        workbook.addSheet(QStringLiteral("Secret")).setCell(0, 0, 1);
        const QByteArray plain = BiffWriter::workbookStream(workbook);
        QVERIFY(opens(container(QStringLiteral("Workbook"), plain)));

        const QByteArray filePass = QByteArray::fromHex("2f003600 0100") + QByteArray(52, 'Z');
        QByteArray encrypted = plain;
        encrypted.insert(20, filePass);  // BOF is 20 bytes long
        // Move the sheet positions of the BOUNDSHEET records along.
        for (int pos = 0; pos + 4 <= encrypted.size();) {
            const int id = quint8(encrypted[pos]) | quint8(encrypted[pos + 1]) << 8;
            const int length = quint8(encrypted[pos + 2]) | quint8(encrypted[pos + 3]) << 8;
            if (id == 0x0085) {
                quint32 offset;
                std::memcpy(&offset, encrypted.constData() + pos + 4, 4);
                offset = qFromLittleEndian(offset) + filePass.size();
                offset = qToLittleEndian(offset);
                std::memcpy(encrypted.data() + pos + 4, &offset, 4);
            }
            pos += 4 + length;
            if (id == 0x000A)
                break;
        }
        QVERIFY(!opens(container(QStringLiteral("Workbook"), encrypted)));
    }

    void truncatedFiles() {
        const int n = int(valid.size());
        for (int size : {1, 511, 512, 513, 1024, 4096, n / 2, n - 512, n - 100, n - 1}) {
            QVERIFY2(!opens(valid.left(size)), qPrintable(QString::number(size)));
        }
    }

    void randomBytes() {
        QRandomGenerator random(20240607);
        for (int size : {1, 100, 512, 4096, 70000})
            QVERIFY(!opens(randomBytes(random, size)));
        // The container signature followed by noise.
        for (int i = 0; i < 5; ++i)
            QVERIFY(!opens(valid.left(8) + randomBytes(random, 8192)));
    }

    // A reader that trusts the directory converts as many name bytes as an
    // entry claims, or follows its chain out of the file.
    void damagedDirectoryRefused_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("field");
        QTest::addColumn<quint32>("value");
        QTest::addColumn<int>("size");
        // entry -1: a field of the header.
        QTest::newRow("root name far too long") << 0 << 64 << 0x2016u << 2;
        QTest::newRow("root name one byte too long") << 0 << 64 << 66u << 2;
        QTest::newRow("stream name too long") << 1 << 64 << 0xFFFFu << 2;
        QTest::newRow("directory beyond the file") << -1 << 0x30 << 0x00FFFFFFu << 4;
        QTest::newRow("directory in a free sector") << -1 << 0x30 << 0xFFFFFFFFu << 4;
        QTest::newRow("more allocation sectors than the file has")
            << -1 << 0x2C << 0x7FFFFFFFu << 4;
        QTest::newRow("unknown sector size") << -1 << 0x1E << 10u << 2;
    }
    void damagedDirectoryRefused() {
        QFETCH(int, entry);
        QFETCH(int, field);
        QFETCH(quint32, value);
        QFETCH(int, size);
        QByteArray damaged = valid;
        const qint64 sectorSize = qint64(1) << qFromLittleEndian<quint16>(valid.constData() + 0x1E);
        const quint32 directory = qFromLittleEndian<quint32>(valid.constData() + 0x30);
        const qint64 at = entry < 0 ? field : (directory + 1) * sectorSize + 128 * entry + field;
        for (int i = 0; i < size; ++i)
            damaged[int(at) + i] = char((value >> (8 * i)) & 0xFF);
        QVERIFY(!opens(damaged));
    }

    // Workbooks that once crashed the reader (kept in the fuzz corpus): read
    // or refused, never a crash.
    void crashesFoundByFuzzing() {
        const QDir corpus(QStringLiteral(FUZZ_CORPUS_DIR "/xls_read"));
        const QStringList crashes = corpus.entryList({QStringLiteral("crash-*")});
        QVERIFY(!crashes.isEmpty());
        for (const QString& name : crashes)
            QVERIFY2(!opens(bytesOf(corpus.filePath(name))), qPrintable(name));
    }

    void damagedWorkbooksNeverCrash() {
        // Random damage to a valid workbook: any result will do, as long as
        // nothing crashes and a workbook that opens reads back.
        QRandomGenerator random(7);
        int refused = 0;
        for (int round = 0; round < 300; ++round) {
            QByteArray damaged = valid;
            const int changes = 1 + random.bounded(8);
            for (int i = 0; i < changes; ++i) {
                const int at = random.bounded(damaged.size());
                damaged[at] = static_cast<char>(random.bounded(256));
            }
            refused += opens(damaged) ? 0 : 1;
        }
        // Damage to the header, allocation tables or records must show
        // somewhere; most damage lands in cell data and is read as such.
        QVERIFY(refused > 0);
    }
};

QTEST_GUILESS_MAIN(XlsCorruptTest)
#include "tst_xlscorrupt.moc"
