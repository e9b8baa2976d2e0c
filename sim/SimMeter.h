// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>
#include <array>

namespace colorcard {

// The nineteen values of a measure data reply, in reply order: L*, a*, b*,
// L*, u*, v* (signed hundredths); L, C (hundredths), h (tenths of a degree);
// Y (hundredths), x, y (ten-thousandths); C, M, Y, K (whole units); R, G, B.
using SimMeasurement = std::array<int, 19>;

struct SimIdentity {
    quint32 instrumentId = 20240601;
    quint32 meterNumber = 2301;
    quint16 firmwareVersion = 2;
    quint16 year = 2024;
    quint8 month = 6;
    quint8 day = 1;
};

// One standard colour: name and L*a*b* in hundredths.
struct SimColour {
    QString name;
    qint16 L = 0;
    qint16 a = 0;
    qint16 b = 0;
};

struct SimLibrary {
    QString name;
    QString description;
    QVector<SimColour> colours;
};

// Switches that make the meter misbehave. All off by default.
struct SimFaults {
    bool silent = false;                     // receives every request, answers none
    bool wrongCrc = false;                   // replies carry a wrong frame CRC
    bool wrongHeader = false;                // reply bytes 1 to 7 garbled, CRC made to match
    QByteArray staleBytes;                   // sent before every reply
    QByteArray staleBytesOnce;               // sent before the next reply only
    int replyChunk = 62;                     // payload bytes per reply report, 1 to 62
    bool olderIdentityOnly = false;          // key information gets the A0 04 error reply
    bool productionInfoUnsupported = false;  // production information gets C7 08
    bool loseNextDataPackage = false;        // the next data package never arrives
    int unplugAfterRequests = 0;             // n > 0: the n-th request from now unplugs the meter
    int unplugAfterDataPackages = 0;         // n > 0: the n-th data package from now unplugs it
    bool noEcho = false;         // replies carry zeros where the request's address and length were
    bool doubleReplies = false;  // every reply is sent twice, back to back
    int lateReplyMs = 0;         // n > 0: replies leave n ms after their request was processed
    bool foreignReplyFirst = false;  // the next memory read is first answered as a read of
                                     // another address; goes off once used
};

// How long the meter works on a request before it answers it or takes the
// next one. All 0 by default.
struct SimTiming {
    int readMs = 0;          // identity and memory reads
    int measureMs = 0;       // a measurement
    int recordWriteMs = 0;   // a total or information record
    int packageWriteMs = 0;  // a data package
    int sectorWriteMs = 0;   // more for a data package that reaches into another 4 KB sector
    int finishMs = 0;        // checking a whole download at the empty packet
    // Times of a real meter: a few milliseconds for reads, up to tens of
    // milliseconds for a data package that starts a flash sector.
    static SimTiming realistic();
};

// One request as the meter handled it: how long it kept the meter busy and
// the reports of its reply (none for a request that is not answered).
struct SimAnswer {
    int processingMs = 0;
    int lateByMs = 0;  // the reply leaves this much after the processing
    QList<QByteArray> reports;
};

// The meter at HID report level: takes output reports, answers every request
// of the protocol as the meter does, keeps the standard colour card memory and
// checks what a download writes into it.
class SimMeter {
public:
    static constexpr quint32 kTotalAddress = 0x2F00;
    static constexpr quint32 kInfoAddress = 0x2000;
    static constexpr int kInfoSlot = 48;
    static constexpr int kInfoSize = 38;
    static constexpr int kMaxLibraries = (kTotalAddress - kInfoAddress) / kInfoSlot;
    static constexpr quint32 kStreamAddress = 0x40000;
    static constexpr quint32 kMemorySize = 0x100000;

    SimMeter();

    void setIdentity(const SimIdentity& identity);
    const SimIdentity& identity() const { return identity_; }
    void setMeasurement(const SimMeasurement& values) { measurement_ = values; }
    const SimMeasurement& measurement() const { return measurement_; }
    // A colour as the meter would report it, from sRGB under D65.
    static SimMeasurement measurementFromRgb(int r, int g, int b);

    // Replaces the standard colour card memory by these libraries, with
    // correct check codes. Names are stored as UTF-8, cut to their fields.
    void loadLibraries(const QVector<SimLibrary>& libraries);
    // A few libraries to try the program with.
    static QVector<SimLibrary> sampleLibraries();
    // What the memory holds: the total record (4 bytes), an information
    // record (38 bytes), the libraries decoded from records and stream.
    int libraryTotal() const;
    QByteArray totalRecord() const;
    QByteArray infoRecord(int index) const;
    QVector<SimLibrary> libraries() const;
    QByteArray memory(quint32 address, int length) const;
    void setMemory(quint32 address, const QByteArray& bytes);

    SimFaults& faults() { return faults_; }
    void setTiming(const SimTiming& timing) { timing_ = timing; }
    const SimTiming& timing() const { return timing_; }
    // Every whole request frame received, CRC included, oldest first.
    const QList<QByteArray>& receivedFrames() const { return received_; }
    void clearReceivedFrames() { received_.clear(); }
    // Requests dropped for a wrong frame CRC or an unknown function.
    int rejectedFrames() const { return rejected_; }
    // Why the last empty packet was answered with F4 01; empty after success.
    const QStringList& lastTransferErrors() const { return lastTransferErrors_; }

    // Report level, used by the HID backend: the requests completed by the
    // reports received so far, oldest first.
    void receiveReport(const QByteArray& report);
    QList<SimAnswer> takeAnswers();
    bool takeUnplugRequest();
    // Power lost: partial input, pending replies and the open transfer go.
    void powerCycle();

private:
    int frameLength() const;
    void processInput();
    void handleFrame(const QByteArray& frame);
    int processingMs(const QByteArray& frame) const;
    void answerKeyInformation(const QByteArray& frame);
    void answerMeasureData();
    void answerRead(const QByteArray& frame);
    void writeRecord(const QByteArray& frame);
    void writeData(const QByteArray& frame);
    void finishTransfer(quint32 address);
    void sendReply(QByteArray frame);
    void sendErrorReply(quint8 function, quint8 code, int headerLength);
    void writeProductionBlock();
    void noteTransferError(const QString& text) { transferErrors_.append(text); }

    SimIdentity identity_;
    SimMeasurement measurement_{};
    SimFaults faults_;
    SimTiming timing_;
    QByteArray memory_;
    QByteArray input_;
    SimAnswer answer_;  // of the request being handled
    QList<SimAnswer> answers_;
    QList<QByteArray> received_;
    int rejected_ = 0;
    bool unplugRequested_ = false;
    // The download in progress: problems seen and the next stream address.
    QStringList transferErrors_;
    qint64 streamNext_ = -1;
    QStringList lastTransferErrors_;
};

}  // namespace colorcard
