// dialogs/ holds the font dialog and the fonts of the windows' controls
// (kelvo_gui): a window's "字体..." button opens CFontDialog over frmFont, and
// ControlFont carries the choice between the control and the settings file's CFont.
//
#pragma once

#include "dialogs/frmFont.h"

#include <QString>

#include <cstdint>

class QWidget;

namespace kelvo {

// The font dialog behind the windows' "字体..." buttons. The properties pre-set it
// and, after the user confirmed, hold the choice; a cancelled dialog changes none.
// Sizes are whole points, applied as chosen.
class CFontDialog {
public:
    const QString& Name() const { return m_choice.strName; }
    void SetName(const QString& strName) { m_choice.strName = strName; }
    int32_t Size() const { return m_choice.iSize; }
    void SetSize(int32_t iSize) { m_choice.iSize = iSize; }
    int32_t Weight() const { return m_choice.iWeight; }
    void SetWeight(int32_t iWeight) { m_choice.iWeight = iWeight; }
    bool Italic() const { return m_choice.bItalic; }
    void SetItalic(bool bItalic) { m_choice.bItalic = bItalic; }
    bool Underline() const { return m_choice.bUnderline; }
    void SetUnderline(bool bUnderline) { m_choice.bUnderline = bUnderline; }
    bool Strikethru() const { return m_choice.bStrikethru; }
    void SetStrikethru(bool bStrikethru) { m_choice.bStrikethru = bStrikethru; }
    // Red in the low byte.
    int32_t Color() const { return m_choice.iColor; }
    void SetColor(int32_t iColor) { m_choice.iColor = iColor; }
    // The character set passes through the dialog unchanged. It is one byte: a value
    // outside 0..255 is the overflow error 6.
    int32_t Charset() const { return m_iCharset; }
    void SetCharset(int32_t iCharset);

    // Runs the dialog modally over pOwner; true when the user confirmed a font.
    bool Show(QWidget* pOwner);

private:
    CFontChoice m_choice;
    uint8_t m_iCharset = 0;
};

} // namespace kelvo
