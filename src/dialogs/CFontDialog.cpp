#include "dialogs/CFontDialog.h"

#include "foundation/RuntimeError.h"

#include <QWidget>

namespace kelvo {

void CFontDialog::SetCharset(int32_t iCharset) {
    if (iCharset < 0 || iCharset > 255)
        RaiseError(ErrorNumber::Overflow);
    m_iCharset = static_cast<uint8_t>(iCharset);
}

bool CFontDialog::Show(QWidget* pOwner) {
    frmFont form(pOwner);
    form.SetChoice(m_choice);
    const bool bConfirmed = form.exec() == QDialog::Accepted;
    if (bConfirmed)
        m_choice = form.Choice();
    if (pOwner)
        pOwner->activateWindow();
    return bConfirmed;
}

} // namespace kelvo
