// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/support/LibraryFixture.h"
#include "workflow/SpreadsheetImport.h"
#include "workflow/SpreadsheetSave.h"
#include "xls/EngineWorkbookFile.h"
#include "xls/ExcelEngine.h"
#include "xls/Workbook.h"
#include "xls/XlsWriter.h"

using namespace colorcard;

// Nineteen value texts as a measurement stores them: L*a*b*, L*u*v*, L, C
// and Y with 2 decimals, h with 1, x and y with 4, CMYK and RGB integers.
inline QStringList measuredValues(int seed) {
    const auto fixed = [](double v, int d) { return QString::number(v, 'f', d); };
    const int s = seed * 7919;
    return {fixed((s % 10000) / 100.0, 2),
            fixed(((s / 3) % 25600 - 12800) / 100.0, 2),
            fixed(((s / 7) % 25600 - 12800) / 100.0, 2),
            fixed((s % 9000) / 100.0, 2),
            fixed(((s / 11) % 20000 - 10000) / 100.0, 2),
            fixed(((s / 13) % 20000 - 10000) / 100.0, 2),
            fixed((s % 9100) / 100.0, 2),
            fixed(((s / 17) % 15000) / 100.0, 2),
            fixed(((s / 19) % 3600) / 10.0, 1),
            fixed((s % 10000) / 100.0, 2),
            fixed(((s / 23) % 10000) / 10000.0, 4),
            fixed(((s / 29) % 10000) / 10000.0, 4),
            QString::number(s % 101),
            QString::number((s / 31) % 101),
            QString::number((s / 37) % 101),
            QString::number((s / 41) % 101),
            QString::number(s % 256),
            QString::number((s / 43) % 256),
            QString::number((s / 47) % 256)};
}

// A colour as a workbook row holds it: the name, then nineteen value texts.
struct SheetColour {
    QString name;
    QStringList values;
};

inline QList<SheetColour> colours(int count, int seed,
                                  const QString& prefix = QStringLiteral("C")) {
    QList<SheetColour> list;
    for (int i = 0; i < count; ++i)
        list.append({QStringLiteral("%1-%2").arg(prefix).arg(i + 1), measuredValues(seed + i)});
    return list;
}

// A library service on a store of meter 12345678 with the template
// workbooks of the build, everything a save or an import needs.
struct ExchangeFixture : LibraryFixture {
    QString templates = QStringLiteral(COLORCARD_BIN_DIR);

    explicit ExchangeFixture(const QString& meterNumber = QStringLiteral("12345678"))
        : LibraryFixture(meterNumber) {}

    // A stored and listed library. count overrides the stored colour count.
    QString addLibrary(const QString& name, const QString& description,
                       const QList<SheetColour>& list = {}, const QString& count = QString()) {
        QList<QStringList> colours;
        for (const SheetColour& colour : list)
            colours << (QStringList{colour.name} + colour.values);
        return LibraryFixture::addLibrary(name, description, colours, count);
    }

    bool save(const QString& fileName, SpreadsheetSave::FileOpener opener = nullptr) {
        prompt.fileNames.enqueue(fileName);
        SpreadsheetSave save(service(), templates);
        save.setFileOpener(opener);
        return save.saveToSpreadsheet();
    }

    bool import(const QString& fileName, SpreadsheetImport::FileOpener opener = nullptr) {
        prompt.fileNames.enqueue(fileName);
        SpreadsheetImport import(merge());
        import.setFileOpener(opener);
        return import.importFromSpreadsheet();
    }

    // Everything the store holds: per library its record (without the row
    // id and identifier) and every colour's name and values.
    QStringList snapshot() {
        QStringList lines;
        for (const Library& library : store().selectLibraries()) {
            lines << QStringLiteral("library %1|%2|%3|%4")
                         .arg(library.meterNumber, library.name, library.description,
                              library.count);
            for (const Colour& colour : store().selectColours(library.id))
                lines << (QStringList{colour.name} + colour.values()).join('|');
        }
        return lines;
    }
    // The list and what a view shows of it, to tell that nothing listed changed.
    QStringList viewState() const {
        QStringList lines = probe->rows;
        for (const LibraryEntry& e : service().libraries())
            lines << e.id + '=' + colourKeys(e.name, e.description).join(',');
        return lines;
    }
};

// Reading and rewriting exchange workbooks the way a user of a spreadsheet
// program would change them.
namespace WorkbookEdit {

inline QList<QList<QVariantList>> readSheets(const QString& file) {
    QList<QList<QVariantList>> sheets;
    ExcelEngine engine(file);
    if (!engine.open(1))
        return sheets;
    const int count = engine.sheetCount();
    for (int s = 1; s <= count; ++s) {
        if (!engine.open(s))
            return {};
        sheets.append(engine.readAll());
    }
    return sheets;
}

// A new workbook file holding exactly these tables, one per worksheet.
inline bool writeSheets(const QString& file, const QList<QList<QVariantList>>& sheets) {
    Workbook workbook;
    for (int s = 0; s < sheets.size(); ++s) {
        Worksheet& sheet = workbook.addSheet(QStringLiteral("Sheet%1").arg(s + 1));
        for (int r = 0; r < sheets[s].size(); ++r)
            for (int c = 0; c < sheets[s][r].size(); ++c)
                sheet.setCell(r, c, sheets[s][r][c]);
    }
    QFile::remove(file);
    return XlsWriter::write(workbook, file);
}

// Changes one cell (0-based row and column) of one worksheet in place.
inline bool setCell(const QString& file, int sheet, int row, int column, const QVariant& value) {
    ExcelEngine engine(file);
    if (!engine.open(sheet))
        return false;
    QList<QVariantList> rows = engine.readAll();
    if (row >= rows.size() || column >= rows[row].size())
        return false;
    rows[row][column] = value;
    return engine.writeRows(rows);
}

}  // namespace WorkbookEdit

// A workbook file that fails one chosen operation, for the failure paths of
// the save and the import.
class FailingWorkbookFile : public EngineWorkbookFile {
public:
    int failOpenOf = 0;          // sheet index whose open or selection fails
    int failWriteNumber = 0;     // 1-based number of the writeRows call that fails
    bool failFileWrite = false;  // the file itself cannot be written
    int writes = 0;
    QList<int>* deleted = nullptr;  // where to record the deleted sheet indexes
    // Where to count the calls; the file itself ends with the save.
    struct Calls {
        int opens = 0;
        int writes = 0;
        int saves = 0;  // saveAs
    }* calls = nullptr;

    using EngineWorkbookFile::EngineWorkbookFile;

    bool open(int sheetIndex) override {
        if (calls)
            ++calls->opens;
        return sheetIndex != failOpenOf && EngineWorkbookFile::open(sheetIndex);
    }
    bool selectSheet(int sheetIndex) override {
        return sheetIndex != failOpenOf && EngineWorkbookFile::selectSheet(sheetIndex);
    }
    void saveAs(const QString& path) override {
        if (calls)
            ++calls->saves;
        EngineWorkbookFile::saveAs(path);
    }
    bool writeRows(const QList<QVariantList>& rows) override {
        if (calls)
            ++calls->writes;
        return ++writes != failWriteNumber && EngineWorkbookFile::writeRows(rows);
    }
    bool writeFailed() const override { return failFileWrite || EngineWorkbookFile::writeFailed(); }
    bool deleteSheet(int index) override {
        if (deleted)
            *deleted << index;
        return EngineWorkbookFile::deleteSheet(index);
    }
};

// Installed by every exchange test: the engine's range traces are noise here.
inline void quietEngineTraces() {
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}
