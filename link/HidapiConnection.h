// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "link/HidConnection.h"

struct hid_device_;

namespace colorcard {

// One hidraw node opened through hidapi.
class HidapiConnection : public HidConnection {
public:
    HidapiConnection(hid_device_* device, const QString& path, int inputReportLength,
                     int outputReportLength);
    ~HidapiConnection() override;
    HidapiConnection(const HidapiConnection&) = delete;
    HidapiConnection& operator=(const HidapiConnection&) = delete;

    int inputReportLength() const override { return inputReportLength_; }
    int outputReportLength() const override { return outputReportLength_; }
    // hidraw writes block until the report is out; the time-out cannot shorten that.
    int writeReport(const QByteArray& report, int timeoutMs) override;
    int readReport(QByteArray& report, int timeoutMs) override;
    bool isGone() const override;

private:
    hid_device_* device_;
    QString path_;
    int inputReportLength_;
    int outputReportLength_;
};

}  // namespace colorcard
