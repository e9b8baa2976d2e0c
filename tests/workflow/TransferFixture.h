// SPDX-License-Identifier: MIT
#pragma once

#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "link/CLinkerUSB.h"
#include "protocol/FrameLayer.h"
#include "protocol/FrameMeterDriver.h"
#include "sim/SimHidBackend.h"
#include "tests/support/LibraryFixture.h"
#include "tests/support/TestPacing.h"
#include "workflow/MeterExport.h"
#include "workflow/MeterWrite.h"

using namespace colorcard;

// Between the frame layer and the link to the simulated meter: records the
// reads that wait for a reply and lets a test fail or disturb chosen requests.
class HookedLink : public CLinker {
public:
    struct Read {
        int timeoutMs;
        int expectedLength;
    };

    explicit HookedLink(CLinker& inner) : inner_(inner) {}

    // Sees every request before it goes out; false fails its write.
    std::function<bool(const QByteArray& frame)> onWrite;
    QList<Read> replyReads;

    void close() override { inner_.close(); }
    int read(QByteArray& buffer, int timeoutMs, int expectedLength) override {
        if (timeoutMs > 0)
            replyReads.append({timeoutMs, expectedLength});
        return inner_.read(buffer, timeoutMs, expectedLength);
    }
    int write(const QByteArray& data, int timeoutMs) override {
        if (onWrite && !onWrite(data))
            return -1;
        return inner_.write(data, timeoutMs);
    }
    bool isOpen() const override { return inner_.isOpen(); }
    bool isDisconnected() override { return inner_.isDisconnected(); }
    int readPending(QByteArray& buffer) override { return inner_.readPending(buffer); }
    qint64 elapsedMs() override { return inner_.elapsedMs(); }

private:
    CLinker& inner_;
};

// The header of a request as the meter received it.
struct Request {
    quint8 function = 0;
    quint32 address = 0;
    int length = 0;
    QByteArray data;  // the bytes after the header, without the frame CRC

    static Request of(const QByteArray& frame) {
        Request r;
        const auto byte = [&frame](int i) { return quint32(quint8(frame.at(i))); };
        r.function = quint8(byte(1));
        r.address = byte(2) | byte(3) << 8 | byte(4) << 16 | byte(5) << 24;
        r.length = int(byte(6) | byte(7) << 8);
        r.data = frame.mid(8, frame.size() - 10);
        return r;
    }
    bool operator==(const Request& other) const {
        return function == other.function && address == other.address && length == other.length;
    }
};

inline char* toString(const Request& r) {
    return QTest::toString(QStringLiteral("%1@%2+%3")
                               .arg(r.function, 2, 16, QLatin1Char('0'))
                               .arg(r.address, 0, 16)
                               .arg(r.length));
}

// A colour as the store keeps it: name, L*, a*, b*.
using ColourTexts = QStringList;

struct StoredLibrary {
    QString name;
    QString description;
    QString count;
    QString meterNumber;
    QList<ColourTexts> colours;
};

// A library service with its store in a temporary directory, a scripted
// prompt, a fixed clock, and the simulated meter behind a link it can disturb.
struct TransferFixture : LibraryFixture {
    SimHidBackend backend;
    CLinkerUSB usb{backend};
    HookedLink link{usb};
    FrameLayer frames{[this] { return static_cast<CLinker*>(&link); }};

    TransferFixture() : LibraryFixture(QString()) {
        usb.open(SimHidBackend::kVendorId, SimHidBackend::kProductId);
        frames.setConfiguredPacing(testPacing());
    }

    SimMeter& meter() { return backend.meter(); }

    bool exportMeter() { return MeterExport(merge(), frames).run(); }
    bool writeMeter() { return MeterWrite(service(), frames).run(); }
    // A stored count other than the colours held (relisted).
    void setStoredCount(int row, const QString& count) {
        store().updateLibraryCount(count, service().library(row).id);
        relist();
    }

    // Requests of one function the meter received, in order.
    QList<Request> requests(quint8 function) const {
        QList<Request> result;
        for (const QByteArray& frame : const_cast<TransferFixture*>(this)->meter().receivedFrames())
            if (frame.size() >= 10 && quint8(frame.at(1)) == function)
                result << Request::of(frame);
        return result;
    }

