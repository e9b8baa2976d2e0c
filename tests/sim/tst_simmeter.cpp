// SPDX-License-Identifier: MIT
#include <QSignalSpy>
#include <QtTest>

#include "link/CLinkerUSB.h"
#include "sim/SimEventSource.h"
#include "sim/SimHidBackend.h"

using namespace colorcard;

// Every expected frame here is written out by hand from the protocol's frame
// tables; only the CRCs are computed, by the little function below.
namespace {

quint16 crc(const QByteArray& bytes) {
    quint16 value = 0xFFFF;
    for (char byte : bytes) {
        value ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1) ? (value >> 1) ^ 0xA001 : value >> 1;
    }
    return value;
}

QByteArray le(quint16 value) {
    return QByteArray(1, char(value & 0xFF)) + char(value >> 8);
}

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

QByteArray withCrc(const QByteArray& bytes) {
    return bytes + le(crc(bytes));
}

QByteArray padded(const char* text, int width) {
    QByteArray bytes(text);
    return bytes + QByteArray(width - bytes.size(), '\0');
}

// Read requests carry the CRC of their header and then the frame CRC, 00 00.
QByteArray readRequest(const QByteArray& header) {
    return withCrc(withCrc(header));
}

// Two colours, values in hundredths: 52.31 / -0.01 / 0 and -12.34 / 0.05 / 100.
const QByteArray kNames = padded("Red", 20) + padded("Blue", 20);
const QByteArray kValues =
    hex("6F14FFFF0000"
        "2EFB05001027");
const QByteArray kRecordBody =
    padded("Lib1", 16) + padded("Desc", 16) + hex("0200") + le(crc(kValues));
const QByteArray kRecord = kRecordBody + le(crc(kRecordBody));

SimLibrary lib1() {
    return {QStringLiteral("Lib1"),
            QStringLiteral("Desc"),
            {{QStringLiteral("Red"), 5231, -1, 0}, {QStringLiteral("Blue"), -1234, 5, 10000}}};
}

struct Rig {
    SimHidBackend backend;
    CLinkerUSB link{backend};
    Rig() {
        QLoggingCategory::setFilterRules(QStringLiteral("colorcard.link.debug=false"));
        link.open(SimHidBackend::kVendorId, SimHidBackend::kProductId);
    }
    SimMeter& meter() { return backend.meter(); }
    // Sends the frame as it goes on the link and collects the reply.
    QByteArray ask(const QByteArray& frame, int expectedLength, int timeoutMs = 6000) {
        if (!frame.isEmpty())
            link.write(frame, 1000);
        QByteArray reply;
        link.read(reply, timeoutMs, expectedLength);
        return reply;
    }
    // Sends a frame that gets no answer and checks that none comes.
    bool sendUnanswered(const QByteArray& frame) {
        return link.write(frame, 1000) == frame.size() && backend.pendingReports() == 0;
    }
};

const QByteArray kF4Reply =
    withCrc(hex("AB"
                "F4"
                "01000000"
                "0000"));

}  // namespace

class SimMeterTest : public QObject {
    Q_OBJECT
private slots:
    void identityReplies() {
        Rig rig;
        rig.meter().setIdentity({0x01020304, 0x0A0B0C0D, 0x0105, 2024, 6, 18});
        QCOMPARE(rig.ask(hex("AB2005001200946B"), 26), withCrc(hex("AB"
                                                                   "20"
                                                                   "0500"
                                                                   "1200"
                                                                   "A5"
                                                                   "00"
                                                                   "E807"
                                                                   "06"
                                                                   "12"
                                                                   "04030201"
                                                                   "0D0C0B0A"
                                                                   "0000"
                                                                   "0501")));

        const QByteArray info =
            hex("01"
                "00"
                "E807"
                "06"
                "12"
                "04030201"
                "0D0C0B0A"
                "0000"
                "00"
                "00");
        QCOMPARE(info.size(), 18);
        const QByteArray production = withCrc(hex("AB40000000001400") + info + le(crc(info)));
        QCOMPARE(rig.ask(hex("AB400000000014004504"), 30), production);
        // The same block read as memory, request with its own CRC.
        QCOMPARE(rig.ask(readRequest(hex("AB40000000001400")), 30), production);
    }

