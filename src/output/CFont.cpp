#include "output/CFont.h"

#include "foundation/SettingsFile.h"

namespace kelvo {

bool CFont::Load(CSettingsReader& file) {
    try {
        m_name = file.ReadText();
        m_size = file.ReadNumber();
        m_weight = file.ReadNumber();
        m_italic = file.ReadBoolean();
        m_underline = file.ReadBoolean();
        m_strikethru = file.ReadBoolean();
        m_color = file.ReadNumber();
        m_charset = file.ReadNumber();
        return true;
    } catch (const CSettingsFileError&) {
        return false;
    }
}

void CFont::Save(CSettingsWriter& file) const {
    file.WriteText(m_name);
    file.WriteNumber(m_size);
    file.WriteNumber(m_weight);
    file.WriteBoolean(m_italic);
    file.WriteBoolean(m_underline);
    file.WriteBoolean(m_strikethru);
    file.WriteNumber(m_color);
    file.WriteNumber(m_charset);
}

} // namespace kelvo
