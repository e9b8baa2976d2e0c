// SPDX-License-Identifier: MIT
#include "workspace/QualityPage.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "report/ComparisonReport.h"
#include "texts/IndexTexts.h"
#include "texts/QcTexts.h"
#include "texts/ReportTexts.h"
#include "workflow/LibraryService.h"
#include "workflow/SampleIndex.h"
#include "workspace/AbPlotView.h"
#include "workspace/HistoryFilterBar.h"
#include "workspace/LotPanel.h"
#include "workspace/LotView.h"
#include "workspace/ToleranceExtrasPanel.h"

namespace {

const char* const kEmptySwatch =
    "background-color: rgb(220, 220, 220); border: 1px solid rgb(160, 160, 160);";
// Green and red strong enough for white text; the word says it too.
const char* const kPassStyle =
    "background-color: rgb(22, 140, 60); color: white; border-radius: 6px; padding: 6px 18px;";
const char* const kFailStyle =
    "background-color: rgb(200, 30, 30); color: white; border-radius: 6px; padding: 6px 18px;";
const char* const kWarnStyle =
    "background-color: rgb(215, 130, 0); color: white; border-radius: 6px; padding: 6px 18px;";
const char* const kNoVerdictStyle =
    "background-color: rgb(235, 235, 235); color: rgb(120, 120, 120); border-radius: 6px; "
    "padding: 6px 18px;";

enum Difference { DL, Da, Db, DC, DH, DE, DifferenceCount };

QString swatchStyle(int red, int green, int blue) {
    return QStringLiteral(
               "background-color: rgb(%1, %2, %3); border: 1px solid rgb(160, 160, 160);")
        .arg(red)
        .arg(green)
        .arg(blue);
}

QString fixed(double value) {
    return QString::number(value, 'f', 2);
}

QString signedFixed(double value) {
    // -0.00 reads as 0.00.
    const QString text = QString::number(value, 'f', 2);
    if (text == QLatin1String("-0.00"))
        return QStringLiteral("0.00");
    return value > 0 && text != QLatin1String("0.00") ? QLatin1Char('+') + text : text;
}

QString labText(const Lab& lab) {
    return QStringLiteral("L* %1   a* %2   b* %3").arg(fixed(lab.L), fixed(lab.a), fixed(lab.b));
}

QLabel* named(QLabel* label, const char* name) {
    label->setObjectName(QLatin1String(name));
    return label;
}

QDoubleSpinBox* parameterBox(QWidget* parent, const char* name, double maximum) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setDecimals(2);
    box->setRange(0.01, maximum);
    box->setSingleStep(0.1);
    return box;
}

QTableWidget* table(QWidget* parent, const char* name, int columns) {
    auto* t = new QTableWidget(0, columns, parent);
    t->setObjectName(QLatin1String(name));
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->setVisible(false);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

QString judgement(const Comparison& c, const Language& language) {
    const bool within = c.deltaE <= c.tolerance.limit;
    return QStringLiteral("%1 %2 %3 %4")
        .arg(formulaLabel(c.tolerance.method, language), fixed(c.deltaE),
             within ? QStringLiteral("≤") : QStringLiteral(">"), fixed(c.tolerance.limit));
}

QColor verdictColour(Verdict verdict) {
    switch (verdict) {
        case Verdict::Pass:
            return QColor(22, 140, 60);
        case Verdict::Warn:
            return QColor(190, 110, 0);
        case Verdict::Fail:
            break;
    }
    return QColor(200, 30, 30);
}

QTableWidgetItem* verdictCell(const QString& text, Verdict judged) {
    QTableWidgetItem* verdict = cell(text);
    verdict->setForeground(verdictColour(judged));
    QFont bold = verdict->font();
    bold.setBold(true);
    verdict->setFont(bold);
    return verdict;
}

}  // namespace

