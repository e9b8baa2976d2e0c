// SPDX-License-Identifier: MIT
#include "workspace/QualityPage.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "workflow/LibraryService.h"
#include "workspace/HistoryPanel.h"
#include "workspace/LotPanel.h"
#include "workspace/NearestPanel.h"
#include "workspace/ResultPanel.h"
#include "workspace/StandardPanel.h"
#include "workspace/TolerancePanel.h"

namespace colorcard {

QualityPage::QualityPage(QualityController& controller, QWidget* parent)
    : QWidget(parent), controller_(controller) {
    MeterController& meter = controller.meter();
    setObjectName(QStringLiteral("qualityPage"));
    build();

    connect(standard_, &StandardPanel::libraryShown, this, &QualityPage::libraryShown);
    connect(tolerance_, &TolerancePanel::edited, this, &QualityPage::toleranceEdited);
    connect(&controller_, &QualityController::standardChanged, this, &QualityPage::showStandard);
    connect(&controller_, &QualityController::standardChanged, tolerance_,
            &TolerancePanel::standardToleranceFollows);
    connect(&controller_, &QualityController::sampleMeasured, this, [this] {
        result_->showResult();
        // The next sample is measured with Space or Return.
        measure_->setFocus(Qt::OtherFocusReason);
    });
    connect(&controller_, &QualityController::resultRejudged, result_, &ResultPanel::showResult);
    // The plot follows the standard, each sample and each tolerance edit.
    connect(&controller_, &QualityController::standardChanged, this, &QualityPage::showPlot);
    connect(&controller_, &QualityController::sampleMeasured, this, &QualityPage::showPlot);
    connect(&controller_, &QualityController::resultRejudged, this, &QualityPage::showPlot);
    connect(&controller_, &QualityController::toleranceChanged, this, &QualityPage::showPlot);
    connect(&controller_, &QualityController::toleranceChanged, tolerance_,
            &TolerancePanel::toleranceChanged);

    // The page's own count: the library page keeps another.
    readings_->setValue(meter.sampleReadingCount());
    connect(readings_, QOverload<int>::of(&QSpinBox::valueChanged), &meter,
            &MeterController::setSampleReadingCount);
    connect(&meter, &MeterController::sampleReadingCountChanged, readings_, &QSpinBox::setValue);

    retranslate();
    standard_->fillLibraries();
    result_->clearResult();
    history_->showHistory();
}

void QualityPage::build() {
    auto* page = new QGridLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(10);

    standard_ = new StandardPanel(controller_, this);
    tolerance_ = new TolerancePanel(controller_, this);
    // --- measuring the sample ----------------------------------------------
    measureBox_ = new QGroupBox(this);
    measureBox_->setObjectName(QStringLiteral("groupBox_qcMeasure"));
    auto* measureColumn = new QVBoxLayout(measureBox_);
    lotPanel_ = new LotPanel(controller_, measureBox_);
    measureColumn->addWidget(lotPanel_);
    auto* measureLayout = new QHBoxLayout;
    measureColumn->addLayout(measureLayout);
    measureLayout->setSpacing(10);
    readingsLabel_ = new QLabel(measureBox_);
    readings_ = new QSpinBox(measureBox_);
    readings_->setObjectName(QStringLiteral("spinBox_qcReadings"));
    readings_->setRange(kMinReadings, kMaxReadings);
    measure_ = new QPushButton(measureBox_);
    measure_->setObjectName(QStringLiteral("pushButton_measureSample"));
    measure_->setFixedSize(200, 35);
    measureLayout->addWidget(readingsLabel_);
    measureLayout->addWidget(readings_);
    measureLayout->addStretch(1);
    measureLayout->addWidget(measure_);

    result_ = new ResultPanel(controller_, this);
    nearest_ = new NearestPanel(controller_, this);
    history_ = new HistoryPanel(controller_, this);

    page->addWidget(standard_, 0, 0);
    page->addWidget(tolerance_, 1, 0);
    page->addWidget(measureBox_, 2, 0);
    page->addWidget(result_, 3, 0);
    // The nearest list needs five rows; the history and its lot view the rest.
    page->addWidget(nearest_, 0, 1, 2, 1);
    page->addWidget(history_, 2, 1, 2, 1);
    // Even halves: the history's columns need the room.
    page->setColumnStretch(0, 1);
    page->setColumnStretch(1, 1);
    page->setRowStretch(3, 1);

    connect(measure_, &QPushButton::clicked, &controller_, &QualityController::measureSample);
}

void QualityPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void QualityPage::setStandardsGate(std::function<bool()> gate) {
    tolerance_->setStandardsGate(std::move(gate));
}

void QualityPage::setLanguage(const Language& language) {
    controller_.library().messenger().setLanguage(language);
    retranslate();
}

void QualityPage::retranslate() {
    standard_->retranslate();
    tolerance_->retranslate();
    measureBox_->setTitle(tr("Sample", "group title"));
    readingsLabel_->setText(tr("Readings:"));
    readings_->setToolTip(tr("How many readings are averaged (1–10)"));
    measure_->setText(tr("Measure sample"));
    lotPanel_->setLanguage(controller_.library().messenger().language());
    result_->retranslate();
    showPlot();
    nearest_->retranslate();
    history_->retranslate();
}

void QualityPage::libraryShown() {
    result_->setLibraryShown(standard_->libraryId());
    tolerance_->showLibrary(standard_->libraryId(), standard_->libraryName());
}

void QualityPage::showStandard() {
    standard_->followStandard();
    result_->showStandard();
}

void QualityPage::showPlot() {
    result_->showPlot(tolerance_->editorModel());
}

void QualityPage::toleranceEdited() {
    if (history_->rejudging())
        history_->showHistory();
    showPlot();
}

}  // namespace colorcard
