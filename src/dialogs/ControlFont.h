// The font of a window's control as the font dialog and the settings file know it:
// face, whole-point size, weight, italic, underline, strikethrough, text colour (red in
// the low byte) and character set. The character set has no meaning to the toolkit; the
// control only carries it, so that it comes back unchanged.
#pragma once

#include "output/CFont.h"

#include <QList>

#include <cstdint>
#include <memory>

class QWidget;

namespace kelvo {

class CFontDialog;

int32_t ControlTextColor(const QWidget& control);
void SetControlTextColor(QWidget& control, int32_t iColor);
int32_t ControlCharset(const QWidget& control);
void SetControlCharset(QWidget& control, int32_t iCharset);
// Rounded to whole points, halves to the even neighbour.
int32_t ControlFontSize(const QWidget& control);

// Sets every property of the dialog from the control (overflow error 6 for a character
// set outside 0..255), and the other way round.
void PresetFontDialog(CFontDialog& dialog, const QWidget& control);
void ApplyFontDialog(const CFontDialog& dialog, QWidget& control);

// The control's font as the settings file keeps it, and back. A font without a
// name keeps the control's face; sizes are held to the dialog's 6..72 points.
std::shared_ptr<CFont> FontFromControl(const QWidget& control);
void ApplyFontToControl(const CFont& font, QWidget& control);

// A "字体..." button: the dialog over pOwner, pre-set from source; on OK its choice goes
// to every target in order, each repainted. False when the user cancelled.
bool ChooseControlFont(QWidget* pOwner, const QWidget& source, const QList<QWidget*>& targets);

} // namespace kelvo
