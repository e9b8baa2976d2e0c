// SPDX-License-Identifier: MIT
// Export and write with either pacing and with a meter that takes its time,
// answers late, twice, without the echo, or first for another address.

#include <QtTest>

#include "tests/workflow/TransferFixture.h"

using namespace colorcard;

using Pacing = FrameLayer::Pacing;

namespace {

enum class Misbehaviour {
    DoubleReplies,
    NoEcho,
    NoEchoDoubleReplies,
    Realistic,
    ForeignReplyFirst,
    LateReply
};

// The demo's samples and a library that fills several packages.
QVector<SimLibrary> libraries() {
    QVector<SimLibrary> result = SimMeter::sampleLibraries();
    result.append({QStringLiteral("国标色卡"), QStringLiteral("红色系"), simColours("色", 30, 3)});
    return result;
}

void storeLibraries(TransferFixture& f, const QVector<SimLibrary>& source) {
    for (const StoredLibrary& library : asStored(source))
        f.addLibrary(library.name, library.description, library.colours);
}

}  // namespace

Q_DECLARE_METATYPE(Misbehaviour)

class TransferPacingTest : public QObject {
    Q_OBJECT

private slots:
    void sameFramesInBothPacings() {
        QList<QByteArray> reports[2];
        QStringList messages[2];
        QList<StoredLibrary> stored[2];
        FrameLayer::Statistics statistics[2];
        for (const Pacing pacing : {Pacing::Adaptive, Pacing::FlushEveryExchange}) {
            const int i = pacing == Pacing::Adaptive ? 0 : 1;
            TransferFixture f;
            f.frames.setConfiguredPacing(pacing);
            f.backend.setRealisticTiming(true);
            f.meter().setTiming(SimTiming::realistic());
            f.meter().loadLibraries(libraries());
            QVERIFY(f.exportMeter());
            f.meter().loadLibraries({});
            QVERIFY(f.writeMeter());
            reports[i] = f.backend.takeWrittenReports();
            messages[i] = f.prompt.messages();
            stored[i] = f.stored();
            statistics[i] = f.frames.statistics();
            COMPARE_LIBRARIES(asStored(f.meter().libraries()), stored[i]);
        }
        // Every byte of every report, in the same order; only the waiting differs.
        // Export: 10 requests of one report each. Write: 5 records, 4 packages
        // of 5 reports and one of 3, the empty packet.
        QCOMPARE(reports[0].size(), 10 + 5 + 23 + 1);
        QCOMPARE(reports[0], reports[1]);
        QCOMPARE(messages[0], messages[1]);
        COMPARE_LIBRARIES(stored[0], stored[1]);
        COMPARE_LIBRARIES(stored[0], asStored(libraries()));
        QCOMPARE(statistics[0].fullFlushes, 1);
        QCOMPARE(statistics[1].fullFlushes, statistics[1].requests);
    }

