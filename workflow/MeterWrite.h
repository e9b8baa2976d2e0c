// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QVariantList>
#include <memory>

namespace colorcard {

class FrameLayer;
class LibraryService;
class MeterDriver;

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

    MeterWrite(LibraryService& library, MeterDriver& driver);
    // Over the meter's frame layer.
    MeterWrite(LibraryService& library, FrameLayer& frames);
    ~MeterWrite();

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

private:
    // What the meter holds now; false after a message.
    bool readMeterCounts(int* libraries, int* colours);

    LibraryService& library_;
    std::unique_ptr<MeterDriver> ownDriver_;
    MeterDriver& driver_;
    bool confirmed_ = false;
};

}  // namespace colorcard
