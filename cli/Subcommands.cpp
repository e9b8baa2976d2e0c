#include "CliTexts.h"
#include "Commands.h"

const QVector<CliSubcommand>& cliSubcommands() {
    static const QVector<CliSubcommand> table = {
        {"libraries", CliText::LibrariesSummary, runLibraries},
        {"colours", CliText::ColoursSummary, runColours},
        {"delta-e", CliText::DeltaESummary, runDeltaE},
        {"nearest", CliText::NearestSummary, runNearest},
    };
    return table;
}
