// SPDX-License-Identifier: MIT
#include <unistd.h>

#include <QtTest>

#include "link/CLinkerUSB.h"
#include "link/HidapiBackend.h"
#include "link/UdevEventSource.h"
#include "link/UsbLinkOpener.h"
#include "tests/link/ScriptedHidBackend.h"

using namespace colorcard;

namespace {

// A key information reply as the meter sends it.
const QByteArray kReply26 =
    QByteArray::fromHex("AB2005001200A500E8070601010000000001000000000100E087");

}  // namespace

class CLinkerUsbTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLoggingCategory::setFilterRules(QStringLiteral("colorcard.link.debug=true")); }

    void openWritesItsTraces() {
        ScriptedHidBackend backend;
        CLinkerUSB link(backend);
        QTest::ignoreMessage(QtDebugMsg, "hidDevice Open error!\n");
        QCOMPARE(link.open(0x2047, 0x0301), -1);
        QVERIFY(!link.isOpen());

        backend.addMeter();
        QTest::ignoreMessage(QtDebugMsg, "hidDevice Open success!\n");
        QCOMPARE(link.open(0x2047, 0x0301), 0);
        QVERIFY(link.isOpen());
        QVERIFY(!link.isDisconnected());
        link.close();
        QVERIFY(!link.isOpen());
    }

    void staleBytesBeforeStartByteAreDropped() {
        ScriptedHidBackend backend;
        backend.addMeter();
        CLinkerUSB link(backend);
        QCOMPARE(link.open(0x2047, 0x0301), 0);
        backend.queueBytes(QByteArray::fromHex("0012") + kReply26);
        QByteArray buffer;
        QCOMPARE(link.read(buffer, 1000, 26), 26);
        QCOMPARE(buffer, kReply26);
    }

    void replyAcrossReportsAndSmallPieces() {
        ScriptedHidBackend backend;
        backend.addMeter();
        CLinkerUSB link(backend);
        QCOMPARE(link.open(0x2047, 0x0301), 0);
        // Stale bytes alone in a report, then the reply three bytes at a time.
        backend.queueReport(QByteArray::fromHex("0102"));
        for (int i = 0; i < kReply26.size(); i += 3)
            backend.queueReport(kReply26.mid(i, 3));
        QByteArray buffer;
        QCOMPARE(link.read(buffer, 1000, 26), 26);
        QCOMPARE(buffer, kReply26);
    }

    void shortReplyReturnsLastReadAfterTimeOutWithBytesKept() {
        ScriptedHidBackend backend;
        backend.addMeter();
        CLinkerUSB link(backend);
        QCOMPARE(link.open(0x2047, 0x0301), 0);
        backend.queueBytes(kReply26.left(20));
        QByteArray buffer;
        QTest::ignoreMessage(QtDebugMsg, "hidDevice ReadMessage error!\n");
        QCOMPARE(link.read(buffer, 1000, 26), 0);
        QCOMPARE(buffer, kReply26.left(20));
        QVERIFY(backend.now >= 1000);
        QVERIFY(backend.now < 1100);
    }

    void timeOutDuringArrivalReturnsCountOfLastRead() {
        ScriptedHidBackend backend;
        backend.addMeter();
        CLinkerUSB link(backend);
        QCOMPARE(link.open(0x2047, 0x0301), 0);
        // Pieces keep trickling in until after the time-out, never enough.
        for (int t = 0; t <= 1100; t += 60)
            backend.queueReport(QByteArray::fromHex("AB"), 0x3F, t);
        QByteArray buffer;
        const int result = link.read(buffer, 1000, 1024);
        QCOMPARE(result, 1);
        // Pieces at 0, 60, ..., 960 ms; the read that ends after 1000 ms brought the last.
        QCOMPARE(buffer.size(), 17);
    }

    void moreThanExpectedStaysInBuffer() {
        ScriptedHidBackend backend;
        backend.addMeter();
        CLinkerUSB link(backend);
        QCOMPARE(link.open(0x2047, 0x0301), 0);
        // The first read brings 10 bytes of which 8 survive the sync; the
        // second brings 10 more, and all 18 are handed over.
        backend.queueReport(QByteArray::fromHex("0012") + kReply26);
        QByteArray buffer;
        QCOMPARE(link.read(buffer, 1000, 10), 18);
        QCOMPARE(buffer, kReply26.left(18));
    }

    void flushReadsWhatIsPending() {
        ScriptedHidBackend backend;
        backend.addMeter();
        CLinkerUSB link(backend);
        QCOMPARE(link.open(0x2047, 0x0301), 0);
        QByteArray buffer;
        QCOMPARE(link.read(buffer, 0, 0), 0);
        QCOMPARE(backend.now, qint64(50));
        QVERIFY(buffer.isEmpty());

        backend.queueBytes(QByteArray::fromHex("0102030405"));
        QCOMPARE(link.read(buffer, 0, 26), 5);
        QCOMPARE(buffer, QByteArray::fromHex("0102030405"));
        // Flush mode drops nothing: bytes before 0xAB stay for the caller to discard.
        backend.queueBytes(QByteArray::fromHex("99AB"));
        QCOMPARE(link.read(buffer, 0, 0), 7);
    }

    void writeReportsShortWritesAsFailure() {
        ScriptedHidBackend backend;
        backend.addMeter();
        CLinkerUSB link(backend);
        QCOMPARE(link.open(0x2047, 0x0301), 0);
        QCOMPARE(link.write(QByteArray(10, char(1)), 1000), 10);
        backend.writesBeforeFailure = 2;
        QTest::ignoreMessage(QtDebugMsg, "hidDevice WriteMessage error! ret = 124\n");
        QCOMPARE(link.write(QByteArray(266, char(2)), 1000), -1);
    }

    void closedOrUnpluggedLinkDoesNotWait() {
        ScriptedHidBackend backend;
        backend.addMeter();
        CLinkerUSB link(backend);
        QByteArray buffer;
        QCOMPARE(link.read(buffer, 6000, 26), 0);
        QCOMPARE(backend.now, qint64(0));
        QVERIFY(link.isDisconnected());

        QCOMPARE(link.open(0x2047, 0x0301), 0);
        backend.readError = true;
        QCOMPARE(link.read(buffer, 6000, 26), 0);
        QVERIFY(backend.now < 6000);
        QVERIFY(link.isDisconnected());
    }

    void openerGivesOpenLinkOrNullWithReason() {
        ScriptedHidBackend backend;
        const LinkOpener opener = makeUsbLinkOpener(backend);
        bool denied = true;
        QCOMPARE(opener(0x2047, 0x0301, &denied), nullptr);
        QVERIFY(!denied);

        backend.addMeter();
        backend.openErrors.insert(QStringLiteral("/dev/hidraw0"),
                                  HidBackend::OpenError::PermissionDenied);
        QCOMPARE(opener(0x2047, 0x0301, &denied), nullptr);
        QVERIFY(denied);
        QCOMPARE(opener(0x2047, 0x0301, nullptr), nullptr);

        backend.openErrors.clear();
        std::unique_ptr<CLinker> link(opener(0x2047, 0x0301, &denied));
        QVERIFY(link);
        QVERIFY(!denied);
        QVERIFY(link->isOpen());
        QCOMPARE(link->write(QByteArray::fromHex("AB2005001200946B"), 1000), 8);
        QCOMPARE(backend.writtenPayload(), QByteArray::fromHex("AB2005001200946B"));
    }

    void hidapiBackendTellsMissingAndForbiddenNodesApart() {
        HidapiBackend backend;
        QVERIFY(backend.enumerate(0xFFFE, 0xFFFE).isEmpty());
        HidBackend::OpenError error = HidBackend::OpenError::None;
        QVERIFY(!backend.open(QStringLiteral("/nonexistent/hidraw9"), &error));
        QCOMPARE(error, HidBackend::OpenError::NotFound);

        if (::geteuid() == 0)
            QSKIP("root may open any node");
        QTemporaryDir dir;
        const QString node = dir.filePath(QStringLiteral("hidraw0"));
        QFile file(node);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(file.setPermissions(QFileDevice::Permissions()));
        QVERIFY(!backend.open(node, &error));
        QCOMPARE(error, HidBackend::OpenError::PermissionDenied);
    }

    void udevSourceStartsOnceAndCleansUp() {
        // Whether a udev monitor can be had depends on the machine; either way
        // a second start gives the same answer and destruction is clean.
        UdevEventSource source;
        const bool started = source.start();
        QCOMPARE(source.isStarted(), started);
        QCOMPARE(source.start(), started);
    }
};

QTEST_GUILESS_MAIN(CLinkerUsbTest)
#include "tst_clinkerusb.moc"
