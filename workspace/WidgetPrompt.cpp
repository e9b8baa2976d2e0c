// SPDX-License-Identifier: MIT
#include "workspace/WidgetPrompt.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <limits>

namespace colorcard {

namespace {

// Long enough that a short action shows no dialog at all, short enough that
// a long one shows it before the user wonders.
constexpr int kDefaultProgressDelayMs = 400;
// Long enough to be read after a glance away.
constexpr int kStatusShownMs = 15000;

class DialogProgress;

}  // namespace

struct WidgetPrompt::Dialogs {
    QList<DialogProgress*> live;
};

namespace {

class DialogProgress : public ProgressReporter {
public:
    DialogProgress(std::shared_ptr<WidgetPrompt::Dialogs> dialogs, QWidget* parent,
                   const QString& label, const QString& cancelText, int minimum, int maximum,
                   int delayMs)
        : dialogs_(std::move(dialogs)),
          dialog_(new QProgressDialog(label, cancelText, minimum, maximum, parent)),
          delayMs_(delayMs),
          minimum_(minimum),
          maximum_(maximum),
          step_(qMax(1, (maximum - minimum) / 100)) {
        dialog_->setWindowTitle(QString());
        dialog_->setWindowModality(Qt::WindowModal);
        // The dialog's own timer would show it from any event loop, a
        // question's included; this reporter decides instead.
        dialog_->setMinimumDuration(std::numeric_limits<int>::max());
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->setValue(minimum);
        started_.start();
        dialogs_->live.append(this);
        showWhenDue();
    }
    ~DialogProgress() override {
        dialogs_->live.removeAll(this);
        delete dialog_.data();
    }

    void setValue(int value) override {
        if (!dialog_)
            return;
        // A percent at a time, as the bar's text moves: a repaint for every
        // pixel of a long transfer cost more than the transfer's own work.
        if (value == minimum_ || value == maximum_ || qAbs(value - dialog_->value()) >= step_)
            dialog_->setValue(value);
        showWhenDue();
        if (dialog_->isVisible())
            QApplication::processEvents();
    }
    void hide() override {
        finished_ = true;
        if (dialog_)
            dialog_->hide();
    }

    // A message box or file dialog opens: out of its way until it closes.
    void cover() {
        if (covers_++ == 0 && dialog_ && dialog_->isVisible()) {
            dialog_->hide();
            hiddenByCover_ = true;
        }
    }
    void uncover() {
        if (covers_ == 0 || --covers_ > 0 || !hiddenByCover_)
            return;
        hiddenByCover_ = false;
        if (!finished_)
            present();
    }

private:
    void showWhenDue() {
        if (finished_ || covers_ > 0 || !dialog_ || dialog_->isVisible())
            return;
        if (started_.elapsed() < delayMs_ || dialog_->value() >= dialog_->maximum())
            return;
        present();
    }
    void present() {
        if (!dialog_)
            return;
        dialog_->show();
        dialog_->raise();
        dialog_->activateWindow();
        QApplication::processEvents();
    }

