// SPDX-License-Identifier: MIT
#include "tests/support/ScriptedPrompt.h"

#include <QPainter>
#include <QPdfWriter>

namespace colorcard {

namespace {

class RecordingProgress : public ProgressReporter {
public:
    RecordingProgress(QList<ScriptedPrompt::Event>& events, int index)
        : events_(events), index_(index) {}
    void setValue(int value) override {
        if (index_ < events_.size())
            events_[index_].values.append(value);
    }
    void hide() override {
        if (index_ < events_.size())
            events_[index_].hidden = true;
    }

private:
    QList<ScriptedPrompt::Event>& events_;
    int index_;
};

ScriptedPrompt::Event makeEvent(ScriptedPrompt::Kind kind, const QString& title,
                                const QString& text, QWidget* parent) {
    ScriptedPrompt::Event e;
    e.kind = kind;
    e.title = title;
    e.text = text;
    e.parent = parent;
    return e;
}

}  // namespace

void ScriptedPrompt::information(QWidget* parent, const QString& title, const QString& text) {
    events.append(makeEvent(Kind::Information, title, text, parent));
}

bool ScriptedPrompt::question(QWidget* parent, const QString& title, const QString& text) {
    events.append(makeEvent(Kind::Question, title, text, parent));
    if (answers.isEmpty()) {
        ++unscripted;
        return false;
    }
    return answers.dequeue();
}

Prompt::SeriesAnswer ScriptedPrompt::seriesQuestion(QWidget* parent, const QString& title,
                                                    const QString& text) {
    events.append(makeEvent(Kind::SeriesQuestion, title, text, parent));
    if (seriesAnswers.isEmpty()) {
        ++unscripted;
        return SeriesAnswer::No;
    }
    return seriesAnswers.dequeue();
}

bool ScriptedPrompt::riskyQuestion(QWidget* parent, const QString& title, const QString& text) {
    const bool yes = question(parent, title, text);
    events.last().noByDefault = true;
    return yes;
}

Prompt::SeriesAnswer ScriptedPrompt::riskySeriesQuestion(QWidget* parent, const QString& title,
                                                         const QString& text) {
    const SeriesAnswer answer = seriesQuestion(parent, title, text);
    events.last().noByDefault = true;
    return answer;
}

Prompt::Answer ScriptedPrompt::questionWithCancel(QWidget* parent, const QString& title,
                                                  const QString& text) {
    Event e = makeEvent(Kind::Question, title, text, parent);
    e.withCancel = true;
    events.append(e);
    if (!cancelAnswers.isEmpty())
        return cancelAnswers.dequeue();
    if (!answers.isEmpty())
        return answers.dequeue() ? Answer::Yes : Answer::No;
    ++unscripted;
    return Answer::No;
}

void ScriptedPrompt::status(QWidget* parent, const QString& text) {
    events.append(makeEvent(Kind::Status, QString(), text, parent));
}

const ScriptedPrompt::Event* ScriptedPrompt::lastQuestion() const {
    for (int i = events.size() - 1; i >= 0; --i)
        if (events[i].kind == Kind::Question || events[i].kind == Kind::SeriesQuestion)
            return &events[i];
    return nullptr;
}

QString ScriptedPrompt::saveFileName(QWidget* parent, const QString& caption,
                                     const QString& proposedName, const QString& filter) {
    Event e = makeEvent(Kind::SaveFile, caption, proposedName, parent);
    e.filter = filter;
    events.append(e);
    if (fileNames.isEmpty()) {
        ++unscripted;
        return QString();
    }
    return fileNames.dequeue();
}

QString ScriptedPrompt::openFileName(QWidget* parent, const QString& caption,
                                     const QString& directory, const QString& filter) {
    Event e = makeEvent(Kind::OpenFile, caption, directory, parent);
    e.filter = filter;
    events.append(e);
    if (fileNames.isEmpty()) {
        ++unscripted;
        return QString();
    }
    return fileNames.dequeue();
}

QString ScriptedPrompt::saveFileNameWithFilter(QWidget* parent, const QString& caption,
                                               const QString& proposedName, const QString& filters,
                                               QString* selectedFilter) {
    const QString chosen = selectedFilters.isEmpty() ? filters.section(QStringLiteral(";;"), 0, 0)
                                                     : selectedFilters.dequeue();
    if (selectedFilter)
        *selectedFilter = chosen;
    return saveFileName(parent, caption, proposedName, filters);
}

QString ScriptedPrompt::openFileNameWithFilter(QWidget* parent, const QString& caption,
                                               const QString& directory, const QString& filters,
                                               QString* selectedFilter) {
    const QString chosen = selectedFilters.isEmpty() ? filters.section(QStringLiteral(";;"), 0, 0)
                                                     : selectedFilters.dequeue();
    if (selectedFilter)
        *selectedFilter = chosen;
    return openFileName(parent, caption, directory, filters);
}

std::unique_ptr<ProgressReporter> ScriptedPrompt::progress(QWidget* parent, const QString& label,
                                                           const QString& cancelText, int minimum,
                                                           int maximum) {
    Event e = makeEvent(Kind::Progress, QString(), label, parent);
    e.minimum = minimum;
    e.maximum = maximum;
    e.cancelText = cancelText;
    events.append(e);
    return std::make_unique<RecordingProgress>(events, events.size() - 1);
}

int ScriptedPrompt::choice(QWidget* parent, const QString& title, const QStringList& columns,
                           const QList<QStringList>& rows, const QString& acceptText,
                           const QString& cancelText) {
    Event e = makeEvent(Kind::Choice, title, acceptText, parent);
    e.cancelText = cancelText;
    e.columns = columns;
    e.rows = rows;
    events.append(e);
    if (choices.isEmpty()) {
        ++unscripted;
        return -1;
    }
    return choices.dequeue();
}

QString ScriptedPrompt::password(QWidget* parent, const QString& title, const QString& text,
                                 const QString& rememberText, bool* remember) {
    Event e = makeEvent(Kind::Password, title, text, parent);
    e.rememberText = rememberText;
    events.append(e);
    const bool tick = !rememberTicks.isEmpty() && rememberTicks.dequeue();
    if (remember)
        *remember = tick && !rememberText.isEmpty();
    if (passwords.isEmpty()) {
        ++unscripted;
        return {};
    }
    return passwords.dequeue();
}

Prompt::PrintResult ScriptedPrompt::print(QWidget* parent, const QString& title,
                                          const PagePainter& paint) {
    Event e = makeEvent(Kind::Print, title, QString(), parent);
    if (printFiles.isEmpty()) {
        events.append(e);
        ++unscripted;
        return PrintResult::Cancelled;
    }
    e.text = printFiles.dequeue();
    events.append(e);
    QPdfWriter pdf(e.text);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
    pdf.setResolution(300);
    pdf.setTitle(title);
    QPainter painter;
    if (!painter.begin(&pdf))
        return PrintResult::Failed;
    const bool painted = paint(pdf, painter);
    painter.end();
    return painted ? PrintResult::Printed : PrintResult::Failed;
}

const ScriptedPrompt::Event* ScriptedPrompt::lastChoice() const {
    for (int i = events.size() - 1; i >= 0; --i)
        if (events[i].kind == Kind::Choice)
            return &events[i];
    return nullptr;
}

QStringList ScriptedPrompt::texts(Kind kind) const {
    QStringList result;
    for (const Event& e : events)
        if (e.kind == kind)
            result << e.text;
    return result;
}

const ScriptedPrompt::Event* ScriptedPrompt::lastProgress() const {
    for (int i = events.size() - 1; i >= 0; --i)
        if (events[i].kind == Kind::Progress)
            return &events[i];
    return nullptr;
}

void ScriptedPrompt::clear() {
    events.clear();
    unscripted = 0;
}

}  // namespace colorcard
