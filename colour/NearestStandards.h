// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QVector>

#include "colour/ColourDifference.h"

namespace colorcard {

// One standard colour of a library, as the nearest-standard search sees it.
struct Standard {
    QString libraryId;
    QString libraryName;
    QString colourId;
    QString colourName;
    Lab lab;
};

struct NearestMatch {
    int index = -1;  // into StandardIndex::standards()
    double deltaE = 0;
};

// The standards of every library, searched for the ones nearest a sample.
// Each standard is the reference of its own difference, as in a comparison.
class StandardIndex {
public:
    void clear();
    void reserve(int count);
    void add(const Standard& standard);
    const QVector<Standard>& standards() const { return standards_; }
    int size() const { return standards_.size(); }

    // The count nearest standards by the method, nearest first; equal
    // differences keep the order in which the standards were added.
    QVector<NearestMatch> nearest(const Lab& sample, const DifferenceMethod& method,
                                  int count) const;

private:
    QVector<Standard> standards_;
};

}  // namespace colorcard
