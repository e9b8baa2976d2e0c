// SPDX-License-Identifier: MIT
// The window at its smallest, in both languages, at the normal and a one and a
// half times larger font, with the simulated meter's libraries listed and a
// deep blue measured: no two visible neighbours overlap, no button text is
// wider or taller than its button, and every value shows whole.

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLayout>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSizeGrip>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/AppStartup.h"
#include "app/MainWindow.h"
#include "link/UsbLinkOpener.h"
#include "sim/SimEventSource.h"
#include "sim/SimHidBackend.h"
#include "tests/support/ScriptedPrompt.h"
#include "workspace/AbPlotView.h"
#include "workspace/FirstPage.h"
#include "workspace/PageSwitcher.h"
#include "workspace/QualityPage.h"

using namespace colorcard;

namespace {

QString describe(const QWidget* widget) {
    const QString name = widget->objectName();
    return QStringLiteral("%1 \"%2\" %3,%4 %5x%6")
        .arg(QString::fromLatin1(widget->metaObject()->className()),
             name.isEmpty() && widget->parentWidget() ? widget->parentWidget()->objectName() + "/"
                                                      : name)
        .arg(widget->x())
        .arg(widget->y())
        .arg(widget->width())
        .arg(widget->height());
}

// Visible children of one parent whose rectangles intersect. The size grip
// sits on the corner by design.
QStringList overlaps(QWidget* window) {
    QStringList found;
    QList<QWidget*> parents{window};
    parents += window->findChildren<QWidget*>();
    for (QWidget* parent : parents) {
        QList<QWidget*> shown;
        for (QWidget* child : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (child->isVisibleTo(window) && !child->isWindow() &&
                !qobject_cast<QSizeGrip*>(child))
                shown << child;
        for (int i = 0; i < shown.size(); ++i)
            for (int j = i + 1; j < shown.size(); ++j)
                if (shown[i]->geometry().intersects(shown[j]->geometry()))
                    found << describe(shown[i]) + " overlaps " + describe(shown[j]);
    }
    return found;
}

// Buttons whose text does not fit the area the style draws it in.
QStringList clippedButtons(QWidget* window) {
    QStringList found;
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        const QString text = button->text().remove(QLatin1Char('&'));
        if (!button->isVisibleTo(window) || text.isEmpty())
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QFontMetrics metrics(button->font());
        const QSize needed(metrics.horizontalAdvance(text), metrics.height());
        // Ascent and descent together may touch the padding, not pass the border.
        if (needed.width() > contents.width() || metrics.ascent() > contents.height())
            found << QStringLiteral("\"%1\" needs %2x%3 in %4x%5 (%6)")
                         .arg(text)
                         .arg(needed.width())
                         .arg(needed.height())
                         .arg(contents.width())
                         .arg(contents.height())
                         .arg(describe(button));
    }
    return found;
}

// Line edits whose text (a value, a name) does not fit, and table cells whose
// text or widget is larger than the cell.
QStringList cutValues(QWidget* window) {
    QStringList found;
    for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        if (!edit->isVisibleTo(window) || edit->text().isEmpty())
            continue;
        QStyleOptionFrame option;
        option.initFrom(edit);
        const QRect contents =
            edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        const QMargins margins = edit->textMargins();
        // The line edit keeps two pixels each side and one for the cursor.
        const int room = contents.width() - margins.left() - margins.right() - 5;
        if (edit->fontMetrics().horizontalAdvance(edit->text()) > room ||
            edit->fontMetrics().ascent() > contents.height())
            found << QStringLiteral("\"%1\" cut in %2").arg(edit->text(), describe(edit));
    }
    // Tables over models of their own (the QC history) too.
    for (QTableView* table : window->findChildren<QTableView*>()) {
        if (!table->isVisibleTo(window))
            continue;
        const QAbstractItemModel* model = table->model();
        for (int row = 0; row < model->rowCount(); ++row)
            for (int column = 0; column < model->columnCount(); ++column) {
                if (table->isColumnHidden(column))
                    continue;
                QSize cell(table->columnWidth(column), table->rowHeight(row));
                QSize needed;
                // A cell widget gets the cell less the item padding.
                if (QWidget* widget = table->indexWidget(model->index(row, column))) {
                    needed = widget->minimumSizeHint().expandedTo(widget->minimumSize());
                    cell = widget->size();
                } else if (const auto* items = qobject_cast<QTableWidget*>(table);
                           items ? items->item(row, column) != nullptr
                                 : model->index(row, column).data().isValid()) {
                    // As the table draws it: its font, the style sheet's padding.
                    QStyleOptionViewItem option;
                    option.initFrom(table->viewport());
                    option.font = table->font();
                    option.widget = table;
                    needed =
                        table->itemDelegate()->sizeHint(option, table->model()->index(row, column));
                }
                if (needed.width() > cell.width() || needed.height() > cell.height())
                    found << QStringLiteral("%1 row %2 column %3 needs %4x%5 in %6x%7")
                                 .arg(table->objectName())
                                 .arg(row)
                                 .arg(column)
                                 .arg(needed.width())
                                 .arg(needed.height())
                                 .arg(cell.width())
                                 .arg(cell.height());
            }
    }
    return found;
}

