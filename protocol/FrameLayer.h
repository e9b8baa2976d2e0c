// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <bitset>
#include <functional>

#include "protocol/FrameHeader.h"

namespace colorcard {

class CLinker;

// Request and reply frames over the current link: stale input is flushed
// before a request, the CRC appended, and replies checked against theirs.
//
// The flush waits only when something can be stale: before a request it
// takes what is already queued without waiting, and waits the full report
// time-out only when that found bytes or the previous exchange did not end
// cleanly (no echoing reply of exactly the expected length, a failed write,
// a reply dropped as stale). Once the attached meter has answered a function
// with an echo of the request's address and length, a reply of the protocol
// that carries another function, address or length is a late reply to some
// other request: it is dropped and the wait goes on within the time-out.
class FrameLayer {
public:
    using LinkProvider = std::function<CLinker*()>;

    enum class Pacing {
        Adaptive,            // wait for stale input only after an unclean exchange
        FlushEveryExchange,  // the full flush read before every request
    };

    struct Statistics {
        int requests = 0;      // frames handed to the link
        int fullFlushes = 0;   // flush reads that waited the report time-out
        int staleReplies = 0;  // replies to other requests dropped while waiting
    };

    explicit FrameLayer(LinkProvider provider);

    CLinker* link() const;
    bool linkOpen() const;

    // Appends the CRC to frame and writes it; bytes written or -1.
    int sendFrame(QByteArray& frame, int timeoutMs);
    // Bytes in buffer (>= expectedLength), 0 or less when nothing (complete)
    // arrived, -1 on a CRC mismatch.
    int receiveFrame(QByteArray& buffer, int timeoutMs, int expectedLength, bool checkCrc);

    // What the program's configuration asks for, for every meter.
    void setConfiguredPacing(Pacing pacing) { configured_ = pacing; }
    // What the attached model's device settings ask for; it belongs to the
    // current link and is forgotten when the link changes.
    void setModelPacing(Pacing pacing);
    // The full flush before every request when either asks for it.
    Pacing pacing() const;
    // Forgets what was learnt about the attached meter, as when another link
    // appears: the next request is flushed in full.
    void restart();
    const Statistics& statistics() const { return statistics_; }
    // Whether the last request went out after the quick flush only. An
    // exchange that then failed may have met stale input that the full flush
    // would have taken; the failure makes the next request flush in full, so
    // an idempotent exchange is worth one more try.
    bool lastFlushWasQuick() const { return quickFlush_; }

    // The configuration's choice: "FlushEveryExchange" in group "Link" of the
    // INI file configFile, or of the user's configuration of this program
    // when configFile is empty.
    static Pacing configuredPacing(const QString& configFile = QString());

private:
    void follow(CLinker* current);
    void flushBeforeRequest(CLinker& link);
    int dropStaleReplies(CLinker& link, const FrameHeader& request, QByteArray& buffer, int result,
                         qint64 deadline, int expectedLength);

    LinkProvider provider_;
    QPointer<CLinker> followed_;
    Pacing configured_ = Pacing::Adaptive;
    Pacing model_ = Pacing::Adaptive;
    bool lastClean_ = false;
    bool quickFlush_ = false;
    // The request whose reply is awaited; unknown when none is.
    FrameHeader awaited_;
    // Functions whose replies the attached meter has echoed.
    std::bitset<256> echoing_;
    Statistics statistics_;
};

}  // namespace colorcard
