#include "FrameLayer.h"

#include "CLinker.h"
#include "Crc16.h"

FrameLayer::FrameLayer(LinkProvider provider) : provider_(std::move(provider)) {}

CLinker* FrameLayer::link() const {
    return provider_ ? provider_() : nullptr;
}

bool FrameLayer::linkOpen() const {
    CLinker* current = link();
    return current && current->isOpen();
}

int FrameLayer::sendFrame(QByteArray& frame, int timeoutMs) {
    CLinker* current = link();
    if (!current || !current->isOpen())
        return -1;
    QByteArray stale;
    current->read(stale, 0, 0);
    const quint16 crc = crc16(frame, frame.size());
    frame.append(static_cast<char>(crc & 0xFF));
    frame.append(static_cast<char>(crc >> 8));
    return current->write(frame, timeoutMs);
}

int FrameLayer::receiveFrame(QByteArray& buffer, int timeoutMs, int expectedLength, bool checkCrc) {
    CLinker* current = link();
    if (!current)
        return -1;
    const int result = current->read(buffer, timeoutMs, expectedLength);
    if (result <= 0)
        return result;
    // A reply cut short by the time-out is treated as not received rather
    // than read past its end.
    if (buffer.size() < expectedLength)
        return 0;
    if (!checkCrc)
        return result;
    // No frame is shorter than its start byte and CRC.
    if (expectedLength < 3)
        return -1;
    const auto* bytes = reinterpret_cast<const quint8*>(buffer.constData());
    const quint16 stored = bytes[expectedLength - 2] | (bytes[expectedLength - 1] << 8);
    if (stored != crc16(buffer, expectedLength - 2))
        return -1;
    return buffer.size();
}
