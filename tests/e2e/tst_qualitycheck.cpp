// SPDX-License-Identifier: MIT
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>
#include <algorithm>

#include "store/IndexSettingsStore.h"
#include "tests/support/SimWindow.h"
#include "workspace/PageSwitcher.h"
#include "workspace/QualityPage.h"

using namespace colorcard;

namespace {

Lab labOfRgb(int r, int g, int b) {
    const SimMeasurement m = SimMeter::measurementFromRgb(r, g, b);
    return {m[0] / 100.0, m[1] / 100.0, m[2] / 100.0};
}

constexpr int kHistoryIndexColumn = 6;

// A sample within the limit is WARN over the default warning level, 80 % of it.
QString within(double deltaE, double limit) {
    return deltaE > 0.8 * limit ? QStringLiteral("警告") : QStringLiteral("合格");
}

QString fixed(double value) {
    return QString::number(value, 'f', 2);
}

// The window with the sample libraries exported from the simulated meter,
// showing the quality-control page.
struct QualityWindow : SimWindow {
    QualityPage* qc = nullptr;

    QualityWindow() {
        backend.meter().loadLibraries(SimMeter::sampleLibraries());
        start();
    }
    // After start(): the meter identified, its libraries in the store.
    bool ready() {
        if (!QTest::qWaitFor([this] { return page()->library().libraryCount() == 3; }))
            return false;
        prompt.clear();
        qc = window->qualityPage();
        window->pageSwitcher()->button(PageSwitcher::Quality)->click();
        return window->findChild<QStackedWidget*>("stackedWidget")->currentWidget() == qc;
    }
    template <typename T>
    T* get(const char* name) const {
        return qc->findChild<T*>(QLatin1String(name));
    }
    QString text(const char* label) const { return get<QLabel>(label)->text(); }
    void under(int r, int g, int b) {
        backend.meter().setMeasurement(SimMeter::measurementFromRgb(r, g, b));
    }
    void chooseStandard(const QString& library, const QString& colour) {
        auto* libraries = get<QComboBox>("comboBox_qcLibrary");
        libraries->setCurrentIndex(libraries->findText(library));
        auto* colours = get<QComboBox>("comboBox_qcStandard");
        colours->setCurrentIndex(colours->findText(colour));
    }
    void measure() { get<QPushButton>("pushButton_measureSample")->click(); }
    // L*a*b* of a listed colour.
    Lab standardLab(const QString& library, const QString& colour) const {
        for (const LibraryEntry& e : page()->library().libraries())
            for (const ColourEntry& c : e.colours)
                if (e.name == library && c.name == colour)
                    return {c.L.toDouble(), c.a.toDouble(), c.b.toDouble()};
        return {};
    }
    QStringList tableRows(const char* name) const {
        auto* table = get<QTableView>(name);
        const QAbstractItemModel* model = table->model();
        QStringList rows;
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                // The history's index column counts only while it is shown.
                if (c != kHistoryIndexColumn || !table->isColumnHidden(c))
                    cells << model->index(r, c).data().toString();
            rows << cells.join('|');
        }
        return rows;
    }
    QList<QVector<Colour>> everyColour() {
        QList<QVector<Colour>> all;
        for (const Library& record : page()->store().selectLibraries())
            all << page()->store().selectColours(record.id);
        return all;
    }
};

}  // namespace

