// SPDX-License-Identifier: MIT
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/AppStartup.h"
#include "app/MainWindow.h"
#include "checksum/Crc16.h"
#include "link/DeviceEventSource.h"
#include "tests/support/ScriptedPrompt.h"
#include "workflow/Session.h"
#include "workspace/FirstPage.h"
#include "workspace/PageSwitcher.h"
#include "workspace/QualityPage.h"

using namespace colorcard;

namespace {

// A link that records what the window and its frame layer do with it.
class FakeLink : public CLinker {
public:
    bool disconnected = false;
    int closes = 0;
    QList<QByteArray> written;
    QByteArray reply;

    bool isOpen() const override { return closes == 0; }
    bool isDisconnected() override { return disconnected; }
    void close() override { ++closes; }
    int write(const QByteArray& data, int) override {
        written << data;
        return data.size();
    }
    int read(QByteArray& buffer, int timeoutMs, int) override {
        buffer = timeoutMs == 0 ? QByteArray() : reply;
        return buffer.size();
    }
};

class FakeEvents : public DeviceEventSource {
public:
    bool startResult = true;
    int starts = 0;
    bool start() override {
        ++starts;
        return startResult;
    }
};

// Hands out the links queued in it, or reports the meter absent.
struct FakeOpener {
    QList<CLinker*> links;
    bool permissionDenied = false;
    int calls = 0;
    quint16 vendorId = 0;
    quint16 productId = 0;

    LinkOpener function() {
        return [this](quint16 vendor, quint16 product, bool* denied) -> CLinker* {
            ++calls;
            vendorId = vendor;
            productId = product;
            if (links.isEmpty()) {
                *denied = permissionDenied;
                return nullptr;
            }
            return links.takeFirst();
        };
    }
};

QStringList* g_traces = nullptr;
QtMessageHandler g_previousHandler = nullptr;

void captureTrace(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtDebugMsg && g_traces)
        g_traces->append(message);
    else
        g_previousHandler(type, context, message);
}

// Collects the debug traces written while it lives.
class TraceCapture {
public:
    TraceCapture() {
        g_traces = &traces;
        g_previousHandler = qInstallMessageHandler(captureTrace);
    }
    ~TraceCapture() {
        qInstallMessageHandler(g_previousHandler);
        g_traces = nullptr;
    }
    QStringList take() {
        QStringList result = traces;
        traces.clear();
        return result;
    }
    QStringList traces;
};

