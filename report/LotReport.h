// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QVector>

#include "colour/ShadeSort.h"
#include "store/QualityStore.h"
#include "texts/Language.h"

class QPagedPaintDevice;
class QPainter;

// What the report of a lot shows.
struct LotReportData {
    Lot lot;
    QVector<QualityStore::HistoryEntry> oldestFirst;
    // The model of the lot's last standard: the trend's tolerance limits.
    ToleranceModel model;
    ShadeSteps steps;
};

// The lot's comparisons, the model of its last standard and that library's
// shade steps, read from the store on the connection; nullopt with error set
// when the store cannot be read.
std::optional<LotReportData> loadLotReport(const QString& connectionName, const Lot& lot,
                                           QString& error);

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
// An A4 PDF; false when the file cannot be written.
bool writeLotReport(const QString& path, const LotReportData& report, const Language& language);
