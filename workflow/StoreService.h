// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

class QThread;

#include "store/Database.h"
#include "store/LibraryRepository.h"
#include "workflow/StoreAccess.h"

namespace colorcard {

class Messenger;
class PasswordKeeper;

// The store the window works on, as chosen by --database, COLORCARD_DATABASE
// or the settings: a SQLite file (the default) or a PostgreSQL server. Owns
// the Database and, once connected, the repository on it; knows whether the
// server is away (offline: changes are refused, so nothing is lost) and what
// the login's role allows.
class StoreService : public QObject {
    Q_OBJECT
public:
    // location: a file path or a postgresql:// address; a password in it is
    // used for the connection only.
    StoreService(Messenger& messenger, const QString& location, QObject* parent = nullptr);
    ~StoreService() override;

    QString location() const { return location_; }
    bool isServer() const { return server_; }
    // A server not (or no longer) connected.
    bool offline() const { return server_ && !repository_; }
    const StoreAccess& access() const { return access_; }
    // A server's connection (null for a file, or when the address could not
    // be read) and, once connected, the repository on it.
    Database* database() const { return database_.get(); }
    LibraryRepository* repository() const { return repository_.get(); }

    // Connects to the server, the window kept alive meanwhile (a progress
    // dialog; the time-out is the address's connect_timeout, 5 s unless set).
    // When it cannot be reached the user may retry or cancel, which leaves
    // the window offline. A file: nothing to do. True when connected.
    bool connect();
    // Where a password the user asks to remember is kept (not owned); null:
    // the password is asked for without the offer.
    void setPasswordKeeper(PasswordKeeper* keeper) { keeper_ = keeper; }

    // Offline, the server is tried again quietly every interval (no
    // question, no progress dialog; the window goes on meanwhile) until it
    // answers. 5 s unless set.
    void setRetryInterval(int milliseconds);
    // One quiet try now: the server is probed on a thread of its own and,
    // when it answers, connected again (stateChanged, reconnected).
    void retryQuietly();

    // What the status line shows: the file, or the server (user@host:port/db,
    // never a password) with the role, or that it is offline.
    QString statusText() const;

    // Before a change of the standards (libraries, colours, tolerances,
    // backups): false after a message when offline or when the role may not.
    bool allowStandardsChange();
    // Before any other change (samples, comparisons, lots): false after a
    // message when offline.
    bool allowChange();
    // Tells a refusal of the server in words the user can act on; a server
    // that went away leaves the window offline.
    void tellFailure(LibraryRepository::Failure failure, const QString& detail);

    // The server's history of changes of a library, in a table; on a file,
    // the message that it needs a server.
    void showHistory(const QString& libraryId);
    // The server's backups of libraries to choose one from, confirmed and
    // restored; true when one was restored (message shown).
    bool restoreServerBackup();

signals:
    // Connected, offline or the role changed: the status line and the
    // pages' buttons follow.
    void stateChanged();
    // A library was restored from the server's backup.
    void libraryRestored(const QString& libraryId);
    // Back on the server after being offline: what was shown is read again.
    void reconnected();

private:
    // Whether the connected server still answers; goes offline when not.
    bool stillThere();
    void goOffline();
    // Opens the probed server and takes its repository and role.
    bool openServer(QString* error);
    // After the server refused for a missing or wrong password: the kept one
    // (once), else the user's; false when the user cancelled.
    bool findPassword(const QString& refusal);
    // The server as the messages name it (never with a password).
    QString statusDisplay() const;

    Messenger& messenger_;
    QString location_;
    bool server_ = false;
    std::unique_ptr<Database> database_;
    std::unique_ptr<LibraryRepository> repository_;
    StoreAccess access_;
    // Offline since a connection was lost or given up (not before the first try).
    bool wasOffline_ = false;
    bool connecting_ = false;
    PasswordKeeper* keeper_ = nullptr;
    // Held for this run only: never written to the settings or a log.
    QString password_;
    bool keepPassword_ = false;
    bool keptTried_ = false;
    QTimer retry_;
    std::unique_ptr<QThread> probe_;
};

}  // namespace colorcard
