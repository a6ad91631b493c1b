// The files the program keeps for itself (Kelvo.ini, the plan, the saved kinds,
// the page options): how each is read whole and replaced whole. The platform's
// side sits in KeptFilePosix.cpp; every caller goes through these functions, so
// every kept file follows the same rule.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

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

} // namespace kelvo
