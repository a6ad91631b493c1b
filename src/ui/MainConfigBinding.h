#pragma once

#include "question/CConfig.h"

#include <QWidget>

namespace kelvo {

class frmMain;

// Moves the settings between the configuration and the main window: the
// operand panel, the print settings and the font of the worksheet box. The
// values reach the boxes through the boxes' own ranges.
void UpdateMainConfig(CConfig& config, frmMain& form);
// Each part on its own: a part the configuration does not hold is skipped.
void UpdateMainView(const CConfig& config, frmMain& form);

// The font of the worksheet box as kept in the settings file and back.
std::shared_ptr<CFont> FontFromWidget(const QWidget& widget, int32_t iCharset);
void ApplyFontToWidget(const CFont& font, QWidget& widget);

} // namespace kelvo
