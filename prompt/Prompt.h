// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace colorcard {

// A progress dialog as the long actions see it. Cancel is never consulted.
class ProgressReporter {
public:
    virtual ~ProgressReporter() = default;
    virtual void setValue(int value) = 0;
    virtual void hide() = 0;
};

// Every message box, question, file dialog and progress dialog goes through
// this seam, so the procedures below the widgets can be driven by a script.
class Prompt {
public:
    // Paints a document on a device the painter is already begun on; false
    // when a page cannot be started.
    using PagePainter = std::function<bool(QPagedPaintDevice& device, QPainter& painter)>;
    enum class PrintResult { Printed, Cancelled, Failed };

    // Answers to a question asked once for each of several items.
    enum class SeriesAnswer { Yes, No, YesToAll, NoToAll };
    // Answers to a question that may also be called off.
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompt() = default;

    // Information box: one OK button, no default button.
    virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
    // Question with Yes and No, no default button; true only for Yes.
    virtual bool question(QWidget* parent, const QString& title, const QString& text) = 0;
    // Question with Yes, Yes to all, No and No to all, no default button. A
    // prompt that has no such buttons asks the plain question instead.
    virtual SeriesAnswer seriesQuestion(QWidget* parent, const QString& title,
                                        const QString& text) {
        return question(parent, title, text) ? SeriesAnswer::Yes : SeriesAnswer::No;
    }
    // The same two questions where Yes overwrites or deletes something: No
    // is the default button, so Return alone never loses data.
    virtual bool riskyQuestion(QWidget* parent, const QString& title, const QString& text) {
        return question(parent, title, text);
    }
    virtual SeriesAnswer riskySeriesQuestion(QWidget* parent, const QString& title,
                                             const QString& text) {
        return seriesQuestion(parent, title, text);
    }
    // Question with Yes, No and Cancel; Cancel is the default button and
    // what closing the box means. A prompt without Cancel asks Yes or No.
    virtual Answer questionWithCancel(QWidget* parent, const QString& title, const QString& text) {
        return question(parent, title, text) ? Answer::Yes : Answer::No;
    }
    // Retry (the default) or Cancel after something failed; true for Retry. A
    // prompt without those buttons asks Yes (retry) or No.
    virtual bool retryOrCancel(QWidget* parent, const QString& title, const QString& text) {
        return question(parent, title, text);
    }
    // Asks for a password, hidden as it is typed. With rememberText a check
    // box of that text is offered, unticked, and remember receives whether it
    // was ticked. Empty when cancelled; a prompt that cannot ask cancels.
    virtual QString password(QWidget* /*parent*/, const QString& /*title*/, const QString& /*text*/,
                             const QString& /*rememberText*/, bool* /*remember*/) {
        return {};
    }
    // A passing remark in the window's status line, no box to close. A
    // prompt without a status line drops it.
    virtual void status(QWidget* /*parent*/, const QString& /*text*/) {}
    // Empty result means the user cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& caption,
                                 const QString& proposedName, const QString& filter) = 0;
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& directory,
                                 const QString& filter) = 0;
    // The same dialogs offering several filters joined by ";;": selectedFilter
    // (may be null) receives the filter the dialog was left on, the first one
    // unless the user chose another. Prompts that cannot tell report the first.
    virtual QString saveFileNameWithFilter(QWidget* parent, const QString& caption,
                                           const QString& proposedName, const QString& filters,
                                           QString* selectedFilter) {
        if (selectedFilter)
            *selectedFilter = filters.section(QStringLiteral(";;"), 0, 0);
        return saveFileName(parent, caption, proposedName, filters);
    }
    virtual QString openFileNameWithFilter(QWidget* parent, const QString& caption,
                                           const QString& directory, const QString& filters,
                                           QString* selectedFilter) {
        if (selectedFilter)
            *selectedFilter = filters.section(QStringLiteral(";;"), 0, 0);
        return openFileName(parent, caption, directory, filters);
    }
    // Window-modal progress dialog with an empty title, shown at once.
    virtual std::unique_ptr<ProgressReporter> progress(QWidget* parent, const QString& label,
                                                       const QString& cancelText, int minimum,
                                                       int maximum) = 0;
    // A table to choose one row from (columns: the headers), with an accept
    // and a cancel button; the row chosen, -1 when cancelled. A prompt that
    // cannot show one cancels.
    virtual int choice(QWidget* /*parent*/, const QString& /*title*/,
                       const QStringList& /*columns*/, const QList<QStringList>& /*rows*/,
                       const QString& /*acceptText*/, const QString& /*cancelText*/) {
        return -1;
    }
    // The print dialog titled title; on acceptance paint draws the document
    // on the printer chosen. A prompt that cannot print cancels.
    virtual PrintResult print(QWidget* /*parent*/, const QString& /*title*/,
                              const PagePainter& /*paint*/) {
        return PrintResult::Cancelled;
    }
};

}  // namespace colorcard
