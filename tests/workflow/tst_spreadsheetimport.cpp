// SPDX-License-Identifier: MIT
#include <QFileInfo>

#include "exchange/CheckCodes.h"
#include "exchange/ExchangeWorkbook.h"
#include "tests/workflow/ExchangeFixture.h"
#include "tests/xls/XlsTestFiles.h"

using namespace colorcard;

using Kind = ScriptedPrompt::Kind;

namespace {

const QString kReadError = QStringLiteral("Read Excel file error!");
const QString kCheckError = QStringLiteral("Data check crc error!");
const QString kSuccess = QStringLiteral("Import file success!");
const QString kNothingChanged = QStringLiteral(
    "Nothing was changed: every color card library of the file is already in the database or "
    "was kept as it was.");
using Answer = Prompt::SeriesAnswer;

QString overwriteQuestion(const QString& name, const QString& description) {
    return QStringLiteral(
               "Color card library name: %1, color card library description: %2, "
               "already exists, do you want to overwrite the old color card library?")
        .arg(name, description);
}

}  // namespace

Q_DECLARE_METATYPE(Prompt::SeriesAnswer)

class SpreadsheetImportTest : public QObject {
    Q_OBJECT

    QTemporaryDir out;
    int files = 0;

    // A workbook saved from a store of meter 12345678 with these libraries.
    QString workbook(const QList<QPair<QString, QList<SheetColour>>>& libraries,
                     const QString& meterNumber = QStringLiteral("12345678")) {
        ExchangeFixture source(meterNumber);
        source.service().setMaxLibraries(46);
        for (const auto& library : libraries)
            source.addLibrary(library.first, QStringLiteral("desc"), library.second);
        for (int i = 0; i < libraries.size(); ++i)
            source.prompt.answers.enqueue(true);
        const QString file = out.filePath(QStringLiteral("book%1.xls").arg(++files));
        if (!source.save(file))
            return QString();
        return file;
    }

    // Imports and checks that the store and the page are as before.
    static void expectRefused(ExchangeFixture& f, const QString& file, const QString& title,
                              const QString& message) {
        const QStringList store = f.snapshot();
        const QStringList page = f.viewState();
        f.prompt.clear();
        f.import(file);
        QCOMPARE(f.prompt.messages(), QStringList{message});
        for (const ScriptedPrompt::Event& e : f.prompt.events) {
            if (e.kind == Kind::Information)
                QCOMPARE(e.title, title);
            if (e.kind == Kind::Progress)
                QVERIFY(e.hidden);
        }
        QCOMPARE(f.prompt.questions(), QStringList());
        QCOMPARE(f.snapshot(), store);
        QCOMPARE(f.viewState(), page);
    }

private slots:
    void initTestCase() {
        quietEngineTraces();
        QVERIFY(out.isValid());
    }

