#include "ui/MainConfigBinding.h"

#include "output/ControlFont.h"
#include "ui/frmMain.h"

#include <algorithm>

namespace kelvo {

namespace {

std::shared_ptr<CValueLimit> LimitFromBoxes(const COperandPanel& panel,
                                            const CtrlsOperand& operands, int32_t indexOperand) {
    auto limit = std::make_shared<CValueLimit>();
    limit->SetLowerLimit(panel.txtLimits[2 * indexOperand]->Value());
    limit->SetUpperLimit(panel.txtLimits[2 * indexOperand + 1]->Value());
    limit->SetMultipleOf(operands.MultipleOfs(indexOperand));
    return limit;
}

// A "从" above its "到" is kept as it stands in the boxes.
std::shared_ptr<CQuestionData> QuestionDataFromPanel(frmMain& form) {
    const COperandPanel& panel = form.Controls().operandPanel;
    const CtrlsOperand& operands = form.OperandController();
    const int32_t n = operands.OperandCount();
    auto questionData = std::make_shared<CQuestionData>();
    questionData->AddLimit(LimitFromBoxes(panel, operands, 0));
    for (int32_t i = 1; i < n; ++i) {
        questionData->AddOperator(operands.OperatorsNoGap(i - 1));
        questionData->AddLimit(LimitFromBoxes(panel, operands, i));
    }
    questionData->SetResultLimit(LimitFromBoxes(panel, operands, 4));
    questionData->SetCbr(operands.CbrValue());
    return questionData;
}

void ShowSettings(const COutputSettings& settings, const CSettingsPanel& panel) {
    panel.txtSettings[0]->SetValue(settings.RowCount());
    panel.txtSettings[1]->SetValue(settings.ColumnCount());
    panel.txtSettings[2]->SetValue(settings.RowSpacing());
    panel.txtSettings[3]->SetValue(settings.ColumnSpacing());
    panel.txtSettings[4]->SetValue(settings.RowCountPerTitle());
    panel.txtTitle->setText(QString::fromStdU16String(settings.Title()));
    panel.chkFillQuestion->setChecked(settings.IsFillQuestions());
    panel.chkShowAnswer->setChecked(settings.IsShowAnswer());
}

} // namespace

void UpdateMainConfig(CConfig& config, frmMain& form) {
    config.SetQuestionData(QuestionDataFromPanel(form));
    config.SetOutputSettings(form.SettingsController().OutputSettings());
    config.SetOutputFont(FontFromControl(*form.Controls().txtOutput));
}

void UpdateMainView(const CConfig& config, frmMain& form) {
    if (const auto& questionData = config.QuestionData()) {
        form.FillQuestionData(questionData, questionData->Limits().Count());
    }
    if (const auto& settings = config.OutputSettings()) {
        ShowSettings(*settings, form.Controls().settingsPanel);
    }
    if (const auto& font = config.OutputFont()) {
        ApplyFontToControl(*font, *form.Controls().txtOutput);
    }
}

} // namespace kelvo
