// SPDX-License-Identifier: MIT
#include <QLoggingCategory>

#include "tests/workspace/MeterFixture.h"
#include "texts/ChangeTexts.h"
#include "xls/ExcelEngine.h"

using namespace colorcard;

// The instrument-change hooks and the page's exchange buttons, on a page
// whose templates lie in the application directory.
namespace {

const QString kChangeQuestion =
    QStringLiteral(
        "Detected that the new instrument will clear all data. Please save the current data to "
        "Excel first. Do you want to save it?\n\n") +
    ChangeText::InstrumentChangeChoices.in(Language::english());

// A library with n colours in the store and on the page.
void addLibrary(PageFixture& f, const QString& name, int colours) {
    FirstPage& page = *f.page;
    const QString id = page.store().makeLibraryId(page.libraryRowCount() + 1);
    page.store().createColorDataTable(id);
    page.store().insertLibrary(id, page.library().meterNumber(), name, "d",
                               QString::number(colours));
    QList<QStringList> columns;
    for (int c = 0; c < 20; ++c)
        columns << QStringList();
    for (int i = 0; i < colours; ++i) {
        columns[0] << QStringLiteral("C%1").arg(i);
        for (int v = 1; v < 20; ++v)
            columns[v] << QString::number(i * 3 + v, 'f', 2);
    }
    page.store().insertColorDataBatch(id, page.store().makeColorIds(id, 1, colours), columns);
    f.relist();
}

int sheetsOf(const QString& file) {
    ExcelEngine engine(file);
    return engine.open(1) ? engine.sheetCount() : -1;
}

void expectCleared(PageFixture& f) {
    QCOMPARE(f.libraries()->rowCount(), 0);
    QCOMPARE(f.ui()->tableWidget_colorData->rowCount(), 0);
    QCOMPARE(f.combo()->count(), 0);
    QCOMPARE(f.library().libraryCount(), 0);
    QVERIFY(f.library().databaseOpen());
    QVERIFY(QFile::exists(f.dir.filePath("database.db")));
    QVERIFY(f.page->store().selectLibraries().isEmpty());
}

}  // namespace

class InstrumentChangeTest : public QObject {
    Q_OBJECT

    QTemporaryDir out;

    void fill(PageFixture& f) {
        f.page->setLanguage(Language::english());
        f.library().setMeterNumber("12345678");
        addLibrary(f, "Reds", 3);
        addLibrary(f, "Blues", 2);
        f.ui()->tableWidget_colorData->setRowCount(3);
    }

private slots:
    void initTestCase() {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        QVERIFY(out.isValid());
    }

    void failedSaveAsksAgainThenNoClears() {
        PageFixture f;
        fill(f);
        // Yes, the file dialog is cancelled (save fails), then No.
        f.prompt.answers << true << false;
        f.page->meter().handleInstrumentChange();
        QCOMPARE(f.prompt.questions(), (QStringList{kChangeQuestion, kChangeQuestion}));
        QCOMPARE(f.prompt.texts(ScriptedPrompt::Kind::SaveFile).size(), 1);
        QCOMPARE(f.prompt.messages(), QStringList());
        expectCleared(f);
        // The page stays usable: a new library goes into the new store.
        f.newLibrary("Fresh", "one");
        QCOMPARE(f.page->store().selectLibraries().size(), 1);
    }

    void savedDataIsClearedAfterASuccessfulSave() {
        PageFixture f;
        fill(f);
        const QString taken = out.filePath("taken.xls");
        QFile(taken).open(QIODevice::WriteOnly);
        const QString file = out.filePath("before-change.xls");
        f.prompt.answers << true << true;
        f.prompt.fileNames << taken << file;
        f.page->meter().handleInstrumentChange();
        QCOMPARE(f.prompt.questions(), (QStringList{kChangeQuestion, kChangeQuestion}));
        QCOMPARE(f.prompt.messages(),
                 (QStringList{"Create color card file fail!",
                              "Save file success!\n\n" +
                                  ChangeText::SavedFile.in(Language::english()).arg(file)}));
        QCOMPARE(sheetsOf(file), 3);
        expectCleared(f);
    }

