// SPDX-License-Identifier: MIT
#include "colour/ColourIndices.h"

#include <QStringList>
#include <cmath>

#include "texts/IndexTexts.h"

namespace colorcard {

namespace {

struct KnownWhite {
    const char* illuminant;
    int observer;
    Xyz white;
};

// ASTM E308: the white points its weighting tables of the CIE illuminants
// sum to, for the 1931 (2°) and 1964 (10°) observers.
constexpr KnownWhite kWhites[] = {
    {"A", 2, {109.850, 100, 35.585}},   {"A", 10, {111.144, 100, 35.200}},
    {"C", 2, {98.074, 100, 118.232}},   {"C", 10, {97.285, 100, 116.145}},
    {"D50", 2, {96.422, 100, 82.521}},  {"D50", 10, {96.720, 100, 81.427}},
    {"D55", 2, {95.682, 100, 92.149}},  {"D55", 10, {95.799, 100, 90.926}},
    {"D65", 2, {95.047, 100, 108.883}}, {"D65", 10, {94.811, 100, 107.304}},
    {"D75", 2, {94.972, 100, 122.638}}, {"D75", 10, {94.416, 100, 120.641}},
};

struct YellownessCoefficients {
    const char* illuminant;
    int observer;
    double cx;
    double cz;
};

// ASTM E313, Table 1: YI = 100 (Cx·X − Cz·Z) / Y. The D65/10° pair is the
// current edition's.
constexpr YellownessCoefficients kE313[] = {
    {"C", 2, 1.2769, 1.0592},
    {"D65", 2, 1.2985, 1.1335},
    {"C", 10, 1.2871, 1.0781},
    {"D65", 10, 1.3013, 1.1498},
};

// ASTM D1925 (withdrawn): YI = 100 (1.28 X − 1.06 Z) / Y, defined for
// illuminant C and the 2° observer only.
constexpr double kD1925X = 1.28;
constexpr double kD1925Z = 1.06;

// CIE 15 / ISO 11475 whiteness and tint:
//   W = Y + 800 (xn − x) + 1700 (yn − y)
//   T = kT (xn − x) − 650 (yn − y), kT 1000 for 2°, 900 for 10°,
// valid for D65 and 40 < W < 5Y − 280, −4 < T < +2.
constexpr double kWhitenessX = 800;
constexpr double kWhitenessY = 1700;
constexpr double kTintX2 = 1000;
constexpr double kTintX10 = 900;
constexpr double kTintY = 650;

// CIE 15 L*a*b*: the cube root below (24/116)³ gives way to a straight line.
constexpr double kEpsilon = 216.0 / 24389.0;
constexpr double kKappa = 24389.0 / 27.0;

double inverseF(double f) {
    const double cube = f * f * f;
    return cube > kEpsilon ? cube : (116 * f - 16) / kKappa;
}

bool same(const char* known, const QString& name) {
    return name.compare(QLatin1String(known), Qt::CaseInsensitive) == 0;
}

struct Chromaticity {
    double x = 0;
    double y = 0;
};

Chromaticity chromaticity(const Xyz& xyz) {
    const double sum = xyz.X + xyz.Y + xyz.Z;
    return Chromaticity{xyz.X / sum, xyz.Y / sum};
}

}  // namespace

std::optional<MeasuringConditions> MeasuringConditions::parse(const QString& text) {
    const QStringList parts = text.trimmed().split(QLatin1Char('/'));
    if (parts.size() != 2)
        return std::nullopt;
    QString degrees = parts[1].trimmed();
    for (const QString& unit : {QStringLiteral("_Degree"), QStringLiteral("°")})
        if (degrees.endsWith(unit, Qt::CaseInsensitive))
            degrees.chop(unit.size());
    if (degrees != QLatin1String("2") && degrees != QLatin1String("10"))
        return std::nullopt;
    const QString illuminant = parts[0].trimmed().toUpper();
    if (illuminant.isEmpty() || illuminant.contains(QLatin1Char(' ')))
        return std::nullopt;
    return MeasuringConditions{illuminant, degrees.toInt()};
}

QString MeasuringConditions::label() const {
    return QStringLiteral("%1/%2°").arg(illuminant).arg(observer);
}

std::optional<Xyz> whitePoint(const MeasuringConditions& conditions) {
    for (const KnownWhite& known : kWhites)
        if (known.observer == conditions.observer && same(known.illuminant, conditions.illuminant))
            return known.white;
    return std::nullopt;
}

Xyz labToXyz(const Lab& lab, const Xyz& white) {
    const double fy = (lab.L + 16) / 116;
    const double fx = fy + lab.a / 500;
    const double fz = fy - lab.b / 200;
    const double yr = lab.L > kKappa * kEpsilon ? fy * fy * fy : lab.L / kKappa;
    return Xyz{white.X * inverseF(fx), white.Y * yr, white.Z * inverseF(fz)};
}

QVector<ColourIndex> colourIndices() {
    return {ColourIndex::CieWhiteness, ColourIndex::CieTint, ColourIndex::E313Yellowness,
            ColourIndex::D1925Yellowness};
}

QString indexCode(ColourIndex index) {
    switch (index) {
        case ColourIndex::CieWhiteness:
            return QStringLiteral("cie-whiteness");
        case ColourIndex::CieTint:
            return QStringLiteral("cie-tint");
        case ColourIndex::E313Yellowness:
            return QStringLiteral("e313-yellowness");
        case ColourIndex::D1925Yellowness:
            return QStringLiteral("d1925-yellowness");
        case ColourIndex::None:
            break;
    }
    return QStringLiteral("none");
}

std::optional<ColourIndex> indexFromCode(const QString& code) {
    const QString wanted = code.trimmed().toLower();
    if (wanted == indexCode(ColourIndex::None))
        return ColourIndex::None;
    for (ColourIndex index : colourIndices())
        if (indexCode(index) == wanted)
            return index;
    return std::nullopt;
}

BilingualText indexName(ColourIndex index) {
    switch (index) {
        case ColourIndex::CieWhiteness:
            return IndexText::CieWhiteness;
        case ColourIndex::CieTint:
            return IndexText::CieTint;
        case ColourIndex::E313Yellowness:
            return IndexText::E313Yellowness;
        case ColourIndex::D1925Yellowness:
            return IndexText::D1925Yellowness;
        case ColourIndex::None:
            break;
    }
    return IndexText::NoIndex;
}

QString indexSymbol(ColourIndex index) {
    switch (index) {
        case ColourIndex::CieWhiteness:
            return QStringLiteral("W");
        case ColourIndex::CieTint:
            return QStringLiteral("T");
        case ColourIndex::E313Yellowness:
            return QStringLiteral("YI E313");
        case ColourIndex::D1925Yellowness:
            return QStringLiteral("YI D1925");
        case ColourIndex::None:
            break;
    }
    return QString();
}

IndexValue colourIndex(ColourIndex index, const Lab& lab, const MeasuringConditions& conditions) {
    IndexValue result;
    if (index == ColourIndex::None) {
        result.status = IndexValue::Status::NotForConditions;
        return result;
    }
    const std::optional<Xyz> white = whitePoint(conditions);
    if (!white) {
        result.status = IndexValue::Status::NoWhitePoint;
        return result;
    }
    const Xyz xyz = labToXyz(lab, *white);
    // Every index divides by Y or by X + Y + Z.
    const double sum = xyz.X + xyz.Y + xyz.Z;
    if (!(xyz.Y > 0) || !(sum > 0) || !std::isfinite(sum)) {
        result.status = IndexValue::Status::Undefined;
        return result;
    }
    switch (index) {
        case ColourIndex::CieWhiteness:
        case ColourIndex::CieTint: {
            const Chromaticity n = chromaticity(*white);
            const Chromaticity s = chromaticity(xyz);
            const double whiteness = xyz.Y + kWhitenessX * (n.x - s.x) + kWhitenessY * (n.y - s.y);
            const double tint = (conditions.observer == 2 ? kTintX2 : kTintX10) * (n.x - s.x) -
                                kTintY * (n.y - s.y);
            result.value = index == ColourIndex::CieWhiteness ? whiteness : tint;
            // Both limits hold for either number: outside them the sample is
            // no white the formula can rank.
            result.inRange = same("D65", conditions.illuminant) && whiteness > 40 &&
                             whiteness < 5 * xyz.Y - 280 && tint > -4 && tint < 2;
            return result;
        }
        case ColourIndex::E313Yellowness:
            for (const YellownessCoefficients& k : kE313) {
                if (k.observer == conditions.observer &&
                    same(k.illuminant, conditions.illuminant)) {
                    result.value = 100 * (k.cx * xyz.X - k.cz * xyz.Z) / xyz.Y;
                    return result;
                }
            }
            break;
        case ColourIndex::D1925Yellowness:
            if (conditions.observer == 2 && same("C", conditions.illuminant)) {
                result.value = 100 * (kD1925X * xyz.X - kD1925Z * xyz.Z) / xyz.Y;
                return result;
            }
            break;
        case ColourIndex::None:
            break;
    }
    result.status = IndexValue::Status::NotForConditions;
    return result;
}

}  // namespace colorcard
