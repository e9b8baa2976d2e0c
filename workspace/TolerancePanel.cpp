// SPDX-License-Identifier: MIT
#include "workspace/TolerancePanel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "texts/IndexTexts.h"
#include "texts/QcTexts.h"
#include "workflow/LibraryService.h"
#include "workflow/QualityController.h"
#include "workflow/SampleIndex.h"
#include "workspace/QualityPageText.h"
#include "workspace/ToleranceExtrasPanel.h"

namespace colorcard {

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

TolerancePanel::TolerancePanel(QualityController& controller, QWidget* parent)
    : QGroupBox(parent), controller_(controller) {
    setObjectName(QStringLiteral("groupBox_qcTolerance"));
    auto* toleranceLayout = new QGridLayout(this);
    toleranceLayout->setHorizontalSpacing(6);
    formulaLabel_ = new QLabel(this);
    formulaCombo_ = new QComboBox(this);
    formulaCombo_->setObjectName(QStringLiteral("comboBox_toleranceFormula"));
    cmcLLabel_ = new QLabel(QStringLiteral("l"), this);
    cmcL_ = parameterBox(this, "doubleSpinBox_cmcL", 10);
    cmcCLabel_ = new QLabel(QStringLiteral("c"), this);
    cmcC_ = parameterBox(this, "doubleSpinBox_cmcC", 10);
    kLLabel_ = new QLabel(QStringLiteral("kL"), this);
    kL_ = parameterBox(this, "doubleSpinBox_kL", 10);
    kCLabel_ = new QLabel(QStringLiteral("kC"), this);
    kC_ = parameterBox(this, "doubleSpinBox_kC", 10);
    kHLabel_ = new QLabel(QStringLiteral("kH"), this);
    kH_ = parameterBox(this, "doubleSpinBox_kH", 10);
    limitLabel_ = new QLabel(this);
    limit_ = parameterBox(this, "doubleSpinBox_toleranceLimit", 100);
    saveTolerance_ = new QPushButton(this);
    saveTolerance_->setObjectName(QStringLiteral("pushButton_saveTolerance"));
    // Formula and its parameters above, the limit below.
    auto* parameters = new QHBoxLayout;
    parameters->setSpacing(6);
    for (QWidget* w :
         std::initializer_list<QWidget*>{formulaCombo_, cmcLLabel_, cmcL_, cmcCLabel_, cmcC_,
                                         kLLabel_, kL_, kCLabel_, kC_, kHLabel_, kH_})
        parameters->addWidget(w);
    parameters->addStretch(1);
    toleranceState_ = named(new QLabel(this), "label_toleranceState");
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
    extras_ = new ToleranceExtrasPanel(this);
    toleranceLayout->addWidget(extras_, 2, 1);

    connect(extras_, &ToleranceExtrasPanel::edited, this, &TolerancePanel::toleranceEdited);
    connect(extras_, &ToleranceExtrasPanel::ownToleranceToggled, this,
            &TolerancePanel::ownToleranceToggled);
    connect(formulaCombo_, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
        showToleranceParameters();
        toleranceEdited();
    });
    for (QDoubleSpinBox* box : {cmcL_, cmcC_, kL_, kC_, kH_, limit_})
        connect(box, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
                &TolerancePanel::toleranceEdited);
    connect(saveTolerance_, &QPushButton::clicked, this, &TolerancePanel::saveTolerance);
    buildIndexRow();
}

void TolerancePanel::retranslate() {
    formulaLabel_->setText(QualityPageText::tr("Formula:"));
    limitLabel_->setText(QualityPageText::tr("Limit ΔE ≤"));
    saveTolerance_->setText(QualityPageText::tr("Save tolerance"));
    extras_->setLanguage(language());
    retranslateIndex();
    fillFormulaCombo();
    showToleranceTitle();
    showToleranceState();
}

Language TolerancePanel::language() const {
    return controller_.library().messenger().language();
}

void TolerancePanel::toleranceChanged(const QString& libraryId) {
    if (libraryId == shownLibrary_)
        loadTolerance();
}

void TolerancePanel::showLibrary(const QString& libraryId, const QString& libraryName) {
    shownLibrary_ = libraryId;
    shownName_ = libraryName;
    showToleranceTitle();
    // The same library listed again keeps its tolerance as edited.
    if (shownLibrary_ != toleranceLibrary_ || toleranceLibrary_.isEmpty())
        loadTolerance();
}

