// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QComboBox;
class QTableWidget;
class QWidget;

namespace colorcard {

class OperatorWidget;
class LibraryListModel;
class LibraryService;

// The library table and the library combo box of the page, bound to the
// library list model: row i of the table is item i of the combo box and
// row i of the model. Every row has its Delete and
// Modify buttons (column 4).
class LibraryTable : public QObject {
    Q_OBJECT
public:
    enum Column { IdColumn = 0, NameColumn, DescriptionColumn, CountColumn, OperatorColumn };

    // Connects the buttons of a row just made to the page's row slots.
    using RowConnector = std::function<void(OperatorWidget* buttons)>;

    // widgetParent: the parent the row buttons are created with (the page).
    LibraryTable(LibraryService& library, QTableWidget* table, QComboBox* combo,
                 QWidget* widgetParent, RowConnector connector);

    // The row whose buttons these are: from the widget's place in the table,
    // or, before the table has laid them out, from the row they were made
    // for; -1 when they are in no row.
    int rowOf(QWidget* buttons) const;

private:
    void append(int row);
    void show(int row);
    void remove(int row);
    void clear();

    LibraryService& library_;
    const LibraryListModel& list_;
    QPointer<QTableWidget> table_;
    QPointer<QComboBox> combo_;
    QPointer<QWidget> widgetParent_;
    RowConnector connector_;
};

}  // namespace colorcard
