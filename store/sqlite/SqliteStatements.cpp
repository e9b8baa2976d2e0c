// SPDX-License-Identifier: MIT
#include "store/sqlite/SqliteStatements.h"

namespace colorcard {

namespace SqliteStatements {

QString createLibraryTable() {
    return QStringLiteral(
        "CREATE TABLE IF NOT EXISTS ColorCard (id INTEGER PRIMARY KEY AUTOINCREMENT, colorcardid "
        "TEXT NOT NULL, meterno TEXT, colorcardname TEXT, colorcarddesc TEXT, colorcardcount "
        "TEXT)");
}

QString createColourTable(const QString& quotedTable, const QString& valueColumns) {
    return QStringLiteral(
               "CREATE TABLE IF NOT EXISTS %1 (id INTEGER PRIMARY KEY AUTOINCREMENT, colordataid "
               "TEXT NOT NULL, colordataname TEXT, %2)")
        .arg(quotedTable, valueColumns);
}

QString createHistoryTable() {
    return QStringLiteral(
        "CREATE TABLE IF NOT EXISTS QcHistory (id INTEGER PRIMARY KEY AUTOINCREMENT, measuredat "
        "TEXT NOT NULL, meterno TEXT, colorcardid TEXT, colorcardname TEXT, colordataid TEXT, "
        "colordataname TEXT, stdL REAL, stda REAL, stdb REAL, L REAL, a REAL, b REAL, readings "
        "INTEGER, sdL REAL, sda REAL, sdb REAL, deltae REAL, formula TEXT, cmcl REAL, cmcc REAL, "
        "kl REAL, kc REAL, kh REAL, tolerancelimit REAL, pass INTEGER)");
}

QString tableExists() {
    return QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?");
}

QString libraryTableName() {
    return QStringLiteral(
        "SELECT name FROM sqlite_master WHERE type = 'table' AND name = 'ColorCard'");
}

QString libraryTableExists() {
    return QStringLiteral(
        "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'ColorCard'");
}

QString nameTaken() {
    return QStringLiteral("SELECT 1 FROM sqlite_master WHERE name = ? COLLATE NOCASE");
}

QString catalogueProbe() {
    return QStringLiteral("SELECT count(*) FROM sqlite_master");
}

QString replaceRow(const QString& table, const QStringList& columns) {
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("INSERT OR REPLACE INTO %1 (%2) VALUES (%3)")
        .arg(table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
}

}  // namespace SqliteStatements

}  // namespace colorcard
