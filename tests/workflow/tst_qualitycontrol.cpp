// SPDX-License-Identifier: MIT
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QtTest>
#include <cmath>

#include "link/UsbLinkOpener.h"
#include "protocol/FrameLayer.h"
#include "sim/SimHidBackend.h"
#include "tests/support/LibraryFixture.h"
#include "texts/QcTexts.h"
#include "workflow/ColorValueTexts.h"
#include "workflow/MeasurementAverage.h"
#include "workflow/QualityController.h"
#include "workflow/QualityHistoryModel.h"

using namespace colorcard;

Q_DECLARE_METATYPE(Lab)
Q_DECLARE_METATYPE(Tolerance)

namespace {

// A colour as the meter reports it for an sRGB colour: name and nineteen texts.
QStringList measuredColour(const QString& name, int r, int g, int b) {
    const SimMeasurement m = SimMeter::measurementFromRgb(r, g, b);
    return QStringList{name} + ColorValueTexts::fromMeasurement(QVector<int>(m.begin(), m.end()));
}

Lab labOfRgb(int r, int g, int b) {
    const SimMeasurement m = SimMeter::measurementFromRgb(r, g, b);
    return {m[0] / 100.0, m[1] / 100.0, m[2] / 100.0};
}

MeasuredColour reading(std::initializer_list<int> values) {
    MeasuredColour m;
    m.values = QVector<int>(values);
    m.texts = ColorValueTexts::fromMeasurement(m.values);
    return m;
}

// Nineteen values: L*a*b* and the hue angle as given, the rest v.
MeasuredColour reading(int L, int a, int b, int hue, int v) {
    return reading({L, a, b, v, v, v, v, v, hue, v, v, v, v, v, v, v, v, v, v});
}

// The quality controller on a store of its own, with the simulated meter
// attached through a USB link, in English.
struct QualityFixture : LibraryFixture {
    SimHidBackend backend;
    LinkOpener opener = makeUsbLinkOpener(backend);
    std::unique_ptr<CLinker> link;
    FrameLayer frames{[this] { return link.get(); }};
    MeterController meter{*libraryEdits, *libraryMerge, &frames,
                          QStringLiteral("/nonexistent/meterno"), QString()};
    QualityController quality{*library, meter, *local};
    QString primary, paints;

    QualityFixture() {
        bool denied = false;
        link.reset(opener(SimHidBackend::kVendorId, SimHidBackend::kProductId, &denied));
        quality.setClock([] { return QDateTime(QDate(2026, 3, 1), QTime(9, 30), Qt::UTC); });
        primary =
            addLibrary("Primary", "basic",
                       {measuredColour("Red", 220, 30, 40), measuredColour("Green", 40, 160, 70),
                        measuredColour("Blue", 30, 70, 190)});
        // Read from a file: L*a*b* only, no RGB.
        paints = addLibrary("Paints", "wall",
                            {{"Brick", "45.00", "50.00", "35.00"},
                             {"Sand", "80.00", "5.00", "25.00"},
                             {"Slate", "40.00", "-2.00", "-10.00"}});
    }
    void under(int r, int g, int b) {
        backend.meter().setMeasurement(SimMeter::measurementFromRgb(r, g, b));
    }
    QString colourId(const QString& libraryId, const QString& name) const {
        for (const LibraryEntry& e : service().libraries())
            if (e.id == libraryId)
                for (const ColourEntry& c : e.colours)
                    if (c.name == name)
                        return c.id;
        return {};
    }
    bool choose(const QString& libraryId, const QString& name) {
        return quality.chooseStandard(libraryId, colourId(libraryId, name));
    }
};

}  // namespace

class QualityControlTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<MeasuredColour>(); }

    void averagesReadings_data() {
        QTest::addColumn<QVector<MeasuredColour>>("readings");
        QTest::addColumn<QVector<int>>("expected");  // L, a, b, hue, one other value
        QTest::addColumn<Lab>("deviation");
        QTest::addColumn<int>("count");
        QTest::newRow("one reading as it is")
            << QVector<MeasuredColour>{reading(5012, -301, 77, 1234, 9)}
            << QVector<int>{5012, -301, 77, 1234, 9} << Lab{} << 1;
        QTest::newRow("mean rounded to the unit")
            << QVector<MeasuredColour>{reading(5000, 100, -200, 100, 1),
                                       reading(5001, 102, -201, 110, 2),
                                       reading(5003, 104, -205, 120, 2)}
            << QVector<int>{5001, 102, -202, 110, 2}
            // Sample deviations in hundredths: (16 + 1 + 25)/9 / 2, 8 / 2, 14 / 2.
            << Lab{std::sqrt(42.0 / 9 / 2) / 100, 0.02, std::sqrt(7.0) / 100} << 3;
        // 359.9° and 0.3° meet at 0.1°, not at 180°.
        QTest::newRow("hue across north")
            << QVector<MeasuredColour>{reading(5000, 0, 0, 3599, 0), reading(5000, 0, 0, 3, 0)}
            << QVector<int>{5000, 0, 0, 1, 0} << Lab{} << 2;
        QTest::newRow("hue centred on north")
            << QVector<MeasuredColour>{reading(5000, 0, 0, 3598, 0), reading(5000, 0, 0, 2, 0)}
            << QVector<int>{5000, 0, 0, 0, 0} << Lab{} << 2;
    }
    void averagesReadings() {
        QFETCH(QVector<MeasuredColour>, readings);
        QFETCH(QVector<int>, expected);
        QFETCH(Lab, deviation);
        QFETCH(int, count);
        const MeasuredColour mean = averageMeasurements(readings);
        QCOMPARE(mean.values.size(), 19);
        QCOMPARE((QVector<int>{mean.values[0], mean.values[1], mean.values[2], mean.values[8],
                               mean.values[18]}),
                 expected);
        QCOMPARE(mean.texts, ColorValueTexts::fromMeasurement(mean.values));
        QCOMPARE(mean.readings, count);
        QVERIFY(std::abs(mean.deviation.L - deviation.L) < 1e-9);
        QVERIFY(std::abs(mean.deviation.a - deviation.a) < 1e-9);
        QVERIFY(std::abs(mean.deviation.b - deviation.b) < 1e-9);
    }
    void averagingRefusesIncompleteReadings() {
        QVERIFY(averageMeasurements({}).values.isEmpty());
        MeasuredColour shortReading = reading(1, 2, 3, 4, 5);
        shortReading.values.removeLast();
        QVERIFY(averageMeasurements({reading(1, 2, 3, 4, 5), shortReading}).values.isEmpty());
    }

    // Each further reading is asked for; the meter changes between them.
    void readsSeveralReadingsAndAsksBetweenThem() {
        QualityFixture f;
        const int colours[][3] = {{200, 60, 40}, {205, 58, 42}, {198, 63, 37}};
        QObject::connect(&f.meter, &MeterController::readingTaken, &f.meter,
                         [&f, &colours](int reading, int count, const MeasuredColour&) {
                             if (reading < count)
                                 f.under(colours[reading][0], colours[reading][1],
                                         colours[reading][2]);
                         });
        f.meter.setSampleReadingCount(12);
        QCOMPARE(f.meter.sampleReadingCount(), kMaxReadings);
        f.meter.setSampleReadingCount(3);
        // The library page's count is its own.
        QCOMPARE(f.meter.readingCount(), 1);
        f.under(200, 60, 40);
        f.answer({true, true});
        MeasuredColour sample;
        QVERIFY(f.meter.readSample(sample));
        QCOMPARE(f.prompt.questions(),
                 (QStringList{QcText::NextReading.in(Language::english()).arg(2).arg(3),
                              QcText::NextReading.in(Language::english()).arg(3).arg(3)}));
        QVector<Lab> labs;
        for (const auto& c : colours)
            labs << labOfRgb(c[0], c[1], c[2]);
        const AveragedReading expected = averageReadings(labs);
        QCOMPARE(sample.readings, 3);
        QVERIFY(std::abs(sample.lab().L - expected.mean.L) <= 0.005 + 1e-9);
        QVERIFY(std::abs(sample.lab().a - expected.mean.a) <= 0.005 + 1e-9);
        QVERIFY(std::abs(sample.lab().b - expected.mean.b) <= 0.005 + 1e-9);
        QVERIFY(std::abs(sample.deviation.a - expected.deviation.a) < 1e-9);
        QVERIFY(sample.deviation.L > 0);

        // No at the second reading stops without a result.
        f.prompt.clear();
        f.answer({false});
        MeasuredColour stopped;
        QVERIFY(!f.meter.readSample(stopped));
        QVERIFY(stopped.values.isEmpty());
        QCOMPARE(f.prompt.questions().size(), 1);
        QCOMPARE(f.prompt.messages(), QStringList());

        // Without a link nothing is read.
        f.link.reset();
        QVERIFY(!f.meter.readSample(stopped));
        QCOMPARE(f.prompt.messages(), QStringList{"Please open connect first！"});
    }

    // Measuring into a library stores the mean of the readings.
    void measuresTheMeanIntoALibrary() {
        QualityFixture f;
        f.service().selectLibrary(0);
        f.service().setLocked(true);
        f.meter.setReadingCount(2);
        f.under(100, 100, 100);
        QObject::connect(&f.meter, &MeterController::readingTaken, &f.meter, [&f](int reading) {
            if (reading == 1)
                f.under(110, 100, 90);
        });
        QSignalSpy measured(&f.meter, &MeterController::measured);
        f.answer({true});
        QVERIFY(f.meter.measure("mixed"));
        QCOMPARE(measured.size(), 1);
        const auto mean = measured.at(0).at(0).value<MeasuredColour>();
        const SimMeasurement one = SimMeter::measurementFromRgb(100, 100, 100);
        const SimMeasurement two = SimMeter::measurementFromRgb(110, 100, 90);
        QCOMPARE(mean.values[0], int(std::lround((one[0] + two[0]) / 2.0)));
        const QVector<Colour> stored = f.store().selectColours(f.primary);
        QCOMPARE(stored.last().name, QString("mixed"));
        QCOMPARE(stored.last().labL, mean.texts.value(0));
        QCOMPARE(stored.last().rgbB, mean.texts.value(18));
    }

    // Compared by the library's tolerance, kept in the history, nearest
    // standards found; the library itself is never touched.
    void comparesASampleWithItsStandard_data() {
        QTest::addColumn<Tolerance>("tolerance");
        QTest::addColumn<QVector<int>>("sample");
        QTest::addColumn<bool>("pass");
        QTest::newRow("default: ΔE00 ≤ 1, close sample")
            << Tolerance{} << QVector<int>{221, 31, 40} << true;
        QTest::newRow("default: ΔE00 ≤ 1, far sample")
            << Tolerance{} << QVector<int>{200, 60, 40} << false;
        QTest::newRow("CMC 2:1 ≤ 8 passes the far sample")
            << Tolerance{DifferenceMethod::cmc(2, 1), 8.0} << QVector<int>{200, 60, 40} << true;
        QTest::newRow("ΔE76 ≤ 0.3 fails the close sample")
            << Tolerance{DifferenceMethod::cie76(), 0.3} << QVector<int>{221, 31, 40} << false;
    }
    void comparesASampleWithItsStandard() {
        QFETCH(Tolerance, tolerance);
        QFETCH(QVector<int>, sample);
        QFETCH(bool, pass);
        QualityFixture f;
        if (tolerance != Tolerance{})
            QVERIFY(f.quality.saveTolerance(f.primary, tolerance));
        QVERIFY(f.choose(f.primary, "Red"));
        const QualityStandard standard = *f.quality.standard();
        QCOMPARE(standard.colourName, QString("Red"));
        QCOMPARE((QVector<int>{standard.red, standard.green, standard.blue}),
                 (QVector<int>{220, 30, 40}));
        const QVector<Colour> before = f.store().selectColours(f.primary);

        f.under(sample[0], sample[1], sample[2]);
        QSignalSpy history(&f.quality, &QualityController::historyChanged);
        QVERIFY(f.quality.measureSample());
        const SampleResult& result = *f.quality.lastResult();
        const Lab expectedSample = labOfRgb(sample[0], sample[1], sample[2]);
        QCOMPARE(result.comparison.deltaE, deltaE(standard.lab, expectedSample, tolerance.method));
        QCOMPARE(result.comparison.pass, pass);
        QVERIFY(result.recorded);
        QCOMPARE(history.size(), 1);

        const auto entries = f.quality.quality().history();
        QCOMPARE(entries->size(), 1);
        const QualityStore::HistoryEntry& e = entries->first();
        QCOMPARE(e.meterNumber, QString("2301"));
        QCOMPARE(e.colourName, QString("Red"));
        QCOMPARE(e.libraryName, QString("Primary"));
        QCOMPARE(e.tolerance, tolerance);
        QCOMPARE(e.pass, pass);
        QCOMPARE(e.deltaE, result.comparison.deltaE);
        QCOMPARE(e.sample.L, expectedSample.L);
        QCOMPARE(e.time, QDateTime(QDate(2026, 3, 1), QTime(9, 30), Qt::UTC));
        QCOMPARE(f.store().selectColours(f.primary), before);
        QCOMPARE(f.service().library(0).count, QString("3"));
        QCOMPARE(f.prompt.messages(), QStringList());
    }

    void findsTheNearestStandardsOfEveryLibrary() {
        QualityFixture f;
        f.under(200, 60, 40);
        QSignalSpy nearest(&f.quality, &QualityController::nearestFound);
        // Without a standard the sample is measured for its nearest standards only.
        QVERIFY(f.quality.measureSample());
        QVERIFY(!f.quality.lastResult()->standard);
        QVERIFY(!f.quality.lastResult()->recorded);
        QCOMPARE(f.quality.passRate().total, 0);

        const Lab sample = labOfRgb(200, 60, 40);
        QVector<QPair<double, QString>> all;
        for (const LibraryEntry& e : f.service().libraries())
            for (const ColourEntry& c : e.colours)
                all << qMakePair(
                    deltaE00(Lab{c.L.toDouble(), c.a.toDouble(), c.b.toDouble()}, sample), c.name);
        std::sort(all.begin(), all.end());
        const QVector<NearestResult> found = f.quality.lastNearest();
        QCOMPARE(found.size(), QualityController::kNearestCount);
        for (int i = 0; i < found.size(); ++i) {
            QCOMPARE(found[i].colourName, all[i].second);
            QVERIFY(std::abs(found[i].deltaE - all[i].first) < 1e-9);
        }
        QCOMPARE(nearest.size(), 1);

        // Another formula finds them again for the same sample.
        f.quality.setNearestMethod(DifferenceMethod::cie76());
        QCOMPARE(nearest.size(), 2);
        QCOMPARE(f.quality.lastNearest().first().deltaE,
                 deltaE76(f.quality.lastNearest().first().lab, sample));
        // A colour added to a library is a standard at once.
        f.service().selectLibrary(1);
        QVERIFY(f.edits().addColour("Rust", measuredColour("", 200, 60, 40).mid(1)));
        QCOMPARE(f.quality.nearest(sample, 1).first().colourName, QString("Rust"));
    }

    void standardsFollowTheirLibraries() {
        QualityFixture f;
        QVERIFY(!f.quality.chooseStandard(f.primary, "no such colour"));
        QVERIFY(!f.quality.standard());
        // A library without RGB gets its swatch from L*a*b*.
        QVERIFY(f.choose(f.paints, "Sand"));
        const QualityStandard sand = *f.quality.standard();
        QVERIFY(sand.red > sand.blue && sand.red > 150);
        // Renamed: still the standard, under its new name.
        f.service().selectLibrary(1);
        QSignalSpy changed(&f.quality, &QualityController::standardChanged);
        QVERIFY(f.edits().renameColour(1, "Dune"));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(f.quality.standard()->colourName, QString("Dune"));
        // Its library deleted: no standard any more, and its tolerance is gone too.
        QVERIFY(f.quality.saveTolerance(f.paints, {DifferenceMethod::cmc(1, 1), 2.0}));
        QVERIFY(f.edits().deleteLibrary(1));
        QVERIFY(!f.quality.standard());
        QCOMPARE(*f.quality.quality().tolerance(f.paints), Tolerance{});
        QCOMPARE(f.prompt.messages(), QStringList());
    }

    // Comparisons go to the lot chosen, else to the day's; a standard's own
    // tolerance judges it until removed, its library's judges the others.
    void lotsAndOwnTolerances() {
        QualityFixture f;
        f.under(200, 60, 40);
        QVERIFY(f.choose(f.primary, "Red"));
        QVERIFY(f.quality.measureSample());
        QCOMPARE(f.quality.currentLot()->name, QStringLiteral("2026-03-01"));

        QVERIFY(!f.quality.startLot("2026-03-01", {}, {}));
        QVERIFY(!f.quality.startLot("  ", {}, {}));
        QCOMPARE(f.prompt.messages(), (QStringList{"A lot named 2026-03-01 already exists.",
                                                   "Please enter a name for the lot."}));
        QVERIFY(f.quality.startLot(" Run 1 ", " dyed twice ", "Li"));
        QCOMPARE(f.quality.currentLot()->name, QStringLiteral("Run 1"));
        QCOMPARE(f.quality.currentLot()->note, QStringLiteral("dyed twice"));

        const QString red = f.colourId(f.primary, "Red");
        const ToleranceModel own{Tolerance{DifferenceMethod::cie76(), 50}, 1.0, {}, {}, {}};
        QVERIFY(f.quality.saveToleranceModel(f.primary, red, own));
        QVERIFY(f.quality.measureSample());
        QCOMPARE(f.quality.lastResult()->comparison.verdict, Verdict::Warn);
        QVERIFY(f.choose(f.primary, "Green"));
        QVERIFY(f.quality.measureSample());
        QCOMPARE(f.quality.lastResult()->comparison.verdict, Verdict::Fail);
        QCOMPARE(f.quality.lastResult()->comparison.tolerance, Tolerance{});
        QVERIFY(f.quality.removeToleranceOverride(f.primary, red));
        QVERIFY(f.choose(f.primary, "Red"));
        QVERIFY(f.quality.measureSample());
        QCOMPARE(f.quality.lastResult()->comparison.verdict, Verdict::Fail);

        HistoryFilter run1;
        run1.lotId = f.quality.currentLot()->id;
        const auto entries = f.quality.history(run1);
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries[2].judged(), Verdict::Warn);
        QCOMPARE(entries[2].warningLevel, std::optional<double>(1.0));
        QCOMPARE(f.quality.lots().size(), 2);
        QCOMPARE(f.prompt.messages().size(), 2);
    }

    // The history model lists what the filter chooses, newest first and no
    // more than its limit, keeps the verdict recorded and judges again only
    // on request; every comparison (oldest first) is there for the lot view.
    void historyModelListsAndJudgesAgain() {
        QualityFixture f;
        QualityHistoryModel model(f.quality);
        model.setTitles({"Time", "Result", "ΔE", "Judged by", "Now", "Standard", "Index"});
        QVERIFY(f.quality.startLot("Run 1", {}, {}));
        const struct {
            const char* colour;
            int r, g, b;
        } samples[] = {{"Red", 200, 60, 40}, {"Red", 221, 31, 40}, {"Green", 40, 160, 70}};
        for (const auto& sample : samples) {
            f.under(sample.r, sample.g, sample.b);
            QVERIFY(f.choose(f.primary, sample.colour));
            QVERIFY(f.quality.measureSample());
        }
        HistoryFilter latest;
        latest.limit = 2;
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.setFilter(latest);
        QCOMPARE(reset.count(), 1);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.columnCount(), int(QualityHistoryModel::ColumnCount));
        const auto cell = [&model](int row, int column, int role = Qt::DisplayRole) {
            return model.index(row, column).data(role);
        };
        QCOMPARE(cell(0, QualityHistoryModel::Standard).toString(), QString("Primary / Green"));
        QCOMPARE(cell(1, QualityHistoryModel::Result).toString(), QString("PASS"));
        QCOMPARE(cell(0, QualityHistoryModel::JudgedBy).toString(), QString("ΔE00 ≤ 1.00"));
        QCOMPARE(cell(0, QualityHistoryModel::Time, Qt::ToolTipRole).toString(),
                 QString("Lot: Run 1"));
        QCOMPARE(cell(1, QualityHistoryModel::Result, Qt::ForegroundRole).value<QColor>(),
                 QColor(22, 140, 60));
        QVERIFY(!cell(0, QualityHistoryModel::Rejudged).isValid());
        QCOMPARE(model.headerData(QualityHistoryModel::Rejudged, Qt::Horizontal).toString(),
                 QString("Now"));
        QCOMPARE(model.allOldestFirst().size(), 3);
        QCOMPARE(model.allOldestFirst().constLast().id, model.entries().first().id);
        QVERIFY(model.allOldestFirst().first().colourName == "Red" &&
                model.allOldestFirst().first().judged() == Verdict::Fail);

        // Of one standard; judged again by a limit put in force, the verdict
        // recorded stays.
        HistoryFilter red;
        red.libraryId = f.primary;
        red.colourId = f.colourId(f.primary, "Red");
        model.setFilter(red);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(cell(1, QualityHistoryModel::Result).toString(), QString("FAIL"));
        ToleranceModel wide;
        wide.tolerance = Tolerance{DifferenceMethod::ciede2000(), 50};
        f.quality.setToleranceModelInForce(f.primary, QString(), wide);
        model.setRejudge(true);
        QVERIFY2(cell(1, QualityHistoryModel::Rejudged).toString().startsWith("PASS (ΔE00 "),
                 qPrintable(cell(1, QualityHistoryModel::Rejudged).toString()));
        QVERIFY(cell(1, QualityHistoryModel::Rejudged).toString().endsWith("≤ 50.00)"));
        QCOMPARE(cell(1, QualityHistoryModel::Result).toString(), QString("FAIL"));
        QCOMPARE(model.allOldestFirst().size(), 2);
        QVERIFY(!model.anyIndex());
    }

    // A lot judged against two standards: the trend and its limits are one
    // standard's, the last one used unless another is asked for.
    void lotTrendPerStandard() {
        QualityFixture f;
        QVERIFY(f.quality.startLot("Run 2", {}, {}));
        const QString green = f.colourId(f.primary, "Green");
        const ToleranceModel own{Tolerance{DifferenceMethod::cie76(), 7}, 5.0, {}, {}, {}};
        QVERIFY(f.quality.saveToleranceModel(f.primary, green, own));
        const struct {
            const char* colour;
            int r, g, b;
        } samples[] = {{"Red", 200, 60, 40},
                       {"Green", 40, 160, 70},
                       {"Red", 221, 31, 40},
                       {"Red", 210, 40, 40}};
        for (const auto& sample : samples) {
            f.under(sample.r, sample.g, sample.b);
            QVERIFY(f.choose(f.primary, sample.colour));
            QVERIFY(f.quality.measureSample());
        }
        const qint64 lot = f.quality.currentLot()->id;
        const std::optional<LotReportData> last = f.quality.lotReport(lot);
        QVERIFY(last);
        QCOMPARE(last->standardCount, 2);
        QCOMPARE(last->trendStandard.colourName, QString("Red"));
        QCOMPARE(last->trendStandard.count, 3);
        QCOMPARE(last->model.tolerance, Tolerance{});
        QCOMPARE(entriesOf(last->oldestFirst, last->trendStandard).size(), 3);

        const QVector<TrendStandard> standards = trendStandards(last->oldestFirst);
        QCOMPARE(standards.size(), 2);
        QCOMPARE(standards[1].colourName, QString("Green"));
        const std::optional<LotReportData> ofGreen = f.quality.lotReport(lot, standards[1]);
        QVERIFY(ofGreen);
        QCOMPARE(ofGreen->trendStandard.colourId, green);
        QCOMPARE(ofGreen->model.tolerance, own.tolerance);
        const QVector<AxisTrend> axes =
            lotTrend(entriesOf(ofGreen->oldestFirst, ofGreen->trendStandard), ofGreen->model);
        for (const AxisTrend& axis : axes)
            QCOMPARE(axis.values.size(), 1);
        // A standard the lot never used gives the last one's trend.
        TrendStandard other = standards[1];
        other.colourId = f.colourId(f.primary, "Blue");
        QCOMPARE(f.quality.lotReport(lot, other)->trendStandard.colourName, QString("Red"));
        // Nothing chosen: every entry.
        QCOMPARE(entriesOf(last->oldestFirst, TrendStandard{}).size(), 4);
        QCOMPARE(f.prompt.messages(), QStringList());
    }

    void refusesInvalidTolerances() {
        QualityFixture f;
        QVERIFY(!f.quality.saveTolerance(f.primary, {DifferenceMethod::cmc(0, 1), 1.0}));
        QVERIFY(!f.quality.saveTolerance(f.primary, {DifferenceMethod::ciede2000(), -1.0}));
        QCOMPARE(f.prompt.messages(),
                 (QStringList{QcText::ToleranceInvalid.in(Language::english()),
                              QcText::ToleranceInvalid.in(Language::english())}));
        QCOMPARE(*f.quality.tolerance(f.primary), Tolerance{});
    }

    void exportsTheHistory() {
        QualityFixture f;
        QVERIFY(!f.quality.exportHistory());
        QCOMPARE(f.prompt.messages(), QStringList{QcText::ExportEmpty.in(Language::english())});
        QVERIFY(f.choose(f.primary, "Red"));
        f.under(221, 31, 40);
        QVERIFY(f.quality.measureSample());
        f.under(200, 60, 40);
        QVERIFY(f.quality.measureSample());
        QCOMPARE(f.quality.passRate().passed, 1);
        QCOMPARE(f.quality.passRate().total, 2);

        f.prompt.clear();
        const QString path = f.dir.filePath("results");
        f.prompt.fileNames << path;
        QVERIFY(f.quality.exportHistory());
        QCOMPARE(f.prompt.events.first().kind, ScriptedPrompt::Kind::SaveFile);
        QCOMPARE(QFileInfo(f.prompt.events.first().text).fileName(),
                 QString("QcHistory260301093000.csv"));
        QFile file(path + ".csv");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        file.close();
        QCOMPARE(lines.size(), 4);  // header, two results, the empty rest after the last CRLF
        QVERIFY(lines[1].endsWith(",PASS\r"));
        QVERIFY(lines[2].endsWith(",FAIL\r"));
        QCOMPARE(f.prompt.messages(),
                 QStringList{QcText::Exported.in(Language::english()).arg(2).arg(path + ".csv")});

        // An existing file is replaced only after Yes.
        f.prompt.clear();
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep");
        file.close();
        f.prompt.fileNames << path + ".csv";
        f.answer({false});
        QVERIFY(!f.quality.exportHistory());
        QCOMPARE(f.prompt.questions(),
                 QStringList{QcText::ExportReplace.in(Language::english()).arg("results.csv")});
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep"));
    }
};

QTEST_MAIN(QualityControlTest)
#include "tst_qualitycontrol.moc"