    void chineseQuestion() {
        PageFixture f;
        f.page->meter().handleInstrumentChange();
        QCOMPARE(f.prompt.events.size(), 1);
        QCOMPARE(f.prompt.events[0].title, QStringLiteral("提示"));
        QCOMPARE(f.prompt.events[0].text,
                 QStringLiteral(
                     "检测到新仪器会清空所有数据，请您先保存当前数据到Excel，是否保存？\n\n") +
                     ChangeText::InstrumentChangeChoices.in(Language::chinese()));
    }

    void exportRunsOncePerInstrument() {
        // A simulated meter whose memory holds one library of two colours.
        MeterPage m;
        m.sim.backend.meter().loadLibraries({SimLibrary{
            "spring",
            "d",
            {SimColour{"red", 5023, -1000, 300}, SimColour{"blue", 3000, 200, -4000}}}});
        FirstPage& page = m.page();
        const QString success = QStringLiteral("导出仪器色卡数据成功！");
        page.meter().exportOnFirstConnection(7);
        QCOMPARE(m.f.prompt.messages(), QStringList{success});
        QCOMPARE(page.libraryRowCount(), 1);
        QCOMPARE(page.libraryCell(0, 3), QString("2"));
        QCOMPARE(page.meter().seenInstruments().last(), quint32(7));

        // Replugged: nothing runs again.
        const int afterFirst = m.f.prompt.events.size();
        page.meter().exportOnFirstConnection(7);
        QCOMPARE(m.f.prompt.events.size(), afterFirst);

        // Another instrument is exported once too (its library exists as it
        // is stored: nothing asked, nothing changed), also after the first
        // comes back.
        page.meter().exportOnFirstConnection(9);
        QCOMPARE(m.f.prompt.questions().size() + m.f.prompt.seriesQuestions().size(), 0);
        // Nothing new at a first connection is said in the status line.
        QCOMPARE(m.f.prompt.messages(), QStringList{success});
        QCOMPARE(m.f.prompt.statuses(),
                 QStringList{ChangeText::FirstExportUnchanged.in(Language::chinese())});
        const int afterSecond = m.f.prompt.events.size();
        page.meter().exportOnFirstConnection(7);
        page.meter().exportOnFirstConnection(9);
        QCOMPARE(m.f.prompt.events.size(), afterSecond);
        QVERIFY(page.meter().seenInstruments().mid(1) == (QList<quint32>{7, 9}));

        // A failed export still marks the instrument as seen.
        m.sim.backend.meter().faults().silent = true;
        page.meter().exportOnFirstConnection(11);
        QCOMPARE(m.f.prompt.messages().last(), QStringLiteral("读标准色卡总数没有接收到报文！"));
        QCOMPARE(page.meter().seenInstruments().last(), quint32(11));

        // The list belongs to the run: a new page (a restart) starts empty.
        m.f.open();
        QVERIFY(!m.f.page->meter().seenInstruments().contains(7));
    }

    void saveDeleteAllImportThroughThePage() {
        PageFixture f;
        fill(f);
        const QString file = out.filePath("journey.xls");
        f.prompt.fileNames << file;
        QVERIFY(f.page->on_pushButton_saveToExcel_clicked());
        f.library().clearAllData();
        QCOMPARE(f.libraries()->rowCount(), 0);

        f.prompt.clear();
        f.prompt.fileNames << file;
        f.page->on_pushButton_importFromExcel_clicked();
        QCOMPARE(f.prompt.messages(), QStringList{"Import file success!"});
        QCOMPARE(f.libraries()->rowCount(), 2);
        QCOMPARE(f.page->libraryCell(0, 1), QStringLiteral("Reds"));
        QCOMPARE(f.page->libraryCell(0, 3), QStringLiteral("3"));
        QCOMPARE(f.page->libraryCell(1, 3), QStringLiteral("2"));
        QCOMPARE(f.combo()->currentIndex(), 0);
        QCOMPARE(f.library().totalColorCount(), 5);
        QCOMPARE(f.colourKeys("Reds", "d").size(), 3);
        CHECK_LIBRARY_INVARIANTS(f);
    }
};

QTEST_MAIN(InstrumentChangeTest)
#include "tst_instrumentchange.moc"
