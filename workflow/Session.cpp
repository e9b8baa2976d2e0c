// SPDX-License-Identifier: MIT
#include "workflow/Session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "server/PgQualityStore.h"
#include "server/ServerUrl.h"
#include "store/ColorCardStore.h"
#include "store/DataFiles.h"

namespace colorcard {

namespace {

QString orDefault(const QString& given, QString (*fallback)()) {
    return given.isEmpty() ? fallback() : given;
}

QString settingsBesideExecutable() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/meterno");
}

bool namesFile(const Session::Setup& setup) {
    return !setup.location.isEmpty() && !ServerUrl::looksLikeServer(setup.location);
}

// A file location is its folder and name; anything else keeps "database.db"
// in the data directory (on a server it keeps the bench's own settings).
QString fileOf(const Session::Setup& setup) {
    if (namesFile(setup))
        return QFileInfo(setup.location).absoluteFilePath();
    return QDir(orDefault(setup.dataDirectory, &ColorCardStore::defaultDirectory))
        .filePath(QStringLiteral("database.db"));
}

QString directoryOf(const Session::Setup& setup) {
    return namesFile(setup) ? QFileInfo(setup.location).absolutePath()
                            : orDefault(setup.dataDirectory, &ColorCardStore::defaultDirectory);
}

QString locationOf(const Session::Setup& setup) {
    return ServerUrl::looksLikeServer(setup.location) ? setup.location : fileOf(setup);
}

}  // namespace

Session::Session(const Setup& setup, QObject* parent)
    : QObject(parent),
      messenger_(setup.prompt),
      store_(messenger_, locationOf(setup)),
      local_(directoryOf(setup)),
      repository_(store_.isServer() ? nullptr : &local_.repository()),
      library_(messenger_, repository_),
      edits_(library_),
      merge_(library_),
      meter_(edits_, merge_, setup.frames, orDefault(setup.settingsFile, &settingsBesideExecutable),
             orDefault(setup.templateDirectory, &DataFiles::templateDirectory)),
      quality_(library_, meter_, local_) {
    if (namesFile(setup) && QFileInfo(setup.location).fileName() != QLatin1String("database.db"))
        local_.store().setDatabasePath(fileOf(setup));
    if (!store_.isServer())
        return;
    // The bench's own settings (the sample index) stay in its file; the QC
    // records are the server's, kept nowhere while it is not connected.
    local_.store().openDatabase();
    quality_.setQualityRecords(nullptr);
    // A refused or failed step is told as the server said it.
    library_.setFailureTeller([this](LibraryRepository::Failure failure, const QString& detail) {
        store_.tellFailure(failure, detail);
    });
    connect(&store_, &StoreService::stateChanged, this, &Session::followStore);
}

void Session::followStore() {
    // A repository that went is dropped by the switch itself; its QC records not.
    LibraryRepository* server = store_.repository();
    if (repository_.target() == server && bool(serverQuality_) == bool(server))
        return;
    repository_.setTarget(server);
    std::unique_ptr<QualityRecords> gone = std::move(serverQuality_);
    if (server)
        serverQuality_ = std::make_unique<PgQualityStore>(store_.database()->connection());
    quality_.setQualityRecords(serverQuality_.get());
    // Commits before the switch are not news.
    repository_.checkForChanges();
    library_.reloadFromStore();
}

Session::~Session() = default;

}  // namespace colorcard
