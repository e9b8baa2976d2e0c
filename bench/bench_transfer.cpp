// Exports 46 libraries with 20000 colours from the simulated meter into an
// empty store, then writes them back into the emptied meter, with the USB
// timing model of one 64-byte report per millisecond in each direction.
//
// The simulated meter keeps a virtual clock: every wait the protocol itself
// prescribes (the flush read before each request, the report times, the
// replies, the final drain) moves that clock and costs no wall time. What
// the wall clock measures is therefore the program's own work (decoding,
// database, page and progress dialogs, and the simulator), which must stay
// under 5 % of the protocol's waits.

#include <time.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <cstdio>

#include "CLinkerUSB.h"
#include "FirstPage.h"
#include "FrameLayer.h"
#include "MeterExport.h"
#include "MeterWrite.h"
#include "SimHidBackend.h"
#include "WidgetPrompt.h"

namespace {

constexpr int kLibraries = 46;
constexpr int kColours = 20000;
constexpr int kFlushWaitMs = CLinkerUSB::kReportTimeoutMs;  // a flush read that finds nothing
constexpr int kDrainMs = 1000;
constexpr int kReportPayload = 62;

// Real dialogs for progress, so their cost is measured; messages are printed
// and questions answered Yes instead of waiting for a user.
class BenchPrompt : public WidgetPrompt {
public:
    void information(QWidget*, const QString&, const QString& text) override {
        std::printf("  message: %s\n", qPrintable(text));
        messages << text;
    }
    bool question(QWidget*, const QString&, const QString&) override { return true; }
    QStringList messages;
};

QVector<SimLibrary> fullMeter() {
    QVector<SimLibrary> libraries;
    for (int i = 0; i < kLibraries; ++i) {
        const int n = kColours / kLibraries + (i < kColours % kLibraries ? 1 : 0);
        SimLibrary library{
            i % 5 == 0 ? QStringLiteral("色卡%1").arg(i) : QStringLiteral("Library %1").arg(i),
            QStringLiteral("Set %1").arg(i),
            {}};
        for (int k = 0; k < n; ++k) {
            const int v = (k + 1) * 7919 + i * 104729;
            library.colours.append({QStringLiteral("Colour %1-%2").arg(i).arg(k + 1),
                                    qint16(v % 10001), qint16(v % 25601 - 12800),
                                    qint16((v / 3) % 25601 - 12800)});
        }
        libraries.append(library);
    }
    return libraries;
}

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

int reports(int bytes) {
    return (bytes + kReportPayload - 1) / kReportPayload;
}

// The waits the protocol prescribes for what the meter received: a flush
// read before every request, one report time per request and reply report.
struct ProtocolWaits {
    qint64 flushMs = 0;
    qint64 requestReportsMs = 0;
    qint64 replyReportsMs = 0;
    qint64 drainMs = 0;
    int requests = 0;
    qint64 total() const { return flushMs + requestReportsMs + replyReportsMs + drainMs; }
};

ProtocolWaits prescribedWaits(SimHidBackend& backend, bool drained) {
    ProtocolWaits waits;
    for (const QByteArray& frame : backend.meter().receivedFrames()) {
        ++waits.requests;
        waits.flushMs += kFlushWaitMs;
        waits.requestReportsMs += reports(frame.size());
        const quint8 function = quint8(frame.at(1));
        const int length = quint8(frame.at(6)) | (quint8(frame.at(7)) << 8);
        if (function == 0x40)
            waits.replyReportsMs += reports(10 + length);
        else if (function == 0x70 || (function == 0x74 && length == 0))
            waits.replyReportsMs += reports(10);
    }
    waits.drainMs = drained ? kDrainMs : 0;
    return waits;
}

struct Measurement {
    qint64 virtualMs = 0;
    double wallMs = 0;
    double cpuMs = 0;
};

template <typename Run>
Measurement measure(SimHidBackend& backend, Run run) {
    backend.meter().clearReceivedFrames();
    backend.takeWrittenReports();
    const qint64 virtualStart = backend.elapsedMs();
    const double cpuStart = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    run();
    Measurement m;
    m.wallMs = double(wall.nsecsElapsed()) / 1e6;
    m.cpuMs = (cpuSeconds() - cpuStart) * 1000.0;
    m.virtualMs = backend.elapsedMs() - virtualStart;
    return m;
}

void print(const char* what, const Measurement& m, const ProtocolWaits& waits) {
    std::printf("%s\n", what);
    std::printf("  requests: %d\n", waits.requests);
    std::printf("  protocol waits (virtual clock): %lld ms\n", static_cast<long long>(m.virtualMs));
    std::printf(
        "    prescribed: flush reads %lld + request reports %lld + reply reports %lld"
        " + drain %lld = %lld ms\n",
        static_cast<long long>(waits.flushMs), static_cast<long long>(waits.requestReportsMs),
        static_cast<long long>(waits.replyReportsMs), static_cast<long long>(waits.drainMs),
        static_cast<long long>(waits.total()));
    std::printf("  program overhead: %.0f ms wall, %.0f ms CPU\n", m.wallMs, m.cpuMs);
    std::printf("  elapsed (protocol waits + overhead): %.1f s\n",
                (double(m.virtualMs) + m.wallMs) / 1000.0);
    std::printf("  overhead / protocol waits: %.2f %% (wall), %.2f %% (CPU)\n",
                100.0 * m.wallMs / double(m.virtualMs), 100.0 * m.cpuMs / double(m.virtualMs));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("colorcard.link.debug=false"));

