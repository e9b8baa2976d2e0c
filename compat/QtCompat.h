// SPDX-License-Identifier: MIT
#pragma once

// What Qt 5 and Qt 6 spell differently, spelled once here, so the rest of
// the code builds against either (COLORCARD_QT_MAJOR).

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QtGlobal>

class QTextStream;

namespace colorcard {

namespace QtCompat {

// bytes decoded from encoding, named as Qt names it ("UTF-8", "GBK"); a null
// string when they are not valid in it (an invalid or unfinished sequence),
// an empty one for no bytes. A leading UTF-8 byte order mark is dropped.
QString decodeStrictly(const QByteArray& bytes, const char* encoding);

// bytes decoded from encoding, invalid sequences replaced by U+FFFD and an
// unfinished one at the end dropped; UTF-8 when Qt does not know encoding.
QString decode(const QByteArray& bytes, const char* encoding);

// Sizes follow the screen's scale and pixmaps come in its resolution (always
// so in Qt 6). Only takes effect before the application object exists.
void enableHighDpi();

// Where Qt's own translations (qt_zh_CN.qm) are installed.
QString qtTranslationsPath();

// The stream writes UTF-8 whatever the locale's encoding (Qt 6 always does).
void setUtf8(QTextStream& stream);

// Where a mouse event happened on the screen. A template, so that this
// header needs no Qt GUI header: callers include <QMouseEvent>.
template <typename MouseEvent>
QPoint globalPoint(const MouseEvent& event) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event.globalPosition().toPoint();
#else
    return event.globalPos();
#endif
}

}  // namespace QtCompat

}  // namespace colorcard
