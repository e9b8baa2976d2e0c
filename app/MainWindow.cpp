// SPDX-License-Identifier: MIT
#include "app/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QTranslator>
#include <QtGlobal>

#include "app/AppStartup.h"
#include "app/LayoutFit.h"
#include "compat/QtCompat.h"
#include "link/DeviceEventSource.h"
#include "store/DataFiles.h"
#include "texts/MeterTexts.h"
#include "texts/StoreWindowTexts.h"
#include "texts/TextCatalogue.h"
#include "ui_MainWindow.h"
#include "workflow/PasswordKeeper.h"
#include "workflow/Session.h"
#include "workspace/FirstPage.h"
#include "workspace/PageSwitcher.h"
#include "workspace/QualityPage.h"
#include "workspace/ReadingCountBox.h"
#include "workspace/WidgetPrompt.h"

namespace colorcard {

namespace {

const quint16 kMeterVendorId = 0x2047;
const quint16 kMeterProductId = 0x0301;

MainWindow::Setup& configuredSetup() {
    static MainWindow::Setup setup;
    return setup;
}

QPointer<MainWindow>& theWindow() {
    static QPointer<MainWindow> window;
    return window;
}

// Widgets must go before the application object, so the window is destroyed
// as the first step of tearing that down rather than at static destruction.
void destroyTheWindow() {
    delete theWindow().data();
}

Prompt* widgetPrompt() {
    static WidgetPrompt prompt;
    return &prompt;
}

// A translator loaded from the first directory holding baseName (the toolkit
// tries the name with ".qm" first), or null when none has it.
std::unique_ptr<QTranslator> loadTranslator(const QString& baseName,
                                            const QStringList& directories) {
    auto translator = std::make_unique<QTranslator>();
    for (const QString& directory : directories) {
        if (translator->load(baseName, directory))
            return translator;
    }
    return nullptr;
}

}  // namespace

void MainWindow::configure(const Setup& setup) {
    configuredSetup() = setup;
}

MainWindow* MainWindow::instance() {
    QPointer<MainWindow>& window = theWindow();
    if (!window) {
        window = new MainWindow(configuredSetup());
        qAddPostRoutine(destroyTheWindow);
    }
    return window;
}

MainWindow::MainWindow(const Setup& setup, QWidget* parent)
    : QDialog(parent),
      ui_(new Ui::MainWindow),
      setup_(setup),
      prompt_(setup.prompt ? setup.prompt : widgetPrompt()),
      deviceEvents_(setup.deviceEvents),
      frames_([this] { return link_; }) {
    // A meter that needs the old pacing can be given it here for every model.
    frames_.setConfiguredPacing(FrameLayer::configuredPacing());
    AppStartup::initResources();
    ui_->setupUi(this);
    ui_->stackedWidget->setCurrentIndex(-1);
    addLanguageButtons();
    initForm();
    on_pushButton_languageZh_clicked();
    fit_ = LayoutFit::install(this);
    // The store's server is connected to and the meter first looked for once
    // the event loop runs: the window shows while the server is awaited.
    if (!setup.passwordKeeper)
        desktopKeeper_ = desktopPasswordKeeper();
    session_->store().setPasswordKeeper(setup.passwordKeeper ? setup.passwordKeeper
                                                             : desktopKeeper_.get());
    QTimer::singleShot(10, this, [this] {
        session_->store().connect();
        initusbport();
    });
}

MainWindow::~MainWindow() {
    if (link_)
        link_->close();
    // The pages show the session's services: they go first.
    delete quality_;
    delete page_;
    delete ui_;
    // The language chosen was this window's: the next one starts in the program's own.
    TextCatalogue::setApplicationTranslator(TextCatalogue::loadTranslator(Language().code()));
}

int MainWindow::sendFrame(QByteArray& frame, int timeoutMs) {
    return frames_.sendFrame(frame, timeoutMs);
}

int MainWindow::receiveFrame(QByteArray& buffer, int timeoutMs, int expectedLength, bool checkCrc) {
    return frames_.receiveFrame(buffer, timeoutMs, expectedLength, checkCrc);
}

void MainWindow::initForm() {
    setWindowFlags(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);

    // Before the pages exist: set afterwards, every widget already made
    // would be styled a second time.
    QStringList sheet;
    sheet << QStringLiteral(
                 "QComboBox::drop-down,QDateEdit::drop-down,QTimeEdit::drop-down,"
                 "QDateTimeEdit::drop-down{width:%1px;}")
                 .arg(20);
    sheet << QStringLiteral(
                 "QComboBox::down-arrow,QDateEdit[calendarPopup=\"true\"]::down-arrow,"
                 "QTimeEdit[calendarPopup=\"true\"]::down-arrow,"
                 "QDateTimeEdit[calendarPopup=\"true\"]::down-arrow"
                 "{width:%1px;height:%1px;right:2px;}")
                 .arg(10);
    sheet << QStringLiteral("QRadioButton::indicator{width:%1px;height:%1px;}").arg(15);
    sheet << QStringLiteral(
                 "QCheckBox::indicator,QGroupBox::indicator,QTreeWidget::indicator,"
                 "QListWidget::indicator{width:%1px;height:%1px;}")
                 .arg(13);
    sheet << QStringLiteral(
                 "QScrollBar:horizontal{min-height:%1px;border-radius:%2px;}"
                 "QScrollBar::handle:horizontal{border-radius:%2px;}"
                 "QScrollBar:vertical{min-width:%1px;border-radius:%2px;}"
                 "QScrollBar::handle:vertical{border-radius:%2px;}")
                 .arg(12)
                 .arg(6);
    sheet << QStringLiteral(
                 "QWidget#widget_top>QToolButton:pressed,QWidget#widget_top>QToolButton:hover,"
                 "QWidget#widget_top>QToolButton:checked,QWidget#widget_top>QLabel:hover"
                 "{border-width:0px 0px %1px 0px;}")
                 .arg(3);
    sheet << QStringLiteral(
                 "QWidget#widgetleft>QPushButton:checked,QWidget#widgetleft>QToolButton:checked,"
                 "QWidget#widgetleft>QPushButton:pressed,QWidget#widgetleft>QToolButton:pressed"
                 "{border-width:0px 0px 0px %1px;}")
                 .arg(3);
    setStyleSheet(sheet.join(QString()));

    // An installed program keeps its database per user, not in bin/.
    const QString dataDirectory =
        setup_.dataDirectory.isEmpty() ? DataFiles::databaseDirectory() : setup_.dataDirectory;
    const QString settingsFile = setup_.settingsFile.isEmpty()
                                     ? DataFiles::locate(QStringLiteral("meterno"))
                                     : setup_.settingsFile;
    Session::Setup session;
    session.prompt = prompt_;
    session.frames = &frames_;
    session.dataDirectory = dataDirectory;
    session.location = setup_.location;
    session.settingsFile = settingsFile;
    session_ = std::make_unique<Session>(session);
    // The stack is in its place before the page is made, and the page is
    // made in the stack: moving a built page styles every widget again.
    placePagesInScrollArea();
    page_ = new FirstPage(*session_, ui_->stackedWidget);
    ui_->stackedWidget->addWidget(page_);
    // Closed once the identification that refused it has returned.
    connect(&session_->meter(), &MeterController::meterRefused, this, &MainWindow::CloseUSB,
            Qt::QueuedConnection);
    ui_->stackedWidget->setCurrentWidget(page_);
    addQualityPage();
    addStoreStatus();
}

void MainWindow::addStoreStatus() {
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (!grid)
        return;
    storeStatus_ = new QLabel(this);
    storeStatus_->setObjectName(QStringLiteral("label_store"));
    // A long path is cut rather than widening the window.
    storeStatus_->setMinimumWidth(0);
    storeStatus_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    storeStatus_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    reconnect_ = new QPushButton(this);
    reconnect_->setObjectName(QStringLiteral("pushButton_reconnect"));
    reconnect_->hide();
    auto* line = new QHBoxLayout;
    line->addWidget(storeStatus_, 1);
    line->addWidget(reconnect_);
    grid->addLayout(line, grid->rowCount(), 0, 1, grid->columnCount());
    connect(reconnect_, &QPushButton::clicked, this, [this] { session_->store().connect(); });
    connect(&session_->store(), &StoreService::stateChanged, this, &MainWindow::showStoreStatus);
    showStoreStatus();
}

void MainWindow::showStoreStatus() {
    if (!storeStatus_)
        return;
    const QString text = session_->store().statusText();
    storeStatus_->setText(text);
    storeStatus_->setToolTip(text);
    const Messenger& messenger = page_->messenger();
    reconnect_->setText(messenger.text(StoreWindowText::Reconnect));
    reconnect_->setToolTip(messenger.text(StoreWindowText::ReconnectTip));
    reconnect_->setVisible(session_->store().offline());
}

void MainWindow::placePagesInScrollArea() {
    // The pages scroll in a window smaller than they need (a laptop at a
    // large desktop scale); the top row with the language buttons stays.
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (!grid)
        return;
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrollArea_pages"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setMinimumSize(640, 400);
    grid->removeWidget(ui_->stackedWidget);
    scroll->setWidget(ui_->stackedWidget);
    scroll->viewport()->setAutoFillBackground(false);
    ui_->stackedWidget->setAutoFillBackground(false);
    grid->addWidget(scroll, 1, 0, 1, 4);
}

void MainWindow::addQualityPage() {
    // The page is built when first shown (qualityPage()): the window comes up
    // without it. Until then an empty widget holds its place in the stack.
    qualityPlaceholder_ = new QWidget(ui_->stackedWidget);
    ui_->stackedWidget->addWidget(qualityPlaceholder_);
    switcher_ = new PageSwitcher(this);
    // In the top row, left of the language buttons, and after it the status
    // line: remarks that need no box (WidgetPrompt::status).
    auto* topRow = new QWidget(this);
    auto* topLayout = new QHBoxLayout(topRow);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(switcher_);
    auto* status = new QLabel(topRow);
    status->setObjectName(QStringLiteral("label_status"));
    status->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A long remark is cut rather than widening the window.
    status->setMinimumWidth(0);
    status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    topLayout->addWidget(status, 1);
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(topRow, 0, 1);
    connect(switcher_, &PageSwitcher::pageChosen, this, [this](int page) {
        ui_->stackedWidget->setCurrentWidget(page == PageSwitcher::Quality
                                                 ? static_cast<QWidget*>(qualityPage())
                                                 : static_cast<QWidget*>(page_));
    });
    ReadingCountBox::placeBelow(
        page_->findChild<QPushButton*>(QStringLiteral("pushButton_measure")), session_->meter());
}

QualityPage* MainWindow::qualityPage() {
    if (quality_)
        return quality_;
    quality_ = new QualityPage(session_->quality(), ui_->stackedWidget);
    quality_->setLanguage(language_);
    quality_->setStandardsGate([this] { return session_->store().allowStandardsChange(); });
    const int index = ui_->stackedWidget->indexOf(qualityPlaceholder_);
    ui_->stackedWidget->insertWidget(index, quality_);
    ui_->stackedWidget->removeWidget(qualityPlaceholder_);
    delete qualityPlaceholder_;
    qualityPlaceholder_ = nullptr;
    // Its texts are fitted like the rest of the window's, once it is shown.
    if (fit_)
        QTimer::singleShot(0, fit_, &LayoutFit::fit);
    return quality_;
}

void MainWindow::initusbport() {
    showLinkLed(false);
    if (deviceEvents_) {
        connect(deviceEvents_, &DeviceEventSource::deviceArrived, this,
                &MainWindow::handleDeviceArrival, Qt::UniqueConnection);
        connect(deviceEvents_, &DeviceEventSource::deviceRemoved, this,
                &MainWindow::handleDeviceRemoval, Qt::UniqueConnection);
        if (!deviceEvents_->start())
            qWarning("Device events unavailable: the meter is looked for at start only");
    }
    OpenUSB(0);
}

void MainWindow::handleAppMessage(QString) {
    show();
}

bool MainWindow::OpenUSB(int type) {
    if (link_)
        return true;
    bool permissionDenied = false;
    CLinker* opened = setup_.linkOpener
                          ? setup_.linkOpener(kMeterVendorId, kMeterProductId, &permissionDenied)
                          : nullptr;
    permissionDenied_ = !opened && permissionDenied;
    updateLinkToolTip();
    if (!opened)
        return false;

    // The window is the link's only owner.
    opened->setParent(this);
    link_ = opened;
    showLinkLed(true);
    page_->identifyMeter(type);
    emit linkOpened(type);
    return true;
}

void MainWindow::CloseUSB() {
    if (!link_)
        return;
    CLinker* closing = link_;
    link_ = nullptr;
    closing->close();
    // The removal may be handled in an event loop nested inside a frame
    // exchange that still uses the object further up the stack.
    closing->deleteLater();
    showLinkLed(false);
    page_->clearMeterInfo();
    emit linkClosed();
}

void MainWindow::handleDeviceArrival() {
    if (link_)
        return;
    OpenUSB(1);
}

void MainWindow::handleDeviceRemoval() {
    // Another device went away while the meter still answers: keep the link.
    if (link_ && link_->isDisconnected())
        CloseUSB();
}

void MainWindow::on_pushButton_languageEn_clicked() {
    setLanguage(QStringLiteral("en"));
}

void MainWindow::on_pushButton_languageZh_clicked() {
    setLanguage(QStringLiteral("zh"));
}

// A language is offered when its translation (a ColorCard_<code>.qm) is
// installed: the form's two buttons show only then, and every other
// language gets one beside them, named as its translation names it.
void MainWindow::addLanguageButtons() {
    const QStringList directories = translationDirectories();
    for (const QString& directory : directories)
        TextCatalogue::addDirectory(directory);
    const QStringList installed = TextCatalogue::languagesIn(directories);
    ui_->pushButton_languageEn->setVisible(installed.contains(QLatin1String("en")));
    ui_->pushButton_languageZh->setVisible(installed.contains(QLatin1String("zh")));
    int column = ui_->gridLayout_mainWindow->columnCount();
    for (const QString& code : installed) {
        if (code == QLatin1String("en") || code == QLatin1String("zh"))
            continue;
        auto* button = new QPushButton(TextCatalogue::nativeName(code), this);
        button->setObjectName(QStringLiteral("pushButton_language_") + code);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, code] { setLanguage(code); });
        ui_->gridLayout_mainWindow->addWidget(button, 0, column++);
    }
}

