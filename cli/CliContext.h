// SPDX-License-Identifier: MIT
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "store/StoreConnection.h"
#include "texts/BilingualText.h"

namespace colorcard {

// Exit status of the command line program.
enum CliExit { ExitSuccess = 0, ExitFailure = 1, ExitUsage = 2 };

// What a subcommand gets: its arguments, the output streams and the shared
// options (--help, --database). Errors are one line on stderr.
class CliContext {
public:
    CliContext(const QString& command, const QStringList& arguments, const Language& language);

    QString command() const { return command_; }
    const Language& language() const { return language_; }
    QTextStream& out() { return out_; }
    // What would go to stdout goes into text instead (the help, read by
    // the completion).
    void captureOutput(QString* text) { out_.setString(text); }

    // Adds --help and --database to the parser and parses the arguments;
    // numbers such as "-3.5" are positional arguments, not options. With
    // --help prints the help and returns false with exitCode() 0; on a wrong
    // option or a positional count outside [minimum, maximum] prints the
    // error and returns false with exitCode() 2.
    bool parse(QCommandLineParser& parser, const BilingualText& summary, int minimum, int maximum,
               const QString& positionalNames);
    int exitCode() const { return exitCode_; }

    // Prints "colorcard-cli: message" to stderr and returns the status.
    int fail(const QString& message, int status = ExitFailure);
    int fail(const BilingualText& text, int status = ExitFailure) {
        return fail(text.in(language_), status);
    }

    // --database, or the database the window uses.
    QString databasePath() const;
    // Opens the store; on failure prints why and returns false.
    bool openStore(StoreConnection& connection, StoreConnection::Mode mode);

    // The positional argument as a finite number; otherwise prints an error.
    bool number(const QString& text, double& value);

private:
    QString command_;
    QStringList arguments_;
    Language language_;
    QTextStream out_;
    QTextStream err_;
    QString database_;
    int exitCode_ = ExitSuccess;
};

using CliCommand = int (*)(CliContext&);

struct CliSubcommand {
    const char* name;
    BilingualText summary;
    CliCommand run;
};

// Every subcommand, in the order the help lists them.
const QVector<CliSubcommand>& cliSubcommands();

// The whole program: arguments as main() gets them (without the program name).
int runCli(const QStringList& arguments);

}  // namespace colorcard
