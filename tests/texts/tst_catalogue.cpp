// SPDX-License-Identifier: MIT
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

#include "CatalogueSource.h"

namespace {

const QString kSource = QStringLiteral(COLORCARD_SOURCE_DIR);

using CatalogueSource::readAll;

struct Entry {
    QString where;
    QString english;
    QString chinese;
};

QList<Entry> catalogue() {
    QTranslator chinese;
    if (!chinese.load(QStringLiteral("ColorCard_zh.qm"), QStringLiteral(COLORCARD_BIN_DIR)))
        return {};
    QList<Entry> entries;
    for (const CatalogueSource::Entry& e : CatalogueSource::entries(kSource, chinese))
        entries.append({e.file + QLatin1Char(':') + e.name, e.english, e.chinese});
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

    // Every catalogue text is an English source marked for lupdate, in the
    // context of its namespace and named by its constant (a pair left by a
    // merge is converted by tools/convert-catalogue.py).
    void everyTextMarkedForTranslation() {
        QTranslator chinese;
        QVERIFY(chinese.load(QStringLiteral("ColorCard_zh.qm"), QStringLiteral(COLORCARD_BIN_DIR)));
        const QList<CatalogueSource::Entry> entries = CatalogueSource::entries(kSource, chinese);
        QCOMPARE(entries.size(), CatalogueSource::declarations(kSource));
        for (const CatalogueSource::Entry& e : entries) {
            QVERIFY2(!e.context.isEmpty(), qPrintable(e.file + ": " + e.name));
            QVERIFY2(e.file.startsWith(e.context.chopped(4)), qPrintable(e.file + ": " + e.name));
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