    void importsIntoAnEmptyStore() {
        const QString file =
            workbook({{"Reds", colours(3, 1)}, {"Empty", {}}, {"Blues", colours(2, 50)}});
        QVERIFY(!file.isEmpty());
        ExchangeFixture f;
        FailingWorkbookFile::Calls calls;
        f.import(file, [&](const QString& name) {
            auto counting = std::make_unique<FailingWorkbookFile>(name);
            counting->calls = &calls;
            return std::unique_ptr<WorkbookFile>(std::move(counting));
        });
        // The workbook is read once, whatever the number of sheets.
        QCOMPARE(calls.opens, 1);

        const ScriptedPrompt::Event& dialog = f.prompt.events.first();
        QCOMPARE(dialog.kind, Kind::OpenFile);
        QCOMPARE(dialog.title, QStringLiteral("Select File"));
        // The documents folder, not the program's working directory.
        QVERIFY(QFileInfo(dialog.text).isAbsolute());
        QCOMPARE(dialog.filter, QStringLiteral("Excel (*.xls)"));
        const ScriptedPrompt::Event* progress = f.prompt.lastProgress();
        QCOMPARE(progress->text, QStringLiteral("Importing Excel data, please wait"));
        QCOMPARE(progress->cancelText, QStringLiteral("Cancel"));
        QCOMPARE(progress->maximum, 3);
        QCOMPARE(progress->values, (QList<int>{0, 1, 2, 3}));
        QVERIFY(progress->hidden);
        QCOMPARE(f.prompt.messages(), QStringList{kSuccess});
        QCOMPARE(f.probe->reselections, 1);

        QCOMPARE(f.keys(), (QStringList{"Reds:desc", "Empty:desc", "Blues:desc"}));
        QCOMPARE(f.service().library(0).count, QStringLiteral("3"));
        QCOMPARE(f.service().library(1).count, QStringLiteral("0"));
        QCOMPARE(f.service().library(2).count, QStringLiteral("2"));
        const QVector<Library> stored = f.store().selectLibraries();
        QCOMPARE(stored.size(), 3);
        QCOMPARE(stored[0].meterNumber, QStringLiteral("12345678"));
        QCOMPARE(stored[2].count, QStringLiteral("2"));
        // Identifiers as a new library and new colours get them.
        QVERIFY(stored[0].id.startsWith("ColorCard1"));
        QVERIFY(stored[2].id.startsWith("ColorCard3"));
        const QVector<Colour> blues = f.store().selectColours(stored[2].id);
        QCOMPARE(blues.size(), 2);
        QVERIFY(blues[1].id.startsWith("ColorData2"));
        const QStringList values = measuredValues(51);
        QCOMPARE(f.colourKeys("Blues", "desc"),
                 (QStringList{"C-1:" + measuredValues(50).mid(0, 3).join(':'),
                              "C-2:" + values.mid(0, 3).join(':')}));
    }

    void cancelledDialogDoesNothing() {
        ExchangeFixture f;
        f.import(QString());
        QCOMPARE(f.prompt.events.size(), 1);
        QCOMPARE(f.prompt.events.first().kind, Kind::OpenFile);
    }

    void chineseTexts() {
        const QString file = workbook({{QStringLiteral("红色"), colours(1, 1)}});
        ExchangeFixture f;
        f.messenger.setLanguage(Language::chinese());
        f.import(file);
        QCOMPARE(f.prompt.events.first().title, QStringLiteral("选择文件"));
        QCOMPARE(f.prompt.lastProgress()->text, QStringLiteral("正在导入Excel数据，请等待..."));
        QCOMPARE(f.prompt.lastProgress()->cancelText, QStringLiteral("取消"));
        QCOMPARE(f.prompt.messages(), QStringList{QStringLiteral("导入文件成功！")});
        // With its colour gone the library would change again: asked, declined.
        f.service().selectLibrary(0);
        QVERIFY(f.edits().deleteColour(0));
        f.prompt.seriesAnswers << Answer::No;
        f.prompt.clear();
        f.import(file);
        QCOMPARE(f.prompt.seriesHeads(),
                 QStringList{QStringLiteral("色卡库名称：红色，色卡库描述：desc，已经存在，"
                                            "是否覆盖旧的色卡库？")});
        QCOMPARE(f.prompt.messages(),
                 QStringList{QStringLiteral("未做任何更改：文件中的色卡库已全部存在于数据库中，"
                                            "或已按您的选择保留原样。")});

        f.service().setMeterNumber("1");
        expectRefused(f, file, QStringLiteral("提示"), QStringLiteral("导入文件出错!"));
        expectRefused(f, out.filePath("missing.xls") + "/x", QStringLiteral("错误"),
                      QStringLiteral("无法打开文件！"));
    }

    void anotherMetersWorkbookIsRefused() {
        const QString file = workbook({{"Reds", colours(3, 1)}});
        ExchangeFixture f(QStringLiteral("87654321"));
        expectRefused(f, file, "Tip", "Import file error!");

        // Without a meter the meter number is empty, A1 is not.
        ExchangeFixture none{QString()};
        expectRefused(none, file, "Tip", "Import file error!");
    }

    void workbookSavedWithoutMeterImportsWithoutMeter() {
        const QString file = workbook({{"Reds", colours(2, 1)}}, QString());
        ExchangeFixture f{QString()};
        f.import(file);
        QCOMPARE(f.prompt.messages(), QStringList{kSuccess});
        QCOMPARE(f.service().libraryCount(), 1);
        ExchangeFixture meter;
        expectRefused(meter, file, "Tip", "Import file error!");
    }

