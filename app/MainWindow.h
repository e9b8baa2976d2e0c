// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>

#include "link/CLinker.h"
#include "protocol/FrameLayer.h"
#include "texts/Language.h"

class QLabel;
class QTranslator;
namespace Ui {
class MainWindow;
}

namespace colorcard {

class DeviceEventSource;
class FirstPage;
class LayoutFit;
class PageSwitcher;
class PasswordKeeper;
class Prompt;
class QualityPage;
class Session;

// The one top-level window: hosts the workspace page, shows the meter link
// with an LED, switches languages, owns the link and follows plug and unplug
// of the meter. Every frame of the protocol goes through its frame layer.
class MainWindow : public QDialog {
    Q_OBJECT
public:
    // What the window is built on; tests and the demo replace the parts.
    struct Setup {
        // Every message box; null: the toolkit's dialogs.
        Prompt* prompt = nullptr;
        // Opens the meter link; empty: the link never opens.
        LinkOpener linkOpener;
        // Plug and unplug notifications (not owned); null: no hot-plug detection.
        DeviceEventSource* deviceEvents = nullptr;
        // Where the page keeps its data; empty: DataFiles::databaseDirectory().
        QString dataDirectory;
        // The store: a SQLite file or a postgresql:// address; empty:
        // "database.db" in the data directory.
        QString location;
        // The device settings file; empty: "meterno" as DataFiles finds it.
        QString settingsFile;
        // Where translation files are looked for, in order; empty: the working
        // directory, then DataFiles::searchDirectories().
        QStringList translationDirectories;
        // Keeps server passwords the user asks to remember (not owned); null:
        // the desktop keyring when built with it.
        PasswordKeeper* passwordKeeper = nullptr;
    };

    // Sets what instance() builds the window on; call before its first use.
    static void configure(const Setup& setup);
    // The one window of the process, created on first call and destroyed
    // with the application object.
    static MainWindow* instance();

    explicit MainWindow(const Setup& setup, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Frame layer over the current link.
    int sendFrame(QByteArray& frame, int timeoutMs);
    int receiveFrame(QByteArray& buffer, int timeoutMs, int expectedLength, bool checkCrc);
    FrameLayer* frameLayer() { return &frames_; }

    // The open link, null while there is none.
    CLinker* link() const { return link_; }
    // The services the pages show, built before them and gone after them.
    Session& session() const { return *session_; }
    FirstPage* page() const { return page_; }
    // The quality-control page, the window's second page; built on first use.
    QualityPage* qualityPage();
    PageSwitcher* pageSwitcher() const { return switcher_; }

    // "zh" or "en": switches the interface when that language's translation
    // is found; false (and nothing changed) otherwise.
    bool setLanguage(const QString& code);
    // The language shown: "zh" until another was set.
    QString language() const { return language_.code(); }
    // The translation file of language ("zh" or "en") that would be loaded,
    // empty when none is found.
    QString translationFile(const QString& language) const;

signals:
    // After the page was asked to identify the meter on a new link.
    void linkOpened(int type);
    // After the link was closed and the page forgot the meter.
    void linkClosed();

public slots:
    void initForm();
    void initusbport();
    void handleAppMessage(QString message);
    // type 0: opened at start-up, 1: the meter was plugged in. True when a
    // link is open afterwards.
    bool OpenUSB(int type);
    void CloseUSB();
    void on_pushButton_languageEn_clicked();
    void on_pushButton_languageZh_clicked();

protected:
    // The window is a dialog only in form: Escape must not close the program
    // and Return must not press whichever button the dialog made its default.
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void handleDeviceArrival();
    void handleDeviceRemoval();

private:
    void showLinkLed(bool lit);
    void updateLinkToolTip();
    void retranslate();
    QStringList translationDirectories() const;
    void addLanguageButtons();
    void replaceTranslator(std::unique_ptr<QTranslator>& slot, std::unique_ptr<QTranslator> next);
    // The pages in a scroll area below the top row.
    void placePagesInScrollArea();
    // The quality-control page, its switch and the reading count beside the measure button.
    void addQualityPage();
    // The line under the pages naming the store (file, or server and role).
    void addStoreStatus();
    void showStoreStatus();

    Ui::MainWindow* ui_;
    std::unique_ptr<Session> session_;
    FirstPage* page_ = nullptr;
    QualityPage* quality_ = nullptr;
    LayoutFit* fit_ = nullptr;
    // Holds the quality-control page's place until the page is built.
    QWidget* qualityPlaceholder_ = nullptr;
    QLabel* storeStatus_ = nullptr;
    // Offline only: tries the server again at once.
    QPushButton* reconnect_ = nullptr;
    std::unique_ptr<PasswordKeeper> desktopKeeper_;
    PageSwitcher* switcher_ = nullptr;
    CLinker* link_ = nullptr;
    std::unique_ptr<QTranslator> qtTranslator_;

    Setup setup_;
    Prompt* prompt_;
    QPointer<DeviceEventSource> deviceEvents_;
    FrameLayer frames_;
    // The meter is attached but its device node may not be opened.
    bool permissionDenied_ = false;
    Language language_;
};

}  // namespace colorcard
