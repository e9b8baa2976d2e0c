// SPDX-License-Identifier: MIT
#include "workflow/LibraryListModel.h"

namespace colorcard {

LibraryListModel::LibraryListModel(QObject* parent) : QAbstractTableModel(parent) {}

int LibraryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_.size();
}

int LibraryListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LibraryListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !contains(index.row()) ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    const LibraryEntry& library = rows_.at(index.row());
    switch (index.column()) {
        case IdColumn:
            return library.id;
        case NameColumn:
            return library.name;
        case DescriptionColumn:
            return library.description;
        case CountColumn:
            return library.count;
        default:
            return QVariant();
    }
}

int LibraryListModel::rowOfId(const QString& id) const {
    for (int row = 0; row < rows_.size(); ++row)
        if (rows_[row].id == id)
            return row;
    return -1;
}

void LibraryListModel::append(const LibraryEntry& entry) {
    const int row = rows_.size();
    beginInsertRows(QModelIndex(), row, row);
    rows_.append(entry);
    endInsertRows();
}

void LibraryListModel::replace(int row, const LibraryEntry& entry) {
    rows_[row] = entry;
    changed(row);
}

void LibraryListModel::removeAt(int row) {
    beginRemoveRows(QModelIndex(), row, row);
    rows_.removeAt(row);
    endRemoveRows();
}

void LibraryListModel::clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void LibraryListModel::changed(int row) {
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

}  // namespace colorcard