    void editedLabValueIsRefused() {
        const QString file = workbook({{"Reds", colours(3, 1)}, {"Blues", colours(3, 7)}});
        ExchangeFixture f;
        // Data sheet of Blues, second colour, LabL + 0.01 (as a number cell).
        const double lab = measuredValues(8)[0].toDouble();
        QVERIFY(WorkbookEdit::setCell(file, 3, 2, 1, lab + 0.01));
        expectRefused(f, file, "Tip", kCheckError);
    }

    void editedNameOrCountIsRefused() {
        const QString file = workbook({{"Reds", colours(3, 1)}});
        ExchangeFixture f;
        QVERIFY(WorkbookEdit::setCell(file, 1, 2, 1, QStringLiteral("other")));
        expectRefused(f, file, "Tip", kCheckError);

        const QString counted = workbook({{"Reds", colours(3, 1)}});
        QVERIFY(WorkbookEdit::setCell(counted, 1, 1, 1, 12345.0));
        expectRefused(f, counted, "Tip", kCheckError);
    }

    void editedRgbIsImported() {
        const QString file = workbook({{"Reds", colours(3, 1)}});
        QVERIFY(WorkbookEdit::setCell(file, 2, 1, 17, 12.0));
        QVERIFY(WorkbookEdit::setCell(file, 2, 3, 19, QStringLiteral("7")));
        ExchangeFixture f;
        f.import(file);
        QCOMPARE(f.prompt.messages(), QStringList{kSuccess});
        const QVector<Colour> stored = f.store().selectColours(f.service().library(0).id);
        QCOMPARE(stored[0].rgbR, QStringLiteral("12"));
        QCOMPARE(stored[2].rgbB, QStringLiteral("7"));
        QCOMPARE(stored[1].rgbR, measuredValues(2)[16]);
    }

    // Importing again asks only about the libraries that would change (here
    // Reds and Blues, each missing a colour; Empty is as stored), and an
    // answer for all holds for the rest. Nothing changed is told as such.
    void reimportAsksOnlyAboutChangedLibraries_data() {
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("redsBack");
        QTest::addColumn<bool>("bluesBack");
        QTest::newRow("yes, yes") << QList<Answer>{Answer::Yes, Answer::Yes} << 2 << true << true;
        QTest::newRow("yes to all") << QList<Answer>{Answer::YesToAll} << 1 << true << true;
        QTest::newRow("no, yes") << QList<Answer>{Answer::No, Answer::Yes} << 2 << false << true;
        QTest::newRow("no, no") << QList<Answer>{Answer::No, Answer::No} << 2 << false << false;
        QTest::newRow("no to all") << QList<Answer>{Answer::NoToAll} << 1 << false << false;
    }
    void reimportAsksOnlyAboutChangedLibraries() {
        QFETCH(QList<Answer>, answers);
        QFETCH(int, questions);
        QFETCH(bool, redsBack);
        QFETCH(bool, bluesBack);
        const QString file =
            workbook({{"Reds", colours(3, 1)}, {"Empty", {}}, {"Blues", colours(2, 50)}});
        ExchangeFixture f;
        f.import(file);
        const QStringList reds = f.colourKeys("Reds", "desc");
        const QStringList blues = f.colourKeys("Blues", "desc");

        // The same workbook again: not a question, nothing written.
        const QStringList store = f.snapshot();
        f.prompt.clear();
        f.import(file);
        QCOMPARE(f.prompt.seriesHeads(), QStringList());
        QCOMPARE(f.prompt.questions(), QStringList());
        QCOMPARE(f.prompt.messages(), QStringList{kNothingChanged});
        QCOMPARE(f.snapshot(), store);

        for (int row : {2, 0}) {
            f.service().selectLibrary(row);
            QVERIFY(f.edits().deleteColour(0));
        }
        f.prompt.clear();
        f.prompt.seriesAnswers.append(answers);
        f.import(file);
        const QStringList asked{overwriteQuestion("Reds", "desc"),
                                overwriteQuestion("Blues", "desc")};
        QCOMPARE(f.prompt.seriesHeads(), asked.mid(0, questions));
        QCOMPARE(f.prompt.unscripted, 0);
        QCOMPARE(f.prompt.messages(),
                 QStringList{redsBack || bluesBack ? kSuccess : kNothingChanged});
        QCOMPARE(f.colourKeys("Reds", "desc").size(), redsBack ? 3 : 2);
        QCOMPARE(f.colourKeys("Blues", "desc").size(), bluesBack ? 2 : 1);
        // A colour brought back comes last, with the values it had.
        const QStringList redsNow = f.colourKeys("Reds", "desc");
        if (redsBack)
            QCOMPARE(redsNow, reds.mid(1) + reds.mid(0, 1));
        if (bluesBack)
            QCOMPARE(f.colourKeys("Blues", "desc"), blues.mid(1) + blues.mid(0, 1));
        f.relist();
        QCOMPARE(f.colourKeys("Reds", "desc").size(), redsBack ? 3 : 2);
    }

