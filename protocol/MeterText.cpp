// SPDX-License-Identifier: MIT
#include "protocol/MeterText.h"

#include <QVector>

#include "compat/QtCompat.h"

namespace colorcard {

namespace {

bool plausible(char32_t c) {
    return (c >= 0x01 && c <= 0x7F)          // ASCII
           || (c >= 0x3000 && c <= 0x303F)   // CJK symbols and punctuation
           || (c >= 0x3400 && c <= 0x4DBF)   // CJK ideographs, extension A
           || (c >= 0x4E00 && c <= 0x9FFF)   // CJK unified ideographs
           || (c >= 0xF900 && c <= 0xFAFF)   // CJK compatibility ideographs
           || (c >= 0xFF00 && c <= 0xFFEF);  // half-width and full-width forms
}

// GB2312 is read as GBK, its superset, as older software did: the characters
// GB2312 leaves unassigned read as the private-use code points GBK gives them.
const char* const kGb2312 = "GBK";

// GB2312 (EUC-CN) byte structure: ASCII bytes alone, everything else in
// pairs of a lead 0xA1..0xF7 and a trail 0xA1..0xFE.
bool gb2312Shaped(const QByteArray& bytes) {
    for (int i = 0; i < bytes.size(); ++i) {
        const quint8 lead = quint8(bytes[i]);
        if (lead < 0x80)
            continue;
        if (lead < 0xA1 || lead > 0xF7 || i + 1 >= bytes.size())
            return false;
        const quint8 trail = quint8(bytes[++i]);
        if (trail < 0xA1 || trail > 0xFE)
            return false;
    }
    return true;
}

}  // namespace

bool isPlausibleNameText(const QString& text) {
    for (const uint c : text.toUcs4()) {
        if (!plausible(c))
            return false;
    }
    return true;
}

QString decodeMeterLibraryText(const QByteArray& bytes) {
    const QString utf8 = QtCompat::decodeStrictly(bytes, "UTF-8");
    if (!utf8.isNull() && isPlausibleNameText(utf8))
        return utf8;
    if (gb2312Shaped(bytes)) {
        const QString gb2312 = QtCompat::decodeStrictly(bytes, kGb2312);
        if (!gb2312.isNull())
            return gb2312;
    }
    // Not GB2312: the program's own UTF-8 (a name outside the plausible set),
    // or bytes valid in neither, which read as GB2312 did before.
    if (!utf8.isNull())
        return utf8;
    return QtCompat::decode(bytes, kGb2312);
}

}  // namespace colorcard
