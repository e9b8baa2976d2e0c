// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

namespace colorcard {

// The operations of ExcelEngine that the save and the import use, so that a
// test can stand in for a workbook file that fails at a chosen step.
class WorkbookFile {
public:
    virtual ~WorkbookFile() = default;

    virtual bool open(int sheetIndex) = 0;
    // Another worksheet of the open workbook, keeping its unsaved changes.
    virtual bool selectSheet(int sheetIndex) = 0;
    virtual void close() = 0;
    virtual void saveAs(const QString& path) = 0;
    virtual bool writeRows(const QList<QVariantList>& rows) = 0;
    virtual QList<QVariantList> readAll() const = 0;
    virtual int sheetCount() const = 0;
    virtual int rowCount() const = 0;
    virtual bool deleteSheet(int index) = 0;
    // The last saveAs or close that had to write the file failed.
    virtual bool writeFailed() const = 0;
    // The last open failed on a workbook whose records could not be read
    // (rather than on a file that is no workbook or cannot be read at all).
    virtual bool damaged() const { return false; }
};

}  // namespace colorcard
