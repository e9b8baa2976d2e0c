#include "FirstPage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableWidget>
#include <limits>

#include "ColorCardDialog.h"
#include "ColorCardOperatorWidget.h"
#include "ColorDataOperatorWidget.h"
#include "ColorDataTable.h"
#include "ColorValueTexts.h"
#include "DataFiles.h"
#include "DeviceSettings.h"
#include "FrameLayer.h"
#include "InstrumentChange.h"
#include "MeasureMessages.h"
#include "MeterExport.h"
#include "MeterIdentification.h"
#include "MeterWrite.h"
#include "NameValidator.h"
#include "SpreadsheetImport.h"
#include "SpreadsheetSave.h"
#include "ui_FirstPage.h"

namespace {

const char* const kLockedStyle = "background-color: rgb(200,200,200);";
const char* const kUnlockedStyle = "background-color: rgb(255,255,255);";
const char* const kPreviewStyle = "background-color: rgb(220, 220, 220);";

enum LibraryColumn { IdColumn = 0, NameColumn, DescriptionColumn, CountColumn, OperatorColumn };

// At most this many colours over all libraries.
constexpr int kMaxColors = 20000;
// The measured values: R, G and B are the last three of the nineteen.
constexpr int kRedValue = 16;

// The five row slots are connected row by row, so the by-name pass of the
// form setup finds no signal for them; only its complaint about those is
// silenced while the form is built.
QtMessageHandler previousHandler = nullptr;

void dropRowSlotWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    static const char* const rowSlots[] = {
        "on_deleteColorCardPushButton_clicked", "on_modifyColorCardPushButton_clicked",
        "on_colorDataNameLineEdit_editingFinished", "on_deleteColorDataPushButton_clicked",
        "on_reMeasureColorDataPushButton_clicked"};
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QMetaObject::connectSlotsByName"))) {
        for (const char* slot : rowSlots)
            if (text.contains(QLatin1String(slot)))
                return;
    }
    if (previousHandler)
        previousHandler(type, context, text);
    else
        qt_message_output(type, context, text);
}

