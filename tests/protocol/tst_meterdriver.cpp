// SPDX-License-Identifier: MIT
#include <QtTest>

#include "checksum/CountCheckCode.h"
#include "checksum/Crc16.h"
#include "link/CLinkerUSB.h"
#include "protocol/FrameMeterDriver.h"
#include "protocol/StdCardMessages.h"
#include "sim/SimHidBackend.h"
#include "tests/support/TestPacing.h"

using namespace colorcard;

namespace {

// What the driver told about a transfer's packages.
struct RecordedProgress : MeterProgress {
    int packages = -1;  // -1: never begun
    QList<int> values;
    int ends = 0;

    void begin(int count) override { packages = count; }
    void setValue(int value) override { values << value; }
    void end() override { ++ends; }
};

// The driver over the frame layer and the simulated meter.
struct DriverRig {
    SimHidBackend backend;
    CLinkerUSB usb{backend};
    FrameLayer frames{[this] { return static_cast<CLinker*>(&usb); }};
    FrameMeterDriver driver{frames};

    DriverRig() {
        usb.open(SimHidBackend::kVendorId, SimHidBackend::kProductId);
        frames.setConfiguredPacing(testPacing());
    }
    SimMeter& meter() { return backend.meter(); }
    // Reads of the colour stream the meter received.
    int streamReads() {
        int reads = 0;
        for (const QByteArray& frame : meter().receivedFrames())
            reads += quint8(frame.at(1)) == 0x40 && quint8(frame.at(4)) == 0x04 ? 1 : 0;
        return reads;
    }
};

QVector<SimColour> colours(const QString& prefix, int n) {
    QVector<SimColour> result;
    for (int k = 0; k < n; ++k)
        result.append({prefix + QString::number(k + 1), qint16(k * 37 % 10001),
                       qint16(k * 911 % 25601 - 12800), qint16(-k * 53)});
    return result;
}

// The libraries with the check codes the meter verifies.
MeterLibraries download(const QVector<SimLibrary>& libraries) {
    MeterLibraries d;
    d.total = libraries.size();
    d.totalCheck = countCheckCode(d.total);
    for (const SimLibrary& library : libraries) {
        QByteArray values;
        for (const SimColour& c : library.colours) {
            for (const qint16 v : {c.L, c.a, c.b}) {
                values.append(char(v & 0xFF));
                values.append(char((v >> 8) & 0xFF));
            }
            d.colours << MeterColour{c.name, FrameMeterDriver::hundredthsText(c.L),
                                     FrameMeterDriver::hundredthsText(c.a),
                                     FrameMeterDriver::hundredthsText(c.b)};
        }
        const int count = library.colours.size();
        const int dataCheck = crc16(values, values.size());
        d.records << MeterLibraryRecord{library.name, library.description, count, dataCheck,
                                        StdCardMessages::infoRecordCheckCode(
                                            library.name, library.description, count, dataCheck)};
    }
    return d;
}

QList<int> upTo(int n) {
    QList<int> values;
    for (int v = 1; v <= n; ++v)
        values << v;
    return values;
}

}  // namespace

Q_DECLARE_METATYPE(SimLibrary)

class MeterDriverTest : public QObject {
    Q_OBJECT
private slots:
    void writeThenReadAll_data() {
        QTest::addColumn<QVector<SimLibrary>>("libraries");
        QTest::addColumn<int>("packages");
        QTest::newRow("one colour") << QVector<SimLibrary>{{"One", "", colours("c", 1)}} << 1;
        // 390 bytes: a full package and a short one.
        QTest::newRow("three libraries") << SimMeter::sampleLibraries() << 2;
        // 3328 bytes: whole packages only, the last sent after the values.
        QTest::newRow("whole packages") << QVector<SimLibrary>{{"Left", "L", colours("l", 100)},
                                                               {"色卡", "描述", colours("色", 28)}}
                                        << 13;
    }
    void writeThenReadAll() {
        QFETCH(QVector<SimLibrary>, libraries);
        QFETCH(int, packages);
        DriverRig rig;
        const MeterLibraries written = download(libraries);

        RecordedProgress writing;
        QVERIFY(rig.driver.writeLibraries(written, writing).done());
        QVERIFY(rig.meter().lastTransferErrors().isEmpty());
        QCOMPARE(rig.meter().libraryTotal(), int(libraries.size()));
        QCOMPARE(writing.packages, packages);
        QCOMPARE(writing.values.last(), packages);
        QCOMPARE(writing.ends, 1);

        RecordedProgress reading;
        MeterLibraries read;
        QVERIFY(rig.driver.readLibraries(read, MeterLimits{}, reading).done());
        QCOMPARE(read.total, int(libraries.size()));
        QCOMPARE(read.records.size(), written.records.size());
        for (int i = 0; i < read.records.size(); ++i) {
            QCOMPARE(read.records[i].name, written.records[i].name);
            QCOMPARE(read.records[i].description, written.records[i].description);
            QCOMPARE(read.records[i].count, written.records[i].count);
        }
        QCOMPARE(read.colours.size(), written.colours.size());
        for (int k = 0; k < read.colours.size(); ++k) {
            const MeterColour& a = read.colours[k];
            const MeterColour& e = written.colours[k];
            QCOMPARE(QStringList({a.name, a.L, a.a, a.b}), QStringList({e.name, e.L, e.a, e.b}));
        }
        QCOMPARE(reading.packages, packages);
        QCOMPARE(reading.values, upTo(packages));
        QCOMPARE(reading.ends, 1);
    }

    // A stopped transfer leaves its progress to the caller, who reports first.
    void stoppedTransfers_data() {
        QTest::addColumn<int>("maxLibraries");
        QTest::addColumn<int>("maxColours");
        QTest::addColumn<bool>("loseData");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("step");
        QTest::newRow("package lost") << 46 << 4000 << true << int(MeterOutcome::Kind::Failed)
                                      << int(MeterStep::WriteEmptyPacket);
        QTest::newRow("too many libraries")
            << 2 << 4000 << false << int(MeterOutcome::Kind::TooManyLibraries) << -1;
        QTest::newRow("too many colours")
            << 46 << 14 << false << int(MeterOutcome::Kind::TooManyColours) << -1;
    }
    void stoppedTransfers() {
        QFETCH(int, maxLibraries);
        QFETCH(int, maxColours);
        QFETCH(bool, loseData);
        QFETCH(int, kind);
        QFETCH(int, step);
        DriverRig rig;
        rig.meter().loadLibraries(SimMeter::sampleLibraries());
        RecordedProgress progress;
        MeterOutcome outcome;
        if (loseData) {
            rig.meter().faults().loseNextDataPackage = true;
            outcome = rig.driver.writeLibraries(download(SimMeter::sampleLibraries()), progress);
        } else {
            MeterLibraries read;
            outcome = rig.driver.readLibraries(read, {maxLibraries, maxColours}, progress);
            // Refused before a single colour is read.
            QCOMPARE(rig.streamReads(), 0);
            QCOMPARE(progress.packages, -1);
        }
        QCOMPARE(int(outcome.kind), kind);
        if (step >= 0)
            QCOMPARE(int(outcome.step), step);
        QCOMPARE(progress.ends, 0);
    }
};

QTEST_MAIN(MeterDriverTest)
#include "tst_meterdriver.moc"
