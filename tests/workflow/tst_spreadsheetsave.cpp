// SPDX-License-Identifier: MIT
#include <QFileInfo>
#include <QRegularExpression>

#include "exchange/CheckCodes.h"
#include "tests/workflow/ExchangeFixture.h"
#include "tests/xls/XlsTestFiles.h"

using namespace colorcard;

using Kind = ScriptedPrompt::Kind;

class SpreadsheetSaveTest : public QObject {
    Q_OBJECT

    QTemporaryDir out;

    QString path(const QString& name) const { return out.filePath(name); }

    static int sheetsOf(const QString& file) {
        ExcelEngine engine(file);
        return engine.open(1) ? engine.sheetCount() : -1;
    }

private slots:
    void initTestCase() {
        quietEngineTraces();
        QVERIFY(out.isValid());
        QVERIFY2(QFile::exists(COLORCARD_BIN_DIR "/ColorCard_1.xls"), "templates not built");
    }

    void emptyStoreWritesTheLibrarySheetOnly() {
        ExchangeFixture f;
        const QString file = path("empty.xls");
        QVERIFY(f.save(file));

        QCOMPARE(f.prompt.questions(), QStringList());
        QCOMPARE(f.prompt.events.first().kind, Kind::SaveFile);
        QCOMPARE(f.prompt.events.first().title, QStringLiteral("Save File"));
        QCOMPARE(f.prompt.events.first().filter, QStringLiteral("Excel (*.xls)"));
        QVERIFY(QRegularExpression("^Stdcolor\\d{12}$")
                    .match(QFileInfo(f.prompt.events.first().text).fileName())
                    .hasMatch());
        const ScriptedPrompt::Event* progress = f.prompt.lastProgress();
        QVERIFY(progress);
        QCOMPARE(progress->text, QStringLiteral("Saving Excel data, please wait"));
        QCOMPARE(progress->cancelText, QStringLiteral("Cancel"));
        QCOMPARE(progress->minimum, 0);
        QCOMPARE(progress->maximum, 1);
        QCOMPARE(progress->values, (QList<int>{0, 1}));
        QVERIFY(progress->hidden);
        QCOMPARE(f.prompt.firstParagraphs(), QStringList{"Save file success!"});

        ExcelEngine engine(file);
        QVERIFY(engine.open(1));
        QCOMPARE(engine.sheetCount(), 1);
        const QList<QVariantList> rows = engine.readAll();
        QCOMPARE(rows.size(), 49);
        QCOMPARE(rows[0][0], QVariant(QStringLiteral("12345678")));
        QCOMPARE(rows[1][0], QVariant(0.0));
        QCOMPARE(rows[1][1], QVariant(45057.0));
        QCOMPARE(rows[48][0], QVariant(QStringLiteral("name")));
    }

    void proposedNameAndSuffix() {
        ExchangeFixture f;
        SpreadsheetSave save(f.service(), f.templates);
        save.setClock([] { return QDateTime(QDate(2025, 3, 14), QTime(9, 30, 5)); });
        f.prompt.fileNames.enqueue(path("no-suffix"));
        QVERIFY(save.saveToSpreadsheet());
        QCOMPARE(QFileInfo(f.prompt.events.first().text).fileName(),
                 QStringLiteral("Stdcolor250314093005"));
        // The file gets the filter's suffix, as a desktop dialog would add it.
        QVERIFY(QFile::exists(path("no-suffix.xls")));
        QVERIFY(!QFile::exists(path("no-suffix")));
    }

    void zeroCountLibrariesAreQuestionedOneByOne() {
        ExchangeFixture f;
        f.addLibrary("Reds", "spring");
        f.addLibrary("Blues", "autumn");
        f.answer({true, false});
        const QString file = path("zero.xls");
        QVERIFY(!f.save(file));
        QCOMPARE(f.prompt.questions(),
                 (QStringList{"The number of records in color card library Reds is 0. Do you "
                              "want to continue saving?",
                              "The number of records in color card library Blues is 0. Do you "
                              "want to continue saving?"}));
        for (const ScriptedPrompt::Event& e : f.prompt.events)
            QVERIFY(e.kind == Kind::Question);
        QVERIFY(!QFile::exists(file));

        // Yes to both saves them, with empty data sheets.
        f.prompt.clear();
        f.answer({true, true});
        QVERIFY(f.save(file));
        QCOMPARE(sheetsOf(file), 3);
    }

    void chineseTexts() {
        ExchangeFixture f;
        f.messenger.setLanguage(Language::chinese());
        f.addLibrary(QStringLiteral("红色"), QStringLiteral("春季"));
        f.answer({true});
        QVERIFY(f.save(path("chinese.xls")));
        QCOMPARE(f.prompt.questions(),
                 QStringList{QStringLiteral("色卡库红色的记录数量为0，是否继续保存？")});
        QCOMPARE(f.prompt.texts(Kind::SaveFile).size(), 1);
        for (const ScriptedPrompt::Event& e : f.prompt.events) {
            if (e.kind == Kind::SaveFile)
                QCOMPARE(e.title, QStringLiteral("保存文件"));
            if (e.kind == Kind::Progress) {
                QCOMPARE(e.text, QStringLiteral("正在保存Excel数据，请等待..."));
                QCOMPARE(e.cancelText, QStringLiteral("取消"));
            }
            if (e.kind == Kind::Information)
                QCOMPARE(e.title, QStringLiteral("提示"));
        }
        QCOMPARE(f.prompt.firstParagraphs(), QStringList{QStringLiteral("保存文件成功！")});

        f.prompt.clear();
        f.answer({true});
        QVERIFY(!f.save(path("chinese.xls")));
        QCOMPARE(f.prompt.messages(), QStringList{QStringLiteral("创建色卡文件失败！")});
    }

