// SPDX-License-Identifier: MIT
#include "prompt/Messenger.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "texts/PromptTexts.h"

namespace colorcard {

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
    return filled(text.in(language_), arguments);
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
        qWarning() << "no prompt installed:" << text.in(Language::chinese());
        return;
    }
    prompt_->information(nullptr, PromptText::Tip.in(Language::chinese()),
                         text.in(Language::chinese()));
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

bool Messenger::askRisky(const BilingualText& text, const QStringList& arguments) const {
    return askRiskyComposed(this->text(text, arguments));
}

Prompt::SeriesAnswer Messenger::askSeriesRisky(const BilingualText& text,
                                               const QStringList& arguments) const {
    return askSeriesRiskyComposed(this->text(text, arguments));
}

Prompt::Answer Messenger::askOrCancel(const BilingualText& text,
                                      const QStringList& arguments) const {
    return askOrCancelComposed(this->text(text, arguments));
}

bool Messenger::askRetry(const BilingualText& text, const QStringList& arguments) const {
    if (!prompt_) {
        qWarning() << "no prompt installed, cancelling:" << this->text(text, arguments);
        return false;
    }
    return prompt_->retryOrCancel(parent_, this->text(PromptText::Tip),
                                  this->text(text, arguments));
}

QString Messenger::askPassword(const BilingualText& title, const BilingualText& text,
                               const QStringList& arguments, const BilingualText& rememberText,
                               bool* remember) const {
    if (remember)
        *remember = false;
    if (!prompt_) {
        qWarning() << "no prompt installed, cancelling:" << this->text(text, arguments);
        return {};
    }
    return prompt_->password(parent_, this->text(title), this->text(text, arguments),
                             remember ? this->text(rememberText) : QString(), remember);
}

void Messenger::tipComposed(const QString& text) const {
    if (!prompt_) {
        qWarning() << "no prompt installed:" << text;
        return;
    }
    prompt_->information(parent_, this->text(PromptText::Tip), text);
}

bool Messenger::askRiskyComposed(const QString& text) const {
    if (!prompt_) {
        qWarning() << "no prompt installed, answering No:" << text;
        return false;
    }
    return prompt_->riskyQuestion(parent_, this->text(PromptText::Tip), text);
}

Prompt::SeriesAnswer Messenger::askSeriesRiskyComposed(const QString& text) const {
    if (!prompt_) {
        qWarning() << "no prompt installed, answering No:" << text;
        return Prompt::SeriesAnswer::No;
    }
    return prompt_->riskySeriesQuestion(parent_, this->text(PromptText::Tip), text);
}

Prompt::Answer Messenger::askOrCancelComposed(const QString& text) const {
    if (!prompt_) {
        qWarning() << "no prompt installed, cancelling:" << text;
        return Prompt::Answer::Cancel;
    }
    return prompt_->questionWithCancel(parent_, this->text(PromptText::Tip), text);
}

QString Messenger::paragraphs(const QStringList& texts) const {
    QStringList kept;
    for (const QString& text : texts)
        if (!text.isEmpty())
            kept << text;
    return kept.join(QStringLiteral("\n\n"));
}

void Messenger::status(const BilingualText& text, const QStringList& arguments) const {
    if (!prompt_) {
        qWarning() << "no prompt installed:" << this->text(text, arguments);
        return;
    }
    prompt_->status(parent_, this->text(text, arguments));
}

QString Messenger::startDirectory() const {
    if (!lastDirectory_.isEmpty() && QFileInfo(lastDirectory_).isDir())
        return lastDirectory_;
    // Never the program's own folder, where the templates lie.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString Messenger::inStartDirectory(const QString& proposedName) const {
    if (proposedName.isEmpty() || QFileInfo(proposedName).isAbsolute())
        return proposedName;
    return QDir(startDirectory()).filePath(proposedName);
}

QString Messenger::opening(const QString& directory) const {
    // "./" is where the dialogs used to open: the working directory.
    if (directory.isEmpty() || directory == QLatin1String("./") || directory == QLatin1String("."))
        return startDirectory();
    return directory;
}

QString Messenger::chosen(const QString& fileName) const {
    if (!fileName.isEmpty())
        lastDirectory_ = QFileInfo(fileName).absolutePath();
    return fileName;
}

QString Messenger::saveFileName(const BilingualText& caption, const QString& proposedName,
                                const QString& filter) const {
    return prompt_ ? chosen(prompt_->saveFileName(parent_, text(caption),
                                                  inStartDirectory(proposedName), filter))
                   : QString();
}

QString Messenger::openFileName(const BilingualText& caption, const QString& directory,
                                const QString& filter) const {
    return prompt_
               ? chosen(prompt_->openFileName(parent_, text(caption), opening(directory), filter))
               : QString();
}

QString Messenger::saveFileName(const BilingualText& caption, const QString& proposedName,
                                const QString& filters, QString* selectedFilter) const {
    return prompt_ ? chosen(prompt_->saveFileNameWithFilter(parent_, text(caption),
                                                            inStartDirectory(proposedName), filters,
                                                            selectedFilter))
                   : QString();
}

QString Messenger::openFileName(const BilingualText& caption, const QString& directory,
                                const QString& filters, QString* selectedFilter) const {
    return prompt_ ? chosen(prompt_->openFileNameWithFilter(
                         parent_, text(caption), opening(directory), filters, selectedFilter))
                   : QString();
}

Prompt::PrintResult Messenger::print(const BilingualText& title,
                                     const Prompt::PagePainter& paint) const {
    return prompt_ ? prompt_->print(parent_, text(title), paint) : Prompt::PrintResult::Cancelled;
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

}  // namespace colorcard
