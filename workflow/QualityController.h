// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QVector>
#include <functional>
#include <optional>

#include "colour/NearestStandards.h"
#include "colour/Tolerance.h"
#include "prompt/Prompt.h"
#include "report/LotReport.h"
#include "report/QualityTrend.h"
#include "store/IndexSettingsStore.h"
#include "store/QualityStore.h"
#include "store/SwitchedQualityRecords.h"
#include "workflow/MeterController.h"

namespace colorcard {

class LibraryService;
class LocalStore;

// A colour of a library used as the reference of a comparison.
struct QualityStandard {
    QString libraryId;
    QString libraryName;
    QString colourId;
    QString colourName;
    Lab lab;
    // sRGB for the swatch: the stored values, or computed from L*a*b* where
    // the library holds L*a*b* only.
    int red = 0;
    int green = 0;
    int blue = 0;
};

// One of the standards nearest a sample.
struct NearestResult {
    QString libraryId;
    QString libraryName;
    QString colourId;
    QString colourName;
    Lab lab;
    double deltaE = 0;
};

// A measured sample: judged against the standard when one was chosen.
struct SampleResult {
    MeasuredColour sample;
    std::optional<QualityStandard> standard;
    Comparison comparison;  // only with a standard
    bool recorded = false;  // kept in the history
    // Judged again after the tolerance changed: the history keeps the
    // verdict recorded at measuring.
    bool rejudged = false;
};

// Compare mode without widgets: the standard chosen from the listed
// libraries, samples measured (averaged as the meter controller is set) and
// judged by the standard's library tolerance, the nearest standards of every
// library, the tolerances and the history in the store. Measuring a sample
// never changes a library. Messages go through the library service's
// messenger; results are reported by signals.
class QualityController : public QObject {
    Q_OBJECT
public:
    static constexpr int kNearestCount = 5;

    // local: the bench's store file, whose QC records the page reads unless
    // given a server's (setQualityRecords); its index settings stay there.
    QualityController(LibraryService& library, MeterController& meter, LocalStore& local,
                      QObject* parent = nullptr);

    LibraryService& library() const { return library_; }
    MeterController& meter() const { return meter_; }
    QualityRecords& quality() { return quality_; }
    // Where tolerances, lots and comparisons are kept from now on: a
    // server's (null while it is not connected: nothing is kept), instead of
    // the bench's file.
    void setQualityRecords(QualityRecords* records) { quality_.setTarget(records); }
    // History time stamps and the proposed export name come from here.
    void setClock(std::function<QDateTime()> clock);

    // The standard: a colour of a listed library, found by identifiers.
    // False (and nothing chosen) when there is no such colour or its L*a*b*
    // are not numbers.
    bool chooseStandard(const QString& libraryId, const QString& colourId);
    void clearStandard();
    const std::optional<QualityStandard>& standard() const { return standard_; }

    // The tolerance that judges the library's samples: the one put in force
    // for it (edited on the page, perhaps not saved), else the stored one,
    // else the default. A store that cannot be read is shown and gives nullopt.
    std::optional<Tolerance> tolerance(const QString& libraryId);
    // The library's stored tolerance (the default when it has none), silent.
    std::optional<Tolerance> storedTolerance(const QString& libraryId);
    // Judges the library's samples by this tolerance from now on, saved or
    // not, and judges the result on show again when its standard is of that
    // library. One library at a time: another library's puts this one's out.
    void setToleranceInForce(const QString& libraryId, const Tolerance& tolerance);
    // Checks and keeps the tolerance (also putting it in force); false after a message.
    bool saveTolerance(const QString& libraryId, const Tolerance& tolerance);

    // The whole model judging a standard (colourId empty: its library's),
    // in force or stored as tolerance() is; a store that cannot be read is
    // shown and gives nullopt.
    std::optional<ToleranceModel> toleranceModel(const QString& libraryId,
                                                 const QString& colourId = {});
    // As stored, silent; nullopt when unreadable.
    std::optional<ToleranceModel> storedToleranceModel(const QString& libraryId,
                                                       const QString& colourId = {});
    // Whether the standard has a model of its own (silent, false when unreadable).
    bool hasToleranceOverride(const QString& libraryId, const QString& colourId);
    // Judges by this model from now on, saved or not: the library's
    // (colourId empty) or one standard's own.
    void setToleranceModelInForce(const QString& libraryId, const QString& colourId,
                                  const ToleranceModel& model);
    // Keeps it; false after a message.
    bool saveToleranceModel(const QString& libraryId, const QString& colourId,
                            const ToleranceModel& model);
    // The standard follows its library's model again; false after a message.
    bool removeToleranceOverride(const QString& libraryId, const QString& colourId);

    // Lots, newest first; a failed read is shown and gives nothing.
    QVector<Lot> lots();
    // The lot new comparisons go to; none before one is chosen or started
    // (the first comparison then starts the day's lot).
    const std::optional<Lot>& currentLot() const { return currentLot_; }
    bool chooseLot(qint64 lotId);
    // Starts a lot and makes it current; false after a message (no name,
    // a name already taken, the store cannot be written).
    bool startLot(const QString& name, const QString& note, const QString& operatorName);

