// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include "prompt/Prompt.h"

namespace colorcard {

// Records every prompt and answers questions and file dialogs from a script.
// An unscripted question (of either kind) is answered No and an unscripted
// file dialog is cancelled, and both are counted so a test can notice.
class ScriptedPrompt : public Prompt {
public:
    enum class Kind {
        Information,
        Question,
        SeriesQuestion,
        SaveFile,
        OpenFile,
        Progress,
        Choice,
        Status,
        Print,
        Password
    };
    struct Event {
        Kind kind = Kind::Information;
        QString title;  // caption for file dialogs
        QString text;   // label for progress dialogs, proposed name / directory for files
        QWidget* parent = nullptr;
        int minimum = 0;
        int maximum = 0;
        QString cancelText;
        QString filter;
        QList<int> values;  // progress values set, in order
        bool hidden = false;
        // A choice: its column headers and rows; text is its accept button.
        QStringList columns;
        QList<QStringList> rows;
        // A question whose default button is No, or that offers Cancel.
        bool noByDefault = false;
        bool withCancel = false;
        // A password question: the remember box offered (its text), if any.
        QString rememberText;
    };

    QQueue<bool> answers;                // for questions
    QQueue<SeriesAnswer> seriesAnswers;  // for questions with Yes to all / No to all
    // For questions with Cancel; when empty they take from answers (Yes or
    // No), and an unscripted one is answered No like the others.
    QQueue<Answer> cancelAnswers;
    QQueue<QString> fileNames;  // for both file dialogs
    QQueue<int> choices;        // rows chosen; an unscripted choice is cancelled
    // Passwords typed (empty: cancelled) and whether "remember" is ticked
    // (unticked when not scripted); an unscripted password is cancelled.
    QQueue<QString> passwords;
    QQueue<bool> rememberTicks;
    // The filter a dialog of several filters is left on; the first one when
    // none is scripted, as the real dialog opens on it.
    QQueue<QString> selectedFilters;
    // PDF files the print dialogs print to, A4 as the report files; an
    // unscripted print dialog is cancelled.
    QQueue<QString> printFiles;
    int unscripted = 0;

    QList<Event> events;

    void information(QWidget* parent, const QString& title, const QString& text) override;
    bool question(QWidget* parent, const QString& title, const QString& text) override;
    SeriesAnswer seriesQuestion(QWidget* parent, const QString& title,
                                const QString& text) override;
    bool riskyQuestion(QWidget* parent, const QString& title, const QString& text) override;
    SeriesAnswer riskySeriesQuestion(QWidget* parent, const QString& title,
                                     const QString& text) override;
    Answer questionWithCancel(QWidget* parent, const QString& title, const QString& text) override;
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
    int choice(QWidget* parent, const QString& title, const QStringList& columns,
               const QList<QStringList>& rows, const QString& acceptText,
               const QString& cancelText) override;
    const Event* lastChoice() const;
    QString password(QWidget* parent, const QString& title, const QString& text,
                     const QString& rememberText, bool* remember) override;
    PrintResult print(QWidget* parent, const QString& title, const PagePainter& paint) override;

    // Texts of the events of one kind, in order.
    QStringList texts(Kind kind) const;
    QStringList messages() const { return texts(Kind::Information); }
    // The messages' first paragraphs (a second one may name a file or counts).
    QStringList firstParagraphs() const {
        QStringList heads;
        for (const QString& message : messages())
            heads << message.section(QStringLiteral("\n\n"), 0, 0);
        return heads;
    }
    QStringList questions() const { return texts(Kind::Question); }
    QStringList seriesQuestions() const { return texts(Kind::SeriesQuestion); }
    QStringList statuses() const { return texts(Kind::Status); }
    // The series questions without the second paragraph that lists the changes.
    QStringList seriesHeads() const {
        QStringList heads;
        for (const QString& question : seriesQuestions())
            heads << question.section(QStringLiteral("\n\n"), 0, 0);
        return heads;
    }
    // The last question of either kind.
    const Event* lastQuestion() const;
    const Event* lastProgress() const;
    void clear();
};

}  // namespace colorcard
