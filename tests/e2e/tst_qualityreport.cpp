// SPDX-License-Identifier: MIT
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
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
};

QTEST_MAIN(QualityReportTest)
#include "tst_qualityreport.moc"
