#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Makes the forms' and the code's translatable texts English at the source:
tr("中文") in .cpp/.h and <string>中文</string> in .ui files become their
English, and the Chinese moves into ColorCard_zh.ts as the translation.

The English of a Chinese source text is taken from the translations known:
the old per-language folders (resources/translations/en/*.ts and zh/*.ts,
merged into ColorCard_<code>.ts and removed) and the current ColorCard_zh.ts
read backwards. Texts already in English are left alone, so the script can
run again after merging branches that still write tr("中文"). A Chinese text
no translation knows stops the script with its place. Afterwards run the
update_translations target.

Usage: tools/convert-tr.py
"""
import glob
import html
import os
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import tsfile  # noqa: E402

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
HAN = re.compile(r"[\u3400-\u9fff\uff00-\uffef\u3000-\u303f]")
LITERALS = r'(?:"(?:[^"\\\n]|\\.)*"\s*)+'
TR = re.compile(r"\btr\(\s*(" + LITERALS + r")(?=[,)])")
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
UI_STRING = re.compile(r"<string>([^<]*)</string>")
# Chinese texts whose English reads like another's in the same class: the
# disambiguation tr() and the .ts give the second one.
DISAMBIGUATIONS = {"色卡库新建": "dialog title", "样品测量": "group title"}
SKIPPED = ("build", ".git", "tests", "bench", "fuzz", "tools")


def old_translations():
    """(context, Chinese source) -> (English, Chinese) from the old folders."""
    known = {}
    folder = tsfile.TRANSLATIONS
    for path in sorted(glob.glob(os.path.join(folder, "en", "*.ts"))):
        for context, messages in tsfile.TsFile.read(path, "en").contexts.items():
            for m in messages:
                known[(context, m.source)] = [m.translation or m.source, m.source]
    for path in sorted(glob.glob(os.path.join(folder, "zh", "*.ts"))):
        for context, messages in tsfile.TsFile.read(path, "zh_CN").contexts.items():
            for m in messages:
                entry = known.setdefault((context, m.source), [m.source, m.source])
                entry[1] = m.translation or m.source
    return known


def english_for(known, context, chinese, where):
    if (context, chinese) in known:
        return known[(context, chinese)][0]
    found = {english for (c, source), (english, translated) in known.items()
             if source == chinese or translated == chinese}
    if len(found) == 1:
        return found.pop()
    sys.exit("%s: no single English known for %r (context %s)" % (where, chinese, context))


def sources():
    for folder, dirs, files in os.walk(ROOT):
        relative = os.path.relpath(folder, ROOT)
        top = relative.split(os.sep)[0]
        if top.startswith(SKIPPED):
            dirs[:] = []
            continue
        for name in sorted(files):
            if name.endswith((".cpp", ".h", ".ui")):
                yield os.path.join(folder, name)


def convert_ui(path, text, known, used):
    context = re.search(r"<class>(\w+)</class>", text).group(1)

    def replace(m):
        chinese = html.unescape(m.group(1))
        if not HAN.search(chinese):
            return m.group(0)
        english = english_for(known, context, chinese, path)
        used.append((context, english, chinese, ""))
        return "<string>%s</string>" % html.escape(english, quote=False)

    return UI_STRING.sub(replace, text)


def convert_code(path, text, known, used):
    # tr() of a member function is in the context of its class, the file's name.
    context = os.path.splitext(os.path.basename(path))[0]

    def replace(m):
        body = "".join(LITERAL.findall(m.group(1)))
        chinese = tsfile.unescape_literal(body)
        if not HAN.search(chinese):
            return m.group(0)
        english = english_for(known, context, chinese, path)
        comment = DISAMBIGUATIONS.get(chinese, "")
        used.append((context, english, chinese, comment))
        literal = '"%s"' % tsfile.escape_literal(english)
        if comment:
            literal += ', "%s"' % comment
        return "tr(%s)" % literal if m.group(0).endswith(")") else "tr(%s" % literal

    return TR.sub(replace, text)


def main():
    known = old_translations()
    zh_path = tsfile.ts_path("zh")
    zh = tsfile.TsFile.read(zh_path, "zh_CN")
    # The current translations read backwards know the texts converted before.
    for context, messages in zh.contexts.items():
        for m in messages:
            if m.translation and not m.comment:
                known.setdefault((context, m.translation), [m.source, m.translation])
    # Every old message keeps its translation, in its context.
    for (context, _), (english, chinese) in known.items():
        zh.add(context, tsfile.Message(english, chinese, DISAMBIGUATIONS.get(chinese, "")))
    changed = []
    used = []
    for path in sources():
        with open(path, encoding="utf-8") as f:
            text = f.read()
        converted = (convert_ui if path.endswith(".ui") else convert_code)(path, text, known, used)
        if converted != text:
            with open(path, "w", encoding="utf-8") as f:
                f.write(converted)
            changed.append(path)
    for context, english, chinese, comment in used:
        zh.add(context, tsfile.Message(english, chinese, comment))
    zh.write(zh_path)
    en_path = tsfile.ts_path("en")
    if not os.path.exists(en_path):
        tsfile.TsFile("en").write(en_path)
    for old in ("en", "zh"):
        shutil.rmtree(os.path.join(tsfile.TRANSLATIONS, old), ignore_errors=True)
    code = [p for p in changed if not p.endswith(".ui")]
    if code and shutil.which("clang-format"):
        subprocess.run(["clang-format", "-i"] + code, check=True)
    print("Converted: %s" % (", ".join(os.path.relpath(p, ROOT) for p in changed) or "nothing"))
    print("Now run: cmake --build build --target update_translations")


if __name__ == "__main__":
    main()
