#include "dialogs/ControlFont.h"

#include "dialogs/CFontDialog.h"
#include "foundation/TextNumber.h"
#include "printing/ColorRef.h"

#include <QAbstractScrollArea>
#include <QFontInfo>
#include <QWidget>

#include <algorithm>

namespace kelvo {

namespace {

constexpr char kCharsetProperty[] = "kelvoCharset";

// Text boxes draw their text in the Text colour, labels and buttons in WindowText.
QPalette::ColorRole TextRole(const QWidget& control) {
    return qobject_cast<const QAbstractScrollArea*>(&control) ? QPalette::Text
                                                              : QPalette::WindowText;
}

} // namespace

int32_t ControlTextColor(const QWidget& control) {
    return ColorRefFromColor(control.palette().color(TextRole(control)));
}

void SetControlTextColor(QWidget& control, int32_t iColor) {
    QPalette palette = control.palette();
    palette.setColor(TextRole(control), ColorFromColorRef(iColor));
    control.setPalette(palette);
}

int32_t ControlCharset(const QWidget& control) {
    return control.property(kCharsetProperty).toInt();
}

void SetControlCharset(QWidget& control, int32_t iCharset) {
    control.setProperty(kCharsetProperty, iCharset);
}

int32_t ControlFontSize(const QWidget& control) {
    const QFont& font = control.font();
    return RoundToInt32(font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF());
}

std::shared_ptr<CFont> FontFromControl(const QWidget& control) {
    const QFont& qfont = control.font();
    auto font = std::make_shared<CFont>();
    font->SetName(qfont.family().toStdU16String());
    font->SetCharset(ControlCharset(control));
    font->SetColor(ControlTextColor(control));
    font->SetItalic(qfont.italic());
    font->SetSize(ControlFontSize(control));
    font->SetStrikethru(qfont.strikeOut());
    font->SetUnderline(qfont.underline());
    font->SetWeight(qfont.weight());
    return font;
}

void ApplyFontToControl(const CFont& font, QWidget& control) {
    QFont qfont = control.font();
    if (!font.Name().empty()) {
        qfont.setFamily(QString::fromStdU16String(font.Name()));
    }
    qfont.setItalic(font.Italic());
    qfont.setPointSize(std::clamp(font.Size(), frmFont::kSmallestSize, frmFont::kLargestSize));
    qfont.setStrikeOut(font.Strikethru());
    qfont.setUnderline(font.Underline());
    qfont.setWeight(static_cast<QFont::Weight>(std::clamp(font.Weight(), 1, 1000)));
    control.setFont(qfont);
    SetControlTextColor(control, font.Color());
    SetControlCharset(control, font.Charset());
}

void PresetFontDialog(CFontDialog& dialog, const QWidget& control) {
    const QFont& font = control.font();
    dialog.SetName(font.family());
    dialog.SetSize(ControlFontSize(control));
    dialog.SetWeight(font.weight());
    dialog.SetItalic(font.italic());
    dialog.SetUnderline(font.underline());
    dialog.SetStrikethru(font.strikeOut());
    dialog.SetColor(ControlTextColor(control));
    dialog.SetCharset(ControlCharset(control));
}

void ApplyFontDialog(const CFontDialog& dialog, QWidget& control) {
    control.setFont(ChoiceFont({dialog.Name(), dialog.Size(), dialog.Weight(), dialog.Italic(),
                                dialog.Underline(), dialog.Strikethru(), dialog.Color()}));
    SetControlTextColor(control, dialog.Color());
    SetControlCharset(control, dialog.Charset());
    control.update();
}

bool ChooseControlFont(QWidget* pOwner, const QWidget& source, const QList<QWidget*>& targets) {
    CFontDialog dialog;
    PresetFontDialog(dialog, source);
    if (!dialog.Show(pOwner))
        return false;
    for (QWidget* pTarget : targets)
        ApplyFontDialog(dialog, *pTarget);
    return true;
}

} // namespace kelvo
