// SPDX-License-Identifier: MIT
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "tests/workspace/PageFixture.h"

using namespace colorcard;

namespace {

const QString kNameEmpty[] = {"Please input color card library name!", "请输入色卡库名称！"};
const QString kDescriptionEmpty[] = {"Please input color card library description!",
                                     "请输入色卡库描述！"};
const QString kTooLong[] = {
    "Color card library name and color card library description length at most 18 characters!",
    "色卡库名称和色卡库描述总长度不能超过18个字符！"};
const QString kExists[] = {
    "The same name and description already exist, please modify the name or description!",
    "已经存在相同的名称和描述，请修改名称或者描述！"};
const QString kDeleteQuestion[] = {
    "Delete the color card library, all color card data in this library will be deleted. Are you "
    "sure you want to delete it?",
    "删除色卡库，该色卡库的所有色卡数据将被删除，是否确认删除？"};
const QString kLocked[] = {
    "The color card library is currently locked, please unlock it first and then delete it!",
    "该色卡库正被锁定，请先解锁，再删除！"};

bool tableExists(FirstPage& page, const QString& name) {
    QSqlQuery query(QSqlDatabase::database(page.store().connectionName()));
    query.prepare("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?");
    query.addBindValue(name);
    return query.exec() && query.next();
}

}  // namespace

class LibraryManagementTest : public QObject {
    Q_OBJECT
private slots:
    void dialogChecksRunInOrder() {
        for (const int chinese : {0, 1}) {
            PageFixture f;
            f.page->setLanguage(chinese ? Language::chinese() : Language::english());
            f.page->store().insertLibrary("ColorCard1" + kStamp, "", "ab", "cd", "0");
            f.page->store().insertLibrary("ColorCard2" + kStamp, "", "abcdefghij", "abcdefghi",
                                          "0");
            f.relist();
            ScriptedPrompt& prompt = f.prompt;
            ColorCardDialog dialog(
                "title", "n0", "d0",
                [&f](QWidget* box, const QString& n, const QString& d) {
                    const Messenger::ParentScope over(f.library().messenger(), box);
                    return f.session->edits().acceptLibraryEntry(n, d);
                },
                nullptr);
            QCOMPARE(dialog.windowTitle(), QString("title"));
            QCOMPARE(dialog.libraryName(), QString("n0"));
            QCOMPARE(dialog.libraryDescription(), QString("d0"));
            auto* name = dialog.findChild<QLineEdit*>("lineEdit_colorCardName");
            auto* description = dialog.findChild<QLineEdit*>("lineEdit_colorCardDesc");
            const auto save = [&](const QString& n, const QString& d) {
                name->setText(n);
                description->setText(d);
                prompt.clear();
                dialog.findChild<QPushButton*>("pushButton_save")->click();
                return prompt.messages();
            };
            // Each failing check names only the first problem and keeps the dialog open.
            QCOMPARE(save("", ""), QStringList{kNameEmpty[chinese]});
            QCOMPARE(save("", "abcdefghij"), QStringList{kNameEmpty[chinese]});
            QCOMPARE(save("ab", ""), QStringList{kDescriptionEmpty[chinese]});
            QCOMPARE(save("abcdefghij", "abcdefghi"), QStringList{kTooLong[chinese]});
            QCOMPARE(prompt.events[0].title, chinese ? "提示" : "Tip");
            QCOMPARE(prompt.events[0].parent, static_cast<QWidget*>(&dialog));
            // Once checked, the page's boxes have the page as parent again.
            QCOMPARE(f.library().messenger().parent(), static_cast<QWidget*>(f.page.get()));
            QCOMPARE(save("ab", "cd"), QStringList{kExists[chinese]});
            QCOMPARE(save("AB", "cd"), QStringList());  // case-sensitive
            QCOMPARE(dialog.result(), int(QDialog::Accepted));

            dialog.setResult(QDialog::Rejected);
            QCOMPARE(save("ab", "cde"), QStringList());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            dialog.setResult(QDialog::Rejected);
            QCOMPARE(save("abcdefghij", "abcdefgh"), QStringList());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));