QualityPage::QualityPage(QualityController& controller, QWidget* parent)
    : QWidget(parent), controller_(controller) {
    LibraryService& library = controller.library();
    MeterController& meter = controller.meter();
    setObjectName(QStringLiteral("qualityPage"));
    nearestMethods_ = {DifferenceMethod::ciede2000(), DifferenceMethod::cmc(2, 1),
                       DifferenceMethod::cmc(1, 1),   DifferenceMethod::cie94(false),
                       DifferenceMethod::cie94(true), DifferenceMethod::cie76()};
    build();

    connect(&library, &LibraryService::libraryAppended, this, &QualityPage::fillLibraries);
    connect(&library, &LibraryService::libraryChanged, this, &QualityPage::fillLibraries);
    connect(&library, &LibraryService::libraryRemoved, this, &QualityPage::fillLibraries);
    connect(&library, &LibraryService::librariesCleared, this, &QualityPage::fillLibraries);
    connect(&library, &LibraryService::colourAppended, this, &QualityPage::fillColours);
    connect(&library, &LibraryService::colourChanged, this, &QualityPage::fillColours);
    connect(&library, &LibraryService::colourRemoved, this, &QualityPage::fillColours);

    connect(&controller_, &QualityController::standardChanged, this, &QualityPage::showStandard);
    connect(&controller_, &QualityController::standardChanged, this,
            &QualityPage::standardToleranceFollows);
    connect(&controller_, &QualityController::currentLotChanged, this,
            [this] { historyFilter_->setLots(controller_.lots()); });
    connect(&controller_, &QualityController::sampleMeasured, this, [this] {
        showResult();
        // The next sample is measured with Space or Return.
        measure_->setFocus(Qt::OtherFocusReason);
    });
    connect(&controller_, &QualityController::resultRejudged, this, &QualityPage::showResult);
    // The plot follows the standard, each sample and each tolerance edit.
    connect(&controller_, &QualityController::standardChanged, this, &QualityPage::showPlot);
    connect(&controller_, &QualityController::sampleMeasured, this, &QualityPage::showPlot);
    connect(&controller_, &QualityController::resultRejudged, this, &QualityPage::showPlot);
    connect(&controller_, &QualityController::toleranceChanged, this, &QualityPage::showPlot);
    connect(saveReport_, &QPushButton::clicked, &controller_, &QualityController::saveReport);
    connect(&controller_, &QualityController::nearestFound, this, &QualityPage::showNearest);
    connect(&controller_, &QualityController::historyChanged, this, &QualityPage::showHistory);
    connect(&controller_, &QualityController::toleranceChanged, this,
            [this](const QString& libraryId) {
                if (libraryId == libraryIdShown())
                    loadTolerance();
            });

    // The page's own count: the library page keeps another.
    readings_->setValue(meter.sampleReadingCount());
    connect(readings_, QOverload<int>::of(&QSpinBox::valueChanged), &meter,
            &MeterController::setSampleReadingCount);
    connect(&meter, &MeterController::sampleReadingCountChanged, readings_, &QSpinBox::setValue);

    retranslate();
    fillLibraries();
    clearResult();
    showHistory();
}

Language QualityPage::language() const {
    return controller_.library().messenger().language();
}

