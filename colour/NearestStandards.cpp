// SPDX-License-Identifier: MIT
#include "colour/NearestStandards.h"

#include <algorithm>

namespace colorcard {

void StandardIndex::clear() {
    standards_.clear();
}

void StandardIndex::reserve(int count) {
    standards_.reserve(count);
}

void StandardIndex::add(const Standard& standard) {
    standards_.append(standard);
}

QVector<NearestMatch> StandardIndex::nearest(const Lab& sample, const DifferenceMethod& method,
                                             int count) const {
    QVector<NearestMatch> all(standards_.size());
    for (int i = 0; i < standards_.size(); ++i)
        all[i] = NearestMatch{i, deltaE(standards_[i].lab, sample, method)};
    const int kept = std::clamp(count, 0, int(all.size()));
    const auto closer = [](const NearestMatch& x, const NearestMatch& y) {
        return x.deltaE < y.deltaE || (x.deltaE == y.deltaE && x.index < y.index);
    };
    std::partial_sort(all.begin(), all.begin() + kept, all.end(), closer);
    all.resize(kept);
    return all;
}

}  // namespace colorcard
