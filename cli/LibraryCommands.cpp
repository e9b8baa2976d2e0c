// SPDX-License-Identifier: MIT
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <memory>

#include "cli/Commands.h"
#include "server/ServerUrl.h"
#include "server/StoreLocation.h"
#include "store/LibraryReader.h"
#include "store/TextSafety.h"
#include "texts/CliTexts.h"
#include "texts/ServerTexts.h"

namespace colorcard {

namespace {

QJsonValue numberOrNull(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? QJsonValue(value) : QJsonValue();
}

// Values i..i+count-1 as a JSON array.
QJsonArray group(const QStringList& values, int first, int count) {
    QJsonArray array;
    for (int i = first; i < first + count; ++i)
        array.append(numberOrNull(values.value(i)));
    return array;
}

void printJson(CliContext& cli, const QJsonArray& array) {
    cli.out() << TextSafety::jsonVisible(
        QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)));
}

int readerFailure(CliContext& cli, const LibraryReader& reader, const QString& library) {
    switch (reader.failure()) {
        case LibraryReader::Failure::NoLibrary:
            return cli.fail(CliText::NoLibrary.in(cli.language()).arg(library));
        case LibraryReader::Failure::AmbiguousName:
            return cli.fail(CliText::AmbiguousLibrary.in(cli.language())
                                .arg(library)
                                .arg(reader.sameNameCount()));
        default:
            return cli.fail(reader.error());
    }
}

}  // namespace

int runLibraries(CliContext& cli) {
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), CliText::JsonOption.in(cli.language()));
    parser.addOption(json);
    if (!cli.parse(parser, CliText::LibrariesSummary, 0, 0, QString()))
        return cli.exitCode();
    std::optional<QVector<Library>> libraries;
    if (ServerUrl::looksLikeServer(cli.databasePath())) {
        // The lab's shared store: read through the repository.
        QString error;
        const std::unique_ptr<Database> database =
            StoreLocation::database(cli.databasePath(), QStringLiteral("colorcard-cli"), &error);
        if (!database)
            return cli.fail(ServerText::BadUrl.in(cli.language()).arg(cli.databasePath()),
                            ExitUsage);
        if (!StoreLocation::open(*database, &error))
            return cli.fail(
                ServerText::CannotConnect.in(cli.language()).arg(database->display(), error));
        const std::unique_ptr<LibraryRepository> repository = StoreLocation::repository(*database);
        libraries = repository->libraries();
        if (!libraries)
            return cli.fail(ServerText::CannotConnect.in(cli.language())
                                .arg(database->display(), repository->error()));
    } else {
        StoreConnection connection;
        if (!cli.openStore(connection, StoreConnection::Mode::ReadOnly))
            return cli.exitCode();
        LibraryReader reader(connection.connectionName());
        libraries = reader.libraries();
        if (!libraries)
            return readerFailure(cli, reader, QString());
    }
    if (parser.isSet(json)) {
        QJsonArray array;
        for (const auto& library : *libraries)
            array.append(QJsonObject{{QStringLiteral("id"), library.id},
                                     {QStringLiteral("name"), library.name},
                                     {QStringLiteral("description"), library.description},
                                     {QStringLiteral("meterNumber"), library.meterNumber},
                                     {QStringLiteral("count"), numberOrNull(library.count)}});
        printJson(cli, array);
        return ExitSuccess;
    }
    // Identifier, name, colour count, description: one library a line, tab-separated.
    for (const auto& library : *libraries)
        cli.out() << library.id << '\t' << TextSafety::visible(library.name) << '\t'
                  << library.count << '\t' << TextSafety::visible(library.description) << '\n';
    return ExitSuccess;
}

int runColours(CliContext& cli) {
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), CliText::JsonOption.in(cli.language()));
    parser.addOption(json);
    parser.addPositionalArgument(QStringLiteral("LIBRARY"),
                                 CliText::ColoursLibraryArgument.in(cli.language()));
    if (!cli.parse(parser, CliText::ColoursSummary, 1, 1, QStringLiteral("LIBRARY")))
        return cli.exitCode();
    StoreConnection connection;
    if (!cli.openStore(connection, StoreConnection::Mode::ReadOnly))
        return cli.exitCode();
    LibraryReader reader(connection.connectionName());
    const QString library = parser.positionalArguments().first();
    const auto colours = reader.colours(library);
    if (!colours)
        return readerFailure(cli, reader, library);
    if (parser.isSet(json)) {
        QJsonArray array;
        for (const auto& colour : *colours)
            array.append(QJsonObject{{QStringLiteral("id"), colour.id},
                                     {QStringLiteral("name"), colour.name},
                                     {QStringLiteral("lab"), group(colour.values(), 0, 3)},
                                     {QStringLiteral("luv"), group(colour.values(), 3, 3)},
                                     {QStringLiteral("lch"), group(colour.values(), 6, 3)},
                                     {QStringLiteral("yxy"), group(colour.values(), 9, 3)},
                                     {QStringLiteral("cmyk"), group(colour.values(), 12, 4)},
                                     {QStringLiteral("rgb"), group(colour.values(), 16, 3)}});
        printJson(cli, array);
        return ExitSuccess;
    }
    // Identifier, name, L*, a*, b* as stored: one colour a line, tab-separated.
    for (const auto& colour : *colours)
        cli.out() << colour.id << '\t' << TextSafety::visible(colour.name) << '\t' << colour.labL
                  << '\t' << colour.laba << '\t' << colour.labb << '\n';
    return ExitSuccess;
}

}  // namespace colorcard
