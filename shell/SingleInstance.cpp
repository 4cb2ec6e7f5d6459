#include "shell/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

#include <memory>
#include <unistd.h>

namespace nuro {
namespace {

constexpr int kConnectTries = 30;
constexpr int kConnectPauseMs = 100;
constexpr int kWriteWaitMs = 2000;

std::unique_ptr<QLockFile> lock;
QLocalServer* server = nullptr;

QString Dir() { return QString::fromStdString(InstanceDirectory()); }
QString LockPath() { return Dir() + "/nuro.lock"; }
QString SocketPath() { return Dir() + "/nuro.socket"; }

} // namespace

std::string InstanceDirectory()
{
    QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.startsWith('/') && QDir(QString::fromLocal8Bit(runtime)).exists())
        return runtime.toStdString();
    QString dir = QDir::tempPath() + QStringLiteral("/nuro-%1").arg(getuid());
    QDir().mkpath(dir);
    QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return dir.toStdString();
}

bool ClaimSingleInstance()
{
    lock = std::make_unique<QLockFile>(LockPath());
    // Only a live owner counts: the exit path ends the process without removing the file, and the
    // age of a lock says nothing (a faked or changed clock must not make a live one look stale).
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        return true;
    lock.reset();
    return false;
}

bool NotifyRunningInstance(const std::string& request)
{
    // The running instance may still be starting: give it a moment to listen.
    for (int i = 0; i < kConnectTries; ++i) {
        QLocalSocket socket;
        socket.connectToServer(SocketPath());
        if (socket.waitForConnected(kConnectPauseMs)) {
            socket.write(QByteArray::fromStdString(request + "\n"));
            bool sent = socket.waitForBytesWritten(kWriteWaitMs);
            socket.disconnectFromServer();
            if (socket.state() != QLocalSocket::UnconnectedState)
                socket.waitForDisconnected(kWriteWaitMs);
            return sent;
        }
        QThread::msleep(kConnectPauseMs);
    }
    return false;
}

void ListenForLaterStarts(std::function<void(const std::string&)> onRequest)
{
    if (server)
        return;
    server = new QLocalServer;
    server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(SocketPath()); // left by an ended instance; we hold the lock
    server->listen(SocketPath());
    QObject::connect(server, &QLocalServer::newConnection, server, [onRequest] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, onRequest] {
                while (socket->canReadLine())
                    onRequest(socket->readLine().trimmed().toStdString());
            });
        }
    });
}

void ReleaseSingleInstance()
{
    if (server) {
        server->close();
        QLocalServer::removeServer(SocketPath());
    }
    if (lock)
        lock->unlock();
}

} // namespace nuro
