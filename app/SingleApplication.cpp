// SPDX-License-Identifier: MIT
#include "app/SingleApplication.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDataStream>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>
#include <QWidget>
#include <cstring>

namespace colorcard {

namespace {

// Wire format: a 32-bit length, then the message as UTF-8; the receiver
// answers with this acknowledgement once it has the whole message.
const QByteArray kAck = QByteArrayLiteral("ack");
const int kMaxMessageSize = 1 << 20;

// The socket's address; false when the path does not fit one.
bool socketAddress(const QString& path, sockaddr_un* address) {
    const QByteArray name = QFile::encodeName(path);
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    if (name.size() >= static_cast<int>(sizeof address->sun_path))
        return false;
    std::memcpy(address->sun_path, name.constData(), static_cast<size_t>(name.size()));
    return true;
}

// Waits until fd is ready for events; false on a timeout or an error.
bool waitFor(int fd, short events, int timeoutMs) {
    pollfd entry{fd, events, 0};
    int ready;
    do
        ready = ::poll(&entry, 1, timeoutMs);
    while (ready < 0 && errno == EINTR);
    return ready > 0 && (entry.revents & events);
}

// Closes the descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

}  // namespace

// One accepted client: its socket and what it has sent so far.
class SingleApplication::Connection : public QObject {
public:
    Connection(int fd, QObject* parent) : QObject(parent), fd(fd) {
        notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    }
    ~Connection() override {
        delete notifier;
        ::close(fd);
    }
    // Takes everything the client has sent so far; false when it has hung
    // up, sent too much or the socket failed.
    bool receive() {
        char buffer[4096];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got > 0) {
                pending.append(buffer, static_cast<int>(got));
                if (pending.size() > 4 + kMaxMessageSize)
                    return false;
                continue;
            }
            if (got < 0 && errno == EINTR)
                continue;
            return got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
        }
    }

    const int fd;
    QSocketNotifier* notifier = nullptr;
    QByteArray pending;
};

SingleApplication::SingleApplication(int& argc, char** argv, const QString& id)
    : QApplication(argc, argv), id_(id.isEmpty() ? QCoreApplication::applicationFilePath() : id) {
    // Socket and lock are keyed by the id and the user: a second user's
    // instance is independent of ours.
    const QByteArray hash = QCryptographicHash::hash(id_.toUtf8(), QCryptographicHash::Sha1);
    serverName_ = QStringLiteral("colorcard-%1-%2")
                      .arg(QString::fromLatin1(hash.toHex().left(16)))
                      .arg(static_cast<qulonglong>(::getuid()));
    lockPath_ = QDir(QDir::tempPath()).filePath(serverName_ + ".lock");
    socketPath_ = QDir(QDir::tempPath()).filePath(serverName_);
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // Only a lock whose process is gone is stale; a long run keeps its lock.
    lock_->setStaleLockTime(0);
}

SingleApplication::~SingleApplication() {
    // The clients go first: their notifiers belong to this application.
    const QObjectList children = this->children();
    for (QObject* child : children)
        delete dynamic_cast<Connection*>(child);
    delete serverNotifier_;
    if (server_ >= 0) {
        ::close(server_);
        ::unlink(QFile::encodeName(socketPath_).constData());
    }
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
    sockaddr_un address;
    if (!socketAddress(socketPath_, &address)) {
        qWarning() << "single instance server: path too long:" << socketPath_;
        return false;
    }
    Descriptor server{::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0)};
    if (server.fd < 0) {
        qWarning() << "single instance server:" << std::strerror(errno);
        return false;
    }
    // We hold the lock, so a socket file still there belongs to a crashed
    // instance.
    ::unlink(address.sun_path);
    // Only this user may connect: the socket is created without access for
    // group and others.
    const mode_t mask = ::umask(S_IRWXG | S_IRWXO);
    const bool bound =
        ::bind(server.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(mask);
    if (!bound || ::listen(server.fd, SOMAXCONN) != 0) {
        qWarning() << "single instance server:" << std::strerror(errno);
        return false;
    }
    server_ = server.fd;
    server.fd = -1;
    serverNotifier_ = new QSocketNotifier(server_, QSocketNotifier::Read, this);
    connect(serverNotifier_, &QSocketNotifier::activated, this,
            &SingleApplication::acceptConnection);
    return true;
}

bool SingleApplication::sendMessage(const QString& message, int timeoutMs) {
    if (!isRunning())
        return false;
    QElapsedTimer clock;
    clock.start();
    auto remaining = [&] { return qMax(0, timeoutMs - static_cast<int>(clock.elapsed())); };
    sockaddr_un address;
    if (!socketAddress(socketPath_, &address))
        return false;

    Descriptor socket;
    // The running instance may still be starting up and not listen yet.
    for (;;) {
        socket.fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (socket.fd < 0)
            return false;
        if (::connect(socket.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            break;
        ::close(socket.fd);
        socket.fd = -1;
        if (remaining() == 0)
            return false;
        QThread::msleep(static_cast<unsigned long>(qMin(50, remaining())));
    }
    ::fcntl(socket.fd, F_SETFL, ::fcntl(socket.fd, F_GETFL) | O_NONBLOCK);

    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    stream << message.toUtf8();
    for (int written = 0; written < data.size();) {
        const ssize_t sent = ::send(socket.fd, data.constData() + written,
                                    static_cast<size_t>(data.size() - written), MSG_NOSIGNAL);
        if (sent > 0)
            written += static_cast<int>(sent);
        else if (sent < 0 && errno == EINTR)
            continue;
        else if (sent < 0 && errno == EAGAIN && waitFor(socket.fd, POLLOUT, remaining()))
            continue;
        else
            return false;
    }
    QByteArray answer;
    while (answer.size() < kAck.size()) {
        char buffer[16];
        const ssize_t got = ::read(socket.fd, buffer, sizeof buffer);
        if (got > 0)
            answer.append(buffer, static_cast<int>(got));
        else if (got < 0 && errno == EINTR)
            continue;
        else if (got < 0 && errno == EAGAIN && waitFor(socket.fd, POLLIN, remaining()))
            continue;
        else
            return false;
    }
    return answer.left(kAck.size()) == kAck;
}

void SingleApplication::acceptConnection() {
    for (;;) {
        const int fd = ::accept4(server_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        auto* connection = new Connection(fd, this);
        connect(connection->notifier, &QSocketNotifier::activated, this,
                [this, connection] { readMessage(connection); });
        readMessage(connection);
    }
}

void SingleApplication::readMessage(Connection* connection) {
    const bool open = connection->receive();
    const auto drop = [connection] {
        connection->notifier->setEnabled(false);
        connection->deleteLater();
    };
    const QByteArray& pending = connection->pending;
    // QDataStream writes a byte array as a 32-bit length and the bytes.
    quint32 length = 0;
    if (pending.size() >= 4) {
        QDataStream header(pending);
        header >> length;
        if (length == 0xFFFFFFFFu)
            length = 0;  // a null byte array
    }
    if (length > static_cast<quint32>(kMaxMessageSize) || pending.size() < 4 ||
        static_cast<quint32>(pending.size()) < 4 + length) {
        if (!open || length > static_cast<quint32>(kMaxMessageSize))
            drop();
        return;
    }
    const QString message = QString::fromUtf8(pending.mid(4, static_cast<int>(length)));
    // Three bytes into an empty socket buffer: never blocks.
    (void)::send(connection->fd, kAck.constData(), static_cast<size_t>(kAck.size()), MSG_NOSIGNAL);
    ::shutdown(connection->fd, SHUT_RDWR);
    drop();
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

}  // namespace colorcard
