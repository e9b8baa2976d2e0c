// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>

#include "store/ColorCardStore.h"
#include "xls/WorkbookFile.h"

namespace colorcard {

class LibraryService;

// Saves every library of the store with all values of its colours into a
// new exchange workbook, made from a template workbook. Reads the store,
// changes nothing in it.
class SpreadsheetSave {
public:
    using FileOpener = std::function<std::unique_ptr<WorkbookFile>(const QString& fileName)>;

    // templateDirectory: where "ColorCard_1.xls" and "ColorCard_2.xls" lie
    // (the application directory in the program).
    SpreadsheetSave(LibraryService& library, const QString& templateDirectory);

    // True only when the whole workbook was written; false when the user
    // stopped or a step failed (each failure shows its message).
    // prepare, the file dialog, writeTo.
    bool saveToSpreadsheet();

    // The steps of the save, for callers that choose the file themselves.
    // Reads the store and builds the library sheet; asks about each empty
    // library (false when the user stops).
    bool prepare();
    // "Stdcolor" and the time: the name the file dialog proposes.
    QString proposedName() const;
    // Writes what prepare built into a new workbook of exactly this name
    // (an existing file is refused), with every message of the save.
    bool writeTo(const QString& fileName);

    // The template with room for the libraries: ColorCard_2 for a meter of
    // 46 libraries, or when more libraries are stored than ColorCard_1 holds.
    static QString templateName(int maxLibraries, int libraryCount);
    // The chosen name with ".xls" appended when it does not end in it.
    static QString withXlsSuffix(const QString& fileName);

    void setFileOpener(FileOpener opener);
    void setClock(std::function<QDateTime()> clock);

private:
    LibraryService& library;
    QString templateDirectory;
    FileOpener openFile;
    std::function<QDateTime()> clock;
    // What prepare read and built.
    // The stored libraries, each with its colours.
    QVector<Library> libraries;
    QList<QVariantList> librarySheet;
};

}  // namespace colorcard
