// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace colorcard {

// The value columns of a colour, in the order the store, the files and the
// meter hold them.
namespace ColorColumns {

inline constexpr int ValueCount = 19;
enum Column {
    LabL,
    Laba,
    Labb,
    LuvL,
    Luvu,
    Luvv,
    LChL,
    LChC,
    LChh,
    YxyY,
    Yxyx,
    Yxyy,
    CmykC,
    CmykM,
    CmykY,
    CmykK,
    RgbR,
    RgbG,
    RgbB
};

// The one shared text of a whole number from 0 to 255 written plainly (CMYK
// and RGB values), or null for any other text: the thousands of colours a
// file or table holds then share their few texts instead of a string each.
const QString* sharedSmallNumber(const char* text, int size);
const QString* sharedSmallNumber(const QChar* text, int size);

}  // namespace ColorColumns

// One colour of a library. Each value is kept as the text it was stored or
// read as ("" for a value the colour does not hold): files and the store
// must come back byte for byte, so numbers are read from the text on demand.
struct Colour {
    using Field = ColorColumns::Column;

    int rowId = 0;  // the row of the library's table; 0 when not stored yet
    QString id;     // "ColorData<n><time>"
    QString name;

    QString labL, laba, labb;
    QString luvL, luvu, luvv;
    QString lchL, lchC, lchh;
    QString yxyY, yxyx, yxyy;
    QString cmykC, cmykM, cmykY, cmykK;
    QString rgbR, rgbG, rgbB;

    const QString& text(Field field) const;
    QString& text(Field field);
    // The value as a finite number; nullopt when it is empty or not one.
    std::optional<double> number(Field field) const;
    // L*, a* and b* are all numbers.
    bool hasLab() const;

    // The nineteen texts in column order.
    QStringList values() const;
    // From texts in column order: missing ones become "", extra ones are dropped.
    void setValues(const QStringList& values);
    static Colour fromValues(const QString& name, const QStringList& values);

    bool sameValues(const Colour& other) const;
    bool operator==(const Colour& other) const {
        return rowId == other.rowId && id == other.id && name == other.name && sameValues(other);
    }
    bool operator!=(const Colour& other) const { return !(*this == other); }
};
}  // namespace colorcard
Q_DECLARE_TYPEINFO(colorcard::Colour, Q_MOVABLE_TYPE);
namespace colorcard {

// A colour card library: what the store's library table holds for it and,
// when read, its colours in stored order.
struct Library {
    int rowId = 0;  // the row of the library table; 0 when not stored yet
    QString id;     // "ColorCard<n><time>": also the name of its colour table
    QString meterNumber;
    QString name;
    QString description;
    // The stored count text, kept as it is (it may disagree with colours).
    QString count;
    QVector<Colour> colours;
    // The library row's version where the store keeps one (a server): an
    // edit names it and is refused when another bench came first. 0 otherwise.
    int version = 0;

    // Read from the store; a lookup that found nothing returns one that is not.
    bool isStored() const { return rowId > 0; }
};
}  // namespace colorcard
Q_DECLARE_TYPEINFO(colorcard::Library, Q_MOVABLE_TYPE);
