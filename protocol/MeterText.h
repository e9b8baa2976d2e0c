// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace colorcard {

// Library names and descriptions in the meter are UTF-8 when this program
// wrote them and GB2312 when older software did, with nothing in the record
// to tell which. Many GB2312 names are also valid UTF-8 (D7 BC C9 AB, "准色",
// reads as "׼ɫ"), so UTF-8 is taken only when it yields text a name is made
// of; bytes that cannot be GB2312 are still read as UTF-8.
//
// bytes: the field up to (not including) its first zero byte.
QString decodeMeterLibraryText(const QByteArray& bytes);

// ASCII, CJK ideographs (basic plane), CJK symbols and punctuation, and
// full-width forms: what a name reads as, and what GB2312 bytes misread as
// UTF-8 almost never decode to.
bool isPlausibleNameText(const QString& text);

}  // namespace colorcard
