// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlError>

#include "cli/Commands.h"
#include "server/AuditTrail.h"
#include "server/PgRepository.h"
#include "server/ServerBackups.h"
#include "server/ServerSchema.h"
#include "server/ServerUrl.h"
#include "store/RepositoryCopy.h"
#include "store/sqlite/SqliteRepository.h"
#include "texts/CliTexts.h"
#include "texts/ServerTexts.h"
#include "texts/StoreWindowTexts.h"

namespace colorcard {

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

namespace {

const QString kMigrateConnection = QStringLiteral("colorcard-cli-migrate");
const QString kAuditConnection = QStringLiteral("colorcard-cli-audit");
const QString kBackupConnection = QStringLiteral("colorcard-cli-backups");

// Opens the server under that connection name with its schema current; on
// failure prints why and returns false.
bool openServer(CliContext& cli, const ServerUrl& server, const QString& connection) {
    const Language language = cli.language();
    QSqlDatabase db = server.addDatabase(connection, QStringLiteral("colorcard-cli"));
    if (!db.open()) {
        cli.fail(
            ServerText::CannotConnect.in(language).arg(server.display(), db.lastError().text()));
        return false;
    }
    const ServerSchema::Result schema = ServerSchema::migrate(db);
    if (!schema.ok) {
        cli.fail(ServerText::SchemaFailed.in(language).arg(server.display(), schema.error));
        return false;
    }
    return true;
}

// The server's refusal in words the user can act on.
QString refusal(const Language& language, LibraryRepository::Failure failure, const QString& server,
                const QString& detail) {
    switch (failure) {
        case LibraryRepository::Failure::Denied:
            return ServerText::PermissionDenied.in(language).arg(detail);
        case LibraryRepository::Failure::Unreachable:
            return ServerText::ServerUnreachable.in(language).arg(server);
        default:
            return detail;
    }
}

int migrate(CliContext& cli, const QString& file, const ServerUrl& server) {
    const Language language = cli.language();
    StoreConnection source;
    if (!QFileInfo(file).isFile())
        return cli.fail(CliText::NoDatabase.in(language).arg(QDir::toNativeSeparators(file)));
    if (!source.open(file, StoreConnection::Mode::ReadOnly))
        return cli.fail(CliText::StoreUnreadable.in(language).arg(QDir::toNativeSeparators(file),
                                                                  source.error()));
    if (!openServer(cli, server, kMigrateConnection))
        return cli.exitCode();
    SqliteRepository from(QSqlDatabase::database(source.connectionName(), false));
    PgRepository to(QSqlDatabase::database(kMigrateConnection, false));
    const RepositoryCopy::Result copied = RepositoryCopy::copy(from, to);
    if (!copied.ok)
        return cli.fail(ServerText::MigrateFailed.in(language).arg(
            server.display(), refusal(language, to.failure(), server.display(), copied.error)));
    cli.out() << ServerText::MigrateCopied.in(language)
                     .arg(server.display())
                     .arg(copied.copied.libraries)
                     .arg(copied.copied.colours)
                     .arg(copied.copied.tolerances)
                     .arg(copied.copied.history)
              << '\n';
    // Counted again on both sides: the file's content, and how much of it the server holds.
    const RepositoryCopy::Result inFile = RepositoryCopy::count(from);
    const RepositoryCopy::Result onServer = RepositoryCopy::verify(from, to);
    if (!inFile.ok || !onServer.ok)
        return cli.fail(ServerText::MigrateFailed.in(language).arg(
            server.display(), inFile.ok ? onServer.error : inFile.error));
    const RepositoryCopy::Counts& a = inFile.copied;
    const RepositoryCopy::Counts& b = onServer.copied;
    if (a != b)
        return cli.fail(ServerText::MigrateMismatch.in(language)
                            .arg(a.libraries)
                            .arg(a.colours)
                            .arg(a.tolerances)
                            .arg(a.history)
                            .arg(b.libraries)
                            .arg(b.colours)
                            .arg(b.tolerances)
                            .arg(b.history));
    cli.out() << ServerText::MigrateVerified.in(language)
                     .arg(a.libraries)
                     .arg(a.colours)
                     .arg(a.tolerances)
                     .arg(a.history)
              << '\n';
    return ExitSuccess;
}

int audit(CliContext& cli, const ServerUrl& server, const QString& libraryId, bool json) {
    const Language language = cli.language();
    if (!openServer(cli, server, kAuditConnection))
        return cli.exitCode();
    QSqlDatabase db = QSqlDatabase::database(kAuditConnection, false);
    QString error;
    const auto entries = AuditTrail::read(db, libraryId, &error);
    if (!entries)
        return cli.fail(ServerText::AuditUnreadable.in(language).arg(server.display(), error));
    if (json) {
        QJsonArray rows;
        for (const AuditEntry& entry : *entries)
            rows << entry.toJson();
        cli.out() << QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Indented));
        return ExitSuccess;
    }
    for (const AuditEntry& entry : *entries)
        cli.out() << entry.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                  << '\t' << entry.user << '\t' << entry.bench << '\t' << entry.table << '\t'
                  << entry.action << '\t' << entry.libraryId << '\t' << entry.summary() << '\n';
    return ExitSuccess;
}

