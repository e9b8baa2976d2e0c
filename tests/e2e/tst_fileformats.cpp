// SPDX-License-Identifier: MIT
// The Save and Import buttons with CSV, CGATS.17 and CxF3 files beside the
// exchange workbook: the type comes from the dialog's filter or the file's
// suffix, every question and message is the window's, and a refused file
// leaves the store and the page as they were.

#include <QComboBox>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/MainWindow.h"
#include "link/UsbLinkOpener.h"
#include "sim/SimHidBackend.h"
#include "tests/e2e/MeterContents.h"
#include "tests/formats/FormatFixture.h"
#include "tests/support/ScriptedPrompt.h"
#include "ui_FirstPage.h"
#include "workspace/FirstPage.h"

using namespace colorcard;

namespace {

const QString kWorkbookFilter = QStringLiteral("Excel (*.xls)");

QString filterOf(OpenFormat format, const Language& language = Language::chinese()) {
    return OpenFormats::dialogFilters(language).value(int(format) - int(OpenFormat::Csv));
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A CSV file of new libraries "N1", "N2", ... of colours "c1", "c2", ...
QByteArray csvOf(int libraries, int colorsEach) {
    QByteArray csv = "Library,Name,LabL,Laba,Labb\n";
    for (int k = 1; k <= libraries; ++k)
        for (int c = 1; c <= colorsEach; ++c)
            csv += QStringLiteral("N%1,c%2,%3,1.5,-2\n").arg(k).arg(c).arg(c % 100).toUtf8();
    return csv;
}

}  // namespace

class FileFormatsEndToEnd : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QTemporaryDir files_;
    ScriptedPrompt prompt_;
    SimHidBackend backend_;
    std::unique_ptr<MainWindow> window_;

    FirstPage& page() { return *window_->page(); }
    QString path(const QString& name) const { return files_.filePath(name); }
    void setLanguage(const Language& language) {
        if (language.isChinese())
            window_->on_pushButton_languageZh_clicked();
        else
            window_->on_pushButton_languageEn_clicked();
    }
    // The page's library rows as "name|description|count".
    QStringList pageRows() {
        QStringList rows;
        for (int row = 0; row < page().libraryRowCount(); ++row)
            rows << QStringList{page().libraryCell(row, 1), page().libraryCell(row, 2),
                                page().libraryCell(row, 3)}
                        .join('|');
        return rows;
    }
    // The meter's libraries again, as the window's automatic export left them.
    void restoreMeterLibraries() {
        page().library().clearAllData();
        prompt_.answers.clear();
        page().meter().exportMeterData();
        prompt_.clear();
    }
    void save(const QString& file, const QString& filter, std::initializer_list<bool> answers) {
        prompt_.clear();
        prompt_.fileNames.enqueue(file);
        prompt_.selectedFilters.enqueue(filter);
        for (bool answer : answers)
            prompt_.answers.enqueue(answer);
        page().ui()->pushButton_saveToExcel->click();
    }
    void import(const QString& file, std::initializer_list<bool> answers = {}) {
        prompt_.clear();
        prompt_.fileNames.enqueue(file);
        for (bool answer : answers)
            prompt_.seriesAnswers.enqueue(answer ? Prompt::SeriesAnswer::Yes
                                                 : Prompt::SeriesAnswer::No);
        page().ui()->pushButton_importFromExcel->click();
    }

private slots:
    void initTestCase() {
        QLoggingCategory::setFilterRules(QStringLiteral("colorcard.link.debug=false"));
        backend_.meter().loadLibraries(meterLibraries());
        MainWindow::Setup setup;
        setup.prompt = &prompt_;
        setup.linkOpener = makeUsbLinkOpener(backend_);
        setup.dataDirectory = dir_.path();
        window_ = std::make_unique<MainWindow>(setup);
        QVERIFY(window_->OpenUSB(0));
        // The user's own settings stay out of the files written here.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
        QCOMPARE(page().libraryRowCount(), meterLibraries().size());
        prompt_.clear();
    }

    // Both dialogs offer the workbook first, then the open formats, in the
    // language of the window; cancelling writes and changes nothing.
    void dialogsOfferEveryType() {
        for (const Language& language : {Language::chinese(), Language::english()}) {
            setLanguage(language);
            prompt_.clear();
            page().ui()->pushButton_saveToExcel->click();
            page().ui()->pushButton_importFromExcel->click();
            const QString filters =
                (QStringList{kWorkbookFilter} + OpenFormats::dialogFilters(language)).join(";;");
            QCOMPARE(prompt_.events.size(), 2);
            QCOMPARE(prompt_.events[0].kind, ScriptedPrompt::Kind::SaveFile);
            QCOMPARE(prompt_.events[0].filter, filters);
            QCOMPARE(prompt_.events[1].kind, ScriptedPrompt::Kind::OpenFile);
            QCOMPARE(prompt_.events[1].filter, filters);
            QCOMPARE(prompt_.events[1].title,
                     QString(language.isChinese() ? "选择文件" : "Select File"));
        }
        QCOMPARE(QDir(files_.path()).entryList(QDir::Files), QStringList());
        setLanguage(Language::chinese());
    }