    void mergeAddsTheMissingColours() {
        const QList<SheetColour> all = colours(5, 20);
        const QString file = workbook({{"Reds", all}, {"Blues", colours(2, 3)}});
        ExchangeFixture f;
        f.addLibrary("Reds", "desc", {all[1], all[3]});
        f.prompt.seriesAnswers << Answer::Yes;
        f.import(file);
        QCOMPARE(f.prompt.seriesHeads(), QStringList{overwriteQuestion("Reds", "desc")});
        QCOMPARE(f.service().library(0).count, QStringLiteral("5"));
        QCOMPARE(f.store().selectLibraries()[0].count, QStringLiteral("5"));
        const QVector<Colour> stored = f.store().selectColours(f.service().library(0).id);
        QStringList names;
        QSet<QString> ids;
        for (const Colour& c : stored) {
            names << c.name;
            ids.insert(c.id);
        }
        QCOMPARE(names, (QStringList{"C-2", "C-4", "C-1", "C-3", "C-5"}));
        QCOMPARE(ids.size(), 5);
        QCOMPARE(f.colourKeys("Reds", "desc").size(), 5);
        QCOMPARE(f.service().library(1).count, QStringLiteral("2"));
    }

    void libraryLimit() {
        QList<QPair<QString, QList<SheetColour>>> libraries;
        for (int k = 0; k < 5; ++k)
            libraries.append({QStringLiteral("Lib%1").arg(k), colours(1, k)});
        const QString file = workbook(libraries);
        ExchangeFixture f;
        f.service().setMaxLibraries(46);
        f.addLibrary("Lib0", "desc");
        f.addLibrary("Lib3", "desc");
        for (int k = 2; k < 44; ++k)
            f.addLibrary(QStringLiteral("Other%1").arg(k), "d");
        expectRefused(f, file, "Tip",
                      "At most 46 color cards, and already 44 color cards, importing has exceeded "
                      "the limit!");

        // With room for three more it goes through.
        QVERIFY(f.edits().deleteLibrary(43));
        f.prompt.seriesAnswers << Answer::Yes << Answer::Yes;
        f.prompt.clear();
        f.import(file);
        QCOMPARE(f.prompt.messages(), QStringList{kSuccess});
        QCOMPARE(f.service().libraryCount(), 46);
    }

    void emptyNewLibrariesCountAgainstTheLimit() {
        const QString file = workbook({{"Empty1", {}}, {"Empty2", {}}});
        ExchangeFixture f;
        for (int k = 0; k < 8; ++k)
            f.addLibrary(QStringLiteral("Lib%1").arg(k), "d");
        expectRefused(f, file, "Tip",
                      "At most 9 color cards, and already 8 color cards, importing has exceeded "
                      "the limit!");
    }

