// SPDX-License-Identifier: MIT
#include "MeterExport.h"

#include <QStringList>
#include <limits>

#include "ChangeTexts.h"
#include "FrameLayer.h"
#include "GuidanceTexts.h"
#include "LabRange.h"
#include "LibraryService.h"
#include "LibraryTexts.h"
#include "Limits.h"
#include "MeterResultTexts.h"
#include "StdCardMessages.h"
#include "TransferTexts.h"

namespace {

constexpr int PackageSize = 256;
constexpr int ColourBytes = StdCardMessages::ColorNameWidth + 6;

// Other results end the run without a message.
void reportFailure(const Messenger& messenger, MeterStep step, MeterResult result) {
    if (const BilingualText* text = meterResultText(step, result))
        messenger.tip(*text);
}

int packageCount(int streamSize) {
    return (streamSize + PackageSize - 1) / PackageSize;
}

qint16 signedWord(const QByteArray& bytes, int at) {
    return qint16(quint16(quint8(bytes[at]) | (quint8(bytes[at + 1]) << 8)));
}

}  // namespace

MeterExport::MeterExport(LibraryService& library, FrameLayer& frames)
    : library_(library), frames_(frames) {}

QString MeterExport::hundredthsText(qint16 value) {
    // Integer arithmetic: no rounding can turn -5 into "-0.04" or lose the sign.
    const int magnitude = qAbs(int(value));
    return (value < 0 ? QStringLiteral("-") : QString()) + QString::number(magnitude / 100) +
           QLatin1Char('.') + QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

QVector<MeterExport::Colour> MeterExport::decodeStream(const QByteArray& stream, int colourTotal) {
    QVector<Colour> colours;
    colours.reserve(colourTotal);
    int at = 0;
    const int nameWidth = StdCardMessages::ColorNameWidth;
    while (colours.size() < colourTotal && at + nameWidth <= stream.size()) {
        colours.append({StdCardMessages::decodeColorName(stream.mid(at, nameWidth)), {}, {}, {}});
        at += nameWidth;
    }
    for (Colour& colour : colours) {
        if (at + 6 > stream.size())
            break;
        colour.L = hundredthsText(signedWord(stream, at));
        colour.a = hundredthsText(signedWord(stream, at + 2));
        colour.b = hundredthsText(signedWord(stream, at + 4));
        at += 6;
    }
    return colours;
}

bool MeterExport::run() {
    QVector<MeterLibrary> libraries;
    if (!readLibraries(libraries))
        return false;

    // Counts are 16-bit; the sum is kept within what one stream buffer can address.
    qint64 colourTotal = 0;
    QList<LibraryKey> keys;
    for (const MeterLibrary& library : libraries) {
        colourTotal = qMin<qint64>(colourTotal + library.count,
                                   std::numeric_limits<int>::max() / ColourBytes);
        keys << LibraryKey{library.name, library.description};
    }

    QByteArray stream;
    if (!readStream(int(colourTotal), stream))
        return false;
    // Every value the meter's signed hundredths can hold is taken: the meter
    // keeps what the program itself wrote. Values outside the plausible
    // range are only pointed out once the export is done.
    const QVector<Colour> colours = decodeStream(stream, int(colourTotal));

    // Refused as a whole, before anything is written.
    if (!library_.fitsLibraryLimit(keys))
        return false;
    if (!storeLibraries(libraries, colours))
        return false;
    reportImplausible(libraries, colours);
    return true;
}

void MeterExport::reportImplausible(const QVector<MeterLibrary>& libraries,
                                    const QVector<Colour>& colours) const {
    int flagged = 0;
    QString firstColour, firstLibrary;
    int offset = 0;
    for (const MeterLibrary& library : libraries) {
        for (int k = 0; k < library.count && offset + k < colours.size(); ++k) {
            const Colour& colour = colours[offset + k];
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

bool MeterExport::readLibraries(QVector<MeterLibrary>& libraries) {
    StdCardMessages messages(frames_);
    int total = 0;
    MeterResult result = messages.readStdCardTotal(total);
    if (result != MeterResult::Ok) {
        reportFailure(library_.messenger(), MeterStep::ReadTotal, result);
        return false;
    }
    // The meter cannot hold more libraries than its limit: a larger total is
    // a garbled reply, refused before reading records that do not exist.
    if (total > library_.maxLibraries()) {
        library_.messenger().tip(
            LibraryText::ImportTooManyLibraries,
            {QString::number(library_.maxLibraries()), QString::number(library_.libraryCount())});
        return false;
    }
    libraries.reserve(total);
    qint64 colourTotal = 0;
    for (int i = 0; i < total; ++i) {
        MeterLibrary library;
        result = messages.readStdCardInfo(StdCardMessages::infoAddress(i), library.name,
                                          library.description, library.count);
        if (result != MeterResult::Ok) {
            reportFailure(library_.messenger(), MeterStep::ReadInfo, result);
            return false;
        }
        // More colours than the program keeps cannot be what the meter
        // holds: refused before a single colour is read.
        colourTotal += library.count;
        if (library.count > Limits::MaxColors || colourTotal > Limits::MaxColors) {
            library_.messenger().tip(LibraryText::TooManyColors,
                                     {QString::number(Limits::MaxColors)});
            return false;
        }
        libraries.append(library);
    }
    return true;
}

bool MeterExport::readStream(int colourTotal, QByteArray& stream) {
    const int streamSize = ColourBytes * colourTotal;
    const int packages = packageCount(streamSize);
    std::unique_ptr<ProgressReporter> progress =
        library_.messenger().progress(TransferText::Exporting, 0, packages);
    StdCardMessages messages(frames_);
    stream.reserve(qMin(streamSize, 1 << 22));
    for (int p = 0; p < packages; ++p) {
        const int length = qMin(PackageSize, streamSize - PackageSize * p);
        QByteArray data;
        const MeterResult result = messages.readStdCardData(
            StdCardMessages::DataBaseAddress + PackageSize * p, length, data);
        if (result != MeterResult::Ok) {
            reportFailure(library_.messenger(), MeterStep::ReadData, result);
            progress->hide();
            return false;
        }
        progress->setValue(p + 1);
        stream.append(data);
    }
    progress->hide();
    return true;
}

bool MeterExport::storeLibraries(const QVector<MeterLibrary>& libraries,
                                 const QVector<Colour>& colours) {
    const Messenger& messenger = library_.messenger();
    std::unique_ptr<ProgressReporter> progress =
        messenger.progress(TransferText::StoringExport, 0, libraries.size());
    QList<IncomingLibrary> incoming;
    int offset = 0;  // first colour of the current library in the stream
    for (const MeterLibrary& meterLibrary : libraries) {
        IncomingLibrary next{meterLibrary.name, meterLibrary.description, {}, true};
        for (int k = 0; k < meterLibrary.count && offset + k < colours.size(); ++k) {
            const Colour& colour = colours[offset + k];
            next.colours << IncomingColour{colour.name, {colour.L, colour.a, colour.b}};
        }
        // A skipped library's colours still come before the next library's.
        offset += meterLibrary.count;
        incoming << next;
    }
    const int merged = library_.mergeAll(
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
