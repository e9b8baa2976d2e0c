// SPDX-License-Identifier: MIT
#include "store/CsvCell.h"

namespace colorcard {

namespace CsvCell {

namespace {

bool startsFormula(const QString& text) {
    if (text.isEmpty())
        return false;
    const QChar first = text.at(0);
    if (first == QLatin1Char('=') || first == QLatin1Char('@') || first == QLatin1Char('\t') ||
        first == QLatin1Char('\r'))
        return true;
    if (first != QLatin1Char('+') && first != QLatin1Char('-'))
        return false;
    bool number = false;
    text.toDouble(&number);
    return !number;
}

// A text that needs the guard: one a spreadsheet takes for a formula, and
// one that only looks guarded (apostrophes before such a text), so that
// taking one apostrophe off on import is always right.
bool needsGuard(const QString& text) {
    int quotes = 0;
    while (quotes < text.size() && text.at(quotes) == QLatin1Char('\''))
        ++quotes;
    return startsFormula(quotes == 0 ? text : text.mid(quotes));
}

}  // namespace

QString guarded(const QString& text) {
    return needsGuard(text) ? QLatin1Char('\'') + text : text;
}

QString field(const QString& text) {
    const QString cell = guarded(text);
    const bool quote = cell.contains(QLatin1Char(',')) || cell.contains(QLatin1Char('"')) ||
                       cell.contains(QLatin1Char('\n')) || cell.contains(QLatin1Char('\r')) ||
                       cell.startsWith(QLatin1Char(' ')) || cell.endsWith(QLatin1Char(' '));
    if (!quote)
        return cell;
    return QLatin1Char('"') + QString(cell).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

QString unguarded(const QString& text) {
    if (text.startsWith(QLatin1Char('\'')) && needsGuard(text.mid(1)))
        return text.mid(1);
    return text;
}

}  // namespace CsvCell

}  // namespace colorcard