// The window as the demo shows it after a measurement: the simulated meter's
// libraries listed, pure blue measured (its b* of -107.86 is the widest
// value there is). The font must be set before: widgets under a style sheet
// keep the font they were polished with.
struct MeasuredWindow {
    QTemporaryDir data;
    SimHidBackend backend;
    SimEventSource events{backend};
    ScriptedPrompt prompt;
    std::unique_ptr<MainWindow> window;

    bool open(const QString& language) {
        if (!QFile::copy(COLORCARD_SOURCE_DIR "/resources/meterno", data.filePath("meterno")))
            return false;
        backend.meter().loadLibraries(SimMeter::sampleLibraries());
        MainWindow::Setup setup;
        setup.prompt = &prompt;
        setup.linkOpener = makeUsbLinkOpener(backend);
        setup.deviceEvents = &events;
        setup.dataDirectory = data.path();
        setup.settingsFile = data.filePath("meterno");
        setup.translationDirectories = QStringList{QStringLiteral(COLORCARD_BIN_DIR)};
        window = std::make_unique<MainWindow>(setup);
        if (!window->setLanguage(language))
            return false;
        window->show();
        auto* libraries = window->findChild<QTableWidget*>("tableWidget_colorCard");
        if (!QTest::qWaitFor([&] { return window->link() && libraries->rowCount() > 0; }))
            return false;
        backend.meter().setMeasurement(SimMeter::measurementFromRgb(0, 0, 255));
        window->findChild<QPushButton*>("pushButton_lock")->click();
        window->findChild<QLineEdit*>("lineEdit_colorDataName")->setText("Pure blue 01");
        window->findChild<QPushButton*>("pushButton_measure")->click();
        return window->findChild<QLineEdit*>("lineEdit_b")->text() == QLatin1String("-107.86") &&
               prompt.questions().isEmpty();
    }
};

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

    QFont normalFont_;

