// SPDX-License-Identifier: MIT
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include "tests/support/SimWindow.h"
#include "workspace/AbPlotView.h"
#include "workspace/LotView.h"
#include "workspace/PageSwitcher.h"
#include "workspace/QualityPage.h"

using namespace colorcard;

namespace {

// The window on the quality page with the demo meter's libraries.
struct ReportWindow : SimWindow {
    QualityPage* qc = nullptr;

    ReportWindow() {
        backend.meter().loadLibraries(SimMeter::sampleLibraries());
        start();
    }
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
    void chooseStandard(const QString& library, const QString& colour) {
        auto* libraries = get<QComboBox>("comboBox_qcLibrary");
        libraries->setCurrentIndex(libraries->findText(library));
        auto* colours = get<QComboBox>("comboBox_qcStandard");
        colours->setCurrentIndex(colours->findText(colour));
    }
};

// The text of a PDF as pdftotext reads it, one space between words; empty
// when the file cannot be read.
QString pdfText(const QString& path) {
    QProcess text;
    text.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
               {path, QStringLiteral("-")});
    if (!text.waitForFinished(60000) || text.exitCode() != 0)
        return {};
    return QString::fromUtf8(text.readAllStandardOutput()).simplified();
}

}  // namespace

class QualityReportTest : public QObject {
    Q_OBJECT
private slots:
    // The plot follows the standard, the sample and the tolerance edited;
    // the report of the comparison on show is saved through the file dialog.
    void plotsAndSavesTheReport() {
        ReportWindow w;
        QVERIFY(w.ready());
        auto* plot = w.get<AbPlotView>("widget_abPlot");
        auto* save = w.get<QPushButton>("pushButton_saveReport");
        QVERIFY(plot && save);
        QVERIFY(!plot->data() && !save->isEnabled());

        w.chooseStandard("Primary", "Red");
        QVERIFY(plot->data() && !plot->data()->sample);
        w.backend.meter().setMeasurement(SimMeter::measurementFromRgb(221, 31, 40));
        w.get<QPushButton>("pushButton_measureSample")->click();
        QVERIFY(plot->data() && plot->data()->sample);
        QVERIFY(save->isEnabled());
        const Comparison shown = w.qc->controller().lastResult()->comparison;
        QCOMPARE(plot->data()->tolerance, shown.tolerance);

        // A tighter limit is drawn at once, and judges the report.
        w.get<QDoubleSpinBox>("doubleSpinBox_toleranceLimit")->setValue(0.1);
        QCOMPARE(plot->data()->tolerance.limit, 0.1);
        QVERIFY(!w.qc->controller().lastResult()->comparison.pass);

        const QString path = w.data.filePath("report");
        w.prompt.fileNames << path;
        save->click();
        QVERIFY(QFile::exists(path + ".pdf"));
        QCOMPARE(w.prompt.messages(), QStringList{"报告已保存到 " + path + ".pdf。"});
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QProcess text;
        text.start(pdftotext, {path + ".pdf", QStringLiteral("-")});
        QVERIFY(text.waitForFinished(60000));
        const QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        QVERIFY2(page.contains("判定：不合格"), qPrintable(page));
        QVERIFY(page.contains("判定依据：ΔE00，容差 0.10，警告级 0.08"));
        QVERIFY(page.contains(QStringLiteral("ΔE %1").arg(shown.deltaE, 0, 'f', 2)));
    }

