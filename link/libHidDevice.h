// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <memory>

#include "link/HidBackend.h"

namespace colorcard {

// Byte-stream view of the meter's HID interface: outgoing bytes are cut into
// reports of at most 62 payload bytes (0x3F, count, payload, padded to the full
// report length), incoming reports are reassembled, and every report wait is
// bounded by the caller's time-out.
class libHidDevice {
public:
    static constexpr quint8 kReportId = 0x3F;
    static constexpr int kMaxPayload = 62;
    static constexpr int kDefaultReportLength = 64;

    explicit libHidDevice(HidBackend& backend);
    virtual ~libHidDevice();
    libHidDevice(const libHidDevice&) = delete;
    libHidDevice& operator=(const libHidDevice&) = delete;

    // 0 on success, -1 when no matching device could be opened.
    int open(quint16 vendorId, quint16 productId);

    virtual void close();
    // Bytes delivered into buffer: length, fewer when the reports stopped
    // coming for timeoutMs, 0 when nothing came or on a read error.
    virtual int read(char* buffer, int length, int timeoutMs);
    // Bytes sent in complete reports: length, or fewer when a report failed.
    virtual int write(const char* data, int length, int timeoutMs);
    // The device node disappeared or a read reported an error.
    virtual bool isDeviceGone();

    bool isOpen() const { return open_; }
    // The last open found the meter but its node may not be opened.
    bool permissionDenied() const { return permissionDenied_; }
    // Payload bytes received but not yet delivered.
    int leftoverCount() const;
    int inputReportLength() const;
    int outputReportLength() const;

private:
    struct DeviceState;

    HidBackend& backend_;
    bool open_ = false;
    bool permissionDenied_ = false;
    std::unique_ptr<DeviceState> state_;
};

}  // namespace colorcard
