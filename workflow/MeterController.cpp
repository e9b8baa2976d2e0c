// SPDX-License-Identifier: MIT
#include "workflow/MeterController.h"

#include "colour/Tolerance.h"
#include "protocol/FrameLayer.h"
#include "protocol/FrameMeterDriver.h"
#include "store/DeviceSettings.h"
#include "store/LabRange.h"
#include "texts/ChangeTexts.h"
#include "texts/MeterTexts.h"
#include "texts/QcTexts.h"
#include "workflow/ColorValueTexts.h"
#include "workflow/FormatSettings.h"
#include "workflow/LibraryEdits.h"
#include "workflow/LibraryFileImport.h"
#include "workflow/LibraryFileSave.h"
#include "workflow/LibraryMerge.h"
#include "workflow/LibraryService.h"
#include "workflow/Limits.h"
#include "workflow/MeasurementAverage.h"
#include "workflow/MeterExport.h"
#include "workflow/MeterResultTexts.h"
#include "workflow/MeterWrite.h"
#include "workflow/SpreadsheetImport.h"
#include "workflow/SpreadsheetSave.h"

namespace colorcard {

namespace {

// Device settings row: MeterNo, Model, UIIndex, IsTarvik, Version, FlushEveryExchange.
enum SettingsColumn {
    MeterNoColumn = 0,
    ModelColumn,
    UiIndexColumn,
    IsTarvikColumn,
    VersionColumn,
    FlushColumn
};

}  // namespace

MeterController::MeterController(LibraryEdits& edits, LibraryMerge& merge, FrameLayer* frames,
                                 const QString& settingsFile, const QString& templateDirectory,
                                 QObject* parent)
    : QObject(parent),
      library_(edits.library()),
      edits_(edits),
      merge_(merge),
      frames_(frames),
      driver_(frames ? std::make_unique<FrameMeterDriver>(*frames) : nullptr),
      templateDirectory_(templateDirectory),
      deviceTable_(readDeviceSettings(settingsFile)) {
    // Qt 5 finds a signal's parameter types by the names they are written
    // with, without the namespace (queued connections, signal spies).
    qRegisterMetaType<MeterIdentity>("MeterIdentity");
    qRegisterMetaType<MeasuredColour>("MeasuredColour");
}

qint64 MeterController::settingsNumber(const QVariant& value) {
    bool ok = false;
    const qint64 number = value.toString().trimmed().toLongLong(&ok);
    return ok ? number : 0;
}

void MeterController::identify(int type) {
    if (!driver_ || !driver_->linkOpen())
        return;
    Messenger& messenger = library_.messenger();

    MeterInformation information;
    const MeterOutcome outcome = driver_->identify(information);
    if (!outcome.done()) {
        if (outcome.step == MeterStep::ReadKeyInformation) {
            messenger.tip(MeterText::KeyInformationFailed);
            return;
        }
        if (const BilingualText* text = meterResultText(outcome.step, outcome.result))
            messenger.chineseTip(*text);
        messenger.tip(MeterText::MeterInformationFailed);
        return;
    }
    const quint32 instrumentId = information.instrumentId;
    const quint32 meterNumber = information.meterNumber;
    const int firmwareVersion = information.firmwareVersion;

    if (!deviceTable_.isEmpty()) {
        const QVariantList* model = nullptr;
        for (const QVariantList& row : deviceTable_) {
            if (settingsNumber(row.value(MeterNoColumn)) == qint64(meterNumber)) {
                model = &row;
                break;
            }
        }
        if (!model) {
            if (meterNumber != 0)
                emit identified({messenger.text(MeterText::UnknownModel),
                                 MeterIdentity::CompanyLabels::Unchanged});
            else
                messenger.tip(MeterText::MeterModelFailed);
            return;
        }
        library_.setMeterNumber(QString::number(meterNumber));
        if (frames_)
            frames_->setModelPacing(settingsNumber(model->value(FlushColumn)) != 0
                                        ? FrameLayer::Pacing::FlushEveryExchange
                                        : FrameLayer::Pacing::Adaptive);
        MeterIdentity identity{model->value(ModelColumn).toString(),
                               MeterIdentity::CompanyLabels::Unchanged};
        emit identified(identity);
        uiIndex_ = int(settingsNumber(model->value(UiIndexColumn)));
        companyLabelFlag_ = int(settingsNumber(model->value(IsTarvikColumn)));
        const qint64 version = settingsNumber(model->value(VersionColumn));
        library_.setMaxLibraries(firmwareVersion != 0 && version < firmwareVersion
                                     ? Limits::NewerMeterLibraries
                                     : Limits::MeterLibraries);
        if (library_.databaseOpen()) {
            const bool accepted = type == 0 ? checkAtStartup() : checkOnArrival();
            if (!accepted) {
                // The user kept the old data: this meter is not taken on.
                library_.setMeterNumber(QString());
                library_.showStoredLibraries(library_.storedLibraries());
                library_.reselectLibrary();
                messenger.tip(ChangeText::InstrumentChangeCancelled);
                emit meterRefused();
                return;
            }
        }
        if (companyLabelFlag_ == 1)
            identity.companyLabels = MeterIdentity::CompanyLabels::Hidden;
        else if (companyLabelFlag_ == 0 || companyLabelFlag_ == 2)
            identity.companyLabels = MeterIdentity::CompanyLabels::Shown;
        if (identity.companyLabels != MeterIdentity::CompanyLabels::Unchanged)
            emit identified(identity);
    }

    emit identificationFinished(instrumentId);
    exportOnFirstConnection(instrumentId);
}

bool MeterController::checkAtStartup() {
    const QVector<Library> records = library_.storedLibraries();
    const QString meterNumber = library_.meterNumber();
    for (int i = 0; i < records.size(); ++i) {
        if (records[i].meterNumber == meterNumber) {
            library_.showStoredLibraries(records);
            return true;
        }
        if (i == records.size() - 1)
            return checkOnArrival();
    }
    return true;
}

bool MeterController::checkOnArrival() {
    const QVector<Library> records = library_.storedLibraries();
    const QString meterNumber = library_.meterNumber();
    for (const Library& record : records) {
        if (record.meterNumber != meterNumber)
            return runInstrumentChange();
        library_.showStoredLibraries(records);
    }
    return true;
}

bool MeterController::runInstrumentChange() {
    emit instrumentChangeDetected();
    return handleInstrumentChange();
}

bool MeterController::handleInstrumentChange() {
    // The store only ever holds one instrument's libraries: saving is the
    // user's one chance to keep them. Cancel keeps them and the old meter's
    // place.
    Messenger& messenger = library_.messenger();
    for (;;) {
        const Prompt::Answer answer = messenger.askOrCancelComposed(
            messenger.paragraphs({messenger.text(MeterText::SaveBeforeInstrumentChange),
                                  messenger.text(ChangeText::InstrumentChangeChoices)}));
        if (answer == Prompt::Answer::Cancel)
            return false;
        if (answer == Prompt::Answer::No || saveToSpreadsheet())
            break;
    }
    // The save is stamped with the new meter's number: the backup is what
    // keeps the old meter's libraries. Without one nothing is removed.
    if (!library_.backUpBeforeChange(BackupCause::InstrumentChange))
        return false;
    // The QC history, lots and tolerances belong to the bench: only the
    // libraries (with their own tolerances) make way for the new meter's.
    return library_.removeAllLibraries();
}

void MeterController::exportOnFirstConnection(quint32 instrumentId) {
    if (seenInstruments_.contains(instrumentId))
        return;
    if (driver_) {
        MeterExport exporter(merge_, *driver_);
        exporter.setAutomatic(true);
        exporter.run();
    }
    seenInstruments_.append(instrumentId);
}

void MeterController::forgetMeter() {
    library_.setMeterNumber(QString());
    emit identified({QString(), MeterIdentity::CompanyLabels::Unchanged});
}

bool MeterController::readyToMeasure() const {
    const Messenger& messenger = library_.messenger();
    if (!driver_ || !driver_->linkOpen()) {
        messenger.tip(MeterText::OpenLinkFirst);
        return false;
    }
    if (library_.currentRow() < 0) {
        messenger.tip(MeterText::SelectLibrary);
        return false;
    }
    if (!library_.locked()) {
        messenger.tip(MeterText::LockLibrary);
        return false;
    }
    return true;
}

bool MeterController::readMeasurement(MeasuredColour& measurement) {
    if (!readyToMeasure() || !readAveraged(measurement, readingCount_))
        return false;
    emit measured(measurement);
    return true;
}

bool MeterController::readSample(MeasuredColour& sample) {
    if (!driver_ || !driver_->linkOpen()) {
        library_.messenger().tip(MeterText::OpenLinkFirst);
        return false;
    }
    return readAveraged(sample, sampleReadingCount_);
}

void MeterController::setReadingCount(int count) {
    count = qBound(kMinReadings, count, kMaxReadings);
    if (count == readingCount_)
        return;
    readingCount_ = count;
    emit readingCountChanged(count);
}

void MeterController::setSampleReadingCount(int count) {
    count = qBound(kMinReadings, count, kMaxReadings);
    if (count == sampleReadingCount_)
        return;
    sampleReadingCount_ = count;
    emit sampleReadingCountChanged(count);
}

// The count is fixed for this measurement even if it is changed meanwhile.
bool MeterController::readAveraged(MeasuredColour& measurement, int count) {
    Messenger& messenger = library_.messenger();
    QVector<MeasuredColour> readings;
    for (int reading = 1; reading <= count; ++reading) {
        // The meter answers with its current measurement: the user measures
        // the sample again before each further reading.
        if (reading > 1 &&
            !messenger.ask(QcText::NextReading, {QString::number(reading), QString::number(count)}))
            return false;
        if (!driver_ || !driver_->linkOpen()) {
            messenger.tip(MeterText::OpenLinkFirst);
            return false;
        }
        MeasuredColour single;
        const MeterOutcome outcome = driver_->measure(single);
        if (!outcome.done()) {
            const BilingualText* text = meterResultText(MeterStep::Measure, outcome.result);
            messenger.tip(text ? *text : MeterText::MeasureNotWritten);
            return false;
        }
        const QVector<int>& values = single.values;
        // L*, a*, b* in hundredths: a value no colour can have is a garbled reply.
        if (values.size() < 3 ||
            !LabRange::valid(values[0] / 100.0, values[1] / 100.0, values[2] / 100.0)) {
            messenger.tip(MeterText::MeasureBadReply);
            return false;
        }
        single.texts = ColorValueTexts::fromMeasurement(values);
        readings << single;
        emit readingTaken(reading, count, single);
    }
    measurement = averageMeasurements(readings);
    return true;
}

bool MeterController::measure(const QString& name) {
    if (!edits_.acceptNewColour(name))
        return false;
    MeasuredColour measurement;
    if (!readMeasurement(measurement))
        return false;
    return edits_.addColour(name, measurement.texts);
}

bool MeterController::remeasure(const QString& colourId) {
    // The question comes after the checks, so it is never asked in vain.
    if (!readyToMeasure() || !edits_.confirmRemeasure(library_.colourRowOf(colourId)))
        return false;
    MeasuredColour measurement;
    if (!readMeasurement(measurement))
        return false;
    const int row = library_.colourRowOf(colourId);
    return row >= 0 && edits_.replaceColourValues(row, measurement.texts);
}

bool MeterController::saveToSpreadsheet() {
    return SpreadsheetSave(library_, templateDirectory_).saveToSpreadsheet();
}

bool MeterController::importFromSpreadsheet() {
    return SpreadsheetImport(merge_).importFromSpreadsheet();
}

bool MeterController::saveLibraries() {
    return LibraryFileSave(library_, templateDirectory_, FormatSettings::load()).run();
}

bool MeterController::importLibraries() {
    return LibraryFileImport(merge_).run();
}

bool MeterController::writeToMeter() {
    if (!driver_)
        return false;
    MeterWrite write(library_, *driver_);
    write.setConfirmed(true);
    return write.run();
}

bool MeterController::exportMeterData() {
    return driver_ && MeterExport(merge_, *driver_).run();
}

}  // namespace colorcard
