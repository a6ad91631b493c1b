#pragma once

#include <cstdint>
#include <string>

namespace kelvo {

class CSettingsReader;
class CSettingsWriter;

// A font as the user chose it: face, size in whole points, weight, the three
// effects, the text colour (red in the low byte) and the character set.
class CFont {
public:
    const std::u16string& Name() const { return m_name; }
    void SetName(std::u16string value) { m_name = std::move(value); }
    bool Italic() const { return m_italic; }
    void SetItalic(bool value) { m_italic = value; }
    bool Strikethru() const { return m_strikethru; }
    void SetStrikethru(bool value) { m_strikethru = value; }
    bool Underline() const { return m_underline; }
    void SetUnderline(bool value) { m_underline = value; }
    int32_t Weight() const { return m_weight; }
    void SetWeight(int32_t value) { m_weight = value; }
    int32_t Size() const { return m_size; }
    void SetSize(int32_t value) { m_size = value; }
    int32_t Color() const { return m_color; }
    void SetColor(int32_t value) { m_color = value; }
    int32_t Charset() const { return m_charset; }
    void SetCharset(int32_t value) { m_charset = value; }

    // True when all eight lines were read; fields read before a damaged line
    // keep their new values.
    bool Load(CSettingsReader& file);
    void Save(CSettingsWriter& file) const;

    bool operator==(const CFont&) const = default;

private:
    std::u16string m_name;
    bool m_italic = false;
    bool m_strikethru = false;
    bool m_underline = false;
    int32_t m_weight = 0;
    int32_t m_size = 0;
    int32_t m_color = 0;
    int32_t m_charset = 0;
};

} // namespace kelvo
