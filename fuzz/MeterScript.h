// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

// The input of the meter reply fuzzer: a series of protocol calls, each with
// its arguments and the bytes the link hands over while it runs.
//
//   call  := operation:u8, arguments (by operation), replyCount:u8, reply*
//   reply := flags:u8, length:u16 (little-endian), bytes
//
// Reply flags: bit 0 appends the frame CRC to the bytes (so that input can
// reach past the CRC check), bit 1 makes them stale input that the flush
// before the next request reads.
namespace MeterScript {

enum Operation : quint8 {
    ReadTotal,   // no arguments
    ReadInfo,    // address:u16
    ReadData,    // address:u32, length:u16
    WriteTotal,  // total:u16 (sent with its right check code)
    WriteInfo,   // address:u16, count:u16, dataCheck:u16, name:text, description:text
                 // (sent with its right check code)
    WriteData,   // address:u32, data:u16-length bytes
    ReadKeyInformation,
    ReadProductionInformation,
    ReadMeasureData,
    DecodeStream,  // colourTotal:u16; the stream is the replies' bytes
    DecodeNames,   // each reply's bytes as a library text and a colour name
    OperationCount
};

enum ReplyFlag : quint8 { Sealed = 1, Stale = 2 };

struct Reply {
    quint8 flags = 0;
    QByteArray bytes;
};

// Little-endian writer, for making seeds.
class Writer {
public:
    Writer& u8(int v) {
        bytes.append(char(v & 0xFF));
        return *this;
    }
    Writer& u16(int v) { return u8(v).u8(v >> 8); }
    Writer& u32(quint32 v) { return u16(int(v & 0xFFFF)).u16(int(v >> 16)); }
    Writer& text(const QByteArray& t) {
        u8(t.size());
        bytes.append(t.left(255));
        return *this;
    }
    Writer& replies(const QList<Reply>& list) {
        u8(list.size());
        for (const Reply& r : list) {
            u8(r.flags).u16(r.bytes.size());
            bytes.append(r.bytes);
        }
        return *this;
    }
    QByteArray bytes;
};

// Reader over fuzz input: past the end every field reads as zero or empty.
class Reader {
public:
    Reader(const quint8* data, size_t size) : data_(data), size_(size) {}
    bool atEnd() const { return at_ >= size_; }
    int u8() { return at_ < size_ ? data_[at_++] : 0; }
    int u16() {
        const int low = u8();
        return low | (u8() << 8);
    }
    quint32 u32() {
        const quint32 low = quint32(u16());
        return low | (quint32(u16()) << 16);
    }
    QByteArray bytes(int length) {
        const size_t n = qMin(size_t(qMax(length, 0)), size_ - qMin(at_, size_));
        QByteArray out(reinterpret_cast<const char*>(data_ + at_), int(n));
        at_ += n;
        return out;
    }
    QByteArray text() { return bytes(u8()); }
    QList<Reply> replies() {
        QList<Reply> list;
        for (int n = u8(); n > 0 && !atEnd(); --n) {
            Reply r;
            r.flags = quint8(u8());
            r.bytes = bytes(u16());
            list << r;
        }
        return list;
    }

private:
    const quint8* data_;
    size_t size_;
    size_t at_ = 0;
};

}  // namespace MeterScript
