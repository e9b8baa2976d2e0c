// SPDX-License-Identifier: MIT
#include "xls/CompoundFileCheck.h"

#include <QtEndian>
#include <vector>

namespace colorcard {

namespace {

constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kFreeSector = 0xFFFFFFFF;
constexpr int kHeaderFatEntries = 109;
constexpr int kEntrySize = 128;
// Names are at most 31 UTF-16 characters and their terminating zero.
constexpr int kMaxNameBytes = 64;

// Bytes past the end of the file read as zero: a last sector cut short is
// read as the zero padding a writer would have added.
quint32 u32At(const QByteArray& data, qint64 at) {
    if (at < 0 || at + 4 > data.size())
        return 0;
    return qFromLittleEndian<quint32>(data.constData() + at);
}

quint16 u16At(const QByteArray& data, qint64 at) {
    if (at < 0 || at + 2 > data.size())
        return 0;
    return qFromLittleEndian<quint16>(data.constData() + at);
}

}  // namespace

bool CompoundFileCheck::directoryReadable(const QByteArray& file) {
    static const char signature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
    if (file.size() < 512 || !file.startsWith(QByteArray::fromRawData(signature, 8)))
        return false;
    const int shift = u16At(file, 0x1E);
    if (shift != 9 && shift != 12)
        return false;
    const qint64 sectorSize = qint64(1) << shift;
    // Sector s starts at (s + 1) * sectorSize.
    const qint64 sectors = (file.size() + sectorSize - 1) / sectorSize - 1;
    const auto sectorOffset = [&](quint32 s) { return (qint64(s) + 1) * sectorSize; };
    const auto inFile = [&](quint32 s) { return qint64(s) < sectors; };

    // The allocation table's own sectors: 109 listed in the header, the rest
    // in a chain of extension sectors.
    const quint32 fatSectors = u32At(file, 0x2C);
    if (qint64(fatSectors) > sectors)
        return false;
    std::vector<quint32> fatList;
    for (int i = 0; i < kHeaderFatEntries && fatList.size() < fatSectors; ++i)
        fatList.push_back(u32At(file, 0x4C + 4 * i));
    quint32 extension = u32At(file, 0x44);
    const int perExtension = int(sectorSize / 4) - 1;
    for (qint64 steps = 0; fatList.size() < fatSectors; ++steps) {
        if (!inFile(extension) || steps > sectors)
            return false;
        const qint64 at = sectorOffset(extension);
        for (int i = 0; i < perExtension && fatList.size() < fatSectors; ++i)
            fatList.push_back(u32At(file, at + 4 * i));
        extension = u32At(file, at + 4 * perExtension);
    }
    const auto next = [&](quint32 s, quint32* following) {
        const qint64 perSector = sectorSize / 4;
        const qint64 index = qint64(s) / perSector;
        if (index >= qint64(fatList.size()) || !inFile(fatList[index]))
            return false;
        *following = u32At(file, sectorOffset(fatList[index]) + 4 * (qint64(s) % perSector));
        return true;
    };

    // The directory chain; a chain longer than the file has sectors loops.
    quint32 sector = u32At(file, 0x30);
    for (qint64 steps = 0; sector != kEndOfChain; ++steps) {
        if (sector == kFreeSector || !inFile(sector) || steps > sectors)
            return false;
        const qint64 at = sectorOffset(sector);
        for (qint64 entry = at; entry < at + sectorSize; entry += kEntrySize) {
            if (u16At(file, entry + 64) > kMaxNameBytes)
                return false;
        }
        if (!next(sector, &sector))
            return false;
    }
    return true;
}

}  // namespace colorcard
