// SPDX-License-Identifier: MIT
#include "workflow/MeterExport.h"

#include <QStringList>

#include "protocol/FrameMeterDriver.h"
#include "store/LabRange.h"
#include "texts/ChangeTexts.h"
#include "texts/GuidanceTexts.h"
#include "texts/LibraryTexts.h"
#include "texts/TransferTexts.h"
#include "workflow/LibraryMerge.h"
#include "workflow/LibraryService.h"
#include "workflow/Limits.h"
#include "workflow/MeterResultTexts.h"
#include "workflow/TransferProgress.h"

namespace colorcard {

namespace {

// Other results end the run without a message.
void reportFailure(const Messenger& messenger, MeterStep step, MeterResult result) {
    if (const BilingualText* text = meterResultText(step, result))
        messenger.tip(*text);
}

}  // namespace

MeterExport::MeterExport(LibraryMerge& merge, MeterDriver& driver)
    : merge_(merge), library_(merge.library()), driver_(driver) {}

MeterExport::MeterExport(LibraryMerge& merge, FrameLayer& frames)
    : merge_(merge),
      library_(merge.library()),
      ownDriver_(std::make_unique<FrameMeterDriver>(frames)),
      driver_(*ownDriver_) {}

MeterExport::~MeterExport() = default;

bool MeterExport::run() {
    // The meter cannot hold more libraries than its limit, nor more colours
    // than the program keeps: more is a garbled reply.
    const MeterLimits limits{library_.maxLibraries(), Limits::MaxColors};
    const Messenger& messenger = library_.messenger();
    TransferProgress progress([&messenger](int packages) {
        return messenger.progress(TransferText::Exporting, 0, packages);
    });
    MeterLibraries meter;
    const MeterOutcome outcome = driver_.readLibraries(meter, limits, progress);
    if (!outcome.done()) {
        reportReadFailure(outcome);
        progress.end();
        return false;
    }
    QList<LibraryKey> keys;
    for (const MeterLibraryRecord& library : meter.records)
        keys << LibraryKey{library.name, library.description};

    // Refused as a whole, before anything is written.
    if (!merge_.fitsLibraryLimit(keys))
        return false;
    if (!storeLibraries(meter.records, meter.colours))
        return false;
    // Values outside the plausible range are only pointed out once the
    // export is done.
    reportImplausible(meter.records, meter.colours);
    return true;
}

void MeterExport::reportReadFailure(const MeterOutcome& outcome) const {
    const Messenger& messenger = library_.messenger();
    switch (outcome.kind) {
        case MeterOutcome::Kind::TooManyLibraries:
            messenger.tip(LibraryText::ImportTooManyLibraries,
                          {QString::number(library_.maxLibraries()),
                           QString::number(library_.libraryCount())});
            break;
        case MeterOutcome::Kind::TooManyColours:
            messenger.tip(LibraryText::TooManyColors, {QString::number(Limits::MaxColors)});
            break;
        case MeterOutcome::Kind::Failed:
            reportFailure(messenger, outcome.step, outcome.result);
            break;
        case MeterOutcome::Kind::Done:
            break;
    }
}

void MeterExport::reportImplausible(const QVector<MeterLibraryRecord>& libraries,
                                    const QVector<MeterColour>& colours) const {
    int flagged = 0;
    QString firstColour, firstLibrary;
    int offset = 0;
    for (const MeterLibraryRecord& library : libraries) {
        for (int k = 0; k < library.count && offset + k < colours.size(); ++k) {
            const MeterColour& colour = colours[offset + k];
            if (LabRange::validText(colour.L, colour.a, colour.b))
                continue;
            if (flagged++ == 0) {
                firstColour = colour.name;
                firstLibrary = library.name;
            }
        }
        offset += library.count;
    }
    if (flagged > 0)
        library_.messenger().tip(TransferText::ExportedImplausible,
                                 {QString::number(flagged), firstColour, firstLibrary});
}

bool MeterExport::storeLibraries(const QVector<MeterLibraryRecord>& libraries,
                                 const QVector<MeterColour>& colours) {
    const Messenger& messenger = library_.messenger();
    std::unique_ptr<ProgressReporter> progress =
        messenger.progress(TransferText::StoringExport, 0, libraries.size());
    QList<IncomingLibrary> incoming;
    int offset = 0;  // first colour of the current library in the stream
    for (const MeterLibraryRecord& meterLibrary : libraries) {
        IncomingLibrary next{meterLibrary.name, meterLibrary.description, {}, true};
        for (int k = 0; k < meterLibrary.count && offset + k < colours.size(); ++k) {
            const MeterColour& colour = colours[offset + k];
            next.colours << IncomingColour{colour.name, {colour.L, colour.a, colour.b}};
        }
        // A skipped library's colours still come before the next library's.
        offset += meterLibrary.count;
        incoming << next;
    }
    const int merged = merge_.mergeAll(
        incoming,
        [&progress](int place, bool changed) {
            if (changed)
                progress->setValue(place);
        },
        BackupCause::MeterExport);
    progress->hide();
    // An empty meter has always been reported as exported. The automatic
    // export at a meter's first connection that found nothing new is no
    // news worth a box.
    if (merged == 0 && !libraries.isEmpty() && automatic_)
        messenger.status(ChangeText::FirstExportUnchanged);
    else if (merged >= 0)
        messenger.tip(merged == 0 && !libraries.isEmpty() ? GuidanceText::ExportChangedNothing
                                                          : TransferText::Exported);
    library_.reselectLibrary();
    return merged >= 0;
}

}  // namespace colorcard
