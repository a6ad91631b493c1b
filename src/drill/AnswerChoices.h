#pragma once

#include <array>
#include <cstdint>

namespace kelvo {

class CExprValue;
class CValueLimit;

// The two choices offered for one drill question: the right answer and a
// nearby wrong one, in random order.
struct AnswerChoices {
    std::array<int32_t, 2> Values{};
    int32_t RightIndex = 0;
};

// The wrong answer is one or two steps of the result limit's multiple away from
// iResult (1 or 2 for results up to 2), pulled inside the limit and never equal
// to iResult. The right answer comes first four times in ten.
AnswerChoices MakeAnswerChoices(int32_t iResult, const CValueLimit& limit);

// Choices that teach: the wrong answer is the question's typical slip when it
// has one in the limit (TypicalSlip), else as MakeAnswerChoices draws it.
AnswerChoices MakeTeachingChoices(const CExprValue& question, const CValueLimit& limit);

} // namespace kelvo
