#include "ui/MainConfigBinding.h"

#include "foundation/TextNumber.h"
#include "ui/frmMain.h"

#include <algorithm>

namespace kelvo {

namespace {

// The sizes the font dialog offers.
constexpr int32_t MinFontSize = 6;
constexpr int32_t MaxFontSize = 72;

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

// A colour value keeps red in its low byte.
int32_t ColourValue(const QColor& colour) {
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

QColor ColourFromValue(int32_t value) {
    return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

} // namespace

std::shared_ptr<CFont> FontFromWidget(const QWidget& widget, int32_t iCharset) {
    const QFont qfont = widget.font();
    auto font = std::make_shared<CFont>();
    font->SetName(qfont.family().toStdU16String());
    font->SetCharset(iCharset);
    font->SetColor(ColourValue(widget.palette().color(QPalette::Text)));
    font->SetItalic(qfont.italic());
    font->SetSize(RoundToInt32(qfont.pointSizeF()));
    font->SetStrikethru(qfont.strikeOut());
    font->SetUnderline(qfont.underline());
    font->SetWeight(qfont.weight());
    return font;
}

void ApplyFontToWidget(const CFont& font, QWidget& widget) {
    QFont qfont = widget.font();
    qfont.setItalic(font.Italic());
    if (!font.Name().empty()) {
        qfont.setFamily(QString::fromStdU16String(font.Name()));
    }
    qfont.setPointSize(std::clamp(font.Size(), MinFontSize, MaxFontSize));
    qfont.setStrikeOut(font.Strikethru());
    qfont.setUnderline(font.Underline());
    qfont.setWeight(static_cast<QFont::Weight>(std::clamp(font.Weight(), 1, 1000)));
    widget.setFont(qfont);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Text, ColourFromValue(font.Color()));
    widget.setPalette(palette);
}

void UpdateMainConfig(CConfig& config, frmMain& form) {
    config.SetQuestionData(QuestionDataFromPanel(form));
    config.SetOutputSettings(form.SettingsController().OutputSettings());
    config.SetOutputFont(FontFromWidget(*form.Controls().txtOutput, form.OutputCharset()));
}

void UpdateMainView(const CConfig& config, frmMain& form) {
    if (const auto& questionData = config.QuestionData()) {
        form.FillQuestionData(questionData, questionData->Limits().Count());
    }
    if (const auto& settings = config.OutputSettings()) {
        ShowSettings(*settings, form.Controls().settingsPanel);
    }
    if (const auto& font = config.OutputFont()) {
        ApplyFontToWidget(*font, *form.Controls().txtOutput);
        form.SetOutputCharset(font->Charset());
    }
}

} // namespace kelvo
