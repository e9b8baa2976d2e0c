// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace colorcard {

// Report lengths read from a HID report descriptor, so that a device whose
// reports are not 64 bytes long is still spoken to at full length.
class HidReportDescriptor {
public:
    enum class Direction { Input, Output };

    // Length in bytes of the report with this identifier, including the
    // identifier byte; 0 when the descriptor declares no such report.
    static int reportLength(const QByteArray& descriptor, quint8 reportId, Direction direction);
};

}  // namespace colorcard
