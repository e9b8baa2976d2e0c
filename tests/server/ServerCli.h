// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// colorcard-cli run as a user runs it (plain C locale, no store from the
// environment), with what it printed and its exit status.
struct Cli {
    int status = -1;
    QString out;
    QString err;
};

inline Cli runCli(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("COLORCARD_DATABASE"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(COLORCARD_CLI), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
