// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>
#include <memory>

#include "protocol/MeterDriver.h"
#include "protocol/MeterTypes.h"

namespace colorcard {

class FrameLayer;
class LibraryEdits;
class LibraryMerge;
class LibraryService;

// The meter as the page works with it: who it is (identity requests, device
// settings, library limit, the library check that shows its libraries or
// finds another instrument's), the instrument change, the automatic export
// the first time an instrument is seen, and measuring into the current
// library. It reports by signals and never touches a widget.
class MeterController : public QObject {
    Q_OBJECT
public:
    // edits, merge: the measurements' changes and the imports' and export's
    // merge, both on the one list. frames: the meter link (may be null: no
    // link at all). settingsFile: the device settings; templateDirectory:
    // where the save's template workbooks lie.
    MeterController(LibraryEdits& edits, LibraryMerge& merge, FrameLayer* frames,
                    const QString& settingsFile, const QString& templateDirectory,
                    QObject* parent = nullptr);

    FrameLayer* frames() const { return frames_; }
    QString templateDirectory() const { return templateDirectory_; }

    // Asks the attached meter who it is. type 0: the link opened at start-up,
    // 1: the meter was plugged in.
    void identify(int type);
    // Start-up: shows the libraries when they belong to this meter; when all
    // belong to another one, the arrival check runs. False when the user
    // kept the old data instead of taking this meter on.
    bool checkAtStartup();
    // Arrival: another meter's library starts the instrument change; this
    // meter's libraries are shown when the list is empty. False as above.
    bool checkOnArrival();
    // Offers to save (again after every failed save) or to cancel, then
    // backs up and removes the libraries (with their tolerances; the QC
    // history stays) whether saved or not. False when cancelled or when the
    // backup or the removal failed (everything as it was).
    bool handleInstrumentChange();
    // Runs the export once per instrument and run, whatever its outcome.
    void exportOnFirstConnection(quint32 instrumentId);
    // The link closed: forget the meter number and its model.
    void forgetMeter();

    // A measurement may be taken: a link is open, a library is selected and
    // locked; false after a message.
    bool readyToMeasure() const;
    // The meter's current measurement after those checks; false after a message.
    bool readMeasurement(MeasuredColour& measurement);
    // A sample to compare with a standard: only the link is checked and
    // nothing is stored or shown on the page. False after a message, or when
    // the user stopped between readings.
    bool readSample(MeasuredColour& sample);
    // How many readings every measurement into a library averages (clamped to
    // kMinReadings..kMaxReadings). Before each reading after the first the
    // user is asked to measure the sample again.
    int readingCount() const { return readingCount_; }
    void setReadingCount(int count);
    // The same for samples compared on the quality-control page: each page
    // keeps its own count.
    int sampleReadingCount() const { return sampleReadingCount_; }
    void setSampleReadingCount(int count);
    LibraryService& library() const { return library_; }
    // Measures a new colour of this name into the current library.
    bool measure(const QString& name);
    // Measures a colour of the current library again after the user agreed,
    // found by its identifier after the measurement (the list may change meanwhile).
    bool remeasure(const QString& colourId);

    // The bulk actions, each with every message of its own. The exchange
    // workbook alone (the instrument change saves this way):
    bool saveToSpreadsheet();
    bool importFromSpreadsheet();
    // The Save and Import buttons: the exchange workbook by default, or a
    // CSV, CGATS.17 or CxF3 file chosen in the same dialog (the CxF3 measuring
    // conditions and the CSV byte-order mark from the user's settings).
    bool saveLibraries();
    bool importLibraries();
    bool writeToMeter();
    bool exportMeterData();

    int uiIndex() const { return uiIndex_; }
    int companyLabelFlag() const { return companyLabelFlag_; }
    QList<quint32>& seenInstruments() { return seenInstruments_; }

    // The 32-bit value of a settings cell as the meter reports numbers;
    // text that is no number reads 0.
    static qint64 settingsNumber(const QVariant& value);

signals:
    void identified(const MeterIdentity& identity);
    void measured(const MeasuredColour& measurement);
    // Each single reading of a measurement, reading counting from 1.
    void readingTaken(int reading, int count, const MeasuredColour& single);
    void readingCountChanged(int count);
    void sampleReadingCountChanged(int count);
    // Emitted just before the instrument change runs.
    void instrumentChangeDetected();
    // Emitted at the end of an identification, just before the first-connection
    // export runs with the instrument identifier.
    void identificationFinished(quint32 instrumentId);
    // The user kept the old data at an instrument change: the window lets
    // go of this meter.
    void meterRefused();

private:
    bool runInstrumentChange();
    // The readings of one measurement and their mean; false after a message
    // or when the user stopped.
    bool readAveraged(MeasuredColour& measurement, int count);

    LibraryService& library_;
    LibraryEdits& edits_;
    LibraryMerge& merge_;
    FrameLayer* frames_;
    // Over frames_; null without a link.
    std::unique_ptr<MeterDriver> driver_;
    QString templateDirectory_;
    // Rows of the device settings file: MeterNo, Model, UIIndex, IsTarvik, Version,
    // FlushEveryExchange.
    QList<QVariantList> deviceTable_;
    int uiIndex_ = 0;
    int companyLabelFlag_ = 1;
    int readingCount_ = 1;
    int sampleReadingCount_ = 1;
    // Instruments whose libraries were exported automatically in this run.
    QList<quint32> seenInstruments_;
};

}  // namespace colorcard
