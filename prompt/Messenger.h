// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "prompt/Prompt.h"
#include "texts/BilingualText.h"

namespace colorcard {

// The user's language together with the prompt seam: every message is a
// catalogue text, shown in the language chosen. Arguments fill the text's
// %1, %2, ... all at once, so a name holding "%2" stays as it is.
class Messenger {
public:
    explicit Messenger(Prompt* prompt = nullptr, QWidget* parent = nullptr);

    const Language& language() const { return language_; }
    void setLanguage(const Language& language) { language_ = language; }
    Prompt* prompt() const { return prompt_; }
    void setPrompt(Prompt* prompt) { prompt_ = prompt; }
    QWidget* parent() const { return parent_; }
    void setParent(QWidget* parent) { parent_ = parent; }
    // While it lives, boxes have this parent (a dialog over the page).
    class ParentScope {
    public:
        ParentScope(Messenger& messenger, QWidget* parent)
            : messenger_(messenger), previous_(messenger.parent()) {
            messenger.setParent(parent);
        }
        ~ParentScope() { messenger_.setParent(previous_); }
        ParentScope(const ParentScope&) = delete;
        ParentScope& operator=(const ParentScope&) = delete;

    private:
        Messenger& messenger_;
        QWidget* previous_;
    };

    // The text in the current language with its arguments filled in.
    QString text(const BilingualText& text, const QStringList& arguments = {}) const;
    static QString filled(const QString& pattern, const QStringList& arguments);

    // Information box titled "Tip" / "提示", parent the page (or the given one).
    void tip(const BilingualText& text, const QStringList& arguments = {}) const;
    void tip(QWidget* parent, const BilingualText& text, const QStringList& arguments = {}) const;
    // Information box titled "Error" / "错误".
    void error(const BilingualText& text, const QStringList& arguments = {}) const;
    // A text that exists in Chinese only: titled "提示", no parent, whatever the language.
    void chineseTip(const BilingualText& text) const;
    // Question titled "Tip" / "提示"; true only for Yes.
    bool ask(const BilingualText& text, const QStringList& arguments = {}) const;
    // The same with Yes to all and No to all; No when no prompt is installed.
    Prompt::SeriesAnswer askSeries(const BilingualText& text,
                                   const QStringList& arguments = {}) const;
    // Questions whose Yes overwrites or deletes: No is the default button.
    bool askRisky(const BilingualText& text, const QStringList& arguments = {}) const;
    Prompt::SeriesAnswer askSeriesRisky(const BilingualText& text,
                                        const QStringList& arguments = {}) const;
    // Yes, No or Cancel (the default); Cancel when no prompt is installed.
    Prompt::Answer askOrCancel(const BilingualText& text, const QStringList& arguments = {}) const;
    // Retry or Cancel, titled "Tip" / "提示"; true for Retry, false when no prompt is installed.
    bool askRetry(const BilingualText& text, const QStringList& arguments = {}) const;
    // A password asked for (empty when cancelled); with remember non-null the
    // box rememberText is offered and remember says whether it was ticked.
    QString askPassword(const BilingualText& title, const BilingualText& text,
                        const QStringList& arguments, const BilingualText& rememberText,
                        bool* remember) const;
    // The same with a text already composed of catalogue texts (paragraphs).
    void tipComposed(const QString& text) const;
    bool askRiskyComposed(const QString& text) const;
    Prompt::SeriesAnswer askSeriesRiskyComposed(const QString& text) const;
    Prompt::Answer askOrCancelComposed(const QString& text) const;
    // Catalogue texts in the current language, one paragraph each.
    QString paragraphs(const QStringList& texts) const;
    // A remark in the window's status line instead of a box.
    void status(const BilingualText& text, const QStringList& arguments = {}) const;
    // File dialogs start in the folder of the last file chosen, or in the
    // user's documents folder; a relative proposed name is put there.
    QString lastDirectory() const { return lastDirectory_; }
    void setLastDirectory(const QString& directory) { lastDirectory_ = directory; }
    QString startDirectory() const;
    // File dialogs with a caption in the current language; empty when cancelled.
    QString saveFileName(const BilingualText& caption, const QString& proposedName,
                         const QString& filter) const;
    QString openFileName(const BilingualText& caption, const QString& directory,
                         const QString& filter) const;
    // With several filters joined by ";;"; selectedFilter receives the one chosen.
    QString saveFileName(const BilingualText& caption, const QString& proposedName,
                         const QString& filters, QString* selectedFilter) const;
    QString openFileName(const BilingualText& caption, const QString& directory,
                         const QString& filters, QString* selectedFilter) const;
    // Progress dialog with the label in the current language and "Cancel" / "取消".
    std::unique_ptr<ProgressReporter> progress(const BilingualText& label, int minimum,
                                               int maximum) const;
    // A table titled title to choose one row from, with the accept button and
    // "Cancel" / "取消"; the row chosen, -1 when cancelled.
    int choose(const BilingualText& title, const QList<BilingualText>& columns,
               const QList<QStringList>& rows, const BilingualText& accept) const;

    // The print dialog titled in the current language; Cancelled when no
    // prompt is installed.
    Prompt::PrintResult print(const BilingualText& title, const Prompt::PagePainter& paint) const;

private:
    Prompt* prompt_;
    QWidget* parent_;
    Language language_;
    // Changed by the dialogs themselves, which are const for their callers.
    mutable QString lastDirectory_;

    QString inStartDirectory(const QString& proposedName) const;
    QString opening(const QString& directory) const;
    QString chosen(const QString& fileName) const;
};

}  // namespace colorcard
