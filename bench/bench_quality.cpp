// SPDX-License-Identifier: MIT
// Quality figures: redrawing the run charts of a 2,000-sample lot (the
// charts painted afresh, and the trend view and the a*b* plot view exposed
// again, within a frame of 16 ms), writing the PDF report of a 500-sample lot, and the
// trend of a lot of 20,000 comparisons read from the store and computed.
// Prints median and worst; run with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

#include "colour/Tolerance.h"
#include "report/AbPlot.h"
#include "report/LotReport.h"
#include "report/QualityTrend.h"
#include "report/RunChart.h"
#include "store/ColorCardStore.h"
#include "store/QualityStore.h"
#include "workspace/AbPlotView.h"
#include "workspace/LotView.h"

using namespace colorcard;

namespace {

const ToleranceModel kModel{Tolerance{DifferenceMethod::ciede2000(), 1.0}, {}, {}, {}, {}};

QVector<QualityStore::HistoryEntry> lot(int count, QRandomGenerator& random) {
    QVector<QualityStore::HistoryEntry> entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i) {
        QualityStore::HistoryEntry e;
        e.id = i + 1;
        e.time = QDateTime(QDate(2026, 5, 1), QTime(8, 0), Qt::UTC).addSecs(i * 30);
        e.libraryId = QStringLiteral("ColorCard1");
        e.libraryName = QStringLiteral("Library");
        e.colourId = QStringLiteral("ColorData%1").arg(i % 5);
        e.colourName = QStringLiteral("Colour %1").arg(i % 5);
        e.standard = Lab{50, 20, -10};
        e.sample = Lab{50 + random.bounded(1.6) - 0.8, 20 + random.bounded(1.2) - 0.6,
                       -10 + random.bounded(1.2) - 0.6};
        const Comparison c = compare(e.standard, e.sample, kModel);
        e.tolerance = kModel.tolerance;
        e.deltaE = c.deltaE;
        e.pass = c.pass;
        e.verdict = c.verdict;
        e.warningLevel = c.warningLevel;
        entries << e;
    }
    return entries;
}

void report(QTextStream& out, const char* what, QVector<double> times) {
    std::sort(times.begin(), times.end());
    out << what << ": median " << QString::number(times[times.size() / 2], 'f', 2) << " ms, worst "
        << QString::number(times.last(), 'f', 2) << " ms (" << times.size() << " runs)\n";
}

template <typename Work>
QVector<double> timed(int runs, Work work) {
    QVector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times << timer.nsecsElapsed() / 1e6;
    }
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QRandomGenerator random(7);

    // The trend view at a common window size.
    const QVector<QualityStore::HistoryEntry> big = lot(2000, random);
    const QVector<AxisTrend> axes = lotTrend(big, kModel);
    QImage image(900, 600, QImage::Format_ARGB32_Premultiplied);
    report(out, "redraw run charts, 2000 samples", timed(50, [&] {
               image.fill(Qt::white);
               QPainter painter(&image);
               paintTrendCharts(painter, QRectF(4, 4, 892, 592), axes, Language::english());
           }));
    report(out, "trend figures, 2000 samples", timed(50, [&] { lotTrend(big, kModel); }));

    // The page's views exposed again (another tab, a window moved over them):
    // the first paint draws, the others copy what it drew.
    TrendView trendView;
    trendView.resize(900, 600);
    trendView.setTrend(axes, Language::english());
    report(out, "trend view exposed, 2000 samples", timed(50, [&] { trendView.render(&image); }));
    AbPlotView plotView;
    plotView.resize(330, 260);
    AbPlotData plot;
    plot.standard = big.constLast().standard;
    plot.sample = big.constLast().sample;
    plot.tolerance = kModel.tolerance;
    plotView.setPlot(plot, Language::english());
    report(out, "a*b* plot view exposed", timed(50, [&] { plotView.render(&image); }));
    report(out, "a*b* plot painted afresh", timed(50, [&] {
               image.fill(Qt::white);
               QPainter painter(&image);
               paintAbPlot(painter, QRectF(4, 4, 322, 252), plot, Language::english());
           }));

    QTemporaryDir dir;
    LotReportData data;
    data.lot = Lot{1,
                   QStringLiteral("Bench lot"),
                   {},
                   QStringLiteral("Bench"),
                   QDateTime::currentDateTimeUtc()};
    data.oldestFirst = lot(500, random);
    data.model = kModel;
    data.steps = ShadeSteps::uniform(1.0);
    report(out, "lot report PDF, 500 samples", timed(5, [&] {
               writeLotReport(dir.filePath(QStringLiteral("lot.pdf")), data, Language::english());
           }));

    // 20,000 comparisons of one lot in a store, as the command line reads them.
    ColorCardStore store(dir.path());
    store.openDatabase();
    QualityStore quality(store.connectionName());
    Lot stored{0, QStringLiteral("Bench"), {}, {}, {}};
    quality.addLot(stored);
    QSqlDatabase db = QSqlDatabase::database(store.connectionName());
    db.transaction();
    for (QualityStore::HistoryEntry e : lot(20000, random)) {
        e.lotId = stored.id;
        quality.addHistory(e);
    }
    db.commit();
    report(out, "trend of a lot of 20000 comparisons (read and compute)", timed(5, [&] {
               HistoryFilter filter;
               filter.lotId = stored.id;
               auto entries = quality.history(filter);
               std::reverse(entries->begin(), entries->end());
               lotTrend(*entries, kModel);
           }));
    return 0;
}
