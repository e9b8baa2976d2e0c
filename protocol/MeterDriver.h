// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>
#include <limits>

#include "protocol/MeterResult.h"
#include "protocol/MeterTypes.h"

namespace colorcard {

// What the meter tells about itself when asked who it is.
struct MeterInformation {
    quint32 instrumentId = 0;
    quint32 meterNumber = 0;
    // 0 from a meter that only answers the older production information.
    int firmwareVersion = 0;
};

// One library's information record in the meter. The check codes are only
// those a write sends; a read leaves them 0.
struct MeterLibraryRecord {
    QString name;
    QString description;
    int count = 0;
    int dataCheck = 0;
    int infoCheck = 0;
};

// One standard colour with its values as the store keeps them, L*a*b* texts
// of two decimals; the meter holds them as signed hundredths.
struct MeterColour {
    QString name;
    QString L;
    QString a;
    QString b;
};

// The meter's whole standard colour card memory: the total record, the
// information records in slot order and every colour in stream order, the
// first library's colours first.
struct MeterLibraries {
    // The total record as written with its check code; a read sets the total only.
    int total = 0;
    int totalCheck = 0;
    QVector<MeterLibraryRecord> records;
    QVector<MeterColour> colours;
};

// A read refuses contents beyond these limits before reading any further:
// more records than the meter can hold is a garbled reply.
struct MeterLimits {
    int maxLibraries = std::numeric_limits<int>::max();
    int maxColours = std::numeric_limits<int>::max();
};

// How a driver call ended: done, refused by the limits, or failed at an
// exchange (and at which data package of a write).
struct MeterOutcome {
    enum class Kind { Done, Failed, TooManyLibraries, TooManyColours };

    Kind kind = Kind::Done;
    MeterStep step = MeterStep::Measure;
    MeterResult result = MeterResult::Ok;
    int package = -1;

    bool done() const { return kind == Kind::Done; }
    static MeterOutcome failed(MeterStep step, MeterResult result, int package = -1) {
        return {Kind::Failed, step, result, package};
    }
    static MeterOutcome refused(Kind kind) { return {kind, MeterStep::Measure, MeterResult::Ok}; }
};

// Told how a long transfer goes, package by package. begin() comes once the
// number of packages is known; end() only after the last package went
// through: after a failure the caller, who reports it, ends the progress.
class MeterProgress {
public:
    virtual ~MeterProgress() = default;
    virtual void begin(int packages) = 0;
    virtual void setValue(int value) = 0;
    virtual void end() = 0;
};

// The meter as the workflows use it: what it says about itself, its current
// measurement and its standard colour card memory as a whole. The memory
// layout and the order of the exchanges are the driver's; prompts, texts
// and the store are not.
class MeterDriver {
public:
    virtual ~MeterDriver() = default;

    // Whether a meter is attached to talk to.
    virtual bool linkOpen() const = 0;
    // Key information, or the older production information from a meter
    // that does not know the former.
    virtual MeterOutcome identify(MeterInformation& information) = 0;
    // The current measurement's values as a single reading; the texts are
    // the caller's.
    virtual MeterOutcome measure(MeasuredColour& reading) = 0;
    // The total and information records, without colours.
    virtual MeterOutcome readRecords(QVector<MeterLibraryRecord>& records,
                                     const MeterLimits& limits = {}) = 0;
    // Records and colours; progress counts the packages of the colour stream.
    virtual MeterOutcome readLibraries(MeterLibraries& libraries, const MeterLimits& limits,
                                       MeterProgress& progress) = 0;
    // Replaces the memory by these libraries: the total record, the
    // information records and the colour stream, whose closing packet makes
    // the meter check the whole download.
    virtual MeterOutcome writeLibraries(const MeterLibraries& libraries,
                                        MeterProgress& progress) = 0;
};

}  // namespace colorcard
