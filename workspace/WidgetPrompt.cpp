#include "WidgetPrompt.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

class DialogProgress : public ProgressReporter {
public:
    DialogProgress(QWidget* parent, const QString& label, const QString& cancelText, int minimum,
                   int maximum)
        : dialog_(new QProgressDialog(label, cancelText, minimum, maximum, parent)) {
        dialog_->setWindowTitle(QString());
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->setValue(minimum);
        dialog_->show();
        QApplication::processEvents();
    }
    ~DialogProgress() override { delete dialog_.data(); }

    void setValue(int value) override {
        if (dialog_)
            dialog_->setValue(value);
    }
    void hide() override {
        if (dialog_)
            dialog_->hide();
    }

private:
    QPointer<QProgressDialog> dialog_;
};

}  // namespace

void WidgetPrompt::information(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.setDefaultButton(static_cast<QPushButton*>(nullptr));
    box.exec();
}

bool WidgetPrompt::question(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(static_cast<QPushButton*>(nullptr));
    return box.exec() == QMessageBox::Yes;
}

QString WidgetPrompt::saveFileName(QWidget* parent, const QString& caption,
                                   const QString& proposedName, const QString& filter) {
    // The toolkit's own dialog asks before replacing a file; the save refuses
    // existing files itself with a clear message instead.
    return QFileDialog::getSaveFileName(parent, caption, proposedName, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString WidgetPrompt::openFileName(QWidget* parent, const QString& caption,
                                   const QString& directory, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QString WidgetPrompt::saveFileNameWithFilter(QWidget* parent, const QString& caption,
                                             const QString& proposedName, const QString& filters,
                                             QString* selectedFilter) {
    QString chosen = filters.section(QStringLiteral(";;"), 0, 0);
    const QString name = QFileDialog::getSaveFileName(parent, caption, proposedName, filters,
                                                      &chosen, QFileDialog::DontConfirmOverwrite);
    if (selectedFilter)
        *selectedFilter = chosen;
    return name;
}

QString WidgetPrompt::openFileNameWithFilter(QWidget* parent, const QString& caption,
                                             const QString& directory, const QString& filters,
                                             QString* selectedFilter) {
    QString chosen = filters.section(QStringLiteral(";;"), 0, 0);
    const QString name = QFileDialog::getOpenFileName(parent, caption, directory, filters, &chosen);
    if (selectedFilter)
        *selectedFilter = chosen;
    return name;
}

std::unique_ptr<ProgressReporter> WidgetPrompt::progress(QWidget* parent, const QString& label,
                                                         const QString& cancelText, int minimum,
                                                         int maximum) {
    return std::make_unique<DialogProgress>(parent, label, cancelText, minimum, maximum);
}

int WidgetPrompt::choice(QWidget* parent, const QString& title, const QStringList& columns,
                         const QList<QStringList>& rows, const QString& acceptText,
                         const QString& cancelText) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("choiceDialog"));
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* table = new QTableWidget(rows.size(), columns.size(), &dialog);
    table->setObjectName(QStringLiteral("choiceTable"));
    table->setHorizontalHeaderLabels(columns);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < columns.size(); ++column) {
            auto* item = new QTableWidgetItem(rows[row].value(column));
            item->setTextAlignment(Qt::AlignCenter);
            table->setItem(row, column, item);
        }
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    if (!rows.isEmpty())
        table->selectRow(0);
    layout->addWidget(table);

    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* accept = buttons->addButton(acceptText, QDialogButtonBox::AcceptRole);
    accept->setObjectName(QStringLiteral("choiceAccept"));
    buttons->addButton(cancelText, QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(table, &QTableWidget::cellDoubleClicked, &dialog, &QDialog::accept);
    QObject::connect(table, &QTableWidget::itemSelectionChanged, accept,
                     [table, accept] { accept->setEnabled(!table->selectedItems().isEmpty()); });

    int width = 0;
    for (int column = 0; column < columns.size(); ++column)
        width += table->columnWidth(column);
    dialog.resize(qMax(560, width + 60), 360);
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    const QList<QTableWidgetItem*> selected = table->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->row();
}
