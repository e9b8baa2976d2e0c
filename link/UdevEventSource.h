// SPDX-License-Identifier: MIT
#pragma once

#include "link/DeviceEventSource.h"

class QSocketNotifier;
struct udev;
struct udev_monitor;

namespace colorcard {

// Hot-plug of hidraw nodes from a libudev monitor, read on the GUI thread:
// "add" arrives as deviceArrived(), "remove" as deviceRemoved().
class UdevEventSource : public DeviceEventSource {
    Q_OBJECT
public:
    explicit UdevEventSource(QObject* parent = nullptr);
    ~UdevEventSource() override;

    bool start() override;
    bool isStarted() const { return notifier_ != nullptr; }

private slots:
    void readEvents();

private:
    void release();

    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace colorcard
