// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

// The engine reads workbooks from files: each input is written to one file
// of this process, in memory-backed storage when there is some.
inline QString fuzzFilePath(const char* suffix) {
    const QString dir = QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                            ? QStringLiteral("/dev/shm")
                            : QDir::tempPath();
    // The process id at a fixed width: a path whose length varies from run to
    // run would vary the code paths taken, and CI's fixed-seed runs with them.
    return dir + QStringLiteral("/colorcard-fuzz-%1%2")
                     .arg(QCoreApplication::applicationPid(), 10, 10, QLatin1Char('0'))
                     .arg(QLatin1String(suffix));
}

inline bool writeFuzzFile(const QString& path, const quint8* data, size_t size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size);
}
