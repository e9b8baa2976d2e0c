// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

// Every text the user reads, in English and in Chinese, against the list
// taken when the texts were laid down: however the catalogue and the forms
// come to hold their languages, what a user reads must not change.
namespace {

const QString kSource = QStringLiteral(COLORCARD_SOURCE_DIR);
const QString kBin = QStringLiteral(COLORCARD_BIN_DIR);

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

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

// A C++ string literal's body as the compiler reads it.
QString unescapedLiteral(const QString& body) {
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

// The catalogue: Namespace::Name, English, Chinese.
QStringList catalogueRows() {
    static const QRegularExpression split(QStringLiteral("\"\\s*\\n\\s*\""));
    static const QRegularExpression space(QStringLiteral("^namespace\\s+(\\w+)\\s*\\{"),
                                          QRegularExpression::MultilineOption);
    static const QRegularExpression constant(
        QStringLiteral("BilingualText\\s+(\\w+)\\s*\\{\\s*\"((?:[^\"\\\\]|\\\\.)*)\"\\s*,\\s*\"((?:"
                       "[^\"\\\\]|\\\\.)*)\"\\s*\\}"));
    QStringList rows;
    const QDir texts(kSource + QStringLiteral("/texts"));
    for (const QString& name : texts.entryList({QStringLiteral("*.h")}, QDir::Files, QDir::Name)) {
        const QString text = readAll(texts.filePath(name)).replace(split, QString());
        const QString ns = space.match(text).captured(1);
        auto it = constant.globalMatch(text);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            rows << row(ns + QStringLiteral("::") + m.captured(1), unescapedLiteral(m.captured(2)),
                        unescapedLiteral(m.captured(3)));
        }
    }
    return rows;
}

struct FormMessage {
    QString context;
    QString source;
};

// The forms' messages as the translation sources list them.
QList<FormMessage> formMessages() {
    QList<FormMessage> messages;
    const QDir folder(kSource + QStringLiteral("/resources/translations/zh"));
    for (const QString& name :
         folder.entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QXmlStreamReader xml(&file);
        QString context;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("source"))
                messages.append({context, xml.readElementText()});
        }
    }
    return messages;
}

// A form text as a user reads it in one language: the installed translation,
// or the source text where there is none.
QString shown(const QTranslator& translator, const FormMessage& message) {
    const QString text = translator.translate(message.context.toUtf8().constData(),
                                              message.source.toUtf8().constData());
    return text.isEmpty() ? message.source : text;
}

QStringList formRows() {
    QTranslator english;
    QTranslator chinese;
    if (!english.load(QStringLiteral("ColorCard_en.qm"), kBin) ||
        !chinese.load(QStringLiteral("ColorCard_zh.qm"), kBin))
        return {};
    QStringList rows;
    for (const FormMessage& message : formMessages())
        rows << row(message.context, shown(english, message), shown(chinese, message));
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
        const QStringList catalogue = catalogueRows();
        const QStringList forms = formRows();
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
