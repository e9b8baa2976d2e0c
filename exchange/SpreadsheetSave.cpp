#include "SpreadsheetSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ColorCardStore.h"
#include "EngineWorkbookFile.h"
#include "ExchangeWorkbook.h"
#include "Messenger.h"
#include "WorkspaceState.h"

namespace {

// Worksheets of ColorCard_1.xls beyond the library sheet.
constexpr int kSmallTemplateLibraries = 9;

// Deletes worksheets from the last one down to lowest, the highest first.
void deleteSheetsDownTo(WorkbookFile& file, int lowest) {
    for (int sheet = file.sheetCount(); sheet >= lowest && sheet > 1; --sheet)
        file.deleteSheet(sheet);
}

}  // namespace

SpreadsheetSave::SpreadsheetSave(const WorkspaceContext& context, const QString& templateDirectory)
    : context(context),
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
    return maxLibraries == 46 || libraryCount > kSmallTemplateLibraries
               ? QStringLiteral("ColorCard_2.xls")
               : QStringLiteral("ColorCard_1.xls");
}

QString SpreadsheetSave::withXlsSuffix(const QString& fileName) {
    if (fileName.endsWith(QLatin1String(".xls"), Qt::CaseInsensitive))
        return fileName;
    return fileName + QStringLiteral(".xls");
}

void SpreadsheetSave::tip(const char* english, const char* chinese) const {
    context.messenger.tip(QString::fromUtf8(english), QString::fromUtf8(chinese));
}

bool SpreadsheetSave::saveToSpreadsheet() {
    Messenger& messenger = context.messenger;
    const QList<LibraryRecord> libraries = context.store.selectLibraries();
    const int count = libraries.size();

    // Everything written is read and built first.
    QList<QList<ColorDataRecord>> colors;
    colors.reserve(count);
    for (const LibraryRecord& library : libraries) {
        if (library.value(5).toString().toInt() == 0) {
            const QString name = library.value(3).toString();
            if (!messenger.ask(QStringLiteral("The number of records in color card library %1 is "
                                              "0. Do you want to continue saving?")
                                   .arg(name),
                               QStringLiteral("色卡库%1的记录数量为0，是否继续保存？").arg(name)))
                return false;
        }
        colors.append(context.store.selectColorData(library.value(1).toString()));
    }
    const QList<QVariantList> librarySheet =
        ExchangeWorkbook::librarySheet(context.state.meterNumber, libraries, colors);

    Prompt* prompt = messenger.prompt();
    if (!prompt)
        return false;
    const QString proposed =
        QStringLiteral("Stdcolor") + clock().toString(QStringLiteral("yyMMddhhmmss"));
    const QString chosen = prompt->saveFileName(
        messenger.parent(), messenger.pick(QStringLiteral("Save File"), QStringLiteral("保存文件")),
        proposed, QStringLiteral("Excel (*.xls)"));
    if (chosen.isEmpty())
        return false;
    // The dialog does not add the suffix of its filter on every desktop.
    const QString fileName = withXlsSuffix(chosen);

    // Never replaces a file: QFile::copy refuses an existing target.
    const QString templatePath =
        QDir(templateDirectory).filePath(templateName(context.state.maxLibraries, count));
    if (QFileInfo::exists(fileName) || !QFileInfo::exists(templatePath) ||
        !QFile::copy(templatePath, fileName)) {
        tip("Create color card file fail!", "创建色卡文件失败！");
        return false;
    }
    // The copy keeps the template's permissions; an installed template may be read-only.
    QFile::setPermissions(fileName, QFile::permissions(fileName) | QFileDevice::WriteOwner);

    std::unique_ptr<ProgressReporter> progress =
        messenger.progress(QStringLiteral("Saving Excel data, please wait"),
                           QStringLiteral("正在保存Excel数据，请等待..."), 0, count + 1);
    progress->setValue(0);

    std::unique_ptr<WorkbookFile> file = openFile(fileName);
    if (!file->open(1)) {
        tip("Open color card library file fail!", "打开色卡库文件失败！");
        progress->hide();
        return false;
    }
    if (!file->writeRows(librarySheet)) {
        tip("Save color card library file fail!", "保存色卡库文件失败！");
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
            tip("Open color card data file fail!", "打开色卡数据文件失败！");
            // The sheets written so far stay, as when each one was saved.
            file->close();
            progress->hide();
            return false;
        }
        if (!file->writeRows(ExchangeWorkbook::dataSheet(colors.at(k - 1)))) {
            tip("Save color card data file fail!", "保存色卡数据文件失败！");
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
        tip("Save color card data file fail!", "保存色卡数据文件失败！");
        return false;
    }
    tip("Save file success!", "保存文件成功！");
    return true;
}
