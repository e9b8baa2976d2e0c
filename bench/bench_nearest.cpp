// The five nearest of 20000 standards, by each formula: the time of one
// search on the loaded standards, median and worst of many samples.
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextStream>
#include <algorithm>

#include "NearestStandards.h"

namespace {

Lab randomLab(QRandomGenerator& random) {
    return Lab{random.bounded(100.0), random.bounded(220.0) - 110, random.bounded(220.0) - 110};
}

}  // namespace

int main(int argc, char** argv) {
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
        out << qSetFieldWidth(20) << Qt::left << method.label(false) << qSetFieldWidth(0)
            << " median " << QString::number(times[times.size() / 2], 'f', 2) << " ms, worst "
            << QString::number(times.last(), 'f', 2) << " ms\n";
    }
    out << "(checksum " << checksum << ")\n";
    return 0;
}