            dialog.findChild<QPushButton*>("pushButton_cancel")->click();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
    }

    void dialogFieldsAcceptOnlyNameCharacters() {
        ColorCardDialog dialog("t", "", "", nullptr, nullptr);
        auto* name = dialog.findChild<QLineEdit*>("lineEdit_colorCardName");
        QTest::keyClicks(name, "a'b\"c;d-e_f g");
        QCOMPARE(name->text(), QString("abcd-e_f g"));
        auto* description = dialog.findChild<QLineEdit*>("lineEdit_colorCardDesc");
        QTest::keyClicks(description, "0123456789abc");
        QCOMPARE(description->text(), QString("0123456789"));
    }

    void newLibraries() {
        PageFixture f;
        FirstPage& page = *f.page;
        QSignalSpy selected(f.combo(), SIGNAL(currentIndexChanged(int)));

        // Cancelled: nothing happens.
        f.newLibrary("", "");
        QCOMPARE(f.dialog.runs, 1);
        QCOMPARE(f.prompt.messages(), QStringList{kNameEmpty[1]});
        QCOMPARE(f.libraries()->rowCount(), 0);
        QVERIFY(page.store().selectLibraries().isEmpty());

        f.newLibrary("Reds", "spring");
        QCOMPARE(f.dialog.title, QString("色卡库新建"));
        QCOMPARE(f.dialog.initialName, QString());
        // The first library becomes current at once.
        QCOMPARE(f.combo()->currentIndex(), 0);
        QCOMPARE(selected.count(), 1);
        const QString first = "ColorCard1" + kStamp;
        QCOMPARE(page.libraryCell(0, 0), first);
        QCOMPARE(page.libraryCell(0, 1), QString("Reds"));
        QCOMPARE(page.libraryCell(0, 2), QString("spring"));
        QCOMPARE(page.libraryCell(0, 3), QString("0"));
        for (int c = 0; c < 4; ++c)
            QCOMPARE(f.libraries()->item(0, c)->textAlignment(), int(Qt::AlignCenter));
        QVERIFY(tableExists(page, first));
        QCOMPARE(f.colourKeys("Reds", "spring"), QStringList());
        CHECK_LIBRARY_INVARIANTS(f);

        f.library().setMeterNumber("20480");
        page.setLanguage(Language::english());
        f.prompt.clear();
        f.dialog.attempts = {{"Reds", "spring"}, {"Reds", "autumn"}};
        page.on_pushButton_newColorCardLibrary_clicked();
        QCOMPARE(f.prompt.messages(), QStringList{kExists[0]});
        QCOMPARE(f.combo()->currentIndex(), 0);
        QCOMPARE(page.libraryCell(1, 0), "ColorCard2" + kStamp);
        CHECK_LIBRARY_INVARIANTS(f);

        const auto fields = [](const Library& l) {
            return QStringList{l.id, l.meterNumber, l.name, l.description, l.count};
        };
        const QVector<Library> stored = page.store().selectLibraries();
        QCOMPARE(fields(stored[0]), (QStringList{first, "", "Reds", "spring", "0"}));
        QCOMPARE(fields(stored[1]),
                 (QStringList{"ColorCard2" + kStamp, "20480", "Reds", "autumn", "0"}));
    }

    void libraryLimit() {
        for (const int chinese : {0, 1}) {
            PageFixture f;
            FirstPage& page = *f.page;
            page.setLanguage(chinese ? Language::chinese() : Language::english());
            f.library().setMaxLibraries(2);
            f.newLibrary("a", "1");
            f.newLibrary("b", "2");
            f.prompt.clear();
            f.dialog.runs = 0;
            f.newLibrary("c", "3");
            QCOMPARE(f.dialog.runs, 0);
            QCOMPARE(f.prompt.messages(),
                     QStringList{chinese ? "最多录2本色卡!" : "At most 2 color card!"});
            QCOMPARE(f.libraries()->rowCount(), 2);
            CHECK_LIBRARY_INVARIANTS(f);
        }
    }

    void identifierStaysUniqueAfterDeleteWithinTheSameSecond() {
        PageFixture f;
        f.newLibrary("a", "1");
        f.newLibrary("b", "2");
        f.prompt.answers.enqueue(true);
        f.rowButton(0, "pushButton_delete")->click();
        // One row left, so the plain number would be 2 again, which "b" holds.
        f.newLibrary("c", "3");
        QCOMPARE(f.page->libraryCell(0, 0), "ColorCard2" + kStamp);
        QCOMPARE(f.page->libraryCell(1, 0), "ColorCard3" + kStamp);
        CHECK_LIBRARY_INVARIANTS(f);
    }

    void modifyLibrary() {
        PageFixture f;
        FirstPage& page = *f.page;
        f.newLibrary("a", "1");
        f.newLibrary("b", "2");
        f.newLibrary("c", "3");
        page.store().insertColorDataBatchLab(page.libraryCell(1, 0), {"c1" + kStamp}, {"red"},
                                             {"1"}, {"2"}, {"3"});
        page.store().updateLibraryCount("1", page.libraryCell(1, 0));
        f.relist();
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        // The buttons sit in their rows, which is what the page looks up.
        for (int r = 0; r < 3; ++r) {
            QWidget* buttons = f.libraries()->cellWidget(r, 4);
            QCOMPARE(f.libraries()->indexAt(buttons->frameGeometry().topLeft()).row(), r);
        }

        // Saving without a change is refused.
        f.dialog.attempts = {{"b", "2"}};
        f.rowButton(1, "pushButton_modify")->click();
        QCOMPARE(f.dialog.title, QString("色卡库修改"));
        QCOMPARE(f.dialog.initialName, QString("b"));
        QCOMPARE(f.dialog.initialDescription, QString("2"));
        QCOMPARE(f.prompt.messages(), QStringList{kExists[1]});
        QCOMPARE(f.storedNames(), (QStringList{"a:1", "b:2", "c:3"}));

        f.prompt.clear();
        f.dialog.attempts = {{"bee", "2"}};
        f.rowButton(1, "pushButton_modify")->click();
        QCOMPARE(f.prompt.events.size(), 0);
        QCOMPARE(page.libraryCell(1, 1), QString("bee"));
        QCOMPARE(f.libraries()->item(1, 1)->textAlignment(), int(Qt::AlignCenter));
        QCOMPARE(f.combo()->itemText(1), QString("bee"));
        QCOMPARE(f.colourKeys("bee", "2"), QStringList{"red:1:2:3"});
        QCOMPARE(page.libraryCell(1, 3), QString("1"));
        QCOMPARE(f.storedNames(), (QStringList{"a:1", "bee:2", "c:3"}));
        CHECK_LIBRARY_INVARIANTS(f);

        // A name with a quote cannot be typed, but stored texts may carry one.
        page.store().updateLibraryName("o'k", "x", page.libraryCell(2, 0));
        QCOMPARE(f.storedNames().last(), QString("o'k:x"));
    }

    void deleteLibrary() {
        for (const int chinese : {0, 1}) {
            PageFixture f;
            FirstPage& page = *f.page;
            page.setLanguage(chinese ? Language::chinese() : Language::english());
            f.newLibrary("a", "1");
            f.newLibrary("b", "2");
            f.newLibrary("c", "3");
            const QString firstId = page.libraryCell(0, 0);
            const QString secondId = page.libraryCell(1, 0);

            // No: nothing happens.
            f.prompt.clear();
            f.prompt.answers.enqueue(false);
            f.rowButton(1, "pushButton_delete")->click();
            QCOMPARE(f.prompt.questions(), QStringList{kDeleteQuestion[chinese]});
            QCOMPARE(f.libraries()->rowCount(), 3);

            // The current library is locked: refused after the question.
            page.on_pushButton_lock_clicked();
            f.prompt.clear();
            f.prompt.answers.enqueue(true);
            f.rowButton(0, "pushButton_delete")->click();
            QCOMPARE(f.prompt.questions(), QStringList{kDeleteQuestion[chinese]});
            QCOMPARE(f.prompt.messages(), QStringList{kLocked[chinese]});
            QCOMPARE(f.libraries()->rowCount(), 3);
            QVERIFY(tableExists(page, firstId));

            // Another library may go while the current one is locked.
            f.prompt.clear();
            f.prompt.answers.enqueue(true);
            f.rowButton(1, "pushButton_delete")->click();
            QCOMPARE(f.prompt.messages(), QStringList());
            QCOMPARE(f.storedNames(), (QStringList{"a:1", "c:3"}));
            QVERIFY(!tableExists(page, secondId));
            QCOMPARE(f.combo()->currentIndex(), 0);
            CHECK_LIBRARY_INVARIANTS(f);

            page.on_pushButton_unlock_clicked();
            f.prompt.answers.enqueue(true);
            f.rowButton(0, "pushButton_delete")->click();
            QVERIFY(!tableExists(page, firstId));
            QCOMPARE(f.storedNames(), QStringList{"c:3"});
            // The neighbour becomes current.
            QCOMPARE(f.combo()->currentIndex(), 0);
            QCOMPARE(f.combo()->currentText(), QString("c"));
            CHECK_LIBRARY_INVARIANTS(f);

            // The last library leaves no colours on show.
            f.ui()->tableWidget_colorData->setRowCount(2);
            f.prompt.answers.enqueue(true);
            f.rowButton(0, "pushButton_delete")->click();
            QCOMPARE(f.libraries()->rowCount(), 0);
            QCOMPARE(f.ui()->tableWidget_colorData->rowCount(), 0);
            QCOMPARE(f.prompt.unscripted, 0);
            CHECK_LIBRARY_INVARIANTS(f);
        }
    }

    void listedLibrariesCarryTheirColours() {
        PageFixture f;
        FirstPage& page = *f.page;
        ColorCardStore& store = page.store();
        const QString id = "ColorCard1" + kStamp;
        store.createColorDataTable(id);
        store.insertLibrary(id, "", "lib", "d", "2");
        store.insertColorDataBatchLab(id, {"c1", "c2"}, {"red", "it's"}, {"50.00", "1.00"},
                                      {"-1.00", "2.00"}, {"3.00", "4.00"});
        // A count of 0 reads nothing.
        store.createColorDataTable("ColorCard9" + kStamp);
        store.insertLibrary("ColorCard9" + kStamp, "", "empty", "d", "0");
        store.createColorDataTable("ColorCard3" + kStamp);
        store.insertLibrary("ColorCard3" + kStamp, "", "other", "d", "5");
        f.relist();
        QCOMPARE(f.colourKeys("lib", "d"),
                 (QStringList{"red:50.00:-1.00:3.00", "it's:1.00:2.00:4.00"}));
        QCOMPARE(f.colourKeys("empty", "d"), QStringList());
        QCOMPARE(page.libraryCell(2, 3), QString("5"));
        QCOMPARE(f.libraries()->item(2, 3)->textAlignment(), int(Qt::AlignCenter));
        QCOMPARE(f.prompt.messages(), QStringList());
        CHECK_LIBRARY_INVARIANTS(f);
        // The first library is current and shows its colours.
        QCOMPARE(f.ui()->tableWidget_colorData->rowCount(), 2);

        // Selected again after bulk changes: the current library, shown anew.
        QSignalSpy selected(f.combo(), SIGNAL(currentIndexChanged(int)));
        f.library().reselectLibrary();
        QCOMPARE(selected.count(), 2);
        QCOMPARE(selected[0][0].toInt(), -1);
        QCOMPARE(selected[1][0].toInt(), 0);
        f.combo()->setCurrentIndex(2);
        selected.clear();
        f.library().reselectLibrary();
        QCOMPARE(selected.count(), 2);
        QCOMPARE(selected[1][0].toInt(), 2);
        QCOMPARE(f.library().currentRow(), 2);
        f.combo()->setCurrentIndex(0);

        QVERIFY(f.session->edits().deleteLibrary(1));
        QCOMPARE(f.keys(), (QStringList{"lib:d", "other:d"}));
        QCOMPARE(f.combo()->count(), 2);
        QVERIFY(!f.session->edits().deleteLibrary(5));
        QCOMPARE(f.libraries()->rowCount(), 2);
    }

    void librariesSurviveARestart() {
        PageFixture f;
        f.newLibrary("one", "1");
        f.newLibrary("two", "2");
        f.newLibrary("three", "3");
        f.dialog.attempts = {{"deux", "2"}};
        f.rowButton(1, "pushButton_modify")->click();
        f.prompt.answers.enqueue(true);
        f.rowButton(0, "pushButton_delete")->click();

        f.open();
        QVERIFY(f.library().databaseOpen());
        QCOMPARE(f.storedNames(), (QStringList{"deux:2", "three:3"}));
        // Rows appear only when a meter is identified.
        QCOMPARE(f.libraries()->rowCount(), 0);
        QCOMPARE(f.prompt.unscripted, 0);
    }

    // The page notices what another process (colorcard-cli) committed and
    // shows it, the chosen library and its lock kept; when the locked
    // library is removed there, the page unlocks.
    void pageShowsWhatAnotherProcessChanged() {
        PageFixture f;
        f.newLibrary("Reds", "d");
        f.newLibrary("Blues", "d");
        f.combo()->setCurrentIndex(1);
        f.page->on_pushButton_lock_clicked();
        QVERIFY(f.library().locked());
        ColorCardStore other(f.dir.path());
        other.setClock(fixedTime);
        QVERIFY(other.openDatabase());
        const QString greens = other.makeLibraryId(3);
        QVERIFY(other.beginTransaction());
        QVERIFY(other.createColorDataTable(greens));
        QVERIFY(other.insertLibrary(greens, "", "Greens", "d", "0"));
        QVERIFY(other.commitTransaction());
        QTRY_COMPARE_WITH_TIMEOUT(f.combo()->count(), 3, 5000);
        QCOMPARE(f.keys(), (QStringList{"Reds:d", "Blues:d", "Greens:d"}));
        QCOMPARE(f.libraries()->rowCount(), 3);
        QCOMPARE(f.combo()->currentIndex(), 1);
        QCOMPARE(f.library().currentRow(), 1);
        QVERIFY(f.library().locked());
        QVERIFY(!f.combo()->isEnabled());
        const QString blues = f.library().library(1).id;
        QVERIFY(other.beginTransaction());
        QVERIFY(other.dropColorDataTable(blues));
        QVERIFY(other.deleteLibrary(blues));
        QVERIFY(other.commitTransaction());
        QTRY_COMPARE_WITH_TIMEOUT(f.combo()->count(), 2, 5000);
        QVERIFY(!f.library().locked());
        QVERIFY(f.combo()->isEnabled());
        QCOMPARE(f.prompt.messages(), QStringList());
    }
};

QTEST_MAIN(LibraryManagementTest)
#include "tst_librarymanagement.moc"
