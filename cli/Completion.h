// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace colorcard {

// The options of the subcommands as their own --help lists them, and the
// bash completion made from them: a new subcommand or option is completed
// without anyone writing it down twice.
struct CliOptionNames {
    QStringList names;  // "-h", "--help"
    bool takesValue = false;
};

struct CliCommandOptions {
    QString command;
    QList<CliOptionNames> options;
};

// Every subcommand of the table, in its order.
QList<CliCommandOptions> cliCommandOptions();

// The script for share/bash-completion/completions/colorcard-cli.
QString bashCompletion();

}  // namespace colorcard