private slots:
    void initTestCase() {
        QLoggingCategory::setFilterRules(QStringLiteral("colorcard.link.debug=false"));
        // The program's own look: its style sheet and font.
        AppStartup::initResources();
        QVERIFY(AppStartup::applyStyleSheet(QStringLiteral(":/qss/psblue.css")));
        AppStartup::applyFont();
        normalFont_ = QApplication::font();
    }

    void cleanup() { QApplication::setFont(normalFont_); }

    void smallestWindowShowsEverything_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<qreal>("fontScale");
        // The smallest window still fits a common screen of that scale.
        QTest::addColumn<QSize>("screen");
        QTest::newRow("Chinese") << "zh" << 1.0 << QSize(1440, 900);
        QTest::newRow("English") << "en" << 1.0 << QSize(1440, 900);
        QTest::newRow("Chinese, larger font") << "zh" << 1.5 << QSize(1920, 1080);
        QTest::newRow("English, larger font") << "en" << 1.5 << QSize(1920, 1080);
    }

    void smallestWindowShowsEverything() {
        QFETCH(QString, language);
        QFETCH(qreal, fontScale);
        QFETCH(QSize, screen);
        QFont font = normalFont_;
        font.setPointSizeF(normalFont_.pointSizeF() * fontScale);
        QApplication::setFont(font);
        MeasuredWindow measured;
        QVERIFY(measured.open(language));
        MainWindow* window = measured.window.get();
        QCOMPARE(window->findChild<QPushButton*>("pushButton_measure")->font().pointSizeF(),
                 font.pointSizeF());

        window->resize(1, 1);
        QCoreApplication::processEvents();
        QCOMPARE(window->size(), window->minimumSize());
        QVERIFY(window->minimumWidth() > 600 && window->minimumHeight() > 400);
        QVERIFY2(screen.expandedTo(window->minimumSize()) == screen,
                 qPrintable(QStringLiteral("smallest window %1x%2")
                                .arg(window->minimumWidth())
                                .arg(window->minimumHeight())));
        // Rows grow for their contents, not beyond.
        for (QTableView* table : window->findChildren<QTableView*>())
            for (int row = 0; row < table->model()->rowCount(); ++row)
                QVERIFY(table->rowHeight(row) <= 2 * table->fontMetrics().height());

        // Cell widgets follow their cells through queued layouts.
        const auto problems = [window] {
            return overlaps(window) + clippedButtons(window) + cutValues(window);
        };
        QTRY_VERIFY2(problems().isEmpty(), qPrintable(problems().join(QLatin1Char('\n'))));
    }

    // A laptop at a 150 % desktop scale: 1280x720 logical pixels, less a
    // title bar, with the normal font; and the same screen's 1920x1080
    // pixels with the font one and a half times larger. Both pages fit the
    // width (they scroll up and down where needed), every button can be
    // scrolled into view and every text is whole.
    void fitsALaptopAtOneAndAHalfScale_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<qreal>("fontScale");
        QTest::addColumn<QSize>("window");
        QTest::newRow("Chinese, 1280x720") << "zh" << 1.0 << QSize(1280, 690);
        QTest::newRow("English, 1280x720") << "en" << 1.0 << QSize(1280, 690);
        QTest::newRow("Chinese, larger font") << "zh" << 1.5 << QSize(1920, 1040);
        QTest::newRow("English, larger font") << "en" << 1.5 << QSize(1920, 1040);
    }

    void fitsALaptopAtOneAndAHalfScale() {
        QFETCH(QString, language);
        QFETCH(qreal, fontScale);
        QFETCH(QSize, window);
        QFont font = normalFont_;
        font.setPointSizeF(normalFont_.pointSizeF() * fontScale);
        QApplication::setFont(font);
        MeasuredWindow measured;
        QVERIFY(measured.open(language));
        MainWindow* w = measured.window.get();
        w->resize(window);
        QCoreApplication::processEvents();
        QVERIFY2(w->size() == window, qPrintable(QStringLiteral("smallest window %1x%2")
                                                     .arg(w->minimumWidth())
                                                     .arg(w->minimumHeight())));
        auto* scroll = w->findChild<QScrollArea*>("scrollArea_pages");
        QVERIFY(scroll);
        const auto problems = [w] { return overlaps(w) + clippedButtons(w) + cutValues(w); };
        // Every button of the page on show can be brought into view.
        const auto reachable = [w, scroll](QWidget* page) {
            QStringList hidden;
            for (QPushButton* button : page->findChildren<QPushButton*>()) {
                if (!button->isVisibleTo(w))
                    continue;
                scroll->ensureWidgetVisible(button, 0, 0);
                const QRect shown(button->mapTo(scroll->viewport(), QPoint(0, 0)), button->size());
                if (!scroll->viewport()->rect().contains(shown))
                    hidden << describe(button);
            }
            return hidden;
        };
        for (const char* name : {"pushButton_languageEn", "pushButton_languageZh"}) {
            auto* button = w->findChild<QPushButton*>(name);
            QVERIFY(QRect(QPoint(0, 0), w->size())
                        .contains(QRect(button->mapTo(w, QPoint(0, 0)), button->size())));
        }
        QTRY_VERIFY2(problems().isEmpty(), qPrintable(problems().join(QLatin1Char('\n'))));
        QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
        QStringList hidden = reachable(w->page());
        QVERIFY2(hidden.isEmpty(), qPrintable(hidden.join(QLatin1Char('\n'))));

        // The quality page after judging a sample against a standard of a
        // long name, with the history listed.
        QVERIFY(w->page()->session().edits().renameLibrary(
            0, QStringLiteral("Spring and summer collection 2026"), QString()));
        w->pageSwitcher()->button(PageSwitcher::Quality)->click();
        QualityPage* qc = w->qualityPage();
        QVERIFY(w->findChild<QStackedWidget*>("stackedWidget")->currentWidget() == qc);
        QVERIFY(qc->controller().chooseStandard(w->page()->library().library(0).id,
                                                w->page()->library().library(0).colours[0].id));
        measured.backend.meter().setMeasurement(SimMeter::measurementFromRgb(200, 60, 40));
        for (int i = 0; i < 3; ++i)
            qc->findChild<QPushButton*>("pushButton_measureSample")->click();
        QCOMPARE(qc->findChild<QTableView*>("tableWidget_history")->model()->rowCount(), 3);
        QCoreApplication::processEvents();
        QTRY_VERIFY2(problems().isEmpty(), qPrintable(problems().join(QLatin1Char('\n'))));
        QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
        hidden = reachable(qc);
        QVERIFY2(hidden.isEmpty(), qPrintable(hidden.join(QLatin1Char('\n'))));
    }

    // The quality page at the size of the README's pictures: the a*b* plot
    // is large enough to read and the largest thing of the comparison.
    void plotIsTheLargestOfTheComparison_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("Chinese") << "zh";
        QTest::newRow("English") << "en";
    }

    void plotIsTheLargestOfTheComparison() {
        QFETCH(QString, language);
        MeasuredWindow measured;
        QVERIFY(measured.open(language));
        MainWindow* w = measured.window.get();
        w->resize(1388, 1150);
        w->pageSwitcher()->button(PageSwitcher::Quality)->click();
        QualityPage* qc = w->qualityPage();
        QVERIFY(qc->controller().chooseStandard(w->page()->library().library(0).id,
                                                w->page()->library().library(0).colours[0].id));
        measured.backend.meter().setMeasurement(SimMeter::measurementFromRgb(200, 60, 40));
        qc->findChild<QPushButton*>("pushButton_measureSample")->click();
        QCoreApplication::processEvents();
        auto* plot = qc->findChild<AbPlotView*>("widget_abPlot");
        QVERIFY(plot && plot->isVisibleTo(w));
        const QSize size = plot->size();
        QVERIFY2(size.width() >= 280 && size.height() >= 280,
                 qPrintable(QStringLiteral("plot %1x%2").arg(size.width()).arg(size.height())));
        auto* result = qc->findChild<QWidget*>("groupBox_qcResult");
        const int area = size.width() * size.height();
        for (QWidget* other : result->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (other != plot && other->isVisibleTo(w))
                QVERIFY2(other->width() * other->height() < area, qPrintable(describe(other)));
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "tst_windowlayout.moc"
