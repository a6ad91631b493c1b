#pragma once

#include "generation/QuestionForm.h"
#include "number/OperatorCodes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace kelvo {

// The rules a teacher may add to a kind so that its questions stay mental
// arithmetic. Each is off unless chosen, so a kind without them admits what
// its ranges admit.
struct CQuestionRules {
    // Every step before the last of a question of three or four operands
    // lies within the result's range: no 100 reached halfway in 93＋98－96.
    bool isIntermediateInResultRange = false;
    // No step multiplies by 0 or 1 (either factor) or divides by 1.
    bool isNoTrivialFactor = false;
    // No step divides to a quotient of 1, so no a÷a.
    bool isNoQuotientOne = false;
    // No operand of the question is 0.
    bool isNoZeroOperand = false;
    // Every product and quotient is a fact of the multiplication table: both
    // factors, and a divisor and its quotient, at most 9. A kind of "a×b" and
    // "a÷b" cannot bound a by its range alone: a÷b takes a up to 81.
    bool isWithinTables = false;
    // The second of two operands is 10, 100 or 1000, as far as its range
    // reaches: moving the point, "3.5×100", "42÷1000".
    bool isPowerOfTenSecond = false;
    // The two fractions of a question have the same denominator (同分母), or
    // different ones (异分母); a whole operand is held to neither.
    bool isSameDenominator = false;
    bool isDifferentDenominators = false;

    bool IsNone() const { return *this == CQuestionRules{}; }
    friend bool operator==(const CQuestionRules&, const CQuestionRules&) = default;
};

// The rules applied to the questions of one template: its operators, its
// parentheses, its result's range and its form are fixed once, the operand
// values of a question already admitted by the ranges are judged per call.
class CRuleFilter {
public:
    CRuleFilter() = default;
    CRuleFilter(const CQuestionRules& rules, std::span<const int32_t> codes, Parentheses group,
                int32_t resultLower, int32_t resultUpper,
                QuestionForm form = QuestionForm::Calculate);

    // Operand k with steps[k] > 0 must have a digit other than 0 in that
    // unit: it stands for a decimal written with exactly its places.
    void RequireLastPlaces(const std::array<int32_t, 4>& steps);

    // values[k] is joined to what stands before by the template's codes[k].
    bool Admits(std::span<const int32_t> values) const {
        return (m_rules.IsNone() || AdmitsUnderRules(values)) &&
               (!m_checksPlaces || HasLastPlaces(values)) &&
               (m_form == QuestionForm::Calculate ||
                AdmitsForm(m_form, values, std::span(m_codes).first(values.size()), m_group));
    }

private:
    bool AdmitsUnderRules(std::span<const int32_t> values) const;
    bool AdmitsStep(int32_t code, int64_t x, int64_t y, int64_t z, bool isLast) const;
    bool HasLastPlaces(std::span<const int32_t> values) const;

    CQuestionRules m_rules;
    std::array<int32_t, 4> m_codes{};
    Parentheses m_group;
    int32_t m_resultLower = 0;
    int32_t m_resultUpper = 0;
    QuestionForm m_form = QuestionForm::Calculate;
    std::array<int32_t, 4> m_lastPlaceSteps{};
    bool m_checksPlaces = false;
};

} // namespace kelvo
