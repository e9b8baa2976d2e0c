// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QFile>
#include <QList>
#include <QRegularExpression>
#include <QTranslator>

// The catalogue read from its headers as source, each text in English (its
// source) and in Chinese (the compiled translation the program ships).
namespace CatalogueSource {

inline QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Adjacent string literals joined, as the compiler joins them.
inline QString joinedLiterals(QString text) {
    static const QRegularExpression split(QStringLiteral("\"\\s*\\n\\s*\""));
    return text.replace(split, QString());
}

// A C++ string literal's body as the compiler reads it.
inline QString unescapedLiteral(const QString& body) {
    QString out;
    for (int i = 0; i < body.size(); ++i) {
        if (body.at(i) != QLatin1Char('\\') || i + 1 == body.size()) {
            out += body.at(i);
            continue;
        }
        const QChar next = body.at(++i);
        if (next == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (next == QLatin1Char('t'))
            out += QLatin1Char('\t');
        else
            out += next;
    }
    return out;
}

struct Entry {
    QString file;
    QString context;
    QString name;
    QString english;
    QString chinese;
};

// Every declaration of a catalogue text, converted or not.
inline int declarations(const QString& sourceDir) {
    static const QRegularExpression declaration(
        QStringLiteral("constexpr\\s+BilingualText\\s+\\w+"));
    int count = 0;
    const QDir texts(sourceDir + QStringLiteral("/texts"));
    for (const QString& name : texts.entryList({QStringLiteral("*.h")}, QDir::Files, QDir::Name)) {
        auto it = declaration.globalMatch(readAll(texts.filePath(name)));
        for (; it.hasNext(); it.next())
            ++count;
    }
    return count;
}

// The entries in the marked form; the Chinese from the compiled translation
// (empty where it has none).
inline QList<Entry> entries(const QString& sourceDir, const QTranslator& chinese) {
    static const QRegularExpression constant(QStringLiteral(
        "BilingualText\\s+(\\w+)\\s*\\{\\s*\"(\\w+)\"\\s*,\\s*QT_TRANSLATE_NOOP3\\("
        "\\s*\"(\\w+)\"\\s*,"
        "\\s*\"((?:[^\"\\\\]|\\\\.)*)\"\\s*,\\s*\"(\\w+)\"\\s*\\)\\s*(,\\s*BilingualText::"
        "ChineseOnly\\{\\}\\s*)?\\}"));
    QList<Entry> found;
    const QDir texts(sourceDir + QStringLiteral("/texts"));
    for (const QString& name : texts.entryList({QStringLiteral("*.h")}, QDir::Files, QDir::Name)) {
        auto it = constant.globalMatch(joinedLiterals(readAll(texts.filePath(name))));
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            Entry e{name, m.captured(2), m.captured(1), unescapedLiteral(m.captured(4)), {}};
            // The context and the disambiguation are the namespace and the name.
            if (m.captured(3) != e.context || m.captured(5) != e.name)
                e.context.clear();
            e.chinese = chinese.translate(m.captured(3).toUtf8().constData(),
                                          e.english.toUtf8().constData(),
                                          m.captured(5).toUtf8().constData());
            // A text without English has its Chinese as the source.
            if (!m.captured(6).isEmpty())
                e.english.clear();
            found.append(e);
        }
    }
    return found;
}

}  // namespace CatalogueSource
