// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QVector>

#include "colour/ShadeSort.h"
#include "report/QualityTrend.h"
#include "store/QualityStore.h"
#include "texts/Language.h"

class QPagedPaintDevice;
class QPainter;

namespace colorcard {

class IndexSettingsStore;

// What the report of a lot shows.
struct LotReportData {
    Lot lot;
    QVector<QualityStore::HistoryEntry> oldestFirst;
    // The standard whose trend is shown (by default the last one used) and
    // its model: the trend's tolerance limits.
    TrendStandard trendStandard;
    ToleranceModel model;
    // How many standards the lot's samples were judged against.
    int standardCount = 0;
    ShadeSteps steps;
};

// The lot's comparisons, the model of the standard whose trend is shown
// (trendOf when the lot has it, else the last one used) and that library's
// shade steps, read from the store on the connection; nullopt with error set
// when the store cannot be read.
std::optional<LotReportData> loadLotReport(const QString& connectionName, const Lot& lot,
                                           QString& error, const TrendStandard& trendOf = {});
// The same from the QC records given (a file's or a server's), the shade
// steps from the bench's index settings.
std::optional<LotReportData> loadLotReport(QualityRecords& records, IndexSettingsStore& settings,
                                           const Lot& lot, QString& error,
                                           const TrendStandard& trendOf = {});

// PASS, WARN and FAIL counts, in that order.
struct VerdictCounts {
    int pass = 0;
    int warn = 0;
    int fail = 0;
};
VerdictCounts countVerdicts(const QVector<QualityStore::HistoryEntry>& entries);

// The first page: the lot, the counts, what the samples were judged against,
// the run charts with Cp/Cpk and the shade groups; then the table of samples
// over as many pages as it needs. Paints on a PDF writer or a printer the
// painter is already begun on; false when a new page cannot be started.
bool paintLotReport(QPagedPaintDevice& device, QPainter& painter, const LotReportData& report,
                    const Language& language);
// The lot report's font size, on paper and in PDF files alike.
inline constexpr double kLotReportPointSize = 9;
// An A4 PDF; false when the file cannot be written.
bool writeLotReport(const QString& path, const LotReportData& report, const Language& language);

}  // namespace colorcard
