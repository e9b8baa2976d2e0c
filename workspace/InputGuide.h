// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "texts/BilingualText.h"
#include "texts/Language.h"

class QLabel;
class QLineEdit;
class QTimer;

namespace colorcard {

// Makes the limits of a line edit visible where the user types: a count such
// as "7/10" inside its right edge, and a hint at the field when a character
// is refused (by its validator or its maximum length) instead of dropping it
// silently. What the field accepts stays exactly as it was.
class InputGuide : public QObject {
    Q_OBJECT
public:
    // The language of the hints, asked each time one is shown.
    using CurrentLanguage = std::function<Language()>;

    // counted: show the count, against the field's maximum length until
    // setLimit() says otherwise. The guide belongs to the field.
    InputGuide(QLineEdit* field, CurrentLanguage language, bool counted = true);

    // The most characters the count shows, which may be below the field's
    // maximum length when another rule limits it further.
    void setLimit(int limit);
    int limit() const { return limit_; }
    // The count ("" when not counted), whether it is shown (not while an
    // empty field shows its placeholder) and whether it is over its limit.
    QString countText() const;
    bool countShown() const;
    bool overLimit() const;
    // Shows a hint just below the field for a few seconds, until the text
    // changes or the field loses focus, and keeps it as the last one.
    void showHint(const BilingualText& text, const QStringList& arguments = {});
    QString lastHint() const { return lastHint_; }
    bool hintShown() const;

    // The guide of a field, null when it has none.
    static InputGuide* of(const QLineEdit* field);

signals:
    void hinted(const QString& hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateCount();
    void hideHint();
    void placeCount();
    void refused();
    // The characters of text the field's validator refuses on their own.
    QString refusedCharacters(const QString& text) const;

    QPointer<QLineEdit> field_;
    // For identity only: the field's last events arrive while it is half destroyed.
    const QObject* const watchedField_;
    QLabel* count_ = nullptr;
    QPointer<QLabel> hint_;
    QTimer* hintTimer_ = nullptr;
    CurrentLanguage language_;
    int limit_ = 0;
    // What the last key press, paste or input method tried to insert.
    QString attempted_;
    QString lastHint_;
};

}  // namespace colorcard
