// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include "protocol/MeterResult.h"

namespace colorcard {

class FrameLayer;

// Read and write messages of the meter's standard colour card memory: the
// library total record, one information record per library and the colour
// data stream (all names first, 20 bytes each, then L*a*b* triples).
//
// Results: Ok, NotWritten, NoReply (no valid reply or acknowledgement),
// BadReply (reply or acknowledgement of the wrong form), CheckMismatch (the
// caller's check code differs from the record's; nothing sent).
// Out-parameters are written only on success.
class StdCardMessages {
public:
    static constexpr int TotalAddress = 0x2F00;
    static constexpr int InfoBaseAddress = 0x2000;
    static constexpr int InfoSlotSize = 48;
    static constexpr int DataBaseAddress = 0x40000;
    static constexpr int NameWidth = 16;  // library name and description
    static constexpr int ColorNameWidth = 20;
    static constexpr int InfoRecordSize = 36;  // without its check code

    explicit StdCardMessages(FrameLayer& frames);

    MeterResult readStdCardTotal(int& total);
    // Only the low 16 bits of address are sent.
    MeterResult readStdCardInfo(int address, QString& name, QString& description, int& colorCount);
    // length 0 to 65535; data receives exactly length bytes.
    MeterResult readStdCardData(int address, int length, QByteArray& data);

    MeterResult writeStdCardTotal(int total, int countCheck);
    // infoCheck must be infoRecordCheckCode() of the same arguments.
    MeterResult writeStdCardInfo(int address, const QString& name, const QString& description,
                                 int colorCount, int dataCheck, int infoCheck);
    // Sends the first length bytes of data; length 0 is the empty packet that
    // closes the stream and is the only data write that is acknowledged.
    MeterResult writeStdCardData(int address, const QByteArray& data, int length);

    // Information record slot of library index (from 0).
    static int infoAddress(int index) { return InfoBaseAddress + InfoSlotSize * index; }

    // text as exactly width bytes: UTF-8, cut at a character boundary when
    // longer, zero-filled.
    static QByteArray fixedField(const QString& text, int width);
    // The 36 record bytes sent before the information check code.
    static QByteArray infoRecord(const QString& name, const QString& description, int colorCount,
                                 int dataCheck);
    // The information check code writeStdCardInfo expects for these values.
    static quint16 infoRecordCheckCode(const QString& name, const QString& description,
                                       int colorCount, int dataCheck);

    // A library name or description field read from the meter: at most
    // NameWidth bytes, up to the first zero byte, as decodeMeterLibraryText reads it.
    static QString decodeLibraryText(const QByteArray& field);
    // A colour name of the data stream: UTF-8 up to the first zero byte,
    // at most ColorNameWidth bytes.
    static QString decodeColorName(const QByteArray& field);

private:
    MeterResult readMemory(const QByteArray& header, int replyLength, QByteArray& reply);
    MeterResult writeRecord(const QByteArray& record, int minimumWritten, QByteArray& ack);
    template <typename Exchange>
    MeterResult retriedOnce(Exchange exchange);

    FrameLayer& frames_;
};

}  // namespace colorcard
