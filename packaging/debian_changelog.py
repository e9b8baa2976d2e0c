#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the Debian changelog.gz of the package from CHANGELOG.md.

Usage: debian_changelog.py CHANGELOG.md PACKAGE VERSION MAINTAINER OUTPUT.gz

Every "## VERSION (YYYY-MM-DD)" section becomes one entry, its "- " items
the entry's changes. The newest entry must carry VERSION (the version of the
build), so the package and its changelog cannot disagree. The output is
compressed as Debian wants it: best compression, no name and no time stamp.
"""

import datetime
import gzip
import re
import sys
import textwrap


def entries(text):
    heading = re.compile(r"^## (\S+) \((\d{4}-\d{2}-\d{2})\)\s*$")
    found = []
    for line in text.splitlines():
        match = heading.match(line)
        if match:
            found.append((match.group(1), match.group(2), []))
        elif line.startswith("## "):
            raise ValueError(f"heading not of the form '## VERSION (YYYY-MM-DD)': {line}")
        elif found and line.startswith("- "):
            found[-1][2].append(line[2:].strip())
        elif found and line.startswith("  ") and found[-1][2]:
            found[-1][2][-1] += " " + line.strip()
        elif found and line.strip():
            raise ValueError(f"neither an item nor its continuation: {line}")
    return found


def debian(package, maintainer, found):
    out = []
    for version, date, items in found:
        if not items:
            raise ValueError(f"version {version} lists no changes")
        day = datetime.datetime.strptime(date, "%Y-%m-%d").replace(
            hour=12, tzinfo=datetime.timezone.utc)
        out.append(f"{package} ({version}) unstable; urgency=medium\n")
        for item in items:
            out.append(textwrap.fill(item, width=78, initial_indent="  * ",
                                     subsequent_indent="    "))
        out.append(f"\n -- {maintainer}  {day.strftime('%a, %d %b %Y %H:%M:%S +0000')}\n")
    return "\n".join(out)


def main(argv):
    source, package, version, maintainer, output = argv[1:6]
    with open(source, encoding="utf-8") as f:
        found = entries(f.read())
    if not found:
        raise SystemExit(f"{source}: no '## VERSION (YYYY-MM-DD)' entry")
    if found[0][0] != version:
        raise SystemExit(f"{source}: the newest entry is {found[0][0]}, the build is {version}; "
                         "add an entry for it")
    text = debian(package, maintainer, found).encode("utf-8")
    with open(output, "wb") as raw:
        with gzip.GzipFile(filename="", mode="wb", fileobj=raw, compresslevel=9, mtime=0) as gz:
            gz.write(text)


if __name__ == "__main__":
    try:
        main(sys.argv)
    except ValueError as error:
        raise SystemExit(f"{sys.argv[1]}: {error}")
