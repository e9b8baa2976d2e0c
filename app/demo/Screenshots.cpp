#include "Screenshots.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "MainWindow.h"
#include "SimHidBackend.h"

namespace {

bool save(QWidget& widget, const QString& path) {
    // 256 colours are plenty for a form and keep the files small.
    const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_Indexed8);
    const bool saved = image.save(path, "PNG", 9);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

template <typename T>
T* child(MainWindow& window, const char* name) {
    return window.findChild<T*>(QLatin1String(name));
}

}  // namespace

void takeScreenshots(const QString& directory, SimHidBackend& backend, MainWindow& window,
                     QWidget& panel) {
    QDir().mkpath(directory);
    // b* of this blue is far below zero: the value fields show their sign.
    backend.meter().setMeasurement(SimMeter::measurementFromRgb(30, 60, 200));
    // After the start-up has attached the meter and imported its libraries.
    QTimer::singleShot(2500, &window, [directory, &window, &panel] {
        auto* lock = child<QPushButton>(window, "pushButton_lock");
        auto* name = child<QLineEdit>(window, "lineEdit_colorDataName");
        auto* measure = child<QPushButton>(window, "pushButton_measure");
        if (lock && name && measure) {
            lock->click();
            name->setText(QStringLiteral("Blue-01"));
            measure->click();
        }
        bool saved = true;
        QCoreApplication::processEvents();
        saved = save(window, QDir(directory).filePath(QStringLiteral("main-zh.png"))) && saved;
        saved = window.setLanguage(QStringLiteral("en")) && saved;
        QCoreApplication::processEvents();
        saved = save(window, QDir(directory).filePath(QStringLiteral("main-en.png"))) && saved;
        saved = save(panel, QDir(directory).filePath(QStringLiteral("demo-panel.png"))) && saved;
        QCoreApplication::exit(saved ? 0 : 1);
    });
}
