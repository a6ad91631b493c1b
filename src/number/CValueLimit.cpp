#include "number/CValueLimit.h"

#include "foundation/NumericUtils.h"
#include "foundation/RandomSource.h"
#include "foundation/RuntimeError.h"
#include "number/CFactorization.h"
#include "number/OperatorCodes.h"

#include <algorithm>
#include <array>

namespace kelvo {

namespace {

// A product of two limits, clamped to the value ceiling before it can overflow.
int64_t ClampedProduct(int32_t a, int32_t b) {
    return std::min<int64_t>(static_cast<int64_t>(a) * b, ValueCeiling);
}

// Digit draws list at most the ten values of a narrow range.
constexpr int32_t NarrowRangeWidth = 10;

} // namespace

std::shared_ptr<CValueLimit> CValueLimit::Clone() const {
    auto clone = std::make_shared<CValueLimit>();
    clone->SetLowerLimit(m_lowerLimit);
    clone->SetUpperLimit(m_upperLimit);
    clone->SetMultipleOf(m_multipleOf);
    clone->SetFactorCount(m_factorCount);
    return clone;
}

void CValueLimit::SetLowerLimit(int32_t value) {
    m_lowerLimit = std::max(value, 0);
}

void CValueLimit::SetMultipleOf(int32_t value) {
    m_multipleOf = std::min(value, ValueCeiling);
    if (m_multipleOf < 1) {
        m_multipleOf = 1;
    }
}

void CValueLimit::SetFactorCount(int32_t value) {
    m_factorCount = value < 0 ? 1 : value;
}

int32_t CValueLimit::Count() const {
    if (!IsValid()) {
        return 0;
    }
    int32_t first = -1;
    int32_t last = -1;
    GetFirstLastValue(first, last);
    if (first == -1 && last == -1) {
        return 0;
    }
    // first and last are multiples of the step, so the quotient is exact.
    const int64_t count = (static_cast<int64_t>(last) - first) / m_multipleOf + 1;
    return CheckedNarrow(std::max<int64_t>(count, 0));
}

void CValueLimit::Init(int32_t iLower, int32_t iUpper, int32_t iMultipleOf, int32_t iFactorCount) {
    m_upperLimit = std::min(iUpper, ValueCeiling);
    m_lowerLimit = std::max(0, iLower);
    SetMultipleOf(iMultipleOf);
    m_factorCount = std::max(1, iFactorCount);
}

// The range operations turn an invalid operand into the empty limit.
bool CValueLimit::ResetUnlessBothValid(const CValueLimit& lim) {
    if (IsValid() && lim.IsValid()) {
        return true;
    }
    Reset();
    return false;
}

void CValueLimit::Plus(const CValueLimit& lim) {
    if (!ResetUnlessBothValid(lim)) {
        return;
    }
    m_lowerLimit = std::max(0, CheckedAdd(m_lowerLimit, lim.m_lowerLimit));
    m_upperLimit = std::min(CheckedAdd(m_upperLimit, lim.m_upperLimit), ValueCeiling);
    m_multipleOf = std::min(m_multipleOf, lim.m_multipleOf);
    m_factorCount = 1;
}

void CValueLimit::Subtract(const CValueLimit& lim) {
    if (!ResetUnlessBothValid(lim)) {
        return;
    }
    m_lowerLimit = std::max(0, CheckedSubtract(m_lowerLimit, lim.m_upperLimit));
    m_upperLimit = CheckedSubtract(m_upperLimit, lim.m_lowerLimit);
    m_multipleOf = std::min(m_multipleOf, lim.m_multipleOf);
    m_factorCount = 1;
}

void CValueLimit::Multiply(const CValueLimit& lim) {
    if (!ResetUnlessBothValid(lim)) {
        return;
    }
    // A product is a multiple of both steps' product; beyond the ceiling no
    // product is left (a step above 1 never admits 0).
    const int64_t step = static_cast<int64_t>(m_multipleOf) * lim.m_multipleOf;
    if (step > ValueCeiling) {
        Reset();
        return;
    }
    // 4 is the smallest number with two prime factors.
    const int64_t lower = ClampedProduct(m_lowerLimit, lim.m_lowerLimit);
    const int64_t upper = ClampedProduct(m_upperLimit, lim.m_upperLimit);
    m_lowerLimit = static_cast<int32_t>(std::max<int64_t>(4, lower));
    m_upperLimit = static_cast<int32_t>(upper < 0 ? -1 : upper);
    m_multipleOf = static_cast<int32_t>(step);
    m_factorCount = CheckedAdd(m_factorCount, lim.m_factorCount);
}

void CValueLimit::Divide(const CValueLimit& lim) {
    if (!ResetUnlessBothValid(lim)) {
        return;
    }
    if (lim.m_upperLimit == 0) {
        return;
    }
    const int32_t smallestDivisor = lim.m_lowerLimit == 0 ? 1 : lim.m_lowerLimit;
    if (m_upperLimit < smallestDivisor) {
        return;
    }
    int32_t stepRatio = m_multipleOf / lim.m_multipleOf;
    if (stepRatio == 0) {
        stepRatio = 1;
    }
    // Quotients 0 and 1 make no question, so the range starts at 2 and ends at
    // half the largest dividend.
    m_lowerLimit = std::max(2, m_lowerLimit / lim.m_upperLimit);
    m_upperLimit = std::min(m_upperLimit / smallestDivisor, m_upperLimit / 2);
    m_multipleOf = LeastCommonMultiple(m_multipleOf, stepRatio) / stepRatio;
    m_factorCount = std::max(1, CheckedSubtract(m_factorCount, lim.m_factorCount));
}

void CValueLimit::Intersect(const CValueLimit& lim) {
    if (!IsValid() || !lim.IsValid() || m_upperLimit < lim.m_lowerLimit ||
        lim.m_upperLimit < m_lowerLimit) {
        Reset();
        return;
    }
    // Steps are 1..10000, and most often equal.
    const int32_t step = m_multipleOf == lim.m_multipleOf
                             ? m_multipleOf
                             : LeastCommonMultiple(m_multipleOf, lim.m_multipleOf);
    if (step > ValueCeiling) {
        // No value up to the ceiling is a multiple of both steps.
        Reset();
        return;
    }
    m_lowerLimit = std::max(m_lowerLimit, lim.m_lowerLimit);
    m_upperLimit = std::min(m_upperLimit, lim.m_upperLimit);
    m_multipleOf = step;
    m_factorCount = std::max(m_factorCount, lim.m_factorCount);
}

bool CValueLimit::GetRandomValue(int32_t& iResultValue) {
    if (!IsValid()) {
        return false;
    }
    int32_t first = -1;
    int32_t last = -1;
    GetFirstLastValue(first, last);
    if (m_factorCount < 2 && m_multipleOf % 10 != 0) {
        if (first < 0 || first > last) {
            return false;
        }
        // Drawn as a multiple of the step so that a step such as 3 is honoured;
        // with step 1 this is a uniform whole number in first..last.
        ReseedRandomFromClock();
        if (m_multipleOf == 1) {
            iResultValue = RandomFloor(last - first + 1, first);
            return true;
        }
        const int32_t k = RandomFloor((last - first) / m_multipleOf + 1, first / m_multipleOf);
        iResultValue = CheckedMultiply(k, m_multipleOf);
        return true;
    }
    return SharedFactorization().GetRandomValueNonePrime(iResultValue, first, last, m_multipleOf,
                                                         m_factorCount, nullptr, -1);
}

bool CValueLimit::GetRandomValueWithModulo(int32_t& iResultValue, int32_t iLowerModulo,
                                           int32_t iUpperModulo) {
    // Every value of such a step ends in 0: it fits as it is when 0 is allowed.
    if (m_multipleOf % 10 == 0) {
        return iLowerModulo <= 0 && 0 <= iUpperModulo && GetRandomValue(iResultValue);
    }
    if (static_cast<int64_t>(m_upperLimit) < static_cast<int64_t>(m_lowerLimit) + 10) {
        return PickValueWithLastDigit(iResultValue, iLowerModulo, iUpperModulo);
    }
    // The wide draw does not apply a step, so a limit with one gets no value
    // here rather than one that is not a multiple of the step.
    if (m_multipleOf != 1) {
        return false;
    }
    // At least eleven consecutive values: every last digit occurs, 0 included.
    CValueLimit digits;
    digits.Init(iLowerModulo, std::min(iUpperModulo, 9), 1, 1);
    int32_t digit = -1;
    if (!digits.GetRandomValue(digit)) {
        return false;
    }
    const int32_t lowTens = FirstValueWithLastDigit(digit) / 10;
    const int32_t highTens = LastValueWithLastDigit(digit) / 10;
    const int32_t tens = RandomFloor(highTens - lowTens + 1, lowTens);
    iResultValue = CheckedAdd(CheckedMultiply(tens, 10), digit);
    return true;
}

bool CValueLimit::GetRandomValueWithLimits(int32_t& iResultValue, const DivisorList& colDivisors,
                                           int32_t iExcludedDivisorBest) {
    if (!IsValid()) {
        return false;
    }
    int32_t first = -1;
    int32_t last = -1;
    GetFirstLastValue(first, last);
    if (m_factorCount < 2 && m_multipleOf % 10 != 0) {
        return false;
    }
    return SharedFactorization().GetRandomValueNonePrime(
        iResultValue, first, last, m_multipleOf, m_factorCount, &colDivisors, iExcludedDivisorBest);
}

void CValueLimit::GetFirstLastValue(int32_t& iFirst, int32_t& iLast) const {
    iFirst = -1;
    iLast = -1;
    const int32_t lower = m_lowerLimit;
    const int32_t upper = m_upperLimit;
    const int32_t step = m_multipleOf;
    if (step == 1) {
        iFirst = lower;
        iLast = upper;
        return;
    }
    if ((upper < lower || upper < step) && upper != 0) {
        return;
    }
    // A step above 1 never admits 0: its first value is the step itself.
    if (step >= lower) {
        iFirst = step;
    } else if (lower % step == 0) {
        iFirst = lower;
    } else {
        iFirst = CheckedMultiply(lower / step + 1, step);
    }
    iLast = upper / step * step;
}

void CValueLimit::EnsureLargerThan(int32_t v) {
    if (m_lowerLimit <= v) {
        SetLowerLimit(CheckedAdd(v, 1));
    }
}

void CValueLimit::EnsureLessThan(int32_t v) {
    if (m_upperLimit >= v) {
        m_upperLimit = CheckedSubtract(v, 1);
    }
}

bool CValueLimit::Include(int32_t v) const {
    return v % m_multipleOf == 0 && m_lowerLimit <= v && v <= m_upperLimit;
}

void CValueLimit::AddFactorCount(int32_t n) {
    m_factorCount = std::max(1, CheckedAdd(m_factorCount, n));
}

void CValueLimit::Reset() {
    m_lowerLimit = 0;
    m_upperLimit = -1;
    m_multipleOf = 1;
    m_factorCount = 1;
}

bool CValueLimit::PickValueWithLastDigit(int32_t& iResultValue, int32_t iLowerModulo,
                                         int32_t iUpperModulo) {
    if (!IsValid()) {
        return false;
    }
    // Only the admitted values are candidates: with a step above 1 these are
    // its multiples, never 0.
    int32_t first = -1;
    int32_t last = -1;
    GetFirstLastValue(first, last);
    std::array<int32_t, NarrowRangeWidth> candidates{};
    int32_t n = 0;
    for (int64_t v = first; first >= 0 && v <= last && n < NarrowRangeWidth; v += m_multipleOf) {
        candidates[static_cast<size_t>(n++)] = static_cast<int32_t>(v);
    }
    ReseedRandomFromClock();
    // Each candidate is tried at most once, in random order.
    while (n > 0) {
        const int32_t i = RandomFloor(n, 0);
        const int32_t v = candidates[static_cast<size_t>(i)];
        const int32_t digit = v % 10;
        if (iLowerModulo <= digit && digit <= iUpperModulo) {
            iResultValue = v;
            return true;
        }
        std::swap(candidates[static_cast<size_t>(i)], candidates[static_cast<size_t>(n - 1)]);
        --n;
    }
    return false;
}

int32_t CValueLimit::FirstValueWithLastDigit(int32_t digit) const {
    int32_t v = m_lowerLimit;
    while (v % 10 != digit) {
        ++v;
    }
    return v;
}

int32_t CValueLimit::LastValueWithLastDigit(int32_t digit) const {
    int32_t v = m_upperLimit;
    while (v % 10 != digit) {
        --v;
    }
    return v;
}

} // namespace kelvo
