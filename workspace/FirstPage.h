#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>
#include <functional>

#include "ColorCardStore.h"
#include "LibraryView.h"
#include "Messenger.h"
#include "WorkspaceContext.h"
#include "WorkspaceState.h"

class ColorCardDialog;
class ColorDataTable;
class FrameLayer;
class MeterIdentification;
class QTableWidget;
class QTableWidgetItem;

namespace Ui {
class FirstPage;
}

// The working page: meter information, the library and colour tables, the
// measurement controls and the bulk actions. It owns the page state, the
// colour card store and every user action as a slot.
class FirstPage : public QWidget, public LibraryView {
    Q_OBJECT
public:
    // Runs a library dialog; true when it was accepted. The program runs it
    // modally; tests install one that fills it in and presses its buttons.
    using DialogRunner = std::function<bool(ColorCardDialog&)>;

    // dataDirectory: where "database.db" lives (ColorCardStore::defaultDirectory()
    // when empty). settingsFile: the device settings file, "meterno" in the
    // application directory when empty.
    FirstPage(QWidget* parent, FrameLayer* frames, Prompt* prompt, const QString& dataDirectory,
              const QString& settingsFile = QString());
    ~FirstPage() override;

    // Asks the attached meter who it is and shows its libraries. type 0: the
    // link opened at start-up, 1: the meter was plugged in.
    void identifyMeter(int type);
    // The library checks of identification at start-up and on arrival.
    void checkInstrumentAtStartup();
    void checkInstrumentOnArrival();
    // Another instrument's libraries are stored (the library check found them).
    void handleInstrumentChange();
    // End of every identification, with the identified instrument.
    void exportOnFirstConnection(quint32 instrumentId);

    // The meter's current measurement after the page's checks (link, library
    // selected and locked): nineteen integers, and the preview painted. false
    // after a message.
    bool readMeasurement(QVector<int>& values);
    // Fills the colour table with the given colours (parallel lists).
    void showColorData(const QStringList& ids, const QStringList& names, const QStringList& L,
                       const QStringList& a, const QStringList& b);
    // Appends one colour row and its colour key under name:description.
    void appendColorDataRow(const QString& libraryName, const QString& libraryDescription,
                            const QString& colorId, const QString& colorName, const QString& L,
                            const QString& a, const QString& b);
    // The link closed: forget the meter number and its model name.
    void clearMeterInfo();
    // false English, true Chinese; chooses the texts of every message.
    void setLanguage(bool chinese);
    bool language() const { return messenger_.chinese(); }

    Messenger& messenger() { return messenger_; }
    WorkspaceState& state() { return state_; }
    ColorCardStore& store() { return store_; }
    WorkspaceContext context();
    FrameLayer* frames() const { return frames_; }
    Ui::FirstPage* ui() const { return ui_; }
    ColorDataTable* colorDataTable() const { return colorTable_; }
    MeterIdentification* identification() const { return identification_; }
    QString settingsFile() const { return settingsFile_; }

    // Empties the combo box, both tables, the key list and map and the
    // measured values; keeps the lock, the meter information and the name field.
    void clearPage();
    // Deletes and recreates the database file, then clears the page. No question.
    void clearAllData();
    // Sum of the colour counts of all libraries in the store.
    int totalColorCount();
    // A library is locked when the combo box is disabled.
    bool libraryLocked() const;
    // The combo box's current index, -1 when none.
    int currentLibraryRow() const;
    // Row whose cell in column holds widget, from the widget's place in the
    // table's viewport; -1 when it is in no row.
    int rowOfCellWidget(QTableWidget* table, QWidget* widget, int column) const;
    // A text item centred horizontally and vertically, as every table cell.
    static QTableWidgetItem* centredItem(const QString& text);

    void setDialogRunner(DialogRunner runner);

    // LibraryView
    int libraryRowCount() const override;
    QString libraryCell(int row, int column) const override;
    void setLibraryCount(int row, const QString& count) override;
    void appendLibraryRow(const QString& id, const QString& name, const QString& description,
                          const QString& count) override;
    void removeLibraryRow(int row) override;
    void reselectFirstLibrary() override;

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
    void readDeviceSettings();
    // Colour names of the current library, from its colour keys.
    QStringList currentColorNames() const;
    QString currentLibraryKey() const;
    void showMeasuredLab(const QStringList& texts);
    void showSameColorName();

    Ui::FirstPage* ui_;
    FrameLayer* frames_;
    Messenger messenger_;
    WorkspaceState state_;
    ColorCardStore store_;
    QString settingsFile_;
    DialogRunner dialogRunner_;
    ColorDataTable* colorTable_ = nullptr;
    MeterIdentification* identification_ = nullptr;
};
