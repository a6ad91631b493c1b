#include "drill/CAnswerEntry.h"

#include <charconv>

namespace kelvo {
namespace {

int32_t ValueOf(const std::string& digits) {
    int32_t value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

} // namespace

void CAnswerEntry::AddDigit(int32_t digit) {
    if (!m_signs.empty()) {
        return;
    }
    std::string& digits = m_remainder ? *m_remainder : m_number;
    if (digit >= 0 && digit <= 9 && digits.size() < kMaxDigits) {
        digits += static_cast<char>('0' + digit);
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
    return CAnswer(ValueOf(m_number), m_remainder && !m_remainder->empty()
                                          ? std::optional(ValueOf(*m_remainder))
                                          : std::nullopt);
}

} // namespace kelvo