void QualityPage::build() {
    auto* page = new QGridLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(10);

    // --- the standard and the tolerance of its library --------------------
    standardBox_ = new QGroupBox(this);
    standardBox_->setObjectName(QStringLiteral("groupBox_qcStandard"));
    auto* standardLayout = new QHBoxLayout(standardBox_);
    standardLayout->setSpacing(10);
    libraryLabel_ = new QLabel(standardBox_);
    libraryCombo_ = new QComboBox(standardBox_);
    libraryCombo_->setObjectName(QStringLiteral("comboBox_qcLibrary"));
    libraryCombo_->setMinimumWidth(160);
    colourLabel_ = new QLabel(standardBox_);
    colourCombo_ = new QComboBox(standardBox_);
    colourCombo_->setObjectName(QStringLiteral("comboBox_qcStandard"));
    colourCombo_->setMinimumWidth(180);
    // Long names do not widen the page: the lists show them whole.
    for (QComboBox* combo : {libraryCombo_, colourCombo_}) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(12);
        combo->view()->setTextElideMode(Qt::ElideNone);
    }
    // Typing part of a name finds the colour.
    colourCombo_->setEditable(true);
    colourCombo_->setInsertPolicy(QComboBox::NoInsert);
    colourCombo_->completer()->setFilterMode(Qt::MatchContains);
    colourCombo_->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    colourCombo_->completer()->setCompletionMode(QCompleter::PopupCompletion);
    standardLayout->addWidget(libraryLabel_);
    standardLayout->addWidget(libraryCombo_, 1);
    standardLayout->addWidget(colourLabel_);
    standardLayout->addWidget(colourCombo_, 1);

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

    // --- the result ----------------------------------------------------------
    resultBox_ = new QGroupBox(this);
    resultBox_->setObjectName(QStringLiteral("groupBox_qcResult"));
    // The values on the left, the a*b* plot with the report button beside them.
    auto* resultRow = new QHBoxLayout(resultBox_);
    auto* resultLayout = new QVBoxLayout;
    resultRow->addLayout(resultLayout, 3);
    auto* plotColumn = new QVBoxLayout;
    plot_ = new AbPlotView(resultBox_);
    saveReport_ = new QPushButton(resultBox_);
    saveReport_->setObjectName(QStringLiteral("pushButton_saveReport"));
    plotColumn->addWidget(plot_, 1);
    plotColumn->addWidget(saveReport_);
    resultRow->addLayout(plotColumn, 2);
    resultLayout->setSpacing(8);
    // Captions, swatches and values in rows of their own: a long name wraps
    // and the swatches keep their size whatever the names.
    auto* swatches = new QGridLayout;
    swatches->setHorizontalSpacing(16);
    swatches->setVerticalSpacing(4);
    const auto swatchColumn = [this, swatches](int column, QLabel*& caption, QLabel*& swatch,
                                               QLabel*& values, const char* captionName,
                                               const char* swatchName, const char* valuesName) {
        caption = named(new QLabel(resultBox_), captionName);
        swatch = named(new QLabel(resultBox_), swatchName);
        swatch->setMinimumSize(170, 100);
        swatch->setStyleSheet(QLatin1String(kEmptySwatch));
        values = named(new QLabel(resultBox_), valuesName);
        values->setTextInteractionFlags(Qt::TextSelectableByMouse);
        caption->setWordWrap(true);
        caption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        swatch->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
        swatches->addWidget(caption, 0, column);
        swatches->addWidget(swatch, 1, column);
        swatches->addWidget(values, 2, column);
        swatches->setColumnStretch(column, 1);
    };
    swatchColumn(0, standardCaption_, standardSwatch_, standardValues_, "label_standardCaption",
                 "label_standardSwatch", "label_standardValues");
    swatchColumn(1, sampleCaption_, sampleSwatch_, sampleValues_, "label_sampleCaption",
                 "label_sampleSwatch", "label_sampleValues");
    auto* verdictColumn = new QVBoxLayout;
    verdictColumn->setSpacing(4);
    verdict_ = named(new QLabel(resultBox_), "label_verdict");
    verdict_->setAlignment(Qt::AlignCenter);
    verdict_->setMinimumWidth(200);
    QFont big = verdict_->font();
    big.setPointSize(30);
    big.setBold(true);
    verdict_->setFont(big);
    verdictDetail_ = named(new QLabel(resultBox_), "label_verdictDetail");
    verdictDetail_->setAlignment(Qt::AlignCenter);
    verdictColumn->addStretch(1);
    verdictColumn->addWidget(verdict_);
    verdictColumn->addWidget(verdictDetail_);
    rejudgedNote_ = named(new QLabel(resultBox_), "label_rejudged");
    rejudgedNote_->setAlignment(Qt::AlignCenter);
    rejudgedNote_->setWordWrap(true);
    rejudgedNote_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    verdictColumn->addWidget(rejudgedNote_);
    verdictColumn->addStretch(1);
    swatches->addLayout(verdictColumn, 0, 2, 3, 1);
    swatches->setColumnStretch(2, 1);
    swatches->setRowStretch(1, 1);
    resultLayout->addLayout(swatches, 1);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    static const char* const valueNames[DifferenceCount] = {"label_deltaL", "label_deltaA",
                                                            "label_deltaB", "label_deltaC",
                                                            "label_deltaH", "label_deltaE"};
    for (int i = 0; i < DifferenceCount; ++i) {
        auto* name = new QLabel(resultBox_);
        name->setAlignment(Qt::AlignCenter);
        auto* value = named(new QLabel(resultBox_), valueNames[i]);
        value->setAlignment(Qt::AlignCenter);
        QFont f = value->font();
        f.setPointSize(f.pointSize() + 2);
        f.setBold(i == DE);
        value->setFont(f);
        grid->addWidget(name, 0, i);
        grid->addWidget(value, 1, i);
        differenceNames_ << name;
        differences_ << value;
    }
    resultLayout->addLayout(grid);
    directions_ = named(new QLabel(resultBox_), "label_directions");
    deviation_ = named(new QLabel(resultBox_), "label_deviation");
    resultLayout->addWidget(directions_);
    resultLayout->addWidget(deviation_);

    // --- nearest standards and history ---------------------------------------
    nearestBox_ = new QGroupBox(this);
    nearestBox_->setObjectName(QStringLiteral("groupBox_qcNearest"));
    auto* nearestLayout = new QGridLayout(nearestBox_);
    nearestFormulaLabel_ = new QLabel(nearestBox_);
    nearestFormula_ = new QComboBox(nearestBox_);
    nearestFormula_->setObjectName(QStringLiteral("comboBox_nearestFormula"));
    nearest_ = table(nearestBox_, "tableWidget_nearest", 3);
    // Whole names: the columns fit their texts and the table scrolls.
    nearest_->horizontalHeader()->setStretchLastSection(false);
    nearest_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    nearestHint_ = new QLabel(nearestBox_);
    nearestLayout->addWidget(nearestFormulaLabel_, 0, 0);
    nearestLayout->addWidget(nearestFormula_, 0, 1);
    nearestLayout->setColumnStretch(1, 1);
    nearestLayout->addWidget(nearest_, 1, 0, 1, 2);
    nearestLayout->addWidget(nearestHint_, 2, 0, 1, 2);

    historyBox_ = new QGroupBox(this);
    historyBox_->setObjectName(QStringLiteral("groupBox_qcHistory"));
    auto* historyLayout = new QGridLayout(historyBox_);
    // Time, verdict, ΔE, the tolerance judged by, on request the verdict by
    // the tolerance in force now, and last the standard, the longest.
    history_ = table(historyBox_, "tableWidget_history", 6);
    // Every column fits its texts, the standard's too (the table scrolls).
    history_->horizontalHeader()->setStretchLastSection(false);
    history_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    history_->setColumnHidden(4, true);
    rejudge_ = new QCheckBox(historyBox_);
    rejudge_->setObjectName(QStringLiteral("checkBox_rejudgeHistory"));
    passRate_ = named(new QLabel(historyBox_), "label_passRate");
    export_ = new QPushButton(historyBox_);
    export_->setObjectName(QStringLiteral("pushButton_exportHistory"));
    historyFilter_ = new HistoryFilterBar(historyBox_);
    historyLayout->addWidget(historyFilter_, 0, 0, 1, 2);
    historyTabs_ = new QTabWidget(historyBox_);
    historyTabs_->setObjectName(QStringLiteral("tabWidget_history"));
    history_->setParent(nullptr);
    historyTabs_->addTab(history_, QString());
    lotView_ = new LotView(historyTabs_);
    historyTabs_->addTab(lotView_, QString());
    historyLayout->addWidget(historyTabs_, 1, 0, 1, 2);
    connect(historyTabs_, &QTabWidget::currentChanged, this, &QualityPage::showLotView);
    connect(lotView_, &LotView::saveReportRequested, this,
            [this] { controller_.saveLotReport(historyFilter_->lotId()); });
    historyLayout->addWidget(rejudge_, 2, 0, 1, 2);
    historyLayout->addWidget(passRate_, 3, 0);
    historyLayout->addWidget(export_, 3, 1, Qt::AlignRight);
    connect(historyFilter_, &HistoryFilterBar::changed, this, &QualityPage::showHistory);
    const auto lotsChanged = [this] { historyFilter_->setLots(controller_.lots()); };
    connect(&controller_, &QualityController::lotsChanged, this, lotsChanged);
    connect(extras_, &ToleranceExtrasPanel::edited, this, &QualityPage::toleranceEdited);
    connect(extras_, &ToleranceExtrasPanel::ownToleranceToggled, this,
            &QualityPage::ownToleranceToggled);

    page->addWidget(standardBox_, 0, 0);
    page->addWidget(toleranceBox_, 1, 0);
    page->addWidget(measureBox_, 2, 0);
    page->addWidget(resultBox_, 3, 0);
    page->addWidget(nearestBox_, 0, 1, 3, 1);
    page->addWidget(historyBox_, 3, 1);
    // Even halves: the history's columns need the room.
    page->setColumnStretch(0, 1);
    page->setColumnStretch(1, 1);
    page->setRowStretch(3, 1);

    connect(libraryCombo_, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &QualityPage::libraryChosen);
    connect(colourCombo_, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &QualityPage::colourChosen);
    // A typed name chooses its colour; any other text gives way to the
    // standard's name, so the field never names a colour that is not chosen.
    connect(colourCombo_->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        const int match = colourCombo_->findText(colourCombo_->currentText(), Qt::MatchFixedString);
        if (match >= 0 && match != colourCombo_->currentIndex()) {
            colourCombo_->setCurrentIndex(match);
            return;
        }
        const int current = colourCombo_->currentIndex();
        colourCombo_->setEditText(current >= 0 ? colourCombo_->itemText(current) : QString());
    });
    connect(formulaCombo_, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
        showToleranceParameters();
        toleranceEdited();
    });
    for (QDoubleSpinBox* box : {cmcL_, cmcC_, kL_, kC_, kH_, limit_})
        connect(box, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
                &QualityPage::toleranceEdited);
    connect(rejudge_, &QCheckBox::toggled, this, &QualityPage::showHistory);
    connect(saveTolerance_, &QPushButton::clicked, this, &QualityPage::saveTolerance);
    connect(measure_, &QPushButton::clicked, &controller_, &QualityController::measureSample);
    connect(nearestFormula_, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) {
                if (index >= 0 && index < nearestMethods_.size())
                    controller_.setNearestMethod(nearestMethods_[index]);
            });
    connect(nearest_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { nearestChosen(row); });
    connect(export_, &QPushButton::clicked, &controller_, &QualityController::exportHistory);
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
    standardBox_->setTitle(tr("Standard"));
    libraryLabel_->setText(tr("Library:"));
    colourLabel_->setText(tr("Standard:"));
    colourCombo_->lineEdit()->setPlaceholderText(tr("Type to search"));
    formulaLabel_->setText(tr("Formula:"));
    limitLabel_->setText(tr("Limit ΔE ≤"));
    saveTolerance_->setText(tr("Save tolerance"));
    measureBox_->setTitle(tr("Sample", "group title"));
    readingsLabel_->setText(tr("Readings:"));
    readings_->setToolTip(tr("How many readings are averaged (1–10)"));
    measure_->setText(tr("Measure sample"));
    resultBox_->setTitle(tr("Comparison"));
    const QString names[DifferenceCount] = {QStringLiteral("ΔL*"), QStringLiteral("Δa*"),
                                            QStringLiteral("Δb*"), QStringLiteral("ΔC*"),
                                            QStringLiteral("ΔH*"), QStringLiteral("ΔE")};
    for (int i = 0; i < DifferenceCount; ++i)
        differenceNames_[i]->setText(names[i]);
    nearestBox_->setTitle(tr("Nearest standards"));
    nearestFormulaLabel_->setText(tr("Formula:"));
    nearest_->setHorizontalHeaderLabels({tr("Library"), tr("Standard"), QStringLiteral("ΔE")});
    nearestHint_->setText(tr("Double-click a row to make it the standard"));
    historyBox_->setTitle(tr("History"));
    const Language language = this->language();
    history_->setHorizontalHeaderLabels({tr("Time"), tr("Result"), QStringLiteral("ΔE"),
                                         QcText::HistoryJudgedBy.in(language),
                                         QcText::HistoryRejudged.in(language), tr("Standard")});
    rejudge_->setText(QcText::HistoryRejudge.in(language));
    export_->setText(tr("Export CSV"));
    extras_->setLanguage(language);
    lotPanel_->setLanguage(language);
    historyFilter_->setLanguage(language);
    lotView_->setLanguage(language);
    historyTabs_->setTabText(0, QcText::HistoryTab.in(language));
    historyTabs_->setTabText(1, QcText::LotViewTab.in(language));
    historyFilter_->setLots(controller_.lots());
    retranslateIndex();
    saveReport_->setText(ReportText::SaveReport.in(language));
    showPlot();

    fillFormulaCombos();
    showToleranceTitle();
    showToleranceState();
    showStandard();
    if (resultShown_)
        showResult();
    else
        clearResult();
    showNearest();
    showHistory();
}