    void identityErrorReplies() {
        Rig rig;
        rig.meter().faults().olderIdentityOnly = true;
        QByteArray reply = rig.ask(hex("AB2005001200946B"), 26, 1000);
        QCOMPARE(reply, withCrc(hex("AB"
                                    "A0"
                                    "0400"
                                    "0000")));

        rig.meter().faults().productionInfoUnsupported = true;
        reply = rig.ask(hex("AB400000000014004504"), 30);
        QCOMPARE(reply, withCrc(hex("AB"
                                    "C7"
                                    "08000000"
                                    "0000")));
    }

    void measureDataReply() {
        Rig rig;
        rig.meter().setMeasurement({10000, -1000, 2, 10000, -3, 4, 10000, 1005, 3599, 5000, 3127,
                                    3290, 1, 2, 3, 4, 255, 127, 0});
        const QByteArray expected = withCrc(hex("AB44000000003600"
                                                "1027"
                                                "18FC"
                                                "0200"
                                                "1027"
                                                "FDFF"
                                                "0400"
                                                "1027"
                                                "ED03"
                                                "0F0E"
                                                "8813"
                                                "370C"
                                                "DA0C"
                                                "01020304"
                                                "FF7F00") +
                                            QByteArray(23, '\0'));
        QCOMPARE(expected.size(), 64);
        QCOMPARE(rig.ask(hex("AB440000000036001864"), 64), expected);
    }

    void standardCardMemoryReads() {
        Rig rig;
        rig.meter().loadLibraries({lib1()});
        QCOMPARE(rig.ask(hex("AB40002F000004009D020000"), 14), withCrc(hex("AB40002F00000400"
                                                                           "0100") +
                                                                       le(crc(hex("0100")))));
        QCOMPARE(rig.ask(readRequest(hex("AB40002000002600")), 48),
                 withCrc(hex("AB40002000002600") + kRecord));
        QCOMPARE(rig.ask(readRequest(hex("AB40000004003400")), 62),
                 withCrc(hex("AB40000004003400") + kNames + kValues));
        // A second slice further on: the values alone.
        QCOMPARE(rig.ask(readRequest(hex("AB40280004000C00")), 22),
                 withCrc(hex("AB40280004000C00") + kValues));
    }

    void readBackDecodesWhatIsStored() {
        SimMeter meter;
        meter.loadLibraries({lib1()});
        QCOMPARE(meter.libraryTotal(), 1);
        QCOMPARE(meter.infoRecord(0), kRecord);
        const QVector<SimLibrary> libraries = meter.libraries();
        QCOMPARE(libraries.size(), 1);
        QCOMPARE(libraries[0].name, QStringLiteral("Lib1"));
        QCOMPARE(libraries[0].colours.size(), 2);
        QCOMPARE(libraries[0].colours[1].name, QStringLiteral("Blue"));
        QCOMPARE(libraries[0].colours[1].L, qint16(-1234));
        QCOMPARE(libraries[0].colours[1].b, qint16(10000));

        // Long texts are cut to their fields, never in the middle of a character.
        meter.loadLibraries({{QStringLiteral("ABCDEFGHIJKLMNOPQR"),
                              QString::fromUtf8("颜色颜色颜色"),
                              {{QStringLiteral("x").repeated(25), 1, 2, 3}}}});
        const SimLibrary cut = meter.libraries().value(0);
        QCOMPARE(cut.name, QStringLiteral("ABCDEFGHIJKLMNOP"));
        QCOMPARE(cut.description, QString::fromUtf8("颜色颜色颜"));
        QCOMPARE(cut.colours.value(0).name, QStringLiteral("x").repeated(20));

        const QVector<SimLibrary> samples = SimMeter::sampleLibraries();
        meter.loadLibraries(samples);
        QCOMPARE(meter.libraries().size(), samples.size());
        QCOMPARE(meter.libraries().last().colours.size(), samples.last().colours.size());
        QCOMPARE(meter.libraries().last().colours.last().L, samples.last().colours.last().L);
    }

