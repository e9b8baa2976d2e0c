// SPDX-License-Identifier: MIT
#include "workspace/QualityPage.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "texts/IndexTexts.h"
#include "texts/QcTexts.h"
#include "workflow/LibraryService.h"
#include "workflow/SampleIndex.h"
#include "workspace/HistoryPanel.h"
#include "workspace/LotPanel.h"
#include "workspace/NearestPanel.h"
#include "workspace/QualityPageText.h"
#include "workspace/ResultPanel.h"
#include "workspace/StandardPanel.h"
#include "workspace/ToleranceExtrasPanel.h"

using QualityPageStyle::named;

namespace {

QDoubleSpinBox* parameterBox(QWidget* parent, const char* name, double maximum) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setDecimals(2);
    box->setRange(0.01, maximum);
    box->setSingleStep(0.1);
    return box;
}

}  // namespace

QualityPage::QualityPage(QualityController& controller, QWidget* parent)
    : QWidget(parent), controller_(controller) {
    MeterController& meter = controller.meter();
    setObjectName(QStringLiteral("qualityPage"));
    build();

    connect(standard_, &StandardPanel::libraryShown, this, &QualityPage::libraryShown);
    connect(&controller_, &QualityController::standardChanged, this, &QualityPage::showStandard);
    connect(&controller_, &QualityController::standardChanged, this,
            &QualityPage::standardToleranceFollows);
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
    connect(&controller_, &QualityController::toleranceChanged, this,
            [this](const QString& libraryId) {
                if (libraryId == standard_->libraryId())
                    loadTolerance();
            });

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

Language QualityPage::language() const {
    return controller_.library().messenger().language();
}

void QualityPage::build() {
    auto* page = new QGridLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(10);

    standard_ = new StandardPanel(controller_, this);

    // --- the tolerance of the standard's library ----------------------------
    toleranceBox_ = new QGroupBox(this);
    toleranceBox_->setObjectName(QStringLiteral("groupBox_qcTolerance"));
    auto* toleranceLayout = new QGridLayout(toleranceBox_);
    toleranceLayout->setHorizontalSpacing(6);
    formulaLabel_ = new QLabel(toleranceBox_);
    formulaCombo_ = new QComboBox(toleranceBox_);
    formulaCombo_->setObjectName(QStringLiteral("comboBox_toleranceFormula"));
    cmcLLabel_ = new QLabel(QStringLiteral("l"), toleranceBox_);
    cmcL_ = parameterBox(toleranceBox_, "doubleSpinBox_cmcL", 10);
    cmcCLabel_ = new QLabel(QStringLiteral("c"), toleranceBox_);
    cmcC_ = parameterBox(toleranceBox_, "doubleSpinBox_cmcC", 10);
    kLLabel_ = new QLabel(QStringLiteral("kL"), toleranceBox_);
    kL_ = parameterBox(toleranceBox_, "doubleSpinBox_kL", 10);
    kCLabel_ = new QLabel(QStringLiteral("kC"), toleranceBox_);
    kC_ = parameterBox(toleranceBox_, "doubleSpinBox_kC", 10);
    kHLabel_ = new QLabel(QStringLiteral("kH"), toleranceBox_);
    kH_ = parameterBox(toleranceBox_, "doubleSpinBox_kH", 10);
    limitLabel_ = new QLabel(toleranceBox_);
    limit_ = parameterBox(toleranceBox_, "doubleSpinBox_toleranceLimit", 100);
    saveTolerance_ = new QPushButton(toleranceBox_);
    saveTolerance_->setObjectName(QStringLiteral("pushButton_saveTolerance"));
    // Formula and its parameters above, the limit below.
    auto* parameters = new QHBoxLayout;
    parameters->setSpacing(6);
    for (QWidget* w :
         std::initializer_list<QWidget*>{formulaCombo_, cmcLLabel_, cmcL_, cmcCLabel_, cmcC_,
                                         kLLabel_, kL_, kCLabel_, kC_, kHLabel_, kH_})
        parameters->addWidget(w);
    parameters->addStretch(1);
    toleranceState_ = named(new QLabel(toleranceBox_), "label_toleranceState");
    auto* limitRow = new QHBoxLayout;
    limitRow->setSpacing(6);
    limitRow->addWidget(limit_);
    limitRow->addStretch(1);
    limitRow->addWidget(toleranceState_);
    limitRow->addWidget(saveTolerance_);
    toleranceLayout->addWidget(formulaLabel_, 0, 0);
    toleranceLayout->addLayout(parameters, 0, 1);
    toleranceLayout->addWidget(limitLabel_, 1, 0);
    toleranceLayout->addLayout(limitRow, 1, 1);
    extras_ = new ToleranceExtrasPanel(toleranceBox_);
    toleranceLayout->addWidget(extras_, 2, 1);

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
    page->addWidget(toleranceBox_, 1, 0);
    page->addWidget(measureBox_, 2, 0);
    page->addWidget(result_, 3, 0);
    page->addWidget(nearest_, 0, 1, 3, 1);
    page->addWidget(history_, 3, 1);
    // Even halves: the history's columns need the room.
    page->setColumnStretch(0, 1);
    page->setColumnStretch(1, 1);
    page->setRowStretch(3, 1);

    connect(extras_, &ToleranceExtrasPanel::edited, this, &QualityPage::toleranceEdited);
    connect(extras_, &ToleranceExtrasPanel::ownToleranceToggled, this,
            &QualityPage::ownToleranceToggled);
    connect(formulaCombo_, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
        showToleranceParameters();
        toleranceEdited();
    });
    for (QDoubleSpinBox* box : {cmcL_, cmcC_, kL_, kC_, kH_, limit_})
        connect(box, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
                &QualityPage::toleranceEdited);
    connect(saveTolerance_, &QPushButton::clicked, this, &QualityPage::saveTolerance);
    connect(measure_, &QPushButton::clicked, &controller_, &QualityController::measureSample);
    buildIndexRow();
}

void QualityPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void QualityPage::setLanguage(const Language& language) {
    controller_.library().messenger().setLanguage(language);
    retranslate();
}

void QualityPage::retranslate() {
    const Language language = this->language();
    standard_->retranslate();
    formulaLabel_->setText(tr("Formula:"));
    limitLabel_->setText(tr("Limit ΔE ≤"));
    saveTolerance_->setText(tr("Save tolerance"));
    measureBox_->setTitle(tr("Sample", "group title"));
    readingsLabel_->setText(tr("Readings:"));
    readings_->setToolTip(tr("How many readings are averaged (1–10)"));
    measure_->setText(tr("Measure sample"));
    extras_->setLanguage(language);
    lotPanel_->setLanguage(language);
    retranslateIndex();
    fillFormulaCombo();
    showToleranceTitle();
    showToleranceState();
    result_->retranslate();
    showPlot();
    nearest_->retranslate();
    history_->retranslate();
}

void QualityPage::fillFormulaCombo() {
    const Language language = this->language();
    {
        const QSignalBlocker blocker(formulaCombo_);
        const int index = formulaCombo_->currentIndex();
        formulaCombo_->clear();
        const DeltaEFormula formulas[] = {DeltaEFormula::Ciede2000, DeltaEFormula::Cmc,
                                          DeltaEFormula::Cie94, DeltaEFormula::Cie94Textiles,
                                          DeltaEFormula::Cie76};
        for (DeltaEFormula formula : formulas) {
            DifferenceMethod method{formula};
            // The family's name; its parameters are edited beside it.
            const QString label = formula == DeltaEFormula::Cmc
                                      ? QcText::FormulaCmc.in(language) + QStringLiteral("(l:c)")
                                      : formulaLabel(method, language);
            formulaCombo_->addItem(label, int(formula));
        }
        formulaCombo_->setCurrentIndex(index);
    }
}

void QualityPage::libraryShown() {
    result_->setLibraryShown(standard_->libraryId());
    showToleranceTitle();
    // The same library listed again keeps its tolerance as edited.
    if (standard_->libraryId() != toleranceLibrary_ || toleranceLibrary_.isEmpty())
        loadTolerance();
}

void QualityPage::showStandard() {
    standard_->followStandard();
    result_->showStandard();
}

void QualityPage::showPlot() {
    result_->showPlot(editorModel());
}

// --- tolerance -----------------------------------------------------------------

void QualityPage::loadTolerance() {
    toleranceLibrary_ = standard_->libraryId();
    const bool any = !toleranceLibrary_.isEmpty();
    showToleranceTitle();
    for (QWidget* w : toleranceBox_->findChildren<QWidget*>())
        w->setEnabled(any);
    const std::optional<QualityStandard>& standard = controller_.standard();
    const bool chosen = any && standard && standard->libraryId == toleranceLibrary_;
    const bool own =
        chosen && controller_.hasToleranceOverride(toleranceLibrary_, standard->colourId);
    extras_->setOwnTolerance(own, chosen);
    const ToleranceModel model =
        any ? controller_
                  .storedToleranceModel(toleranceLibrary_, own ? standard->colourId : QString())
                  .value_or(ToleranceModel{})
            : ToleranceModel{};
    const Tolerance tolerance = model.tolerance;
    extras_->showModel(model);
    {
        const QSignalBlocker blockers[] = {QSignalBlocker(formulaCombo_), QSignalBlocker(cmcL_),
                                           QSignalBlocker(cmcC_),         QSignalBlocker(kL_),
                                           QSignalBlocker(kC_),           QSignalBlocker(kH_),
                                           QSignalBlocker(limit_)};
        formulaCombo_->setCurrentIndex(formulaCombo_->findData(int(tolerance.method.formula)));
        cmcL_->setValue(tolerance.method.l);
        cmcC_->setValue(tolerance.method.c);
        kL_->setValue(tolerance.method.kL);
        kC_->setValue(tolerance.method.kC);
        kH_->setValue(tolerance.method.kH);
        limit_->setValue(tolerance.limit);
    }
    showToleranceParameters();
    toleranceEdited();
    loadIndexSettings();
}

