// SPDX-License-Identifier: MIT
#include "workspace/InputGuide.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QValidator>

#include "prompt/Messenger.h"
#include "texts/GuidanceTexts.h"

namespace colorcard {

namespace {

const char* const kCountStyle = "color: rgb(120, 120, 120); background: transparent;";
const char* const kOverStyle = "color: rgb(200, 0, 0); background: transparent;";
const char* const kHintStyle =
    "QLabel { background: rgb(255, 248, 225); color: rgb(110, 70, 0);"
    " border: 1px solid rgb(224, 168, 0); padding: 4px; }";
constexpr int kCountGap = 4;
constexpr int kHintMs = 5000;

}  // namespace

InputGuide::InputGuide(QLineEdit* field, CurrentLanguage language, bool counted)
    : QObject(field), field_(field), watchedField_(field), language_(std::move(language)) {
    field->installEventFilter(this);
    connect(field, &QLineEdit::inputRejected, this, &InputGuide::refused);
    // A hint is about the last thing typed: the next change takes it away.
    connect(field, &QLineEdit::textChanged, this, &InputGuide::hideHint);
    hintTimer_ = new QTimer(this);
    hintTimer_->setSingleShot(true);
    connect(hintTimer_, &QTimer::timeout, this, &InputGuide::hideHint);
    if (!counted)
        return;
    limit_ = field->maxLength();
    count_ = new QLabel(field);
    count_->setObjectName(QStringLiteral("label_inputCount"));
    count_->setAttribute(Qt::WA_TransparentForMouseEvents);
    count_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(field, &QLineEdit::textChanged, this, &InputGuide::updateCount);
    updateCount();
}

InputGuide* InputGuide::of(const QLineEdit* field) {
    return field ? field->findChild<InputGuide*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void InputGuide::setLimit(int limit) {
    if (limit_ == limit)
        return;
    limit_ = limit;
    updateCount();
}

QString InputGuide::countText() const {
    return count_ ? count_->text() : QString();
}

bool InputGuide::overLimit() const {
    return count_ && field_ && field_->text().length() > limit_;
}

bool InputGuide::countShown() const {
    return count_ && !count_->isHidden();
}

void InputGuide::updateCount() {
    if (!count_ || !field_)
        return;
    count_->setText(QStringLiteral("%1/%2").arg(field_->text().length()).arg(limit_));
    count_->setStyleSheet(QLatin1String(overLimit() ? kOverStyle : kCountStyle));
    // An empty field leaves its whole width to the placeholder, which says
    // what may be typed; the count comes with the first character.
    count_->setHidden(field_->text().isEmpty() && !field_->placeholderText().isEmpty());
    placeCount();
}

void InputGuide::placeCount() {
    // The widest count this field can show keeps the text clear of it.
    const QString widest = QStringLiteral("%1/%1").arg(qMax(limit_, field_->maxLength()));
    const int width =
        countShown() ? count_->fontMetrics().horizontalAdvance(widest) + 2 * kCountGap : 0;
    QMargins margins = field_->textMargins();
    if (margins.right() != width) {
        margins.setRight(width);
        field_->setTextMargins(margins);
    }
    count_->setGeometry(field_->width() - width, 0, qMax(0, width - kCountGap), field_->height());
}

QString InputGuide::refusedCharacters(const QString& text) const {
    const QValidator* validator = field_ ? field_->validator() : nullptr;
    QString refused;
    if (!validator)
        return refused;
    for (const QChar c : text) {
        QString single(c);
        int position = 0;
        if (c.isPrint() && validator->validate(single, position) == QValidator::Invalid &&
            !refused.contains(c))
            refused += c;
    }
    return refused;
}

void InputGuide::refused() {
    if (!field_)
        return;
    const QString characters = refusedCharacters(attempted_);
    if (!characters.isEmpty())
        showHint(GuidanceText::CharacterRefused, {characters});
    else if (field_->text().length() >= field_->maxLength())
        showHint(GuidanceText::FieldFull, {QString::number(field_->maxLength())});
    else
        showHint(GuidanceText::CharactersRefused);
}

void InputGuide::showHint(const BilingualText& text, const QStringList& arguments) {
    lastHint_ = Messenger::filled(text.in(language_ ? language_() : Language()), arguments);
    if (field_ && field_->isVisible()) {
        // A label of its own rather than the tooltip, which the next key
        // release would take away before it could be read.
        if (!hint_) {
            hint_ = new QLabel(field_, Qt::ToolTip | Qt::FramelessWindowHint);
            hint_->setObjectName(QStringLiteral("label_inputHint"));
            // Its own look, a note of caution, whatever the theme does to labels.
            hint_->setStyleSheet(QLatin1String(kHintStyle));
        }
        hint_->setText(lastHint_);
        hint_->adjustSize();
        hint_->move(field_->mapToGlobal(QPoint(0, field_->height() + 2)));
        hint_->show();
        hint_->raise();
        hintTimer_->start(kHintMs);
    }
    emit hinted(lastHint_);
}

bool InputGuide::hintShown() const {
    return hint_ && hint_->isVisible();
}

void InputGuide::hideHint() {
    hintTimer_->stop();
    if (hint_)
        hint_->hide();
}

bool InputGuide::eventFilter(QObject* watched, QEvent* event) {
    if (watched != watchedField_ || !qobject_cast<QLineEdit*>(watched))
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            attempted_ = key->matches(QKeySequence::Paste) ? QGuiApplication::clipboard()->text()
                                                           : key->text();
            break;
        }
        case QEvent::InputMethod:
            attempted_ = static_cast<QInputMethodEvent*>(event)->commitString();
            break;
        case QEvent::Resize:
            if (count_)
                placeCount();
            break;
        case QEvent::FocusOut:
        case QEvent::Hide:
            hideHint();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace colorcard
