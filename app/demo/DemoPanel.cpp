// SPDX-License-Identifier: MIT
#include "app/demo/DemoPanel.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "sim/SimHidBackend.h"
#include "texts/DemoTexts.h"

namespace colorcard {

DemoPanel::DemoPanel(SimHidBackend& backend, QWidget* parent, std::function<Language()> language)
    : QWidget(parent, Qt::Tool), backend_(backend), language_(std::move(language)) {
    auto* layout = new QVBoxLayout(this);
    plugged_ = new QCheckBox(this);
    plugged_->setChecked(backend_.isPlugged());
    layout->addWidget(plugged_);
    other_ = new QCheckBox(this);
    auto* other = other_;
    layout->addWidget(other);
    colour_ = new QPushButton(this);
    auto* colour = colour_;
    layout->addWidget(colour);
    retranslate();
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

void DemoPanel::retranslate() {
    const Language language = language_ ? language_() : Language::english();
    setWindowTitle(DemoText::PanelTitle.in(language));
    plugged_->setText(DemoText::Plugged.in(language));
    other_->setText(DemoText::AnotherInstrument.in(language));
    colour_->setText(DemoText::ChooseColour.in(language));
}

void DemoPanel::changeEvent(QEvent* event) {
    // The window installs the other language's translation: every widget hears of it.
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        adjustSize();
    }
    QWidget::changeEvent(event);
}

void DemoPanel::chooseColour() {
    const QColor colour = QColorDialog::getColor(
        Qt::white, this, DemoText::ColourCaption.in(language_ ? language_() : Language::english()));
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

}  // namespace colorcard
