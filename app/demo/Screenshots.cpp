// SPDX-License-Identifier: MIT
#include "app/demo/Screenshots.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "app/MainWindow.h"
#include "app/demo/DemoPanel.h"
#include "workflow/LibraryService.h"
#include "workflow/QualityController.h"
#include "workspace/PageSwitcher.h"
#include "workspace/QualityPage.h"

namespace colorcard {

namespace {

bool save(QWidget& widget, const QString& path) {
    // A form has few colours: a palette of 256 keeps the files small, and
    // no dithering keeps flat areas flat.
    const QImage image = widget.grab().toImage().convertToFormat(
        QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    const bool saved = image.save(path, "PNG", 9);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

template <typename T>
T* child(MainWindow& window, const char* name) {
    return window.findChild<T*>(QLatin1String(name));
}

}  // namespace

void takeScreenshots(const QString& directory, MainWindow& window, DemoPanel& panel) {
    QDir().mkpath(directory);
    const QDir pictures(directory);
    // Pure blue: its b* of -107.86 shows the value fields' room for the sign.
    panel.showColour(QColor(0, 0, 255));
    // Each step after the previous one has been laid out and painted; the
    // first once the start-up has attached the meter and imported its
    // libraries.
    QTimer::singleShot(2500, &window, [&window] {
        auto* lock = child<QPushButton>(window, "pushButton_lock");
        auto* name = child<QLineEdit>(window, "lineEdit_colorDataName");
        auto* measure = child<QPushButton>(window, "pushButton_measure");
        if (lock && name && measure) {
            lock->click();
            name->setText(QStringLiteral("Blue-01"));
            measure->click();
        }
    });
    QTimer::singleShot(3000, &window, [pictures, &window, &panel] {
        if (!save(window, pictures.filePath(QStringLiteral("main-zh.png"))) ||
            !save(panel, pictures.filePath(QStringLiteral("demo-panel-zh.png"))) ||
            !window.setLanguage(QStringLiteral("en")))
            QCoreApplication::exit(1);
    });
    QTimer::singleShot(3500, &window, [pictures, &window, &panel] {
        if (!save(window, pictures.filePath(QStringLiteral("main-en.png"))) ||
            !save(panel, pictures.filePath(QStringLiteral("demo-panel.png"))))
            QCoreApplication::exit(1);
        // The quality page: a lot of three samples judged against a standard,
        // the last one FAIL.
        // Tall enough for the whole page, as on a desktop monitor.
        window.resize(window.width(), std::max(window.height(), 1150));
        window.pageSwitcher()->button(PageSwitcher::Quality)->click();
        QualityController& quality = window.qualityPage()->controller();
        quality.startLot(QStringLiteral("Batch 42"), QString(), QStringLiteral("Wang"));
        for (const LibraryEntry& library : quality.library().libraries())
            for (const ColourEntry& colour : library.colours)
                if (library.name == QLatin1String("Primary") && colour.name == QLatin1String("Red"))
                    quality.chooseStandard(library.id, colour.id);
        auto* measure = child<QPushButton>(window, "pushButton_measureSample");
        for (const QColor& sample :
             {QColor(221, 31, 40), QColor(214, 36, 40), QColor(200, 60, 40)}) {
            panel.showColour(sample);
            if (measure)
                measure->click();
        }
    });
    QTimer::singleShot(4500, &window, [pictures, &window] {
        if (!save(window, pictures.filePath(QStringLiteral("quality-en.png"))) ||
            !window.setLanguage(QStringLiteral("zh")))
            QCoreApplication::exit(1);
    });
    QTimer::singleShot(5000, &window, [pictures, &window] {
        const bool saved = save(window, pictures.filePath(QStringLiteral("quality-zh.png")));
        QCoreApplication::exit(saved ? 0 : 1);
    });
}

}  // namespace colorcard