    void misbehavingMeter_data() {
        QTest::addColumn<bool>("exporting");
        QTest::addColumn<Misbehaviour>("what");
        QTest::addColumn<int>("function");  // of the request whose reply is late or foreign
        QTest::addColumn<int>("address");
        QTest::addColumn<QString>("message");  // of the first run; a failed one is repeated
        const QString exported = "Export the color card data success!";
        const QString written = "Successfully written the color card to the instrument!";
        using M = Misbehaviour;
        QTest::newRow("export, replies twice") << true << M::DoubleReplies << 0 << 0 << exported;
        QTest::newRow("write, replies twice") << false << M::DoubleReplies << 0 << 0 << written;
        QTest::newRow("export, no echo") << true << M::NoEcho << 0 << 0 << exported;
        QTest::newRow("write, no echo") << false << M::NoEcho << 0 << 0 << written;
        QTest::newRow("export, no echo, replies twice")
            << true << M::NoEchoDoubleReplies << 0 << 0 << exported;
        QTest::newRow("export, processing times") << true << M::Realistic << 0 << 0 << exported;
        QTest::newRow("write, processing times") << false << M::Realistic << 0 << 0 << written;
        QTest::newRow("export, another address before a data reply")
            << true << M::ForeignReplyFirst << 0x40 << 0x40100 << exported;
        QTest::newRow("export, late information reply")
            << true << M::LateReply << 0x40 << 0x2030
            << "No message received for reading standard color card information!";
        QTest::newRow("export, late data reply")
            << true << M::LateReply << 0x40 << 0x40200
            << "No message received for reading standard color card data!";
        QTest::newRow("write, late information acknowledgement")
            << false << M::LateReply << 0x70 << 0x2030
            << "No message received for writing standard color card information!";
        QTest::newRow("write, late empty packet acknowledgement")
            << false << M::LateReply << 0x74 << 0x40492
            << "After writing an empty packet message, no message was received!";
    }
    void misbehavingMeter() {
        QFETCH(bool, exporting);
        QFETCH(Misbehaviour, what);
        QFETCH(int, function);
        QFETCH(int, address);
        QFETCH(QString, message);
        for (const Pacing pacing : {Pacing::Adaptive, Pacing::FlushEveryExchange}) {
            TransferFixture f;
            f.frames.setConfiguredPacing(pacing);
            if (exporting)
                f.meter().loadLibraries(libraries());
            else
                storeLibraries(f, libraries());
            SimFaults& faults = f.meter().faults();
            faults.doubleReplies =
                what == Misbehaviour::DoubleReplies || what == Misbehaviour::NoEchoDoubleReplies;
            faults.noEcho =
                what == Misbehaviour::NoEcho || what == Misbehaviour::NoEchoDoubleReplies;
            // With report times the second copy is not there yet when the
            // next request leaves.
            if (what == Misbehaviour::Realistic || what == Misbehaviour::NoEchoDoubleReplies) {
                f.backend.setRealisticTiming(true);
                f.meter().setTiming(SimTiming::realistic());
            }
            f.link.onWrite = [&](const QByteArray& frame) {
                const Request r = Request::of(frame);
                const bool chosen = r.function == function && r.address == quint32(address);
                if (what == Misbehaviour::ForeignReplyFirst && chosen)
                    faults.foreignReplyFirst = true;
                if (what == Misbehaviour::LateReply)
                    faults.lateReplyMs = chosen ? 6500 : 0;
                return true;
            };
            const auto run = [&] { return exporting ? f.exportMeter() : f.writeMeter(); };
            const bool failed = !run();
            // A read or record write missed after the quick flush is sent
            // once more, after a full flush, which the late reply does not
            // outlast; the empty packet, which finishes a download, is not.
            const bool retried =
                what == Misbehaviour::LateReply && pacing == Pacing::Adaptive && function != 0x74;
            QCOMPARE(
                f.prompt.messages(),
                QStringList{!retried ? message
                            : exporting
                                ? QStringLiteral("Export the color card data success!")
                                : QStringLiteral(
                                      "Successfully written the color card to the instrument!")});
            if (failed) {
                QCOMPARE(what, Misbehaviour::LateReply);
                if (exporting)
                    QVERIFY(f.stored().isEmpty());
                // The late reply is still on its way when the user tries again.
                f.link.onWrite = nullptr;
                faults.lateReplyMs = 0;
                f.prompt.clear();
                QVERIFY(run());
            }
            if (exporting)
                COMPARE_LIBRARIES(f.stored(), asStored(libraries()));
            else
                COMPARE_LIBRARIES(asStored(f.meter().libraries()), f.stored());
            QCOMPARE(f.meter().lastTransferErrors(), QStringList());
        }
    }

    // A stale report that arrives after the quick flush, just before a
    // request (the full flush would have waited for it): the exchange is
    // tried once more after a full flush, and the transfer goes through.
    void staleReportJustBeforeARequest() {
        for (const bool exporting : {true, false}) {
            TransferFixture f;
            if (exporting)
                f.meter().loadLibraries(libraries());
            else
                storeLibraries(f, libraries());
            int writes = 0;
            f.link.onWrite = [&](const QByteArray&) {
                if (++writes == 4)
                    f.meter().faults().staleBytesOnce = QByteArray::fromHex("AB99000000");
                return true;
            };
            QVERIFY(exporting ? f.exportMeter() : f.writeMeter());
            QCOMPARE(
                f.prompt.messages(),
                QStringList{exporting ? "Export the color card data success!"
                                      : "Successfully written the color card to the instrument!"});
            if (exporting)
                COMPARE_LIBRARIES(f.stored(), asStored(libraries()));
            else
                COMPARE_LIBRARIES(asStored(f.meter().libraries()), f.stored());
        }
    }
};

QTEST_MAIN(TransferPacingTest)
#include "tst_transferpacing.moc"
