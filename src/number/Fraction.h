#pragma once

#include <cstdint>
#include <optional>

namespace kelvo {

// An exact rational number, kept in lowest terms with a positive denominator.
class CFraction {
public:
    CFraction() = default;
    // n/d in lowest terms; d must not be 0.
    CFraction(int64_t numerator, int64_t denominator);

    int64_t Numerator() const { return m_numerator; }
    int64_t Denominator() const { return m_denominator; }
    bool IsWhole() const { return m_denominator == 1; }

    friend bool operator==(const CFraction&, const CFraction&) = default;
    friend bool operator<(const CFraction& a, const CFraction& b) {
        return a.m_numerator * b.m_denominator < b.m_numerator * a.m_denominator;
    }

private:
    int64_t m_numerator = 0;
    int64_t m_denominator = 1;
};

// a op b for an operator code (Op::Plus … Op::Divide); none for a negative
// difference, a division by zero or another code.
std::optional<CFraction> Calculate(const CFraction& a, int32_t code, const CFraction& b);

} // namespace kelvo