    SimHidBackend backend;
    backend.setRealisticTiming(true);
    const QVector<SimLibrary> libraries = fullMeter();
    backend.meter().loadLibraries(libraries);
    CLinkerUSB link(backend);
    if (link.open(SimHidBackend::kVendorId, SimHidBackend::kProductId) != 0) {
        std::printf("cannot open the simulated meter\n");
        return 1;
    }
    FrameLayer frames([&link] { return static_cast<CLinker*>(&link); });

    QTemporaryDir dir;
    BenchPrompt prompt;
    FirstPage page(nullptr, &frames, &prompt, dir.path(), dir.filePath(QStringLiteral("meterno")));
    page.setLanguage(false);
    page.library().setMaxLibraries(kLibraries);
    std::printf("%d libraries, %d colours, %d stream bytes\n", kLibraries, kColours, kColours * 26);

    bool exported = false;
    const Measurement exportRun =
        measure(backend, [&] { exported = MeterExport(page.library(), frames).run(); });
    print("export meter data", exportRun, prescribedWaits(backend, false));
    int stored = 0;
    for (const LibraryRecord& record : page.store().selectLibraries())
        stored += record.value(5).toString().toInt();
    std::printf("  stored: %d libraries, %d colours\n", page.libraryRowCount(), stored);

    backend.meter().loadLibraries({});
    bool written = false;
    const Measurement writeRun =
        measure(backend, [&] { written = MeterWrite(page.library(), frames).run(); });
    print("write to meter", writeRun, prescribedWaits(backend, true));
    // Every library, name and value as the meter held them at the start.
    const QVector<SimLibrary> back = backend.meter().libraries();
    bool same = back.size() == libraries.size() && backend.meter().lastTransferErrors().isEmpty();
    int meterColours = 0;
    for (int i = 0; same && i < back.size(); ++i) {
        same = back[i].name == libraries[i].name &&
               back[i].description == libraries[i].description &&
               back[i].colours.size() == libraries[i].colours.size();
        for (int k = 0; same && k < back[i].colours.size(); ++k) {
            const SimColour& x = back[i].colours[k];
            const SimColour& y = libraries[i].colours[k];
            same = x.name == y.name && x.L == y.L && x.a == y.a && x.b == y.b;
        }
        meterColours += back[i].colours.size();
    }
    std::printf("  meter holds: %d libraries, %d colours, transfer errors: %d\n", back.size(),
                meterColours, backend.meter().lastTransferErrors().size());

    const bool ok = exported && written && same && stored == kColours && meterColours == kColours;
    std::printf("%s\n", ok ? "round trip complete" : "ROUND TRIP FAILED");
    return ok ? 0 : 1;
}
