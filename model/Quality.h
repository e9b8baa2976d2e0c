// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>
#include <optional>

namespace colorcard {

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
    // All parameters positive and finite.
    bool valid() const;
    bool operator==(const DifferenceMethod& other) const;
    bool operator!=(const DifferenceMethod& other) const { return !(*this == other); }
};

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

// How far a sample may be from its standard: a formula with its parameters
// and a limit on its ΔE.
struct Tolerance {
    DifferenceMethod method;
    double limit = 1.0;

    // A sample passes when its ΔE is at most the limit.
    bool passes(double difference) const { return difference <= limit; }
    // A valid formula and a positive, finite limit.
    bool valid() const;
    bool operator==(const Tolerance& other) const {
        return method == other.method && limit == other.limit;
    }
    bool operator!=(const Tolerance& other) const { return !(*this == other); }
};

// How a comparison came out: WARN still passes but is near the limit.
enum class Verdict { Pass, Warn, Fail };

// The warning level when none is set, as a share of the limit.
inline constexpr double kDefaultWarningFraction = 0.8;

// Limits on one axis around zero, each a magnitude; an absent side is no
// limit. Asymmetric: a sample may be allowed further one way than the other.
struct AxisBounds {
    std::optional<double> below;  // fails when Δ < −below
    std::optional<double> above;  // fails when Δ > above

    bool empty() const { return !below && !above; }
    bool exceeded(double delta) const {
        return (below && delta < -*below) || (above && delta > *above);
    }
    bool valid() const;
    bool operator==(const AxisBounds& other) const {
        return below == other.below && above == other.above;
    }
    bool operator!=(const AxisBounds& other) const { return !(*this == other); }
};

// A tolerance with a warning level and optional limits on ΔL*, ΔC*, ΔH*.
struct ToleranceModel {
    Tolerance tolerance;
    std::optional<double> warning;  // absent: kDefaultWarningFraction of the limit
    AxisBounds lightness;           // ΔL*
    AxisBounds chroma;              // ΔC*
    AxisBounds hue;                 // ΔH*

    double warningLevel() const {
        return warning ? *warning : kDefaultWarningFraction * tolerance.limit;
    }
    bool hasAxisLimits() const { return !lightness.empty() || !chroma.empty() || !hue.empty(); }
    // A valid tolerance, a warning level above zero and at most the limit,
    // axis limits positive and finite.
    bool valid() const;
    bool operator==(const ToleranceModel& other) const {
        return tolerance == other.tolerance && warning == other.warning &&
               lightness == other.lightness && chroma == other.chroma && hue == other.hue;
    }
    bool operator!=(const ToleranceModel& other) const { return !(*this == other); }
};

// A sample judged against its standard.
struct Comparison {
    Lab standard;
    Lab sample;
    Tolerance tolerance;
    LabDifferences differences;
    double deltaE = 0;  // by the tolerance's formula
    bool pass = false;  // not FAIL
    Verdict verdict = Verdict::Fail;
    // Which axes were over their limits (ΔL*, ΔC*, ΔH*).
    bool axisOver[3] = {false, false, false};
    double warningLevel = 0;
    QVector<Direction> directions;
};

// One compared sample as the history keeps it.
struct HistoryEntry {
    qint64 id = 0;
    QDateTime time;  // UTC
    QString meterNumber;
    QString libraryId;
    QString libraryName;
    QString colourId;
    QString colourName;
    Lab standard;
    Lab sample;        // the mean when several readings were taken
    int readings = 1;  // how many were averaged
    Lab deviation;     // their standard deviations
    double deltaE = 0;
    Tolerance tolerance;
    // False for an entry kept without its formula and limit: its
    // tolerance is then unknown (not the default).
    bool toleranceKnown = true;
    bool pass = false;
    // WARN is kept beside the history row; older rows have only PASS/FAIL.
    std::optional<Verdict> verdict;
    std::optional<double> warningLevel;
    qint64 lotId = 0;  // 0: recorded before lots
    QString lotName;

    Verdict judged() const { return verdict ? *verdict : (pass ? Verdict::Pass : Verdict::Fail); }
};

// A run of samples measured together, as the QC page starts it.
struct Lot {
    qint64 id = 0;
    QString name;
    QString note;
    QString operatorName;
    QDateTime created;  // UTC
};

// How many entries of a history passed.
struct PassRate {
    int passed = 0;
    int total = 0;
    // passed / total, 0 without entries.
    double rate() const { return total ? double(passed) / total : 0.0; }
};

}  // namespace colorcard
