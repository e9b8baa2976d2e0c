// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>

#include "link/HidBackend.h"

namespace colorcard {

// HID devices of the system through hidapi's hidraw backend.
class HidapiBackend : public HidBackend {
public:
    HidapiBackend();
    ~HidapiBackend() override;
    HidapiBackend(const HidapiBackend&) = delete;
    HidapiBackend& operator=(const HidapiBackend&) = delete;

    QVector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    // A node that exists but may not be opened by this user gives PermissionDenied.
    std::unique_ptr<HidConnection> open(const QString& path, OpenError* error) override;
    qint64 elapsedMs() override;
    void waitMs(int ms) override;

private:
    bool initialised_ = false;
    QElapsedTimer clock_;
};

}  // namespace colorcard
