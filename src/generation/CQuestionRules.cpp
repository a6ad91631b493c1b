#include "generation/CQuestionRules.h"

#include <algorithm>

namespace kelvo {

namespace {

int64_t StepValue(int64_t x, int32_t code, int64_t y) {
    switch (code) {
    case Op::Plus:
        return x + y;
    case Op::Minus:
        return x - y;
    case Op::Times:
        return x * y;
    case Op::Divide:
        // A remainder question's step is its whole-number quotient.
        return y == 0 ? 0 : x / y;
    default:
        return 0;
    }
}

// A question as it is worked out: each step joins two neighbouring values
// into one, times and divide before plus and minus, left to right, inside the
// parentheses first.
class CStepWalk {
public:
    CStepWalk(std::span<const int32_t> values, const std::array<int32_t, 4>& codes)
        : m_count(std::min(values.size(), m_values.size())) {
        std::copy_n(values.begin(), m_count, m_values.begin());
        m_codes = codes;
    }

    size_t Count() const { return m_count; }

    // Joins values first..last into one; false as soon as judge(code, x, y,
    // z, isLast) turns a step down.
    template <class Judge>
    bool Reduce(size_t first, size_t last, Judge&& judge) {
        for (; last > first; --last) {
            const size_t k = NextStep(first, last);
            const int64_t z = StepValue(m_values[k - 1], m_codes[k], m_values[k]);
            if (!judge(m_codes[k], m_values[k - 1], m_values[k], z, m_count == 2)) {
                return false;
            }
            m_values[k - 1] = z;
            Remove(k);
        }
        return true;
    }

private:
    // Times and divide first, left to right.
    size_t NextStep(size_t first, size_t last) const {
        for (size_t k = first + 1; k <= last; ++k) {
            if (IsTimesOrDivide(m_codes[k])) {
                return k;
            }
        }
        return first + 1;
    }

    void Remove(size_t k) {
        std::copy(m_values.begin() + static_cast<ptrdiff_t>(k) + 1,
                  m_values.begin() + static_cast<ptrdiff_t>(m_count),
                  m_values.begin() + static_cast<ptrdiff_t>(k));
        std::copy(m_codes.begin() + static_cast<ptrdiff_t>(k) + 1,
                  m_codes.begin() + static_cast<ptrdiff_t>(m_count),
                  m_codes.begin() + static_cast<ptrdiff_t>(k));
        --m_count;
    }

    std::array<int64_t, 4> m_values{};
    std::array<int32_t, 4> m_codes{};
    size_t m_count;
};

// The digit of a place of ten: every attempt of a decimal kind looks at its
// operands' last places, nearly always the units of their whole count, and a
// division by a constant is a multiplication where one by a variable costs
// dozens of cycles.
int32_t DigitAt(int32_t value, int32_t step) {
    switch (step) {
    case 1:
        return value % 10;
    case 10:
        return value / 10 % 10;
    default:
        return value / step % 10;
    }
}

} // namespace

CRuleFilter::CRuleFilter(const CQuestionRules& rules, std::span<const int32_t> codes,
                         Parentheses group, int32_t resultLower, int32_t resultUpper,
                         QuestionForm form)
    : m_rules(rules), m_group(group), m_resultLower(resultLower), m_resultUpper(resultUpper),
      m_form(form) {
    std::copy_n(codes.begin(), std::min(codes.size(), m_codes.size()), m_codes.begin());
}

bool CRuleFilter::AdmitsUnderRules(std::span<const int32_t> values) const {
    if (values.empty()) {
        return true;
    }
    if (m_rules.isNoZeroOperand && std::find(values.begin(), values.end(), 0) != values.end()) {
        return false;
    }
    const auto judge = [this](int32_t code, int64_t x, int64_t y, int64_t z, bool isLast) {
        return AdmitsStep(code, x, y, z, isLast);
    };
    CStepWalk walk(values, m_codes);
    if (!m_group.IsNone() && static_cast<size_t>(m_group.last) < walk.Count() &&
        !walk.Reduce(m_group.first, m_group.last, judge)) {
        return false;
    }
    return walk.Reduce(0, walk.Count() - 1, judge);
}

bool CRuleFilter::AdmitsStep(int32_t code, int64_t x, int64_t y, int64_t z, bool isLast) const {
    if (m_rules.isIntermediateInResultRange && !isLast &&
        (z < m_resultLower || z > m_resultUpper)) {
        return false;
    }
    const auto isZeroOrOne = [](int64_t v) { return v == 0 || v == 1; };
    if (m_rules.isNoTrivialFactor && ((code == Op::Times && (isZeroOrOne(x) || isZeroOrOne(y))) ||
                                      (code == Op::Divide && y == 1))) {
        return false;
    }
    constexpr int64_t LargestTableFactor = 9;
    if (m_rules.isWithinTables && ((code == Op::Times && std::max(x, y) > LargestTableFactor) ||
                                   (code == Op::Divide && std::max(y, z) > LargestTableFactor))) {
        return false;
    }
    return !(m_rules.isNoQuotientOne && code == Op::Divide && z == 1);
}

void CRuleFilter::RequireLastPlaces(const std::array<int32_t, 4>& steps) {
    m_lastPlaceSteps = steps;
    m_checksPlaces = std::ranges::any_of(steps, [](int32_t step) { return step > 0; });
}

bool CRuleFilter::HasLastPlaces(std::span<const int32_t> values) const {
    for (size_t k = 0; k < values.size() && k < m_lastPlaceSteps.size(); ++k) {
        const int32_t step = m_lastPlaceSteps[k];
        if (step > 0 && DigitAt(values[k], step) == 0) {
            return false;
        }
    }
    return true;
}

} // namespace kelvo
