// SPDX-License-Identifier: MIT
#include <QCoreApplication>

#include "CliContext.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The same name as the window, so the default store is the same file.
    QCoreApplication::setApplicationName(QStringLiteral("ColorCard"));
    return runCli(app.arguments().mid(1));
}
