#include "training/CTimeBox.h"

#include "foundation/RuntimeError.h"
#include "foundation/TextNumber.h"

#include <QKeyEvent>

#include <algorithm>

namespace kelvo {
namespace {

constexpr qsizetype kReadLength = 5;

bool IsAcceptedCharacter(QChar c) {
    return c.isDigit() || c == u'.' || c == u'\b';
}

bool IsInRange(double value) {
    return value >= CTimeBox::kLowest && value <= CTimeBox::kHighest;
}

// Held inside the box's range, then rounded halves to even.
int32_t ClampedSeconds(double value) {
    const double held = std::clamp<double>(value, CTimeBox::kLowest, CTimeBox::kHighest);
    return RoundToInt32(held);
}

} // namespace

CTimeBox::CTimeBox(QWidget* parent) : QLineEdit(parent) {
    setText(QString::number(kDefaultSeconds));
}

int32_t CTimeBox::Seconds() {
    if (const auto value = Number()) {
        m_iLastSeconds = ClampedSeconds(*value);
    }
    return m_iLastSeconds;
}

void CTimeBox::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (!std::all_of(typed.begin(), typed.end(), IsAcceptedCharacter)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CTimeBox::focusOutEvent(QFocusEvent* event) {
    ApplyRangeRule();
    QLineEdit::focusOutEvent(event);
}

std::optional<double> CTimeBox::Number() const {
    const QString shown = text();
    const auto start = std::find_if(shown.begin(), shown.end(), [](QChar c) { return c != u' '; });
    const QString read = shown.mid(start - shown.begin(), kReadLength);
    try {
        return TextToDouble(read.toStdU16String());
    } catch (const CRuntimeError&) {
        return std::nullopt;
    }
}

// A number inside the range stays as typed (a fraction included); one outside
// becomes the nearest end; text that is no number gives back the last seconds.
void CTimeBox::ApplyRangeRule() {
    const auto value = Number();
    if (!value) {
        setText(QString::number(m_iLastSeconds));
        return;
    }
    m_iLastSeconds = ClampedSeconds(*value);
    setText(IsInRange(*value) ? QString::number(*value, 'g', 15) : QString::number(m_iLastSeconds));
}

} // namespace kelvo
