// SPDX-License-Identifier: MIT
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/Commands.h"
#include "cli/StandardLookup.h"
#include "colour/Tolerance.h"
#include "store/QualityStore.h"
#include "texts/CliTexts.h"
#include "texts/ReportTexts.h"

namespace colorcard {

namespace {

QString fixed(double value, int decimals = 4) {
    const QString text = QString::number(value, 'f', decimals);
    return text.startsWith(QLatin1Char('-')) && text.toDouble() == 0 ? text.mid(1) : text;
}

void printJson(CliContext& cli, const QJsonValue& value) {
    const QJsonDocument document =
        value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    cli.out() << QString::fromUtf8(document.toJson(QJsonDocument::Indented));
}

}  // namespace

int runLots(CliContext& cli) {
    const Language language = cli.language();
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), CliText::JsonOption.in(language));
    parser.addOption(json);
    if (!cli.parse(parser, ReportText::LotsSummary, 0, 0, QString()))
        return cli.exitCode();
    StoreConnection connection;
    if (!cli.openStore(connection, StoreConnection::Mode::ReadOnly))
        return cli.exitCode();
    QualityStore store(connection.connectionName());
    const auto lots = store.lots();
    if (!lots)
        return cli.fail(store.error());
    QJsonArray array;
    if (!parser.isSet(json))
        cli.out() << ReportText::LotsColumns.in(language) << '\n';
    // Oldest first, as the other lists.
    for (auto lot = lots->crbegin(); lot != lots->crend(); ++lot) {
        HistoryFilter filter;
        filter.lotId = lot->id;
        const auto entries = store.history(filter);
        if (!entries)
            return cli.fail(store.error());
        int counts[3] = {0, 0, 0};
        for (const QualityStore::HistoryEntry& e : *entries)
            ++counts[int(e.judged())];
        const QString created = lot->created.toLocalTime().toString(Qt::ISODate);
        if (parser.isSet(json)) {
            array.append(
                QJsonObject{{QStringLiteral("name"), lot->name},
                            {QStringLiteral("created"), lot->created.toString(Qt::ISODate)},
                            {QStringLiteral("operator"), lot->operatorName},
                            {QStringLiteral("note"), lot->note},
                            {QStringLiteral("comparisons"), entries->size()},
                            {QStringLiteral("pass"), counts[int(Verdict::Pass)]},
                            {QStringLiteral("warn"), counts[int(Verdict::Warn)]},
                            {QStringLiteral("fail"), counts[int(Verdict::Fail)]}});
            continue;
        }
        cli.out() << QStringList{lot->name,
                                 created,
                                 lot->operatorName,
                                 QString::number(entries->size()),
                                 QString::number(counts[int(Verdict::Pass)]),
                                 QString::number(counts[int(Verdict::Warn)]),
                                 QString::number(counts[int(Verdict::Fail)]),
                                 lot->note}
                         .join(QLatin1Char('\t'))
                  << '\n';
    }
    if (parser.isSet(json))
        printJson(cli, array);
    return ExitSuccess;
}

