// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

namespace colorcard {

// One opened HID device node, spoken to in whole reports.
class HidConnection {
public:
    virtual ~HidConnection() = default;

    // Report lengths including the report identifier byte.
    virtual int inputReportLength() const = 0;
    virtual int outputReportLength() const = 0;

    // Sends one whole report (byte 0 is the report identifier). Returns the
    // bytes written, or -1 on an error or when timeoutMs passed.
    virtual int writeReport(const QByteArray& report, int timeoutMs) = 0;
    // Replaces report by the next input report and returns its length; 0 when
    // none arrived within timeoutMs, -1 on a read error.
    virtual int readReport(QByteArray& report, int timeoutMs) = 0;
    // True when the device node has disappeared.
    virtual bool isGone() const = 0;
};

}  // namespace colorcard
