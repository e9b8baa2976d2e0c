// SPDX-License-Identifier: MIT
#include "cli/Completion.h"

#include <QRegularExpression>

#include "cli/CliContext.h"

namespace colorcard {

namespace {

// Qt's help lists one option a line: "  -h, --help   Shows ..." or
// "  --format <F>   File ...".
QList<CliOptionNames> optionsOfHelp(const QString& help) {
    static const QRegularExpression line(
        QStringLiteral("^  (-[-\\w]+(?:, -[-\\w]+)*)( <[^>]+>)?(?:  |$)"),
        QRegularExpression::MultilineOption);
    QList<CliOptionNames> options;
    for (auto it = line.globalMatch(help); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        options << CliOptionNames{match.captured(1).split(QStringLiteral(", ")),
                                  match.capturedLength(2) > 0};
    }
    return options;
}

QStringList allNames(const QList<CliOptionNames>& options, bool valued) {
    QStringList names;
    for (const CliOptionNames& option : options)
        if (!valued || option.takesValue)
            names << option.names;
    return names;
}

}  // namespace

QList<CliCommandOptions> cliCommandOptions() {
    QList<CliCommandOptions> commands;
    for (const CliSubcommand& subcommand : cliSubcommands()) {
        const QString name = QString::fromLatin1(subcommand.name);
        QString help;
        CliContext cli(name, {QStringLiteral("--help")}, Language::english());
        cli.captureOutput(&help);
        subcommand.run(cli);
        commands << CliCommandOptions{name, optionsOfHelp(help)};
    }
    return commands;
}

QString bashCompletion() {
    const QList<CliCommandOptions> commands = cliCommandOptions();
    QStringList names;
    QString cases;
    for (const CliCommandOptions& command : commands) {
        names << command.command;
        cases += QStringLiteral(
                     "        %1)\n            options=\"%2\"\n"
                     "            valued=\"%3\" ;;\n")
                     .arg(command.command, allNames(command.options, false).join(QLatin1Char(' ')),
                          allNames(command.options, true).join(QLatin1Char(' ')));
    }
    return QStringLiteral(
               "# bash completion for colorcard-cli, written by its own table of subcommands.\n"
               "_colorcard_cli() {\n"
               "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}\n"
               "    local command=\"\" options valued i\n"
               "    for ((i = 1; i < COMP_CWORD; i++)); do\n"
               "        case ${COMP_WORDS[i]} in\n"
               "            --database) ((i++)) ;;\n"
               "            -*) ;;\n"
               "            *) command=${COMP_WORDS[i]}; break ;;\n"
               "        esac\n"
               "    done\n"
               "    case $command in\n"
               "        \"\")\n"
               "            options=\"--help --database\"\n"
               "            valued=\"--database\" ;;\n"
               "%1"
               "        *) return ;;\n"
               "    esac\n"
               "    COMPREPLY=()\n"
               "    if [[ $prev == --database ]]; then\n"
               "        mapfile -t COMPREPLY < <(compgen -f -- \"$cur\")\n"
               "    elif [[ \" $valued \" == *\" $prev \"* ]]; then\n"
               "        return\n"
               "    elif [[ $cur == -* ]]; then\n"
               "        mapfile -t COMPREPLY < <(compgen -W \"$options\" -- \"$cur\")\n"
               "    elif [[ -z $command ]]; then\n"
               "        mapfile -t COMPREPLY < <(compgen -W \"%2 help\" -- \"$cur\")\n"
               "    else\n"
               "        mapfile -t COMPREPLY < <(compgen -f -- \"$cur\")\n"
               "    fi\n"
               "}\n"
               "complete -o filenames -F _colorcard_cli colorcard-cli\n")
        .arg(cases, names.join(QLatin1Char(' ')));
}

}  // namespace colorcard
