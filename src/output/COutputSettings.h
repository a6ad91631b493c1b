// Worksheet output: COutputSettings is the layout (rows, columns, spacing,
// title, the fill-in and answer switches); COutputFormatter turns a list of
// generated questions into the worksheet text under that layout; CFont keeps
// one chosen font. The settings and the fonts are blocks of the settings file.
#pragma once

#include <cstdint>
#include <string>

namespace kelvo {

class CSettingsReader;
class CSettingsWriter;

class COutputSettings {
public:
    // The ranges of the main window's boxes; loaded values are held to them.
    static constexpr int32_t MaxTitleLength = 256;
    static constexpr int32_t MinRowCount = 1, MaxRowCount = 5000;
    static constexpr int32_t MinColumnCount = 1, MaxColumnCount = 20;
    static constexpr int32_t MaxRowSpacing = 25;
    static constexpr int32_t MaxColumnSpacing = 50;
    static constexpr int32_t MaxRowCountPerTitle = 5000;

    const std::u16string& Title() const { return m_title; }
    void SetTitle(std::u16string value) { m_title = std::move(value); }
    int32_t RowCount() const { return m_rowCount; }
    void SetRowCount(int32_t value) { m_rowCount = value; }
    int32_t ColumnCount() const { return m_columnCount; }
    void SetColumnCount(int32_t value) { m_columnCount = value; }
    int32_t RowSpacing() const { return m_rowSpacing; }
    void SetRowSpacing(int32_t value) { m_rowSpacing = value; }
    int32_t ColumnSpacing() const { return m_columnSpacing; }
    void SetColumnSpacing(int32_t value) { m_columnSpacing = value; }
    int32_t RowCountPerTitle() const { return m_rowCountPerTitle; }
    void SetRowCountPerTitle(int32_t value) { m_rowCountPerTitle = value; }
    bool IsFillQuestions() const { return m_isFillQuestions; }
    void SetIsFillQuestions(bool value) { m_isFillQuestions = value; }
    bool IsShowAnswer() const { return m_isShowAnswer; }
    void SetIsShowAnswer(bool value) { m_isShowAnswer = value; }
    // Only carried through the settings file.
    int32_t Cbr() const { return m_cbr; }
    void SetCbr(int32_t value) { m_cbr = value; }

    // True when all nine lines were read; fields read before a damaged line
    // keep their new values.
    bool Load(CSettingsReader& file);
    void Save(CSettingsWriter& file) const;

    // Holds every field to the range of its box, as if typed there; the title
    // is cut to 256 characters (never inside a surrogate pair).
    void ClampToBoxRanges();

private:
    std::u16string m_title;
    int32_t m_rowCount = 0;
    int32_t m_columnCount = 0;
    int32_t m_rowSpacing = 0;
    int32_t m_columnSpacing = 0;
    int32_t m_rowCountPerTitle = 0;
    bool m_isFillQuestions = false;
    bool m_isShowAnswer = false;
    int32_t m_cbr = 0;
};

} // namespace kelvo
