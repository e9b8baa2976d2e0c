// SPDX-License-Identifier: MIT
#include "app/LayoutFit.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTableWidget>

namespace colorcard {

namespace {

// The sizes the form gave, kept on first sight so a later fit starts from
// them rather than from an earlier fit's result.
const char* const kFormMinimum = "layoutFitFormMinimum";
const char* const kFormMaximum = "layoutFitFormMaximum";
const char* const kWatched = "layoutFitWatched";

QSize formSize(QWidget* widget, const char* key, const QSize& current) {
    const QVariant kept = widget->property(key);
    if (kept.isValid())
        return kept.toSize();
    widget->setProperty(key, current);
    return current;
}

void fitButton(QPushButton* button) {
    const QSize formMinimum = formSize(button, kFormMinimum, button->minimumSize());
    const QSize formMaximum = formSize(button, kFormMaximum, button->maximumSize());
    const QSize needed = button->sizeHint();
    // Only a minimum the form set stands in the way: a button without one
    // takes its size hint from the layout anyway.
    if (!formMinimum.isNull()) {
        button->setMinimumSize(
            QSize(formMinimum.width() > 0 ? qMax(formMinimum.width(), needed.width()) : 0,
                  formMinimum.height() > 0 ? qMax(formMinimum.height(), needed.height()) : 0));
    }
    button->setMaximumSize(formMaximum.expandedTo(needed));
}

void fitLineEdit(QLineEdit* edit, const QString& widest) {
    const QSize formMinimum = formSize(edit, kFormMinimum, edit->minimumSize());
    // The line edit's own reckoning: two pixels each side of the text, one
    // for the cursor, its text margins, then the style's frame and padding.
    const QMargins margins = edit->textMargins();
    const int text =
        edit->fontMetrics().horizontalAdvance(widest) + 4 + 1 + margins.left() + margins.right();
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    const QSize needed = edit->style()->sizeFromContents(
        QStyle::CT_LineEdit, &option, QSize(text, edit->fontMetrics().height()), edit);
    edit->setMinimumWidth(qMax(formMinimum.width(), needed.width()));
}

// Cell widgets and their buttons are sized by their cells.
bool inTableCell(QWidget* widget) {
    for (QWidget* w = widget->parentWidget(); w; w = w->parentWidget())
        if (auto* view = qobject_cast<QAbstractItemView*>(w->parentWidget()))
            if (view->viewport() == w)
                return true;
    return false;
}

}  // namespace

LayoutFit* LayoutFit::install(QWidget* root) {
    return new LayoutFit(root);
}

LayoutFit::LayoutFit(QWidget* root) : QObject(root), root_(root) {
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &LayoutFit::fit);
    root->installEventFilter(this);
    schedule();
}

void LayoutFit::schedule() {
    timer_.start();
}

bool LayoutFit::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::LanguageChange:
        case QEvent::FontChange:
        case QEvent::StyleChange:
        case QEvent::Show:
            schedule();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void LayoutFit::fit() {
    if (!root_)
        return;
    watchTables();
    // Only polished widgets have the sizes their style sheet gives them, which
    // count as the form's.
    for (QPushButton* button : root_->findChildren<QPushButton*>())
        if (button->testAttribute(Qt::WA_WState_Polished) && !inTableCell(button))
            fitButton(button);
    for (QLineEdit* edit : root_->findChildren<QLineEdit*>()) {
        const QString widest = edit->property("widestText").toString();
        if (!widest.isEmpty() && edit->testAttribute(Qt::WA_WState_Polished))
            fitLineEdit(edit, widest);
    }
    for (QTableWidget* table : root_->findChildren<QTableWidget*>())
        fitTable(table);
}

void LayoutFit::watchTables() {
    for (QTableWidget* table : root_->findChildren<QTableWidget*>()) {
        if (table->property(kWatched).toBool())
            continue;
        table->setProperty(kWatched, true);
        QAbstractItemModel* model = table->model();
        connect(model, &QAbstractItemModel::rowsInserted, this, &LayoutFit::schedule);
        connect(model, &QAbstractItemModel::modelReset, this, &LayoutFit::schedule);
        connect(table->verticalScrollBar(), &QScrollBar::valueChanged, this, &LayoutFit::schedule);
    }
}

