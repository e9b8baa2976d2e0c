// SPDX-License-Identifier: MIT
#include "compat/QtCompat.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTextStream>
#include <QtGlobal>

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QStringDecoder>
#else
#include <QTextCodec>
#endif

namespace colorcard {

namespace QtCompat {

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)

// Qt 6 decodes the encodings its own converters lack (GBK) through ICU,
// which yields what Qt 5's codecs did for every byte sequence.
QString decodeStrictly(const QByteArray& bytes, const char* encoding) {
    // Stateless: an unfinished sequence at the end is an error, not kept for more bytes.
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return QString();
    const QString text = decoder.decode(bytes);
    if (decoder.hasError() || text.contains(QChar(0xFFFD)))
        return QString();
    return text.isNull() ? QString(QLatin1String("")) : text;
}

QString decode(const QByteArray& bytes, const char* encoding) {
    QStringDecoder decoder(encoding);
    if (!decoder.isValid())
        return QString::fromUtf8(bytes);
    return decoder.decode(bytes);
}

void enableHighDpi() {}

QString qtTranslationsPath() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

void setUtf8(QTextStream& stream) {
    stream.setEncoding(QStringConverter::Utf8);
}

#else

QString decodeStrictly(const QByteArray& bytes, const char* encoding) {
    QTextCodec* codec = QTextCodec::codecForName(encoding);
    if (!codec)
        return QString();
    QTextCodec::ConverterState state;
    const QString text = codec->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars != 0 || state.remainingChars != 0 || text.contains(QChar(0xFFFD)))
        return QString();
    return text.isNull() ? QString(QLatin1String("")) : text;
}

QString decode(const QByteArray& bytes, const char* encoding) {
    QTextCodec* codec = QTextCodec::codecForName(encoding);
    return codec ? codec->toUnicode(bytes) : QString::fromUtf8(bytes);
}

void enableHighDpi() {
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
}

QString qtTranslationsPath() {
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
}

void setUtf8(QTextStream& stream) {
    stream.setCodec("UTF-8");
}

#endif

}  // namespace QtCompat

}  // namespace colorcard