    void emptyLabStoredAsZero() {
        QList<SheetColour> list = colours(2, 5);
        list[1].values[0] = QString();  // LabL
        list[1].values[4] = QString();  // a value never measured stays empty
        const QString file = workbook({{"Reds", list}});
        ExchangeFixture f;
        f.import(file);
        QCOMPARE(f.prompt.messages(), QStringList{kSuccess});
        const QVector<Colour> stored = f.store().selectColours(f.service().library(0).id);
        QCOMPARE(stored[1].labL, QStringLiteral("0.00"));
        QCOMPARE(stored[1].luvu, QString(""));
        QCOMPARE(stored[0].labL, list[0].values[0]);
    }

    // The whole workbook is one transaction: the library that exceeds the
    // limit stops it, and the libraries before it are not kept either.
    void colourLimitStopsTheWholeImport() {
        const QString file = workbook({{"First", {}}, {"Second", colours(15, 1)}});
        ExchangeFixture f;
        f.addLibrary("Full", "d", {}, QStringLiteral("19990"));
        f.import(file);
        QCOMPARE(f.prompt.messages(),
                 QStringList{"At most 20000 color datas, and already 19990 color datas, importing "
                             "15 color datas has exceeded the limit, from 2 color card import "
                             "fail!"});
        QVERIFY(f.prompt.lastProgress()->hidden);
        QCOMPARE(f.keys(), QStringList{"Full:d"});
        QCOMPARE(f.store().selectLibraries().size(), 1);
        QCOMPARE(f.probe->reselections, 1);
        QVERIFY(!f.listed("First", "desc"));
        QVERIFY(!f.listed("Second", "desc"));

        // Chinese text of the same message, into an existing library that
        // keeps its row because it already holds colours; its C-1 would take
        // the incoming values rather than come in a second time.
        ExchangeFixture g;
        g.messenger.setLanguage(Language::chinese());
        g.addLibrary("Full", "d", {}, QStringLiteral("19990"));
        g.addLibrary("Second", "desc", colours(1, 900));
        g.prompt.seriesAnswers << Answer::Yes;
        g.import(file);
        QCOMPARE(g.prompt.messages(),
                 QStringList{QStringLiteral("最多录20000条色卡数据，已经存在19991条色卡数据，本次导"
                                            "入14条已超过上限，从第2本色卡开始导出失败!")});
        QCOMPARE(g.service().libraryCount(), 2);
        QCOMPARE(g.service().library(1).count, QStringLiteral("1"));
    }

    void librariesAreToldApartByNameAndDescriptionWhole() {
        ExchangeFixture source;
        source.addLibrary("a:b", "c", colours(2, 1, "x"));
        source.addLibrary("a", "b:c", colours(1, 9, "y"));
        const QString file = out.filePath("colon.xls");
        QVERIFY(source.save(file));
        ExchangeFixture f;
        f.import(file);
        QCOMPARE(f.prompt.questions(), QStringList());
        QCOMPARE(f.prompt.messages(), QStringList{kSuccess});
        QCOMPARE(f.service().libraryCount(), 2);
        QVERIFY(f.service().library(0).key() == (LibraryKey{"a:b", "c"}));
        QVERIFY(f.service().library(1).key() == (LibraryKey{"a", "b:c"}));
        QCOMPARE(f.colourKeys("a:b", "c").size(), 2);
        QCOMPARE(f.colourKeys("a", "b:c").size(), 1);
        QCOMPARE(f.snapshot(), source.snapshot());
    }