int backups(CliContext& cli, const ServerUrl& server, const QString& libraryId, bool json) {
    const Language language = cli.language();
    if (!openServer(cli, server, kBackupConnection))
        return cli.exitCode();
    QSqlDatabase db = QSqlDatabase::database(kBackupConnection, false);
    QString error;
    // Twenty of each library are kept: all of one library, the newest of all.
    const auto found = ServerBackups::list(db, libraryId, &error, libraryId.isEmpty() ? 1000 : 20);
    if (!found)
        return cli.fail(
            refusal(language, PgRepository::failureOf(db.lastError()), server.display(), error));
    if (json) {
        QJsonArray rows;
        for (const LibraryBackup& backup : *found)
            rows << backup.toJson();
        cli.out() << QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Indented));
        return ExitSuccess;
    }
    for (const LibraryBackup& backup : *found)
        cli.out() << backup.id << '\t'
                  << backup.takenAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                  << '\t' << backup.takenBy << '\t' << backup.cause << '\t' << backup.libraryId
                  << '\t' << backup.name << '\t' << backup.colours << '\n';
    return ExitSuccess;
}

int restore(CliContext& cli, const ServerUrl& server, qint64 backupId) {
    const Language language = cli.language();
    if (!openServer(cli, server, kBackupConnection))
        return cli.exitCode();
    QSqlDatabase db = QSqlDatabase::database(kBackupConnection, false);
    const ServerBackups::Restored restored = ServerBackups::restore(db, backupId);
    if (restored.failure == LibraryRepository::Failure::Stale)
        return cli.fail(StoreWindowText::NoSuchBackup.in(language).arg(backupId));
    if (!restored.ok)
        return cli.fail(StoreWindowText::ServerRestoreFailed.in(language).arg(
            refusal(language, restored.failure, server.display(), restored.error)));
    cli.out() << StoreWindowText::ServerRestored.in(language)
                     .arg(restored.backup.name)
                     .arg(restored.backup.colours)
                     .arg(backupId)
              << '\n';
    return ExitSuccess;
}

}  // namespace

int runBackups(CliContext& cli) {
    const Language language = cli.language();
    QCommandLineParser parser;
    const QCommandLineOption library(QStringLiteral("library"),
                                     StoreWindowText::BackupsLibraryOption.in(language),
                                     QStringLiteral("ID"));
    const QCommandLineOption json(QStringLiteral("json"), ServerText::JsonOption.in(language));
    parser.addOption(library);
    parser.addOption(json);
    if (!cli.parse(parser, StoreWindowText::BackupsSummary, 0, 0, QString()))
        return cli.exitCode();
    const std::optional<ServerUrl> server = ServerUrl::parse(cli.databasePath());
    if (!server)
        return cli.fail(ServerText::NeedsServer, ExitUsage);
    const int status = backups(cli, *server, parser.value(library), parser.isSet(json));
    QSqlDatabase::removeDatabase(kBackupConnection);
    return status;
}

int runRestore(CliContext& cli) {
    const Language language = cli.language();
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("ID"),
                                 StoreWindowText::BackupIdArgument.in(language));
    if (!cli.parse(parser, StoreWindowText::RestoreSummary, 1, 1, QStringLiteral("ID")))
        return cli.exitCode();
    const std::optional<ServerUrl> server = ServerUrl::parse(cli.databasePath());
    if (!server)
        return cli.fail(ServerText::NeedsServer, ExitUsage);
    bool number = false;
    const qint64 id = parser.positionalArguments().first().toLongLong(&number);
    if (!number || id <= 0)
        return cli.fail(
            StoreWindowText::NoSuchBackup.in(language).arg(parser.positionalArguments().first()),
            ExitUsage);
    const int status = restore(cli, *server, id);
    QSqlDatabase::removeDatabase(kBackupConnection);
    return status;
}

int runMigrate(CliContext& cli) {
    const Language language = cli.language();
    QCommandLineParser parser;
    const QCommandLineOption from(QStringLiteral("from"), ServerText::FromOption.in(language),
                                  QStringLiteral("FILE"));
    const QCommandLineOption to(QStringLiteral("to"), ServerText::ToOption.in(language),
                                QStringLiteral("URL"));
    parser.addOption(from);
    parser.addOption(to);
    if (!cli.parse(parser, ServerText::MigrateSummary, 0, 0, QString()))
        return cli.exitCode();
    if (!parser.isSet(from) || !parser.isSet(to))
        return cli.fail(ServerText::MigrateNeedsBoth, ExitUsage);
    const std::optional<ServerUrl> server = ServerUrl::parse(parser.value(to));
    if (!server)
        return cli.fail(ServerText::BadUrl.in(language).arg(parser.value(to)), ExitUsage);
    const int status = migrate(cli, parser.value(from), *server);
    QSqlDatabase::removeDatabase(kMigrateConnection);
    return status;
}

int runAudit(CliContext& cli) {
    const Language language = cli.language();
    QCommandLineParser parser;
    const QCommandLineOption library(QStringLiteral("library"),
                                     ServerText::LibraryOption.in(language), QStringLiteral("ID"));
    const QCommandLineOption json(QStringLiteral("json"), ServerText::JsonOption.in(language));
    parser.addOption(library);
    parser.addOption(json);
    if (!cli.parse(parser, ServerText::AuditSummary, 0, 0, QString()))
        return cli.exitCode();
    const std::optional<ServerUrl> server = ServerUrl::parse(cli.databasePath());
    if (!server)
        return cli.fail(ServerText::NeedsServer, ExitUsage);
    const int status = audit(cli, *server, parser.value(library), parser.isSet(json));
    QSqlDatabase::removeDatabase(kAuditConnection);
    return status;
}

}  // namespace colorcard
