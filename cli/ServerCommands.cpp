// SPDX-License-Identifier: MIT
#include <QSqlDatabase>
#include <QSqlError>

#include "cli/Commands.h"
#include "server/ServerSchema.h"
#include "server/ServerUrl.h"
#include "texts/ServerTexts.h"

int runServer(CliContext& cli) {
    const Language language = cli.language();
    QCommandLineParser parser;
    const QCommandLineOption url(QStringLiteral("url"), ServerText::UrlOption.in(language),
                                 QStringLiteral("URL"));
    parser.addOption(url);
    parser.addPositionalArgument(QStringLiteral("ACTION"), ServerText::ServerActions.in(language));
    if (!cli.parse(parser, ServerText::ServerSummary, 1, 1, QStringLiteral("init")))
        return cli.exitCode();
    const QString action = parser.positionalArguments().first();
    if (action != QLatin1String("init"))
        return cli.fail(ServerText::UnknownAction.in(language).arg(action), ExitUsage);
    if (!parser.isSet(url))
        return cli.fail(ServerText::NoUrl, ExitUsage);
    const std::optional<ServerUrl> server = ServerUrl::parse(parser.value(url));
    if (!server)
        return cli.fail(ServerText::BadUrl.in(language).arg(parser.value(url)), ExitUsage);

    int status = ExitSuccess;
    {
        QSqlDatabase db = server->addDatabase(QStringLiteral("colorcard-cli-server"),
                                              QStringLiteral("colorcard-cli"));
        if (!db.open()) {
            status = cli.fail(ServerText::CannotConnect.in(language).arg(server->display(),
                                                                         db.lastError().text()));
        } else {
            const ServerSchema::Result result = ServerSchema::migrate(db);
            if (!result.ok)
                status = cli.fail(
                    ServerText::SchemaFailed.in(language).arg(server->display(), result.error));
            else
                cli.out() << ServerText::SchemaReady.in(language)
                                 .arg(server->display())
                                 .arg(result.versionAfter)
                                 .arg(result.versionBefore)
                          << '\n';
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("colorcard-cli-server"));
    return status;
}
