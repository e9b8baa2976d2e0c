// SPDX-License-Identifier: MIT
#include "workspace/LibraryTable.h"

#include <QComboBox>
#include <QTableWidget>

#include "workflow/LibraryService.h"
#include "workspace/OperatorWidget.h"

namespace colorcard {

namespace {

QTableWidgetItem* centredItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

}  // namespace

LibraryTable::LibraryTable(LibraryService& library, QTableWidget* table, QComboBox* combo,
                           QWidget* widgetParent, RowConnector connector)
    : QObject(widgetParent),
      library_(library),
      list_(library.list()),
      table_(table),
      combo_(combo),
      widgetParent_(widgetParent),
      connector_(std::move(connector)) {
    // The list changes one row at a time.
    connect(&list_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first) { append(first); });
    connect(&list_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft) { show(topLeft.row()); });
    connect(&list_, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first) { remove(first); });
    connect(&list_, &QAbstractItemModel::modelReset, this, &LibraryTable::clear);
    connect(&library, &LibraryService::libraryReselected, this, [this](int row) {
        combo_->setCurrentIndex(-1);
        combo_->setCurrentIndex(row);
    });
}

int LibraryTable::rowOf(QWidget* buttons) const {
    if (!table_ || !buttons)
        return -1;
    const int row = table_->indexAt(buttons->frameGeometry().topLeft()).row();
    if (row >= 0 && table_->cellWidget(row, OperatorColumn) == buttons)
        return row;
    // Until the table has laid out its cell widgets (a hidden page, rows just
    // added) their geometry says nothing; the widget itself still knows its cell.
    for (int r = 0; r < table_->rowCount(); ++r)
        if (table_->cellWidget(r, OperatorColumn) == buttons)
            return r;
    return -1;
}

void LibraryTable::append(int row) {
    table_->insertRow(row);
    auto* buttons = new OperatorWidget(OperatorWidget::Use::Library, widgetParent_);
    if (connector_)
        connector_(buttons);
    table_->setCellWidget(row, OperatorColumn, buttons);
    table_->setItem(row, IdColumn, centredItem(list_.entry(row).id));
    show(row);
    // Last: adding the first item makes the library current at once.
    combo_->insertItem(row, list_.entry(row).name);
}

void LibraryTable::show(int row) {
    const LibraryEntry& library = list_.entry(row);
    table_->setItem(row, NameColumn, centredItem(library.name));
    table_->setItem(row, DescriptionColumn, centredItem(library.description));
    table_->setItem(row, CountColumn, centredItem(library.count));
    if (row < combo_->count())
        combo_->setItemText(row, library.name);
}

void LibraryTable::remove(int row) {
    table_->removeRow(row);
    // Last, so that the neighbour the combo box selects is shown from the
    // list as it is now.
    combo_->removeItem(row);
}

void LibraryTable::clear() {
    combo_->clear();
    table_->setRowCount(0);
}

}  // namespace colorcard
