// SPDX-License-Identifier: MIT
// The lab's shared store on a PostgreSQL server under load:
//  1. four processes (benches) measure into one library and record a
//     comparison for each sample, for a while (default 60 s); each counts
//     what the server confirmed, and afterwards the server's rows are
//     counted: lost = confirmed - found. Prints the p95 and the worst store
//     latency of one sample (colour and comparison, one transaction each).
//  2. a full meter export (46 libraries, 20000 colours with all nineteen
//     values) stored on the server in one transaction: the store time.
//
//   bench_server --url postgresql://user@host/db [--seconds 60] [--benches 4]
// The role needs colorcard_supervisor (it adds libraries); the bench's
// libraries are removed at the end.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>

#include "server/PgRepository.h"
#include "server/ServerSchema.h"
#include "server/ServerUrl.h"

using namespace colorcard;

namespace {

const QString kSharedLibrary = QStringLiteral("ColorCard9990101000000");
const int kExportLibraries = 46;
const int kExportColours = 20000;

Colour sample(int n) {
    QStringList values;
    for (int c = 0; c < ColorColumns::ValueCount; ++c)
        values << QString::number((n * 37 + c * 11) % 10000 / 100.0, 'f', 2);
    Colour colour = Colour::fromValues(QStringLiteral("Sample %1").arg(n), values);
    colour.id = QStringLiteral("ColorData%1").arg(n);
    return colour;
}

bool connect(const ServerUrl& url, const QString& name, const QString& bench) {
    QSqlDatabase db = url.addDatabase(name, bench);
    if (!db.open()) {
        std::fprintf(stderr, "cannot connect: %s\n", qPrintable(db.lastError().text()));
        return false;
    }
    const ServerSchema::Result schema = ServerSchema::migrate(db);
    if (!schema.ok)
        std::fprintf(stderr, "schema: %s\n", qPrintable(schema.error));
    return schema.ok;
}

double percentile(QVector<double> values, double p) {
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(int(values.size()) - 1, int(values.size() * p))];
}

// One bench: prints "confirmed <n>" and one latency in ms a line.
int worker(const ServerUrl& url, int bench, int seconds) {
    if (!connect(url, QStringLiteral("worker"), QStringLiteral("bench-%1").arg(bench)))
        return 1;
    PgRepository repository(QSqlDatabase::database(QStringLiteral("worker"), false));
    QElapsedTimer clock;
    clock.start();
    int confirmed = 0;
    QVector<double> latencies;
    while (clock.elapsed() < seconds * 1000) {
        QElapsedTimer one;
        one.start();
        QVector<Colour> colours{sample(bench * 1000000 + confirmed)};
        HistoryEntry entry;
        entry.libraryId = kSharedLibrary;
        entry.colourId = colours[0].id;
        entry.sample = Lab{50, 1, 2};
        entry.deltaE = 0.7;
        entry.pass = true;
        const bool ok = repository.begin() && repository.addColours(kSharedLibrary, colours) &&
                        repository.addHistory(entry) && repository.commit();
        if (!ok) {
            std::fprintf(stderr, "bench %d: %s\n", bench, qPrintable(repository.error()));
            repository.rollback();
            continue;
        }
        latencies << one.nsecsElapsed() / 1e6;
        ++confirmed;
    }
    std::printf("confirmed %d\n", confirmed);
    for (double ms : latencies)
        std::printf("%.3f\n", ms);
    return 0;
}

