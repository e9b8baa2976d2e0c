// SPDX-License-Identifier: MIT
// Exports 46 libraries with 20000 colours from the simulated meter into an
// empty store, then writes them back into the emptied meter, once with the
// adaptive flush and once with the full flush before every request. The bus
// carries one 64-byte report per millisecond in each direction and the meter
// takes its realistic processing time for every request.
//
// The simulated meter keeps a virtual clock: every wait of the protocol (the
// flush reads, the report times, the meter's processing, the replies, the
// final drain) moves that clock and costs no wall time. What the wall clock
// measures is therefore the program's own work (decoding, database, page and
// progress dialogs, and the simulator), which must stay under 5 % of the
// protocol's waits.
//
// Last, the demo's sample libraries with the demo's timing (no report or
// processing times) show what the flush alone costs there.

#include <time.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <cstdio>

#include "link/CLinkerUSB.h"
#include "protocol/FrameLayer.h"
#include "sim/SimHidBackend.h"
#include "workflow/MeterExport.h"
#include "workflow/MeterWrite.h"
#include "workspace/FirstPage.h"
#include "workspace/WidgetPrompt.h"

using namespace colorcard;

namespace {

constexpr int kLibraries = 46;
constexpr int kColours = 20000;
constexpr int kReportPayload = 62;

// Real dialogs for progress, so their cost is measured; messages are printed
// and questions answered Yes instead of waiting for a user.
class BenchPrompt : public WidgetPrompt {
public:
    explicit BenchPrompt(bool quiet) : quiet_(quiet) {}
    void information(QWidget*, const QString&, const QString& text) override {
        if (!quiet_)
            std::printf("    message: %s\n", qPrintable(text));
        messages << text;
    }
    bool question(QWidget*, const QString&, const QString&) override { return true; }
    SeriesAnswer seriesQuestion(QWidget*, const QString&, const QString&) override {
        return SeriesAnswer::Yes;
    }
    QStringList messages;

private:
    bool quiet_;
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

// Report times on the bus for what the meter received: every request and
// every reply report at one millisecond each.
qint64 busMs(SimHidBackend& backend) {
    qint64 ms = 0;
    for (const QByteArray& frame : backend.meter().receivedFrames()) {
        ms += reports(frame.size());
        const quint8 function = quint8(frame.at(1));
        const int length = quint8(frame.at(6)) | (quint8(frame.at(7)) << 8);
        if (function == 0x40)
            ms += reports(10 + length);
        else if (function == 0x70 || (function == 0x74 && length == 0))
            ms += reports(10);
    }
    return ms;
}

struct Measurement {
    qint64 virtualMs = 0;
    double wallMs = 0;
    double cpuMs = 0;
    qint64 busMs = 0;
    FrameLayer::Statistics frames;
};

template <typename Run>
Measurement measure(SimHidBackend& backend, FrameLayer& frames, Run run) {
    backend.meter().clearReceivedFrames();
    const FrameLayer::Statistics before = frames.statistics();
    const qint64 virtualStart = backend.elapsedMs();
    const double cpuStart = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    run();
    Measurement m;
    m.wallMs = double(wall.nsecsElapsed()) / 1e6;
    m.cpuMs = (cpuSeconds() - cpuStart) * 1000.0;
    m.virtualMs = backend.elapsedMs() - virtualStart;
    m.busMs = busMs(backend);
    m.frames.requests = frames.statistics().requests - before.requests;
    m.frames.fullFlushes = frames.statistics().fullFlushes - before.fullFlushes;
    m.frames.staleReplies = frames.statistics().staleReplies - before.staleReplies;
    return m;
}

void print(const char* what, const Measurement& m) {
    std::printf("  %s\n", what);
    std::printf("    requests: %d, full flush reads: %d, stale replies dropped: %d\n",
                m.frames.requests, m.frames.fullFlushes, m.frames.staleReplies);
    std::printf("    protocol waits (virtual clock): %.1f s", double(m.virtualMs) / 1000.0);
    std::printf(" (bus reports %.1f s, flush reads, meter processing and drain %.1f s)\n",
                double(m.busMs) / 1000.0, double(m.virtualMs - m.busMs) / 1000.0);
    std::printf(
        "    program overhead: %.0f ms wall, %.0f ms CPU (%.2f %% / %.2f %% of the waits)\n",
        m.wallMs, m.cpuMs, 100.0 * m.wallMs / double(m.virtualMs),
        100.0 * m.cpuMs / double(m.virtualMs));
    std::printf("    elapsed (protocol waits + overhead): %.1f s\n",
                (double(m.virtualMs) + m.wallMs) / 1000.0);
}

bool sameLibraries(const QVector<SimLibrary>& back, const QVector<SimLibrary>& libraries) {
    bool same = back.size() == libraries.size();
    for (int i = 0; same && i < back.size(); ++i) {
        same = back[i].name == libraries[i].name &&
               back[i].description == libraries[i].description &&
               back[i].colours.size() == libraries[i].colours.size();
        for (int k = 0; same && k < back[i].colours.size(); ++k) {
            const SimColour& x = back[i].colours[k];
            const SimColour& y = libraries[i].colours[k];
            same = x.name == y.name && x.L == y.L && x.a == y.a && x.b == y.b;
        }
    }
    return same;
}

int colourCount(const QVector<SimLibrary>& libraries) {
    int count = 0;
    for (const SimLibrary& library : libraries)
        count += library.colours.size();
    return count;
}

// Export into an empty store, then write back into the emptied meter; true
// when the meter ends up holding what it held at the start.
bool roundTrip(const QVector<SimLibrary>& libraries, FrameLayer::Pacing pacing, bool realistic,
               bool quiet) {
    SimHidBackend backend;
    backend.setRealisticTiming(realistic);
    if (realistic)
        backend.meter().setTiming(SimTiming::realistic());
    backend.meter().loadLibraries(libraries);
    CLinkerUSB link(backend);
    if (link.open(SimHidBackend::kVendorId, SimHidBackend::kProductId) != 0) {
        std::printf("cannot open the simulated meter\n");
        return false;
    }
    FrameLayer frames([&link] { return static_cast<CLinker*>(&link); });
    frames.setConfiguredPacing(pacing);

    QTemporaryDir dir;
    BenchPrompt prompt(quiet);
    Session::Setup setup;
    setup.prompt = &prompt;
    setup.frames = &frames;
    setup.dataDirectory = dir.path();
    setup.settingsFile = dir.filePath(QStringLiteral("meterno"));
    Session session(setup);
    FirstPage page(session);
    page.setLanguage(Language::english());
    page.library().setMaxLibraries(kLibraries);

    bool exported = false;
    const Measurement exportRun =
        measure(backend, frames, [&] { exported = MeterExport(session.merge(), frames).run(); });
    print("export meter data", exportRun);
    int stored = 0;
    for (const Library& record : page.store().selectLibraries())
        stored += record.count.toInt();

    backend.meter().loadLibraries({});
    bool written = false;
    const Measurement writeRun =
        measure(backend, frames, [&] { written = MeterWrite(page.library(), frames).run(); });
    print("write to meter", writeRun);
    const QVector<SimLibrary> back = backend.meter().libraries();
    const bool same =
        sameLibraries(back, libraries) && backend.meter().lastTransferErrors().isEmpty();
    std::printf(
        "    stored %d colours; the meter holds %d libraries, %d colours, transfer errors: %d\n",
        stored, int(back.size()), colourCount(back),
        int(backend.meter().lastTransferErrors().size()));
    return exported && written && same && stored == colourCount(libraries);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("colorcard.link.debug=false"));

    const QVector<SimLibrary> libraries = fullMeter();
    std::printf("%d libraries, %d colours, %d stream bytes\n", kLibraries, kColours, kColours * 26);
    std::printf("adaptive flush (the default)\n");
    bool ok = roundTrip(libraries, FrameLayer::Pacing::Adaptive, true, false);
    std::printf("full flush before every request (the per-model fallback)\n");
    ok = roundTrip(libraries, FrameLayer::Pacing::FlushEveryExchange, true, false) && ok;

    std::printf("demo: sample libraries, no report or processing times\n");
    for (const auto pacing :
         {FrameLayer::Pacing::Adaptive, FrameLayer::Pacing::FlushEveryExchange}) {
        std::printf(" %s\n", pacing == FrameLayer::Pacing::Adaptive
                                 ? "adaptive flush"
                                 : "full flush before every request");
        ok = roundTrip(SimMeter::sampleLibraries(), pacing, false, true) && ok;
    }

    std::printf("%s\n", ok ? "round trips complete" : "ROUND TRIP FAILED");
    return ok ? 0 : 1;
}
