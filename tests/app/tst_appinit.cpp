// SPDX-License-Identifier: MIT
#include <QMouseEvent>
#include <QtTest>

#include "app/AppInit.h"

using namespace colorcard;

namespace {

// Counts the mouse events that reach the widget itself.
class Target : public QWidget {
public:
    int presses = 0;
    int releases = 0;
    int moves = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void mouseReleaseEvent(QMouseEvent*) override { ++releases; }
    void mouseMoveEvent(QMouseEvent*) override { ++moves; }
};

bool send(QWidget* widget, QEvent::Type type, QPoint global, Qt::MouseButton button,
          Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(global - widget->pos()), QPointF(global), button, buttons,
                      Qt::NoModifier);
    return QApplication::sendEvent(widget, &event);
}

}  // namespace

class TestAppInit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QCOMPARE(AppInit::instance(), AppInit::instance());
        AppInit::instance()->start();
    }

    void leftDragMovesAMovableWidget() {
        Target widget;
        widget.setProperty("canMove", true);
        widget.move(50, 60);
        widget.show();
        const QPoint start = widget.pos();

        QVERIFY(send(&widget, QEvent::MouseButtonPress, start + QPoint(10, 20), Qt::LeftButton,
                     Qt::LeftButton));
        QVERIFY(send(&widget, QEvent::MouseMove, start + QPoint(110, 70), Qt::NoButton,
                     Qt::LeftButton));
        QCOMPARE(widget.pos(), start + QPoint(100, 50));
        QVERIFY(send(&widget, QEvent::MouseButtonRelease, start + QPoint(110, 70), Qt::LeftButton,
                     Qt::NoButton));
        // The filter consumed all three.
        QCOMPARE(widget.presses + widget.moves + widget.releases, 0);

        // Moving after the release does not drag, and the widget sees the move.
        widget.setMouseTracking(true);
        send(&widget, QEvent::MouseMove, start + QPoint(300, 300), Qt::NoButton, Qt::NoButton);
        QCOMPARE(widget.pos(), start + QPoint(100, 50));
        QCOMPARE(widget.moves, 1);
    }

    void otherButtonsDoNotDrag() {
        Target widget;
        widget.setProperty("canMove", true);
        widget.move(40, 40);
        widget.show();
        const QPoint start = widget.pos();

        send(&widget, QEvent::MouseButtonPress, start + QPoint(5, 5), Qt::RightButton,
             Qt::RightButton);
        QCOMPARE(widget.presses, 1);
        send(&widget, QEvent::MouseMove, start + QPoint(50, 50), Qt::NoButton, Qt::RightButton);
        QCOMPARE(widget.pos(), start);
        // A release is consumed whatever the button and even without a drag.
        QVERIFY(send(&widget, QEvent::MouseButtonRelease, start + QPoint(50, 50), Qt::RightButton,
                     Qt::NoButton));
        QCOMPARE(widget.releases, 0);
    }

    void widgetsWithoutThePropertyAreLeftAlone() {
        Target widget;
        widget.move(40, 40);
        widget.show();
        const QPoint start = widget.pos();
        send(&widget, QEvent::MouseButtonPress, start + QPoint(5, 5), Qt::LeftButton,
             Qt::LeftButton);
        send(&widget, QEvent::MouseMove, start + QPoint(50, 50), Qt::NoButton, Qt::LeftButton);
        send(&widget, QEvent::MouseButtonRelease, start + QPoint(50, 50), Qt::LeftButton,
             Qt::NoButton);
        QCOMPARE(widget.pos(), start);
        QCOMPARE(widget.presses, 1);
        QCOMPARE(widget.moves, 1);
        QCOMPARE(widget.releases, 1);

        widget.setProperty("canMove", false);
        send(&widget, QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(widget.releases, 2);
    }
};

QTEST_MAIN(TestAppInit)
#include "tst_appinit.moc"
