#include "training/TrainingSettings.h"

#include "question/CConfig.h"
#include "training/frmTraining.h"

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
    form.ApplyQuestionFont(*saved);
    const int32_t seconds = config.TrainingTime() >= CConfig::MinTrainingTime
                                ? config.TrainingTime()
                                : CConfig::DefaultTrainingTime;
    form.SetTimeLimit(seconds);
}

void UpdateTrainingConfig(CConfig& config, frmTraining& form) {
    config.SetTrainingFont(form.QuestionFont());
    config.SetTrainingTime(form.TimeLimit());
}

} // namespace kelvo
