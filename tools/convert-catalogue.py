#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Turns catalogue entries written as {"English", "中文"} pairs into English
source texts marked for lupdate, and moves the Chinese into the zh .ts file.

    BilingualText Name{"English", "中文"};
becomes
    BilingualText Name{"Area", QT_TRANSLATE_NOOP3("Area", "English", "Name")};

where Area is the entry's namespace (the translation context) and Name, the
disambiguation, keeps two entries that read alike in English apart. Entries
already converted are left alone, so the script can run again after merging
branches that added pairs. Afterwards run the update_translations target.

Usage: tools/convert-catalogue.py [texts-folder]
"""
import os
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import tsfile  # noqa: E402

LITERALS = r'(?:"(?:[^"\\\n]|\\.)*"\s*)+'
PAIR = re.compile(r"BilingualText\s+(\w+)\s*\{\s*(" + LITERALS + r"),\s*(" + LITERALS + r")\}")
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
NAMESPACE = re.compile(r"^namespace\s+(\w+)\s*\{", re.M)


def joined(literals):
    return "".join(LITERAL.findall(literals))


def convert(path, ts):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    namespaces = [(m.start(), m.group(1)) for m in NAMESPACE.finditer(text)]

    def area(position):
        names = [name for start, name in namespaces if start < position]
        if not names:
            sys.exit("%s: catalogue entry outside a namespace" % path)
        return names[-1]

    count = 0

    def replace(m):
        nonlocal count
        count += 1
        name, context = m.group(1), area(m.start())
        english, chinese = joined(m.group(2)), joined(m.group(3))
        # lupdate takes no empty source: a text without English has the
        # Chinese as its source and reads empty in English.
        only = "" if english else ", BilingualText::ChineseOnly{}"
        english = english or chinese
        ts.add(context, tsfile.Message(tsfile.unescape_literal(english),
                                       tsfile.unescape_literal(chinese), name))
        return 'BilingualText %s{"%s", QT_TRANSLATE_NOOP3("%s", "%s", "%s")%s}' % (
            name, context, context, english, name, only)

    converted = PAIR.sub(replace, text)
    if count:
        with open(path, "w", encoding="utf-8") as f:
            f.write(converted)
    return count


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "texts")
    ts_path = tsfile.ts_path("zh")
    ts = tsfile.TsFile.read(ts_path, "zh_CN")
    changed = []
    for name in sorted(os.listdir(folder)):
        if name.endswith(".h"):
            path = os.path.join(folder, name)
            if convert(path, ts):
                changed.append(path)
    if not changed:
        print("No pair left: nothing to convert.")
        return
    ts.write(ts_path)
    if shutil.which("clang-format"):
        subprocess.run(["clang-format", "-i"] + changed, check=True)
    print("Converted %s; the Chinese is in %s." % (", ".join(changed), ts_path))
    print("Now run: cmake --build build --target update_translations")


if __name__ == "__main__":
    main()
