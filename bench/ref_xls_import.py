#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Reference for the workbook import: xlrd reads the exchange workbook (the
list sheet, then one sheet per library) and sqlite3 stores it in one
transaction, in tables of the store's own shape. No check codes are checked.

    ref_xls_import.py FILE.xls DATABASE
"""
import sqlite3
import sys

import xlrd

VALUES = ["LabL", "Laba", "Labb", "LuvL", "Luvu", "Luvv", "LChL", "LChC", "LChh",
          "YxyY", "Yxyx", "Yxyy2", "CMYKC", "CMYKM", "CMYKY", "CMYKK", "RGBR", "RGBG", "RGBB"]


def text(cell):
    return cell if isinstance(cell, str) else "%g" % cell


def main(path, database):
    book = xlrd.open_workbook(path)
    listed = book.sheet_by_index(0)
    libraries = []
    for n in range(1, book.nsheets):
        name, description = listed.row_values(n + 1)[:2]
        sheet = book.sheet_by_index(n)
        rows = [[text(c) for c in sheet.row_values(r)] for r in range(1, sheet.nrows)]
        libraries.append((text(name), text(description), [r for r in rows if r[0]]))

    db = sqlite3.connect(database, isolation_level=None)
    db.execute("BEGIN IMMEDIATE")
    db.execute("CREATE TABLE IF NOT EXISTS ColorCard (id INTEGER PRIMARY KEY AUTOINCREMENT, "
               "colorcardid TEXT NOT NULL, meterno TEXT, colorcardname TEXT, colorcarddesc TEXT, "
               "colorcardcount TEXT)")
    columns = ", ".join(v + " TEXT" for v in VALUES)
    for n, (name, description, rows) in enumerate(libraries, 1):
        table = "ColorCard%d" % n
        db.execute('CREATE TABLE "%s" (id INTEGER PRIMARY KEY AUTOINCREMENT, colordataid TEXT '
                   'NOT NULL, colordataname TEXT, %s)' % (table, columns))
        db.execute("INSERT INTO ColorCard (colorcardid, meterno, colorcardname, colorcarddesc, "
                   "colorcardcount) VALUES (?, ?, ?, ?, ?)",
                   (table, "", name, description, str(len(rows))))
        db.executemany('INSERT INTO "%s" (colordataid, colordataname, %s) VALUES (%s)'
                       % (table, ", ".join(VALUES), ", ".join("?" * 21)),
                       [["ColorData%d" % (k + 1)] + row[:20] for k, row in enumerate(rows)])
    db.execute("COMMIT")
    db.close()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
