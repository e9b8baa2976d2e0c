// SPDX-License-Identifier: MIT
// A language is one .ts file: a pseudo-translation built for this test alone
// (every text in brackets) is offered by the window, chosen there, and then
// every text the window shows, the forms' and the catalogue's, reads
// bracketed.

#include <QGroupBox>
#include <QPushButton>
#include <QtTest>

#include "tests/support/SimWindow.h"
#include "texts/LanguageTexts.h"
#include "texts/MeterTexts.h"
#include "texts/TextCatalogue.h"

using namespace colorcard;

namespace {

bool bracketed(const QString& text) {
    return text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']'));
}

}  // namespace

class PseudoLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void windowShowsThePseudoTranslation() {
        SimWindow sim;
        sim.extraTranslationDirectories << QStringLiteral(PSEUDO_DIR);
        MainWindow* window = sim.start();

        // Offered because its file is there, named as it names itself.
        auto* button = window->findChild<QPushButton*>(QStringLiteral("pushButton_language_xx"));
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("[English]"));
        QVERIFY(TextCatalogue::languages().contains(QStringLiteral("xx")));

        button->click();
        QCoreApplication::processEvents();
        QCOMPARE(window->language(), QStringLiteral("xx"));
        QCOMPARE(sim.page()->messenger().language().code(), QStringLiteral("xx"));

        // The forms, the code's tr() and the window's own texts.
        const auto texts = {
            std::make_pair("pushButton_newColorCardLibrary", "[New library]"),
            std::make_pair("pushButton_lock", "[Lock]"),
            std::make_pair("pushButton_languageEn", "[English]"),
            std::make_pair("pushButton_languageZh", "[中文]"),
        };
        for (const auto& [name, text] : texts) {
            auto* widget = window->findChild<QPushButton*>(QLatin1String(name));
            QVERIFY2(widget, name);
            QCOMPARE(widget->text(), QString::fromUtf8(text));
        }
        int titles = 0;
        for (QGroupBox* box : window->findChildren<QGroupBox*>()) {
            if (box->title().isEmpty())
                continue;
            QVERIFY2(bracketed(box->title()), qPrintable(box->title()));
            ++titles;
        }
        QVERIFY(titles > 0);

        // The catalogue's texts, read in the window's language.
        QCOMPARE(
            sim.page()->messenger().text(MeterText::NoAccess),
            QLatin1Char('[') + QString::fromUtf8(MeterText::NoAccess.source) + QLatin1Char(']'));
        // ...and in any other language asked for, whatever the window shows.
        QCOMPARE(MeterText::OpenLinkFirst.in(Language::english()),
                 QString::fromUtf8(MeterText::OpenLinkFirst.source));
        QCOMPARE(LanguageText::OwnName.in(Language::chinese()), QStringLiteral("中文"));

        // Back to English: nothing bracketed is left.
        window->findChild<QPushButton*>(QStringLiteral("pushButton_languageEn"))->click();
        QCoreApplication::processEvents();
        for (QGroupBox* box : window->findChildren<QGroupBox*>())
            QVERIFY2(!bracketed(box->title()), qPrintable(box->title()));
        QCOMPARE(button->text(), QStringLiteral("[English]"));
    }
};

QTEST_MAIN(PseudoLanguageTest)
#include "tst_pseudolanguage.moc"
