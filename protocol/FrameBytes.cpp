// SPDX-License-Identifier: MIT
#include "protocol/FrameBytes.h"

namespace colorcard {

QByteArray FrameBytes::longHeader(quint8 function, quint32 address, quint16 length) {
    QByteArray header;
    header.reserve(8);
    header.append(char(StartByte)).append(char(function));
    appendWord(header, quint16(address & 0xFFFF));
    appendWord(header, quint16(address >> 16));
    appendWord(header, length);
    return header;
}

QByteArray FrameBytes::shortHeader(quint8 function, quint16 address, quint16 length) {
    QByteArray header;
    header.reserve(6);
    header.append(char(StartByte)).append(char(function));
    appendWord(header, address);
    appendWord(header, length);
    return header;
}

void FrameBytes::appendWord(QByteArray& bytes, quint16 value) {
    bytes.append(char(value & 0xFF)).append(char(value >> 8));
}

quint8 FrameBytes::byteAt(const QByteArray& bytes, int offset) {
    return offset >= 0 && offset < bytes.size() ? quint8(bytes.at(offset)) : 0;
}

quint16 FrameBytes::wordAt(const QByteArray& bytes, int offset) {
    return quint16(byteAt(bytes, offset) | (byteAt(bytes, offset + 1) << 8));
}

qint16 FrameBytes::signedWordAt(const QByteArray& bytes, int offset) {
    return qint16(wordAt(bytes, offset));
}

quint32 FrameBytes::longAt(const QByteArray& bytes, int offset) {
    return quint32(wordAt(bytes, offset)) | (quint32(wordAt(bytes, offset + 2)) << 16);
}

}  // namespace colorcard
