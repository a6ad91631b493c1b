#include "widgets/CNumberBox.h"

#include "foundation/RuntimeError.h"
#include "foundation/TextNumber.h"

#include <QKeyEvent>
#include <QKeySequence>

#include <algorithm>

namespace kelvo {

namespace {

bool IsAcceptedCharacter(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'.';
}

bool IsClipboardOrEditShortcut(const QKeyEvent* event) {
    return event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
           event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Undo) ||
           event->matches(QKeySequence::Redo) || event->matches(QKeySequence::SelectAll);
}

} // namespace

CNumberBox::CNumberBox(int32_t iMinimum, int32_t iMaximum, int32_t iInitial, QWidget* parent,
                       qsizetype significantLength)
    : QLineEdit(parent), m_minimum(iMinimum), m_maximum(iMaximum),
      m_lastValid(std::clamp(iInitial, iMinimum, iMaximum)),
      m_significantLength(significantLength) {
    setText(QString::number(m_lastValid));
}

int32_t CNumberBox::Value() const {
    const QString shown = text();
    qsizetype first = 0;
    while (first < shown.size() && shown[first] == u' ') {
        ++first;
    }
    const QString significant = shown.mid(first, m_significantLength);
    try {
        return std::clamp(TextToInt32(significant.toStdU16String()), m_minimum, m_maximum);
    } catch (const CRuntimeError&) {
        return m_lastValid;
    }
}

void CNumberBox::SetValue(int32_t value) {
    m_lastValid = std::clamp(value, m_minimum, m_maximum);
    setText(QString::number(m_lastValid));
}

void CNumberBox::Commit() {
    SetValue(Value());
}

void CNumberBox::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool isBackspace = event->key() == Qt::Key_Backspace;
    const bool isAccepted = typed.size() == 1 && IsAcceptedCharacter(typed.front());
    if (!isBackspace && !isAccepted && (!typed.isEmpty() || IsClipboardOrEditShortcut(event))) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CNumberBox::focusOutEvent(QFocusEvent* event) {
    Commit();
    QLineEdit::focusOutEvent(event);
}

} // namespace kelvo
