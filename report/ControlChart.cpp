// SPDX-License-Identifier: MIT
#include "report/ControlChart.h"

#include <algorithm>
#include <cmath>

namespace colorcard {

ControlChart controlChart(const QVector<double>& values, std::optional<double> lower,
                          std::optional<double> upper) {
    ControlChart chart;
    chart.count = values.size();
    if (values.isEmpty())
        return chart;
    double sum = 0;
    for (double v : values)
        sum += v;
    chart.mean = sum / values.size();
    if (values.size() > 1) {
        double squares = 0, ranges = 0;
        for (int i = 0; i < values.size(); ++i) {
            squares += (values[i] - chart.mean) * (values[i] - chart.mean);
            if (i > 0)
                ranges += std::abs(values[i] - values[i - 1]);
        }
        chart.standardDeviation = std::sqrt(squares / (values.size() - 1));
        chart.meanMovingRange = ranges / (values.size() - 1);
    }
    chart.sigma = chart.meanMovingRange / kMovingRangeD2;
    chart.lowerControlLimit = chart.mean - kMovingRangeLimitFactor * chart.meanMovingRange;
    chart.upperControlLimit = chart.mean + kMovingRangeLimitFactor * chart.meanMovingRange;
    for (int i = 0; i < values.size(); ++i)
        if (values[i] < chart.lowerControlLimit || values[i] > chart.upperControlLimit)
            chart.outside.append(i);
    if (chart.count < kMinCapabilityCount || !(chart.sigma > 0))
        return chart;
    if (lower && upper)
        chart.cp = (*upper - *lower) / (6 * chart.sigma);
    std::optional<double> cpk;
    if (upper)
        cpk = (*upper - chart.mean) / (3 * chart.sigma);
    if (lower) {
        const double below = (chart.mean - *lower) / (3 * chart.sigma);
        cpk = cpk ? std::min(*cpk, below) : below;
    }
    chart.cpk = cpk;
    return chart;
}

}  // namespace colorcard
