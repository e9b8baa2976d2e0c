// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

namespace colorcard {

// Hot-plug notifications: an arrival of a HID device and a removal of one.
// The udev monitor is the real source; tests emit the signals themselves.
class DeviceEventSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Starts listening; false when registration failed (the program then runs
    // without hot-plug detection).
    virtual bool start() = 0;

signals:
    void deviceArrived();
    void deviceRemoved();
};

}  // namespace colorcard
