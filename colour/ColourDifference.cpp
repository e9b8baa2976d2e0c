// SPDX-License-Identifier: MIT
#include "colour/ColourDifference.h"

#include <lcms2.h>

#include <QStringList>
#include <cmath>

#include "texts/QcTexts.h"

namespace colorcard {

namespace {

constexpr double kPi = 3.14159265358979323846;

cmsCIELab toCms(const Lab& lab) {
    return cmsCIELab{lab.L, lab.a, lab.b};
}

double square(double x) {
    return x * x;
}

// The parameter as the label shows it: "2", "1.5".
QString number(double value) {
    return QString::number(value, 'g', 4);
}

}  // namespace

QString formulaLabel(const DifferenceMethod& method, const Language& language) {
    switch (method.formula) {
        case DeltaEFormula::Cie76:
            return QcText::FormulaCie76.in(language);
        case DeltaEFormula::Cie94:
            return QcText::FormulaCie94.in(language);
        case DeltaEFormula::Cie94Textiles:
            return QcText::FormulaCie94Textiles.in(language);
        case DeltaEFormula::Cmc:
            return QStringLiteral("%1(%2:%3)")
                .arg(QcText::FormulaCmc.in(language), number(method.l), number(method.c));
        case DeltaEFormula::Ciede2000:
            break;
    }
    QString text = QcText::FormulaCiede2000.in(language);
    if (method.kL != 1 || method.kC != 1 || method.kH != 1)
        text += QStringLiteral(" (%1:%2:%3)")
                    .arg(number(method.kL), number(method.kC), number(method.kH));
    return text;
}

double deltaE(const Lab& reference, const Lab& sample, const DifferenceMethod& method) {
    switch (method.formula) {
        case DeltaEFormula::Cie76:
            return deltaE76(reference, sample);
        case DeltaEFormula::Cie94:
            return deltaE94(reference, sample, false);
        case DeltaEFormula::Cie94Textiles:
            return deltaE94(reference, sample, true);
        case DeltaEFormula::Cmc:
            return deltaECmc(reference, sample, method.l, method.c);
        case DeltaEFormula::Ciede2000:
            break;
    }
    return deltaE00(reference, sample, method.kL, method.kC, method.kH);
}

double deltaE76(const Lab& reference, const Lab& sample) {
    return std::sqrt(square(sample.L - reference.L) + square(sample.a - reference.a) +
                     square(sample.b - reference.b));
}

// CIE 116-1995: SL = 1, SC = 1 + K1·C*, SH = 1 + K2·C*, kC = kH = 1, with C*
// the chroma of the reference. Little CMS's cmsCIE94DeltaE is not this
// formula, so it is written out here.
double deltaE94(const Lab& reference, const Lab& sample, bool textiles) {
    const double kL = textiles ? 2.0 : 1.0;
    const double K1 = textiles ? 0.048 : 0.045;
    const double K2 = textiles ? 0.014 : 0.015;
    const double C1 = chroma(reference);
    const double dL = sample.L - reference.L;
    const double dC = chroma(sample) - C1;
    // ΔH² from the Euclidean difference; rounding can make it slightly negative.
    const double dH2 = std::max(0.0, square(deltaE76(reference, sample)) - square(dL) - square(dC));
    const double SC = 1 + K1 * C1;
    const double SH = 1 + K2 * C1;
    return std::sqrt(square(dL / kL) + square(dC / SC) + dH2 / square(SH));
}

double deltaECmc(const Lab& reference, const Lab& sample, double l, double c) {
    cmsCIELab standard = toCms(reference);
    cmsCIELab batch = toCms(sample);
    // Little CMS answers 0 whenever both L* are exactly 0, whatever a* and b*.
    // Below L* 16 the formula does not depend on L* itself (SL is 0.511), so a
    // vanishing L* on both gives the published value.
    if (standard.L == 0 && batch.L == 0) {
        standard.L = 1e-9;
        batch.L = 1e-9;
    }
    // Its first argument is the standard: SL, SC and SH come from it.
    return cmsCMCdeltaE(&standard, &batch, l, c);
}

double deltaE00(const Lab& reference, const Lab& sample, double kL, double kC, double kH) {
    const cmsCIELab first = toCms(reference);
    const cmsCIELab second = toCms(sample);
    return cmsCIE2000DeltaE(&first, &second, kL, kC, kH);
}

double chroma(const Lab& lab) {
    return std::hypot(lab.a, lab.b);
}

double hueAngle(const Lab& lab) {
    if (lab.a == 0 && lab.b == 0)
        return 0;
    double h = std::atan2(lab.b, lab.a) * 180 / kPi;
    if (h < 0)
        h += 360;
    return h >= 360 ? h - 360 : h;
}

LabDifferences labDifferences(const Lab& reference, const Lab& sample) {
    LabDifferences d;
    d.dL = sample.L - reference.L;
    d.da = sample.a - reference.a;
    d.db = sample.b - reference.b;
    const double C1 = chroma(reference);
    const double C2 = chroma(sample);
    d.dC = C2 - C1;
    d.dE = deltaE76(reference, sample);
    if (C1 > 0 && C2 > 0) {
        d.dh = hueAngle(sample) - hueAngle(reference);
        if (d.dh > 180)
            d.dh -= 360;
        else if (d.dh <= -180)
            d.dh += 360;
    }
    // ΔH* = 2·√(C1·C2)·sin(Δh/2): the hue part of ΔE*ab with the sign of Δh.
    d.dH = 2 * std::sqrt(C1 * C2) * std::sin(d.dh * kPi / 360);
    return d;
}

QVector<Direction> directions(const LabDifferences& d, double threshold) {
    QVector<Direction> words;
    if (std::abs(d.dL) >= threshold)
        words << (d.dL > 0 ? Direction::Lighter : Direction::Darker);
    if (std::abs(d.da) >= threshold)
        words << (d.da > 0 ? Direction::Redder : Direction::Greener);
    if (std::abs(d.db) >= threshold)
        words << (d.db > 0 ? Direction::Yellower : Direction::Bluer);
    if (std::abs(d.dC) >= threshold)
        words << (d.dC > 0 ? Direction::MoreSaturated : Direction::LessSaturated);
    return words;
}

BilingualText directionText(Direction direction) {
    switch (direction) {
        case Direction::Lighter:
            return QcText::Lighter;
        case Direction::Darker:
            return QcText::Darker;
        case Direction::Redder:
            return QcText::Redder;
        case Direction::Greener:
            return QcText::Greener;
        case Direction::Yellower:
            return QcText::Yellower;
        case Direction::Bluer:
            return QcText::Bluer;
        case Direction::MoreSaturated:
            return QcText::MoreSaturated;
        case Direction::LessSaturated:
            break;
    }
    return QcText::LessSaturated;
}

QString describeDirections(const QVector<Direction>& words, const Language& language) {
    QStringList texts;
    for (Direction word : words)
        texts << directionText(word).in(language);
    return texts.join(language.isChinese() ? QStringLiteral("、") : QStringLiteral(", "));
}

}  // namespace colorcard
