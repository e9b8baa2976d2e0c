// SPDX-License-Identifier: MIT
#include "cli/Commands.h"
#include "texts/CliTexts.h"
#include "texts/IndexTexts.h"
#include "texts/LibraryFileTexts.h"
#include "texts/ReportTexts.h"
#include "texts/ServerTexts.h"
#include "texts/StoreWindowTexts.h"

namespace colorcard {

const QVector<CliSubcommand>& cliSubcommands() {
    static const QVector<CliSubcommand> table = {
        {"libraries", CliText::LibrariesSummary, runLibraries},
        {"colours", CliText::ColoursSummary, runColours},
        {"delta-e", CliText::DeltaESummary, runDeltaE},
        {"nearest", CliText::NearestSummary, runNearest},
        {"export", LibraryFileText::ExportSummary, runExport},
        {"import", LibraryFileText::ImportSummary, runImport},
        {"history", ReportText::HistorySummary, runHistory},
        {"trend", ReportText::TrendSummary, runTrend},
        {"report", ReportText::ReportSummary, runReport},
        {"lots", ReportText::LotsSummary, runLots},
        {"compare", ReportText::CompareSummary, runCompare},
        {"index", IndexText::IndexSummary, runIndex},
        {"shade-sort", IndexText::ShadeSortSummary, runShadeSort},
        {"server", ServerText::ServerSummary, runServer},
        {"migrate", ServerText::MigrateSummary, runMigrate},
        {"audit", ServerText::AuditSummary, runAudit},
        {"backups", StoreWindowText::BackupsSummary, runBackups},
        {"restore", StoreWindowText::RestoreSummary, runRestore},
    };
    return table;
}

}  // namespace colorcard