    // A lot started on the page, its samples measured with the meter and
    // judged PASS, WARN and FAIL, seen together and reported.
    void measuresALotAndSavesItsReport() {
        ReportWindow w;
        QVERIFY(w.ready());
        w.get<QLineEdit>("lineEdit_lotName")->setText("Batch 42");
        w.get<QLineEdit>("lineEdit_lotOperator")->setText("Wang");
        w.get<QPushButton>("pushButton_startLot")->click();
        QVERIFY(w.get<QComboBox>("comboBox_lot")->currentText().startsWith("Batch 42"));
        QVERIFY(w.prompt.messages().isEmpty());
        // A second lot of the same name is refused with a message.
        w.get<QLineEdit>("lineEdit_lotName")->setText("Batch 42");
        w.get<QPushButton>("pushButton_startLot")->click();
        QCOMPARE(w.prompt.messages(), QStringList{"已有名为 Batch 42 的批次。"});
        w.prompt.clear();

        w.chooseStandard("Primary", "Red");
        w.get<QDoubleSpinBox>("doubleSpinBox_toleranceLimit")->setValue(3.0);
        w.get<QDoubleSpinBox>("doubleSpinBox_warningLevel")->setValue(1.0);
        w.get<QPushButton>("pushButton_saveTolerance")->click();
        const struct {
            int r, g, b;
            const char* verdict;
        } samples[] = {{221, 31, 40, "合格"}, {214, 36, 40, "警告"}, {200, 60, 40, "不合格"}};
        QStringList deltas;
        for (const auto& s : samples) {
            w.backend.meter().setMeasurement(SimMeter::measurementFromRgb(s.r, s.g, s.b));
            w.get<QPushButton>("pushButton_measureSample")->click();
            QVERIFY(QTest::qWaitFor([&] {
                return w.get<QLabel>("label_verdict")->text() == QString::fromUtf8(s.verdict);
            }));
            deltas << QString::number(w.qc->controller().lastResult()->comparison.deltaE, 'f', 2);
        }
        const QAbstractItemModel* history = w.get<QTableView>("tableWidget_history")->model();
        QCOMPARE(history->index(0, 1).data().toString(), QStringLiteral("不合格"));
        QCOMPARE(history->index(1, 1).data().toString(), QStringLiteral("警告"));
        QCOMPARE(history->index(2, 1).data().toString(), QStringLiteral("合格"));

        auto* lots = w.get<QComboBox>("comboBox_historyLot");
        lots->setCurrentIndex(lots->findText("Batch 42"));
        w.get<QTabWidget>("tabWidget_history")->setCurrentIndex(1);
        QCOMPARE(w.get<QLabel>("label_lotCounts")->text(),
                 QStringLiteral("3 个样品：合格 1   警告 1   不合格 1"));
        QVERIFY(w.get<QTableWidget>("tableWidget_shadeGroups")->rowCount() >= 2);

        const QString path = w.data.filePath("lot");
        w.prompt.fileNames << path;
        w.get<QPushButton>("pushButton_saveLotReport")->click();
        QVERIFY(QFile::exists(path + ".pdf"));
        QCOMPARE(w.prompt.messages(), QStringList{"报告已保存到 " + path + ".pdf。"});
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QProcess text;
        text.start(pdftotext, {path + ".pdf", QStringLiteral("-")});
        QVERIFY(text.waitForFinished(60000));
        const QString pages = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        QVERIFY2(pages.contains("批次报告：Batch 42"), qPrintable(pages));
        QVERIFY(pages.contains("操作员：Wang"));
        QVERIFY(pages.contains("判定依据：ΔE00，容差 3.00，警告级 1.00"));
        for (const QString& delta : deltas)
            QVERIFY2(pages.contains(delta), qPrintable(delta));
        QVERIFY(pages.contains("警告"));
    }

    // Each report goes to the print dialog as well: cancelled nothing is
    // printed and nothing said; accepted, the printer gets the very pages of
    // the saved PDF.
    void printsWhatItSaves() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        ReportWindow w;
        QVERIFY(w.ready());
        w.get<QLineEdit>("lineEdit_lotName")->setText("Batch 7");
        w.get<QPushButton>("pushButton_startLot")->click();
        auto* print = w.get<QPushButton>("pushButton_printReport");
        QVERIFY(print && !print->isEnabled());
        w.chooseStandard("Primary", "Red");
        for (const QColor& rgb : {QColor(221, 31, 40), QColor(200, 60, 40)}) {
            w.backend.meter().setMeasurement(
                SimMeter::measurementFromRgb(rgb.red(), rgb.green(), rgb.blue()));
            w.get<QPushButton>("pushButton_measureSample")->click();
        }
        QVERIFY(print->isEnabled());
        auto* lots = w.get<QComboBox>("comboBox_historyLot");
        lots->setCurrentIndex(lots->findText("Batch 7"));
        w.get<QTabWidget>("tabWidget_history")->setCurrentIndex(1);
        auto* printLot = w.get<QPushButton>("pushButton_printLotReport");
        QVERIFY(printLot && printLot->isEnabled());
        QCOMPARE(printLot->text(), QStringLiteral("打印报告…"));

