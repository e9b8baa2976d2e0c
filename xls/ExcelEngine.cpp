// SPDX-License-Identifier: MIT
#include "xls/ExcelEngine.h"

#include <QFile>
#include <QtGlobal>

#include "xls/Workbook.h"
#include "xls/XlsReader.h"
#include "xls/XlsWriter.h"

namespace colorcard {

ExcelEngine::ExcelEngine(const QString& fileName, QObject* parent)
    : QObject(parent), fileName(fileName) {}

ExcelEngine::~ExcelEngine() {
    if (isOpen)
        close();
}

bool ExcelEngine::open(int sheetIndex) {
    if (isOpen)
        close();
    lastWriteFailed = false;
    lastOpenDamaged = false;
    if (fileName.isEmpty())
        return false;
    // Reading only: a missing file stays missing, a read-only one opens.
    QFile file(fileName);
    if (file.size() > XlsReader::kMaxFileSize || !file.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = file.readAll();
    file.close();
    std::unique_ptr<Workbook> loaded;
    if (cached && !bytes.isEmpty() && bytes == cachedFile) {
        loaded = std::move(cached);
    } else {
        cached.reset();
        cachedFile.clear();
        loaded = std::make_unique<Workbook>();
        if (!XlsReader::read(fileName, bytes, loaded.get(), &lastOpenDamaged))
            return false;
    }
    if (sheetIndex < 1 || sheetIndex > loaded->sheetCount()) {
        cached = std::move(loaded);
        cachedFile = bytes;
        return false;
    }
    workbook = std::move(loaded);
    openedFile = std::move(bytes);
    savePath = fileName;
    sheet = sheetIndex - 1;
    modified = false;
    takeUsedRange();
    isOpen = true;
    return true;
}

bool ExcelEngine::selectSheet(int sheetIndex) {
    if (!isOpen || sheetIndex < 1 || sheetIndex > workbook->sheetCount())
        return false;
    sheet = sheetIndex - 1;
    takeUsedRange();
    return true;
}

void ExcelEngine::takeUsedRange() {
    const CellRange range = workbook->sheet(sheet).usedRange();
    startRow = range.firstRow + 1;
    startColumn = range.firstColumn + 1;
    usedRows = range.rowCount;
    usedColumns = range.columnCount;
}

void ExcelEngine::close() {
    if (!isOpen)
        return;
    QByteArray written;
    const bool saved = modified && XlsWriter::write(*workbook, savePath, &written);
    lastWriteFailed = modified && !saved;
    // Keep the model for the next open when it matches a file's bytes.
    if (!modified || saved) {
        cachedFile = saved ? written : openedFile;
        cached = std::move(workbook);
    }
    workbook.reset();
    openedFile.clear();
    isOpen = false;
    modified = false;
    sheet = -1;
    startRow = startColumn = 1;
    usedRows = usedColumns = 0;
}

void ExcelEngine::saveAs(const QString& path) {
    if (!isOpen)
        return;
    QByteArray written;
    lastWriteFailed = !XlsWriter::write(*workbook, path, &written);
    if (!lastWriteFailed) {
        savePath = path;
        openedFile = written;
        modified = false;
    }
}

bool ExcelEngine::writeRows(const QList<QVariantList>& rows) {
    if (rows.isEmpty() || !isOpen || sheet < 0)
        return false;
    const int width = rows.first().size();
    if (width < 1 || width > Worksheet::kMaxColumns || rows.size() > Worksheet::kMaxRows)
        return false;
    Worksheet& target = workbook->sheet(sheet);
    for (int r = 0; r < rows.size(); ++r) {
        const QVariantList& row = rows.at(r);
        for (int c = 0; c < width; ++c)
            target.setCell(r, c, c < row.size() ? row.at(c) : QVariant());
    }
    target.fitColumnWidths();
    modified = true;
    return true;
}

QList<QVariantList> ExcelEngine::readAll() const {
    QList<QVariantList> table;
    if (!isOpen || sheet < 0)
        return table;
    const Worksheet& source = workbook->sheet(sheet);
    const CellRange range = source.usedRange();
    if (range.rowCount * range.columnCount <= 1)
        return table;
    table.reserve(range.rowCount);
    for (int r = 0; r < range.rowCount; ++r) {
        QVariantList row;
        row.reserve(range.columnCount);
        for (int c = 0; c < range.columnCount; ++c)
            row.append(source.cell(range.firstRow + r, range.firstColumn + c));
        table.append(row);
    }
    return table;
}

int ExcelEngine::sheetCount() const {
    return isOpen ? workbook->sheetCount() : 0;
}

int ExcelEngine::rowCount() const {
    return usedRows;
}

bool ExcelEngine::deleteSheet(int index) {
    // A workbook keeps at least one worksheet.
    if (!isOpen || index < 1 || index > workbook->sheetCount() || workbook->sheetCount() == 1) {
        qCritical("删除sheet失败...");
        return false;
    }
    workbook->removeSheet(index - 1);
    if (sheet == index - 1)
        sheet = -1;
    else if (sheet > index - 1)
        --sheet;
    modified = true;
    return true;
}

}  // namespace colorcard
