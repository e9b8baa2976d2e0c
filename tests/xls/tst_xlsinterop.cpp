// SPDX-License-Identifier: MIT
#include <freexl.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/xls/XlsTestFiles.h"
#include "xls/BiffReader.h"
#include "xls/CompoundFileReader.h"
#include "xls/ExcelEngine.h"
#include "xls/Workbook.h"

using namespace colorcard;

// Workbooks exchanged with independent implementations of the format:
// python3-xlrd reads what the engine writes, the engine reads what
// python3-xlwt writes.
namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString python() {
    // Debian's interpreter carries python3-xlrd and python3-xlwt; another
    // python3 earlier on PATH may not.
    const QString system =
        QStandardPaths::findExecutable(QStringLiteral("python3"), {QStringLiteral("/usr/bin")});
    return system.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("python3")) : system;
}

bool runScript(const QString& mode, const QString& file, QByteArray* output) {
    QProcess process;
    process.start(python(), {QStringLiteral(XLS_INTEROP_SCRIPT), mode, file});
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    *output = process.readAllStandardOutput();
    const QByteArray errors = process.readAllStandardError();
    if (!errors.isEmpty())
        qWarning("%s", errors.constData());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Every cell FreeXL reports, as the workbook model would keep it: numbers as
// doubles, texts (and dates, as ISO text) as strings.
bool readWithFreeXl(const QString& path, QList<QList<QVariantList>>* sheets, QStringList* names) {
    const void* handle = nullptr;
    if (freexl_open(QFile::encodeName(path).constData(), &handle) != FREEXL_OK)
        return false;
    unsigned int count = 0;
    bool ok = freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &count) == FREEXL_OK;
    for (unsigned int i = 0; ok && i < count; ++i) {
        const char* name = nullptr;
        unsigned int rows = 0;
        unsigned short columns = 0;
        ok = freexl_get_worksheet_name(handle, quint16(i), &name) == FREEXL_OK &&
             freexl_select_active_worksheet(handle, quint16(i)) == FREEXL_OK &&
             freexl_worksheet_dimensions(handle, &rows, &columns) == FREEXL_OK;
        names->append(QString::fromUtf8(name));
        QList<QVariantList> table;
        for (unsigned int r = 0; ok && r < rows; ++r) {
            QVariantList row;
            for (unsigned short c = 0; ok && c < columns; ++c) {
                FreeXL_CellValue value;
                ok = freexl_get_cell_value(handle, r, c, &value) == FREEXL_OK;
                if (value.type == FREEXL_CELL_INT)
                    row.append(double(value.value.int_value));
                else if (value.type == FREEXL_CELL_DOUBLE)
                    row.append(value.value.double_value);
                else if (value.type == FREEXL_CELL_NULL)
                    row.append(QVariant());
                else
                    row.append(QString::fromUtf8(value.value.text_value));
            }
            table.append(row);
        }
        sheets->append(table);
    }
    freexl_close(handle);
    return ok;
}

}  // namespace

class XlsInteropTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY2(!python().isEmpty(), "python3 is needed (tools/deps.sh installs it)");
    }

    void independentReaderSeesWhatTheEngineWrote() {
        const QString file = dir.filePath(QStringLiteral("engine.xls"));
        QVERIFY(XlsTestFiles::writeSheets(file, {text("Libraries"), text("色卡 1")}));
        QList<QVariantList> table{
            {0, 1, -7, 52.31, 123456789012.0},
            {text("Reds"), text("红色 1号"), text("052"), text("52.31"), QVariant()},
            {QVariant(), 3.25, QString(""), text("Ünïcødé"), -0.25},
        };
        for (int i = 0; i < 1200; ++i)
            table.append({text("颜色 %1 ").arg(i).repeated(1 + i % 4),
                          QStringLiteral("colour %1").arg(i), i, QVariant(), QVariant()});
        {
            ExcelEngine engine(file);
            QVERIFY(engine.open(2));
            QVERIFY(engine.writeRows(table));
        }

        QByteArray json;
        QVERIFY(runScript(QStringLiteral("read"), file, &json));
        const QJsonArray sheets = QJsonDocument::fromJson(json).array();
        QCOMPARE(sheets.size(), 2);
        QCOMPARE(sheets[0].toObject()[QStringLiteral("name")].toString(), text("Libraries"));
        QCOMPARE(sheets[1].toObject()[QStringLiteral("name")].toString(), text("色卡 1"));
        const QJsonArray rows = sheets[1].toObject()[QStringLiteral("rows")].toArray();
        QCOMPARE(rows.size(), table.size());
        for (int r = 0; r < table.size(); ++r) {
            const QJsonArray cells = rows[r].toArray();
            for (int c = 0; c < table[r].size(); ++c) {
                const QVariant& expected = table[r][c];
                const QJsonArray cell =
                    c < cells.size() ? cells[c].toArray() : QJsonArray{QStringLiteral("empty"), ""};
                const QString where = QStringLiteral("row %1 column %2").arg(r).arg(c);
                const QString kind = cell[0].toString();
                if (!expected.isValid() ||
                    (expected.userType() == QMetaType::QString && expected.toString().isEmpty())) {
                    QVERIFY2(kind == QLatin1String("empty"), qPrintable(where));
                } else if (expected.userType() == QMetaType::QString) {
                    QVERIFY2(kind == QLatin1String("text"), qPrintable(where));
                    QCOMPARE(cell[1].toString(), expected.toString());
                } else {
                    QVERIFY2(kind == QLatin1String("number"), qPrintable(where));
                    QCOMPARE(cell[1].toDouble(), expected.toDouble());
                }
            }
        }
    }

    void engineReadsWhatAnIndependentWriterWrote() {
        const QString file = dir.filePath(QStringLiteral("xlwt.xls"));
        QByteArray ignored;
        QVERIFY(runScript(QStringLiteral("write"), file, &ignored));

        ExcelEngine engine(file);
        QVERIFY(engine.open(1));
        QCOMPARE(engine.sheetCount(), 3);
        QCOMPARE(engine.rowCount(), 3);
        const QList<QVariantList> data = engine.readAll();
        const QList<QVariantList> expected{
            {1.0, -7.0, 52.31, 0.5, 123456789012.0},
            {text("Reds"), text("红色 1号"), text("052"), text("52.31"), QVariant()},
            {QVariant(), 3.0, QVariant(), text("Ünïcødé"), -0.25},
        };
        QCOMPARE(data.size(), expected.size());
        for (int r = 0; r < expected.size(); ++r) {
            QCOMPARE(data[r].size(), expected[r].size());
            for (int c = 0; c < expected[r].size(); ++c) {
                const QVariant& want = expected[r][c];
                const QVariant& got = data[r][c];
                const QByteArray where = QStringLiteral("row %1 column %2").arg(r).arg(c).toUtf8();
                if (!want.isValid()) {
                    QVERIFY2(!got.isValid(), where);
                } else {
                    QCOMPARE(got.userType(), want.userType());
                    QCOMPARE(got, want);
                }
            }
        }

        // Used cells from B3 read shifted.
        QVERIFY(engine.open(2));
        const QList<QVariantList> shifted = engine.readAll();
        QCOMPARE(shifted.size(), 2);
        QCOMPARE(shifted[0].size(), 3);
        QCOMPARE(shifted[0][0], QVariant(text("B3")));
        QCOMPARE(shifted[1][2], QVariant(4.5));

        // A string table that xlwt continued over several records.
        QVERIFY(engine.open(3));
        const QList<QVariantList> strings = engine.readAll();
        QCOMPARE(strings.size(), 1200);
        for (int i = 0; i < 1200; ++i) {
            QCOMPARE(strings[i][0].toString(), text("颜色 %1 ").arg(i).repeated(1 + i % 4));
            QCOMPARE(strings[i][1].toString(), QStringLiteral("colour %1").arg(i));
        }
    }

    // The engine's own reader gives every workbook the tests and templates
    // have exactly the cells FreeXL gives, and what xlrd reads.
    void readerAgreesWithFreeXlAndXlrd() {
        QStringList files{QStringLiteral(COLORCARD_BIN_DIR "/ColorCard_1.xls"),
                          QStringLiteral(COLORCARD_BIN_DIR "/ColorCard_2.xls")};
        for (const QString& target :
             {QStringLiteral("xls_read"), QStringLiteral("workbook_import")}) {
            const QDir corpus(QStringLiteral(FUZZ_CORPUS_DIR "/") + target);
            for (const QString& name : corpus.entryList({QStringLiteral("saved-*.xls")}))
                files.append(corpus.filePath(name));
        }
        const QString xlwt = dir.filePath(QStringLiteral("compare-xlwt.xls"));
        QByteArray ignored;
        QVERIFY(runScript(QStringLiteral("write"), xlwt, &ignored));
        files.append(xlwt);
        QVERIFY(files.size() >= 5);

        for (const QString& file : files) {
            QList<QList<QVariantList>> expected;
            QStringList names;
            QVERIFY2(readWithFreeXl(file, &expected, &names), qPrintable(file));
            QByteArray stream;
            QVERIFY(CompoundFileReader::readStream(XlsTestFiles::bytesOf(file),
                                                   {QStringLiteral("Workbook")}, &stream));
            Workbook ours;
            QVERIFY2(BiffReader::read(stream, &ours), qPrintable(file));
            QByteArray json;
            QVERIFY(runScript(QStringLiteral("read"), file, &json));
            const QJsonArray xlrd = QJsonDocument::fromJson(json).array();
            QCOMPARE(ours.sheetCount(), names.size());
            QCOMPARE(xlrd.size(), names.size());
            for (int s = 0; s < names.size(); ++s) {
                const Worksheet& sheet = ours.sheet(s);
                QCOMPARE(sheet.name(), names[s]);
                QCOMPARE(xlrd[s].toObject()[QStringLiteral("name")].toString(), names[s]);
                const QJsonArray xlrdRows = xlrd[s].toObject()[QStringLiteral("rows")].toArray();
                for (int r = 0; r < Worksheet::kMaxRows; ++r) {
                    const int columns = r < expected[s].size() ? expected[s][r].size() : 0;
                    if (r >= sheet.storedRowCount() && columns == 0)
                        break;
                    for (int c = 0; c < qMax(columns, int(sheet.storedRow(r).size())); ++c) {
                        const QVariant want = c < columns ? expected[s][r][c] : QVariant();
                        const QVariant got = sheet.cell(r, c);
                        const QByteArray where = QStringLiteral("%1 sheet %2 row %3 column %4")
                                                     .arg(file)
                                                     .arg(s)
                                                     .arg(r)
                                                     .arg(c)
                                                     .toUtf8();
                        QVERIFY2(got.userType() == want.userType() && got == want, where);
                        const QJsonArray cell = r < xlrdRows.size()
                                                    ? xlrdRows[r].toArray()[c].toArray()
                                                    : QJsonArray{QStringLiteral("empty"), ""};
                        const QVariant independent =
                            cell.isEmpty() || cell[0] == QLatin1String("empty") ? QVariant()
                            : cell[0].toVariant().toString() == QLatin1String("text")
                                ? QVariant(cell[1].toString())
                                : QVariant(cell[1].toDouble());
                        QVERIFY2(got == independent, where);
                    }
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(XlsInteropTest)
#include "tst_xlsinterop.moc"
