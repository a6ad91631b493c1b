#pragma once

#include "worksheet/QuestionSet.h"

#include <cstdint>
#include <functional>

namespace kelvo {

// Where the drill takes its questions from: the main window makes them from
// its operand panel's kind, as for a worksheet.
using QuestionSource = std::function<CQuestionSet(int32_t wanted)>;

} // namespace kelvo
