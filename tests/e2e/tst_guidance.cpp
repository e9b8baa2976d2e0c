// SPDX-License-Identifier: MIT
// What a user meets first, through the window with the simulated meter, in
// both languages: the limits of every field shown while typing and refused
// characters told, look-alike libraries refused, the start-up export asking
// only about libraries it would change (with answers for all of them), the
// chosen and locked library kept across imports and exports, and the
// measure key and button tooltips.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "tests/e2e/MeterContents.h"
#include "tests/support/SimWindow.h"
#include "texts/ChangeTexts.h"
#include "ui_FirstPage.h"
#include "workspace/ColorCardDialog.h"
#include "workspace/ColorDataTable.h"
#include "workspace/InputGuide.h"
#include "workspace/OperatorWidget.h"

using namespace colorcard;

using Answer = Prompt::SeriesAnswer;
Q_DECLARE_METATYPE(Prompt::SeriesAnswer)

namespace {

QString inLanguage(const Language& language, const char* english, const char* chineseText) {
    return QString::fromUtf8(language.isChinese() ? chineseText : english);
}

QString overwriteQuestion(const SimLibrary& library) {
    return QStringLiteral("色卡库名称：%1，色卡库描述：%2，已经存在，是否覆盖旧的色卡库？")
        .arg(library.name, library.description);
}

const QString kExported = QStringLiteral("导出仪器色卡数据成功！");
const QString kExportChangedNothing =
    QStringLiteral("未做任何更改：仪器中的色卡库已全部存在于数据库中，或已按您的选择保留原样。");

// A meter of n libraries of three colours each, as another program may fill it.
QVector<SimLibrary> fullMeter(int n) {
    QVector<SimLibrary> libraries;
    for (int i = 0; i < n; ++i) {
        SimLibrary library{QStringLiteral("Set%1").arg(i), QStringLiteral("d"), {}};
        for (int k = 0; k < 3; ++k)
            library.colours.append(
                {QStringLiteral("C%1").arg(k), qint16(1000 * k + i), qint16(-i), qint16(k)});
        libraries.append(library);
    }
    return libraries;
}

void switchLanguage(SimWindow& sim, const Language& language) {
    sim.window
        ->findChild<QPushButton*>(language.isChinese() ? "pushButton_languageZh"
                                                       : "pushButton_languageEn")
        ->click();
    QCoreApplication::processEvents();  // the forms hear of it by a posted event
    QVERIFY(sim.page()->language() == language);
}

// Key presses as a keyboard (or an input method sending keys) makes them;
// the test library's own typing knows ASCII only.
void typeKeys(QWidget* field, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(field, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Types into a field as a user does and returns the hint shown at the field
// for it ("" when none; marked when it was kept but not shown).
QString typed(QLineEdit* field, const QString& text) {
    InputGuide* guide = InputGuide::of(field);
    if (!guide)
        return QStringLiteral("no guide");
    const QString before = guide->lastHint();
    typeKeys(field, text);
    const QString hint = guide->lastHint();
    if (hint == before)
        return QString();
    return guide->hintShown() ? hint : hint + " (not shown)";
}

// The count a field shows, "-" while it shows none.
QString countOf(QLineEdit* field) {
    InputGuide* guide = InputGuide::of(field);
    if (!guide)
        return QStringLiteral("no guide");
    return guide->countShown() ? guide->countText() : QStringLiteral("-");
}

}  // namespace

class GuidanceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QLoggingCategory::setFilterRules(QStringLiteral("colorcard.link.debug=false"));
        QVERIFY(QFile::exists(QStringLiteral(COLORCARD_BIN_DIR "/ColorCard_en.qm")));
    }

