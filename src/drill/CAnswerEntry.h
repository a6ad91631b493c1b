#pragma once

#include "drill/CAnswer.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kelvo {

// The keys typed for one answer: the digits of the number, with a decimal
// point where the question has decimals or a bar ("3/5") where it has
// fractions, and after "余" those of the
// remainder; or for a comparison or an operator question its
// signs. "退格" takes back the last digit or sign, and from an empty
// remainder goes back to the number.
class CAnswerEntry {
public:
    // Kelvo's answers stay below 100000; more digits are a slip of the finger.
    static constexpr size_t kMaxDigits = 6;

    void AddDigit(int32_t digit);
    // Once, after the number's first digit and before a remainder; a
    // number has a point or a fraction's bar, not both.
    void AddPoint();
    // The bar between a fraction's numerator and its denominator, as the
    // point.
    void AddBar();
    // Once, and only after the number's first digit.
    void StartRemainder();
    // A sign (＞, ＋ …) into the next circle; never after a digit.
    void AddSign(char16_t sign);
    void Backspace();
    void Clear();

    // None until the number has a digit or a sign is given; "1.20" is the
    // answer 1.2.
    std::optional<CAnswer> Answer() const;
    const std::string& Number() const { return m_number; }
    // None before "余".
    const std::optional<std::string>& Remainder() const { return m_remainder; }
    const std::u16string& Signs() const { return m_signs; }

private:
    std::string m_number;
    std::optional<std::string> m_remainder;
    std::u16string m_signs;
};

} // namespace kelvo
