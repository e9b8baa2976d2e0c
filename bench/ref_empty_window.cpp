// SPDX-License-Identifier: MIT
// Reference for the start-up: an empty window of the toolkit, shown and
// left as soon as the event loop has run once.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1024, 700);
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
