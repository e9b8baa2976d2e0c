// SPDX-License-Identifier: MIT
// The five nearest of 20000 standards, by each formula: the time of one
// search on the loaded standards, median and worst of many samples; then the
// time to load them from a store of 20 libraries and search once, as the
// command line does.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

#include "colour/NearestStandards.h"
#include "store/ColorCardStore.h"
#include "store/LibraryReader.h"
#include "store/StoreConnection.h"

using namespace colorcard;

namespace {

Lab randomLab(QRandomGenerator& random) {
    return Lab{random.bounded(100.0), random.bounded(220.0) - 110, random.bounded(220.0) - 110};
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int standards = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 20000;
    const int samples = 200;
    QRandomGenerator random(13);
    StandardIndex index;
    index.reserve(standards);
    for (int i = 0; i < standards; ++i) {
        const int library = i % 20;
        index.add(Standard{QStringLiteral("ColorCard%1").arg(library),
                           QStringLiteral("Library %1").arg(library),
                           QStringLiteral("ColorData%1").arg(i), QStringLiteral("Colour %1").arg(i),
                           randomLab(random)});
    }
    QTextStream out(stdout);
    out << "nearest 5 of " << standards << " standards, " << samples << " samples\n";
    const QList<DifferenceMethod> methods = {
        DifferenceMethod::cie76(), DifferenceMethod::cie94(), DifferenceMethod::cie94(true),
        DifferenceMethod::cmc(2, 1), DifferenceMethod::ciede2000()};
    double checksum = 0;
    for (const DifferenceMethod& method : methods) {
        QVector<double> times;
        for (int s = 0; s < samples; ++s) {
            const Lab sample = randomLab(random);
            QElapsedTimer timer;
            timer.start();
            const auto found = index.nearest(sample, method, 5);
            times << timer.nsecsElapsed() / 1e6;
            checksum += found.value(0).deltaE;
        }
        std::sort(times.begin(), times.end());
        out << qSetFieldWidth(20) << Qt::left << formulaLabel(method, Language::english())
            << qSetFieldWidth(0) << " median " << QString::number(times[times.size() / 2], 'f', 2)
            << " ms, worst " << QString::number(times.last(), 'f', 2) << " ms\n";
    }

    // The same standards in a store, 20 libraries.
    QTemporaryDir dir;
    ColorCardStore store(dir.path());
    store.openDatabase();
    const int libraries = 20;
    for (int library = 0; library < libraries; ++library) {
        const QString id = store.makeLibraryId(library + 1);
        store.createColorDataTable(id);
        store.insertLibrary(id, QStringLiteral("CM-1"), QStringLiteral("Library %1").arg(library),
                            QString(), QString());
        QStringList ids, names, L, a, b;
        for (int i = library; i < standards; i += libraries) {
            const Standard& s = index.standards()[i];
            ids << s.colourId;
            names << s.colourName;
            L << QString::number(s.lab.L, 'f', 2);
            a << QString::number(s.lab.a, 'f', 2);
            b << QString::number(s.lab.b, 'f', 2);
        }
        store.insertColorDataBatchLab(id, ids, names, L, a, b);
    }
    QVector<double> loads;
    for (int run = 0; run < 20; ++run) {
        QElapsedTimer timer;
        timer.start();
        StoreConnection connection;
        connection.open(store.databasePath(), StoreConnection::Mode::ReadOnly);
        const auto loaded = LibraryReader(connection.connectionName()).standards();
        const auto found = loaded->nearest(randomLab(random), DifferenceMethod::ciede2000(), 5);
        loads << timer.nsecsElapsed() / 1e6;
        checksum += found.value(0).deltaE + loaded->size();
    }
    std::sort(loads.begin(), loads.end());
    out << "open the store, load " << standards
        << QStringLiteral(" standards and search by ΔE00: median ")
        << QString::number(loads[loads.size() / 2], 'f', 1) << " ms, worst "
        << QString::number(loads.last(), 'f', 1) << " ms\n";
    out << "(checksum " << checksum << ")\n";
    return 0;
}
