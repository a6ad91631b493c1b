#include "foundation/KeptFile.h"

#include <algorithm>
#include <random>

#include <windows.h>

#include <aclapi.h>

namespace kelvo {

namespace {

EFileError ErrorOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return EFileError::NotFound;
    case ERROR_ACCESS_DENIED:
        return EFileError::Denied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return EFileError::NoSpace;
    case ERROR_WRITE_PROTECT:
        return EFileError::ReadOnly;
    default:
        return EFileError::Other;
    }
}

// Closes a file handle on every way out.
class CFileHandle {
public:
    explicit CFileHandle(HANDLE handle) : m_handle(handle) {}
    ~CFileHandle() {
        if (IsOpen()) {
            ::CloseHandle(m_handle);
        }
    }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;

    HANDLE Get() const { return m_handle; }
    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    // Closes now; false when the close reports an error.
    bool Close() {
        const HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        return ::CloseHandle(handle) != 0;
    }

private:
    HANDLE m_handle;
};

// A symbolic link or a junction stands for another file: it is never read
// through. A folder is no file.
bool IsRegularFile(HANDLE file) {
    if (::GetFileType(file) != FILE_TYPE_DISK) {
        return false;
    }
    FILE_ATTRIBUTE_TAG_INFO info{};
    if (::GetFileInformationByHandleEx(file, FileAttributeTagInfo, &info, sizeof info) == 0) {
        return false;
    }
    if ((info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return false;
    }
    return (info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0 ||
           !IsReparseTagNameSurrogate(info.ReparseTag);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 20));
        DWORD written = 0;
        if (::WriteFile(file, bytes.data(), chunk, &written, nullptr) == 0 || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

// A name beside the kept file that no other save picks: the process and a
// random number; the exclusive creation rejects the rare clash.
std::filesystem::path TemporaryName(const std::filesystem::path& path) {
    std::random_device device;
    std::filesystem::path temporary = path;
    temporary += ".";
    temporary += std::to_string(::GetCurrentProcessId());
    temporary += ".";
    temporary += std::to_string(device());
    temporary += ".tmp";
    return temporary;
}

// A new file of its own: CREATE_NEW fails on any existing name, a link
// planted there included.
HANDLE CreateTemporary(const std::filesystem::path& path, std::filesystem::path& temporary) {
    constexpr int Tries = 16;
    for (int i = 0; i < Tries; ++i) {
        temporary = TemporaryName(path);
        const HANDLE file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE | WRITE_DAC, 0, nullptr,
                                          CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    return INVALID_HANDLE_VALUE;
}

// Access rights the old file inherits from its folder the new one inherits
// too; rights of its own are copied. A drive without access rights (a memory
// stick formatted FAT) has none to keep.
bool KeepAccessRights(HANDLE file, const std::filesystem::path& path) {
    DWORD volumeFlags = 0;
    if (::GetVolumeInformationByHandleW(file, nullptr, 0, nullptr, nullptr, &volumeFlags, nullptr,
                                        0) == 0 ||
        (volumeFlags & FILE_PERSISTENT_ACLS) == 0) {
        return true;
    }
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const DWORD found =
        ::GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                                nullptr, &dacl, nullptr, &descriptor);
    if (found != ERROR_SUCCESS) {
        ::SetLastError(found);
        return false;
    }
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    ::GetSecurityDescriptorControl(descriptor, &control, &revision);
    const SECURITY_INFORMATION inheritance = (control & SE_DACL_PROTECTED) != 0
                                                 ? PROTECTED_DACL_SECURITY_INFORMATION
                                                 : UNPROTECTED_DACL_SECURITY_INFORMATION;
    const DWORD result =
        ::SetSecurityInfo(file, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION | inheritance, nullptr,
                          nullptr, dacl, nullptr);
    ::LocalFree(descriptor);
    ::SetLastError(result);
    return result == ERROR_SUCCESS;
}

// The new file keeps what the user gave the old one: its attributes (hidden,
// say) and its access rights. A link, or no file at all, has nothing to keep.
bool KeepAttributes(HANDLE file, const std::filesystem::path& path) {
    constexpr DWORD Kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                           FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return ::GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return true;
    }
    FILE_BASIC_INFO basic{};
    basic.FileAttributes = attributes & Kept;
    return ::SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof basic) != 0 &&
           KeepAccessRights(file, path);
}

// The user's own mark that a file must not change: Windows refuses to
// rename over it, Wine would not, so it is asked first.
bool IsReadOnly(const std::filesystem::path& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
}

} // namespace

CFileRead ReadKeptFile(const std::filesystem::path& path, std::size_t maxBytes) {
    // A named pipe is opened without waiting; backup semantics let a folder be
    // opened, so that it is told apart from a file that may not be read.
    CFileHandle file(::CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.IsOpen()) {
        return {{}, ErrorOf(::GetLastError())};
    }
    if (!IsRegularFile(file.Get())) {
        return {{}, EFileError::NotRegular};
    }
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(file.Get(), &size) == 0) {
        return {{}, ErrorOf(::GetLastError())};
    }
    if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
        return {{}, EFileError::TooLarge};
    }
    CFileRead read;
    char buffer[4096];
    for (;;) {
        DWORD n = 0;
        if (::ReadFile(file.Get(), buffer, sizeof buffer, &n, nullptr) == 0) {
            return {{}, ErrorOf(::GetLastError())};
        }
        if (n == 0) {
            return read;
        }
        read.bytes.append(buffer, n);
        if (read.bytes.size() > maxBytes) {
            return {{}, EFileError::TooLarge};
        }
    }
}

EFileError ReplaceKeptFile(const std::filesystem::path& path, std::string_view bytes) {
    if (IsReadOnly(path)) {
        return EFileError::Denied;
    }
    std::filesystem::path temporary;
    CFileHandle file(CreateTemporary(path, temporary));
    if (!file.IsOpen()) {
        return ErrorOf(::GetLastError());
    }
    const bool written = WriteAll(file.Get(), bytes) && KeepAttributes(file.Get(), path) &&
                         ::FlushFileBuffers(file.Get()) != 0;
    const DWORD writeError = ::GetLastError();
    // The rename is atomic: a reader finds the old file or the new one. A
    // link in the way is replaced, never written through.
    if (!file.Close() || !written ||
        ::MoveFileExW(temporary.c_str(), path.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        const EFileError error = ErrorOf(written ? ::GetLastError() : writeError);
        ::DeleteFileW(temporary.c_str());
        return error;
    }
    return EFileError::None;
}

} // namespace kelvo
