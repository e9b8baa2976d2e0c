#pragma once

#include <QString>

class MainWindow;
class QWidget;
class SimHidBackend;

// Pictures of the demo for the README: once the simulated meter is attached,
// measures a deep blue into the first library, then saves the window in
// Chinese and in English and the demo panel as PNG files in directory, and
// quits. Kept small on disk: the images are palette-reduced.
void takeScreenshots(const QString& directory, SimHidBackend& backend, MainWindow& window,
                     QWidget& panel);
