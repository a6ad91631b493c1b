#pragma once

#include "worksheet/QuestionSet.h"

#include <cstdint>
#include <functional>
#include <string>

namespace kelvo {

// Where the drill takes its questions from: the main window makes them from
// its operand panel's kind, as for a worksheet.
using QuestionSource = std::function<CQuestionSet(int32_t wanted)>;

// Where a sheet made in the training window goes: the main window takes it as
// its current sheet under the title, for print, PDF and copies as any sheet.
using SheetTaker = std::function<void(CQuestionSet questions, std::u16string title)>;

} // namespace kelvo
