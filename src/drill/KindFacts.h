// The facts of a kind small enough to list (sums within 20, the 9 × 9 table),
// and the answers a child gave to them.
#pragma once

#include "drill/FactMastery.h"
#include "worksheet/QuestionSet.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelvo {

// A kind with more facts than this is not listed fact by fact.
constexpr int32_t MaxListedFacts = 400;

// "0:27 1:15": the operator code to the left of each operand and its value;
// then the operands its parentheses hold, "(1-2)", when it has them. The drill
// history keeps questions by it.
std::u16string FactKey(const CExprValue& question);

// Every question of the set's kind once, in the order of their operands;
// none when the kind has more than MaxListedFacts or is drawn at random. The
// set has its questions drawn for MaxListedFacts + 1 places.
std::optional<QuestionList> ListFacts(const CQuestionSet& drawn);

// An answer to the fact of the key, as the drill history reads it back.
struct CKeyedAnswer {
    std::u16string fact;
    CFactAnswer answer;
};

} // namespace kelvo