    // The export at every start asks only about libraries it would change,
    // offers answers for all of them, and says when it changed nothing.
    void startUpExportAsksOnlyAboutChanges_data() {
        QTest::addColumn<int>("libraries");
        QTest::addColumn<bool>("meterChanged");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("storeFollows");
        QTest::newRow("full meter as stored")
            << 46 << false << QList<Answer>() << 0 << kExportChangedNothing << false;
        QTest::newRow("yes to all")
            << 46 << true << QList<Answer>{Answer::YesToAll} << 1 << kExported << true;
        QTest::newRow("no to all")
            << 46 << true << QList<Answer>{Answer::NoToAll} << 1 << kExportChangedNothing << false;
        QTest::newRow("no, no") << 9 << true << QList<Answer>{Answer::No, Answer::No} << 2
                                << kExportChangedNothing << false;
        QTest::newRow("yes, yes") << 9 << true << QList<Answer>{Answer::Yes, Answer::Yes} << 2
                                  << kExported << true;
    }
    void startUpExportAsksOnlyAboutChanges() {
        QFETCH(int, libraries);
        QFETCH(bool, meterChanged);
        QFETCH(QList<Answer>, answers);
        QFETCH(int, questions);
        QFETCH(QString, message);
        QFETCH(bool, storeFollows);
        SimWindow sim;
        QVector<SimLibrary> meter = fullMeter(libraries);
        sim.backend.meter().loadLibraries(meter);
        sim.start();
        QTRY_VERIFY(sim.window->link());
        QCOMPARE(sim.prompt.messages(), QStringList{kExported});
        QCOMPARE(describe(sim.page()->store()), describe(meter));
        const QStringList before = describe(sim.page()->store());

        // Between two runs the meter measured on: one colour changed in the
        // second library, one added to the last.
        if (meterChanged) {
            meter[1].colours[0].L += 100;
            meter.last().colours.append({QStringLiteral("New"), 4000, 1, 2});
            sim.backend.meter().loadLibraries(meter);
        }
        delete sim.window.data();
        sim.prompt.clear();
        sim.prompt.seriesAnswers.append(answers);
        MainWindow restarted(sim.setup());
        QTRY_VERIFY(restarted.link());
        QTRY_COMPARE(sim.prompt.messages().size() + sim.prompt.statuses().size(), 1);

        // Each question says what Yes would change.
        const QStringList asked{
            overwriteQuestion(meter[1]) + "\n\n" +
                ChangeText::MergeChanges.in(Language::chinese()).arg("1", meter[1].colours[0].name),
            overwriteQuestion(meter.last()) + "\n\n" +
                ChangeText::MergeAdds.in(Language::chinese()).arg("1", "New")};
        QCOMPARE(sim.prompt.seriesQuestions(), asked.mid(0, questions));
        QCOMPARE(sim.prompt.questions(), QStringList());
        QCOMPARE(sim.prompt.unscripted, 0);
        // Nothing changed at the start is said in the status line.
        if (message == kExportChangedNothing) {
            QCOMPARE(sim.prompt.statuses(),
                     QStringList{ChangeText::FirstExportUnchanged.in(Language::chinese())});
            QCOMPARE(sim.prompt.messages(), QStringList());
        } else {
            QCOMPARE(sim.prompt.messages(), QStringList{message});
        }
        QCOMPARE(describe(restarted.page()->store()), storeFollows ? describe(meter) : before);
        QCOMPARE(restarted.page()->libraryRowCount(), libraries);
    }

    // The library the user chose and locked stays chosen and locked through
    // an export and an import, and the next measurement goes into it.
    void chosenLibraryStaysThroughImportAndExport() {
        SimWindow sim;
        QVector<SimLibrary> meter = meterLibraries();
        sim.backend.meter().loadLibraries(meter);
        sim.start();
        QTRY_VERIFY(sim.window->link());
        FirstPage* page = sim.page();
        Ui::FirstPage* ui = page->ui();
        ui->comboBox_colorCardName->setCurrentIndex(2);
        ui->pushButton_lock->click();
        QVERIFY(page->libraryLocked());
        const QString chosen = meter[2].name;

        // Export with the chosen library changed on the meter.
        meter[2].colours.append({QStringLiteral("Added"), 5000, 10, -10});
        sim.backend.meter().loadLibraries(meter);
        sim.prompt.clear();
        sim.prompt.seriesAnswers << Answer::YesToAll;
        ui->pushButton_exportMeterData->click();
        QCOMPARE(sim.prompt.messages(), QStringList{kExported});
        QCOMPARE(ui->comboBox_colorCardName->currentText(), chosen);
        QVERIFY(page->libraryLocked());
        // Its colour table shows what the export brought.
        QCOMPARE(page->colorDataTable()->rowCount(), meter[2].colours.size());
        QCOMPARE(page->colorDataTable()->name(meter[2].colours.size() - 1), QString("Added"));

        // Save and import the same data again.
        const QString workbook = sim.data.filePath(QStringLiteral("kept.xls"));
        sim.prompt.fileNames << workbook << workbook;
        ui->pushButton_saveToExcel->click();
        ui->pushButton_importFromExcel->click();
        QCOMPARE(sim.prompt.messages().last(),
                 QStringLiteral("未做任何更改：文件中的色卡库已全部存在于数据库中，"
                                "或已按您的选择保留原样。"));
        QCOMPARE(ui->comboBox_colorCardName->currentText(), chosen);
        QVERIFY(page->libraryLocked());

        sim.prompt.clear();
        QTest::keyClicks(ui->lineEdit_colorDataName, "After");
        ui->pushButton_measure->click();
        QCOMPARE(sim.prompt.messages(), QStringList());
        QCOMPARE(page->libraryCell(2, 3), QString::number(meter[2].colours.size() + 1));
        QCOMPARE(page->libraryCell(0, 3), QString::number(meter[0].colours.size()));
    }

