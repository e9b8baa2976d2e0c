// SPDX-License-Identifier: MIT
#include "workflow/QualityController.h"

#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <cmath>

#include "formats/ColorDerivation.h"
#include "report/ComparisonReport.h"
#include "store/LocalStore.h"
#include "texts/IndexTexts.h"
#include "texts/QcTexts.h"
#include "texts/ReportTexts.h"
#include "workflow/LibraryService.h"
#include "workflow/SampleIndex.h"

namespace colorcard {

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
                                     LocalStore& local, QObject* parent)
    : QObject(parent),
      library_(library),
      meter_(meter),
      fileQuality_(local.store().connectionName()),
      quality_(&fileQuality_),
      indexSettings_(local.store().connectionName()),
      clock_([] { return QDateTime::currentDateTime(); }) {
    // As the meter's: the signals' types by the names they are written with.
    qRegisterMetaType<SampleResult>("SampleResult");
    qRegisterMetaType<QVector<NearestResult>>("QVector<NearestResult>");
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
            // From the repository: on a server the standards are the server's.
            const QVector<Colour> records =
                library_.repository().colours(libraryId).value_or(QVector<Colour>());
            for (const Colour& record : records) {
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
    // The library's warning level and axis limits stay as they are.
    ToleranceModel model = inForceLibrary_ == libraryId && inForceColour_.isEmpty()
                               ? inForce_
                               : storedToleranceModel(libraryId).value_or(ToleranceModel{});
    model.tolerance = tolerance;
    if (model.warning && *model.warning > tolerance.limit)
        model.warning.reset();
    setToleranceModelInForce(libraryId, QString(), model);
}

void QualityController::setToleranceModelInForce(const QString& libraryId, const QString& colourId,
                                                 const ToleranceModel& model) {
    if (!model.valid())
        return;
    const bool changed =
        inForceLibrary_ != libraryId || inForceColour_ != colourId || inForce_ != model;
    inForceLibrary_ = libraryId;
    inForceColour_ = colourId;
    inForce_ = model;
    if (!changed || !lastResult_ || !lastResult_->standard ||
        lastResult_->standard->libraryId != libraryId)
        return;
    const std::optional<ToleranceModel> now =
        toleranceModel(libraryId, lastResult_->standard->colourId);
    if (!now)
        return;
    const Comparison again = compare(lastResult_->standard->lab, lastResult_->sample.lab(), *now);
    if (again.tolerance == lastResult_->comparison.tolerance &&
        again.verdict == lastResult_->comparison.verdict &&
        again.warningLevel == lastResult_->comparison.warningLevel)
        return;
    lastResult_->comparison = again;
    lastResult_->rejudged = true;
    emit resultRejudged(*lastResult_);
}

std::optional<Tolerance> QualityController::tolerance(const QString& libraryId) {
    if (!libraryId.isEmpty() && libraryId == inForceLibrary_ && inForceColour_.isEmpty())
        return inForce_.tolerance;
    std::optional<Tolerance> result = quality_.tolerance(libraryId);
    if (!result)
        library_.messenger().tip(QcText::ToleranceReadFailed, {quality_.error()});
    return result;
}

std::optional<ToleranceModel> QualityController::storedToleranceModel(const QString& libraryId,
                                                                      const QString& colourId) {
    return quality_.toleranceModel(libraryId, colourId);
}

bool QualityController::hasToleranceOverride(const QString& libraryId, const QString& colourId) {
    return !colourId.isEmpty() &&
           quality_.hasToleranceOverride(libraryId, colourId).value_or(false);
}

std::optional<ToleranceModel> QualityController::toleranceModel(const QString& libraryId,
                                                                const QString& colourId) {
    if (!libraryId.isEmpty() && libraryId == inForceLibrary_) {
        if (!inForceColour_.isEmpty() && inForceColour_ == colourId)
            return inForce_;
        // The library's edited model judges the standards without their own.
        if (inForceColour_.isEmpty() && !hasToleranceOverride(libraryId, colourId))
            return inForce_;
    }
    std::optional<ToleranceModel> result = quality_.toleranceModel(libraryId, colourId);
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

bool QualityController::saveToleranceModel(const QString& libraryId, const QString& colourId,
                                           const ToleranceModel& model) {
    if (!model.valid()) {
        library_.messenger().tip(QcText::ToleranceInvalid);
        return false;
    }
    if (!quality_.setToleranceModel(libraryId, colourId, model)) {
        library_.messenger().tip(QcText::ToleranceSaveFailed, {quality_.error()});
        return false;
    }
    setToleranceModelInForce(libraryId, colourId, model);
    emit toleranceChanged(libraryId);
    return true;
}

bool QualityController::removeToleranceOverride(const QString& libraryId, const QString& colourId) {
    if (!quality_.removeToleranceOverride(libraryId, colourId)) {
        library_.messenger().tip(QcText::ToleranceSaveFailed, {quality_.error()});
        return false;
    }
    if (inForceLibrary_ == libraryId && inForceColour_ == colourId) {
        inForceLibrary_.clear();
        inForceColour_.clear();
    }
    emit toleranceChanged(libraryId);
    return true;
}

QVector<Lot> QualityController::lots() {
    const auto all = quality_.lots();
    if (!all) {
        library_.messenger().tip(QcText::LotReadFailed, {quality_.error()});
        return {};
    }
    return *all;
}

bool QualityController::chooseLot(qint64 lotId) {
    for (const Lot& lot : lots()) {
        if (lot.id != lotId)
            continue;
        currentLot_ = lot;
        emit currentLotChanged();
        return true;
    }
    return false;
}

bool QualityController::startLot(const QString& name, const QString& note,
                                 const QString& operatorName) {
    Messenger& messenger = library_.messenger();
    if (name.trimmed().isEmpty()) {
        messenger.tip(QcText::LotNameMissing);
        return false;
    }
    const auto all = quality_.lots();
    if (!all) {
        messenger.tip(QcText::LotReadFailed, {quality_.error()});
        return false;
    }
    for (const Lot& lot : *all)
        if (lot.name == name.trimmed()) {
            messenger.tip(QcText::LotNameTaken, {lot.name});
            return false;
        }
    Lot lot{0, name, note.trimmed(), operatorName.trimmed(), {}};
    if (!quality_.addLot(lot)) {
        messenger.tip(QcText::LotSaveFailed, {quality_.error()});
        return false;
    }
    currentLot_ = lot;
    emit lotsChanged();
    emit currentLotChanged();
    return true;
}

bool QualityController::ensureLot() {
    if (currentLot_)
        return true;
    // Comparisons made without choosing a lot go to the day's.
    const QString name = clock_().toString(QStringLiteral("yyyy-MM-dd"));
    const auto existing = quality_.findLot(name);
    if (existing) {
        currentLot_ = existing;
        emit currentLotChanged();
        return true;
    }
    if (!quality_.error().isEmpty()) {
        library_.messenger().tip(QcText::LotReadFailed, {quality_.error()});
        return false;
    }
    return startLot(name, QString(), QString());
}

QVector<QualityStore::HistoryEntry> QualityController::history(const HistoryFilter& filter) {
    const auto entries = quality_.history(filter);
    if (!entries) {
        library_.messenger().tip(QcText::HistoryReadFailed, {quality_.error()});
        return {};
    }
    return *entries;
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
    const std::optional<ToleranceModel> model =
        toleranceModel(result.standard->libraryId, result.standard->colourId);
    if (!model)
        return false;
    const QualityStandard& standard = *result.standard;
    const MeasuredColour& sample = result.sample;
    result.comparison = compare(standard.lab, sample.lab(), *model);
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
    entry.tolerance = model->tolerance;
    entry.pass = result.comparison.pass;
    entry.verdict = result.comparison.verdict;
    entry.warningLevel = result.comparison.warningLevel;
    entry.time = clock_();
    // Without a lot the comparison is still kept (the lot's failure was shown).
    if (ensureLot()) {
        entry.lotId = currentLot_->id;
        entry.lotName = currentLot_->name;
    }
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
        if (!toleranceModel(standard_->libraryId, standard_->colourId))
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

std::optional<LotReportData> QualityController::lotReport(qint64 lotId,
                                                          const TrendStandard& trendOf) {
    for (const Lot& lot : lots()) {
        if (lot.id != lotId)
            continue;
        QString error;
        std::optional<LotReportData> data =
            loadLotReport(quality_, indexSettings_, lot, error, trendOf);
        if (!data)
            library_.messenger().tip(QcText::HistoryReadFailed, {error});
        return data;
    }
    library_.messenger().tip(ReportText::NothingToReport);
    return std::nullopt;
}

bool QualityController::saveLotReport(qint64 lotId, const TrendStandard& trendOf) {
    Messenger& messenger = library_.messenger();
    const std::optional<LotReportData> data = lotReport(lotId, trendOf);
    if (!data)
        return false;
    if (data->oldestFirst.isEmpty()) {
        messenger.tip(ReportText::NothingToReport);
        return false;
    }
    // A lot's name may hold characters a file name cannot.
    QString safe = data->lot.name;
    safe.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\s]+")), QStringLiteral("_"));
    const QString chosen = messenger.saveFileName(
        ReportText::SaveReportTitle, QStringLiteral("QcLot_") + safe + QStringLiteral(".pdf"),
        ReportText::PdfFilter.in(messenger.language()));
    if (chosen.isEmpty())
        return false;
    const QString fileName = withSuffix(chosen, QStringLiteral(".pdf"));
    if (QFileInfo::exists(fileName) &&
        !messenger.ask(QcText::ExportReplace, {QFileInfo(fileName).fileName()}))
        return false;
    if (!writeLotReport(fileName, *data, messenger.language())) {
        messenger.tip(ReportText::ReportFailed, {fileName});
        return false;
    }
    messenger.tip(ReportText::ReportSaved, {fileName});
    return true;
}

std::optional<QualityStore::HistoryEntry> QualityController::reportEntry() {
    if (!lastResult_ || !lastResult_->standard) {
        library_.messenger().tip(ReportText::NothingToReport);
        return std::nullopt;
    }
    // As on show: a changed tolerance has judged the sample again.
    QualityStore::HistoryEntry entry = lastEntry_;
    entry.tolerance = lastResult_->comparison.tolerance;
    entry.toleranceKnown = true;
    entry.deltaE = lastResult_->comparison.deltaE;
    entry.pass = lastResult_->comparison.pass;
    entry.verdict = lastResult_->comparison.verdict;
    entry.warningLevel = lastResult_->comparison.warningLevel;
    return entry;
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
    const std::optional<QualityStore::HistoryEntry> entry = reportEntry();
    if (!entry)
        return false;
    if (!writeComparisonReport(fileName, *entry, messenger.language())) {
        messenger.tip(ReportText::ReportFailed, {fileName});
        return false;
    }
    messenger.tip(ReportText::ReportSaved, {fileName});
    return true;
}

bool QualityController::printed(Prompt::PrintResult result) {
    if (result == Prompt::PrintResult::Failed)
        library_.messenger().tip(ReportText::PrintFailed);
    return result == Prompt::PrintResult::Printed;
}

bool QualityController::printReport() {
    const std::optional<QualityStore::HistoryEntry> entry = reportEntry();
    if (!entry)
        return false;
    const Language language = library_.messenger().language();
    return printed(library_.messenger().print(
        ReportText::PrintReportTitle, [&](QPagedPaintDevice& device, QPainter& painter) {
            return paintComparisonReport(device, painter, *entry, language);
        }));
}

bool QualityController::printLotReport(qint64 lotId, const TrendStandard& trendOf) {
    const std::optional<LotReportData> data = lotReport(lotId, trendOf);
    if (!data)
        return false;
    if (data->oldestFirst.isEmpty()) {
        library_.messenger().tip(ReportText::NothingToReport);
        return false;
    }
    const Language language = library_.messenger().language();
    return printed(library_.messenger().print(
        ReportText::PrintReportTitle, [&](QPagedPaintDevice& device, QPainter& painter) {
            painter.setFont(reportFont(kLotReportPointSize));
            return paintLotReport(device, painter, *data, language);
        }));
}

}  // namespace colorcard
