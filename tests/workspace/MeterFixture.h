// SPDX-License-Identifier: MIT
#pragma once

#include <QSignalSpy>
#include <memory>

#include "checksum/Crc16.h"
#include "link/UsbLinkOpener.h"
#include "protocol/FrameLayer.h"
#include "sim/SimHidBackend.h"
#include "tests/support/ScriptedLinker.h"
#include "tests/workspace/PageFixture.h"
#include "workspace/ColorDataTable.h"
#include "workspace/OperatorWidget.h"

using namespace colorcard;

// Device settings listing the simulated meter (2301, Version 1) and another model.
inline const QByteArray kSettings =
    "[Device1]\nMeterNo=2301\nModel=CM-200 Colorimeter\nUIIndex=1\nIsTarvik=0\nVersion=1\n\n"
    "[Device2]\nMeterNo=2302\nModel=CM-100 Colorimeter\nUIIndex=0\nIsTarvik=1\nVersion=9\n";

// The simulated meter behind a USB link, as the main window holds one.
struct SimLink {
    SimHidBackend backend;
    LinkOpener opener = makeUsbLinkOpener(backend);
    std::unique_ptr<CLinker> link;
    FrameLayer frames{[this] { return link.get(); }};

    SimLink() { open(); }
    SimMeter& meter() { return backend.meter(); }
    bool open() {
        bool denied = false;
        link.reset(opener(SimHidBackend::kVendorId, SimHidBackend::kProductId, &denied));
        return link != nullptr;
    }
    void close() { link.reset(); }
    // Requests the meter received, without their CRC, as hex.
    QStringList requests() {
        QStringList hex;
        for (const QByteArray& frame : meter().receivedFrames())
            hex << QString::fromLatin1(frame.left(frame.size() - 2).toHex(' '));
        return hex;
    }
};

// A page talking to the simulated meter.
struct MeterPage {
    SimLink sim;
    PageFixture f;

    // The automatic export at the end of identification has tests of its own;
    // here the simulated instrument counts as seen so identification runs alone.
    explicit MeterPage(const QByteArray& settings = kSettings) : f(settings, &sim.frames) {
        f.page->meter().seenInstruments() << SimIdentity().instrumentId;
    }
    FirstPage& page() { return *f.page; }
    QTableWidget* colors() { return f.ui()->tableWidget_colorData; }
    ColorDataTable& table() { return *f.page->colorDataTable(); }
};

// A page talking to a link that replays scripted replies.
struct ScriptedPage {
    ScriptedLinker linker;
    FrameLayer frames{[this] { return &linker; }};
    PageFixture f;

    explicit ScriptedPage(const QByteArray& settings = kSettings) : f(settings, &frames) {}
    FirstPage& page() { return *f.page; }
};

// Nineteen value texts of a stored colour, distinct per seed.
inline QStringList valueTexts(int seed) {
    QStringList texts;
    for (int i = 0; i < 19; ++i)
        texts << QString::number(seed * 100 + i);
    return texts;
}

// Stores a library with colours named after names (values from valueTexts)
// and lists the store again on the page; returns its identifier.
inline QString addLibrary(FirstPage& page, int number, const QString& name,
                          const QStringList& colours, const QString& meterNumber = "2301") {
    ColorCardStore& store = page.store();
    const QString id = QString("ColorCard%1").arg(number) + kStamp;
    store.createColorDataTable(id);
    store.insertLibrary(id, meterNumber, name, "d", QString::number(colours.size()));
    for (int i = 0; i < colours.size(); ++i)
        store.insertColorData(id, QString("ColorData%1").arg(i + 1) + kStamp, colours[i],
                              valueTexts(i + 1));
    page.library().clear();
    page.library().showStoredLibraries(store.selectLibraries());
    return id;
}

// The meter's current measurement through the page's checks; values is
// written only on success.
inline bool readMeasurement(FirstPage& page, QVector<int>& values) {
    MeasuredColour measurement;
    if (!page.meter().readMeasurement(measurement))
        return false;
    values = measurement.values;
    return true;
}

// A measure data reply carrying the given nineteen values.
inline QByteArray measureReply(const QVector<int>& values) {
    QByteArray reply = QByteArray::fromHex("AB44000000003600");
    for (int i = 0; i < 12; ++i) {
        reply.append(char(values[i] & 0xFF));
        reply.append(char((values[i] >> 8) & 0xFF));
    }
    for (int i = 12; i < 19; ++i)
        reply.append(char(values[i] & 0xFF));
    reply.append(QByteArray(23, '\0'));
    const quint16 crc = crc16(reply, reply.size());
    reply.append(char(crc & 0xFF));
    reply.append(char(crc >> 8));
    return reply;
}

// A measurement whose texts are easy to tell apart.
inline SimMeasurement sampleMeasurement() {
    return {5023, -1000, 1234, 5100, -250, 75, 5023, 1600, 2375, 1850,
            3127, 3290,  10,   20,   30,   40, 255,  127,  0};
}
