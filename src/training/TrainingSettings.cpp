#include "training/TrainingSettings.h"

#include "output/ControlFont.h"
#include "question/CConfig.h"
#include "training/CClickLabel.h"
#include "training/frmTraining.h"
#include "widgets/CNumberBox.h"

#include <memory>

namespace kelvo {
namespace {

bool IsUsable(const std::shared_ptr<CFont>& font) {
    return font && !font->Name().empty() && font->Size() > 0;
}

} // namespace

void UpdateTrainingView(const CConfig& config, frmTraining& form) {
    const auto saved =
        IsUsable(config.TrainingFont()) ? config.TrainingFont() : CConfig::DefaultTrainingFont();
    for (CClickLabel* label : form.lblQuestions) {
        ApplyFontToControl(*saved, *label);
    }
    const int32_t seconds = config.TrainingTime() >= CConfig::MinTrainingTime
                                ? config.TrainingTime()
                                : CConfig::DefaultTrainingTime;
    form.txtTime->SetValue(seconds);
}

void UpdateTrainingConfig(CConfig& config, frmTraining& form) {
    config.SetTrainingFont(FontFromControl(*form.lblQuestions[0]));
    config.SetTrainingTime(form.txtTime->Value());
}

} // namespace kelvo
