# SPDX-License-Identifier: MIT
"""Independent readers and writers for the open-format tests.

csv FILE        print the rows of a CSV file as JSON, read by Python's csv module
cgats FILE      print the tables of a CGATS.17 file as JSON, read by the plain
                parser below (keywords, data format, data; quoted texts)
writecsv FILE   write a CSV file with Python's csv module (every field quoted)
"""
import csv
import json
import sys


def tokens(line):
    """Splits one CGATS line into tokens; quoted texts keep their spaces."""
    out = []
    i = 0
    while i < len(line):
        c = line[i]
        if c in " \t\r":
            i += 1
        elif c == "#":
            break
        elif c in "\"'":
            end = line.index(c, i + 1)
            out.append(("text", line[i + 1:end]))
            i = end + 1
        else:
            end = i
            while end < len(line) and line[end] not in " \t\r":
                end += 1
            out.append(("word", line[i:end]))
            i = end
    return out


def read_cgats(path):
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    tables = []
    table = None
    section = "header"
    for line in lines[1:]:
        parts = tokens(line)
        if not parts:
            continue
        first = parts[0][1]
        if table is None:
            table = {"properties": {}, "fields": [], "rows": []}
        if section == "header":
            if first == "BEGIN_DATA_FORMAT":
                section = "format"
            elif first == "BEGIN_DATA":
                section = "data"
            elif first == "KEYWORD":
                table["properties"].setdefault("KEYWORD", []).append(parts[1][1])
            elif len(parts) > 1:
                table["properties"][first] = parts[1][1]
        elif section == "format":
            if first == "END_DATA_FORMAT":
                section = "header"
            else:
                table["fields"] += [p[1] for p in parts]
        elif section == "data":
            if first == "END_DATA":
                tables.append(table)
                table = None
                section = "header"
            else:
                if len(parts) != len(table["fields"]):
                    raise SystemExit("row of %d values, %d fields: %s"
                                     % (len(parts), len(table["fields"]), line))
                table["rows"].append([p[1] for p in parts])
    return tables


def main():
    command, path = sys.argv[1], sys.argv[2]
    if command == "csv":
        with open(path, encoding="utf-8-sig", newline="") as f:
            json.dump(list(csv.reader(f)), sys.stdout, ensure_ascii=False)
    elif command == "cgats":
        json.dump(read_cgats(path), sys.stdout, ensure_ascii=False)
    elif command == "writecsv":
        with open(path, "w", encoding="utf-8", newline="") as f:
            w = csv.writer(f, quoting=csv.QUOTE_ALL)
            w.writerow(["Name", "Library", "LabL", "Laba", "Labb"])
            w.writerow(["橙色, 亮", "Python 库", "62.5", "35", "60.25"])
            w.writerow(["say \"hi\"", "Python 库", "0", "-0.5", "-100"])
            w.writerow(["semi;colon", "other", "100", "0", "0"])
    else:
        raise SystemExit(__doc__)


if __name__ == "__main__":
    sys.stdout.reconfigure(encoding="utf-8")
    main()