void QualityPage::showToleranceTitle() {
    toleranceBox_->setTitle(toleranceLibrary_.isEmpty()
                                ? tr("Tolerance")
                                : tr("Tolerance: %1").arg(standard_->libraryName()));
}

Tolerance QualityPage::editorTolerance() const {
    Tolerance tolerance;
    tolerance.method.formula = DeltaEFormula(formulaCombo_->currentData().toInt());
    tolerance.method.l = cmcL_->value();
    tolerance.method.c = cmcC_->value();
    tolerance.method.kL = kL_->value();
    tolerance.method.kC = kC_->value();
    tolerance.method.kH = kH_->value();
    tolerance.limit = limit_->value();
    return tolerance;
}

ToleranceModel QualityPage::editorModel() const {
    ToleranceModel model;
    model.tolerance = editorTolerance();
    extras_->applyTo(model);
    return model;
}

QString QualityPage::editedColour() const {
    const std::optional<QualityStandard>& standard = controller_.standard();
    return extras_->ownTolerance() && standard && standard->libraryId == toleranceLibrary_
               ? standard->colourId
               : QString();
}

void QualityPage::standardToleranceFollows() {
    if (toleranceLibrary_.isEmpty())
        return;
    const std::optional<QualityStandard>& standard = controller_.standard();
    const bool own = standard && standard->libraryId == toleranceLibrary_ &&
                     controller_.hasToleranceOverride(toleranceLibrary_, standard->colourId);
    // The library's model as edited stays in force between its standards.
    if (own || extras_->ownTolerance())
        loadTolerance();
    else
        extras_->setOwnTolerance(false, standard && standard->libraryId == toleranceLibrary_);
}

void QualityPage::ownToleranceToggled(bool own) {
    const std::optional<QualityStandard>& standard = controller_.standard();
    if (!standard || toleranceLibrary_.isEmpty())
        return;
    if (own) {
        // Starts from the values shown; saved with the save button.
        toleranceEdited();
        return;
    }
    if (controller_.hasToleranceOverride(toleranceLibrary_, standard->colourId))
        controller_.removeToleranceOverride(toleranceLibrary_, standard->colourId);
    loadTolerance();
}

void QualityPage::toleranceEdited() {
    if (!toleranceLibrary_.isEmpty())
        controller_.setToleranceModelInForce(toleranceLibrary_, editedColour(), editorModel());
    showToleranceState();
    if (history_->rejudging())
        history_->showHistory();
    showPlot();
}

void QualityPage::showToleranceState() {
    if (toleranceLibrary_.isEmpty()) {
        toleranceState_->clear();
        return;
    }
    const Language language = this->language();
    const QString colour = editedColour();
    const std::optional<ToleranceModel> stored =
        controller_.storedToleranceModel(toleranceLibrary_, colour);
    const ToleranceModel edited = editorModel();
    const bool saved =
        stored && *stored == edited &&
        (colour.isEmpty() || controller_.hasToleranceOverride(toleranceLibrary_, colour));
    toleranceState_->setText(
        (saved ? QcText::ToleranceSaved : QcText::ToleranceUnsaved).in(language));
    toleranceState_->setStyleSheet(saved ? QStringLiteral("color: rgb(22, 140, 60);")
                                         : QStringLiteral("color: rgb(190, 100, 0);"));
    saveTolerance_->setEnabled(!saved);
}

void QualityPage::showToleranceParameters() {
    const auto formula = DeltaEFormula(formulaCombo_->currentData().toInt());
    const bool cmc = formula == DeltaEFormula::Cmc;
    const bool de00 = formula == DeltaEFormula::Ciede2000;
    for (QWidget* w : std::initializer_list<QWidget*>{cmcLLabel_, cmcL_, cmcCLabel_, cmcC_})
        w->setVisible(cmc);
    for (QWidget* w : std::initializer_list<QWidget*>{kLLabel_, kL_, kCLabel_, kC_, kHLabel_, kH_})
        w->setVisible(de00);
}

