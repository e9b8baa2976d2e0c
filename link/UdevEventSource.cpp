// SPDX-License-Identifier: MIT
#include "link/UdevEventSource.h"

#include <libudev.h>

#include <QSocketNotifier>
#include <cstring>

namespace colorcard {

UdevEventSource::UdevEventSource(QObject* parent) : DeviceEventSource(parent) {}

UdevEventSource::~UdevEventSource() {
    release();
}

bool UdevEventSource::start() {
    if (notifier_)
        return true;
    udev_ = udev_new();
    if (udev_)
        monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
    if (!monitor_ ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor_, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_) < 0) {
        release();
        return false;
    }
    const int fd = udev_monitor_get_fd(monitor_);
    if (fd < 0) {
        release();
        return false;
    }
    notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &UdevEventSource::readEvents);
    return true;
}

void UdevEventSource::readEvents() {
    if (!monitor_)
        return;
    // The monitor socket does not block: take every event that is queued.
    while (udev_device* device = udev_monitor_receive_device(monitor_)) {
        const char* action = udev_device_get_action(device);
        const bool added = action && std::strcmp(action, "add") == 0;
        const bool removed = action && std::strcmp(action, "remove") == 0;
        udev_device_unref(device);
        if (added)
            emit deviceArrived();
        else if (removed)
            emit deviceRemoved();
    }
}

void UdevEventSource::release() {
    delete notifier_;
    notifier_ = nullptr;
    if (monitor_)
        udev_monitor_unref(monitor_);
    monitor_ = nullptr;
    if (udev_)
        udev_unref(udev_);
    udev_ = nullptr;
}

}  // namespace colorcard
