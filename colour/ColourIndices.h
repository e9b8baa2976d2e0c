// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QVector>
#include <optional>

#include "colour/ColourDifference.h"
#include "texts/BilingualText.h"

namespace colorcard {

// CIE XYZ tristimulus values, Y of the perfect white 100.
struct Xyz {
    double X = 0;
    double Y = 0;
    double Z = 0;
};

// The illuminant and observer the meter's L*a*b* are given under.
struct MeasuringConditions {
    QString illuminant = QStringLiteral("D65");
    int observer = 10;  // degrees: 2 or 10

    // "D65/10", "d65/10°", "C/2", "D65/10_Degree"; nullopt for anything else.
    static std::optional<MeasuringConditions> parse(const QString& text);
    // "D65/10°".
    QString label() const;
    bool operator==(const MeasuringConditions& other) const {
        return illuminant == other.illuminant && observer == other.observer;
    }
};

// The white point of the conditions, nullopt for an illuminant whose white
// point this program does not carry (A, C, D50, D55, D65 and D75 are known).
std::optional<Xyz> whitePoint(const MeasuringConditions& conditions);
// CIE L*a*b* back to XYZ relative to the white point.
Xyz labToXyz(const Lab& lab, const Xyz& white);

// The single-number indices of near-white samples.
enum class ColourIndex {
    None,
    CieWhiteness,     // CIE 15 / ISO 11475 whiteness W (W10)
    CieTint,          // CIE 15 / ISO 11475 tint T (T10)
    E313Yellowness,   // ASTM E313 yellowness index
    D1925Yellowness,  // ASTM D1925 yellowness index (withdrawn; C/2° only)
};

// Every index but None, in the order offered.
QVector<ColourIndex> colourIndices();
// The command line's names: "cie-whiteness", "cie-tint", "e313-yellowness",
// "d1925-yellowness"; "none" for None.
QString indexCode(ColourIndex index);
std::optional<ColourIndex> indexFromCode(const QString& code);
// "CIE whiteness W", "ASTM D1925 yellowness (withdrawn)"…
BilingualText indexName(ColourIndex index);
// The symbol of a narrow column: "W", "T", "YI E313", "YI D1925".
QString indexSymbol(ColourIndex index);

struct IndexValue {
    enum class Status {
        Computed,
        NoWhitePoint,      // the illuminant's white point is not known
        NotForConditions,  // the index has no constants for these conditions
        Undefined,         // no lightness (Y 0) to divide by
    };
    Status status = Status::Computed;
    double value = 0;
    // Within the formula's range of validity (CIE whiteness and tint: D65
    // only, 40 < W < 5Y − 280 and −4 < T < +2). Values outside are still
    // given, to be shown with a mark.
    bool inRange = true;

    bool computed() const { return status == Status::Computed; }
};

IndexValue colourIndex(ColourIndex index, const Lab& lab, const MeasuringConditions& conditions);

}  // namespace colorcard
