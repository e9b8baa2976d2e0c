#pragma once

#include <QList>
#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>

#include "Prompt.h"
#include "WorkbookFile.h"
#include "WorkspaceContext.h"

// Imports an exchange workbook of the connected meter: the whole workbook
// is read and verified (meter number, shape, check codes, library limit)
// before the first change; then its libraries are added library by library,
// existing ones (same name and description) receiving the colours they do
// not hold yet, until the colour limit is reached.
class SpreadsheetImport {
public:
    using FileOpener = std::function<std::unique_ptr<WorkbookFile>(const QString& fileName)>;

    explicit SpreadsheetImport(const WorkspaceContext& context);

    void importFromSpreadsheet();

    void setFileOpener(FileOpener opener);

private:
    // One library row of the library sheet with its data sheet.
    struct Library {
        QString name;
        QString description;
        int colorCount = 0;
        QList<QVariantList> dataSheet;
        QString key() const { return name + QLatin1Char(':') + description; }
    };

    // Reads and verifies; false (with its message shown) refuses the workbook.
    bool readWorkbook(const QString& fileName, QList<Library>* libraries, QString* meterNumber);
    // Adds one library's colours; false when the colour limit ended the import.
    bool importLibrary(const Library& library, int number, const QString& meterNumber);
    int totalColorCount() const;
    void hideProgress();

    WorkspaceContext context;
    FileOpener openFile;
    std::unique_ptr<ProgressReporter> progress;
};
