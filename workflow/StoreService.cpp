// SPDX-License-Identifier: MIT
#include "workflow/StoreService.h"

#include <QDir>
#include <QEventLoop>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QThread>

#include "prompt/Messenger.h"
#include "server/AuditTrail.h"
#include "server/PgRepository.h"
#include "server/ServerBackups.h"
#include "server/ServerUrl.h"
#include "server/StoreLocation.h"
#include "texts/BackupTexts.h"
#include "texts/QcTexts.h"
#include "texts/ServerTexts.h"
#include "texts/StoreWindowTexts.h"
#include "workflow/PasswordKeeper.h"

namespace colorcard {

namespace {

// libpq's words when a login needs a password it was not given or the one
// given is wrong.
bool refusedForPassword(const QString& error) {
    return error.contains(QLatin1String("no password supplied")) ||
           error.contains(QLatin1String("password authentication failed"));
}

QString localTime(const QDateTime& time) {
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

const BilingualText& whatHappened(const AuditEntry& entry) {
    const bool added = entry.action == QLatin1String("insert");
    const bool removed = entry.action == QLatin1String("delete");
    if (entry.table == QLatin1String("colours"))
        return added ? StoreWindowText::ColourAdded
                     : (removed ? StoreWindowText::ColourRemoved : StoreWindowText::ColourChanged);
    if (entry.table == QLatin1String("tolerances"))
        return added ? StoreWindowText::ToleranceSet
                     : (removed ? StoreWindowText::ToleranceRemoved
                                : StoreWindowText::ToleranceChanged);
    return added ? StoreWindowText::LibraryAdded
                 : (removed ? StoreWindowText::LibraryRemoved : StoreWindowText::LibraryChanged);
}

}  // namespace

StoreService::StoreService(Messenger& messenger, const QString& location, QObject* parent)
    : QObject(parent),
      messenger_(messenger),
      location_(location),
      server_(ServerUrl::looksLikeServer(location)) {
    retry_.setSingleShot(true);
    retry_.setInterval(5000);
    QObject::connect(&retry_, &QTimer::timeout, this, &StoreService::retryQuietly);
    // A file is opened by the library service itself.
    if (!server_)
        return;
    // Until the server says otherwise the login may change nothing.
    access_.role = StoreAccess::Role::Operator;
    QString error;
    // The audit trail names the bench by the program and the computer.
    database_ = StoreLocation::database(
        location, QStringLiteral("colorcard@") + QSysInfo::machineHostName(), &error);
}

StoreService::~StoreService() {
    retry_.stop();
    if (probe_)
        probe_->wait();
    // The repository works on the connection the database owns.
    repository_.reset();
    database_.reset();
}

bool StoreService::connect() {
    if (!server_ || repository_)
        return true;
    if (!database_) {
        messenger_.error(ServerText::BadUrl, {StoreLocation::forSettings(location_)});
        return false;
    }
    retry_.stop();
    connecting_ = true;
    for (;;) {
        // The first answer is awaited on a thread of its own: an unreachable
        // address takes the whole time-out, and the window goes on meanwhile.
        QString error;
        bool reachable = false;
        {
            const auto progress = messenger_.progress(StoreWindowText::Connecting, 0, 0);
            QEventLoop loop;
            std::unique_ptr<QThread> probe(QThread::create(
                [&] { reachable = StoreLocation::reachable(location_, password_, &error); }));
            QObject::connect(probe.get(), &QThread::finished, &loop, &QEventLoop::quit);
            probe->start();
            loop.exec();
            probe->wait();
            progress->hide();
        }
        // A quiet try may have connected meanwhile.
        if (repository_ || (reachable && openServer(&error))) {
            connecting_ = false;
            return true;
        }
        if (refusedForPassword(error) ? !findPassword(error)
                                      : !messenger_.askRetry(StoreWindowText::Unreachable,
                                                             {database_->display(), error})) {
            connecting_ = false;
            wasOffline_ = true;
            retry_.start();
            emit stateChanged();
            return false;
        }
    }
}

bool StoreService::findPassword(const QString& refusal) {
    const QString key = database_->display();
    if (keeper_ && !keptTried_) {
        keptTried_ = true;
        const std::optional<QString> kept = keeper_->read(key);
        if (kept && !kept->isEmpty() && *kept != password_) {
            password_ = *kept;
            return true;
        }
    }
    bool keep = false;
    const QString typed = messenger_.askPassword(
        StoreWindowText::PasswordTitle, StoreWindowText::PasswordAsk, {key, refusal},
        StoreWindowText::RememberPassword, keeper_ ? &keep : nullptr);
    if (typed.isEmpty())
        return false;
    password_ = typed;
    keepPassword_ = keep;
    return true;
}

bool StoreService::openServer(QString* error) {
    if (!password_.isEmpty())
        database_->connection().setPassword(password_);
    if (!StoreLocation::open(*database_, error))
        return false;
    if (keepPassword_ && keeper_) {
        keepPassword_ = false;
        if (!keeper_->keep(database_->display(), password_))
            messenger_.tip(StoreWindowText::PasswordNotKept);
    }
    repository_ = StoreLocation::repository(*database_);
    auto* server = qobject_cast<PgRepository*>(repository_.get());
    access_.role = server && server->maySupervise() ? StoreAccess::Role::Supervisor
                                                    : StoreAccess::Role::Operator;
    retry_.stop();
    const bool back = wasOffline_;
    wasOffline_ = false;
    emit stateChanged();
    if (back)
        emit reconnected();
    return true;
}

void StoreService::setRetryInterval(int milliseconds) {
    retry_.setInterval(milliseconds);
    if (retry_.isActive())
        retry_.start();
}

void StoreService::retryQuietly() {
    if (!offline() || !database_ || connecting_ || probe_)
        return;
    auto reachable = std::make_shared<bool>(false);
    const QString location = location_;
    const QString password = password_;
    probe_.reset(QThread::create([location, password, reachable] {
        QString ignored;
        *reachable = StoreLocation::reachable(location, password, &ignored);
    }));
    QObject::connect(probe_.get(), &QThread::finished, this, [this, reachable] {
        probe_->wait();
        probe_.reset();
        QString error;
        if (offline() && !connecting_ && !(*reachable && openServer(&error)))
            retry_.start();
    });
    probe_->start();
}

QString StoreService::statusText() const {
    if (!server_)
        return messenger_.text(StoreWindowText::OnFile, {QDir::toNativeSeparators(location_)});
    const QString display = statusDisplay();
    if (offline())
        return messenger_.text(StoreWindowText::OnServerOffline, {display});
    const BilingualText& role = access_.role == StoreAccess::Role::Supervisor
                                    ? StoreWindowText::RoleSupervisor
                                    : StoreWindowText::RoleOperator;
    return messenger_.text(StoreWindowText::OnServer, {display, messenger_.text(role)});
}

bool StoreService::stillThere() {
    if (!repository_)
        return false;
    QSqlQuery query(database_->connection());
    if (query.exec(QStringLiteral("SELECT 1")))
        return true;
    if (PgRepository::failureOf(query.lastError()) != LibraryRepository::Failure::Unreachable &&
        database_->isOpen())
        return true;
    goOffline();
    return false;
}

void StoreService::goOffline() {
    repository_.reset();
    database_->connection().close();
    wasOffline_ = true;
    retry_.start();
    emit stateChanged();
}

bool StoreService::allowChange() {
    if (!server_)
        return true;
    if (!stillThere()) {
        messenger_.error(StoreWindowText::Offline, {statusDisplay()});
        return false;
    }
    return true;
}

bool StoreService::allowStandardsChange() {
    if (!allowChange())
        return false;
    if (!access_.mayChangeStandards()) {
        messenger_.error(StoreWindowText::OperatorMayNot);
        return false;
    }
    return true;
}

void StoreService::tellFailure(LibraryRepository::Failure failure, const QString& detail) {
    switch (failure) {
        case LibraryRepository::Failure::Denied:
            messenger_.error(ServerText::PermissionDenied, {detail});
            return;
        case LibraryRepository::Failure::Unreachable:
            if (repository_)
                goOffline();
            messenger_.error(StoreWindowText::Offline, {statusDisplay()});
            return;
        default:
            messenger_.error(StoreWindowText::ServerRefused, {detail});
            return;
    }
}

QString StoreService::statusDisplay() const {
    return database_ ? database_->display() : StoreLocation::forSettings(location_);
}

void StoreService::showHistory(const QString& libraryId) {
    if (!server_) {
        messenger_.tip(StoreWindowText::HistoryNeedsServer);
        return;
    }
    if (libraryId.isEmpty()) {
        messenger_.tip(StoreWindowText::ChooseLibraryFirst);
        return;
    }
    if (!allowChange())
        return;
    QSqlDatabase db = database_->connection();
    QString error;
    const auto entries = AuditTrail::read(db, libraryId, &error);
    if (!entries) {
        messenger_.error(StoreWindowText::HistoryUnreadable, {error});
        return;
    }
    if (entries->isEmpty()) {
        messenger_.tip(StoreWindowText::HistoryEmpty, {libraryId});
        return;
    }
    // Newest first: the last change is what is usually looked for.
    QList<QStringList> rows;
    for (auto it = entries->crbegin(); it != entries->crend(); ++it) {
        const QString summary = it->summary();
        const QString what = messenger_.text(whatHappened(*it));
        rows << QStringList{localTime(it->time), it->user, it->bench,
                            summary.isEmpty() ? what : what + QStringLiteral(": ") + summary};
    }
    messenger_.choose(StoreWindowText::HistoryAction,
                      {QcText::ColumnTime, StoreWindowText::ColumnWho, StoreWindowText::ColumnBench,
                       StoreWindowText::ColumnChange},
                      rows, StoreWindowText::CloseButton);
}

bool StoreService::restoreServerBackup() {
    if (!server_ || !allowStandardsChange())
        return false;
    QSqlDatabase db = database_->connection();
    QString error;
    const auto backups = ServerBackups::list(db, QString(), &error);
    if (!backups) {
        if (stillThere())
            messenger_.error(StoreWindowText::ServerRefused, {error});
        else
            messenger_.error(StoreWindowText::Offline, {statusDisplay()});
        return false;
    }
    if (backups->isEmpty()) {
        messenger_.tip(StoreWindowText::NoServerBackups);
        return false;
    }
    QList<QStringList> rows;
    for (const LibraryBackup& backup : *backups)
        rows << QStringList{backup.name, localTime(backup.takenAt), backup.takenBy,
                            QString::number(backup.colours)};
    const int row = messenger_.choose(StoreWindowText::BackupsTitle,
                                      {QcText::ColumnLibrary, QcText::ColumnTime,
                                       StoreWindowText::ColumnTakenBy, BackupText::ColumnColours},
                                      rows, BackupText::RestoreButton);
    if (row < 0)
        return false;
    const LibraryBackup& chosen = backups->at(row);
    if (!messenger_.askRisky(StoreWindowText::AskServerRestore,
                             {chosen.name, localTime(chosen.takenAt)}))
        return false;
    const ServerBackups::Restored restored = ServerBackups::restore(db, chosen.id);
    if (!restored.ok) {
        if (restored.failure == LibraryRepository::Failure::Stale)
            messenger_.error(StoreWindowText::NoSuchBackup, {QString::number(chosen.id)});
        else if (restored.failure == LibraryRepository::Failure::Other)
            messenger_.error(StoreWindowText::ServerRestoreFailed, {restored.error});
        else
            tellFailure(restored.failure, restored.error);
        return false;
    }
    messenger_.tip(StoreWindowText::ServerRestored,
                   {chosen.name, QString::number(chosen.colours), QString::number(chosen.id)});
    emit libraryRestored(chosen.libraryId);
    return true;
}

}  // namespace colorcard
