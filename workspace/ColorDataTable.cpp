// SPDX-License-Identifier: MIT
#include "workspace/ColorDataTable.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>

#include "workspace/NameValidator.h"
#include "workspace/OperatorWidget.h"

namespace colorcard {

namespace {

// Rows made beyond the viewport on each side (at least), so that scrolling by
// a few rows finds its widgets ready.
constexpr int kMinimumPadding = 10;
// Widgets of rows farther than this many paddings from the viewport go.
constexpr int kKeepPaddings = 3;
// Progress reports per fill.
constexpr int kProgressSteps = 100;

QTableWidgetItem* centredItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

QTableWidgetItem* nameItem(const QString& name) {
    auto* item = new QTableWidgetItem;
    item->setData(ColorDataTable::NameRole, name);
    return item;
}

}  // namespace

ColorDataTable::Hold::Hold(ColorDataTable& table) : table_(table) {
    ++table_.holds_;
}

ColorDataTable::Hold::~Hold() {
    if (--table_.holds_ == 0)
        table_.scheduleUpdate();
}

ColorDataTable::ColorDataTable(QTableWidget* table, QWidget* widgetParent, QObject* parent)
    : QObject(parent), table_(table), widgetParent_(widgetParent) {
    QScrollBar* bar = table_->verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this, &ColorDataTable::updateRowWidgets);
    connect(bar, &QScrollBar::rangeChanged, this, &ColorDataTable::scheduleUpdate);
    QAbstractItemModel* model = table_->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &ColorDataTable::scheduleUpdate);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &ColorDataTable::scheduleUpdate);
    connect(model, &QAbstractItemModel::modelReset, this, &ColorDataTable::scheduleUpdate);
    viewport_ = table_->viewport();
    viewport_->installEventFilter(this);
}

ColorDataTable::~ColorDataTable() = default;

int ColorDataTable::rowCount() const {
    return table_ ? table_->rowCount() : 0;
}

void ColorDataTable::fill(const QStringList& ids, const QStringList& names, const QStringList& L,
                          const QStringList& a, const QStringList& b,
                          const std::function<void(int)>& progress) {
    if (!table_)
        return;
    table_->setRowCount(0);
    live_.clear();
    const int count = ids.size();
    table_->setRowCount(count);
    const int step = std::max(1, count / kProgressSteps);
    for (int i = 0; i < count; ++i) {
        table_->setItem(i, IdColumn, centredItem(ids[i]));
        // A progress report lets the event loop make the widgets of rows not
        // filled yet; their editors take the name when it comes.
        setName(i, names.value(i));
        table_->setItem(i, LColumn, centredItem(L.value(i)));
        table_->setItem(i, AColumn, centredItem(a.value(i)));
        table_->setItem(i, BColumn, centredItem(b.value(i)));
        if (progress && ((i + 1) % step == 0 || i + 1 == count))
            progress(i + 1);
    }
    updateRowWidgets();
}

void ColorDataTable::fill(const QList<ColourEntry>& colours,
                          const std::function<void(int)>& progress) {
    QStringList ids, names, L, a, b;
    for (const ColourEntry& colour : colours) {
        ids << colour.id;
        names << colour.name;
        L << colour.L;
        a << colour.a;
        b << colour.b;
    }
    fill(ids, names, L, a, b, progress);
}

int ColorDataTable::appendRow(const QString& id, const QString& name, const QString& L,
                              const QString& a, const QString& b) {
    if (!table_)
        return -1;
    const int row = table_->rowCount();
    table_->insertRow(row);
    table_->setItem(row, IdColumn, centredItem(id));
    table_->setItem(row, NameColumn, nameItem(name));
    table_->setItem(row, LColumn, centredItem(L));
    table_->setItem(row, AColumn, centredItem(a));
    table_->setItem(row, BColumn, centredItem(b));
    updateRowWidgets();
    return row;
}

void ColorDataTable::removeRow(int row) {
    if (!table_ || row < 0 || row >= table_->rowCount())
        return;
    // The table releases the row's widgets itself (deferred), so a button
    // whose signal is being handled survives until control returns to it.
    table_->removeRow(row);
    scheduleUpdate();
}

void ColorDataTable::setLab(int row, const QString& L, const QString& a, const QString& b) {
    if (!table_ || row < 0 || row >= table_->rowCount())
        return;
    table_->setItem(row, LColumn, centredItem(L));
    table_->setItem(row, AColumn, centredItem(a));
    table_->setItem(row, BColumn, centredItem(b));
}

QString ColorDataTable::name(int row) const {
    if (!table_ || row < 0 || row >= table_->rowCount())
        return QString();
    const QTableWidgetItem* item = table_->item(row, NameColumn);
    return item ? item->data(NameRole).toString() : QString();
}

void ColorDataTable::setName(int row, const QString& name) {
    if (!table_ || row < 0 || row >= table_->rowCount())
        return;
    if (QTableWidgetItem* item = table_->item(row, NameColumn))
        item->setData(NameRole, name);
    else
        table_->setItem(row, NameColumn, nameItem(name));
    auto* editor = qobject_cast<QLineEdit*>(table_->cellWidget(row, NameColumn));
    if (editor && editor->text() != name)
        editor->setText(name);
}

