// SPDX-License-Identifier: MIT
#include "protocol/FrameLayer.h"

#include <QCoreApplication>
#include <QSettings>
#include <memory>

#include "checksum/Crc16.h"
#include "link/CLinker.h"
#include "protocol/FrameBytes.h"

namespace colorcard {

namespace {

bool crcHolds(const QByteArray& bytes, int length) {
    if (length < 3 || bytes.size() < length)
        return false;
    return FrameBytes::wordAt(bytes, length - 2) == crc16(bytes, length - 2);
}

void dropToStartByte(QByteArray& buffer) {
    int stale = 0;
    while (stale < buffer.size() && quint8(buffer.at(stale)) != FrameBytes::StartByte)
        ++stale;
    buffer.remove(0, stale);
}

}  // namespace

FrameLayer::FrameLayer(LinkProvider provider) : provider_(std::move(provider)) {}

CLinker* FrameLayer::link() const {
    return provider_ ? provider_() : nullptr;
}

bool FrameLayer::linkOpen() const {
    CLinker* current = link();
    return current && current->isOpen();
}

FrameLayer::Pacing FrameLayer::pacing() const {
    // The model's choice went with its link.
    const bool modelAttached = followed_ && followed_ == link();
    return configured_ == Pacing::FlushEveryExchange ||
                   (modelAttached && model_ == Pacing::FlushEveryExchange)
               ? Pacing::FlushEveryExchange
               : Pacing::Adaptive;
}

void FrameLayer::setModelPacing(Pacing pacing) {
    follow(link());
    model_ = pacing;
}

void FrameLayer::restart() {
    model_ = Pacing::Adaptive;
    lastClean_ = false;
    awaited_ = FrameHeader();
    echoing_.reset();
}

// What was learnt belongs to one attached meter; a new link object is a new
// attachment (a destroyed one leaves the pointer null, so a new object at the
// same address is still told apart).
void FrameLayer::follow(CLinker* current) {
    if (followed_ == current)
        return;
    followed_ = current;
    restart();
}

void FrameLayer::flushBeforeRequest(CLinker& link) {
    QByteArray stale;
    quickFlush_ = pacing() == Pacing::Adaptive && lastClean_ && link.readPending(stale) <= 0;
    if (quickFlush_)
        return;
    link.read(stale, 0, 0);
    ++statistics_.fullFlushes;
}

int FrameLayer::sendFrame(QByteArray& frame, int timeoutMs) {
    CLinker* current = link();
    if (!current || !current->isOpen())
        return -1;
    follow(current);
    flushBeforeRequest(*current);
    const quint16 crc = crc16(frame, frame.size());
    frame.append(static_cast<char>(crc & 0xFF));
    frame.append(static_cast<char>(crc >> 8));
    const int written = current->write(frame, timeoutMs);
    ++statistics_.requests;
    awaited_ = FrameHeader::of(frame);
    lastClean_ = written == frame.size();
    return written;
}

// While the frame at the start of buffer is a reply of the protocol to another
// request, drops it (whole when its CRC holds, else its start byte only) and
// waits for the next within the time-out. Returns the link's last result.
int FrameLayer::dropStaleReplies(CLinker& link, const FrameHeader& request, QByteArray& buffer,
                                 int result, qint64 deadline, int expectedLength) {
    while (result > 0 && buffer.size() >= expectedLength) {
        const FrameHeader reply = FrameHeader::of(buffer);
        if (!reply.known || reply == request)
            break;
        const int length = reply.replyLength();
        if (length > buffer.size() && deadline > link.elapsedMs())
            link.read(buffer, int(deadline - link.elapsedMs()), length);
        buffer.remove(0, crcHolds(buffer, length) ? length : 1);
        dropToStartByte(buffer);
        ++statistics_.staleReplies;
        if (!buffer.isEmpty() && buffer.size() >= expectedLength) {
            result = buffer.size();
            continue;
        }
        const qint64 left = deadline - link.elapsedMs();
        if (left <= 0)
            return 0;
        result = link.read(buffer, int(left), expectedLength);
    }
    return result;
}

int FrameLayer::receiveFrame(QByteArray& buffer, int timeoutMs, int expectedLength, bool checkCrc) {
    CLinker* current = link();
    if (!current)
        return -1;
    follow(current);
    const FrameHeader request = awaited_;
    awaited_ = FrameHeader();
    const qint64 deadline = current->elapsedMs() + timeoutMs;
    int result = current->read(buffer, timeoutMs, expectedLength);
    const int dropped = statistics_.staleReplies;
    if (request.known && echoing_.test(request.function))
        result = dropStaleReplies(*current, request, buffer, result, deadline, expectedLength);
    const bool sawStale = statistics_.staleReplies != dropped;

    // A reply cut short by the time-out is treated as not received rather
    // than read past its end.
    if (result > 0 && buffer.size() < expectedLength)
        result = 0;
    // No frame is shorter than its start byte and CRC.
    if (result > 0 && checkCrc)
        result = crcHolds(buffer, expectedLength) ? buffer.size() : -1;

    if (!request.known) {
        // Nothing was asked (the read that drains a finished write): clean
        // when nothing came.
        lastClean_ = lastClean_ && buffer.isEmpty();
        return result;
    }
    const bool echoed = result > 0 && FrameHeader::of(buffer) == request;
    if (echoed)
        echoing_.set(request.function);
    lastClean_ = echoed && !sawStale && buffer.size() == expectedLength;
    return result;
}

FrameLayer::Pacing FrameLayer::configuredPacing(const QString& configFile) {
    const QString name = QCoreApplication::applicationName();
    const std::unique_ptr<QSettings> settings =
        configFile.isEmpty()
            ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, name, name)
            : std::make_unique<QSettings>(configFile, QSettings::IniFormat);
    return settings->value(QStringLiteral("Link/FlushEveryExchange"), false).toBool()
               ? Pacing::FlushEveryExchange
               : Pacing::Adaptive;
}

}  // namespace colorcard
