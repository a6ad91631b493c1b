#pragma once

#include "generation/CExpression.h"
#include "generation/CandidateTable.h"

#include <cstdint>

namespace kelvo {

// Counts the admissible questions of a template of 2 to 4 operands by the
// walk its enumerating generator makes, whatever the size of its value space:
// it ends after more than maxQuestions questions or before it would look at
// more than maxCombinations operand combinations. Other templates admit none.
CWalkCount CountTemplateQuestions(const CExpression& expr, int64_t maxQuestions,
                                  int64_t maxCombinations);

} // namespace kelvo
