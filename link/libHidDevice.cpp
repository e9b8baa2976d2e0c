// SPDX-License-Identifier: MIT
#include "link/libHidDevice.h"

#include <QStringList>
#include <cstring>

namespace colorcard {

struct libHidDevice::DeviceState {
    std::unique_ptr<HidConnection> connection;
    bool open = false;
    int readTimeoutMs = 50;
    int writeTimeoutMs = 50;
    int inputReportLength = 0;
    int outputReportLength = 0;
    // Payload of the last report that the caller did not take yet.
    QByteArray leftover;
    bool readFailed = false;
};

namespace {

constexpr int kMaxInterfaces = 128;
constexpr int kMaxSerialNumbers = 6;
constexpr int kSerialNumberLength = 40;

QString serialOf(const HidDeviceInfo& device) {
    return device.serialNumber.left(kSerialNumberLength);
}

// Picks the interface of the last listed meter: the table of distinct serial
// numbers (devices without one count once per group of interfaces) names the
// wanted device, and of its interfaces the last one is taken. -1 when there is
// nothing to open.
int chooseInterface(const QVector<HidDeviceInfo>& devices) {
    QStringList table;
    int emptyCount = 0;
    int highestEmptyInterface = 0;
    for (const HidDeviceInfo& device : devices) {
        const QString serial = serialOf(device);
        if (serial.isEmpty()) {
            ++emptyCount;
            highestEmptyInterface = qMax(highestEmptyInterface, device.interfaceNumber);
        } else if (!table.contains(serial) && table.size() < kMaxSerialNumbers) {
            table.append(serial);
        }
    }
    if (emptyCount > 0) {
        const int withoutSerial = qMax(1, emptyCount / (highestEmptyInterface + 1));
        for (int i = 0; i < withoutSerial && table.size() < kMaxSerialNumbers; ++i)
            table.append(QString());
    }
    if (table.isEmpty())
        return -1;

    QString wanted = table.last();
    if (wanted.isEmpty())
        wanted = QStringLiteral("SerNum %1").arg(table.count(QString()) - 1, 0, 16);

    const int perDevice = devices.size() / table.size();
    if (perDevice == 0)
        return -1;

    int emptySeen = 0;
    int matches = 0;
    int lastMatch = -1;
    for (int i = 0; i < devices.size(); ++i) {
        QString serial = serialOf(devices[i]);
        if (serial.isEmpty())
            serial = QStringLiteral("SerNum %1").arg(emptySeen++ / perDevice, 0, 16);
        if (serial != wanted)
            continue;
        lastMatch = i;
        if (matches++ == perDevice - 1)
            return i;
    }
    // Fewer interfaces than the average: the device's last one still serves.
    return lastMatch;
}

}  // namespace

libHidDevice::libHidDevice(HidBackend& backend) : backend_(backend) {}

libHidDevice::~libHidDevice() {
    close();
}

int libHidDevice::open(quint16 vendorId, quint16 productId) {
    close();
    permissionDenied_ = false;

    QVector<HidDeviceInfo> devices;
    for (const HidDeviceInfo& device : backend_.enumerate(vendorId, productId)) {
        if (device.vendorId == vendorId && device.productId == productId &&
            devices.size() < kMaxInterfaces)
            devices.append(device);
    }
    const int chosen = chooseInterface(devices);
    if (chosen < 0)
        return -1;

    HidBackend::OpenError error = HidBackend::OpenError::None;
    std::unique_ptr<HidConnection> connection = backend_.open(devices[chosen].path, &error);
    if (!connection) {
        permissionDenied_ = error == HidBackend::OpenError::PermissionDenied;
        return -1;
    }

    auto state = std::make_unique<DeviceState>();
    // A length too short to carry the identifier and the count is not believed.
    state->inputReportLength = connection->inputReportLength() > 2 ? connection->inputReportLength()
                                                                   : kDefaultReportLength;
    state->outputReportLength = connection->outputReportLength() > 2
                                    ? connection->outputReportLength()
                                    : kDefaultReportLength;
    state->connection = std::move(connection);
    state->open = true;
    state_ = std::move(state);
    open_ = true;
    return 0;
}

void libHidDevice::close() {
    if (state_ && state_->open) {
        state_->connection.reset();
        state_->leftover.clear();
        state_->open = false;
    }
    open_ = false;
}

int libHidDevice::read(char* buffer, int length, int timeoutMs) {
    if (!open_ || !state_ || !state_->open || !buffer || length <= 0)
        return 0;
    state_->readTimeoutMs = qMax(0, timeoutMs);

    int delivered = 0;
    QByteArray& leftover = state_->leftover;
    if (!leftover.isEmpty()) {
        if (leftover.size() > length) {
            std::memcpy(buffer, leftover.constData(), length);
            leftover.remove(0, length);
            return length;
        }
        delivered = leftover.size();
        std::memcpy(buffer, leftover.constData(), delivered);
        leftover.clear();
    }

    QByteArray report;
    while (delivered < length) {
        const int got = state_->connection->readReport(report, state_->readTimeoutMs);
        if (got == 0)
            return delivered;
        if (got < 0) {
            state_->readFailed = true;
            return 0;
        }
        if (report.size() < 2 || static_cast<quint8>(report[0]) != kReportId)
            continue;
        // A count beyond the report's end is cut to what the report holds.
        const int count = qMin<int>(static_cast<quint8>(report[1]), report.size() - 2);
        const int taken = qMin(count, length - delivered);
        std::memcpy(buffer + delivered, report.constData() + 2, taken);
        delivered += taken;
        if (taken < count) {
            leftover = report.mid(2 + taken, count - taken);
            return length;
        }
    }
    return length;
}

int libHidDevice::write(const char* data, int length, int timeoutMs) {
    if (!open_ || !state_ || !state_->open)
        return 0;
    state_->writeTimeoutMs = qMax(0, timeoutMs);
    if (!data || length <= 0)
        return 0;

    const int reportLength = state_->outputReportLength;
    const int chunkLimit = qMin(kMaxPayload, reportLength - 2);
    int sent = 0;
    while (sent < length) {
        const int chunk = qMin(chunkLimit, length - sent);
        QByteArray report(reportLength, '\0');
        report[0] = static_cast<char>(kReportId);
        report[1] = static_cast<char>(chunk);
        std::memcpy(report.data() + 2, data + sent, chunk);
        if (state_->connection->writeReport(report, state_->writeTimeoutMs) != reportLength)
            return sent;
        sent += chunk;
    }
    return length;
}

bool libHidDevice::isDeviceGone() {
    if (!state_ || !state_->open || !state_->connection)
        return true;
    return state_->readFailed || state_->connection->isGone();
}

int libHidDevice::leftoverCount() const {
    return state_ ? state_->leftover.size() : 0;
}

int libHidDevice::inputReportLength() const {
    return state_ ? state_->inputReportLength : 0;
}

int libHidDevice::outputReportLength() const {
    return state_ ? state_->outputReportLength : 0;
}

}  // namespace colorcard
