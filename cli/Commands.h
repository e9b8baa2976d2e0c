// SPDX-License-Identifier: MIT
#pragma once

#include "cli/CliContext.h"

namespace colorcard {

int runLibraries(CliContext& cli);
int runColours(CliContext& cli);
int runDeltaE(CliContext& cli);
int runNearest(CliContext& cli);
int runExport(CliContext& cli);
int runImport(CliContext& cli);
int runHistory(CliContext& cli);
int runTrend(CliContext& cli);
int runReport(CliContext& cli);
int runIndex(CliContext& cli);
int runShadeSort(CliContext& cli);
int runLots(CliContext& cli);
int runCompare(CliContext& cli);
int runServer(CliContext& cli);
int runMigrate(CliContext& cli);
int runAudit(CliContext& cli);
int runBackups(CliContext& cli);
int runRestore(CliContext& cli);

}  // namespace colorcard
