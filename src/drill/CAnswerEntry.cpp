#include "drill/CAnswerEntry.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace kelvo {
namespace {

constexpr char Point = '.';
constexpr char Bar = '/';
// A denominator of more digits than this is a slip of the finger.
constexpr size_t MaxDenominatorDigits = 4;

int32_t ValueOf(std::string_view digits) {
    int32_t value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

// "1.20" is 120 with 2 places; a point with no digit after it adds none.
// "3/5" is a fraction; none while its denominator is empty or 0.
std::optional<CAnswer> NumberOf(const std::string& number) {
    if (const size_t bar = number.find(Bar); bar != std::string::npos) {
        const int32_t denominator = ValueOf(std::string_view(number).substr(bar + 1));
        if (denominator == 0) {
            return std::nullopt;
        }
        return CAnswer::Fraction(ValueOf(std::string_view(number).substr(0, bar)), denominator);
    }
    const size_t point = number.find(Point);
    if (point == std::string::npos) {
        return CAnswer(ValueOf(number));
    }
    const std::string digits = number.substr(0, point) + number.substr(point + 1);
    return CAnswer::Scaled(ValueOf(digits), static_cast<int32_t>(number.size() - point - 1));
}

size_t DigitCount(const std::string& digits) {
    return digits.size() - static_cast<size_t>(std::ranges::count(digits, Point)) -
           static_cast<size_t>(std::ranges::count(digits, Bar));
}

bool HasMark(const std::string& number) {
    return number.find_first_of("./") != std::string::npos;
}

} // namespace

void CAnswerEntry::AddDigit(int32_t digit) {
    if (!m_signs.empty()) {
        return;
    }
    std::string& digits = m_remainder ? *m_remainder : m_number;
    const size_t bar = digits.find(Bar);
    if (bar != std::string::npos && digits.size() - bar > MaxDenominatorDigits) {
        return;
    }
    if (digit >= 0 && digit <= 9 && DigitCount(digits) < kMaxDigits) {
        digits += static_cast<char>('0' + digit);
    }
}

void CAnswerEntry::AddPoint() {
    if (!m_number.empty() && !m_remainder && !HasMark(m_number)) {
        m_number += Point;
    }
}

void CAnswerEntry::AddBar() {
    if (!m_number.empty() && !m_remainder && !HasMark(m_number)) {
        m_number += Bar;
    }
}

void CAnswerEntry::StartRemainder() {
    if (!m_number.empty() && !m_remainder) {
        m_remainder.emplace();
    }
}

void CAnswerEntry::AddSign(char16_t sign) {
    if (m_number.empty() && m_signs.size() < kMaxDigits) {
        m_signs += sign;
    }
}

void CAnswerEntry::Backspace() {
    if (!m_signs.empty()) {
        m_signs.pop_back();
    } else if (m_remainder && m_remainder->empty()) {
        m_remainder.reset();
    } else if (std::string& digits = m_remainder ? *m_remainder : m_number; !digits.empty()) {
        digits.pop_back();
    }
}

void CAnswerEntry::Clear() {
    m_number.clear();
    m_remainder.reset();
    m_signs.clear();
}

std::optional<CAnswer> CAnswerEntry::Answer() const {
    if (!m_signs.empty()) {
        return CAnswer::Signs(m_signs);
    }
    if (m_number.empty()) {
        return std::nullopt;
    }
    if (m_remainder && !m_remainder->empty()) {
        return CAnswer(ValueOf(m_number), ValueOf(*m_remainder));
    }
    return NumberOf(m_number);
}

} // namespace kelvo
