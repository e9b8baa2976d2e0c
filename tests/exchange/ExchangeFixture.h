#pragma once

#include <QDir>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QtTest>

#include "ColorCardStore.h"
#include "EngineWorkbookFile.h"
#include "ExcelEngine.h"
#include "LibraryView.h"
#include "Messenger.h"
#include "ScriptedPrompt.h"
#include "SpreadsheetImport.h"
#include "SpreadsheetSave.h"
#include "Workbook.h"
#include "WorkspaceContext.h"
#include "WorkspaceState.h"
#include "XlsWriter.h"

// The page's library table as the exchange procedures see it, kept the way
// the page keeps it: rows, library keys and colour keys in step.
class FakeLibraryView : public LibraryView {
public:
    struct Row {
        QString id, name, description, count;
    };
    QList<Row> rows;
    int reselections = 0;

    FakeLibraryView(WorkspaceState& state, ColorCardStore& store) : state(state), store(store) {}

    int libraryRowCount() const override { return rows.size(); }
    QString libraryCell(int row, int column) const override {
        if (row < 0 || row >= rows.size())
            return QString();
        const Row& r = rows.at(row);
        switch (column) {
            case 0:
                return r.id;
            case 1:
                return r.name;
            case 2:
                return r.description;
            case 3:
                return r.count;
            default:
                return QString();
        }
    }
    void setLibraryCount(int row, const QString& count) override {
        if (row >= 0 && row < rows.size())
            rows[row].count = count;
    }
    void appendLibraryRow(const QString& id, const QString& name, const QString& description,
                          const QString& count) override {
        rows.append({id, name, description, count});
        const QString key = name + ':' + description;
        state.libraryKeys.append(key);
        if (!state.colorKeyMap.contains(key)) {
            QStringList keys;
            if (count.toInt() > 0)
                for (const ColorDataRecord& c : store.selectColorData(id))
                    keys << QStringList{c[2].toString(), c[3].toString(), c[4].toString(),
                                        c[5].toString()}
                                .join(':');
            state.colorKeyMap.insert(key, keys);
        }
    }
    void removeLibraryRow(int row) override {
        if (row < 0 || row >= rows.size())
            return;
        state.colorKeyMap.remove(rows[row].name + ':' + rows[row].description);
        rows.removeAt(row);
        state.libraryKeys.removeAt(row);
    }
    void reselectFirstLibrary() override {
        if (!rows.isEmpty())
            ++reselections;
    }

private:
    WorkspaceState& state;
    ColorCardStore& store;
};

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

// A colour as the store holds it: the name, then nineteen value texts.
struct Colour {
    QString name;
    QStringList values;
};

inline QList<Colour> colours(int count, int seed, const QString& prefix = QStringLiteral("C")) {
    QList<Colour> list;
    for (int i = 0; i < count; ++i)
        list.append({QStringLiteral("%1-%2").arg(prefix).arg(i + 1), measuredValues(seed + i)});
    return list;
}

// A store in its own directory, the page state, a scripted prompt and a
// fake library table, everything a save or an import needs.
struct ExchangeFixture {
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    Messenger messenger{&prompt};
    WorkspaceState state;
    ColorCardStore store{messenger, dir.path()};
    FakeLibraryView view{state, store};
    QString templates = QStringLiteral(COLORCARD_BIN_DIR);

    explicit ExchangeFixture(const QString& meterNumber = QStringLiteral("12345678")) {
        messenger.setChinese(false);
        state.meterNumber = meterNumber;
        state.databaseOpen = store.openDatabase();
    }

    WorkspaceContext context() { return WorkspaceContext{state, view, store, messenger}; }

    void answer(std::initializer_list<bool> answers) {
        for (bool yes : answers)
            prompt.answers.enqueue(yes);
    }

    // A library in the store and in the table, as the page holds it. count
    // overrides the stored colour count.
    QString addLibrary(const QString& name, const QString& description,
                       const QList<Colour>& list = {}, const QString& count = QString()) {
        const QString id = store.makeLibraryId(view.libraryRowCount() + 1);
        const QString stored = count.isNull() ? QString::number(list.size()) : count;
        store.createColorDataTable(id);
        store.insertLibrary(id, state.meterNumber, name, description, stored);
        if (!list.isEmpty()) {
            QList<QStringList> columns;
            for (int c = 0; c < 20; ++c)
                columns.append(QStringList());
            for (const Colour& colour : list) {
                columns[0] << colour.name;
                for (int v = 0; v < 19; ++v)
                    columns[v + 1] << colour.values.value(v);
            }
            store.insertColorDataBatch(id, store.makeColorIds(id, 1, list.size()), columns);
        }
        view.appendLibraryRow(id, name, description, stored);
        return id;
    }

    bool save(const QString& fileName, SpreadsheetSave::FileOpener opener = nullptr) {
        prompt.fileNames.enqueue(fileName);
        SpreadsheetSave save(context(), templates);
        save.setFileOpener(opener);
        return save.saveToSpreadsheet();
    }

    void import(const QString& fileName, SpreadsheetImport::FileOpener opener = nullptr) {
        prompt.fileNames.enqueue(fileName);
        SpreadsheetImport import(context());
        import.setFileOpener(opener);
        import.importFromSpreadsheet();
    }

    // Everything the store holds: per library its record (without the row
    // id, identifier and meter number) and every colour's name and values.
    QStringList snapshot() {
        QStringList lines;
        for (const LibraryRecord& library : store.selectLibraries()) {
            lines << QStringLiteral("library %1|%2|%3|%4")
                         .arg(library[2].toString(), library[3].toString(), library[4].toString(),
                              library[5].toString());
            for (const ColorDataRecord& colour : store.selectColorData(library[1].toString())) {
                QStringList texts;
                for (int i = 2; i < colour.size(); ++i)
                    texts << colour[i].toString();
                lines << texts.join('|');
            }
        }
        return lines;
    }
    // The table and the keys, to tell that nothing on the page changed.
    QStringList viewState() const {
        QStringList lines;
        for (const FakeLibraryView::Row& r : view.rows)
            lines << QStringList{r.id, r.name, r.description, r.count}.join('|');
        lines << state.libraryKeys.join(',');
        for (auto it = state.colorKeyMap.cbegin(); it != state.colorKeyMap.cend(); ++it)
            lines << it.key() + '=' + it.value().join(',');
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