// Quality control as a user at the bench does it: the demo's meter, the window,
// scripted prompts.
class QualityCheckTest : public QObject {
    Q_OBJECT
private slots:
    void judgesSamplesAgainstAStandard() {
        QualityWindow w;
        QVERIFY(w.ready());
        const QList<QVector<Colour>> before = w.everyColour();

        w.chooseStandard("Primary", "Red");
        QCOMPARE(w.text("label_standardCaption"), QString("标准色：Red（Primary）"));
        QVERIFY(w.get<QLabel>("label_standardSwatch")->styleSheet().contains("rgb(220, 30, 40)"));
        const Lab red = w.standardLab("Primary", "Red");

        // FAIL or PASS in words and colour, with the direction in words.
        const struct {
            int r, g, b;
            bool pass;
        } samples[] = {{220, 30, 40, true}, {200, 60, 40, false}, {221, 31, 40, true}};
        for (const auto& s : samples) {
            w.under(s.r, s.g, s.b);
            w.measure();
            const Lab sample = labOfRgb(s.r, s.g, s.b);
            const LabDifferences d = labDifferences(red, sample);
            QCOMPARE(w.text("label_verdict"), QString(s.pass ? "合格" : "不合格"));
            QVERIFY(w.get<QLabel>("label_verdict")
                        ->styleSheet()
                        .contains(s.pass ? "rgb(22, 140, 60)" : "rgb(200, 30, 30)"));
            QCOMPARE(w.text("label_deltaE"), fixed(deltaE00(red, sample)));
            QCOMPARE(w.text("label_deltaL").toDouble(), fixed(d.dL).toDouble());
            QCOMPARE(w.text("label_deltaA").toDouble(), fixed(d.da).toDouble());
            QCOMPARE(w.text("label_deltaH").toDouble(), fixed(d.dH).toDouble());
            QCOMPARE(
                w.text("label_verdictDetail"),
                QString("ΔE00 %1 %2 1.00").arg(fixed(deltaE00(red, sample)), s.pass ? "≤" : ">"));
            const SimMeasurement m = SimMeter::measurementFromRgb(s.r, s.g, s.b);
            QVERIFY(w.get<QLabel>("label_sampleSwatch")
                        ->styleSheet()
                        .contains(QString("rgb(%1, %2, %3)").arg(m[16]).arg(m[17]).arg(m[18])));
            const QString words = describeDirections(directions(d), Language::chinese());
            QCOMPARE(w.text("label_directions"), words.isEmpty() ? QString("样品与标准色无明显差别")
                                                                 : "样品相对标准色：" + words);
        }

        // The five nearest standards of every library, by ΔE00 at first.
        const Lab last = labOfRgb(221, 31, 40);
        QVector<QPair<double, QString>> all;
        for (const LibraryEntry& e : w.page()->library().libraries())
            for (const ColourEntry& c : e.colours)
                all << qMakePair(deltaE00(w.standardLab(e.name, c.name), last),
                                 e.name + '|' + c.name + '|');
        std::sort(all.begin(), all.end());
        QStringList expected;
        for (int i = 0; i < 5; ++i)
            expected << all[i].second + fixed(all[i].first);
        QCOMPARE(w.tableRows("tableWidget_nearest"), expected);
        // Every result kept, newest first, with the tolerance it was judged
        // by; the libraries never changed.
        QStringList history = w.tableRows("tableWidget_history");
        QCOMPARE(history.size(), 3);
        QVERIFY(history[0].endsWith("|合格|" + fixed(deltaE00(red, last)) +
                                    "|ΔE00 ≤ 1.00||Primary / Red"));
        QVERIFY(history[1].contains("|不合格|"));
        QVERIFY(history[1].endsWith("|ΔE00 ≤ 1.00||Primary / Red"));
        QVERIFY(history[2].endsWith("|合格|0.00|ΔE00 ≤ 1.00||Primary / Red"));
        QCOMPARE(w.text("label_passRate"), QString("合格率：66.7%（2/3）"));

        // Double-clicking one makes it the standard and judges the sample
        // just measured against it: the sample stays, a comparison is added.
        const QString sampleValues = w.text("label_sampleValues");
        const QString other = all[1].second.section('|', 1, 1);
        const QString otherLibrary = all[1].second.section('|', 0, 0);
        emit w.get<QTableWidget>("tableWidget_nearest")->cellDoubleClicked(1, 0);
        QCOMPARE(w.qc->controller().standard()->colourName, other);
        QCOMPARE(w.get<QComboBox>("comboBox_qcStandard")->currentText(), other);
        QCOMPARE(w.text("label_sampleValues"), sampleValues);
        const double toOther = deltaE00(w.standardLab(otherLibrary, other), last);
        QCOMPARE(w.text("label_deltaE"), fixed(toOther));
        QCOMPARE(w.text("label_verdict"), QString(toOther <= 1 ? "合格" : "不合格"));
        history = w.tableRows("tableWidget_history");
        QCOMPARE(history.size(), 4);
        QVERIFY(history[0].endsWith('|' + fixed(toOther) + "|ΔE00 ≤ 1.00||" + otherLibrary + " / " +
                                    other));
        QCOMPARE(w.everyColour(), before);
        QCOMPARE(w.prompt.messages(), QStringList());
    }