    std::shared_ptr<WidgetPrompt::Dialogs> dialogs_;
    QPointer<QProgressDialog> dialog_;
    QElapsedTimer started_;
    int delayMs_;
    int minimum_;
    int maximum_;
    int step_;
    int covers_ = 0;
    bool hiddenByCover_ = false;
    bool finished_ = false;
};

// Keeps the progress dialogs hidden while a box of the prompt is open.
class Cover {
public:
    explicit Cover(WidgetPrompt::Dialogs& dialogs) : dialogs_(dialogs) {
        for (DialogProgress* progress : dialogs_.live)
            progress->cover();
    }
    ~Cover() {
        // A progress made while the box was open was never covered.
        for (DialogProgress* progress : covered_)
            if (dialogs_.live.contains(progress))
                progress->uncover();
    }
    Cover(const Cover&) = delete;
    Cover& operator=(const Cover&) = delete;

private:
    WidgetPrompt::Dialogs& dialogs_;
    QList<DialogProgress*> covered_ = dialogs_.live;
};

}  // namespace

WidgetPrompt::WidgetPrompt()
    : dialogs_(std::make_shared<Dialogs>()), progressDelay_(kDefaultProgressDelayMs) {}

WidgetPrompt::~WidgetPrompt() = default;

void WidgetPrompt::information(QWidget* parent, const QString& title, const QString& text) {
    Cover cover(*dialogs_);
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.setDefaultButton(static_cast<QPushButton*>(nullptr));
    box.exec();
}

bool WidgetPrompt::question(QWidget* parent, const QString& title, const QString& text) {
    Cover cover(*dialogs_);
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(static_cast<QPushButton*>(nullptr));
    return box.exec() == QMessageBox::Yes;
}

bool WidgetPrompt::riskyQuestion(QWidget* parent, const QString& title, const QString& text) {
    Cover cover(*dialogs_);
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

Prompt::Answer WidgetPrompt::questionWithCancel(QWidget* parent, const QString& title,
                                                const QString& text) {
    Cover cover(*dialogs_);
    QMessageBox box(QMessageBox::Question, title, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

bool WidgetPrompt::retryOrCancel(QWidget* parent, const QString& title, const QString& text) {
    Cover cover(*dialogs_);
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Retry | QMessageBox::Cancel,
                    parent);
    box.setDefaultButton(QMessageBox::Retry);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Retry;
}

void WidgetPrompt::status(QWidget* parent, const QString& text) {
    QWidget* window = parent ? parent->window() : QApplication::activeWindow();
    auto* line = window ? window->findChild<QLabel*>(QStringLiteral("label_status")) : nullptr;
    if (!line)
        return;
    line->setText(text);
    line->setToolTip(text);
    // Gone after a while unless a newer remark took its place.
    QPointer<QLabel> shown(line);
    QTimer::singleShot(kStatusShownMs, line, [shown, text] {
        if (shown && shown->text() == text) {
            shown->clear();
            shown->setToolTip(QString());
        }
    });
}

Prompt::SeriesAnswer WidgetPrompt::seriesQuestion(QWidget* parent, const QString& title,
                                                  const QString& text) {
    return seriesBox(parent, title, text, false);
}

Prompt::SeriesAnswer WidgetPrompt::riskySeriesQuestion(QWidget* parent, const QString& title,
                                                       const QString& text) {
    return seriesBox(parent, title, text, true);
}

Prompt::SeriesAnswer WidgetPrompt::seriesBox(QWidget* parent, const QString& title,
                                             const QString& text, bool noByDefault) {
    Cover cover(*dialogs_);
    QMessageBox box(
        QMessageBox::Question, title, text,
        QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::NoToAll, parent);
    if (noByDefault)
        box.setDefaultButton(QMessageBox::No);
    else
        box.setDefaultButton(static_cast<QPushButton*>(nullptr));
    switch (box.exec()) {
        case QMessageBox::Yes:
            return SeriesAnswer::Yes;
        case QMessageBox::YesToAll:
            return SeriesAnswer::YesToAll;
        case QMessageBox::NoToAll:
            return SeriesAnswer::NoToAll;
        default:
            return SeriesAnswer::No;
    }
}

QString WidgetPrompt::saveFileName(QWidget* parent, const QString& caption,
                                   const QString& proposedName, const QString& filter) {
    Cover cover(*dialogs_);
    // The toolkit's own dialog asks before replacing a file; the save refuses
    // existing files itself with a clear message instead.
    return QFileDialog::getSaveFileName(parent, caption, proposedName, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

Prompt::PrintResult WidgetPrompt::print(QWidget* parent, const QString& title,
                                        const PagePainter& paint) {
    Cover cover(*dialogs_);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
    printer.setDocName(title);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted)
        return PrintResult::Cancelled;
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintResult::Failed;
    const bool painted = paint(printer, painter);
    painter.end();
    return painted ? PrintResult::Printed : PrintResult::Failed;
}

QString WidgetPrompt::openFileName(QWidget* parent, const QString& caption,
                                   const QString& directory, const QString& filter) {
    Cover cover(*dialogs_);
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
    return std::make_unique<DialogProgress>(dialogs_, parent, label, cancelText, minimum, maximum,
                                            progressDelay_);
}

QString WidgetPrompt::password(QWidget* parent, const QString& title, const QString& text,
                               const QString& rememberText, bool* remember) {
    Cover cover(*dialogs_);
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("passwordDialog"));
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(text, &dialog);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* edit = new QLineEdit(&dialog);
    edit->setObjectName(QStringLiteral("passwordEdit"));
    edit->setEchoMode(QLineEdit::Password);
    layout->addWidget(edit);
    QCheckBox* box = nullptr;
    if (!rememberText.isEmpty()) {
        box = new QCheckBox(rememberText, &dialog);
        box->setObjectName(QStringLiteral("passwordRemember"));
        layout->addWidget(box);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (remember)
        *remember = accepted && box && box->isChecked();
    return accepted ? edit->text() : QString();
}

int WidgetPrompt::choice(QWidget* parent, const QString& title, const QStringList& columns,
                         const QList<QStringList>& rows, const QString& acceptText,
                         const QString& cancelText) {
    Cover cover(*dialogs_);
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

}  // namespace colorcard
