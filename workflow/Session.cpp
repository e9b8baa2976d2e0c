// SPDX-License-Identifier: MIT
#include "workflow/Session.h"

#include <QCoreApplication>

#include "store/ColorCardStore.h"
#include "store/DataFiles.h"

namespace {

QString orDefault(const QString& given, QString (*fallback)()) {
    return given.isEmpty() ? fallback() : given;
}

QString settingsBesideExecutable() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/meterno");
}

}  // namespace

Session::Session(const Setup& setup, QObject* parent)
    : QObject(parent),
      messenger_(setup.prompt),
      local_(orDefault(setup.dataDirectory, &ColorCardStore::defaultDirectory)),
      library_(messenger_, local_.repository()),
      meter_(library_, setup.frames, orDefault(setup.settingsFile, &settingsBesideExecutable),
             orDefault(setup.templateDirectory, &DataFiles::templateDirectory)),
      quality_(library_, meter_) {}

Session::~Session() = default;
