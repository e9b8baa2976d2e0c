// SPDX-License-Identifier: MIT
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QtTest>
#include <algorithm>

#include "PageSwitcher.h"
#include "QualityPage.h"
#include "SimWindow.h"

namespace {

Lab labOfRgb(int r, int g, int b) {
    const SimMeasurement m = SimMeter::measurementFromRgb(r, g, b);
    return {m[0] / 100.0, m[1] / 100.0, m[2] / 100.0};
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
        auto* table = get<QTableWidget>(name);
        QStringList rows;
        for (int r = 0; r < table->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < table->columnCount(); ++c)
                cells << (table->item(r, c) ? table->item(r, c)->text() : QString());
            rows << cells.join('|');
        }
        return rows;
    }
    QList<QList<ColorDataRecord>> everyColour() {
        QList<QList<ColorDataRecord>> all;
        for (const LibraryRecord& record : page()->store().selectLibraries())
            all << page()->store().selectColorData(record.value(1).toString());
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
        const QList<QList<ColorDataRecord>> before = w.everyColour();

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
            const QString words = describeDirections(directions(d), true);
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
        // Double-clicking one makes it the standard; the result shown goes.
        emit w.get<QTableWidget>("tableWidget_nearest")->cellDoubleClicked(1, 0);
        QCOMPARE(w.qc->controller().standard()->colourName, all[1].second.section('|', 1, 1));
        QCOMPARE(w.get<QComboBox>("comboBox_qcStandard")->currentText(),
                 all[1].second.section('|', 1, 1));
        QCOMPARE(w.text("label_verdict"), QString("—"));

        // Both results kept, newest first; the libraries never changed.
        const QStringList history = w.tableRows("tableWidget_history");
        QCOMPARE(history.size(), 3);
        QVERIFY(history[0].endsWith("|Primary / Red|" + fixed(deltaE00(red, last)) + "|ΔE00|合格"));
        QVERIFY(history[1].endsWith("|不合格"));
        QVERIFY(history[2].endsWith("|0.00|ΔE00|合格"));
        QCOMPARE(w.text("label_passRate"), QString("合格率：66.7%（2/3）"));
        QCOMPARE(w.everyColour(), before);
        QCOMPARE(w.prompt.messages(), QStringList());
    }

    // n readings, each asked for, averaged; the count is shared with the
    // library page's measure button.
    void averagesReadingsAndExportsTheHistory() {
        QualityWindow w;
        QVERIFY(w.ready());
        w.chooseStandard("Primary", "Red");
        w.get<QSpinBox>("spinBox_qcReadings")->setValue(3);
        QCOMPARE(w.page()->findChild<QSpinBox*>("spinBox_readings")->value(), 3);
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
        const QStringList lines = QString::fromUtf8(file.readAll()).split("\r\n");
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith("时间,仪器编号,色卡库,标准色,"));
        QVERIFY(lines[1].contains(",Primary,Red,"));
        QVERIFY(lines[1].endsWith(",3," + QString::number(expected.deviation.L, 'f', 4) + ',' +
                                  QString::number(expected.deviation.a, 'f', 4) + ',' +
                                  QString::number(expected.deviation.b, 'f', 4) + ',' +
                                  QString::number(kept->first().deltaE, 'f', 4) +
                                  ",ΔE00,1.0000,合格"));
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
        QVERIFY(w.page()->library().deleteLibrary(0));
        QCOMPARE(*w.qc->controller().quality().tolerance(primary), Tolerance{});
        QVERIFY(!w.qc->controller().standard());
        QCOMPARE(w.text("label_standardCaption"), QString("标准色：未选择"));
        QCOMPARE(w.get<QComboBox>("comboBox_qcLibrary")->count(), 2);
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
        QCOMPARE(w.text("label_directions"),
                 "Sample against standard: " + describeDirections(directions(d), false));
        QVERIFY(w.tableRows("tableWidget_history").first().endsWith("|FAIL"));
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
};

QTEST_MAIN(QualityCheckTest)
#include "tst_qualitycheck.moc"
