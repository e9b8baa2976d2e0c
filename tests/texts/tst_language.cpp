// SPDX-License-Identifier: MIT
#include <QtTest>

#include "texts/BilingualText.h"
#include "texts/PromptTexts.h"

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

    void equalByCode() {
        QVERIFY(Language() == Language::chinese());
        QVERIFY(Language(QStringLiteral("en")) == Language::english());
        QVERIFY(Language::english() != Language::chinese());
        QVERIFY(Language(QStringLiteral("de")) != Language::english());
    }
};

QTEST_GUILESS_MAIN(LanguageTest)
#include "tst_language.moc"
