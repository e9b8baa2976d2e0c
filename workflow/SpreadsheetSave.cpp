// SPDX-License-Identifier: MIT
#include "workflow/SpreadsheetSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "exchange/ExchangeWorkbook.h"
#include "texts/ChangeTexts.h"
#include "texts/ExchangeTexts.h"
#include "workflow/LibraryService.h"
#include "workflow/Limits.h"
#include "xls/EngineWorkbookFile.h"

namespace colorcard {

namespace {

// Worksheets of ColorCard_1.xls beyond the library sheet.
constexpr int kSmallTemplateLibraries = 9;

// Deletes worksheets from the last one down to lowest, the highest first.
void deleteSheetsDownTo(WorkbookFile& file, int lowest) {
    for (int sheet = file.sheetCount(); sheet >= lowest && sheet > 1; --sheet)
        file.deleteSheet(sheet);
}

}  // namespace

SpreadsheetSave::SpreadsheetSave(LibraryService& library, const QString& templateDirectory)
    : library(library),
      templateDirectory(templateDirectory),
      openFile(EngineWorkbookFile::create),
      clock(QDateTime::currentDateTime) {}

void SpreadsheetSave::setFileOpener(FileOpener opener) {
    openFile = opener ? std::move(opener) : FileOpener(EngineWorkbookFile::create);
}

void SpreadsheetSave::setClock(std::function<QDateTime()> newClock) {
    clock = newClock ? std::move(newClock) : std::function<QDateTime()>(QDateTime::currentDateTime);
}

QString SpreadsheetSave::templateName(int maxLibraries, int libraryCount) {
    return maxLibraries == Limits::NewerMeterLibraries || libraryCount > kSmallTemplateLibraries
               ? QStringLiteral("ColorCard_2.xls")
               : QStringLiteral("ColorCard_1.xls");
}

QString SpreadsheetSave::withXlsSuffix(const QString& fileName) {
    if (fileName.endsWith(QLatin1String(".xls"), Qt::CaseInsensitive))
        return fileName;
    return fileName + QStringLiteral(".xls");
}

bool SpreadsheetSave::saveToSpreadsheet() {
    if (!prepare())
        return false;
    const QString chosen = library.messenger().saveFileName(
        ExchangeText::SaveFileCaption, proposedName(), QStringLiteral("Excel (*.xls)"));
    if (chosen.isEmpty())
        return false;
    // The dialog does not add the suffix of its filter on every desktop.
    return writeTo(withXlsSuffix(chosen));
}

bool SpreadsheetSave::prepare() {
    Messenger& messenger = library.messenger();
    libraries = library.storedLibraries();

    // Everything written is read and built first.
    for (Library& record : libraries) {
        if (record.count.toInt() == 0 &&
            !messenger.ask(ExchangeText::ConfirmSaveEmpty, {record.name}))
            return false;
        record.colours = library.storedColours(record.id);
    }
    librarySheet = ExchangeWorkbook::librarySheet(library.meterNumber(), libraries);
    return true;
}

QString SpreadsheetSave::proposedName() const {
    return QStringLiteral("Stdcolor") + clock().toString(QStringLiteral("yyMMddhhmmss"));
}

bool SpreadsheetSave::writeTo(const QString& fileName) {
    Messenger& messenger = library.messenger();
    const int count = libraries.size();
    // Never replaces a file: QFile::copy refuses an existing target.
    const QString templatePath =
        QDir(templateDirectory).filePath(templateName(library.maxLibraries(), count));
    if (QFileInfo::exists(fileName) || !QFileInfo::exists(templatePath) ||
        !QFile::copy(templatePath, fileName)) {
        messenger.tip(ExchangeText::CreateFileFailed);
        return false;
    }
    // The copy keeps the template's permissions; an installed template may be read-only.
    QFile::setPermissions(fileName, QFile::permissions(fileName) | QFileDevice::WriteOwner);

    std::unique_ptr<ProgressReporter> progress =
        messenger.progress(ExchangeText::Saving, 0, count + 1);
    progress->setValue(0);

    std::unique_ptr<WorkbookFile> file = openFile(fileName);
    if (!file->open(1)) {
        messenger.tip(ExchangeText::OpenLibrarySheetFailed);
        progress->hide();
        return false;
    }
    if (!file->writeRows(librarySheet)) {
        messenger.tip(ExchangeText::SaveLibrarySheetFailed);
        deleteSheetsDownTo(*file, 2);
        file->close();
        progress->hide();
        return false;
    }
    // The whole save works on the one workbook in memory: the data sheets
    // are selected in it rather than reopened, and the file is written once
    // at the end (or by the closing after a failure) instead of once per
    // sheet. What reaches the file is the same in every case.
    // A finished workbook has exactly one data sheet per library.
    deleteSheetsDownTo(*file, count + 2);
    progress->setValue(1);

    for (int k = 1; k <= count; ++k) {
        if (!file->selectSheet(k + 1)) {
            messenger.tip(ExchangeText::OpenDataSheetFailed);
            // The sheets written so far stay, as when each one was saved.
            file->close();
            progress->hide();
            return false;
        }
        if (!file->writeRows(ExchangeWorkbook::dataSheet(libraries.at(k - 1).colours))) {
            messenger.tip(ExchangeText::SaveDataSheetFailed);
            // Keep the library sheet and the data sheets written before.
            deleteSheetsDownTo(*file, k + 1);
            file->close();
            progress->hide();
            return false;
        }
        progress->setValue(k + 1);
    }
    file->saveAs(fileName);
    const bool written = !file->writeFailed();
    file->close();
    progress->hide();
    // Neither saveAs nor close reports a failed write; a save the disk
    // refused must not be announced as a success.
    if (!written) {
        messenger.tip(ExchangeText::SaveDataSheetFailed);
        return false;
    }
    messenger.tipComposed(messenger.paragraphs(
        {messenger.text(ExchangeText::Saved),
         messenger.text(ChangeText::SavedFile, {QDir::toNativeSeparators(fileName)})}));
    return true;
}

}  // namespace colorcard
