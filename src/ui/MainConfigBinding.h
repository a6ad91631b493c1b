#pragma once

#include "question/CConfig.h"

namespace kelvo {

class frmMain;

// Moves the settings between the configuration and the main window: the
// operand panel, the print settings and the font of the worksheet box. The
// values reach the boxes through the boxes' own ranges.
void UpdateMainConfig(CConfig& config, frmMain& form);
// Each part on its own: a part the configuration does not hold is skipped.
void UpdateMainView(const CConfig& config, frmMain& form);

} // namespace kelvo
