// SPDX-License-Identifier: MIT
#pragma once

#include "link/CLinker.h"
#include "link/HidBackend.h"
#include "link/libHidDevice.h"

namespace colorcard {

// The link over the meter's HID interface: reply reads synchronise on the
// frame start byte and wait for a whole reply, flush reads collect whatever
// is pending.
class CLinkerUSB : public CLinker {
    Q_OBJECT
public:
    static constexpr int kScratchSize = 12800;
    static constexpr int kReportTimeoutMs = 50;
    static constexpr quint8 kStartByte = 0xAB;

    explicit CLinkerUSB(HidBackend& backend, QObject* parent = nullptr);
    ~CLinkerUSB() override;

    // 0 on success, -1 on failure.
    int open(quint16 vendorId, quint16 productId);

    void close() override;
    int read(QByteArray& buffer, int timeoutMs, int expectedLength) override;
    int write(const QByteArray& data, int timeoutMs) override;
    bool isOpen() const override;
    bool isDisconnected() override;
    int readPending(QByteArray& buffer) override;
    qint64 elapsedMs() override { return backend_.elapsedMs(); }

    // The last open found the meter but may not open its device node.
    bool permissionDenied() const { return device_.permissionDenied(); }

private:
    libHidDevice device_;
    HidBackend& backend_;
};

}  // namespace colorcard
