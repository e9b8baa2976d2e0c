// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "prompt/Prompt.h"

namespace colorcard {

// The real prompt: the toolkit's message boxes, file dialogs and progress
// dialogs. A progress dialog appears only once its action has run for the
// progress delay with work left, so a quick action shows none, and it is
// hidden while a message box or file dialog of this prompt is open, so it
// never stands in front of (or behind) a question of its own action.
class WidgetPrompt : public Prompt {
public:
    WidgetPrompt();
    ~WidgetPrompt() override;

    void information(QWidget* parent, const QString& title, const QString& text) override;
    bool question(QWidget* parent, const QString& title, const QString& text) override;
    SeriesAnswer seriesQuestion(QWidget* parent, const QString& title,
                                const QString& text) override;
    bool riskyQuestion(QWidget* parent, const QString& title, const QString& text) override;
    SeriesAnswer riskySeriesQuestion(QWidget* parent, const QString& title,
                                     const QString& text) override;
    Answer questionWithCancel(QWidget* parent, const QString& title, const QString& text) override;
    // Shown in the window's label named "label_status" for a while.
    bool retryOrCancel(QWidget* parent, const QString& title, const QString& text) override;
    void status(QWidget* parent, const QString& text) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& proposedName,
                         const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& directory,
                         const QString& filter) override;
    QString saveFileNameWithFilter(QWidget* parent, const QString& caption,
                                   const QString& proposedName, const QString& filters,
                                   QString* selectedFilter) override;
    QString openFileNameWithFilter(QWidget* parent, const QString& caption,
                                   const QString& directory, const QString& filters,
                                   QString* selectedFilter) override;
    std::unique_ptr<ProgressReporter> progress(QWidget* parent, const QString& label,
                                               const QString& cancelText, int minimum,
                                               int maximum) override;
    // A modal dialog with the rows in a table, the first one selected; a
    // double click accepts the row.
    int choice(QWidget* parent, const QString& title, const QStringList& columns,
               const QList<QStringList>& rows, const QString& acceptText,
               const QString& cancelText) override;
    // A modal dialog with the text, a hidden line edit and the remember box.
    QString password(QWidget* parent, const QString& title, const QString& text,
                     const QString& rememberText, bool* remember) override;
    // The system print dialog; A4 with the report's margins proposed.
    PrintResult print(QWidget* parent, const QString& title, const PagePainter& paint) override;

    // Milliseconds a progress dialog waits before it appears.
    int progressDelay() const { return progressDelay_; }
    void setProgressDelay(int milliseconds) { progressDelay_ = milliseconds; }

    // The progress dialogs that exist now, shown or not (one per action that
    // reports progress).
    struct Dialogs;

private:
    SeriesAnswer seriesBox(QWidget* parent, const QString& title, const QString& text,
                           bool noByDefault);

    std::shared_ptr<Dialogs> dialogs_;
    int progressDelay_;
};

}  // namespace colorcard
