#pragma once

#include <QString>
#include <memory>

#include "Prompt.h"

// The page's language flag together with the prompt seam: every message of
// the program exists in English and Chinese and this picks one.
class Messenger {
public:
    explicit Messenger(Prompt* prompt = nullptr, QWidget* parent = nullptr);

    bool chinese() const { return chinese_; }
    void setChinese(bool chinese) { chinese_ = chinese; }
    Prompt* prompt() const { return prompt_; }
    void setPrompt(Prompt* prompt) { prompt_ = prompt; }
    QWidget* parent() const { return parent_; }
    void setParent(QWidget* parent) { parent_ = parent; }

    QString pick(const QString& english, const QString& chinese) const;
    // "提示" or "Tip".
    QString tipTitle() const;

    // Information box titled "Tip" / "提示", parent the page (or the given one).
    void tip(const QString& english, const QString& chinese) const;
    void tip(QWidget* parent, const QString& english, const QString& chinese) const;
    // Information box titled "Error" / "错误".
    void error(const QString& english, const QString& chinese) const;
    // Question titled "Tip" / "提示"; true only for Yes.
    bool ask(const QString& english, const QString& chinese) const;
    // Progress dialog with the label in the current language and "Cancel" / "取消".
    std::unique_ptr<ProgressReporter> progress(const QString& english, const QString& chinese,
                                               int minimum, int maximum) const;

private:
    Prompt* prompt_;
    QWidget* parent_;
    bool chinese_ = true;
};
