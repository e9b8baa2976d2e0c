// SPDX-License-Identifier: MIT
// Reference for the start-up: an empty window of the toolkit, shown and
// left as soon as the event loop has run once.
//
//   ref_empty_window          the empty window
//   ref_empty_window --text   the same with one label and one line edit of
//                             Chinese text in the program's application font:
//                             the least a first screen with text costs
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1024, 700);
    if (app.arguments().contains(QStringLiteral("--text"))) {
        QApplication::setFont(QFont(QStringLiteral("Microsoft Yahei"), 12));
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QLabel(QStringLiteral("色卡库")));
        layout->addWidget(new QLineEdit(QStringLiteral("标准颜色")));
    }
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