bool showsLed(MainWindow& window, const QString& resource) {
    auto* label = window.findChild<QLabel*>(QStringLiteral("label_linkStatus"));
    const QImage shown = label->pixmap(Qt::ReturnByValue).toImage();
    return !shown.isNull() &&
           shown.convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
               QImage(resource).convertToFormat(QImage::Format_ARGB32_Premultiplied) &&
           label->alignment() == Qt::Alignment(0x84);
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> makeWindow(FakeOpener* opener = nullptr,
                                           FakeEvents* events = nullptr,
                                           QStringList translations = {}) {
        MainWindow::Setup setup;
        setup.prompt = &prompt_;
        if (opener)
            setup.linkOpener = opener->function();
        setup.deviceEvents = events;
        setup.dataDirectory = data_.path();
        setup.translationDirectories =
            translations.isEmpty() ? QStringList{QStringLiteral(COLORCARD_BIN_DIR)} : translations;
        return std::make_unique<MainWindow>(setup);
    }

    // Waits for the 10 ms start-up timer to have looked for the meter.
    void waitForStartup(FakeOpener& opener) { QTRY_COMPARE(opener.calls, 1); }

    ScriptedPrompt prompt_;
    QTemporaryDir data_;

private slots:
    void windowHostsThePage() {
        auto window = makeWindow();
        QCOMPARE(window->objectName(), QStringLiteral("MainWindow"));
        QCOMPARE(window->windowType(), Qt::Window);
        QCOMPARE(int(window->windowFlags() & 0x0800C000), 0x0800C000);
        auto* stack = window->findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
        QVERIFY(stack);
        // The library page first and current, the quality-control page second.
        QCOMPARE(stack->count(), 2);
        QVERIFY(window->page());
        QCOMPARE(stack->currentWidget(), static_cast<QWidget*>(window->page()));
        // The quality-control page is built when first shown, in the
        // language the window has then.
        QVERIFY(!window->findChild<QualityPage*>());
        QVERIFY(window->setLanguage(QStringLiteral("en")));
        window->pageSwitcher()->button(PageSwitcher::Quality)->click();
        QCOMPARE(stack->currentWidget(), static_cast<QWidget*>(window->qualityPage()));
        QCOMPARE(window->findChildren<QualityPage*>().size(), 1);
        QCOMPARE(
            window->findChild<QPushButton*>(QStringLiteral("pushButton_measureSample"))->text(),
            QStringLiteral("Measure sample"));
        window->setLanguage(QStringLiteral("zh"));
        QCOMPARE(stack->widget(1), static_cast<QWidget*>(window->qualityPage()));
        QCOMPARE(window->page()->parent(), stack);
        // The page starts in Chinese.
        QVERIFY(window->page()->messenger().language().isChinese());
        // Both pages work on the window's one session: nothing of their own.
        Session& session = window->session();
        QCOMPARE(&window->page()->library(), &session.library());
        QCOMPARE(&window->page()->meter(), &session.meter());
        QCOMPARE(&window->page()->messenger(), &session.messenger());
        QCOMPARE(&window->qualityPage()->controller(), &session.quality());
        QCOMPARE(&session.quality().library(), &session.library());
        QCOMPARE(&session.meter().library(), &session.library());
        // Boxes are centred on the page.
        QCOMPARE(session.messenger().parent(), static_cast<QWidget*>(window->page()));
    }

    void windowStyleSheetIsExact() {
        auto window = makeWindow();
        const QString expected = QStringLiteral(
            "QComboBox::drop-down,QDateEdit::drop-down,QTimeEdit::drop-down,"
            "QDateTimeEdit::drop-down{width:20px;}"
            "QComboBox::down-arrow,QDateEdit[calendarPopup=\"true\"]::down-arrow,"
            "QTimeEdit[calendarPopup=\"true\"]::down-arrow,"
            "QDateTimeEdit[calendarPopup=\"true\"]::down-arrow{width:10px;height:10px;right:2px;}"
            "QRadioButton::indicator{width:15px;height:15px;}"
            "QCheckBox::indicator,QGroupBox::indicator,QTreeWidget::indicator,"
            "QListWidget::indicator{width:13px;height:13px;}"
            "QScrollBar:horizontal{min-height:12px;border-radius:6px;}"
            "QScrollBar::handle:horizontal{border-radius:6px;}"
            "QScrollBar:vertical{min-width:12px;border-radius:6px;}"
            "QScrollBar::handle:vertical{border-radius:6px;}"
            "QWidget#widget_top>QToolButton:pressed,QWidget#widget_top>QToolButton:hover,"
            "QWidget#widget_top>QToolButton:checked,QWidget#widget_top>QLabel:hover"
            "{border-width:0px 0px 3px 0px;}"
            "QWidget#widgetleft>QPushButton:checked,QWidget#widgetleft>QToolButton:checked,"
            "QWidget#widgetleft>QPushButton:pressed,QWidget#widgetleft>QToolButton:pressed"
            "{border-width:0px 0px 0px 3px;}");
        QCOMPARE(window->styleSheet(), expected);
    }

    void missingTranslationChangesNothing() {
        QTemporaryDir empty;
        auto window = makeWindow(nullptr, nullptr, {empty.path()});
        window->setWindowTitle(AppStartup::windowTitle());
        auto* english = window->findChild<QPushButton*>(QStringLiteral("pushButton_languageEn"));
        const QString okBefore = QCoreApplication::translate("QPlatformTheme", "OK");

        english->click();
        QCoreApplication::processEvents();
        QVERIFY(window->page()->messenger().language().isChinese());
        QCOMPARE(english->text(), QStringLiteral("English"));
        // The toolkit's own Chinese texts stay installed too.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), okBefore);
        QCOMPARE(okBefore, QStringLiteral("确定"));
        QCOMPARE(window->windowTitle(), AppStartup::windowTitle());
    }

    void languageButtonsSwitchWithTheFiles() {
        QTemporaryDir directory;
        auto window = makeWindow(nullptr, nullptr, {directory.path()});
        window->setWindowTitle(AppStartup::windowTitle());
        const QString bin = QStringLiteral(COLORCARD_BIN_DIR "/");
        QVERIFY(QFile::copy(bin + "ColorCard_en.qm", directory.filePath("ColorCard_en.qm")));
        auto* english = window->findChild<QPushButton*>(QStringLiteral("pushButton_languageEn"));
        auto* chinese = window->findChild<QPushButton*>(QStringLiteral("pushButton_languageZh"));

        english->click();
        QVERIFY(!window->page()->messenger().language().isChinese());
        // English drops the toolkit's Chinese texts.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), QStringLiteral("OK"));
        QCOMPARE(english->text(), QStringLiteral("English"));
        QCOMPARE(chinese->text(), QStringLiteral("中文"));
        QCOMPARE(window->windowTitle(), AppStartup::windowTitle());

        // Without ColorCard_zh the language stays English.
        chinese->click();
        QVERIFY(!window->page()->messenger().language().isChinese());

        QVERIFY(QFile::copy(bin + "ColorCard_zh.qm", directory.filePath("ColorCard_zh.qm")));
        chinese->click();
        QVERIFY(window->page()->messenger().language().isChinese());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), QStringLiteral("确定"));
        QCOMPARE(window->windowTitle(), AppStartup::windowTitle());
    }

    // Only the languages whose translation is installed are offered.
    void languageButtonsFollowTheInstalledFiles() {
        const QString bin = QStringLiteral(COLORCARD_BIN_DIR "/");
        for (const QStringList& files :
             {QStringList{}, QStringList{"en"}, QStringList{"zh"}, QStringList{"en", "zh"}}) {
            QTemporaryDir directory;
            for (const QString& code : files)
                QVERIFY(QFile::copy(bin + "ColorCard_" + code + ".qm",
                                    directory.filePath("ColorCard_" + code + ".qm")));
            auto window = makeWindow(nullptr, nullptr, {directory.path()});
            for (const QString& code : {QStringLiteral("en"), QStringLiteral("zh")}) {
                const QString name =
                    code == QLatin1String("en") ? "pushButton_languageEn" : "pushButton_languageZh";
                QCOMPARE(window->findChild<QPushButton*>(name)->isHidden(), !files.contains(code));
            }
        }
    }

    void startupOpensTheMeterAfterTheEventLoopRuns() {
        FakeOpener opener;
        auto* link = new FakeLink;
        opener.links << link;
        FakeEvents events;
        auto window = makeWindow(&opener, &events);
        QSignalSpy opened(window.get(), &MainWindow::linkOpened);
        QCOMPARE(opener.calls, 0);

        waitForStartup(opener);
        QCOMPARE(opener.vendorId, quint16(0x2047));
        QCOMPARE(opener.productId, quint16(0x0301));
        QCOMPARE(events.starts, 1);
        QCOMPARE(window->link(), static_cast<CLinker*>(link));
        QCOMPARE(link->parent(), window.get());
        QVERIFY(showsLed(*window, QStringLiteral(":/image/led_on.png")));
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.at(0).at(0).toInt(), 0);

        // Opening again with a link in place does nothing.
        QVERIFY(window->OpenUSB(1));
        QCOMPARE(opener.calls, 1);
        QCOMPARE(opened.count(), 1);
    }

    void startupWithoutMeterLeavesTheLedDark() {
        FakeOpener opener;
        FakeEvents events;
        auto window = makeWindow(&opener, &events);
        waitForStartup(opener);
        QVERIFY(!window->link());
        QVERIFY(showsLed(*window, QStringLiteral(":/image/led_off.png")));
        auto* led = window->findChild<QLabel*>(QStringLiteral("label_linkStatus"));
        QVERIFY(led->toolTip().isEmpty());
        QByteArray request = QByteArray::fromHex("AB44000000003600");
        QCOMPARE(window->sendFrame(request, 100), -1);
    }

    void arrivalOpensOnlyWithoutLink() {
        FakeOpener opener;
        FakeEvents events;
        auto window = makeWindow(&opener, &events);
        QSignalSpy opened(window.get(), &MainWindow::linkOpened);
        waitForStartup(opener);
        TraceCapture traces;

        // Another device arrives: the meter is still absent.
        emit events.deviceArrived();
        QCOMPARE(opener.calls, 2);
        QVERIFY(!window->link());
        QCOMPARE(traces.take(), QStringList());

        // The meter arrives.
        auto* link = new FakeLink;
        opener.links << link;
        emit events.deviceArrived();
        QCOMPARE(window->link(), static_cast<CLinker*>(link));
        QVERIFY(showsLed(*window, QStringLiteral(":/image/led_on.png")));
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.at(0).at(0).toInt(), 1);
        traces.take();

        // Any device arriving while the meter is linked changes nothing.
        emit events.deviceArrived();
        QCOMPARE(opener.calls, 3);
        QCOMPARE(window->link(), static_cast<CLinker*>(link));
        QCOMPARE(opened.count(), 1);
        QCOMPARE(traces.take(), QStringList());
    }

    void removalClosesOnlyWhenTheMeterIsGone() {
        FakeOpener opener;
        QPointer<FakeLink> link = new FakeLink;
        opener.links << link.data();
        FakeEvents events;
        auto window = makeWindow(&opener, &events);
        QSignalSpy closed(window.get(), &MainWindow::linkClosed);
        waitForStartup(opener);
        TraceCapture traces;

        // Another device is unplugged; the meter still answers.
        emit events.deviceRemoved();
        QCOMPARE(window->link(), static_cast<CLinker*>(link.data()));
        QCOMPARE(link->closes, 0);
        QVERIFY(showsLed(*window, QStringLiteral(":/image/led_on.png")));
        QCOMPARE(closed.count(), 0);
        QCOMPARE(traces.take(), QStringList());

        // The meter is unplugged.
        link->disconnected = true;
        emit events.deviceRemoved();
        QVERIFY(!window->link());
        QCOMPARE(link->closes, 1);
        QVERIFY(showsLed(*window, QStringLiteral(":/image/led_off.png")));
        QCOMPARE(closed.count(), 1);
        QCOMPARE(traces.take(), QStringList());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(link.isNull());

        // A further removal without a link changes nothing.
        emit events.deviceRemoved();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(traces.take(), QStringList());
        window->CloseUSB();
        QCOMPARE(closed.count(), 1);

        // Plugged in again: a new link.
        opener.links << new FakeLink;
        emit events.deviceArrived();
        QVERIFY(window->link());
    }

    void failedRegistrationStillLooksForTheMeter() {
        FakeOpener opener;
        opener.links << new FakeLink;
        FakeEvents events;
        events.startResult = false;
        QTest::ignoreMessage(QtWarningMsg,
                             "Device events unavailable: the meter is looked for at start only");
        auto window = makeWindow(&opener, &events);
        waitForStartup(opener);
        QVERIFY(window->link());
    }

    void permissionDeniedExplainsTheUdevRule() {
        FakeOpener opener;
        opener.permissionDenied = true;
        FakeEvents events;
        QTemporaryDir directory;
        const QString bin = QStringLiteral(COLORCARD_BIN_DIR "/");
        QVERIFY(QFile::copy(bin + "ColorCard_en.qm", directory.filePath("ColorCard_en.qm")));
        QVERIFY(QFile::copy(bin + "ColorCard_zh.qm", directory.filePath("ColorCard_zh.qm")));
        auto window = makeWindow(&opener, &events, {directory.path()});
        waitForStartup(opener);
        auto* led = window->findChild<QLabel*>(QStringLiteral("label_linkStatus"));
        QVERIFY(!window->link());
        QVERIFY(showsLed(*window, QStringLiteral(":/image/led_off.png")));
        QCOMPARE(led->toolTip(),
                 QStringLiteral("已检测到仪器，但无法打开：当前用户无权访问该设备。请安装 udev "
                                "规则 70-colorcard-meter.rules（见 README），然后重新插入仪器。"));

        // The tip follows the language.
        window->findChild<QPushButton*>(QStringLiteral("pushButton_languageEn"))->click();
        QCOMPARE(led->toolTip(),
                 QStringLiteral("The meter was found but cannot be opened: this user has no "
                                "access to it. Install the udev rule 70-colorcard-meter.rules "
                                "(see README), then plug the meter in again."));

        // The meter absent altogether: no tip.
        opener.permissionDenied = false;
        emit events.deviceArrived();
        QVERIFY(led->toolTip().isEmpty());

        // Denied again, then the rule installed and the meter replugged.
        opener.permissionDenied = true;
        emit events.deviceArrived();
        QVERIFY(!led->toolTip().isEmpty());
        opener.links << new FakeLink;
        emit events.deviceArrived();
        QVERIFY(window->link());
        QVERIFY(led->toolTip().isEmpty());
    }

    void framesGoOverTheCurrentLink() {
        FakeOpener opener;
        auto* link = new FakeLink;
        opener.links << link;
        FakeEvents events;
        auto window = makeWindow(&opener, &events);
        waitForStartup(opener);
        // The page asked the new link who the meter is; only what follows counts.
        link->written.clear();

        QByteArray request = QByteArray::fromHex("AB44000000003600");
        const QByteArray body = request;
        QCOMPARE(window->sendFrame(request, 1000), 10);
        QCOMPARE(link->written.size(), 1);
        const quint16 crc = crc16(body, body.size());
        QCOMPARE(link->written.first(), body + char(crc & 0xFF) + char(crc >> 8));

        QByteArray reply = QByteArray::fromHex("AB440000000002000000");
        const quint16 replyCrc = crc16(reply, reply.size());
        link->reply = reply + char(replyCrc & 0xFF) + char(replyCrc >> 8);
        QByteArray received;
        QCOMPARE(window->receiveFrame(received, 1000, 12, true), 12);
        QCOMPARE(received, link->reply);

        link->disconnected = true;
        emit events.deviceRemoved();
        QCOMPARE(window->sendFrame(request, 1000), -1);
    }

    void appMessageShowsTheWindow() {
        auto window = makeWindow();
        QVERIFY(!window->isVisible());
        window->handleAppMessage(QStringLiteral("active!!!!!"));
        QVERIFY(window->isVisible());
    }

    void escapeAndReturnNeitherCloseNorPress() {
        auto window = makeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QVERIFY(window->isVisible());

        // Return after typing a colour name must not press Lock.
        auto* name = window->findChild<QLineEdit*>(QStringLiteral("lineEdit_colorDataName"));
        auto* libraries = window->findChild<QComboBox*>(QStringLiteral("comboBox_colorCardName"));
        QVERIFY(name && libraries);
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("red"));
        QTest::keyClick(name, Qt::Key_Return);
        QTest::keyClick(name, Qt::Key_Enter);
        QVERIFY(libraries->isEnabled());
        QVERIFY(window->isVisible());
    }

    void instanceIsOneConfiguredWindow() {
        // The window outlives this test.
        static FakeOpener opener;
        MainWindow::Setup setup;
        setup.prompt = &prompt_;
        setup.linkOpener = opener.function();
        setup.dataDirectory = data_.path();
        MainWindow::configure(setup);
        MainWindow* window = MainWindow::instance();
        QVERIFY(window);
        QCOMPARE(MainWindow::instance(), window);
        QTRY_COMPARE(opener.calls, 1);
        QVERIFY(!window->parent());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