void TolerancePanel::fillFormulaCombo() {
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

void TolerancePanel::loadTolerance() {
    toleranceLibrary_ = shownLibrary_;
    const bool any = !toleranceLibrary_.isEmpty();
    showToleranceTitle();
    for (QWidget* w : findChildren<QWidget*>())
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

void TolerancePanel::showToleranceTitle() {
    setTitle(toleranceLibrary_.isEmpty() ? QualityPageText::tr("Tolerance")
                                         : QualityPageText::tr("Tolerance: %1").arg(shownName_));
}

Tolerance TolerancePanel::editorTolerance() const {
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

ToleranceModel TolerancePanel::editorModel() const {
    ToleranceModel model;
    model.tolerance = editorTolerance();
    extras_->applyTo(model);
    return model;
}

QString TolerancePanel::editedColour() const {
    const std::optional<QualityStandard>& standard = controller_.standard();
    return extras_->ownTolerance() && standard && standard->libraryId == toleranceLibrary_
               ? standard->colourId
               : QString();
}

void TolerancePanel::standardToleranceFollows() {
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

void TolerancePanel::ownToleranceToggled(bool own) {
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

void TolerancePanel::toleranceEdited() {
    if (!toleranceLibrary_.isEmpty())
        controller_.setToleranceModelInForce(toleranceLibrary_, editedColour(), editorModel());
    showToleranceState();
    emit edited();
}

void TolerancePanel::showToleranceState() {
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

void TolerancePanel::showToleranceParameters() {
    const auto formula = DeltaEFormula(formulaCombo_->currentData().toInt());
    const bool cmc = formula == DeltaEFormula::Cmc;
    const bool de00 = formula == DeltaEFormula::Ciede2000;
    for (QWidget* w : std::initializer_list<QWidget*>{cmcLLabel_, cmcL_, cmcCLabel_, cmcC_})
        w->setVisible(cmc);
    for (QWidget* w : std::initializer_list<QWidget*>{kLLabel_, kL_, kCLabel_, kC_, kHLabel_, kH_})
        w->setVisible(de00);
}

void TolerancePanel::saveTolerance() {
    if (toleranceLibrary_.isEmpty() || (standardsGate_ && !standardsGate_()))
        return;
    controller_.saveToleranceModel(toleranceLibrary_, editedColour(), editorModel());
    showToleranceState();
}

void TolerancePanel::buildIndexRow() {
    auto* layout = qobject_cast<QGridLayout*>(QWidget::layout());
    indexLabel_ = new QLabel(this);
    indexCombo_ = new QComboBox(this);
    indexCombo_->setObjectName(QStringLiteral("comboBox_colourIndex"));
    // The longest name (D1925, withdrawn) must not widen the smallest window.
    indexCombo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    indexCombo_->setMinimumContentsLength(12);
    indexConditions_ = named(new QLabel(this), "label_indexConditions");
    stepsLabel_ = new QLabel(this);
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(indexCombo_, 1);
    row->addWidget(indexConditions_);
    row->addWidget(stepsLabel_);
    static const char* const names[] = {"doubleSpinBox_shadeStepL", "doubleSpinBox_shadeStepC",
                                        "doubleSpinBox_shadeStepH"};
    static const char* const axes[] = {"ΔL*", "ΔC*", "ΔH*"};
    for (int i = 0; i < 3; ++i) {
        QDoubleSpinBox* step = parameterBox(this, names[i], 100);
        step->setMinimum(0);  // shown as the ΔE limit
        step->setKeyboardTracking(false);
        row->addWidget(new QLabel(QString::fromUtf8(axes[i]), this));
        row->addWidget(step);
        steps_ << step;
        connect(step, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
                &TolerancePanel::saveIndexSettings);
    }
    if (layout) {
        const int at = layout->rowCount();
        layout->addWidget(indexLabel_, at, 0);
        layout->addLayout(row, at, 1);
    }

    connect(indexCombo_, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &TolerancePanel::saveIndexSettings);
}

void TolerancePanel::retranslateIndex() {
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

void TolerancePanel::loadIndexSettings() {
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

void TolerancePanel::saveIndexSettings() {
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

}  // namespace colorcard
