// SPDX-License-Identifier: MIT
#include "protocol/StdCardMessages.h"

#include "checksum/Crc16.h"
#include "protocol/FrameBytes.h"
#include "protocol/FrameLayer.h"
#include "protocol/MeterText.h"

namespace colorcard {

namespace {

constexpr quint8 ReadMemory = 0x40;
constexpr quint8 WriteRecord = 0x70;
constexpr quint8 WriteData = 0x74;
constexpr int WriteTimeoutMs = 1000;
constexpr int ReplyTimeoutMs = 6000;
constexpr int HeaderSize = 8;
constexpr int AckLength = 10;
constexpr int InfoDataLength = 38;
constexpr int MaxFrameData = 0xFFFF;

QByteArray zeroTerminated(const QByteArray& field, int width) {
    const QByteArray bytes = field.left(width);
    const int end = bytes.indexOf('\0');
    return end < 0 ? bytes : bytes.left(end);
}

}  // namespace

StdCardMessages::StdCardMessages(FrameLayer& frames) : frames_(frames) {}

// Reads and record writes are idempotent: one that got no reply after the
// quick flush is sent once more, after the full flush.
template <typename Exchange>
MeterResult StdCardMessages::retriedOnce(Exchange exchange) {
    MeterResult result = exchange();
    if (result == MeterResult::NoReply && frames_.lastFlushWasQuick())
        result = exchange();
    return result;
}

// A read request carries the CRC of its header as part of the body; the frame
// layer adds the frame CRC over both, which comes out as 00 00.
MeterResult StdCardMessages::readMemory(const QByteArray& header, int replyLength,
                                        QByteArray& reply) {
    QByteArray request = header;
    FrameBytes::appendWord(request, crc16(header, header.size()));
    return retriedOnce([&] {
        QByteArray frame = request;
        if (frames_.sendFrame(frame, WriteTimeoutMs) < HeaderSize + 2)
            return MeterResult::NotWritten;
        reply.clear();
        if (frames_.receiveFrame(reply, ReplyTimeoutMs, replyLength, true) <= 0)
            return MeterResult::NoReply;
        return MeterResult::Ok;
    });
}

MeterResult StdCardMessages::readStdCardTotal(int& total) {
    QByteArray reply;
    const MeterResult result =
        readMemory(FrameBytes::longHeader(ReadMemory, TotalAddress, 4), 14, reply);
    if (result != MeterResult::Ok)
        return result;
    if (FrameBytes::byteAt(reply, 2) != 0x00 && FrameBytes::byteAt(reply, 6) != 0x04)
        return MeterResult::BadReply;
    total = FrameBytes::wordAt(reply, 8);
    return MeterResult::Ok;
}

MeterResult StdCardMessages::readStdCardInfo(int address, QString& name, QString& description,
                                             int& colorCount) {
    QByteArray reply;
    const QByteArray header =
        FrameBytes::longHeader(ReadMemory, quint32(address) & 0xFFFF, InfoDataLength);
    const MeterResult result = readMemory(header, HeaderSize + InfoDataLength + 2, reply);
    if (result != MeterResult::Ok)
        return result;
    if (FrameBytes::byteAt(reply, 1) != ReadMemory &&
        FrameBytes::byteAt(reply, 6) != InfoDataLength)
        return MeterResult::BadReply;
    name = decodeLibraryText(reply.mid(8, NameWidth));
    description = decodeLibraryText(reply.mid(8 + NameWidth, NameWidth));
    colorCount = FrameBytes::wordAt(reply, 8 + 2 * NameWidth);
    return MeterResult::Ok;
}

MeterResult StdCardMessages::readStdCardData(int address, int length, QByteArray& data) {
    // The length field has 16 bits; anything else would ask for other bytes
    // than the caller wants.
    if (length < 0 || length > MaxFrameData)
        return MeterResult::NotWritten;
    QByteArray reply;
    const QByteArray header = FrameBytes::longHeader(ReadMemory, quint32(address), quint16(length));
    const MeterResult result = readMemory(header, length + HeaderSize + 2, reply);
    if (result != MeterResult::Ok)
        return result;
    data = reply.mid(HeaderSize, length);
    return MeterResult::Ok;
}

MeterResult StdCardMessages::writeRecord(const QByteArray& record, int minimumWritten,
                                         QByteArray& ack) {
    return retriedOnce([&] {
        QByteArray frame = record;
        if (frames_.sendFrame(frame, WriteTimeoutMs) < minimumWritten)
            return MeterResult::NotWritten;
        ack.clear();
        if (frames_.receiveFrame(ack, ReplyTimeoutMs, AckLength, true) <= 0)
            return MeterResult::NoReply;
        return MeterResult::Ok;
    });
}

MeterResult StdCardMessages::writeStdCardTotal(int total, int countCheck) {
    QByteArray data;
    FrameBytes::appendWord(data, quint16(total));
    const quint16 check = crc16(data, data.size());
    if (check != countCheck)
        return MeterResult::CheckMismatch;
    QByteArray frame = FrameBytes::longHeader(WriteRecord, TotalAddress, 4);
    frame.append(data);
    FrameBytes::appendWord(frame, check);
    QByteArray ack;
    const MeterResult result = writeRecord(frame, 12, ack);
    if (result != MeterResult::Ok)
        return result;
    if (FrameBytes::byteAt(ack, 2) != 0x00 && FrameBytes::byteAt(ack, 6) != 0x04)
        return MeterResult::BadReply;
    return MeterResult::Ok;
}

MeterResult StdCardMessages::writeStdCardInfo(int address, const QString& name,
                                              const QString& description, int colorCount,
                                              int dataCheck, int infoCheck) {
    const QByteArray record = infoRecord(name, description, colorCount, dataCheck);
    const quint16 check = crc16(record, record.size());
    if (check != infoCheck)
        return MeterResult::CheckMismatch;
    QByteArray frame =
        FrameBytes::longHeader(WriteRecord, quint32(address) & 0xFFFF, InfoDataLength);
    frame.append(record);
    FrameBytes::appendWord(frame, check);
    QByteArray ack;
    const MeterResult result = writeRecord(frame, 45, ack);
    if (result != MeterResult::Ok)
        return result;
    if (FrameBytes::byteAt(ack, 2) != 0x00 && FrameBytes::byteAt(ack, 6) != InfoDataLength)
        return MeterResult::BadReply;
    return MeterResult::Ok;
}

MeterResult StdCardMessages::writeStdCardData(int address, const QByteArray& data, int length) {
    // Never send bytes the caller does not have, nor a length the 16-bit
    // field cannot hold.
    if (length < 0 || length > data.size() || length > MaxFrameData)
        return MeterResult::NotWritten;
    QByteArray frame = FrameBytes::longHeader(WriteData, quint32(address), quint16(length));
    frame.append(data.constData(), length);
    if (frames_.sendFrame(frame, WriteTimeoutMs) < length + HeaderSize)
        return MeterResult::NotWritten;
    if (length > 0)
        return MeterResult::Ok;  // data packages are not acknowledged

    // The empty packet's acknowledgement is checked by its header only. It
    // is not sent twice: it makes the meter check the whole download.
    QByteArray ack;
    if (frames_.receiveFrame(ack, ReplyTimeoutMs, AckLength, false) <= 0)
        return MeterResult::NoReply;
    if (FrameBytes::byteAt(ack, 1) != WriteData || FrameBytes::byteAt(ack, 6) != 0x00)
        return MeterResult::BadReply;
    return MeterResult::Ok;
}

QByteArray StdCardMessages::fixedField(const QString& text, int width) {
    if (width <= 0)
        return QByteArray();
    QByteArray bytes = text.toUtf8();
    if (bytes.size() > width) {
        int cut = width;
        while (cut > 0 && (quint8(bytes.at(cut)) & 0xC0) == 0x80)
            --cut;  // back to the first byte of the character that does not fit
        bytes.truncate(cut);
    }
    bytes.append(QByteArray(width - bytes.size(), '\0'));
    return bytes;
}

QByteArray StdCardMessages::infoRecord(const QString& name, const QString& description,
                                       int colorCount, int dataCheck) {
    QByteArray record = fixedField(name, NameWidth);
    record.append(fixedField(description, NameWidth));
    FrameBytes::appendWord(record, quint16(colorCount));
    FrameBytes::appendWord(record, quint16(dataCheck));
    return record;
}

quint16 StdCardMessages::infoRecordCheckCode(const QString& name, const QString& description,
                                             int colorCount, int dataCheck) {
    const QByteArray record = infoRecord(name, description, colorCount, dataCheck);
    return crc16(record, record.size());
}

QString StdCardMessages::decodeLibraryText(const QByteArray& field) {
    return decodeMeterLibraryText(zeroTerminated(field, NameWidth));
}

QString StdCardMessages::decodeColorName(const QByteArray& field) {
    return QString::fromUtf8(zeroTerminated(field, ColorNameWidth));
}

}  // namespace colorcard