    void downloadIsAcknowledgedAndStored() {
        Rig rig;
        const QByteArray totalData = hex("0100") + le(crc(hex("0100")));
        QCOMPARE(rig.ask(withCrc(hex("AB70002F00000400") + totalData), 10),
                 withCrc(hex("AB70002F00000400")));
        QCOMPARE(rig.ask(withCrc(hex("AB70002000002600") + kRecord), 10),
                 withCrc(hex("AB70002000002600")));
        // The stream in two packages; neither is answered.
        const QByteArray stream = kNames + kValues;
        QVERIFY(rig.sendUnanswered(withCrc(hex("AB74000004002800") + stream.left(40))));
        QVERIFY(rig.sendUnanswered(withCrc(hex("AB74280004000C00") + stream.mid(40))));
        QCOMPARE(rig.ask(withCrc(hex("AB74340004000000")), 10), withCrc(hex("AB74340004000000")));
        QVERIFY(rig.meter().lastTransferErrors().isEmpty());

        QCOMPARE(rig.meter().totalRecord(), totalData);
        QCOMPARE(rig.meter().infoRecord(0), kRecord);
        const SimLibrary stored = rig.meter().libraries().value(0);
        QCOMPARE(stored.description, QStringLiteral("Desc"));
        QCOMPARE(stored.colours.value(0).name, QStringLiteral("Red"));
        QCOMPARE(stored.colours.value(0).L, qint16(5231));
        QCOMPARE(rig.meter().receivedFrames().size(), 5);
        QCOMPARE(rig.meter().receivedFrames().at(2).size(), 50);
    }

