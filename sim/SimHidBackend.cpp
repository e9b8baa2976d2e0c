// SPDX-License-Identifier: MIT
#include "sim/SimHidBackend.h"

namespace colorcard {

class SimHidBackend::Connection : public HidConnection {
public:
    Connection(SimHidBackend& backend, quint64 generation)
        : backend_(backend), generation_(generation) {}

    int inputReportLength() const override { return 64; }
    int outputReportLength() const override { return 64; }
    int writeReport(const QByteArray& report, int timeoutMs) override {
        return backend_.writeReport(generation_, report, timeoutMs);
    }
    int readReport(QByteArray& report, int timeoutMs) override {
        return backend_.readReport(generation_, report, timeoutMs);
    }
    bool isGone() const override { return backend_.connectionGone(generation_); }

private:
    SimHidBackend& backend_;
    quint64 generation_;
};

SimHidBackend::SimHidBackend(QObject* parent) : QObject(parent) {}

SimHidBackend::~SimHidBackend() = default;

void SimHidBackend::plug() {
    if (plugged_)
        return;
    plugged_ = true;
    emit plugged();
}

void SimHidBackend::unplug() {
    if (!plugged_)
        return;
    plugged_ = false;
    ++generation_;
    pending_.clear();
    busyUntil_ = inputFreeAt_ = 0;
    meter_.powerCycle();
    emit unplugged();
}

QString SimHidBackend::devicePath() const {
    return QStringLiteral("/dev/hidraw-sim0");
}

void SimHidBackend::injectReport(const QByteArray& report) {
    pending_.enqueue({now_, report});
}

QList<QByteArray> SimHidBackend::takeWrittenReports() {
    QList<QByteArray> reports;
    reports.swap(written_);
    return reports;
}

QVector<HidDeviceInfo> SimHidBackend::enumerate(quint16 vendorId, quint16 productId) {
    if (!plugged_ || vendorId != kVendorId || productId != kProductId)
        return {};
    HidDeviceInfo info;
    info.path = devicePath();
    info.vendorId = kVendorId;
    info.productId = kProductId;
    info.serialNumber = serialNumber_;
    info.interfaceNumber = 0;
    return {info};
}

std::unique_ptr<HidConnection> SimHidBackend::open(const QString& path, OpenError* error) {
    OpenError result = OpenError::None;
    if (!plugged_ || path != devicePath())
        result = OpenError::NotFound;
    else if (permissionDenied_)
        result = OpenError::PermissionDenied;
    if (error)
        *error = result;
    if (result != OpenError::None)
        return nullptr;
    return std::make_unique<Connection>(*this, generation_);
}

void SimHidBackend::waitMs(int ms) {
    now_ += qMax(0, ms);
}

bool SimHidBackend::connectionGone(quint64 generation) const {
    return !plugged_ || generation != generation_;
}

int SimHidBackend::writeReport(quint64 generation, const QByteArray& report, int timeoutMs) {
    if (connectionGone(generation))
        return -1;
    if (inputFreeAt_ > now_) {
        // The meter does not take the report before the time-out: the write fails.
        if (inputFreeAt_ - now_ > qMax(0, timeoutMs)) {
            now_ += qMax(0, timeoutMs);
            return -1;
        }
        now_ = inputFreeAt_;
    }
    if (realisticTiming_)
        now_ += 1;
    written_.append(report);
    meter_.receiveReport(report);
    for (const SimAnswer& answer : meter_.takeAnswers()) {
        const qint64 start = qMax(now_, busyUntil_);
        busyUntil_ = start + answer.processingMs;
        inputFreeAt_ = start;
        // Replies leave one after another, once processed and after the delays.
        qint64 at = qMax(busyUntil_ + replyDelayMs_ + answer.lateByMs,
                         pending_.isEmpty() ? 0 : pending_.last().availableAt);
        for (const QByteArray& reply : answer.reports) {
            if (realisticTiming_)
                at += 1;
            pending_.enqueue({at, reply});
        }
    }
    if (meter_.takeUnplugRequest())
        unplug();
    return report.size();
}

int SimHidBackend::readReport(quint64 generation, QByteArray& report, int timeoutMs) {
    if (connectionGone(generation))
        return -1;
    timeoutMs = qMax(0, timeoutMs);
    if (!pending_.isEmpty() && pending_.head().availableAt <= now_ + timeoutMs) {
        now_ = qMax(now_, pending_.head().availableAt);
        report = pending_.dequeue().report;
        return report.size();
    }
    now_ += timeoutMs;
    report.clear();
    return 0;
}

}  // namespace colorcard
