// SPDX-License-Identifier: MIT
#include "Messenger.h"

#include <QDebug>

#include "PromptTexts.h"

namespace {

// Stands in when no prompt is installed, so a missing seam never crashes.
class NullProgress : public ProgressReporter {
public:
    void setValue(int) override {}
    void hide() override {}
};

}  // namespace

Messenger::Messenger(Prompt* prompt, QWidget* parent) : prompt_(prompt), parent_(parent) {}

QString Messenger::filled(const QString& pattern, const QStringList& a) {
    switch (a.size()) {
        case 0:
            return pattern;
        case 1:
            return pattern.arg(a[0]);
        case 2:
            return pattern.arg(a[0], a[1]);
        case 3:
            return pattern.arg(a[0], a[1], a[2]);
        default:
            return pattern.arg(a[0], a[1], a[2], a[3]);
    }
}

QString Messenger::text(const BilingualText& text, const QStringList& arguments) const {
    return filled(text.in(chinese_), arguments);
}

void Messenger::tip(const BilingualText& text, const QStringList& arguments) const {
    tip(parent_, text, arguments);
}

void Messenger::tip(QWidget* parent, const BilingualText& text,
                    const QStringList& arguments) const {
    if (!prompt_) {
        qWarning() << "no prompt installed:" << this->text(text, arguments);
        return;
    }
    prompt_->information(parent, this->text(PromptText::Tip), this->text(text, arguments));
}

void Messenger::error(const BilingualText& text, const QStringList& arguments) const {
    if (!prompt_) {
        qWarning() << "no prompt installed:" << this->text(text, arguments);
        return;
    }
    prompt_->information(parent_, this->text(PromptText::Error), this->text(text, arguments));
}

void Messenger::chineseTip(const BilingualText& text) const {
    if (!prompt_) {
        qWarning() << "no prompt installed:" << text.in(true);
        return;
    }
    prompt_->information(nullptr, PromptText::Tip.in(true), text.in(true));
}

bool Messenger::ask(const BilingualText& text, const QStringList& arguments) const {
    if (!prompt_) {
        qWarning() << "no prompt installed, answering No:" << this->text(text, arguments);
        return false;
    }
    return prompt_->question(parent_, this->text(PromptText::Tip), this->text(text, arguments));
}

Prompt::SeriesAnswer Messenger::askSeries(const BilingualText& text,
                                          const QStringList& arguments) const {
    if (!prompt_) {
        qWarning() << "no prompt installed, answering No:" << this->text(text, arguments);
        return Prompt::SeriesAnswer::No;
    }
    return prompt_->seriesQuestion(parent_, this->text(PromptText::Tip),
                                   this->text(text, arguments));
}

QString Messenger::saveFileName(const BilingualText& caption, const QString& proposedName,
                                const QString& filter) const {
    return prompt_ ? prompt_->saveFileName(parent_, text(caption), proposedName, filter)
                   : QString();
}

QString Messenger::openFileName(const BilingualText& caption, const QString& directory,
                                const QString& filter) const {
    return prompt_ ? prompt_->openFileName(parent_, text(caption), directory, filter) : QString();
}

QString Messenger::saveFileName(const BilingualText& caption, const QString& proposedName,
                                const QString& filters, QString* selectedFilter) const {
    return prompt_ ? prompt_->saveFileNameWithFilter(parent_, text(caption), proposedName, filters,
                                                     selectedFilter)
                   : QString();
}

QString Messenger::openFileName(const BilingualText& caption, const QString& directory,
                                const QString& filters, QString* selectedFilter) const {
    return prompt_ ? prompt_->openFileNameWithFilter(parent_, text(caption), directory, filters,
                                                     selectedFilter)
                   : QString();
}

std::unique_ptr<ProgressReporter> Messenger::progress(const BilingualText& label, int minimum,
                                                      int maximum) const {
    if (!prompt_)
        return std::make_unique<NullProgress>();
    return prompt_->progress(parent_, text(label), text(PromptText::Cancel), minimum, maximum);
}

int Messenger::choose(const BilingualText& title, const QList<BilingualText>& columns,
                      const QList<QStringList>& rows, const BilingualText& accept) const {
    if (!prompt_) {
        qWarning() << "no prompt installed, cancelling:" << text(title);
        return -1;
    }
    QStringList headers;
    for (const BilingualText& column : columns)
        headers << text(column);
    return prompt_->choice(parent_, text(title), headers, rows, text(accept),
                           text(PromptText::Cancel));
}
