// SPDX-License-Identifier: MIT
#include "workflow/QualityController.h"

#include <QFileInfo>
#include <cmath>

#include "formats/ColorDerivation.h"
#include "report/ComparisonReport.h"
#include "texts/IndexTexts.h"
#include "texts/QcTexts.h"
#include "texts/ReportTexts.h"
#include "workflow/LibraryService.h"
#include "workflow/SampleIndex.h"

namespace {

std::optional<Lab> labOf(const ColourEntry& colour) {
    bool okL = false, okA = false, okB = false;
    const Lab lab{colour.L.trimmed().toDouble(&okL), colour.a.trimmed().toDouble(&okA),
                  colour.b.trimmed().toDouble(&okB)};
    if (!okL || !okA || !okB || !std::isfinite(lab.L) || !std::isfinite(lab.a) ||
        !std::isfinite(lab.b))
        return std::nullopt;
    return lab;
}

QString withSuffix(const QString& fileName, const QString& suffix) {
    return fileName.endsWith(suffix, Qt::CaseInsensitive) ? fileName : fileName + suffix;
}

QString withCsvSuffix(const QString& fileName) {
    if (fileName.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        return fileName;
    return fileName + QStringLiteral(".csv");
}

}  // namespace

QualityController::QualityController(LibraryService& library, MeterController& meter,
                                     QObject* parent)
    : QObject(parent),
      library_(library),
      meter_(meter),
      quality_(library.store().connectionName()),
      indexSettings_(library.store().connectionName()),
      clock_([] { return QDateTime::currentDateTime(); }) {
    // Any change to the listed libraries may change the standards.
    const auto stale = [this] {
        indexStale_ = true;
        refreshStandard();
    };
    connect(&library_, &LibraryService::libraryAppended, this, stale);
    connect(&library_, &LibraryService::libraryChanged, this, stale);
    connect(&library_, &LibraryService::libraryRemoved, this, stale);
    connect(&library_, &LibraryService::librariesCleared, this, [this, stale] {
        stale();
        // The store was emptied or another meter's list follows.
        emit historyChanged();
    });
    connect(&library_, &LibraryService::colourAppended, this, stale);
    connect(&library_, &LibraryService::colourChanged, this, stale);
    connect(&library_, &LibraryService::colourRemoved, this, stale);
}

void QualityController::setClock(std::function<QDateTime()> clock) {
    clock_ = clock;
    quality_.setClock(std::move(clock));
}

std::optional<QualityStandard> QualityController::findStandard(const QString& libraryId,
                                                               const QString& colourId) {
    for (const LibraryEntry& entry : library_.libraries()) {
        if (entry.id != libraryId)
            continue;
        for (const ColourEntry& colour : entry.colours) {
            if (colour.id != colourId)
                continue;
            const std::optional<Lab> lab = labOf(colour);
            if (!lab)
                return std::nullopt;
            QualityStandard standard{entry.id, entry.name, colour.id, colour.name, *lab};
            // The swatch shows the colour's stored RGB; a library read from
            // a file with L*a*b* only has none, so it is computed.
            const std::array<double, 19> derived = ColorDerivation::fromLab(lab->L, lab->a, lab->b);
            int rgb[3] = {int(derived[16]), int(derived[17]), int(derived[18])};
            for (const Colour& record : library_.store().selectColours(libraryId)) {
                if (record.id != colourId)
                    continue;
                bool all = true;
                int stored[3];
                for (int i = 0; i < 3; ++i) {
                    bool ok = false;
                    stored[i] = record.text(ColorColumns::Column(ColorColumns::RgbR + i))
                                    .trimmed()
                                    .toInt(&ok);
                    all = all && ok && stored[i] >= 0 && stored[i] <= 255;
                }
                if (all)
                    std::copy(stored, stored + 3, rgb);
                break;
            }
            standard.red = rgb[0];
            standard.green = rgb[1];
            standard.blue = rgb[2];
            return standard;
        }
    }
    return std::nullopt;
}

bool QualityController::chooseStandard(const QString& libraryId, const QString& colourId) {
    std::optional<QualityStandard> found = findStandard(libraryId, colourId);
    if (!found)
        return false;
    standard_ = found;
    emit standardChanged();
    return true;
}

void QualityController::clearStandard() {
    if (!standard_)
        return;
    standard_.reset();
    emit standardChanged();
}

void QualityController::refreshStandard() {
    if (!standard_)
        return;
    const std::optional<QualityStandard> now =
        findStandard(standard_->libraryId, standard_->colourId);
    if (!now) {
        clearStandard();
        return;
    }
    const bool same = now->libraryName == standard_->libraryName &&
                      now->colourName == standard_->colourName && now->lab.L == standard_->lab.L &&
                      now->lab.a == standard_->lab.a && now->lab.b == standard_->lab.b &&
                      now->red == standard_->red && now->green == standard_->green &&
                      now->blue == standard_->blue;
    if (same)
        return;
    standard_ = now;
    emit standardChanged();
}

std::optional<Tolerance> QualityController::storedTolerance(const QString& libraryId) {
    return quality_.tolerance(libraryId);
}

void QualityController::setToleranceInForce(const QString& libraryId, const Tolerance& tolerance) {
    if (!tolerance.valid())
        return;
    const bool changed = inForceLibrary_ != libraryId || inForce_ != tolerance;
    inForceLibrary_ = libraryId;
    inForce_ = tolerance;
    if (!changed || !lastResult_ || !lastResult_->standard ||
        lastResult_->standard->libraryId != libraryId ||
        lastResult_->comparison.tolerance == tolerance)
        return;
    lastResult_->comparison =
        compare(lastResult_->standard->lab, lastResult_->sample.lab(), tolerance);
    lastResult_->rejudged = true;
    emit resultRejudged(*lastResult_);
}

std::optional<Tolerance> QualityController::tolerance(const QString& libraryId) {
    if (!libraryId.isEmpty() && libraryId == inForceLibrary_)
        return inForce_;
    std::optional<Tolerance> result = quality_.tolerance(libraryId);
    if (!result)
        library_.messenger().tip(QcText::ToleranceReadFailed, {quality_.error()});
    return result;
}

bool QualityController::saveTolerance(const QString& libraryId, const Tolerance& tolerance) {
    if (!tolerance.valid()) {
        library_.messenger().tip(QcText::ToleranceInvalid);
        return false;
    }
    if (!quality_.setTolerance(libraryId, tolerance)) {
        library_.messenger().tip(QcText::ToleranceSaveFailed, {quality_.error()});
        return false;
    }
    setToleranceInForce(libraryId, tolerance);
    emit toleranceChanged(libraryId);
    return true;
}

LibraryIndexSettings QualityController::indexSettings(const QString& libraryId) {
    const std::optional<LibraryIndexSettings> result = indexSettings_.settings(libraryId);
    if (!result)
        library_.messenger().tip(IndexText::IndexReadFailed, {indexSettings_.error()});
    return result.value_or(LibraryIndexSettings{});
}

bool QualityController::saveIndexSettings(const QString& libraryId,
                                          const LibraryIndexSettings& settings) {
    if (!indexSettings_.setSettings(libraryId, settings)) {
        library_.messenger().tip(IndexText::IndexSaveFailed, {indexSettings_.error()});
        return false;
    }
    emit indexSettingsChanged(libraryId);
    return true;
}

QString QualityController::indexText(const QString& libraryId, const Lab& lab, bool brief) {
    // Read quietly: the page asks for every history row.
    const ColourIndex index =
        indexSettings_.settings(libraryId).value_or(LibraryIndexSettings{}).index;
    if (index == ColourIndex::None)
        return QString();
    return SampleIndex::describe(index, lab, SampleIndex::conditions(),
                                 library_.messenger().language(), brief);
}

void QualityController::rebuildIndex() {
    index_.clear();
    for (const LibraryEntry& entry : library_.libraries())
        for (const ColourEntry& colour : entry.colours)
            if (const std::optional<Lab> lab = labOf(colour))
                index_.add(Standard{entry.id, entry.name, colour.id, colour.name, *lab});
    indexStale_ = false;
}

QVector<NearestResult> QualityController::nearest(const Lab& sample, int count) {
    if (indexStale_)
        rebuildIndex();
    QVector<NearestResult> results;
    for (const NearestMatch& match : index_.nearest(sample, nearestMethod_, count)) {
        const Standard& s = index_.standards().at(match.index);
        results << NearestResult{s.libraryId,  s.libraryName, s.colourId,
                                 s.colourName, s.lab,         match.deltaE};
    }
    return results;
}

void QualityController::setNearestMethod(const DifferenceMethod& method) {
    if (!method.valid() || method == nearestMethod_)
        return;
    nearestMethod_ = method;
    if (!lastResult_)
        return;
    lastNearest_ = nearest(lastResult_->sample.lab());
    emit nearestFound(lastNearest_);
}

bool QualityController::judge(SampleResult& result) {
    const std::optional<Tolerance> limit = tolerance(result.standard->libraryId);
    if (!limit)
        return false;
    const QualityStandard& standard = *result.standard;
    const MeasuredColour& sample = result.sample;
    result.comparison = compare(standard.lab, sample.lab(), *limit);
    result.rejudged = false;
    QualityStore::HistoryEntry entry;
    entry.meterNumber = library_.meterNumber();
    entry.libraryId = standard.libraryId;
    entry.libraryName = standard.libraryName;
    entry.colourId = standard.colourId;
    entry.colourName = standard.colourName;
    entry.standard = standard.lab;
    entry.sample = sample.lab();
    entry.readings = sample.readings;
    entry.deviation = sample.deviation;
    entry.deltaE = result.comparison.deltaE;
    entry.tolerance = *limit;
    entry.pass = result.comparison.pass;
    entry.time = clock_();
    result.recorded = quality_.addHistory(entry);
    lastEntry_ = entry;
    return true;
}

bool QualityController::measureSample() {
    // The standard is looked up again first: it may have changed since it was chosen.
    if (standard_) {
        refreshStandard();
        if (!standard_) {
            library_.messenger().tip(QcText::StandardGone);
            return false;
        }
        // A tolerance that cannot be read stops before the meter is asked.
        if (!tolerance(standard_->libraryId))
            return false;
    }
    MeasuredColour sample;
    if (!meter_.readSample(sample))
        return false;

    SampleResult result;
    result.sample = sample;
    result.standard = standard_;
    if (standard_ && !judge(result))
        return false;
    lastResult_ = result;
    lastNearest_ = nearest(sample.lab());
    emit sampleMeasured(result);
    emit nearestFound(lastNearest_);
    if (result.recorded)
        emit historyChanged();
    else if (standard_)
        library_.messenger().tip(QcText::HistoryWriteFailed, {quality_.error()});
    return true;
}

bool QualityController::judgeAgainst(const QString& libraryId, const QString& colourId) {
    if (!chooseStandard(libraryId, colourId))
        return false;
    if (!lastResult_)
        return true;
    SampleResult result = *lastResult_;
    result.standard = standard_;
    if (!judge(result))
        return false;
    lastResult_ = result;
    emit sampleMeasured(result);
    if (result.recorded)
        emit historyChanged();
    else
        library_.messenger().tip(QcText::HistoryWriteFailed, {quality_.error()});
    return true;
}

QVector<QualityStore::HistoryEntry> QualityController::recentHistory(int limit) {
    const auto entries = quality_.history(limit);
    if (!entries) {
        library_.messenger().tip(QcText::HistoryReadFailed, {quality_.error()});
        return {};
    }
    return *entries;
}

QualityStore::PassRate QualityController::passRate() {
    return quality_.passRate().value_or(QualityStore::PassRate{});
}

bool QualityController::exportHistory() {
    Messenger& messenger = library_.messenger();
    const std::optional<QualityStore::PassRate> rate = quality_.passRate();
    if (!rate) {
        messenger.tip(QcText::HistoryReadFailed, {quality_.error()});
        return false;
    }
    if (rate->total == 0) {
        messenger.tip(QcText::ExportEmpty);
        return false;
    }
    const QString proposed = QStringLiteral("QcHistory") +
                             clock_().toString(QStringLiteral("yyMMddhhmmss")) +
                             QStringLiteral(".csv");
    const QString chosen =
        messenger.saveFileName(QcText::ExportCaption, proposed, QStringLiteral("CSV (*.csv)"));
    if (chosen.isEmpty())
        return false;
    // The dialog does not add the suffix of its filter on every desktop.
    const QString fileName = withCsvSuffix(chosen);
    if (QFileInfo::exists(fileName) &&
        !messenger.askRisky(QcText::ExportReplace, {QFileInfo(fileName).fileName()}))
        return false;
    if (!quality_.exportHistoryCsv(fileName, messenger.language())) {
        messenger.tip(QcText::ExportFailed, {quality_.error()});
        return false;
    }
    messenger.tip(QcText::Exported, {QString::number(rate->total), fileName});
    return true;
}

bool QualityController::saveReport() {
    Messenger& messenger = library_.messenger();
    if (!lastResult_ || !lastResult_->standard) {
        messenger.tip(ReportText::NothingToReport);
        return false;
    }
    const QString chosen = messenger.saveFileName(
        ReportText::SaveReportTitle,
        QStringLiteral("QcReport") + clock_().toString(QStringLiteral("yyMMddhhmmss")) +
            QStringLiteral(".pdf"),
        ReportText::PdfFilter.in(messenger.language()));
    if (chosen.isEmpty())
        return false;
    const QString fileName = withSuffix(chosen, QStringLiteral(".pdf"));
    if (QFileInfo::exists(fileName) &&
        !messenger.ask(QcText::ExportReplace, {QFileInfo(fileName).fileName()}))
        return false;
    // As on show: a changed tolerance has judged the sample again.
    QualityStore::HistoryEntry entry = lastEntry_;
    entry.tolerance = lastResult_->comparison.tolerance;
    entry.toleranceKnown = true;
    entry.deltaE = lastResult_->comparison.deltaE;
    entry.pass = lastResult_->comparison.pass;
    if (!writeComparisonReport(fileName, entry, messenger.language())) {
        messenger.tip(ReportText::ReportFailed, {fileName});
        return false;
    }
    messenger.tip(ReportText::ReportSaved, {fileName});
    return true;
}
