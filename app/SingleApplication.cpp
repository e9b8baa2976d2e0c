// SPDX-License-Identifier: MIT
#include "app/SingleApplication.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDataStream>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

namespace {

// Wire format: a 32-bit length, then the message as UTF-8; the receiver
// answers with this acknowledgement once it has the whole message.
const QByteArray kAck = QByteArrayLiteral("ack");
const int kMaxMessageSize = 1 << 20;
const char* const kPendingProperty = "singleApplicationPending";

}  // namespace

SingleApplication::SingleApplication(int& argc, char** argv, const QString& id)
    : QApplication(argc, argv), id_(id.isEmpty() ? QCoreApplication::applicationFilePath() : id) {
    // Socket and lock are keyed by the id and the user: a second user's
    // instance is independent of ours.
    const QByteArray hash = QCryptographicHash::hash(id_.toUtf8(), QCryptographicHash::Sha1);
    serverName_ = QStringLiteral("colorcard-%1-%2")
                      .arg(QString::fromLatin1(hash.toHex().left(16)))
                      .arg(static_cast<qulonglong>(::getuid()));
    lockPath_ = QDir(QDir::tempPath()).filePath(serverName_ + ".lock");
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // Only a lock whose process is gone is stale; a long run keeps its lock.
    lock_->setStaleLockTime(0);
}

SingleApplication::~SingleApplication() {
    if (server_)
        server_->close();
    if (role_ == Role::Primary)
        lock_->unlock();
}

bool SingleApplication::isRunning() {
    if (role_ == Role::Undecided) {
        if (lock_->tryLock(0)) {
            role_ = Role::Primary;
            listen();
        } else if (lock_->error() == QLockFile::LockFailedError) {
            role_ = Role::Secondary;
        } else {
            // The lock cannot be written at all (no temporary directory):
            // running unguarded beats refusing to start.
            qWarning() << "single instance lock unavailable:" << lockPath_;
            role_ = Role::Primary;
        }
    }
    return role_ == Role::Secondary;
}

bool SingleApplication::listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleApplication::acceptConnection);
    // We hold the lock, so a socket file still there belongs to a crashed
    // instance.
    QLocalServer::removeServer(serverName_);
    if (!server_->listen(serverName_)) {
        qWarning() << "single instance server:" << server_->errorString();
        return false;
    }
    return true;
}

bool SingleApplication::sendMessage(const QString& message, int timeoutMs) {
    if (!isRunning())
        return false;
    QElapsedTimer clock;
    clock.start();
    auto remaining = [&] { return qMax(0, timeoutMs - static_cast<int>(clock.elapsed())); };

    QLocalSocket socket;
    // The running instance may still be starting up and not listen yet.
    for (;;) {
        socket.connectToServer(serverName_);
        if (socket.waitForConnected(remaining()))
            break;
        if (remaining() == 0)
            return false;
        QThread::msleep(qMin(50, remaining()));
    }

    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    stream << message.toUtf8();
    socket.write(data);
    if (!socket.waitForBytesWritten(remaining()))
        return false;
    while (socket.bytesAvailable() < kAck.size()) {
        if (!socket.waitForReadyRead(remaining()))
            return false;
    }
    return socket.read(kAck.size()) == kAck;
}

void SingleApplication::acceptConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        readMessage(socket);
    }
}

void SingleApplication::readMessage(QLocalSocket* socket) {
    QByteArray pending = socket->property(kPendingProperty).toByteArray() + socket->readAll();
    // QDataStream writes a byte array as a 32-bit length and the bytes.
    if (pending.size() < 4) {
        socket->setProperty(kPendingProperty, pending);
        return;
    }
    QDataStream header(pending);
    quint32 length = 0;
    header >> length;
    if (length == 0xFFFFFFFFu)
        length = 0;  // a null byte array
    if (length > static_cast<quint32>(kMaxMessageSize)) {
        socket->abort();
        return;
    }
    if (static_cast<quint32>(pending.size()) < 4 + length) {
        socket->setProperty(kPendingProperty, pending);
        return;
    }
    socket->setProperty(kPendingProperty, QByteArray());
    const QString message = QString::fromUtf8(pending.mid(4, static_cast<int>(length)));
    socket->write(kAck);
    socket->flush();
    socket->disconnectFromServer();
    emit messageReceived(message);
}

void SingleApplication::setActivationWindow(QWidget* window, bool activateOnMessage) {
    window_ = window;
    if (activateOnMessage == activateOnMessage_)
        return;
    activateOnMessage_ = activateOnMessage;
    if (activateOnMessage)
        connect(this, &SingleApplication::messageReceived, this,
                &SingleApplication::activateWindow);
    else
        disconnect(this, &SingleApplication::messageReceived, this,
                   &SingleApplication::activateWindow);
}

QWidget* SingleApplication::activationWindow() const {
    return window_;
}

void SingleApplication::activateWindow() {
    if (!window_)
        return;
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->raise();
    window_->activateWindow();
}