    void libraryDialogShowsLimitsAndRefusesLookAlikes_data() {
        QTest::addColumn<bool>("chinese");
        QTest::newRow("Chinese") << true;
        QTest::newRow("English") << false;
    }
    void libraryDialogShowsLimitsAndRefusesLookAlikes() {
        QFETCH(bool, chinese);
        const Language language = chinese ? Language::chinese() : Language::english();
        SimWindow sim;
        sim.start();
        QTRY_VERIFY(sim.window->link());
        switchLanguage(sim, language);
        FirstPage* page = sim.page();

        QStringList seen;
        page->setDialogRunner([&](ColorCardDialog& dialog) {
            dialog.show();
            auto* name = dialog.findChild<QLineEdit*>("lineEdit_colorCardName");
            auto* description = dialog.findChild<QLineEdit*>("lineEdit_colorCardDesc");
            seen << countOf(name) + " " + countOf(description);
            seen << typed(name, "Spring");
            seen << countOf(name) + " " + countOf(description);
            seen << typed(name, QStringLiteral("红"));
            seen << typed(name, "Time2");
            seen << countOf(name) + " " + countOf(description);
            seen << typed(description, "1");
            seen << countOf(name) + " " + countOf(description);
            seen << typed(description, "23456789");
            seen << countOf(description) +
                        (InputGuide::of(description)->overLimit() ? " over" : " within");
            dialog.findChild<QPushButton*>("pushButton_save")->click();
            description->clear();
            QTest::keyClicks(description, "2026");
            name->setText("Spring");
            dialog.findChild<QPushButton*>("pushButton_save")->click();
            return dialog.result() == QDialog::Accepted;
        });
        sim.prompt.clear();
        page->ui()->pushButton_newColorCardLibrary->click();
        const QStringList expected{
            "- -",
            "",
            "6/10 -",
            inLanguage(language,
                       "\"红\" cannot be typed here: only letters a-z and A-Z, digits, -, _ and "
                       "spaces are accepted.",
                       "此处不能输入“红”：只能输入英文字母、数字、中线、下划线和空格。"),
            inLanguage(language, "At most 10 characters can be typed here.",
                       "此处最多输入10个字符。"),
            "10/10 -",
            "",
            "10/10 1/8",
            inLanguage(language,
                       "Name and description together have more than 18 characters: shorten "
                       "one of them.",
                       "名称和描述合计超过18个字符，请缩短其中一个。"),
            "9/8 over"};
        QCOMPARE(seen, expected);
        // Save still refuses with its own message, then the corrected entry passes.
        QCOMPARE(sim.prompt.messages(),
                 QStringList{inLanguage(language,
                                        "Color card library name and color card library "
                                        "description length at most 18 characters!",
                                        "色卡库名称和色卡库描述总长度不能超过18个字符！")});
        QCOMPARE(page->libraryCell(0, 1), QString("Spring"));

        // Entries that would look the same in the table are refused; a
        // different description is a different library.
        const QString exists = inLanguage(
            language,
            "The same name and description already exist, please modify the name or description!",
            "已经存在相同的名称和描述，请修改名称或者描述！");
        struct Entry {
            const char* name;
            const char* description;
            bool accepted;
        };
        for (const Entry& entry :
             {Entry{"Spring ", "2026", false}, Entry{" Spring", "2026", false},
              Entry{"Spring", "2026  ", false}, Entry{"Spring", "2027", true}}) {
            sim.prompt.clear();
            page->setDialogRunner([&](ColorCardDialog& dialog) {
                dialog.findChild<QLineEdit*>("lineEdit_colorCardName")->setText(entry.name);
                dialog.findChild<QLineEdit*>("lineEdit_colorCardDesc")->setText(entry.description);
                dialog.findChild<QPushButton*>("pushButton_save")->click();
                return dialog.result() == QDialog::Accepted;
            });
            page->ui()->pushButton_newColorCardLibrary->click();
            QCOMPARE(sim.prompt.messages(), entry.accepted ? QStringList() : QStringList{exists});
        }
        QCOMPARE(page->libraryRowCount(), 2);
        // Renaming into a look-alike is refused the same way.
        sim.prompt.clear();
        page->setDialogRunner([](ColorCardDialog& dialog) {
            dialog.findChild<QLineEdit*>("lineEdit_colorCardDesc")->setText("2026 ");
            dialog.findChild<QPushButton*>("pushButton_save")->click();
            return dialog.result() == QDialog::Accepted;
        });
        auto* rowButtons = libraryButtons(page->ui()->tableWidget_colorCard->cellWidget(1, 4));
        rowButtons->findChild<QPushButton*>("pushButton_modify")->click();
        QCOMPARE(sim.prompt.messages(), QStringList{exists});
        QCOMPARE(page->libraryCell(1, 2), QString("2027"));
    }

