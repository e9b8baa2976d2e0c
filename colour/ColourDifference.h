// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QVector>
#include <optional>

#include "BilingualText.h"

// CIE L*a*b* coordinates.
struct Lab {
    double L = 0;
    double a = 0;
    double b = 0;
};

enum class DeltaEFormula {
    Cie76,          // ΔE*ab, the Euclidean distance
    Cie94,          // ΔE94, graphic-arts constants (kL 1, K1 0.045, K2 0.015)
    Cie94Textiles,  // ΔE94, textiles constants (kL 2, K1 0.048, K2 0.014)
    Cmc,            // ΔE CMC(l:c)
    Ciede2000,      // ΔE00
};

// A colour-difference formula together with its parameters. Only the
// parameters of the chosen formula matter.
struct DifferenceMethod {
    DeltaEFormula formula = DeltaEFormula::Ciede2000;
    double l = 2;   // CMC lightness weight
    double c = 1;   // CMC chroma weight
    double kL = 1;  // CIEDE2000 parametric factors
    double kC = 1;
    double kH = 1;

    static DifferenceMethod cie76() { return {DeltaEFormula::Cie76}; }
    static DifferenceMethod cie94(bool textiles = false) {
        return {textiles ? DeltaEFormula::Cie94Textiles : DeltaEFormula::Cie94};
    }
    static DifferenceMethod cmc(double l, double c) {
        DifferenceMethod m{DeltaEFormula::Cmc};
        m.l = l;
        m.c = c;
        return m;
    }
    static DifferenceMethod ciede2000(double kL = 1, double kC = 1, double kH = 1) {
        DifferenceMethod m{DeltaEFormula::Ciede2000};
        m.kL = kL;
        m.kC = kC;
        m.kH = kH;
        return m;
    }

    // The short codes of the command line: "76", "94", "94t", "cmc", "00".
    QString code() const;
    static std::optional<DeltaEFormula> formulaFromCode(const QString& code);
    // "ΔE00", "ΔE CMC(2:1)", "ΔE94 (textiles)"…, the ΔE00 factors shown
    // where they differ from 1:1:1.
    QString label(const Language& language) const;
    // All parameters positive and finite.
    bool valid() const;
    bool operator==(const DifferenceMethod& other) const;
    bool operator!=(const DifferenceMethod& other) const { return !(*this == other); }
};

// The difference of a sample from its reference. Every formula except ΔE76
// and ΔE00 weights by the reference, so the order matters.
double deltaE(const Lab& reference, const Lab& sample, const DifferenceMethod& method);
double deltaE76(const Lab& reference, const Lab& sample);
double deltaE94(const Lab& reference, const Lab& sample, bool textiles);
double deltaECmc(const Lab& reference, const Lab& sample, double l, double c);
double deltaE00(const Lab& reference, const Lab& sample, double kL = 1, double kC = 1,
                double kH = 1);

double chroma(const Lab& lab);
// Hue angle in degrees, 0 ≤ h < 360 (0 for a neutral colour).
double hueAngle(const Lab& lab);

// Sample minus reference, axis by axis.
struct LabDifferences {
    double dL = 0;
    double da = 0;
    double db = 0;
    double dC = 0;  // ΔC*ab
    double dH = 0;  // ΔH*ab, signed like the hue-angle difference
    double dh = 0;  // hue-angle difference in degrees, -180 < Δh ≤ 180
    double dE = 0;  // ΔE*ab
};
LabDifferences labDifferences(const Lab& reference, const Lab& sample);

// How the sample looks beside its reference, at most one word per axis.
enum class Direction {
    Lighter,
    Darker,
    Redder,
    Greener,
    Yellower,
    Bluer,
    MoreSaturated,
    LessSaturated
};
// Axes that differ by less than threshold get no word: such differences are
// within a meter's repeatability.
QVector<Direction> directions(const LabDifferences& differences, double threshold = 0.1);
BilingualText directionText(Direction direction);
// The words joined for display ("lighter, redder" / "偏亮、偏红").
QString describeDirections(const QVector<Direction>& directions, const Language& language);