void QualityPage::fillFormulaCombos() {
    const Language language = this->language();
    {
        const QSignalBlocker blocker(nearestFormula_);
        const int index = qMax(0, nearestFormula_->currentIndex());
        nearestFormula_->clear();
        for (const DifferenceMethod& method : nearestMethods_)
            nearestFormula_->addItem(formulaLabel(method, language));
        nearestFormula_->setCurrentIndex(index);
    }
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

QString QualityPage::libraryIdShown() const {
    return libraryCombo_->currentData().toString();
}

// --- the standard ------------------------------------------------------------

void QualityPage::fillLibraries() {
    const QString shown = libraryIdShown();
    {
        const QSignalBlocker blocker(libraryCombo_);
        libraryCombo_->clear();
        for (const LibraryEntry& entry : controller_.library().libraries())
            libraryCombo_->addItem(entry.name, entry.id);
        int index = libraryCombo_->findData(shown);
        if (index < 0 && controller_.standard())
            index = libraryCombo_->findData(controller_.standard()->libraryId);
        libraryCombo_->setCurrentIndex(index >= 0 ? index : (libraryCombo_->count() ? 0 : -1));
    }
    libraryChosen();
}

void QualityPage::libraryChosen() {
    // The standard is a colour of the library shown, judged by the tolerance shown.
    const std::optional<QualityStandard>& standard = controller_.standard();
    if (standard && standard->libraryId != libraryIdShown())
        controller_.clearStandard();
    fillColours();
    showToleranceTitle();
    // The same library listed again keeps its tolerance as edited.
    if (libraryIdShown() != toleranceLibrary_ || toleranceLibrary_.isEmpty())
        loadTolerance();
}

void QualityPage::fillColours() {
    const QSignalBlocker blocker(colourCombo_);
    colourCombo_->clear();
    const QString libraryId = libraryIdShown();
    for (const LibraryEntry& entry : controller_.library().libraries()) {
        if (entry.id != libraryId)
            continue;
        for (const ColourEntry& colour : entry.colours)
            colourCombo_->addItem(colour.name, colour.id);
    }
    const std::optional<QualityStandard>& standard = controller_.standard();
    colourCombo_->setCurrentIndex(standard && standard->libraryId == libraryId
                                      ? colourCombo_->findData(standard->colourId)
                                      : -1);
}

void QualityPage::colourChosen(int index) {
    if (index < 0)
        return;
    controller_.chooseStandard(libraryIdShown(), colourCombo_->itemData(index).toString());
}

void QualityPage::nearestChosen(int row) {
    const QVector<NearestResult>& found = controller_.lastNearest();
    if (row < 0 || row >= found.size())
        return;
    // The sample on show is judged against the new standard.
    controller_.judgeAgainst(found[row].libraryId, found[row].colourId);
}

void QualityPage::showStandard() {
    const std::optional<QualityStandard>& standard = controller_.standard();
    // The combo boxes follow a standard chosen elsewhere (the nearest list).
    if (standard) {
        const int library = libraryCombo_->findData(standard->libraryId);
        if (library >= 0 && library != libraryCombo_->currentIndex())
            libraryCombo_->setCurrentIndex(library);
        const int colour = colourCombo_->findData(standard->colourId);
        if (colour != colourCombo_->currentIndex()) {
            const QSignalBlocker blocker(colourCombo_);
            colourCombo_->setCurrentIndex(colour);
        }
    }
    if (!standard) {
        standardCaption_->setText(tr("Standard: none chosen"));
        standardSwatch_->setStyleSheet(QLatin1String(kEmptySwatch));
        standardValues_->clear();
    } else {
        standardCaption_->setText(
            tr("Standard: %1 (%2)").arg(standard->colourName, standard->libraryName));
        standardSwatch_->setStyleSheet(swatchStyle(standard->red, standard->green, standard->blue));
        standardValues_->setText(labText(standard->lab));
    }
    // A result shown belongs to the standard it was judged against.
    const std::optional<SampleResult>& last = controller_.lastResult();
    const auto key = [](const std::optional<QualityStandard>& s) {
        return s ? s->libraryId + QLatin1Char('\n') + s->colourId : QString();
    };
    if (!resultShown_ || (last && key(last->standard) != key(standard)))
        clearResult();
}

// --- tolerance -----------------------------------------------------------------

void QualityPage::loadTolerance() {
    toleranceLibrary_ = libraryIdShown();
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
                                : tr("Tolerance: %1").arg(libraryCombo_->currentText()));
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
    if (rejudge_->isChecked())
        showHistory();
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
    if (toleranceLibrary_.isEmpty() || (standardsGate_ && !standardsGate_()))
        return;
    controller_.saveToleranceModel(toleranceLibrary_, editedColour(), editorModel());
    showToleranceState();
}

