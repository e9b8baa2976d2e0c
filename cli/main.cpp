// SPDX-License-Identifier: MIT
#include <QGuiApplication>
#include <memory>

#include "cli/CliContext.h"

using namespace colorcard;

int main(int argc, char** argv) {
    // A report draws text, which needs the toolkit's fonts but never a
    // display; every other command needs neither.
    bool drawing = false;
    for (int i = 1; i < argc; ++i)
        drawing = drawing || qstrcmp(argv[i], "report") == 0;
    if (drawing)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app(drawing ? new QGuiApplication(argc, argv)
                                                        : new QCoreApplication(argc, argv));
    // The same name as the window, so the default store is the same file.
    QCoreApplication::setApplicationName(QStringLiteral("ColorCard"));
    return runCli(app->arguments().mid(1));
}
