#include <QCryptographicHash>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMetaMethod>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTranslator>

#include "PageFixture.h"

namespace {

QByteArray fileDigest(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

}  // namespace

class FirstPageTest : public QObject {
    Q_OBJECT
private slots:
    void constructionState() {
        PageFixture f(
            "[Device1]\nMeterNo=1001\nModel=CM-1\nUIIndex=2\nIsTarvik=1\nVersion=3\n"
            "[Device3]\nMeterNo=3003\n");
        FirstPage& page = *f.page;
        QCOMPARE(page.size(), QSize(1261, 638));
        QCOMPARE(f.libraries()->rowCount(), 0);
        QCOMPARE(f.ui()->tableWidget_colorData->rowCount(), 0);
        QCOMPARE(f.combo()->count(), 0);
        QVERIFY(f.combo()->isEnabled());
        QVERIFY(!page.libraryLocked());
        QVERIFY(f.ui()->pushButton_unlock->isHidden());
        QVERIFY(!f.ui()->pushButton_lock->isHidden());
        QVERIFY(f.ui()->label_companyInfo->isHidden());
        QVERIFY(f.ui()->label_companyWet->isHidden());
        QVERIFY(page.language());
        QCOMPARE(page.state().maxLibraries, 9);
        QCOMPARE(page.state().meterNumber, QString());
        QCOMPARE(page.state().uiIndex, 0);
        QCOMPARE(page.state().companyLabelFlag, 1);
        QVERIFY(page.state().libraryKeys.isEmpty());
        QVERIFY(page.state().colorKeyMap.isEmpty());
        QVERIFY(page.state().seenInstruments.isEmpty());
        QVERIFY(page.state().databaseOpen);
        QCOMPARE(page.store().databasePath(), f.dir.filePath("database.db"));
        QVERIFY(QFile::exists(f.dir.filePath("database.db")));
        QCOMPARE(page.state().deviceTable.size(), 1);
        QCOMPARE(page.state().deviceTable[0][1].toString(), QString("CM-1"));
        QCOMPARE(page.totalColorCount(), 0);
        QCOMPARE(f.prompt.events.size(), 0);

        // The context hands out the page's own parts.
        WorkspaceContext context = page.context();
        QCOMPARE(&context.state, &page.state());
        QCOMPARE(&context.store, &page.store());
        QCOMPARE(&context.messenger, &page.messenger());
        QCOMPARE(static_cast<LibraryView*>(&page), &context.view);
        QCOMPARE(page.messenger().parent(), static_cast<QWidget*>(&page));
    }

