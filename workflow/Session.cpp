// SPDX-License-Identifier: MIT
#include "workflow/Session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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
// in the data directory (on a server the library service still reads that file).
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
      library_(messenger_, local_.repository()),
      edits_(library_),
      merge_(library_),
      meter_(edits_, merge_, setup.frames, orDefault(setup.settingsFile, &settingsBesideExecutable),
             orDefault(setup.templateDirectory, &DataFiles::templateDirectory)),
      quality_(library_, meter_, local_) {
    if (namesFile(setup) && QFileInfo(setup.location).fileName() != QLatin1String("database.db"))
        local_.store().setDatabasePath(fileOf(setup));
}

Session::~Session() = default;

}  // namespace colorcard