// --- result ----------------------------------------------------------------------

void QualityPage::clearResult() {
    resultShown_ = false;
    sampleCaption_->setText(tr("Sample"));
    sampleSwatch_->setStyleSheet(QLatin1String(kEmptySwatch));
    sampleValues_->clear();
    verdict_->setStyleSheet(QLatin1String(kNoVerdictStyle));
    verdict_->setText(QStringLiteral("—"));
    verdictDetail_->setText(controller_.standard() ? tr("Measure a sample")
                                                   : tr("Choose a standard"));
    for (QLabel* value : differences_)
        value->setText(QStringLiteral("—"));
    directions_->clear();
    deviation_->clear();
    rejudgedNote_->clear();
    showSampleIndex();
}

void QualityPage::showResult() {
    const std::optional<SampleResult>& result = controller_.lastResult();
    if (!result) {
        clearResult();
        return;
    }
    resultShown_ = true;
    const Language language = this->language();
    const MeasuredColour& sample = result->sample;
    sampleCaption_->setText(tr("Sample"));
    sampleSwatch_->setStyleSheet(swatchStyle(sample.red(), sample.green(), sample.blue()));
    sampleValues_->setText(labText(sample.lab()));
    deviation_->setText(sample.readings > 1
                            ? tr("SD of %1 readings: L* %2   a* %3   b* %4")
                                  .arg(sample.readings)
                                  .arg(fixed(sample.deviation.L), fixed(sample.deviation.a),
                                       fixed(sample.deviation.b))
                            : QString());
    showSampleIndex();
    if (!result->standard) {
        verdict_->setStyleSheet(QLatin1String(kNoVerdictStyle));
        verdict_->setText(QStringLiteral("—"));
        verdictDetail_->setText(tr("No standard chosen: nearest standards only"));
        rejudgedNote_->clear();
        for (QLabel* value : differences_)
            value->setText(QStringLiteral("—"));
        directions_->clear();
        return;
    }
    rejudgedNote_->setText(result->rejudged ? QcText::ResultRejudged.in(language) : QString());
    const Comparison& c = result->comparison;
    const LabDifferences& d = c.differences;
    const double values[DifferenceCount] = {d.dL, d.da, d.db, d.dC, d.dH, c.deltaE};
    for (int i = 0; i < DifferenceCount; ++i)
        differences_[i]->setText(i == DE ? fixed(values[i]) : signedFixed(values[i]));
    differenceNames_[DE]->setText(formulaLabel(c.tolerance.method, language));
    verdict_->setText(verdictWord(c.verdict, language));
    verdict_->setStyleSheet(QLatin1String(c.verdict == Verdict::Pass   ? kPassStyle
                                          : c.verdict == Verdict::Warn ? kWarnStyle
                                                                       : kFailStyle));
    verdictDetail_->setText(judgement(c, language));
    const QString words = describeDirections(c.directions, language);
    directions_->setText(words.isEmpty() ? tr("No visible difference from the standard")
                                         : tr("Sample against standard: %1").arg(words));
}

