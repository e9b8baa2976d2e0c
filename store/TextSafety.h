// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace colorcard {

// Characters a name must not hold, and how to show text that might: control
// characters (C0 with tab, line breaks, ESC and NUL; DEL; C1, whose 0x9B a
// terminal takes for an escape sequence), line and paragraph separators and
// the marks, embeddings, overrides and isolates that reorder bidirectional
// text, which make a name look like another one.
namespace TextSafety {

bool isUnsafe(QChar c);
bool hasUnsafe(const QString& text);

// The text with every unsafe character written as \xHH or \uHHHH, for a
// message or a terminal.
QString visible(const QString& text);

// JSON text (as QJsonDocument writes it) with the unsafe characters it leaves
// raw written as \uHHHH escapes: the same JSON values, safe for a terminal.
QString jsonVisible(const QString& json);

}  // namespace TextSafety

}  // namespace colorcard
