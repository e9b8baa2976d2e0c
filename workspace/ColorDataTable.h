// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <functional>

#include "workflow/LibraryTypes.h"

class QLineEdit;

namespace colorcard {

class OperatorWidget;

// The colour table of the page. Every row has a name editor (column 1) and
// Delete and Re-measure buttons (column 5), but the widgets exist only for the
// rows in and near the viewport: they are made as rows scroll into view and
// destroyed when they are far out of it, so a library of tens of thousands
// of colours loads as fast as its text items. The name of a row is kept in
// its column 1 item (NameRole), from which a new editor is filled.
class ColorDataTable : public QObject {
    Q_OBJECT
public:
    enum Column { IdColumn = 0, NameColumn, LColumn, AColumn, BColumn, OperatorColumn };
    // Where the column 1 item keeps the colour name; its display text stays
    // empty because the editor is drawn over it.
    static constexpr int NameRole = Qt::UserRole;

    // Connects the widgets of a row just made to the page's row slots.
    using RowConnector = std::function<void(QLineEdit* editor, OperatorWidget* buttons)>;

    // widgetParent: the parent the row widgets are created with (the page).
    ColorDataTable(QTableWidget* table, QWidget* widgetParent, QObject* parent = nullptr);
    ~ColorDataTable() override;

    // Keeps row widgets alive while a row action runs: a nested event loop
    // (a message box, a progress dialog) must not destroy the widget whose
    // signal started the action.
    class Hold {
    public:
        explicit Hold(ColorDataTable& table);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        ColorDataTable& table_;
    };

    QTableWidget* table() const { return table_; }
    void setRowConnector(RowConnector connector) { connector_ = std::move(connector); }

    int rowCount() const;
    // Replaces every row by the given ones; progress(i) after row i (1-based),
    // at most about a hundred times and always for the last row.
    void fill(const QStringList& ids, const QStringList& names, const QStringList& L,
              const QStringList& a, const QStringList& b,
              const std::function<void(int)>& progress = {});
    // The same for the colours of a library.
    void fill(const QList<ColourEntry>& colours, const std::function<void(int)>& progress = {});
    // Appends one row; returns its index.
    int appendRow(const QString& id, const QString& name, const QString& L, const QString& a,
                  const QString& b);
    void removeRow(int row);
    // Replaces the L*, a*, b* items of a row by new centred ones.
    void setLab(int row, const QString& L, const QString& a, const QString& b);
    // The accepted colour name of a row. An editor may show other text for a
    // moment (typing, or an empty text the validator never lets through).
    QString name(int row) const;
    // Stores the name of a row and puts it into its editor when there is one.
    void setName(int row, const QString& name);
    // Text of an item column (0 and 2 to 4); "" when there is none.
    QString text(int row, int column) const;

    // The row of a name editor or button widget: from the top-left corner of
    // its frame geometry in the viewport, or, before the table has placed a
    // new widget, from the row it was made for. -1 when it is in no row.
    int rowOf(const QWidget* widget) const;
    // The widgets of a row, made at once if it has none yet (as scrolling to
    // the row would); null for a row that does not exist.
    QLineEdit* nameEditor(int row);
    OperatorWidget* buttons(int row);
    // How many rows have their widgets at the moment.
    int rowsWithWidgets() const;

public slots:
    // Makes the widgets of the rows in and near the viewport and destroys
    // those of rows far from it.
    void updateRowWidgets();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct RowWidgets {
        QPersistentModelIndex index;
        QPointer<QLineEdit> editor;
        QPointer<OperatorWidget> buttons;
    };

    void makeRowWidgets(int row);
    void dropRowWidgets(int row);
    void scheduleUpdate();
    bool visibleRange(int* first, int* last) const;

    QPointer<QTableWidget> table_;
    QPointer<QWidget> viewport_;
    QPointer<QWidget> widgetParent_;
    RowConnector connector_;
    QList<RowWidgets> live_;
    int holds_ = 0;
    bool updateScheduled_ = false;
};

}  // namespace colorcard