void QualityPage::showNearest() {
    const QVector<NearestResult>& found = controller_.lastNearest();
    nearest_->setRowCount(found.size());
    for (int row = 0; row < found.size(); ++row) {
        nearest_->setItem(row, 0, cell(found[row].libraryName));
        nearest_->setItem(row, 1, cell(found[row].colourName));
        nearest_->setItem(row, 2, cell(fixed(found[row].deltaE)));
    }
}

// --- history ---------------------------------------------------------------------

void QualityPage::showHistory() {
    const Language language = this->language();
    const bool rejudge = rejudge_->isChecked();
    history_->setColumnHidden(4, !rejudge);
    const std::optional<QualityStandard>& standard = controller_.standard();
    const QVector<QualityStore::HistoryEntry> entries = controller_.history(
        historyFilter_->filter(standard ? standard->libraryId : QString(),
                               standard ? standard->colourId : QString(), kHistoryRows));
    // The tolerance in force for each library (as edited for the one shown).
    QHash<QString, std::optional<ToleranceModel>> current;
    history_->setRowCount(entries.size());
    for (int row = 0; row < entries.size(); ++row) {
        const QualityStore::HistoryEntry& e = entries[row];
        QTableWidgetItem* time =
            cell(e.time.toLocalTime().toString(QStringLiteral("MM-dd HH:mm:ss")));
        if (!e.lotName.isEmpty())
            time->setToolTip(QcText::HistoryLotColumn.in(language) + QStringLiteral(": ") +
                             e.lotName);
        history_->setItem(row, 0, time);
        history_->setItem(row, 1, verdictCell(verdictWord(e.judged(), language), e.judged()));
        history_->setItem(row, 2, cell(fixed(e.deltaE)));
        history_->setItem(row, 3,
                          cell(e.toleranceKnown ? QStringLiteral("%1 ≤ %2").arg(
                                                      formulaLabel(e.tolerance.method, language),
                                                      fixed(e.tolerance.limit))
                                                : QcText::ToleranceUnknown.in(language)));
        history_->setItem(row, 5, cell(QStringLiteral("%1 / %2").arg(e.libraryName, e.colourName)));
        if (!rejudge) {
            history_->setItem(row, 4, nullptr);
            continue;
        }
        const QString key = e.libraryId + QLatin1Char('\n') + e.colourId;
        if (!current.contains(key))
            current.insert(key, controller_.toleranceModel(e.libraryId, e.colourId));
        const std::optional<ToleranceModel> now = current.value(key);
        if (!now) {
            history_->setItem(row, 4, cell(QStringLiteral("—")));
            continue;
        }
        const Comparison again = compare(e.standard, e.sample, *now);
        history_->setItem(
            row, 4,
            verdictCell(QStringLiteral("%1 (%2)").arg(verdictWord(again.verdict, language),
                                                      judgement(again, language)),
                        again.verdict));
    }
    showHistoryIndices(entries);
    showLotView();
    const QualityStore::PassRate rate = controller_.passRate();
    passRate_->setText(rate.total ? tr("Pass rate: %1% (%2/%3)")
                                        .arg(QString::number(rate.rate() * 100, 'f', 1))
                                        .arg(rate.passed)
                                        .arg(rate.total)
                                  : tr("Pass rate: — (no results yet)"));
    export_->setEnabled(rate.total > 0);
}

