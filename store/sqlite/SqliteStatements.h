// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace colorcard {

// The statements only SQLite understands, in one place: the schema's
// auto-increment keys, the catalogue (sqlite_master) and replacing upserts.
// The texts of the CREATE statements are what the file keeps as its schema,
// so they never change.
namespace SqliteStatements {

QString createLibraryTable();
// A colour table; quotedTable is already quoted, valueColumns "LabL TEXT, ...".
QString createColourTable(const QString& quotedTable, const QString& valueColumns);
QString createHistoryTable();

// One row when a table of the bound name exists.
QString tableExists();
// The library table's name when it exists (the store's first look at a file).
QString libraryTableName();
// One row when the library table exists.
QString libraryTableExists();
// One row when a table or anything else of the bound name exists, in any case.
QString nameTaken();
// Reads the catalogue: fails when the file is not a database.
QString catalogueProbe();

// Inserts the row or replaces the one of the same key.
QString replaceRow(const QString& table, const QStringList& columns);

}  // namespace SqliteStatements

}  // namespace colorcard