bool runModally(ColorCardDialog& dialog) {
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

FirstPage::FirstPage(QWidget* parent, FrameLayer* frames, Prompt* prompt,
                     const QString& dataDirectory, const QString& settingsFile)
    : QWidget(parent),
      ui_(new Ui::FirstPage),
      frames_(frames),
      messenger_(prompt, this),
      store_(messenger_,
             dataDirectory.isEmpty() ? ColorCardStore::defaultDirectory() : dataDirectory),
      settingsFile_(settingsFile.isEmpty()
                        ? QCoreApplication::applicationDirPath() + QStringLiteral("/meterno")
                        : settingsFile),
      dialogRunner_(runModally) {
    previousHandler = qInstallMessageHandler(dropRowSlotWarnings);
    ui_->setupUi(this);
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;

    messenger_.setChinese(true);
    state_.meterNumber = QString();
    state_.databaseOpen = false;
    state_.uiIndex = 0;
    state_.companyLabelFlag = 1;
    ui_->label_companyInfo->hide();
    ui_->label_companyWet->hide();
    ui_->pushButton_unlock->hide();
    state_.maxLibraries = 9;

    ui_->lineEdit_colorDataName->setValidator(new NameValidator(ui_->lineEdit_colorDataName));

    // The identifier columns have width 0: hidden, their texts still readable.
    // The header would widen a 0-wide section to its minimum, so hide it instead.
    const int libraryWidths[] = {0, 180, 180, 80, 120};
    for (int column = 1; column < 5; ++column)
        ui_->tableWidget_colorCard->setColumnWidth(column, libraryWidths[column]);
    ui_->tableWidget_colorCard->setColumnHidden(0, true);
    const int colorWidths[] = {0, 250, 100, 100, 100, 100};
    for (int column = 1; column < 6; ++column)
        ui_->tableWidget_colorData->setColumnWidth(column, colorWidths[column]);
    ui_->tableWidget_colorData->setColumnHidden(0, true);

    colorTable_ = new ColorDataTable(ui_->tableWidget_colorData, this, this);
    colorTable_->setRowConnector([this](QLineEdit* editor, ColorDataOperatorWidget* buttons) {
        connect(editor, &QLineEdit::editingFinished, this,
                &FirstPage::on_colorDataNameLineEdit_editingFinished);
        connect(buttons, &ColorDataOperatorWidget::signal_delete, this,
                &FirstPage::on_deleteColorDataPushButton_clicked);
        connect(buttons, &ColorDataOperatorWidget::signal_reMeasure, this,
                &FirstPage::on_reMeasureColorDataPushButton_clicked);
    });
    identification_ = new MeterIdentification(*this);

    state_.databaseOpen = store_.openDatabase();
    readDeviceSettings();
}

FirstPage::~FirstPage() {
    delete ui_;
}

void FirstPage::identifyMeter(int type) {
    identification_->identify(type);
}

void FirstPage::checkInstrumentAtStartup() {
    identification_->checkAtStartup();
}

void FirstPage::checkInstrumentOnArrival() {
    identification_->checkOnArrival();
}

void FirstPage::handleInstrumentChange() {
    InstrumentChange(*this).handleInstrumentChange();
}

void FirstPage::exportOnFirstConnection(quint32 instrumentId) {
    InstrumentChange(*this).exportOnFirstConnection(instrumentId);
}

void FirstPage::clearMeterInfo() {
    state_.meterNumber = QString();
    ui_->lineEdit_meterModel->clear();
}

void FirstPage::setLanguage(bool chinese) {
    messenger_.setChinese(chinese);
}

WorkspaceContext FirstPage::context() {
    return WorkspaceContext{state_, *this, store_, messenger_};
}

void FirstPage::setDialogRunner(DialogRunner runner) {
    dialogRunner_ = runner ? std::move(runner) : DialogRunner(runModally);
}

void FirstPage::readDeviceSettings() {
    state_.deviceTable = ::readDeviceSettings(settingsFile_);
}

QTableWidgetItem* FirstPage::centredItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

bool FirstPage::libraryLocked() const {
    return !ui_->comboBox_colorCardName->isEnabled();
}

int FirstPage::currentLibraryRow() const {
    return ui_->comboBox_colorCardName->currentIndex();
}

int FirstPage::rowOfCellWidget(QTableWidget* table, QWidget* widget, int column) const {
    if (!table || !widget)
        return -1;
    const int row = table->indexAt(widget->frameGeometry().topLeft()).row();
    if (row >= 0 && table->cellWidget(row, column) == widget)
        return row;
    // Until the table has laid out its cell widgets (a hidden page, rows just
    // added) their geometry says nothing; the widget itself still knows its cell.
    for (int r = 0; r < table->rowCount(); ++r)
        if (table->cellWidget(r, column) == widget)
            return r;
    return -1;
}

int FirstPage::libraryRowCount() const {
    return ui_->tableWidget_colorCard->rowCount();
}

QString FirstPage::libraryCell(int row, int column) const {
    const QTableWidgetItem* item = ui_->tableWidget_colorCard->item(row, column);
    return item ? item->text() : QString();
}

void FirstPage::setLibraryCount(int row, const QString& count) {
    if (row < 0 || row >= libraryRowCount())
        return;
    ui_->tableWidget_colorCard->setItem(row, CountColumn, centredItem(count));
}

void FirstPage::appendLibraryRow(const QString& id, const QString& name, const QString& description,
                                 const QString& count) {
    QTableWidget* table = ui_->tableWidget_colorCard;
    const int row = table->rowCount();
    table->insertRow(row);
    table->setItem(row, IdColumn, centredItem(id));
    table->setItem(row, NameColumn, centredItem(name));
    table->setItem(row, DescriptionColumn, centredItem(description));
    table->setItem(row, CountColumn, centredItem(count));
    auto* buttons = new ColorCardOperatorWidget(this);
    connect(buttons, &ColorCardOperatorWidget::signal_delete, this,
            &FirstPage::on_deleteColorCardPushButton_clicked);
    connect(buttons, &ColorCardOperatorWidget::signal_modify, this,
            &FirstPage::on_modifyColorCardPushButton_clicked);
    table->setCellWidget(row, OperatorColumn, buttons);

    // Key list and colour keys first: adding the first combo item makes the
    // library current and the colour loader may read them at once.
    const QString key = name + QLatin1Char(':') + description;
    state_.libraryKeys.append(key);
    if (!state_.colorKeyMap.contains(key)) {
        QStringList colorKeys;
        if (count.toInt() > 0) {
            for (const ColorDataRecord& record : store_.selectColorData(id)) {
                if (record.size() > 5)
                    colorKeys << QStringList{record[2].toString(), record[3].toString(),
                                             record[4].toString(), record[5].toString()}
                                     .join(QLatin1Char(':'));
            }
        }
        state_.colorKeyMap.insert(key, colorKeys);
    }
    ui_->comboBox_colorCardName->addItem(name);
}

void FirstPage::removeLibraryRow(int row) {
    if (row < 0 || row >= libraryRowCount())
        return;
    const QString key =
        libraryCell(row, NameColumn) + QLatin1Char(':') + libraryCell(row, DescriptionColumn);
    ui_->tableWidget_colorCard->removeRow(row);
    if (row < state_.libraryKeys.size())
        state_.libraryKeys.removeAt(row);
    state_.colorKeyMap.remove(key);
    // Last, so that table and key list agree when the combo box selects a
    // neighbour and the colours of that library are loaded.
    ui_->comboBox_colorCardName->removeItem(row);
    // No library left: no colours to show.
    if (ui_->comboBox_colorCardName->count() == 0)
        ui_->tableWidget_colorData->setRowCount(0);
}

void FirstPage::reselectFirstLibrary() {
    QComboBox* combo = ui_->comboBox_colorCardName;
    if (combo->count() == 0)
        return;
    combo->setCurrentIndex(-1);
    combo->setCurrentIndex(0);
}

void FirstPage::clearPage() {
    ui_->comboBox_colorCardName->clear();
    ui_->lineEdit_L->clear();
    ui_->lineEdit_a->clear();
    ui_->lineEdit_b->clear();
    ui_->label_colorCardResult->setStyleSheet(QLatin1String(kPreviewStyle));
    ui_->tableWidget_colorCard->setRowCount(0);
    state_.libraryKeys.clear();
    ui_->tableWidget_colorData->setRowCount(0);
    state_.colorKeyMap.clear();
}

void FirstPage::clearAllData() {
    store_.deleteDatabaseFile();
    state_.databaseOpen = store_.openDatabase();
    clearPage();
}

int FirstPage::totalColorCount() {
    qint64 total = 0;
    for (const LibraryRecord& record : store_.selectLibraries())
        total += record.value(5).toString().toInt();
    return int(qBound<qint64>(0, total, std::numeric_limits<int>::max()));
}

void FirstPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        ui_->retranslateUi(this);
    QWidget::changeEvent(event);
}

