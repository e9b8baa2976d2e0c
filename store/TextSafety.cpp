// SPDX-License-Identifier: MIT
#include "store/TextSafety.h"

namespace colorcard {

namespace TextSafety {

bool isUnsafe(QChar c) {
    const ushort u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x061C || u == 0x200E || u == 0x200F ||
           (u >= 0x2028 && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

bool hasUnsafe(const QString& text) {
    for (const QChar c : text)
        if (isUnsafe(c))
            return true;
    return false;
}

namespace {

QString escaped(const QString& text, bool json) {
    if (!hasUnsafe(text))
        return text;
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        // JSON text escapes C0 inside its strings itself: what is left of
        // it is the layout's own white space.
        if (!isUnsafe(c) || (json && c.unicode() < 0x20))
            out += c;
        else if (!json && c.unicode() < 0x100)
            out += QStringLiteral("\\x") +
                   QString::number(c.unicode(), 16).rightJustified(2, QLatin1Char('0')).toUpper();
        else
            out += QStringLiteral("\\u") +
                   QString::number(c.unicode(), 16).rightJustified(4, QLatin1Char('0')).toUpper();
    }
    return out;
}

}  // namespace

QString visible(const QString& text) {
    return escaped(text, false);
}

QString jsonVisible(const QString& json) {
    return escaped(json, true);
}

}  // namespace TextSafety

}  // namespace colorcard
