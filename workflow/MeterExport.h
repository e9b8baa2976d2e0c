// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include "LibraryTypes.h"

class FrameLayer;
class LibraryService;

// Export of meter data: every standard colour card library stored in the
// meter is read (records, then the colour data stream) and merged into the
// store and the list in one transaction (LibraryService::mergeAll). Runs to its end on the
// calling thread and reports success or the first failure in an information box.
class MeterExport {
public:
    MeterExport(LibraryService& library, FrameLayer& frames);

    // True when every meter library was read and stored, found unchanged or
    // skipped by the user; the success message (or, when not one library
    // changed, that nothing was changed) has then been shown.
    bool run();
    // The export at a meter's first connection: finding nothing new is said
    // in the status line, not in a box.
    void setAutomatic(bool automatic) { automatic_ = automatic; }

    // A stream value (hundredths) as stored: exactly two decimals, -5 -> "-0.05".
    static QString hundredthsText(qint16 value);

    // One colour of the stream, with its texts as they are stored.
    struct Colour {
        QString name;
        QString L;
        QString a;
        QString b;
    };
    // The stream of colourTotal colours: all names (20 bytes each), then all
    // L*a*b* triples (6 bytes each), in the same order.
    static QVector<Colour> decodeStream(const QByteArray& stream, int colourTotal);

private:
    struct MeterLibrary {
        QString name;
        QString description;
        int count = 0;
    };

    bool readLibraries(QVector<MeterLibrary>& libraries);
    bool readStream(int colourTotal, QByteArray& stream);
    bool storeLibraries(const QVector<MeterLibrary>& libraries, const QVector<Colour>& colours);
    // Tells how many stored colours lie outside LabRange, naming the first.
    void reportImplausible(const QVector<MeterLibrary>& libraries,
                           const QVector<Colour>& colours) const;

    LibraryService& library_;
    FrameLayer& frames_;
    bool automatic_ = false;
};
