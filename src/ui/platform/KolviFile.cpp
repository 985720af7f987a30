// POSIX back end. A temporary file is named after the file and the process
// that writes it ("kolvi.ini.saving-1234"): a save of another running kolvi is
// never disturbed, and what a killed process left can be recognised as such.
#include "KolviFile.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace kolvi {

namespace {

constexpr std::string_view SavingInfix = ".saving-";

std::string ErrorText(int error) {
    return std::strerror(error);
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    // Closing reports the last write errors of some file systems.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool ProcessIsGone(std::string_view digits) {
    if (digits.empty() || digits.size() > 9 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return false;
    }
    const pid_t pid = static_cast<pid_t>(std::stoi(std::string(digits)));
    return pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH;
}

void RemoveLeftovers(const std::string& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    const std::string prefix = name + std::string(SavingInfix);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view found(entry->d_name);
        if (!found.starts_with(prefix) || !ProcessIsGone(found.substr(prefix.size()))) {
            continue;
        }
        const std::string leftover = folder + "/" + std::string(found);
        struct stat info {};
        if (::lstat(leftover.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
            ::unlink(leftover.c_str());
        }
    }
    ::closedir(dir);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = EIO;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

FileRead ReadKolviFile(const std::string& path, std::size_t limit) {
    FileRead result;
    // Non-blocking: opening a FIFO for reading would otherwise wait for a writer.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0) {
        if (errno == ENOENT) {
            return result;
        }
        result.outcome = FileRead::Outcome::Refused;
        result.problem = ErrorText(errno);
        return result;
    }
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0) {
        result.outcome = FileRead::Outcome::Refused;
        result.problem = ErrorText(errno);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.outcome = FileRead::Outcome::Refused;
        result.problem = S_ISDIR(info.st_mode) ? "it is a folder" : "it is not a regular file";
        return result;
    }
    const auto tooLarge = [&] {
        result.outcome = FileRead::Outcome::Refused;
        result.bytes.clear();
        result.problem = "it is larger than " + std::to_string(limit >> 20) + " MiB";
        return result;
    };
    if (static_cast<std::size_t>(info.st_size) > limit) {
        return tooLarge();
    }
    result.bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t filled = 0;
    // The file may grow while it is read: read on until its end, up to the limit.
    while (true) {
        if (filled == result.bytes.size()) {
            if (filled > limit) {
                return tooLarge();
            }
            result.bytes.resize(filled + 4096);
        }
        const ssize_t got =
            ::read(file.Get(), result.bytes.data() + filled, result.bytes.size() - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            result.outcome = FileRead::Outcome::Refused;
            result.bytes.clear();
            result.problem = ErrorText(errno);
            return result;
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    if (filled > limit) {
        return tooLarge();
    }
    result.bytes.resize(filled);
    result.outcome = FileRead::Outcome::Read;
    return result;
}

std::string ReplaceKolviFile(const std::string& link, std::string_view bytes) {
    // A settings file kept elsewhere through a symbolic link stays a link:
    // its target is replaced.
    std::string path = link;
    struct stat linkInfo {};
    if (::lstat(link.c_str(), &linkInfo) == 0 && S_ISLNK(linkInfo.st_mode)) {
        if (char* target = ::realpath(link.c_str(), nullptr)) {
            path = target;
            std::free(target);
        } else {
            // A link to a file not made yet: the file is made where it points.
            std::string pointed(PATH_MAX, '\0');
            const ssize_t length = ::readlink(link.c_str(), pointed.data(), pointed.size());
            if (length <= 0) {
                return ErrorText(errno);
            }
            if (static_cast<std::size_t>(length) >= pointed.size()) {
                return ErrorText(ENAMETOOLONG);
            }
            pointed.resize(static_cast<std::size_t>(length));
            path = pointed.front() == '/' ? pointed : FolderOf(link) + "/" + pointed;
        }
    }
    struct stat existing {};
    const bool replacing = ::stat(path.c_str(), &existing) == 0;
    // A folder, a FIFO or a device is no settings file: never put one aside.
    if (replacing && !S_ISREG(existing.st_mode)) {
        return S_ISDIR(existing.st_mode) ? "it is a folder" : "it is not a regular file";
    }
    const std::string folder = FolderOf(path);
    const std::string name = NameOf(path);
    RemoveLeftovers(folder, name);

    const std::string temporary =
        folder + "/" + name + std::string(SavingInfix) + std::to_string(::getpid());
    ::unlink(temporary.c_str()); // our own, from a failed save of this process
    Descriptor out(
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (out.Get() < 0) {
        return ErrorText(errno);
    }
    const auto fail = [&] {
        const std::string reason = ErrorText(errno);
        ::unlink(temporary.c_str());
        return reason;
    };
    // The new file keeps the permissions the user gave the old one.
    if (replacing && ::fchmod(out.Get(), existing.st_mode & 07777) != 0) {
        return fail();
    }
    if (!WriteAll(out.Get(), bytes) || ::fsync(out.Get()) != 0 || !out.Close()) {
        return fail();
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        return fail();
    }
    // The rename itself reaches the disk with the folder.
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0) {
        ::fsync(dir.Get());
    }
    return {};
}

FileRead ReadKolviFile(const QString& path, std::size_t limit) {
    return ReadKolviFile(QFile::encodeName(path).toStdString(), limit);
}

QString ReplaceKolviFile(const QString& path, std::string_view bytes) {
    return QString::fromLocal8Bit(ReplaceKolviFile(QFile::encodeName(path).toStdString(), bytes));
}

} // namespace kolvi
