# SPDX-License-Identifier: MIT
"""Reads and writes .xls workbooks with independent libraries (xlrd, xlwt)
for the exchange tests.

  xls_interop.py read FILE   prints every sheet as JSON: name and rows of
                             [kind, value] cells, kind "number", "text" or
                             "empty"
  xls_interop.py write FILE  writes the workbook that tst_xlsinterop expects
"""
import json
import sys


def read(path):
    import xlrd
    book = xlrd.open_workbook(path)
    kinds = {xlrd.XL_CELL_NUMBER: "number", xlrd.XL_CELL_TEXT: "text",
             xlrd.XL_CELL_EMPTY: "empty", xlrd.XL_CELL_BLANK: "empty"}
    sheets = []
    for sheet in book.sheets():
        rows = []
        for r in range(sheet.nrows):
            rows.append([[kinds.get(c.ctype, "other:%d" % c.ctype), c.value]
                         for c in sheet.row(r)])
        sheets.append({"name": sheet.name, "rows": rows})
    json.dump(sheets, sys.stdout, ensure_ascii=True)


def write(path):
    import xlwt
    book = xlwt.Workbook(encoding="utf-8")
    data = book.add_sheet("Data")
    rows = [
        [1, -7, 52.31, 0.5, 123456789012],
        ["Reds", u"红色 1号", "052", "52.31", None],
        [None, 3, None, u"Ünïcødé", -0.25],
    ]
    for r, row in enumerate(rows):
        for c, value in enumerate(row):
            if value is not None:
                data.write(r, c, value)
    shifted = book.add_sheet(u"中文")
    shifted.write(2, 1, "B3")
    shifted.write(3, 3, 4.5)
    strings = book.add_sheet("Strings")
    for i in range(1200):
        strings.write(i, 0, u"颜色 %d " % i * (1 + i % 4))
        strings.write(i, 1, "colour %d" % i)
    book.save(path)


if __name__ == "__main__":
    {"read": read, "write": write}[sys.argv[1]](sys.argv[2])
