// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace colorcard {

// Request headers of the meter messages and little-endian fields of their
// replies. Reading outside the bytes gives 0 rather than undefined data.
class FrameBytes {
public:
    static constexpr quint8 StartByte = 0xAB;

    // 8 bytes: AB, function, 32-bit address, 16-bit length.
    static QByteArray longHeader(quint8 function, quint32 address, quint16 length);
    // 6 bytes: AB, function, 16-bit address, 16-bit length.
    static QByteArray shortHeader(quint8 function, quint16 address, quint16 length);
    // Appends value low byte first.
    static void appendWord(QByteArray& bytes, quint16 value);

    static quint8 byteAt(const QByteArray& bytes, int offset);
    static quint16 wordAt(const QByteArray& bytes, int offset);
    static qint16 signedWordAt(const QByteArray& bytes, int offset);
    static quint32 longAt(const QByteArray& bytes, int offset);
};

}  // namespace colorcard