        const struct {
            const char* print;
            const char* save;
            const char* expected;
        } reports[] = {
            {"pushButton_printReport", "pushButton_saveReport", "判定依据：ΔE00"},
            {"pushButton_printLotReport", "pushButton_saveLotReport", "批次报告：Batch 7"}};
        for (const auto& report : reports) {
            w.prompt.clear();
            w.get<QPushButton>(report.print)->click();
            QCOMPARE(w.prompt.texts(ScriptedPrompt::Kind::Print).size(), 1);
            QCOMPARE(w.prompt.events.constLast().title, QStringLiteral("打印报告"));
            QCOMPARE(w.prompt.unscripted, 1);
            QVERIFY(w.prompt.messages().isEmpty());

            const QString printed = w.data.filePath(QString(report.print) + ".pdf");
            const QString saved = w.data.filePath(QString(report.save) + ".pdf");
            w.prompt.clear();
            w.prompt.printFiles << printed;
            w.get<QPushButton>(report.print)->click();
            QVERIFY(w.prompt.printFiles.isEmpty());
            QVERIFY(w.prompt.messages().isEmpty());
            w.prompt.fileNames << saved;
            w.get<QPushButton>(report.save)->click();
            const QString text = pdfText(printed);
            QVERIFY2(text.contains(QString::fromUtf8(report.expected)), qPrintable(text));
            QCOMPARE(text, pdfText(saved));
        }
    }

    // A lot judged against two standards: the lot view trends the one chosen
    // (at first the last one used) and the report says whose trend it shows.
    void trendsOneStandardOfALot() {
        ReportWindow w;
        QVERIFY(w.ready());
        w.get<QLineEdit>("lineEdit_lotName")->setText("Two standards");
        w.get<QPushButton>("pushButton_startLot")->click();
        const struct {
            const char* colour;
            int r, g, b;
        } samples[] = {{"Red", 221, 31, 40}, {"Red", 200, 60, 40}, {"Green", 40, 160, 70}};
        for (const auto& sample : samples) {
            w.chooseStandard("Primary", sample.colour);
            w.backend.meter().setMeasurement(
                SimMeter::measurementFromRgb(sample.r, sample.g, sample.b));
            w.get<QPushButton>("pushButton_measureSample")->click();
        }
        auto* lots = w.get<QComboBox>("comboBox_historyLot");
        lots->setCurrentIndex(lots->findText("Two standards"));
        w.get<QTabWidget>("tabWidget_history")->setCurrentIndex(1);
        auto* standards = w.get<QComboBox>("comboBox_trendStandard");
        QVERIFY(standards->isVisibleTo(w.qc));
        QCOMPARE(standards->count(), 2);
        QCOMPARE(standards->currentText(), QStringLiteral("Primary / Green (1)"));
        const TrendView* trend = w.qc->findChild<TrendView*>("widget_trend");
        const struct {
            int index;
            int values;
            const char* line;
        } chosen[] = {{1, 1, "Primary / Green 的趋势；本批次共有 2 个标准。"},
                      {0, 2, "Primary / Red 的趋势；本批次共有 2 个标准。"}};
        for (const auto& c : chosen) {
            standards->setCurrentIndex(c.index);
            emit standards->activated(c.index);
            QCOMPARE(trend->axes().size(), 4);
            for (const AxisTrend& axis : trend->axes())
                QCOMPARE(axis.values.size(), c.values);
            QCOMPARE(w.get<QLabel>("label_lotCounts")->text(),
                     QStringLiteral("3 个样品：合格 2   警告 0   不合格 1"));
            if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
                continue;
            const QString path = w.data.filePath(QStringLiteral("trend%1.pdf").arg(c.index));
            w.prompt.fileNames << path;
            w.get<QPushButton>("pushButton_saveLotReport")->click();
            const QString text = pdfText(path);
            QVERIFY2(text.contains(QString::fromUtf8(c.line)), qPrintable(text));
        }
    }
};

QTEST_MAIN(QualityReportTest)
#include "tst_qualityreport.moc"