// --- library rows -------------------------------------------------------

void FirstPage::on_deleteColorCardPushButton_clicked() {
    QPointer<ColorCardOperatorWidget> buttons = qobject_cast<ColorCardOperatorWidget*>(sender());
    if (!buttons)
        return;
    if (!messenger_.ask(
            QStringLiteral("Delete the color card library, all color card data in "
                           "this library will be deleted. Are you sure you want to "
                           "delete it?"),
            QStringLiteral("删除色卡库，该色卡库的所有色卡数据将被删除，是否确认删除？")))
        return;
    // The row is looked up after the question: the page may have changed meanwhile.
    const int row = rowOfCellWidget(ui_->tableWidget_colorCard, buttons, OperatorColumn);
    if (row < 0)
        return;
    const QString id = libraryCell(row, IdColumn);
    if (row == currentLibraryRow() && libraryLocked()) {
        messenger_.tip(QStringLiteral("The color card library is currently locked, please unlock "
                                      "it first and then delete it!"),
                       QStringLiteral("该色卡库正被锁定，请先解锁，再删除！"));
        return;
    }
    store_.dropColorDataTable(id);
    store_.deleteLibrary(id);
    removeLibraryRow(row);
}

void FirstPage::on_modifyColorCardPushButton_clicked() {
    QPointer<ColorCardOperatorWidget> buttons = qobject_cast<ColorCardOperatorWidget*>(sender());
    if (!buttons)
        return;
    int row = rowOfCellWidget(ui_->tableWidget_colorCard, buttons, OperatorColumn);
    if (row < 0)
        return;
    const QString oldName = libraryCell(row, NameColumn);
    const QString oldDescription = libraryCell(row, DescriptionColumn);
    ColorCardDialog dialog(tr("色卡库修改"), messenger_.chinese(), state_.libraryKeys, oldName,
                           oldDescription, this, messenger_.prompt());
    if (!dialogRunner_(dialog))
        return;
    // The dialog ran an event loop; make sure the row is still there.
    row = rowOfCellWidget(ui_->tableWidget_colorCard, buttons, OperatorColumn);
    if (row < 0)
        return;
    const QString name = dialog.libraryName();
    const QString description = dialog.libraryDescription();
    store_.updateLibraryName(name, description, libraryCell(row, IdColumn));
    ui_->tableWidget_colorCard->setItem(row, NameColumn, centredItem(name));
    ui_->tableWidget_colorCard->setItem(row, DescriptionColumn, centredItem(description));
    ui_->comboBox_colorCardName->setItemText(row, name);
    const QString newKey = name + QLatin1Char(':') + description;
    if (row < state_.libraryKeys.size())
        state_.libraryKeys[row] = newKey;
    const QString oldKey = oldName + QLatin1Char(':') + oldDescription;
    if (state_.colorKeyMap.contains(oldKey))
        state_.colorKeyMap.insert(newKey, state_.colorKeyMap.take(oldKey));
}

