#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "WidgetPrompt.h"

// The real choice dialog, driven once it is open: the row handed back is the
// one the user picked, and cancelling hands back -1.
class WidgetPromptTest : public QObject {
    Q_OBJECT

    static int choose(const std::function<void(QDialog*, QTableWidget*)>& user) {
        QTimer::singleShot(0, [user] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            user(dialog, dialog->findChild<QTableWidget*>("choiceTable"));
        });
        WidgetPrompt prompt;
        return prompt.choice(nullptr, "Pick", {"Time", "Count"},
                             {{"a", "1"}, {"b", "2"}, {"c", "3"}}, "Take", "Cancel");
    }

private slots:
    void choiceHandsBackThePickedRow() {
        QCOMPARE(choose([](QDialog* dialog, QTableWidget* table) {
                     QCOMPARE(table->rowCount(), 3);
                     QCOMPARE(table->item(2, 1)->text(), QString("3"));
                     QCOMPARE(dialog->windowTitle(), QString("Pick"));
                     // The first row is chosen until another one is.
                     dialog->findChild<QPushButton*>("choiceAccept")->click();
                 }),
                 0);
        QCOMPARE(choose([](QDialog* dialog, QTableWidget* table) {
                     table->selectRow(2);
                     dialog->findChild<QPushButton*>("choiceAccept")->click();
                 }),
                 2);
        QCOMPARE(choose([](QDialog* dialog, QTableWidget* table) {
                     table->selectRow(1);
                     dialog->reject();
                 }),
                 -1);
    }
};

QTEST_MAIN(WidgetPromptTest)
#include "tst_widgetprompt.moc"
