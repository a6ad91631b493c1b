#pragma once

namespace kelvo {

class CConfig;
class frmTraining;

// The saved training font onto all 90 question labels and the saved time limit
// into the time box. A missing or unusable font (no name or no size, as a
// damaged settings file leaves it) and a time below 1 give way to the defaults.
void UpdateTrainingView(const CConfig& config, frmTraining& form);

// The font of the first question label and the seconds of the time box back
// into the configuration.
void UpdateTrainingConfig(CConfig& config, frmTraining& form);

} // namespace kelvo
