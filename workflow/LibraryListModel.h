// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>
#include <QList>

#include "workflow/LibraryTypes.h"

namespace colorcard {

// The listed libraries, one row each: identifier, name, description and the
// stored colour count as the page shows them. The library service changes
// the rows (after the store did); views bind to the model's signals. The
// colours of a row travel with it but are no column.
class LibraryListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { IdColumn = 0, NameColumn, DescriptionColumn, CountColumn, ColumnCount };

    explicit LibraryListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    // The texts of DisplayRole (and EditRole); nothing else.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const QList<LibraryEntry>& entries() const { return rows_; }
    const LibraryEntry& entry(int row) const { return rows_.at(row); }
    int size() const { return rows_.size(); }
    bool isEmpty() const { return rows_.isEmpty(); }
    bool contains(int row) const { return row >= 0 && row < rows_.size(); }
    // -1 when no row has that identifier.
    int rowOfId(const QString& id) const;

    void append(const LibraryEntry& entry);
    void replace(int row, const LibraryEntry& entry);
    void removeAt(int row);
    void clear();
    // A row's colours, which no column shows: changed in place, then told
    // with changed() when its name, description or count changed too.
    LibraryEntry& editable(int row) { return rows_[row]; }
    void changed(int row);

private:
    QList<LibraryEntry> rows_;
};

}  // namespace colorcard
