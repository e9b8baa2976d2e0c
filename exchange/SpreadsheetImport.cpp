#include "SpreadsheetImport.h"

#include <QSet>

#include "CheckCodes.h"
#include "ColorCardStore.h"
#include "EngineWorkbookFile.h"
#include "ExchangeWorkbook.h"
#include "LibraryView.h"
#include "Messenger.h"
#include "WorkspaceState.h"

namespace {

constexpr int kMaxColors = 20000;
// Library table column of the identifier and of the colour count.
constexpr int kIdColumn = 0;
constexpr int kCountColumn = 3;

}  // namespace

SpreadsheetImport::SpreadsheetImport(const WorkspaceContext& context)
    : context(context), openFile(EngineWorkbookFile::create) {}

void SpreadsheetImport::setFileOpener(FileOpener opener) {
    openFile = opener ? std::move(opener) : FileOpener(EngineWorkbookFile::create);
}

void SpreadsheetImport::hideProgress() {
    if (progress)
        progress->hide();
}

int SpreadsheetImport::totalColorCount() const {
    qint64 total = 0;
    for (const LibraryRecord& record : context.store.selectLibraries())
        total += record.value(5).toString().toInt();
    return int(qBound<qint64>(0, total, kMaxColors * 1000LL));
}

void SpreadsheetImport::importFromSpreadsheet() {
    Messenger& messenger = context.messenger;
    Prompt* prompt = messenger.prompt();
    if (!prompt)
        return;
    const QString fileName = prompt->openFileName(
        messenger.parent(),
        messenger.pick(QStringLiteral("Select File"), QStringLiteral("选择文件")),
        QStringLiteral("./"), QStringLiteral("Excel (*.xls)"));
    if (fileName.isEmpty())
        return;

    QList<Library> libraries;
    QString meterNumber;
    if (!readWorkbook(fileName, &libraries, &meterNumber))
        return;

    for (int k = 0; k < libraries.size(); ++k) {
        if (!importLibrary(libraries.at(k), k + 1, meterNumber))
            return;
    }
    hideProgress();
    messenger.tip(QStringLiteral("Import file success!"), QStringLiteral("导入文件成功！"));
    context.view.reselectFirstLibrary();
}

