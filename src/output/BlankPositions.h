#pragma once

#include "generation/CExpression.h"

#include <cstdint>
#include <vector>

namespace kelvo {

// The operand each entry of a question list leaves blank in fill-in form
// (entry i - 1 for question i, an operand position from 1). They are drawn
// once with the questions, so that every later form of the worksheet (with or
// without answers, on screen, on paper, in the answer key) blanks the same one.
using BlankPositions = std::vector<int32_t>;

// One uniform draw among the operands of each entry, never the result; an
// entry that repeats an earlier question gets a draw of its own.
BlankPositions DrawBlankPositions(const QuestionList& questions);

} // namespace kelvo
