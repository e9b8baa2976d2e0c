// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPoint>

namespace colorcard {

// Application-wide event filter that lets a frameless widget be dragged with
// the left mouse button. It acts only on widgets whose dynamic property
// "canMove" is true.
class AppInit : public QObject {
    Q_OBJECT
public:
    // The one filter of the process, created on first call.
    static AppInit* instance();
    // Installs the filter on the application object.
    void start();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppInit() = default;

    // Shared by every dragged widget: only one drag happens at a time.
    bool mousePressed_ = false;
    QPoint mousePoint_;
};

}  // namespace colorcard
