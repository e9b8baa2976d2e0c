// SPDX-License-Identifier: MIT
#include "workflow/SpreadsheetImport.h"

#include "exchange/CheckCodes.h"
#include "exchange/ExchangeWorkbook.h"
#include "store/TextSafety.h"
#include "texts/ExchangeTexts.h"
#include "texts/GuidanceTexts.h"
#include "workflow/LibraryMerge.h"
#include "workflow/LibraryService.h"
#include "xls/EngineWorkbookFile.h"

namespace colorcard {

SpreadsheetImport::SpreadsheetImport(LibraryMerge& merger)
    : merger(merger), library(merger.library()), openFile(EngineWorkbookFile::create) {}

void SpreadsheetImport::setFileOpener(FileOpener opener) {
    openFile = opener ? std::move(opener) : FileOpener(EngineWorkbookFile::create);
}

void SpreadsheetImport::hideProgress() {
    if (progress)
        progress->hide();
}

bool SpreadsheetImport::importFromSpreadsheet() {
    const QString fileName = library.messenger().openFileName(
        ExchangeText::SelectFileCaption, QStringLiteral("./"), QStringLiteral("Excel (*.xls)"));
    if (fileName.isEmpty())
        return false;
    return read(fileName) && merge();
}

bool SpreadsheetImport::read(const QString& fileName) {
    libraries_.clear();
    if (readWorkbook(fileName, &libraries_))
        return true;
    libraries_.clear();
    return false;
}

bool SpreadsheetImport::merge() {
    const int merged = merger.mergeAll(libraries_, [this](int place, bool changed) {
        if (progress && changed)
            progress->setValue(place);
    });
    hideProgress();
    // A workbook without libraries has always been reported as imported.
    if (merged >= 0)
        library.messenger().tip(merged == 0 && !libraries_.isEmpty()
                                    ? GuidanceText::ImportChangedNothing
                                    : ExchangeText::Imported);
    library.reselectLibrary();
    return merged >= 0;
}

bool SpreadsheetImport::readWorkbook(const QString& fileName, QList<IncomingLibrary>* libraries) {
    Messenger& messenger = library.messenger();
    const auto couldNotOpen = [&] { messenger.error(ExchangeText::CouldNotOpen); };
    const auto readError = [&] { messenger.tip(ExchangeText::ReadError); };
    const auto checkError = [&] { messenger.tip(ExchangeText::CheckError); };

    std::unique_ptr<WorkbookFile> file = openFile(fileName);
    if (!file->open(1)) {
        if (file->damaged())
            readError();
        else
            couldNotOpen();
        return false;
    }
    if (file->rowCount() == 0) {
        file->close();
        readError();
        return false;
    }
    // The workbook stays open: its other sheets are selected, not read again.
    const int sheets = file->sheetCount();
    const QList<QVariantList> librarySheet = file->readAll();

    // A1 and the count row at least; a sheet of one cell reads as no rows.
    if (librarySheet.size() < 2) {
        readError();
        return false;
    }
    if (ExchangeWorkbook::cellText(librarySheet.value(0).value(0)) != library.meterNumber()) {
        messenger.tip(ExchangeText::OtherMeter);
        return false;
    }
    const QVariantList countRow = librarySheet.value(1);
    const int count = ExchangeWorkbook::cellInt(countRow.value(0));
    if (ExchangeWorkbook::cellUInt(countRow.value(1)) != countCheckCode(count)) {
        checkError();
        return false;
    }
    // Every library the sheet lists needs its row.
    if (count < 0 || librarySheet.size() < count + 2) {
        readError();
        return false;
    }

    progress = messenger.progress(ExchangeText::Importing, 0, count);
    progress->setValue(0);

    QList<QList<QVariantList>> dataSheets;
    dataSheets.reserve(count);
    for (int sheet = 2; sheet <= count + 1; ++sheet) {
        if (sheets < sheet) {
            hideProgress();
            messenger.error(ExchangeText::SheetMissing);
            return false;
        }
        if (!file->selectSheet(sheet)) {
            hideProgress();
            couldNotOpen();
            return false;
        }
        if (file->rowCount() == 0) {
            hideProgress();
            readError();
            return false;
        }
        dataSheets.append(file->readAll());
    }
    file->close();

    QList<LibraryKey> keys;
    libraries->reserve(count);
    for (int k = 1; k <= count; ++k) {
        const QVariantList& row = librarySheet.at(k + 1);
        IncomingLibrary incoming;
        incoming.name = ExchangeWorkbook::cellText(row.value(0));
        incoming.description = ExchangeWorkbook::cellText(row.value(1));
        const QVariant dataCheckCell = row.value(3);
        const QVariant infoCheckCell = row.value(4);
        const uint dataCheck = ExchangeWorkbook::cellUInt(dataCheckCell);
        const uint infoCheck = ExchangeWorkbook::cellUInt(infoCheckCell);

        // The count is an integer as written ("3.0" or "abc" would read as
        // no colours); the data sheet must hold every colour it claims, all
        // twenty columns wide; more than the check code can cover is refused too.
        const QList<QVariantList>& data = dataSheets.at(k - 1);
        int colors = 0;
        if (!ExchangeWorkbook::cellCount(row.value(2), &colors) || colors < 0 ||
            colors > ExchangeWorkbook::kMaxColorsPerLibrary || data.size() < colors + 1 ||
            (colors > 0 && data.at(0).size() < ExchangeWorkbook::kDataColumns)) {
            hideProgress();
            readError();
            return false;
        }
        // Every L*, a*, b* is a value some colour can have: the check code's
        // integer arithmetic cannot vouch for far-out numbers or for text.
        for (int j = 1; j <= colors; ++j) {
            if (!ExchangeWorkbook::labCellsValid(data.at(j))) {
                hideProgress();
                readError();
                return false;
            }
        }
        keys << incoming.key();
        // Check codes vouch for the count and for exactly the colours of the
        // data sheet: they are verified whenever the row holds them, and a
        // row without them (an empty library) may have no colours below the
        // header. Only an empty library is written without them.
        const bool codes = !ExchangeWorkbook::cellEmpty(dataCheckCell) ||
                           !ExchangeWorkbook::cellEmpty(infoCheckCell);
        bool vouched = true;
        if (colors > 0 || codes) {
            QVariantList values;
            values.reserve(colors * 3);
            for (int j = 1; j <= colors; ++j)
                values << data.at(j).value(1) << data.at(j).value(2) << data.at(j).value(3);
            const quint16 expectedData = dataCheckCode(values);
            vouched = dataCheck == expectedData &&
                      infoCheck ==
                          infoCheckCode(incoming.name, incoming.description, colors, expectedData);
        }
        for (int j = colors + 1; vouched && j < data.size(); ++j)
            for (const QVariant& cell : data.at(j))
                vouched = vouched && ExchangeWorkbook::cellEmpty(cell);
        if (!vouched) {
            hideProgress();
            checkError();
            return false;
        }
        // Names are shown and sent to the meter: no control characters or
        // direction marks (the check codes do not cover them).
        const auto unsafe = [&](int row, int sheet) {
            hideProgress();
            messenger.tip(ExchangeText::UnsafeName, {QString::number(row), QString::number(sheet)});
            return false;
        };
        if (TextSafety::hasUnsafe(incoming.name) || TextSafety::hasUnsafe(incoming.description))
            return unsafe(k + 2, 1);
        for (int j = 1; j <= colors; ++j) {
            const QStringList texts = ExchangeWorkbook::colorTexts(data.at(j));
            if (TextSafety::hasUnsafe(texts.value(0)))
                return unsafe(j + 1, k + 1);
            incoming.colours << IncomingColour{texts.value(0), texts.mid(1)};
        }
        libraries->append(incoming);
    }

    return merger.fitsLibraryLimit(keys, progress.get());
}

}  // namespace colorcard