void FirstPage::on_pushButton_newColorCardLibrary_clicked() {
    QTableWidget* table = ui_->tableWidget_colorCard;
    if (table->rowCount() >= state_.maxLibraries) {
        const QString limit = QString::number(state_.maxLibraries);
        messenger_.tip(QStringLiteral("At most %1 color card!").arg(limit),
                       QStringLiteral("最多录%1本色卡!").arg(limit));
        return;
    }
    ColorCardDialog dialog(tr("色卡库新建"), messenger_.chinese(), state_.libraryKeys, QString(),
                           QString(), this, messenger_.prompt());
    if (!dialogRunner_(dialog))
        return;
    const QString id = store_.makeLibraryId(table->rowCount() + 1);
    const QString name = dialog.libraryName();
    const QString description = dialog.libraryDescription();
    const QString count = QStringLiteral("0");
    store_.createColorDataTable(id);
    store_.insertLibrary(id, state_.meterNumber, name, description, count);
    appendLibraryRow(id, name, description, count);
    table->scrollToBottom();
}

// --- measurement ----------------------------------------------------------

bool FirstPage::readMeasurement(QVector<int>& values) {
    if (!frames_ || !frames_->linkOpen()) {
        messenger_.tip(QStringLiteral("Please open connect first！"),
                       QStringLiteral("请先打开连接！"));
        return false;
    }
    if (currentLibraryRow() < 0) {
        messenger_.tip(QStringLiteral("Please select color card library name！"),
                       QStringLiteral("请先选择色卡库名称！"));
        return false;
    }
    if (!libraryLocked()) {
        messenger_.tip(QStringLiteral("Please lock color card library name！"),
                       QStringLiteral("请先锁定色卡库名称！"));
        return false;
    }
    MeasureMessages messages(*frames_);
    QVector<int> measured;
    switch (messages.readMeasureData(measured)) {
        case 1:
            break;
        case -3:
            messenger_.tip(QStringLiteral("Read measure data receive data error!"),
                           QStringLiteral("读取测量数据接收的报文格式错误！"));
            return false;
        case -2:
            messenger_.tip(QStringLiteral("Read measure data receive fail！"),
                           QStringLiteral("读取测量数据接收端口报文失败！"));
            return false;
        default:
            messenger_.tip(QStringLiteral("Read measure data write fail！"),
                           QStringLiteral("读取测量数据写端口失败！"));
            return false;
    }
    ui_->label_colorCardResult->setStyleSheet(QStringLiteral("background-color: rgb(%1, %2, %3);")
                                                  .arg(measured.value(kRedValue))
                                                  .arg(measured.value(kRedValue + 1))
                                                  .arg(measured.value(kRedValue + 2)));
    values = measured;
    return true;
}

