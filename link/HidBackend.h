// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>
#include <memory>

#include "link/HidConnection.h"

namespace colorcard {

// What enumeration tells about one HID interface, before it is opened.
struct HidDeviceInfo {
    QString path;
    quint16 vendorId = 0;
    quint16 productId = 0;
    QString serialNumber;      // empty when the device reports none
    int interfaceNumber = -1;  // USB interface number, -1 when unknown
};

// Access to the HID devices of the system and to the clock that bounds every
// wait. The program uses hidapi; tests and the demo use a simulated meter whose
// clock is virtual, so that a long time-out passes without real waiting.
class HidBackend {
public:
    enum class OpenError { None, NotFound, PermissionDenied, InUse, Failed };

    virtual ~HidBackend() = default;

    // The interfaces with these identifiers, in the order the system lists them.
    virtual QVector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) = 0;
    // Opens one interface by its path; null on failure, with the reason in *error.
    virtual std::unique_ptr<HidConnection> open(const QString& path, OpenError* error) = 0;

    // Monotonic milliseconds, and a pause measured on the same clock.
    virtual qint64 elapsedMs() = 0;
    virtual void waitMs(int ms) = 0;
};

}  // namespace colorcard
