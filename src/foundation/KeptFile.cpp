#include "foundation/KeptFile.h"

namespace kelvo {

namespace {

std::u16string Widened(const std::string& digits) {
    return {digits.begin(), digits.end()};
}

// A limit in the unit a user reads it in: whole megabytes or kilobytes.
std::u16string SizeText(std::size_t bytes) {
    constexpr std::size_t Kilobyte = 1024;
    constexpr std::size_t Megabyte = Kilobyte * Kilobyte;
    if (bytes >= Megabyte) {
        return Widened(std::to_string(bytes / Megabyte)) + u" MB";
    }
    return Widened(std::to_string(bytes / Kilobyte)) + u" KB";
}

} // namespace

std::optional<std::filesystem::path> SetAsideKeptFile(const std::filesystem::path& path,
                                                      std::string_view stamp) {
    const std::string base = path.filename().string() + ".damaged-" + std::string(stamp);
    for (int n = 1;; ++n) {
        std::filesystem::path aside =
            path.parent_path() / (n == 1 ? base : base + "-" + std::to_string(n));
        // A link is made only under a free name, so nothing is ever replaced.
        std::error_code error;
        std::filesystem::create_hard_link(path, aside, error);
        if (error == std::errc::file_exists) {
            continue;
        }
        if (!error) {
            std::filesystem::remove(path, error);
            return error ? std::nullopt : std::optional(aside);
        }
        // A folder, or a file system without links: the name is looked at
        // just before the rename.
        if (std::filesystem::exists(std::filesystem::symlink_status(aside, error))) {
            continue;
        }
        std::filesystem::rename(path, aside, error);
        return error ? std::nullopt : std::optional(aside);
    }
}

EFileError FileErrorOf(const std::error_code& error) {
    if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory) {
        return EFileError::NotFound;
    }
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
        return EFileError::Denied;
    }
    if (error == std::errc::no_space_on_device) {
        return EFileError::NoSpace;
    }
    if (error == std::errc::read_only_file_system) {
        return EFileError::ReadOnly;
    }
    return error ? EFileError::Other : EFileError::None;
}

std::u16string FileErrorText(EFileError error, std::size_t maxBytes) {
    switch (error) {
    case EFileError::None:
        return {};
    case EFileError::NotFound:
        return u"文件或文件夹不存在";
    case EFileError::NotRegular:
        return u"这不是普通文件";
    case EFileError::TooLarge:
        return u"文件太大，超过了 " + SizeText(maxBytes);
    case EFileError::Denied:
        return u"没有权限";
    case EFileError::NoSpace:
        return u"磁盘空间不足";
    case EFileError::ReadOnly:
        return u"文件所在位置是只读的";
    case EFileError::Other:
        break;
    }
    return u"读写出错";
}

} // namespace kelvo
