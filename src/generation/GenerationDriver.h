#pragma once

#include "generation/CExpression.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace kelvo {

class CInfoReceiver;

using TemplateList = std::vector<std::shared_ptr<CExpression>>;

// Gives every template wanted attempts, then shuffles all questions together
// and repeats them cyclically up to wanted entries (an array that already has
// more is not cut). generatedCount, when given, receives the number of
// questions generated before the repetition. The receiver may be nullptr.
QuestionList GenerateQuestions(const TemplateList& templates, int32_t wanted,
                               int32_t* generatedCount, CInfoReceiver* receiver);

// Shuffles entries first..last, then appends entries 1, 2, ... of the array
// again (the same objects) until it holds wanted entries.
void ShuffleAndFill(QuestionList& questions, int32_t first, int32_t last, int32_t wanted,
                    CInfoReceiver* receiver);

} // namespace kelvo
