#pragma once

#include <QLineEdit>

#include <cstdint>
#include <optional>

namespace kelvo {

// The training time box: seconds from 1 to 9999. Typing is limited to digits,
// "." and backspace; leaving the box puts its text back into range. Seconds()
// reads the box by the same rule, so a drill started while the box still holds
// "0", "" or "0.4" gets a usable limit.
class CTimeBox : public QLineEdit {
    Q_OBJECT

public:
    static constexpr int32_t kLowest = 1;
    static constexpr int32_t kHighest = 9999;
    static constexpr int32_t kDefaultSeconds = 60;

    explicit CTimeBox(QWidget* parent = nullptr);

    // The whole number of seconds the box stands for; without a number in it,
    // the last one it held.
    int32_t Seconds();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The number in the text, read as the box reads it: leading spaces dropped,
    // at most 5 characters.
    std::optional<double> Number() const;
    void ApplyRangeRule();

    int32_t m_iLastSeconds = kDefaultSeconds;
};

} // namespace kelvo
