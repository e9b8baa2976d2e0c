// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QObject>
#include <functional>

namespace colorcard {

// The byte link between the program and the meter.
class CLinker : public QObject {
    Q_OBJECT
public:
    explicit CLinker(QObject* parent = nullptr);
    ~CLinker() override;

    virtual void close();
    // timeoutMs 0: flush mode, one read of whatever is pending.
    // timeoutMs > 0: reply mode, waits for expectedLength bytes starting with 0xAB.
    virtual int read(QByteArray& buffer, int timeoutMs, int expectedLength);
    virtual int write(const QByteArray& data, int timeoutMs);
    virtual bool isOpen() const;
    virtual bool isDisconnected();
    // Appends whatever input is already queued, without waiting; the number
    // of bytes taken, 0 when there were none.
    virtual int readPending(QByteArray& buffer);
    // Monotonic milliseconds on the clock that bounds the link's waits.
    virtual qint64 elapsedMs();
};

// How the main window gets an opened link: null when the meter is absent or
// cannot be opened; *permissionDenied tells the second case apart when the
// meter is present but its device node may not be opened.
using LinkOpener =
    std::function<CLinker*(quint16 vendorId, quint16 productId, bool* permissionDenied)>;

}  // namespace colorcard
