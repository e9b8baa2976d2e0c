// SPDX-License-Identifier: MIT
#include "xls/CompoundFileModule.h"

#include <dlfcn.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QtGlobal>

#include "xls/gsf/GsfCompoundFile.h"

// Both come from the build: the module's file name and its installed
// directory relative to the installed bin directory.
#ifndef COLORCARD_GSF_MODULE
#define COLORCARD_GSF_MODULE "colorcard-gsf.so"
#endif
#ifndef COLORCARD_MODULEDIR_FROM_BINDIR
#define COLORCARD_MODULEDIR_FROM_BINDIR "../lib/colorcard"
#endif

namespace colorcard {

namespace CompoundFileModule {

namespace {

// The directory of the running executable, also before (or without) an
// application object.
QString executableDirectory() {
    char path[4096];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return QString();
    return QFileInfo(QFile::decodeName(QByteArray(path, static_cast<int>(length)))).absolutePath();
}

const GsfCompoundFileFunctions* load() {
    const QString beside = executableDirectory();
    // Beside the program (the build tree's bin/), where an installation
    // keeps it, and bin/ of the build tree for programs built elsewhere in
    // it (benches, fuzzers).
    const QStringList directories = {
        beside, QDir::cleanPath(beside + QStringLiteral("/" COLORCARD_MODULEDIR_FROM_BINDIR)),
        QDir::cleanPath(beside + QStringLiteral("/../bin"))};
    QStringList reasons;
    for (const QString& directory : directories) {
        const QString path = QDir(directory).filePath(QStringLiteral(COLORCARD_GSF_MODULE));
        if (!QFileInfo::exists(path)) {
            reasons << path + QStringLiteral(": not found");
            continue;
        }
        // Never unloaded: the functions stay valid for the whole run.
        void* module = ::dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            reasons << QString::fromLocal8Bit(::dlerror());
            continue;
        }
        using Entry = const GsfCompoundFileFunctions* (*)();
        const auto entry = reinterpret_cast<Entry>(::dlsym(module, kGsfCompoundFileEntry));
        const GsfCompoundFileFunctions* functions = entry ? entry() : nullptr;
        if (functions && functions->version == kGsfCompoundFileVersion)
            return functions;
        reasons << path + QStringLiteral(": not this program's module");
        ::dlclose(module);
    }
    qWarning("workbook container module unavailable: %s",
             qPrintable(reasons.join(QStringLiteral("; "))));
    return nullptr;
}

}  // namespace

const GsfCompoundFileFunctions* functions() {
    static const GsfCompoundFileFunctions* const loaded = load();
    return loaded;
}

}  // namespace CompoundFileModule

}  // namespace colorcard