    void neverReplacesAFile() {
        ExchangeFixture f;
        f.addLibrary("Reds", "spring", colours(3, 1));
        const QString file = path("existing.xls");
        const QByteArray before("not a workbook, but mine");
        QVERIFY(XlsTestFiles::writeBytes(file, before));
        QVERIFY(!f.save(file));
        QCOMPARE(f.prompt.messages(), QStringList{"Create color card file fail!"});
        QVERIFY(!f.prompt.lastProgress());
        QCOMPARE(XlsTestFiles::bytesOf(file), before);

        // The same holds for the name the suffix is added to.
        QVERIFY(XlsTestFiles::writeBytes(path("other.xls"), before));
        f.prompt.clear();
        QVERIFY(!f.save(path("other")));
        QCOMPARE(XlsTestFiles::bytesOf(path("other.xls")), before);
    }

    void missingTemplate() {
        ExchangeFixture f;
        QTemporaryDir empty;
        f.templates = empty.path();
        QVERIFY(!f.save(path("no-template.xls")));
        QCOMPARE(f.prompt.messages(), QStringList{"Create color card file fail!"});
        QVERIFY(!QFile::exists(path("no-template.xls")));
    }

    void cancelledDialog() {
        ExchangeFixture f;
        f.addLibrary("Reds", "spring", colours(2, 1));
        QVERIFY(!f.save(QString()));
        QCOMPARE(f.prompt.events.size(), 1);
        QCOMPARE(f.prompt.events.first().kind, Kind::SaveFile);
    }

    void worksheetsAreTrimmedToTheLibraries() {
        ExchangeFixture f;
        for (int k = 0; k < 3; ++k)
            f.addLibrary(QStringLiteral("Lib%1").arg(k), "d", colours(k + 1, k * 10));
        QCOMPARE(SpreadsheetSave::templateName(9, 3), QStringLiteral("ColorCard_1.xls"));
        FailingWorkbookFile::Calls calls;
        const auto counting = [&](const QString& name) {
            auto file = std::make_unique<FailingWorkbookFile>(name);
            file->calls = &calls;
            return std::unique_ptr<WorkbookFile>(std::move(file));
        };
        QVERIFY(f.save(path("three.xls"), counting));
        QCOMPARE(sheetsOf(path("three.xls")), 4);
        const ScriptedPrompt::Event* progress = f.prompt.lastProgress();
        QCOMPARE(progress->maximum, 4);
        QCOMPARE(progress->values, (QList<int>{0, 1, 2, 3, 4}));
        // One workbook in memory, written once, whatever the number of sheets.
        QCOMPARE(calls.opens, 1);
        QCOMPARE(calls.writes, 4);
        QCOMPARE(calls.saves, 1);
        const QList<QList<QVariantList>> sheets = WorkbookEdit::readSheets(path("three.xls"));
        QCOMPARE(sheets.size(), 4);
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(sheets[k].size(), k + 1);
    }

    void fullTemplateKeepsEverySheet() {
        ExchangeFixture f;
        f.service().setMaxLibraries(46);
        for (int k = 0; k < 46; ++k)
            f.addLibrary(QStringLiteral("Lib%1").arg(k), "d", colours(1, k));
        QCOMPARE(SpreadsheetSave::templateName(46, 46), QStringLiteral("ColorCard_2.xls"));
        QVERIFY(f.save(path("full.xls")));
        QCOMPARE(sheetsOf(path("full.xls")), 47);
        QCOMPARE(f.prompt.firstParagraphs(), QStringList{"Save file success!"});
    }

    void moreLibrariesThanTheMeterHoldsStillSave() {
        // A store of a 46-library meter saved while a 9-library meter (or
        // none) is attached, as the instrument change does.
        ExchangeFixture f;
        for (int k = 0; k < 12; ++k)
            f.addLibrary(QStringLiteral("Lib%1").arg(k), "d", colours(1, k));
        QCOMPARE(SpreadsheetSave::templateName(9, 12), QStringLiteral("ColorCard_2.xls"));
        QVERIFY(f.save(path("twelve.xls")));
        QCOMPARE(sheetsOf(path("twelve.xls")), 13);
    }