qint64 count(QSqlDatabase& db, const QString& sql) {
    QSqlQuery query(db);
    return query.exec(sql) && query.next() ? query.value(0).toLongLong() : -1;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption urlOption(QStringLiteral("url"), QStringLiteral("The server."),
                                       QStringLiteral("URL"));
    const QCommandLineOption secondsOption(QStringLiteral("seconds"),
                                           QStringLiteral("How long the benches measure."),
                                           QStringLiteral("N"), QStringLiteral("60"));
    const QCommandLineOption benchesOption(QStringLiteral("benches"),
                                           QStringLiteral("How many benches measure at once."),
                                           QStringLiteral("N"), QStringLiteral("4"));
    const QCommandLineOption workerOption(QStringLiteral("worker"), QStringLiteral("(internal)"),
                                          QStringLiteral("N"));
    parser.addOptions({urlOption, secondsOption, benchesOption, workerOption});
    parser.addHelpOption();
    parser.process(app);
    const std::optional<ServerUrl> url = ServerUrl::parse(parser.value(urlOption));
    if (!url) {
        std::fprintf(stderr, "name the server: --url postgresql://user@host/database\n");
        return 2;
    }
    const int seconds = std::max(1, parser.value(secondsOption).toInt());
    if (parser.isSet(workerOption))
        return worker(*url, parser.value(workerOption).toInt(), seconds);

    if (!connect(*url, QStringLiteral("main"), QStringLiteral("bench-main")))
        return 1;
    QSqlDatabase db = QSqlDatabase::database(QStringLiteral("main"), false);
    PgRepository repository(db);
    repository.removeLibrary(kSharedLibrary);
    Library shared;
    shared.id = kSharedLibrary;
    shared.name = QStringLiteral("bench_server");
    if (!repository.addLibrary(shared)) {
        std::fprintf(stderr, "%s\n", qPrintable(repository.error()));
        return 1;
    }
    const qint64 historyBefore = count(db, QStringLiteral("SELECT count(*) FROM "
                                                          "colorcard.comparisons WHERE "
                                                          "library_key = '%1'")
                                               .arg(kSharedLibrary));

    // 1. Several benches at once.
    const int benches = std::max(1, parser.value(benchesOption).toInt());
    QVector<QProcess*> workers;
    for (int b = 1; b <= benches; ++b) {
        auto* process = new QProcess(&app);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("--url"), url->withoutPassword(), QStringLiteral("--seconds"),
             QString::number(seconds), QStringLiteral("--worker"), QString::number(b)});
        workers << process;
    }
    qint64 confirmed = 0;
    QVector<double> latencies;
    for (QProcess* process : workers) {
        process->waitForFinished(seconds * 1000 + 60000);
        const QStringList lines =
            QString::fromUtf8(process->readAllStandardOutput()).split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            if (line.startsWith(QLatin1String("confirmed ")))
                confirmed += line.mid(10).toLongLong();
            else if (!line.isEmpty())
                latencies << line.toDouble();
        }
    }
    const qint64 colours = count(db, QStringLiteral("SELECT count(*) FROM colorcard.colours c "
                                                    "JOIN colorcard.libraries l ON l.id = "
                                                    "c.library_id WHERE l.library_key = '%1'")
                                         .arg(kSharedLibrary));
    const qint64 history = count(db, QStringLiteral("SELECT count(*) FROM "
                                                    "colorcard.comparisons WHERE "
                                                    "library_key = '%1'")
                                         .arg(kSharedLibrary)) -
                           historyBefore;
    std::printf(
        "%d benches, %d s: %lld samples confirmed, %lld colours and %lld comparisons "
        "found; lost %lld\n",
        benches, seconds, confirmed, colours, history,
        (confirmed - colours) + (confirmed - history));
    std::printf("store latency of one sample: p50 %.1f ms, p95 %.1f ms, worst %.1f ms\n",
                percentile(latencies, 0.5), percentile(latencies, 0.95),
                latencies.isEmpty() ? 0.0 : *std::max_element(latencies.begin(), latencies.end()));
    repository.removeLibrary(kSharedLibrary);

    // 2. A full meter export stored on the server.
    QVector<Library> libraries;
    for (int l = 0; l < kExportLibraries; ++l) {
        Library library;
        library.id = QStringLiteral("ColorCard%1990101000001").arg(l + 1);
        library.meterNumber = QStringLiteral("2301");
        library.name = QStringLiteral("Library %1").arg(l + 1);
        const int n = kExportColours / kExportLibraries + (l < kExportColours % kExportLibraries);
        for (int i = 0; i < n; ++i)
            library.colours << sample(i);
        libraries << library;
    }
    for (const Library& library : libraries)
        repository.removeLibrary(library.id);
    QElapsedTimer timer;
    timer.start();
    bool ok = repository.begin();
    for (Library& library : libraries)
        ok = ok && repository.addLibrary(library);
    ok = ok && repository.commit();
    const double storeSeconds = timer.nsecsElapsed() / 1e9;
    if (!ok) {
        std::fprintf(stderr, "export: %s\n", qPrintable(repository.error()));
        repository.rollback();
        return 1;
    }
    std::printf("full meter export (%d libraries, %d colours) stored on the server: %.2f s\n",
                kExportLibraries, kExportColours, storeSeconds);
    for (const Library& library : libraries)
        repository.removeLibrary(library.id);
    return 0;
}
