// SPDX-License-Identifier: MIT
#include "tests/support/ScriptedLinker.h"

#include "checksum/Crc16.h"

namespace colorcard {

void ScriptedLinker::close() {
    open = false;
    ++closeCount;
}

int ScriptedLinker::read(QByteArray& buffer, int timeoutMs, int expectedLength) {
    reads.append({timeoutMs, expectedLength});
    if (timeoutMs == 0) {
        if (pending.isEmpty())
            return 0;
        buffer.append(pending.dequeue());
        return buffer.size();
    }

    QByteArray incoming;
    if (!replies.isEmpty())
        incoming = replies.dequeue();
    else if (responder)
        incoming = responder(lastWritten());
    buffer.append(incoming);
    while (!buffer.isEmpty() && quint8(buffer.at(0)) != 0xAB)
        buffer.remove(0, 1);
    if (!buffer.isEmpty() && buffer.size() >= expectedLength)
        return buffer.size();
    return 0;
}

int ScriptedLinker::readPending(QByteArray& buffer) {
    ++pendingReads;
    int taken = 0;
    while (!pending.isEmpty()) {
        taken += pending.head().size();
        buffer.append(pending.dequeue());
    }
    return taken;
}

int ScriptedLinker::write(const QByteArray& data, int timeoutMs) {
    writes.append({data, timeoutMs});
    return writeResults.isEmpty() ? data.size() : writeResults.dequeue();
}

QList<ScriptedLinker::Read> ScriptedLinker::replyReads() const {
    QList<Read> result;
    for (const Read& r : reads)
        if (r.timeoutMs > 0)
            result.append(r);
    return result;
}

void ScriptedLinker::clearRecords() {
    writes.clear();
    reads.clear();
    pendingReads = 0;
}

void ScriptedLinker::reset() {
    open = true;
    replies.clear();
    writeResults.clear();
    clearRecords();
}

QByteArray ScriptedLinker::sealed(const QByteArray& hex) {
    QByteArray bytes = QByteArray::fromHex(hex);
    const quint16 crc = crc16(bytes, bytes.size());
    bytes.append(char(crc & 0xFF)).append(char(crc >> 8));
    return bytes;
}

}  // namespace colorcard
