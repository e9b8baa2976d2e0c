// SPDX-License-Identifier: MIT
#include <QtTest>

#include "link/HidReportDescriptor.h"
#include "link/libHidDevice.h"
#include "tests/link/ScriptedHidBackend.h"

using namespace colorcard;

namespace {

QByteArray counting(int length, int first = 0) {
    QByteArray bytes;
    for (int i = 0; i < length; ++i)
        bytes.append(char(first + i));
    return bytes;
}

}  // namespace

class LibHidDeviceTest : public QObject {
    Q_OBJECT
private slots:
    void writesAreCutInto62ByteReports() {
        ScriptedHidBackend backend;
        backend.addMeter();
        libHidDevice device(backend);
        QCOMPARE(device.open(0x2047, 0x0301), 0);

        const QByteArray ten = counting(10, 1);
        QCOMPARE(device.write(ten.constData(), ten.size(), 1000), 10);
        QCOMPARE(backend.written.size(), 1);
        QByteArray expected(64, '\0');
        expected[0] = char(0x3F);
        expected[1] = char(10);
        expected.replace(2, 10, ten);
        QCOMPARE(backend.written[0], expected);

        backend.written.clear();
        const QByteArray long130 = counting(130);
        QCOMPARE(device.write(long130.constData(), long130.size(), 1000), 130);
        QCOMPARE(backend.written.size(), 3);
        QCOMPARE(quint8(backend.written[0][1]), quint8(62));
        QCOMPARE(quint8(backend.written[1][1]), quint8(62));
        QCOMPARE(quint8(backend.written[2][1]), quint8(6));
        for (const QByteArray& report : backend.written) {
            QCOMPARE(report.size(), 64);
            QCOMPARE(quint8(report[0]), quint8(0x3F));
        }
        QCOMPARE(backend.writtenPayload(), long130);
        QCOMPARE(device.write(long130.constData(), 0, 1000), 0);
    }

    void failedReportEndsWriteWithCountSentBefore() {
        ScriptedHidBackend backend;
        backend.addMeter();
        libHidDevice device(backend);
        QCOMPARE(device.open(0x2047, 0x0301), 0);
        backend.writesBeforeFailure = 1;
        const QByteArray data = counting(130);
        QCOMPARE(device.write(data.constData(), data.size(), 1000), 62);
    }

    void readKeepsLeftoverForNextRead() {
        ScriptedHidBackend backend;
        backend.addMeter();
        libHidDevice device(backend);
        QCOMPARE(device.open(0x2047, 0x0301), 0);
        backend.queueReport(counting(20, 0));
        backend.queueReport(counting(20, 20));

        char buffer[64] = {};
        QCOMPARE(device.read(buffer, 26, 50), 26);
        QCOMPARE(QByteArray(buffer, 26), counting(26));
        QCOMPARE(device.leftoverCount(), 14);
        QCOMPARE(backend.now, qint64(0));

        // The leftover comes first and without waiting for a report.
        QCOMPARE(device.read(buffer, 14, 50), 14);
        QCOMPARE(QByteArray(buffer, 14), counting(14, 26));
        QCOMPARE(backend.now, qint64(0));

        // More leftover than wanted: part of it, the rest stays.
        backend.queueReport(counting(30, 100));
        QCOMPARE(device.read(buffer, 10, 50), 10);
        QCOMPARE(device.read(buffer, 5, 50), 5);
        QCOMPARE(QByteArray(buffer, 5), counting(5, 110));
        QCOMPARE(device.leftoverCount(), 15);
    }

    void readStopsAtTimeOutWithWhatArrived() {
        ScriptedHidBackend backend;
        backend.addMeter();
        libHidDevice device(backend);
        QCOMPARE(device.open(0x2047, 0x0301), 0);
        char buffer[64] = {};
        QCOMPARE(device.read(buffer, 26, 50), 0);
        QCOMPARE(backend.now, qint64(50));

        backend.queueReport(counting(10));
        QCOMPARE(device.read(buffer, 26, 50), 10);
        QCOMPARE(backend.now, qint64(100));
        // A report that comes later than the time-out is not waited for.
        backend.queueReport(counting(10), 0x3F, backend.now + 60);
        QCOMPARE(device.read(buffer, 26, 50), 0);
        QCOMPARE(device.read(buffer, 26, 50), 10);
    }

    void reportsWithAnotherIdentifierAreSkipped() {
        ScriptedHidBackend backend;
        backend.addMeter();
        libHidDevice device(backend);
        QCOMPARE(device.open(0x2047, 0x0301), 0);
        backend.queueReport(QByteArray(20, char(0x55)), 0x01);
        backend.queueReport(counting(8));
        backend.queueReport(QByteArray(20, char(0x55)), 0x02);
        backend.queueReport(counting(8, 8));
        char buffer[64] = {};
        QCOMPARE(device.read(buffer, 16, 50), 16);
        QCOMPARE(QByteArray(buffer, 16), counting(16));
    }

    void countBeyondTheReportIsCut() {
        ScriptedHidBackend backend;
        backend.addMeter();
        backend.reportLength = 16;
        libHidDevice device(backend);
        QCOMPARE(device.open(0x2047, 0x0301), 0);
        QByteArray report(16, char(0x11));
        report[0] = char(0x3F);
        report[1] = char(200);
        backend.incoming.append({0, report});
        char buffer[256] = {};
        QCOMPARE(device.read(buffer, 200, 50), 14);
    }