    // Fails, silences or garbles the reply of the requests that match.
    enum class Disturbance { None, FailWrite, Silent, WrongHeader, LoseData };
    void disturb(quint8 function, qint64 address, Disturbance what) {
        if (what == Disturbance::LoseData) {
            meter().faults().loseNextDataPackage = true;
            return;
        }
        if (what == Disturbance::None)
            return;
        link.onWrite = [this, function, address, what](const QByteArray& frame) {
            const Request r = Request::of(frame);
            if (r.function != function || (address >= 0 && r.address != quint32(address)))
                return true;
            if (what == Disturbance::FailWrite)
                return false;
            if (what == Disturbance::Silent)
                meter().faults().silent = true;
            if (what == Disturbance::WrongHeader)
                meter().faults().wrongHeader = true;
            return true;
        };
    }

    // A stored and listed library holding these colours (name, L*, a*, b*).
    void addLibrary(const QString& name, const QString& description,
                    const QList<ColourTexts>& colours) {
        LibraryFixture::addLibrary(name, description, colours);
    }

    static QList<StoredLibrary> stored(ColorCardStore& store) {
        QList<StoredLibrary> result;
        for (const Library& record : store.selectLibraries()) {
            StoredLibrary library{
                record.name, record.description, record.count, record.meterNumber, {}};
            for (const Colour& colour : store.selectColours(record.id))
                library.colours << ColourTexts{colour.name, colour.labL, colour.laba, colour.labb};
            result << library;
        }
        return result;
    }
    QList<StoredLibrary> stored() { return stored(store()); }

    // The progress dialog with this label; null when none was shown.
    const ScriptedPrompt::Event* progress(const QString& label) const {
        for (const ScriptedPrompt::Event& event : prompt.events)
            if (event.kind == ScriptedPrompt::Kind::Progress && event.text == label)
                return &event;
        return nullptr;
    }
};

// Libraries in hundredths, as the meter holds them, turned into the texts an
// export stores.
inline QList<StoredLibrary> asStored(const QVector<SimLibrary>& libraries) {
    QList<StoredLibrary> result;
    for (const SimLibrary& library : libraries) {
        StoredLibrary s{library.name,
                        library.description,
                        QString::number(library.colours.size()),
                        QString(),
                        {}};
        for (const SimColour& colour : library.colours)
            s.colours << ColourTexts{colour.name, FrameMeterDriver::hundredthsText(colour.L),
                                     FrameMeterDriver::hundredthsText(colour.a),
                                     FrameMeterDriver::hundredthsText(colour.b)};
        result << s;
    }
    return result;
}

// Names, descriptions, counts and colours agree, library by library.
#define COMPARE_LIBRARIES(actual, expected)                         \
    do {                                                            \
        const QList<StoredLibrary> a_ = (actual);                   \
        const QList<StoredLibrary> e_ = (expected);                 \
        QCOMPARE(a_.size(), e_.size());                             \
        for (int i_ = 0; i_ < a_.size(); ++i_) {                    \
            QCOMPARE(a_[i_].name, e_[i_].name);                     \
            QCOMPARE(a_[i_].description, e_[i_].description);       \
            QCOMPARE(a_[i_].count, e_[i_].count);                   \
            QCOMPARE(a_[i_].colours.size(), e_[i_].colours.size()); \
            for (int k_ = 0; k_ < a_[i_].colours.size(); ++k_)      \
                QCOMPARE(a_[i_].colours[k_], e_[i_].colours[k_]);   \
        }                                                           \
    } while (false)

// n colours named prefix1, prefix2, ... with values spread over the L*a*b* range.
inline QVector<SimColour> simColours(const QString& prefix, int n, int seed = 0) {
    QVector<SimColour> colours;
    for (int k = 0; k < n; ++k) {
        const int v = (k + 1) * 7919 + seed * 104729;
        colours.append({prefix + QString::number(k + 1), qint16(v % 10001),
                        qint16(v % 25601 - 12800), qint16((v / 3) % 25601 - 12800)});
    }
    return colours;
}