void QualityPage::showLotView() {
    // Drawn only while on show: a long history takes a moment.
    if (historyTabs_->currentWidget() != lotView_)
        return;
    const std::optional<QualityStandard>& standard = controller_.standard();
    HistoryFilter filter = historyFilter_->filter(standard ? standard->libraryId : QString(),
                                                  standard ? standard->colourId : QString(), -1);
    const QVector<QualityStore::HistoryEntry> newestFirst = controller_.history(filter);
    const QVector<QualityStore::HistoryEntry> oldestFirst(newestFirst.crbegin(),
                                                          newestFirst.crend());
    ShadeSteps steps;
    if (!oldestFirst.isEmpty()) {
        const QualityStore::HistoryEntry& last = oldestFirst.constLast();
        const double limit = controller_.toleranceModel(last.libraryId, last.colourId)
                                 .value_or(ToleranceModel{})
                                 .tolerance.limit;
        steps = controller_.indexSettings(last.libraryId).steps(limit);
    }
    lotView_->showComparisons(oldestFirst, controller_.trend(filter), steps,
                              historyFilter_->lotId() > 0);
}

void QualityPage::showPlot() {
    const std::optional<QualityStandard>& standard = controller_.standard();
    const std::optional<SampleResult>& result = controller_.lastResult();
    const bool compared = result && result->standard;
    saveReport_->setEnabled(compared);
    if (!standard && !compared) {
        plot_->clear();
        return;
    }
    AbPlotData data;
    data.standard = compared ? result->standard->lab : standard->lab;
    data.standardColour = labSwatch(data.standard);
    data.tolerance = compared ? result->comparison.tolerance : editorTolerance();
    const double warning =
        compared ? result->comparison.warningLevel : editorModel().warningLevel();
    data.warningShare = data.tolerance.limit > 0 && warning > 0 ? warning / data.tolerance.limit
                                                                : kDefaultWarningShare;
    if (compared) {
        data.sample = result->sample.lab();
        data.sampleColour =
            QColor(result->sample.red(), result->sample.green(), result->sample.blue());
        data.deviation = result->sample.deviation;
        data.readings = result->sample.readings;
    }
    plot_->setPlot(data, language());
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

    sampleIndex_ = named(new QLabel(resultBox_), "label_sampleIndex");
    sampleIndex_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    sampleIndex_->hide();
    if (auto* result = qobject_cast<QBoxLayout*>(resultBox_->layout()))
        result->addWidget(sampleIndex_);

    // Last in the model, shown before the standard (the longest column).
    history_->setColumnCount(history_->columnCount() + 1);
    const int column = history_->columnCount() - 1;
    history_->setColumnHidden(column, true);
    history_->horizontalHeader()->moveSection(column, column - 1);

    connect(indexCombo_, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &QualityPage::saveIndexSettings);
    connect(&controller_, &QualityController::indexSettingsChanged, this, [this] {
        showSampleIndex();
        showHistory();
    });
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
    const int column = history_->columnCount() - 1;
    history_->setHorizontalHeaderItem(column,
                                      new QTableWidgetItem(IndexText::IndexColumn.in(language)));
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

void QualityPage::showSampleIndex() {
    if (!sampleIndex_)
        return;
    const std::optional<SampleResult>& result = controller_.lastResult();
    QString text;
    if (resultShown_ && result) {
        const QString library = result->standard ? result->standard->libraryId : libraryIdShown();
        text = controller_.indexText(library, result->sample.lab());
    }
    sampleIndex_->setText(text);
    sampleIndex_->setVisible(!text.isEmpty());
}

void QualityPage::showHistoryIndices(const QVector<QualityStore::HistoryEntry>& entries) {
    const int column = history_->columnCount() - 1;
    bool any = false;
    for (int row = 0; row < entries.size(); ++row) {
        const QString text = controller_.indexText(entries[row].libraryId, entries[row].sample,
                                                   /*brief=*/true);
        QTableWidgetItem* item = cell(text);
        // The column is narrow: the words of the range mark are in the tip.
        if (!text.isEmpty())
            item->setToolTip(controller_.indexText(entries[row].libraryId, entries[row].sample));
        history_->setItem(row, column, item);
        any = any || !text.isEmpty();
    }
    history_->setColumnHidden(column, !any);
}
