// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include "CatalogueSource.h"

// Every text the user reads, in English and in Chinese, against the list
// taken when the texts were laid down: however the catalogue and the forms
// come to hold their languages, what a user reads must not change.
namespace {

const QString kSource = QStringLiteral(COLORCARD_SOURCE_DIR);
const QString kBin = QStringLiteral(COLORCARD_BIN_DIR);

using CatalogueSource::readAll;

// One line of the list: tabs, line breaks and backslashes written as escapes.
QString escaped(QString text) {
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return text;
}

QString row(const QString& context, const QString& english, const QString& chinese) {
    return escaped(context) + QLatin1Char('\t') + escaped(english) + QLatin1Char('\t') +
           escaped(chinese);
}

// The catalogue: Namespace::Name, English, Chinese.
QStringList catalogueRows(const QTranslator& chinese) {
    QStringList rows;
    for (const CatalogueSource::Entry& e : CatalogueSource::entries(kSource, chinese))
        rows << row(e.context + QStringLiteral("::") + e.name, e.english, e.chinese);
    return rows;
}

struct FormMessage {
    QString context;
    QString source;
    QString comment;
};

// The forms' messages as the Chinese translation lists them: those outside
// the catalogue's contexts.
QList<FormMessage> formMessages(const QSet<QString>& catalogueContexts) {
    QList<FormMessage> messages;
    QFile file(kSource + QStringLiteral("/resources/translations/ColorCard_zh.ts"));
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    FormMessage message;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("message")) {
            if (!catalogueContexts.contains(context))
                messages.append({context, message.source, message.comment});
            message = FormMessage();
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            message.source = xml.readElementText();
        else if (xml.name() == QLatin1String("comment"))
            message.comment = xml.readElementText();
    }
    return messages;
}

// A form text as a user reads it in one language: the installed translation,
// or the source text where there is none.
QString shown(const QTranslator& translator, const FormMessage& message) {
    const QString text = translator.translate(message.context.toUtf8().constData(),
                                              message.source.toUtf8().constData(),
                                              message.comment.toUtf8().constData());
    return text.isEmpty() ? message.source : text;
}

QStringList formRows(const QTranslator& english, const QTranslator& chinese) {
    QSet<QString> contexts;
    for (const CatalogueSource::Entry& e : CatalogueSource::entries(kSource, chinese))
        contexts.insert(e.context);
    QStringList rows;
    for (const FormMessage& message : formMessages(contexts))
        // The rows name a form's class without the project's namespace.
        rows << row(QString(message.context).remove(QRegularExpression(QStringLiteral("^\\w+::"))),
                    shown(english, message), shown(chinese, message));
    return rows;
}

QStringList listed() {
    QStringList rows = readAll(kSource + QStringLiteral("/tests/data/laid-down-texts.tsv"))
                           .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    rows.sort();
    return rows;
}

// What is in one list and not in the other, for the failure message.
QString difference(const QStringList& expected, const QStringList& actual) {
    QStringList lines;
    for (const QString& line : expected)
        if (!actual.contains(line))
            lines << QStringLiteral("- ") + line;
    for (const QString& line : actual)
        if (!expected.contains(line))
            lines << QStringLiteral("+ ") + line;
    return lines.mid(0, 40).join(QLatin1Char('\n'));
}

}  // namespace

class LaidDownTextsTest : public QObject {
    Q_OBJECT
private slots:
    void everyTextAsLaidDown() {
        QTranslator english;
        QTranslator chinese;
        QVERIFY(english.load(QStringLiteral("ColorCard_en.qm"), kBin));
        QVERIFY(chinese.load(QStringLiteral("ColorCard_zh.qm"), kBin));
        const QStringList catalogue = catalogueRows(chinese);
        const QStringList forms = formRows(english, chinese);
        QVERIFY2(catalogue.size() > 300, "catalogue not found");
        QVERIFY2(forms.size() > 50, "form translations not found");
        QStringList actual = catalogue + forms;
        actual.sort();
        const QStringList expected = listed();
        QVERIFY2(!expected.isEmpty(), "list of laid-down texts not found");
        QVERIFY2(actual == expected, qPrintable(difference(expected, actual)));
    }
};

QTEST_GUILESS_MAIN(LaidDownTextsTest)
#include "tst_laiddowntexts.moc"
