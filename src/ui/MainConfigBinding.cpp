#include "ui/MainConfigBinding.h"

#include "dialogs/ControlFont.h"
#include "ui/frmMain.h"

#include <algorithm>

namespace kelvo {

namespace {

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
    config.SetQuestionData(form.OperandController().QuestionData());
    config.SetOutputSettings(form.SettingsController().OutputSettings());
    config.SetOutputFont(FontFromControl(*form.Controls().txtOutput));
}

void UpdateMainView(const CConfig& config, frmMain& form) {
    if (const auto& questionData = config.QuestionData()) {
        form.ShowQuestionData(*questionData);
    }
    if (const auto& settings = config.OutputSettings()) {
        ShowSettings(*settings, form.Controls().settingsPanel);
    }
    if (const auto& font = config.OutputFont()) {
        ApplyFontToControl(*font, *form.Controls().txtOutput);
    }
}

} // namespace kelvo