    void readErrorGivesZeroAndMarksDeviceGone() {
        ScriptedHidBackend backend;
        backend.addMeter();
        libHidDevice device(backend);
        QCOMPARE(device.open(0x2047, 0x0301), 0);
        QVERIFY(!device.isDeviceGone());
        backend.queueReport(counting(10));
        char buffer[64] = {};
        QCOMPARE(device.read(buffer, 5, 50), 5);
        backend.readError = true;
        QCOMPARE(device.read(buffer, 26, 50), 0);
        QVERIFY(device.isDeviceGone());
    }

    void deviceGoneWhenNodeDisappears() {
        ScriptedHidBackend backend;
        backend.addMeter();
        libHidDevice device(backend);
        QCOMPARE(device.open(0x2047, 0x0301), 0);
        QVERIFY(!device.isDeviceGone());
        backend.gone = true;
        QVERIFY(device.isDeviceGone());
    }

    void openFailsWithoutMeterAndLeavesNothingOpen() {
        ScriptedHidBackend backend;
        backend.devices.append({QStringLiteral("/dev/hidraw3"), 0x046D, 0xC077, QString(), 0});
        libHidDevice device(backend);
        QCOMPARE(device.open(0x2047, 0x0301), -1);
        QVERIFY(!device.isOpen());
        QVERIFY(!device.permissionDenied());
        QVERIFY(backend.openedPaths.isEmpty());
        char buffer[8] = {};
        QCOMPARE(device.read(buffer, 8, 50), 0);
        QCOMPARE(device.write(buffer, 8, 50), 0);
        QCOMPARE(backend.now, qint64(0));
        QVERIFY(device.isDeviceGone());
    }

    void openTellsPermissionDeniedApart() {
        ScriptedHidBackend backend;
        backend.addMeter();
        backend.openErrors.insert(QStringLiteral("/dev/hidraw0"),
                                  HidBackend::OpenError::PermissionDenied);
        libHidDevice device(backend);
        QCOMPARE(device.open(0x2047, 0x0301), -1);
        QVERIFY(device.permissionDenied());
        QVERIFY(!device.isOpen());

        backend.openErrors.clear();
        QCOMPARE(device.open(0x2047, 0x0301), 0);
        QVERIFY(!device.permissionDenied());
    }

    void closeIsFinalAndRepeatable() {
        ScriptedHidBackend backend;
        backend.addMeter();
        libHidDevice device(backend);
        QCOMPARE(device.open(0x2047, 0x0301), 0);
        backend.queueReport(counting(20));
        char buffer[64] = {};
        QCOMPARE(device.read(buffer, 5, 50), 5);
        device.close();
        device.close();
        QVERIFY(!device.isOpen());
        QCOMPARE(device.leftoverCount(), 0);
        QCOMPARE(device.read(buffer, 5, 50), 0);
    }

    void selectsTheWantedInterface_data() {
        QTest::addColumn<QStringList>("serials");
        QTest::addColumn<QList<int>>("interfaces");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("one meter") << QStringList{"A1"} << QList<int>{0} << "/dev/hidraw0";
        QTest::newRow("two meters: the last listed")
            << QStringList{"A1", "B2"} << QList<int>{0, 0} << "/dev/hidraw1";
        QTest::newRow("no serial number") << QStringList{""} << QList<int>{0} << "/dev/hidraw0";
        QTest::newRow("no serial, two interfaces: the last one")
            << QStringList{"", ""} << QList<int>{0, 1} << "/dev/hidraw1";
        QTest::newRow("two interfaces of one meter: the last one")
            << QStringList{"A1", "A1"} << QList<int>{0, 1} << "/dev/hidraw1";
    }
    void selectsTheWantedInterface() {
        QFETCH(QStringList, serials);
        QFETCH(QList<int>, interfaces);
        QFETCH(QString, chosen);
        ScriptedHidBackend backend;
        for (int i = 0; i < serials.size(); ++i)
            backend.addMeter(QStringLiteral("/dev/hidraw%1").arg(i), serials[i], interfaces[i]);
        libHidDevice device(backend);
        QCOMPARE(device.open(0x2047, 0x0301), 0);
        QCOMPARE(backend.openedPaths, QStringList{chosen});
    }

    void reportLengthFromDescriptor() {
        // Vendor page; report 0x3F: 63 input bytes, 63 output bytes.
        const QByteArray meter = QByteArray::fromHex(
            "0600FF0901A101853F953F75082501150109018102853F953F75082501150109019102C0");
        using D = HidReportDescriptor::Direction;
        QCOMPARE(HidReportDescriptor::reportLength(meter, 0x3F, D::Input), 64);
        QCOMPARE(HidReportDescriptor::reportLength(meter, 0x3F, D::Output), 64);
        QCOMPARE(HidReportDescriptor::reportLength(meter, 0x01, D::Input), 0);
        // 32-byte output report in two items, input absent.
        const QByteArray small =
            QByteArray::fromHex("0600FF0901A101853F951075089102951075089102C0");
        QCOMPARE(HidReportDescriptor::reportLength(small, 0x3F, D::Output), 33);
        QCOMPARE(HidReportDescriptor::reportLength(small, 0x3F, D::Input), 0);
        // Cut off in the middle of an item: what was read still counts, no overrun.
        QCOMPARE(HidReportDescriptor::reportLength(meter.left(meter.size() - 4), 0x3F, D::Input),
                 64);
        QCOMPARE(HidReportDescriptor::reportLength(QByteArray("\x96\xFF", 2), 0x3F, D::Input), 0);
    }
};

QTEST_GUILESS_MAIN(LibHidDeviceTest)
#include "tst_libhiddevice.moc"
