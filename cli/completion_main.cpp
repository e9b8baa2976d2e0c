// SPDX-License-Identifier: MIT
// Writes the bash completion of colorcard-cli into the file given (build time).
#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#include "cli/Completion.h"

using namespace colorcard;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bashCompletion().toUtf8()) < 0 || !file.flush()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
