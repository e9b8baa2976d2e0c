// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QQueue>
#include <functional>

#include "link/CLinker.h"

namespace colorcard {

// A link that records what is written and replays scripted replies, so the
// meter messages can be checked byte for byte without a device. Time-outs are
// only recorded: a missing reply returns at once as if the time-out passed.
class ScriptedLinker : public CLinker {
    Q_OBJECT
public:
    struct Write {
        QByteArray data;
        int timeoutMs = 0;
    };
    struct Read {
        int timeoutMs = 0;  // 0: a flush read
        int expectedLength = 0;
    };

    bool open = true;
    bool gone = false;  // what isDisconnected() reports
    int closeCount = 0;

    // Bytes handed out by reply reads, one entry per read, in order.
    QQueue<QByteArray> replies;
    // Used when replies is empty: the reply to the last request written
    // (empty for silence).
    std::function<QByteArray(const QByteArray& request)> responder;
    // Bytes handed out by flush reads, one entry per read, and all at once
    // by readPending (stale input); none when empty.
    QQueue<QByteArray> pending;
    // Results of the next writes instead of the data length (for failures).
    QQueue<int> writeResults;

    QList<Write> writes;
    QList<Read> reads;
    int pendingReads = 0;  // readPending calls, not among reads

    void close() override;
    // Reply mode mimics the USB link: bytes before 0xAB are dropped, the
    // buffer's length is returned once expectedLength bytes are there, else 0.
    int read(QByteArray& buffer, int timeoutMs, int expectedLength) override;
    int write(const QByteArray& data, int timeoutMs) override;
    bool isOpen() const override { return open; }
    bool isDisconnected() override { return gone; }
    int readPending(QByteArray& buffer) override;

    QByteArray lastWritten() const { return writes.isEmpty() ? QByteArray() : writes.last().data; }
    // Reads that waited for a reply (flushes left out).
    QList<Read> replyReads() const;
    void clearRecords();
    // Open again, with no scripted replies or write results and nothing recorded.
    void reset();

    // A reply written as hex (spaces allowed) followed by its frame CRC.
    static QByteArray sealed(const QByteArray& hex);
};

}  // namespace colorcard
