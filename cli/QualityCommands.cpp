// SPDX-License-Identifier: MIT
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSettings>
#include <algorithm>
#include <cmath>
#include <memory>

#include "cli/Commands.h"
#include "cli/StandardLookup.h"
#include "report/ComparisonReport.h"
#include "report/LotReport.h"
#include "report/QualityTrend.h"
#include "store/QualityStore.h"
#include "texts/CliTexts.h"
#include "texts/QcTexts.h"
#include "texts/ReportTexts.h"
#include "texts/TextCatalogue.h"
#include "workflow/FormatSettings.h"

namespace colorcard {

namespace {

using Entry = QualityStore::HistoryEntry;

QString fixed(double value, int decimals = 4) {
    const QString text = QString::number(value, 'f', decimals);
    return text.startsWith(QLatin1Char('-')) && text.toDouble() == 0 ? text.mid(1) : text;
}

// LIBRARY/COLOUR, each by identifier or name. Names may hold slashes, so
// every split is tried.
bool matchesStandard(const Entry& e, const QString& wanted) {
    for (const QString& library : {e.libraryId, e.libraryName})
        for (const QString& colour : {e.colourId, e.colourName})
            if (library + QLatin1Char('/') + colour == wanted)
                return true;
    return false;
}

// The recorded comparisons, oldest first, of one standard when wanted is
// not empty and of one lot when lotId is; nullopt after a message.
std::optional<QVector<Entry>> comparisons(CliContext& cli, StoreConnection& connection,
                                          const QString& wanted, qint64 lotId = 0) {
    QualityStore store(connection.connectionName());
    HistoryFilter filter;
    filter.lotId = lotId;
    const auto newestFirst = store.history(filter);
    if (!newestFirst) {
        cli.fail(store.error());
        return std::nullopt;
    }
    QVector<Entry> entries;
    for (auto it = newestFirst->crbegin(); it != newestFirst->crend(); ++it)
        if (wanted.isEmpty() || matchesStandard(*it, wanted))
            entries.append(*it);
    return entries;
}

bool standardOption(CliContext& cli, const QCommandLineParser& parser,
                    const QCommandLineOption& option, QString& wanted) {
    wanted = parser.value(option);
    if (parser.isSet(option) && (wanted.indexOf(QLatin1Char('/')) <= 0 || wanted.endsWith('/'))) {
        cli.fail(ReportText::BadStandard, ExitUsage);
        return false;
    }
    return true;
}

// The lot named by --lot: 0 when the option is not given, nullopt after a
// message (no such lot).
std::optional<qint64> lotOption(CliContext& cli, StoreConnection& connection,
                                const QCommandLineParser& parser,
                                const QCommandLineOption& option) {
    if (!parser.isSet(option))
        return qint64(0);
    QualityStore store(connection.connectionName());
    const std::optional<Lot> lot = store.findLot(parser.value(option));
    if (lot)
        return lot->id;
    if (!store.error().isEmpty())
        cli.fail(store.error());
    else
        cli.fail(ReportText::NoSuchLot.in(cli.language()).arg(parser.value(option)));
    return std::nullopt;
}

QJsonValue optionalNumber(const std::optional<double>& value) {
    return value ? QJsonValue(fixed(*value).toDouble()) : QJsonValue();
}

QString optionalText(const std::optional<double>& value) {
    return value ? fixed(*value, 3) : QStringLiteral("-");
}

}  // namespace

int runHistory(CliContext& cli) {
    QCommandLineParser parser;
    const QCommandLineOption standard(QStringLiteral("standard"),
                                      ReportText::StandardOption.in(cli.language()),
                                      QStringLiteral("LIBRARY/COLOUR"));
    const QCommandLineOption json(QStringLiteral("json"), CliText::JsonOption.in(cli.language()));
    const QCommandLineOption csv(QStringLiteral("csv"), ReportText::CsvOption.in(cli.language()));
    const QCommandLineOption lot(QStringLiteral("lot"), ReportText::LotOption.in(cli.language()),
                                 QStringLiteral("NAME"));
    parser.addOptions({standard, lot, json, csv});
    if (!cli.parse(parser, ReportText::HistorySummary, 0, 0, QString()))
        return cli.exitCode();
    if (parser.isSet(json) && parser.isSet(csv))
        return cli.fail(ReportText::JsonOrCsv, ExitUsage);
    QString wanted;
    if (!standardOption(cli, parser, standard, wanted))
        return cli.exitCode();
    StoreConnection connection;
    if (!cli.openStore(connection, StoreConnection::Mode::ReadOnly))
        return cli.exitCode();
    const std::optional<qint64> lotId = lotOption(cli, connection, parser, lot);
    if (!lotId)
        return cli.exitCode();
    const auto entries = comparisons(cli, connection, wanted, *lotId);
    if (!entries)
        return cli.exitCode();

    const Language language = cli.language();
    if (parser.isSet(json)) {
        QJsonArray array;
        for (const Entry& e : *entries) {
            const LabDifferences d = labDifferences(e.standard, e.sample);
            QJsonObject o{{QStringLiteral("id"), e.id},
                          {QStringLiteral("time"), e.time.toString(Qt::ISODate)},
                          {QStringLiteral("meter"), e.meterNumber},
                          {QStringLiteral("libraryId"), e.libraryId},
                          {QStringLiteral("library"), e.libraryName},
                          {QStringLiteral("colourId"), e.colourId},
                          {QStringLiteral("colour"), e.colourName},
                          {QStringLiteral("readings"), e.readings},
                          {QStringLiteral("dL"), fixed(d.dL).toDouble()},
                          {QStringLiteral("da"), fixed(d.da).toDouble()},
                          {QStringLiteral("db"), fixed(d.db).toDouble()},
                          {QStringLiteral("dC"), fixed(d.dC).toDouble()},
                          {QStringLiteral("dH"), fixed(d.dH).toDouble()},
                          {QStringLiteral("dE"), fixed(e.deltaE).toDouble()},
                          {QStringLiteral("verdict"), verdictCode(e.judged())},
                          {QStringLiteral("lot"), e.lotName}};
            if (e.toleranceKnown) {
                o.insert(QStringLiteral("formula"), e.tolerance.method.code());
                o.insert(QStringLiteral("limit"), e.tolerance.limit);
            }
            array.append(o);
        }
        cli.out() << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
        return ExitSuccess;
    }
    const bool asCsv = parser.isSet(csv);
    const QChar separator = asCsv ? QLatin1Char(',') : QLatin1Char('\t');
    auto quoted = [&](const QString& field) {
        if (!asCsv || !field.contains(QRegularExpression(QStringLiteral("[\",\r\n]"))))
            return field;
        return QLatin1Char('"') + QString(field).replace('"', QStringLiteral("\"\"")) +
               QLatin1Char('"');
    };
    if (asCsv)
        cli.out() << QStringList{QStringLiteral("id"),
                                 QcText::ColumnTime.in(language),
                                 QcText::HistoryLotColumn.in(language),
                                 QcText::ColumnLibrary.in(language),
                                 QcText::ColumnStandard.in(language),
                                 QStringLiteral("ΔL*"),
                                 QStringLiteral("Δa*"),
                                 QStringLiteral("Δb*"),
                                 QStringLiteral("ΔC*"),
                                 QStringLiteral("ΔH*"),
                                 QcText::ColumnDeltaE.in(language),
                                 QcText::ColumnResult.in(language)}
                         .join(separator)
                  << '\n';
    for (const Entry& e : *entries) {
        const LabDifferences d = labDifferences(e.standard, e.sample);
        cli.out() << QStringList{QString::number(e.id), e.time.toLocalTime().toString(Qt::ISODate),
                                 quoted(e.lotName),     quoted(e.libraryName),
                                 quoted(e.colourName),  fixed(d.dL),
                                 fixed(d.da),           fixed(d.db),
                                 fixed(d.dC),           fixed(d.dH),
                                 fixed(e.deltaE),       verdictText(e, language)}
                         .join(separator)
                  << '\n';
    }
    return ExitSuccess;
}

int runTrend(CliContext& cli) {
    QCommandLineParser parser;
    const QCommandLineOption standard(QStringLiteral("standard"),
                                      ReportText::StandardOption.in(cli.language()),
                                      QStringLiteral("LIBRARY/COLOUR"));
    const QCommandLineOption json(QStringLiteral("json"), CliText::JsonOption.in(cli.language()));
    const QCommandLineOption lot(QStringLiteral("lot"), ReportText::LotOption.in(cli.language()),
                                 QStringLiteral("NAME"));
    parser.addOptions({standard, lot, json});
    if (!cli.parse(parser, ReportText::TrendSummary, 0, 0, QString()))
        return cli.exitCode();
    QString wanted;
    if (!standardOption(cli, parser, standard, wanted))
        return cli.exitCode();
    if (wanted.isEmpty() && !parser.isSet(lot))
        return cli.fail(ReportText::StandardOrLotRequired, ExitUsage);
    StoreConnection connection;
    if (!cli.openStore(connection, StoreConnection::Mode::ReadOnly))
        return cli.exitCode();
    const std::optional<qint64> lotId = lotOption(cli, connection, parser, lot);
    if (!lotId)
        return cli.exitCode();
    const auto entries = comparisons(cli, connection, wanted, *lotId);
    if (!entries)
        return cli.exitCode();
    const QString subject = wanted.isEmpty() ? parser.value(lot) : wanted;
    if (entries->isEmpty())
        return cli.fail(ReportText::NoComparisons.in(cli.language()).arg(subject));
    // The standard as last compared, judged by its tolerance now.
    const Entry& last = entries->constLast();
    QualityStore store(connection.connectionName());
    const auto model = store.toleranceModel(last.libraryId, last.colourId);
    if (!model)
        return cli.fail(store.error());
    const Tolerance* tolerance = &model->tolerance;
    // A lot may hold several standards: each sample against its own.
    const QVector<AxisTrend> axes =
        *lotId > 0 ? lotTrend(*entries, *model) : qualityTrend(*entries, last.standard, *tolerance);

    if (parser.isSet(json)) {
        QJsonArray array;
        for (const AxisTrend& a : axes) {
            const ControlChart& c = a.chart;
            array.append(QJsonObject{
                {QStringLiteral("axis"), a.name},
                {QStringLiteral("count"), c.count},
                {QStringLiteral("mean"), fixed(c.mean).toDouble()},
                {QStringLiteral("sd"), fixed(c.standardDeviation).toDouble()},
                {QStringLiteral("meanMovingRange"), fixed(c.meanMovingRange).toDouble()},
                {QStringLiteral("sigma"), fixed(c.sigma).toDouble()},
                {QStringLiteral("lcl"), fixed(c.lowerControlLimit).toDouble()},
                {QStringLiteral("ucl"), fixed(c.upperControlLimit).toDouble()},
                {QStringLiteral("outside"), QJsonArray::fromVariantList([&] {
                     QVariantList ids;
                     for (int i : c.outside)
                         ids << (*entries)[i].id;
                     return ids;
                 }())},
                {QStringLiteral("lowerLimit"), optionalNumber(a.lowerLimit)},
                {QStringLiteral("upperLimit"), optionalNumber(a.upperLimit)},
                {QStringLiteral("cp"), optionalNumber(c.cp)},
                {QStringLiteral("cpk"), optionalNumber(c.cpk)}});
        }
        const QJsonObject result{
            {QStringLiteral("standard"), wanted},
            {QStringLiteral("lot"), parser.value(lot)},
            {QStringLiteral("formula"), tolerance->method.code()},
            {QStringLiteral("limit"), tolerance->limit},
            {QStringLiteral("sigmaEstimate"), QStringLiteral("mean moving range / 1.128")},
            {QStringLiteral("axes"), array}};
        cli.out() << QString::fromUtf8(QJsonDocument(result).toJson(QJsonDocument::Indented));
        return ExitSuccess;
    }
    const Language language = cli.language();
    cli.out() << ReportText::TrendHeading.in(language).arg(
                     subject, QString::number(entries->size()),
                     formulaLabel(tolerance->method, language), fixed(tolerance->limit, 2))
              << '\n'
              << ReportText::TrendColumns.in(language) << '\n';
    for (const AxisTrend& a : axes) {
        const ControlChart& c = a.chart;
        cli.out() << QStringList{a.name,
                                 fixed(c.mean, 3),
                                 fixed(c.standardDeviation, 3),
                                 fixed(c.lowerControlLimit, 3),
                                 fixed(c.upperControlLimit, 3),
                                 QString::number(c.outside.size()),
                                 optionalText(a.lowerLimit),
                                 optionalText(a.upperLimit),
                                 optionalText(c.cp),
                                 optionalText(c.cpk)}
                         .join(QLatin1Char('\t'))
                  << '\n';
    }
    cli.out() << ReportText::TrendSigma.in(language) << '\n';
    if (entries->size() < kMinCapabilityCount)
        cli.out() << ReportText::TooFewForCapability.in(language)
                         .arg(kMinCapabilityCount)
                         .arg(entries->size())
                  << '\n';
    return ExitSuccess;
}

// A report is written in any language the program has a translation for,
// Chinese first as in the window.
QStringList reportLanguages() {
    QStringList codes = TextCatalogue::languages();
    if (codes.removeAll(QStringLiteral("zh")))
        codes.prepend(QStringLiteral("zh"));
    return codes;
}

int runReport(CliContext& cli) {
    QCommandLineParser parser;
    const QCommandLineOption sample(QStringLiteral("sample"),
                                    ReportText::SampleOption.in(cli.language()),
                                    QStringLiteral("ID"));
    const QCommandLineOption language(QStringLiteral("language"),
                                      ReportText::LanguageOption.in(cli.language()),
                                      reportLanguages().join(QLatin1Char('|')));
    const QCommandLineOption lot(QStringLiteral("lot"), ReportText::LotOption.in(cli.language()),
                                 QStringLiteral("NAME"));
    parser.addOptions({lot, sample, language});
    parser.addPositionalArgument(QStringLiteral("OUT.pdf"),
                                 ReportText::ReportArgument.in(cli.language()));
    if (!cli.parse(parser, ReportText::ReportSummary, 1, 1, QStringLiteral("OUT.pdf")))
        return cli.exitCode();
    // The language last chosen in the window, else English.
    QString code = parser.value(language);
    if (!parser.isSet(language)) {
        const std::unique_ptr<QSettings> settings(FormatSettings::userSettings());
        code = settings->value(QStringLiteral("window/language")).toString();
        if (!reportLanguages().contains(code))
            code = QStringLiteral("en");
    }
    if (!reportLanguages().contains(code))
        return cli.fail(ReportText::BadLanguage, ExitUsage);
    qint64 id = -1;
    if (parser.isSet(sample)) {
        bool ok = false;
        id = parser.value(sample).toLongLong(&ok);
        if (!ok || id <= 0)
            return cli.fail(ReportText::NoComparison.in(cli.language()).arg(parser.value(sample)),
                            ExitUsage);
    }
    StoreConnection connection;
    if (!cli.openStore(connection, StoreConnection::Mode::ReadOnly))
        return cli.exitCode();
    const std::optional<qint64> lotId = lotOption(cli, connection, parser, lot);
    if (!lotId)
        return cli.exitCode();
    const QString out = parser.positionalArguments().first();
    if (*lotId > 0 && !parser.isSet(sample)) {
        QualityStore store(connection.connectionName());
        const std::optional<Lot> chosen = store.findLot(parser.value(lot));
        QString error;
        const std::optional<LotReportData> data =
            chosen ? loadLotReport(connection.connectionName(), *chosen, error) : std::nullopt;
        if (!data)
            return cli.fail(chosen ? error : store.error());
        if (!writeLotReport(out, *data, Language(code)))
            return cli.fail(ReportText::CannotWrite.in(cli.language()).arg(out));
        return ExitSuccess;
    }
    const auto entries = comparisons(cli, connection, QString(), *lotId);
    if (!entries)
        return cli.exitCode();
    if (entries->isEmpty())
        return cli.fail(ReportText::NoHistory);
    const auto found = std::find_if(entries->cbegin(), entries->cend(),
                                    [&](const Entry& e) { return e.id == id; });
    if (id > 0 && found == entries->cend())
        return cli.fail(ReportText::NoComparison.in(cli.language()).arg(id));
    const Entry& entry = id > 0 ? *found : entries->constLast();
    if (!writeComparisonReport(out, entry, Language(code)))
        return cli.fail(ReportText::CannotWrite.in(cli.language()).arg(out));
    return ExitSuccess;
}

}  // namespace colorcard
