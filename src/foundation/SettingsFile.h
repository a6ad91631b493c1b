// The settings file: plain text, one value per line, CR LF, no keys. The
// meaning of a line is its position, so every block reads and writes its lines
// in a fixed order through these two classes. Text lines are in code page 936;
// a number is written " 12 " or "-12 "; a boolean is written as 1 or 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kelvo {

// A line that cannot be read: past the end of the file, not a number, or a
// number beyond 32 bits. A block's Load catches it and reports false.
class CSettingsFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the lines of a settings file held in memory, front to back.
class CSettingsReader {
public:
    explicit CSettingsReader(std::string bytes);

    std::u16string ReadText();
    // Accepts spaces around the number and a fraction, rounded half to even.
    int32_t ReadNumber();
    // Any number; true when it is not 0.
    bool ReadBoolean();
    bool AtEnd() const { return m_position >= m_bytes.size(); }

private:
    std::string_view NextLine();

    std::string m_bytes;
    size_t m_position = 0;
};

// Collects the lines of a settings file in memory; nothing reaches the disk
// until the whole file is ready (see ReplaceSettingsFile).
class CSettingsWriter {
public:
    // A line break inside the text would shift every later line, so it is
    // written as a space.
    void WriteText(std::u16string_view text);
    void WriteNumber(int32_t value);
    void WriteBoolean(bool value);

    const std::string& Bytes() const { return m_bytes; }

private:
    void EndLine();

    std::string m_bytes;
};

// A settings file holds a few kilobytes; a larger file is not one.
inline constexpr std::size_t SettingsFileLimit = 1024 * 1024;

// The whole file, or nothing when it does not exist, is no regular file (a
// folder, a named pipe), is larger than SettingsFileLimit or cannot be read.
std::optional<std::string> ReadSettingsFile(const std::filesystem::path& path);

// Replaces the file whole, as ReplaceKeptFile does.
bool ReplaceSettingsFile(const std::filesystem::path& path, std::string_view bytes);

} // namespace kelvo
