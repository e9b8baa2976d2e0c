// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QLockFile>
#include <QPointer>
#include <QString>
#include <memory>

class QSocketNotifier;

namespace colorcard {

// One running instance per user: the first process holds a lock file and
// listens on a Unix socket; later ones find the lock taken and may send the
// first one a message. A lock left behind by a crashed instance is stale and
// taken over, so it never blocks the next start. The socket is a plain one:
// the toolkit's network module (and what it loads) would cost every start.
class SingleApplication : public QApplication {
    Q_OBJECT
public:
    // id names the instance the processes agree on; empty means this
    // executable's path, so every installed copy is its own application.
    SingleApplication(int& argc, char** argv, const QString& id = QString());
    ~SingleApplication() override;

    QString id() const { return id_; }
    // True when another process of the same id and user runs. The first
    // call decides; a process that finds no other becomes the running one.
    bool isRunning();
    // Delivers message to the running instance; false when it could not be
    // delivered within timeoutMs milliseconds.
    bool sendMessage(const QString& message, int timeoutMs = 5000);

    void setActivationWindow(QWidget* window, bool activateOnMessage = true);
    QWidget* activationWindow() const;

public slots:
    // Restores, raises and focuses the activation window.
    void activateWindow();

signals:
    void messageReceived(const QString& message);

private:
    class Connection;
    void acceptConnection();
    void readMessage(Connection* connection);
    bool listen();

    QString id_;
    QString serverName_;
    QString lockPath_;
    std::unique_ptr<QLockFile> lock_;
    QString socketPath_;
    int server_ = -1;
    QSocketNotifier* serverNotifier_ = nullptr;
    enum class Role { Undecided, Primary, Secondary } role_ = Role::Undecided;
    QPointer<QWidget> window_;
    bool activateOnMessage_ = false;
};

}  // namespace colorcard
