// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "prompt/Messenger.h"
#include "workflow/LibraryService.h"
#include "workflow/MeterController.h"
#include "workflow/Session.h"

class QPushButton;
namespace Ui {
class FirstPage;
}

namespace colorcard {

class ColorCardDialog;
class ColorDataTable;
class FrameLayer;
class LibraryTable;

// The working page: meter information, the library and colour tables, the
// measurement controls and the bulk actions. It shows what the library
// service and the meter controller report and hands every user action to them.
class FirstPage : public QWidget {
    Q_OBJECT
public:
    // Runs a library dialog; true when it was accepted. The program runs it
    // modally; tests install one that fills it in and presses its buttons.
    using DialogRunner = std::function<bool(ColorCardDialog&)>;

    // Shows the session's libraries and meter; the session outlives the page.
    explicit FirstPage(Session& session, QWidget* parent = nullptr);
    ~FirstPage() override;

    // Asks the attached meter who it is and shows its libraries. type 0: the
    // link opened at start-up, 1: the meter was plugged in.
    void identifyMeter(int type) { meter_.identify(type); }
    // The link closed: forget the meter number and its model name.
    void clearMeterInfo() { meter_.forgetMeter(); }
    // Chooses the texts of every message.
    void setLanguage(const Language& language);
    Language language() const { return messenger_.language(); }

    Session& session() { return session_; }
    Messenger& messenger() { return messenger_; }
    LibraryService& library() { return library_; }
    MeterController& meter() { return meter_; }
    // The store file in the data directory.
    ColorCardStore& store() { return session_.localStore().store(); }
    FrameLayer* frames() const { return meter_.frames(); }
    Ui::FirstPage* ui() const { return ui_; }
    ColorDataTable* colorDataTable() const { return colorTable_; }

    // A library is locked when the combo box is disabled.
    bool libraryLocked() const;
    int libraryRowCount() const;
    // Column 0 identifier, 1 name, 2 description, 3 colour count.
    QString libraryCell(int row, int column) const;

    void setDialogRunner(DialogRunner runner);
    // "Restore backup", beside the bulk actions (not one of the form's slots).
    void restoreBackup();
    // "History of changes" of the current library (a server's audit trail).
    void showLibraryHistory();

public slots:
    // Declaration order is part of the page's interface.
    void on_deleteColorCardPushButton_clicked();
    void on_modifyColorCardPushButton_clicked();
    void on_colorDataNameLineEdit_editingFinished();
    void on_deleteColorDataPushButton_clicked();
    void on_reMeasureColorDataPushButton_clicked();
    void on_pushButton_newColorCardLibrary_clicked();
    void on_comboBox_colorCardName_currentIndexChanged(int index);
    void on_pushButton_lock_clicked();
    void on_pushButton_unlock_clicked();
    void on_pushButton_measure_clicked();
    void on_pushButton_deleteAllData_clicked();
    void on_pushButton_importFromExcel_clicked();
    bool on_pushButton_saveToExcel_clicked();
    void on_pushButton_writeToMeter_clicked();
    void on_pushButton_exportMeterData_clicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    void bindLibraries();
    void bindMeter();
    // Notices changes other processes commit to the store (see watchStore).
    void watchStore();
    // The buttons that change the standards follow what the login may do.
    void bindStoreAccess();
    void showStoreAccess();
    // False after a message when the store refuses changes of the standards.
    bool standardsMayChange();
    static constexpr int kStoreWatchMs = 1000;
    void showColourRow(int row);
    void setLockShown(bool locked);
    // The library dialog, checked by the library service.
    bool runLibraryDialog(const QString& title, QString* name, QString* description);

    Ui::FirstPage* ui_;
    Session& session_;
    Messenger& messenger_;
    LibraryService& library_;
    MeterController& meter_;
    DialogRunner dialogRunner_;
    ColorDataTable* colorTable_ = nullptr;
    LibraryTable* libraryTable_ = nullptr;
    QPushButton* restoreButton_ = nullptr;
    QPushButton* historyButton_ = nullptr;
};

}  // namespace colorcard
