// SPDX-License-Identifier: MIT
#pragma once

#include "link/DeviceEventSource.h"

namespace colorcard {

class SimHidBackend;

// Hot-plug notifications of the simulated meter. Like udev events they are
// delivered through the event loop, never in the middle of an exchange.
class SimEventSource : public DeviceEventSource {
    Q_OBJECT
public:
    explicit SimEventSource(SimHidBackend& backend, QObject* parent = nullptr);
    bool start() override;

private:
    SimHidBackend& backend_;
    bool started_ = false;
};

}  // namespace colorcard