    void widgetTree() {
        PageFixture f;
        FirstPage& page = *f.page;
        auto* grid = page.findChild<QGridLayout*>("gridLayout_firstPage");
        QVERIFY(grid);
        QCOMPARE(grid->spacing(), 10);
        const struct {
            const char* name;
            int row, column, rowSpan, columnSpan;
        } places[] = {
            {"groupBox_meterInformation", 0, 0, 1, 1},
            {"groupBox_colorCardMeasure", 0, 1, 3, 1},
            {"groupBox_colorCardLibrarySet", 1, 0, 2, 1},
            {"widget_buttons", 3, 0, 1, 5},
            {"tableWidget_colorData", 4, 0, 1, 5},
            {"label_companyInfo", 5, 0, 1, 5},
            {"label_companyWet", 6, 0, 1, 5},
        };
        for (const auto& place : places) {
            QWidget* widget = page.findChild<QWidget*>(place.name);
            QVERIFY2(widget, place.name);
            int row, column, rowSpan, columnSpan;
            grid->getItemPosition(grid->indexOf(widget), &row, &column, &rowSpan, &columnSpan);
            QCOMPARE(QList<int>({row, column, rowSpan, columnSpan}),
                     QList<int>({place.row, place.column, place.rowSpan, place.columnSpan}));
        }
        QCOMPARE(page.findChild<QGroupBox*>("groupBox_meterInformation")->title(),
                 QString("仪器信息"));
        QCOMPARE(f.ui()->label_meterModel->text(), QString("仪器型号："));
        QVERIFY(f.ui()->lineEdit_meterModel->isReadOnly());
        QCOMPARE(f.ui()->lineEdit_meterModel->alignment(), Qt::AlignCenter);

        QCOMPARE(f.ui()->lineEdit_colorDataName->maxLength(), 19);
        QCOMPARE(f.ui()->lineEdit_colorDataName->placeholderText(),
                 QString("字母、数字、中线、下划线、空格"));
        QCOMPARE(f.ui()->pushButton_measure->shortcut().toString(), QString("Space"));
        QCOMPARE(f.ui()->pushButton_measure->minimumSize(), QSize(200, 35));
        QCOMPARE(f.ui()->pushButton_measure->maximumSize(), QSize(200, 35));
        QCOMPARE(f.ui()->pushButton_newColorCardLibrary->maximumSize(), QSize(200, 35));
        for (QLineEdit* value : {f.ui()->lineEdit_L, f.ui()->lineEdit_a, f.ui()->lineEdit_b}) {
            QVERIFY(value->isReadOnly());
            QCOMPARE(value->minimumWidth(), 60);
        }
        QCOMPARE(f.ui()->label_colorCardResult->styleSheet(),
                 QString("background-color: rgb(220, 220, 220);"));
        const QStringList bulk = {"pushButton_deleteAllData", "pushButton_importFromExcel",
                                  "pushButton_saveToExcel", "pushButton_writeToMeter",
                                  "pushButton_exportMeterData"};
        const QStringList bulkTexts = {"删除所有色卡数据", "导入Excel数据", "保存Excel数据",
                                       "数据写入仪器", "导出仪器数据"};
        for (int i = 0; i < bulk.size(); ++i) {
            auto* button = page.findChild<QPushButton*>(bulk[i]);
            QVERIFY(button);
            QCOMPARE(button->text(), bulkTexts[i]);
            QCOMPARE(button->minimumSize(), QSize(200, 35));
        }

        const auto headers = [](QTableWidget* table) {
            QStringList texts;
            for (int c = 0; c < table->columnCount(); ++c)
                texts << table->horizontalHeaderItem(c)->text();
            return texts;
        };
        QTableWidget* libraries = f.libraries();
        QTableWidget* colors = f.ui()->tableWidget_colorData;
        QCOMPARE(headers(libraries), (QStringList{"色卡库ID", "名称", "描述", "数量", "操作"}));
        QCOMPARE(headers(colors), (QStringList{"色卡ID", "色卡名称", "L", "a", "b", "操作"}));
        QCOMPARE(libraries->minimumWidth(), 620);
        const QList<int> libraryWidths = {0, 180, 180, 80};
        for (int c = 0; c < libraryWidths.size(); ++c)
            QCOMPARE(libraries->columnWidth(c), libraryWidths[c]);
        const QList<int> colorWidths = {0, 250, 100, 100, 100};
        for (int c = 0; c < colorWidths.size(); ++c)
            QCOMPARE(colors->columnWidth(c), colorWidths[c]);
        for (QTableWidget* table : {libraries, colors}) {
            QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
            QCOMPARE(table->selectionBehavior(), QAbstractItemView::SelectRows);
            QVERIFY(table->horizontalHeader()->stretchLastSection());
        }
    }

    void slotsInDeclarationOrder() {
        const QStringList expected = {
            "on_deleteColorCardPushButton_clicked()",
            "on_modifyColorCardPushButton_clicked()",
            "on_colorDataNameLineEdit_editingFinished()",
            "on_deleteColorDataPushButton_clicked()",
            "on_reMeasureColorDataPushButton_clicked()",
            "on_pushButton_newColorCardLibrary_clicked()",
            "on_comboBox_colorCardName_currentIndexChanged(int)",
            "on_pushButton_lock_clicked()",
            "on_pushButton_unlock_clicked()",
            "on_pushButton_measure_clicked()",
            "on_pushButton_deleteAllData_clicked()",
            "on_pushButton_importFromExcel_clicked()",
            "on_pushButton_saveToExcel_clicked()",
            "on_pushButton_writeToMeter_clicked()",
            "on_pushButton_exportMeterData_clicked()",
        };
        const QMetaObject& meta = FirstPage::staticMetaObject;
        QStringList actual;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
            if (meta.method(i).methodType() == QMetaMethod::Slot)
                actual << QString::fromLatin1(meta.method(i).methodSignature());
        QCOMPARE(actual, expected);
        QCOMPARE(
            QString(
                meta.method(meta.indexOfSlot("on_pushButton_saveToExcel_clicked()")).typeName()),
            QString("bool"));
    }

