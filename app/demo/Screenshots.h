// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace colorcard {

class MainWindow;
class DemoPanel;

// Pictures of the demo for the README: once the simulated meter is attached,
// measures pure blue into the first library, then saves the window in
// Chinese and in English and the demo panel as PNG files in directory, then
// the quality page after a lot of three samples in both languages, and
// quits (exit code 1 when a picture could not be written). Kept small on
// disk: the images are palette-reduced.
void takeScreenshots(const QString& directory, MainWindow& window, DemoPanel& panel);

}  // namespace colorcard
