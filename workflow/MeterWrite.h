// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariantList>

class FrameLayer;
class LibraryService;

// Write to meter (the download): all libraries of the store replace the
// meter's standard colour card area. The payload is built from the store,
// checked, then sent as the total record, one information record per library
// and the colour data stream, closed by the empty packet.
class MeterWrite {
public:
    // Rows of the payload: 0 meter number, 1 library total and its check
    // code, 2 to 47 the libraries, 48 the header, 49 on one row per colour.
    static constexpr int FirstLibraryRow = 2;
    static constexpr int LibraryRows = 46;
    static constexpr int HeaderRow = FirstLibraryRow + LibraryRows;
    static constexpr int FirstColourRow = HeaderRow + 1;

    MeterWrite(LibraryService& library, FrameLayer& frames);

    // Builds the payload from the store and writes it; true when the meter
    // acknowledged the whole transfer (the success message was shown).
    bool run();
    // The button's write: asks first, naming the libraries and colours on
    // both sides, and reports what it wrote.
    void setConfirmed(bool confirmed) { confirmed_ = confirmed; }

    // The payload of the store's libraries; empty when there is none. A
    // library row carries its data and information check codes when it has
    // colours, computed from the bytes that will be sent for it.
    QList<QVariantList> buildMeterPayload();
    // Checks a payload and sends it, with every message of the download.
    bool writePayload(const QList<QVariantList>& payload);

    // A value text as the stream carries it: hundredths with the decimals
    // beyond the second cut off, "12.345" -> 1234, "-0.5" -> -50, "7" -> 700;
    // 0 when the text is no number.
    static int streamHundredths(const QString& text);

private:
    // What the meter holds now; false after a message.
    bool readMeterCounts(int* libraries, int* colours);
    bool sendPackage(int packagesSent, const QByteArray& data, int length);

    LibraryService& library_;
    FrameLayer& frames_;
    bool confirmed_ = false;
};