    // Newest first, as filtered; a failed read is shown and gives nothing.
    QVector<QualityStore::HistoryEntry> history(const HistoryFilter& filter);
    // The lot's report as it would be written, with the trend of the standard
    // trendOf (by default the last one used); nullopt after a message.
    std::optional<LotReportData> lotReport(qint64 lotId, const TrendStandard& trendOf = {});
    // Asks for a file and writes the lot's PDF report in the current
    // language; an existing file is replaced only after a question.
    bool saveLotReport(qint64 lotId, const TrendStandard& trendOf = {});
    // The same report through the print dialog; false when cancelled or
    // after a message.
    bool printLotReport(qint64 lotId, const TrendStandard& trendOf = {});

    // The library's index and shade steps; the defaults when it has none. A
    // store that cannot be read is shown and gives the defaults.
    LibraryIndexSettings indexSettings(const QString& libraryId);
    // Keeps them; false after a message.
    bool saveIndexSettings(const QString& libraryId, const LibraryIndexSettings& settings);
    // The library's index of a colour under the measuring conditions of the
    // settings, with its name ("CIE whiteness W 81.25") or, brief, its
    // symbol ("W 81.25"); empty when the library shows none.
    QString indexText(const QString& libraryId, const Lab& lab, bool brief = false);

    // Which formula the nearest standards are found by (ΔE00 at first).
    DifferenceMethod nearestMethod() const { return nearestMethod_; }
    // Finds the nearest standards of the last sample again.
    void setNearestMethod(const DifferenceMethod& method);
    // The count standards of every listed library nearest the sample, nearest first.
    QVector<NearestResult> nearest(const Lab& sample, int count = kNearestCount);
    // Of the last sample (empty before the first).
    const QVector<NearestResult>& lastNearest() const { return lastNearest_; }

    // Measures a sample, judges it against the standard (if one is chosen)
    // and keeps the result in the history, finds its nearest standards.
    // False after a message or when the user stopped between readings.
    bool measureSample();
    const std::optional<SampleResult>& lastResult() const { return lastResult_; }
    // Makes this colour the standard and, when a sample was measured, judges
    // that sample against it (kept in the history as a comparison of its own).
    bool judgeAgainst(const QString& libraryId, const QString& colourId);

    // Newest first; a failed read is shown and gives nothing.
    QVector<QualityStore::HistoryEntry> recentHistory(int limit);
    QualityStore::PassRate passRate();
    // Asks for a file and writes the whole history as CSV in the current
    // language; an existing file is replaced only after a question.
    bool exportHistory();
    // Asks for a file and writes the PDF report of the comparison on show
    // (as judged now) in the current language.
    bool saveReport();
    // The same report through the print dialog; false when cancelled or
    // after a message.
    bool printReport();

signals:
    void standardChanged();
    void toleranceChanged(const QString& libraryId);
    void sampleMeasured(const SampleResult& result);
    // The result on show was judged again (the tolerance changed).
    void resultRejudged(const SampleResult& result);
    void nearestFound(const QVector<NearestResult>& nearest);
    void historyChanged();
    void indexSettingsChanged(const QString& libraryId);
    void lotsChanged();
    void currentLotChanged();

private:
    // The standard again from the list (a colour may have been renamed or
    // measured again); cleared when it is gone.
    void refreshStandard();
    std::optional<QualityStandard> findStandard(const QString& libraryId, const QString& colourId);
    void rebuildIndex();
    // Judges sample against the standard by its library's tolerance and
    // keeps the comparison in the history; false when the tolerance cannot be read.
    bool judge(SampleResult& result);
    // The comparison on show as its report shows it (judged now); nullopt
    // after a message when there is none.
    std::optional<QualityStore::HistoryEntry> reportEntry();
    // The print dialog's answer told: false unless printed.
    bool printed(Prompt::PrintResult result);

    LibraryService& library_;
    MeterController& meter_;
    // The bench's file; quality_ works on it unless given a server's.
    QualityStore fileQuality_;
    SwitchedQualityRecords quality_;
    IndexSettingsStore indexSettings_;
    std::function<QDateTime()> clock_;
    std::optional<QualityStandard> standard_;
    std::optional<SampleResult> lastResult_;
    // The history entry of the last comparison, for its report.
    QualityStore::HistoryEntry lastEntry_;
    // The lot of the next comparison; false after a message.
    bool ensureLot();

    // The model put in force for one library or one standard of it (see
    // setToleranceModelInForce); inForceColour_ empty for the library's.
    QString inForceLibrary_;
    QString inForceColour_;
    ToleranceModel inForce_;
    std::optional<Lot> currentLot_;
    QVector<NearestResult> lastNearest_;
    DifferenceMethod nearestMethod_;
    StandardIndex index_;
    bool indexStale_ = true;
};

}  // namespace colorcard
