// SPDX-License-Identifier: MIT
#include <QDialog>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTranslator>
#include <QVBoxLayout>

#include "tests/workspace/MeterFixture.h"
#include "workflow/ColorValueTexts.h"

using namespace colorcard;

namespace {

const QString kEmptyName[] = {"Color name can not be empty!", "色卡编号不能为空！"};
const QString kNoLibrary[] = {
    "Please create color card library and select color card library name!",
    "请创建并选择色卡库名称！"};
const QString kSameName[] = {
    "The same color card name already exist, please modify the color card name!",
    "已经存在相同的色卡名称，请修改色卡名称！"};
const QString kLimit[] = {"At most 20000 color datas!", "最多录20000条色卡数据!"};
const QString kNotLocked = "Please lock color card library name！";
// The questions before a colour is deleted or measured again, for colour c2.
const QString kDeleteC2[] = {"Delete the color \"c2\"? Its measured values will be lost.",
                             "删除色卡“c2”？其测量数据将被删除，是否确认删除？"};
const QString kRemeasureC2[] = {
    "Measure the color \"c2\" again? Its stored values will be replaced by the new measurement.",
    "重新测量色卡“c2”？其已保存的数值将被新的测量值替换，是否继续？"};

// The texts sampleMeasurement() is stored as.
const QStringList kSampleTexts = {"50.23", "-10.00", "12.34", "51.00",  "-2.50",  "0.75", "50.23",
                                  "16.00", "237.5",  "18.50", "0.3127", "0.3290", "10",   "20",
                                  "30",    "40",     "255",   "127",    "0"};

// name followed by the nineteen stored texts, or empty when the colour is not stored.
QStringList stored(FirstPage& page, const QString& libraryId, const QString& colorId) {
    for (const Colour& record : page.store().selectColours(libraryId))
        if (record.id == colorId)
            return QStringList{record.name} + record.values();
    return {};
}

QString storedCount(FirstPage& page, const QString& libraryId) {
    for (const Library& record : page.store().selectLibraries())
        if (record.id == libraryId)
            return record.count;
    return {};
}

// "name:L:a:b" of every table row, from the table itself.
QStringList rows(MeterPage& m) {
    QStringList result;
    for (int r = 0; r < m.colors()->rowCount(); ++r)
        result << QStringList{m.table().name(r), m.table().text(r, 2), m.table().text(r, 3),
                              m.table().text(r, 4)}
                      .join(':');
    return result;
}

QStringList keys(MeterPage& m, const QString& library = "lib") {
    return m.f.colourKeys(library, "d");
}

QPushButton* rowButton(MeterPage& m, int row, const char* name) {
    OperatorWidget* buttons = m.table().buttons(row);
    return buttons ? buttons->findChild<QPushButton*>(name) : nullptr;
}

// Stores a library of count colours n0, n1, ... whose L*, a*, b* are their
// index; returns the colour identifiers.
QStringList storeManyColours(FirstPage& page, const QString& id, int count) {
    QStringList ids, names, values;
    for (int i = 0; i < count; ++i) {
        ids << QString("ColorData%1").arg(i + 1) + kStamp;
        names << QString("n%1").arg(i);
        values << QString::number(i);
    }
    page.store().createColorDataTable(id);
    page.store().insertLibrary(id, "2301", "lib", "d", QString::number(count));
    page.store().insertColorDataBatchLab(id, ids, names, values, values, values);
    return ids;
}

void rename(QLineEdit* editor, const QString& name) {
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClicks(editor, name);
    QTest::keyClick(editor, Qt::Key_Return);
}

// A page with the locked library "lib" of four colours c1..c4 and the meter
// showing sampleMeasurement().
struct FourColours : MeterPage {
    QString id;
    FourColours() {
        id = addLibrary(page(), 1, "lib", {"c1", "c2", "c3", "c4"});
        page().on_pushButton_lock_clicked();
        sim.meter().setMeasurement(sampleMeasurement());
        f.prompt.clear();  // the progress dialog of loading the colours
    }
};

}  // namespace