    void colourNameFieldAcceptsOnlyNameCharacters() {
        PageFixture f;
        QLineEdit* name = f.ui()->lineEdit_colorDataName;
        QTest::keyClicks(name, "Ab-_ 9'!#\"z");
        QCOMPARE(name->text(), QString("Ab-_ 9z"));
        name->clear();
        QTest::keyClicks(name, "abcdefghijklmnopqrstuvwxyz");
        QCOMPARE(name->text(), QString("abcdefghijklmnopqrs"));
    }

    void lockUnlockAndClearPage() {
        PageFixture f;
        FirstPage& page = *f.page;
        // An empty combo box can be locked.
        page.on_pushButton_lock_clicked();
        QVERIFY(page.libraryLocked());
        QCOMPARE(f.combo()->styleSheet(), QString("background-color: rgb(200,200,200);"));
        QVERIFY(f.ui()->pushButton_lock->isHidden());
        QVERIFY(!f.ui()->pushButton_unlock->isHidden());

        page.appendLibraryRow("ColorCard1" + kStamp, "a", "b", "0");
        page.state().meterNumber = "1001";
        f.ui()->lineEdit_meterModel->setText("CM-1");
        f.ui()->lineEdit_colorDataName->setText("red");
        f.ui()->lineEdit_L->setText("50.00");
        f.ui()->lineEdit_a->setText("1.00");
        f.ui()->lineEdit_b->setText("2.00");
        f.ui()->label_colorCardResult->setStyleSheet("background-color: rgb(1, 2, 3);");
        f.ui()->tableWidget_colorData->setRowCount(3);
        page.state().colorKeyMap.insert("x:y", {"c:1:2:3"});

        page.clearPage();
        QCOMPARE(f.combo()->count(), 0);
        QCOMPARE(f.combo()->currentIndex(), -1);
        QCOMPARE(f.libraries()->rowCount(), 0);
        QCOMPARE(f.ui()->tableWidget_colorData->rowCount(), 0);
        QVERIFY(page.state().libraryKeys.isEmpty());
        QVERIFY(page.state().colorKeyMap.isEmpty());
        QCOMPARE(
            f.ui()->lineEdit_L->text() + f.ui()->lineEdit_a->text() + f.ui()->lineEdit_b->text(),
            QString());
        QCOMPARE(f.ui()->label_colorCardResult->styleSheet(),
                 QString("background-color: rgb(220, 220, 220);"));
        // Left alone: the lock, the name field and the meter information.
        QVERIFY(page.libraryLocked());
        QVERIFY(f.ui()->pushButton_lock->isHidden());
        QCOMPARE(f.ui()->lineEdit_colorDataName->text(), QString("red"));
        QCOMPARE(f.ui()->lineEdit_meterModel->text(), QString("CM-1"));
        QCOMPARE(page.state().meterNumber, QString("1001"));

        page.on_pushButton_unlock_clicked();
        QVERIFY(!page.libraryLocked());
        QCOMPARE(f.combo()->styleSheet(), QString("background-color: rgb(255,255,255);"));
        QVERIFY(!f.ui()->pushButton_lock->isHidden());
        QVERIFY(f.ui()->pushButton_unlock->isHidden());

        page.clearMeterInfo();
        QCOMPARE(page.state().meterNumber, QString());
        QCOMPARE(f.ui()->lineEdit_meterModel->text(), QString());
    }

