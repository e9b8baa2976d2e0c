#pragma once

#include <QByteArray>
#include <functional>

class CLinker;

// Request and reply frames over the current link: stale input is flushed
// before a request, the CRC appended, and replies checked against theirs.
class FrameLayer {
public:
    using LinkProvider = std::function<CLinker*()>;
    explicit FrameLayer(LinkProvider provider);

    CLinker* link() const;
    bool linkOpen() const;

    // Appends the CRC to frame and writes it; bytes written or -1.
    int sendFrame(QByteArray& frame, int timeoutMs);
    // Bytes in buffer (>= expectedLength), 0 or less when nothing (complete)
    // arrived, -1 on a CRC mismatch.
    int receiveFrame(QByteArray& buffer, int timeoutMs, int expectedLength, bool checkCrc);

private:
    LinkProvider provider_;
};
