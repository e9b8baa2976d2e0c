// SPDX-License-Identifier: MIT
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <optional>

#include "cli/Commands.h"
#include "store/LibraryReader.h"
#include "store/TextSafety.h"
#include "texts/CliTexts.h"

namespace colorcard {

namespace {

// --formula with its parameters, shared by delta-e and nearest.
struct FormulaOptions {
    QCommandLineOption formula{QStringLiteral("formula"), QString(), QStringLiteral("F"),
                               QStringLiteral("00")};
    QCommandLineOption l{QStringLiteral("l"), QString(), QStringLiteral("L")};
    QCommandLineOption c{QStringLiteral("c"), QString(), QStringLiteral("C")};
    QCommandLineOption kL{QStringLiteral("kl"), QString(), QStringLiteral("KL")};
    QCommandLineOption kC{QStringLiteral("kc"), QString(), QStringLiteral("KC")};
    QCommandLineOption kH{QStringLiteral("kh"), QString(), QStringLiteral("KH")};

    explicit FormulaOptions(QCommandLineParser& parser, const Language& language) {
        formula.setDescription(CliText::FormulaOption.in(language));
        l.setDescription(CliText::LOption.in(language));
        c.setDescription(CliText::COption.in(language));
        for (QCommandLineOption* k : {&kL, &kC, &kH})
            k->setDescription(CliText::KOptions.in(language));
        for (const QCommandLineOption* option : {&formula, &l, &c, &kL, &kC, &kH})
            parser.addOption(*option);
    }

    std::optional<DifferenceMethod> method(CliContext& cli, const QCommandLineParser& parser) {
        const QString code = parser.value(formula);
        const auto chosen = DifferenceMethod::formulaFromCode(code);
        if (!chosen) {
            cli.fail(CliText::UnknownFormula.in(cli.language()).arg(code), ExitUsage);
            return std::nullopt;
        }
        DifferenceMethod method;
        method.formula = *chosen;
        const struct {
            const QCommandLineOption& option;
            double& value;
            DeltaEFormula belongsTo;
        } parameters[] = {{l, method.l, DeltaEFormula::Cmc},
                          {c, method.c, DeltaEFormula::Cmc},
                          {kL, method.kL, DeltaEFormula::Ciede2000},
                          {kC, method.kC, DeltaEFormula::Ciede2000},
                          {kH, method.kH, DeltaEFormula::Ciede2000}};
        for (const auto& p : parameters) {
            if (!parser.isSet(p.option))
                continue;
            const QString name = p.option.names().first();
            if (p.belongsTo != method.formula) {
                cli.fail(CliText::ParameterNotForFormula.in(cli.language()).arg(name, code),
                         ExitUsage);
                return std::nullopt;
            }
            bool ok = false;
            p.value = parser.value(p.option).remove(QChar(0xE000)).toDouble(&ok);
            if (!ok || !std::isfinite(p.value) || p.value <= 0) {
                cli.fail(CliText::BadParameter.in(cli.language()).arg(name), ExitUsage);
                return std::nullopt;
            }
        }
        return method;
    }
};

bool readLab(CliContext& cli, const QStringList& arguments, int first, Lab& lab) {
    return cli.number(arguments[first], lab.L) && cli.number(arguments[first + 1], lab.a) &&
           cli.number(arguments[first + 2], lab.b);
}

QString fixed(double value, int decimals) {
    // No "-0.0000" for a difference that rounds to zero.
    const QString text = QString::number(value, 'f', decimals);
    return text.startsWith(QLatin1Char('-')) && text.toDouble() == 0 ? text.mid(1) : text;
}

}  // namespace

int runDeltaE(CliContext& cli) {
    QCommandLineParser parser;
    FormulaOptions formula(parser, cli.language());
    parser.addPositionalArgument(QStringLiteral("L1 a1 b1 L2 a2 b2"),
                                 CliText::DeltaEArguments.in(cli.language()));
    if (!cli.parse(parser, CliText::DeltaESummary, 6, 6, QStringLiteral("L1 a1 b1 L2 a2 b2")))
        return cli.exitCode();
    const auto method = formula.method(cli, parser);
    if (!method)
        return cli.exitCode();
    Lab reference, sample;
    const QStringList arguments = parser.positionalArguments();
    if (!readLab(cli, arguments, 0, reference) || !readLab(cli, arguments, 3, sample))
        return cli.exitCode();
    cli.out() << fixed(deltaE(reference, sample, *method), 4) << '\n';
    return ExitSuccess;
}

int runNearest(CliContext& cli) {
    QCommandLineParser parser;
    FormulaOptions formula(parser, cli.language());
    const QCommandLineOption count(QStringLiteral("count"), CliText::CountOption.in(cli.language()),
                                   QStringLiteral("N"), QStringLiteral("5"));
    const QCommandLineOption json(QStringLiteral("json"), CliText::JsonOption.in(cli.language()));
    parser.addOption(count);
    parser.addOption(json);
    parser.addPositionalArgument(QStringLiteral("L a b"),
                                 CliText::NearestArguments.in(cli.language()));
    if (!cli.parse(parser, CliText::NearestSummary, 3, 3, QStringLiteral("L a b")))
        return cli.exitCode();
    const auto method = formula.method(cli, parser);
    if (!method)
        return cli.exitCode();
    bool countOk = false;
    const int wanted = parser.value(count).toInt(&countOk);
    if (!countOk || wanted < 1 || wanted > 1000)
        return cli.fail(CliText::BadCount, ExitUsage);
    Lab sample;
    if (!readLab(cli, parser.positionalArguments(), 0, sample))
        return cli.exitCode();

    StoreConnection connection;
    if (!cli.openStore(connection, StoreConnection::Mode::ReadOnly))
        return cli.exitCode();
    LibraryReader reader(connection.connectionName());
    const auto standards = reader.standards();
    if (!standards)
        return cli.fail(reader.error());
    const auto matches = standards->nearest(sample, *method, wanted);
    if (parser.isSet(json)) {
        QJsonArray array;
        for (const NearestMatch& match : matches) {
            const Standard& s = standards->standards()[match.index];
            array.append(
                QJsonObject{{QStringLiteral("deltaE"), fixed(match.deltaE, 4).toDouble()},
                            {QStringLiteral("libraryId"), s.libraryId},
                            {QStringLiteral("library"), s.libraryName},
                            {QStringLiteral("colourId"), s.colourId},
                            {QStringLiteral("colour"), s.colourName},
                            {QStringLiteral("lab"), QJsonArray{s.lab.L, s.lab.a, s.lab.b}}});
        }
        cli.out() << TextSafety::jsonVisible(
            QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)));
        return ExitSuccess;
    }
    // ΔE, library, colour, L*, a*, b*: nearest first, tab-separated.
    for (const NearestMatch& match : matches) {
        const Standard& s = standards->standards()[match.index];
        cli.out() << fixed(match.deltaE, 4) << '\t' << TextSafety::visible(s.libraryName) << '\t'
                  << TextSafety::visible(s.colourName) << '\t' << fixed(s.lab.L, 2) << '\t'
                  << fixed(s.lab.a, 2) << '\t' << fixed(s.lab.b, 2) << '\n';
    }
    return ExitSuccess;
}

}  // namespace colorcard
