// SPDX-License-Identifier: MIT
#include "store/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// Both come from the build: the installed data directory and the same
// directory relative to the installed bin directory.
#ifndef COLORCARD_INSTALL_DATADIR
#define COLORCARD_INSTALL_DATADIR "/usr/local/share/colorcard"
#endif
#ifndef COLORCARD_DATADIR_FROM_BINDIR
#define COLORCARD_DATADIR_FROM_BINDIR "../share/colorcard"
#endif

namespace colorcard {

namespace DataFiles {

namespace {

QString installationDataDirectory() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QStringLiteral(COLORCARD_DATADIR_FROM_BINDIR));
}

}  // namespace

QStringList searchDirectories() {
    QStringList directories;
    const QString candidates[] = {QDir::cleanPath(QCoreApplication::applicationDirPath()),
                                  installationDataDirectory(),
                                  QDir::cleanPath(QStringLiteral(COLORCARD_INSTALL_DATADIR))};
    for (const QString& directory : candidates)
        if (!directories.contains(directory))
            directories << directory;
    return directories;
}

QString locate(const QString& name) {
    for (const QString& directory : searchDirectories()) {
        const QFileInfo file(QDir(directory).filePath(name));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return QString();
}

QString templateDirectory() {
    const QString workbook = locate(QStringLiteral("ColorCard_1.xls"));
    return workbook.isEmpty() ? QCoreApplication::applicationDirPath()
                              : QFileInfo(workbook).absolutePath();
}

bool isInstalled() {
    return QFileInfo(installationDataDirectory()).isDir();
}

QString databaseDirectory() {
    const QString beside = QCoreApplication::applicationDirPath();
    if (!isInstalled() && QFileInfo(beside).isWritable())
        return beside;
    // The name is given here rather than taken from the application and
    // organisation names, so the database stays where earlier versions kept it.
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                            QStringLiteral("/ColorCard");
    QDir().mkpath(perUser);
    return perUser;
}

}  // namespace DataFiles

}  // namespace colorcard
