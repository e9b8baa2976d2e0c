// SPDX-License-Identifier: MIT
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QString kSource = QStringLiteral(COLORCARD_SOURCE_DIR);

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Adjacent string literals joined, as the compiler joins them.
QString joinedLiterals(QString text) {
    static const QRegularExpression split(QStringLiteral("\"\\s*\\n\\s*\""));
    return text.replace(split, QString());
}

struct Entry {
    QString where;
    QString english;
    QString chinese;
};

QList<Entry> catalogue() {
    static const QRegularExpression constant(
        QStringLiteral("BilingualText\\s+(\\w+)\\s*\\{\\s*\"((?:[^\"\\\\]|\\\\.)*)\"\\s*,\\s*\"((?:"
                       "[^\"\\\\]|\\\\.)*)\"\\s*\\}"));
    QList<Entry> entries;
    const QDir texts(kSource + QStringLiteral("/texts"));
    for (const QString& name : texts.entryList({QStringLiteral("*.h")}, QDir::Files, QDir::Name)) {
        const QString text = joinedLiterals(readAll(texts.filePath(name)));
        auto it = constant.globalMatch(text);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            entries.append({name + QLatin1Char(':') + m.captured(1), m.captured(2), m.captured(3)});
        }
    }
    return entries;
}

}  // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    // A text is written once: no Chinese text twice, and an English text
    // twice only where the two Chinese texts differ (two messages that read
    // alike in English).
    void everyTextOnce() {
        const QList<Entry> entries = catalogue();
        QVERIFY2(entries.size() > 100, "catalogue not found");
        QHash<QString, QString> chinese;
        QHash<QString, QString> pairs;
        for (const Entry& e : entries) {
            QVERIFY2(!e.chinese.isEmpty(), qPrintable(e.where));
            QVERIFY2(!chinese.contains(e.chinese),
                     qPrintable(e.where + " repeats " + chinese.value(e.chinese)));
            chinese.insert(e.chinese, e.where);
            const QString pair = e.english + QChar(0) + e.chinese;
            QVERIFY2(!pairs.contains(pair), qPrintable(e.where));
            pairs.insert(pair, e.where);
        }
    }

    // Outside the catalogue no string literal holds Chinese text, except the
    // translatable form texts (tr) and developer traces.
    void noMessageTextOutsideTheCatalogue() {
        static const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\\\n]|\\\\.)*)\""));
        static const QRegularExpression han(QStringLiteral("[\\x{3400}-\\x{9fff}]"));
        static const QRegularExpression allowed(
            QStringLiteral("\\btr\\(\\s*$|\\bq(?:Debug|Info|Warning|Critical)\\([^;]*$"));
        static const QRegularExpression comment(QStringLiteral("//[^\\n]*|/\\*.*?\\*/"),
                                                QRegularExpression::DotMatchesEverythingOption);
        const QStringList skipped{QStringLiteral("texts"), QStringLiteral("tests"),
                                  QStringLiteral("bench"), QStringLiteral("tools"),
                                  QStringLiteral("fuzz")};
        QStringList found;
        QDirIterator files(kSource, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            const QString relative = QDir(kSource).relativeFilePath(path);
            const QString top = relative.section(QLatin1Char('/'), 0, 0);
            if (skipped.contains(top) || top.startsWith(QLatin1String("build")) ||
                top.startsWith(QLatin1Char('.')))
                continue;
            const QString text = readAll(path).replace(comment, QString());
            auto it = literal.globalMatch(text);
            while (it.hasNext()) {
                const QRegularExpressionMatch m = it.next();
                if (!m.captured(1).contains(han))
                    continue;
                const QString before =
                    text.mid(0, m.capturedStart()).section(QLatin1Char('\n'), -1);
                if (!before.contains(allowed))
                    found << relative + QStringLiteral(": ") + m.captured(0);
            }
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
