// SPDX-License-Identifier: MIT
#include "exchange/CheckCodes.h"

#include <QByteArray>

#include "checksum/Crc16.h"

namespace colorcard {

namespace {

void appendLittleEndian16(QByteArray& bytes, int value) {
    bytes.append(static_cast<char>(value & 0xFF));
    bytes.append(static_cast<char>((value >> 8) & 0xFF));
}

// Zero fill by UTF-16 code units, as the workbooks written so far were built.
void appendPaddedText(QByteArray& bytes, const QString& text) {
    bytes.append(text.toUtf8());
    const int fill = 16 - text.size();
    if (fill > 0)
        bytes.append(QByteArray(fill, '\0'));
}

}  // namespace

quint16 dataCheckCode(const QVariantList& values) {
    QByteArray bytes;
    bytes.reserve(values.size() * 2);
    for (const QVariant& value : values) {
        bool ok = false;
        double number = value.toDouble(&ok);
        if (!ok)
            number = 0.0;
        // Rounded through fixed notation, as the stored workbooks expect.
        const int hundredths = QString::number(number * 100.0, 'f', 0).toInt();
        appendLittleEndian16(bytes, hundredths);
    }
    return crc16(bytes, bytes.size());
}

quint16 infoCheckCode(const QString& name, const QString& description, int colorCount,
                      int dataCheck) {
    QByteArray bytes;
    appendPaddedText(bytes, name);
    appendPaddedText(bytes, description);
    appendLittleEndian16(bytes, colorCount);
    appendLittleEndian16(bytes, dataCheck);
    return crc16(bytes, 36);
}

}  // namespace colorcard