void QualityPage::saveTolerance() {
    if (toleranceLibrary_.isEmpty())
        return;
    controller_.saveToleranceModel(toleranceLibrary_, editedColour(), editorModel());
    showToleranceState();
}

// --- whiteness, tint and yellowness; 555 shade steps ----------------------------

void QualityPage::buildIndexRow() {
    auto* layout = qobject_cast<QGridLayout*>(toleranceBox_->layout());
    indexLabel_ = new QLabel(toleranceBox_);
    indexCombo_ = new QComboBox(toleranceBox_);
    indexCombo_->setObjectName(QStringLiteral("comboBox_colourIndex"));
    // The longest name (D1925, withdrawn) must not widen the smallest window.
    indexCombo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    indexCombo_->setMinimumContentsLength(12);
    indexConditions_ = named(new QLabel(toleranceBox_), "label_indexConditions");
    stepsLabel_ = new QLabel(toleranceBox_);
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(indexCombo_, 1);
    row->addWidget(indexConditions_);
    row->addWidget(stepsLabel_);
    static const char* const names[] = {"doubleSpinBox_shadeStepL", "doubleSpinBox_shadeStepC",
                                        "doubleSpinBox_shadeStepH"};
    static const char* const axes[] = {"ΔL*", "ΔC*", "ΔH*"};
    for (int i = 0; i < 3; ++i) {
        QDoubleSpinBox* step = parameterBox(toleranceBox_, names[i], 100);
        step->setMinimum(0);  // shown as the ΔE limit
        step->setKeyboardTracking(false);
        row->addWidget(new QLabel(QString::fromUtf8(axes[i]), toleranceBox_));
        row->addWidget(step);
        steps_ << step;
        connect(step, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
                &QualityPage::saveIndexSettings);
    }
    if (layout) {
        const int at = layout->rowCount();
        layout->addWidget(indexLabel_, at, 0);
        layout->addLayout(row, at, 1);
    }

    connect(indexCombo_, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &QualityPage::saveIndexSettings);
}

void QualityPage::retranslateIndex() {
    if (!indexCombo_)
        return;
    const Language language = this->language();
    indexLabel_->setText(IndexText::IndexLabel.in(language));
    stepsLabel_->setText(IndexText::ShadeStepsLabel.in(language));
    for (QDoubleSpinBox* step : steps_)
        step->setSpecialValueText(IndexText::StepIsLimit.in(language));
    {
        const QSignalBlocker blocker(indexCombo_);
        const int index = indexCombo_->currentIndex();
        indexCombo_->clear();
        indexCombo_->addItem(indexName(ColourIndex::None).in(language), int(ColourIndex::None));
        for (ColourIndex colourIndex : colourIndices())
            indexCombo_->addItem(indexName(colourIndex).in(language), int(colourIndex));
        indexCombo_->setCurrentIndex(qMax(0, index));
    }
    loadIndexSettings();
}

void QualityPage::loadIndexSettings() {
    if (!indexCombo_)
        return;
    const Language language = this->language();
    indexConditions_->setText(
        IndexText::IndexConditions.in(language).arg(SampleIndex::conditions().label()));
    const LibraryIndexSettings settings = toleranceLibrary_.isEmpty()
                                              ? LibraryIndexSettings{}
                                              : controller_.indexSettings(toleranceLibrary_);
    {
        const QSignalBlocker blocker(indexCombo_);
        indexCombo_->setCurrentIndex(qMax(0, indexCombo_->findData(int(settings.index))));
    }
    // The box may be narrower than the name.
    indexCombo_->setToolTip(indexCombo_->currentText());
    const std::optional<double> values[] = {settings.stepL, settings.stepC, settings.stepH};
    for (int i = 0; i < steps_.size(); ++i) {
        const QSignalBlocker blocker(steps_[i]);
        steps_[i]->setValue(values[i].value_or(0));
    }
}

void QualityPage::saveIndexSettings() {
    if (toleranceLibrary_.isEmpty())
        return;
    indexCombo_->setToolTip(indexCombo_->currentText());
    LibraryIndexSettings settings;
    settings.index = ColourIndex(indexCombo_->currentData().toInt());
    std::optional<double>* values[] = {&settings.stepL, &settings.stepC, &settings.stepH};
    for (int i = 0; i < steps_.size(); ++i)
        if (steps_[i]->value() > 0)
            *values[i] = steps_[i]->value();
    if (settings != controller_.indexSettings(toleranceLibrary_))
        controller_.saveIndexSettings(toleranceLibrary_, settings);
}