void LayoutFit::fitTable(QTableWidget* table) {
    QHeaderView* header = table->horizontalHeader();
    QHeaderView* rows = table->verticalHeader();
    const int columns = table->columnCount();
    const int lastColumn = [&] {
        for (int c = columns - 1; c >= 0; --c)
            if (!table->isColumnHidden(c))
                return c;
        return -1;
    }();
    const bool stretchLast = header->stretchLastSection();

    // Rows in view (and the first one): rows far out of it may not have their
    // widgets yet, and all rows are alike.
    int first = qMax(0, table->rowAt(0));
    int last = table->rowAt(table->viewport()->height() - 1);
    if (last < 0)
        last = table->rowCount() - 1;
    QList<int> sampled;
    if (table->rowCount() > 0)
        sampled << 0;
    for (int r = first; r <= last; ++r)
        if (r != 0)
            sampled << r;

    // A cell widget gets the cell less what the delegate keeps around it (the
    // style's item padding): asked of the delegate itself for a large cell.
    QWidget probe;
    const auto cellPadding = [&](int column) {
        QStyleOptionViewItem option;
        option.initFrom(table->viewport());
        option.rect = QRect(0, 0, 1000, 1000);
        option.widget = table;
        table->itemDelegate()->updateEditorGeometry(&probe, option,
                                                    table->model()->index(0, column));
        const int grid = table->showGrid() ? 1 : 0;
        return QSize(1000 - probe.width() + grid, 1000 - probe.height() + grid);
    };

    int rowHeight = 0;
    QVector<int> widths(columns, 0);
    for (int c = 0; c < columns; ++c)
        if (!table->isColumnHidden(c))
            widths[c] = header->sectionSizeHint(c);
    for (int r : sampled) {
        for (int c = 0; c < columns; ++c) {
            if (table->isColumnHidden(c))
                continue;
            QSize needed;
            if (QWidget* widget = table->cellWidget(r, c)) {
                // Height from the size hint: the style sheet lets row buttons
                // have no minimum height of their own.
                needed = QSize(widget->minimumSizeHint().width(), widget->sizeHint().height()) +
                         cellPadding(c);
            } else if (table->item(r, c)) {
                QStyleOptionViewItem option;
                option.initFrom(table->viewport());
                option.font = table->font();
                // With the widget the style sheet's item padding counts too.
                option.widget = table;
                needed = table->itemDelegate()->sizeHint(option, table->model()->index(r, c));
            }
            widths[c] = qMax(widths[c], needed.width());
            rowHeight = qMax(rowHeight, needed.height());
        }
    }

    if (rowHeight > rows->defaultSectionSize())
        rows->setDefaultSectionSize(rowHeight);
    for (int r : sampled)
        if (table->rowHeight(r) < rowHeight)
            table->setRowHeight(r, rowHeight);

    int fixedWidth = 0;
    for (int c = 0; c < columns; ++c) {
        if (table->isColumnHidden(c))
            continue;
        if (c == lastColumn && stretchLast)
            continue;
        if (table->columnWidth(c) < widths[c])
            table->setColumnWidth(c, widths[c]);
        fixedWidth += table->columnWidth(c);
    }
    if (stretchLast && lastColumn >= 0) {
        const QSize formMinimum = formSize(table, kFormMinimum, table->minimumSize());
        const int frame = 2 * table->frameWidth();
        // The row header may not have its final width before it is shown.
        const int rowHeader = rows->isHidden() ? 0 : qMax(rows->width(), rows->sizeHint().width());
        // A vertical scroll bar may come and must not cut the last column.
        const int scrollBar = table->verticalScrollBar()->sizeHint().width();
        const int needed = frame + rowHeader + fixedWidth + widths[lastColumn] + scrollBar;
        if (needed > table->minimumWidth())
            table->setMinimumWidth(qMax(formMinimum.width(), needed));
    }
}

}  // namespace colorcard