bool MainWindow::setLanguage(const QString& code) {
    const Language language(code);
    if (language.isChinese()) {
        QStringList qtDirectories = translationDirectories();
        qtDirectories << QtCompat::qtTranslationsPath();
        std::unique_ptr<QTranslator> qtTranslator =
            loadTranslator(QStringLiteral("qt_zh_CN.qm"), qtDirectories);
        if (qtTranslator)
            replaceTranslator(qtTranslator_, std::move(qtTranslator));
    }
    // A missing translation leaves everything as it was, the toolkit's
    // Chinese texts included.
    std::unique_ptr<QTranslator> translator =
        loadTranslator(QStringLiteral("ColorCard_") + language.code(), translationDirectories());
    if (!translator)
        return false;
    if (!language.isChinese() && qtTranslator_) {
        QCoreApplication::removeTranslator(qtTranslator_.get());
        qtTranslator_.reset();
    }
    TextCatalogue::addDirectory(QFileInfo(translationFile(language.code())).absolutePath());
    TextCatalogue::setApplicationTranslator(std::move(translator));
    language_ = language;
    retranslate();
    page_->setLanguage(language);
    showStoreStatus();
    if (quality_)
        quality_->setLanguage(language);
    updateLinkToolTip();
    return true;
}

QString MainWindow::translationFile(const QString& language) const {
    const QString name = QStringLiteral("ColorCard_%1.qm").arg(language);
    for (const QString& directory : translationDirectories()) {
        const QFileInfo file(QDir(directory).filePath(name));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return QString();
}

void MainWindow::showLinkLed(bool lit) {
    ui_->label_linkStatus->setPixmap(QPixmap(lit ? QStringLiteral(":/image/led_on.png")
                                                 : QStringLiteral(":/image/led_off.png")));
    ui_->label_linkStatus->setAlignment(Qt::AlignCenter);
}

void MainWindow::updateLinkToolTip() {
    if (!permissionDenied_) {
        ui_->label_linkStatus->setToolTip(QString());
        return;
    }
    ui_->label_linkStatus->setToolTip(page_->messenger().text(MeterText::NoAccess));
}

void MainWindow::retranslate() {
    ui_->retranslateUi(this);
}

QStringList MainWindow::translationDirectories() const {
    if (!setup_.translationDirectories.isEmpty())
        return setup_.translationDirectories;
    return QStringList{QDir::currentPath()} + DataFiles::searchDirectories();
}

void MainWindow::replaceTranslator(std::unique_ptr<QTranslator>& slot,
                                   std::unique_ptr<QTranslator> next) {
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    QCoreApplication::installTranslator(next.get());
    slot = std::move(next);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // A focused button takes these keys itself before they get here.
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

}  // namespace colorcard