QString ColorDataTable::text(int row, int column) const {
    const QTableWidgetItem* item = table_ ? table_->item(row, column) : nullptr;
    return item ? item->text() : QString();
}

int ColorDataTable::rowOf(const QWidget* widget) const {
    if (!table_ || !widget)
        return -1;
    const int row = table_->indexAt(widget->frameGeometry().topLeft()).row();
    if (row >= 0 && (table_->cellWidget(row, NameColumn) == widget ||
                     table_->cellWidget(row, OperatorColumn) == widget))
        return row;
    for (const RowWidgets& widgets : live_) {
        if (widgets.editor == widget || widgets.buttons == widget)
            return widgets.index.isValid() ? widgets.index.row() : -1;
    }
    return -1;
}

QLineEdit* ColorDataTable::nameEditor(int row) {
    if (!table_ || row < 0 || row >= table_->rowCount())
        return nullptr;
    makeRowWidgets(row);
    return qobject_cast<QLineEdit*>(table_->cellWidget(row, NameColumn));
}

OperatorWidget* ColorDataTable::buttons(int row) {
    if (!table_ || row < 0 || row >= table_->rowCount())
        return nullptr;
    makeRowWidgets(row);
    return colourButtons(table_->cellWidget(row, OperatorColumn));
}

int ColorDataTable::rowsWithWidgets() const {
    int rows = 0;
    for (const RowWidgets& widgets : live_)
        if (widgets.index.isValid() && widgets.buttons)
            ++rows;
    return rows;
}

bool ColorDataTable::visibleRange(int* first, int* last) const {
    const int rows = table_->rowCount();
    if (rows == 0)
        return false;
    *first = std::max(0, table_->rowAt(0));
    const int bottom = table_->rowAt(std::max(0, table_->viewport()->height() - 1));
    *last = bottom < 0 ? rows - 1 : bottom;
    return true;
}

void ColorDataTable::updateRowWidgets() {
    updateScheduled_ = false;
    if (!table_)
        return;
    // Rows removed with their widgets leave entries without an index.
    live_.erase(std::remove_if(live_.begin(), live_.end(),
                               [](const RowWidgets& w) { return !w.index.isValid(); }),
                live_.end());
    int first = 0;
    int last = 0;
    if (!visibleRange(&first, &last))
        return;
    const int padding = std::max(kMinimumPadding, last - first + 1);
    const int rows = table_->rowCount();
    for (int row = std::max(0, first - padding); row <= std::min(rows - 1, last + padding); ++row)
        makeRowWidgets(row);

    if (holds_ > 0)
        return;
    const int keepFrom = first - kKeepPaddings * padding;
    const int keepTo = last + kKeepPaddings * padding;
    QList<int> far;
    for (const RowWidgets& widgets : live_) {
        const int row = widgets.index.row();
        if (row < keepFrom || row > keepTo)
            far << row;
    }
    for (int row : far)
        dropRowWidgets(row);
}

void ColorDataTable::makeRowWidgets(int row) {
    if (table_->cellWidget(row, OperatorColumn))
        return;
    auto* editor = new QLineEdit(widgetParent_);
    editor->setAlignment(Qt::AlignCenter);
    editor->setValidator(new NameValidator(editor));
    if (const QTableWidgetItem* item = table_->item(row, NameColumn))
        editor->setText(item->data(NameRole).toString());
    auto* buttons = new OperatorWidget(OperatorWidget::Use::Colour, widgetParent_);
    if (connector_)
        connector_(editor, buttons);
    table_->setCellWidget(row, NameColumn, editor);
    table_->setCellWidget(row, OperatorColumn, buttons);
    live_.append(
        RowWidgets{QPersistentModelIndex(table_->model()->index(row, IdColumn)), editor, buttons});
}

void ColorDataTable::dropRowWidgets(int row) {
    auto* editor = qobject_cast<QLineEdit*>(table_->cellWidget(row, NameColumn));
    // A name being typed stays until its editing has finished.
    if (editor && editor->hasFocus())
        return;
    live_.erase(std::remove_if(live_.begin(), live_.end(),
                               [row](const RowWidgets& w) { return w.index.row() == row; }),
                live_.end());
    table_->removeCellWidget(row, NameColumn);
    table_->removeCellWidget(row, OperatorColumn);
}

void ColorDataTable::scheduleUpdate() {
    if (updateScheduled_)
        return;
    updateScheduled_ = true;
    QTimer::singleShot(0, this, &ColorDataTable::updateRowWidgets);
}

bool ColorDataTable::eventFilter(QObject* watched, QEvent* event) {
    // Compared with the viewport kept at construction: while the table is
    // being destroyed its viewport still sends events here.
    if (!viewport_ || watched != viewport_)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
        scheduleUpdate();
    // Return finishes a name editor, which then passes the key on; in a
    // dialog-type window it would go on to press the window's default button
    // (the page's Lock). Key presses reach the viewport only from its cell
    // widgets, so they end here.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            event->accept();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace colorcard
