// SPDX-License-Identifier: MIT
#include "colour/Tolerance.h"

#include <cmath>

#include "texts/QcTexts.h"

namespace colorcard {

namespace {

Comparison measureDifference(const Lab& standard, const Lab& sample, const Tolerance& tolerance) {
    Comparison result;
    result.standard = standard;
    result.sample = sample;
    result.tolerance = tolerance;
    result.differences = labDifferences(standard, sample);
    result.deltaE = deltaE(standard, sample, tolerance.method);
    result.directions = directions(result.differences);
    return result;
}

}  // namespace

// A bare tolerance warns at the default level.
Comparison compare(const Lab& standard, const Lab& sample, const Tolerance& tolerance) {
    return compare(standard, sample, ToleranceModel{tolerance, {}, {}, {}, {}});
}

Comparison compare(const Lab& standard, const Lab& sample, const ToleranceModel& model) {
    Comparison result = measureDifference(standard, sample, model.tolerance);
    const LabDifferences& d = result.differences;
    result.axisOver[0] = model.lightness.exceeded(d.dL);
    result.axisOver[1] = model.chroma.exceeded(d.dC);
    result.axisOver[2] = model.hue.exceeded(d.dH);
    result.warningLevel = model.warningLevel();
    result.verdict = judge(model, d, result.deltaE);
    result.pass = result.verdict != Verdict::Fail;
    return result;
}

Verdict judge(const ToleranceModel& model, const LabDifferences& d, double deltaE) {
    if (!model.tolerance.passes(deltaE) || model.lightness.exceeded(d.dL) ||
        model.chroma.exceeded(d.dC) || model.hue.exceeded(d.dH))
        return Verdict::Fail;
    return deltaE > model.warningLevel() ? Verdict::Warn : Verdict::Pass;
}

QString verdictWord(Verdict verdict, const Language& language) {
    switch (verdict) {
        case Verdict::Pass:
            return QcText::Pass.in(language);
        case Verdict::Warn:
            return QcText::Warn.in(language);
        case Verdict::Fail:
            break;
    }
    return QcText::Fail.in(language);
}

QString verdictCode(Verdict verdict) {
    switch (verdict) {
        case Verdict::Pass:
            return QStringLiteral("pass");
        case Verdict::Warn:
            return QStringLiteral("warn");
        case Verdict::Fail:
            break;
    }
    return QStringLiteral("fail");
}

AveragedReading averageReadings(const QVector<Lab>& readings) {
    AveragedReading result;
    result.count = readings.size();
    if (readings.isEmpty())
        return result;
    for (const Lab& r : readings) {
        result.mean.L += r.L;
        result.mean.a += r.a;
        result.mean.b += r.b;
    }
    const double n = readings.size();
    result.mean.L /= n;
    result.mean.a /= n;
    result.mean.b /= n;
    if (readings.size() < 2)
        return result;
    Lab sum;
    for (const Lab& r : readings) {
        sum.L += (r.L - result.mean.L) * (r.L - result.mean.L);
        sum.a += (r.a - result.mean.a) * (r.a - result.mean.a);
        sum.b += (r.b - result.mean.b) * (r.b - result.mean.b);
    }
    result.deviation =
        Lab{std::sqrt(sum.L / (n - 1)), std::sqrt(sum.a / (n - 1)), std::sqrt(sum.b / (n - 1))};
    return result;
}

}  // namespace colorcard