    void failedLibrarySheet() {
        ExchangeFixture f;
        f.addLibrary("Reds", "spring", colours(2, 1));
        QList<int> deleted;
        const auto opener = [&](const QString& name) {
            auto file = std::make_unique<FailingWorkbookFile>(name);
            file->failOpenOf = 1;
            return std::unique_ptr<WorkbookFile>(std::move(file));
        };
        QVERIFY(!f.save(path("open-fails.xls"), opener));
        QCOMPARE(f.prompt.messages(), QStringList{"Open color card library file fail!"});
        QVERIFY(f.prompt.lastProgress()->hidden);
        // The copy stays as the template made it.
        QCOMPARE(sheetsOf(path("open-fails.xls")), 10);

        f.prompt.clear();
        const auto writeFails = [&](const QString& name) {
            auto file = std::make_unique<FailingWorkbookFile>(name);
            file->failWriteNumber = 1;
            file->deleted = &deleted;
            return std::unique_ptr<WorkbookFile>(std::move(file));
        };
        QVERIFY(!f.save(path("write-fails.xls"), writeFails));
        QCOMPARE(f.prompt.messages(), QStringList{"Save color card library file fail!"});
        QVERIFY(f.prompt.lastProgress()->hidden);
        QCOMPARE(deleted, (QList<int>{10, 9, 8, 7, 6, 5, 4, 3, 2}));
        QCOMPARE(sheetsOf(path("write-fails.xls")), 1);
    }

    void failedDataSheetKeepsWhatWasWritten() {
        ExchangeFixture f;
        for (int k = 0; k < 4; ++k)
            f.addLibrary(QStringLiteral("Lib%1").arg(k), "d", colours(2, k * 5));
        QList<int> deleted;
        const auto opener = [&](const QString& name) {
            auto file = std::make_unique<FailingWorkbookFile>(name);
            file->failWriteNumber = 4;  // library sheet, data sheets 1 and 2, then 3 fails
            file->deleted = &deleted;
            return std::unique_ptr<WorkbookFile>(std::move(file));
        };
        const QString file = path("data-fails.xls");
        QVERIFY(!f.save(file, opener));
        QCOMPARE(f.prompt.messages(), QStringList{"Save color card data file fail!"});
        const ScriptedPrompt::Event* progress = f.prompt.lastProgress();
        QVERIFY(progress->hidden);
        QCOMPARE(progress->values, (QList<int>{0, 1, 2, 3}));
        // Trimmed to 5 sheets after the library sheet; then 5 and 4 go.
        QCOMPARE(deleted, (QList<int>{10, 9, 8, 7, 6, 5, 4}));

        const QList<QList<QVariantList>> sheets = WorkbookEdit::readSheets(file);
        QCOMPARE(sheets.size(), 3);
        QCOMPARE(sheets[0][2][0], QVariant(QStringLiteral("Lib0")));
        QCOMPARE(sheets[0][5][0], QVariant(QStringLiteral("Lib3")));
        QCOMPARE(sheets[1].size(), 3);
        QCOMPARE(sheets[2].size(), 3);
        QCOMPARE(sheets[2][1][0], QVariant(QStringLiteral("C-1")));

        // A data sheet that cannot be opened: message, nothing more.
        f.prompt.clear();
        const auto openFails = [&](const QString& name) {
            auto file = std::make_unique<FailingWorkbookFile>(name);
            file->failOpenOf = 3;
            return std::unique_ptr<WorkbookFile>(std::move(file));
        };
        QVERIFY(!f.save(path("data-open-fails.xls"), openFails));
        QCOMPARE(f.prompt.messages(), QStringList{"Open color card data file fail!"});
        QVERIFY(f.prompt.lastProgress()->hidden);
        // Closed all the same: the library sheet and data sheet 1 are in the file.
        const QList<QList<QVariantList>> kept =
            WorkbookEdit::readSheets(path("data-open-fails.xls"));
        QCOMPARE(kept.size(), 5);
        QCOMPARE(kept[0][5][0], QVariant(QStringLiteral("Lib3")));
        QCOMPARE(kept[1].size(), 3);
        QCOMPARE(kept[1][0][0], QVariant(QStringLiteral("Name")));
    }

    void refusedFileWriteIsNoSuccess() {
        ExchangeFixture f;
        f.addLibrary("Reds", "spring", colours(2, 1));
        const auto opener = [&](const QString& name) {
            auto file = std::make_unique<FailingWorkbookFile>(name);
            file->failFileWrite = true;
            return std::unique_ptr<WorkbookFile>(std::move(file));
        };
        QVERIFY(!f.save(path("disk-full.xls"), opener));
        QCOMPARE(f.prompt.messages(), QStringList{"Save color card data file fail!"});
        QVERIFY(f.prompt.lastProgress()->hidden);
    }

    void saveChangesNeitherStoreNorPage() {
        ExchangeFixture f;
        f.addLibrary("Reds", "spring", colours(5, 3));
        f.addLibrary("Blues", "autumn", colours(2, 9));
        const QStringList store = f.snapshot();
        const QStringList page = f.viewState();
        QVERIFY(f.save(path("unchanged.xls")));
        QCOMPARE(f.snapshot(), store);
        QCOMPARE(f.viewState(), page);
    }
};

QTEST_GUILESS_MAIN(SpreadsheetSaveTest)
#include "tst_spreadsheetsave.moc"
