// SPDX-License-Identifier: MIT
#include "workspace/FirstPage.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QTimer>

#include "texts/BackupTexts.h"
#include "texts/GuidanceTexts.h"
#include "texts/StoreWindowTexts.h"
#include "ui_FirstPage.h"
#include "workflow/BackupRestore.h"
#include "workspace/ColorCardDialog.h"
#include "workspace/ColorDataTable.h"
#include "workspace/InputGuide.h"
#include "workspace/LibraryTable.h"
#include "workspace/NameValidator.h"
#include "workspace/OperatorWidget.h"
#include "workspace/RowSlotWarnings.h"

namespace colorcard {

namespace {

const char* const kLockedStyle = "background-color: rgb(200,200,200);";
const char* const kUnlockedStyle = "background-color: rgb(255,255,255);";
const char* const kPreviewStyle = "background-color: rgb(220, 220, 220);";

// Runs an action on Return or Enter in a field and keeps the key from going
// on to the window's default button.
class ReturnKey : public QObject {
public:
    ReturnKey(QLineEdit* field, std::function<void()> action)
        : QObject(field), action_(std::move(action)) {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                action_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

bool runModally(ColorCardDialog& dialog) {
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

FirstPage::FirstPage(Session& session, QWidget* parent)
    : QWidget(parent),
      ui_(new Ui::FirstPage),
      session_(session),
      messenger_(session.messenger()),
      library_(session.library()),
      meter_(session.meter()),
      dialogRunner_(runModally) {
    // Boxes without a parent of their own are centred on the page.
    messenger_.setParent(this);
    withoutRowSlotWarnings([this] { ui_->setupUi(this); });

    ui_->label_companyInfo->hide();
    ui_->label_companyWet->hide();
    ui_->pushButton_unlock->hide();
    ui_->lineEdit_colorDataName->setValidator(new NameValidator(ui_->lineEdit_colorDataName));
    const InputGuide::CurrentLanguage language = [this] { return messenger_.language(); };
    new InputGuide(ui_->lineEdit_colorDataName, language);
    new ReturnKey(ui_->lineEdit_colorDataName, [this] { on_pushButton_measure_clicked(); });

    // The identifier columns have width 0: hidden, their texts still readable.
    // The header would widen a 0-wide section to its minimum, so hide it instead.
    const int libraryWidths[] = {0, 140, 180, 64, 120};
    for (int column = 1; column < 5; ++column)
        ui_->tableWidget_colorCard->setColumnWidth(column, libraryWidths[column]);
    ui_->tableWidget_colorCard->setColumnHidden(0, true);
    const int colorWidths[] = {0, 250, 100, 100, 100, 100};
    for (int column = 1; column < 6; ++column)
        ui_->tableWidget_colorData->setColumnWidth(column, colorWidths[column]);
    ui_->tableWidget_colorData->setColumnHidden(0, true);

    colorTable_ = new ColorDataTable(ui_->tableWidget_colorData, this, this);
    colorTable_->setRowConnector([this, language](QLineEdit* editor, OperatorWidget* buttons) {
        // A colour's name may be longer here; only refused characters are told.
        new InputGuide(editor, language, false);
        connect(editor, &QLineEdit::editingFinished, this,
                &FirstPage::on_colorDataNameLineEdit_editingFinished);
        connect(buttons, &OperatorWidget::signal_delete, this,
                &FirstPage::on_deleteColorDataPushButton_clicked);
        connect(buttons, &OperatorWidget::signal_reMeasure, this,
                &FirstPage::on_reMeasureColorDataPushButton_clicked);
    });
    // Left of the bulk actions, in the room of the spacer: the buttons of the
    // form keep their places.
    restoreButton_ = new QPushButton(ui_->widget_buttons);
    restoreButton_->setObjectName(QStringLiteral("pushButton_restoreBackup"));
    restoreButton_->setMinimumSize(ui_->pushButton_deleteAllData->minimumSize());
    ui_->horizontalLayout_buttons->insertWidget(1, restoreButton_);
    connect(restoreButton_, &QPushButton::clicked, this, &FirstPage::restoreBackup);
    historyButton_ = new QPushButton(ui_->widget_buttons);
    historyButton_->setObjectName(QStringLiteral("pushButton_libraryHistory"));
    historyButton_->setMinimumSize(ui_->pushButton_deleteAllData->minimumSize());
    ui_->horizontalLayout_buttons->insertWidget(2, historyButton_);
    connect(historyButton_, &QPushButton::clicked, this, &FirstPage::showLibraryHistory);
    setLanguage(messenger_.language());

    bindLibraries();
    bindMeter();
    bindStoreAccess();
    // A damaged store is told once the window shows, in the language chosen.
    library_.open(true);
    watchStore();
    QTimer::singleShot(0, this, [this] {
        if (!library_.damagedAtOpen())
            return;
        library_.offerDamagedStoreRestore();
        if (library_.databaseOpen() && library_.libraryCount() == 0)
            library_.showStoredLibraries(library_.storedLibraries());
        library_.reselectLibrary();
    });
}

void FirstPage::watchStore() {
    // colorcard-cli (or another program) may change the store while the
    // window is open: a commit of another connection changes its data
    // version, and the list is read again, the current library and its lock
    // kept. Only between user actions: never inside a question, a progress
    // dialog or a meter exchange (a nested event loop), nor a transaction.
    auto* timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("storeWatch"));
    timer->setInterval(kStoreWatchMs);
    connect(timer, &QTimer::timeout, this, [this] {
        if (QThread::currentThread()->loopLevel() > 1 || QApplication::activeModalWidget() ||
            QApplication::activePopupWidget())
            return;
        library_.refreshIfChangedElsewhere();
    });
    connect(&library_, &LibraryService::lockReleased, this, [this] { setLockShown(false); });
    timer->start();
}

void FirstPage::setLanguage(const Language& language) {
    messenger_.setLanguage(language);
    restoreButton_->setText(messenger_.text(BackupText::RestoreAction));
    restoreButton_->setToolTip(messenger_.text(GuidanceText::RestoreBackupTip));
    historyButton_->setText(messenger_.text(StoreWindowText::HistoryAction));
    historyButton_->setToolTip(messenger_.text(StoreWindowText::HistoryTip));
}

void FirstPage::bindStoreAccess() {
    StoreService& store = session_.store();
    connect(&store, &StoreService::stateChanged, this, &FirstPage::showStoreAccess);
    // Rows made later get their buttons in the state of the rest.
    connect(&library_, &LibraryService::libraryAppended, this, &FirstPage::showStoreAccess);
    connect(&library_, &LibraryService::coloursReset, this, &FirstPage::showStoreAccess);
    connect(&library_, &LibraryService::colourAppended, this, &FirstPage::showStoreAccess);
    connect(&store, &StoreService::libraryRestored, this, [this] { library_.reloadFromStore(); });
    connect(&store, &StoreService::reconnected, this, [this] { library_.reloadFromStore(); });
    showStoreAccess();
}

void FirstPage::showStoreAccess() {
    // An operator keeps the standards as they are; offline the buttons stay
    // and each change is refused with the reason when tried.
    const bool editable = session_.store().access().mayChangeStandards();
    const QList<QPushButton*> buttons{ui_->pushButton_newColorCardLibrary,
                                      ui_->pushButton_lock,
                                      ui_->pushButton_measure,
                                      ui_->pushButton_deleteAllData,
                                      ui_->pushButton_importFromExcel,
                                      ui_->pushButton_exportMeterData,
                                      restoreButton_};
    for (QPushButton* button : buttons)
        button->setEnabled(editable);
    for (QTableWidget* table : {ui_->tableWidget_colorCard, ui_->tableWidget_colorData}) {
        for (OperatorWidget* row : table->findChildren<OperatorWidget*>())
            row->setEnabled(editable);
        for (QLineEdit* editor : table->findChildren<QLineEdit*>())
            editor->setReadOnly(!editable);
    }
}

bool FirstPage::standardsMayChange() {
    return session_.store().allowStandardsChange();
}

void FirstPage::showLibraryHistory() {
    const int row = library_.currentRow();
    session_.store().showHistory(row >= 0 ? library_.listedLibrary(row).id : QString());
}

FirstPage::~FirstPage() {
    if (messenger_.parent() == this)
        messenger_.setParent(nullptr);
    delete ui_;
}

void FirstPage::bindLibraries() {
    libraryTable_ =
        new LibraryTable(library_, ui_->tableWidget_colorCard, ui_->comboBox_colorCardName, this,
                         [this](OperatorWidget* buttons) {
                             connect(buttons, &OperatorWidget::signal_delete, this,
                                     &FirstPage::on_deleteColorCardPushButton_clicked);
                             connect(buttons, &OperatorWidget::signal_modify, this,
                                     &FirstPage::on_modifyColorCardPushButton_clicked);
                         });
    connect(&library_, &LibraryService::libraryRemoved, this, [this] {
        if (ui_->comboBox_colorCardName->count() == 0)
            ui_->tableWidget_colorData->setRowCount(0);
    });
    connect(&library_, &LibraryService::librariesCleared, this, [this] {
        ui_->lineEdit_L->clear();
        ui_->lineEdit_a->clear();
        ui_->lineEdit_b->clear();
        ui_->label_colorCardResult->setStyleSheet(QLatin1String(kPreviewStyle));
        ui_->tableWidget_colorData->setRowCount(0);
    });
    connect(&library_, &LibraryService::coloursReset, this, [this](ProgressReporter* progress) {
        QStringList ids, names, L, a, b;
        for (const ColourEntry& colour : library_.library(library_.currentRow()).colours) {
            ids << colour.id;
            names << colour.name;
            L << colour.L;
            a << colour.a;
            b << colour.b;
        }
        colorTable_->fill(ids, names, L, a, b,
                          [progress](int value) { progress->setValue(value); });
    });
    connect(&library_, &LibraryService::colourAppended, this, [this](int row) {
        const ColourEntry& c = library_.library(library_.currentRow()).colours.at(row);
        colorTable_->appendRow(c.id, c.name, c.L, c.a, c.b);
        ui_->tableWidget_colorData->scrollToBottom();
    });
    connect(&library_, &LibraryService::colourChanged, this, &FirstPage::showColourRow);
    connect(&library_, &LibraryService::lockReleased, this, [this] { setLockShown(false); });
    connect(&library_, &LibraryService::colourRemoved, colorTable_, &ColorDataTable::removeRow);
}

void FirstPage::bindMeter() {
    connect(&meter_, &MeterController::identified, this, [this](const MeterIdentity& identity) {
        ui_->lineEdit_meterModel->setText(identity.model);
        if (identity.companyLabels == MeterIdentity::CompanyLabels::Unchanged)
            return;
        const bool shown = identity.companyLabels == MeterIdentity::CompanyLabels::Shown;
        ui_->label_companyInfo->setVisible(shown);
        ui_->label_companyWet->setVisible(shown);
    });
    connect(&meter_, &MeterController::measured, this, [this](const MeasuredColour& measurement) {
        ui_->label_colorCardResult->setStyleSheet(
            QStringLiteral("background-color: rgb(%1, %2, %3);")
                .arg(measurement.red())
                .arg(measurement.green())
                .arg(measurement.blue()));
        ui_->lineEdit_L->setText(measurement.texts.value(0));
        ui_->lineEdit_a->setText(measurement.texts.value(1));
        ui_->lineEdit_b->setText(measurement.texts.value(2));
    });
}

void FirstPage::showColourRow(int row) {
    const ColourEntry& colour = library_.library(library_.currentRow()).colours.at(row);
    colorTable_->setName(row, colour.name);
    if (colorTable_->text(row, ColorDataTable::LColumn) != colour.L ||
        colorTable_->text(row, ColorDataTable::AColumn) != colour.a ||
        colorTable_->text(row, ColorDataTable::BColumn) != colour.b)
        colorTable_->setLab(row, colour.L, colour.a, colour.b);
}

void FirstPage::setDialogRunner(DialogRunner runner) {
    dialogRunner_ = runner ? std::move(runner) : DialogRunner(runModally);
}

bool FirstPage::libraryLocked() const {
    return !ui_->comboBox_colorCardName->isEnabled();
}

int FirstPage::libraryRowCount() const {
    return ui_->tableWidget_colorCard->rowCount();
}

QString FirstPage::libraryCell(int row, int column) const {
    const QTableWidgetItem* item = ui_->tableWidget_colorCard->item(row, column);
    return item ? item->text() : QString();
}

bool FirstPage::runLibraryDialog(const QString& title, QString* name, QString* description) {
    ColorCardDialog dialog(
        title, *name, *description,
        [this](QWidget* box, const QString& n, const QString& d) {
            const Messenger::ParentScope over(messenger_, box);
            return session_.edits().acceptLibraryEntry(n, d);
        },
        this);
    dialog.setLanguage(messenger_.language());
    if (!dialogRunner_(dialog))
        return false;
    *name = dialog.libraryName();
    *description = dialog.libraryDescription();
    return true;
}

void FirstPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        ui_->retranslateUi(this);
    QWidget::changeEvent(event);
}

// --- slots ----------------------------------------------------------------

void FirstPage::on_deleteColorCardPushButton_clicked() {
    QPointer<QWidget> buttons = libraryButtons(sender());
    if (!buttons || !standardsMayChange() || !session_.edits().confirmDeleteLibrary())
        return;
    // The row is looked up after the question: the page may have changed meanwhile.
    session_.edits().deleteLibrary(libraryTable_->rowOf(buttons));
}

void FirstPage::on_modifyColorCardPushButton_clicked() {
    QPointer<QWidget> buttons = libraryButtons(sender());
    int row = libraryTable_->rowOf(buttons);
    if (row < 0 || !standardsMayChange())
        return;
    QString name = library_.listedLibrary(row).name;
    QString description = library_.listedLibrary(row).description;
    if (!runLibraryDialog(tr("Modify library"), &name, &description))
        return;
    // The dialog ran an event loop; make sure the row is still there.
    row = libraryTable_->rowOf(buttons);
    session_.edits().renameLibrary(row, name, description);
}

void FirstPage::on_pushButton_newColorCardLibrary_clicked() {
    QString name, description;
    if (standardsMayChange() && session_.edits().canAddLibrary() &&
        runLibraryDialog(tr("New library", "dialog title"), &name, &description) &&
        session_.edits().createLibrary(name, description))
        ui_->tableWidget_colorCard->scrollToBottom();
}

void FirstPage::on_colorDataNameLineEdit_editingFinished() {
    QPointer<QLineEdit> editor = qobject_cast<QLineEdit*>(sender());
    const int row = colorTable_->rowOf(editor);
    if (row < 0)
        return;
    ColorDataTable::Hold hold(*colorTable_);
    const QString stored = library_.currentRow() < 0
                               ? editor->text()
                               : library_.library(library_.currentRow()).colours.value(row).name;
    if (editor->text() != stored && !standardsMayChange()) {
        if (editor)
            editor->setText(stored);
        return;
    }
    session_.edits().renameColour(row, editor->text());
    if (editor)
        editor->clearFocus();
}

void FirstPage::on_deleteColorDataPushButton_clicked() {
    const int row = colorTable_->rowOf(qobject_cast<QWidget*>(sender()));
    if (row < 0 || !standardsMayChange())
        return;
    // The question may run an event loop; the colour is followed, not its row.
    ColorDataTable::Hold hold(*colorTable_);
    const QString id = colorTable_->text(row, ColorDataTable::IdColumn);
    if (session_.edits().confirmDeleteColour(row))
        session_.edits().deleteColour(library_.colourRowOf(id));
}

void FirstPage::on_reMeasureColorDataPushButton_clicked() {
    const int row = colorTable_->rowOf(qobject_cast<QWidget*>(sender()));
    if (row < 0 || !standardsMayChange())
        return;
    // The measurement may show a message; the colour is followed, not its row.
    ColorDataTable::Hold hold(*colorTable_);
    meter_.remeasure(colorTable_->text(row, ColorDataTable::IdColumn));
}

void FirstPage::on_comboBox_colorCardName_currentIndexChanged(int index) {
    library_.selectLibrary(index);
}

void FirstPage::setLockShown(bool locked) {
    library_.setLocked(locked);
    ui_->comboBox_colorCardName->setEnabled(!locked);
    ui_->comboBox_colorCardName->setStyleSheet(
        QLatin1String(locked ? kLockedStyle : kUnlockedStyle));
    ui_->pushButton_lock->setVisible(!locked);
    ui_->pushButton_unlock->setVisible(locked);
}

void FirstPage::on_pushButton_lock_clicked() {
    setLockShown(true);
    // Locked, the next thing is a colour's name: by mouse or by keyboard
    // (the hidden button's focus would otherwise go wherever the chain leads).
    ui_->lineEdit_colorDataName->setFocus(Qt::OtherFocusReason);
    ui_->lineEdit_colorDataName->selectAll();
}

void FirstPage::on_pushButton_unlock_clicked() {
    setLockShown(false);
}

void FirstPage::on_pushButton_measure_clicked() {
    QLineEdit* name = ui_->lineEdit_colorDataName;
    if (!standardsMayChange())
        return;
    if (meter_.measure(name->text()))
        name->clear();
    // The next name is typed at once, over the one that was refused.
    name->setFocus(Qt::OtherFocusReason);
    name->selectAll();
}

void FirstPage::on_pushButton_deleteAllData_clicked() {
    if (standardsMayChange())
        library_.deleteAllData();
}

void FirstPage::on_pushButton_importFromExcel_clicked() {
    if (standardsMayChange())
        meter_.importLibraries();
}

bool FirstPage::on_pushButton_saveToExcel_clicked() {
    return meter_.saveLibraries();
}

void FirstPage::on_pushButton_writeToMeter_clicked() {
    meter_.writeToMeter();
}

void FirstPage::on_pushButton_exportMeterData_clicked() {
    if (standardsMayChange())
        meter_.exportMeterData();
}

void FirstPage::restoreBackup() {
    // On a server the libraries' backups are the server's own.
    if (session_.store().isServer())
        session_.store().restoreServerBackup();
    else
        BackupRestore(library_, session_.localStore().backups()).run();
}

}  // namespace colorcard
