// SPDX-License-Identifier: MIT
// What is written about the command line beside it: its manual page names
// every subcommand and option, and the bash completion made from the
// subcommand table completes them.

#include <QFile>
#include <QProcess>
#include <QtTest>

#include "cli/Completion.h"

using namespace colorcard;

class CliDocsTest : public QObject {
    Q_OBJECT
private slots:
    void manualPageNamesEverything() {
        QFile file(QStringLiteral(COLORCARD_CLI_MANUAL));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(file.readAll());
        const QList<CliCommandOptions> commands = cliCommandOptions();
        QVERIFY(commands.size() >= 6);
        for (const CliCommandOptions& command : commands) {
            // Every subcommand reads its options from its help: --help and
            // --database at least, or the help was not read.
            QVERIFY2(command.options.size() >= 2, qPrintable(command.command));
            QString roff = command.command;
            QVERIFY2(page.contains(".BR " + roff.replace("-", "\\-")), qPrintable(command.command));
            for (const CliOptionNames& option : command.options)
                for (QString name : option.names)
                    QVERIFY2(page.contains(name.replace("-", "\\-") + QLatin1Char(' ')) ||
                                 page.contains(name + QLatin1Char('\n')) ||
                                 page.contains(name + QLatin1String("\\f")),
                             qPrintable(command.command + ' ' + name));
        }
    }

    // Words typed so far (the last is being completed) and what bash offers.
    void completion_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("offered");
        QTest::newRow("subcommand") << "colorcard-cli im"
                                    << "import";
        QTest::newRow("subcommand after --database") << "colorcard-cli --database x.db ex"
                                                     << "export";
        QTest::newRow("option of import") << "colorcard-cli import --sk"
                                          << "--skip-existing";
        QTest::newRow("options of nearest") << "colorcard-cli nearest --co"
                                            << "--count";
        QTest::newRow("a value is not an option") << "colorcard-cli export --format "
                                                  << "";
        QTest::newRow("a short option") << "colorcard-cli delta-e -"
                                        << "-h -l -c";
    }
    void completion() {
        QFETCH(QString, line);
        QFETCH(QString, offered);
        QStringList words = line.split(' ');
        QString script = QStringLiteral(". '" COLORCARD_CLI_COMPLETION "'\nCOMP_WORDS=(");
        for (const QString& word : words)
            script += " '" + word + "'";
        script += QStringLiteral(
                      " )\nCOMP_CWORD=%1\n_colorcard_cli\n"
                      "printf '%s\\n' \"${COMPREPLY[@]}\"\n")
                      .arg(words.size() - 1);
        QProcess bash;
        bash.start(QStringLiteral("bash"), {QStringLiteral("-c"), script});
        QVERIFY(bash.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(bash.readAllStandardError()), QString());
        QStringList got = QString::fromUtf8(bash.readAllStandardOutput()).split('\n');
        got.removeAll(QString());
        // Short and long options come in the help's order; -h and --help both.
        const QStringList wanted = offered.split(' ', Qt::SkipEmptyParts);
        for (const QString& word : wanted)
            QVERIFY2(got.contains(word), qPrintable(got.join(' ')));
        for (const QString& word : got)
            QVERIFY2(word.startsWith(words.last()), qPrintable(word));
        if (wanted.isEmpty())
            QCOMPARE(got, QStringList());
    }
};

QTEST_GUILESS_MAIN(CliDocsTest)
#include "tst_clidocs.moc"