// --- colour rows (colour data management) -------------------------------

QString FirstPage::currentLibraryKey() const {
    const int row = currentLibraryRow();
    return libraryCell(row, NameColumn) + QLatin1Char(':') + libraryCell(row, DescriptionColumn);
}

QStringList FirstPage::currentColorNames() const {
    QStringList names;
    for (const QString& key : state_.colorKeyMap.value(currentLibraryKey()))
        names << key.section(QLatin1Char(':'), 0, 0);
    return names;
}

void FirstPage::showMeasuredLab(const QStringList& texts) {
    ui_->lineEdit_L->setText(texts.value(0));
    ui_->lineEdit_a->setText(texts.value(1));
    ui_->lineEdit_b->setText(texts.value(2));
}

void FirstPage::showSameColorName() {
    messenger_.tip(QStringLiteral("The same color card name already exist, please modify the "
                                  "color card name!"),
                   QStringLiteral("已经存在相同的色卡名称，请修改色卡名称！"));
}

void FirstPage::showColorData(const QStringList& ids, const QStringList& names,
                              const QStringList& L, const QStringList& a, const QStringList& b) {
    std::unique_ptr<ProgressReporter> progress =
        messenger_.progress(QStringLiteral("Updating ui data, please wait"),
                            QStringLiteral("正在更新界面数据，请等待..."), 0, ids.size());
    // Cancel is not consulted: every row is filled.
    colorTable_->fill(ids, names, L, a, b, [&progress](int value) { progress->setValue(value); });
    progress->hide();
}

void FirstPage::appendColorDataRow(const QString& libraryName, const QString& libraryDescription,
                                   const QString& colorId, const QString& colorName,
                                   const QString& L, const QString& a, const QString& b) {
    colorTable_->appendRow(colorId, colorName, L, a, b);
    state_.colorKeyMap[libraryName + QLatin1Char(':') + libraryDescription].append(
        QStringList{colorName, L, a, b}.join(QLatin1Char(':')));
}

void FirstPage::on_colorDataNameLineEdit_editingFinished() {
    QPointer<QLineEdit> editor = qobject_cast<QLineEdit*>(sender());
    if (!editor)
        return;
    const int row = colorTable_->rowOf(editor);
    const int library = currentLibraryRow();
    if (row < 0 || library < 0 || library >= libraryRowCount())
        return;
    ColorDataTable::Hold hold(*colorTable_);
    const QString libraryId = libraryCell(library, IdColumn);
    const QString colorId = colorTable_->text(row, ColorDataTable::IdColumn);
    const QString L = colorTable_->text(row, ColorDataTable::LColumn);
    const QString a = colorTable_->text(row, ColorDataTable::AColumn);
    const QString b = colorTable_->text(row, ColorDataTable::BColumn);
    const QString stored = store_.selectColorDataName(libraryId, colorId);
    const QString name = editor->text();
    if (name == stored) {
        editor->clearFocus();
        return;
    }
    if (currentColorNames().contains(name)) {
        editor->setText(stored);
        editor->clearFocus();
        showSameColorName();
        return;
    }
    store_.updateColorDataName(libraryId, name, colorId);
    colorTable_->setName(row, name);
    auto entry = state_.colorKeyMap.find(currentLibraryKey());
    if (entry != state_.colorKeyMap.end() && entry->size() > row)
        (*entry)[row] = QStringList{name, L, a, b}.join(QLatin1Char(':'));
    if (editor)
        editor->clearFocus();
}