    // n readings, each asked for, averaged; each page keeps its own count.
    void averagesReadingsAndExportsTheHistory() {
        QualityWindow w;
        QVERIFY(w.ready());
        w.chooseStandard("Primary", "Red");
        w.get<QSpinBox>("spinBox_qcReadings")->setValue(3);
        auto* libraryReadings = w.page()->findChild<QSpinBox*>("spinBox_readings");
        QCOMPARE(libraryReadings->value(), 1);
        libraryReadings->setValue(2);
        QCOMPARE(w.get<QSpinBox>("spinBox_qcReadings")->value(), 3);
        libraryReadings->setValue(1);
        const int colours[][3] = {{221, 31, 40}, {219, 30, 42}, {222, 29, 39}};
        w.under(221, 31, 40);
        QObject::connect(&w.page()->meter(), &MeterController::readingTaken, w.qc,
                         [&w, &colours](int reading, int count) {
                             if (reading < count)
                                 w.under(colours[reading][0], colours[reading][1],
                                         colours[reading][2]);
                         });
        w.prompt.answers << true << true;
        w.measure();
        QCOMPARE(w.prompt.questions().size(), 2);
        QVector<Lab> readings;
        for (const auto& c : colours)
            readings << labOfRgb(c[0], c[1], c[2]);
        const AveragedReading expected = averageReadings(readings);
        const QStringList shown = w.text("label_sampleValues").split(' ', Qt::SkipEmptyParts);
        QCOMPARE(shown.size(), 6);  // L* value a* value b* value
        QVERIFY(std::abs(shown[1].toDouble() - expected.mean.L) <= 0.0051);
        QVERIFY(std::abs(shown[3].toDouble() - expected.mean.a) <= 0.0051);
        QVERIFY(std::abs(shown[5].toDouble() - expected.mean.b) <= 0.0051);
        QCOMPARE(w.text("label_deviation"),
                 QString("3 次读数的标准差：L* %1   a* %2   b* %3")
                     .arg(fixed(expected.deviation.L), fixed(expected.deviation.a),
                          fixed(expected.deviation.b)));
        const auto kept = w.qc->controller().quality().history();
        QCOMPARE(kept->first().readings, 3);

        // Exported as CSV through the save dialog, in the program's language.
        const QString path = w.data.filePath("qc.csv");
        w.prompt.fileNames << path;
        w.get<QPushButton>("pushButton_exportHistory")->click();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        // The byte-order mark lets spreadsheet programs read the Chinese.
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split("\r\n");
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith("时间,仪器编号,色卡库,标准色,"));
        QVERIFY(lines[0].endsWith(",ΔL*,Δa*,Δb*,ΔE,公式,容差,结果"));
        QVERIFY(lines[1].contains(",Primary,Red,"));
        const Lab red = w.standardLab("Primary", "Red");
        const Lab mean = kept->first().sample;
        const auto four = [](double v) { return QString::number(v, 'f', 4); };
        QVERIFY2(lines[1].endsWith(",3," + four(expected.deviation.L) + ',' +
                                   four(expected.deviation.a) + ',' + four(expected.deviation.b) +
                                   ',' + four(mean.L - red.L) + ',' + four(mean.a - red.a) + ',' +
                                   four(mean.b - red.b) + ',' + four(kept->first().deltaE) +
                                   ",ΔE00,1.0000,合格"),
                 qPrintable(lines[1]));
        QCOMPARE(w.prompt.messages(), QStringList{"已导出1条结果到 " + path + "。"});
    }

    // The tolerance of the chosen library is edited on the page, judges the
    // next sample and goes with its library.
    void editsTheToleranceOfALibrary() {
        QualityWindow w;
        QVERIFY(w.ready());
        w.chooseStandard("Primary", "Red");
        auto* formula = w.get<QComboBox>("comboBox_toleranceFormula");
        formula->setCurrentIndex(formula->findData(int(DeltaEFormula::Cmc)));
        QVERIFY(w.get<QDoubleSpinBox>("doubleSpinBox_cmcL")->isVisibleTo(w.qc));
        QVERIFY(!w.get<QDoubleSpinBox>("doubleSpinBox_kL")->isVisibleTo(w.qc));
        w.get<QDoubleSpinBox>("doubleSpinBox_cmcL")->setValue(1);
        w.get<QDoubleSpinBox>("doubleSpinBox_toleranceLimit")->setValue(8);
        w.get<QPushButton>("pushButton_saveTolerance")->click();
        const QString primary = w.page()->library().library(0).id;
        QCOMPARE(*w.qc->controller().quality().tolerance(primary),
                 (Tolerance{DifferenceMethod::cmc(1, 1), 8}));

        w.under(200, 60, 40);
        w.measure();
        const double cmc = deltaECmc(w.standardLab("Primary", "Red"), labOfRgb(200, 60, 40), 1, 1);
        QCOMPARE(w.text("label_deltaE"), fixed(cmc));
        QCOMPARE(w.text("label_verdict"), QString(cmc <= 8 ? "合格" : "不合格"));
        QVERIFY(w.text("label_verdictDetail").startsWith("ΔE CMC(1:1) "));

        // Another library shows its own (default) tolerance.
        w.get<QComboBox>("comboBox_qcLibrary")->setCurrentIndex(1);
        QCOMPARE(formula->currentData().toInt(), int(DeltaEFormula::Ciede2000));
        QCOMPARE(w.get<QDoubleSpinBox>("doubleSpinBox_toleranceLimit")->value(), 1.0);

        // Deleting the library on the library page takes its tolerance along.
        QVERIFY(w.page()->session().edits().deleteLibrary(0));
        QCOMPARE(*w.qc->controller().quality().tolerance(primary), Tolerance{});
        QVERIFY(!w.qc->controller().standard());
        QCOMPARE(w.text("label_standardCaption"), QString("标准色：未选择"));
        QCOMPARE(w.get<QComboBox>("comboBox_qcLibrary")->count(), 2);
    }

    // The library's index is chosen on the page and shown for each of its
    // samples, in the result and the history, under the conditions of the
    // settings (D65/10° by default); out of the formula's range it is marked.
    void showsTheIndexOfTheLibrary() {
        QualityWindow w;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, w.data.path());
        QVERIFY(w.ready());
        w.chooseStandard("Primary", "Red");
        w.under(200, 60, 40);
        w.measure();
        QVERIFY(!w.get<QLabel>("label_sampleIndex")->isVisibleTo(w.qc));
        QCOMPARE(w.tableRows("tableWidget_history").first().count('|'), 5);

        auto* index = w.get<QComboBox>("comboBox_colourIndex");
        index->setCurrentIndex(index->findData(int(ColourIndex::CieWhiteness)));
        QCOMPARE(w.text("label_indexConditions"), QString("条件 D65/10°"));
        const QString primary = w.page()->library().library(0).id;
        IndexSettingsStore stored(w.page()->store().connectionName());
        QCOMPARE(stored.settings(primary)->index, ColourIndex::CieWhiteness);
        const IndexValue red =
            colourIndex(ColourIndex::CieWhiteness, labOfRgb(200, 60, 40), MeasuringConditions{});
        QCOMPARE(w.text("label_sampleIndex"),
                 QString("CIE 白度 W %1（超出公式适用范围）").arg(fixed(red.value)));

        w.under(250, 250, 252);
        w.measure();
        const IndexValue white =
            colourIndex(ColourIndex::CieWhiteness, labOfRgb(250, 250, 252), MeasuringConditions{});
        QVERIFY(white.inRange);
        QCOMPARE(w.text("label_sampleIndex"), "CIE 白度 W " + fixed(white.value));
        const QStringList history = w.tableRows("tableWidget_history");
        QVERIFY(history[0].endsWith("|W " + fixed(white.value)));
        QVERIFY(history[1].endsWith("|W " + fixed(red.value) + " *"));
        QCOMPARE(w.get<QTableView>("tableWidget_history")
                     ->model()
                     ->index(1, kHistoryIndexColumn)
                     .data(Qt::ToolTipRole)
                     .toString(),
                 QString("CIE 白度 W %1（超出公式适用范围）").arg(fixed(red.value)));

        // The shade steps: 0 follows the ΔE limit.
        w.get<QDoubleSpinBox>("doubleSpinBox_shadeStepL")->setValue(0.5);
        QCOMPARE(stored.settings(primary)->steps(1.0), (ShadeSteps{0.5, 1.0, 1.0}));

        // Another library shows its own settings; back on this one, no index.
        w.get<QComboBox>("comboBox_qcLibrary")->setCurrentIndex(1);
        QCOMPARE(index->currentData().toInt(), int(ColourIndex::None));
        QCOMPARE(w.get<QDoubleSpinBox>("doubleSpinBox_shadeStepL")->value(), 0.0);
        w.get<QComboBox>("comboBox_qcLibrary")->setCurrentIndex(0);
        QCOMPARE(w.get<QDoubleSpinBox>("doubleSpinBox_shadeStepL")->value(), 0.5);
        index->setCurrentIndex(index->findData(int(ColourIndex::None)));
        QVERIFY(!w.get<QLabel>("label_sampleIndex")->isVisibleTo(w.qc));
        QCOMPARE(w.tableRows("tableWidget_history").first().count('|'), 5);
        QCOMPARE(w.prompt.messages(), QStringList());

        // The settings go with their library.
        QVERIFY(w.page()->session().edits().deleteLibrary(0));
        QCOMPARE(*stored.settings(primary), LibraryIndexSettings{});
    }

    // A standard is found by typing its name; other text does not stay.
    void findsTheStandardByName() {
        QualityWindow w;
        QVERIFY(w.ready());
        auto* colours = w.get<QComboBox>("comboBox_qcStandard");
        QCOMPARE(colours->currentIndex(), -1);
        const struct {
            const char* typed;
            const char* standard;  // chosen afterwards, "" for none
            const char* shown;
        } steps[] = {{"Blu", "", ""},
                     {"magenta", "Magenta", "Magenta"},
                     {"3", "Magenta", "Magenta"},
                     {"red", "Red", "Red"}};
        for (const auto& step : steps) {
            colours->lineEdit()->selectAll();
            QTest::keyClicks(colours->lineEdit(), step.typed);
            QTest::keyClick(colours->lineEdit(), Qt::Key_Return);
            QTest::keyClick(colours->lineEdit(), Qt::Key_Escape);
            const auto& standard = w.qc->controller().standard();
            QCOMPARE(standard ? standard->colourName : QString(), QString(step.standard));
            QCOMPARE(colours->currentText(), QString(step.shown));
        }
        QCOMPARE(colours->count(), 6);
    }

    // Every text of the page follows the program's language.
    void switchesLanguage() {
        QualityWindow w;
        QVERIFY(w.ready());
        w.chooseStandard("Primary", "Red");
        w.under(200, 60, 40);
        w.measure();
        w.window->on_pushButton_languageEn_clicked();
        // The form texts change once the language event has been delivered.
        QTRY_COMPARE(w.window->pageSwitcher()->button(PageSwitcher::Quality)->text(),
                     QString("Quality control"));
        QCOMPARE(w.get<QGroupBox>("groupBox_qcStandard")->title(), QString("Standard"));
        QCOMPARE(w.get<QPushButton>("pushButton_measureSample")->text(), QString("Measure sample"));
        QCOMPARE(w.text("label_verdict"), QString("FAIL"));
        QCOMPARE(w.text("label_standardCaption"), QString("Standard: Red (Primary)"));
        const LabDifferences d =
            labDifferences(w.standardLab("Primary", "Red"), labOfRgb(200, 60, 40));
        QCOMPARE(
            w.text("label_directions"),
            "Sample against standard: " + describeDirections(directions(d), Language::english()));
        QVERIFY(w.tableRows("tableWidget_history").first().contains("|FAIL|"));
        QVERIFY(w.tableRows("tableWidget_history").first().contains("|ΔE00 ≤ 1.00|"));
        QCOMPARE(w.get<QTableView>("tableWidget_history")
                     ->model()
                     ->headerData(3, Qt::Horizontal)
                     .toString(),
                 QString("Judged by"));
        QCOMPARE(w.text("label_passRate"), QString("Pass rate: 0.0% (0/1)"));
        QCOMPARE(w.get<QComboBox>("comboBox_toleranceFormula")->currentText(), QString("ΔE00"));
        QCOMPARE(w.get<QComboBox>("comboBox_nearestFormula")->itemText(3),
                 QString("ΔE94 (graphic arts)"));
        QCOMPARE(w.page()->findChild<QSpinBox*>("spinBox_readings")->toolTip(),
                 QString("How many readings are averaged (1–10)"));
        w.window->on_pushButton_languageZh_clicked();
        QCOMPARE(w.text("label_verdict"), QString("不合格"));
        QCOMPARE(w.get<QComboBox>("comboBox_nearestFormula")->itemText(3), QString("ΔE94（印刷）"));
    }

    // The verdict always uses the tolerance shown: an edited tolerance
    // judges at once (marked as not saved), Save keeps it; every history row
    // shows what it was judged by and can be judged again on request.
    void judgesByTheToleranceShown() {
        QualityWindow w;
        QVERIFY(w.ready());
        w.chooseStandard("Primary", "Red");
        const Lab red = w.standardLab("Primary", "Red");
        const Lab sample = labOfRgb(200, 60, 40);
        const double de00 = deltaE00(red, sample);
        QVERIFY(de00 > 1 && de00 < 20);
        auto* limit = w.get<QDoubleSpinBox>("doubleSpinBox_toleranceLimit");
        auto* formula = w.get<QComboBox>("comboBox_toleranceFormula");
        auto* save = w.get<QPushButton>("pushButton_saveTolerance");
        QCOMPARE(w.text("label_toleranceState"), QString("已保存"));
        QVERIFY(!save->isEnabled());

        w.under(200, 60, 40);
        w.measure();
        QCOMPARE(w.text("label_verdict"), QString("不合格"));
        // Sensible focus: the next sample is measured with Space or Return.
        QCOMPARE(w.window->focusWidget(), w.get<QPushButton>("pushButton_measureSample"));

        // A limit typed, not saved: the verdict on show follows at once.
        QTest::keyClick(limit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(limit, fixed(de00 + 1));
        QCOMPARE(limit->value(), fixed(de00 + 1).toDouble());
        QCOMPARE(w.text("label_verdict"), within(de00, de00 + 1));
        QCOMPARE(w.text("label_verdictDetail"),
                 QString("ΔE00 %1 ≤ %2").arg(fixed(de00), fixed(de00 + 1)));
        QCOMPARE(w.text("label_rejudged"),
                 QString("已按当前显示的容差重新判定；历史记录保留原判定。"));
        QCOMPARE(w.text("label_toleranceState"), QString("已用于判定，尚未保存"));
        QVERIFY(save->isEnabled());
        // The next sample is judged by it, and recorded with it.
        w.measure();
        QCOMPARE(w.text("label_verdict"), within(de00, de00 + 1));
        QCOMPARE(w.text("label_rejudged"), QString());
        QStringList history = w.tableRows("tableWidget_history");
        QCOMPARE(history.size(), 2);
        QVERIFY(
            history[0].endsWith(QString("|%1|%2|ΔE00 ≤ %3||Primary / Red")
                                    .arg(within(de00, de00 + 1), fixed(de00), fixed(de00 + 1))));
        QVERIFY(
            history[1].endsWith(QString("|不合格|%1|ΔE00 ≤ 1.00||Primary / Red").arg(fixed(de00))));

        // Another formula chosen: it judges at once, not ΔE00.
        formula->setCurrentIndex(formula->findData(int(DeltaEFormula::Cmc)));
        const double cmc = deltaECmc(red, sample, 2, 1);
        QCOMPARE(w.text("label_deltaE"), fixed(cmc));
        QCOMPARE(w.text("label_verdictDetail"),
                 QString("%1 %2 %3 %4")
                     .arg(formulaLabel(DifferenceMethod::cmc(2, 1), Language::chinese()),
                          fixed(cmc), cmc <= de00 + 1 ? "≤" : ">", fixed(de00 + 1)));
        // Saved: the library's tolerance from now on.
        limit->setValue(2.5);
        save->click();
        const QString primary = w.page()->library().library(0).id;
        QCOMPARE(*w.qc->controller().quality().tolerance(primary),
                 (Tolerance{DifferenceMethod::cmc(2, 1), 2.5}));
        QCOMPARE(w.text("label_toleranceState"), QString("已保存"));
        QVERIFY(!save->isEnabled());
        QCOMPARE(w.text("label_verdict"), cmc <= 2.5 ? within(cmc, 2.5) : QString("不合格"));

        // A row kept without its tolerance (as an older program wrote it)
        // shows it as unknown, not as a default.
        {
            QSqlQuery query(QSqlDatabase::database(w.page()->store().connectionName()));
            QVERIFY(query.exec(
                "INSERT INTO QcHistory (measuredat, colorcardid, colorcardname, colordataid, "
                "colordataname, stdL, stda, stdb, L, a, b, readings, deltae, pass) SELECT "
                "'2020-01-01T00:00:00.000Z', colorcardid, colorcardname, colordataid, "
                "colordataname, stdL, stda, stdb, L, a, b, 1, deltae, 1 FROM QcHistory LIMIT 1"));
        }
        emit w.qc->controller().historyChanged();
        history = w.tableRows("tableWidget_history");
        QCOMPARE(history.size(), 3);
        QVERIFY2(history[0].contains("|合格|") && history[0].endsWith("|未知||Primary / Red"),
                 qPrintable(history[0]));

        // Judged again on request by the tolerance in force now, in a column
        // of its own; the recorded verdicts stay.
        auto* table = w.get<QTableView>("tableWidget_history");
        QVERIFY(table->isColumnHidden(4));
        w.get<QCheckBox>("checkBox_rejudgeHistory")->setChecked(true);
        QVERIFY(!table->isColumnHidden(4));
        QCOMPARE(table->model()->headerData(4, Qt::Horizontal).toString(), QString("按现行容差"));
        const QString now = QString("%1 (%2 %3 %4 2.50)")
                                .arg(cmc <= 2.5 ? within(cmc, 2.5) : QString("不合格"),
                                     formulaLabel(DifferenceMethod::cmc(2, 1), Language::chinese()),
                                     fixed(cmc), cmc <= 2.5 ? "≤" : ">");
        history = w.tableRows("tableWidget_history");
        QCOMPARE(history.size(), 3);
        for (const QString& row : history)
            QVERIFY2(row.contains('|' + now + '|'), qPrintable(row));
        QVERIFY(history[1].contains('|' + within(de00, de00 + 1) + '|' + fixed(de00) + "|ΔE00 ≤ " +
                                    fixed(de00 + 1) + '|'));
        QVERIFY(history[2].contains("|不合格|" + fixed(de00) + "|ΔE00 ≤ 1.00|"));
        // An unsaved edit re-judges the column too.
        limit->setValue(50);
        QVERIFY(w.tableRows("tableWidget_history")[0].contains(
            QString("|合格 (%1 %2 ≤ 50.00)|")
                .arg(formulaLabel(DifferenceMethod::cmc(2, 1), Language::chinese()), fixed(cmc))));

        // The CSV names the unknown tolerance too.
        const QString path = w.data.filePath("history.csv");
        w.prompt.fileNames << path;
        w.get<QPushButton>("pushButton_exportHistory")->click();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll().mid(3)).split("\r\n");
        QCOMPARE(lines.size(), 5);
        QVERIFY2(lines[3].endsWith(",未知,未知,合格"), qPrintable(lines[3]));
    }

    // The library page's deviations are in the program's language, in the
    // page's font; the swatches keep their width whatever the names.
    void deviationAndSwatches() {
        QualityWindow w;
        QVERIFY(w.ready());
        w.chooseStandard("Primary", "Red");
        w.under(200, 60, 40);
        w.measure();
        QCoreApplication::processEvents();
        // The queued fitting of the window has run.
        QTest::qWait(200);
        const int standardWidth = w.get<QLabel>("label_standardSwatch")->width();
        const int sampleWidth = w.get<QLabel>("label_sampleSwatch")->width();
        QVERIFY(w.page()->session().edits().renameLibrary(
            0, "Primary colours of the spring and summer collection 2026", "described"));
        QTRY_VERIFY(w.text("label_standardCaption").contains("spring and summer"));
        QTest::qWait(200);
        QCOMPARE(w.get<QLabel>("label_standardSwatch")->width(), standardWidth);
        QCOMPARE(w.get<QLabel>("label_sampleSwatch")->width(), sampleWidth);

        // Two readings on the library page.
        w.window->pageSwitcher()->button(PageSwitcher::Libraries)->click();
        w.window->findChild<QPushButton*>("pushButton_lock")->click();
        w.page()->findChild<QSpinBox*>("spinBox_readings")->setValue(2);
        w.page()->findChild<QLineEdit*>("lineEdit_colorDataName")->setText("Two readings");
        w.prompt.answers << true;
        w.page()->findChild<QPushButton*>("pushButton_measure")->click();
        auto* deviation = w.page()->findChild<QLabel*>("label_readingDeviation");
        QCOMPARE(deviation->text(), QString("2 次读数的标准差：L* 0.00  a* 0.00  b* 0.00"));
        QCOMPARE(deviation->font().pointSizeF(), w.page()->font().pointSizeF());
        w.window->on_pushButton_languageEn_clicked();
        QTRY_COMPARE(deviation->text(), QString("SD of 2 readings: L* 0.00  a* 0.00  b* 0.00"));
    }
};

QTEST_MAIN(QualityCheckTest)
#include "tst_qualitycheck.moc"
