// SPDX-License-Identifier: MIT
#include "DemoPanel.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "SimHidBackend.h"

DemoPanel::DemoPanel(SimHidBackend& backend, QWidget* parent)
    : QWidget(parent, Qt::Tool), backend_(backend) {
    setWindowTitle(tr("Simulated meter"));
    auto* layout = new QVBoxLayout(this);
    plugged_ = new QCheckBox(tr("Meter plugged in"), this);
    plugged_->setChecked(backend_.isPlugged());
    layout->addWidget(plugged_);
    auto* other = new QCheckBox(tr("Another instrument"), this);
    layout->addWidget(other);
    auto* colour = new QPushButton(tr("Colour under the meter..."), this);
    layout->addWidget(colour);
    swatch_ = new QLabel(this);
    swatch_->setMinimumHeight(40);
    layout->addWidget(swatch_);

    connect(plugged_, &QCheckBox::toggled, this, &DemoPanel::setPlugged);
    connect(other, &QCheckBox::toggled, this, &DemoPanel::swapInstrument);
    connect(colour, &QPushButton::clicked, this, &DemoPanel::chooseColour);
    connect(&backend_, &SimHidBackend::plugged, this, [this] { plugged_->setChecked(true); });
    connect(&backend_, &SimHidBackend::unplugged, this, [this] { plugged_->setChecked(false); });
    showColour(QColor(200, 60, 40));
}

void DemoPanel::chooseColour() {
    const QColor colour = QColorDialog::getColor(Qt::white, this, tr("Colour under the meter"));
    if (colour.isValid())
        showColour(colour);
}

void DemoPanel::showColour(const QColor& colour) {
    backend_.meter().setMeasurement(
        SimMeter::measurementFromRgb(colour.red(), colour.green(), colour.blue()));
    swatch_->setStyleSheet(QStringLiteral("background-color: %1;").arg(colour.name()));
}

void DemoPanel::setPlugged(bool plugged) {
    if (plugged == backend_.isPlugged())
        return;
    if (plugged)
        backend_.plug();
    else
        backend_.unplug();
}

void DemoPanel::swapInstrument(bool other) {
    // Another instrument of a listed model with libraries of its own; the
    // swap takes effect at the next plug-in, as with a real meter.
    SimIdentity identity;
    if (other) {
        identity.instrumentId = 20250917;
        identity.meterNumber = 2302;
        identity.firmwareVersion = 5;
    }
    backend_.meter().setIdentity(identity);
}
