// SPDX-License-Identifier: MIT
#include "workspace/ResultPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "report/ComparisonReport.h"
#include "texts/QcTexts.h"
#include "texts/ReportTexts.h"
#include "workflow/LibraryService.h"
#include "workflow/QualityController.h"
#include "workflow/QualityHistoryModel.h"
#include "workspace/AbPlotView.h"
#include "workspace/QualityPageText.h"

namespace colorcard {

using QualityPageStyle::fixed;
using QualityPageStyle::labText;
using QualityPageStyle::named;

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

QString signedFixed(double value) {
    // -0.00 reads as 0.00.
    const QString text = QString::number(value, 'f', 2);
    if (text == QLatin1String("-0.00"))
        return QStringLiteral("0.00");
    return value > 0 && text != QLatin1String("0.00") ? QLatin1Char('+') + text : text;
}

}  // namespace

ResultPanel::ResultPanel(QualityController& controller, QWidget* parent)
    : QGroupBox(parent), controller_(controller) {
    setObjectName(QStringLiteral("groupBox_qcResult"));
    // The swatches, the verdict and the values stacked on the left; the
    // a*b* plot takes the rest of the width and the whole height, as the
    // largest thing of the comparison.
    auto* resultRow = new QHBoxLayout(this);
    resultRow->setSpacing(16);
    auto* resultLayout = new QVBoxLayout;
    resultRow->addLayout(resultLayout, 0);
    auto* plotColumn = new QVBoxLayout;
    plot_ = new AbPlotView(this);
    plotColumn->addWidget(plot_, 1);
    printReport_ = new QPushButton(this);
    printReport_->setObjectName(QStringLiteral("pushButton_printReport"));
    saveReport_ = new QPushButton(this);
    saveReport_->setObjectName(QStringLiteral("pushButton_saveReport"));
    auto* reportButtons = new QHBoxLayout;
    reportButtons->addStretch(1);
    reportButtons->addWidget(printReport_);
    reportButtons->addWidget(saveReport_);
    plotColumn->addLayout(reportButtons);
    resultRow->addLayout(plotColumn, 1);
    resultLayout->setSpacing(8);
    // Captions, swatches and values in rows of their own: a long name wraps
    // and the swatches keep their size whatever the names.
    auto* swatches = new QGridLayout;
    swatches->setHorizontalSpacing(16);
    swatches->setVerticalSpacing(4);
    const auto swatchColumn = [this, swatches](int column, QLabel*& caption, QLabel*& swatch,
                                               QLabel*& values, const char* captionName,
                                               const char* swatchName, const char* valuesName) {
        caption = named(new QLabel(this), captionName);
        swatch = named(new QLabel(this), swatchName);
        swatch->setMinimumSize(170, 100);
        // A tall window gives the room to the plot, not to ever taller swatches.
        swatch->setMaximumHeight(200);
        swatch->setStyleSheet(QLatin1String(kEmptySwatch));
        values = named(new QLabel(this), valuesName);
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
    swatches->setRowStretch(1, 1);
    resultLayout->addLayout(swatches, 1);
    // The verdict under both swatches, as wide as they are together.
    auto* verdictColumn = new QVBoxLayout;
    verdictColumn->setSpacing(4);
    verdict_ = named(new QLabel(this), "label_verdict");
    verdict_->setAlignment(Qt::AlignCenter);
    verdict_->setMinimumWidth(200);
    QFont big = verdict_->font();
    big.setPointSize(30);
    big.setBold(true);
    verdict_->setFont(big);
    verdictDetail_ = named(new QLabel(this), "label_verdictDetail");
    verdictDetail_->setAlignment(Qt::AlignCenter);
    verdictDetail_->setWordWrap(true);
    verdictDetail_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    verdictColumn->addWidget(verdict_);
    verdictColumn->addWidget(verdictDetail_);
    rejudgedNote_ = named(new QLabel(this), "label_rejudged");
    rejudgedNote_->setAlignment(Qt::AlignCenter);
    rejudgedNote_->setWordWrap(true);
    rejudgedNote_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    verdictColumn->addWidget(rejudgedNote_);
    resultLayout->addLayout(verdictColumn);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    static const char* const valueNames[DifferenceCount] = {"label_deltaL", "label_deltaA",
                                                            "label_deltaB", "label_deltaC",
                                                            "label_deltaH", "label_deltaE"};
    for (int i = 0; i < DifferenceCount; ++i) {
        auto* name = new QLabel(this);
        name->setAlignment(Qt::AlignCenter);
        auto* value = named(new QLabel(this), valueNames[i]);
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
    directions_ = named(new QLabel(this), "label_directions");
    deviation_ = named(new QLabel(this), "label_deviation");
    // Long directions wrap in the column instead of squeezing the plot.
    for (QLabel* words : {directions_, deviation_}) {
        words->setWordWrap(true);
        words->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    resultLayout->addWidget(directions_);
    resultLayout->addWidget(deviation_);

    sampleIndex_ = named(new QLabel(this), "label_sampleIndex");
    sampleIndex_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    sampleIndex_->setWordWrap(true);
    sampleIndex_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    sampleIndex_->hide();
    resultLayout->addWidget(sampleIndex_);

    connect(saveReport_, &QPushButton::clicked, &controller_, &QualityController::saveReport);
    connect(printReport_, &QPushButton::clicked, &controller_, &QualityController::printReport);
    connect(&controller_, &QualityController::indexSettingsChanged, this,
            &ResultPanel::showSampleIndex);
}

void ResultPanel::retranslate() {
    const Language language = controller_.library().messenger().language();
    setTitle(QualityPageText::tr("Comparison"));
    const QString names[DifferenceCount] = {QStringLiteral("ΔL*"), QStringLiteral("Δa*"),
                                            QStringLiteral("Δb*"), QStringLiteral("ΔC*"),
                                            QStringLiteral("ΔH*"), QStringLiteral("ΔE")};
    for (int i = 0; i < DifferenceCount; ++i)
        differenceNames_[i]->setText(names[i]);
    saveReport_->setText(ReportText::SaveReport.in(language));
    printReport_->setText(ReportText::PrintReport.in(language));
    showStandard();
    if (resultShown_)
        showResult();
    else
        clearResult();
}

void ResultPanel::showStandard() {
    const std::optional<QualityStandard>& standard = controller_.standard();
    if (!standard) {
        standardCaption_->setText(QualityPageText::tr("Standard: none chosen"));
        standardSwatch_->setStyleSheet(QLatin1String(kEmptySwatch));
        standardValues_->clear();
    } else {
        standardCaption_->setText(QualityPageText::tr("Standard: %1 (%2)")
                                      .arg(standard->colourName, standard->libraryName));
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

void ResultPanel::clearResult() {
    resultShown_ = false;
    sampleCaption_->setText(QualityPageText::tr("Sample"));
    sampleSwatch_->setStyleSheet(QLatin1String(kEmptySwatch));
    sampleValues_->clear();
    verdict_->setStyleSheet(QLatin1String(kNoVerdictStyle));
    verdict_->setText(QStringLiteral("—"));
    verdictDetail_->setText(controller_.standard() ? QualityPageText::tr("Measure a sample")
                                                   : QualityPageText::tr("Choose a standard"));
    for (QLabel* value : differences_)
        value->setText(QStringLiteral("—"));
    directions_->clear();
    deviation_->clear();
    rejudgedNote_->clear();
    showSampleIndex();
}

void ResultPanel::showResult() {
    const std::optional<SampleResult>& result = controller_.lastResult();
    if (!result) {
        clearResult();
        return;
    }
    resultShown_ = true;
    const Language language = controller_.library().messenger().language();
    const MeasuredColour& sample = result->sample;
    sampleCaption_->setText(QualityPageText::tr("Sample"));
    sampleSwatch_->setStyleSheet(swatchStyle(sample.red(), sample.green(), sample.blue()));
    sampleValues_->setText(labText(sample.lab()));
    deviation_->setText(sample.readings > 1
                            ? QualityPageText::tr("SD of %1 readings: L* %2   a* %3   b* %4")
                                  .arg(sample.readings)
                                  .arg(fixed(sample.deviation.L), fixed(sample.deviation.a),
                                       fixed(sample.deviation.b))
                            : QString());
    showSampleIndex();
    if (!result->standard) {
        verdict_->setStyleSheet(QLatin1String(kNoVerdictStyle));
        verdict_->setText(QStringLiteral("—"));
        verdictDetail_->setText(QualityPageText::tr("No standard chosen: nearest standards only"));
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
    verdictDetail_->setText(judgementText(c, language));
    const QString words = describeDirections(c.directions, language);
    directions_->setText(words.isEmpty()
                             ? QualityPageText::tr("No visible difference from the standard")
                             : QualityPageText::tr("Sample against standard: %1").arg(words));
}

void ResultPanel::showPlot(const ToleranceModel& edited) {
    const std::optional<QualityStandard>& standard = controller_.standard();
    const std::optional<SampleResult>& result = controller_.lastResult();
    const bool compared = result && result->standard;
    saveReport_->setEnabled(compared);
    printReport_->setEnabled(compared);
    if (!standard && !compared) {
        plot_->clear();
        return;
    }
    AbPlotData data;
    data.standard = compared ? result->standard->lab : standard->lab;
    data.standardColour = labSwatch(data.standard);
    data.tolerance = compared ? result->comparison.tolerance : edited.tolerance;
    const double warning = compared ? result->comparison.warningLevel : edited.warningLevel();
    data.warningShare = data.tolerance.limit > 0 && warning > 0 ? warning / data.tolerance.limit
                                                                : kDefaultWarningShare;
    if (compared) {
        data.sample = result->sample.lab();
        data.sampleColour =
            QColor(result->sample.red(), result->sample.green(), result->sample.blue());
        data.deviation = result->sample.deviation;
        data.readings = result->sample.readings;
    }
    plot_->setPlot(data, controller_.library().messenger().language());
}

void ResultPanel::showSampleIndex() {
    if (!sampleIndex_)
        return;
    const std::optional<SampleResult>& result = controller_.lastResult();
    QString text;
    if (resultShown_ && result) {
        const QString library = result->standard ? result->standard->libraryId : libraryShown_;
        text = controller_.indexText(library, result->sample.lab());
    }
    sampleIndex_->setText(text);
    sampleIndex_->setVisible(!text.isEmpty());
}

}  // namespace colorcard
