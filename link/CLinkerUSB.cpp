// SPDX-License-Identifier: MIT
#include "link/CLinkerUSB.h"

#include "link/LinkLogging.h"

namespace colorcard {

CLinkerUSB::CLinkerUSB(HidBackend& backend, QObject* parent)
    : CLinker(parent), device_(backend), backend_(backend) {}

CLinkerUSB::~CLinkerUSB() {
    device_.close();
}

int CLinkerUSB::open(quint16 vendorId, quint16 productId) {
    if (device_.open(vendorId, productId) != 0) {
        qCDebug(lcLink, "hidDevice Open error!\n");
        return -1;
    }
    qCDebug(lcLink, "hidDevice Open success!\n");
    return 0;
}

void CLinkerUSB::close() {
    device_.close();
}

int CLinkerUSB::read(QByteArray& buffer, int timeoutMs, int expectedLength) {
    // A closed device answers at once; waiting for it would only spin.
    if (!device_.isOpen())
        return 0;
    QByteArray scratch(kScratchSize, '\0');

    if (timeoutMs == 0) {
        const int got = device_.read(scratch.data(), kScratchSize, kReportTimeoutMs);
        if (got < 1)
            return got;
        buffer.append(scratch.constData(), got);
        return buffer.size();
    }

    const qint64 start = backend_.elapsedMs();
    const int wanted = qBound(1, expectedLength, kScratchSize);
    for (;;) {
        const int got = device_.read(scratch.data(), wanted, kReportTimeoutMs);
        if (got > 0) {
            buffer.append(scratch.constData(), got);
            int stale = 0;
            while (stale < buffer.size() && static_cast<quint8>(buffer[stale]) != kStartByte)
                ++stale;
            buffer.remove(0, stale);
            if (!buffer.isEmpty() &&
                static_cast<uint>(buffer.size()) >= static_cast<uint>(expectedLength))
                return buffer.size();
        } else {
            qCDebug(lcLink, "hidDevice ReadMessage error!\n");
            // An unplugged meter fails every read at once; nothing more can come.
            if (device_.isDeviceGone())
                return got;
        }
        if (backend_.elapsedMs() - start >= timeoutMs)
            return got;
    }
}

int CLinkerUSB::readPending(QByteArray& buffer) {
    if (!device_.isOpen())
        return 0;
    QByteArray scratch(kScratchSize, '\0');
    // A report time-out of 0 takes the reports already received and stops at
    // the first that is not there yet.
    const int got = device_.read(scratch.data(), kScratchSize, 0);
    if (got > 0)
        buffer.append(scratch.constData(), got);
    return qMax(0, got);
}

int CLinkerUSB::write(const QByteArray& data, int timeoutMs) {
    const int sent = device_.write(data.constData(), data.size(), timeoutMs);
    if (sent < data.size()) {
        qCDebug(lcLink, "hidDevice WriteMessage error! ret = %d\n", sent);
        return -1;
    }
    return sent;
}

bool CLinkerUSB::isOpen() const {
    return device_.isOpen();
}

bool CLinkerUSB::isDisconnected() {
    return device_.isDeviceGone();
}

}  // namespace colorcard