    // Overwriting never leaves two colours of one name: a held name takes the
    // incoming values, a new name is added, the same colour is left alone.
    void overwriteReplacesColoursOfTheSameName_data() {
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("message");
        const QStringList held = measuredValues(1).mid(0, 3);
        const QStringList incoming = measuredValues(7).mid(0, 3);
        QTest::newRow("yes") << true
                             << QStringList{"C-1:" + incoming.join(':'),
                                            "C-2:" + measuredValues(2).mid(0, 3).join(':'),
                                            "C-3:" + measuredValues(9).mid(0, 3).join(':')}
                             << kSuccess;
        QTest::newRow("no") << false
                            << QStringList{"C-1:" + held.join(':'),
                                           "C-2:" + measuredValues(2).mid(0, 3).join(':')}
                            << kNothingChanged;
    }
    void overwriteReplacesColoursOfTheSameName() {
        QFETCH(bool, overwrite);
        QFETCH(QStringList, expected);
        QFETCH(QString, message);
        // The workbook: C-1 with other values, C-2 as held, C-3 new.
        QList<SheetColour> sheet = colours(3, 7);
        sheet[1] = colours(2, 1)[1];
        const QString file = workbook({{"Reds", sheet}});
        ExchangeFixture f;
        f.addLibrary("Reds", "desc", colours(2, 1));
        f.prompt.seriesAnswers << (overwrite ? Answer::Yes : Answer::No);
        f.import(file);
        QCOMPARE(f.prompt.messages(), QStringList{message});
        QCOMPARE(f.colourKeys("Reds", "desc"), expected);
        QCOMPARE(f.service().library(0).count, QString::number(expected.size()));
        const QVector<Colour> stored = f.store().selectColours(f.service().library(0).id);
        QCOMPARE(stored.size(), expected.size());
        QCOMPARE(stored[0].rgbB, (overwrite ? measuredValues(7) : measuredValues(1))[18]);
        f.relist();
        QCOMPARE(f.colourKeys("Reds", "desc"), expected);
    }

    void repeatedNameInOneSheetKeepsTheLast() {
        QList<SheetColour> sheet = colours(3, 4);
        sheet[2].name = sheet[0].name;
        const QString file = workbook({{"Reds", sheet}});
        ExchangeFixture f;
        f.import(file);
        QCOMPARE(f.colourKeys("Reds", "desc"),
                 (QStringList{"C-1:" + measuredValues(6).mid(0, 3).join(':'),
                              "C-2:" + measuredValues(5).mid(0, 3).join(':')}));
        QCOMPARE(f.store().selectLibraries()[0].count, QStringLiteral("2"));
    }

    // Exactly on the colour limit: 20000 stored afterwards is fine, 20001 is not.
    void colourLimitIsExact_data() {
        QTest::addColumn<QString>("held");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("20000") << "10000" << QStringList{kSuccess};
        QTest::newRow("20001") << "10001"
                               << QStringList{
                                      "At most 20000 color datas, and already 10001 color "
                                      "datas, importing 10000 color datas has exceeded the "
                                      "limit, from 1 color card import fail!"};
    }
    void colourLimitIsExact() {
        QFETCH(QString, held);
        QFETCH(QStringList, messages);
        static QString file;
        if (file.isEmpty())
            file = workbook({{"Big", colours(10000, 1)}});
        ExchangeFixture f;
        f.addLibrary("Held", "d", {}, held);
        f.import(file);
        QCOMPARE(f.prompt.messages(), messages);
        QCOMPARE(f.service().libraryCount(), messages == QStringList{kSuccess} ? 2 : 1);
    }

