#include "foundation/KeptFile.h"

#include <cerrno>
#include <cstdint>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvo {

namespace {

EFileError ErrorOf(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return EFileError::NotFound;
    case EACCES:
    case EPERM:
        return EFileError::Denied;
    case ENOSPC:
    case EDQUOT:
        return EFileError::NoSpace;
    case EROFS:
        return EFileError::ReadOnly;
    default:
        return EFileError::Other;
    }
}

// Closes a file descriptor on every way out.
class CFileDescriptor {
public:
    explicit CFileDescriptor(int fd) : m_fd(fd) {}
    ~CFileDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;

    int Get() const { return m_fd; }
    // Closes now; false when the close reports an error (a write that failed late).
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// A name beside the settings file that no other save picks: the process and a
// random number; the exclusive creation rejects the rare clash.
std::filesystem::path TemporaryName(const std::filesystem::path& path) {
    std::random_device device;
    std::filesystem::path temporary = path;
    temporary += "." + std::to_string(::getpid()) + "." + std::to_string(device()) + ".tmp";
    return temporary;
}

// A new file of its own, never an existing name or a link planted there.
int CreateTemporary(const std::filesystem::path& path, std::filesystem::path& temporary) {
    constexpr int Tries = 16;
    for (int i = 0; i < Tries; ++i) {
        temporary = TemporaryName(path);
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// The new file keeps the permissions the user gave the old one.
bool KeepPermissions(int fd, const std::filesystem::path& path) {
    struct stat old {};
    if (::stat(path.c_str(), &old) != 0) {
        return errno == ENOENT;
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// The rename itself reaches the disk only with its folder.
void SyncFolder(const std::filesystem::path& path) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    CFileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.Get() >= 0) {
        ::fsync(directory.Get());
    }
}

} // namespace

CFileRead ReadKeptFile(const std::filesystem::path& path, std::size_t maxBytes) {
    // Without O_NONBLOCK a named pipe would wait for a writer for ever.
    CFileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (file.Get() < 0 || ::fstat(file.Get(), &status) != 0) {
        return {{}, ErrorOf(errno)};
    }
    if (!S_ISREG(status.st_mode)) {
        return {{}, EFileError::NotRegular};
    }
    if (static_cast<std::uintmax_t>(status.st_size) > maxBytes) {
        return {{}, EFileError::TooLarge};
    }
    CFileRead read;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(file.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return {{}, ErrorOf(errno)};
        }
        if (n == 0) {
            return read;
        }
        read.bytes.append(buffer, static_cast<size_t>(n));
        if (read.bytes.size() > maxBytes) {
            return {{}, EFileError::TooLarge};
        }
    }
}

EFileError ReplaceKeptFile(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path temporary;
    CFileDescriptor file(CreateTemporary(path, temporary));
    if (file.Get() < 0) {
        return ErrorOf(errno);
    }
    const bool written = WriteAll(file.Get(), bytes) && KeepPermissions(file.Get(), path) &&
                         ::fsync(file.Get()) == 0;
    const int writeError = errno;
    if (!file.Close() || !written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        const EFileError error = ErrorOf(written ? errno : writeError);
        ::unlink(temporary.c_str());
        return error;
    }
    SyncFolder(path);
    return EFileError::None;
}

} // namespace kelvo
