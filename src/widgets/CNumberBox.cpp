#include "widgets/CNumberBox.h"

#include "foundation/RuntimeError.h"
#include "foundation/TextNumber.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace kelvo {

namespace {

bool IsAcceptedCharacter(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'.';
}

QString AcceptedCharacters(const QString& text) {
    QString accepted;
    std::copy_if(text.begin(), text.end(), std::back_inserter(accepted), IsAcceptedCharacter);
    return accepted;
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
      m_lastValid(std::clamp(iInitial, iMinimum, iMaximum)), m_significantLength(significantLength),
      m_wholeMinimum(iMinimum), m_wholeMaximum(iMaximum),
      m_wholeSignificantLength(significantLength) {
    setText(QString::number(m_lastValid));
}

int32_t CNumberBox::Value() const {
    const QString shown = text();
    qsizetype first = 0;
    while (first < shown.size() && shown[first] == u' ') {
        ++first;
    }
    const std::u16string significant = shown.mid(first, m_significantLength).toStdU16String();
    try {
        const int32_t value = m_places == 0
                                  ? TextToInt32(significant)
                                  : RoundToInt32(TextToDouble(significant) *
                                                 std::pow(10.0, static_cast<double>(m_places)));
        return std::clamp(value, m_minimum, m_maximum);
    } catch (const CRuntimeError&) {
        return m_lastValid;
    }
}

void CNumberBox::SetValue(int32_t value) {
    m_lastValid = std::clamp(value, m_minimum, m_maximum);
    std::u16string shown;
    AppendScaledText(shown, m_lastValid, m_places);
    setText(QString::fromStdU16String(shown));
}

void CNumberBox::SetPlaces(int32_t places) {
    if (places == m_places) {
        return;
    }
    const double unit = std::pow(10.0, static_cast<double>(places));
    m_lastValid = RoundToInt32(static_cast<double>(m_lastValid) * unit /
                               std::pow(10.0, static_cast<double>(m_places)));
    m_places = places;
    m_minimum = RoundToInt32(m_wholeMinimum * unit);
    m_maximum = RoundToInt32(m_wholeMaximum * unit);
    m_significantLength = m_wholeSignificantLength + (places > 0 ? places + 1 : 0);
    Commit();
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

// The standard menu, whose "paste" goes through the filter. Its entry is known
// by its caption, which Qt writes as the translated "&Paste" and the shortcut.
void CNumberBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QLineEdit::tr("&Paste"))) {
            action->disconnect(this);
            connect(action, &QAction::triggered, this,
                    [this] { PasteAccepted(QClipboard::Clipboard); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// A middle click pastes the selection where the system has one.
void CNumberBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() &&
        !isReadOnly()) {
        deselect();
        PasteAccepted(QClipboard::Selection);
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// Text with nothing to keep changes nothing, as when such text is typed.
void CNumberBox::dropEvent(QDropEvent* event) {
    const QString text = AcceptedCharacters(event->mimeData()->text());
    if (text.isEmpty()) {
        event->ignore();
        return;
    }
    QMimeData accepted;
    accepted.setText(text);
    QDropEvent filtered(event->position(), event->possibleActions(), &accepted, event->buttons(),
                        event->modifiers());
    filtered.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&filtered);
    event->setDropAction(filtered.dropAction());
    event->setAccepted(filtered.isAccepted());
}

void CNumberBox::PasteAccepted(QClipboard::Mode mode) {
    const QString text = AcceptedCharacters(QGuiApplication::clipboard()->text(mode));
    if (!text.isEmpty()) {
        insert(text);
    }
}

} // namespace kelvo