    // One library or all of them, by the filter or by the suffix: the file
    // holds exactly the stored names and values of what was chosen.
    void exportOneOrAll_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("selectedOnly");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("format");
        QTest::newRow("csv filter, the selected library")
            << "one" << filterOf(OpenFormat::Csv) << true << "one.csv" << int(OpenFormat::Csv);
        QTest::newRow("cgats filter, all")
            << "all" << filterOf(OpenFormat::Cgats) << false << "all.txt" << int(OpenFormat::Cgats);
        QTest::newRow("cxf suffix under the workbook filter, all")
            << "all.cxf" << kWorkbookFilter << false << "all.cxf" << int(OpenFormat::Cxf);
    }
    void exportOneOrAll() {
        QFETCH(QString, chosen);
        QFETCH(QString, filter);
        QFETCH(bool, selectedOnly);
        QFETCH(QString, written);
        QFETCH(int, format);
        const int selected = 3;
        page().ui()->comboBox_colorCardName->setCurrentIndex(selected);
        FormatLibraries expected = ColorLibraryStore::read(page().store());
        QCOMPARE(expected.size(), 4);
        if (selectedOnly)
            expected = {expected[selected]};

        save(path(chosen), filter, {selectedOnly});
        QCOMPARE(prompt_.questions(),
                 QStringList{"是否只导出选中的色卡库“国标色卡”？选择“否”导出全部4本色卡库。"});
        QCOMPARE(prompt_.firstParagraphs(), QStringList{"保存文件成功！"});
        QCOMPARE(prompt_.unscripted, 0);
        const ScriptedPrompt::Event* progress = prompt_.lastProgress();
        QVERIFY(progress && progress->hidden);
        QCOMPARE(progress->text, QString("正在导出色卡数据，请等待..."));
        FormatLibraries read;
        QVERIFY(!OpenFormats::read(path(written), OpenFormat(format), read));
        // Numbers as the import stores them ("64.9" in a file is "64.90").
        QVERIFY(
            sameLibraries(prepared(read), prepared(expected), carriedColumns(OpenFormat(format))));
        QFile::remove(path(written));
    }

    // An existing file is replaced only after the question; No keeps it.
    void replaceOnlyAfterTheQuestion() {
        page().ui()->comboBox_colorCardName->setCurrentIndex(0);
        QVERIFY(writeFile(path("kept.csv"), "old"));
        save(path("kept.csv"), kWorkbookFilter, {false, false});
        QCOMPARE(
            prompt_.questions().value(1),
            QString("文件%1已经存在，是否替换？").arg(QDir::toNativeSeparators(path("kept.csv"))));
        QCOMPARE(prompt_.messages(), QStringList());
        QCOMPARE(readFile(path("kept.csv")), QByteArray("old"));
        save(path("kept.csv"), kWorkbookFilter, {false, true});
        QCOMPARE(prompt_.firstParagraphs(), QStringList{"保存文件成功！"});
        QVERIFY(readFile(path("kept.csv")).contains("国标色卡"));
    }

    // A CGATS file written by hand (no library name: the file names it)
    // comes in as a new library; a second file of that library asks the
    // merge's question and changes nothing on No, merges on Yes.
    void importCgatsNewThenExisting() {
        const QByteArray head =
            "CGATS.17\nORIGINATOR\t\"hand\"\nNUMBER_OF_FIELDS\t5\nBEGIN_DATA_FORMAT\n"
            "SAMPLE_ID\tSAMPLE_NAME\tLAB_L\tLAB_A\tLAB_B\nEND_DATA_FORMAT\n";
        QVERIFY(QDir(files_.path()).mkdir("later"));
        QVERIFY(writeFile(path("spring.txt"), head + "NUMBER_OF_SETS\t2\nBEGIN_DATA\n"
                                                     "1\t\"Leaf\"\t52.5\t-40.25\t35\n"
                                                     "2\t\"天空\"\t70\t-10\t-30\nEND_DATA\n"));
        QVERIFY(writeFile(path("later/spring.txt"), head + "NUMBER_OF_SETS\t2\nBEGIN_DATA\n"
                                                           "1\t\"Leaf\"\t53\t-40.25\t35\n"
                                                           "2\t\"Sun\"\t90\t5\t80\nEND_DATA\n"));
        restoreMeterLibraries();
        const QStringList rowsBefore = pageRows();

        import(path("spring.txt"));
        QCOMPARE(prompt_.messages(), QStringList{"导入文件成功！"});
        QCOMPARE(prompt_.questions(), QStringList());
        QCOMPARE(pageRows(), rowsBefore + QStringList{"spring||2"});
        const FormatLibraries stored = ColorLibraryStore::read(page().store());
        const FormatLibrary& spring = stored.last();
        QCOMPARE(spring.colors[1].name, QString("天空"));
        // L*a*b* as a measurement stores them, the rest derived from them.
        QStringList leaf = ImportCheck::derivedTexts(52.5, -40.25, 35);
        QCOMPARE(leaf.mid(0, 3), (QStringList{"52.50", "-40.25", "35.00"}));
        QCOMPARE(spring.colors[0].values, leaf);

        const QStringList storedBefore = describe(page().store());
        import(path("later/spring.txt"), {false});
        const QString question = "色卡库名称：spring，色卡库描述：，已经存在，是否覆盖旧的色卡库？";
        QCOMPARE(prompt_.seriesQuestions().size(), 1);
        QCOMPARE(prompt_.seriesQuestions()[0].section("\n\n", 0, 0), question);
        QCOMPARE(prompt_.messages(),
                 QStringList{
                     "未做任何更改：文件中的色卡库已全部存在于数据库中，或已按您的选择保留原样。"});
        QCOMPARE(describe(page().store()), storedBefore);

        import(path("later/spring.txt"), {true});
        QCOMPARE(prompt_.seriesQuestions().size(), 1);
        QCOMPARE(prompt_.seriesQuestions()[0].section("\n\n", 0, 0), question);
        QCOMPARE(prompt_.messages(), QStringList{"导入文件成功！"});
        QCOMPARE(pageRows().last(), QString("spring||3"));
        QCOMPARE(describe(page().store()).mid(storedBefore.size() - 2),
                 (QStringList{"  Leaf 5300 -4025 3500", "  天空 7000 -1000 -3000",
                              "  Sun 9000 500 8000"}));
    }

    // Every check runs before the first change: a refused file shows its
    // reason and leaves the store and the page as they were.
    void refusedFileChangesNothing_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("message");
        QTest::newRow("csv without b*")
            << "lab.csv" << QByteArray("Name,LabL,Laba\nx,1,2\n") << true
            << "文件lab.csv缺少L*a*b*字段Labb：每个颜色都需要L*、a*和b*！";
        QTest::newRow("value not a number, English")
            << "nan.csv" << QByteArray("Name,LabL,Laba,Labb\nx,1,abc,2\n") << false
            << "The Laba value of the color \"x\" in the library \"nan\" is \"abc\", which is not "
               "a number!";
        QTest::newRow("colour name too long for the meter")
            << "long.csv" << QString("Name,LabL,Laba,Labb\n深红色的长名字颜色,1,2,3\n").toUtf8()
            << true
            << "色卡库“long”中的颜色名称“深红色的长名字颜色”长27字节，仪器最多容纳20字节（一个汉"
               "字占3字节）！";
        QTest::newRow("a* beyond the range of real colours")
            << "range.csv" << QByteArray("Name,LabL,Laba,Labb\nok,50,200,-200\nx,50,200.01,0\n")
            << true
            << "色卡库“range”中颜色“x”的L*a*b*值50.00, 200.01, 0.00超出范围（L* -10至150，a*、b* "
               "-200至200），没有导入任何数据！";
        QTest::newRow("cxf not well formed")
            << "broken.cxf" << QByteArray("<CxF><Object") << true << "";
        const int most = page().library().maxLibraries();
        QTest::newRow("libraries beyond the meter's limit")
            << "many.csv" << csvOf(most - 3, 1) << true
            << QString("最多录%1本色卡，已经存在4本色卡，本次导入已超过上限!").arg(most);
        int stored = 0;
        for (const SimLibrary& library : meterLibraries())
            stored += library.colours.size();
        QTest::newRow("colours beyond the store's 20000")
            << "full.csv" << csvOf(1, 20000) << false
            << QString(
                   "At most 20000 color datas can be kept: %1 are stored and the file brings "
                   "20000 new ones, nothing was imported!")
                   .arg(stored);
    }
    void refusedFileChangesNothing() {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(bool, chinese);
        const Language language = chinese ? Language::chinese() : Language::english();
        QFETCH(QString, message);
        restoreMeterLibraries();
        setLanguage(language);
        QVERIFY(writeFile(path(file), content));
        const QStringList storedBefore = describe(page().store());
        const QStringList rowsBefore = pageRows();

        import(path(file));
        setLanguage(Language::chinese());
        QCOMPARE(prompt_.questions(), QStringList());
        QCOMPARE(prompt_.messages().size(), 1);
        if (message.isEmpty())
            QVERIFY2(prompt_.messages()[0].startsWith("文件broken.cxf不是有效的CxF3文件"),
                     qPrintable(prompt_.messages()[0]));
        else
            QCOMPARE(prompt_.messages()[0], message);
        QCOMPARE(describe(page().store()), storedBefore);
        QCOMPARE(pageRows(), rowsBefore);
        const ScriptedPrompt::Event* progress = prompt_.lastProgress();
        QVERIFY(!progress || progress->hidden);
    }
};

QTEST_MAIN(FileFormatsEndToEnd)
#include "tst_fileformats.moc"