void FirstPage::on_deleteColorDataPushButton_clicked() {
    auto* buttons = qobject_cast<ColorDataOperatorWidget*>(sender());
    if (!buttons)
        return;
    const int row = colorTable_->rowOf(buttons);
    const int library = currentLibraryRow();
    if (row < 0 || library < 0 || library >= libraryRowCount())
        return;
    const QString libraryId = libraryCell(library, IdColumn);
    const QString key = currentLibraryKey();
    // A count that was already 0 (a damaged record) does not go negative.
    const int count = qMax(0, libraryCell(library, CountColumn).toInt() - 1);
    const QString colorId = colorTable_->text(row, ColorDataTable::IdColumn);
    store_.updateLibraryCount(QString::number(count), libraryId);
    setLibraryCount(library, QString::number(count));
    store_.deleteColorData(libraryId, colorId);
    colorTable_->removeRow(row);
    auto entry = state_.colorKeyMap.find(key);
    if (entry != state_.colorKeyMap.end() && entry->size() > row)
        entry->removeAt(row);
}

void FirstPage::on_reMeasureColorDataPushButton_clicked() {
    auto* buttons = qobject_cast<ColorDataOperatorWidget*>(sender());
    if (!buttons)
        return;
    int row = colorTable_->rowOf(buttons);
    if (row < 0)
        return;
    ColorDataTable::Hold hold(*colorTable_);
    // The measurement may show a message; the row is followed, not its number.
    const QPersistentModelIndex rowIndex(
        ui_->tableWidget_colorData->model()->index(row, ColorDataTable::IdColumn));
    QVector<int> values;
    if (!readMeasurement(values))
        return;
    const QStringList texts = ColorValueTexts::fromMeasurement(values);
    showMeasuredLab(texts);
    const int library = currentLibraryRow();
    if (!rowIndex.isValid() || library < 0 || library >= libraryRowCount())
        return;
    row = rowIndex.row();
    const QString libraryId = libraryCell(library, IdColumn);
    const QString colorId = colorTable_->text(row, ColorDataTable::IdColumn);
    const QString name = colorTable_->name(row);
    store_.updateColorData(libraryId, texts, colorId);
    colorTable_->setLab(row, texts[0], texts[1], texts[2]);
    auto entry = state_.colorKeyMap.find(currentLibraryKey());
    if (entry != state_.colorKeyMap.end() && entry->size() > row)
        (*entry)[row] = QStringList{name, texts[0], texts[1], texts[2]}.join(QLatin1Char(':'));
}

void FirstPage::on_comboBox_colorCardName_currentIndexChanged(int index) {
    if (index < 0 || index >= libraryRowCount())
        return;
    ui_->tableWidget_colorData->setRowCount(0);
    const QString libraryId = libraryCell(index, IdColumn);
    QStringList ids, names, L, a, b;
    const QList<ColorDataRecord> records = store_.selectColorData(libraryId);
    ids.reserve(records.size());
    names.reserve(records.size());
    L.reserve(records.size());
    a.reserve(records.size());
    b.reserve(records.size());
    for (const ColorDataRecord& record : records) {
        if (record.size() < 6)
            continue;
        ids << record[1].toString();
        names << record[2].toString();
        L << record[3].toString();
        a << record[4].toString();
        b << record[5].toString();
    }
    showColorData(ids, names, L, a, b);
}

