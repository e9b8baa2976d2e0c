// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace colorcard {

// The meter's answer to the key information request (26-byte reply).
struct KeyInformation {
    quint8 marker = 0;  // 0xA5 in a valid reply
    quint8 unused = 0;
    quint16 year = 0;
    quint8 month = 0;
    quint8 day = 0;
    quint32 instrumentId = 0;
    quint32 meterNumber = 0;
    quint16 value = 0;  // not used by the program
    quint16 firmwareVersion = 0;

    static constexpr int ReplyLength = 26;
    static KeyInformation fromReply(const QByteArray& reply);
};

}  // namespace colorcard
