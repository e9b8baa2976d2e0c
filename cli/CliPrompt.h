// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QTextStream>

#include "prompt/Prompt.h"
#include "texts/Language.h"

namespace colorcard {

// The prompt of the command line: nobody is there to answer. Messages go to
// stderr as one line each; every question gets the answer the options gave,
// or, without one, is printed with a hint, answered No and remembered as
// refused. The commands name their files themselves: a file dialog is
// cancelled.
class CliPrompt : public Prompt {
public:
    enum class Answer { Yes, No, Refuse };

    explicit CliPrompt(const Language& language, Answer answer = Answer::Refuse);

    void setAnswer(Answer answer) { answer_ = answer; }
    bool refused() const { return refused_; }

    void information(QWidget* parent, const QString& title, const QString& text) override;
    bool question(QWidget* parent, const QString& title, const QString& text) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& proposedName,
                         const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& directory,
                         const QString& filter) override;
    std::unique_ptr<ProgressReporter> progress(QWidget* parent, const QString& label,
                                               const QString& cancelText, int minimum,
                                               int maximum) override;

private:
    void print(const QString& text);

    Language language_;
    Answer answer_;
    bool refused_ = false;
    QTextStream err_;
};

}  // namespace colorcard
