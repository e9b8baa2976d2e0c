#pragma once

#include "Prompt.h"

// The real prompt: the toolkit's message boxes, file dialogs and progress dialogs.
class WidgetPrompt : public Prompt {
public:
    void information(QWidget* parent, const QString& title, const QString& text) override;
    bool question(QWidget* parent, const QString& title, const QString& text) override;
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
};
