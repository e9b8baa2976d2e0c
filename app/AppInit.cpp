// SPDX-License-Identifier: MIT
#include "app/AppInit.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

#include "compat/QtCompat.h"

namespace colorcard {

AppInit* AppInit::instance() {
    static AppInit self;
    return &self;
}

void AppInit::start() {
    qApp->installEventFilter(this);
}

bool AppInit::eventFilter(QObject* watched, QEvent* event) {
    // Every event of every object passes here: the type is the cheap test,
    // the property lookup only follows for the mouse.
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseMove)
        return QObject::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !widget->property("canMove").toBool())
        return QObject::eventFilter(watched, event);

    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton)
                break;
            mousePressed_ = true;
            mousePoint_ = QtCompat::globalPoint(*mouse) - widget->pos();
            return true;
        }
        case QEvent::MouseButtonRelease:
            mousePressed_ = false;
            return true;
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (!mousePressed_ || mouse->buttons() == Qt::NoButton)
                break;
            widget->move(QtCompat::globalPoint(*mouse) - mousePoint_);
            return true;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace colorcard