    // The new colour's name shows its limit and refusals; Return measures;
    // every button says what it does in the chosen language.
    void colourNameAndButtonsGuide_data() {
        QTest::addColumn<bool>("chinese");
        QTest::newRow("Chinese") << true;
        QTest::newRow("English") << false;
    }
    void colourNameAndButtonsGuide() {
        QFETCH(bool, chinese);
        const Language language = chinese ? Language::chinese() : Language::english();
        SimWindow sim;
        sim.backend.meter().loadLibraries(meterLibraries());
        sim.start();
        QTRY_VERIFY(sim.window->link());
        switchLanguage(sim, language);
        FirstPage* page = sim.page();
        Ui::FirstPage* ui = page->ui();
        QLineEdit* field = ui->lineEdit_colorDataName;

        QCOMPARE(countOf(field), QString("-"));
        QCOMPARE(typed(field, QStringLiteral("A色")),
                 inLanguage(language,
                            "\"色\" cannot be typed here: only letters a-z and A-Z, digits, -, _ "
                            "and spaces are accepted.",
                            "此处不能输入“色”：只能输入英文字母、数字、中线、下划线和空格。"));
        QCOMPARE(field->text(), QString("A"));
        QCOMPARE(typed(field, "bcdefghijklmnopqrstuvw"),
                 inLanguage(language, "At most 19 characters can be typed here.",
                            "此处最多输入19个字符。"));
        QCOMPARE(field->text(), QString("Abcdefghijklmnopqrs"));
        QCOMPARE(countOf(field), QString("19/19"));
        // A name typed in through an input method is told about as well.
        field->clear();
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("蓝"));
        QApplication::sendEvent(field, &composed);
        QCOMPARE(field->text(), QString());
        QVERIFY(InputGuide::of(field)->lastHint().contains(QStringLiteral("蓝")));

        // Return measures into the locked library, as the button does.
        ui->comboBox_colorCardName->setCurrentIndex(1);
        sim.prompt.clear();
        QTest::keyClicks(field, "Teal 1");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(sim.prompt.messages(),
                 QStringList{inLanguage(language, "Please lock color card library name！",
                                        "请先锁定色卡库名称！")});
        ui->pushButton_lock->click();
        sim.prompt.clear();
        QTest::keyClick(field, Qt::Key_Enter);
        QCOMPARE(sim.prompt.messages(), QStringList());
        ColorDataTable* table = page->colorDataTable();
        QCOMPARE(table->name(table->rowCount() - 1), QString("Teal 1"));
        QCOMPARE(field->text(), QString());

        // A colour's name in its row tells refused characters too.
        QCOMPARE(typed(table->nameEditor(0), QStringLiteral("红")),
                 inLanguage(language,
                            "\"红\" cannot be typed here: only letters a-z and A-Z, digits, -, _ "
                            "and spaces are accepted.",
                            "此处不能输入“红”：只能输入英文字母、数字、中线、下划线和空格。"));

        // Every button and field has a tooltip in the chosen language.
        QList<QWidget*> described{ui->pushButton_lock,
                                  ui->pushButton_unlock,
                                  ui->pushButton_measure,
                                  field,
                                  ui->pushButton_newColorCardLibrary,
                                  ui->pushButton_deleteAllData,
                                  ui->pushButton_importFromExcel,
                                  ui->pushButton_saveToExcel,
                                  ui->pushButton_writeToMeter,
                                  ui->pushButton_exportMeterData,
                                  page->findChild<QWidget*>("pushButton_restoreBackup")};
        for (const char* name : {"pushButton_delete", "pushButton_modify"})
            described << ui->tableWidget_colorCard->cellWidget(0, 4)->findChild<QWidget*>(name);
        for (const char* name : {"pushButton_delete", "pushButton_reMeasure"})
            described << table->buttons(0)->findChild<QWidget*>(name);
        const QRegularExpression chineseCharacter(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
        for (QWidget* widget : described) {
            QVERIFY2(!widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
            QVERIFY2(widget->toolTip().contains(chineseCharacter) == chinese,
                     qPrintable(widget->toolTip()));
        }
        const QString measureTip = ui->pushButton_measure->toolTip();
        const QStringList needed = chinese
                                       ? QStringList{QStringLiteral("锁定"), QStringLiteral("仪器")}
                                       : QStringList{"locked", "meter"};
        for (const QString& need : needed)
            QVERIFY2(measureTip.contains(need), qPrintable(measureTip));
    }
};

QTEST_MAIN(GuidanceTest)
#include "tst_guidance.moc"
