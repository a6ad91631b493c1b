#include "output/COutputSettings.h"

#include "foundation/SettingsFile.h"

#include <algorithm>

namespace kelvo {

bool COutputSettings::Load(CSettingsReader& file) {
    try {
        m_title = file.ReadText();
        m_rowCount = file.ReadNumber();
        m_columnCount = file.ReadNumber();
        m_rowSpacing = file.ReadNumber();
        m_columnSpacing = file.ReadNumber();
        m_rowCountPerTitle = file.ReadNumber();
        m_isFillQuestions = file.ReadBoolean();
        m_isShowAnswer = file.ReadBoolean();
        m_cbr = file.ReadNumber();
        return true;
    } catch (const CSettingsFileError&) {
        return false;
    }
}

void COutputSettings::Save(CSettingsWriter& file) const {
    file.WriteText(m_title);
    file.WriteNumber(m_rowCount);
    file.WriteNumber(m_columnCount);
    file.WriteNumber(m_rowSpacing);
    file.WriteNumber(m_columnSpacing);
    file.WriteNumber(m_rowCountPerTitle);
    file.WriteBoolean(m_isFillQuestions);
    file.WriteBoolean(m_isShowAnswer);
    file.WriteNumber(m_cbr);
}

void COutputSettings::ClampToBoxRanges() {
    if (m_title.size() > MaxTitleLength) {
        const bool splitsPair =
            m_title[MaxTitleLength - 1] >= 0xD800 && m_title[MaxTitleLength - 1] <= 0xDBFF;
        m_title.resize(splitsPair ? MaxTitleLength - 1 : MaxTitleLength);
    }
    m_rowCount = std::clamp(m_rowCount, MinRowCount, MaxRowCount);
    m_columnCount = std::clamp(m_columnCount, MinColumnCount, MaxColumnCount);
    m_rowSpacing = std::clamp(m_rowSpacing, 0, MaxRowSpacing);
    m_columnSpacing = std::clamp(m_columnSpacing, 0, MaxColumnSpacing);
    m_rowCountPerTitle = std::clamp(m_rowCountPerTitle, 0, MaxRowCountPerTitle);
}

} // namespace kelvo
