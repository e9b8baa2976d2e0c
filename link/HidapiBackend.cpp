// SPDX-License-Identifier: MIT
#include "link/HidapiBackend.h"

#include <fcntl.h>
#include <hidapi/hidapi.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QThread>
#include <cerrno>

#include "link/HidReportDescriptor.h"
#include "link/HidapiConnection.h"
#include "link/libHidDevice.h"

namespace colorcard {

namespace {

// Why hidapi could not open the node: it keeps no errno, so the node is
// opened once more directly.
HidBackend::OpenError classifyOpenFailure(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return HidBackend::OpenError::Failed;
    }
    switch (errno) {
        case EACCES:
        case EPERM:
            return HidBackend::OpenError::PermissionDenied;
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return HidBackend::OpenError::NotFound;
        case EBUSY:
            return HidBackend::OpenError::InUse;
        default:
            return HidBackend::OpenError::Failed;
    }
}

// Report lengths from the node's report descriptor; 64 where it says nothing.
void readReportLengths(const QByteArray& path, int* inputLength, int* outputLength) {
    *inputLength = libHidDevice::kDefaultReportLength;
    *outputLength = libHidDevice::kDefaultReportLength;
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    int size = 0;
    hidraw_report_descriptor descriptor{};
    if (::ioctl(fd, HIDIOCGRDESCSIZE, &size) == 0 && size > 0 && size <= HID_MAX_DESCRIPTOR_SIZE) {
        descriptor.size = static_cast<__u32>(size);
        if (::ioctl(fd, HIDIOCGRDESC, &descriptor) == 0) {
            const QByteArray bytes(reinterpret_cast<const char*>(descriptor.value), size);
            const int input = HidReportDescriptor::reportLength(
                bytes, libHidDevice::kReportId, HidReportDescriptor::Direction::Input);
            const int output = HidReportDescriptor::reportLength(
                bytes, libHidDevice::kReportId, HidReportDescriptor::Direction::Output);
            if (input > 2)
                *inputLength = input;
            if (output > 2)
                *outputLength = output;
        }
    }
    ::close(fd);
}

}  // namespace

HidapiBackend::HidapiBackend() {
    initialised_ = hid_init() == 0;
    clock_.start();
}

HidapiBackend::~HidapiBackend() {
    if (initialised_)
        hid_exit();
}

QVector<HidDeviceInfo> HidapiBackend::enumerate(quint16 vendorId, quint16 productId) {
    QVector<HidDeviceInfo> result;
    if (!initialised_)
        return result;
    hid_device_info* list = hid_enumerate(vendorId, productId);
    for (const hid_device_info* item = list; item; item = item->next) {
        HidDeviceInfo info;
        info.path = QString::fromLocal8Bit(item->path);
        info.vendorId = item->vendor_id;
        info.productId = item->product_id;
        if (item->serial_number)
            info.serialNumber = QString::fromWCharArray(item->serial_number);
        info.interfaceNumber = item->interface_number;
        result.append(info);
    }
    hid_free_enumeration(list);
    return result;
}

std::unique_ptr<HidConnection> HidapiBackend::open(const QString& path, OpenError* error) {
    const QByteArray nativePath = path.toLocal8Bit();
    hid_device* device = initialised_ ? hid_open_path(nativePath.constData()) : nullptr;
    if (!device) {
        if (error)
            *error = classifyOpenFailure(nativePath);
        return nullptr;
    }
    int inputLength = 0;
    int outputLength = 0;
    readReportLengths(nativePath, &inputLength, &outputLength);
    if (error)
        *error = OpenError::None;
    return std::make_unique<HidapiConnection>(device, path, inputLength, outputLength);
}

qint64 HidapiBackend::elapsedMs() {
    return clock_.elapsed();
}

void HidapiBackend::waitMs(int ms) {
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

}  // namespace colorcard
