#include "number/Fraction.h"

#include "number/OperatorCodes.h"

#include <numeric>

namespace kelvo {

CFraction::CFraction(int64_t numerator, int64_t denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const int64_t divisor = std::gcd(numerator, denominator);
    m_numerator = numerator / divisor;
    m_denominator = denominator / divisor;
}

std::optional<CFraction> Calculate(const CFraction& a, int32_t code, const CFraction& b) {
    const int64_t an = a.Numerator();
    const int64_t ad = a.Denominator();
    const int64_t bn = b.Numerator();
    const int64_t bd = b.Denominator();
    switch (code) {
    case Op::Plus:
        return CFraction(an * bd + bn * ad, ad * bd);
    case Op::Minus:
        if (b < a || a == b) {
            return CFraction(an * bd - bn * ad, ad * bd);
        }
        return std::nullopt;
    case Op::Times:
        return CFraction(an * bn, ad * bd);
    case Op::Divide:
        if (bn == 0) {
            return std::nullopt;
        }
        return CFraction(an * bd, ad * bn);
    default:
        return std::nullopt;
    }
}

} // namespace kelvo
