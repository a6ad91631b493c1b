#include "foundation/SettingsFile.h"

#include "foundation/KeptFile.h"
#include "foundation/RuntimeError.h"
#include "foundation/SettingsText.h"
#include "foundation/TextNumber.h"

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

std::optional<std::string> ReadSettingsFile(const std::filesystem::path& path) {
    CFileRead read = ReadKeptFile(path, SettingsFileLimit);
    if (read.error != EFileError::None) {
        return std::nullopt;
    }
    return std::move(read.bytes);
}

bool ReplaceSettingsFile(const std::filesystem::path& path, std::string_view bytes) {
    return ReplaceKeptFile(path, bytes) == EFileError::None;
}

} // namespace kelvo
