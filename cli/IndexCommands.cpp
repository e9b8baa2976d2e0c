// SPDX-License-Identifier: MIT
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>
#include <cmath>

#include "cli/Commands.h"
#include "cli/StandardLookup.h"
#include "colour/ColourIndices.h"
#include "colour/ShadeSort.h"
#include "store/IndexSettingsStore.h"
#include "store/LibraryReader.h"
#include "store/QualityStore.h"
#include "texts/CliTexts.h"
#include "texts/IndexTexts.h"
#include "texts/ReportTexts.h"
#include "workflow/SampleIndex.h"

namespace colorcard {

namespace {

QString fixed(double value, int decimals) {
    const QString text = QString::number(value, 'f', decimals);
    return text.startsWith(QLatin1Char('-')) && text.toDouble() == 0 ? text.mid(1) : text;
}

void printJson(CliContext& cli, const QJsonObject& object) {
    cli.out() << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

}  // namespace

int runIndex(CliContext& cli) {
    const Language language = cli.language();
    QCommandLineParser parser;
    const QCommandLineOption index(QStringLiteral("index"), IndexText::IndexOption.in(language),
                                   QStringLiteral("NAME"));
    const QCommandLineOption conditions(QStringLiteral("conditions"),
                                        IndexText::ConditionsOption.in(language),
                                        QStringLiteral("ILLUMINANT/OBSERVER"));
    const QCommandLineOption json(QStringLiteral("json"), IndexText::JsonValueOption.in(language));
    for (const QCommandLineOption* option : {&index, &conditions, &json})
        parser.addOption(*option);
    parser.addPositionalArgument(QStringLiteral("L a b"), CliText::NearestArguments.in(language));
    if (!cli.parse(parser, IndexText::IndexSummary, 3, 3, QStringLiteral("L a b")))
        return cli.exitCode();
    if (!parser.isSet(index))
        return cli.fail(IndexText::NoIndexChosen, ExitUsage);
    const std::optional<ColourIndex> chosen = indexFromCode(parser.value(index));
    if (!chosen || *chosen == ColourIndex::None)
        return cli.fail(IndexText::UnknownIndex.in(language).arg(parser.value(index)), ExitUsage);
    MeasuringConditions under = SampleIndex::conditions();
    if (parser.isSet(conditions)) {
        const auto given = MeasuringConditions::parse(parser.value(conditions));
        if (!given)
            return cli.fail(IndexText::BadConditions.in(language).arg(parser.value(conditions)),
                            ExitUsage);
        under = *given;
    }
    const QStringList arguments = parser.positionalArguments();
    Lab lab;
    if (!cli.number(arguments[0], lab.L) || !cli.number(arguments[1], lab.a) ||
        !cli.number(arguments[2], lab.b))
        return cli.exitCode();

    const IndexValue value = colourIndex(*chosen, lab, under);
    if (!value.computed())
        return cli.fail(indexCode(*chosen) + QStringLiteral(": ") +
                        SampleIndex::valueText(*chosen, value, under, language));
    if (parser.isSet(json)) {
        printJson(cli, QJsonObject{{QStringLiteral("index"), indexCode(*chosen)},
                                   {QStringLiteral("illuminant"), under.illuminant},
                                   {QStringLiteral("observer"), under.observer},
                                   {QStringLiteral("value"), fixed(value.value, 4).toDouble()},
                                   {QStringLiteral("inRange"), value.inRange}});
        return ExitSuccess;
    }
    // The value; outside the formula's range the mark follows after a tab.
    cli.out() << fixed(value.value, 2);
    if (!value.inRange)
        cli.out() << '\t' << IndexText::OutOfRange.in(language);
    cli.out() << '\n';
    return ExitSuccess;
}

int runShadeSort(CliContext& cli) {
    const Language language = cli.language();
    QCommandLineParser parser;
    const QCommandLineOption standard(QStringLiteral("standard"),
                                      IndexText::StandardOption.in(language),
                                      QStringLiteral("LIBRARY/COLOUR"));
    const QCommandLineOption lot(QStringLiteral("lot"), ReportText::LotOption.in(language),
                                 QStringLiteral("NAME"));
    const QCommandLineOption json(QStringLiteral("json"), CliText::JsonOption.in(language));
    parser.addOption(standard);
    parser.addOption(lot);
    parser.addOption(json);
    if (!cli.parse(parser, IndexText::ShadeSortSummary, 0, 0, QString()))
        return cli.exitCode();
    if (!parser.isSet(standard) && !parser.isSet(lot))
        return cli.fail(IndexText::NoStandardChosen, ExitUsage);

    StoreConnection connection;
    if (!cli.openStore(connection, StoreConnection::Mode::ReadOnly))
        return cli.exitCode();
    LibraryReader reader(connection.connectionName());
    std::optional<ChosenStandard> chosen;
    if (parser.isSet(standard)) {
        chosen = findStandard(cli, reader, parser.value(standard));
        if (!chosen)
            return cli.exitCode();
    }
    QualityStore quality(connection.connectionName());
    HistoryFilter filter;
    if (chosen) {
        filter.libraryId = chosen->library.id;
        filter.colourId = chosen->colour.id;
    }
    if (parser.isSet(lot)) {
        const std::optional<Lot> found = quality.findLot(parser.value(lot));
        if (!found)
            return cli.fail(quality.error().isEmpty()
                                ? ReportText::NoSuchLot.in(language).arg(parser.value(lot))
                                : quality.error());
        filter.lotId = found->id;
    }
    const auto history = quality.history(filter);
    if (!history)
        return cli.fail(quality.error());
    // The comparisons oldest first, each against the standard as it was
    // recorded (a lot may hold several standards).
    QVector<QualityStore::HistoryEntry> entries;
    for (auto it = history->crbegin(); it != history->crend(); ++it)
        entries << *it;
    // The steps of the standard's library, or of the lot's last comparison.
    const QString libraryId = chosen              ? chosen->library.id
                              : entries.isEmpty() ? QString()
                                                  : entries.constLast().libraryId;
    const auto tolerance = quality.tolerance(libraryId);
    if (!tolerance)
        return cli.fail(quality.error());
    IndexSettingsStore settingsStore(connection.connectionName());
    const auto settings = settingsStore.settings(libraryId);
    if (!settings)
        return cli.fail(settingsStore.error());
    const ShadeSteps steps = settings->steps(tolerance->limit);
    QVector<ShadePair> pairs;
    for (const QualityStore::HistoryEntry& entry : entries)
        pairs << ShadePair{entry.standard, entry.sample};
    const ShadeSorting sorting = shadeSort(pairs, steps);

    if (parser.isSet(json)) {
        QJsonArray samples;
        for (int i = 0; i < entries.size(); ++i) {
            const QualityStore::HistoryEntry& e = entries[i];
            samples.append(
                QJsonObject{{QStringLiteral("id"), e.id},
                            {QStringLiteral("time"), e.time.toString(Qt::ISODate)},
                            {QStringLiteral("lab"), QJsonArray{e.sample.L, e.sample.a, e.sample.b}},
                            {QStringLiteral("code"), sorting.codes[i].text()},
                            {QStringLiteral("group"), sorting.groupOf[i] + 1}});
        }
        QJsonArray groups;
        for (int g = 0; g < sorting.groups.size(); ++g)
            groups.append(QJsonObject{{QStringLiteral("group"), g + 1},
                                      {QStringLiteral("code"), sorting.groups[g].code.text()},
                                      {QStringLiteral("count"), sorting.groups[g].count()}});
        printJson(
            cli, QJsonObject{{QStringLiteral("libraryId"), libraryId},
                             {QStringLiteral("library"), chosen ? chosen->library.name : QString()},
                             {QStringLiteral("colourId"), chosen ? chosen->colour.id : QString()},
                             {QStringLiteral("colour"), chosen ? chosen->colour.name : QString()},
                             {QStringLiteral("lot"), parser.value(lot)},
                             {QStringLiteral("steps"), QJsonObject{{QStringLiteral("L"), steps.L},
                                                                   {QStringLiteral("C"), steps.C},
                                                                   {QStringLiteral("H"), steps.H}}},
                             {QStringLiteral("samples"), samples},
                             {QStringLiteral("groups"), groups}});
        return ExitSuccess;
    }
    // Sample (history number and time), code, group: group by group, darkest
    // first, oldest first within a group; tab-separated.
    for (int g = 0; g < sorting.groups.size(); ++g) {
        for (int member : sorting.groups[g].members) {
            const QualityStore::HistoryEntry& e = entries[member];
            cli.out() << e.id << '\t'
                      << e.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                      << '\t' << sorting.codes[member].text() << '\t' << g + 1 << '\n';
        }
    }
    return ExitSuccess;
}

}  // namespace colorcard
