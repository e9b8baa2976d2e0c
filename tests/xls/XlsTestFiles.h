// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QVariant>

#include "xls/Workbook.h"
#include "xls/XlsWriter.h"

using namespace colorcard;

// Small helpers shared by the exchange tests.
namespace XlsTestFiles {

// A workbook file with the named, empty worksheets.
inline bool writeSheets(const QString& path, const QStringList& names) {
    Workbook workbook;
    for (const QString& name : names)
        workbook.addSheet(name);
    return XlsWriter::write(workbook, path);
}

inline QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

}  // namespace XlsTestFiles
