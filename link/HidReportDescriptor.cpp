// SPDX-License-Identifier: MIT
#include "link/HidReportDescriptor.h"

#include <QVector>

namespace colorcard {

namespace {

struct Globals {
    quint32 reportSize = 0;
    quint32 reportCount = 0;
    quint32 reportId = 0;
};

}  // namespace

int HidReportDescriptor::reportLength(const QByteArray& descriptor, quint8 reportId,
                                      Direction direction) {
    const auto* bytes = reinterpret_cast<const quint8*>(descriptor.constData());
    const int size = descriptor.size();
    Globals globals;
    QVector<Globals> stack;
    quint64 bits = 0;
    bool found = false;
    bool numbered = false;

    int pos = 0;
    while (pos < size) {
        const quint8 prefix = bytes[pos];
        if (prefix == 0xFE) {  // long item: skipped whole
            if (pos + 1 >= size)
                break;
            pos += 3 + bytes[pos + 1];
            continue;
        }
        static const int kDataSizes[4] = {0, 1, 2, 4};
        const int dataSize = kDataSizes[prefix & 0x03];
        if (pos + 1 + dataSize > size)
            break;
        quint32 value = 0;
        for (int i = 0; i < dataSize; ++i)
            value |= quint32(bytes[pos + 1 + i]) << (8 * i);
        const int type = (prefix >> 2) & 0x03;
        const int tag = prefix >> 4;
        pos += 1 + dataSize;

        if (type == 1) {  // global items
            switch (tag) {
                case 7:
                    globals.reportSize = value;
                    break;
                case 8:
                    globals.reportId = value;
                    numbered = true;
                    break;
                case 9:
                    globals.reportCount = value;
                    break;
                case 10:
                    stack.append(globals);
                    break;
                case 11:
                    if (!stack.isEmpty())
                        globals = stack.takeLast();
                    break;
                default:
                    break;
            }
        } else if (type == 0) {  // main items
            const bool wantedKind = (direction == Direction::Input && tag == 8) ||
                                    (direction == Direction::Output && tag == 9);
            if (wantedKind && globals.reportId == reportId) {
                bits += quint64(globals.reportSize) * globals.reportCount;
                found = true;
            }
        }
    }
    if (!found || bits == 0)
        return 0;
    const quint64 length = (bits + 7) / 8 + (numbered ? 1 : 0);
    return length > 0xFFFF ? 0 : int(length);
}

}  // namespace colorcard
