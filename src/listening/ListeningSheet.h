#pragma once

#include "worksheet/PlanSheet.h"
#include "worksheet/Worksheet.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace kelvo {

// The questions of a sheet as a 听算 round says them, in the sheet's order,
// and the pace that suits them.
struct CListeningQuestions {
    std::vector<std::u16string> spoken;
    // Longer for bigger numbers and more operands: the pupil holds the
    // question in mind while working it out.
    std::chrono::seconds pace{0};
};

// The first count questions of a sheet of one kind (fewer when it has fewer).
CListeningQuestions ListeningQuestions(const CQuestionSet& questionSet, int32_t count, bool isFill);
// Every question of every part of a plan's sheet.
CListeningQuestions ListeningQuestions(const CPlanSheet& sheet, bool isFill);

} // namespace kelvo
