// SPDX-License-Identifier: MIT
#include "sim/SimEventSource.h"

#include "sim/SimHidBackend.h"

namespace colorcard {

SimEventSource::SimEventSource(SimHidBackend& backend, QObject* parent)
    : DeviceEventSource(parent), backend_(backend) {}

bool SimEventSource::start() {
    if (!started_) {
        connect(&backend_, &SimHidBackend::plugged, this, &DeviceEventSource::deviceArrived,
                Qt::QueuedConnection);
        connect(&backend_, &SimHidBackend::unplugged, this, &DeviceEventSource::deviceRemoved,
                Qt::QueuedConnection);
        started_ = true;
    }
    return true;
}

}  // namespace colorcard
