// SPDX-License-Identifier: MIT
#include <QCryptographicHash>
#include <QDir>
#include <QGroupBox>
#include <QMetaMethod>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTranslator>

#include "tests/workspace/PageFixture.h"
#include "texts/ChangeTexts.h"

using namespace colorcard;

namespace {

QByteArray fileDigest(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Questions and messages shown so far (progress dialogs aside).
int dialogs(const PageFixture& f) {
    return f.prompt.questions().size() + f.prompt.messages().size();
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
        QCOMPARE(f.libraries()->rowCount(), 0);
        QCOMPARE(f.ui()->tableWidget_colorData->rowCount(), 0);
        QCOMPARE(f.combo()->count(), 0);
        QVERIFY(f.combo()->isEnabled());
        QVERIFY(!page.libraryLocked());
        QVERIFY(!f.library().locked());
        QVERIFY(f.ui()->pushButton_unlock->isHidden());
        QVERIFY(!f.ui()->pushButton_lock->isHidden());
        QVERIFY(f.ui()->label_companyInfo->isHidden());
        QVERIFY(f.ui()->label_companyWet->isHidden());
        QVERIFY(page.language().isChinese());
        QCOMPARE(f.library().maxLibraries(), 9);
        QCOMPARE(f.library().meterNumber(), QString());
        QCOMPARE(page.meter().uiIndex(), 0);
        QCOMPARE(page.meter().companyLabelFlag(), 1);
        QCOMPARE(f.library().libraryCount(), 0);
        QCOMPARE(f.library().currentRow(), -1);
        QVERIFY(page.meter().seenInstruments().isEmpty());
        QVERIFY(f.library().databaseOpen());
        QCOMPARE(page.store().databasePath(), f.dir.filePath("database.db"));
        QVERIFY(QFile::exists(f.dir.filePath("database.db")));
        QCOMPARE(f.library().totalColorCount(), 0);
        QCOMPARE(f.prompt.events.size(), 0);
        QCOMPARE(page.messenger().parent(), static_cast<QWidget*>(&page));
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

        page.store().insertLibrary("ColorCard1" + kStamp, "1001", "a", "b", "0");
        f.relist();
        f.library().setMeterNumber("1001");
        f.ui()->lineEdit_meterModel->setText("CM-1");
        f.ui()->lineEdit_colorDataName->setText("red");
        f.ui()->lineEdit_L->setText("50.00");
        f.ui()->lineEdit_a->setText("1.00");
        f.ui()->lineEdit_b->setText("2.00");
        f.ui()->label_colorCardResult->setStyleSheet("background-color: rgb(1, 2, 3);");
        f.ui()->tableWidget_colorData->setRowCount(3);

        f.library().clear();
        QCOMPARE(f.combo()->count(), 0);
        QCOMPARE(f.combo()->currentIndex(), -1);
        QCOMPARE(f.libraries()->rowCount(), 0);
        QCOMPARE(f.ui()->tableWidget_colorData->rowCount(), 0);
        QCOMPARE(f.library().libraryCount(), 0);
        QCOMPARE(
            f.ui()->lineEdit_L->text() + f.ui()->lineEdit_a->text() + f.ui()->lineEdit_b->text(),
            QString());
        QCOMPARE(f.ui()->label_colorCardResult->styleSheet(),
                 QString("background-color: rgb(220, 220, 220);"));
        // The locked library went away: unlocked, and said. Left alone: the
        // name field and the meter information.
        QVERIFY(!page.libraryLocked());
        QVERIFY(!f.ui()->pushButton_lock->isHidden());
        QCOMPARE(f.prompt.messages().size(), 1);
        QCOMPARE(f.ui()->lineEdit_colorDataName->text(), QString("red"));
        QCOMPARE(f.ui()->lineEdit_meterModel->text(), QString("CM-1"));
        QCOMPARE(f.library().meterNumber(), QString("1001"));

        page.on_pushButton_unlock_clicked();
        QVERIFY(!page.libraryLocked());
        QCOMPARE(f.combo()->styleSheet(), QString("background-color: rgb(255,255,255);"));
        QVERIFY(!f.ui()->pushButton_lock->isHidden());
        QVERIFY(f.ui()->pushButton_unlock->isHidden());

        page.clearMeterInfo();
        QCOMPARE(f.library().meterNumber(), QString());
        QCOMPARE(f.ui()->lineEdit_meterModel->text(), QString());
    }

    void deleteAllData() {
        for (const Language& language : {Language::chinese(), Language::english()}) {
            PageFixture f;
            FirstPage& page = *f.page;
            page.setLanguage(language);
            f.newLibrary("a", "b");
            f.newLibrary("c", "d");
            const QString path = f.dir.filePath("database.db");
            const QByteArray before = fileDigest(path);
            const QString question =
                (language.isChinese()
                     ? "删除所有色卡数据，会清空数据库和清空所有数据，是否确认删除？\n\n"
                     : "Deleting all color card data will clear the database and all data. "
                       "Are you sure you want to delete it?\n\n") +
                ChangeText::BackupFirstNote.in(language);

            f.prompt.answers.enqueue(false);
            f.ui()->pushButton_deleteAllData->click();
            QCOMPARE(f.prompt.questions(), QStringList{question});
            QCOMPARE(f.prompt.events.last().title, language.isChinese() ? "提示" : "Tip");
            QCOMPARE(fileDigest(path), before);
            QCOMPARE(f.libraries()->rowCount(), 2);
            QCOMPARE(page.store().selectLibraries().size(), 2);

            page.on_pushButton_lock_clicked();
            const QString locked = f.combo()->currentText();
            f.prompt.clear();
            f.prompt.answers.enqueue(true);
            f.ui()->pushButton_deleteAllData->click();
            QCOMPARE(f.prompt.questions(), QStringList{question});
            QCOMPARE(f.prompt.messages(),
                     QStringList{ChangeText::LockReleased.in(language).arg(locked)});
            QVERIFY(!page.libraryLocked());
            QVERIFY(QFile::exists(path));
            QVERIFY(fileDigest(path) != before);
            QVERIFY(f.library().databaseOpen());
            QVERIFY(page.store().selectLibraries().isEmpty());
            QCOMPARE(f.libraries()->rowCount(), 0);
            QCOMPARE(f.combo()->count(), 0);
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
        QCOMPARE(f.library().totalColorCount(), 20000);
    }

    void languageChangeRetranslates() {
        PageFixture f;
        FirstPage& page = *f.page;
        page.store().insertLibrary("ColorCard1" + kStamp, "", "a", "b", "0");
        f.relist();
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

    // A damaged store at start-up: one question, once the page runs, in the
    // language chosen by then, naming the file and offering the newest
    // backup; Yes lists the restored libraries. No further dialog.
    void damagedStoreAtStartIsOneQuestion() {
        PageFixture f;
        f.newLibrary("Reds", "d");
        QCOMPARE(f.session->localStore().backups().take(""), BackupStatus::Ok);
        const QString path = f.page->store().databasePath();
        f.page.reset();
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(16384, 'x'));
        file.close();
        f.prompt.clear();
        f.prompt.answers.enqueue(true);
        f.open();
        // Asked after construction, when the language has been chosen.
        QCOMPARE(dialogs(f), 0);
        f.page->setLanguage(Language::english());
        QTRY_COMPARE(dialogs(f), 2);
        QCOMPARE(f.prompt.questions().size(), 1);
        QVERIFY(f.prompt.questions().first().startsWith("The database " +
                                                        QDir::toNativeSeparators(path)));
        QVERIFY(f.prompt.messages().first().startsWith("The newest backup was restored"));
        QCOMPARE(f.keys(), QStringList{"Reds:d"});
        QTest::qWait(100);
        QCOMPARE(dialogs(f), 2);

        // In Chinese, declined: that question and nothing else.
        f.page.reset();
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(16384, 'y'));
        file.close();
        f.prompt.clear();
        f.open();
        QTRY_COMPARE(dialogs(f), 1);
        QVERIFY(
            f.prompt.questions().first().startsWith("数据库 " + QDir::toNativeSeparators(path)));
        QVERIFY(!f.library().databaseOpen());
        QCOMPARE(f.keys(), QStringList());
        QTest::qWait(1500);
        QCOMPARE(dialogs(f), 1);
    }
};

QTEST_MAIN(FirstPageTest)
#include "tst_firstpage.moc"