int runCompare(CliContext& cli) {
    const Language language = cli.language();
    QCommandLineParser parser;
    const QCommandLineOption lot(QStringLiteral("lot"), ReportText::CompareLotOption.in(language),
                                 QStringLiteral("NAME"));
    const QCommandLineOption standard(QStringLiteral("standard"),
                                      ReportText::CompareStandardOption.in(language),
                                      QStringLiteral("LIBRARY/COLOUR"));
    const QCommandLineOption json(QStringLiteral("json"), CliText::JsonOption.in(language));
    parser.addOptions({lot, standard, json});
    parser.addPositionalArgument(QStringLiteral("L a b"), CliText::NearestArguments.in(language));
    if (!cli.parse(parser, ReportText::CompareSummary, 3, 3, QStringLiteral("L a b")))
        return cli.exitCode();
    if (!parser.isSet(lot) || parser.value(lot).trimmed().isEmpty())
        return cli.fail(ReportText::LotRequired, ExitUsage);
    if (!parser.isSet(standard))
        return cli.fail(ReportText::BadStandard, ExitUsage);
    const QStringList arguments = parser.positionalArguments();
    Lab sample;
    if (!cli.number(arguments[0], sample.L) || !cli.number(arguments[1], sample.a) ||
        !cli.number(arguments[2], sample.b))
        return cli.exitCode();

    StoreConnection connection;
    if (!cli.openStore(connection, StoreConnection::Mode::ReadWrite))
        return cli.exitCode();
    LibraryReader reader(connection.connectionName());
    const std::optional<ChosenStandard> chosen = findStandard(cli, reader, parser.value(standard));
    if (!chosen)
        return cli.exitCode();
    Lab reference;
    bool ok[3] = {false, false, false};
    reference.L = chosen->colour.labL.trimmed().toDouble(&ok[0]);
    reference.a = chosen->colour.laba.trimmed().toDouble(&ok[1]);
    reference.b = chosen->colour.labb.trimmed().toDouble(&ok[2]);
    if (!ok[0] || !ok[1] || !ok[2])
        return cli.fail(ReportText::StandardWithoutLab.in(language).arg(parser.value(standard)));

    QualityStore store(connection.connectionName());
    const auto model = store.toleranceModel(chosen->library.id, chosen->colour.id);
    if (!model)
        return cli.fail(store.error());
    std::optional<Lot> target = store.findLot(parser.value(lot));
    if (!target) {
        if (!store.error().isEmpty())
            return cli.fail(store.error());
        Lot started{0, parser.value(lot), {}, {}, {}};
        if (!store.addLot(started))
            return cli.fail(store.error());
        target = started;
    }
    // Judged and kept as the page keeps a comparison.
    const Comparison c = compare(reference, sample, *model);
    QualityStore::HistoryEntry entry;
    entry.libraryId = chosen->library.id;
    entry.libraryName = chosen->library.name;
    entry.colourId = chosen->colour.id;
    entry.colourName = chosen->colour.name;
    entry.standard = reference;
    entry.sample = sample;
    entry.readings = 1;
    entry.deltaE = c.deltaE;
    entry.tolerance = model->tolerance;
    entry.pass = c.pass;
    entry.verdict = c.verdict;
    entry.warningLevel = c.warningLevel;
    entry.lotId = target->id;
    entry.lotName = target->name;
    if (!store.addHistory(entry))
        return cli.fail(store.error());

    if (parser.isSet(json)) {
        const LabDifferences& d = c.differences;
        printJson(cli, QJsonObject{{QStringLiteral("id"), entry.id},
                                   {QStringLiteral("lot"), target->name},
                                   {QStringLiteral("dL"), fixed(d.dL).toDouble()},
                                   {QStringLiteral("da"), fixed(d.da).toDouble()},
                                   {QStringLiteral("db"), fixed(d.db).toDouble()},
                                   {QStringLiteral("dC"), fixed(d.dC).toDouble()},
                                   {QStringLiteral("dH"), fixed(d.dH).toDouble()},
                                   {QStringLiteral("dE"), fixed(c.deltaE).toDouble()},
                                   {QStringLiteral("formula"), model->tolerance.method.code()},
                                   {QStringLiteral("limit"), model->tolerance.limit},
                                   {QStringLiteral("warning"), c.warningLevel},
                                   {QStringLiteral("verdict"), verdictCode(c.verdict)}});
        return ExitSuccess;
    }
    cli.out() << ReportText::CompareRecorded.in(language).arg(
                     QString::number(entry.id), target->name, verdictWord(c.verdict, language),
                     formulaLabel(model->tolerance.method, language), fixed(c.deltaE, 2))
              << '\n';
    return ExitSuccess;
}

}  // namespace colorcard
