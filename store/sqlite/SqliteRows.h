// SPDX-License-Identifier: MIT
#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include "model/Colour.h"

namespace colorcard {

// What the store and the repository both need to read and bind rows of the
// SQLite file the same way.
namespace SqliteRows {

// Table names are identifiers, never values: quote them so that no name can
// change the statement.
inline QString quoted(const QString& identifier) {
    QString inner = identifier;
    inner.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

// A null string would bind as NULL; the columns hold texts, so bind "".
inline QVariant text(const QString& value) {
    return value.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(value);
}

// The library table's columns in the order libraryAt reads them.
inline QString selectLibrary() {
    return QStringLiteral(
        "SELECT id, colorcardid, meterno, colorcardname, colorcarddesc, colorcardcount FROM "
        "ColorCard");
}

inline Library libraryAt(const QSqlQuery& query) {
    Library library;
    library.rowId = query.value(0).toInt();
    library.id = query.value(1).toString();
    library.meterNumber = query.value(2).toString();
    library.name = query.value(3).toString();
    library.description = query.value(4).toString();
    library.count = query.value(5).toString();
    return library;
}

}  // namespace SqliteRows

}  // namespace colorcard
