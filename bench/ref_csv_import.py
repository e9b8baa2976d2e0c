#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Reference for the CSV import: Python's csv module reads the file and
sqlite3 stores it in one transaction, in tables of the store's own shape.

    ref_csv_import.py FILE.csv DATABASE
"""
import csv
import sqlite3
import sys

VALUES = ["LabL", "Laba", "Labb", "LuvL", "Luvu", "Luvv", "LChL", "LChC", "LChh",
          "YxyY", "Yxyx", "Yxyy2", "CMYKC", "CMYKM", "CMYKY", "CMYKK", "RGBR", "RGBG", "RGBB"]


def main(path, database):
    with open(path, newline="", encoding="utf-8-sig") as f:
        rows = list(csv.reader(f))
    header = rows[0]
    at = {name: i for i, name in enumerate(header)}
    wanted = [at["Yxyy" if v == "Yxyy2" else v] for v in VALUES]
    libraries = {}
    for row in rows[1:]:
        if not row:
            continue
        key = (row[at["Library"]], row[at["Description"]])
        libraries.setdefault(key, []).append(row)

    db = sqlite3.connect(database, isolation_level=None)
    db.execute("BEGIN IMMEDIATE")
    db.execute("CREATE TABLE IF NOT EXISTS ColorCard (id INTEGER PRIMARY KEY AUTOINCREMENT, "
               "colorcardid TEXT NOT NULL, meterno TEXT, colorcardname TEXT, colorcarddesc TEXT, "
               "colorcardcount TEXT)")
    columns = ", ".join(v + " TEXT" for v in VALUES)
    for n, ((name, description), members) in enumerate(libraries.items(), 1):
        table = "ColorCard%d" % n
        db.execute('CREATE TABLE "%s" (id INTEGER PRIMARY KEY AUTOINCREMENT, colordataid TEXT '
                   'NOT NULL, colordataname TEXT, %s)' % (table, columns))
        db.execute("INSERT INTO ColorCard (colorcardid, meterno, colorcardname, colorcarddesc, "
                   "colorcardcount) VALUES (?, ?, ?, ?, ?)",
                   (table, "", name, description, str(len(members))))
        db.executemany('INSERT INTO "%s" (colordataid, colordataname, %s) VALUES (%s)'
                       % (table, ", ".join(VALUES), ", ".join("?" * 21)),
                       [["ColorData%d" % (k + 1), row[at["Name"]]] + [row[i] for i in wanted]
                        for k, row in enumerate(members)])
    db.execute("COMMIT")
    db.close()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
