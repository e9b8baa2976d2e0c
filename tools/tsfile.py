# SPDX-License-Identifier: MIT
"""Reading and writing Qt Linguist .ts files, shared by the conversion tools.

The files are written in the layout lupdate writes (-locations none), so that
running lupdate afterwards changes nothing but the order of new messages.
"""
import os
import xml.etree.ElementTree as ET

TRANSLATIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources",
                            "translations")


def ts_path(code):
    return os.path.normpath(os.path.join(TRANSLATIONS, "ColorCard_%s.ts" % code))


class Message:
    def __init__(self, source, translation="", comment=""):
        self.source = source
        self.translation = translation
        self.comment = comment


class TsFile:
    """Contexts in file order, each an ordered list of messages."""

    def __init__(self, language):
        self.language = language
        self.contexts = {}

    @classmethod
    def read(cls, path, language):
        ts = cls(language)
        if not os.path.exists(path):
            return ts
        root = ET.parse(path).getroot()
        for context in root.findall("context"):
            name = context.findtext("name") or ""
            for message in context.findall("message"):
                translation = message.find("translation")
                text = translation.text if translation is not None else ""
                ts.add(name, Message(message.findtext("source") or "", text or "",
                                     message.findtext("comment") or ""))
        return ts

    def find(self, context, source, comment=""):
        for message in self.contexts.get(context, []):
            if message.source == source and message.comment == comment:
                return message
        return None

    def add(self, context, message):
        """Adds the message, or fills in the translation of the one already there."""
        old = self.find(context, message.source, message.comment)
        if old is None:
            self.contexts.setdefault(context, []).append(message)
        elif message.translation:
            old.translation = message.translation

    def write(self, path):
        lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
                 '<TS version="2.1" language="%s" sourcelanguage="en">' % self.language]
        for name in sorted(self.contexts):
            lines += ["<context>", "    <name>%s</name>" % escape(name)]
            for m in self.contexts[name]:
                lines.append("    <message>")
                lines.append("        <source>%s</source>" % escape(m.source))
                if m.comment:
                    lines.append("        <comment>%s</comment>" % escape(m.comment))
                if m.translation:
                    lines.append("        <translation>%s</translation>" % escape(m.translation))
                else:
                    lines.append('        <translation type="unfinished"></translation>')
                lines.append("    </message>")
            lines.append("</context>")
        lines.append("</TS>")
        with open(path, "w", encoding="utf-8") as f:
            f.write("\n".join(lines) + "\n")


def escape(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace("'", "&apos;").replace('"', "&quot;"))


def unescape_literal(body):
    """A C++ string literal's body as the compiler reads it."""
    out = []
    i = 0
    simple = {"n": "\n", "t": "\t", "\\": "\\", '"': '"', "'": "'", "r": "\r", "?": "?"}
    while i < len(body):
        c = body[i]
        if c == "\\" and i + 1 < len(body):
            out.append(simple.get(body[i + 1], body[i + 1]))
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def escape_literal(text):
    """The body of a C++ string literal that reads as text."""
    return (text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n")
            .replace("\t", "\\t"))
