// The forms a question of a kind is asked in. "计算" writes "8＋5=" for the
// answer; the others turn the same question into number sense: compare its
// value with a number near it ("8＋5 ○ 12"), find its operators from its
// result ("8 ○ 5 = 13"), or estimate it with round operands ("49＋32≈").
#pragma once

#include "number/OperatorCodes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kelvo {

enum class QuestionForm : uint8_t {
    Calculate,
    Compare,
    FillOperator,
    EstimateTens,
    EstimateHundreds,
    // "8＋5 ○ 9＋3": a comparison whose right side is a second question of
    // the kind. A kind and its templates have it; each question made is a
    // Compare that holds its right side (CExprValue::ComparedQuestion).
    CompareQuestions,
    // "3/4 ○ 2/3": the question's two numbers set against each other, as a
    // fraction kind asks 比大小. Its result is the first number and its
    // comparand the second, both counted in the result's unit.
    CompareNumbers,
};

// Every form of 比大小.
constexpr bool IsComparison(QuestionForm form) {
    return form == QuestionForm::Compare || form == QuestionForm::CompareQuestions ||
           form == QuestionForm::CompareNumbers;
}

// The circle the pupil writes a sign or an operator in.
constexpr std::u16string_view FormCircle = u"○";

// 10 or 100 for an estimate, 0 for the other forms.
int32_t EstimateUnit(QuestionForm form);

// The nearest multiple of step, 5 (a half) rounding up.
int32_t RoundToMultiple(int32_t value, int32_t step);

// A question as an estimate calculates it.
struct CEstimate {
    std::array<int32_t, 4> values{};
    int32_t result = 0;
};

// The estimate of values[k] joined by codes[k] (codes[0] is not read): every
// operand of at least the unit rounds to the nearest multiple of it, a
// dividend to the nearest multiple of the unit that its (rounded) divisor
// divides; smaller operands stay. None when an operand that rounds is round
// already or rounds to 0, when nothing rounds, or when the rounded question
// is not admissible.
std::optional<CEstimate> Estimate(std::span<const int32_t> values, std::span<const int32_t> codes,
                                  Parentheses group, int32_t unit);

// True when the question's own operators are the only ones of ＋－×÷ in its
// gaps whose admissible steps give its result: never "2 ○ 2 = 4".
bool HasUniqueOperators(std::span<const int32_t> values, std::span<const int32_t> codes,
                        Parentheses group);

// Whether the question admits the form: every form but "计算" needs its
// steps to work out, an operator question unique operators, an estimate one
// (see Estimate).
bool AdmitsForm(QuestionForm form, std::span<const int32_t> values, std::span<const int32_t> codes,
                Parentheses group);

// How far the right side of a comparison with value may be from it: a tenth
// of the value, at least 2, so that telling the sides apart takes the
// calculation.
int32_t ComparisonReach(int32_t value);

// The right side of a comparison with value: ＞, ＜ and ＝ equally likely
// where the value allows all three, a smaller or larger number at most
// ComparisonReach away.
int32_t DrawComparand(int32_t value);

// ＞, ＜ or ＝ between left and right.
std::u16string_view ComparisonSign(int32_t left, int32_t right);

} // namespace kelvo
