// SPDX-License-Identifier: MIT
#pragma once

#include <QVector>
#include <memory>

#include "protocol/MeterDriver.h"
#include "workflow/LibraryTypes.h"

namespace colorcard {

class FrameLayer;
class LibraryMerge;
class LibraryService;

// Export of meter data: every standard colour card library stored in the
// meter is read (records, then the colour data stream) and merged into the
// store and the list in one transaction (LibraryMerge::mergeAll). Runs to its end on the
// calling thread and reports success or the first failure in an information box.
class MeterExport {
public:
    MeterExport(LibraryMerge& merge, MeterDriver& driver);
    // Over the meter's frame layer.
    MeterExport(LibraryMerge& merge, FrameLayer& frames);
    ~MeterExport();

    // True when every meter library was read and stored, found unchanged or
    // skipped by the user; the success message (or, when not one library
    // changed, that nothing was changed) has then been shown.
    bool run();
    // The export at a meter's first connection: finding nothing new is said
    // in the status line, not in a box.
    void setAutomatic(bool automatic) { automatic_ = automatic; }

private:
    // Tells what stopped the reading.
    void reportReadFailure(const MeterOutcome& outcome) const;
    bool storeLibraries(const QVector<MeterLibraryRecord>& libraries,
                        const QVector<MeterColour>& colours);
    // Tells how many stored colours lie outside LabRange, naming the first.
    void reportImplausible(const QVector<MeterLibraryRecord>& libraries,
                           const QVector<MeterColour>& colours) const;

    LibraryMerge& merge_;
    LibraryService& library_;
    std::unique_ptr<MeterDriver> ownDriver_;
    MeterDriver& driver_;
    bool automatic_ = false;
};

}  // namespace colorcard