    void damagedWorkbooksAreRefused() {
        ExchangeFixture f;
        f.addLibrary("Mine", "d", colours(2, 99));

        // Not a workbook at all.
        const QString junk = out.filePath("junk.xls");
        QVERIFY(XlsTestFiles::writeBytes(junk, QByteArray(600, 'x')));
        expectRefused(f, junk, "Error", "Could not open file!");

        // A workbook whose records cannot be read (one that crashed FreeXL).
        const QString hostile = out.filePath("hostile.xls");
        QVERIFY(XlsTestFiles::writeBytes(
            hostile, XlsTestFiles::bytesOf(
                         QStringLiteral(FUZZ_CORPUS_DIR "/xls_read/crash-freexl-sst-oob.xls"))));
        expectRefused(f, hostile, "Tip", kReadError);

        // A workbook with an empty first sheet.
        const QString blank = out.filePath("blank.xls");
        QVERIFY(XlsTestFiles::writeSheets(blank, {"one", "two"}));
        expectRefused(f, blank, "Tip", kReadError);

        const QString file = workbook({{"Reds", colours(4, 1)}, {"Blues", colours(3, 30)}});
        const QList<QList<QVariantList>> sheets = WorkbookEdit::readSheets(file);
        QCOMPARE(sheets.size(), 3);
        const QString damaged = out.filePath("damaged.xls");

        // A data sheet missing.
        QVERIFY(WorkbookEdit::writeSheets(damaged, sheets.mid(0, 2)));
        expectRefused(f, damaged, "Error", "Read Excel file error!");

        // A data sheet with fewer colours than its library row claims.
        QList<QList<QVariantList>> changed = sheets;
        changed[2].removeLast();
        QVERIFY(WorkbookEdit::writeSheets(damaged, changed));
        expectRefused(f, damaged, "Tip", kReadError);

        // A data sheet narrower than twenty columns.
        changed = sheets;
        for (QVariantList& row : changed[1])
            row = row.mid(0, 19);
        QVERIFY(WorkbookEdit::writeSheets(damaged, changed));
        expectRefused(f, damaged, "Tip", kReadError);

        // An empty data sheet.
        changed = sheets;
        changed[2].clear();
        QVERIFY(WorkbookEdit::writeSheets(damaged, changed));
        expectRefused(f, damaged, "Tip", kReadError);

        // More libraries than the library sheet has rows, count code matching.
        changed = sheets;
        changed[0][1][0] = 300.0;
        changed[0][1][1] = double(countCheckCode(300));
        QVERIFY(WorkbookEdit::writeSheets(damaged, changed));
        expectRefused(f, damaged, "Tip", kReadError);
        changed[0][1][0] = -1.0;
        changed[0][1][1] = double(countCheckCode(-1));
        QVERIFY(WorkbookEdit::writeSheets(damaged, changed));
        expectRefused(f, damaged, "Tip", kReadError);

        // A library sheet of one cell.
        QVERIFY(WorkbookEdit::writeSheets(damaged, {{{QStringLiteral("12345678")}}}));
        expectRefused(f, damaged, "Tip", kReadError);

        // A colour count above what a check code covers.
        changed = sheets;
        changed[0][2][2] = QStringLiteral("10001");
        QVERIFY(WorkbookEdit::writeSheets(damaged, changed));
        expectRefused(f, damaged, "Tip", kReadError);

        // A count check code that does not match.
        changed = sheets;
        changed[0][1][1] = double(countCheckCode(2) ^ 1);
        QVERIFY(WorkbookEdit::writeSheets(damaged, changed));
        expectRefused(f, damaged, "Tip", kCheckError);

        // Rewritten unchanged the workbook is fine again.
        QVERIFY(WorkbookEdit::writeSheets(damaged, sheets));
        f.import(damaged);
        QCOMPARE(f.prompt.messages().last(), kSuccess);
        QCOMPARE(f.service().libraryCount(), 3);
    }