    void deleteAllData() {
        for (const bool chinese : {true, false}) {
            PageFixture f;
            FirstPage& page = *f.page;
            page.setLanguage(chinese);
            f.newLibrary("a", "b");
            f.newLibrary("c", "d");
            const QString path = f.dir.filePath("database.db");
            const QByteArray before = fileDigest(path);
            const QString question =
                chinese ? "删除所有色卡数据，会清空数据库和清空所有数据，是否确认删除？"
                        : "Deleting all color card data will clear the database and all data. "
                          "Are you sure you want to delete it?";

            f.prompt.answers.enqueue(false);
            f.ui()->pushButton_deleteAllData->click();
            QCOMPARE(f.prompt.questions(), QStringList{question});
            QCOMPARE(f.prompt.events.last().title, chinese ? "提示" : "Tip");
            QCOMPARE(fileDigest(path), before);
            QCOMPARE(f.libraries()->rowCount(), 2);
            QCOMPARE(page.store().selectLibraries().size(), 2);

            page.on_pushButton_lock_clicked();
            f.prompt.clear();
            f.prompt.answers.enqueue(true);
            f.ui()->pushButton_deleteAllData->click();
            QCOMPARE(f.prompt.questions(), QStringList{question});
            QCOMPARE(f.prompt.messages(), QStringList());
            QVERIFY(QFile::exists(path));
            QVERIFY(fileDigest(path) != before);
            QVERIFY(page.state().databaseOpen);
            QVERIFY(page.store().selectLibraries().isEmpty());
            QCOMPARE(f.libraries()->rowCount(), 0);
            QCOMPARE(f.combo()->count(), 0);
            QVERIFY(page.libraryLocked());
            CHECK_LIBRARY_INVARIANTS(f);
            // The old colour tables went with the file.
            QSqlQuery tables(QSqlDatabase::database(page.store().connectionName()));
            QVERIFY(
                tables.exec("SELECT name FROM sqlite_master WHERE type = 'table' AND name "
                            "LIKE 'ColorCard_%'"));
            QVERIFY(!tables.next());
        }
    }

    void totalColorCountSumsTheStore() {
        PageFixture f;
        ColorCardStore& store = f.page->store();
        store.insertLibrary("ColorCard1" + kStamp, "", "a", "b", "3");
        store.insertLibrary("ColorCard2" + kStamp, "", "c", "d", "not a number");
        store.insertLibrary("ColorCard3" + kStamp, "", "e", "f", "19997");
        QCOMPARE(f.page->totalColorCount(), 20000);
    }

    void languageChangeRetranslates() {
        PageFixture f;
        FirstPage& page = *f.page;
        page.appendLibraryRow("ColorCard1" + kStamp, "a", "b", "0");
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(WORKSPACE_EN_QM)));
        QVERIFY(QCoreApplication::installTranslator(&english));
        QCoreApplication::processEvents();  // the language change is posted
        QCOMPARE(f.ui()->pushButton_newColorCardLibrary->text(), QString("New library"));
        QCOMPARE(f.ui()->groupBox_meterInformation->title(), QString("Meter information"));
        QCOMPARE(f.ui()->label_meterModel->text(), QString("Model:"));
        QCOMPARE(f.ui()->pushButton_deleteAllData->text(), QString("Delete all data"));
        QCOMPARE(f.ui()->pushButton_lock->text(), QString("Lock"));
        QCOMPARE(f.libraries()->horizontalHeaderItem(1)->text(), QString("Name"));
        QCOMPARE(f.rowButton(0, "pushButton_delete")->text(), QString("Delete"));
        QCOMPARE(f.rowButton(0, "pushButton_modify")->text(), QString("Modify"));
        // Retranslation keeps the state of the widgets.
        QVERIFY(f.ui()->pushButton_unlock->isHidden());
        QVERIFY(f.ui()->label_companyInfo->isHidden());
        QCOMPARE(f.ui()->pushButton_measure->shortcut().toString(), QString("Space"));
        f.newLibrary("", "");
        QCOMPARE(f.dialog.title, QString("New library"));

        QVERIFY(QCoreApplication::removeTranslator(&english));
        QCoreApplication::processEvents();
        QCOMPARE(f.ui()->pushButton_newColorCardLibrary->text(), QString("新建色卡库"));
        QCOMPARE(f.rowButton(0, "pushButton_modify")->text(), QString("修改"));
        f.newLibrary("", "");
        QCOMPARE(f.dialog.title, QString("色卡库新建"));
    }
};

QTEST_MAIN(FirstPageTest)
#include "tst_firstpage.moc"
