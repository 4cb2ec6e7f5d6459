#include "shell/SingleInstance.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QString>
#include <QThread>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace nuro {
namespace {

constexpr int kConnectWaitMs = 200;
constexpr int kAnswerWaitMs = 3000;
constexpr int kRetryPauseMs = 100;
constexpr const char* kAnswer = "ok";

int lockFd = -1;
QLocalServer* server = nullptr;
bool listening = false; // on the user-interface thread only

std::string LockPath(const std::string& dir)
{
    return dir + "/nuro.lock";
}
std::string SocketPath(const std::string& dir)
{
    return dir + "/nuro.socket";
}

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The home folder: $HOME, else the password database's.
std::string HomeDirectory()
{
    if (std::string home = Env("HOME"); !home.empty() && home[0] == '/')
        return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/')
        return pw->pw_dir;
    return {};
}

// A folder no one but us may enter or change, and not a link another account could have planted.
bool IsPrivateFolder(const std::string& dir)
{
    struct stat st = {};
    return !dir.empty() && dir[0] == '/' && ::lstat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == getuid() && (st.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

// Makes each missing folder of `dir` (the last one 0700) and checks the last is ours alone.
bool MakePrivateFolder(const std::string& dir)
{
    for (std::size_t at = 1; at != std::string::npos;) {
        at = dir.find('/', at + 1);
        const std::string part = dir.substr(0, at);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    struct stat st = {};
    if (::lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid())
        return false;
    if ((st.st_mode & 0777) != 0700 && ::chmod(dir.c_str(), 0700) != 0)
        return false;
    return IsPrivateFolder(dir);
}

// The socket's whole path must fit an AF_UNIX address.
bool SocketPathFits(const std::string& dir)
{
    return SocketPath(dir).size() < sizeof(sockaddr_un{}.sun_path);
}

std::string XdgFolder(const char* variable, const char* fallback)
{
    if (std::string value = Env(variable); !value.empty() && value[0] == '/')
        return value;
    const std::string home = HomeDirectory();
    return home.empty() ? std::string() : home + "/" + fallback;
}

enum class LockState { Taken, Held, Error };

LockState TryLock(const std::string& dir, std::string& error)
{
    const std::string path = LockPath(dir);
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        error = "cannot open the lock file " + path + ": " + std::strerror(errno);
        return LockState::Error;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int why = errno;
        ::close(fd);
        if (why == EWOULDBLOCK || why == EINTR)
            return LockState::Held;
        error = "cannot lock " + path + ": " + std::strerror(why);
        return LockState::Error;
    }
    // For a person looking: which process holds it. Nothing reads it back.
    const std::string pid = std::to_string(getpid()) + "\n";
    if (::ftruncate(fd, 0) == 0) [[maybe_unused]]
        ssize_t n = ::pwrite(fd, pid.data(), pid.size(), 0);
    lockFd = fd;
    return LockState::Taken;
}

// True once the instance listening in `dir` has taken the request and said so.
bool HandOver(const std::string& dir, const std::string& request)
{
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(SocketPath(dir)));
    if (!socket.waitForConnected(kConnectWaitMs))
        return false;
    socket.write(QByteArray::fromStdString(request + "\n"));
    if (!socket.waitForBytesWritten(kAnswerWaitMs))
        return false;
    // An instance that accepted the connection and then went on ending never answers.
    QElapsedTimer waited;
    waited.start();
    while (!socket.canReadLine()) {
        const int left = kAnswerWaitMs - static_cast<int>(waited.elapsed());
        if (left <= 0 || socket.state() != QLocalSocket::ConnectedState || !socket.waitForReadyRead(left))
            break;
    }
    const bool answered = socket.canReadLine() && socket.readLine().trimmed() == kAnswer;
    socket.disconnectFromServer();
    return answered;
}

} // namespace

std::string InstanceDirectory()
{
    if (std::string runtime = Env("XDG_RUNTIME_DIR"); IsPrivateFolder(runtime) && SocketPathFits(runtime))
        return runtime;
    for (const std::string& base : {XdgFolder("XDG_CACHE_HOME", ".cache"), XdgFolder("XDG_CONFIG_HOME", ".config")}) {
        if (base.empty())
            continue;
        const std::string dir = base + "/nuro/runtime";
        if (SocketPathFits(dir) && MakePrivateFolder(dir))
            return dir;
    }
    return {};
}

bool PrepareSessionEnvironment(std::string& error)
{
    if (Env("HOME").empty()) {
        const std::string home = HomeDirectory();
        if (home.empty()) {
            error = "no home folder: HOME is unset and the password database has none for this user";
            return false;
        }
        ::setenv("HOME", home.c_str(), 1);
    }
    const std::string dir = InstanceDirectory();
    if (dir.empty()) {
        error = "no private folder for the lock: XDG_RUNTIME_DIR is unset or not private, and no "
                "nuro/runtime folder could be made in the cache or config folder";
        return false;
    }
    if (Env("XDG_RUNTIME_DIR") != dir)
        ::setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    return true;
}

StartClaim ClaimOrHandOver(const std::string& request, std::string& error, int waitMs)
{
    const std::string dir = InstanceDirectory();
    if (dir.empty()) {
        error = "no private folder for the lock";
        return StartClaim::Failed;
    }
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        switch (TryLock(dir, error)) {
        case LockState::Taken:
            return StartClaim::Claimed;
        case LockState::Error:
            return StartClaim::Failed;
        case LockState::Held:
            break;
        }
        // The holder may be starting (not listening yet) or ending (listening no more): ask again.
        if (HandOver(dir, request))
            return StartClaim::HandedOver;
        if (waited.elapsed() >= waitMs) {
            error = "NURO is already running but does not answer (lock " + LockPath(dir) + ")";
            return StartClaim::Failed;
        }
        QThread::msleep(kRetryPauseMs);
    }
}

bool ListenForLaterStarts(std::function<void(const std::string&)> onRequest, std::string* error)
{
    if (server || lockFd < 0)
        return true;
    const std::string socketPath = SocketPath(InstanceDirectory());
    const QString path = QString::fromStdString(socketPath);
    server = new QLocalServer;
    server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(path); // left by an ended instance; we hold the lock
    if (!server->listen(path)) {
        // A folder or a file of another kind there: removeServer takes only a socket.
        struct stat st {};
        const bool other = ::lstat(socketPath.c_str(), &st) == 0 && !S_ISSOCK(st.st_mode);
        if (error)
            *error = socketPath + (other ? " is taken by something that is not a socket" : " cannot be listened on") +
                     " (" + server->errorString().toStdString() + ")";
        delete server;
        server = nullptr;
        return false;
    }
    listening = true;
    QObject::connect(server, &QLocalServer::newConnection, server, [onRequest] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, onRequest] {
                // A start that reached us before the exit began must not be answered: it waits
                // for this instance to end and then runs.
                if (!listening) {
                    socket->abort();
                    return;
                }
                while (socket->canReadLine()) {
                    onRequest(socket->readLine().trimmed().toStdString());
                    socket->write(QByteArray(kAnswer) + '\n');
                    socket->flush();
                }
            });
        }
    });
    return true;
}

void StopListeningForLaterStarts()
{
    listening = false;
    if (!server)
        return;
    const QString path = server->fullServerName();
    server->close();
    QLocalServer::removeServer(path);
}

void ReleaseSingleInstance()
{
    StopListeningForLaterStarts();
    if (lockFd >= 0) {
        ::flock(lockFd, LOCK_UN);
        ::close(lockFd);
        lockFd = -1;
    }
}

} // namespace nuro