    // Hand edits of the count and of L*a*b* that the check codes alone would
    // let through (or that would drop colours) are refused with nothing
    // changed. The workbook: "Reds" (its first colour 0.00 0.00 0.00, so an
    // overflowing value would pass its check code) and an empty library.
    void handEditedWorkbooksAreRefused_data() {
        QTest::addColumn<int>("sheet");  // 0-based
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, int sheet, int r, int c, const QVariant& v,
                            const QString& message) {
            QTest::newRow(name) << sheet << r << c << v << message;
        };
        // Library sheet: row 2 is "Reds", row 3 the empty library.
        row("count 0, codes kept", 0, 2, 2, QStringLiteral("0"), kCheckError);
        row("count 2 of 3", 0, 2, 2, QStringLiteral("2"), kCheckError);
        row("count 3.0 as text", 0, 2, 2, QStringLiteral("3.0"), kReadError);
        row("count abc", 0, 2, 2, QStringLiteral("abc"), kReadError);
        row("count 2.5", 0, 2, 2, 2.5, kReadError);
        row("count empty", 0, 2, 2, QString(), kReadError);
        row("empty library with codes", 0, 3, 3, 1234.0, kCheckError);
        row("empty library with a colour", 2, 1, 0, QStringLiteral("stray"), kCheckError);
        row("colour below the count", 1, 4, 1, QStringLiteral("50.00"), kCheckError);
        // Data sheet of "Reds": L*, a*, b* of its first colour.
        row("L nan", 1, 1, 1, QStringLiteral("nan"), kReadError);
        row("a inf", 1, 1, 2, QStringLiteral("inf"), kReadError);
        row("b -inf", 1, 1, 3, QStringLiteral("-inf"), kReadError);
        row("L abc", 1, 1, 1, QStringLiteral("abc"), kReadError);
        row("L 30000000", 1, 1, 1, 30000000.0, kReadError);
        row("b -25000000", 1, 1, 3, -25000000.0, kReadError);
        row("a 30000000 as text", 1, 1, 2, QStringLiteral("30000000"), kReadError);
        row("L 150.01", 1, 1, 1, 150.01, kReadError);
        row("a -200.01", 1, 1, 2, QStringLiteral("-200.01"), kReadError);
        // Names, which no check code covers.
        row("escape in a colour name", 1, 2, 0, QStringLiteral("C\x1b[2J"),
            "Row 3 of worksheet 2 holds a name or description with a control character or a "
            "text direction mark, which cannot be kept!");
        row("NUL in a colour name", 1, 1, 0, QStringLiteral("C").append(QChar(0)).append('x'),
            "Row 2 of worksheet 2 holds a name or description with a control character or a "
            "text direction mark, which cannot be kept!");
    }
    void handEditedWorkbooksAreRefused() {
        QFETCH(int, sheet);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QVariant, value);
        QFETCH(QString, message);
        static QList<QList<QVariantList>> sheets;
        if (sheets.isEmpty()) {
            QList<SheetColour> reds = colours(3, 1);
            reds[0].values[0] = reds[0].values[1] = reds[0].values[2] = QStringLiteral("0.00");
            sheets = WorkbookEdit::readSheets(workbook({{"Reds", reds}, {"Empty", {}}}));
            QCOMPARE(sheets.size(), 3);
        }
        QList<QList<QVariantList>> edited = sheets;
        while (edited[sheet].size() <= row)
            edited[sheet].append(QVariantList());
        while (edited[sheet][row].size() <= column)
            edited[sheet][row].append(QVariant());
        edited[sheet][row][column] = value;
        const QString file = out.filePath(QStringLiteral("edited%1.xls").arg(++files));
        QVERIFY(WorkbookEdit::writeSheets(file, edited));

        ExchangeFixture f;
        f.addLibrary("Reds", "desc", colours(1, 40, "K"));
        f.prompt.seriesAnswers << Answer::Yes;
        expectRefused(f, file, "Tip", message);

        // The same workbook unedited imports, and a whole number cell is a count.
        edited = sheets;
        edited[0][2][2] = 3.0;
        QVERIFY(WorkbookEdit::writeSheets(file, edited));
        f.prompt.clear();
        f.import(file);
        QCOMPARE(f.prompt.messages(), QStringList{kSuccess});
        QCOMPARE(f.service().library(0).count, QStringLiteral("4"));
        QCOMPARE(f.colourKeys("Reds", "desc").value(1), QStringLiteral("C-1:0.00:0.00:0.00"));
    }

    void sheetThatCannotBeOpened() {
        const QString file = workbook({{"Reds", colours(2, 1)}, {"Blues", colours(2, 3)}});
        ExchangeFixture f;
        const QStringList store = f.snapshot();
        f.import(file, [](const QString& name) {
            auto failing = std::make_unique<FailingWorkbookFile>(name);
            failing->failOpenOf = 3;
            return std::unique_ptr<WorkbookFile>(std::move(failing));
        });
        QCOMPARE(f.prompt.messages(), QStringList{"Could not open file!"});
        QVERIFY(f.prompt.lastProgress()->hidden);
        QCOMPARE(f.snapshot(), store);
    }

    void importKeepsTheFileAsItWas() {
        const QString file = workbook({{"Reds", colours(3, 1)}});
        const QByteArray before = XlsTestFiles::bytesOf(file);
        ExchangeFixture f;
        f.import(file);
        QCOMPARE(XlsTestFiles::bytesOf(file), before);
    }
};

QTEST_GUILESS_MAIN(SpreadsheetImportTest)
#include "tst_spreadsheetimport.moc"
