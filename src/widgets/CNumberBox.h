#pragma once

#include <QClipboard>
#include <QLineEdit>

#include <cstdint>

namespace kelvo {

// A text box that holds a whole number of a fixed range. Typing lets only
// digits, "." and backspace through, and pasted or dropped text keeps only its
// digits and points. Every read (Value) and the commit on focus loss apply one
// rule: leading spaces dropped, the first few characters (six in the main
// window, five in the time box of the training window) converted with halves
// to even, then clamped. Text that is no number at all ("", ".", "1.2.3")
// reads as the last committed value, so no reader ever meets a conversion error.
class CNumberBox : public QLineEdit {
public:
    static constexpr qsizetype DefaultSignificantLength = 6;

    CNumberBox(int32_t iMinimum, int32_t iMaximum, int32_t iInitial, QWidget* parent = nullptr,
               qsizetype significantLength = DefaultSignificantLength);

    int32_t Minimum() const { return m_minimum; }
    int32_t Maximum() const { return m_maximum; }
    int32_t Value() const;
    // Clamps, shows and commits the value.
    void SetValue(int32_t value);
    // A box of places 0 holds whole numbers; with places it takes decimals
    // and its value counts in 10^-places ("0.25" is 25 with places 2), its
    // range and the characters it reads widened to match. The number shown
    // stays what it was, now counted in the new unit.
    void SetPlaces(int32_t places);
    // Writes the value of the current text back as its decimal text.
    void Commit();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void PasteAccepted(QClipboard::Mode mode);

    int32_t m_minimum;
    int32_t m_maximum;
    int32_t m_lastValid;
    qsizetype m_significantLength;
    int32_t m_places = 0;
    int32_t m_wholeMinimum;
    int32_t m_wholeMaximum;
    qsizetype m_wholeSignificantLength;
};

} // namespace kelvo
