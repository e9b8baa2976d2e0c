// SPDX-License-Identifier: MIT
#include <sys/inotify.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/xls/XlsTestFiles.h"
#include "xls/ExcelEngine.h"
#include "xls/Workbook.h"
#include "xls/XlsReader.h"
#include "xls/XlsWriter.h"

using namespace colorcard;

using XlsTestFiles::bytesOf;
using XlsTestFiles::writeSheets;

namespace {

using Table = QList<QVariantList>;

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Cells compare by kind as well as value: a number is a double, a text a
// QString, an empty cell invalid.
bool sameCell(const QVariant& actual, const QVariant& expected) {
    if (!expected.isValid())
        return !actual.isValid();
    if (expected.userType() == QMetaType::QString)
        return actual.userType() == QMetaType::QString && actual.toString() == expected.toString();
    return actual.userType() == QMetaType::Double && actual.toDouble() == expected.toDouble();
}

QString describe(const QVariant& v) {
    if (!v.isValid())
        return QStringLiteral("<empty>");
    const QString value = v.toString();
    return QStringLiteral("%1(%2%3)")
        .arg(QLatin1String(v.typeName()), value.left(40),
             value.size() > 40 ? QStringLiteral("... %1 characters").arg(value.size()) : QString());
}

void compareTables(const Table& actual, const Table& expected) {
    QCOMPARE(actual.size(), expected.size());
    for (int r = 0; r < expected.size(); ++r) {
        QCOMPARE(actual[r].size(), expected[r].size());
        for (int c = 0; c < expected[r].size(); ++c) {
            QVERIFY2(sameCell(actual[r][c], expected[r][c]),
                     qPrintable(QStringLiteral("row %1 column %2: %3, expected %4")
                                    .arg(r)
                                    .arg(c)
                                    .arg(describe(actual[r][c]), describe(expected[r][c]))));
        }
    }
}

QVariantList filled(int count, const QVariant& value) {
    QVariantList row;
    for (int i = 0; i < count; ++i)
        row.append(value);
    return row;
}

// Whether a file was opened for writing, changed or created (in a watched
// folder) while this lives.
class WriteWatch {
public:
    explicit WriteWatch(const QString& path) : fd(inotify_init1(IN_NONBLOCK)) {
        if (fd >= 0)
            inotify_add_watch(fd, QFile::encodeName(path).constData(),
                              IN_CLOSE_WRITE | IN_MODIFY | IN_ATTRIB | IN_CREATE);
    }
    ~WriteWatch() {
        if (fd >= 0)
            close(fd);
    }
    bool sawWriting() const {
        if (fd < 0)
            return true;  // unwatched: never pass unseen
        alignas(inotify_event) char buffer[4096];
        return read(fd, buffer, sizeof buffer) > 0;
    }

private:
    int fd;
};

// Counts the debug messages written while it lives.
class DebugCount {
public:
    DebugCount() {
        counted = 0;
        previous = qInstallMessageHandler(&DebugCount::handle);
    }
    ~DebugCount() { qInstallMessageHandler(previous); }
    int count() const { return counted; }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtDebugMsg)
            ++counted;
        else
            previous(type, context, text);
    }
    static inline int counted = 0;
    static inline QtMessageHandler previous = nullptr;
};

Table readSheet(const QString& path, int sheet) {
    ExcelEngine engine(path);
    if (!engine.open(sheet))
        return {{QStringLiteral("<cannot open>")}};
    return engine.readAll();
}

}  // namespace

class ExcelEngineTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

    // Writes the table into sheet 1 of a fresh two-sheet workbook.
    QString writeTable(const QString& name, const Table& table) {
        const QString file = path(name);
        if (!writeSheets(file, {QStringLiteral("One"), QStringLiteral("Two")}))
            return QString();
        ExcelEngine engine(file);
        if (!engine.open(1))
            return QString();
        if (!engine.writeRows(table))
            return QString();
        engine.close();
        return file;
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void valuesKeepTheirKind() {
        const Table table{
            {0, 1, -7, 52.31, -0.5},
            {3.25, 1e10, 123456789012.0, 1.0 / 3.0, -1e-300},
            {text("Reds"), text("红色 1号"), text("052"), text("52.31"), QString("")},
            {QVariant(), text("x"), QVariant(), 536870911, -536870912},
            {text("Ünïcødé 🎨"), 536870912, -536870913, 2.5e-5, QVariant()},
        };
        const QString file = writeTable(QStringLiteral("values.xls"), table);
        QVERIFY(!file.isEmpty());
        Table expected = table;
        for (QVariantList& row : expected) {
            for (QVariant& v : row) {
                if (v.isValid() && v.userType() != QMetaType::QString)
                    v = v.toDouble();
            }
        }
        compareTables(readSheet(file, 1), expected);

        ExcelEngine engine(file);
        QVERIFY(engine.open(1));
        QCOMPARE(engine.rowCount(), 5);
        QCOMPARE(engine.sheetCount(), 2);
    }

    void sheetNamesAndColumnWidthsSurvive() {
        Workbook workbook;
        const QStringList names{QStringLiteral("Libraries"), text("色卡 1"),
                                QStringLiteral("Library 46")};
        for (const QString& name : names)
            workbook.addSheet(name).setColumnWidth(1, 20 * 256);
        workbook.sheet(0).setCell(0, 0, text("x"));
        const QString file = path(QStringLiteral("names.xls"));
        QVERIFY(XlsWriter::write(workbook, file));

        // A change through the engine keeps names and widths.
        {
            ExcelEngine engine(file);
            QVERIFY(engine.open(2));
            QVERIFY(engine.writeRows({{1}}));
        }
        Workbook read;
        QVERIFY(XlsReader::read(file, &read));
        QCOMPARE(read.sheetCount(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(read.sheet(i).name(), names[i]);
            QCOMPARE(read.sheet(i).columnWidth(1), 20 * 256);
        }
        QCOMPARE(read.sheet(1).cell(0, 0), QVariant(1.0));
    }

    void stringTableBeyondOneRecord() {
        // Distinct strings, Latin-1 and Chinese, far beyond one 8224-byte
        // record, plus single strings longer than a record, so strings are
        // split across CONTINUE records in both character widths. The
        // longest texts that two records hold are kept whole; longer ones
        // are cut there, since FreeXL reads no string over three records.
        Table table;
        for (int i = 0; i < 1500; ++i) {
            const QString s = i % 3 == 0 ? text("颜色-%1-").arg(i).repeated(1 + i % 5)
                                         : QStringLiteral("colour %1 ").arg(i).repeated(1 + i % 7);
            table.append({s, i});
        }
        table.append({QString(9000, QLatin1Char('a')), text("长").repeated(7000)});
        table.append({text("é").repeated(16444), text("长").repeated(8221)});
        table.append({QString(20000, QLatin1Char('b')), text("长").repeated(9000)});
        const QString file = writeTable(QStringLiteral("strings.xls"), table);
        QVERIFY(!file.isEmpty());
        Table expected = table;
        expected.last() = {QString(16444, QLatin1Char('b')), text("长").repeated(8221)};
        for (QVariantList& row : expected) {
            if (row[1].userType() == QMetaType::Int)
                row[1] = row[1].toDouble();
        }
        compareTables(readSheet(file, 1), expected);
    }

    void writeRowsShapesTheBlock() {
        const QString file = path(QStringLiteral("block.xls"));
        QVERIFY(writeSheets(file, {QStringLiteral("One")}));
        {
            ExcelEngine engine(file);
            QVERIFY(engine.open(1));
            Table full;
            for (int r = 0; r < 48; ++r)
                full.append({r, r, r, r, r, 100 + r});
            QVERIFY(engine.writeRows(full));

            // Row 2 shorter than row 1: C2:E2 cleared. Row 3 longer: cut at
            // E, so F3 keeps its value. Rows below the block and column F
            // outside it are kept.
            Table block;
            block.append({text("a"), text("b"), text("c"), text("d"), text("e")});
            block.append({1, 2});
            block.append({1, 2, 3, 4, 5, text("cut"), text("cut")});
            for (int r = 3; r < 48; ++r)
                block.append({QVariant(), QVariant(), QVariant(), QVariant(), QVariant()});
            QVERIFY(engine.writeRows(block));
            engine.close();
        }
        const Table read = readSheet(file, 1);
        QCOMPARE(read.size(), 48);
        compareTables(read.mid(0, 4),
                      {{text("a"), text("b"), text("c"), text("d"), text("e"), 100.0},
                       {1.0, 2.0, QVariant(), QVariant(), QVariant(), 101.0},
                       {1.0, 2.0, 3.0, 4.0, 5.0, 102.0},
                       {QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), 103.0}});
    }

    void writeRowsUpToTheFormatsWidth() {
        const struct {
            int width;
            int rows;
        } cases[] = {{5, 48}, {20, 3}, {26, 1}, {27, 2}, {52, 1}, {53, 1}, {256, 1}};
        for (const auto& c : cases) {
            const QString file = path(QStringLiteral("width%1.xls").arg(c.width));
            QVERIFY(writeSheets(file, {QStringLiteral("One")}));
            ExcelEngine engine(file);
            QVERIFY(engine.open(1));
            Table table;
            for (int r = 0; r < c.rows; ++r)
                table.append(filled(c.width, r + 1));
            DebugCount debug;
            QVERIFY(engine.writeRows(table));
            // Writing is silent: the engine leaves the log to its callers.
            QCOMPARE(debug.count(), 0);
            engine.close();
            const Table read = readSheet(file, 1);
            QCOMPARE(read.size(), c.rows);
            QCOMPARE(read.first().size(), c.width);
            QCOMPARE(read.at(c.rows - 1).at(c.width - 1).toDouble(), double(c.rows));
        }
        // Beyond the format's 256 columns or with an empty first row.
        const QString file = path(QStringLiteral("too wide.xls"));
        QVERIFY(writeSheets(file, {QStringLiteral("One")}));
        ExcelEngine engine(file);
        QVERIFY(engine.open(1));
        QVERIFY(!engine.writeRows({filled(257, 1)}));
        QVERIFY(!engine.writeRows({QVariantList(), {1}}));
    }

    void emptyTableChangesNothing() {
        const QString file = path(QStringLiteral("untouched.xls"));
        QVERIFY(writeSheets(file, {QStringLiteral("One")}));
        const QByteArray before = bytesOf(file);
        ExcelEngine engine(file);
        QVERIFY(!engine.writeRows({{1}}));  // nothing open yet
        QVERIFY(engine.open(1));
        QVERIFY(!engine.writeRows({}));
        engine.close();
        QCOMPARE(bytesOf(file), before);
    }

    void closeWithoutChangeKeepsTheFile() {
        const QString file = writeTable(QStringLiteral("keep.xls"), {{1, text("a")}, {2, 3}});
        QVERIFY(!file.isEmpty());
        const QDateTime old = QDateTime::currentDateTime().addDays(-3);
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
        }
        const QByteArray before = bytesOf(file);
        {
            ExcelEngine engine(file);
            QVERIFY(engine.open(1));
            QCOMPARE(engine.readAll().size(), 2);
            QCOMPARE(engine.sheetCount(), 2);
            engine.close();
            QVERIFY(engine.open(2));
        }  // the destructor closes the second open
        QCOMPARE(bytesOf(file), before);
        QCOMPARE(QFileInfo(file).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());
    }

    void openingAgainSavesTheFirstWorkbook() {
        const QString file = path(QStringLiteral("twice.xls"));
        QVERIFY(writeSheets(file, {QStringLiteral("One"), QStringLiteral("Two")}));
        ExcelEngine engine(file);
        QVERIFY(engine.open(1));
        QVERIFY(engine.writeRows({{text("first"), 1}}));
        QVERIFY(engine.open(2));  // closes and saves sheet 1's change
        QCOMPARE(engine.rowCount(), 0);
        compareTables(readSheet(file, 1), {{text("first"), 1.0}});
        // A failed open also closes the workbook that was open.
        QVERIFY(engine.writeRows({{text("second"), 2}}));
        QVERIFY(!engine.open(3));
        compareTables(readSheet(file, 2), {{text("second"), 2.0}});
        QCOMPARE(engine.sheetCount(), 0);
    }

    void refusedWritesAreReported() {
        const QString file = path(QStringLiteral("refused.xls"));
        Workbook workbook;
        workbook.addSheet(QStringLiteral("One"));
        QVERIFY(XlsWriter::write(workbook, file));

        ExcelEngine engine(file);
        QVERIFY(engine.open(1));
        QVERIFY(!engine.writeFailed());
        engine.saveAs(path(QStringLiteral("no-such-folder/refused.xls")));
        QVERIFY(engine.writeFailed());
        // The workbook is still changed and saved where it came from.
        QVERIFY(engine.writeRows({{text("kept")}}));
        engine.saveAs(file);
        QVERIFY(!engine.writeFailed());
        engine.close();
        QVERIFY(!engine.writeFailed());
        QVERIFY(engine.open(1));
        QCOMPARE(engine.rowCount(), 1);  // the one written cell
        engine.close();
    }

    void selectingASheetKeepsTheWorkbookOpen() {
        const QString file = path(QStringLiteral("select.xls"));
        Workbook workbook;
        workbook.addSheet(QStringLiteral("One"));
        Worksheet& two = workbook.addSheet(QStringLiteral("Two"));
        two.setCell(2, 1, text("B3"));
        two.setCell(3, 2, 4);
        workbook.addSheet(QStringLiteral("Three"));
        QVERIFY(XlsWriter::write(workbook, file));
        const QByteArray before = bytesOf(file);

        ExcelEngine engine(file);
        QVERIFY(!engine.selectSheet(1));  // nothing open
        QVERIFY(engine.open(1));
        QVERIFY(engine.writeRows({{text("first"), 1}}));
        // The used range is taken as open() takes it.
        QVERIFY(engine.selectSheet(2));
        QCOMPARE(engine.rowCount(), 2);
        compareTables(engine.readAll(), {{text("B3"), QVariant()}, {QVariant(), 4.0}});
        // Beyond the last sheet: false, the selection stays.
        QVERIFY(!engine.selectSheet(4));
        QVERIFY(!engine.selectSheet(0));
        QCOMPARE(engine.rowCount(), 2);
        QVERIFY(engine.writeRows({{text("second")}}));
        // Back to a sheet changed before: its change is still there.
        QVERIFY(engine.selectSheet(1));
        compareTables(engine.readAll(), {{text("first"), 1.0}});
        QVERIFY(engine.selectSheet(3));
        QCOMPARE(engine.rowCount(), 0);
        // Nothing reached the file yet; close writes every change at once.
        QCOMPARE(bytesOf(file), before);
        engine.close();
        compareTables(readSheet(file, 1), {{text("first"), 1.0}});
        compareTables(readSheet(file, 2), {{text("second"), QVariant(), QVariant()},
                                           {QVariant(), QVariant(), QVariant()},
                                           {QVariant(), text("B3"), QVariant()},
                                           {QVariant(), QVariant(), 4.0}});
        QVERIFY(!engine.selectSheet(1));  // closed again
    }

    void sheetIndexesOutOfRange() {
        const QString file = path(QStringLiteral("three.xls"));
        QVERIFY(writeSheets(file, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
        ExcelEngine engine(file);
        QVERIFY(!engine.open(4));
        QVERIFY(!engine.open(0));
        QCOMPARE(engine.rowCount(), 0);
        QVERIFY(engine.readAll().isEmpty());

        QTest::ignoreMessage(QtCriticalMsg, "删除sheet失败...");
        QVERIFY(!engine.deleteSheet(1));  // nothing open

        QVERIFY(engine.open(3));
        QTest::ignoreMessage(QtCriticalMsg, "删除sheet失败...");
        QVERIFY(!engine.deleteSheet(4));
        QTest::ignoreMessage(QtCriticalMsg, "删除sheet失败...");
        QVERIFY(!engine.deleteSheet(0));
        QCOMPARE(engine.sheetCount(), 3);
    }

    void deletedSheetsAreSavedAtClose() {
        const QString file = path(QStringLiteral("delete.xls"));
        Workbook workbook;
        for (const char* name : {"S1", "S2", "S3", "S4"})
            workbook.addSheet(QLatin1String(name)).setCell(0, 0, QLatin1String(name));
        QVERIFY(XlsWriter::write(workbook, file));
        {
            ExcelEngine engine(file);
            QVERIFY(engine.open(3));
            QVERIFY(engine.deleteSheet(4));
            QVERIFY(engine.deleteSheet(2));
            QCOMPARE(engine.sheetCount(), 2);
            // The selected sheet moved down with the deletion.
            QVERIFY(engine.writeRows({{text("S3"), 3}}));
            // Deleting the selected sheet leaves nothing to write to.
            QVERIFY(engine.deleteSheet(2));
            QVERIFY(!engine.writeRows({{1}}));
            QVERIFY(engine.readAll().isEmpty());
            // The last worksheet stays.
            QTest::ignoreMessage(QtCriticalMsg, "删除sheet失败...");
            QVERIFY(!engine.deleteSheet(1));
        }
        Workbook read;
        QVERIFY(XlsReader::read(file, &read));
        QCOMPARE(read.sheetCount(), 1);
        QCOMPARE(read.sheet(0).name(), QStringLiteral("S1"));
    }

    void closeOnNeverOpenedEngine() {
        const QString file = path(QStringLiteral("never.xls"));
        ExcelEngine engine(file);
        engine.close();
        engine.saveAs(path(QStringLiteral("never-saved.xls")));
        QVERIFY(!QFile::exists(file));
        QVERIFY(!QFile::exists(path(QStringLiteral("never-saved.xls"))));
        QCOMPARE(engine.sheetCount(), 0);
        QCOMPARE(engine.rowCount(), 0);
    }

    void usedRangeShiftsTheTable() {
        Workbook workbook;
        Worksheet& shifted = workbook.addSheet(QStringLiteral("Shifted"));
        shifted.setCell(2, 1, text("B3"));
        shifted.setCell(3, 3, 4.5);
        Worksheet& single = workbook.addSheet(QStringLiteral("Single"));
        single.setCell(5, 5, text("F6"));
        workbook.addSheet(QStringLiteral("Empty"));
        const QString file = path(QStringLiteral("shifted.xls"));
        QVERIFY(XlsWriter::write(workbook, file));

        ExcelEngine engine(file);
        QVERIFY(engine.open(1));
        QCOMPARE(engine.rowCount(), 2);
        compareTables(engine.readAll(),
                      {{text("B3"), QVariant(), QVariant()}, {QVariant(), QVariant(), 4.5}});
        // One cell is no table; an empty sheet has no rows.
        QVERIFY(engine.open(2));
        QCOMPARE(engine.rowCount(), 1);
        QVERIFY(engine.readAll().isEmpty());
        QVERIFY(engine.open(3));
        QCOMPARE(engine.rowCount(), 0);
        QVERIFY(engine.readAll().isEmpty());
    }

    void emptyTextKeepsTheRangeAtA1() {
        // A library sheet whose meter number is unknown still starts at A1.
        const QString file =
            writeTable(QStringLiteral("emptya1.xls"), {{QString(""), QVariant()}, {0, 45057}});
        QVERIFY(!file.isEmpty());
        compareTables(readSheet(file, 1), {{QString(""), QVariant()}, {0.0, 45057.0}});
    }

    void saveAsMovesWhereCloseSaves() {
        const QString file = path(QStringLiteral("original.xls"));
        const QString copy = path(QStringLiteral("copy.xls"));
        QVERIFY(writeSheets(file, {QStringLiteral("A"), QStringLiteral("B")}));
        QVERIFY(writeSheets(copy, {QStringLiteral("Old")}));  // replaced without asking
        const QByteArray original = bytesOf(file);
        {
            ExcelEngine engine(file);
            QVERIFY(engine.open(1));
            QVERIFY(engine.writeRows({{7}}));
            engine.saveAs(copy);
            QVERIFY(engine.deleteSheet(2));
        }
        QCOMPARE(bytesOf(file), original);
        Workbook read;
        QVERIFY(XlsReader::read(copy, &read));
        QCOMPARE(read.sheetCount(), 1);
        QCOMPARE(read.sheet(0).cell(0, 0), QVariant(7.0));
    }

    void reopeningAgreesWithAFreshRead() {
        // An engine that opens the same file again reuses what it holds; it
        // must see exactly what reading the file anew gives.
        const QString file = path(QStringLiteral("reopen.xls"));
        QVERIFY(writeSheets(
            file, {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")}));
        ExcelEngine engine(file);
        QVERIFY(engine.open(1));
        QVERIFY(engine.writeRows(
            {{QString(20000, QLatin1Char('x')), text("长").repeated(9000), QString(""), -0.0},
             {1e300, text("a long enough text for a wider column"), 7}}));
        QVERIFY(engine.open(2));
        QVERIFY(engine.writeRows({{text("two")}}));
        engine.saveAs(file);
        QVERIFY(engine.deleteSheet(3));
        engine.close();
        for (int sheet = 1; sheet <= 2; ++sheet) {
            ExcelEngine fresh(file);
            QVERIFY(engine.open(sheet));
            QVERIFY(fresh.open(sheet));
            QCOMPARE(engine.sheetCount(), 2);
            QCOMPARE(fresh.sheetCount(), 2);
            QCOMPARE(engine.rowCount(), fresh.rowCount());
            compareTables(engine.readAll(), fresh.readAll());
        }
        const Table first = readSheet(file, 1);
        QCOMPARE(first[0][0].toString().size(), Worksheet::kMaxLatin1Text);
        QCOMPARE(first[0][1].toString().size(), Worksheet::kMaxText);

        // A file changed by someone else in between is read anew.
        engine.close();
        Workbook other;
        other.addSheet(QStringLiteral("Other")).setCell(0, 0, text("new"));
        other.sheet(0).setCell(0, 1, 2);
        QVERIFY(XlsWriter::write(other, file));
        QVERIFY(engine.open(1));
        QCOMPARE(engine.sheetCount(), 1);
        compareTables(engine.readAll(), {{text("new"), 2.0}});
    }

    void readingLeavesTheFileAlone_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<int>("permissions");
        QTest::addColumn<bool>("templateNearby");
        const int readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        QTest::newRow("read-only workbook") << true << readOnly << false;
        QTest::newRow("writable workbook") << true << (readOnly | QFile::WriteOwner) << false;
        QTest::newRow("missing") << false << 0 << false;
        // A template beside the working folder is no stand-in for a missing file.
        QTest::newRow("missing, template nearby") << false << 0 << true;
    }
    void readingLeavesTheFileAlone() {
        QFETCH(bool, present);
        QFETCH(int, permissions);
        QFETCH(bool, templateNearby);
        QTemporaryDir work;
        QVERIFY(work.isValid());
        const QString file = work.filePath(QStringLiteral("book.xls"));
        if (present) {
            Workbook workbook;
            workbook.addSheet(QStringLiteral("One")).setCell(0, 0, text("kept"));
            workbook.sheet(0).setCell(1, 1, 2);
            QVERIFY(XlsWriter::write(workbook, file));
            QVERIFY(QFile::setPermissions(file, QFile::Permissions(permissions)));
        }
        if (templateNearby)
            QVERIFY(
                writeSheets(work.filePath(QStringLiteral("template.xls")), {QStringLiteral("T1")}));
        const QByteArray before = bytesOf(file);
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(work.path()));
        // Watched through the kernel: an open for writing shows even where
        // the permissions do not stop it (a test run by root).
        WriteWatch watch(present ? file : work.path());
        ExcelEngine engine(file);
        const bool opened = engine.open(1);
        const Table read = engine.readAll();
        engine.close();
        QDir::setCurrent(previous);

        QCOMPARE(opened, present);
        QCOMPARE(QFile::exists(file), present);
        QVERIFY(!watch.sawWriting());
        if (present) {
            compareTables(read, {{text("kept"), QVariant()}, {QVariant(), 2.0}});
            QCOMPARE(bytesOf(file), before);
        }
    }

    void templateWorkbooks() {
        const struct {
            const char* file;
            int sheets;
        } templates[] = {{"ColorCard_1.xls", 10}, {"ColorCard_2.xls", 47}};
        for (const auto& t : templates) {
            Workbook workbook;
            const QString file = QStringLiteral(COLORCARD_BIN_DIR "/") + QLatin1String(t.file);
            QVERIFY2(XlsReader::read(file, &workbook), t.file);
            QCOMPARE(workbook.sheetCount(), t.sheets);
            QCOMPARE(workbook.sheet(0).name(), QStringLiteral("Libraries"));
            QCOMPARE(workbook.sheet(t.sheets - 1).name(),
                     QStringLiteral("Library %1").arg(t.sheets - 1));
            QVERIFY(workbook.sheet(0).columnWidth(1) > workbook.sheet(0).columnWidth(2));
            QVERIFY(workbook.sheet(1).columnWidth(0) > 0);
            QVERIFY(workbook.sheet(1).columnWidth(19) > 0);
        }
    }
};

QTEST_GUILESS_MAIN(ExcelEngineTest)
#include "tst_excelengine.moc"
