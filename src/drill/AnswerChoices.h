#pragma once

#include "drill/CAnswer.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace kelvo {

class CExprValue;
class CValueLimit;

// The two choices offered for one drill question: the right answer and a
// nearby wrong one, in random order.
struct AnswerChoices {
    std::array<int32_t, 2> Values{};
    // The remainder written after each value, -1 for a question without one.
    std::array<int32_t, 2> Remainders{-1, -1};
    int32_t RightIndex = 0;
    // The signs of each choice of a comparison or an operator question;
    // empty for numbers.
    std::array<std::u16string, 2> Signs{};
    // The decimal places of each value; 0 for whole numbers.
    std::array<int32_t, 2> Places{};

    CAnswer Answer(size_t index) const;
    // The choice as shown: "3", "1.2", "3……2" with a remainder, or the signs.
    std::u16string Text(size_t index) const { return Answer(index).Text(); }
};

// The right answer and the wrong one, the right one first four times in ten.
AnswerChoices OrderedChoices(const CAnswer& right, const CAnswer& wrong);

// The wrong answer is one or two steps of the result limit's multiple away from
// iResult (1 or 2 for results up to 2), pulled inside the limit and never equal
// to iResult. The right answer comes first four times in ten.
AnswerChoices MakeAnswerChoices(int32_t iResult, const CValueLimit& limit);
// As above for the question's result, counted in its unit (a decimal result's
// choices are written as decimals); with a remainder both choices carry the
// question's remainder. A question with fractions has a typical slip as its
// wrong answer (FractionSlip): a step of its unit is no slip a child makes. A question of another
// form than "计算" has the choices of its form (FormChoices).
AnswerChoices MakeAnswerChoices(const CExprValue& question, const CValueLimit& limit);

// Choices that teach: the wrong answer is the question's typical slip when it
// has one in the limit (TypicalSlip), else as MakeAnswerChoices draws it. With
// a remainder the slip is the quotient one too small, which leaves a remainder
// not smaller than the divisor (17÷5: 2……7 beside 3……2). A decimal question's
// slip is its decimal slip (DecimalSlip), a fraction question's its fraction
// slip (FractionSlip). The forms have
// teaching choices of their own (FormChoices).
AnswerChoices MakeTeachingChoices(const CExprValue& question, const CValueLimit& limit);

} // namespace kelvo