bool SpreadsheetImport::readWorkbook(const QString& fileName, QList<Library>* libraries,
                                     QString* meterNumber) {
    Messenger& messenger = context.messenger;
    const auto couldNotOpen = [&] {
        messenger.error(QStringLiteral("Could not open file!"), QStringLiteral("无法打开文件！"));
    };
    const auto readError = [&] {
        messenger.tip(QStringLiteral("Read Excel file error!"),
                      QStringLiteral("读取Excel文件出错！"));
    };
    const auto checkError = [&] {
        messenger.tip(QStringLiteral("Data check crc error!"), QStringLiteral("数据校验错误!"));
    };

    std::unique_ptr<WorkbookFile> file = openFile(fileName);
    if (!file->open(1)) {
        couldNotOpen();
        return false;
    }
    if (file->rowCount() == 0) {
        file->close();
        readError();
        return false;
    }
    const int sheets = file->sheetCount();
    const QList<QVariantList> librarySheet = file->readAll();
    file->close();

    // A1 and the count row at least; a sheet of one cell reads as no rows.
    if (librarySheet.size() < 2) {
        readError();
        return false;
    }
    *meterNumber = ExchangeWorkbook::cellText(librarySheet.value(0).value(0));
    if (*meterNumber != context.state.meterNumber) {
        messenger.tip(QStringLiteral("Import file error!"), QStringLiteral("导入文件出错!"));
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

    progress = messenger.progress(QStringLiteral("Importing Excel data, please wait"),
                                  QStringLiteral("正在导入Excel数据，请等待..."), 0, count);
    progress->setValue(0);

    libraries->reserve(count);
    for (int sheet = 2; sheet <= count + 1; ++sheet) {
        if (sheets < sheet) {
            hideProgress();
            messenger.error(QStringLiteral("Read Excel file error!"),
                            QStringLiteral("读取Excel文件出错!"));
            return false;
        }
        if (!file->open(sheet)) {
            hideProgress();
            couldNotOpen();
            return false;
        }
        if (file->rowCount() == 0) {
            file->close();
            hideProgress();
            readError();
            return false;
        }
        Library library;
        library.dataSheet = file->readAll();
        file->close();
        libraries->append(library);
    }

    QSet<QString> newKeys;
    for (int k = 1; k <= count; ++k) {
        const QVariantList& row = librarySheet.at(k + 1);
        Library& library = (*libraries)[k - 1];
        library.name = ExchangeWorkbook::cellText(row.value(0));
        library.description = ExchangeWorkbook::cellText(row.value(1));
        library.colorCount = ExchangeWorkbook::cellInt(row.value(2));
        const quint16 dataCheck = ExchangeWorkbook::cellUInt(row.value(3)) & 0xFFFF;
        const quint16 infoCheck = ExchangeWorkbook::cellUInt(row.value(4)) & 0xFFFF;

        // The data sheet must hold every colour the row claims, all twenty
        // columns wide; more than the check code can cover is refused too.
        const int colors = library.colorCount;
        const QList<QVariantList>& data = library.dataSheet;
        if (colors < 0 || colors > ExchangeWorkbook::kMaxColorsPerLibrary ||
            data.size() < colors + 1 ||
            (colors > 0 && data.at(0).size() < ExchangeWorkbook::kDataColumns)) {
            hideProgress();
            readError();
            return false;
        }
        // An empty library needs no check; it still counts against the limit.
        if (!context.state.libraryKeys.contains(library.key()))
            newKeys.insert(library.key());
        if (colors == 0)
            continue;
        QVariantList values;
        values.reserve(colors * 3);
        for (int j = 1; j <= colors; ++j)
            values << data.at(j).value(1) << data.at(j).value(2) << data.at(j).value(3);
        if (dataCheckCode(values) != dataCheck ||
            infoCheckCode(library.name, library.description, colors, dataCheck) != infoCheck) {
            hideProgress();
            checkError();
            return false;
        }
    }

    const int rows = context.view.libraryRowCount();
    const int maximum = context.state.maxLibraries;
    if (rows + newKeys.size() > maximum) {
        hideProgress();
        messenger.tip(QStringLiteral("At most %1 color cards, and already %2 color cards, "
                                     "importing has exceeded the limit!")
                          .arg(maximum)
                          .arg(rows),
                      QStringLiteral("最多录%1本色卡，已经存在%2本色卡，本次导入已超过上限!")
                          .arg(maximum)
                          .arg(rows));
        return false;
    }
    return true;
}

bool SpreadsheetImport::importLibrary(const Library& library, int number,
                                      const QString& meterNumber) {
    Messenger& messenger = context.messenger;
    WorkspaceState& state = context.state;
    LibraryView& view = context.view;
    ColorCardStore& store = context.store;
    const QString key = library.key();

    if (state.libraryKeys.contains(key)) {
        if (!messenger.ask(QStringLiteral("Color card library name: %1, color card library "
                                          "description: %2, already exists, do you want to "
                                          "overwrite the old color card library?")
                               .arg(library.name, library.description),
                           QStringLiteral("色卡库名称：%1，色卡库描述：%2，已经存在，是否覆盖旧的"
                                          "色卡库？")
                               .arg(library.name, library.description)))
            return true;
    } else {
        const QString id = store.makeLibraryId(view.libraryRowCount() + 1);
        const QString zero = QStringLiteral("0");
        store.createColorDataTable(id);
        store.insertLibrary(id, meterNumber, library.name, library.description, zero);
        view.appendLibraryRow(id, library.name, library.description, zero);
    }

    // Rows of the sheet are not compared with each other, only with the
    // colours the library holds.
    const QStringList held = state.colorKeyMap.value(key);
    const QSet<QString> heldKeys(held.cbegin(), held.cend());
    QList<QStringList> columns;
    for (int c = 0; c < ExchangeWorkbook::kDataColumns; ++c)
        columns.append(QStringList());
    QStringList keys;
    for (int j = 1; j <= library.colorCount; ++j) {
        const QStringList texts = ExchangeWorkbook::colorTexts(library.dataSheet.at(j));
        const QString colorKey = ExchangeWorkbook::colorKey(texts);
        if (heldKeys.contains(colorKey))
            continue;
        for (int c = 0; c < ExchangeWorkbook::kDataColumns; ++c)
            columns[c].append(texts.at(c));
        keys.append(colorKey);
    }
    const int added = keys.size();

    const int total = totalColorCount();
    int row = state.libraryKeys.indexOf(key);
    if (total + added > kMaxColors) {
        messenger.tip(QStringLiteral("At most %1 color datas, and already %2 color datas, "
                                     "importing %3 color datas has exceeded the limit, from %4 "
                                     "color card import fail!")
                          .arg(kMaxColors)
                          .arg(total)
                          .arg(added)
                          .arg(number),
                      QStringLiteral("最多录%1条色卡数据，已经存在%2条色卡数据，本次导入%3条已超"
                                     "过上限，从第%4本色卡开始导出失败!")
                          .arg(kMaxColors)
                          .arg(total)
                          .arg(added)
                          .arg(number));
        if (row >= 0 && view.libraryCell(row, kCountColumn).toInt() < 1) {
            const QString id = view.libraryCell(row, kIdColumn);
            store.dropColorDataTable(id);
            store.deleteLibrary(id);
            view.removeLibraryRow(row);
        }
        hideProgress();
        view.reselectFirstLibrary();
        return false;
    }

    if (row >= 0 && added > 0) {
        const QString id = view.libraryCell(row, kIdColumn);
        const QString newCount =
            QString::number(view.libraryCell(row, kCountColumn).toInt() + added);
        store.updateLibraryCount(newCount, id);
        view.setLibraryCount(row, newCount);
        store.insertColorDataBatch(id, store.makeColorIds(id, 1, added), columns);
        state.colorKeyMap[key].append(keys);
    }
    if (progress)
        progress->setValue(number);
    return true;
}
