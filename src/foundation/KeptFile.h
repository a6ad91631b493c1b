// The files the program keeps for itself (Kelvo.ini, the plan, the saved kinds,
// the page options, the drill history): how each is read whole, replaced whole
// and, when it could not be read, set aside. Reading and replacing are the
// platform's (KeptFilePosix.cpp); setting aside and the messages are portable
// (KeptFile.cpp). Every caller goes through these functions, so every kept
// file follows the same rule.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace kelvo {

// Why a kept file could not be read or written.
enum class EFileError {
    None,
    NotFound,
    NotRegular, // a folder, a named pipe, a device
    TooLarge,   // larger than the file's purpose allows
    Denied,
    NoSpace,
    ReadOnly,
    Other,
};

struct CFileRead {
    std::string bytes;
    EFileError error = EFileError::None;
};

// The whole file when it is a regular file of at most `maxBytes` bytes. It is
// opened without blocking, so a named pipe in its place never holds the program.
CFileRead ReadKeptFile(const std::filesystem::path& path, std::size_t maxBytes);

// Writes `bytes` to a new temporary file of a unique name beside `path`,
// created exclusively, flushed to the disk and given the old file's
// permissions, and only then puts it in the old file's place: a reader sees the
// old file or the new one, never a part, even while another program saves. A
// link at `path` is replaced by the new file; its target is never written.
EFileError ReplaceKeptFile(const std::filesystem::path& path, std::string_view bytes);

// Moves a file that could not be read out of the way of the next write, beside
// itself as "<name>.damaged-<stamp>" ("-2", "-3" … added when that is taken),
// never over another file. The new path, or none when it could not be moved.
std::optional<std::filesystem::path> SetAsideKeptFile(const std::filesystem::path& path,
                                                      std::string_view stamp);

// The reason of a system's error code, for writers outside these functions.
EFileError FileErrorOf(const std::error_code& error);

// Why a file could not be read or written, in a few words of Chinese;
// `maxBytes` is the limit a file too large went over.
std::u16string FileErrorText(EFileError error, std::size_t maxBytes);

} // namespace kelvo
