// SPDX-License-Identifier: MIT
#include <QtTest>

#include "texts/BilingualText.h"
#include "texts/LanguageTexts.h"
#include "texts/MeterTexts.h"
#include "texts/PromptTexts.h"
#include "texts/TextCatalogue.h"

using namespace colorcard;

// The language code and the catalogue text read in it.
class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void textInLanguage_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("expectedCode");
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("text");
        // Chinese when nothing was chosen, as the program has always started.
        QTest::newRow("none") << QString() << "zh" << true << QStringLiteral("取消");
        QTest::newRow("zh") << "zh"
                            << "zh" << true << QStringLiteral("取消");
        QTest::newRow("en") << "en"
                            << "en" << false << QStringLiteral("Cancel");
        // A language without texts of its own reads the English ones.
        QTest::newRow("de") << "de"
                            << "de" << false << QStringLiteral("Cancel");
    }
    void textInLanguage() {
        QFETCH(QString, code);
        QFETCH(QString, expectedCode);
        QFETCH(bool, chinese);
        QFETCH(QString, text);
        const Language language = code.isNull() ? Language() : Language(code);
        QCOMPARE(language.code(), expectedCode);
        QCOMPARE(language.isChinese(), chinese);
        QCOMPARE(PromptText::Cancel.in(language), text);
    }

    // The built-in translations answer in the language asked for, whichever
    // is installed in the application; a text without English reads empty there.
    void catalogueInEveryLanguage_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("chineseOnly");
        QTest::addColumn<QString>("ownName");
        const QString production = QString::fromUtf8(MeterText::ProductionChecksum.source);
        QTest::newRow("zh") << "zh" << QStringLiteral("取消") << production
                            << QStringLiteral("中文");
        QTest::newRow("en") << "en" << QStringLiteral("Cancel") << QString()
                            << QStringLiteral("English");
        QTest::newRow("untranslated")
            << "de" << QStringLiteral("Cancel") << QString() << QStringLiteral("English");
    }
    void catalogueInEveryLanguage() {
        QFETCH(QString, code);
        QFETCH(QString, cancel);
        QFETCH(QString, chineseOnly);
        QFETCH(QString, ownName);
        const Language language(code);
        QCOMPARE(PromptText::Cancel.in(language), cancel);
        QCOMPARE(MeterText::ProductionChecksum.in(language), chineseOnly);
        QCOMPARE(LanguageText::OwnName.in(language), ownName);
        // A language without a translation is named by its code.
        QCOMPARE(TextCatalogue::nativeName(code), code == "de" ? code : ownName);
    }

    // The languages offered are those a ColorCard_<code>.qm is found for.
    void languagesFromTheFilesFound() {
        QCOMPARE(TextCatalogue::languages(), (QStringList{"en", "zh"}));
        QTemporaryDir directory;
        for (const char* name :
             {"ColorCard_fr.qm", "ColorCard_zh.qm", "other.qm", "ColorCard_.qm"}) {
            QFile file(directory.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(TextCatalogue::languagesIn({directory.path()}), (QStringList{"fr", "zh"}));
    }

    void equalByCode() {
        QVERIFY(Language() == Language::chinese());
        QVERIFY(Language(QStringLiteral("en")) == Language::english());
        QVERIFY(Language::english() != Language::chinese());
        QVERIFY(Language(QStringLiteral("de")) != Language::english());
    }
};

QTEST_GUILESS_MAIN(LanguageTest)
#include "tst_language.moc"