    void downloadFaultsAreRefusedAtTheEmptyPacket_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("frame CRC of a data package") << "frame crc";
        QTest::newRow("count check code") << "count check";
        QTest::newRow("information check code") << "info check";
        QTest::newRow("gap between data packages") << "gap";
        QTest::newRow("stream values against data check code") << "values";
        QTest::newRow("lost data package") << "lost";
        QTest::newRow("empty packet not after the last byte") << "empty address";
        QTest::newRow("stream shorter than the records announce") << "short stream";
    }
    void downloadFaultsAreRefusedAtTheEmptyPacket() {
        QFETCH(QString, fault);
        Rig rig;
        QByteArray totalData = hex("0100") + le(crc(hex("0100")));
        if (fault == "count check")
            totalData[2] = char(totalData[2] ^ 1);
        QByteArray record = kRecord;
        if (fault == "info check")
            record[37] = char(record[37] ^ 1);
        QByteArray stream = kNames + kValues;
        if (fault == "values")
            stream[40] = char(stream[40] + 1);

        // Records are acknowledged as usual; only the empty packet tells.
        QCOMPARE(rig.ask(withCrc(hex("AB70002F00000400") + totalData), 10),
                 withCrc(hex("AB70002F00000400")));
        QCOMPARE(rig.ask(withCrc(hex("AB70002000002600") + record), 10),
                 withCrc(hex("AB70002000002600")));
        if (fault == "lost")
            rig.meter().faults().loseNextDataPackage = true;
        QByteArray first = withCrc(hex("AB74000004002800") + stream.left(40));
        if (fault == "frame crc")
            first[first.size() - 1] = char(first[first.size() - 1] ^ 1);
        const QByteArray second = fault == "gap"
                                      ? withCrc(hex("AB742A0004000C00") + stream.mid(40))
                                      : withCrc(hex("AB74280004000C00") + stream.mid(40));
        rig.link.write(first, 1000);
        if (fault != "short stream")
            rig.link.write(second, 1000);
        const char* empty = fault == "gap"             ? "AB74360004000000"
                            : fault == "empty address" ? "AB74300004000000"
                            : fault == "short stream"  ? "AB74280004000000"
                                                       : "AB74340004000000";
        QCOMPARE(rig.ask(withCrc(hex(empty)), 10), kF4Reply);
        QVERIFY(!rig.meter().lastTransferErrors().isEmpty());

        // The next download starts clean.
        QCOMPARE(rig.ask(withCrc(hex("AB70002F00000400") + hex("0100") + le(crc(hex("0100")))), 10),
                 withCrc(hex("AB70002F00000400")));
        rig.ask(withCrc(hex("AB70002000002600") + kRecord), 10);
        rig.link.write(withCrc(hex("AB74000004003400") + kNames + kValues), 1000);
        QCOMPARE(rig.ask(withCrc(hex("AB74340004000000")), 10), withCrc(hex("AB74340004000000")));
    }

    void requestWithWrongCrcIsNotAnswered() {
        Rig rig;
        QByteArray reply = rig.ask(hex("AB2005001200946C"), 26, 1000);
        QVERIFY(reply.isEmpty());
        QCOMPARE(rig.meter().rejectedFrames(), 1);
        QCOMPARE(rig.meter().receivedFrames().size(), 1);
        // A read whose header CRC is wrong is refused even with a matching frame CRC.
        QVERIFY(rig.ask(withCrc(hex("AB40002F000004009D03")), 14).isEmpty());
        QCOMPARE(rig.meter().rejectedFrames(), 2);
    }

    void silentMeterCostsVirtualTimeOnly() {
        Rig rig;
        rig.meter().faults().silent = true;
        const qint64 before = rig.backend.elapsedMs();
        QByteArray reply;
        rig.link.write(hex("AB440000000036001864"), 1000);
        QCOMPARE(rig.link.read(reply, 6000, 64), 0);
        QVERIFY(reply.isEmpty());
        QVERIFY(rig.backend.elapsedMs() - before >= 6000);
        QCOMPARE(rig.meter().receivedFrames(), QList<QByteArray>{hex("AB440000000036001864")});
    }

    void garbledReplies() {
        Rig rig;
        rig.meter().setIdentity({1, 2, 3, 2024, 1, 2});
        const QByteArray good =
            withCrc(hex("AB"
                        "20"
                        "0500"
                        "1200"
                        "A5"
                        "00"
                        "E807"
                        "01"
                        "02"
                        "01000000"
                        "02000000"
                        "0000"
                        "0300"));
        QCOMPARE(rig.ask(hex("AB2005001200946B"), 26), good);

        rig.meter().faults().wrongCrc = true;
        QByteArray reply = rig.ask(hex("AB2005001200946B"), 26);
        QCOMPARE(reply.left(24), good.left(24));
        QVERIFY(reply.mid(24, 2) != good.mid(24, 2));
        rig.meter().faults().wrongCrc = false;

        rig.meter().faults().wrongHeader = true;
        reply = rig.ask(hex("AB2005001200946B"), 26);
        QCOMPARE(reply.left(8), hex("ABEEEEEEEEEEEEEE"));
        QCOMPARE(reply.mid(8, 16), good.mid(8, 16));
        QCOMPARE(reply, withCrc(reply.left(24)));
    }

    void staleBytesAndSmallReports() {
        Rig rig;
        rig.meter().faults().staleBytes = hex("0012");
        rig.meter().faults().replyChunk = 5;
        rig.link.write(hex("AB440000000036001864"), 1000);
        QCOMPARE(rig.backend.pendingReports(), 14);  // 66 bytes, 5 per report

        QByteArray raw;
        QCOMPARE(rig.link.read(raw, 0, 0), 66);
        QCOMPARE(raw.left(3), hex("0012AB"));

        rig.link.write(hex("AB440000000036001864"), 1000);
        QByteArray reply;
        QCOMPARE(rig.link.read(reply, 6000, 64), 64);
        QCOMPARE(reply, raw.mid(2));
    }

    void unplugAfterRequests() {
        Rig rig;
        QSignalSpy unplugged(&rig.backend, &SimHidBackend::unplugged);
        rig.meter().faults().unplugAfterRequests = 2;
        QCOMPARE(rig.ask(hex("AB440000000036001864"), 64).size(), 64);
        QVERIFY(!rig.link.isDisconnected());
        QVERIFY(rig.ask(hex("AB440000000036001864"), 64).isEmpty());
        QCOMPARE(unplugged.count(), 1);
        QVERIFY(rig.link.isDisconnected());
        QCOMPARE(rig.link.write(hex("AB440000000036001864"), 1000), -1);
        QCOMPARE(rig.meter().receivedFrames().size(), 2);

        // Plugged again, the meter answers a new link; the old one stays dead.
        rig.backend.plug();
        QVERIFY(rig.link.isDisconnected());
        CLinkerUSB again(rig.backend);
        QCOMPARE(again.open(SimHidBackend::kVendorId, SimHidBackend::kProductId), 0);
        QCOMPARE(again.write(hex("AB440000000036001864"), 1000), 10);
        QByteArray reply;
        QCOMPARE(again.read(reply, 6000, 64), 64);
    }

    void unplugDuringTransfer() {
        Rig rig;
        rig.meter().faults().unplugAfterDataPackages = 2;
        rig.ask(withCrc(hex("AB70002F00000400") + hex("0100") + le(crc(hex("0100")))), 10);
        rig.ask(withCrc(hex("AB70002000002600") + kRecord), 10);
        const QByteArray stream = kNames + kValues;
        QCOMPARE(rig.link.write(withCrc(hex("AB74000004002800") + stream.left(40)), 1000), 50);
        QVERIFY(rig.backend.isPlugged());
        rig.link.write(withCrc(hex("AB74280004000C00") + stream.mid(40)), 1000);
        QVERIFY(!rig.backend.isPlugged());
        QCOMPARE(rig.link.write(withCrc(hex("AB74340004000000")), 1000), -1);
    }

    void replyDelayAndRealisticTiming() {
        Rig rig;
        rig.backend.setReplyDelayMs(300);
        rig.link.write(hex("AB440000000036001864"), 1000);
        QByteArray reply;
        QCOMPARE(rig.link.read(reply, 0, 0), 0);  // not there yet
        QCOMPARE(rig.link.read(reply, 6000, 64), 64);
        QVERIFY(rig.backend.elapsedMs() >= 300);

        Rig timed;
        timed.backend.setRealisticTiming(true);
        const qint64 start = timed.backend.elapsedMs();
        // 266 bytes go out in 5 reports: 5 ms.
        timed.link.write(withCrc(hex("AB74000004000001") + QByteArray(256, '\0')), 1000);
        QCOMPARE(timed.backend.elapsedMs() - start, qint64(5));
        // A 64-byte reply comes in 2 reports, one per millisecond after the request.
        timed.link.write(hex("AB440000000036001864"), 1000);
        reply.clear();
        QCOMPARE(timed.link.read(reply, 6000, 64), 64);
        QCOMPARE(timed.backend.elapsedMs() - start, qint64(8));
    }

    void backendPlugPermissionAndForeignReports() {
        SimHidBackend backend;
        QLoggingCategory::setFilterRules(QStringLiteral("colorcard.link.debug=false"));
        backend.unplug();
        CLinkerUSB link(backend);
        QCOMPARE(link.open(SimHidBackend::kVendorId, SimHidBackend::kProductId), -1);
        QVERIFY(!link.permissionDenied());
        backend.plug();
        backend.setPermissionDenied(true);
        QCOMPARE(link.open(SimHidBackend::kVendorId, SimHidBackend::kProductId), -1);
        QVERIFY(link.permissionDenied());
        backend.setPermissionDenied(false);
        QCOMPARE(backend.enumerate(0x046D, 0xC077).size(), 0);
        QCOMPARE(link.open(SimHidBackend::kVendorId, SimHidBackend::kProductId), 0);

        QByteArray foreign(64, char(0x55));
        foreign[0] = char(0x01);
        backend.injectReport(foreign);
        link.write(hex("AB440000000036001864"), 1000);
        QByteArray reply;
        QCOMPARE(link.read(reply, 6000, 64), 64);
        QCOMPARE(reply.left(2), hex("AB44"));
    }

    void eventSourceDeliversThroughTheEventLoop() {
        SimHidBackend backend;
        SimEventSource source(backend);
        QVERIFY(source.start());
        QVERIFY(source.start());
        QSignalSpy arrived(&source, &DeviceEventSource::deviceArrived);
        QSignalSpy removed(&source, &DeviceEventSource::deviceRemoved);
        backend.unplug();
        QCOMPARE(removed.count(), 0);
        QVERIFY(removed.wait(1000));
        QCOMPARE(removed.count(), 1);
        backend.plug();
        QVERIFY(arrived.wait(1000));
        QCOMPARE(arrived.count(), 1);
        QCOMPARE(removed.count(), 1);
    }

    void measurementFromRgb() {
        const auto close = [](int actual, int expected, int tolerance) {
            return qAbs(actual - expected) <= tolerance;
        };
        const SimMeasurement white = SimMeter::measurementFromRgb(255, 255, 255);
        QVERIFY(close(white[0], 10000, 2));
        QVERIFY(close(white[1], 0, 2) && close(white[2], 0, 2));
        QVERIFY(close(white[10], 3127, 2) && close(white[11], 3290, 2));
        QCOMPARE(white[15], 0);
        const SimMeasurement red = SimMeter::measurementFromRgb(255, 0, 0);
        QVERIFY(close(red[0], 5324, 5));
        QVERIFY(close(red[1], 8009, 10));
        QVERIFY(close(red[2], 6720, 10));
        QCOMPARE(red[12], 0);
        QCOMPARE(red[13], 100);
        QCOMPARE(red[14], 100);
        QCOMPARE((std::array<int, 3>{red[16], red[17], red[18]}), (std::array<int, 3>{255, 0, 0}));
        const SimMeasurement black = SimMeter::measurementFromRgb(0, 0, 0);
        QCOMPARE(black[0], 0);
        QCOMPARE(black[15], 100);
    }

    void processingTimePerRequest_data() {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<int>("ms");
        const QByteArray package = QByteArray(256, '\0');
        QTest::newRow("memory read") << readRequest(hex("AB40002F00000400")) << 3;
        QTest::newRow("record") << withCrc(hex("AB70002F000004000100") + le(crc(hex("0100"))))
                                << 12;
        QTest::newRow("package opening the first sector")
            << withCrc(hex("AB74000004000001") + package) << 44;
        QTest::newRow("package inside a sector") << withCrc(hex("AB74000104000001") + package) << 4;
        QTest::newRow("package reaching into the next sector")
            << withCrc(hex("AB74800F04000001") + package) << 44;
        QTest::newRow("empty packet") << withCrc(hex("AB74000104000000")) << 60;
    }
    void processingTimePerRequest() {
        QFETCH(QByteArray, frame);
        QFETCH(int, ms);
        SimMeter meter;
        meter.setTiming(SimTiming::realistic());
        for (int at = 0; at < frame.size(); at += 62) {
            QByteArray report =
                QByteArray(1, char(0x3F)) + char(qMin(62, frame.size() - at)) + frame.mid(at, 62);
            meter.receiveReport(report.leftJustified(64, '\0'));
        }
        const QList<SimAnswer> answers = meter.takeAnswers();
        QCOMPARE(answers.size(), 1);
        QCOMPARE(answers[0].processingMs, ms);
    }

    void busyMeterAnswersLateAndHoldsTheNextRequest() {
        Rig rig;
        SimTiming timing;
        timing.readMs = 3;
        timing.packageWriteMs = 20;
        rig.meter().setTiming(timing);
        const qint64 start = rig.backend.elapsedMs();
        rig.link.write(readRequest(hex("AB40002F00000400")), 1000);
        QByteArray reply;
        QCOMPARE(rig.link.readPending(reply), 0);  // still being processed
        QCOMPARE(rig.link.read(reply, 6000, 14), 14);
        QCOMPARE(rig.backend.elapsedMs() - start, qint64(3));

        // The meter holds one package while it writes another; a third waits.
        const auto package = [](int n) {
            return withCrc(hex("AB74") + le(quint16(0x100 * n)) + hex("04000001") +
                           QByteArray(256, char(n)));
        };
        QCOMPARE(rig.link.write(package(0), 1000), 266);
        QCOMPARE(rig.link.write(package(1), 1000), 266);
        QCOMPARE(rig.backend.elapsedMs() - start, qint64(3));
        QCOMPARE(rig.link.write(package(2), 1000), 266);
        QCOMPARE(rig.backend.elapsedMs() - start, qint64(23));
        // Busier than the write time-out: the report is refused.
        timing.packageWriteMs = 1500;
        rig.meter().setTiming(timing);
        rig.link.write(package(3), 1000);
        rig.link.write(package(4), 1000);
        QCOMPARE(rig.link.write(package(5), 1000), -1);
        QCOMPARE(rig.meter().receivedFrames().size(), 6);
    }

    void lateDoubleForeignAndEchoFreeReplies() {
        Rig rig;
        rig.meter().loadLibraries({lib1()});
        const QByteArray total = withCrc(hex("AB40002F000004000100") + le(crc(hex("0100"))));
        const QByteArray totalRequest = readRequest(hex("AB40002F00000400"));
        rig.meter().faults().lateReplyMs = 6500;
        QVERIFY(rig.ask(totalRequest, 14).isEmpty());
        QCOMPARE(rig.ask(QByteArray(), 14), total);
        rig.meter().faults().lateReplyMs = 0;

        rig.meter().faults().doubleReplies = true;
        QCOMPARE(rig.ask(totalRequest, 14), total);
        QByteArray copy;
        QCOMPARE(rig.link.readPending(copy), 14);
        QCOMPARE(copy, total);
        rig.meter().faults().doubleReplies = false;

        // Once: a read of the same length where the meter keeps nothing first.
        rig.meter().faults().foreignReplyFirst = true;
        QCOMPARE(rig.ask(totalRequest, 28), withCrc(hex("AB40002F0800040000000000")) + total);
        QCOMPARE(rig.ask(totalRequest, 14), total);

        rig.meter().faults().noEcho = true;
        QCOMPARE(rig.ask(totalRequest, 14),
                 withCrc(hex("AB400000000000000100") + le(crc(hex("0100")))));
        QCOMPARE(rig.ask(hex("AB2005001200946B"), 26).left(8), hex("AB2000000000A500"));
        // Error replies never repeat the request anyway.
        rig.meter().faults().olderIdentityOnly = true;
        QCOMPARE(rig.ask(hex("AB2005001200946B"), 10), withCrc(hex("ABA004000000")));
    }
};

QTEST_GUILESS_MAIN(SimMeterTest)
#include "tst_simmeter.moc"
