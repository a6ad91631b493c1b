#pragma once

#include <QString>

#include <cstdint>

namespace kelvo {

// The font of a range of a word-processor document.
class CWordFont {
public:
    const QString& Name() const { return m_strName; }
    void SetName(const QString& strName) { m_strName = strName; }
    // Points; 0 leaves the word processor's own size.
    float Size() const { return m_sngSize; }
    void SetSize(float sngSize) { m_sngSize = sngSize; }
    bool Bold() const { return m_bBold; }
    void SetBold(bool bBold) { m_bBold = bBold; }
    bool Italic() const { return m_bItalic; }
    void SetItalic(bool bItalic) { m_bItalic = bItalic; }
    bool StrikeThrough() const { return m_bStrikeThrough; }
    void SetStrikeThrough(bool bStrikeThrough) { m_bStrikeThrough = bStrikeThrough; }
    // The underline style: 0 none, 1 a single line.
    int32_t Underline() const { return m_iUnderline; }
    void SetUnderline(int32_t iUnderline) { m_iUnderline = iUnderline; }
    // Red in the low byte.
    int32_t Color() const { return m_iColor; }
    void SetColor(int32_t iColor) { m_iColor = iColor; }

private:
    QString m_strName;
    float m_sngSize = 0;
    bool m_bBold = false;
    bool m_bItalic = false;
    bool m_bStrikeThrough = false;
    int32_t m_iUnderline = 0;
    int32_t m_iColor = 0;
};

} // namespace kelvo
