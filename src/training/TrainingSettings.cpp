#include "training/TrainingSettings.h"

#include "foundation/TextNumber.h"
#include "question/CConfig.h"
#include "training/CClickLabel.h"
#include "training/frmTraining.h"
#include "ui/CNumberBox.h"

#include <QVariant>

#include <memory>

namespace kelvo {
namespace {

// Qt fonts have no character set; the label keeps it so that it goes back
// into the settings file unchanged.
constexpr char kCharsetProperty[] = "kelvoCharset";

bool IsUsable(const std::shared_ptr<CFont>& font) {
    return font && !font->Name().empty() && font->Size() > 0;
}

// Colours are kept with red in the low byte.
QColor ColorFromValue(int32_t value) {
    return {value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF};
}

int32_t ValueFromColor(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

void ApplyFont(const CFont& saved, QLabel& label) {
    QFont font = label.font();
    font.setFamily(QString::fromStdU16String(saved.Name()));
    label.setProperty(kCharsetProperty, saved.Charset());
    font.setItalic(saved.Italic());
    font.setPointSize(saved.Size());
    font.setStrikeOut(saved.Strikethru());
    font.setUnderline(saved.Underline());
    font.setWeight(static_cast<QFont::Weight>(std::clamp(saved.Weight(), 1, 1000)));
    label.setFont(font);
    QPalette colours = label.palette();
    colours.setColor(QPalette::WindowText, ColorFromValue(saved.Color()));
    label.setPalette(colours);
}

void CollectFont(const QLabel& label, CFont& saved) {
    const QFont font = label.font();
    saved.SetName(font.family().toStdU16String());
    saved.SetCharset(label.property(kCharsetProperty).toInt());
    saved.SetColor(ValueFromColor(label.palette().color(QPalette::WindowText)));
    saved.SetItalic(font.italic());
    saved.SetSize(RoundToInt32(font.pointSizeF()));
    saved.SetStrikethru(font.strikeOut());
    saved.SetUnderline(font.underline());
    saved.SetWeight(font.weight());
}

} // namespace

void UpdateTrainingView(const CConfig& config, frmTraining& form) {
    const auto saved =
        IsUsable(config.TrainingFont()) ? config.TrainingFont() : CConfig::DefaultTrainingFont();
    for (CClickLabel* label : form.lblQuestions) {
        ApplyFont(*saved, *label);
    }
    const int32_t seconds = config.TrainingTime() >= CConfig::MinTrainingTime
                                ? config.TrainingTime()
                                : CConfig::DefaultTrainingTime;
    form.txtTime->SetValue(seconds);
}

void UpdateTrainingConfig(CConfig& config, frmTraining& form) {
    if (!config.TrainingFont()) {
        config.SetTrainingFont(std::make_shared<CFont>());
    }
    CollectFont(*form.lblQuestions[0], *config.TrainingFont());
    config.SetTrainingTime(form.txtTime->Value());
}

} // namespace kelvo
