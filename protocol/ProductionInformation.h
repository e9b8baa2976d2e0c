// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace colorcard {

// The older identity answer of the meter (30-byte production information
// reply); its 18 information bytes start at offset 8.
struct ProductionInformation {
    quint8 type = 0;  // not used by the program
    quint8 unused = 0;
    quint16 year = 0;
    quint8 month = 0;
    quint8 day = 0;
    quint32 instrumentId = 0;
    quint32 meterNumber = 0;
    quint16 value = 0;  // the remaining fields are not used by the program
    quint8 byte24 = 0;
    quint8 byte25 = 0;

    static constexpr int ReplyLength = 30;
    static ProductionInformation fromReply(const QByteArray& reply);
};

}  // namespace colorcard