class ColorDataTest : public QObject {
    Q_OBJECT
private slots:
    void fixedNotation_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("L") << 5023 << 2 << "50.23";
        QTest::newRow("a") << -1000 << 2 << "-10.00";
        QTest::newRow("small negative") << -5 << 2 << "-0.05";
        QTest::newRow("zero") << 0 << 2 << "0.00";
        QTest::newRow("h") << 2375 << 1 << "237.5";
        QTest::newRow("h max") << 65535 << 1 << "6553.5";
        QTest::newRow("x") << 3127 << 4 << "0.3127";
        QTest::newRow("y one") << 10000 << 4 << "1.0000";
        QTest::newRow("R") << 255 << 0 << "255";
    }
    void fixedNotation() {
        QFETCH(int, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(ColorValueTexts::fixed(value, decimals), text);
    }

    void measurementBecomesNineteenTexts() {
        const SimMeasurement sample = sampleMeasurement();
        const QVector<int> values(sample.begin(), sample.end());
        QCOMPARE(ColorValueTexts::fromMeasurement(values), kSampleTexts);
        QCOMPARE(ColorValueTexts::fromMeasurement(values.mid(1)), QStringList());
    }

    void measureChecksRunInOrder() {
        for (const int chinese : {0, 1}) {
            MeterPage m;
            FirstPage& page = m.page();
            page.setLanguage(chinese ? Language::chinese() : Language::english());
            QLineEdit* name = m.f.ui()->lineEdit_colorDataName;
            // Empty name comes before everything, the missing link included.
            m.sim.close();
            page.on_pushButton_measure_clicked();
            m.sim.open();
            name->setText("x");
            page.on_pushButton_measure_clicked();
            const QString id = addLibrary(page, 1, "lib", {"c1", "c2"});
            page.on_pushButton_lock_clicked();
            name->setText("c2");
            page.on_pushButton_measure_clicked();
            // 2 + 19998 colours over all libraries: the limit.
            page.store().insertLibrary("ColorCard2" + kStamp, "2301", "big", "d", "19998");
            name->setText("C2");
            page.on_pushButton_measure_clicked();
            QCOMPARE(m.f.prompt.messages(), (QStringList{kEmptyName[chinese], kNoLibrary[chinese],
                                                         kSameName[chinese], kLimit[chinese]}));
            QCOMPARE(m.sim.requests(), QStringList());
            QCOMPARE(storedCount(page, id), QString("2"));
            QCOMPARE(name->text(), QString("C2"));

            // One below the limit, and names are case-sensitive: it measures.
            page.store().updateLibraryCount("19997", "ColorCard2" + kStamp);
            m.f.prompt.clear();
            page.on_pushButton_measure_clicked();
            QCOMPARE(m.f.prompt.messages(), QStringList());
            QCOMPARE(m.sim.requests().size(), 1);
            QCOMPARE(storedCount(page, id), QString("3"));
        }
    }

    void failedMeasurementChangesNothing() {
        FourColours m;
        FirstPage& page = m.page();
        page.setLanguage(Language::english());
        page.on_pushButton_unlock_clicked();
        m.f.ui()->lineEdit_colorDataName->setText("new");
        page.on_pushButton_measure_clicked();
        QCOMPARE(m.f.prompt.messages(), QStringList{kNotLocked});
        QCOMPARE(storedCount(page, m.id), QString("4"));
        QCOMPARE(m.colors()->rowCount(), 4);
        QCOMPARE(m.f.ui()->lineEdit_colorDataName->text(), QString("new"));
        QCOMPARE(m.f.ui()->lineEdit_L->text(), QString());
    }

    void measureStoresTheColour() {
        FourColours m;
        FirstPage& page = m.page();
        m.f.ui()->lineEdit_colorDataName->setText("new one");
        page.on_pushButton_measure_clicked();
        QCOMPARE(m.f.prompt.messages(), QStringList());

        QCOMPARE(storedCount(page, m.id), QString("5"));
        QCOMPARE(page.libraryCell(0, 3), QString("5"));
        const QString colorId = "ColorData5" + kStamp;
        QCOMPARE(stored(page, m.id, colorId), QStringList{"new one"} + kSampleTexts);
        QCOMPARE(m.colors()->rowCount(), 5);
        QCOMPARE(m.table().text(4, 0), colorId);
        QCOMPARE(rows(m).last(), QString("new one:50.23:-10.00:12.34"));
        QCOMPARE(m.table().nameEditor(4)->text(), QString("new one"));
        QVERIFY(m.table().buttons(4));
        QCOMPARE(m.colors()->item(4, 2)->textAlignment(), int(Qt::AlignCenter));
        QCOMPARE(keys(m).size(), 5);
        QCOMPARE(keys(m).last(), QString("new one:50.23:-10.00:12.34"));
        QCOMPARE(m.f.ui()->lineEdit_L->text(), QString("50.23"));
        QCOMPARE(m.f.ui()->lineEdit_a->text(), QString("-10.00"));
        QCOMPARE(m.f.ui()->lineEdit_b->text(), QString("12.34"));
        QCOMPARE(m.f.ui()->label_colorCardResult->styleSheet(),
                 QString("background-color: rgb(255, 127, 0);"));
        QCOMPARE(m.f.ui()->lineEdit_colorDataName->text(), QString());
        // The first rows are unchanged.
        QCOMPARE(rows(m).first(), QString("c1:100:101:102"));
    }

    void measuredIdentifiersStayUnique() {
        FourColours m;
        FirstPage& page = m.page();
        // Four rows left after a deletion: row count + 1 would repeat ColorData4.
        m.f.prompt.answers.enqueue(true);
        rowButton(m, 0, "pushButton_delete")->click();
        m.f.ui()->lineEdit_colorDataName->setText("n");
        page.on_pushButton_measure_clicked();
        QStringList ids;
        for (const Colour& record : page.store().selectColours(m.id))
            ids << record.id;
        QCOMPARE(ids.size(), 4);
        QCOMPARE(ids.last(), "ColorData5" + kStamp);
        QCOMPARE(stored(page, m.id, "ColorData4" + kStamp).value(0), QString("c4"));
    }

    void reMeasureReplacesTheValues() {
        FourColours m;
        FirstPage& page = m.page();
        SimMeasurement next = sampleMeasurement();
        next[8] = 1234;    // h
        next[10] = 12;     // x
        next[11] = 10000;  // y
        next[0] = -1;      // L*
        m.sim.meter().setMeasurement(next);
        const QStringList before = rows(m);
        m.f.prompt.answers.enqueue(true);
        rowButton(m, 1, "pushButton_reMeasure")->click();
        QCOMPARE(m.f.prompt.questions(), QStringList{kRemeasureC2[1]});
        QCOMPARE(m.f.prompt.messages(), QStringList());

        QStringList expected = kSampleTexts;
        expected[0] = "-0.01";
        expected[8] = "123.4";
        expected[10] = "0.0012";
        expected[11] = "1.0000";
        QCOMPARE(stored(page, m.id, "ColorData2" + kStamp), QStringList{"c2"} + expected);
        QCOMPARE(storedCount(page, m.id), QString("4"));
        QCOMPARE(page.libraryCell(0, 3), QString("4"));
        QCOMPARE(rows(m), (QStringList{before[0], "c2:-0.01:-10.00:12.34", before[2], before[3]}));
        QCOMPARE(keys(m), rows(m));
        QCOMPARE(m.f.ui()->lineEdit_L->text(), QString("-0.01"));
        // The other colours kept their values.
        QCOMPARE(stored(page, m.id, "ColorData3" + kStamp), QStringList{"c3"} + valueTexts(3));

        // Unlocked: the measurement refuses and nothing changes.
        page.setLanguage(Language::english());
        page.on_pushButton_unlock_clicked();
        m.sim.meter().setMeasurement(sampleMeasurement());
        m.f.prompt.clear();
        rowButton(m, 2, "pushButton_reMeasure")->click();
        QCOMPARE(m.f.prompt.messages(), QStringList{kNotLocked});
        QCOMPARE(m.f.prompt.questions(), QStringList());
        QCOMPARE(stored(page, m.id, "ColorData3" + kStamp), QStringList{"c3"} + valueTexts(3));
    }

    void renameInPlace() {
        for (const int chinese : {0, 1}) {
            FourColours m;
            FirstPage& page = m.page();
            page.setLanguage(chinese ? Language::chinese() : Language::english());
            QLineEdit* editor = m.table().nameEditor(1);
            QVERIFY(editor);
            QCOMPARE(editor->alignment(), Qt::AlignCenter);
            QCOMPARE(editor->maxLength(), 32767);

            rename(editor, "c2");
            QCOMPARE(m.f.prompt.events.size(), 0);
            QCOMPARE(stored(page, m.id, "ColorData2" + kStamp).value(0), QString("c2"));

            rename(editor, "c3");
            QCOMPARE(m.f.prompt.messages(), QStringList{kSameName[chinese]});
            QCOMPARE(editor->text(), QString("c2"));
            QCOMPARE(stored(page, m.id, "ColorData2" + kStamp).value(0), QString("c2"));
            QCOMPARE(keys(m).value(1), QString("c2:200:201:202"));

            m.f.prompt.clear();
            rename(editor, "blue-2 x");
            QCOMPARE(m.f.prompt.events.size(), 0);
            QCOMPARE(stored(page, m.id, "ColorData2" + kStamp).value(0), QString("blue-2 x"));
            QCOMPARE(keys(m).value(1), QString("blue-2 x:200:201:202"));
            QCOMPARE(m.table().name(1), QString("blue-2 x"));
            // The freed name can be taken by another colour.
            rename(m.table().nameEditor(0), "c2");
            QCOMPARE(stored(page, m.id, "ColorData1" + kStamp).value(0), QString("c2"));
            QCOMPARE(keys(m), rows(m));

            // The validator never lets an emptied name or a quote through.
            rename(editor, "");
            QCOMPARE(stored(page, m.id, "ColorData2" + kStamp).value(0), QString("blue-2 x"));
            rename(editor, "it's");
            QCOMPARE(stored(page, m.id, "ColorData2" + kStamp).value(0), QString("its"));
            QCOMPARE(m.f.prompt.events.size(), 0);
            QCOMPARE(page.libraryCell(0, 3), QString("4"));
        }
    }

    void returnInANameEditorPressesNothingElse() {
        FourColours m;
        QDialog window;
        auto* layout = new QVBoxLayout(&window);
        auto* fallback = new QPushButton("default", &window);
        fallback->setDefault(true);
        layout->addWidget(&m.page());
        layout->addWidget(fallback);
        QSignalSpy pressed(fallback, &QPushButton::clicked);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        rename(m.table().nameEditor(1), "teal");
        QCOMPARE(stored(m.page(), m.id, "ColorData2" + kStamp).value(0), QString("teal"));
        QCOMPARE(pressed.count(), 0);
        // Elsewhere Return still reaches the window's default button.
        QTest::keyClick(m.f.ui()->lineEdit_meterModel, Qt::Key_Return);
        QCOMPARE(pressed.count(), 1);
        // In the new colour's name it measures, and goes no further.
        m.f.prompt.clear();
        QTest::keyClicks(m.f.ui()->lineEdit_colorDataName, "by return");
        QTest::keyClick(m.f.ui()->lineEdit_colorDataName, Qt::Key_Return);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(m.f.prompt.events.size(), 0);
        QCOMPARE(rows(m).last(), QString("by return:50.23:-10.00:12.34"));
        QCOMPARE(m.f.ui()->lineEdit_colorDataName->text(), QString());
        m.page().setParent(nullptr);
    }

    // A store step that fails leaves the store and the page as they were,
    // with the step's message: no phantom colour, no count that lies.
    void failedStoreStepChangesNothing_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("message");
        // A measurement first reads the library's colours inside its
        // transaction (is the name taken?): that read is the failing step.
        QTest::newRow("measure") << "measure"
                                 << "Query color card data fail！";
        QTest::newRow("re-measure") << "remeasure"
                                    << "Update color card data fail!";
        QTest::newRow("delete") << "delete"
                                << "Delete color card fail！";
        QTest::newRow("rename") << "rename"
                                << "Modify color card name fail!";
    }
    void failedStoreStepChangesNothing() {
        QFETCH(QString, action);
        QFETCH(QString, message);
        FourColours m;
        FirstPage& page = m.page();
        page.setLanguage(Language::english());
        const QStringList before = rows(m);
        // The colour table goes behind the page's back, as in a damaged database.
        QSqlQuery drop(QSqlDatabase::database(page.store().connectionName()));
        QVERIFY(drop.exec("DROP TABLE \"" + m.id + "\""));
        m.f.prompt.answers.enqueue(true);
        if (action == "measure") {
            m.f.ui()->lineEdit_colorDataName->setText("new");
            page.on_pushButton_measure_clicked();
        } else if (action == "remeasure") {
            rowButton(m, 1, "pushButton_reMeasure")->click();
        } else if (action == "delete") {
            rowButton(m, 1, "pushButton_delete")->click();
        } else {
            rename(m.table().nameEditor(1), "other");
        }
        QCOMPARE(m.f.prompt.messages(), QStringList{message});
        QCOMPARE(storedCount(page, m.id), QString("4"));
        QCOMPARE(page.libraryCell(0, 3), QString("4"));
        QCOMPARE(rows(m), before);
        QCOMPARE(keys(m), before);
        QCOMPARE(m.table().nameEditor(1)->text(), QString("c2"));
    }

    void deleteRemovesExactlyThatRow() {
        FourColours m;
        FirstPage& page = m.page();
        page.on_pushButton_unlock_clicked();  // deleting needs no lock
        m.f.prompt.answers << true << true << true;
        rowButton(m, 1, "pushButton_delete")->click();
        QCOMPARE(m.f.prompt.questions(), QStringList{kDeleteC2[1]});
        QCOMPARE(m.f.prompt.messages(), QStringList());
        QCOMPARE(storedCount(page, m.id), QString("3"));
        QCOMPARE(page.libraryCell(0, 3), QString("3"));
        QCOMPARE(stored(page, m.id, "ColorData2" + kStamp), QStringList());
        QCOMPARE(rows(m), (QStringList{"c1:100:101:102", "c3:300:301:302", "c4:400:401:402"}));
        QCOMPARE(keys(m), rows(m));
        QCOMPARE(m.table().text(1, 0), "ColorData3" + kStamp);

        rowButton(m, 2, "pushButton_delete")->click();
        rowButton(m, 0, "pushButton_delete")->click();
        QCOMPARE(rows(m), QStringList{"c3:300:301:302"});
        QCOMPARE(keys(m), rows(m));
        QCOMPARE(storedCount(page, m.id), QString("1"));
        QCOMPARE(page.store().selectColours(m.id).size(), 1);
    }

    // Neither a deletion nor a second measurement can be taken back: both
    // ask first, in the page's language, and No leaves the colour as it was.
    void colourActionsAskFirst_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<bool>("yes");
        for (const char* button : {"pushButton_delete", "pushButton_reMeasure"})
            for (const bool chinese : {false, true})
                for (const bool yes : {false, true})
                    QTest::addRow("%s %s %s", button, chinese ? "zh" : "en", yes ? "yes" : "no")
                        << QString(button) << chinese << yes;
    }
    void colourActionsAskFirst() {
        QFETCH(QString, button);
        QFETCH(bool, chinese);
        QFETCH(bool, yes);
        FourColours m;
        FirstPage& page = m.page();
        page.setLanguage(chinese ? Language::chinese() : Language::english());
        m.sim.meter().setMeasurement(sampleMeasurement());
        const QStringList before = rows(m);
        const bool deleting = button == "pushButton_delete";
        const int requests = m.sim.requests().size();
        m.f.prompt.answers.enqueue(yes);
        rowButton(m, 1, qPrintable(button))->click();
        QCOMPARE(m.f.prompt.questions(),
                 QStringList{(deleting ? kDeleteC2 : kRemeasureC2)[chinese]});
        QCOMPARE(m.f.prompt.events.first().title, QString(chinese ? "提示" : "Tip"));
        QCOMPARE(m.f.prompt.messages(), QStringList());
        QStringList expected = before;
        if (yes && deleting)
            expected.removeAt(1);
        else if (yes)
            expected[1] = "c2:50.23:-10.00:12.34";
        QCOMPARE(rows(m), expected);
        QCOMPARE(keys(m), expected);
        QCOMPARE(storedCount(page, m.id), QString::number(expected.size()));
        // Only an agreed measurement reads the meter.
        QCOMPARE(m.sim.requests().size() > requests, yes && !deleting);
    }

    void rowSlotsIgnoreOtherSenders() {
        FourColours m;
        FirstPage& page = m.page();
        page.on_deleteColorDataPushButton_clicked();
        page.on_reMeasureColorDataPushButton_clicked();
        page.on_colorDataNameLineEdit_editingFinished();
        // A row widget that is in no table row.
        OperatorWidget stray(OperatorWidget::Use::Colour);
        QObject::connect(&stray, &OperatorWidget::signal_delete, &page,
                         &FirstPage::on_deleteColorDataPushButton_clicked);
        emit stray.signal_delete();
        // A colour row's buttons never reach the library slots.
        const int libraries = m.f.libraries()->rowCount();
        QObject::connect(&stray, &OperatorWidget::signal_delete, &page,
                         &FirstPage::on_deleteColorCardPushButton_clicked);
        QObject::connect(&stray, &OperatorWidget::signal_reMeasure, &page,
                         &FirstPage::on_modifyColorCardPushButton_clicked);
        emit stray.signal_delete();
        emit stray.signal_reMeasure();
        QCOMPARE(m.f.libraries()->rowCount(), libraries);
        QCOMPARE(m.f.dialog.runs, 0);
        QCOMPARE(m.colors()->rowCount(), 4);
        QCOMPARE(m.f.prompt.events.size(), 0);
        QCOMPARE(m.sim.requests(), QStringList());
        QCOMPARE(m.f.prompt.events.size(), 0);
    }

    void selectingALibraryLoadsItsColours() {
        for (const int chinese : {0, 1}) {
            MeterPage m;
            FirstPage& page = m.page();
            page.setLanguage(chinese ? Language::chinese() : Language::english());
            addLibrary(page, 1, "one", {"a", "b"});
            QCOMPARE(rows(m), (QStringList{"a:100:101:102", "b:200:201:202"}));
            addLibrary(page, 2, "two", {"x", "y", "z"});
            QCOMPARE(m.f.combo()->currentIndex(), 0);
            m.f.prompt.clear();

            m.f.combo()->setCurrentIndex(1);
            QCOMPARE(rows(m), (QStringList{"x:100:101:102", "y:200:201:202", "z:300:301:302"}));
            QCOMPARE(m.table().text(2, 0), "ColorData3" + kStamp);
            QCOMPARE(m.colors()->item(0, 0)->textAlignment(), int(Qt::AlignCenter));
            const ScriptedPrompt::Event* progress = m.f.prompt.lastProgress();
            QVERIFY(progress);
            QCOMPARE(progress->text, QString(chinese ? "正在更新界面数据，请等待..."
                                                     : "Updating ui data, please wait"));
            QCOMPARE(progress->cancelText, QString(chinese ? "取消" : "Cancel"));
            QCOMPARE(progress->parent, static_cast<QWidget*>(&page));
            QCOMPARE(progress->minimum, 0);
            QCOMPARE(progress->maximum, 3);
            QCOMPARE(progress->values.last(), 3);
            QVERIFY(progress->hidden);
            QCOMPARE(m.f.prompt.messages(), QStringList());
            // The cache of colour keys is not rebuilt by loading.
            QCOMPARE(keys(m, "two"), rows(m));

            // Indexes outside the table change nothing.
            page.on_comboBox_colorCardName_currentIndexChanged(2);
            page.on_comboBox_colorCardName_currentIndexChanged(-1);
            QCOMPARE(m.colors()->rowCount(), 3);
        }
    }

    // One widget for both tables: each use keeps the form's names, order,
    // texts and translation context, and its second button raises only its
    // own signal.
    void operatorWidget_data() {
        QTest::addColumn<bool>("library");
        QTest::addColumn<QString>("layoutName");
        QTest::addColumn<QString>("secondName");
        QTest::addColumn<QString>("secondText");
        QTest::addColumn<QString>("secondEnglish");
        QTest::addColumn<QString>("qm");
        QTest::newRow("colour") << false << "horizontalLayout_colorDataOperatorWidget"
                                << "pushButton_reMeasure"
                                << "重测"
                                << "Re-measure" << QStringLiteral(COLORDATA_EN_QM);
        QTest::newRow("library") << true << "horizontalLayout_colorCardOperatorWidget"
                                 << "pushButton_modify"
                                 << "修改"
                                 << "Modify" << QStringLiteral(WORKSPACE_EN_QM);
    }
    void operatorWidget() {
        QFETCH(bool, library);
        QFETCH(QString, layoutName);
        QFETCH(QString, secondName);
        QFETCH(QString, secondText);
        QFETCH(QString, secondEnglish);
        QFETCH(QString, qm);
        OperatorWidget widget(library ? OperatorWidget::Use::Library : OperatorWidget::Use::Colour);
        auto* layout = widget.findChild<QHBoxLayout*>(layoutName);
        QVERIFY(layout);
        auto* remove = widget.findChild<QPushButton*>("pushButton_delete");
        auto* second = widget.findChild<QPushButton*>(secondName);
        QVERIFY(second);
        QCOMPARE(layout->indexOf(remove), 0);
        QCOMPARE(layout->indexOf(second), 1);
        QCOMPARE(remove->text(), QString("删除"));
        QCOMPARE(second->text(), secondText);
        QCOMPARE(libraryButtons(&widget) == &widget, library);
        QCOMPARE(colourButtons(&widget) == &widget, !library);

        QSignalSpy deletes(&widget, &OperatorWidget::signal_delete);
        QSignalSpy remeasures(&widget, &OperatorWidget::signal_reMeasure);
        QSignalSpy modifies(&widget, &OperatorWidget::signal_modify);
        remove->click();
        QCOMPARE(deletes.count(), 1);
        QCOMPARE(remeasures.count() + modifies.count(), 0);
        second->click();
        QCOMPARE(deletes.count(), 1);
        QCOMPARE(remeasures.count(), library ? 0 : 1);
        QCOMPARE(modifies.count(), library ? 1 : 0);

        QTranslator english;
        QVERIFY(english.load(qm));
        QVERIFY(QCoreApplication::installTranslator(&english));
        QCoreApplication::processEvents();
        QCOMPARE(remove->text(), QString("Delete"));
        QCOMPARE(second->text(), secondEnglish);
        QVERIFY(!second->toolTip().isEmpty());
        QVERIFY(QCoreApplication::removeTranslator(&english));
        QCoreApplication::processEvents();
        QCOMPARE(second->text(), secondText);
    }

    // Row widgets exist near the viewport only, and a row found from its
    // widget is the row the widget is shown in, wherever the table scrolled.
    void rowWidgetsFollowTheViewport() {
        MeterPage m;
        FirstPage& page = m.page();
        const int count = 3000;
        const QString id = "ColorCard1" + kStamp;
        const QStringList ids = storeManyColours(page, id, count);
        page.resize(1261, 638);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        m.f.relist();
        QCOMPARE(m.colors()->rowCount(), count);
        QCoreApplication::processEvents();

        QVERIFY(m.colors()->cellWidget(0, 5));
        QVERIFY(m.colors()->cellWidget(0, 1));
        QVERIFY(!m.colors()->cellWidget(count - 1, 5));
        QVERIFY(m.table().rowsWithWidgets() > 0);
        QVERIFY(m.table().rowsWithWidgets() < 200);
        QCOMPARE(m.table().name(count - 1), QString("n2999"));

        QPointer<QWidget> firstButtons = m.colors()->cellWidget(0, 5);
        m.colors()->scrollToBottom();
        QCoreApplication::processEvents();
        QTRY_VERIFY(!firstButtons);
        auto* lastButtons = colourButtons(m.colors()->cellWidget(count - 1, 5));
        QVERIFY(lastButtons);
        auto* lastEditor = qobject_cast<QLineEdit*>(m.colors()->cellWidget(count - 2, 1));
        QVERIFY(lastEditor);
        QCOMPARE(lastEditor->text(), QString("n2998"));
        QVERIFY(m.table().rowsWithWidgets() < 200);

        // The widget's own place in the viewport names its row.
        QCOMPARE(m.table().rowOf(lastButtons), count - 1);
        QCOMPARE(m.table().rowOf(lastEditor), count - 2);
        m.f.prompt.answers.enqueue(true);
        lastButtons->findChild<QPushButton*>("pushButton_delete")->click();
        QCOMPARE(m.colors()->rowCount(), count - 1);
        QCOMPARE(m.table().text(count - 2, 0), ids[count - 2]);
        QCOMPARE(storedCount(page, id), QString::number(count - 1));
        QCOMPARE(keys(m).size(), count - 1);
        QCOMPARE(keys(m).last(), QString("n2998:2998:2998:2998"));

        // A renamed row keeps its name when its widgets are made again.
        rename(m.table().nameEditor(count - 2), "renamed");
        m.colors()->scrollToTop();
        QCoreApplication::processEvents();
        QTRY_VERIFY(!m.colors()->cellWidget(count - 2, 1));
        QCOMPARE(m.table().nameEditor(count - 2)->text(), QString("renamed"));
        QCOMPARE(keys(m).last(), QString("renamed:2998:2998:2998"));
    }

    // The program's progress dialog runs the event loop during a fill, which
    // makes the row widgets before the later rows have their names.
    void editorsMadeDuringAFillShowTheirNames() {
        QTableWidget widget(0, 6);
        widget.resize(600, 400);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        ColorDataTable table(&widget, &widget);
        const QStringList ids{"i0", "i1", "i2", "i3", "i4", "i5"};
        const QStringList names{"Red", "Green", "Blue", "Yellow", "Cyan", "Magenta"};
        table.fill(ids, names, ids, ids, ids, [](int) { QCoreApplication::processEvents(); });
        QCoreApplication::processEvents();
        for (int row = 0; row < names.size(); ++row) {
            QVERIFY(widget.cellWidget(row, ColorDataTable::NameColumn));
            QCOMPARE(table.nameEditor(row)->text(), names[row]);
            QCOMPARE(table.name(row), names[row]);
        }
    }

    void focusedEditorSurvivesScrolling() {
        MeterPage m;
        FirstPage& page = m.page();
        page.resize(1261, 638);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        storeManyColours(page, "ColorCard1" + kStamp, 1000);
        m.f.relist();
        QPointer<QLineEdit> editor = m.table().nameEditor(0);
        editor->setFocus();
        QTRY_VERIFY(editor->hasFocus());
        QTest::keyClicks(editor, "x");
        m.colors()->scrollToBottom();
        QCoreApplication::processEvents();
        QTRY_VERIFY(!m.colors()->cellWidget(1, 1));
        QVERIFY(editor);
        QCOMPARE(editor->text(), QString("n0x"));
        // Finishing the edit renames the row it belongs to.
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(m.table().name(0), QString("n0x"));
        QCOMPARE(keys(m).first(), QString("n0x:0:0:0"));
    }
};

QTEST_MAIN(ColorDataTest)
#include "tst_colordata.moc"
