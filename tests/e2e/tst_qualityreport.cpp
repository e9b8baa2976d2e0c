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
#include <QTableWidget>
#include <QtTest>

#include "tests/support/SimWindow.h"
#include "workspace/AbPlotView.h"
#include "workspace/PageSwitcher.h"
#include "workspace/QualityPage.h"

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
        auto* history = w.get<QTableWidget>("tableWidget_history");
        QCOMPARE(history->item(0, 1)->text(), QStringLiteral("不合格"));
        QCOMPARE(history->item(1, 1)->text(), QStringLiteral("警告"));
        QCOMPARE(history->item(2, 1)->text(), QStringLiteral("合格"));

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
};

QTEST_MAIN(QualityReportTest)
#include "tst_qualityreport.moc"
