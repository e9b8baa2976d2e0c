// SPDX-License-Identifier: MIT
// The real prompt's dialogs: a progress dialog appears only for an action
// that lasts and still has work left, it stays out of the way while a box
// of the prompt is open, and it comes back when the box closes; the choice
// dialog hands back the row the user picked; the password dialog hides what
// is typed and offers the remember box only when asked to.

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "workspace/WidgetPrompt.h"

using namespace colorcard;

namespace {

QProgressDialog* shownProgress() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QProgressDialog*>(widget))
            if (dialog->isVisible())
                return dialog;
    return nullptr;
}

// What was on screen while a message box was open, noted just before it
// was answered with the given button.
struct OpenBox {
    QMessageBox::StandardButtons buttons;
    bool progressShown = true;
    bool answered = false;

    void answerNextWith(QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            buttons = box->standardButtons();
            progressShown = shownProgress() != nullptr;
            answered = true;
            box->button(button)->click();
        });
    }
};

}  // namespace

class WidgetPromptTest : public QObject {
    Q_OBJECT

    // The choice dialog, driven by user once it is open.
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

    void passwordDialog_data() {
        QTest::addColumn<QString>("rememberText");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("tick");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("remembered");
        QTest::newRow("kept") << "Remember"
                              << "secret" << true << true << "secret" << true;
        QTest::newRow("not ticked") << "Remember"
                                    << "secret" << false << true << "secret" << false;
        QTest::newRow("no keyring") << QString() << "secret" << false << true << "secret" << false;
        QTest::newRow("cancelled") << "Remember"
                                   << "secret" << true << false << QString() << false;
    }
    void passwordDialog() {
        QFETCH(QString, rememberText);
        QFETCH(QString, typed);
        QFETCH(bool, tick);
        QFETCH(bool, accept);
        QFETCH(QString, password);
        QFETCH(bool, remembered);
        bool offered = false;
        QLineEdit::EchoMode echo = QLineEdit::Normal;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* edit = dialog->findChild<QLineEdit*>("passwordEdit");
            QVERIFY(edit);
            echo = edit->echoMode();
            edit->setText(typed);
            auto* box = dialog->findChild<QCheckBox*>("passwordRemember");
            offered = box != nullptr;
            if (box) {
                QVERIFY(!box->isChecked());
                box->setChecked(tick);
            }
            accept ? dialog->accept() : dialog->reject();
        });
        WidgetPrompt prompt;
        bool remember = !remembered;
        QCOMPARE(prompt.password(nullptr, "Password", "The server asks", rememberText, &remember),
                 password);
        QCOMPARE(remember, remembered);
        QCOMPARE(offered, !rememberText.isEmpty());
        QCOMPARE(echo, QLineEdit::Password);
    }

    void progressAppearsOnlyWhenWorkLasts_data() {
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("shown");
        QTest::newRow("quick action") << 60000 << 1 << false;
        QTest::newRow("lasting action") << 20 << 1 << true;
        QTest::newRow("done when due") << 20 << 10 << false;
    }
    void progressAppearsOnlyWhenWorkLasts() {
        QFETCH(int, delay);
        QFETCH(int, value);
        QFETCH(bool, shown);
        QWidget window;
        window.show();
        WidgetPrompt prompt;
        prompt.setProgressDelay(delay);
        std::unique_ptr<ProgressReporter> progress =
            prompt.progress(&window, "Working", "Cancel", 0, 10);
        QVERIFY(!shownProgress());
        QTest::qWait(30);  // the work goes on
        progress->setValue(value);
        QProgressDialog* dialog = shownProgress();
        QCOMPARE(dialog != nullptr, shown);
        if (dialog) {
            // In front of the window it belongs to, which it keeps from input.
            QCOMPARE(dialog->parentWidget(), &window);
            QCOMPARE(dialog->windowModality(), Qt::WindowModal);
            QCOMPARE(dialog->labelText(), QString("Working"));
            QCOMPARE(dialog->value(), value);
        }
        progress->hide();
        QVERIFY(!shownProgress());
        progress->setValue(value + 1);
        QVERIFY(!shownProgress());
    }

    // A long action's bar moves a percent at a time, and always reaches its end.
    void progressMovesAPercentAtATime() {
        QWidget window;
        window.show();
        WidgetPrompt prompt;
        prompt.setProgressDelay(0);
        std::unique_ptr<ProgressReporter> progress =
            prompt.progress(&window, "Working", "Cancel", 0, 1000);
        progress->setValue(1);
        QProgressDialog* dialog = shownProgress();
        QVERIFY(dialog);
        const QList<QPair<int, int>> steps = {{5, 0},     {10, 10},     {19, 10}, {20, 20},
                                              {999, 999}, {1000, 1000}, {0, 0}};
        for (const auto& [value, shown] : steps) {
            progress->setValue(value);
            QCOMPARE(dialog->value(), shown);
        }
        progress->hide();
    }

    // Each kind of box: the action's progress is hidden while it is open
    // and shown again afterwards; the answer comes through.
    void boxesHideTheProgressOfTheirAction_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("answer");
        using B = QMessageBox;
        using A = Prompt::SeriesAnswer;
        QTest::newRow("information") << "information" << int(B::Ok) << 0;
        QTest::newRow("question yes") << "question" << int(B::Yes) << 1;
        QTest::newRow("question no") << "question" << int(B::No) << 0;
        QTest::newRow("series yes") << "series" << int(B::Yes) << int(A::Yes);
        QTest::newRow("series yes to all") << "series" << int(B::YesToAll) << int(A::YesToAll);
        QTest::newRow("series no") << "series" << int(B::No) << int(A::No);
        QTest::newRow("series no to all") << "series" << int(B::NoToAll) << int(A::NoToAll);
    }
    void boxesHideTheProgressOfTheirAction() {
        QFETCH(QString, kind);
        QFETCH(int, button);
        QFETCH(int, answer);
        QWidget window;
        window.show();
        WidgetPrompt prompt;
        prompt.setProgressDelay(0);
        std::unique_ptr<ProgressReporter> progress =
            prompt.progress(&window, "Working", "Cancel", 0, 10);
        progress->setValue(1);
        QVERIFY(shownProgress());

        OpenBox box;
        box.answerNextWith(QMessageBox::StandardButton(button));
        int result = 0;
        if (kind == "information")
            prompt.information(&window, "Tip", "Done");
        else if (kind == "question")
            result = prompt.question(&window, "Tip", "Go on?");
        else
            result = int(prompt.seriesQuestion(&window, "Tip", "Overwrite?"));
        QVERIFY(box.answered);
        QVERIFY(!box.progressShown);
        QCOMPARE(result, answer);
        if (kind == "series")
            QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No |
                                      QMessageBox::NoToAll);
        QVERIFY(shownProgress());

        // A progress its action has hidden stays hidden after a box.
        progress->hide();
        box.answerNextWith(QMessageBox::Ok);
        prompt.information(&window, "Tip", "Finished");
        QVERIFY(box.answered);
        QVERIFY(!shownProgress());
    }

    // A progress not due yet when a box opens does not appear over it,
    // however long the box stays open.
    void progressNotDueStaysAwayDuringABox() {
        QWidget window;
        window.show();
        WidgetPrompt prompt;
        prompt.setProgressDelay(10);
        std::unique_ptr<ProgressReporter> progress =
            prompt.progress(&window, "Working", "Cancel", 0, 10);
        OpenBox box;
        QTimer::singleShot(50, [&box] { box.answerNextWith(QMessageBox::Yes); });
        QVERIFY(prompt.question(&window, "Tip", "Go on?"));
        QVERIFY(box.answered);
        QVERIFY(!box.progressShown);
        // Due now: the next report shows it.
        progress->setValue(2);
        QVERIFY(shownProgress());
    }
};

QTEST_MAIN(WidgetPromptTest)
#include "tst_widgetprompt.moc"
