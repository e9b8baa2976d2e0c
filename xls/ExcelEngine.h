// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>

namespace colorcard {

class Workbook;

// Blocking access to one worksheet of one .xls workbook file. open() loads
// the whole workbook into memory; writeRows() and deleteSheet() change that
// copy; saveAs() and close() write it back as BIFF8. close() writes only a
// workbook that changed since it was opened or last saved, so reading a
// file never rewrites it.
//
// Tables are lists of rows, each row a list of cell values: numbers are
// double values, texts QString values and empty cells invalid QVariants.
class ExcelEngine : public QObject {
    Q_OBJECT

public:
    explicit ExcelEngine(const QString& fileName, QObject* parent = nullptr);
    ~ExcelEngine() override;

    // Loads the workbook file and selects worksheet sheetIndex (1-based).
    // The file is only read: a missing file is refused and not created, and
    // a file without write access opens. An open engine is closed (and saved
    // when changed) first.
    bool open(int sheetIndex);
    // Selects worksheet sheetIndex (1-based) of the open workbook and takes
    // its used range, as open() does, but without saving or reloading: the
    // workbook keeps its unsaved changes. False, with the selection kept,
    // when nothing is open or there is no such worksheet.
    bool selectSheet(int sheetIndex);
    // Saves a changed workbook to its file and releases it.
    void close();
    // Writes the open workbook to path, replacing any file there; later
    // changes are then saved to path by close().
    void saveAs(const QString& path);
    // Writes the table into the selected worksheet from A1, as a block as
    // wide as the first row: shorter rows clear the rest of their block,
    // longer rows are cut. False for an empty table or when nothing is open.
    bool writeRows(const QList<QVariantList>& rows);
    // The values of the selected worksheet's used range, one list per row;
    // a used range of one cell or none gives no rows.
    QList<QVariantList> readAll() const;
    int sheetCount() const;
    // Rows of the used range when the worksheet was opened.
    int rowCount() const;
    // Deletes worksheet index (1-based) of the open workbook.
    bool deleteSheet(int index);
    // Whether the last saveAs or close that had to write the file failed
    // (a full disk, a directory without write access): neither reports it.
    bool writeFailed() const { return lastWriteFailed; }
    // Whether the last open() failed on a workbook container whose workbook
    // stream could not be read.
    bool damaged() const { return lastOpenDamaged; }

private:
    void takeUsedRange();

    QString fileName;
    // Where close() saves: the file name, or the last saveAs path.
    QString savePath;
    std::unique_ptr<Workbook> workbook;
    // The workbook as last read or written, with the file's bytes then: the
    // callers open one file once per worksheet, and a file that is still
    // byte for byte the same needs no second parse.
    std::unique_ptr<Workbook> cached;
    QByteArray cachedFile;
    QByteArray openedFile;
    bool isOpen = false;
    bool modified = false;
    bool lastWriteFailed = false;
    bool lastOpenDamaged = false;
    // 0-based index of the selected worksheet; -1 once it was deleted.
    int sheet = -1;
    int startRow = 1;
    int startColumn = 1;
    int usedRows = 0;
    int usedColumns = 0;
};

}  // namespace colorcard
