#pragma once

#include "output/COutputSettings.h"
#include "ui/frmMainUi.h"

#include <memory>

namespace kelvo {

// Reads the print-settings controls of the main window into a new
// COutputSettings each time it is asked.
class CtrlsSettings {
public:
    explicit CtrlsSettings(const CSettingsPanel& panel) : m_panel(panel) {}

    std::shared_ptr<COutputSettings> OutputSettings() const;

private:
    CSettingsPanel m_panel;
};

} // namespace kelvo
