// SPDX-License-Identifier: MIT
#include "link/HidapiConnection.h"

#include <hidapi/hidapi.h>
#include <sys/stat.h>

namespace colorcard {

HidapiConnection::HidapiConnection(hid_device_* device, const QString& path, int inputReportLength,
                                   int outputReportLength)
    : device_(device),
      path_(path),
      inputReportLength_(inputReportLength),
      outputReportLength_(outputReportLength) {}

HidapiConnection::~HidapiConnection() {
    hid_close(device_);
}

int HidapiConnection::writeReport(const QByteArray& report, int) {
    return hid_write(device_, reinterpret_cast<const unsigned char*>(report.constData()),
                     static_cast<size_t>(report.size()));
}

int HidapiConnection::readReport(QByteArray& report, int timeoutMs) {
    report.resize(inputReportLength_);
    const int got = hid_read_timeout(device_, reinterpret_cast<unsigned char*>(report.data()),
                                     static_cast<size_t>(report.size()), qMax(0, timeoutMs));
    report.resize(qMax(0, got));
    return got;
}

bool HidapiConnection::isGone() const {
    struct stat info;
    return ::stat(path_.toLocal8Bit().constData(), &info) != 0;
}

}  // namespace colorcard
