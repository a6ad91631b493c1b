#include "foundation/SettingsFile.h"

#include "foundation/RuntimeError.h"
#include "foundation/SettingsText.h"
#include "foundation/TextNumber.h"

#include <cerrno>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvo {

CSettingsReader::CSettingsReader(std::string bytes) : m_bytes(std::move(bytes)) {}

std::string_view CSettingsReader::NextLine() {
    if (AtEnd()) {
        throw CSettingsFileError("input past end of file");
    }
    const size_t end = m_bytes.find_first_of("\r\n", m_position);
    const size_t lineEnd = end == std::string::npos ? m_bytes.size() : end;
    std::string_view line(m_bytes.data() + m_position, lineEnd - m_position);
    m_position = lineEnd;
    if (m_position < m_bytes.size() && m_bytes[m_position] == '\r') {
        ++m_position;
    }
    if (m_position < m_bytes.size() && m_bytes[m_position] == '\n') {
        ++m_position;
    }
    return line;
}

std::u16string CSettingsReader::ReadText() {
    return DecodeSettingsText(NextLine());
}

int32_t CSettingsReader::ReadNumber() {
    try {
        return TextToInt32(ReadText());
    } catch (const CRuntimeError& error) {
        throw CSettingsFileError(error.what());
    }
}

bool CSettingsReader::ReadBoolean() {
    try {
        return TextToDouble(ReadText()) != 0;
    } catch (const CRuntimeError& error) {
        throw CSettingsFileError(error.what());
    }
}

void CSettingsWriter::WriteText(std::u16string_view text) {
    std::u16string line(text);
    for (char16_t& c : line) {
        if (c == u'\r' || c == u'\n') {
            c = u' ';
        }
    }
    m_bytes += EncodeSettingsText(line);
    EndLine();
}

void CSettingsWriter::WriteNumber(int32_t value) {
    if (value >= 0) {
        m_bytes += ' ';
    }
    m_bytes += std::to_string(value);
    m_bytes += ' ';
    EndLine();
}

void CSettingsWriter::WriteBoolean(bool value) {
    WriteNumber(value ? 1 : 0);
}

void CSettingsWriter::EndLine() {
    m_bytes += "\r\n";
}

namespace {

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

std::optional<std::string> ReadSettingsFile(const std::filesystem::path& path) {
    // Without O_NONBLOCK a named pipe would wait for a writer for ever.
    CFileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (file.Get() < 0 || ::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(file.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return std::nullopt;
        }
        if (n == 0) {
            return bytes;
        }
        bytes.append(buffer, static_cast<size_t>(n));
    }
}

bool ReplaceSettingsFile(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path temporary;
    CFileDescriptor file(CreateTemporary(path, temporary));
    if (file.Get() < 0) {
        return false;
    }
    const bool written = WriteAll(file.Get(), bytes) && KeepPermissions(file.Get(), path) &&
                         ::fsync(file.Get()) == 0;
    if (!file.Close() || !written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(path);
    return true;
}

} // namespace kelvo
