// The lock is an flock on a file in the user's runtime folder, one per X
// display; the channel is a local socket beside it that only the same user can
// reach. The server side runs in the Qt event loop; the client side is plain
// POSIX so that a second start needs no GUI connection at all.
#include "InstanceChannel.h"

#include "shell/InstanceRecord.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QObject>
#include <QPointer>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace kolvi {

namespace {

constexpr const char* LockName = "ApplicationMutexKolviDblOpenChk";
constexpr int AnswerTimeoutMs = 5000;
constexpr int MaxConnections = 8;
// Far more than any command line kolvi understands; a sender that goes on is
// flooding, and is dropped.
constexpr std::size_t MaxRecordsPerConnection = 1024;

// The runtime folder must belong to us and be closed to others; otherwise there
// is no lock and kolvi runs as an independent instance.
std::string RuntimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string folder = runtime != nullptr && *runtime != '\0'
                             ? std::string(runtime)
                             : "/tmp/kolvi-" + std::to_string(getuid());
    ::mkdir(folder.c_str(), 0700);
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid() ||
        (info.st_mode & 0077) != 0) {
        return {};
    }
    return folder;
}

std::string DisplayTag() {
    const char* display = std::getenv("DISPLAY");
    std::string tag = display != nullptr && *display != '\0' ? display : "nodisplay";
    // ":0" and ":0.0" are the same display.
    if (const auto colon = tag.rfind(':'); colon != std::string::npos) {
        if (const auto dot = tag.find('.', colon); dot != std::string::npos) {
            tag.erase(dot);
        }
    }
    for (char& c : tag) {
        if (c == '/') {
            c = '_';
        }
    }
    return tag;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A listener whose backlog is full would block a plain connect for as long as
// it does not accept: wait no longer than for an answer.
bool ConnectWithin(int fd, const sockaddr_un& address, int timeoutMs) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) != 0) {
        return false;
    }
    constexpr int RetryMs = 10;
    for (int waited = 0;; waited += RetryMs) {
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0) {
            break;
        }
        if (errno == EINPROGRESS) {
            pollfd poller{fd, POLLOUT, 0};
            int error = 0;
            socklen_t length = sizeof error;
            if (::poll(&poller, 1, timeoutMs - waited) <= 0 ||
                ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) {
                return false;
            }
            break;
        }
        // A local socket with a full backlog answers EAGAIN at once; one that
        // is not there yet (the running kolvi is still starting) ENOENT or
        // ECONNREFUSED. Each is worth another try within the bound.
        const bool worthRetrying =
            errno == EAGAIN || errno == EINTR || errno == ENOENT || errno == ECONNREFUSED;
        if (!worthRetrying || waited >= timeoutMs) {
            return false;
        }
        ::poll(nullptr, 0, RetryMs);
    }
    // Sends are bounded the same way.
    const timeval sendTimeout{AnswerTimeoutMs / 1000, 0};
    return ::fcntl(fd, F_SETFL, flags) == 0 &&
           ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &sendTimeout, sizeof sendTimeout) == 0;
}

bool WaitForAnswer(int fd) {
    pollfd poller{fd, POLLIN, 0};
    if (::poll(&poller, 1, AnswerTimeoutMs) <= 0) {
        return false;
    }
    char answer = 0;
    return ::recv(fd, &answer, 1, 0) == 1 && answer == static_cast<char>(InstanceRecordAnswer);
}

class UnixInstanceChannel final : public InstanceChannel {
  public:
    UnixInstanceChannel() {
        const std::string folder = RuntimeFolder();
        if (!folder.empty()) {
            const std::string base = folder + "/" + LockName + "-" + DisplayTag();
            lockPath_ = base + ".lock";
            socketPath_ = base + ".socket";
        }
    }

    ~UnixInstanceChannel() override { SetLocked(false); }

    bool RunningInstanceHoldsLock() override {
        if (lockPath_.empty()) {
            return false;
        }
        if (!TakeLock()) {
            return errno == EWOULDBLOCK;
        }
        return false;
    }