// --- lock ---------------------------------------------------------------

void FirstPage::on_pushButton_lock_clicked() {
    ui_->comboBox_colorCardName->setEnabled(false);
    ui_->comboBox_colorCardName->setStyleSheet(QLatin1String(kLockedStyle));
    ui_->pushButton_lock->hide();
    ui_->pushButton_unlock->show();
}

void FirstPage::on_pushButton_unlock_clicked() {
    ui_->comboBox_colorCardName->setEnabled(true);
    ui_->comboBox_colorCardName->setStyleSheet(QLatin1String(kUnlockedStyle));
    ui_->pushButton_lock->show();
    ui_->pushButton_unlock->hide();
}

// --- bulk actions -------------------------------------------------------

void FirstPage::on_pushButton_measure_clicked() {
    const QString name = ui_->lineEdit_colorDataName->text();
    if (name.isEmpty()) {
        messenger_.tip(QStringLiteral("Color card name can not be empty!"),
                       QStringLiteral("色卡名称不能为空！"));
        return;
    }
    const int library = currentLibraryRow();
    if (library < 0) {
        messenger_.tip(QStringLiteral("Please create color card library and select color card "
                                      "library name!"),
                       QStringLiteral("请创建并选择色卡库名称！"));
        return;
    }
    if (currentColorNames().contains(name)) {
        showSameColorName();
        return;
    }
    if (totalColorCount() >= kMaxColors) {
        const QString limit = QString::number(kMaxColors);
        messenger_.tip(QStringLiteral("At most %1 color datas!").arg(limit),
                       QStringLiteral("最多录%1条色卡数据!").arg(limit));
        return;
    }
    QVector<int> values;
    if (!readMeasurement(values))
        return;
    const QStringList texts = ColorValueTexts::fromMeasurement(values);
    showMeasuredLab(texts);

    const QString libraryId = libraryCell(library, IdColumn);
    const QString libraryName = libraryCell(library, NameColumn);
    const QString libraryDescription = libraryCell(library, DescriptionColumn);
    const QString count = QString::number(libraryCell(library, CountColumn).toInt() + 1);
    store_.updateLibraryCount(count, libraryId);
    setLibraryCount(library, count);
    // The next number after the rows shown, skipping one already taken in
    // this second (after a deletion the row count repeats an earlier number).
    const QString colorId =
        store_.makeColorIds(libraryId, ui_->tableWidget_colorData->rowCount() + 1, 1).value(0);
    store_.insertColorData(libraryId, colorId, name, texts);
    appendColorDataRow(libraryName, libraryDescription, colorId, name, ui_->lineEdit_L->text(),
                       ui_->lineEdit_a->text(), ui_->lineEdit_b->text());
    ui_->tableWidget_colorData->scrollToBottom();
    ui_->lineEdit_colorDataName->clear();
}

void FirstPage::on_pushButton_deleteAllData_clicked() {
    if (!messenger_.ask(
            QStringLiteral("Deleting all color card data will clear the database and "
                           "all data. Are you sure you want to delete it?"),
            QStringLiteral("删除所有色卡数据，会清空数据库和清空所有数据，是否确认删除？")))
        return;
    clearAllData();
}

void FirstPage::on_pushButton_importFromExcel_clicked() {
    SpreadsheetImport(context()).importFromSpreadsheet();
}

bool FirstPage::on_pushButton_saveToExcel_clicked() {
    return SpreadsheetSave(context(), DataFiles::templateDirectory()).saveToSpreadsheet();
}

void FirstPage::on_pushButton_writeToMeter_clicked() {
    if (frames_)
        MeterWrite(context(), *frames_).run();
}

void FirstPage::on_pushButton_exportMeterData_clicked() {
    if (frames_)
        MeterExport(context(), *frames_).run();
}
