// SPDX-License-Identifier: MIT
#include "cli/CliContext.h"

#include <QDir>
#include <cmath>
#include <cstdio>

#include "compat/QtCompat.h"
#include "server/ServerUrl.h"
#include "store/ColorCardStore.h"
#include "store/TextSafety.h"
#include "texts/CliTexts.h"
#include "texts/ServerTexts.h"

namespace colorcard {

namespace {

// Numbers such as "-3.5" would read as options; they travel behind this
// mark through the parser and lose it afterwards.
const QChar kNumberMark(0xE000);

bool looksNegative(const QString& argument) {
    return argument.size() > 1 && argument[0] == QLatin1Char('-') &&
           (argument[1].isDigit() ||
            (argument[1] == QLatin1Char('.') && argument.size() > 2 && argument[2].isDigit()));
}

QString unmarked(QString text) {
    if (text.startsWith(kNumberMark))
        text.remove(0, 1);
    return text;
}

// Chinese where the user's locale says so, English otherwise.
Language localeLanguage() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value.startsWith(QLatin1String("zh")) ? Language::chinese()
                                                         : Language::english();
    }
    return Language::english();
}

QTextStream& utf8(QTextStream& stream) {
    // Names are printed as they are, whatever the locale's own encoding.
    QtCompat::setUtf8(stream);
    return stream;
}

QString generalHelp(const Language& language) {
    QString text = QStringLiteral("Usage: colorcard-cli <command> [options] ...\n") +
                   CliText::Description.in(language) + QStringLiteral("\n\n") +
                   CliText::CommandsHeading.in(language) + QLatin1Char('\n');
    for (const CliSubcommand& command : cliSubcommands())
        text += QStringLiteral("  %1%2\n")
                    .arg(QString::fromLatin1(command.name), -12)
                    .arg(command.summary.in(language));
    text += QLatin1Char('\n') + CliText::CommandHelpHint.in(language) + QLatin1Char('\n');
    return text;
}

}  // namespace

CliContext::CliContext(const QString& command, const QStringList& arguments,
                       const Language& language)
    : command_(command), arguments_(arguments), language_(language), out_(stdout), err_(stderr) {
    utf8(out_);
    utf8(err_);
}

bool CliContext::parse(QCommandLineParser& parser, const BilingualText& summary, int minimum,
                       int maximum, const QString& positionalNames) {
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  CliText::HelpOption.in(language_));
    const QCommandLineOption database(
        QStringLiteral("database"), CliText::DatabaseOption.in(language_), QStringLiteral("PATH"));
    parser.addOption(help);
    parser.addOption(database);
    parser.setApplicationDescription(summary.in(language_));

    QStringList arguments{QStringLiteral("colorcard-cli")};
    for (const QString& argument : arguments_)
        arguments << (looksNegative(argument) ? kNumberMark + argument : argument);
    if (!parser.parse(arguments)) {
        exitCode_ = fail(command_ + QStringLiteral(": ") + unmarked(parser.errorText()), ExitUsage);
        return false;
    }
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        const int firstLineEnd = text.indexOf(QLatin1Char('\n'));
        text.replace(0, firstLineEnd,
                     QStringLiteral("Usage: colorcard-cli %1 [options] %2")
                         .arg(command_, positionalNames)
                         .trimmed());
        out_ << text;
        out_.flush();
        exitCode_ = ExitSuccess;
        return false;
    }
    database_ = unmarked(parser.value(database));
    const int count = parser.positionalArguments().size();
    if (count < minimum || count > maximum) {
        exitCode_ =
            fail(CliText::ArgumentCount.in(language_).arg(command_, positionalNames), ExitUsage);
        return false;
    }
    return true;
}

int CliContext::fail(const QString& message, int status) {
    err_ << QStringLiteral("colorcard-cli: ") << TextSafety::visible(unmarked(message).simplified())
         << '\n';
    err_.flush();
    exitCode_ = status;
    return status;
}

QString CliContext::databasePath() const {
    if (!database_.isEmpty())
        return database_;
    // The lab's shared store for every command of this shell, unless --database says otherwise.
    const QString environment = qEnvironmentVariable("COLORCARD_DATABASE");
    if (!environment.isEmpty())
        return environment;
    return QDir(ColorCardStore::defaultDirectory()).filePath(QStringLiteral("database.db"));
}

bool CliContext::openStore(StoreConnection& connection, StoreConnection::Mode mode) {
    const QString path = databasePath();
    if (ServerUrl::looksLikeServer(path)) {
        fail(ServerText::FileOnly.in(language_).arg(command_));
        return false;
    }
    if (mode == StoreConnection::Mode::ReadOnly && !QFileInfo(path).isFile()) {
        fail(CliText::NoDatabase.in(language_).arg(QDir::toNativeSeparators(path)));
        return false;
    }
    if (!connection.open(path, mode)) {
        fail(CliText::StoreUnreadable.in(language_).arg(QDir::toNativeSeparators(path),
                                                        connection.error()));
        return false;
    }
    return true;
}

bool CliContext::number(const QString& text, double& value) {
    bool ok = false;
    const QString plain = unmarked(text);
    value = plain.toDouble(&ok);
    if (ok && std::isfinite(value))
        return true;
    fail(CliText::NotANumber.in(language_).arg(plain), ExitUsage);
    return false;
}

int runCli(const QStringList& arguments) {
    const Language language = localeLanguage();
    // The command is the first argument that is not a shared option (or its value).
    int at = 0;
    while (at < arguments.size()) {
        const QString& argument = arguments[at];
        if (argument == QLatin1String("--database"))
            at += 2;
        else if (argument.startsWith(QLatin1String("--database=")))
            ++at;
        else
            break;
    }
    if (at >= arguments.size() || arguments[at] == QLatin1String("--help") ||
        arguments[at] == QLatin1String("-h") || arguments[at] == QLatin1String("help")) {
        CliContext cli(QString(), {}, language);
        if (at >= arguments.size())
            return cli.fail(CliText::NoCommand, ExitUsage);
        cli.out() << generalHelp(language);
        return ExitSuccess;
    }
    const QString name = arguments[at];
    QStringList rest = arguments.mid(0, at) + arguments.mid(at + 1);
    for (const CliSubcommand& command : cliSubcommands()) {
        if (name == QLatin1String(command.name)) {
            CliContext cli(name, rest, language);
            return command.run(cli);
        }
    }
    CliContext cli(name, rest, language);
    return cli.fail(CliText::UnknownCommand.in(language).arg(name), ExitUsage);
}

}  // namespace colorcard