    bool Forward(const std::vector<std::string>& arguments) override {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            return false;
        }
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        bool delivered = socketPath_.size() < sizeof(address.sun_path);
        if (delivered) {
            std::memcpy(address.sun_path, socketPath_.c_str(), socketPath_.size() + 1);
            delivered = ConnectWithin(fd, address, AnswerTimeoutMs);
        }
        for (const std::string& argument : arguments) {
            if (!delivered) {
                break;
            }
            delivered = WriteAll(fd, EncodeInstanceRecord(argument)) && WaitForAnswer(fd);
        }
        ::close(fd);
        return delivered;
    }

    bool SetLocked(bool locked) override {
        if (!locked) {
            StopListening();
            if (lockFd_ >= 0) {
                ::close(lockFd_); // closing the descriptor releases the flock
                lockFd_ = -1;
            }
            return true;
        }
        if (lockPath_.empty() || (lockFd_ < 0 && !TakeLock())) {
            return false;
        }
        if (!Listen()) {
            // A lock that nobody answers for would leave every later start
            // with nothing to talk to.
            SetLocked(false);
            return false;
        }
        return true;
    }

  private:
    bool TakeLock() {
        if (lockFd_ >= 0) {
            return true;
        }
        const int fd = ::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) {
            return false;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            errno = error;
            return false;
        }
        lockFd_ = fd;
        return true;
    }

    bool Listen() {
        if (server_ != nullptr) {
            return true;
        }
        // We hold the lock, so a socket file left here is stale.
        QLocalServer::removeServer(QString::fromStdString(socketPath_));
        server_ = new QLocalServer();
        server_->setSocketOptions(QLocalServer::UserAccessOption);
        if (!server_->listen(QString::fromStdString(socketPath_))) {
            StopListening();
            return false;
        }
        QObject::connect(server_, &QLocalServer::newConnection, server_,
                         [this] { AcceptConnections(); });
        return true;
    }

    void StopListening() {
        if (server_ != nullptr) {
            server_->close();
            delete server_; // its connections are its children
            server_ = nullptr;
        }
    }

    void AcceptConnections() {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            // A sender that never finishes must not pile up connections: the
            // oldest one goes.
            const auto connections = server_->findChildren<QLocalSocket*>();
            if (connections.size() > MaxConnections) {
                delete connections.front();
            }
            auto reader = std::make_shared<Sender>();
            QObject::connect(socket, &QLocalSocket::readyRead, socket,
                             [this, socket, reader] { ReadRecords(socket, *reader); });
            QObject::connect(socket, &QLocalSocket::disconnected, socket, [socket] {
                socket->setParent(nullptr); // no longer counted among the connections
                socket->deleteLater();
            });
        }
    }

    struct Sender {
        InstanceRecordReader reader;
        std::size_t records = 0;
    };

    void ReadRecords(QLocalSocket* socket, Sender& sender) {
        const QByteArray bytes = socket->readAll();
        std::vector<std::string> records = sender.reader.Feed(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        const bool flooding = sender.records + records.size() > MaxRecordsPerConnection;
        if (flooding) {
            records.resize(MaxRecordsPerConnection - sender.records);
        }
        sender.records += records.size();
        const QPointer<QLocalSocket> alive(socket);
        if (!records.empty() && onArguments) {
            onArguments(records);
        }
        if (alive.isNull()) {
            return;
        }
        // One answer per record applied, as a sender waits for each.
        socket->write(std::string(records.size(), static_cast<char>(InstanceRecordAnswer)).data(),
                      static_cast<qint64>(records.size()));
        if (sender.reader.Malformed() || flooding) {
            // Not deleted here: this runs inside the socket's own signal.
            socket->flush();
            socket->abort();
            socket->setParent(nullptr);
            socket->deleteLater();
        }
    }

    std::string lockPath_;
    std::string socketPath_;
    int lockFd_ = -1;
    QLocalServer* server_ = nullptr;
};

} // namespace

std::unique_ptr<InstanceChannel> CreatePlatformInstanceChannel() {
    return std::make_unique<UnixInstanceChannel>();
}

} // namespace kolvi
